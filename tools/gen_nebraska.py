#!/usr/bin/env python3
"""Generates the rows of newh (Nebraska) from tools/data/nebraska_newh.csv.

Circular EN computes the withholding of every pay frequency as the annual
tax on the annualized wages divided by the pay periods; the rows of each
frequency restate that computation for one period: bounds = annual bound /
pay periods and bases = annual base / pay periods, both to the cent;
allowance = annual allowance / pay periods, to the cent. (Circular EN 2026:
monthly, married, two allowances, 5,200 wages: (1,491.09 + 4.35 % x (62,400 -
4,880 - 50,400)) / 12 = 150.07; the monthly row from 4,200.00 with the base
124.26 gives 150.07 as well, where a base carried over whole-dollar bounds,
124.25, gives 150.06.)
Run from the repository root: tools/gen_nebraska.py --write states/nebraska.cpp
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import perperiod  # noqa: E402

if __name__ == "__main__":
    sys.exit(perperiod.main("tools/gen_nebraska.py", "tools/data/nebraska_newh.csv", (52, 26, 24, 12, 4, 2),
                            perperiod.nearest_cent, perperiod.nearest_cent, perperiod.nearest_cent))
