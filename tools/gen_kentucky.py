#!/usr/bin/env python3
"""Generates the Kentucky local occupational tax tables `kylocalcity`, `kylocalcounty` and `kylocalschool`.

Data (one CSV per table, one row per wage bracket of a locality and date range):
  tools/data/kentucky_cities.csv, tools/data/kentucky_counties.csv, tools/data/kentucky_schools.csv
Columns: start_date, end_date (ISO dates, both inclusive), code, name, lower, upper (year-to-date
wages; `wage_base` = the social security wage base of the check date; upper 0 = no end), rate_pct
(percent of wages), rate_pct_2 (a second rate in percent, not read by the calculation; empty = the
same as rate_pct), source (tags below).

Sources (the `source` column):
  KLC      Kentucky League of Cities, city occupational license tax rates, fiscal year 2023 (payroll
           rate); "KLC carried": that rate carried to 2026, no later publication found.
  V26      2026 rate checked against the city's code, its forms or its delegated collector's 2026
           schedule, or the Kentucky Secretary of State occupational-tax repository (2026).
  SOS      Kentucky Secretary of State, occupational-tax repository, 2026 (county and school
           district rates; a cap stated as a maximum annual tax becomes a wage bound of cap / rate).
  ORD      the locality's code of ordinances or official rate page, in force over 2024-2026.
  release  no publication found: the value this release carries.
  "... carried" on 2024 and 2025 rows: the 2026 value carried back, not confirmed for that year.
Kenton County taxes wages up to half the year's social security wage base at one rate and the rest up
to the base at a lower one: its first bound is half of that year's base (92,250 in 2026).

Codes (stable: a code, once given, stays with its locality and is never reused):
  cities 2001-2999, counties 1-999, school districts 10001-19999. The first assignment numbered each
  list in alphabetical order of the names, skipping the codes already held (cities: Covington 2057,
  Bowling Green 2099, Alexandria 2105; counties: Fayette 28, Jefferson 39; school districts:
  Anchorage Independent 10007). A locality added later takes the next free code of its kind.

Checks before writing: the held codes above, one name per code and one code per name in each file,
year blocks newest first, and each locality's brackets in order (first from 0, each starting where the
previous one ends, the last without an end). A failed check stops the generator.

  python3 tools/gen_kentucky.py                                    print the generated source
  python3 tools/gen_kentucky.py --write local/kentucky_tables.cpp  write it
  python3 tools/gen_kentucky.py --check local/kentucky_tables.cpp  exit 1 if the file differs
"""

import csv
import os
import sys
from decimal import Decimal

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import genlib  # noqa: E402

SCRIPT = "tools/gen_kentucky.py"
HEADER = ["start_date", "end_date", "code", "name", "lower", "upper", "rate_pct", "rate_pct_2", "source"]
WAGE_BASE = "wage_base"

# table name, data file, code range, codes held by name, description
TABLES = [
    ("kylocalcity", "kentucky_cities.csv", (2001, 2999),
     {"Covington": 2057, "Bowling Green": 2099, "Alexandria": 2105}, "cities"),
    ("kylocalcounty", "kentucky_counties.csv", (1, 999), {"Fayette": 28, "Jefferson": 39}, "counties"),
    ("kylocalschool", "kentucky_schools.csv", (10001, 19999), {"Anchorage Independent": 10007},
     "school districts"),
]

SOURCE_LINES = {
    "kylocalcity": "Kentucky League of Cities FY2023 rates, checked for 2026 with the\n// cities' codes, forms and collectors' schedules",
    "kylocalcounty": "Kentucky Secretary of State occupational-tax repository (2026)\n// and the counties' codes",
    "kylocalschool": "Kentucky Secretary of State occupational-tax repository (2026)",
}


class DataError(Exception):
    pass


def parse_date(text, where):
    try:
        year, month, day = (int(part) for part in text.split("-"))
    except ValueError:
        raise DataError("{}: bad date {!r}".format(where, text))
    return (year, month, day)


def parse_amount(text, where):
    if text == WAGE_BASE:
        return WAGE_BASE
    try:
        value = Decimal(text)
    except Exception:
        raise DataError("{}: bad amount {!r}".format(where, text))
    if value < 0:
        raise DataError("{}: negative amount {!r}".format(where, text))
    return value


def read_table(file_name, code_range, held):
    path = os.path.join(HERE, "data", file_name)
    with open(path, newline="") as f:
        reader = csv.reader(f)
        header = next(reader)
        if header != HEADER:
            raise DataError("{}: header must be {}".format(file_name, ",".join(HEADER)))
        rows = []
        for number, fields in enumerate(reader, start=2):
            where = "{} line {}".format(file_name, number)
            if len(fields) != len(HEADER):
                raise DataError("{}: {} fields, expected {}".format(where, len(fields), len(HEADER)))
            record = dict(zip(HEADER, fields))
            start = parse_date(record["start_date"], where)
            end = parse_date(record["end_date"], where)
            if end < start or start[0] != end[0]:
                raise DataError("{}: a row covers part of one year".format(where))
            code = int(record["code"])
            if not code_range[0] <= code <= code_range[1]:
                raise DataError("{}: code {} outside {}-{}".format(where, code, *code_range))
            name = record["name"].strip()
            if not name or any(c in name for c in '",\\'):
                raise DataError("{}: bad name {!r}".format(where, name))
            rate = Decimal(record["rate_pct"])
            rate2 = Decimal(record["rate_pct_2"]) if record["rate_pct_2"] else rate
            if not (0 <= rate <= 10 and 0 <= rate2 <= 10):
                raise DataError("{}: rate outside 0-10 %".format(where))
            rows.append({"start": start, "end": end, "code": code, "name": name,
                         "lower": parse_amount(record["lower"], where),
                         "upper": parse_amount(record["upper"], where),
                         "rate": rate, "rate2": rate2, "source": record["source"].strip(), "where": where})
    check_table(file_name, rows, held)
    return rows


def check_table(file_name, rows, held):
    if not rows:
        raise DataError("{}: no rows".format(file_name))
    code_of, name_of = {}, {}
    for row in rows:
        if code_of.setdefault(row["name"], row["code"]) != row["code"]:
            raise DataError("{}: {} has two codes".format(row["where"], row["name"]))
        if name_of.setdefault(row["code"], row["name"]) != row["name"]:
            raise DataError("{}: code {} has two names".format(row["where"], row["code"]))
    for name, code in held.items():
        if code_of.get(name) != code:
            raise DataError("{}: {} must keep code {}".format(file_name, name, code))
    # Year blocks newest first.
    for previous, row in zip(rows, rows[1:]):
        if row["start"][0] > previous["start"][0]:
            raise DataError("{}: year blocks are not newest first".format(row["where"]))
    # Each locality's schedule: consecutive rows of one code and date range.
    seen = set()
    i = 0
    while i < len(rows):
        key = (rows[i]["code"], rows[i]["start"], rows[i]["end"])
        if key in seen:
            raise DataError("{}: the rows of code {} are not consecutive".format(rows[i]["where"], key[0]))
        seen.add(key)
        j = i
        while j < len(rows) and (rows[j]["code"], rows[j]["start"], rows[j]["end"]) == key:
            j += 1
        schedule = rows[i:j]
        if schedule[0]["lower"] != 0:
            raise DataError("{}: the first bracket must start at 0".format(schedule[0]["where"]))
        if schedule[-1]["upper"] != 0:
            raise DataError("{}: the last bracket must have no end".format(schedule[-1]["where"]))
        for before, after in zip(schedule, schedule[1:]):
            if before["upper"] == 0 or after["lower"] != before["upper"]:
                raise DataError("{}: bracket does not start where the previous one ends".format(after["where"]))
            if before["upper"] != WAGE_BASE and after["upper"] not in (0, WAGE_BASE) and \
                    after["upper"] <= before["upper"]:
                raise DataError("{}: brackets out of order".format(after["where"]))
        i = j


def amount_cpp(value):
    return "kWageBase" if value == WAGE_BASE else genlib.number(value)


def row_cpp(row):
    (sy, sm, sd), (ey, em, ed) = row["start"], row["end"]
    return '    {{{{{}, {}, {}}}, {{{}, {}, {}}}, "{}", {}, {}, {}, {}, {}}},  // {}\n'.format(
        sm, sd, sy, em, ed, ey, row["name"], row["code"], amount_cpp(row["lower"]), amount_cpp(row["upper"]),
        amount_cpp(row["rate"]), amount_cpp(row["rate2"]), row["source"])


def table_cpp(name, rows, description):
    out = ["// {}: {}.\n".format(description.capitalize(), SOURCE_LINES[name]),
           "const KY_LOCAL_STRUCT {}[] = {{\n".format(name)]
    year = None
    for row in rows:
        if row["start"][0] != year:
            year = row["start"][0]
            count = len({r["code"] for r in rows if r["start"][0] == year})
            out.append("    // {}: {} {} (source of each row at its end).\n".format(year, count, description))
        out.append(row_cpp(row))
    out.append("    {},\n};\n")
    return "".join(out)


def generate():
    parts = [
        "// Kentucky local occupational tax tables: every city, county and school district\n",
        "// occupational license tax on wages, newest year first, one row per wage bracket.\n",
        "// Written by tools/gen_kentucky.py from tools/data/kentucky_cities.csv,\n",
        "// kentucky_counties.csv and kentucky_schools.csv; do not edit by hand: change the\n",
        "// data file and rerun the generator. The generator's notes give the sources behind\n",
        "// the tags at the end of each row and how the codes are assigned.\n",
        '#include "local/kentucky.h"\n',
        "\n",
        "namespace {\n",
        "\n",
        "constexpr double kWageBase = txl5::kKentuckyWageBase;\n",
        "\n",
        "}  // namespace\n",
    ]
    for name, file_name, code_range, held, description in TABLES:
        rows = read_table(file_name, code_range, held)
        parts.append("\n")
        parts.append(table_cpp(name, rows, description))
    return "".join(parts)


def main():
    try:
        text = generate()
    except DataError as error:
        sys.stderr.write("gen_kentucky.py: {}\n".format(error))
        return 1
    return genlib.run_file(SCRIPT, text)


if __name__ == "__main__":
    sys.exit(main())
