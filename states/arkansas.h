// Arkansas withholding tables of states/arkansas.cpp: the annual formula rows
// (arwh) and the flat supplemental rates (supplemental_ar).
#ifndef TXL5_STATES_ARKANSAS_H
#define TXL5_STATES_ARKANSAS_H

#include "core/statecalc.h"
#include "core/txl5.h"

// arwh: one bracket of Arkansas's withholding formula, with the standard
// deduction, the personal tax credit per exemption and the mid-range limit of
// its edition. Ends at start month 0.
struct ArkansasBracketRow {
    MDATE start_date;
    MDATE end_date;
    int64_t status;       // 0 (one schedule for every employee since 2021)
    int64_t pay_periods;  // 1 = annual
    double std_deduction;
    double credit_1998;       // subtracted from the tax in 1998 only
    double exemption_credit;  // tax credit per exemption
    double midpoint_limit;    // below it taxable wages go to the middle of their 100-dollar band
    double lower;
    double upper;       // 0 = no ceiling
    double adjustment;  // subtracted from rate x taxable (from 2015); the base before
    double rate;
};
static_assert(sizeof(ArkansasBracketRow) == 16 * 8, "arwh rows have 16 slots");

TXL5_EXPORT extern const ArkansasBracketRow arwh[];
TXL5_EXPORT extern const SupplementalRateRow supplemental_ar[];

#endif  // TXL5_STATES_ARKANSAS_H
