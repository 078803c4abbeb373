#!/usr/bin/env python3
"""Runs two builds of gridlex-cli over the same cases and compares them byte for byte: standard
output, standard error, exit status and every file the command writes. Used to show that a
restructuring changed nothing the batch tool produces.

    tools/compare_cli.py BEFORE_CLI AFTER_CLI [--cases 1000] [--dict dist/data/ru.dct] [--work DIR]
    tools/compare_cli.py --build-before REV --work DIR AFTER_CLI ...

With --build-before the first binary is built from the git revision REV (default build type, no
window) in DIR/before; BEFORE_CLI is then left out.

For each of extract, generate, fill and build it runs --cases cases (seeds 1..N; grids taken from
the generator's boards and from random drawings with letters; two dictionaries; varied board sizes,
minimum slot counts, attempt limits and generation bounds; a few scripted draw lists that run
out). Prints one line per command and every difference found; exits 1 when anything differs.
Standard library only.
"""

import argparse
import os
import random
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, ".."))

# Russian letters the grid text accepts (the letter code holds them all except "ё").
LETTERS = "абвгдежзийклмнопрстуфхцчшщъыьэюя"


def build_before(revision, work):
    """Builds gridlex-cli from a git revision in work/before; returns its path."""
    source = os.path.join(work, "before", "src")
    build = os.path.join(work, "before", "build")
    os.makedirs(source, exist_ok=True)
    archive = subprocess.run(["git", "-C", ROOT, "archive", revision], check=True, capture_output=True).stdout
    subprocess.run(["tar", "-x", "-C", source], input=archive, check=True)
    subprocess.run(["cmake", "-S", source, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
                    "-DGRIDLEX_GUI=OFF"], check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", build, "--target", "gridlex-cli"], check=True, stdout=subprocess.DEVNULL)
    return os.path.join(build, "src", "gridlex-cli")


class Runner:
    """Runs one case with both binaries, each in its own output folder, and compares everything."""

    def __init__(self, before, after, work):
        self.binaries = {"before": before, "after": after}
        self.work = work
        self.cases = {}
        self.exits = {}
        self.differences = []

    def run(self, command, args, outputs=()):
        """args may hold "{out}/NAME" for files the command writes; those files are compared too."""
        results = {}
        for side, binary in self.binaries.items():
            folder = os.path.join(self.work, side)
            os.makedirs(folder, exist_ok=True)
            for name in outputs:
                path = os.path.join(folder, name)
                if os.path.exists(path):
                    os.remove(path)
            argv = [binary, command] + [a.replace("{out}", folder) for a in args]
            done = subprocess.run(argv, capture_output=True)
            files = []
            for name in outputs:
                path = os.path.join(folder, name)
                files.append(open(path, "rb").read() if os.path.exists(path) else None)
            stderr = done.stderr.replace(folder.encode(), b"{out}")
            results[side] = (done.returncode, done.stdout, stderr, files)
        self.cases[command] = self.cases.get(command, 0) + 1
        exits = self.exits.setdefault(command, {})
        code = results["after"][0]
        exits[code] = exits.get(code, 0) + 1
        if results["before"] != results["after"]:
            self.differences.append((command, args, results))
        return results["after"]


def write(path, text):
    with open(path, "w", encoding="utf-8") as handle:
        handle.write(text)
    return path


def generated_boards(runner, count):
    """Generator cases: seeds 1..count on boards 9..63. Returns (seed, board rows) of each."""
    boards = []
    for seed in range(1, count + 1):
        size = 9 + (seed * 7) % 55
        code, out, _, _ = runner.run("generate", ["--board", str(size), "--seed", str(seed)])
        lines = out.decode("utf-8").splitlines()
        rows = [line for line in lines if line and set(line) <= set(".#")]
        if code == 0 and rows:
            boards.append((seed, rows))
    return boards


def drawn_grid(rng):
    """A random drawing: a few across and down runs, some cells holding letters, odd characters rare."""
    rows = rng.randint(1, 63) if rng.random() < 0.2 else rng.randint(5, 23)
    cols = rng.randint(1, 63) if rng.random() < 0.2 else rng.randint(5, 23)
    cells = [["."] * cols for _ in range(rows)]
    for _ in range(rng.randint(1, 12)):
        x, y = rng.randrange(cols), rng.randrange(rows)
        length = rng.randint(2, 12)
        down = rng.random() < 0.5
        for t in range(length):
            cx, cy = (x, y + t) if down else (x + t, y)
            if cx < cols and cy < rows:
                cells[cy][cx] = rng.choice(LETTERS) if rng.random() < 0.15 else "#"
    if rng.random() < 0.02:
        cells[rng.randrange(rows)][rng.randrange(cols)] = rng.choice("x7ё")
    return "\n".join("".join(row) for row in cells) + "\n"


def small_dictionary(runner, work):
    """A dictionary of a few hundred short words, imported from text by the tool itself."""
    rng = random.Random(77)
    lines = []
    for n in range(400):
        length = 3 + n % 6
        word = "".join(rng.choice(LETTERS[:20]) for _ in range(length))
        lines.append("%s Слово номер %d" % (word, n))
    text = write(os.path.join(work, "small.txt"), "\n".join(lines) + "\n")
    path = os.path.join(work, "small.dct")
    code, _, err, _ = runner.run("dict", ["import", text, "{out}/small.dct"], ["small.dct"])
    if code != 0:
        sys.exit("cannot make the small dictionary: " + err.decode("utf-8", "replace"))
    with open(os.path.join(work, "after", "small.dct"), "rb") as source, open(path, "wb") as target:
        target.write(source.read())
    return path


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("binaries", nargs="+", help="BEFORE_CLI AFTER_CLI, or AFTER_CLI with --build-before")
    parser.add_argument("--build-before", metavar="REV")
    parser.add_argument("--cases", type=int, default=1000)
    parser.add_argument("--dict", default=os.path.join(ROOT, "dist", "data", "ru.dct"))
    parser.add_argument("--work")
    args = parser.parse_args()
    work = args.work or tempfile.mkdtemp(prefix="gridlex-compare-")
    os.makedirs(work, exist_ok=True)
    if args.build_before:
        if len(args.binaries) != 1:
            parser.error("with --build-before give only AFTER_CLI")
        before, after = build_before(args.build_before, work), args.binaries[0]
    else:
        if len(args.binaries) != 2:
            parser.error("give BEFORE_CLI and AFTER_CLI")
        before, after = args.binaries
    runner = Runner(os.path.abspath(before), os.path.abspath(after), work)
    grids = os.path.join(work, "grids")
    os.makedirs(grids, exist_ok=True)
    n = args.cases

    boards = generated_boards(runner, n)
    rng = random.Random(2026)
    grid_files = []
    for i in range(n):
        if i % 2 == 0 and boards:
            seed, rows = boards[(i // 2) % len(boards)]
            text = "\n".join(rows) + "\n"
        else:
            text = drawn_grid(rng)
        grid_files.append(write(os.path.join(grids, "g%d.txt" % i), text))
    for path in grid_files:
        runner.run("extract", [path])

    dictionaries = [args.dict, small_dictionary(runner, work)]
    attempt_choices = [0, 4, 16, 64, 256]
    for i in range(n):
        grid = grid_files[(i * 37) % len(grid_files)]
        dictionary = dictionaries[i % 2]
        runner.run("fill", [grid, dictionary, "--attempts", str(attempt_choices[i % 5]), "--dict-out",
                            "{out}/fill.dct"], ["fill.dct"])

    draws = write(os.path.join(work, "draws.txt"), " ".join(str(rng.randrange(10 ** 9)) for _ in range(40)))
    for seed in range(1, n + 1):
        board = 19 + 2 * (seed % 7)
        options = ["--board", str(board), "--min-slots", str([4, 12, 20, 40, 60][seed % 5]),
                   "--attempts", str([16, 64, 256][seed % 3]),
                   "--max-generations", str([1, 50, 10000][seed % 3]),
                   "--out", "{out}/out.gx", "--dict-out", "{out}/out.dct"]
        source = ["--draws", draws] if seed % 97 == 0 else ["--seed", str(seed)]
        runner.run("build", [dictionaries[1 if seed % 4 == 0 else 0]] + source + options, ["out.gx", "out.dct"])

    total = sum(runner.cases.values())
    for command in ("generate", "extract", "fill", "build", "dict"):
        exits = ", ".join("exit %d: %d" % item for item in sorted(runner.exits.get(command, {}).items()))
        print("%-8s %5d cases (%s)" % (command, runner.cases.get(command, 0), exits))
    for command, case_args, results in runner.differences[:20]:
        print("DIFFERENT: %s %s" % (command, " ".join(case_args)))
        for side in ("before", "after"):
            code, out, err, files = results[side]
            print("  %s: exit %d, %d bytes out, stderr %r, files %s" %
                  (side, code, len(out), err[:120], [None if f is None else len(f) for f in files]))
    print("%d cases, %d identical, %d different" % (total, total - len(runner.differences), len(runner.differences)))
    return 1 if runner.differences else 0


if __name__ == "__main__":
    sys.exit(main())
