#!/usr/bin/env python3
"""Generates the rows of idwh (Idaho) from tools/data/idaho_idwh.csv.

Idaho's percentage-computation table gives, for each pay frequency and status,
the deduction per withholding allowance and the wages up to which nothing is
withheld; above them a flat rate applies. Each schedule is two rows: 0 % from 0
to the threshold, then the flat rate with base 0.

Where the data file gives a frequency's amounts as Idaho prints them they are
used as given. Otherwise they are derived from the annual amounts by Idaho's
rounding: allowance = annual allowance / pay periods to the nearest cent (as
Idaho's allowance table prints 2,960 as 56.92 weekly, 113.85 biweekly, 123.33
semimonthly); threshold = annual threshold / pay periods to the nearest dollar
(15,000 / 52 = 288.46 -> 288, 30,000 / 26 = 1,153.85 -> 1,154). Other
frequencies (daily, quarterly ...) are computed on the annual rows.

Usage, from the repository root:
  tools/gen_idaho.py                  print the generated rows
  tools/gen_idaho.py --write FILE     replace the generated block in FILE
  tools/gen_idaho.py --check FILE     exit 1 when the block in FILE differs
Standard library only.
"""
import os
import sys
from decimal import Decimal

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import genlib  # noqa: E402
import perperiod  # noqa: E402

SCRIPT = "tools/gen_idaho.py"
DATA = "tools/data/idaho_idwh.csv"
FREQUENCIES = (52, 26, 24, 12)


def parse_date(text):
    year, month, day = (int(part) for part in text.split("-"))
    return month, day, year


def read_rows(path):
    """Lines of the data file in order, as dicts."""
    out = []
    for fields in genlib.read_rows(path):
        start, end, status, periods, allowance, threshold, rate, source = fields
        out.append({
            "start": parse_date(start), "end": parse_date(end), "status": int(status), "periods": int(periods),
            "allowance": Decimal(allowance), "threshold": Decimal(threshold), "rate": Decimal(rate),
            "source": source,
        })
    return out


def cpp_rows(line, periods, allowance, threshold):
    (sm, sd, sy), (em, ed, ey) = line["start"], line["end"]
    dates = f"{{{genlib.cpp_date(sy, sm, sd)}, {genlib.cpp_date(ey, em, ed)}, {line['status']}, {periods}"
    n = genlib.number
    a, t = n(allowance), n(threshold)
    return [
        f"    {dates}, {a}, 0.0, {t}, 0.0, 0.0}},",
        f"    {dates}, {a}, {t}, 0.0, 0.0, {n(line['rate'])}}},",
    ]


def generate():
    rows = read_rows(DATA)
    printed = {(r["start"], r["status"], r["periods"]): r for r in rows if r["periods"] != 1}
    lines = []
    for annual in (r for r in rows if r["periods"] == 1):
        if annual["source"]:
            (sm, sd, sy), (em, ed, ey) = annual["start"], annual["end"]
            derived = not any(k[0] == annual["start"] for k in printed)
            note = f"{sm}/{sd}/{sy} to {em}/{ed}/{ey}: {annual['source']}"
            note += "; weekly to monthly amounts derived from the annual ones." if derived else "."
            lines.extend(genlib.comment(note))
        lines.extend(cpp_rows(annual, 1, annual["allowance"], annual["threshold"]))
        for p in FREQUENCIES:
            own = printed.get((annual["start"], annual["status"], p))
            if own:
                if own["rate"] != annual["rate"] or own["end"] != annual["end"]:
                    raise SystemExit(f"{annual['start']} status {annual['status']} pay periods {p}: "
                                     "rate or dates differ from the annual line")
                lines.extend(cpp_rows(annual, p, own["allowance"], own["threshold"]))
            else:
                d = Decimal(p)
                lines.extend(cpp_rows(annual, p, perperiod.nearest_cent(annual["allowance"] / d),
                                      perperiod.nearest_dollar(annual["threshold"] / d)))
    return genlib.block(SCRIPT, DATA, lines)


if __name__ == "__main__":
    sys.exit(genlib.run(SCRIPT, generate()))
