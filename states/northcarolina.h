// North Carolina withholding tables of states/northcarolina.cpp: the annual
// flat-rate schedules by filing status with their standard deductions and
// allowance values (ncwh) and the flat supplemental rate (supplemental_nc).
#ifndef TXL5_STATES_NORTHCAROLINA_H
#define TXL5_STATES_NORTHCAROLINA_H

#include "core/statecalc.h"
#include "core/txl5.h"

// One bracket of an annual schedule: dates, status, pay periods (1 in every
// row, not matched), the annual standard deduction, the value of one
// allowance at or below the annual-wage threshold (or always, when the
// threshold is 0) and above it, the threshold, and the bracket.
struct NorthCarolinaBracketRow {
    MDATE start_date;
    MDATE end_date;
    int64_t status;
    int64_t pay_periods;
    double standard_deduction;
    double allowance_low;
    double allowance_high;
    double allowance_threshold;
    double lower;
    double upper;
    double base;
    double rate;
};
static_assert(sizeof(NorthCarolinaBracketRow) == 16 * 8, "ncwh rows have 16 slots");

TXL5_EXPORT extern const NorthCarolinaBracketRow ncwh[];
TXL5_EXPORT extern const SupplementalRateRow supplemental_nc[];

#endif  // TXL5_STATES_NORTHCAROLINA_H
