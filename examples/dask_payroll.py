#!/usr/bin/env python3
"""A payroll file computed in partitions with Dask through the txl5 Python
package: every partition computes its paychecks on its own (the library keeps
no state between calls), and the totals are summed at the end.

    python3 examples/dask_payroll.py payroll.csv                      # local threads
    python3 examples/dask_payroll.py payroll.csv --scheduler processes
    python3 examples/dask_payroll.py payroll.csv --scheduler tcp://scheduler:8786   # a cluster

The input is a CSV file with a header, as `txl5 batch` reads it. The output is
one JSON object of totals (cents summed exactly), and with --output a CSV of
every paycheck's withholding.
"""
import argparse
import csv
import io
import json
import os
import sys

import dask
import dask.bag

# The package is next to this script in the source tree, or installed.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "bindings", "python"))
import txl5  # noqa: E402

AMOUNTS = ["gross_wages", "supplemental_wages", "federal_income_tax", "federal_supplemental_tax", "social_security",
           "medicare", "state_income_tax", "state_supplemental_tax", "local_tax", "local_supplemental_tax",
           "net_pay"]


def compute_partition(lines, header):
    """The paychecks of one partition: a list of (id, amounts in cents, result)
    or (line text, None, error message) for a refused line."""
    out = []
    for line in lines:
        line = line.rstrip("\r\n")
        if not line.strip() or line == header:
            continue
        values = next(csv.reader([line]))
        row = dict(zip(header.split(","), values))
        try:
            pay = txl5.paycheck(**row)
        except txl5.Txl5InputError as e:
            out.append((row.get("id", line), None, str(e)))
            continue
        out.append((pay.id, [round(getattr(pay, a) * 100) for a in AMOUNTS], pay.result))
    return out


def totals(results):
    """Paychecks, bad lines, failures and the amounts summed in cents."""
    sums = [0] * len(AMOUNTS)
    count = bad = failed = 0
    for _, cents, result in results:
        if cents is None:
            bad += 1
            continue
        count += 1
        failed += result != 0
        for i, c in enumerate(cents):
            sums[i] += c
    return {"paychecks": count, "bad_lines": bad, "with_failure_bits": failed,
            **{a: "%d.%02d" % divmod(s, 100) if s >= 0 else "-%d.%02d" % divmod(-s, 100) for a, s in zip(AMOUNTS, sums)}}


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("payroll", help="CSV file with a header")
    parser.add_argument("--blocksize", default="4MB", help="bytes per partition (default 4MB)")
    parser.add_argument("--scheduler", default="threads",
                        help="threads, processes, synchronous, or a cluster's scheduler address")
    parser.add_argument("--output", help="also write every paycheck's amounts to this CSV file")
    args = parser.parse_args()

    with open(args.payroll, newline="") as f:
        header = f.readline().rstrip("\r\n")
    lines = dask.bag.read_text(args.payroll, blocksize=args.blocksize)
    results = lines.map_partitions(compute_partition, header)

    if "://" in args.scheduler:
        from dask.distributed import Client  # python3-distributed
        client = Client(args.scheduler)
        computed = client.compute(results).result()
    else:
        computed = results.compute(scheduler=args.scheduler)

    if args.output:
        with open(args.output, "w", newline="") as f:
            w = csv.writer(f)
            w.writerow(["id", "result"] + AMOUNTS)
            for ident, cents, result in computed:
                if cents is not None:
                    w.writerow([ident, result] + ["%.2f" % (c / 100) for c in cents])
    print(json.dumps(totals(computed), indent=1))


if __name__ == "__main__":
    main()
