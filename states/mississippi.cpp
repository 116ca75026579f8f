// Mississippi income tax withholding by the annualized method of Pub 89-700,
// Mississippi Withholding Income Tax Tables and Employer Instructions: the
// period's wages are annualized, reduced by the total exemption the employee
// claims on Form 89-350 and the standard deduction of the filing status,
// taxed on the annual schedule and brought back to the pay period in whole
// dollars. Supplemental wages are always taxed together with the regular
// wages.
//
// Publications: Pub 89-700 (2026), Mississippi Department of Revenue; the 2024
// and 2025 rates as summarized by a payroll vendor and printed in payroll tax
// updates; the standard deductions (2300 single, 4600 married with a spouse
// not employed, 2300 married with both spouses employed, 3400 head of family)
// unchanged since 2019.
#include "states/mississippi.h"

#include <cmath>

#include "core/numeric.h"
#include "core/statecalc.h"
#include "core/tables.h"

// Annual schedules: status 0 single, 1 married (spouse not employed), 5
// married (both spouses employed), 2 head of family; three brackets each.
const MississippiBracketRow mswh[] = {
    // 2026: Pub 89-700 (2026), read in a transcription of the PDF (open-withholding,
    // data/us/ms/2026/withholding.yaml): 0 % on the first 10,000, 4 % above.
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 2300.0, 1500.0, 0.0, 5000.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 2300.0, 1500.0, 5000.0, 10000.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 2300.0, 1500.0, 10000.0, 0.0, 0.0, 0.04},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 4600.0, 1500.0, 0.0, 5000.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 4600.0, 1500.0, 5000.0, 10000.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 4600.0, 1500.0, 10000.0, 0.0, 0.0, 0.04},
    {{1, 1, 2026}, {12, 31, 2026}, 5, 1, 2300.0, 1500.0, 0.0, 5000.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 5, 1, 2300.0, 1500.0, 5000.0, 10000.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 5, 1, 2300.0, 1500.0, 10000.0, 0.0, 0.0, 0.04},
    {{1, 1, 2026}, {12, 31, 2026}, 2, 1, 3400.0, 1500.0, 0.0, 5000.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 2, 1, 3400.0, 1500.0, 5000.0, 10000.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 2, 1, 3400.0, 1500.0, 10000.0, 0.0, 0.0, 0.04},
    // 2025: 4.4 % above 10,000 (payroll tax update of February 2025); standard deductions as in 2026.
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 2300.0, 1500.0, 0.0, 5000.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 2300.0, 1500.0, 5000.0, 10000.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 2300.0, 1500.0, 10000.0, 0.0, 0.0, 0.044},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 4600.0, 1500.0, 0.0, 5000.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 4600.0, 1500.0, 5000.0, 10000.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 4600.0, 1500.0, 10000.0, 0.0, 0.0, 0.044},
    {{1, 1, 2025}, {12, 31, 2025}, 5, 1, 2300.0, 1500.0, 0.0, 5000.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 5, 1, 2300.0, 1500.0, 5000.0, 10000.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 5, 1, 2300.0, 1500.0, 10000.0, 0.0, 0.0, 0.044},
    {{1, 1, 2025}, {12, 31, 2025}, 2, 1, 3400.0, 1500.0, 0.0, 5000.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 2, 1, 3400.0, 1500.0, 5000.0, 10000.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 2, 1, 3400.0, 1500.0, 10000.0, 0.0, 0.0, 0.044},
    // 2024: 4.7 % above 10,000 (payroll vendor's summary, eff. 1 Jan 2024, and the payroll tax update of
    // January 2024); standard deductions as in 2026.
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 2300.0, 1500.0, 0.0, 5000.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 2300.0, 1500.0, 5000.0, 10000.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 2300.0, 1500.0, 10000.0, 0.0, 0.0, 0.047},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 4600.0, 1500.0, 0.0, 5000.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 4600.0, 1500.0, 5000.0, 10000.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 4600.0, 1500.0, 10000.0, 0.0, 0.0, 0.047},
    {{1, 1, 2024}, {12, 31, 2024}, 5, 1, 2300.0, 1500.0, 0.0, 5000.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 5, 1, 2300.0, 1500.0, 5000.0, 10000.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 5, 1, 2300.0, 1500.0, 10000.0, 0.0, 0.0, 0.047},
    {{1, 1, 2024}, {12, 31, 2024}, 2, 1, 3400.0, 1500.0, 0.0, 5000.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 2, 1, 3400.0, 1500.0, 5000.0, 10000.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 2, 1, 3400.0, 1500.0, 10000.0, 0.0, 0.0, 0.047},
    {},
};

namespace {

// Until 2023 a bracket holds its lower bound and not its upper one; from 2024
// the other way round, so that annual taxable wages of exactly 10,000 stay in
// the untaxed bracket. (The schedules held start in 2024.)
constexpr int64_t kLastYearLowerBoundIncluded = 2023;

// Annual tax on annual wages `annual_wages`: the first row in force for the
// status (pay periods not compared) whose bracket holds the annual wages less
// the employee's exemption and the row's standard deduction, floored at 0.
// (A second scan of the same rows could only repeat the first, so a miss is
// final.)
txl5::BracketTax<MississippiBracketRow> annual_tax(const MDATE& date, int64_t status, double annual_wages,
                                                  double exemption) {
    txl5::BracketTax<MississippiBracketRow> out;
    out.annual = true;
    out.row = txl5::scan_rows(mswh, date, [&](const MississippiBracketRow& row) {
        if (row.status != status) return false;
        double taxable = annual_wages - exemption - row.standard_deduction;
        // Wages that are not a finite amount fit no bracket.
        if (!std::isfinite(taxable)) return false;
        if (taxable < 0.0) taxable = 0.0;
        // From 2024 a bracket runs from above its lower bound up to its upper
        // one (0 = no ceiling); taxable wages of 0 (wages below the exemption
        // and the standard deduction) belong to the bracket that starts at 0:
        // nothing is taxable, so nothing is withheld, rather than finding no
        // bracket at all.
        const bool fits = date.year > kLastYearLowerBoundIncluded
                              ? txl5::in_bracket_upper_inclusive(taxable, row.lower, row.upper)
                              : txl5::in_bracket(taxable, row.lower, row.upper);
        if (!fits) return false;
        out.tax = row.base + row.rate * (taxable - row.lower);
        out.taxable = taxable;
        return true;
    });
    return out;
}

}  // namespace

int64_t state_ms(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state) {
    if (!fed || !state) return 1;
    const MDATE date = txl5::begin_state(*fed, state);
    const bool supplemental_due = txl5::supplemental_due(*state);
    const int64_t status = state->state_filing_status;
    const double periods = static_cast<double>(state->state_pay_periods);
    const double divisor = static_cast<double>(txl5::per_period_divisor(state->state_pay_periods));
    const double exemption = state->state_exemption_amount;

    const txl5::BracketTax<MississippiBracketRow> regular =
        annual_tax(date, status, periods * state->state_wages, exemption);
    if (!regular.row) return txl5::fail_no_row(state);
    txl5::record_row_used(state, *regular.row);

    int64_t result = 0;
    if (supplemental_due && state->state_supplemental_wages > 0.0) {
        // Supplemental wages are taxed together with the regular wages: the
        // annual tax on both less the annual tax on the regular wages, never
        // below 0, brought back to the period.
        const txl5::BracketTax<MississippiBracketRow> combined = annual_tax(
            date, status, periods * state->state_wages + periods * state->state_supplemental_wages, exemption);
        if (!combined.row) {
            state->state_supplemental_tax = 0.0;
            result |= txl5::fail_no_row(state);
        } else {
            const double difference = combined.tax - regular.tax;
            state->state_supplemental_tax = dollarround((difference > 0.0 ? difference : 0.0) / divisor);
        }
    }
    // Withheld in whole dollars.
    state->state_tax = reallydollarround(regular.tax / divisor);
    return result;
}
