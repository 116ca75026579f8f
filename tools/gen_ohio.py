#!/usr/bin/env python3
"""Generates the Ohio local tax tables ohmwhn, ohswhn and oheiswhn.

Data files (CSV with a header, one row per line; lines starting with # are notes):
  tools/data/ohio_municipal_rates.csv   the Ohio Department of Taxation's municipal rate table
                                        (The Finder): one row per municipality and rate period
  tools/data/ohio_school_districts.csv  the school district income tax list of tax year 2026
                                        (SDIT_LIST): rate and tax base of every taxing district,
                                        with the district's IRN
  tools/data/ohio_school_district_irns.csv
                                        every school district of the state (table SD-1): IRN,
                                        county and name

ohmwhn: for each year held (newest first), one row for each rate period of a municipality that
overlaps the year, its dates cut to the year; the year starts with the placeholder "None" (code 0,
rate 0). Within the year the rows in force on 31 December come first, in the order of the data
file (municipality code), then the rows of rates that ended earlier in the year, so that the
directory, which lists the rows ending on the year's last day, shows every municipality once.

ohswhn and oheiswhn: the 2026 list for each year held, with the placeholder "None" first in
ohswhn; every district of the state in name order, its code the IRN without leading zero and its
name as the district list gives it. A district takes the rate of the SDIT_LIST row with its IRN,
or rate 0 when it levies no tax. A taxing district without an IRN (none at present) would be kept
under its SD number and its SDIT_LIST name. Rate in percent. oheiswhn holds the districts taxing
earned income only (its rate column is not read).

  tools/gen_ohio.py                                print the generated tables
  tools/gen_ohio.py --write local/ohio_tables.cpp  replace the generated block in the source
  tools/gen_ohio.py --check local/ohio_tables.cpp  exit 1 when the block differs
"""
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import genlib  # noqa: E402

SCRIPT = "tools/gen_ohio.py"
MUNI_DATA = "tools/data/ohio_municipal_rates.csv"
SCHOOL_DATA = "tools/data/ohio_school_districts.csv"
DISTRICT_LIST = "tools/data/ohio_school_district_irns.csv"
BEGIN = "// BEGIN GENERATED TABLES"
END = "// END GENERATED TABLES"

YEARS = (2026, 2025, 2024)
# Years whose school district list is the 2026 list carried back (no list of their own was found).
CARRIED_SCHOOL_YEARS = (2025, 2024)


def ymd(text):
    return int(text[:4]), int(text[4:6]), int(text[6:8])


def cpp_date(d):
    return genlib.cpp_date(*d)


def cpp_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def municipal_rows(year):
    first, last = (year, 1, 1), (year, 12, 31)
    full, ended = [], []
    for r in genlib.read_records(MUNI_DATA):
        start, end = ymd(r["start_date"]), ymd(r["end_date"])
        if start > last or end < first:
            continue
        row = (max(start, first), min(end, last), int(r["muni_code"]), r["muni_name"], r["rate"])
        (full if row[1] == last else ended).append(row)
    return [(first, last, 0, "None", "0")] + full + ended


def school_districts():
    taxing = {}
    rows = []
    for r in genlib.read_records(SCHOOL_DATA):
        if not r["irn"]:
            name = re.sub(r"\s*\(.*\)\s*$", "", r["district_name_with_levy_note"]).upper()
            rows.append((name, int(r["sd_number"]), r["rate_pct"], r["tax_base"]))
            continue
        if r["irn"] in taxing:
            raise SystemExit(f"{SCHOOL_DATA}: IRN {r['irn']} given twice")
        taxing[r["irn"]] = r
    for d in genlib.read_records(DISTRICT_LIST):
        t = taxing.pop(d["irn"], None)
        rate, base = (t["rate_pct"], t["tax_base"]) if t else ("0", "")
        rows.append((d["district_name"], int(d["irn"]), rate, base))
    if taxing:
        raise SystemExit(f"{SCHOOL_DATA}: IRNs not in {DISTRICT_LIST}: {', '.join(sorted(taxing))}")
    codes = [code for _name, code, _rate, _base in rows]
    if len(set(codes)) != len(codes):
        raise SystemExit(f"{SCHOOL_DATA}: an SD number equals a district's IRN")
    return sorted(rows)


def generate():
    lines = ["constexpr OhioMunicipalRow ohmwhn[] = {"]
    for year in YEARS:
        rows = municipal_rows(year)
        lines.append(f"    // {year}: Ohio municipal income tax rates in force in {year} (The Finder rate table).")
        for start, end, code, name, rate in rows:
            lines.append(f"    {{{cpp_date(start)}, {cpp_date(end)}, {code}, {cpp_string(name)}, "
                         f"{genlib.number(rate)}}},")
    lines += ["    {},", "};", ""]

    districts = school_districts()
    lines.append("constexpr OhioSchoolRow ohswhn[] = {")
    for year in YEARS:
        if year in CARRIED_SCHOOL_YEARS:
            lines.append(f"    // {year}: the tax year 2026 list carried back (no {year} list found; unverified).")
        else:
            lines.append(f"    // {year}: Ohio school district income tax rates, tax year {year} (SDIT_LIST).")
        rows = [("None", 0, "0", "")] + districts
        for name, code, rate, _base in rows:
            lines.append(f"    {{{genlib.year_dates(year)}, {code}, {code}, {cpp_string(name)}, "
                         f"{genlib.number(rate)}}},")
    lines += ["    {},", "};", ""]

    lines.append("constexpr OhioSchoolRow oheiswhn[] = {")
    for year in YEARS:
        if year in CARRIED_SCHOOL_YEARS:
            lines.append(f"    // {year}: the earned-income districts of tax year 2026 carried back (unverified).")
        else:
            lines.append(f"    // {year}: districts taxing earned income only, tax year {year} (SDIT_LIST).")
        for name, code, rate, base in districts:
            if base == "earned_income":
                lines.append(f"    {{{genlib.year_dates(year)}, {code}, {code}, {cpp_string(name)}, "
                             f"{genlib.number(rate)}}},")
    lines += ["    {},", "};"]
    return genlib.block(SCRIPT, f"{MUNI_DATA}, {SCHOOL_DATA} and {DISTRICT_LIST}", lines, BEGIN, END)


if __name__ == "__main__":
    sys.exit(genlib.run(SCRIPT, generate(), BEGIN, END))
