#!/usr/bin/env python3
"""Builds the delivered Russian dictionary dist/data/ru.dct from the installed thesaurus data.

Run by hand; the output is committed, so the program needs no thesaurus at run time.

    tools/make_dictionary.py [--thesaurus PATH] [--text OUT.txt] [--dct OUT.dct] [--cli GRIDLEX_CLI]

The text (UTF-8, one "word clue" entry per line) is written first; the .dct file is then produced by
the batch tool's `dict import` when --cli is given, otherwise by the letter-code writer below.
Standard library only.
"""

import argparse
import collections
import hashlib
import os
import random
import re
import subprocess
import sys
import tempfile

THESAURUS = "/usr/share/mythes/th_ru_RU_v2.dat"
HERE = os.path.dirname(os.path.abspath(__file__))
DIST_DCT = os.path.join(HERE, "..", "dist", "data", "ru.dct")

# The store holds 16,384 entries; some room is left for the user's own additions in the editor.
TARGET_ENTRIES = 15600
MAX_ENTRY = 128
MIN_WORD, MAX_WORD = 3, 19
# Clues per word: several senses make several entries, but a word is used at most once per puzzle,
# so extra clues only add variety, not fill power.
MAX_CLUES_PER_WORD = 2

# The one-byte letter code of the files: 0..31 а..я, 32..57 А..Щ, 58..60 Э Ю Я, then space,
# punctuation and digits; 86 ends a text.
LOWER = "абвгдежзийклмнопрстуфхцчшщъыьэюя"
UPPER = "АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩ" + "ЭЮЯ"
OTHER = " .,:\"?-()!0123456789/"
CODE_CHARS = LOWER + UPPER + OTHER
CODE = {ch: i for i, ch in enumerate(CODE_CHARS)}
END = 86
assert len(CODE_CHARS) == 82

WORD_RE = re.compile("^[а-я]+$")
LETTERS_RE = re.compile("[а-яА-Я]+")

# Clue forms by relation; several wordings so that a page of clues does not read like a table.
FORMS = {
    "syn": ["Синоним: {}", "Иначе: {}", "То же, что {}", "Другими словами: {}", "По-другому: {}",
            "Равнозначно: {}"],
    "near": ["Сходное понятие: {}", "Близко по смыслу: {}", "Похожее слово: {}"],
    "ant": ["Антоним: {}", "Противоположность: {}", "Обратное понятие: {}"],
    "rel": ["Связанное понятие: {}", "Из того же ряда: {}"],
}
RELATIONS = {"(синоним)": "syn", "(сходный термин)": "near", "(антоним)": "ant",
             "(связанный термин)": "rel"}
# Words too bare to be answers of their own (pronouns, particles, prepositions).
STOP_WORDS = set("что чего чем тем того сего под про изо обе себя собой своем свой это этот так как "
                 "или уже еще все всех вся весь они она оно его ему ней них нет да".split())
# Ethnic slurs and items the thesaurus itself marks as abusive stay out of a family game.
BLOCKED_STEMS = ("жид", "кацап", "чучмек")
BLOCKED_MARKS = ("бранн", "вульг")


def offensive(text):
    lowered = text.lower()
    return any(mark in lowered for mark in BLOCKED_MARKS) or \
        any(token.startswith(BLOCKED_STEMS) for token in LETTERS_RE.findall(lowered))


def normalize(text):
    return text.replace("ё", "е").replace("Ё", "Е")


def encodable(text):
    return all(ch in CODE for ch in text)


def leaks(answer, clue):
    """A clue word must not be the answer nor share its first four letters."""
    prefix = answer[:4]
    for token in LETTERS_RE.findall(clue):
        token = token.lower()
        if token == answer or token.startswith(prefix):
            return True
    return False


def read_thesaurus(path):
    """Yields (headword, [(relation, [items])]) from the thesaurus data file."""
    with open(path, encoding="utf-8-sig") as handle:
        lines = handle.read().split("\n")
    i = 1  # the first line names the encoding
    while i < len(lines):
        line = lines[i]
        if "|" not in line:
            i += 1
            continue
        head, count = line.rsplit("|", 1)
        count = int(count)
        senses = []
        for sense_line in lines[i + 1:i + 1 + count]:
            parts = sense_line.split("|")
            relation = RELATIONS.get(parts[0])
            if relation:
                senses.append((relation, parts[1:]))
        yield head, senses
        i += 1 + count


def stable_hash(text):
    return int(hashlib.md5(text.encode("utf-8")).hexdigest()[:8], 16)


def make_clue(answer, relation, items, salt, limit):
    """Builds a clue that fits the entry limit and gives nothing away, or returns None."""
    clean = []
    for item in items:
        item = normalize(item).strip()
        if not item or not encodable(item) or leaks(answer, item) or offensive(item) or item in clean:
            continue
        clean.append(item)
    clean = clean[:limit]
    if not clean:
        return None
    forms = FORMS[relation]
    start = stable_hash(answer + salt) % len(forms)
    for k in range(len(forms)):
        form = forms[(start + k) % len(forms)]
        if leaks(answer, form.format("")):
            continue
        chosen = list(clean)
        while chosen:
            clue = form.format(", ".join(chosen))
            if len(answer) + 1 + len(clue) <= MAX_ENTRY:
                return clue
            chosen.pop()
    return None


def collect_candidates(path):
    """Returns {word: [(priority, clue)]}; a lower priority is a better clue."""
    candidates = collections.defaultdict(list)
    headwords = set()
    thesaurus = list(read_thesaurus(path))
    for head, _ in thesaurus:
        headwords.add(normalize(head))

    def add(word, relation, items, salt, priority, limit):
        if not (MIN_WORD <= len(word) <= MAX_WORD and WORD_RE.match(word)) or word in STOP_WORDS \
                or offensive(word):
            return
        clue = make_clue(word, relation, items, salt, limit)
        if clue and all(c != clue for _, c in candidates[word]):
            candidates[word].append((priority, clue))

    for head, senses in thesaurus:
        word = normalize(head)
        for index, (relation, items) in enumerate(senses):
            # A word's own senses are the best clues; synonyms before looser relations.
            priority = 0 if relation == "syn" else 1
            add(word, relation, items, str(index), priority, 5)
            # Each single-word member of a group gets the headword and a little of the rest as clue:
            # the headword is the surest relative, the other members may be further off.
            for item in items:
                member = normalize(item)
                if WORD_RE.match(member) and member != word:
                    others = [word] + [x for x in items if normalize(x) != member]
                    add(member, relation, others, "r" + word, 2 if member in headwords else 1,
                        2 if relation == "syn" else 1)
    return candidates


# Words kept per length. Generated grids are made of slots of 3..9 letters (a few of 10), so those
# lengths take nearly all the room; longer words serve grids the user draws (at most 19 cells).
LENGTH_QUOTA = {3: 400, 4: 1200, 5: 2000, 6: 2300, 7: 2900, 8: 2700, 9: 2200, 10: 900, 11: 450,
                12: 250, 13: 120, 14: 70, 15: 40, 16: 30, 17: 20, 18: 15, 19: 10}


def choose_entries(candidates, target):
    """Keeps the best-clued words of every length up to its quota, then second clues while room lasts."""
    by_length = collections.defaultdict(list)
    for word, clues in candidates.items():
        clues.sort(key=lambda pc: (pc[0], stable_hash(word + pc[1])))
        by_length[len(word)].append(word)
    chosen = []
    for length, words in sorted(by_length.items()):
        words.sort(key=lambda w: (candidates[w][0][0], stable_hash(w)))
        chosen += words[:LENGTH_QUOTA.get(length, 0)]
    entries = [(w, candidates[w][0][1]) for w in chosen]
    for word in sorted(chosen, key=lambda w: (len(w), stable_hash(w))):
        for _, clue in candidates[word][1:MAX_CLUES_PER_WORD]:
            if len(entries) < target:
                entries.append((word, clue))
    entries = entries[:target]
    # Shuffled, so that the first-fit search does not always open with the same alphabetical words.
    random.Random(1251).shuffle(entries)
    return entries


def encode(text):
    return bytes(CODE[ch] for ch in text) + bytes([END])


def write_dct(entries, path):
    data = bytearray()
    for word, clue in entries:
        data += encode(word + " " + clue)
    data.append(END)
    with open(path, "wb") as handle:
        handle.write(data)


def check_entry(word, clue):
    text = word + " " + clue
    assert WORD_RE.match(word) and MIN_WORD <= len(word) <= MAX_WORD, word
    assert len(text) <= MAX_ENTRY and encodable(text), text
    assert clue[0].isupper() and not leaks(word, clue), text


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--thesaurus", default=THESAURUS)
    parser.add_argument("--text", default=os.path.join(tempfile.gettempdir(), "ru-dictionary.txt"))
    parser.add_argument("--dct", default=DIST_DCT)
    parser.add_argument("--cli", help="gridlex-cli to import the text with")
    parser.add_argument("--target", type=int, default=TARGET_ENTRIES)
    args = parser.parse_args()

    entries = choose_entries(collect_candidates(args.thesaurus), args.target)
    for word, clue in entries:
        check_entry(word, clue)
    with open(args.text, "w", encoding="utf-8") as handle:
        for word, clue in entries:
            handle.write(word + " " + clue + "\n")
    if args.cli:
        subprocess.run([args.cli, "dict", "import", args.text, args.dct], check=True)
    else:
        write_dct(entries, args.dct)

    by_length = collections.Counter(len(w) for w, _ in entries)
    print("entries:", len(entries), "distinct words:", len({w for w, _ in entries}))
    for length in sorted(by_length):
        print("%2d letters: %5d" % (length, by_length[length]))
    print("text:", args.text, "dictionary:", os.path.normpath(args.dct))


if __name__ == "__main__":
    sys.exit(main())
