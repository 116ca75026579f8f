// Wisconsin withholding tables of states/wisconsin.cpp: the standard
// deduction that shrinks as annual wages rise (wideduction), the annual
// schedules (wiwh) and the flat supplemental rates graded by annual wages
// (supplemental_wi).
#ifndef TXL5_STATES_WISCONSIN_H
#define TXL5_STATES_WISCONSIN_H

#include "core/statecalc.h"
#include "core/txl5.h"

// One band of the standard deduction of a status: it applies to annual wages
// below `wage_ceiling` (0 marks the band above the last ceiling, which has no
// deduction); with a phase-out rate the deduction falls by that rate times
// the wages above the previous band's ceiling.
struct WisconsinDeductionRow {
    MDATE start_date;
    MDATE end_date;
    int64_t status;
    double wage_ceiling;
    double deduction_amount;
    double phaseout_rate;
};
static_assert(sizeof(WisconsinDeductionRow) == 10 * 8, "wideduction rows have 10 slots");

// One bracket of an annual schedule: dates, status, pay periods (1), two
// amounts no calculation reads, the value of one exemption, and the bracket.
struct WisconsinBracketRow {
    MDATE start_date;
    MDATE end_date;
    int64_t status;
    int64_t pay_periods;
    double unused_1;
    double unused_2;
    double allowance_amount;
    double lower;
    double upper;
    double base;
    double rate;
};
static_assert(sizeof(WisconsinBracketRow) == 15 * 8, "wiwh rows have 15 slots");

TXL5_EXPORT extern const WisconsinDeductionRow wideduction[];
TXL5_EXPORT extern const WisconsinBracketRow wiwh[];
TXL5_EXPORT extern const GradedSupplementalRateRow supplemental_wi[];

#endif  // TXL5_STATES_WISCONSIN_H
