// Mississippi withholding table of states/mississippi.cpp: the annual
// schedules by filing status with their standard deductions (mswh).
#ifndef TXL5_STATES_MISSISSIPPI_H
#define TXL5_STATES_MISSISSIPPI_H

#include "core/txl5.h"

// One bracket of an annual schedule: dates, status, pay periods (1 in every
// row, not matched), the annual standard deduction of the status, the value of
// one dependent exemption (1500, not read: the employee's certificate gives
// the total exemption), and the bracket.
struct MississippiBracketRow {
    MDATE start_date;
    MDATE end_date;
    int64_t status;
    int64_t pay_periods;
    double standard_deduction;
    double exemption_unit;
    double lower;
    double upper;
    double base;
    double rate;
};
static_assert(sizeof(MississippiBracketRow) == 14 * 8, "mswh rows have 14 slots");

TXL5_EXPORT extern const MississippiBracketRow mswh[];

#endif  // TXL5_STATES_MISSISSIPPI_H
