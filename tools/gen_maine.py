#!/usr/bin/env python3
"""Generates the rows of mewh (Maine, before 2016) from tools/data/maine_mewh.csv.

Maine's percentage-method supplements (2008 and 2013 editions) print a rate
schedule for the weekly, biweekly, semimonthly, monthly and daily or
miscellaneous payroll periods, built from the annual one by this rule, which
every printed row follows:
  * bounds, the allowance and the nonresident add-back = annual amount / pay
    periods, to the nearest cent;
  * bases: the previous row's printed base plus rate x the width between the
    per-period bounds, to the nearest cent;
  * the daily or miscellaneous schedule divides by 260 working days; its rows
    are keyed by 260 pay periods.
Run from the repository root: tools/gen_maine.py --write states/maine.cpp
"""
import os
import sys
from decimal import Decimal

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import genlib  # noqa: E402
import perperiod  # noqa: E402

SCRIPT = "tools/gen_maine.py"
ANNUAL = "tools/data/maine_mewh.csv"
PERIODS = (52, 26, 24, 12, 260)


def read_annual(path):
    rows = []
    for fields in genlib.read_rows(path):
        year, status, allowance, add_back, lower, upper, base, rate, source = fields
        rows.append({
            "year": int(year), "status": int(status), "allowance": Decimal(allowance),
            "add_back": Decimal(add_back), "lower": Decimal(lower), "upper": Decimal(upper),
            "base": Decimal(base), "rate": Decimal(rate), "source": source,
        })
    return rows


def by_rule(rows, periods):
    return perperiod.derive_in_cents(rows, periods, ("allowance", "add_back"))


# The rule checked against a printed schedule: the 2008 supplement, married
# (annual zero band 6,250, then 2 %, 4.5 %, 7 % and 8.5 %), every frequency as
# printed: (lower, base) per row.
RULE_CHECK_ANNUAL = [
    {"allowance": Decimal(0), "add_back": Decimal(0), "lower": Decimal(lo), "upper": Decimal(up),
     "base": Decimal(base), "rate": Decimal(rate)}
    for lo, up, base, rate in (("0", "6250", "0", "0"), ("6250", "16000", "0", "0.02"),
                               ("16000", "25700", "195", "0.045"), ("25700", "45150", "631.5", "0.07"),
                               ("45150", "0", "1993", "0.085"))]
RULE_CHECK_PRINTED = {
    52: ("0 0", "120.19 0", "307.69 3.75", "494.23 12.14", "868.27 38.32"),
    26: ("0 0", "240.38 0", "615.38 7.50", "988.46 24.29", "1736.54 76.66"),
    24: ("0 0", "260.42 0", "666.67 8.13", "1070.83 26.32", "1881.25 83.05"),
    12: ("0 0", "520.83 0", "1333.33 16.25", "2141.67 52.63", "3762.50 166.09"),
    260: ("0 0", "24.04 0", "61.54 0.75", "98.85 2.43", "173.65 7.67"),
}


def check_rule():
    for periods, printed in RULE_CHECK_PRINTED.items():
        got = [(r["lower"], r["base"]) for r in by_rule(RULE_CHECK_ANNUAL, periods)]
        want = [tuple(Decimal(x) for x in row.split()) for row in printed]
        if got != want:
            raise SystemExit(f"rule check, {periods} pay periods: {got} differs from the printed {want}")


def cpp_row(year, status, periods, r):
    n = genlib.number
    return (f"    {{{genlib.year_dates(year)}, {status}, {periods}, {n(r['allowance'])}, "
            f"{n(r['add_back'])}, {n(r['lower'])}, {n(r['upper'])}, {n(r['base'])}, {n(r['rate'])}}},")


def generate():
    check_rule()
    lines = []
    current_year = None
    for year, status, source, sched in perperiod.schedules(read_annual(ANNUAL)):
        perperiod.check_annual(year, status, sched)
        if year != current_year:
            current_year = year
            note = (f"{year}: annual rows {source}; the other frequencies derived from them by the rule of the "
                    f"printed percentage-method schedules.")
            lines.extend(genlib.comment(note))
        for r in sched:
            lines.append(cpp_row(year, status, 1, r))
        for p in PERIODS:
            for r in by_rule(sched, p):
                lines.append(cpp_row(year, status, p, r))
    return genlib.block(SCRIPT, ANNUAL, lines)


if __name__ == "__main__":
    sys.exit(genlib.run(SCRIPT, generate()))
