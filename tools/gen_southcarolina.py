#!/usr/bin/env python3
"""Generates the rows of scwh (South Carolina) from tools/data/southcarolina_scwh.csv.

South Carolina's formula is annual; for 2024 it also printed schedules per pay
frequency, every amount the annual one divided by the pay periods. Rule used
here (the 2024 weekly schedule reproduces it: exemption 88.65, deduction cap
133.17, bounds 66.54 / 333.27, base 8.00): allowance, zero-allowance
deduction, deduction cap and bounds = annual amount / pay periods, to the
cent; bases = running total over those bounds, to the cent.
Run from the repository root: tools/gen_southcarolina.py --write states/southcarolina.cpp
"""
import os
import sys
from decimal import Decimal

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import genlib  # noqa: E402
import perperiod  # noqa: E402

SCRIPT = "tools/gen_southcarolina.py"
DATA = "tools/data/southcarolina_scwh.csv"
AMOUNTS = ("allowance", "zero", "std_max", "lower", "upper", "base", "rate")


def read_years():
    """Rows grouped by year in file order: (year, periods, source, rows)."""
    years = []
    for fields in genlib.read_rows(DATA):
        year, allowance, zero, std_max, lower, upper, base, rate, periods, source = fields
        row = dict(zip(AMOUNTS, map(Decimal, (allowance, zero, std_max, lower, upper, base, rate))))
        if not years or years[-1][0] != int(year):
            years.append((int(year), [int(p) for p in periods.split()], source, []))
        years[-1][3].append(row)
    return years


def derive(rows, periods):
    p = Decimal(periods)
    cent = perperiod.nearest_cent
    lowers = [cent(r["lower"] / p) for r in rows]
    out = []
    running = Decimal(0)
    for i, r in enumerate(rows):
        if i > 0:
            running += rows[i - 1]["rate"] * (lowers[i] - lowers[i - 1])
        out.append({
            "allowance": cent(r["allowance"] / p), "zero": cent(r["zero"] / p), "std_max": cent(r["std_max"] / p),
            "lower": lowers[i], "upper": Decimal(0) if r["upper"] == 0 else cent(r["upper"] / p),
            "base": cent(running), "rate": r["rate"],
        })
    return out


def cpp_row(year, periods, r):
    n = genlib.number
    return (f"    {{{genlib.year_dates(year)}, 0, {periods}, {n(r['allowance'])}, {n(r['zero'])}, "
            f"{n(r['std_max'])}, {n(r['lower'])}, {n(r['upper'])}, {n(r['base'])}, {n(r['rate'])}}},")


def generate():
    lines = []
    for year, periods, source, rows in read_years():
        perperiod.check_annual(year, 0, rows)
        note = f"{year}: annual rows from {source}"
        note += "; other frequencies derived from them." if periods else "."
        lines.extend(genlib.comment(note))
        for p in periods:
            lines.extend(cpp_row(year, p, r) for r in derive(rows, p))
        lines.extend(cpp_row(year, 1, r) for r in rows)
    return genlib.block(SCRIPT, DATA, lines)


if __name__ == "__main__":
    sys.exit(genlib.run(SCRIPT, generate()))
