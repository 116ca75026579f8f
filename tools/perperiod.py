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

The command line of a generator is genlib's (print, --write FILE, --check
FILE). Standard library only.
"""

from decimal import Decimal, ROUND_DOWN, ROUND_HALF_UP

import genlib

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


def round_to(x, step):
    """x rounded to a multiple of `step`, halves up."""
    return (x / step).quantize(DOLLAR, rounding=ROUND_HALF_UP) * step


def read_annual(path):
    """Annual rows in file order: dicts with Decimal amounts."""
    rows = []
    for fields in genlib.read_rows(path):
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


def derive_in_cents(rows, periods, amounts, keep=()):
    """Rows of a P-period schedule whose every amount is to the cent: the
    bounds and the `amounts` columns (allowances, deductions) = annual / P; each
    base = the previous row's (rounded) base plus its rate times the width
    between the per-period floors, to the cent. The `keep` columns are copied."""
    p = Decimal(periods)
    out = []
    for i, r in enumerate(rows):
        lower = nearest_cent(r["lower"] / p)
        base = Decimal(0)
        if i > 0:
            prev = out[-1]
            base = nearest_cent(prev["base"] + prev["rate"] * (lower - prev["lower"]))
        row = {k: r[k] for k in keep}
        row.update({k: nearest_cent(r[k] / p) for k in amounts})
        row.update({
            "lower": lower, "upper": Decimal(0) if r["upper"] == 0 else nearest_cent(r["upper"] / p),
            "base": base, "rate": r["rate"],
        })
        out.append(row)
    return out


def read_printed(path):
    """Per-frequency rows as a state printed them, by (year, status, pay
    periods), in file order; a line: year, pay periods, status, allowance,
    lower, base, rate."""
    tables = {}
    for year, periods, status, allowance, lower, base, rate in genlib.read_rows(path):
        tables.setdefault((int(year), int(status), int(periods)), []).append({
            "allowance": Decimal(allowance), "lower": Decimal(lower), "base": Decimal(base), "rate": Decimal(rate),
        })
    return tables


def same_rows(a, b, keys=("allowance", "lower", "upper", "base", "rate")):
    """Whether two schedules have the same rows, compared on `keys`."""
    return len(a) == len(b) and all(x[k] == y[k] for x, y in zip(a, b) for k in keys)


def cpp_row(year, status, periods, r):
    n = genlib.number
    return (f"    {{{genlib.year_dates(year)}, {status}, {periods}, {n(r['allowance'])}, "
            f"{n(r['lower'])}, {n(r['upper'])}, {n(r['base'])}, {n(r['rate'])}}},")


def generate(script, data_path, periods, bound_rule, allowance_rule, base_rule=None):
    """The generated block; `periods` lists the derived frequencies, or gives them per status."""
    rows = read_annual(data_path)
    lines = []
    current_year = None
    for year, status, source, sched in schedules(rows):
        check_annual(year, status, sched)
        if year != current_year:
            current_year = year
            note = f"{year}: annual rows from {source}; other frequencies derived from them."
            lines.extend(genlib.comment(note))
        for r in sched:
            lines.append(cpp_row(year, status, 1, r))
        for p in (periods(status) if callable(periods) else periods):
            for r in derive(sched, p, bound_rule, allowance_rule, base_rule):
                lines.append(cpp_row(year, status, p, r))
    return genlib.block(script, data_path, lines)


def main(script, data_path, periods, bound_rule, allowance_rule, base_rule=None):
    return genlib.run(script, generate(script, data_path, periods, bound_rule, allowance_rule, base_rule))
