#!/usr/bin/env python3
"""Generates the New York City schedules `nycwh` and the Yonkers nonresident bands `nyynr`.

New York publishes its local exact-calculation tables per payroll period as conversions of the
annual amounts. The rules below reproduce the printed per-period values seen in earlier editions of
the same publications: NYS-50-T-NYC (5/11) and (7/17), Method II (weekly and monthly tables, the
first lines of the biweekly table, and the deduction and exemption allowances of Table A), and
NYS-50-T-Y (1/15), Method VII (nonresident earnings tax, weekly to monthly tables):

New York City (`nycwh`, from tools/data/newyorkcity_annual.csv):
* bracket bounds: annual bound / pay periods, rounded to the nearest dollar (halves up) for the
  weekly, semimonthly and monthly schedules; the biweekly bounds are twice the weekly ones (printed
  308 and 334 for annual 8000 and 8700, where 8700 / 26 would round to 335);
* bracket bases: annual base / pay periods, rounded to the nearest cent (halves up);
* rates: unchanged;
* standard deduction and exemption allowance: weekly = annual / 52 rounded to the nearest 5 cents,
  biweekly = twice the weekly amount; monthly = annual / 12 rounded to the nearest 10 cents,
  semimonthly = half the monthly amount.

Yonkers nonresident (`nyynr`, from tools/data/yonkers_nonresident_annual.csv): band bounds and
exclusions are annual amount / pay periods rounded to the nearest dollar (halves up).

Prints (or writes into local/newyork.cpp) the two generated blocks, each ending with its end row.
Before printing it checks the values the 2026 tables quote and the printed NYS-50-T-Y (1/15) bands;
a mismatch stops it.

  python3 tools/gen_newyorkcity.py                              print the generated blocks
  python3 tools/gen_newyorkcity.py --write local/newyork.cpp    replace the blocks in the source
  python3 tools/gen_newyorkcity.py --check local/newyork.cpp    exit 1 if the source differs
"""

import os
import sys
from decimal import Decimal

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import genlib  # noqa: E402
from gen_newyork import period_deduction, read_annual  # noqa: E402
from perperiod import round_to  # noqa: E402

SCRIPT = "tools/gen_newyorkcity.py"
NYC_DATA = "tools/data/newyorkcity_annual.csv"
YONKERS_DATA = "tools/data/yonkers_nonresident_annual.csv"

NYC_BEGIN = ("    // BEGIN GENERATED nycwh by tools/gen_newyorkcity.py from tools/data/newyorkcity_annual.csv;"
             " do not edit by hand.")
NYC_END = "    // END GENERATED nycwh"
YONKERS_BEGIN = ("    // BEGIN GENERATED nyynr by tools/gen_newyorkcity.py from"
                 " tools/data/yonkers_nonresident_annual.csv; do not edit by hand.")
YONKERS_END = "    // END GENERATED nyynr"

# Order of the schedules within a year (and status): per-period first, the annual one last.
NYC_FREQUENCIES = [52, 26, 24, 12]
YONKERS_FREQUENCIES = [52, 12, 26, 24]

NYC_SOURCES = {
    2026: "2026 New York City tables (same values as NYS-50-T-NYC (1/18))",
    2025: "NYS-50-T-NYC (1/18), in force unchanged for 2025",
    2024: "NYS-50-T-NYC (1/18), in force unchanged for 2024",
}
YONKERS_SOURCES = {
    2026: "2026 Yonkers tables, Method VII (same bands as NYS-50-T-Y (1/15))",
    2025: "NYS-50-T-Y (1/23), Method VII, in force unchanged for 2025",
    2024: "NYS-50-T-Y (1/23), Method VII, in force unchanged for 2024",
}

# Values the 2026 tables quote: weekly brackets (lower, upper, base, rate), per-period deductions
# (single, married, exemption), and the weekly and annual Yonkers nonresident bands.
QUOTED_NYC_WEEKLY_2026 = [
    ("0", "154", "0", "0.0205"), ("154", "167", "3.15", "0.028"), ("167", "288", "3.54", "0.0325"),
    ("288", "481", "7.46", "0.0395"), ("481", "1154", "15.06", "0.0415"), ("1154", "0", "43", "0.0425"),
]
QUOTED_NYC_DEDUCTIONS_2026 = {
    52: ("96.15", "105.75", "19.25"), 26: ("192.30", "211.50", "38.50"),
    24: ("208.35", "229.15", "41.65"), 12: ("416.70", "458.30", "83.30"), 1: ("5000", "5500", "1000"),
}
# Weekly bands of the 2026 tables; the other frequencies as printed in NYS-50-T-Y (1/15), Method VII.
PRINTED_YONKERS_BANDS = {
    52: [("0", "77", "0"), ("77", "192", "58"), ("192", "385", "38"), ("385", "577", "19"), ("577", "0", "0")],
    26: [("0", "154", "0"), ("154", "385", "115"), ("385", "769", "77"), ("769", "1154", "38"),
         ("1154", "0", "0")],
    12: [("0", "333", "0"), ("333", "833", "250"), ("833", "1667", "167"), ("1667", "2500", "83"),
         ("2500", "0", "0")],
    24: [("0", "167", "0"), ("167", "417", "125")],
}


def read_yonkers(path):
    return [{
        "year": int(r["year"]),
        "lower": Decimal(r["lower"]),
        "upper": Decimal(r["upper"]),
        "exclusion": Decimal(r["exclusion"]),
    } for r in genlib.read_records(path)]


def nyc_bound(annual, periods):
    if periods == 26:
        return 2 * round_to(annual / 52, Decimal(1))
    return round_to(annual / periods, Decimal(1))


def nyc_period_row(row, periods):
    out = dict(row)
    out["pay_periods"] = periods
    out["std_deduction"] = period_deduction(row["std_deduction"], periods)
    out["allowance_amount"] = period_deduction(row["allowance_amount"], periods)
    out["lower"] = nyc_bound(row["lower"], periods)
    out["upper"] = nyc_bound(row["upper"], periods)
    out["base"] = round_to(row["base"] / periods, Decimal("0.01"))
    return out


def yonkers_period_row(row, periods):
    out = dict(row)
    out["pay_periods"] = periods
    for key in ("lower", "upper", "exclusion"):
        out[key] = round_to(row[key] / periods, Decimal(1))
    return out


def nyc_schedules(annual):
    """Rows of nycwh in table order: year (newest first), status, frequency, bracket."""
    rows = []
    for year in sorted({r["year"] for r in annual}, reverse=True):
        for status in (0, 1):
            schedule = [r for r in annual if r["year"] == year and r["status"] == status]
            for periods in NYC_FREQUENCIES:
                rows.extend(nyc_period_row(r, periods) for r in schedule)
            rows.extend(dict(r, pay_periods=1) for r in schedule)
    return rows


def yonkers_bands(annual):
    """Rows of nyynr in table order: year (newest first), frequency, band."""
    rows = []
    for year in sorted({r["year"] for r in annual}, reverse=True):
        bands = [r for r in annual if r["year"] == year]
        for periods in YONKERS_FREQUENCIES:
            rows.extend(yonkers_period_row(r, periods) for r in bands)
        rows.extend(dict(r, pay_periods=1) for r in bands)
    return rows


def check_published(nyc_rows, yonkers_rows):
    """The quoted and printed values the conversion must reproduce; returns a list of mismatches."""
    errors = []
    for status in (0, 1):
        weekly = [(r["lower"], r["upper"], r["base"], Decimal(r["rate"])) for r in nyc_rows
                  if r["year"] == 2026 and r["status"] == status and r["pay_periods"] == 52]
        quoted = [tuple(Decimal(v) for v in q) for q in QUOTED_NYC_WEEKLY_2026]
        if weekly != quoted:
            errors.append("nycwh 2026 weekly status {}: {} != {}".format(status, weekly, quoted))
        for periods, amounts in QUOTED_NYC_DEDUCTIONS_2026.items():
            row = next(r for r in nyc_rows
                       if r["year"] == 2026 and r["status"] == status and r["pay_periods"] == periods)
            got = (row["std_deduction"], row["allowance_amount"])
            want = (Decimal(amounts[status]), Decimal(amounts[2]))
            if got != want:
                errors.append("nycwh 2026 deductions, status {}, {} periods: {} != {}".format(
                    status, periods, got, want))
    for periods, printed in PRINTED_YONKERS_BANDS.items():
        bands = [(r["lower"], r["upper"], r["exclusion"]) for r in yonkers_rows
                 if r["year"] == 2026 and r["pay_periods"] == periods][:len(printed)]
        want = [tuple(Decimal(v) for v in band) for band in printed]
        if bands != want:
            errors.append("nyynr {} periods: {} != {}".format(periods, bands, want))
    return errors


def number(value, places):
    return genlib.number(value.quantize(Decimal(1).scaleb(-places)))



def nyc_cpp(row):
    return "    {{{}, {}, {}, {}, {}, {}, {}, {}, {}}},".format(
        genlib.year_dates(row["year"]), row["status"], row["pay_periods"], number(row["std_deduction"], 2),
        number(row["allowance_amount"], 2), number(row["lower"], 2), number(row["upper"], 2),
        number(row["base"], 2), row["rate"])


def yonkers_cpp(row):
    return "    {{{}, {}, {}, {}, {}}},".format(
        genlib.year_dates(row["year"]), row["pay_periods"], number(row["lower"], 2), number(row["upper"], 2),
        number(row["exclusion"], 2))


def block(begin, end, rows, to_cpp, sources, note):
    lines = [begin]
    year = None
    for row in rows:
        if row["year"] != year:
            year = row["year"]
            lines.append("    // {}: {}.".format(year, sources[year]))
            lines.append("    // {}".format(note))
        lines.append(to_cpp(row))
    lines.append("    {},")
    lines.append(end)
    return "\n".join(lines) + "\n"


def generate():
    nyc_rows = nyc_schedules(read_annual(NYC_DATA))
    yonkers_rows = yonkers_bands(read_yonkers(YONKERS_DATA))
    errors = check_published(nyc_rows, yonkers_rows)
    if errors:
        raise SystemExit("generated rows differ from the published values:\n" + "\n".join(errors))
    nyc = block(NYC_BEGIN, NYC_END, nyc_rows, nyc_cpp, NYC_SOURCES,
                "Annual rows as published; weekly to monthly rows converted from them (tools/gen_newyorkcity.py).")
    yonkers = block(YONKERS_BEGIN, YONKERS_END, yonkers_rows, yonkers_cpp, YONKERS_SOURCES,
                    "Weekly, monthly, biweekly, semimonthly, then annual bands (tools/gen_newyorkcity.py).")
    return [(NYC_BEGIN, NYC_END, nyc), (YONKERS_BEGIN, YONKERS_END, yonkers)]


if __name__ == "__main__":
    sys.exit(genlib.run_blocks(SCRIPT, generate()))
