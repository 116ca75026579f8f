// Illinois withholding table of states/illinois.cpp (ilwh).
#ifndef TXL5_STATES_ILLINOIS_H
#define TXL5_STATES_ILLINOIS_H

#include "core/statecalc.h"
#include "core/txl5.h"

// One Illinois bracket: dates, status (0; Illinois has one schedule), the pay
// periods it is for (1 = annual), the exemption per basic allowance (Form
// IL-W-4, Line 1) and per additional allowance (Line 2), then the bracket
// (lower inclusive, upper exclusive, upper 0 = no ceiling, base, rate).
struct IllinoisBracketRow {
    MDATE start_date;
    MDATE end_date;
    int64_t status;
    int64_t pay_periods;
    double allowance_amount;
    double additional_amount;
    double lower;
    double upper;
    double base;
    double rate;
};
static_assert(sizeof(IllinoisBracketRow) == 14 * 8, "Illinois bracket rows have 14 slots");

TXL5_EXPORT extern const IllinoisBracketRow ilwh[];

#endif  // TXL5_STATES_ILLINOIS_H
