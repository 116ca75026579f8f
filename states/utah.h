// Utah withholding tables of states/utah.cpp: the flat-rate schedules of 2008
// and later (utwh2008) and the bracket table of the earlier years (utwh, in
// the common 13-slot bracket row), which holds only its end row.
#ifndef TXL5_STATES_UTAH_H
#define TXL5_STATES_UTAH_H

#include "core/statecalc.h"
#include "core/txl5.h"

// The flat-rate schedule of one status and pay frequency over a date range
// (thirteen 8-byte slots). The credit columns are amounts for one period of
// the row's frequency.
struct UtahFlatRateRow {
    MDATE start_date;
    MDATE end_date;
    int64_t status;                 // 0 single, 1 married
    int64_t pay_periods;            // 1 = annual
    double flat_rate;               // rate on all wages
    double allowance_credit;        // credit per allowance (0 from 2018)
    double base_credit;             // credit of the period
    double credit_threshold;        // wages above which the credit shrinks
    double credit_reduction_rate;   // share of the wages above the threshold taken off the credit
};
static_assert(sizeof(UtahFlatRateRow) == 13 * 8, "utwh2008 rows have 13 slots");

TXL5_EXPORT extern const UtahFlatRateRow utwh2008[];
TXL5_EXPORT extern const StateBracketRow utwh[];

#endif  // TXL5_STATES_UTAH_H
