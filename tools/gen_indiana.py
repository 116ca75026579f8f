#!/usr/bin/env python3
"""Generates the Indiana county tables of local/indiana.cpp from tools/data/indiana_counties.csv.

One line of the data file per county (code, name, the 2026 resident and
nonresident rates, the rates of 2025, of 1 October to 31 December 2024 and of
1 January to 30 September 2024, and how the earlier rates were found). Output:
  * inconame, the directory list: a placeholder "None" (code 0), the counties in
    the file's (alphabetical) order, the end row of code 9999;
  * inco, the rates: one block of every county per date range, newest first,
    residents and nonresidents paying the same rate before 2026, then the end
    row (code 0).
Checks: 92 counties, codes unique and between 1 and 99, names unique and in
alphabetical order (St. Joseph as Saint Joseph), rates between 0 and 10 %.

Usage: gen_indiana.py [--write FILE | --check FILE] (run from the repository root).
Standard library only.
"""

import os
import sys
from decimal import Decimal

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import genlib  # noqa: E402

SCRIPT = "tools/gen_indiana.py"
DATA = "tools/data/indiana_counties.csv"
BEGIN = "// BEGIN GENERATED TABLES"
END = "// END GENERATED TABLES"
COUNTIES = 92

# Date ranges of inco, newest first: (start, end, comment, resident column, nonresident column).
RANGES = (
    ("{1, 1, 2026}", "{12, 31, 2026}", "2026", "resident_2026", "nonresident_2026"),
    ("{1, 1, 2025}", "{12, 31, 2025}", "2025", "rate_2025", "rate_2025"),
    ("{10, 1, 2024}", "{12, 31, 2024}", "1 October to 31 December 2024", "rate_2024_oct_dec", "rate_2024_oct_dec"),
    ("{1, 1, 2024}", "{9, 30, 2024}", "1 January to 30 September 2024", "rate_2024_jan_sep", "rate_2024_jan_sep"),
)


def read_counties(path):
    rows = genlib.read_records(path)
    if len(rows) != COUNTIES:
        raise SystemExit(f"{path}: {len(rows)} counties, expected {COUNTIES}")
    codes = [int(r["code"]) for r in rows]
    names = [r["county"] for r in rows]
    if len(set(codes)) != COUNTIES or not all(1 <= c <= 99 for c in codes):
        raise SystemExit(f"{path}: county codes must be unique and between 1 and 99")
    if len(set(names)) != COUNTIES:
        raise SystemExit(f"{path}: county names must be unique")
    keys = [n.lower().replace("st. ", "saint ") for n in names]
    if keys != sorted(keys):
        raise SystemExit(f"{path}: counties are not in alphabetical order")
    for r in rows:
        for _, _, _, resident, nonresident in RANGES:
            for column in (resident, nonresident):
                rate = Decimal(r[column])
                if not Decimal(0) <= rate < Decimal("0.1"):
                    raise SystemExit(f"{path}: {r['county']} {column} {rate} is not a county rate")
    return rows


def generate():
    rows = read_counties(DATA)
    out = ["// The directory list: a placeholder, then the counties in alphabetical order.",
           "const LocalityNameRow inconame[] = {",
           '    {0, "None"},']
    out += [f'    {{{r["code"]}, "{r["county"]}"}},' for r in rows]
    out += ["    {txl5::kNameListEnd, \"\"},", "};", "",
            "// County rates by date range, newest first: code, resident rate, nonresident rate.",
            "constexpr IndianaCountyRow inco[] = {"]
    for start, end, comment, resident, nonresident in RANGES:
        out.append(f"    // {comment}")
        for r in rows:
            out.append(f"    {{{start}, {end}, {r['code']}, {genlib.number(r[resident])}, "
                       f"{genlib.number(r[nonresident])}}},")
    out += ["    {},", "};"]
    return genlib.block(SCRIPT, DATA, out, BEGIN, END)


if __name__ == "__main__":
    sys.exit(genlib.run(SCRIPT, generate(), BEGIN, END))
