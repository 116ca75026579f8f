#!/usr/bin/env python3
"""Generates the rows of okwh (Oklahoma) from tools/data/oklahoma_okwh.csv.

OW-2, Oklahoma Income Tax Withholding Tables, prints a percentage-method table
for each pay frequency, built from the annual one by this rule, which the
printed weekly and biweekly tables follow (2021 and 2026 editions):
  * bounds = annual bound / pay periods, to the nearest whole dollar;
  * bases = annual base / pay periods, to the nearest cent;
  * allowance = 1,000 / pay periods, to the nearest cent.
The daily or miscellaneous table divides by 260 working days (allowance 3.85);
its rows are keyed by 365 pay periods, the count a daily payroll passes.
The generator stops when a 2026 weekly row departs from the weekly table
printed in OW-2 2026, so a slip in the rule or the data cannot pass unnoticed.
Run from the repository root: tools/gen_oklahoma.py --write states/oklahoma.cpp
"""
import os
import sys
from decimal import Decimal

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import genlib  # noqa: E402
import perperiod  # noqa: E402

SCRIPT = "tools/gen_oklahoma.py"
ANNUAL = "tools/data/oklahoma_okwh.csv"
# Pay periods of each derived table and the divisor of its amounts.
PERIODS = ((52, 52), (26, 26), (24, 24), (12, 12), (4, 4), (2, 2), (365, 260))

# OW-2 2026, Table 1 (weekly): lower, base, rate per status.
PRINTED_2026_WEEKLY = {
    0: [("0", "0", "0"), ("194", "0", "0.025"), ("216", "0.55", "0.035"), ("261", "2.10", "0.045")],
    1: [("0", "0", "0"), ("388", "0", "0.025"), ("433", "1.11", "0.035"), ("521", "4.20", "0.045")],
}


def by_rule(rows, divisor):
    """A per-frequency schedule from the annual one: every amount / `divisor`,
    bounds to the nearest dollar, bases and allowance to the cent."""
    return perperiod.derive(rows, divisor, perperiod.nearest_dollar, perperiod.nearest_cent, perperiod.nearest_cent)


def check_printed(year, status, rows):
    printed = PRINTED_2026_WEEKLY.get(status) if year == 2026 else None
    if printed is None:
        return
    got = [(r["lower"], r["base"], r["rate"]) for r in rows]
    want = [(Decimal(a), Decimal(b), Decimal(c)) for a, b, c in printed]
    if got != want:
        raise SystemExit(f"{year} status {status}: weekly rows {got} depart from the printed table {want}")


def generate():
    lines = []
    current_year = None
    for year, status, source, sched in perperiod.schedules(perperiod.read_annual(ANNUAL)):
        perperiod.check_annual(year, status, sched)
        if year != current_year:
            current_year = year
            note = (f"{year}: annual rows from {source}; the other frequencies derived from them by the rule "
                    f"of the printed tables (tools/gen_oklahoma.py).")
            lines.extend(genlib.comment(note))
        for r in sched:
            lines.append(perperiod.cpp_row(year, status, 1, r))
        for periods, divisor in PERIODS:
            rows = by_rule(sched, divisor)
            if periods == 52:
                check_printed(year, status, rows)
            for r in rows:
                lines.append(perperiod.cpp_row(year, status, periods, r))
    return genlib.block(SCRIPT, ANNUAL, lines)


if __name__ == "__main__":
    sys.exit(genlib.run(SCRIPT, generate()))
