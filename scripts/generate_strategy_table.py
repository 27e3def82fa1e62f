#!/usr/bin/env python3
"""Writes opponent/strategy_table.txt, the 250 Chaos strategies built into Tarvell.

This is the provenance of the committed data file; the build reads only the
data file. Run it again only on purpose: every change of the table changes
the game and the bench signature.

One line per strategy: the index, then for each barbarian kind (Scout,
Scavenger, Common, Amphibious, Mobile, Jump, Kamikazee, Armored) its 32
action codes (4 states x 8 perceptions, row-major) and its purchase weight.

Strategies 0..9 share one behaviour set and differ in their weights, 10..19
are their mirror images (every turn reversed), 20..239 are drawn from a fixed
generator, 240..249 are all zero.
"""
import sys
from pathlib import Path

SHARED_WEIGHTS = [
    [20, 15, 15, 10, 10, 10, 10, 10],
    [25, 15, 5, 35, 5, 5, 5, 5],
    [15, 10, 5, 5, 5, 20, 20, 20],
    [20, 15, 5, 5, 5, 5, 5, 40],
    [20, 10, 5, 5, 15, 5, 30, 10],
    [10, 15, 5, 5, 5, 45, 5, 10],
    [30, 10, 10, 5, 30, 5, 5, 5],
    [20, 25, 15, 10, 10, 5, 5, 10],
    [20, 10, 5, 5, 25, 5, 25, 5],
    [10, 10, 5, 5, 5, 30, 5, 30],
]

SCOUT = [4, 12, 5, 5, 0, 0, 12, 12, 4, 8, 6, 6, 0, 0, 8, 8,
         4, 12, 7, 7, 0, 0, 12, 12, 4, 8, 8, 8, 0, 0, 8, 8]
SCAVENGER = [12, 12, 12, 5, 4, 4, 0, 0, 10, 10, 12, 5, 8, 8, 0, 0,
             14, 14, 7, 5, 7, 7, 0, 0, 12, 12, 12, 5, 12, 12, 0, 0]
COMMON = [4, 12, 12, 5, 0, 0, 12, 0, 5, 10, 12, 5, 0, 0, 10, 0,
          7, 14, 7, 5, 0, 0, 14, 0, 12, 12, 12, 5, 0, 0, 12, 0]
JUMP = [4, 12, 12, 5, 0, 0, 6, 0, 5, 10, 12, 5, 0, 0, 10, 0,
        7, 7, 7, 5, 0, 0, 7, 0, 12, 12, 12, 5, 0, 0, 12, 0]
HEAVY = [4, 12, 12, 5, 0, 0, 0, 0, 5, 10, 12, 5, 0, 0, 0, 0,
         7, 14, 7, 5, 0, 0, 0, 0, 12, 12, 12, 5, 0, 0, 0, 0]
SHARED_BEHAVIOUR = [SCOUT, SCAVENGER, COMMON, COMMON, COMMON, JUMP, HEAVY, HEAVY]

MIRROR = {8: 12, 12: 8, 10: 14, 14: 10}

# Weights that strategies 20, 23 and 239 carry, and strategy 20's Scout row 0.
FIXED_WEIGHTS = {
    20: [0, 15, 0, 0, 0, 0, 0, 0],
    23: [12, 14, 0, 0, 12, 1, 12, 0],
    239: [6, 9, 1, 15, 15, 1, 15, 0],
}
RECORD_20_SCOUT_ROW_0 = [7, 21, 22, 26, 0, 25, 27, 28]


class Generator:
    """xorshift32: tiny, fixed and independent of any library's version."""

    def __init__(self, seed):
        self.state = seed

    def next(self):
        x = self.state
        x ^= (x << 13) & 0xFFFFFFFF
        x ^= x >> 17
        x ^= (x << 5) & 0xFFFFFFFF
        self.state = x
        return x

    def below(self, n):
        return self.next() % n


def varied_weight(gen):
    # 0 in half the draws, 1 and 15 in 15% each, 2..14 share the last 20%.
    r = gen.below(100)
    if r < 50:
        return 0
    if r < 65:
        return 1
    if r < 80:
        return 15
    return 2 + gen.below(13)


def build():
    records = []
    for k in range(10):
        records.append([(list(SHARED_BEHAVIOUR[kind]), SHARED_WEIGHTS[k][kind]) for kind in range(8)])
    for k in range(10):
        records.append([([MIRROR.get(c, c) for c in behaviour], weight) for behaviour, weight in records[k]])
    gen = Generator(0x7A12E11)
    for index in range(20, 240):
        plans = []
        for kind in range(8):
            behaviour = [gen.below(32) for _ in range(32)]
            plans.append([behaviour, varied_weight(gen)])
        if index in FIXED_WEIGHTS:
            for kind in range(8):
                plans[kind][1] = FIXED_WEIGHTS[index][kind]
        if index == 20:
            plans[0][0][0:8] = RECORD_20_SCOUT_ROW_0
        records.append([tuple(p) for p in plans])
    for _ in range(240, 250):
        records.append([([0] * 32, 0) for _ in range(8)])
    return records


def main():
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "opponent" / "strategy_table.txt"
    lines = []
    for index, record in enumerate(build()):
        numbers = [index]
        for behaviour, weight in record:
            numbers += behaviour + [weight]
        assert len(numbers) == 265
        lines.append(" ".join(str(n) for n in numbers))
    out.write_text("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
