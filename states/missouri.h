// Missouri withholding tables of states/missouri.cpp: the annual schedules
// (mowh) and the flat supplemental rates (supplemental_mo).
#ifndef TXL5_STATES_MISSOURI_H
#define TXL5_STATES_MISSOURI_H

#include "core/statecalc.h"
#include "core/txl5.h"

// One bracket of one Missouri annual schedule (sixteen 8-byte slots). The
// deduction columns are annual amounts.
struct MissouriBracketRow {
    MDATE start_date;
    MDATE end_date;
    int64_t status;             // 0 single, 1 married (spouse not working), 2 head of household,
                                // 3 married (both working), 5 married filing separately
    int64_t pay_periods;        // 1 (annual) in every row held
    double fed_tax_cap;         // largest deduction for the federal tax withheld
    double std_deduction;       // standard deduction
    double allowance_amount1;   // per first-tier allowance
    double allowance_amount2;   // per further allowance
    double lower;               // bracket floor
    double upper;               // bracket ceiling; 0 = none
    double base;                // tax on wages up to lower
    double rate;                // marginal rate
};
static_assert(sizeof(MissouriBracketRow) == 16 * 8, "mowh rows have 16 slots");

TXL5_EXPORT extern const MissouriBracketRow mowh[];
TXL5_EXPORT extern const SupplementalRateRow supplemental_mo[];

#endif  // TXL5_STATES_MISSOURI_H
