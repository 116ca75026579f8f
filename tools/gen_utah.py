#!/usr/bin/env python3
"""Generates the rows of utwh2008 (Utah) from tools/data/utah_utwh2008.csv.

Publication 14 prints the withholding schedules for each pay frequency, every
amount the annual one divided by the pay periods and rounded to the nearest
whole dollar (the 2026 schedules reproduce it: single weekly 440 / 52 = 8.46
-> 8 and 9,107 / 52 = 175.13 -> 175; semiannual 9,107 / 2 = 4,553.5 -> 4,554).
The flat rate and the reduction rate are the same for every frequency.
Run from the repository root: tools/gen_utah.py --write states/utah.cpp
"""
import os
import sys
from decimal import Decimal

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import genlib  # noqa: E402
import perperiod  # noqa: E402

SCRIPT = "tools/gen_utah.py"
DATA = "tools/data/utah_utwh2008.csv"
PERIODS = (1, 52, 26, 24, 12, 4, 2)


def mdate(text):
    year, month, day = (int(part) for part in text.split("-"))
    return genlib.cpp_date(year, month, day)


def generate():
    out = []
    last_range = None
    for start, end, status, rate, allowance, base, threshold, reduction, source in genlib.read_rows(DATA):
        if (start, end) != last_range:
            last_range = (start, end)
            note = f"{start} to {end}: annual amounts from {source}; other frequencies derived from them."
            out.extend(genlib.comment(note))
        n = genlib.number
        for p in PERIODS:
            per = [perperiod.nearest_dollar(Decimal(x) / Decimal(p)) for x in (allowance, base, threshold)]
            out.append(f"    {{{mdate(start)}, {mdate(end)}, {status}, {p}, {n(Decimal(rate))}, {n(per[0])}, "
                       f"{n(per[1])}, {n(per[2])}, {n(Decimal(reduction))}}},")
    return genlib.block(SCRIPT, DATA, out)


if __name__ == "__main__":
    sys.exit(genlib.run(SCRIPT, generate()))
