#!/usr/bin/env python3
"""Generates the rows of cowh and allow (Colorado, certificates before 2022)
from tools/data/colorado_cowh.csv and tools/data/colorado_allow.csv.

DR 1098 prints, for each pay frequency, a two-row schedule (no tax up to a
threshold, the state rate above it) and the deduction for 0 to 10 withholding
allowances. Both follow from the annual amounts by this rule, which every value
DR 1098 (2021) prints follows:
  * threshold = annual threshold / pay periods, to the nearest whole dollar
    (halves up);
  * deduction for n allowances = n x annual allowance / pay periods, to the
    nearest whole dollar, growing up to the cap count (six) and flat above it;
  * the exemption column of the 1998-2000 schedules = annual allowance / pay
    periods, to the nearest cent.
Schedules: pay periods 1, 12, 24, 26, 52 (statuses 0 single, 1 married); the
deduction: pay periods 1, 52, 26, 24, 12, counts 0 to 10.
Run from the repository root: tools/gen_colorado.py --write states/colorado.cpp
(the file holds two generated blocks: cowh first, allow second).
"""
import os
import sys
from decimal import Decimal

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import genlib  # noqa: E402
import perperiod  # noqa: E402

SCRIPT = "tools/gen_colorado.py"
SCHEDULES = "tools/data/colorado_cowh.csv"
ALLOWANCES = "tools/data/colorado_allow.csv"
SCHEDULE_PERIODS = (1, 12, 24, 26, 52)
ALLOWANCE_PERIODS = (1, 52, 26, 24, 12)
COUNTS = range(0, 11)


def cowh_block():
    lines = []
    current = None
    by_year = {}
    for year, status, threshold, rate, exemption, source in genlib.read_rows(SCHEDULES):
        by_year.setdefault(int(year), []).append((int(status), Decimal(threshold), Decimal(rate),
                                                  Decimal(exemption), source))
    for year, schedules in by_year.items():
        if year != current:
            current = year
            lines.extend(genlib.comment(f"{year}: {schedules[0][4]}."))
        for periods in SCHEDULE_PERIODS:
            p = Decimal(periods)
            for status, threshold, rate, exemption, _ in schedules:
                bound = threshold if periods == 1 else perperiod.nearest_dollar(threshold / p)
                per_allowance = perperiod.nearest_cent(exemption / p)
                zero = {"allowance": per_allowance, "lower": Decimal(0), "upper": bound, "base": Decimal(0),
                        "rate": Decimal(0)}
                taxed = {"allowance": per_allowance, "lower": bound, "upper": Decimal(0), "base": Decimal(0),
                         "rate": rate}
                lines.append(perperiod.cpp_row(year, status, periods, zero))
                lines.append(perperiod.cpp_row(year, status, periods, taxed))
    return genlib.block(SCRIPT, SCHEDULES, lines)


def allow_block():
    lines = []
    for year, annual, cap, source in genlib.read_rows(ALLOWANCES):
        year, annual, cap = int(year), Decimal(annual), int(cap)
        lines.extend(genlib.comment(f"{year}: {source}."))
        for periods in ALLOWANCE_PERIODS:
            for n in COUNTS:
                amount = perperiod.nearest_dollar(min(n, cap) * annual / Decimal(periods))
                lines.append(f"    {{{genlib.year_dates(year)}, {periods}, {n}, {genlib.number(amount)}}},")
    return genlib.block(SCRIPT, ALLOWANCES, lines)


if __name__ == "__main__":
    sys.exit(genlib.run_blocks(SCRIPT, [(genlib.BEGIN, genlib.END, cowh_block()),
                                        (genlib.BEGIN, genlib.END, allow_block())]))
