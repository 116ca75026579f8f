// State dispatch: state codes number the states, DC and the territories in
// alphabetical order of their names (1 Alabama ... 59 Wyoming).
#include "core/statedispatch.h"

#include "core/statecodes.h"

namespace txl5 {
namespace {

using StateFunction = int64_t (*)(FEDERAL_WITHHOLDING_STRUC*, STATE_WITHHOLDING_STRUC*);

// Every state calculation but the Virgin Islands' (which also receives the
// driver's call type: see run_state).
StateFunction state_function(int64_t state_code) {
    switch (state_code) {
        case kCalifornia: return state_ca;
        case kMinnesota: return state_mn;
        case kMississippi: return state_ms;
        case kNebraska: return state_ne;
        case kNewJersey: return state_nj;
        case kNewMexico: return state_nm;
        case kNewYork: return state_ny;
        case kNorthCarolina: return state_nc;
        case kNorthDakota: return state_nd;
        case kVermont: return state_vt;
        case kVirginia: return state_va;
        case kWestVirginia: return state_wv;
        case kWisconsin: return state_wi;
        default: return nullptr;
    }
}

}  // namespace

StateKind state_kind(int64_t state_code) {
    switch (state_code) {
        // Alaska, Florida, Nevada, New Hampshire, South Dakota, Tennessee,
        // Texas, Washington and Wyoming tax no wages.
        case kAlaska: case kFlorida: case kNevada: case kNewHampshire: case kSouthDakota:
        case kTennessee: case kTexas: case kWashington: case kWyoming:
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
