#!/usr/bin/env python3
"""Generates Maryland's combined state-and-county tables `mdcntyNNN` from tools/data/maryland_mdwh.csv.

Maryland withholds its county income tax together with the state tax: a county's combined table is
the state's annual schedule with the county rate added to every bracket rate. The table is named by
the county rate in hundredths of a percent (mdcnty320 for 3.20 %). Rule used here, for county rate K:
  * deduction columns (minimum wages, standard deduction share, least and greatest amounts,
    exemption) and bracket bounds: those of the state row;
  * rate: state rate + K;
  * base: state base + K x lower (the running total of the combined rates over the brackets below).
Before printing it checks that every state schedule starts at 0 and that its bases add up.

  python3 tools/gen_maryland.py                              print the generated block
  python3 tools/gen_maryland.py --write local/maryland.cpp   replace the block in the source
  python3 tools/gen_maryland.py --check local/maryland.cpp   exit 1 if the source differs
Standard library only.
"""

import os
import sys
from decimal import Decimal

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import genlib  # noqa: E402

SCRIPT = "tools/gen_maryland.py"
DATA = "tools/data/maryland_mdwh.csv"

BEGIN = ("// BEGIN GENERATED mdcnty tables by tools/gen_maryland.py from tools/data/maryland_mdwh.csv;"
         " do not edit by hand.")
END = "// END GENERATED mdcnty tables"

# County rates (hundredths of a percent) of the combined tables, with the counties whose withholding
# uses each in 2024 to 2026 (Comptroller of Maryland local rates; graduated counties by income).
RATES = {
    175: "no county in 2024-2026 (Worcester and nonresidents to 2019)",
    225: "Worcester, nonresidents; Frederick's lowest income band",
    240: "Talbot",
    265: "Garrett",
    270: "Anne Arundel's lowest income band (2024, 2025)",
    274: "Cecil (2025)",
    275: "Cecil (2024, 2026); Frederick's second income band",
    281: "Anne Arundel's middle income band (2024)",
    285: "Anne Arundel (2026)",
    294: "Anne Arundel's middle income band (2025)",
    296: "Frederick's third income band",
    300: "Calvert and St. Mary's (2024); Washington (2.95 %, withheld at 3.00 %); Frederick (2026)",
    303: "Allegany (2024, 2025), Carroll and Charles (2024, 2025)",
    305: "Carroll and Charles (2026)",
    306: "Harford (2024, 2025)",
    310: "Harford (2026)",
    317: "no county in 2024-2026 (St. Mary's in 2020)",
    320: "3.20 % counties; the top income band of Anne Arundel and Frederick",
    330: "Kent (2026)",
}

CENT = Decimal("0.01")


def read_schedules(path):
    """State rows in file order, grouped by (year, status)."""
    groups = []
    for fields in genlib.read_rows(path):
        year, status = int(fields[0]), int(fields[1])
        amounts = [Decimal(x) for x in fields[2:11]]
        row = dict(zip(["min_wages", "std_pct", "std_min", "std_max", "exemption", "lower", "upper", "base", "rate"],
                       amounts))
        row["year"], row["status"], row["source"] = year, status, fields[11]
        if groups and groups[-1][0]["year"] == year and groups[-1][0]["status"] == status:
            groups[-1].append(row)
        else:
            groups.append([row])
    return groups


def check_schedule(rows):
    year, status = rows[0]["year"], rows[0]["status"]
    if rows[0]["lower"] != 0 or rows[0]["base"] != 0 or rows[-1]["upper"] != 0:
        raise SystemExit(f"{year} status {status}: schedule must run from 0 with base 0 to no ceiling")
    for prev, row in zip(rows, rows[1:]):
        expected = prev["base"] + prev["rate"] * (prev["upper"] - prev["lower"])
        if row["lower"] != prev["upper"] or abs(row["base"] - expected) > CENT:
            raise SystemExit(f"{year} status {status}: bracket at {row['lower']} does not follow")


def cpp_row(row, county_rate):
    number = genlib.number
    cells = [number(Decimal(row["status"])), "1"] + [
        number(row[k]) for k in ("min_wages", "std_pct", "std_min", "std_max", "exemption", "lower", "upper")]
    cells.append(number(row["base"] + county_rate * row["lower"]))
    cells.append(number(row["rate"] + county_rate))
    return f"    {{{genlib.year_dates(row['year'])}, {', '.join(cells)}}},"


def generate():
    groups = read_schedules(DATA)
    for rows in groups:
        check_schedule(rows)
    out = [BEGIN]
    for hundredths, users in RATES.items():
        county_rate = Decimal(hundredths) / Decimal(10000)
        out.append(f"// {genlib.number(county_rate * 100)} %: {users}.")
        out.append(f"const MdwhRow mdcnty{hundredths}[] = {{")
        year = None
        for rows in groups:
            if rows[0]["year"] != year:
                year = rows[0]["year"]
                out.append(f"    // {year}: state schedule from {rows[0]['source']}.")
            out.extend(cpp_row(row, county_rate) for row in rows)
        out.append("    {},")
        out.append("};")
        out.append("")
    out.append(END)
    return "\n".join(out) + "\n"


if __name__ == "__main__":
    sys.exit(genlib.run(SCRIPT, generate(), BEGIN, END))
