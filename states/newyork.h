// New York State withholding tables: the bracket schedules `nywh`, the
// high-income schedule `method3annualt` and the flat supplemental rate
// `supplemental_ny`. The Yonkers resident surcharge taxes local wages on the
// same `nywh` schedules, so the row layout below is shared with it.
#ifndef TXL5_STATES_NEWYORK_H
#define TXL5_STATES_NEWYORK_H

#include "core/statecalc.h"
#include "core/txl5.h"

// One bracket of one New York schedule (fourteen 8-byte slots). The deduction
// columns are amounts for one pay period of the row's frequency.
//
// Taxable wages for a period = wages - std_deduction - allowance_amount x
// allowances, floored at 0; tax = base + rate x (taxable - lower) for the
// bracket with lower <= taxable < upper. The top bracket of every schedule
// carries base -1 instead of a tax: its wages are taxed on the high-income
// schedule `method3annualt` (see ny_top_bracket).
struct NyWhRow {
    MDATE start_date;
    MDATE end_date;
    int64_t status;           // 0 single (every filing status other than married), 1 married
    int64_t pay_periods;      // 52, 26, 24, 12, or 1 for the annual schedule
    double std_deduction;     // standard deduction for one period
    double allowance_amount;  // deduction per allowance for one period
    double lower;             // bracket floor, inclusive
    double upper;             // bracket ceiling, exclusive; 0 = none
    double base;              // tax on wages up to lower; negative (-1) marks the top bracket
    double rate;              // marginal rate (0.054 = 5.4 %)
};
static_assert(sizeof(NyWhRow) == 14 * 8, "nywh rows have 14 slots");

// True for the top bracket of a schedule, whose wages go to the high-income
// schedule rather than the bracket formula.
inline bool ny_top_bracket(const NyWhRow& row) { return row.base < 0.0; }

// Per year (2026, 2025, 2024, newest first) and status (single, then married):
// the weekly, biweekly, semimonthly, monthly and annual schedules, eleven
// brackets each for single and thirteen for married (120 rows a year); then the
// end row (start month 0). The per-period schedules are the state's conversions
// of the annual one (tools/gen_newyork.py).
TXL5_EXPORT extern const NyWhRow nywh[];

// High-income schedule, in the layout of nywh: a whole annual taxable wage A is
// taxed at the `rate` of the first row in force for the status with A < upper
// (or upper 0). Only the dates, status, upper and rate are read; pay_periods is
// 1, the deductions and base are 0, and lower shows the floor of the band.
// Per year and status the bands ascend by upper, the last with upper 0.
TXL5_EXPORT extern const NyWhRow method3annualt[];

// Flat rate for supplemental wages.
TXL5_EXPORT extern const SupplementalRateRow supplemental_ny[];

#endif  // TXL5_STATES_NEWYORK_H
