"""Per-frequency bracket schedules derived from a state's annual schedules.

Shared by the state generators (tools/gen_<state>.py). Each reads the annual
rows of a state from its data file under tools/data/ (one line a bracket:
year, status, allowance_amount, lower, upper, base, rate, source), derives the
schedules for the other pay frequencies by the state's rounding rule and prints
the whole table body as C++ rows of StateBracketRow (dates, status, pay
periods, allowance amount, lower, upper, base, rate), newest year first.

Derivation, for a schedule of P pay periods a year:
  * bounds: the annual bound / P, made a whole-dollar amount by the state's
    rule (`bound_rule`); an upper bound of 0 (no ceiling) stays 0;
  * bases: the tax at each per-period floor, that is the running total of
    rate x width over the per-period brackets below it, carried unrounded and
    rounded to the cent row by row; or, for a state whose per-period tax
    follows its annualized formula (`base_rule` given), the annual base / P
    made a cent amount by that rule;
  * allowance: the annual allowance / P, rounded by the state's rule
    (`allowance_rule`).

Usage of a generator:
  gen_<state>.py                 print the generated rows
  gen_<state>.py --write FILE    replace the generated block in FILE
  gen_<state>.py --check FILE    exit 1 when the block in FILE differs
Standard library only.
"""

import csv
import sys
import textwrap
from decimal import Decimal, ROUND_DOWN, ROUND_HALF_UP

BEGIN = "    // BEGIN GENERATED ROWS"
END = "    // END GENERATED ROWS"

CENT = Decimal("0.01")
DIME = Decimal("0.1")
DOLLAR = Decimal("1")


def nearest_dollar(x):
    return x.quantize(DOLLAR, rounding=ROUND_HALF_UP)


def whole_dollar_down(x):
    return x.quantize(DOLLAR, rounding=ROUND_DOWN)


def nearest_cent(x):
    return x.quantize(CENT, rounding=ROUND_HALF_UP)


def dime_down(x):
    return x.quantize(DIME, rounding=ROUND_DOWN)


def read_annual(path):
    """Annual rows in file order: dicts with Decimal amounts."""
    rows = []
    with open(path, newline="") as f:
        lines = [line for line in f if line.strip() and not line.startswith("#")]
    for fields in csv.reader(lines):
        year, status, allowance, lower, upper, base, rate, source = fields
        rows.append({
            "year": int(year), "status": int(status), "allowance": Decimal(allowance),
            "lower": Decimal(lower), "upper": Decimal(upper), "base": Decimal(base),
            "rate": Decimal(rate), "source": source,
        })
    return rows


def schedules(rows):
    """Consecutive rows of one year and status, as (year, status, source, rows)."""
    out = []
    for row in rows:
        if out and out[-1][0] == row["year"] and out[-1][1] == row["status"]:
            out[-1][3].append(row)
        else:
            out.append((row["year"], row["status"], row["source"], [row]))
    return out


def check_annual(year, status, rows):
    """The annual schedule must be contiguous, start at 0 and add up to the cent."""
    if rows[0]["lower"] != 0 or rows[0]["base"] != 0:
        raise SystemExit(f"{year} status {status}: schedule does not start at 0 with base 0")
    if rows[-1]["upper"] != 0:
        raise SystemExit(f"{year} status {status}: top bracket has a ceiling")
    for prev, row in zip(rows, rows[1:]):
        if row["lower"] != prev["upper"]:
            raise SystemExit(f"{year} status {status}: gap before {row['lower']}")
        expected = prev["base"] + prev["rate"] * (prev["upper"] - prev["lower"])
        if abs(row["base"] - expected) > CENT:
            raise SystemExit(f"{year} status {status}: base {row['base']} at {row['lower']}, expected {expected}")


def derive(rows, periods, bound_rule, allowance_rule, base_rule=None):
    """Rows of a P-period schedule from the rows of an annual one.

    Without `base_rule` the bases are the running total over the per-period
    bounds; with it, each base is base_rule(annual base / P).
    """
    p = Decimal(periods)
    lowers = [bound_rule(r["lower"] / p) for r in rows]
    uppers = [Decimal(0) if r["upper"] == 0 else bound_rule(r["upper"] / p) for r in rows]
    out = []
    running = Decimal(0)
    for i, r in enumerate(rows):
        if i > 0:
            running += rows[i - 1]["rate"] * (lowers[i] - lowers[i - 1])
        base = nearest_cent(running) if base_rule is None else base_rule(r["base"] / p)
        out.append({
            "allowance": allowance_rule(r["allowance"] / p), "lower": lowers[i], "upper": uppers[i],
            "base": base, "rate": r["rate"],
        })
    return out


def number(x):
    """A Decimal as a C++ double literal."""
    text = format(x.normalize(), "f")
    return text if "." in text else text + ".0"


def cpp_row(year, status, periods, r):
    return (f"    {{{{1, 1, {year}}}, {{12, 31, {year}}}, {status}, {periods}, {number(r['allowance'])}, "
            f"{number(r['lower'])}, {number(r['upper'])}, {number(r['base'])}, {number(r['rate'])}}},")


def generate(script, data_path, periods, bound_rule, allowance_rule, base_rule=None):
    """The generated block; `periods` lists the derived frequencies, or gives them per status."""
    rows = read_annual(data_path)
    lines = [f"{BEGIN} by {script} from {data_path}: do not edit by hand"]
    current_year = None
    for year, status, source, sched in schedules(rows):
        check_annual(year, status, sched)
        if year != current_year:
            current_year = year
            note = f"{year}: annual rows from {source}; other frequencies derived from them."
            lines.extend("    // " + part for part in textwrap.wrap(note, 100))
        for r in sched:
            lines.append(cpp_row(year, status, 1, r))
        for p in (periods(status) if callable(periods) else periods):
            for r in derive(sched, p, bound_rule, allowance_rule, base_rule):
                lines.append(cpp_row(year, status, p, r))
    lines.append(END)
    return "\n".join(lines) + "\n"


def replace_block(text, block):
    start = text.find(BEGIN)
    end = text.find(END)
    if start < 0 or end < start:
        raise SystemExit("no generated block in the file")
    end = text.index("\n", end) + 1
    return text[:start] + block + text[end:]


def main(script, data_path, periods, bound_rule, allowance_rule, base_rule=None):
    return run(script, generate(script, data_path, periods, bound_rule, allowance_rule, base_rule))


def run(script, block):
    """The command line of a generator: print, write or check a finished block."""
    args = sys.argv[1:]
    if not args:
        sys.stdout.write(block)
        return 0
    if len(args) != 2 or args[0] not in ("--write", "--check"):
        raise SystemExit(f"usage: {script} [--write FILE | --check FILE]")
    with open(args[1]) as f:
        text = f.read()
    updated = replace_block(text, block)
    if args[0] == "--check":
        if updated != text:
            sys.stderr.write(f"{args[1]}: generated rows differ from {script}\n")
            return 1
        return 0
    with open(args[1], "w") as f:
        f.write(updated)
    return 0
