// Hawaii withholding table of states/hawaii.cpp: the annual schedules (hiwh).
// Hawaii has no flat supplemental rate.
#ifndef TXL5_STATES_HAWAII_H
#define TXL5_STATES_HAWAII_H

#include "core/txl5.h"

// hiwh: one bracket of a schedule, with the exemption per allowance and a
// further fixed deduction. Brackets exclude their floor (but a floor of 0) and
// include their ceiling. Ends at start month 0.
struct HawaiiBracketRow {
    MDATE start_date;
    MDATE end_date;
    int64_t status;       // 0 single, 1 married
    int64_t pay_periods;  // 1 = annual
    double allowance_amount;
    double deduction;
    double lower;
    double upper;  // 0 = no ceiling
    double base;   // tax at lower, in whole dollars as printed
    double rate;
};
static_assert(sizeof(HawaiiBracketRow) == 14 * 8, "hiwh rows have 14 slots");

TXL5_EXPORT extern const HawaiiBracketRow hiwh[];

#endif  // TXL5_STATES_HAWAII_H
