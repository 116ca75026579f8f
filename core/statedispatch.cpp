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
        case kAlabama: return state_al;
        case kArizona: return state_az;
        case kArkansas: return state_ar;
        case kCalifornia: return state_ca;
        case kColorado: return state_co;
        case kConnecticut: return state_ct;
        case kDelaware: return state_de;
        case kDistrictOfColumbia: return state_dc;
        case kGeorgia: return state_ga;
        case kGuam: return state_guam;
        case kHawaii: return state_hi;
        case kIdaho: return state_id;
        case kIllinois: return state_il;
        case kIndiana: return state_in;
        case kIowa: return state_ia;
        case kKansas: return state_ks;
        case kKentucky: return state_ky;
        case kLouisiana: return state_la;
        case kMaine: return state_me;
        case kMaryland: return state_md;
        case kMassachusetts: return state_ma;
        case kMichigan: return state_mi;
        case kMinnesota: return state_mn;
        case kMississippi: return state_ms;
        case kMissouri: return state_mo;
        case kMontana: return state_mt;
        case kNebraska: return state_ne;
        case kNewJersey: return state_nj;
        case kNewMexico: return state_nm;
        case kNewYork: return state_ny;
        case kNorthCarolina: return state_nc;
        case kNorthDakota: return state_nd;
        case kNorthernMarianaIslands: return state_nmi;
        case kOhio: return state_oh;
        case kOklahoma: return state_ok;
        case kOregon: return state_or;
        case kPennsylvania: return state_pa;
        case kPuertoRico: return state_pr;
        case kRhodeIsland: return state_ri;
        case kSouthCarolina: return state_sc;
        case kUtah: return state_ut;
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
            return state_function(state_code) || state_code == kVirginIslands ? StateKind::Calculated
                                                                              : StateKind::Unsupported;
    }
}

int64_t run_state(int64_t call_type, int64_t state_code, FEDERAL_WITHHOLDING_STRUC* fed,
                  STATE_WITHHOLDING_STRUC* state) {
    if (state_code == kVirginIslands) return state_virginislands(call_type, fed, state);
    StateFunction fn = state_function(state_code);
    return fn ? fn(fed, state) : 1;
}

}  // namespace txl5
