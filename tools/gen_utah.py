#!/usr/bin/env python3
"""Generates the rows of utwh2008 (Utah) from tools/data/utah_utwh2008.csv.

Publication 14 prints the withholding schedules for each pay frequency, every
amount the annual one divided by the pay periods and rounded to the nearest
whole dollar (the 2026 schedules reproduce it: single weekly 440 / 52 = 8.46
-> 8 and 9,107 / 52 = 175.13 -> 175; semiannual 9,107 / 2 = 4,553.5 -> 4,554).
The flat rate and the reduction rate are the same for every frequency.
Run from the repository root: tools/gen_utah.py --write states/utah.cpp
"""
import csv
import os
import sys
import textwrap
from decimal import Decimal

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import perperiod  # noqa: E402

SCRIPT = "tools/gen_utah.py"
DATA = "tools/data/utah_utwh2008.csv"
PERIODS = (1, 52, 26, 24, 12, 4, 2)


def mdate(text):
    year, month, day = (int(part) for part in text.split("-"))
    return f"{{{month}, {day}, {year}}}"


def generate():
    with open(DATA, newline="") as f:
        lines = [line for line in f if line.strip() and not line.startswith("#")]
    out = [f"{perperiod.BEGIN} by {SCRIPT} from {DATA}: do not edit by hand"]
    last_range = None
    for start, end, status, rate, allowance, base, threshold, reduction, source in csv.reader(lines):
        if (start, end) != last_range:
            last_range = (start, end)
            note = f"{start} to {end}: annual amounts from {source}; other frequencies derived from them."
            out.extend("    // " + part for part in textwrap.wrap(note, 100))
        n = perperiod.number
        for p in PERIODS:
            per = [perperiod.nearest_dollar(Decimal(x) / Decimal(p)) for x in (allowance, base, threshold)]
            out.append(f"    {{{mdate(start)}, {mdate(end)}, {status}, {p}, {n(Decimal(rate))}, {n(per[0])}, "
                       f"{n(per[1])}, {n(per[2])}, {n(Decimal(reduction))}}},")
    out.append(perperiod.END)
    return "\n".join(out) + "\n"


if __name__ == "__main__":
    sys.exit(perperiod.run(SCRIPT, generate()))
