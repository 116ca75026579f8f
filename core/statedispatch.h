// The state calculation chosen by state_code.
#ifndef TXL5_CORE_STATEDISPATCH_H
#define TXL5_CORE_STATEDISPATCH_H

#include "core/txl5.h"

namespace txl5 {

enum class StateKind {
    NoIncomeTax,  // the state levies no income tax on wages: nothing to compute
    Calculated,   // a state calculation exists
    Unsupported,  // not a jurisdiction the library computes (state_error 3)
};

// state_error 3: the state code is not one the library computes, or the pay
// periods (federal, or the state's for a state with an income tax) are below 1.
constexpr int64_t kStateErrorUnsupported = 3;
constexpr int64_t kStateErrorPayPeriods = 3;

StateKind state_kind(int64_t state_code);

// Runs the state calculation of state_code (which must be Calculated) and
// returns its result.
int64_t run_state(int64_t call_type, int64_t state_code, FEDERAL_WITHHOLDING_STRUC* fed,
                  STATE_WITHHOLDING_STRUC* state);

}  // namespace txl5

#endif  // TXL5_CORE_STATEDISPATCH_H
