// Pennsylvania personal income tax withholding: one flat rate on all
// compensation, with no allowances, deductions or filing status, so the tax is
// the wages of the period times the rate. Supplemental wages are taxed at the
// same rate whatever method the employer uses for federal purposes. The rate
// is fixed by law (72 P.S. § 7302), so it is a constant switched by the check
// year rather than a table.
//
// Publications: Pennsylvania Department of Revenue, Employer Withholding
// Information Guide (REV-415), 2024, 2025 and 2026 editions (3.07 %, in force
// since 1 January 2004, when it replaced the 2.8 % rate of the years before).
//
// Local earned income and services taxes are computed in local/pennsylvania.cpp.
#include <cmath>

#include "core/statecalc.h"
#include "core/txl5.h"

namespace {

// Tax years up to 2003: 2.8 %.
constexpr double kRateThrough2003 = 0.028;
constexpr int64_t kLastYearAtOldRate = 2003;
// From 1 January 2004: 3.07 %.
constexpr double kRate = 0.0307;

}  // namespace

int64_t state_pa(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state) {
    if (!fed || !state) return txl5::kStateNoRow;

    // Before 2004 the old rate applies to the regular wages alone; the rate
    // used and the supplemental tax are left as the caller had them.
    const bool old_rate = fed->check_year <= kLastYearAtOldRate;
    const double rate = old_rate ? kRateThrough2003 : kRate;

    // Wages that give no finite tax (infinite, or not a number) are no wages
    // the rate can apply to: the call fails rather than store such a tax.
    // Negative wages (a correction) give a negative tax, as the flat rate does.
    const double tax = state->state_wages * rate;
    if (!std::isfinite(tax)) return txl5::fail_no_row(state);
    state->state_tax = tax;
    if (old_rate) return 0;

    state->state_rate_used = rate;
    if (!txl5::supplemental_due(*state)) return 0;
    // The supplemental tax is kept to the full precision of the rate: the
    // employer rounds it with the rest of the paycheck.
    return txl5::store_flat_supplemental_tax(state, rate, txl5::unrounded);
}
