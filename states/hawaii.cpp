// Hawaii income tax withholding by the percentage method of Booklet A,
// Employer's Tax Guide: the wages are annualized, less an exemption per
// HW-4 allowance and (from 2025) a standard deduction, taxed on the annual
// schedule of the employee's status and brought back to the pay period. Two
// statuses mark an employee exempt from withholding. Supplemental wages are
// always taxed together with the regular wages.
//
// Publications: Hawaii Department of Taxation, Booklet A, Employer's Tax Guide,
// 2026 (and its 2025 edition as summarized by payroll vendors); the 2020 to
// 2024 formula as summarized by a payroll vendor.
#include "states/hawaii.h"

#include <cmath>

#include "core/numeric.h"
#include "core/statecalc.h"
#include "core/tables.h"

// Annual schedules: status 0 single (and head of household), 1 married; the
// allowance is the annual exemption per allowance. Bases are the whole
// dollars Hawaii prints, so they differ from the running total by up to a
// dollar.
const HawaiiBracketRow hiwh[] = {
    // 2026: Hawaii Department of Taxation, Booklet A (Employer's Tax Guide) for
    // 2026: the 2025 brackets with a standard deduction of 4,350.
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 1144.0, 4350.0, 0.0, 9600.0, 0.0, 0.014},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 1144.0, 4350.0, 9600.0, 14400.0, 134.0, 0.032},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 1144.0, 4350.0, 14400.0, 19200.0, 288.0, 0.055},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 1144.0, 4350.0, 19200.0, 24000.0, 552.0, 0.064},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 1144.0, 4350.0, 24000.0, 36000.0, 859.0, 0.068},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 1144.0, 4350.0, 36000.0, 48000.0, 1675.0, 0.072},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 1144.0, 4350.0, 48000.0, 125000.0, 2539.0, 0.076},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 1144.0, 4350.0, 125000.0, 0.0, 8391.0, 0.079},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 1144.0, 4350.0, 0.0, 19200.0, 0.0, 0.014},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 1144.0, 4350.0, 19200.0, 28800.0, 269.0, 0.032},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 1144.0, 4350.0, 28800.0, 38400.0, 576.0, 0.055},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 1144.0, 4350.0, 38400.0, 48000.0, 1104.0, 0.064},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 1144.0, 4350.0, 48000.0, 72000.0, 1718.0, 0.068},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 1144.0, 4350.0, 72000.0, 96000.0, 3350.0, 0.072},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 1144.0, 4350.0, 96000.0, 250000.0, 5078.0, 0.076},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 1144.0, 4350.0, 250000.0, 0.0, 16782.0, 0.079},
    // 2025: Booklet A for 2025 (brackets widened, a new standard deduction of
    // 1,650), as summarized by a payroll vendor (eff. 1 January 2025) and a
    // payroll vendor's January 2025 tax-update notes (which print the first
    // single rate as 0 %; 1.4 % gives the printed base 134).
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 1144.0, 1650.0, 0.0, 9600.0, 0.0, 0.014},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 1144.0, 1650.0, 9600.0, 14400.0, 134.0, 0.032},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 1144.0, 1650.0, 14400.0, 19200.0, 288.0, 0.055},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 1144.0, 1650.0, 19200.0, 24000.0, 552.0, 0.064},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 1144.0, 1650.0, 24000.0, 36000.0, 859.0, 0.068},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 1144.0, 1650.0, 36000.0, 48000.0, 1675.0, 0.072},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 1144.0, 1650.0, 48000.0, 125000.0, 2539.0, 0.076},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 1144.0, 1650.0, 125000.0, 0.0, 8391.0, 0.079},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 1144.0, 1650.0, 0.0, 19200.0, 0.0, 0.014},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 1144.0, 1650.0, 19200.0, 28800.0, 269.0, 0.032},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 1144.0, 1650.0, 28800.0, 38400.0, 576.0, 0.055},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 1144.0, 1650.0, 38400.0, 48000.0, 1104.0, 0.064},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 1144.0, 1650.0, 48000.0, 72000.0, 1718.0, 0.068},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 1144.0, 1650.0, 72000.0, 96000.0, 3350.0, 0.072},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 1144.0, 1650.0, 96000.0, 250000.0, 5078.0, 0.076},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 1144.0, 1650.0, 250000.0, 0.0, 16782.0, 0.079},
    // 2024: the formula in force from 2020 to 2024 as summarized by a payroll
    // vendor (eff. 1 January 2020); no standard deduction.
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 1144.0, 0.0, 0.0, 2400.0, 0.0, 0.014},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 1144.0, 0.0, 2400.0, 4800.0, 34.0, 0.032},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 1144.0, 0.0, 4800.0, 9600.0, 110.0, 0.055},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 1144.0, 0.0, 9600.0, 14400.0, 374.0, 0.064},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 1144.0, 0.0, 14400.0, 19200.0, 682.0, 0.068},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 1144.0, 0.0, 19200.0, 24000.0, 1008.0, 0.072},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 1144.0, 0.0, 24000.0, 36000.0, 1354.0, 0.076},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 1144.0, 0.0, 36000.0, 0.0, 2266.0, 0.079},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 1144.0, 0.0, 0.0, 4800.0, 0.0, 0.014},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 1144.0, 0.0, 4800.0, 9600.0, 67.0, 0.032},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 1144.0, 0.0, 9600.0, 19200.0, 221.0, 0.055},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 1144.0, 0.0, 19200.0, 28800.0, 749.0, 0.064},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 1144.0, 0.0, 28800.0, 38400.0, 1363.0, 0.068},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 1144.0, 0.0, 38400.0, 48000.0, 2016.0, 0.072},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 1144.0, 0.0, 48000.0, 72000.0, 2707.0, 0.076},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 1144.0, 0.0, 72000.0, 0.0, 4531.0, 0.079},
    {},
};

namespace {

// Statuses 13 and 14 mark an employee exempt from withholding; 2 and 12 are
// withheld as single.
constexpr int64_t kExemptStatusA = 13;
constexpr int64_t kExemptStatusB = 14;
constexpr int64_t kHeadOfHousehold = 2;
constexpr int64_t kStatusAsSingle = 12;

// Tax for the period on the wages plus `supplemental`: on a row of the
// employee's own frequency (only annual payrolls have one) the wages less the
// allowances and the deduction, whose floored amount, cut to whole dollars,
// goes to aux_result when `fed` is given; on an annual row the wages times the pay
// periods less the same annual amounts, the annual tax then divided by the
// pay periods. Taxable wages that are not a finite amount fit no bracket.
txl5::BracketTax<HawaiiBracketRow> schedule_tax(const MDATE& date, const STATE_WITHHOLDING_STRUC& state,
                                               int64_t status, double supplemental, FEDERAL_WITHHOLDING_STRUC* fed) {
    const int64_t periods = state.state_pay_periods;
    const double allowances = static_cast<double>(state.state_allowances);
    txl5::BracketTax<HawaiiBracketRow> out;
    out.row = txl5::scan_two_pass(
        hiwh, date, periods, [status](const HawaiiBracketRow& row) { return row.status == status; },
        [&](const HawaiiBracketRow& row, bool annual) {
            const double p = annual ? static_cast<double>(periods) : 1.0;
            double taxable = p * state.state_wages + p * supplemental - allowances * row.allowance_amount -
                             row.deduction;
            if (!std::isfinite(taxable)) return false;
            if (taxable < 0.0) taxable = 0.0;
            if (!annual && fed) fed->aux_result = txl5::checked_to_int64(taxable);
            if (!txl5::in_bracket_upper_inclusive(taxable, row.lower, row.upper)) return false;
            out.tax = row.base + row.rate * (taxable - row.lower);
            if (annual) out.tax /= static_cast<double>(txl5::per_period_divisor(periods));
            out.annual = annual;
            return true;
        });
    return out;
}

}  // namespace

int64_t state_hi(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state) {
    if (!fed || !state) return 1;
    const MDATE date = txl5::begin_state(*fed, state);
    int64_t status = state->state_filing_status;
    if (status == kExemptStatusA || status == kExemptStatusB) {
        // Exempt: no tax on the wages, none on supplemental wages.
        state->state_tax = 0.0;
        return 0;
    }
    if (status == kHeadOfHousehold || status == kStatusAsSingle) status = 0;

    const txl5::BracketTax<HawaiiBracketRow> regular = schedule_tax(date, *state, status, 0.0, fed);
    if (!regular.row) return txl5::fail_no_row(state);
    state->state_tax = regular.tax;
    txl5::record_row_used(state, *regular.row);

    int64_t result = 0;
    if (txl5::supplemental_due(*state)) {
        // Always aggregate, whatever state_supp_aggregate says: the tax on
        // regular plus supplemental wages, less the tax on the regular wages,
        // never below 0. This repeat leaves aux_result as the regular wages set
        // it.
        const txl5::BracketTax<HawaiiBracketRow> combined =
            schedule_tax(date, *state, status, state->state_supplemental_wages, nullptr);
        result |= txl5::aggregate_supplemental_tax(combined, state, txl5::AggregateFloor::AtZero);
    }
    // state_tax stays unrounded: the driver rounds it to cents.
    return result;
}
