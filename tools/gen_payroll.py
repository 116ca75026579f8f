#!/usr/bin/env python3
"""Writes a payroll file for `txl5 batch`: N paychecks of generated employees
(a fixed seed, so the same N gives the same file), as CSV with a header or as
JSON Lines.

    tools/gen_payroll.py 1000000 > payroll.csv
    tools/gen_payroll.py 1000 --jsonl > payroll.jsonl
"""
import argparse
import json
import random
import sys

# States whose calculations are in the library, with their weight in the mix,
# and a few localities by name.
STATES = [("CA", 12), ("TX", 9), ("FL", 6), ("NY", 6), ("PA", 4), ("IL", 4), ("OH", 4), ("GA", 3),
          ("NC", 3), ("MI", 3), ("NJ", 3), ("VA", 3), ("WA", 2), ("AZ", 2), ("MA", 2), ("TN", 2),
          ("IN", 2), ("MD", 2), ("MO", 2), ("WI", 2), ("CO", 2), ("MN", 2), ("AL", 1), ("KY", 1),
          ("OR", 1), ("OK", 1), ("IA", 1), ("KS", 1), ("UT", 1), ("NE", 1), ("NM", 1), ("ME", 1),
          ("RI", 1), ("SC", 1), ("CT", 1), ("MT", 1), ("ND", 1), ("NV", 1), ("LA", 1), ("AR", 1),
          ("MS", 1), ("HI", 1), ("ID", 1), ("WV", 1), ("DE", 1), ("DC", 1), ("VT", 1)]
LOCALITIES = {"NY": ["New York City", "Yonkers"], "MI": ["Detroit"], "MD": ["Howard", "Baltimore City"],
              "MO": ["Kansas City"], "CO": ["Denver"], "IN": ["Marion"]}
STATE_STATUS = {"GA": {"single": "0", "married": "4", "head_of_household": "2"}}
FREQUENCIES = [("weekly", 52, 20), ("biweekly", 26, 45), ("semimonthly", 24, 20), ("monthly", 12, 15)]
COLUMNS = ["id", "date", "state", "locality", "frequency", "wages", "supplemental", "ytd_wages",
           "filing_status", "allowances", "w4_2020", "multiple_jobs", "dependents_credit", "state_status",
           "state_allowances", "state_withholding_code", "state_percent"]


def weighted(rng, items, weight):
    total = sum(weight(i) for i in items)
    pick = rng.uniform(0, total)
    for item in items:
        pick -= weight(item)
        if pick <= 0:
            return item
    return items[-1]


def paychecks(count, seed=2026):
    rng = random.Random(seed)
    states = [s for s in STATES if s[1] > 0]
    for n in range(1, count + 1):
        state = weighted(rng, states, lambda s: s[1])[0]
        name, periods, _ = weighted(rng, FREQUENCIES, lambda f: f[2])
        annual = round(rng.lognormvariate(11.0, 0.55), -2)
        wages = round(annual / periods, 2)
        period = rng.randrange(0, periods)
        month = 1 + period * 12 // periods
        day = 1 + rng.randrange(0, 28)
        form2020 = rng.random() < 0.8
        status = rng.choice(["single", "married", "single", "head_of_household"])
        row = {
            "id": f"E{n:07d}",
            "date": f"2026-{month:02d}-{day:02d}",
            "state": state,
            "locality": rng.choice(LOCALITIES[state]) if state in LOCALITIES and rng.random() < 0.5 else "",
            "frequency": name,
            "wages": f"{wages:.2f}",
            "supplemental": f"{round(rng.uniform(100, 5000), 2):.2f}" if rng.random() < 0.05 else "",
            "ytd_wages": f"{wages * period:.2f}",
            "filing_status": status,
            "allowances": "" if form2020 else str(rng.randrange(0, 4)),
            "w4_2020": "1" if form2020 else "0",
            "multiple_jobs": "1" if form2020 and rng.random() < 0.1 else "",
            "dependents_credit": str(rng.choice([0, 0, 0, 2000, 4000])) if form2020 else "",
            # The state certificate's status: 1 married, 0 every other
            # (Georgia numbers its statuses its own way).
            "state_status": STATE_STATUS.get(state, {}).get(status, "1" if status == "married" else "0"),
            "state_allowances": str(rng.randrange(0, 3)),
            "state_withholding_code": ("A" if status == "married" else "F") if state == "CT" else "",
            # Arizona: the percentage of wages the employee elected.
            "state_percent": rng.choice(["1.0", "2.0", "2.5", "3.0"]) if state == "AZ" else "",
        }
        yield row


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("count", type=int)
    parser.add_argument("--jsonl", action="store_true", help="JSON Lines instead of CSV")
    parser.add_argument("--seed", type=int, default=2026)
    args = parser.parse_args()
    out = sys.stdout
    if not args.jsonl:
        out.write(",".join(COLUMNS) + "\n")
    for row in paychecks(args.count, args.seed):
        if args.jsonl:
            out.write(json.dumps({k: v for k, v in row.items() if v != ""}) + "\n")
        else:
            out.write(",".join(row[c] for c in COLUMNS) + "\n")


if __name__ == "__main__":
    main()
