// Vermont withholding tables of states/vermont.cpp: the share of the federal
// income tax withheld that Vermont withheld until September 2001 (vtwh), the
// percentage-method schedules used since October 2001 (vtwh2, in the common
// 13-slot bracket row) and the flat supplemental rates graded by annual wages
// that applied before 2012 (supplemental_vt).
#ifndef TXL5_STATES_VERMONT_H
#define TXL5_STATES_VERMONT_H

#include "core/statecalc.h"
#include "core/txl5.h"

// Share of the federal income tax withheld, in force over a date range.
struct VermontFederalShareRow {
    MDATE start_date;
    MDATE end_date;
    double fed_pct;
};
static_assert(sizeof(VermontFederalShareRow) == 7 * 8, "vtwh rows have 7 slots");

TXL5_EXPORT extern const VermontFederalShareRow vtwh[];
TXL5_EXPORT extern const StateBracketRow vtwh2[];
TXL5_EXPORT extern const GradedSupplementalRateRow supplemental_vt[];

#endif  // TXL5_STATES_VERMONT_H
