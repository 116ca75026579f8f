// Northern Mariana Islands withholding table of states/northernmi.cpp: the
// wage and salary tax by wage bracket (nmiwh, in the common 13-slot bracket
// row; the rate applies to all of the period's wages).
#ifndef TXL5_STATES_NORTHERNMI_H
#define TXL5_STATES_NORTHERNMI_H

#include "core/statecalc.h"
#include "core/txl5.h"

TXL5_EXPORT extern const StateBracketRow nmiwh[];

#endif  // TXL5_STATES_NORTHERNMI_H
