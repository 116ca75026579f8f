// What the robustness checks know about each caller record: its size, the
// slots that hold amounts (doubles), the slots of its date (which no call may
// leave changed) and the slots where a calculation reports failure.
// tests/reliability/test_record_shapes.cpp holds these lists against the
// committed record layouts, so a field added to a record cannot be missed here.
#ifndef TXL5_FUZZ_RECORDS_H
#define TXL5_FUZZ_RECORDS_H

#include <cstddef>
#include <cstdint>

#include "core/txl5.h"

namespace txl5_fuzz {

struct Slots {
    const size_t* offsets;
    size_t count;
};

struct RecordShape {
    const char* name;
    size_t size;
    Slots amounts;  // every double field
    Slots date;     // month, day, year (or none)
    Slots errors;   // failure codes written by the calculation (or none)
};

template <class Record>
struct Shape;

#define TXL5_SLOTS(name, ...) static constexpr size_t name##_offsets[] = {__VA_ARGS__};
#define TXL5_SLOT_LIST(name) Slots{name##_offsets, sizeof(name##_offsets) / sizeof(size_t)}
#define TXL5_EMPTY_LIST Slots{nullptr, 0}
#define TXL5_AT(type, field) offsetof(type, field)

template <>
struct Shape<FEDERAL_WITHHOLDING_STRUC> {
    using R = FEDERAL_WITHHOLDING_STRUC;
    TXL5_SLOTS(amounts, TXL5_AT(R, gross_wages), TXL5_AT(R, additional_fed_wh), TXL5_AT(R, fed_tax),
               TXL5_AT(R, reserved_1), TXL5_AT(R, fica_wages), TXL5_AT(R, ytd_fica_wages), TXL5_AT(R, fica_tax),
               TXL5_AT(R, reserved_2), TXL5_AT(R, ytd_medicare_wages), TXL5_AT(R, medicare_tax),
               TXL5_AT(R, supplemental_wages), TXL5_AT(R, ytd_supplemental_wages), TXL5_AT(R, reserved_3),
               TXL5_AT(R, supplemental_fed_tax), TXL5_AT(R, w4_dependents_credit), TXL5_AT(R, w4_other_income),
               TXL5_AT(R, w4_deductions), TXL5_AT(R, fed_marginal_rate))
    TXL5_SLOTS(date, TXL5_AT(R, check_month), TXL5_AT(R, check_day), TXL5_AT(R, check_year))
    TXL5_SLOTS(errors, TXL5_AT(R, fed_status))
    static RecordShape get() {
        return {"FEDERAL_WITHHOLDING_STRUC", sizeof(R), TXL5_SLOT_LIST(amounts), TXL5_SLOT_LIST(date),
                TXL5_SLOT_LIST(errors)};
    }
};

template <>
struct Shape<STATE_WITHHOLDING_STRUC> {
    using R = STATE_WITHHOLDING_STRUC;
    TXL5_SLOTS(amounts, TXL5_AT(R, state_wages), TXL5_AT(R, additional_state_wh), TXL5_AT(R, state_tax),
               TXL5_AT(R, state_percent), TXL5_AT(R, state_wh_reduction), TXL5_AT(R, state_exemption_amount),
               TXL5_AT(R, state_supplemental_wages), TXL5_AT(R, state_supplemental_tax),
               TXL5_AT(R, state_form_option), TXL5_AT(R, state_form_amount1), TXL5_AT(R, state_form_amount2),
               TXL5_AT(R, state_rate_used))
    TXL5_SLOTS(errors, TXL5_AT(R, state_error))
    static RecordShape get() {
        return {"STATE_WITHHOLDING_STRUC", sizeof(R), TXL5_SLOT_LIST(amounts), TXL5_EMPTY_LIST,
                TXL5_SLOT_LIST(errors)};
    }
};

template <>
struct Shape<LOCAL_WITHHOLDING_STRUC> {
    using R = LOCAL_WITHHOLDING_STRUC;
    TXL5_SLOTS(amounts, TXL5_AT(R, local_wages), TXL5_AT(R, additional_local_wh), TXL5_AT(R, local_tax),
               TXL5_AT(R, local_rate), TXL5_AT(R, local_max_tax), TXL5_AT(R, ytd_local_wages),
               TXL5_AT(R, local_exemption_amount), TXL5_AT(R, local_deduction), TXL5_AT(R, local_annual_flat_tax),
               TXL5_AT(R, second_local_tax), TXL5_AT(R, local_supplemental_wages), TXL5_AT(R, local_supplemental_tax),
               TXL5_AT(R, second_local_supplemental_tax))
    TXL5_SLOTS(errors, TXL5_AT(R, local_error))
    static RecordShape get() {
        return {"LOCAL_WITHHOLDING_STRUC", sizeof(R), TXL5_SLOT_LIST(amounts), TXL5_EMPTY_LIST,
                TXL5_SLOT_LIST(errors)};
    }
};

template <>
struct Shape<TXL5_TABLE_INFO> {
    using R = TXL5_TABLE_INFO;
    TXL5_SLOTS(amounts, TXL5_AT(R, info_value))
    TXL5_SLOTS(date, TXL5_AT(R, info_month), TXL5_AT(R, info_day), TXL5_AT(R, info_year))
    static RecordShape get() {
        return {"TXL5_TABLE_INFO", sizeof(R), TXL5_SLOT_LIST(amounts), TXL5_SLOT_LIST(date), TXL5_EMPTY_LIST};
    }
};

template <>
struct Shape<WITHHOLDING_TAXBODY_INFO> {
    static RecordShape get() {
        return {"WITHHOLDING_TAXBODY_INFO", sizeof(WITHHOLDING_TAXBODY_INFO), TXL5_EMPTY_LIST, TXL5_EMPTY_LIST,
                TXL5_EMPTY_LIST};
    }
};

template <>
struct Shape<MDATE> {
    static RecordShape get() { return {"MDATE", sizeof(MDATE), TXL5_EMPTY_LIST, TXL5_EMPTY_LIST, TXL5_EMPTY_LIST}; }
};

// The levy records: amounts, the check date in the usual three slots, and
// the record's error slot when it has one.
#define TXL5_LEVY_SHAPE(Record, error_field, ...)                                                           \
    template <>                                                                                             \
    struct Shape<Record> {                                                                                  \
        using R = Record;                                                                                   \
        TXL5_SLOTS(amounts, __VA_ARGS__)                                                                    \
        TXL5_SLOTS(date, TXL5_AT(R, check_month), TXL5_AT(R, check_day), TXL5_AT(R, check_year))            \
        TXL5_SLOTS(errors, TXL5_AT(R, error_field))                                                         \
        static RecordShape get() {                                                                          \
            return {#Record, sizeof(R), TXL5_SLOT_LIST(amounts), TXL5_SLOT_LIST(date), TXL5_SLOT_LIST(errors)}; \
        }                                                                                                   \
    };

TXL5_LEVY_SHAPE(SDI_STRUC, sdi_error, TXL5_AT(R, sdi_wages), TXL5_AT(R, ytd_sdi_wages), TXL5_AT(R, sdi_tax),
                TXL5_AT(R, sdi_rate), TXL5_AT(R, employer_sdi_rate), TXL5_AT(R, employer_sdi_tax))
TXL5_LEVY_SHAPE(SUI_STRUC, sui_error, TXL5_AT(R, sui_wages), TXL5_AT(R, ytd_sui_wages), TXL5_AT(R, sui_rate),
                TXL5_AT(R, sui_tax), TXL5_AT(R, employee_sui_rate), TXL5_AT(R, employee_sui_tax),
                TXL5_AT(R, sui_wage_base_used))
TXL5_LEVY_SHAPE(ETT_STRUC, ett_error, TXL5_AT(R, ett_wages), TXL5_AT(R, ytd_ett_wages), TXL5_AT(R, ett_tax))
TXL5_LEVY_SHAPE(FUTA_STRUC, futa_error, TXL5_AT(R, futa_wages), TXL5_AT(R, ytd_futa_wages), TXL5_AT(R, futa_rate),
                TXL5_AT(R, futa_tax))
TXL5_LEVY_SHAPE(WORKCOMP_STRUC, wc_error, TXL5_AT(R, wc_hours), TXL5_AT(R, wc_employee_rate),
                TXL5_AT(R, wc_employer_rate), TXL5_AT(R, wc_employee_tax), TXL5_AT(R, wc_employer_tax))
TXL5_LEVY_SHAPE(TT_STRUC, tt_error, TXL5_AT(R, tt_wages), TXL5_AT(R, tt_rate), TXL5_AT(R, tt_tax),
                TXL5_AT(R, statewide_transit_tax))
TXL5_LEVY_SHAPE(STATEOTHER_STRUC, other_error, TXL5_AT(R, other_wages), TXL5_AT(R, other_tax))

// Family leave reports no failure in its record; the advance earned income
// credit names its date fields differently.
template <>
struct Shape<FAMLEAVE_STRUC> {
    using R = FAMLEAVE_STRUC;
    TXL5_SLOTS(amounts, TXL5_AT(R, leave_wages), TXL5_AT(R, ytd_leave_wages), TXL5_AT(R, leave_employee_tax),
               TXL5_AT(R, leave_share), TXL5_AT(R, leave_employer_tax), TXL5_AT(R, leave_share_2),
               TXL5_AT(R, medical_employee_tax), TXL5_AT(R, medical_employer_tax))
    TXL5_SLOTS(date, TXL5_AT(R, check_month), TXL5_AT(R, check_day), TXL5_AT(R, check_year))
    static RecordShape get() {
        return {"FAMLEAVE_STRUC", sizeof(R), TXL5_SLOT_LIST(amounts), TXL5_SLOT_LIST(date), TXL5_EMPTY_LIST};
    }
};

template <>
struct Shape<AEIC_STRUC> {
    using R = AEIC_STRUC;
    TXL5_SLOTS(amounts, TXL5_AT(R, aeic_wages), TXL5_AT(R, aeic_ytd_wages), TXL5_AT(R, aeic_payment))
    TXL5_SLOTS(date, TXL5_AT(R, aeic_month), TXL5_AT(R, aeic_day), TXL5_AT(R, aeic_year))
    TXL5_SLOTS(errors, TXL5_AT(R, aeic_error))
    static RecordShape get() {
        return {"AEIC_STRUC", sizeof(R), TXL5_SLOT_LIST(amounts), TXL5_SLOT_LIST(date), TXL5_SLOT_LIST(errors)};
    }
};

#undef TXL5_LEVY_SHAPE
#undef TXL5_SLOTS
#undef TXL5_SLOT_LIST
#undef TXL5_EMPTY_LIST
#undef TXL5_AT

template <class Record>
RecordShape shape_of() {
    return Shape<Record>::get();
}

}  // namespace txl5_fuzz

#endif  // TXL5_FUZZ_RECORDS_H
