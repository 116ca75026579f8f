// Delaware personal income tax withholding by the percentage method formula of
// the Division of Revenue's Employer's Guide: the wages are annualized, less
// the standard deduction of the employee's filing status, taxed on the annual
// schedule, less a personal credit per allowance, and brought back to the pay
// period. Supplemental wages are always taxed together with the regular wages,
// on the annual amounts.
//
// Publications: Delaware Employer's Guide, Withholding Regulations and
// Employer's Duties, section 17 (2025 and 2026); Division of Revenue, "Tax Rate
// Changes, for tax years 2014 and later"; 30 Del. C. section 1102(a)(14).
#include "states/delaware.h"

#include <cmath>

#include "core/numeric.h"
#include "core/statecalc.h"
#include "core/tables.h"

// Annual schedules: status 0 single, 1 married filing jointly, 3 married
// filing separately (the same brackets for each).
const StateBracketRow dewh[] = {
    // 2026: Delaware Employer's Guide, Withholding Regulations, section 17
    // (percentage method formula), 2026.
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 0.0, 0.0, 2000.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 0.0, 2000.0, 5000.0, 0.0, 0.022},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 0.0, 5000.0, 10000.0, 66.0, 0.039},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 0.0, 10000.0, 20000.0, 261.0, 0.048},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 0.0, 20000.0, 25000.0, 741.0, 0.052},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 0.0, 25000.0, 60000.0, 1001.0, 0.0555},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 0.0, 60000.0, 0.0, 2943.5, 0.066},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 0.0, 0.0, 2000.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 0.0, 2000.0, 5000.0, 0.0, 0.022},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 0.0, 5000.0, 10000.0, 66.0, 0.039},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 0.0, 10000.0, 20000.0, 261.0, 0.048},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 0.0, 20000.0, 25000.0, 741.0, 0.052},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 0.0, 25000.0, 60000.0, 1001.0, 0.0555},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 0.0, 60000.0, 0.0, 2943.5, 0.066},
    {{1, 1, 2026}, {12, 31, 2026}, 3, 1, 0.0, 0.0, 2000.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 3, 1, 0.0, 2000.0, 5000.0, 0.0, 0.022},
    {{1, 1, 2026}, {12, 31, 2026}, 3, 1, 0.0, 5000.0, 10000.0, 66.0, 0.039},
    {{1, 1, 2026}, {12, 31, 2026}, 3, 1, 0.0, 10000.0, 20000.0, 261.0, 0.048},
    {{1, 1, 2026}, {12, 31, 2026}, 3, 1, 0.0, 20000.0, 25000.0, 741.0, 0.052},
    {{1, 1, 2026}, {12, 31, 2026}, 3, 1, 0.0, 25000.0, 60000.0, 1001.0, 0.0555},
    {{1, 1, 2026}, {12, 31, 2026}, 3, 1, 0.0, 60000.0, 0.0, 2943.5, 0.066},
    // 2025: Delaware Employer's Guide, section 17, and its weekly withholding
    // table (as transcribed in an open data file citing both, retrieved 2026).
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 0.0, 0.0, 2000.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 0.0, 2000.0, 5000.0, 0.0, 0.022},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 0.0, 5000.0, 10000.0, 66.0, 0.039},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 0.0, 10000.0, 20000.0, 261.0, 0.048},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 0.0, 20000.0, 25000.0, 741.0, 0.052},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 0.0, 25000.0, 60000.0, 1001.0, 0.0555},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 0.0, 60000.0, 0.0, 2943.5, 0.066},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 0.0, 0.0, 2000.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 0.0, 2000.0, 5000.0, 0.0, 0.022},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 0.0, 5000.0, 10000.0, 66.0, 0.039},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 0.0, 10000.0, 20000.0, 261.0, 0.048},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 0.0, 20000.0, 25000.0, 741.0, 0.052},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 0.0, 25000.0, 60000.0, 1001.0, 0.0555},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 0.0, 60000.0, 0.0, 2943.5, 0.066},
    {{1, 1, 2025}, {12, 31, 2025}, 3, 1, 0.0, 0.0, 2000.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 3, 1, 0.0, 2000.0, 5000.0, 0.0, 0.022},
    {{1, 1, 2025}, {12, 31, 2025}, 3, 1, 0.0, 5000.0, 10000.0, 66.0, 0.039},
    {{1, 1, 2025}, {12, 31, 2025}, 3, 1, 0.0, 10000.0, 20000.0, 261.0, 0.048},
    {{1, 1, 2025}, {12, 31, 2025}, 3, 1, 0.0, 20000.0, 25000.0, 741.0, 0.052},
    {{1, 1, 2025}, {12, 31, 2025}, 3, 1, 0.0, 25000.0, 60000.0, 1001.0, 0.0555},
    {{1, 1, 2025}, {12, 31, 2025}, 3, 1, 0.0, 60000.0, 0.0, 2943.5, 0.066},
    // 2024: the same brackets and rates. Delaware has taxed income at 2.2 % to
    // 6.6 % over these bounds for tax years 2014 and later (30 Del. C.
    // section 1102(a)(14); Division of Revenue, "Tax Rate Changes, for tax
    // years 2014 and later"), so the 2025 rows hold for 2024.
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 0.0, 0.0, 2000.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 0.0, 2000.0, 5000.0, 0.0, 0.022},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 0.0, 5000.0, 10000.0, 66.0, 0.039},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 0.0, 10000.0, 20000.0, 261.0, 0.048},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 0.0, 20000.0, 25000.0, 741.0, 0.052},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 0.0, 25000.0, 60000.0, 1001.0, 0.0555},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 0.0, 60000.0, 0.0, 2943.5, 0.066},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 0.0, 0.0, 2000.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 0.0, 2000.0, 5000.0, 0.0, 0.022},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 0.0, 5000.0, 10000.0, 66.0, 0.039},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 0.0, 10000.0, 20000.0, 261.0, 0.048},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 0.0, 20000.0, 25000.0, 741.0, 0.052},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 0.0, 25000.0, 60000.0, 1001.0, 0.0555},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 0.0, 60000.0, 0.0, 2943.5, 0.066},
    {{1, 1, 2024}, {12, 31, 2024}, 3, 1, 0.0, 0.0, 2000.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 3, 1, 0.0, 2000.0, 5000.0, 0.0, 0.022},
    {{1, 1, 2024}, {12, 31, 2024}, 3, 1, 0.0, 5000.0, 10000.0, 66.0, 0.039},
    {{1, 1, 2024}, {12, 31, 2024}, 3, 1, 0.0, 10000.0, 20000.0, 261.0, 0.048},
    {{1, 1, 2024}, {12, 31, 2024}, 3, 1, 0.0, 20000.0, 25000.0, 741.0, 0.052},
    {{1, 1, 2024}, {12, 31, 2024}, 3, 1, 0.0, 25000.0, 60000.0, 1001.0, 0.0555},
    {{1, 1, 2024}, {12, 31, 2024}, 3, 1, 0.0, 60000.0, 0.0, 2943.5, 0.066},
    {},
};

namespace {

constexpr int64_t kSingle = 0;
constexpr int64_t kMarriedFilingJointly = 1;
constexpr int64_t kMarriedFilingSeparately = 3;

// The annual standard deductions of the three filing statuses and the personal
// credit per allowance, as the law set them: from 2000, in 1999, and before.
struct DeductionsAndCredit {
    double single;
    double married_jointly;
    double married_separately;
    double credit_per_allowance;
};
constexpr int64_t kFirstYearCurrentAmounts = 2000;
constexpr int64_t kYearOfTransition = 1999;
constexpr DeductionsAndCredit kFrom2000{3250.0, 6500.0, 3250.0, 110.0};
constexpr DeductionsAndCredit kIn1999{3250.0, 4000.0, 2000.0, 100.0};
constexpr DeductionsAndCredit kUntil1998{1300.0, 1600.0, 800.0, 100.0};

const DeductionsAndCredit& amounts_for(int64_t year) {
    if (year >= kFirstYearCurrentAmounts) return kFrom2000;
    if (year == kYearOfTransition) return kIn1999;
    return kUntil1998;
}

// The annual tax on annual taxable income. The schedules are annual: a row of
// the employee's own frequency (an annual payroll) and an annual row of the
// second pass take the same annual amount, and the tax stays annual.
txl5::BracketTax<StateBracketRow> annual_tax(const MDATE& date, int64_t pay_periods, int64_t status,
                                            double taxable) {
    txl5::BracketTax<StateBracketRow> out;
    out.row = txl5::scan_two_pass(
        dewh, date, pay_periods, [status](const StateBracketRow& row) { return row.status == status; },
        [&](const StateBracketRow& row, bool) { return txl5::tax_in_bracket(row, taxable, false, 1, &out.tax); });
    return out;
}

}  // namespace

int64_t state_de(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state) {
    if (!fed || !state) return 1;
    const MDATE date = txl5::begin_state(*fed, state);
    const int64_t periods = state->state_pay_periods;
    const int64_t status = state->state_filing_status;
    const DeductionsAndCredit& amounts = amounts_for(fed->check_year);

    double deduction = 0.0;
    switch (status) {
        case kSingle: deduction = amounts.single; break;
        case kMarriedFilingJointly: deduction = amounts.married_jointly; break;
        case kMarriedFilingSeparately: deduction = amounts.married_separately; break;
        // Delaware has no other filing status: nothing is computed.
        default: return txl5::fail_no_row(state);
    }
    // Floored at 0; an amount that is not finite stays as it is and fits no
    // bracket.
    double taxable = static_cast<double>(periods) * state->state_wages - deduction;
    if (std::isfinite(taxable) && taxable < 0.0) taxable = 0.0;

    const txl5::BracketTax<StateBracketRow> regular = annual_tax(date, periods, status, taxable);
    if (!regular.row) return txl5::fail_no_row(state);
    txl5::record_row_used(state, *regular.row);
    // The personal credits come off the annual tax, never below 0.
    const double credit = static_cast<double>(state->state_allowances) * amounts.credit_per_allowance;
    const auto after_credit = [credit](double tax) { return tax > credit ? tax - credit : 0.0; };
    state->state_tax = after_credit(regular.tax);

    int64_t result = 0;
    if (txl5::supplemental_due(*state)) {
        // Always aggregate, whatever state_supp_aggregate says: the supplemental
        // wages are added once to the annual taxable income (a one-time payment
        // is not annualized); the tax on the sum after the credits, less the
        // annual tax on the regular wages, never below 0.
        txl5::BracketTax<StateBracketRow> combined =
            annual_tax(date, periods, status, taxable + state->state_supplemental_wages);
        combined.tax = after_credit(combined.tax);
        result |= txl5::aggregate_supplemental_tax(combined, state, txl5::AggregateFloor::AtZero);
    }

    // The annual tax brought back to the pay period (undivided when the count
    // is not positive); the driver rounds it to cents.
    state->state_tax /= static_cast<double>(txl5::per_period_divisor(periods));
    return result;
}
