#!/usr/bin/env python3
"""Generates the rows of njwh (New Jersey rate tables A to E) from tools/data/newjersey_njwh.csv.

NJ-WT prints each rate table for every pay frequency. Its per-period bounds are
the annual ones divided by the pay periods and cut to whole dollars (weekly
table A: 20,000 / 52 = 384.62 -> 384; table B: 50,000 / 52 = 961.54 -> 961),
its bases the running total over those bounds to the cent (weekly table A:
15.284 + 0.061 x 673 = 56.337 -> 56.34), and its allowance the annual 1,000 /
pay periods cut to the dime (weekly 19.20).
Run from the repository root: tools/gen_newjersey.py --write states/newjersey.cpp
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import perperiod  # noqa: E402

if __name__ == "__main__":
    sys.exit(perperiod.main("tools/gen_newjersey.py", "tools/data/newjersey_njwh.csv", (52, 26, 24, 12, 4, 2),
                            perperiod.whole_dollar_down, perperiod.dime_down))
