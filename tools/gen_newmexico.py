#!/usr/bin/env python3
"""Generates the rows of nmwh (New Mexico) from tools/data/newmexico_nmwh.csv.

FYI-104 prints a percentage-method schedule for each pay frequency, built from
the annual one. Rule used here: bounds = annual bound / pay periods rounded to
the nearest whole dollar; bases = running total over those bounds, to the cent.
New Mexico takes no allowance (0 in every row).
Run from the repository root: tools/gen_newmexico.py --write states/newmexico.cpp
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import perperiod  # noqa: E402

if __name__ == "__main__":
    sys.exit(perperiod.main("tools/gen_newmexico.py", "tools/data/newmexico_nmwh.csv", (52, 26, 24, 12, 4, 2),
                            perperiod.nearest_dollar, perperiod.nearest_cent))
