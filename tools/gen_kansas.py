#!/usr/bin/env python3
"""Generates the rows of kswh (Kansas) from tools/data/kansas_kswh.csv.

KW-100 prints a percentage-method schedule for each pay frequency, built from
the annual one by this rule, which every schedule of the July 2024 edition
follows (weekly single 69 / 512 / 23.00, semimonthly 150 / 1,109 / 49.83,
semiannual married 4,120 / 27,120 / 1,196.00 ...):
  * upper bounds = annual bound / pay periods, to the nearest whole dollar
    (halves up); each bracket starts where the one before it ends;
  * bases = annual base / pay periods, to the nearest cent;
  * exemption column = annual amount / pay periods, to the nearest cent;
    rates as in the annual table.
The schedules of 1 January - 28 July 2024 (not found printed) are derived by the
same rule. Each date range holds the frequencies 52, 26, 24, 12, 4, 2 and 1 in
that order, with statuses 0, 2 (the rows of 0) and 1 within each.
Run from the repository root: tools/gen_kansas.py --write states/kansas.cpp
"""
import os
import sys
from decimal import Decimal

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import genlib  # noqa: E402
import perperiod  # noqa: E402

SCRIPT = "tools/gen_kansas.py"
DATA = "tools/data/kansas_kswh.csv"
PERIODS = (52, 26, 24, 12, 4, 2, 1)
STATUS_ROWS = ((0, 0), (2, 0), (1, 1))  # (status written, status of the data rows)


def read():
    blocks = []
    for start, end, status, exemption, lower, upper, base, rate, source in genlib.read_rows(DATA):
        key = (start, end)
        if not blocks or blocks[-1][0] != key:
            blocks.append((key, source, {}))
        blocks[-1][2].setdefault(int(status), []).append({
            "allowance": Decimal(exemption), "lower": Decimal(lower), "upper": Decimal(upper),
            "base": Decimal(base), "rate": Decimal(rate)})
    return blocks


def derive(rows, periods):
    if periods == 1:
        return rows
    p = Decimal(periods)
    out = []
    for r in rows:
        upper = Decimal(0) if r["upper"] == 0 else perperiod.nearest_dollar(r["upper"] / p)
        out.append({"allowance": perperiod.nearest_cent(r["allowance"] / p),
                    "lower": out[-1]["upper"] if out else Decimal(0), "upper": upper,
                    "base": perperiod.nearest_cent(r["base"] / p), "rate": r["rate"]})
    return out


def mdate(text):
    month, day, year = text.split("/")
    return genlib.cpp_date(year, month, day)


def block():
    lines = []
    n = genlib.number
    for (start, end), source, schedules in read():
        note = f"{start} - {end}: annual rows from {source}; other frequencies by the rule above."
        lines.extend(genlib.comment(note))
        for periods in PERIODS:
            for status, data_status in STATUS_ROWS:
                for r in derive(schedules[data_status], periods):
                    lines.append(f"    {{{mdate(start)}, {mdate(end)}, {status}, {periods}, {n(r['allowance'])}, "
                                 f"{n(r['lower'])}, {n(r['upper'])}, {n(r['base'])}, {n(r['rate'])}}},")
    return genlib.block(SCRIPT, DATA, lines)


if __name__ == "__main__":
    sys.exit(genlib.run(SCRIPT, block()))
