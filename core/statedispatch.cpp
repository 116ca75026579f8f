// State dispatch: state codes number the states, DC and the territories in
// alphabetical order of their names (1 Alabama ... 59 Wyoming).
#include "core/statedispatch.h"

namespace txl5 {
namespace {

using StateFunction = int64_t (*)(FEDERAL_WITHHOLDING_STRUC*, STATE_WITHHOLDING_STRUC*);

StateFunction state_function(int64_t state_code) {
    switch (state_code) {
        case 6: return state_ca;
        case 28: return state_mn;
        case 32: return state_ne;
        case 35: return state_nj;
        case 36: return state_nm;
        case 37: return state_ny;
        case 39: return state_nd;
        default: return nullptr;
    }
}

}  // namespace

StateKind state_kind(int64_t state_code) {
    switch (state_code) {
        // Alaska, Florida, Nevada, New Hampshire, South Dakota, Tennessee,
        // Texas, Washington and Wyoming tax no wages.
        case 2: case 12: case 33: case 34: case 49: case 50: case 51: case 56: case 59:
            return StateKind::NoIncomeTax;
        default:
            // States whose calculation is not in this build report the
            // unsupported-state result rather than a silent zero.
            return state_function(state_code) ? StateKind::Calculated : StateKind::Unsupported;
    }
}

int64_t run_state(int64_t, int64_t state_code, FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state) {
    StateFunction fn = state_function(state_code);
    return fn ? fn(fed, state) : 1;
}

}  // namespace txl5
