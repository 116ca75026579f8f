"""ctypes structures of the library's records, slot for slot.

Generated from core/txl5.h by tools/gen_docs.py; do not edit by hand.
"""
import ctypes


class MDate(ctypes.Structure):
    """MDATE: 3 slots."""
    _fields_ = [
        ("month", ctypes.c_int64),  # 1
        ("day", ctypes.c_int64),  # 2
        ("year", ctypes.c_int64),  # 3
    ]


class FederalRecord(ctypes.Structure):
    """FEDERAL_WITHHOLDING_STRUC: 37 slots."""
    _fields_ = [
        ("struc_version", ctypes.c_int64),  # 1
        ("aux_result", ctypes.c_int64),  # 2
        ("fed_status", ctypes.c_int64),  # 3
        ("allowances", ctypes.c_int64),  # 4
        ("check_month", ctypes.c_int64),  # 5
        ("check_day", ctypes.c_int64),  # 6
        ("check_year", ctypes.c_int64),  # 7
        ("filing_status", ctypes.c_int64),  # 8
        ("pay_periods", ctypes.c_int64),  # 9
        ("gross_wages", ctypes.c_double),  # 10
        ("additional_fed_wh", ctypes.c_double),  # 11
        ("used_month", ctypes.c_int64),  # 12
        ("used_day", ctypes.c_int64),  # 13
        ("used_year", ctypes.c_int64),  # 14
        ("fed_tax", ctypes.c_double),  # 15
        ("reserved_1", ctypes.c_double),  # 16
        ("fica_exempt", ctypes.c_int64),  # 17
        ("fica_wages", ctypes.c_double),  # 18
        ("ytd_fica_wages", ctypes.c_double),  # 19
        ("fica_tax", ctypes.c_double),  # 20
        ("reserved_2", ctypes.c_double),  # 21
        ("medicare_exempt", ctypes.c_int64),  # 22
        ("ytd_medicare_wages", ctypes.c_double),  # 23
        ("medicare_tax", ctypes.c_double),  # 24
        ("supplemental_wages", ctypes.c_double),  # 25
        ("ytd_supplemental_wages", ctypes.c_double),  # 26
        ("supp_aggregate", ctypes.c_int64),  # 27
        ("reserved_3", ctypes.c_double),  # 28
        ("supplemental_fed_tax", ctypes.c_double),  # 29
        ("fed_exempt", ctypes.c_int64),  # 30
        ("w4_2020", ctypes.c_int64),  # 31
        ("w4_multiple_jobs", ctypes.c_int64),  # 32
        ("w4_dependents_credit", ctypes.c_double),  # 33
        ("w4_other_income", ctypes.c_double),  # 34
        ("w4_deductions", ctypes.c_double),  # 35
        ("nonresident_alien", ctypes.c_int64),  # 36
        ("fed_marginal_rate", ctypes.c_double),  # 37
    ]


class StateRecord(ctypes.Structure):
    """STATE_WITHHOLDING_STRUC: 51 slots."""
    _fields_ = [
        ("struc_version", ctypes.c_int64),  # 1
        ("state_error", ctypes.c_int64),  # 2
        ("state_code", ctypes.c_int64),  # 3
        ("state_allowances", ctypes.c_int64),  # 4
        ("state_filing_status", ctypes.c_int64),  # 5
        ("state_pay_periods", ctypes.c_int64),  # 6
        ("state_wages", ctypes.c_double),  # 7
        ("additional_state_wh", ctypes.c_double),  # 8
        ("state_table_month", ctypes.c_int64),  # 9
        ("state_table_day", ctypes.c_int64),  # 10
        ("state_table_year", ctypes.c_int64),  # 11
        ("state_tax", ctypes.c_double),  # 12
        ("state_percent", ctypes.c_double),  # 13
        ("state_additional_allowances", ctypes.c_int64),  # 14
        ("state_extra_count1", ctypes.c_int64),  # 15
        ("state_extra_count2", ctypes.c_int64),  # 16
        ("state_withholding_code", ctypes.c_int64),  # 17
        ("state_wh_reduction", ctypes.c_double),  # 18
        ("state_additional_count", ctypes.c_int64),  # 19
        ("state_dependency_credits", ctypes.c_int64),  # 20
        ("state_form_check1", ctypes.c_int64),  # 21
        ("state_form_check2", ctypes.c_int64),  # 22
        ("state_form_check3", ctypes.c_int64),  # 23
        ("state_exempt", ctypes.c_int64),  # 24
        ("state_rate_table", ctypes.c_int64),  # 25
        ("state_dependents", ctypes.c_int64),  # 26
        ("state_exemption_amount", ctypes.c_double),  # 27
        ("state_form_code", ctypes.c_int64),  # 28
        ("state_additional_allowances2", ctypes.c_int64),  # 29
        ("state_additional_count2", ctypes.c_int64),  # 30
        ("state_supplemental_wages", ctypes.c_double),  # 31
        ("reserved_32", ctypes.c_int64),  # 32
        ("state_supp_aggregate", ctypes.c_int64),  # 33
        ("state_supp_rate_choice", ctypes.c_int64),  # 34
        ("state_supplemental_tax", ctypes.c_double),  # 35
        ("pr_status", ctypes.c_int64),  # 36
        ("pr_dependents", ctypes.c_int64),  # 37
        ("pr_extra_exemption", ctypes.c_int64),  # 38
        ("pr_allowances", ctypes.c_int64),  # 39
        ("reserved_40", ctypes.c_int64),  # 40
        ("reserved_41", ctypes.c_int64),  # 41
        ("state_form_option", ctypes.c_double),  # 42
        ("state_new_form", ctypes.c_int64),  # 43
        ("state_form_flag2", ctypes.c_int64),  # 44
        ("state_form_flag3", ctypes.c_int64),  # 45
        ("reserved_46", ctypes.c_int64),  # 46
        ("state_form_amount1", ctypes.c_double),  # 47
        ("state_form_amount2", ctypes.c_double),  # 48
        ("reserved_49", ctypes.c_int64),  # 49
        ("reserved_50", ctypes.c_int64),  # 50
        ("state_rate_used", ctypes.c_double),  # 51
    ]


class TableInfo(ctypes.Structure):
    """TXL5_TABLE_INFO: 6 slots."""
    _fields_ = [
        ("info_reserved", ctypes.c_int64),  # 1
        ("info_month", ctypes.c_int64),  # 2
        ("info_day", ctypes.c_int64),  # 3
        ("info_year", ctypes.c_int64),  # 4
        ("info_item", ctypes.c_int64),  # 5
        ("info_value", ctypes.c_double),  # 6
    ]


class LocalRecord(ctypes.Structure):
    """LOCAL_WITHHOLDING_STRUC: 29 slots."""
    _fields_ = [
        ("struc_version", ctypes.c_int64),  # 1
        ("local_error", ctypes.c_int64),  # 2
        ("locality_code", ctypes.c_int64),  # 3
        ("local_allowances", ctypes.c_int64),  # 4
        ("local_filing_status", ctypes.c_int64),  # 5
        ("local_pay_periods", ctypes.c_int64),  # 6
        ("local_wages", ctypes.c_double),  # 7
        ("additional_local_wh", ctypes.c_double),  # 8
        ("reserved_9", ctypes.c_int64),  # 9
        ("reserved_10", ctypes.c_int64),  # 10
        ("reserved_11", ctypes.c_int64),  # 11
        ("local_tax", ctypes.c_double),  # 12
        ("local_resident", ctypes.c_int64),  # 13
        ("local_rate", ctypes.c_double),  # 14
        ("local_max_tax", ctypes.c_double),  # 15
        ("ytd_local_wages", ctypes.c_double),  # 16
        ("local_exemptions", ctypes.c_int64),  # 17
        ("local_exemption_amount", ctypes.c_double),  # 18
        ("local_deduction", ctypes.c_double),  # 19
        ("local_annual_flat_tax", ctypes.c_double),  # 20
        ("residence_locality_code", ctypes.c_int64),  # 21
        ("second_local_tax", ctypes.c_double),  # 22
        ("local_tax_kind", ctypes.c_int64),  # 23
        ("local_supplemental_wages", ctypes.c_double),  # 24
        ("reserved_25", ctypes.c_int64),  # 25
        ("local_supp_aggregate", ctypes.c_int64),  # 26
        ("reserved_27", ctypes.c_int64),  # 27
        ("local_supplemental_tax", ctypes.c_double),  # 28
        ("second_local_supplemental_tax", ctypes.c_double),  # 29
    ]


class TaxbodyInfo(ctypes.Structure):
    """WITHHOLDING_TAXBODY_INFO: 9 slots."""
    _fields_ = [
        ("reserved_1", ctypes.c_int64),  # 1
        ("reserved_2", ctypes.c_int64),  # 2
        ("state_code", ctypes.c_int64),  # 3
        ("taxbody_kind", ctypes.c_int64),  # 4
        ("reserved_5", ctypes.c_int64),  # 5
        ("entry_index", ctypes.c_int64),  # 6
        ("entry_count", ctypes.c_int64),  # 7
        ("entry_code", ctypes.c_int64),  # 8
        ("locality_code", ctypes.c_int64),  # 9
    ]


class SdiRecord(ctypes.Structure):
    """SDI_STRUC: 13 slots."""
    _fields_ = [
        ("struc_version", ctypes.c_int64),  # 1
        ("sdi_error", ctypes.c_int64),  # 2
        ("check_month", ctypes.c_int64),  # 3
        ("check_day", ctypes.c_int64),  # 4
        ("check_year", ctypes.c_int64),  # 5
        ("state_code", ctypes.c_int64),  # 6
        ("sdi_wages", ctypes.c_double),  # 7
        ("ytd_sdi_wages", ctypes.c_double),  # 8
        ("sdi_tax", ctypes.c_double),  # 9
        ("sdi_rate", ctypes.c_double),  # 10
        ("employer_sdi_rate", ctypes.c_double),  # 11
        ("employer_sdi_tax", ctypes.c_double),  # 12
        ("pay_periods", ctypes.c_int64),  # 13
    ]


class FamleaveRecord(ctypes.Structure):
    """FAMLEAVE_STRUC: 14 slots."""
    _fields_ = [
        ("struc_version", ctypes.c_int64),  # 1
        ("reserved_2", ctypes.c_int64),  # 2
        ("check_month", ctypes.c_int64),  # 3
        ("check_day", ctypes.c_int64),  # 4
        ("check_year", ctypes.c_int64),  # 5
        ("state_code", ctypes.c_int64),  # 6
        ("leave_wages", ctypes.c_double),  # 7
        ("ytd_leave_wages", ctypes.c_double),  # 8
        ("leave_employee_tax", ctypes.c_double),  # 9
        ("leave_share", ctypes.c_double),  # 10
        ("leave_employer_tax", ctypes.c_double),  # 11
        ("leave_share_2", ctypes.c_double),  # 12
        ("medical_employee_tax", ctypes.c_double),  # 13
        ("medical_employer_tax", ctypes.c_double),  # 14
    ]


class SuiRecord(ctypes.Structure):
    """SUI_STRUC: 16 slots."""
    _fields_ = [
        ("struc_version", ctypes.c_int64),  # 1
        ("sui_error", ctypes.c_int64),  # 2
        ("check_month", ctypes.c_int64),  # 3
        ("check_day", ctypes.c_int64),  # 4
        ("check_year", ctypes.c_int64),  # 5
        ("state_code", ctypes.c_int64),  # 6
        ("sui_wages", ctypes.c_double),  # 7
        ("ytd_sui_wages", ctypes.c_double),  # 8
        ("sui_rate", ctypes.c_double),  # 9
        ("sui_tax", ctypes.c_double),  # 10
        ("reserved_11", ctypes.c_int64),  # 11
        ("reserved_12", ctypes.c_int64),  # 12
        ("employee_sui_rate", ctypes.c_double),  # 13
        ("employee_sui_tax", ctypes.c_double),  # 14
        ("reserved_15", ctypes.c_int64),  # 15
        ("sui_wage_base_used", ctypes.c_double),  # 16
    ]


class EttRecord(ctypes.Structure):
    """ETT_STRUC: 9 slots."""
    _fields_ = [
        ("struc_version", ctypes.c_int64),  # 1
        ("ett_error", ctypes.c_int64),  # 2
        ("check_month", ctypes.c_int64),  # 3
        ("check_day", ctypes.c_int64),  # 4
        ("check_year", ctypes.c_int64),  # 5
        ("reserved_6", ctypes.c_int64),  # 6
        ("ett_wages", ctypes.c_double),  # 7
        ("ytd_ett_wages", ctypes.c_double),  # 8
        ("ett_tax", ctypes.c_double),  # 9
    ]


class FutaRecord(ctypes.Structure):
    """FUTA_STRUC: 10 slots."""
    _fields_ = [
        ("struc_version", ctypes.c_int64),  # 1
        ("futa_error", ctypes.c_int64),  # 2
        ("check_month", ctypes.c_int64),  # 3
        ("check_day", ctypes.c_int64),  # 4
        ("check_year", ctypes.c_int64),  # 5
        ("reserved_6", ctypes.c_int64),  # 6
        ("futa_wages", ctypes.c_double),  # 7
        ("ytd_futa_wages", ctypes.c_double),  # 8
        ("futa_rate", ctypes.c_double),  # 9
        ("futa_tax", ctypes.c_double),  # 10
    ]


class WorkcompRecord(ctypes.Structure):
    """WORKCOMP_STRUC: 17 slots."""
    _fields_ = [
        ("struc_version", ctypes.c_int64),  # 1
        ("wc_error", ctypes.c_int64),  # 2
        ("check_month", ctypes.c_int64),  # 3
        ("check_day", ctypes.c_int64),  # 4
        ("check_year", ctypes.c_int64),  # 5
        ("state_code", ctypes.c_int64),  # 6
        ("wc_fixed_hours", ctypes.c_int64),  # 7
        ("wc_exempt", ctypes.c_int64),  # 8
        ("reserved_9", ctypes.c_int64),  # 9
        ("reserved_10", ctypes.c_int64),  # 10
        ("reserved_11", ctypes.c_int64),  # 11
        ("reserved_12", ctypes.c_int64),  # 12
        ("wc_hours", ctypes.c_double),  # 13
        ("wc_employee_rate", ctypes.c_double),  # 14
        ("wc_employer_rate", ctypes.c_double),  # 15
        ("wc_employee_tax", ctypes.c_double),  # 16
        ("wc_employer_tax", ctypes.c_double),  # 17
    ]


class TtRecord(ctypes.Structure):
    """TT_STRUC: 12 slots."""
    _fields_ = [
        ("struc_version", ctypes.c_int64),  # 1
        ("tt_error", ctypes.c_int64),  # 2
        ("check_month", ctypes.c_int64),  # 3
        ("check_day", ctypes.c_int64),  # 4
        ("check_year", ctypes.c_int64),  # 5
        ("reserved_6", ctypes.c_int64),  # 6
        ("tt_wages", ctypes.c_double),  # 7
        ("reserved_8", ctypes.c_int64),  # 8
        ("tt_rate", ctypes.c_double),  # 9
        ("reserved_10", ctypes.c_int64),  # 10
        ("tt_tax", ctypes.c_double),  # 11
        ("statewide_transit_tax", ctypes.c_double),  # 12
    ]


class StateOtherRecord(ctypes.Structure):
    """STATEOTHER_STRUC: 17 slots."""
    _fields_ = [
        ("struc_version", ctypes.c_int64),  # 1
        ("other_error", ctypes.c_int64),  # 2
        ("levy_kind", ctypes.c_int64),  # 3
        ("check_month", ctypes.c_int64),  # 4
        ("check_day", ctypes.c_int64),  # 5
        ("check_year", ctypes.c_int64),  # 6
        ("state_code", ctypes.c_int64),  # 7
        ("pay_periods", ctypes.c_int64),  # 8
        ("reserved_9", ctypes.c_int64),  # 9
        ("reserved_10", ctypes.c_int64),  # 10
        ("reserved_11", ctypes.c_int64),  # 11
        ("reserved_12", ctypes.c_int64),  # 12
        ("reserved_13", ctypes.c_int64),  # 13
        ("reserved_14", ctypes.c_int64),  # 14
        ("reserved_15", ctypes.c_int64),  # 15
        ("other_wages", ctypes.c_double),  # 16
        ("other_tax", ctypes.c_double),  # 17
    ]


class AeicRecord(ctypes.Structure):
    """AEIC_STRUC: 11 slots."""
    _fields_ = [
        ("struc_version", ctypes.c_int64),  # 1
        ("aeic_error", ctypes.c_int64),  # 2
        ("aeic_month", ctypes.c_int64),  # 3
        ("aeic_day", ctypes.c_int64),  # 4
        ("aeic_year", ctypes.c_int64),  # 5
        ("aeic_spouse_certificate", ctypes.c_int64),  # 6
        ("aeic_status", ctypes.c_int64),  # 7
        ("aeic_pay_periods", ctypes.c_int64),  # 8
        ("aeic_wages", ctypes.c_double),  # 9
        ("aeic_ytd_wages", ctypes.c_double),  # 10
        ("aeic_payment", ctypes.c_double),  # 11
    ]

assert ctypes.sizeof(MDate) == 24
assert ctypes.sizeof(FederalRecord) == 296
assert ctypes.sizeof(StateRecord) == 408
assert ctypes.sizeof(TableInfo) == 48
assert ctypes.sizeof(LocalRecord) == 232
assert ctypes.sizeof(TaxbodyInfo) == 72
assert ctypes.sizeof(SdiRecord) == 104
assert ctypes.sizeof(FamleaveRecord) == 112
assert ctypes.sizeof(SuiRecord) == 128
assert ctypes.sizeof(EttRecord) == 72
assert ctypes.sizeof(FutaRecord) == 80
assert ctypes.sizeof(WorkcompRecord) == 136
assert ctypes.sizeof(TtRecord) == 96
assert ctypes.sizeof(StateOtherRecord) == 136
assert ctypes.sizeof(AeicRecord) == 88
