// Montana withholding tables of states/montana.cpp: the bracket schedules
// (mtwh, in the common 13-slot bracket row) and the flat supplemental rates
// (supplemental_mt).
#ifndef TXL5_STATES_MONTANA_H
#define TXL5_STATES_MONTANA_H

#include "core/statecalc.h"
#include "core/txl5.h"

TXL5_EXPORT extern const StateBracketRow mtwh[];
TXL5_EXPORT extern const SupplementalRateRow supplemental_mt[];

#endif  // TXL5_STATES_MONTANA_H
