#!/usr/bin/env python3
"""Generates the rows of riwh and exemption_limit (Rhode Island).

From tools/data/rhodeisland_riwh.csv (annual schedules) and
tools/data/rhodeisland_exemption_limit.csv (annual exemption limits).

Rhode Island prints a percentage-method schedule for each pay frequency, built
from the annual one. Rule used here (the 2026 weekly schedule reproduces it:
1,578 / 3,586, bases 59.18 / 154.56, exemption 19.23): bounds = annual bound /
pay periods rounded to the nearest whole dollar; bases = running total over
those bounds, to the cent; exemption = annual exemption / pay periods, to the
cent. The exemption limit of a pay period = annual limit / pay periods, to the
cent (2026 weekly 290,800 / 52 = 5,592.31).
Run from the repository root: tools/gen_rhodeisland.py --write states/rhodeisland.cpp
"""
import csv
import os
import sys
import textwrap
from decimal import Decimal

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import perperiod  # noqa: E402

SCRIPT = "tools/gen_rhodeisland.py"
RIWH = "tools/data/rhodeisland_riwh.csv"
LIMITS = "tools/data/rhodeisland_exemption_limit.csv"
PERIODS = (52, 26, 24, 12, 4, 2)
LIMITS_BEGIN = "    // BEGIN GENERATED LIMITS"
LIMITS_END = "    // END GENERATED LIMITS"


def limits_block():
    with open(LIMITS, newline="") as f:
        lines = [line for line in f if line.strip() and not line.startswith("#")]
    out = [f"{LIMITS_BEGIN} by {SCRIPT} from {LIMITS}: do not edit by hand"]
    for year, annual, factor, source in csv.reader(lines):
        annual = Decimal(annual)
        factor = Decimal(factor)
        note = f"{year}: annual limit from {source}; other frequencies derived from it."
        out.extend("    // " + part for part in textwrap.wrap(note, 100))
        for periods in (1,) + PERIODS:
            limit = perperiod.nearest_cent(annual / Decimal(periods))
            out.append(f"    {{{{1, 1, {year}}}, {{12, 31, {year}}}, {periods}, {perperiod.number(limit)}, "
                       f"{perperiod.number(factor)}}},")
    out.append(LIMITS_END)
    return "\n".join(out) + "\n"


def replace_limits(text, block):
    start = text.find(LIMITS_BEGIN)
    end = text.find(LIMITS_END)
    if start < 0 or end < start:
        raise SystemExit("no generated limits block in the file")
    end = text.index("\n", end) + 1
    return text[:start] + block + text[end:]


def main():
    riwh = perperiod.generate(SCRIPT, RIWH, PERIODS, perperiod.nearest_dollar, perperiod.nearest_cent)
    limits = limits_block()
    args = sys.argv[1:]
    if not args:
        sys.stdout.write(riwh + limits)
        return 0
    if len(args) != 2 or args[0] not in ("--write", "--check"):
        raise SystemExit(f"usage: {SCRIPT} [--write FILE | --check FILE]")
    with open(args[1]) as f:
        text = f.read()
    updated = replace_limits(perperiod.replace_block(text, riwh), limits)
    if args[0] == "--check":
        if updated != text:
            sys.stderr.write(f"{args[1]}: generated rows differ from {SCRIPT}\n")
            return 1
        return 0
    with open(args[1], "w") as f:
        f.write(updated)
    return 0


if __name__ == "__main__":
    sys.exit(main())
