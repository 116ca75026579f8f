"""The Dask example on Dask's local scheduler gives the totals `txl5 batch`
gives on the same payroll file, to the cent."""
import csv
import io
import json
import os
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
TOOL = os.environ.get("TXL5_TOOL", os.path.join(ROOT, "build", "txl5"))
AMOUNTS = ["gross_wages", "supplemental_wages", "federal_income_tax", "federal_supplemental_tax", "social_security",
           "medicare", "state_income_tax", "state_supplemental_tax", "local_tax", "local_supplemental_tax",
           "net_pay"]


def batch_totals(path):
    out = subprocess.run([TOOL, "batch", path, "-q"], capture_output=True, text=True)
    assert out.returncode in (0, 1, 2), out.stderr
    sums = dict.fromkeys(AMOUNTS, 0)
    count = bad = failed = 0
    for row in csv.DictReader(io.StringIO(out.stdout)):
        if row["error"]:
            bad += 1
            continue
        count += 1
        failed += row["result"] != "0"
        for a in AMOUNTS:
            sums[a] += round(float(row[a]) * 100)
    return {"paychecks": count, "bad_lines": bad, "with_failure_bits": failed,
            **{a: "%d.%02d" % divmod(s, 100) for a, s in sums.items()}}


def run_dask(path, *extra):
    out = subprocess.run([sys.executable, os.path.join(ROOT, "examples", "dask_payroll.py"), path, *extra],
                         capture_output=True, text=True, timeout=300)
    assert out.returncode == 0, out.stderr
    return json.loads(out.stdout)


def test_dask_totals_equal_batch_totals(tmp_path):
    payroll = tmp_path / "payroll.csv"
    gen = subprocess.run([sys.executable, os.path.join(ROOT, "tools", "gen_payroll.py"), "3000"],
                         capture_output=True, text=True, check=True)
    # A refused line in the middle: both count it as bad and compute the rest.
    lines = gen.stdout.splitlines(True)
    lines.insert(1500, "BAD1,2026-13-01,NY,,weekly,100,,,,,,,,,,\n")
    payroll.write_text("".join(lines))
    # Small partitions, so the file is cut into many.
    dask_totals = run_dask(str(payroll), "--blocksize", "40kB", "--scheduler", "threads")
    assert dask_totals == batch_totals(str(payroll))
    assert dask_totals["paychecks"] == 3000 and dask_totals["bad_lines"] == 1


def test_partitions_do_not_change_results(tmp_path):
    payroll = tmp_path / "payroll.csv"
    gen = subprocess.run([sys.executable, os.path.join(ROOT, "tools", "gen_payroll.py"), "400"],
                         capture_output=True, text=True, check=True)
    payroll.write_text(gen.stdout)
    one = run_dask(str(payroll), "--blocksize", "100MB", "--scheduler", "synchronous")
    many = run_dask(str(payroll), "--blocksize", "5kB", "--scheduler", "threads")
    assert one == many
