// Massachusetts income tax withholding by the percentage method of Circular M:
// the wages less the exemptions and less the employee's social security and
// Medicare tax (deductible up to 2,000 a year) are taxed at the flat rate of
// the year; from 2024 annual taxable wages above the surtax threshold bear
// 9 % (the 5 % rate plus the 4 % surtax on income over 1,000,000, indexed).
// Head of household and blindness are deductions before 2024 and credits from
// 2024. No tax is withheld from wages below the threshold of the frequency
// when exemptions are claimed. Supplemental wages are taxed together with the
// regular wages at the flat rate.
//
// Publications: Circular M, Massachusetts Income Tax Withholding Tables, 2024,
// 2025 and 2026 editions (Massachusetts Department of Revenue); "4% Surtax on
// Taxable Income over $1,000,000" (mass.gov) for the 2024 threshold; the 2025
// draft withholding methods as reported in the payroll press for 2025.
#include "states/massachusetts.h"

#include <algorithm>
#include <cmath>

#include "core/numeric.h"
#include "core/statecalc.h"
#include "core/tables.h"

// Exemption amounts, annual and per frequency. 2024, 2025 and 2026: Circular
// M 2024, 2025 and 2026 (the amounts did not change over the three years:
// exemption 1,000 plus 3,400 for the employee, head of household 120 and
// blindness 110 as credits, no tax under 8,000 a year).
const MaExemptionRow maex[] = {
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1000.0, 3400.0, 120.0, 110.0, 8000.0},
    {{1, 1, 2026}, {12, 31, 2026}, 12, 83.0, 284.0, 10.0, 9.17, 667.0},
    {{1, 1, 2026}, {12, 31, 2026}, 24, 42.0, 141.0, 5.0, 4.58, 333.0},
    {{1, 1, 2026}, {12, 31, 2026}, 26, 39.0, 131.0, 4.62, 4.23, 308.0},
    {{1, 1, 2026}, {12, 31, 2026}, 52, 19.0, 66.0, 2.31, 2.12, 154.0},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1000.0, 3400.0, 120.0, 110.0, 8000.0},
    {{1, 1, 2025}, {12, 31, 2025}, 12, 83.0, 284.0, 10.0, 9.17, 667.0},
    {{1, 1, 2025}, {12, 31, 2025}, 24, 42.0, 141.0, 5.0, 4.58, 333.0},
    {{1, 1, 2025}, {12, 31, 2025}, 26, 39.0, 131.0, 4.62, 4.23, 308.0},
    {{1, 1, 2025}, {12, 31, 2025}, 52, 19.0, 66.0, 2.31, 2.12, 154.0},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1000.0, 3400.0, 120.0, 110.0, 8000.0},
    {{1, 1, 2024}, {12, 31, 2024}, 12, 83.0, 284.0, 10.0, 9.17, 667.0},
    {{1, 1, 2024}, {12, 31, 2024}, 24, 42.0, 141.0, 5.0, 4.58, 333.0},
    {{1, 1, 2024}, {12, 31, 2024}, 26, 39.0, 131.0, 4.62, 4.23, 308.0},
    {{1, 1, 2024}, {12, 31, 2024}, 52, 19.0, 66.0, 2.31, 2.12, 154.0},
    {},
};

// Social security 6.2 % and Medicare 1.45 %, deductible up to 2,000 a year
// (Circular M 2024, 2025, 2026). Rows in ascending date order; they do not
// overlap, so the first row in force is the only one.
const MaFicaRow mafm[] = {
    {{1, 1, 2024}, {12, 31, 2024}, 0.062, 0.0145, 2000.0},
    {{1, 1, 2025}, {12, 31, 2025}, 0.062, 0.0145, 2000.0},
    {{1, 1, 2026}, {12, 31, 2026}, 0.062, 0.0145, 2000.0},
    {},
};

// Annual schedule: 5 % up to the surtax threshold, 9 % above it (status 0,
// annual rows only, no exemption column). The floor of a bracket is
// exclusive and its ceiling inclusive: the threshold itself is taxed at 5 %.
const StateBracketRow mawh[] = {
    // 2026: Circular M 2026, threshold 1,107,750.
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 0.0, 0.0, 1107750.0, 0.0, 0.05},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 0.0, 1107750.0, 0.0, 55387.50, 0.09},
    // 2025: Circular M 2025 (draft methods of December 2024), threshold 1,083,150.
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 0.0, 0.0, 1083150.0, 0.0, 0.05},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 0.0, 1083150.0, 0.0, 54157.50, 0.09},
    // 2024: Circular M 2024; threshold 1,053,750 (mass.gov, 4 % surtax).
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 0.0, 0.0, 1053750.0, 0.0, 0.05},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 0.0, 1053750.0, 0.0, 52687.50, 0.09},
    {},
};

namespace {

// The flat income tax rate of Part B income by year (G.L. c. 62, s. 4, with
// the step-downs of its rate-reduction schedule).
constexpr double kRateBefore2000 = 0.0595;
constexpr double kRate2000 = 0.0585;
constexpr double kRate2001 = 0.056;
constexpr double kRate2002To2011 = 0.053;
constexpr double kRate2012To2013 = 0.0525;
constexpr double kRate2014 = 0.052;
constexpr double kRate2015 = 0.0515;
constexpr double kRate2016To2018 = 0.051;
constexpr double kRate2019 = 0.0505;
constexpr double kRateFrom2020 = 0.05;

double flat_rate(int64_t year) {
    if (year < 2000) return kRateBefore2000;
    if (year == 2000) return kRate2000;
    if (year == 2001) return kRate2001;
    if (year <= 2011) return kRate2002To2011;
    if (year <= 2013) return kRate2012To2013;
    if (year == 2014) return kRate2014;
    if (year == 2015) return kRate2015;
    if (year <= 2018) return kRate2016To2018;
    if (year == 2019) return kRate2019;
    return kRateFrom2020;
}

// Head of household and blindness were deductions from the wages from 2001 to
// 2023; before 2001 and from 2024 they are credits against the tax.
constexpr int64_t kFirstDeductionYear = 2001;
constexpr int64_t kLastDeductionYear = 2023;
// The social security and Medicare deduction exists from 2001.
constexpr int64_t kFirstFicaDeductionYear = 2001;
// The graduated schedule (surtax) applies from 2024.
constexpr int64_t kFirstSurtaxYear = 2024;
// state_form_code 2: the deduction is capped on the year's cumulative
// social security wages rather than on the period's share of the cap.
constexpr int64_t kCumulativeFicaMethod = 2;

// The amounts of the employee's frequency, or of the annual row brought to
// the period.
struct Exemptions {
    bool found = false;
    double taxable = 0.0;  // wages less exemptions
    double check1 = 0.0;
    double check2 = 0.0;
    double min_wages = 0.0;
};

Exemptions exemptions(const MDATE& date, const STATE_WITHHOLDING_STRUC& state) {
    const int64_t periods = state.state_pay_periods;
    const double p = static_cast<double>(txl5::per_period_divisor(periods));
    const double allowances = static_cast<double>(state.state_allowances);
    Exemptions out;
    out.taxable = state.state_wages;
    bool annual = false;
    const MaExemptionRow* row = txl5::scan_two_pass(
        maex, date, periods, [](const MaExemptionRow&) { return true; },
        [&](const MaExemptionRow&, bool annual_row) {
            annual = annual_row;
            return true;
        });
    if (!row) return out;
    out.found = true;
    // On the annual row every amount is brought to the period.
    const double divisor = annual ? p : 1.0;
    if (state.state_allowances > 0) {
        out.taxable -= row->exemption_amount / divisor * allowances + row->base_exemption / divisor;
    }
    out.check1 = row->check1_amount / divisor;
    out.check2 = row->check2_amount / divisor;
    out.min_wages = row->min_wages / divisor;
    return out;
}

// The employee's social security and Medicare tax of the period, deductible
// up to the yearly cap: on the cumulative method up to what the year's
// earlier social security wages leave of the cap, otherwise up to the
// period's share of the cap. No deduction without a row in force.
double fica_deduction(const MDATE& date, const FEDERAL_WITHHOLDING_STRUC& fed,
                      const STATE_WITHHOLDING_STRUC& state) {
    const MaFicaRow* row = txl5::scan_rows(mafm, date, [](const MaFicaRow&) { return true; });
    const double rate = row ? row->ss_rate + row->medicare_rate : 0.0;
    const double cap = row ? row->fica_deduction_max : 0.0;
    const double paid = fed.fica_tax + fed.medicare_tax;
    if (state.state_form_code == kCumulativeFicaMethod) {
        const double used = fed.ytd_fica_wages * rate;
        if (used >= cap) return 0.0;
        return std::min(paid, cap - used);
    }
    const double share = std::max(cap / static_cast<double>(txl5::per_period_divisor(state.state_pay_periods)), 0.0);
    return std::min(paid, share);
}

// Head of household and the two blindness entries of the certificate.
double certificate_amount(const STATE_WITHHOLDING_STRUC& state, const Exemptions& ex) {
    double amount = 0.0;
    if (state.state_form_check1 > 0) amount += ex.check1;
    if (state.state_form_check2 > 0) amount += ex.check2;
    if (state.state_form_check3 > 0) amount += ex.check2;
    return amount;
}

}  // namespace

int64_t state_ma(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state) {
    if (!fed || !state) return txl5::kStateNoRow;
    // An employee exempt from withholding: no tax, nothing else written.
    if (state->state_exempt >= 1) {
        state->state_tax = 0.0;
        return 0;
    }
    // A period count below 1 is taken as an annual payroll, and written back.
    if (state->state_pay_periods < 1) state->state_pay_periods = 1;
    const int64_t periods = state->state_pay_periods;
    const int64_t year = fed->check_year;
    const MDATE date = txl5::check_date(*fed);
    const bool supplemental_due = txl5::supplemental_due(*state);
    const double rate = flat_rate(year);
    int64_t result = 0;

    // Without exemption amounts for the date the tax is still computed, on the
    // wages unreduced; the failure lets the driver retry with the previous
    // year's tables.
    const Exemptions ex = exemptions(date, *state);
    if (!ex.found) result |= txl5::fail_no_row(state);
    double taxable = ex.taxable;
    if (year >= kFirstDeductionYear && year <= kLastDeductionYear) taxable -= certificate_amount(*state, ex);
    if (year >= kFirstFicaDeductionYear) taxable -= fica_deduction(date, *fed, *state);
    // Wages that give no finite amount are not taxable wages.
    if (!std::isfinite(taxable)) return result | txl5::fail_no_row(state);
    if (taxable < 0.0) taxable = 0.0;
    state->state_rate_used = rate;

    const double total_wages =
        state->state_wages + (supplemental_due ? state->state_supplemental_wages : 0.0);
    fed->aux_result = txl5::checked_to_int64(total_wages * 100.0);

    // No tax below the threshold of the frequency when exemptions are claimed.
    const bool taxed = ex.min_wages <= total_wages || state->state_allowances < 1;
    if (taxed) {
        double tax = 0.0;
        if (year < kFirstSurtaxYear) {
            tax = taxable * rate;
        } else {
            // The annual schedule: the floor of a bracket is exclusive, its
            // ceiling inclusive; on an annual row the period's taxable wages
            // are annualized and the tax brought back to the period.
            const double allowances = static_cast<double>(state->state_allowances);
            const StateBracketRow* row = txl5::scan_two_pass(
                mawh, date, periods, [](const StateBracketRow& r) { return r.status == 0; },
                [&](const StateBracketRow& r, bool annual) {
                    double y = annual ? static_cast<double>(periods) * taxable - allowances * r.allowance_amount
                                      : taxable - r.allowance_amount * allowances;
                    if (!std::isfinite(y)) return false;
                    if (y < 0.0) y = 0.0;
                    if (!txl5::in_bracket_upper_inclusive(y, r.lower, r.upper)) return false;
                    tax = r.base + r.rate * (y - r.lower);
                    if (annual) {
                        tax /= static_cast<double>(periods);
                    } else {
                        fed->aux_result = txl5::checked_to_int64(y);
                    }
                    return true;
                });
            if (!row) return result | txl5::fail_no_row(state);
            txl5::record_row_used(state, *row);
        }
        // Credits (before 2001 and from 2024): head of household and blindness.
        if (year < kFirstDeductionYear || year > kLastDeductionYear) tax -= certificate_amount(*state, ex);
        // Credits larger than the tax leave no tax rather than a negative
        // withholding; the supplemental tax below is measured from this
        // floored tax, so the total of the two is the tax on all wages at the
        // flat rate, as without the floor.
        if (tax < 0.0) tax = 0.0;
        state->state_tax = tax;
    }

    if (supplemental_due) {
        state->state_supplemental_tax = 0.0;
        if (taxed && state->state_supplemental_wages > 0.0) {
            // Supplemental wages taxed with the regular ones at the flat rate:
            // the tax on both less the tax withheld on the regular wages.
            const double both = (taxable + state->state_supplemental_wages) * rate;
            if (!std::isfinite(both)) return result | txl5::fail_no_row(state);
            state->state_supplemental_tax = dollarround(std::max(both - state->state_tax, 0.0));
        }
    }
    // state_tax stays unrounded: the driver rounds it to cents.
    return result;
}
