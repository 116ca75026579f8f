// Rhode Island withholding tables of states/rhodeisland.cpp: the bracket
// schedules (riwh, in the common 13-slot bracket row), the wage limits above
// which the exemptions are withdrawn (exemption_limit), the flat supplemental
// rates (supplemental_ri), and the limit test adjust_exemption.
#ifndef TXL5_STATES_RHODEISLAND_H
#define TXL5_STATES_RHODEISLAND_H

#include "core/statecalc.h"
#include "core/txl5.h"

// Wages of one period of `pay_periods` a year above which the deduction for
// exemptions is multiplied by `limit_factor` (nine 8-byte slots).
struct ExemptionLimitRow {
    MDATE start_date;
    MDATE end_date;
    int64_t pay_periods;  // 1 = annual
    double limit_wages;
    double limit_factor;  // 0 in every row: the exemptions are withdrawn
};
static_assert(sizeof(ExemptionLimitRow) == 9 * 8, "exemption_limit rows have 9 slots");

TXL5_EXPORT extern const StateBracketRow riwh[];
TXL5_EXPORT extern const ExemptionLimitRow exemption_limit[];
TXL5_EXPORT extern const SupplementalRateRow supplemental_ri[];

// The factor by which the exemption deduction of the paycheck is multiplied:
// 1.0, or the limit row's factor when the wages of the period exceed the
// limit in force for the pay frequency (tested on annual wages against the
// annual limit when the frequency has no row of its own). Exemptions are
// never withdrawn on checks dated 2010 or earlier. Without a record, 1.0.
TXL5_EXPORT double adjust_exemption(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);

#endif  // TXL5_STATES_RHODEISLAND_H
