#!/usr/bin/env python3
"""Synthesizes the sound effects dist/snd/e1.wav, e3.wav, e4.wav, e5.wav and e6.wav.

Run by hand; the output is committed. 16-bit mono PCM at 22,050 Hz, each well under 1.5 s.
Standard library only.

    e1  a puzzle was loaded          two soft rising notes
    e3  a build ended unfinished     a falling minor pair with a dull end
    e4  a crossword is ready         a bright major arpeggio
    e5  the tally found wrong words  two short low buzzes
    e6  every word is guessed        a quick fanfare with a shimmering chord
"""

import math
import os
import struct
import wave

RATE = 22050
HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "dist", "snd")


def note_hz(name):
    """Frequency of a note such as "A4" or "C#5" (equal temperament, A4 = 440 Hz)."""
    steps = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}
    semitone = steps[name[0]] + (1 if "#" in name else 0) - (1 if name[1] == "b" else 0)
    octave = int(name[-1])
    return 440.0 * 2 ** ((semitone + 12 * (octave - 4)) / 12)


def envelope(t, length, attack=0.01, release=0.08):
    """Linear attack, exponential body, linear release: no clicks at either end."""
    if t < attack:
        return t / attack
    body = math.exp(-2.5 * (t - attack) / max(length, 1e-3))
    if t > length - release:
        body *= max(0.0, (length - t) / release)
    return body


def tone(freq, length, volume=0.5, harmonics=(1.0, 0.3, 0.1), vibrato=0.0, buzz=False):
    samples = []
    for i in range(int(length * RATE)):
        t = i / RATE
        f = freq * (1 + vibrato * math.sin(2 * math.pi * 6 * t))
        if buzz:
            # A soft square-ish wave: odd harmonics only.
            value = sum(math.sin(2 * math.pi * f * k * t) / k for k in (1, 3, 5, 7))
            value *= 0.6
        else:
            value = sum(a * math.sin(2 * math.pi * f * (k + 1) * t) for k, a in enumerate(harmonics))
            value /= sum(harmonics)
        samples.append(volume * envelope(t, length) * value)
    return samples


def chord(names, length, volume=0.45):
    parts = [tone(note_hz(n), length, volume / len(names)) for n in names]
    return [sum(column) for column in zip(*parts)]


def silence(length):
    return [0.0] * int(length * RATE)


def mix_at(base, other, start):
    offset = int(start * RATE)
    result = base + [0.0] * max(0, offset + len(other) - len(base))
    for i, value in enumerate(other):
        result[offset + i] += value
    return result


def write(name, samples):
    peak = max(1e-9, max(abs(s) for s in samples))
    scale = min(1.0, 0.9 / peak)
    path = os.path.join(OUT, name + ".wav")
    with wave.open(path, "wb") as handle:
        handle.setnchannels(1)
        handle.setsampwidth(2)
        handle.setframerate(RATE)
        handle.writeframes(b"".join(struct.pack("<h", int(32767 * s * scale)) for s in samples))
    print("%s: %.2f s" % (path, len(samples) / RATE))


def puzzle_loaded():
    return tone(note_hz("E5"), 0.12, 0.4) + tone(note_hz("A5"), 0.22, 0.4)


def build_failed():
    sound = tone(note_hz("E4"), 0.22, 0.5) + tone(note_hz("C4"), 0.22, 0.5)
    return sound + tone(note_hz("A3"), 0.45, 0.5, vibrato=0.01)


def crossword_ready():
    sound = []
    for i, name in enumerate(["C5", "E5", "G5"]):
        sound = mix_at(sound, tone(note_hz(name), 0.5 - 0.1 * i, 0.4), 0.1 * i)
    return mix_at(sound, chord(["C5", "E5", "G5", "C6"], 0.6), 0.3)


def wrong_words():
    low = tone(note_hz("D3"), 0.16, 0.5, buzz=True)
    return low + silence(0.07) + low


def all_guessed():
    sound = []
    for i, name in enumerate(["G4", "C5", "E5", "G5"]):
        sound = mix_at(sound, tone(note_hz(name), 0.14, 0.45), 0.09 * i)
    sparkle = [a + b for a, b in zip(chord(["C5", "E5", "G5", "C6"], 0.8),
                                     tone(note_hz("E6"), 0.8, 0.12, vibrato=0.004))]
    return mix_at(sound, sparkle, 0.36)


def main():
    os.makedirs(OUT, exist_ok=True)
    write("e1", puzzle_loaded())
    write("e3", build_failed())
    write("e4", crossword_ready())
    write("e5", wrong_words())
    write("e6", all_guessed())


if __name__ == "__main__":
    main()
