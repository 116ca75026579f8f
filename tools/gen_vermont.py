#!/usr/bin/env python3
"""Generates the rows of vtwh2 (Vermont) from tools/data/vermont_vtwh2.csv and
checks them against tools/data/vermont_vtwh2_printed.csv.

Vermont prints a percentage-method table for each pay frequency (weekly,
biweekly, semimonthly, monthly, quarterly), built from the annual one by this
rule, which every transcribed printed row follows:
  * bounds = annual bound / pay periods, to the nearest whole dollar (halves up);
  * bases = the tax at each floor, the running total of rate x width over
    those bounds, carried in binary floating point and rounded to the cent
    (the married weekly 2025 total 201.565 is held as 201.56499... and printed
    201.56);
  * allowance = annual allowance / pay periods, to the nearest cent.
Tables the state printed but that were not found (2024 and 2026, the 2025
monthly and quarterly ones) are derived by the same rule. The generator stops
when a transcribed printed row departs from the rule.
Run from the repository root: tools/gen_vermont.py --write states/vermont.cpp
"""
import os
import sys
from decimal import Decimal

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import genlib  # noqa: E402
import perperiod  # noqa: E402

SCRIPT = "tools/gen_vermont.py"
ANNUAL = "tools/data/vermont_vtwh2.csv"
PRINTED = "tools/data/vermont_vtwh2_printed.csv"
PERIODS = (52, 26, 24, 12, 4)


def derive(rows, periods):
    """A per-frequency schedule from the annual one by Vermont's rule."""
    p = Decimal(periods)
    lowers = [perperiod.nearest_dollar(r["lower"] / p) for r in rows]
    out = []
    running = 0.0
    for i, r in enumerate(rows):
        if i > 0:
            running += float(rows[i - 1]["rate"]) * float(lowers[i] - lowers[i - 1])
        out.append({
            "allowance": perperiod.nearest_cent(r["allowance"] / p),
            "lower": lowers[i],
            "upper": lowers[i + 1] if i + 1 < len(rows) else Decimal(0),
            "base": Decimal(f"{round(running, 2):.2f}"),
            "rate": r["rate"],
        })
    return out


def check_printed(printed, derived, key):
    if not perperiod.same_rows(printed, derived, ("allowance", "lower", "base", "rate")):
        raise SystemExit(f"{PRINTED}: {key} departs from the rule")


def generate():
    annual = perperiod.read_annual(ANNUAL)
    printed = perperiod.read_printed(PRINTED)
    lines = []
    current_year = None
    for year, status, source, sched in perperiod.schedules(annual):
        perperiod.check_annual(year, status, sched)
        if year != current_year:
            current_year = year
            note = f"{year}: annual rows from {source}; other frequencies derived from them by the rule of the printed tables"
            if any(key[0] == year for key in printed):
                note += f" (the weekly, biweekly and semimonthly ones equal to the printed ones, {PRINTED})"
            lines.extend(genlib.comment(note + "."))
        for r in sched:
            lines.append(perperiod.cpp_row(year, status, 1, r))
        for p in PERIODS:
            rows = derive(sched, p)
            if (year, status, p) in printed:
                check_printed(printed.pop((year, status, p)), rows, (year, status, p))
            for r in rows:
                lines.append(perperiod.cpp_row(year, status, p, r))
    if printed:
        raise SystemExit(f"{PRINTED}: tables without annual rows: {sorted(printed)}")
    return genlib.block(SCRIPT, "tools/data/vermont_vtwh2*.csv", lines)


if __name__ == "__main__":
    sys.exit(genlib.run(SCRIPT, generate()))
