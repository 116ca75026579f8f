// Louisiana income tax withholding by the formulas of R-1306, Louisiana
// Withholding Tables and Formulas, one formula per era of the check date; the
// rates and thresholds are fixed by law and kept here as constants, not
// tables. From 2025 the tax is a flat rate on the annual wages less a standard
// deduction chosen by the L-4 claim. From 2003 to 2024 the wages are taxed in up
// to three brackets and the effect of the personal exemptions and dependency
// credits is subtracted. Supplemental wages are always taxed together with the
// regular wages.
//
// Publications: R-1306 (1/26) and (1/25), Louisiana Withholding Tables and
// Formulas, 2026 and 2025; R-1306 (1/22) for 2022-2024; R-1210 (2/18) from 16
// February 2018; R-1306 (1/12) from July 2009 (Louisiana Department of Revenue).
#include <cmath>

#include "core/numeric.h"
#include "core/statecalc.h"

namespace {

// L-4 claim codes: 0 single, 1 married; 15 claims no standard deduction (from
// 2025); any other code is taken as married.
constexpr int64_t kSingle = 0;
constexpr int64_t kMarried = 1;
constexpr int64_t kNoStandardDeduction = 15;

// Each personal exemption and each dependency credit is worth these annual
// amounts of income in the 2003-2024 formulas.
constexpr double kPerExemption = 4500.0;
constexpr double kPerDependencyCredit = 1000.0;

// From 2025: one rate on the annual wages less the standard deduction.
struct FlatFormula {
    double single_deduction;
    double married_deduction;
    double rate;
};
// R-1306 (1/26): 3.09 %, standard deduction 12,875 single, 25,750 married.
constexpr FlatFormula kFlat2026{12875.0, 25750.0, 0.0309};
// R-1306 (1/25): 3.09 %, standard deduction 12,500 / 25,000 (a later note of
// the state gives 3.00 % for 2025; this release carries 3.09 %).
constexpr FlatFormula kFlat2025{12500.0, 25000.0, 0.0309};

// From 16 February 2018 to 2024: the wages are taxed at rate1, plus rate2
// above the first threshold and rate3 above the second (annual wages); the
// exemptions and credits are worth credit1 up to the first threshold and
// credit2 above it.
struct BracketFormula {
    int64_t first_threshold;
    int64_t second_threshold;
    double credit1;
    double credit2;
    double rate1;
    double rate2;
    double rate3;
};
// R-1306 (1/22), 2022-2024.
constexpr BracketFormula k2022Married{25000, 100000, 0.0185, 0.0165, 0.0185, 0.0165, 0.0075};
constexpr BracketFormula k2022Single{12500, 50000, 0.0185, 0.0165, 0.0185, 0.0165, 0.0075};
// R-1210 (2/18), 16 February 2018 to 2021.
constexpr BracketFormula k2018Married{25000, 100000, 0.021, 0.0175, 0.022, 0.0175, 0.0169};
constexpr BracketFormula k2018Single{12500, 50000, 0.021, 0.018, 0.021, 0.018, 0.0165};
// R-1306 (1/12), July 2009 to 15 February 2018: the whole amount of the
// exemptions and credits at credit1, the part above the first threshold
// again at credit2.
constexpr BracketFormula k2009Married{25000, 100000, 0.021, 0.0165, 0.021, 0.0165, 0.0135};
constexpr BracketFormula k2009Single{12500, 50000, 0.021, 0.016, 0.021, 0.016, 0.0135};

// January 2003 to June 2009: 2.1 % of the wages, 1.35 % more above each of two
// thresholds (12,500 and 25,000, or 25,000 and 50,000 with two exemptions); the
// exemptions and credits at the same rates.
constexpr double k2003BaseRate = 0.021;
constexpr double k2003UpperRate = 0.0135;
constexpr double k2003LowThresholds[2] = {12500.0, 25000.0};
constexpr double k2003HighThresholds[2] = {25000.0, 50000.0};
constexpr int64_t k2003MostExemptions = 2;

// Before 2003: 2 % of the wages less the exemptions and credits, 1 % more of
// what exceeds a further deduction (5,000, or 15,000 with two exemptions).
constexpr double kBefore2003Rate = 0.02;
constexpr double kBefore2003UpperRate = 0.01;
constexpr double kBefore2003Deduction = 5000.0;
constexpr double kBefore2003DeductionTwoExemptions = 15000.0;

enum class Era { Flat2026, Flat2025, Brackets2022, Brackets2018, Credits2009, Credits2003, Before2003 };

Era era_of(const MDATE& d) {
    if (d.year >= 2026) return Era::Flat2026;
    if (d.year == 2025) return Era::Flat2025;
    if (d.year >= 2022) return Era::Brackets2022;
    if (d.year > 2018 || (d.year == 2018 && (d.month > 2 || (d.month == 2 && d.day >= 16)))) {
        return Era::Brackets2018;
    }
    if (d.year > 2009 || (d.year == 2009 && d.month > 6)) return Era::Credits2009;
    if (d.year >= 2003) return Era::Credits2003;
    return Era::Before2003;
}

// The annual amount of the exemptions and dependency credits claimed, in
// floating point so that no count a caller stores can overflow.
double exemption_amount(int64_t exemptions, const STATE_WITHHOLDING_STRUC& state) {
    return static_cast<double>(exemptions) * kPerExemption +
           static_cast<double>(state.state_dependency_credits) * kPerDependencyCredit;
}

double not_below_zero(double x) { return x < 0.0 ? 0.0 : x; }

// From 2025: the annual tax on annual wages.
double flat_annual_tax(const FlatFormula& f, int64_t status, double annual) {
    if (status != kNoStandardDeduction) annual -= status == kSingle ? f.single_deduction : f.married_deduction;
    // Negative wages bear no tax, whatever the claim.
    return not_below_zero(annual) * f.rate;
}

// A dollar threshold spread over the pay periods, truncated to whole dollars
// as the formulas do (25,000 over 26 periods is 961).
double period_threshold(int64_t threshold, int64_t periods) { return static_cast<double>(threshold / periods); }

// The bracket part of the 2009-2024 formulas: tax on the period's wages.
double bracket_part(const BracketFormula& f, double wages, int64_t periods) {
    const double annual = wages * static_cast<double>(periods);
    double tax = wages * f.rate1;
    if (annual > static_cast<double>(f.first_threshold)) {
        tax += (wages - period_threshold(f.first_threshold, periods)) * f.rate2;
    }
    if (annual > static_cast<double>(f.second_threshold)) {
        tax += (wages - period_threshold(f.second_threshold, periods)) * f.rate3;
    }
    return tax;
}

// 16 February 2018 to 2024: each credit part per period, floored and rounded
// to cents; the tax rounded to cents and floored at 0.
double tax_2018_2024(const BracketFormula& f, double amount, double wages, int64_t periods) {
    const double first = static_cast<double>(f.first_threshold);
    const double low = amount < first ? amount : first;
    const double high = amount - low;
    const double p = static_cast<double>(periods);
    const double credit = dollarround(not_below_zero(low * f.credit1 / p)) +
                          dollarround(not_below_zero(high * f.credit2 / p));
    return not_below_zero(dollarround(bracket_part(f, wages, periods) - credit));
}

// July 2009 to 15 February 2018: the same shape, with the whole amount at the
// first credit rate.
double tax_2009_2018(const BracketFormula& f, double amount, double wages, int64_t periods) {
    const double p = static_cast<double>(periods);
    const double above = not_below_zero(amount - static_cast<double>(f.first_threshold));
    const double credit = dollarround(not_below_zero(amount * f.credit1 / p)) +
                          dollarround(not_below_zero(above * f.credit2 / p));
    return not_below_zero(dollarround(bracket_part(f, wages, periods) - credit));
}

// January 2003 to June 2009: not rounded.
double tax_2003_2009(int64_t exemptions, const STATE_WITHHOLDING_STRUC& state, double wages, int64_t periods) {
    const int64_t x = exemptions < k2003MostExemptions ? exemptions : k2003MostExemptions;
    const double* thresholds = (x == 0 || x == 1) ? k2003LowThresholds : k2003HighThresholds;
    const double g = static_cast<double>(periods);
    double tax = 0.0;
    if (wages > 0.0) tax += k2003BaseRate * wages;
    if (wages > thresholds[0] / g) tax += k2003UpperRate * (wages - thresholds[0] / g);
    if (wages > thresholds[1] / g) tax += k2003UpperRate * (wages - thresholds[1] / g);
    const double amount = exemption_amount(x, state);
    tax -= amount / g * k2003BaseRate;
    if (amount > thresholds[0]) tax -= (amount - thresholds[0]) / g * k2003UpperRate;
    return not_below_zero(tax);
}

// Before 2003.
double tax_before_2003(int64_t exemptions, const STATE_WITHHOLDING_STRUC& state, double wages, int64_t periods) {
    const double p = static_cast<double>(periods);
    const double deduction = exemptions >= 2 ? kBefore2003DeductionTwoExemptions : kBefore2003Deduction;
    const double credits = exemption_amount(exemptions, state) / p;
    return not_below_zero((wages - credits) * kBefore2003Rate) +
           not_below_zero((wages - deduction / p - credits) * kBefore2003UpperRate);
}

// The tax of the period on `wages` by the formula of a 2003-2024 era.
double period_tax(Era era, const STATE_WITHHOLDING_STRUC& state, double wages, int64_t periods) {
    const int64_t exemptions = state.state_allowances;
    const int64_t status = state.state_filing_status;
    switch (era) {
        case Era::Brackets2022:
        case Era::Brackets2018: {
            const bool single = status == kSingle || status == kNoStandardDeduction ||
                                (status == kMarried && exemptions < 2);
            const BracketFormula& f = era == Era::Brackets2022 ? (single ? k2022Single : k2022Married)
                                                               : (single ? k2018Single : k2018Married);
            return tax_2018_2024(f, exemption_amount(exemptions, state), wages, periods);
        }
        case Era::Credits2009: {
            // The married formula serves those who claim two or more
            // exemptions, whatever the status given; the caller's status is
            // left as it is.
            const bool married = exemptions > 1;
            return tax_2009_2018(married ? k2009Married : k2009Single, exemption_amount(exemptions, state), wages,
                                 periods);
        }
        case Era::Credits2003:
            return tax_2003_2009(exemptions, state, wages, periods);
        default:
            return tax_before_2003(exemptions, state, wages, periods);
    }
}

}  // namespace

int64_t state_la(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state) {
    if (!fed || !state) return txl5::kStateNoRow;
    const MDATE date = txl5::begin_state(*fed, state);
    const bool supplemental_due =
        txl5::supplemental_due(*state) && state->state_supplemental_wages > 0.0;
    const int64_t periods = txl5::per_period_divisor(state->state_pay_periods);
    const double p = static_cast<double>(periods);
    const double wages = state->state_wages;
    const double supplemental = state->state_supplemental_wages;
    const Era era = era_of(date);

    if (era == Era::Brackets2022 || era == Era::Brackets2018) {
        // These formulas report the check date as the table date.
        state->state_table_year = date.year;
    }

    double tax = 0.0;
    double supplemental_tax = 0.0;
    if (era == Era::Flat2026 || era == Era::Flat2025) {
        const FlatFormula& f = era == Era::Flat2026 ? kFlat2026 : kFlat2025;
        const int64_t status = state->state_filing_status;
        tax = flat_annual_tax(f, status, wages * p) / p;
        // The supplemental wages enter the annual wages once; the tax is the
        // difference of the annual taxes, neither floored nor rounded.
        if (supplemental_due) supplemental_tax = flat_annual_tax(f, status, p * wages + supplemental) - p * tax;
    } else {
        tax = period_tax(era, *state, wages, periods);
        if (supplemental_due) {
            // The 2003-2009 formula adds the supplemental wages spread over
            // the periods; the others add them to the period's wages.
            const double added = era == Era::Credits2003 ? supplemental / p : supplemental;
            supplemental_tax = dollarround(not_below_zero(period_tax(era, *state, wages + added, periods) - tax));
        }
    }

    // Wages that are not a finite amount give no tax: a failure, not an
    // infinite or undefined withholding.
    if (!std::isfinite(tax)) return txl5::fail_no_row(state);
    state->state_tax = tax;
    if (!supplemental_due) return 0;
    return txl5::store_finite_tax(state, &state->state_supplemental_tax, supplemental_tax);
}
