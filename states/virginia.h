// Virginia withholding tables of states/virginia.cpp: the annual schedule with
// its standard deduction and exemption amounts (vawh) and the flat
// supplemental rate (supplemental_va).
#ifndef TXL5_STATES_VIRGINIA_H
#define TXL5_STATES_VIRGINIA_H

#include "core/statecalc.h"
#include "core/txl5.h"

// One bracket of the annual schedule, one schedule for all filers: dates,
// status and pay periods (0 and 1 in every row, not read), the standard
// deduction, the value of one personal exemption and of one further (age 65
// or blind) exemption, and the bracket.
struct VirginiaBracketRow {
    MDATE start_date;
    MDATE end_date;
    int64_t status;
    int64_t pay_periods;
    double std_deduction;
    double exemption_amount;
    double exemption2_amount;
    double lower;
    double upper;
    double base;
    double rate;
};
static_assert(sizeof(VirginiaBracketRow) == 15 * 8, "vawh rows have 15 slots");

TXL5_EXPORT extern const VirginiaBracketRow vawh[];
TXL5_EXPORT extern const SupplementalRateRow supplemental_va[];

#endif  // TXL5_STATES_VIRGINIA_H
