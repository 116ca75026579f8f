// West Virginia withholding tables of states/westvirginia.cpp: the
// percentage-method schedules of one earner and of two earners (wvwh, in the
// common 13-slot bracket row) and the flat supplemental rates graded by annual
// taxable wages (supplemental_wv).
#ifndef TXL5_STATES_WESTVIRGINIA_H
#define TXL5_STATES_WESTVIRGINIA_H

#include "core/statecalc.h"
#include "core/txl5.h"

TXL5_EXPORT extern const StateBracketRow wvwh[];
TXL5_EXPORT extern const GradedSupplementalRateRow supplemental_wv[];

#endif  // TXL5_STATES_WESTVIRGINIA_H
