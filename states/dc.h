// District of Columbia withholding table of states/dc.cpp: the annual schedules
// (dcwh, in the common 13-slot bracket row). The District has no flat
// supplemental rate.
#ifndef TXL5_STATES_DC_H
#define TXL5_STATES_DC_H

#include "core/statecalc.h"
#include "core/txl5.h"

TXL5_EXPORT extern const StateBracketRow dcwh[];

#endif  // TXL5_STATES_DC_H
