#!/usr/bin/env python3
"""Generates the rows of wvwh (West Virginia) from tools/data/westvirginia_wvwh.csv
and checks them against tools/data/westvirginia_wvwh_printed.csv.

West Virginia prints a percentage-method table for each pay frequency
(weekly, biweekly, semimonthly, monthly) of both schedules. Rule used here,
which every transcribed printed row follows:
  * one earner or one job (key 0): bounds = annual bound / pay periods, to the
    nearest whole dollar (halves up); bases = running total of rate x width
    over those bounds, rounded to the cent;
  * two earners or two or more jobs (key 100): three quarters of the key-0
    table of the same frequency: bounds = 0.75 x the key-0 bound, to the
    nearest whole dollar (halves up); bases = 0.75 x the unrounded key-0
    running total, to the cent (the annual key-100 table is three quarters of
    the annual key-0 one in the same way);
  * exemption = annual exemption / pay periods, to the nearest cent.
Tables not found printed (2025, 2026, the 2024 key-0 ones) are derived by the
same rule. The generator stops when a transcribed printed row departs from it.
Run from the repository root: tools/gen_westvirginia.py --write states/westvirginia.cpp
"""
import os
import sys
from decimal import Decimal

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import genlib  # noqa: E402
import perperiod  # noqa: E402

SCRIPT = "tools/gen_westvirginia.py"
ANNUAL = "tools/data/westvirginia_wvwh.csv"
PRINTED = "tools/data/westvirginia_wvwh_printed.csv"
PERIODS = (52, 26, 24, 12)
ONE_EARNER = 0
TWO_EARNERS = 100
TWO_EARNER_SHARE = Decimal("0.75")


def one_earner(rows, periods):
    """Bounds and unrounded running totals of a key-0 schedule of `periods` pay periods."""
    p = Decimal(periods)
    lowers = [perperiod.nearest_dollar(r["lower"] / p) for r in rows]
    totals = [Decimal(0)]
    for i in range(1, len(rows)):
        totals.append(totals[-1] + rows[i - 1]["rate"] * (lowers[i] - lowers[i - 1]))
    return lowers, totals


def schedule(rows, lowers, totals, periods):
    p = Decimal(periods)
    return [{
        "allowance": perperiod.nearest_cent(r["allowance"] / p),
        "lower": lowers[i],
        "upper": lowers[i + 1] if i + 1 < len(rows) else Decimal(0),
        "base": perperiod.nearest_cent(totals[i]),
        "rate": r["rate"],
    } for i, r in enumerate(rows)]


def derive(by_key, key, periods):
    """The schedule of `key` for `periods` pay periods."""
    lowers, totals = one_earner(by_key[ONE_EARNER], periods)
    if key == TWO_EARNERS:
        lowers = [perperiod.nearest_dollar(TWO_EARNER_SHARE * x) for x in lowers]
        totals = [TWO_EARNER_SHARE * t for t in totals]
    return schedule(by_key[key], lowers, totals, periods)


def generate():
    annual = perperiod.read_annual(ANNUAL)
    printed = perperiod.read_printed(PRINTED)
    years = {}
    for year, status, source, sched in perperiod.schedules(annual):
        perperiod.check_annual(year, status, sched)
        years.setdefault(year, (source, {}))[1][status] = sched
    lines = []
    for year, (source, by_key) in years.items():
        if sorted(by_key) != [ONE_EARNER, TWO_EARNERS]:
            raise SystemExit(f"{ANNUAL}: {year} needs the schedules {ONE_EARNER} and {TWO_EARNERS}")
        note = f"{year}: annual rows from {source}; other frequencies derived from them by the rule of the printed tables"
        if any(key[0] == year for key in printed):
            note += f" (the printed ones of key {TWO_EARNERS} equal to them, {PRINTED})"
        lines.extend(genlib.comment(note + "."))
        for key in (ONE_EARNER, TWO_EARNERS):
            for r in by_key[key]:
                lines.append(perperiod.cpp_row(year, key, 1, r))
            for p in PERIODS:
                rows = derive(by_key, key, p)
                table = printed.pop((year, key, p), None)
                if table is not None and not perperiod.same_rows(table, rows, ("allowance", "lower", "base", "rate")):
                    raise SystemExit(f"{PRINTED}: {year} key {key} pay periods {p} departs from the rule")
                for r in rows:
                    lines.append(perperiod.cpp_row(year, key, p, r))
    if printed:
        raise SystemExit(f"{PRINTED}: tables without annual rows: {sorted(printed)}")
    return genlib.block(SCRIPT, "tools/data/westvirginia_wvwh*.csv", lines)


if __name__ == "__main__":
    sys.exit(genlib.run(SCRIPT, generate()))
