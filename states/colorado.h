// Colorado withholding tables of states/colorado.cpp: the flat-rate table of
// the annual withholding allowance (cowh2020), the schedules of the
// certificates before 2022 (cowh), their allowance deduction (allow) and the
// flat supplemental rates (supplemental_co).
#ifndef TXL5_STATES_COLORADO_H
#define TXL5_STATES_COLORADO_H

#include <cstddef>
#include <cstdint>

#include "core/statecalc.h"
#include "core/txl5.h"

// allow: the deduction for a number of withholding allowances on a pay
// frequency. Ends at pay_periods 0.
struct CoAllowanceRow {
    MDATE start_date;
    MDATE end_date;
    int32_t pay_periods;      // 1 = annual
    int32_t allowance_count;  // 0 to 10
    double allowance_amount;  // deduction per period for that many allowances
};
static_assert(sizeof(CoAllowanceRow) == 64, "allow rows: dates, two int32, a double");
static_assert(offsetof(CoAllowanceRow, allowance_count) == 52, "allow allowance_count");

// cowh2020 holds the annual standard withholding allowance in the allowance
// column; cowh holds the per-allowance exemption of 1998-2000 there (not read).
TXL5_EXPORT extern const StateBracketRow cowh2020[];
TXL5_EXPORT extern const StateBracketRow cowh[];
TXL5_EXPORT extern const CoAllowanceRow allow[];
TXL5_EXPORT extern const SupplementalRateRow supplemental_co[];

#endif  // TXL5_STATES_COLORADO_H
