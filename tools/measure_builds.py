#!/usr/bin/env python3
"""Measures how well the delivered dictionary builds crosswords: runs the batch tool's build for a
range of seeds and prints the number of complete crosswords, the grids generated per build, the
median time and the median slot count.

    tools/measure_builds.py GRIDLEX_CLI [--dict dist/data/ru.dct] [--board 21] [--seeds 1..100]
                            [--min-slots M] [--attempts A]

Without --min-slots and --attempts the values of the delivered settings file dist/gx.dat are used.
Standard library only.
"""

import argparse
import os
import re
import statistics
import struct
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
DIST = os.path.join(HERE, "..", "dist")


def delivered_settings():
    """MaxFillAttempts (record 3) and MinSlotCount (record 4, low byte) of dist/gx.dat."""
    with open(os.path.join(DIST, "gx.dat"), "rb") as handle:
        records = struct.unpack("<32H", handle.read(64))
    return records[3], records[4] & 0xFF


def seed_range(text):
    first, _, last = text.partition("..")
    return range(int(first), int(last or first) + 1)


def run_build(cli, dictionary, board, seed, min_slots, attempts):
    command = [cli, "build", dictionary, "--board", str(board), "--seed", str(seed),
               "--min-slots", str(min_slots), "--attempts", str(attempts)]
    start = time.monotonic()
    result = subprocess.run(command, capture_output=True, text=True)
    elapsed = time.monotonic() - start
    output = result.stdout + result.stderr
    grids = re.search(r"(?:^generated|no acceptable grid in) (\d+)", output, re.M)
    generations = int(grids.group(1)) if grids else 0
    match = re.search(r"^filled (\d+) of (\d+) attempts (\d+)(.*)$", result.stdout, re.M)
    if not match:
        return False, 0, 0, generations, elapsed, output.strip()[:200]
    complete = match.group(4).strip() == "complete"
    return complete, int(match.group(2)), int(match.group(3)), generations, elapsed, ""


def main():
    attempts, min_slots = delivered_settings()
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("cli")
    parser.add_argument("--dict", default=os.path.join(DIST, "data", "ru.dct"))
    parser.add_argument("--board", type=int, default=21)
    parser.add_argument("--seeds", type=seed_range, default=seed_range("1..100"))
    parser.add_argument("--min-slots", type=int, default=min_slots)
    parser.add_argument("--attempts", type=int, default=attempts)
    parser.add_argument("--verbose", action="store_true")
    args = parser.parse_args()

    successes, times, slot_counts, grids, failures = 0, [], [], [], []
    for seed in args.seeds:
        complete, slots, used, generations, elapsed, problem = run_build(args.cli, args.dict, args.board, seed,
                                                            args.min_slots, args.attempts)
        successes += complete
        times.append(elapsed)
        slot_counts.append(slots)
        grids.append(generations)
        if not complete:
            failures.append((seed, slots, used, problem))
        if args.verbose:
            print("seed %3d: %s, %d grids, %d slots, %d attempts, %.2f s" %
                  (seed, "complete" if complete else "unfinished", generations, slots, used, elapsed))
    count = len(args.seeds)
    print("board %d, minimum slots %d, attempts %d, seeds %d..%d" %
          (args.board, args.min_slots, args.attempts, args.seeds[0], args.seeds[-1]))
    print("complete: %d of %d" % (successes, count))
    print("grids per build: mean %.0f, median %g, most %d" %
          (statistics.mean(grids), statistics.median(grids), max(grids)))
    print("median time: %.3f s (longest %.3f s)" % (statistics.median(times), max(times)))
    print("median slot count: %g (from %d to %d)" %
          (statistics.median(slot_counts), min(slot_counts), max(slot_counts)))
    for seed, slots, used, problem in failures:
        print("  unfinished: seed %d, %d slots, %d attempts %s" % (seed, slots, used, problem))
    return 0


if __name__ == "__main__":
    sys.exit(main())
