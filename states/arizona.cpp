// Arizona income tax withholding: the employee elects on Form A-4 a
// percentage, and the employer withholds that percentage of the period's
// gross taxable wages (from July 2010) or, in earlier years, of the federal
// income tax withheld. Supplemental wages are withheld at the same percentage
// of the federal supplemental wages or tax. Arizona has no table: the form
// sets the percentage, so nothing here depends on a bracket row and the
// table-date fields are left as they are.
//
// Publications: Arizona Form A-4, Employee's Arizona Withholding Election
// (2024, 2025 and 2026: 0.5 % to 3.5 % of gross taxable wages); earlier
// editions of Form A-4 (percentages of federal withholding before July 2010).
#include <cmath>

#include "core/numeric.h"
#include "core/statecalc.h"

namespace {

// The elected percentage is given in percent (2.7 for 2.7 %).
constexpr double kPercent = 100.0;
// state_error and result of a percentage not on the form.
constexpr int64_t kStateErrorBadPercentage = 2;
constexpr int64_t kBadPercentageResult = 8;
// 2003 only: at least 60 dollars a year was withheld.
constexpr double kAnnualMinimum2003 = 60.0;

enum class Era {
    // From July 2010: a percentage of gross taxable wages.
    Wages,
    // 2003 to June 2010: a percentage of the federal income tax withheld.
    FederalTax,
    // Before 2003: a percentage of the federal tax, from a short list.
    FederalTaxListed,
};

Era era_of(const FEDERAL_WITHHOLDING_STRUC& fed) {
    if (fed.check_year > 2010 || (fed.check_year == 2010 && fed.check_month > 6)) return Era::Wages;
    if (fed.check_year >= 2003) return Era::FederalTax;
    return Era::FederalTaxListed;
}

// Before 2003 Form A-4 offered whole percentages of the federal withholding.
// For 2002 the state raised each lower choice to the next one on the list
// (10 to 11, 17 to 18, 20 to 21, 22 to 23, 28 to 29, 32 to 34). Returns the
// percentage withheld in 2002 for an elected one, or -1 when the elected
// percentage was never on the form.
int64_t percentage_for_2002(int64_t elected) {
    switch (elected) {
        case 0: return 0;
        case 10: case 11: return 11;
        case 17: case 18: return 18;
        case 20: case 21: return 21;
        case 22: case 23: return 23;
        case 28: case 29: return 29;
        case 32: case 34: return 34;
        default: return -1;
    }
}

int64_t bad_percentage(STATE_WITHHOLDING_STRUC* state) {
    state->state_error = kStateErrorBadPercentage;
    return kBadPercentageResult;
}

}  // namespace

int64_t state_az(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state) {
    if (!fed || !state) return 1;
    // A percentage that is not a number is no election on the form.
    if (!std::isfinite(state->state_percent)) return bad_percentage(state);
    const double pct = state->state_percent / kPercent;
    const bool supplemental_due = txl5::supplemental_due(*state);
    // The federal supplemental amounts exist only in a federal record that
    // carries them; an older layout has no supplemental wages or tax.
    const bool federal_supplemental = fed->struc_version > txl5::kFedSupplementalVersion;
    const double federal_supplemental_wages = federal_supplemental ? fed->supplemental_wages : 0.0;
    const double federal_supplemental_tax = federal_supplemental ? fed->supplemental_fed_tax : 0.0;

    int64_t result = 0;
    switch (era_of(*fed)) {
        case Era::Wages:
            result |= txl5::store_finite_tax(state, &state->state_tax, pct * state->state_wages);
            state->state_rate_used = pct;
            if (supplemental_due) {
                result |=
                    txl5::store_finite_tax(state, &state->state_supplemental_tax, pct * federal_supplemental_wages);
            }
            break;
        case Era::FederalTax: {
            double tax = pct * fed->fed_tax;
            // 2003: an annual minimum of 60 dollars, spread over the pay periods.
            const int64_t periods = state->state_pay_periods;
            if (fed->check_year == 2003 && periods > 0 && tax * static_cast<double>(periods) < kAnnualMinimum2003) {
                tax = kAnnualMinimum2003 / static_cast<double>(periods);
            }
            result |= txl5::store_finite_tax(state, &state->state_tax, tax);
            if (supplemental_due) {
                result |= txl5::store_finite_tax(state, &state->state_supplemental_tax, pct * federal_supplemental_tax);
            }
            break;
        }
        case Era::FederalTaxListed: {
            const int64_t elected = txl5::checked_to_int64(state->state_percent);
            const int64_t raised = percentage_for_2002(elected);
            if (raised < 0) return bad_percentage(state);
            const double rate = fed->check_year == 2002 ? static_cast<double>(raised) / kPercent : pct;
            result |= txl5::store_finite_tax(state, &state->state_tax, rate * fed->fed_tax);
            break;
        }
    }
    // No rounding here: the driver rounds state_tax to cents.
    return result;
}
