#!/usr/bin/env python3
"""Golden-output tests of the txl5 tool: each case runs the tool and compares
its exit status, standard output and standard error with tests/cli/golden/.

    run_golden.py path/to/txl5            # check every case
    run_golden.py path/to/txl5 --update   # rewrite the golden files
    run_golden.py path/to/txl5 --sanitized   # the cases only (a sanitizer build)
"""
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.join(HERE, "data")
GOLDEN = os.path.join(HERE, "golden")

NY_WEEKLY = ["--date", "2026-06-05", "--state", "NY", "--frequency", "weekly", "--wages", "1000"]

# (name, arguments, standard input file or None)
CASES = [
    # paycheck
    ("paycheck_sample", ["paycheck"], None),
    ("paycheck_sample_json", ["paycheck", "--json"], None),
    ("paycheck_california_flags", ["paycheck", "--date", "2026-03-13", "--state", "CA", "--frequency", "biweekly",
                                   "--wages", "2500", "--filing_status", "married", "--state_allowances", "2",
                                   "--supplemental", "1000"], None),
    ("paycheck_pennsylvania_document", ["paycheck", "--input", "data/paycheck_pennsylvania.json"], None),
    ("paycheck_document_stdin_json", ["paycheck", "--json", "--input", "-"], "paycheck_maryland.json"),
    ("paycheck_michigan_two_cities", ["paycheck", "--date", "2026-04-10", "--state", "MI", "--locality", "Detroit",
                                      "--residence_locality_code", "13", "--resident", "0", "--frequency", "biweekly",
                                      "--wages", "3000", "--state_allowances", "1"], None),
    ("paycheck_after_newest_tables", ["paycheck"] + ["--date", "2027-02-05", "--state", "NY", "--frequency",
                                                    "weekly", "--wages", "1000"], None),
    ("paycheck_unsupported_state", ["paycheck", "--date", "2026-06-05", "--state", "PW", "--frequency", "weekly",
                                    "--wages", "1000"], None),
    # explain
    ("explain_sample", ["explain"], None),
    ("explain_ohio_2020_form", ["explain", "--date", "2026-09-18", "--state", "OH", "--frequency", "biweekly",
                                "--wages", "3000", "--w4_2020", "1", "--filing_status", "married",
                                "--dependents_credit", "2000", "--other_income", "1200", "--deductions", "5000",
                                "--additional_fed_wh", "10"], None),
    ("explain_prior_year_retry", ["explain", "--date", "2027-01-15", "--state", "CA", "--frequency", "semimonthly",
                                  "--wages", "4000", "--state_allowances", "1"], None),
    ("explain_exempt", ["explain", "--date", "2026-05-01", "--state", "TX", "--frequency", "weekly", "--wages",
                        "800", "--fed_exempt", "1"], None),
    ("explain_high_bonus", ["explain", "--date", "2026-12-18", "--state", "KY", "--frequency", "monthly", "--wages",
                            "20000", "--supplemental", "50000", "--ytd_supplemental", "1200000", "--ytd_wages",
                            "220000"], None),
    # localities
    ("localities_new_york", ["localities", "NY"], None),
    ("localities_michigan", ["localities", "michigan"], None),
    ("localities_kentucky_counties", ["localities", "KY", "county"], None),
    ("localities_missouri_json", ["localities", "30", "--json"], None),
    ("localities_california_none", ["localities", "CA"], None),
    # batch
    ("batch_csv", ["batch", "data/payroll.csv"], None),
    ("batch_jsonl", ["batch", "data/payroll.jsonl"], None),
    ("batch_csv_stdin", ["batch", "--no-progress"], "payroll.csv"),
    # CRLF line ends, a blank line, no newline at the end, a locality named
    # in two lists (refused without a kind), names in any case
    ("batch_crlf_ambiguous_locality", ["batch", "--format", "csv", "-"], "payroll_crlf.csv"),
    ("batch_unknown_column", ["batch", "data/unknown_column.csv"], None),
    ("batch_missing_file", ["batch", "data/no_such_file.csv"], None),
    # grossup
    ("grossup_regular_new_york_city", ["grossup", "--net", "800", "--locality", "New York City", "--resident", "1"]
     + NY_WEEKLY, None),
    ("grossup_bonus", ["grossup", "--bonus", "--net", "1000", "--date", "2026-11-20", "--state", "PA",
                       "--frequency", "biweekly", "--wages", "2500"], None),
    ("grossup_json", ["grossup", "--net", "2000", "--json", "--date", "2026-02-06", "--state", "TX", "--frequency",
                      "biweekly"], None),
    # the examples of docs/behaviours.md
    ("behaviour_fed_exempt", ["paycheck", "--date", "2026-05-01", "--state", "TX", "--frequency", "weekly",
                              "--wages", "800", "--fed_exempt", "1"], None),
    ("behaviour_fica_exempt", ["paycheck", "--date", "2026-05-01", "--state", "TX", "--frequency", "weekly",
                               "--wages", "800", "--fica_exempt", "1"], None),
    ("behaviour_flat_rate_below", ["paycheck", "--date", "2026-12-18", "--state", "TX", "--frequency", "monthly",
                                   "--wages", "10000", "--supplemental", "50000", "--ytd_supplemental", "990000",
                                   "--json"], None),
    ("behaviour_flat_rate_above", ["paycheck", "--date", "2026-12-18", "--state", "TX", "--frequency", "monthly",
                                   "--wages", "10000", "--supplemental", "50000", "--ytd_supplemental",
                                   "1000000.01", "--json"], None),
    ("behaviour_bonus", ["paycheck", "--date", "2026-05-01", "--state", "NY", "--frequency", "weekly", "--wages",
                         "1000", "--supplemental", "100.30", "--json"], None),
    ("behaviour_bonus_taken_back", ["paycheck", "--date", "2026-05-01", "--state", "NY", "--frequency", "weekly",
                                    "--wages", "1000", "--supplemental", "-100.30", "--json"], None),
    ("behaviour_after_newest_tables", ["paycheck", "--date", "2027-02-05", "--state", "NY", "--frequency",
                                       "weekly", "--wages", "1000", "--json"], None),
    ("behaviour_two_years_after", ["paycheck", "--date", "2028-02-04", "--state", "NY", "--frequency", "weekly",
                                   "--wages", "1000", "--json"], None),
    # bad input: a message naming the field and the value, and a nonzero exit status
    ("bad_state", ["paycheck", "--state", "XX", "--date", "2026-01-02", "--frequency", "weekly"], None),
    ("bad_locality_name", ["paycheck", "--locality", "Gotham"] + NY_WEEKLY, None),
    ("bad_locality_code", ["paycheck", "--locality", "77"] + NY_WEEKLY, None),
    ("bad_locality_kind", ["paycheck", "--date", "2026-01-02", "--state", "KY", "--frequency", "weekly",
                           "--locality", "Boone", "--locality_kind", "parish"], None),
    ("bad_date", ["paycheck", "--date", "2026-02-30", "--state", "NY", "--frequency", "weekly"], None),
    ("bad_date_format", ["paycheck", "--date", "06/05/2026", "--state", "NY", "--frequency", "weekly"], None),
    ("bad_pay_periods", ["paycheck", "--date", "2026-06-05", "--state", "NY", "--pay_periods", "0"], None),
    ("bad_frequency", ["paycheck", "--date", "2026-06-05", "--state", "NY", "--frequency", "fortnightly"], None),
    ("bad_amount", ["paycheck", "--wages", "1,000"] + NY_WEEKLY[:6], None),
    ("bad_unknown_option", ["paycheck", "--salary", "1000"], None),
    ("bad_unknown_field_json", ["paycheck", "--input", "data/unknown_field.json"], None),
    ("bad_unreadable_json", ["paycheck", "--input", "data/unreadable.json"], None),
    ("bad_missing_date", ["paycheck", "--state", "NY", "--frequency", "weekly"], None),
    ("bad_localities_state", ["localities", "ZZ"], None),
    ("bad_localities_kind", ["localities", "OH", "county"], None),
    ("bad_grossup_net", ["grossup", "--net", "-5"] + NY_WEEKLY, None),
]


def check_csv_shape(name, output):
    """Every row of a CSV batch output, bad lines included, has the header's columns."""
    if not name.startswith("batch") or not output.startswith("exit status"):
        return 0
    import csv
    import io
    text = output.split("--- standard output\n", 1)[1].split("--- standard error\n", 1)[0]
    if not text.startswith("line,"):
        return 0
    rows = list(csv.reader(io.StringIO(text)))
    widths = {len(r) for r in rows}
    if len(widths) != 1:
        print("FAIL %s: CSV rows of %s columns" % (name, sorted(widths)))
        return 1
    return 0


def run_case(tool, args, stdin_name):
    stdin = open(os.path.join(DATA, stdin_name), "rb") if stdin_name else subprocess.DEVNULL
    try:
        proc = subprocess.run([tool] + args, cwd=HERE, stdin=stdin, capture_output=True, timeout=60)
    finally:
        if stdin_name:
            stdin.close()
    return ("exit status: %d\n--- standard output\n%s--- standard error\n%s" %
            (proc.returncode, proc.stdout.decode(), proc.stderr.decode()))


def check_explain(tool):
    """explain's working reproduces the library's figures on generated
    paychecks: it never says its working differs."""
    sys.path.insert(0, os.path.join(HERE, "..", "..", "tools"))
    import gen_payroll
    failures = 0
    for row in gen_payroll.paychecks(120, seed=11):
        args = ["explain"]
        for key, value in row.items():
            if value != "":
                args += ["--" + key, value]
        proc = subprocess.run([tool] + args, capture_output=True, text=True, timeout=60)
        if proc.returncode not in (0, 2) or "does not reproduce" in proc.stdout:
            failures += 1
            print("FAIL explain_reproduces: txl5 %s\n%s%s" % (" ".join(args), proc.stdout, proc.stderr))
    return failures


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    tool = os.path.abspath(sys.argv[1])
    update = "--update" in sys.argv[2:]
    # Under the sanitizers the cases run for memory and undefined-behaviour
    # faults; the explain check is about figures and runs in the plain build.
    sanitized = "--sanitized" in sys.argv[2:]
    failures = 0
    for name, args, stdin_name in CASES:
        actual = run_case(tool, args, stdin_name)
        path = os.path.join(GOLDEN, name + ".txt")
        if update:
            with open(path, "w") as f:
                f.write(actual)
            continue
        failures += check_csv_shape(name, actual)
        expected = open(path).read() if os.path.exists(path) else "(no golden file)\n"
        if actual != expected:
            failures += 1
            print("FAIL %s: txl5 %s" % (name, " ".join(args)))
            import difflib
            sys.stdout.writelines(difflib.unified_diff(expected.splitlines(True), actual.splitlines(True),
                                                       "expected", "actual"))
    if not update and not sanitized and check_explain(tool):
        failures += 1
    names = {c[0] + ".txt" for c in CASES}
    stale = sorted(set(os.listdir(GOLDEN)) - names)
    if stale and not update:
        failures += len(stale)
        print("golden files without a case: " + ", ".join(stale))
    if not update:
        print("%d passed, %d failed" % (len(CASES) + (0 if sanitized else 1) - failures, failures))
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
