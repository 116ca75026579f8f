// Kansas withholding tables of states/kansas.cpp: the per-frequency schedules
// (kswh, in the common 13-slot bracket row whose allowance column holds the
// exemption amount), the dependent amounts from 29 July 2024 (ksde) and the flat
// supplemental rates (supplemental_ks).
#ifndef TXL5_STATES_KANSAS_H
#define TXL5_STATES_KANSAS_H

#include "core/statecalc.h"
#include "core/txl5.h"

// ksde: the amount per dependent for a pay frequency. Ends at start month 0.
struct KsDependentRow {
    MDATE start_date;
    MDATE end_date;
    int64_t status;       // 0 in every row; not compared
    int64_t pay_periods;  // 1 = annual
    double dependent_amount;
};
static_assert(sizeof(KsDependentRow) == 9 * 8, "ksde rows have 9 slots");

TXL5_EXPORT extern const StateBracketRow kswh[];
TXL5_EXPORT extern const KsDependentRow ksde[];
TXL5_EXPORT extern const SupplementalRateRow supplemental_ks[];

#endif  // TXL5_STATES_KANSAS_H
