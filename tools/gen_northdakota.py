#!/usr/bin/env python3
"""Generates the rows of ndwh (North Dakota) from tools/data/northdakota_ndwh.csv.

The North Dakota withholding booklet prints a percentage-method schedule for
each pay frequency, built from the annual one, for the certificates before
2020 (statuses 0 and 1). Rule used here: bounds = annual bound / pay periods
rounded to the nearest whole dollar; bases = running total over those bounds,
to the cent; allowance = annual allowance / pay periods, to the cent. Daily
schedules use 365 pay periods. The schedules of the 2020 and later
certificates (statuses 16, 17, 18) stay annual only.
Run from the repository root: tools/gen_northdakota.py --write states/northdakota.cpp
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import perperiod  # noqa: E402

ANNUAL_ONLY = (16, 17, 18)


def periods_for(status):
    return () if status in ANNUAL_ONLY else (52, 26, 24, 12, 4, 2, 365)


if __name__ == "__main__":
    sys.exit(perperiod.main("tools/gen_northdakota.py", "tools/data/northdakota_ndwh.csv", periods_for,
                            perperiod.nearest_dollar, perperiod.nearest_cent))
