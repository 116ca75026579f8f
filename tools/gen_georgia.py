#!/usr/bin/env python3
"""Generates the 2023 rows of gawh (Georgia) from tools/data/georgia_gawh_2023.csv.

The Georgia Employer's Tax Guide prints its percentage-method tables for each
pay frequency, built from the annual ones. The per-frequency tables of 2023 were
not found printed; they are derived from the annual rows by this rule:
  * bounds = annual bound / pay periods, to the nearest cent (halves up);
  * bases = annual base / pay periods, to the nearest cent;
  * standard deduction, personal allowance and dependent allowance = the annual
    amount / pay periods, to the nearest cent; rates as in the annual table.
Frequencies: annual, then 52, 26, 24, 12, for each status in the data file.
Run from the repository root: tools/gen_georgia.py --write states/georgia.cpp
"""
import os
import sys
from decimal import Decimal

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import genlib  # noqa: E402
import perperiod  # noqa: E402

SCRIPT = "tools/gen_georgia.py"
DATA = "tools/data/georgia_gawh_2023.csv"
YEAR = 2023
PERIODS = (1, 52, 26, 24, 12)
COLUMNS = ("std", "personal", "dependent", "lower", "upper", "base", "rate")


def read():
    schedules = {}
    sources = []
    for fields in genlib.read_rows(DATA):
        status, values, source = int(fields[0]), [Decimal(v) for v in fields[1:8]], fields[8]
        schedules.setdefault(status, []).append(dict(zip(COLUMNS, values)))
        if source not in sources:
            sources.append(source)
    return schedules, sources


def per_period(value, periods):
    return value if periods == 1 else perperiod.nearest_cent(value / Decimal(periods))


def block():
    schedules, sources = read()
    note = f"{YEAR}: annual rows from {'; '.join(sources)}; other frequencies derived from them."
    lines = genlib.comment(note)
    n = genlib.number
    for status, rows in schedules.items():
        for periods in PERIODS:
            for r in rows:
                v = {k: (r[k] if k == "rate" or (k == "upper" and r[k] == 0) else per_period(r[k], periods))
                     for k in COLUMNS}
                lines.append(f"    {{{genlib.year_dates(YEAR)}, {status}, {periods}, {n(v['std'])}, "
                             f"{n(v['personal'])}, {n(v['dependent'])}, {n(v['lower'])}, {n(v['upper'])}, "
                             f"{n(v['base'])}, {n(v['rate'])}}},")
    return genlib.block(SCRIPT, DATA, lines)


if __name__ == "__main__":
    sys.exit(genlib.run(SCRIPT, block()))
