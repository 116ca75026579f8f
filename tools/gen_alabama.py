#!/usr/bin/env python3
"""Generates the rows of standard_al (Alabama standard deduction) from
tools/data/alabama_standard.csv.

Alabama's standard deduction is at its maximum up to a level of annual gross
wages, then falls by a fixed step for each band of wages above it (500, or 250
for married filing separately) down to the minimum. One row per band:
  [0, up_to) maximum; [up_to + (k-1) x band, up_to + k x band) maximum - k x step
  for each band below minimum_from; [minimum_from, no ceiling) minimum.
Run from the repository root: tools/gen_alabama.py --write states/alabama.cpp
"""
import os
import sys
from decimal import Decimal

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import genlib  # noqa: E402

SCRIPT = "tools/gen_alabama.py"
DATA = "tools/data/alabama_standard.csv"


def row(year, status, lower, upper, amount):
    n = genlib.number
    return f"    {{{genlib.year_dates(year)}, {status}, {n(lower)}, {n(upper)}, {n(amount)}}},"


def block():
    lines = []
    current = None
    for year, status, maximum, up_to, step, band, minimum, minimum_from, source in genlib.read_rows(DATA):
        maximum, up_to, step, band, minimum, minimum_from = (
            Decimal(v) for v in (maximum, up_to, step, band, minimum, minimum_from))
        if year != current:
            current = year
            lines.extend(genlib.comment(f"{year}: {source}."))
        if (minimum_from - up_to) % band != 0:
            raise SystemExit(f"{year} status {status}: the bands do not end at {minimum_from}")
        lines.append(row(year, status, Decimal(0), up_to, maximum))
        lower, amount = up_to, maximum
        while lower < minimum_from:
            amount -= step
            lines.append(row(year, status, lower, lower + band, amount))
            lower += band
        lines.append(row(year, status, minimum_from, Decimal(0), minimum))
    return genlib.block(SCRIPT, DATA, lines)


if __name__ == "__main__":
    sys.exit(genlib.run(SCRIPT, block()))
