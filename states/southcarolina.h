// South Carolina withholding tables of states/southcarolina.cpp: the bracket
// schedules (scwh) and the flat supplemental rates (supplemental_sc).
#ifndef TXL5_STATES_SOUTHCAROLINA_H
#define TXL5_STATES_SOUTHCAROLINA_H

#include "core/statecalc.h"
#include "core/txl5.h"

// One bracket of one South Carolina schedule (fifteen 8-byte slots). The
// deduction columns are amounts for one period of the row's frequency.
struct SouthCarolinaBracketRow {
    MDATE start_date;
    MDATE end_date;
    int64_t status;                   // 0 in every row: one schedule for every filing status
    int64_t pay_periods;              // 1 = annual
    double allowance_amount;          // deduction per allowance
    double zero_allowance_deduction;  // standard deduction when no allowance is claimed
    double std_max;                   // cap on the standard deduction of 10 % of wages
    double lower;                     // bracket floor, inclusive
    double upper;                     // bracket ceiling, exclusive; 0 = none
    double base;                      // tax on wages up to lower
    double rate;                      // marginal rate
};
static_assert(sizeof(SouthCarolinaBracketRow) == 15 * 8, "scwh rows have 15 slots");

TXL5_EXPORT extern const SouthCarolinaBracketRow scwh[];
TXL5_EXPORT extern const SupplementalRateRow supplemental_sc[];

#endif  // TXL5_STATES_SOUTHCAROLINA_H
