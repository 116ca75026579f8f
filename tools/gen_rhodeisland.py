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
import os
import sys
from decimal import Decimal

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import genlib  # noqa: E402
import perperiod  # noqa: E402

SCRIPT = "tools/gen_rhodeisland.py"
RIWH = "tools/data/rhodeisland_riwh.csv"
LIMITS = "tools/data/rhodeisland_exemption_limit.csv"
PERIODS = (52, 26, 24, 12, 4, 2)
LIMITS_BEGIN = "    // BEGIN GENERATED LIMITS"
LIMITS_END = "    // END GENERATED LIMITS"


def limits_block():
    out = []
    for year, annual, factor, source in genlib.read_rows(LIMITS):
        annual = Decimal(annual)
        factor = Decimal(factor)
        note = f"{year}: annual limit from {source}; other frequencies derived from it."
        out.extend(genlib.comment(note))
        for periods in (1,) + PERIODS:
            limit = perperiod.nearest_cent(annual / Decimal(periods))
            out.append(f"    {{{genlib.year_dates(year)}, {periods}, {genlib.number(limit)}, "
                       f"{genlib.number(factor)}}},")
    return genlib.block(SCRIPT, LIMITS, out, LIMITS_BEGIN, LIMITS_END)


if __name__ == "__main__":
    riwh = perperiod.generate(SCRIPT, RIWH, PERIODS, perperiod.nearest_dollar, perperiod.nearest_cent)
    sys.exit(genlib.run_blocks(SCRIPT, [(genlib.BEGIN, genlib.END, riwh),
                                        (LIMITS_BEGIN, LIMITS_END, limits_block())]))
