// North Dakota withholding tables of states/northdakota.cpp: the
// percentage-method schedules (ndwh, in the common 13-slot bracket row) and
// the flat supplemental rates (supplemental_nd).
#ifndef TXL5_STATES_NORTHDAKOTA_H
#define TXL5_STATES_NORTHDAKOTA_H

#include "core/statecalc.h"
#include "core/txl5.h"

TXL5_EXPORT extern const StateBracketRow ndwh[];
TXL5_EXPORT extern const SupplementalRateRow supplemental_nd[];

#endif  // TXL5_STATES_NORTHDAKOTA_H
