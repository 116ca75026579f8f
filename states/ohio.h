// Ohio withholding tables of states/ohio.cpp: the schedules per pay frequency
// and annual (ohwh, in the common 13-slot bracket row, also read by the Ohio
// school district and municipal taxes) and the flat supplemental rates
// (supplemental_oh).
#ifndef TXL5_STATES_OHIO_H
#define TXL5_STATES_OHIO_H

#include "core/statecalc.h"
#include "core/txl5.h"

TXL5_EXPORT extern const StateBracketRow ohwh[];
TXL5_EXPORT extern const SupplementalRateRow supplemental_oh[];

#endif  // TXL5_STATES_OHIO_H
