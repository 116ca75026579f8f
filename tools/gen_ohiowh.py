#!/usr/bin/env python3
"""Generates the rows of ohwh (Ohio) from tools/data/ohio_ohwh.csv.

Ohio publishes one annual schedule (its optional computer formula) and
percentage-method tables per pay frequency built from it. The per-frequency
rows are derived here by the rule that reproduces the 2026 weekly, biweekly,
semimonthly and monthly tables (the percentage-method tables in force from
1 October 2025):
  * exemption: the annual 650 / pay periods, to the nearest cent;
  * bounds: annual bound / pay periods, to the nearest cent (0 = no ceiling);
  * bases: each one the previous (already rounded) base plus the previous
    rate times the per-period width, to the nearest cent.
Within a date range the schedules follow in the order weekly, biweekly,
semimonthly, monthly, annual. Before printing, the derived 2026 rows are
compared with those 2026 tables; a mismatch stops the generator.

  tools/gen_ohiowh.py                            print the generated rows
  tools/gen_ohiowh.py --write states/ohio.cpp    replace the generated block
  tools/gen_ohiowh.py --check states/ohio.cpp    exit 1 when the block differs
"""
import os
import sys
from decimal import Decimal

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import genlib  # noqa: E402
import perperiod  # noqa: E402

DATA = "tools/data/ohio_ohwh.csv"
SCRIPT = "tools/gen_ohiowh.py"
FREQUENCIES = (52, 26, 24, 12)

# The 2026 percentage-method tables: (pay periods, exemption, lower, upper, base, rate).
PRINTED_2026 = [
    (52, "12.50", "0", "500.96", "0", "0.01775"), (52, "12.50", "500.96", "1923.08", "8.89", "0.0299"),
    (52, "12.50", "1923.08", "0", "51.41", "0.0364"),
    (26, "25.00", "0", "1001.92", "0", "0.01775"), (26, "25.00", "1001.92", "3846.15", "17.78", "0.0299"),
    (26, "25.00", "3846.15", "0", "102.82", "0.0364"),
    (24, "27.08", "0", "1085.42", "0", "0.01775"), (24, "27.08", "1085.42", "4166.67", "19.27", "0.0299"),
    (24, "27.08", "4166.67", "0", "111.40", "0.0364"),
    (12, "54.17", "0", "2170.83", "0", "0.01775"), (12, "54.17", "2170.83", "8333.33", "38.53", "0.0299"),
    (12, "54.17", "8333.33", "0", "222.79", "0.0364"),
    (1, "650", "0", "26050", "0", "0.01775"), (1, "650", "26050", "100000", "462.36", "0.0299"),
    (1, "650", "100000", "0", "2673.50", "0.0364"),
]


def read_ranges(path):
    """Annual rows grouped by date range, in file order: (start, end, source, rows)."""
    ranges = []
    for r in genlib.read_records(path):
        start = tuple(int(x) for x in r["start"].split("-"))
        end = tuple(int(x) for x in r["end"].split("-"))
        row = {key: Decimal(r[key]) for key in ("exemption_amount", "lower", "upper", "base", "rate")}
        if ranges and ranges[-1][0] == start and ranges[-1][1] == end:
            ranges[-1][3].append(row)
        else:
            ranges.append((start, end, r["source"], [row]))
    return ranges


def schedules(rows):
    """(pay periods, rows) of one date range in table order."""
    return [(p, perperiod.derive_in_cents(rows, p, ("exemption_amount",))) for p in FREQUENCIES] + [(1, rows)]


def check_printed(ranges):
    for start, _end, _source, rows in ranges:
        if start != (2026, 1, 1):
            continue
        got = [(p, r["exemption_amount"], r["lower"], r["upper"], r["base"], r["rate"])
               for p, sched in schedules(rows) for r in sched]
        want = [(p,) + tuple(Decimal(x) for x in rest) for p, *rest in PRINTED_2026]
        if got != want:
            raise SystemExit("derived 2026 rows differ from the 2026 tables")
        return
    raise SystemExit("no 2026 rows in the data file")


def generate():
    ranges = read_ranges(DATA)
    check_printed(ranges)
    n = genlib.number
    lines = []
    for start, end, source, rows in ranges:
        note = (f"{start[1]}/{start[2]}/{start[0]} - {end[1]}/{end[2]}/{end[0]}: annual rows from {source}; "
                "other frequencies derived from them.")
        lines.extend(genlib.comment(note))
        dates = f"{genlib.cpp_date(*start)}, {genlib.cpp_date(*end)}"
        for p, sched in schedules(rows):
            for r in sched:
                lines.append(f"    {{{dates}, 0, {p}, {n(r['exemption_amount'])}, "
                             f"{n(r['lower'])}, {n(r['upper'])}, {n(r['base'])}, {n(r['rate'])}}},")
    return genlib.block(SCRIPT, DATA, lines)


if __name__ == "__main__":
    sys.exit(genlib.run(SCRIPT, generate()))
