#!/usr/bin/env python3
"""Generates the rows of njwh (New Jersey rate tables A to E) for every pay frequency.

Sources:
  * tools/data/newjersey_njwh.csv: the annual rows of tables A to E, by year;
  * tools/data/newjersey_njwh_published.csv: the per-frequency rows as printed in
    the Division of Taxation's percentage-method tables (wages paid on and after
    1 October 2020, the edition in force 2024 to 2026). They are copied verbatim
    into every year; the printed annual rows must equal the annual data.

A schedule not found in print (status and pay frequency missing from the
published file) is derived from the annual rows the way the printed tables are
made, as every printed row shows (weekly table A: 20,000 / 52 = 384.62 -> 385,
base 300 / 52 = 5.77; biweekly 2,930 / 26 = 112.69 -> 113.00):
  * bounds: annual bound / pay periods, to the nearest dollar;
  * bases: annual base / pay periods, to the cent weekly, to the dollar
    biweekly, semimonthly and monthly, and exact (whole cents) quarterly and
    semiannually;
  * allowance: 1,000 / pay periods cut to the dime (weekly 19.20).

Usage, from the repository root:
  tools/gen_newjersey.py                  print the generated rows
  tools/gen_newjersey.py --write FILE     replace the generated block in FILE
  tools/gen_newjersey.py --check FILE     exit 1 when the block in FILE differs
Standard library only.
"""
import os
import sys
from decimal import Decimal, ROUND_HALF_UP

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import genlib  # noqa: E402
import perperiod  # noqa: E402

SCRIPT = "tools/gen_newjersey.py"
ANNUAL_DATA = "tools/data/newjersey_njwh.csv"
PUBLISHED_DATA = "tools/data/newjersey_njwh_published.csv"
PUBLICATION = ("NJ Division of Taxation, Tables for Percentage Method of Withholding, wages paid on and after "
               "October 1, 2020")
FREQUENCIES = (52, 26, 24, 12, 4, 2)
FREQUENCY_NAMES = {52: "weekly", 26: "biweekly", 24: "semimonthly", 12: "monthly", 4: "quarterly",
                   2: "semiannual"}
TABLE_LETTERS = "ABCDE"

CENT, DOLLAR = perperiod.CENT, perperiod.DOLLAR
# How the printed tables round a per-period base: the step, by pay periods.
BASE_STEP = {52: CENT, 26: DOLLAR, 24: DOLLAR, 12: DOLLAR, 4: CENT, 2: CENT}


def read_published(path):
    """Printed schedules as {(status, pay_periods): [rows]}, rows in file order."""
    out = {}
    for fields in genlib.read_rows(path):
        status, periods, allowance, lower, upper, base, rate = fields
        out.setdefault((int(status), int(periods)), []).append({
            "allowance": Decimal(allowance), "lower": Decimal(lower), "upper": Decimal(upper),
            "base": Decimal(base), "rate": Decimal(rate),
        })
    return out


def check_printed(key, rows):
    """A printed schedule starts at 0, has no gaps and ends without a ceiling."""
    if rows[0]["lower"] != 0 or rows[0]["base"] != 0 or rows[-1]["upper"] != 0:
        raise SystemExit(f"{PUBLISHED_DATA}: schedule {key} does not run from 0 to no ceiling")
    for prev, row in zip(rows, rows[1:]):
        if row["lower"] != prev["upper"]:
            raise SystemExit(f"{PUBLISHED_DATA}: schedule {key} has a gap before {row['lower']}")


def derive(annual, periods):
    """Rows of a `periods` schedule made from the annual rows as the printed tables are."""
    p = Decimal(periods)
    out = []
    for r in annual:
        out.append({
            "allowance": perperiod.dime_down(r["allowance"] / p),
            "lower": perperiod.nearest_dollar(r["lower"] / p),
            "upper": perperiod.nearest_dollar(r["upper"] / p),
            "base": (r["base"] / p).quantize(BASE_STEP[periods], rounding=ROUND_HALF_UP),
            "rate": r["rate"],
        })
    return out


def generate():
    annual_rows = perperiod.read_annual(ANNUAL_DATA)
    published = read_published(PUBLISHED_DATA)
    for key, rows in published.items():
        check_printed(key, rows)
    lines = [f"{genlib.BEGIN} by {SCRIPT}: do not edit by hand",
             f"    // from {ANNUAL_DATA} and {PUBLISHED_DATA}"]
    current_year = None
    for year, status, source, sched in perperiod.schedules(annual_rows):
        perperiod.check_annual(year, status, sched)
        printed_annual = published.get((status, 1))
        if printed_annual is not None and not perperiod.same_rows(printed_annual, sched):
            raise SystemExit(f"{year} status {status}: annual rows differ from the printed ones")
        if year != current_year:
            current_year = year
            note = (f"{year}: annual rows from {source}. Rows of the other frequencies as printed in the "
                    f"{PUBLICATION} (the same edition for 2024 to 2026), or, where no printed copy was "
                    f"found, derived from the annual rows by the printed tables' rounding (see "
                    f"{SCRIPT}).")
            lines.extend(genlib.comment(note))
        printed = [p for p in FREQUENCIES if (status, p) in published]
        derived = [p for p in FREQUENCIES if (status, p) not in published]
        parts = []
        if printed:
            parts.append("printed " + ", ".join(FREQUENCY_NAMES[p] for p in printed))
        if derived:
            parts.append("derived " + ", ".join(FREQUENCY_NAMES[p] for p in derived))
        lines.append(f"    // {year} table {TABLE_LETTERS[status]} (status {status}): " + "; ".join(parts) + ".")
        for r in sched:
            lines.append(perperiod.cpp_row(year, status, 1, r))
        for p in FREQUENCIES:
            rows = published.get((status, p)) or derive(sched, p)
            for r in rows:
                lines.append(perperiod.cpp_row(year, status, p, r))
    lines.append(genlib.END)
    return "\n".join(lines) + "\n"


if __name__ == "__main__":
    sys.exit(genlib.run(SCRIPT, generate()))
