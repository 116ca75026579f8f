// Nebraska withholding tables of states/nebraska.cpp: the percentage-method
// schedules (newh, in the common 13-slot bracket row) and the flat
// supplemental rates (supplemental_nb).
#ifndef TXL5_STATES_NEBRASKA_H
#define TXL5_STATES_NEBRASKA_H

#include "core/statecalc.h"
#include "core/txl5.h"

TXL5_EXPORT extern const StateBracketRow newh[];
TXL5_EXPORT extern const SupplementalRateRow supplemental_nb[];

#endif  // TXL5_STATES_NEBRASKA_H
