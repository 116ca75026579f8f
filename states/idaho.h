// Idaho withholding tables of states/idaho.cpp: the schedules per pay
// frequency (idwh, in the common 13-slot bracket row) and the flat
// supplemental rates (supplemental_id).
#ifndef TXL5_STATES_IDAHO_H
#define TXL5_STATES_IDAHO_H

#include "core/statecalc.h"
#include "core/txl5.h"

TXL5_EXPORT extern const StateBracketRow idwh[];
TXL5_EXPORT extern const SupplementalRateRow supplemental_id[];

#endif  // TXL5_STATES_IDAHO_H
