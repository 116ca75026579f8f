// Minnesota withholding tables of states/minnesota.cpp: the annual schedules
// (mnwh, in the common 13-slot bracket row) and the flat supplemental rates
// (supplemental_mn).
#ifndef TXL5_STATES_MINNESOTA_H
#define TXL5_STATES_MINNESOTA_H

#include "core/statecalc.h"
#include "core/txl5.h"

TXL5_EXPORT extern const StateBracketRow mnwh[];
TXL5_EXPORT extern const SupplementalRateRow supplemental_mn[];

#endif  // TXL5_STATES_MINNESOTA_H
