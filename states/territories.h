// What Guam, the Virgin Islands and the Northern Mariana Islands share: their
// income tax is a mirror of the federal income tax. The employer withholds the
// federal amount and pays it to the territory, so the calculation recomputes
// the federal income tax for the check date and moves it from the federal
// record to the state record.
#ifndef TXL5_STATES_TERRITORIES_H
#define TXL5_STATES_TERRITORIES_H

#include <cmath>

#include "core/statecalc.h"
#include "core/txl5.h"
#include "core/versions.h"

namespace txl5 {

// The federal calculation's call type for the employee's own taxes.
constexpr int64_t kTerritoryFederalCallType = 0;

// Recomputes the federal income tax, social security and Medicare for the
// check date in the record (on the driver's retry, the previous year). A
// failed lookup (a check dated after the newest federal rows), or a tax that
// is not a finite amount, is the territory's own failure: the federal record
// is put back as it was found, fed_status included, so that the driver's
// retry recomputes with the previous year's rows instead of the territory
// taking the federal extra withholding alone for its tax.
inline bool recompute_federal_income_tax(FEDERAL_WITHHOLDING_STRUC* fed) {
    const FEDERAL_WITHHOLDING_STRUC found = *fed;
    const bool supplemental_fields = fed->struc_version > kFedSupplementalVersion;
    if (TXL5_Federal_Calc(kTerritoryFederalCallType, fed) == 0 && std::isfinite(fed->fed_tax) &&
        (!supplemental_fields || std::isfinite(fed->supplemental_fed_tax))) {
        return true;
    }
    *fed = found;
    return false;
}

// The federal tax on supplemental wages, computed earlier in the driver's pass,
// becomes the territory's. Each record's supplemental field is used only when
// its layout carries it: without the federal field there is no supplemental
// tax (0 for the territory); with a state layout that has no supplemental
// field the tax stays in the federal record rather than vanish.
inline void move_supplemental_tax(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state) {
    if (!supplemental_due(*state)) return;
    if (fed->struc_version > kFedSupplementalVersion) {
        state->state_supplemental_tax = fed->supplemental_fed_tax;
        fed->supplemental_fed_tax = 0.0;
    } else {
        state->state_supplemental_tax = 0.0;
    }
}

// Guam and the Virgin Islands: the territory's tax is the federal income tax
// (extra federal withholding included), and no federal income tax is left.
inline int64_t mirror_federal_income_tax(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state) {
    if (!fed || !state) return kStateNoRow;
    if (!recompute_federal_income_tax(fed)) return fail_no_row(state);
    state->state_tax = fed->fed_tax;
    move_supplemental_tax(fed, state);
    fed->fed_tax = 0.0;
    return 0;
}

}  // namespace txl5

#endif  // TXL5_STATES_TERRITORIES_H
