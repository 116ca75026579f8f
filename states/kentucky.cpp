// Kentucky income tax withholding by the state's withholding formula: a flat
// rate on the annual wages less the standard deduction, brought back to the
// pay period. Kentucky publishes the formula for annual amounts only, so every
// pay frequency is computed on the annual schedule. Supplemental wages are
// always taxed together with the regular wages (the difference of the two
// taxes). Kentucky leaves the table-date fields of the state record alone.
//
// Publications: Kentucky Department of Revenue, "Kentucky Withholding Tax
// Formula" (standard deduction and rate), 2024, 2025 and 2026.
#include "states/kentucky.h"

#include <cmath>

#include "core/numeric.h"
#include "core/statecalc.h"
#include "core/tables.h"

// Annual schedules: one bracket without a ceiling; no credit per exemption
// since the state ended its withholding credits (the exemption column stays
// for a schedule that carries one).
const KentuckyBracketRow kywh[] = {
    // 2026: 2026 formula, standard deduction 3,360, 3.5 %.
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 3360.0, 0.0, 0.0, 0.0, 0.0, 0.035},
    // 2025: 2025 formula, standard deduction 3,270, 4 % (payroll vendor summary of the formula).
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 3270.0, 0.0, 0.0, 0.0, 0.0, 0.04},
    // 2024: 2024 formula, standard deduction 3,160, 4 % (payroll vendor summary of the formula).
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 3160.0, 0.0, 0.0, 0.0, 0.0, 0.04},
    {},
};

namespace {

// Annual tax times this, truncated, is the integer left in aux_result.
constexpr double kAuxScale = 1000.0;

// The tax of one pass over the schedule on `wages` for the period.
struct KentuckyTax {
    const KentuckyBracketRow* row = nullptr;
    double tax = 0.0;          // for the period, floored at 0
    double annual_tax = 0.0;   // annual tax after the credit (annual rows only)
    bool annual = false;
};

// The two-pass scan: on a row of the employee's frequency the period's wages
// less the standard deduction, the credit for every period of the year taken
// off the tax; on an annual row the wages times the pay periods less the
// standard deduction, the annual tax after the credit brought back to the
// period and rounded to cents. Taxable wages are floored at 0 before the
// bracket test; taxable wages that are not finite fit no bracket.
KentuckyTax schedule_tax(const MDATE& date, const STATE_WITHHOLDING_STRUC& state, double wages) {
    const int64_t periods = state.state_pay_periods;
    const double allowances = static_cast<double>(state.state_allowances);
    KentuckyTax out;
    out.row = txl5::scan_two_pass(
        kywh, date, periods, [](const KentuckyBracketRow&) { return true; },
        [&](const KentuckyBracketRow& row, bool annual) {
            const double credit = allowances * row.exemption_credit;
            double taxable = annual ? static_cast<double>(periods) * wages - row.std_deduction
                                    : wages - row.std_deduction;
            if (!std::isfinite(taxable)) return false;
            if (taxable < 0.0) taxable = 0.0;
            if (!txl5::in_bracket(taxable, row.lower, row.upper)) return false;
            const double bracket = row.base + row.rate * (taxable - row.lower);
            double tax;
            if (annual) {
                out.annual_tax = bracket - credit;
                tax = dollarround(out.annual_tax / static_cast<double>(txl5::per_period_divisor(periods)));
            } else {
                tax = bracket - static_cast<double>(periods) * credit;
            }
            // A credit larger than the tax leaves nothing to withhold.
            out.tax = tax < 0.0 || !std::isfinite(tax) ? 0.0 : tax;
            out.annual = annual;
            return true;
        });
    return out;
}

}  // namespace

int64_t state_ky(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state) {
    if (!fed || !state) return txl5::kStateNoRow;
    const MDATE date = txl5::check_date(*fed);

    const KentuckyTax regular = schedule_tax(date, *state, state->state_wages);
    if (!regular.row) return txl5::fail_no_row(state);
    state->state_tax = regular.tax;
    state->state_rate_used = regular.row->rate;
    // On the annual schedule the annual tax, in thousandths of a dollar, is
    // left for the caller in aux_result.
    if (regular.annual) fed->aux_result = txl5::checked_to_int64(regular.annual_tax * kAuxScale);

    // Supplemental wages: the tax on regular plus supplemental wages less the
    // tax on the regular wages, never below 0.
    if (txl5::supplemental_due(*state) && state->state_supplemental_wages > 0.0) {
        const KentuckyTax combined =
            schedule_tax(date, *state, state->state_wages + state->state_supplemental_wages);
        txl5::BracketTax<KentuckyBracketRow> total;
        total.row = combined.row;
        total.tax = combined.tax;
        return txl5::aggregate_supplemental_tax(total, state, txl5::AggregateFloor::AtZero);
    }
    // state_tax of a per-frequency row stays unrounded: the driver rounds it to cents.
    return 0;
}
