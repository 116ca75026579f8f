// Kentucky withholding table of states/kentucky.cpp: the annual schedules
// (kywh), one flat rate on wages less the standard deduction.
#ifndef TXL5_STATES_KENTUCKY_H
#define TXL5_STATES_KENTUCKY_H

#include "core/txl5.h"

// One bracket of a Kentucky schedule: dates, status (0; not tested), the pay
// periods it is for (1 = annual), the standard deduction and the tax credit
// per exemption for a period of that frequency, then the bracket (lower
// inclusive, upper exclusive, upper 0 = no ceiling; base = tax at lower).
struct KentuckyBracketRow {
    MDATE start_date;
    MDATE end_date;
    int64_t status;
    int64_t pay_periods;
    double std_deduction;
    double exemption_credit;
    double lower;
    double upper;
    double base;
    double rate;
};
static_assert(sizeof(KentuckyBracketRow) == 14 * 8, "Kentucky bracket rows have 14 slots");

TXL5_EXPORT extern const KentuckyBracketRow kywh[];

#endif  // TXL5_STATES_KENTUCKY_H
