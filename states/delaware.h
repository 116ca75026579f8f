// Delaware withholding table of states/delaware.cpp: the annual schedules
// (dewh, in the common 13-slot bracket row, whose allowance column Delaware
// leaves at 0). Delaware has no flat supplemental rate.
#ifndef TXL5_STATES_DELAWARE_H
#define TXL5_STATES_DELAWARE_H

#include "core/statecalc.h"
#include "core/txl5.h"

TXL5_EXPORT extern const StateBracketRow dewh[];

#endif  // TXL5_STATES_DELAWARE_H
