"""txl5 from Python: the withholding library through ctypes.

    >>> import txl5
    >>> pay = txl5.paycheck(date="2026-06-05", state="NY", locality="New York City",
    ...                     frequency="weekly", wages=1000, allowances=1, state_allowances=1,
    ...                     ytd_wages=22000, resident=True)
    >>> pay.net_pay
    761.56

The records are typed structures (FederalRecord, StateRecord, LocalRecord and
the others in txl5._records) for callers that fill them by hand and call the
entry points on `txl5.library()`. `paycheck()` takes the fields the txl5
command-line tool takes, with the same names and defaults, and raises
`Txl5InputError` naming the field and the value it refuses.

The shared library is found where TXL5_LIBRARY points, next to the package
(in its folder or up to three folders above), or on the system library path.
"""
import ctypes
import ctypes.util
import dataclasses
import datetime
import glob
import math
import os
import re
import threading

from ._records import (AeicRecord, EttRecord, FamleaveRecord, FederalRecord, FutaRecord, LocalRecord, MDate,
                       SdiRecord, StateOtherRecord, StateRecord, SuiRecord, TableInfo, TaxbodyInfo, TtRecord,
                       WorkcompRecord)

__all__ = ["paycheck", "localities", "library", "Paycheck", "Locality", "Txl5Error", "Txl5InputError",
           "FederalRecord", "StateRecord", "LocalRecord", "TaxbodyInfo", "TableInfo", "MDate", "SdiRecord",
           "FamleaveRecord", "SuiRecord", "EttRecord", "FutaRecord", "WorkcompRecord", "TtRecord",
           "StateOtherRecord", "AeicRecord", "STATES", "RESULT_BITS"]

FEDERAL_VERSION = 165
STATE_VERSION = 213
LOCAL_VERSION = 240
PROMPT_MAX = 64


class Txl5Error(Exception):
    """The library could not be loaded or used."""


class Txl5InputError(Txl5Error, ValueError):
    """A paycheck field was refused: `field`, `value` and the reason."""

    def __init__(self, field, value, reason):
        self.field, self.value, self.reason = field, value, reason
        if value == "" or value is None:
            super().__init__("field '%s': %s" % (field, reason))
        else:
            super().__init__("field '%s', value '%s': %s" % (field, value, reason))


# The state codes: (code, postal code, name).
STATES = [
    (1, "AL", "Alabama"), (2, "AK", "Alaska"), (3, "AS", "American Samoa"), (4, "AZ", "Arizona"),
    (5, "AR", "Arkansas"), (6, "CA", "California"), (7, "CO", "Colorado"), (8, "CT", "Connecticut"),
    (9, "DE", "Delaware"), (10, "DC", "District of Columbia"), (11, "FM", "Federated States of Micronesia"),
    (12, "FL", "Florida"), (13, "GA", "Georgia"), (14, "GU", "Guam"), (15, "HI", "Hawaii"), (16, "ID", "Idaho"),
    (17, "IL", "Illinois"), (18, "IN", "Indiana"), (19, "IA", "Iowa"), (20, "KS", "Kansas"), (21, "KY", "Kentucky"),
    (22, "LA", "Louisiana"), (23, "ME", "Maine"), (24, "MH", "Marshall Islands"), (25, "MD", "Maryland"),
    (26, "MA", "Massachusetts"), (27, "MI", "Michigan"), (28, "MN", "Minnesota"), (29, "MS", "Mississippi"),
    (30, "MO", "Missouri"), (31, "MT", "Montana"), (32, "NE", "Nebraska"), (33, "NV", "Nevada"),
    (34, "NH", "New Hampshire"), (35, "NJ", "New Jersey"), (36, "NM", "New Mexico"), (37, "NY", "New York"),
    (38, "NC", "North Carolina"), (39, "ND", "North Dakota"), (40, "MP", "Northern Mariana Islands"),
    (41, "OH", "Ohio"), (42, "OK", "Oklahoma"), (43, "OR", "Oregon"), (44, "PW", "Palau"),
    (45, "PA", "Pennsylvania"), (46, "PR", "Puerto Rico"), (47, "RI", "Rhode Island"),
    (48, "SC", "South Carolina"), (49, "SD", "South Dakota"), (50, "TN", "Tennessee"), (51, "TX", "Texas"),
    (52, "UT", "Utah"), (53, "VT", "Vermont"), (54, "VI", "Virgin Islands"), (55, "VA", "Virginia"),
    (56, "WA", "Washington"), (57, "WV", "West Virginia"), (58, "WI", "Wisconsin"), (59, "WY", "Wyoming"),
]
RESULT_BITS = {1: "federal part failed", 8: "state part failed", 16: "locality calculation failed",
               64: "no flat supplemental rate in force"}
FREQUENCIES = {"weekly": 52, "biweekly": 26, "semimonthly": 24, "monthly": 12, "quarterly": 4,
               "semiannual": 2, "annual": 1, "daily": 260}
FILING_STATUSES = {"single": 0, "married": 1, "head_of_household": 2, "head-of-household": 2, "hoh": 2}
# The directory's lists in the states that have several.
LOCALITY_KINDS = {21: ["school", "city", "county"], 41: ["school", "municipality"], 45: ["school", "municipality"]}

_lock = threading.Lock()
_library = None


def _candidates():
    env = os.environ.get("TXL5_LIBRARY")
    if env:
        yield env
        return
    here = os.path.dirname(os.path.abspath(__file__))
    folder = here
    for _ in range(4):
        for path in sorted(glob.glob(os.path.join(folder, "libtxl5.so*"))):
            yield path
        folder = os.path.dirname(folder)
    found = ctypes.util.find_library("txl5")
    if found:
        yield found
    yield "libtxl5.so"
    yield "libtxl5.so.3"


def _declare(lib):
    i64, u64, p = ctypes.c_int64, ctypes.c_uint64, ctypes.POINTER
    signatures = {
        "TXL5_Calc": (i64, [i64, p(FederalRecord), p(StateRecord)]),
        "TXL5_Calc_Local": (i64, [u64, p(FederalRecord), p(StateRecord), p(LocalRecord)]),
        "TXL5_Calc_County": (i64, [u64, p(FederalRecord), p(StateRecord), p(LocalRecord)]),
        "TXL5_Get_Prompt": (i64, [p(TaxbodyInfo), ctypes.c_char_p]),
        "TXL5_Get_Table_Info": (i64, [p(TableInfo)]),
        "TXL5_Version": (ctypes.c_double, []),
        "TXL5_Table_Version": (ctypes.c_double, []),
        "SDI_Calc": (i64, [p(SdiRecord)]),
        "FAMLEAVE_Calc": (i64, [p(FamleaveRecord)]),
        "SUI_Calc": (i64, [p(SuiRecord)]),
        "ETT_Calc": (i64, [p(EttRecord)]),
        "FUTA_Calc": (i64, [p(FutaRecord)]),
        "WORKCOMP_Calc": (i64, [p(WorkcompRecord)]),
        "TT_Calc": (i64, [p(TtRecord)]),
        "StateOther_Calc": (i64, [p(StateOtherRecord)]),
        "TXL5_AEIC_Calc": (i64, [p(AeicRecord)]),
    }
    for name, (restype, argtypes) in signatures.items():
        fn = getattr(lib, name)
        fn.restype, fn.argtypes = restype, argtypes
    return lib


def library():
    """The loaded shared library, its entry points declared (loaded once)."""
    global _library
    with _lock:
        if _library is None:
            errors = []
            for path in _candidates():
                try:
                    _library = _declare(ctypes.CDLL(path))
                    _library.txl5_path = path
                    break
                except (OSError, AttributeError) as e:
                    errors.append("%s: %s" % (path, e))
            if _library is None:
                raise Txl5Error("cannot load libtxl5 (set TXL5_LIBRARY to its path): " + "; ".join(errors))
        return _library


def find_state(value):
    """(code, postal, name) of a postal code, a name or a code number."""
    text = str(value).strip()
    if re.fullmatch(r"[+-]?\d+", text):
        code = int(text)
        return STATES[code - 1] if 1 <= code <= len(STATES) else None
    for state in STATES:
        if text.upper() == state[1] or text.lower() == state[2].lower():
            return state
    return None


@dataclasses.dataclass(frozen=True)
class Locality:
    name: str
    kind: str
    code: int        # the code for the local record
    entry_code: int  # the code shown to a user (differs for Pennsylvania school pairings)


def _kinds(code):
    if code in LOCALITY_KINDS:
        return LOCALITY_KINDS[code]
    return ["locality"] if _list(code, 0) else []


def _list(code, kind):
    lib = library()
    info = TaxbodyInfo()
    info.state_code, info.taxbody_kind = code, kind
    text = ctypes.create_string_buffer(PROMPT_MAX)
    out = []
    index = 0
    while True:
        info.entry_index = index
        if lib.TXL5_Get_Prompt(ctypes.byref(info), text) <= 0 or index >= info.entry_count:
            return out
        out.append((text.value.decode("latin-1"), info.locality_code, info.entry_code))
        index += 1


def localities(state, kind=None):
    """The taxing bodies of a state: every list, or the one named by `kind`."""
    found = find_state(state)
    if not found:
        raise Txl5InputError("state", state, "unknown state (a postal code such as NY, a name, or a code 1-59)")
    code = found[0]
    kinds = _kinds(code)
    wanted = range(len(kinds))
    if kind is not None:
        k = _kind_number(code, kind, kinds)
        if k is None:
            raise Txl5InputError("kind", kind, "unknown kind for %s (%s)" % (found[2], ", ".join(kinds)))
        wanted = [k]
    return [Locality(name, kinds[k], loc, entry) for k in wanted for name, loc, entry in _list(code, k)]


def _kind_number(code, kind, kinds):
    text = str(kind).strip().lower()
    if re.fullmatch(r"\d+", text):
        k = int(text)
        return k if k < max(len(kinds), 1) else None
    if text in kinds:
        return kinds.index(text)
    if len(kinds) >= 2 and text in ("city", "municipal", "municipality"):
        return 1
    return None


@dataclasses.dataclass
class Paycheck:
    """One computed paycheck: the withholdings, the net pay and the codes."""
    date: str
    state: str
    state_code: int
    pay_periods: int
    gross_wages: float
    supplemental_wages: float
    federal_income_tax: float
    federal_supplemental_tax: float
    social_security: float
    medicare: float
    state_income_tax: float
    state_supplemental_tax: float
    net_pay: float
    result: int
    fed_status: int
    state_error: int
    used_year: int
    id: str = ""
    locality: str = ""
    locality_code: int = 0
    local_tax: float = 0.0
    local_supplemental_tax: float = 0.0
    second_local_tax: float = 0.0
    second_local_supplemental_tax: float = 0.0
    local_error: int = 0
    records: tuple = dataclasses.field(default=(), repr=False, compare=False)

    @property
    def failures(self):
        """The result's bits in words."""
        return [RESULT_BITS.get(b, "bit %d" % b) for b in (1 << i for i in range(63)) if self.result & b]


def _money(field, value):
    if isinstance(value, bool):
        raise Txl5InputError(field, value, "not an amount")
    try:
        amount = float(value) if not isinstance(value, str) else float(value.strip())
    except (TypeError, ValueError):
        raise Txl5InputError(field, value, "not an amount") from None
    if isinstance(value, str) and not re.fullmatch(r"\s*[+-]?(\d+\.?\d*|\.\d+)\s*", value):
        raise Txl5InputError(field, value, "not an amount")
    if not math.isfinite(amount):
        raise Txl5InputError(field, value, "not an amount")
    return amount


def _whole(field, value):
    if isinstance(value, bool):
        return int(value)
    if isinstance(value, int):
        return value
    if isinstance(value, str) and re.fullmatch(r"\s*[+-]?\d+\s*", value):
        return int(value)
    raise Txl5InputError(field, value, "not a whole number")


def _flag(field, value):
    if isinstance(value, bool) or value in (0, 1):
        return int(value)
    text = str(value).strip().lower()
    if text in ("1", "true", "yes"):
        return 1
    if text in ("0", "false", "no"):
        return 0
    raise Txl5InputError(field, value, "not a yes/no value (1, 0, true, false)")


def _letter(field, value):
    text = str(value).strip()
    if len(text) == 1 and text.isalpha():
        return ord(text.upper())
    return _whole(field, value)


def _record_field(record, name):
    for f, ctype in record._fields_:
        if f == name:
            return ctype
    return None


# Field kinds of the records' input fields that are flags or letters; the rest
# follow their C type (int64 whole numbers, doubles amounts).
_FLAGS = {"fica_exempt", "medicare_exempt", "supp_aggregate", "fed_exempt", "w4_2020", "w4_multiple_jobs",
          "nonresident_alien"}
_LETTERS = {"state_withholding_code", "state_rate_table"}
_ALIASES = {"ytd_supplemental": ("fed", "ytd_supplemental_wages"), "multiple_jobs": ("fed", "w4_multiple_jobs"),
            "dependents_credit": ("fed", "w4_dependents_credit"), "other_income": ("fed", "w4_other_income"),
            "deductions": ("fed", "w4_deductions"), "state_status": ("state", "state_filing_status"),
            "resident": ("local", "local_resident"), "fed_version": ("fed", "struc_version"),
            "state_version": ("state", "struc_version"), "local_version": ("local", "struc_version")}
_OUTPUT_ONLY = {"aux_result", "fed_status", "used_month", "used_day", "used_year", "fed_tax", "reserved_1",
                "fica_tax", "reserved_2", "medicare_tax", "reserved_3", "supplemental_fed_tax", "fed_marginal_rate",
                "state_error", "state_table_month", "state_table_day", "state_table_year", "state_tax",
                "state_supplemental_tax", "state_rate_used", "local_error", "local_tax", "second_local_tax",
                "local_supplemental_tax", "second_local_supplemental_tax"}


def _build(fields):
    fed, state, local = FederalRecord(), StateRecord(), LocalRecord()
    fed.struc_version, state.struc_version, local.struc_version = FEDERAL_VERSION, STATE_VERSION, LOCAL_VERSION
    records = {"fed": fed, "state": state, "local": local}
    given = set()
    has_local = False
    locality = None
    locality_kind = None
    ident = ""
    for name, value in fields.items():
        if value is None or (isinstance(value, str) and value.strip() == ""):
            continue
        given.add(name)
        if name == "id":
            ident = str(value)
        elif name == "date":
            text = value.isoformat() if isinstance(value, datetime.date) else str(value).strip()
            try:
                if not re.fullmatch(r"\d{4}-\d{2}-\d{2}", text):
                    raise ValueError
                day = datetime.date.fromisoformat(text)
            except ValueError:
                raise Txl5InputError("date", value, "not a date of the form YYYY-MM-DD") from None
            fed.check_month, fed.check_day, fed.check_year = day.month, day.day, day.year
        elif name == "state":
            found = find_state(value)
            if not found:
                raise Txl5InputError("state", value,
                                     "unknown state (a postal code such as NY, a name, or a code 1-59)")
            state.state_code = found[0]
        elif name in ("frequency", "pay_periods"):
            text = str(value).strip().lower()
            if isinstance(value, int) or re.fullmatch(r"[+-]?\d+", text):
                periods = int(text)
            elif text in FREQUENCIES:
                periods = FREQUENCIES[text]
            else:
                raise Txl5InputError(name, value, "unknown pay frequency (weekly, biweekly, semimonthly, monthly, "
                                                  "quarterly, semiannual, annual, daily, or a number of pay periods "
                                                  "a year)")
            if periods < 1:
                raise Txl5InputError(name, value, "pay periods below 1")
            fed.pay_periods = periods
            given.add("pay_periods")
        elif name == "wages":
            fed.gross_wages = _money(name, value)
        elif name == "supplemental":
            fed.supplemental_wages = _money("supplemental", value)
        elif name == "ytd_wages":
            fed.ytd_fica_wages = _money(name, value)
        elif name == "filing_status":
            text = str(value).strip().lower()
            if re.fullmatch(r"\d+", text) and int(text) <= 3:
                fed.filing_status = int(text)
            elif text in FILING_STATUSES:
                fed.filing_status = FILING_STATUSES[text]
            else:
                raise Txl5InputError(name, value, "unknown filing status (single, married, head_of_household or 0-3)")
        elif name == "locality":
            locality = str(value).strip()
            has_local = True
        elif name == "locality_kind":
            locality_kind = str(value).strip()
        else:
            where, field = _ALIASES.get(name, (None, name))
            if where is None:
                for key in ("fed", "state", "local"):
                    if _record_field(type(records[key]), field) is not None and field not in _OUTPUT_ONLY and \
                            field != "struc_version" and not field.startswith("reserved"):
                        where = key
                        break
            if where is None:
                raise Txl5InputError(name, value, "unknown field")
            record = records[where]
            ctype = _record_field(type(record), field)
            if field in _FLAGS or name == "resident":
                setattr(record, field, _flag(name, value))
            elif field in _LETTERS:
                setattr(record, field, _letter(name, value))
            elif ctype is ctypes.c_double:
                setattr(record, field, _money(name, value))
            else:
                setattr(record, field, _whole(name, value))
            if where == "local":
                has_local = True
            given.add(field)
    if "date" not in given and fed.check_year == 0:
        raise Txl5InputError("date", "", "missing")
    if "state" not in given and "state_code" not in given:
        raise Txl5InputError("state", "", "missing")
    if "pay_periods" not in given:
        raise Txl5InputError("frequency", "", "missing")
    if "fica_wages" not in given:
        fed.fica_wages = fed.gross_wages
    if "ytd_medicare_wages" not in given:
        fed.ytd_medicare_wages = fed.ytd_fica_wages
    if "state_wages" not in given:
        state.state_wages = fed.gross_wages
    if "state_pay_periods" not in given:
        state.state_pay_periods = fed.pay_periods
    if state.state_pay_periods < 1:
        raise Txl5InputError("state_pay_periods", state.state_pay_periods, "pay periods below 1")
    if "state_filing_status" not in given and "state_status" not in given:
        state.state_filing_status = fed.filing_status
    if "state_supplemental_wages" not in given:
        state.state_supplemental_wages = fed.supplemental_wages
    name = ""
    if has_local:
        if "local_wages" not in given:
            local.local_wages = fed.gross_wages
        if "local_pay_periods" not in given:
            local.local_pay_periods = fed.pay_periods
        if "local_supplemental_wages" not in given:
            local.local_supplemental_wages = fed.supplemental_wages
        if "local_allowances" not in given:
            local.local_allowances = state.state_allowances
        name = _resolve_locality(state.state_code, locality, locality_kind, local, "local_tax_kind" in given)
    elif locality_kind:
        raise Txl5InputError("locality_kind", locality_kind, "given without a locality")
    return fed, state, local, has_local, name, ident


def _resolve_locality(code, locality, kind_text, local, kind_given):
    info = find_state(code)
    state_name = info[2] if info else "this state"
    kinds = _kinds(code)
    kind = None
    if kind_text:
        kind = _kind_number(code, kind_text, kinds)
        if kind is None:
            if len(kinds) >= 2:
                raise Txl5InputError("locality_kind", kind_text,
                                     "unknown locality kind for %s (%s)" % (state_name, ", ".join(kinds)))
            raise Txl5InputError("locality_kind", kind_text, "%s has a single list of localities" % state_name)
        if len(kinds) >= 2 and not kind_given:
            local.local_tax_kind = kind
    if not locality:
        return ""
    entries = [(k, n, c) for k in range(len(kinds)) for n, c, _ in _list(code, k)] if kinds else []
    if re.fullmatch(r"[+-]?\d+", locality):
        number = int(locality)
        if kinds:
            names = [n for k, n, c in entries if c == number and (kind is None or k == kind)]
            if not names:
                raise Txl5InputError("locality", locality, "unknown locality code in " + state_name)
            local.locality_code = number
            return names[0]
        local.locality_code = number
        return ""
    if not kinds:
        raise Txl5InputError("locality", locality, "%s has no locality list; give a locality code" % state_name)
    matches = [(k, n, c) for k, n, c in entries if n.lower() == locality.lower() and (kind is None or k == kind)]
    if not matches:
        raise Txl5InputError("locality", locality, "unknown locality in " + state_name)
    other = [m for m in matches if m[0] != matches[0][0]]
    if other:
        raise Txl5InputError("locality", locality, "named in more than one list (%s, %s): give locality_kind"
                             % (kinds[matches[0][0]], kinds[other[0][0]]))
    k, n, c = matches[0]
    local.locality_code = c
    if len(kinds) >= 2 and not kind_given:
        local.local_tax_kind = k
    return n


def _net(fed, state, local, has_local):
    net = (fed.gross_wages + fed.supplemental_wages - fed.fed_tax - fed.supplemental_fed_tax - fed.fica_tax
           - fed.medicare_tax - state.state_tax - state.state_supplemental_tax)
    if has_local:
        net -= local.local_tax + local.local_supplemental_tax
        if state.state_code != 7:  # Colorado's second amount is the employer's, not withheld
            net -= local.second_local_tax + local.second_local_supplemental_tax
    return net


def paycheck(call_type=1, **fields):
    """Computes one paycheck from the tool's fields (date, state, frequency,
    wages, locality ...). call_type 11 solves for the gross wages of a net pay
    given as `wages`, 12 for the gross bonus of a net bonus given as
    `supplemental`."""
    fed, state, local, has_local, name, ident = _build(fields)
    lib = library()
    if has_local:
        local.local_error = 0
        result = lib.TXL5_Calc_Local(call_type, ctypes.byref(fed), ctypes.byref(state), ctypes.byref(local))
    else:
        result = lib.TXL5_Calc(call_type, ctypes.byref(fed), ctypes.byref(state))
    r2 = lambda x: round(x + 0.0, 2)  # noqa: E731  (amounts are already in cents)
    return Paycheck(
        date="%04d-%02d-%02d" % (fed.check_year, fed.check_month, fed.check_day),
        state=(find_state(state.state_code) or (0, "", ""))[1], state_code=state.state_code,
        pay_periods=fed.pay_periods, gross_wages=r2(fed.gross_wages), supplemental_wages=r2(fed.supplemental_wages),
        federal_income_tax=r2(fed.fed_tax), federal_supplemental_tax=r2(fed.supplemental_fed_tax),
        social_security=r2(fed.fica_tax), medicare=r2(fed.medicare_tax), state_income_tax=r2(state.state_tax),
        state_supplemental_tax=r2(state.state_supplemental_tax), net_pay=r2(_net(fed, state, local, has_local)),
        result=result, fed_status=fed.fed_status, state_error=state.state_error, used_year=fed.used_year, id=ident,
        locality=(name or ("locality code %d" % local.locality_code)) if has_local else "",
        locality_code=local.locality_code if has_local else 0,
        local_tax=r2(local.local_tax) if has_local else 0.0,
        local_supplemental_tax=r2(local.local_supplemental_tax) if has_local else 0.0,
        second_local_tax=r2(local.second_local_tax) if has_local else 0.0,
        second_local_supplemental_tax=r2(local.second_local_supplemental_tax) if has_local else 0.0,
        local_error=local.local_error if has_local else 0,
        records=(fed, state, local))


def version():
    """(interface version, table version) of the loaded library."""
    lib = library()
    return lib.TXL5_Version(), lib.TXL5_Table_Version()
