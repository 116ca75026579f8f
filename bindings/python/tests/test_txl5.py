"""The Python package: its records match the header slot for slot, its
paychecks equal the txl5 tool's on the same input, and bad input raises
Txl5InputError naming the field and the value."""
import ctypes
import json
import os
import re
import subprocess
import sys

import pytest

import txl5

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))))
TOOL = os.environ.get("TXL5_TOOL", os.path.join(ROOT, "build", "txl5"))
SAMPLE = dict(date="2026-06-05", state="NY", locality="New York City", frequency="weekly", wages=1000,
              allowances=1, state_allowances=1, ytd_wages=22000, resident=True)


def tool_json(*args, stdin=None):
    out = subprocess.run([TOOL, *args], input=stdin, capture_output=True, text=True)
    return out


def as_tool_json(pay):
    """The package's paycheck in the tool's JSON shape, amounts to cents."""
    keys = ["date", "state", "state_code", "locality", "locality_code", "pay_periods", "gross_wages",
            "supplemental_wages", "federal_income_tax", "federal_supplemental_tax", "social_security", "medicare",
            "state_income_tax", "state_supplemental_tax", "local_tax", "local_supplemental_tax", "second_local_tax",
            "second_local_supplemental_tax", "net_pay", "result", "fed_status", "state_error", "local_error",
            "used_year"]
    out = {}
    for k in keys:
        if k in ("locality", "locality_code", "local_tax", "local_supplemental_tax", "second_local_tax",
                 "second_local_supplemental_tax", "local_error") and not pay.locality:
            continue
        v = getattr(pay, k)
        out[k] = "%.2f" % v if isinstance(v, float) else v
    return out


def normalized(tool_line):
    d = json.loads(tool_line)
    d.pop("line", None)
    d.pop("id", None)
    return {k: ("%.2f" % v if isinstance(v, float) else v) for k, v in d.items()}


def test_records_match_the_header_slot_for_slot():
    header = open(os.path.join(ROOT, "core", "txl5.h")).read()
    pairs = {"FEDERAL_WITHHOLDING_STRUC": txl5.FederalRecord, "STATE_WITHHOLDING_STRUC": txl5.StateRecord,
             "LOCAL_WITHHOLDING_STRUC": txl5.LocalRecord, "WITHHOLDING_TAXBODY_INFO": txl5.TaxbodyInfo,
             "SDI_STRUC": txl5.SdiRecord, "AEIC_STRUC": txl5.AeicRecord}
    for name, cls in pairs.items():
        slots = re.findall(r"TXL5_SLOT\(%s, (\w+), (\d+)\)" % name, header)
        assert slots, name
        for field, slot in slots:
            assert getattr(cls, field).offset == (int(slot) - 1) * 8, (name, field)
        assert ctypes.sizeof(cls) == 8 * len(slots)


def test_sample_paycheck_equals_the_tool():
    pay = txl5.paycheck(**SAMPLE)
    assert (pay.federal_income_tax, pay.social_security, pay.medicare) == (88.00, 62.00, 14.50)
    assert pay.net_pay == 761.56 and pay.result == 0 and pay.locality == "New York City"
    out = tool_json("paycheck", "--json")
    assert out.returncode == 0
    assert normalized(out.stdout) == as_tool_json(pay)


def test_generated_payroll_equals_txl5_batch(tmp_path):
    sys.path.insert(0, os.path.join(ROOT, "tools"))
    import gen_payroll
    rows = list(gen_payroll.paychecks(400, seed=7))
    # Edge cases: a check after the newest tables, a bonus past the flat-rate
    # threshold, an exempt employee, a Kentucky city by name and kind.
    rows += [dict(id="X1", date="2027-03-05", state="CA", frequency="monthly", wages="9000"),
             dict(id="X2", date="2026-12-18", state="NY", frequency="biweekly", wages="8000",
                  supplemental="250000", ytd_supplemental="1100000", ytd_wages="300000"),
             dict(id="X3", date="2026-04-03", state="OH", frequency="weekly", wages="700", fed_exempt="1"),
             dict(id="X4", date="2026-04-03", state="KY", locality="Alexandria", locality_kind="city",
                  frequency="weekly", wages="1200", state_allowances="1")]
    jsonl = "".join(json.dumps({k: v for k, v in r.items() if v != ""}) + "\n" for r in rows)
    out = tool_json("batch", "--format", "jsonl", "-q", stdin=jsonl)
    assert out.returncode in (0, 2), out.stderr
    tool_lines = out.stdout.splitlines()
    assert len(tool_lines) == len(rows)
    for row, line in zip(rows, tool_lines):
        pay = txl5.paycheck(**row)
        assert normalized(line) == as_tool_json(pay), row


def test_grossup_leaves_the_net_asked_for():
    pay = txl5.paycheck(call_type=11, date="2026-06-05", state="NY", locality="New York City", frequency="weekly",
                        wages=800, resident=1)
    assert pay.net_pay == 800.00 and pay.gross_wages > 1000
    out = tool_json("grossup", "--net", "800", "--json", "--date", "2026-06-05", "--state", "NY", "--locality",
                    "New York City", "--frequency", "weekly", "--resident", "1")
    assert normalized(out.stdout) == as_tool_json(pay)


@pytest.mark.parametrize("fields, field, value", [
    (dict(state="XX"), "state", "XX"),
    (dict(locality="Gotham"), "locality", "Gotham"),
    (dict(date="2026-02-30"), "date", "2026-02-30"),
    (dict(date="06/05/2026"), "date", "06/05/2026"),
    (dict(frequency="fortnightly"), "frequency", "fortnightly"),
    (dict(frequency=None, pay_periods=0), "pay_periods", 0),
    (dict(wages="1,000"), "wages", "1,000"),
    (dict(salary=1000), "salary", 1000),
    (dict(allowances="two"), "allowances", "two"),
    (dict(w4_2020="maybe"), "w4_2020", "maybe"),
    (dict(locality="Boone", state="KY", locality_kind="parish"), "locality_kind", "parish"),
    (dict(locality="Franklin", state="KY"), "locality", "Franklin"),
])
def test_bad_input_names_the_field_and_the_value(fields, field, value):
    args = dict(date="2026-06-05", state="NY", frequency="weekly", wages=1000)
    args.update(fields)
    with pytest.raises(txl5.Txl5InputError) as err:
        txl5.paycheck(**args)
    assert err.value.field == field and err.value.value == value
    assert "field '%s'" % field in str(err.value)


def test_missing_date_is_refused():
    with pytest.raises(txl5.Txl5InputError, match="field 'date': missing"):
        txl5.paycheck(state="NY", frequency="weekly")


def test_localities_through_the_directory():
    ny = txl5.localities("NY")
    assert [(l.name, l.code) for l in ny][1:] == [("Yonkers", 1), ("New York City", 2)]
    counties = txl5.localities("KY", "county")
    assert counties and all(l.kind == "county" for l in counties)
    assert txl5.localities("CA") == []
    with pytest.raises(txl5.Txl5InputError):
        txl5.localities("ZZ")
    with pytest.raises(txl5.Txl5InputError):
        txl5.localities("OH", "county")


def test_unloadable_library_is_a_clear_error(tmp_path):
    code = "import txl5\ntry:\n    txl5.library()\nexcept txl5.Txl5Error as e:\n    print('refused:', e)\n"
    env = dict(os.environ, TXL5_LIBRARY=str(tmp_path / "missing.so"))
    out = subprocess.run([sys.executable, "-c", code], env=env, capture_output=True, text=True)
    assert "refused: cannot load libtxl5" in out.stdout


def test_library_found_next_to_the_package(tmp_path):
    # A copy of the package with the library beside it, found without TXL5_LIBRARY.
    import shutil
    package = tmp_path / "txl5"
    shutil.copytree(os.path.dirname(txl5.__file__), package)
    lib_path = txl5.library().txl5_path
    shutil.copy(lib_path, tmp_path / "libtxl5.so")
    env = {k: v for k, v in os.environ.items() if k not in ("TXL5_LIBRARY", "PYTHONPATH")}
    code = "import txl5; print(txl5.library().txl5_path); print(txl5.paycheck(**%r).net_pay)" % SAMPLE
    out = subprocess.run([sys.executable, "-c", code], env=env, cwd=tmp_path, capture_output=True, text=True)
    assert out.returncode == 0, out.stderr
    found, net = out.stdout.split()
    assert found == str(tmp_path / "libtxl5.so") and net == "761.56"
