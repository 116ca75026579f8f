#!/usr/bin/env python3
"""Generates the rows of nmwh (New Mexico) from tools/data/newmexico_nmwh.csv
and tools/data/newmexico_nmwh_printed.csv.

FYI-104 prints a percentage-method table for each pay frequency. Where the
printed tables of a year were transcribed (newmexico_nmwh_printed.csv: 2026),
their rows are emitted as printed. The printed 2026 tables are built from the
annual one by this rule, which every printed row follows:
  * bounds = annual bound / pay periods, to the nearest whole dollar (halves up);
  * bases = annual base / pay periods, to the nearest cent (halves up);
  * rates as in the annual table; no allowance.
The years whose per-frequency tables were not found printed (2023, 2024, 2025)
are derived from their annual rows by the same rule. The generator stops when a
printed row departs from the rule or a printed annual row from the annual data
file, so a transcription slip cannot pass unnoticed.
Run from the repository root: tools/gen_newmexico.py --write states/newmexico.cpp
"""
import os
import sys
from decimal import Decimal

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import genlib  # noqa: E402
import perperiod  # noqa: E402

SCRIPT = "tools/gen_newmexico.py"
ANNUAL = "tools/data/newmexico_nmwh.csv"
PRINTED = "tools/data/newmexico_nmwh_printed.csv"
PERIODS = (52, 26, 24, 12, 4, 2)
PRINTED_SOURCE = "FYI-104, New Mexico Withholding Tax, effective January 1, 2026"


def read_printed(path):
    """Printed rows by (year, status, pay periods), in file order; each row's
    upper bound is the next row's lower bound (0 for the last)."""
    tables = {}
    for year, periods, status, lower, base, rate in genlib.read_rows(path):
        tables.setdefault((int(year), int(status), int(periods)), []).append({
            "allowance": Decimal(0), "lower": Decimal(lower), "base": Decimal(base), "rate": Decimal(rate),
        })
    for rows in tables.values():
        for row, following in zip(rows, rows[1:] + [None]):
            row["upper"] = following["lower"] if following else Decimal(0)
    return tables


def by_rule(rows, periods):
    """A per-frequency schedule from the annual one by the rule of the printed tables."""
    return perperiod.derive(rows, periods, perperiod.nearest_dollar, perperiod.nearest_cent, perperiod.nearest_cent)


def generate():
    annual = perperiod.read_annual(ANNUAL)
    printed = read_printed(PRINTED)
    lines = []
    current_year = None
    for year, status, source, sched in perperiod.schedules(annual):
        perperiod.check_annual(year, status, sched)
        printed_year = any(key[0] == year for key in printed)
        if year != current_year:
            current_year = year
            if printed_year:
                note = (f"{year}: annual rows from {source}, equal to the printed annual table; the other "
                        f"frequencies as printed in {PRINTED_SOURCE} ({PRINTED}).")
            else:
                note = (f"{year}: annual rows from {source}; other frequencies derived from them by the rule of "
                        f"the printed 2026 tables (bounds = annual bound / pay periods to the nearest dollar, "
                        f"bases = annual base / pay periods to the cent).")
            lines.extend(genlib.comment(note))
        annual_printed = printed.get((year, status, 1))
        if annual_printed is not None and not perperiod.same_rows(annual_printed, by_rule(sched, 1)):
            raise SystemExit(f"{PRINTED}: {year} status {status} annual table differs from {ANNUAL}")
        for r in sched:
            lines.append(perperiod.cpp_row(year, status, 1, r))
        for p in PERIODS:
            derived = by_rule(sched, p)
            rows = printed.get((year, status, p))
            if rows is None:
                if printed_year:
                    raise SystemExit(f"{PRINTED}: {year} status {status} has no table of {p} pay periods")
                rows = derived
            elif not perperiod.same_rows(rows, derived):
                raise SystemExit(f"{PRINTED}: {year} status {status} pay periods {p} departs from the rule")
            for r in rows:
                lines.append(perperiod.cpp_row(year, status, p, r))
    return genlib.block(SCRIPT, "tools/data/newmexico_nmwh*.csv", lines)


if __name__ == "__main__":
    sys.exit(genlib.run(SCRIPT, generate()))
