// New Jersey withholding table of states/newjersey.cpp: rate tables A to E
// (njwh, in the common 13-slot bracket row; status 0 = table A ... 4 = table E).
// New Jersey has no flat supplemental rate.
#ifndef TXL5_STATES_NEWJERSEY_H
#define TXL5_STATES_NEWJERSEY_H

#include "core/statecalc.h"
#include "core/txl5.h"

TXL5_EXPORT extern const StateBracketRow njwh[];

#endif  // TXL5_STATES_NEWJERSEY_H
