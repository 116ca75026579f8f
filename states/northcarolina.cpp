// North Carolina income tax withholding by the annualized method of NC-30,
// Income Tax Withholding Tables and Instructions for Employers: the period's
// wages are annualized, reduced by the standard deduction of the filing
// status and the value of the allowances, taxed at the flat rate and brought
// back to the pay period in whole dollars. Supplemental wages are taxed
// together with the regular wages, or at the flat supplemental rate in whole
// dollars.
//
// Publications: NC-30 (2026), North Carolina Department of Revenue; the 2024
// and 2025 rates and the unchanged standard deductions (12,750; 19,125 for a
// head of household) as printed in payroll tax updates; allowance 2500.
#include "states/northcarolina.h"

#include "core/numeric.h"
#include "core/statecalc.h"
#include "core/tables.h"

// Annual schedules, one flat-rate bracket each: status 0 single, 1 married,
// 6 surviving spouse, 2 head of household.
const NorthCarolinaBracketRow ncwh[] = {
    // 2026: NC-30 (2026), read in a transcription of the PDF (open-withholding,
    // data/us/nc/2026/withholding.yaml): 4.09 %.
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 12750.0, 2500.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0409},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 12750.0, 2500.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0409},
    {{1, 1, 2026}, {12, 31, 2026}, 6, 1, 12750.0, 2500.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0409},
    {{1, 1, 2026}, {12, 31, 2026}, 2, 1, 19125.0, 2500.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0409},
    // 2025: 4.35 %; standard deductions unchanged (payroll tax update of January 2025).
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 12750.0, 2500.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0435},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 12750.0, 2500.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0435},
    {{1, 1, 2025}, {12, 31, 2025}, 6, 1, 12750.0, 2500.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0435},
    {{1, 1, 2025}, {12, 31, 2025}, 2, 1, 19125.0, 2500.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0435},
    // 2024: 4.6 %; standard deductions unchanged (payroll tax update of January 2024).
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 12750.0, 2500.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.046},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 12750.0, 2500.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.046},
    {{1, 1, 2024}, {12, 31, 2024}, 6, 1, 12750.0, 2500.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.046},
    {{1, 1, 2024}, {12, 31, 2024}, 2, 1, 19125.0, 2500.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.046},
    {},
};

// Flat rate for supplemental wages: the year's income tax rate.
const SupplementalRateRow supplemental_nc[] = {
    {{1, 1, 2026}, {12, 31, 2026}, 0.0409},
    {{1, 1, 2025}, {12, 31, 2025}, 0.0435},
    {{1, 1, 2024}, {12, 31, 2024}, 0.046},
    {},
};

namespace {

// Annual tax on annual wages `annual_wages`: the first row in force for the
// status (pay periods not compared) whose bracket holds the annual wages less
// the standard deduction and the allowances, floored at 0. One allowance is
// worth the low value when the annual wages are at or below the row's
// threshold or the row has none. (A second scan of the same rows could only
// repeat the first, so a miss is final.)
txl5::BracketTax<NorthCarolinaBracketRow> annual_tax(const MDATE& date, const STATE_WITHHOLDING_STRUC& state,
                                                    double annual_wages) {
    const int64_t status = state.state_filing_status;
    const double allowances = static_cast<double>(state.state_allowances);
    txl5::BracketTax<NorthCarolinaBracketRow> out;
    out.annual = true;
    out.row = txl5::scan_rows(ncwh, date, [&](const NorthCarolinaBracketRow& row) {
        if (row.status != status) return false;
        const bool low = row.allowance_threshold >= annual_wages || row.allowance_threshold == 0.0;
        const double allowance = low ? row.allowance_low : row.allowance_high;
        const double taxable = annual_wages - row.standard_deduction - allowances * allowance;
        return txl5::tax_in_bracket(row, taxable, false, 1, &out.tax);
    });
    return out;
}

}  // namespace

int64_t state_nc(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state) {
    if (!fed || !state) return 1;
    const MDATE date = txl5::begin_state(*fed, state);
    const double periods = static_cast<double>(state->state_pay_periods);
    const double divisor = static_cast<double>(txl5::per_period_divisor(state->state_pay_periods));

    const txl5::BracketTax<NorthCarolinaBracketRow> regular = annual_tax(date, *state, periods * state->state_wages);
    if (!regular.row) return txl5::fail_no_row(state);
    txl5::record_row_used(state, *regular.row);
    // Withheld in whole dollars.
    state->state_tax = reallydollarround(regular.tax / divisor);

    // Supplemental wages by the method elected. Aggregate: the whole-dollar
    // period tax on regular plus supplemental wages (the allowance threshold
    // compared with their annual total), less the whole-dollar tax on the
    // regular wages, never below 0.
    return txl5::elected_supplemental_tax(
        state,
        [&] {
            txl5::BracketTax<NorthCarolinaBracketRow> combined = annual_tax(
                date, *state, periods * state->state_wages + periods * state->state_supplemental_wages);
            combined.tax = reallydollarround(combined.tax / divisor);
            return combined;
        },
        txl5::AggregateFloor::AtZero,
        [&] { return txl5::flat_supplemental_tax(supplemental_nc, date, state, reallydollarround); });
}
