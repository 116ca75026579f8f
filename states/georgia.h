// Georgia withholding tables of states/georgia.cpp: the bracket rows with
// their deductions (gawh) and the supplemental rates by annualized taxable
// wages (supplemental_ga).
#ifndef TXL5_STATES_GEORGIA_H
#define TXL5_STATES_GEORGIA_H

#include "core/statecalc.h"
#include "core/txl5.h"

// gawh: one bracket of a schedule, with the deductions of the schedule's
// status and pay frequency. Ends at start month 0.
struct GaWhRow {
    MDATE start_date;
    MDATE end_date;
    int64_t status;       // 0 single, 2 head of household, 4 and 5 married filing jointly, 11 separately
    int64_t pay_periods;  // 1 = annual
    double std_deduction;
    double personal_allowance;   // per personal allowance (checks up to 2023)
    double dependent_allowance;  // per dependent or additional allowance
    double lower;
    double upper;  // 0 = no ceiling
    double base;
    double rate;
};
static_assert(sizeof(GaWhRow) == 15 * 8, "gawh rows have 15 slots");

TXL5_EXPORT extern const GaWhRow gawh[];
// supplemental_ga: the flat supplemental rate for annualized taxable wages in
// [lower, upper) (upper 0 = no ceiling). Ends at start month 0.
TXL5_EXPORT extern const GradedSupplementalRateRow supplemental_ga[];

#endif  // TXL5_STATES_GEORGIA_H
