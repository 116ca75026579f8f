// Virginia income tax withholding by the formula of the Virginia Employer
// Withholding Instructions: the period's wages are annualized, reduced by the
// standard deduction, the personal exemptions and the further exemptions for
// age 65 or blindness, taxed on one annual schedule for all filers and
// brought back to the pay period. Supplemental wages are taxed together with
// the regular wages or at the flat supplemental rate.
//
// Publications: Virginia Income Tax Withholding Guide for Employers
// (Employer Withholding Instructions), 2025 edition for wages paid from
// 1 July 2025 (Virginia Department of Taxation), read in a transcription of the
// PDF (open-withholding, data/us/va/2025/withholding.yaml); the standard
// deductions of the earlier periods as announced in the 2024 and 2025 payroll
// tax updates (8000 to 8500 in 2024, 8500 to 8750 from July 2025).
#include "states/virginia.h"

#include <cmath>

#include "core/numeric.h"
#include "core/statecalc.h"
#include "core/tables.h"

// The annual schedule: the brackets are unchanged in every period held; the
// periods differ in the standard deduction.
const VirginiaBracketRow vawh[] = {
    // 2026: Employer Withholding Instructions (2025, in force from 1 July 2025) kept for 2026: standard
    // deduction 8750, exemptions 930 and 800.
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 8750.0, 930.0, 800.0, 0.0, 3000.0, 0.0, 0.02},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 8750.0, 930.0, 800.0, 3000.0, 5000.0, 60.0, 0.03},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 8750.0, 930.0, 800.0, 5000.0, 17000.0, 120.0, 0.05},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 8750.0, 930.0, 800.0, 17000.0, 0.0, 720.0, 0.0575},
    // 1 July - 31 December 2025: Employer Withholding Instructions (2025), updated tables for wages paid
    // from 1 July 2025: standard deduction 8750.
    {{7, 1, 2025}, {12, 31, 2025}, 0, 1, 8750.0, 930.0, 800.0, 0.0, 3000.0, 0.0, 0.02},
    {{7, 1, 2025}, {12, 31, 2025}, 0, 1, 8750.0, 930.0, 800.0, 3000.0, 5000.0, 60.0, 0.03},
    {{7, 1, 2025}, {12, 31, 2025}, 0, 1, 8750.0, 930.0, 800.0, 5000.0, 17000.0, 120.0, 0.05},
    {{7, 1, 2025}, {12, 31, 2025}, 0, 1, 8750.0, 930.0, 800.0, 17000.0, 0.0, 720.0, 0.0575},
    // 1 January - 30 June 2025: standard deduction 8500 (the 2024 update, still in force).
    {{1, 1, 2025}, {6, 30, 2025}, 0, 1, 8500.0, 930.0, 800.0, 0.0, 3000.0, 0.0, 0.02},
    {{1, 1, 2025}, {6, 30, 2025}, 0, 1, 8500.0, 930.0, 800.0, 3000.0, 5000.0, 60.0, 0.03},
    {{1, 1, 2025}, {6, 30, 2025}, 0, 1, 8500.0, 930.0, 800.0, 5000.0, 17000.0, 120.0, 0.05},
    {{1, 1, 2025}, {6, 30, 2025}, 0, 1, 8500.0, 930.0, 800.0, 17000.0, 0.0, 720.0, 0.0575},
    // 1 July - 31 December 2024: standard deduction 8500 (tables updated in 2024 for the 8500 deduction).
    {{7, 1, 2024}, {12, 31, 2024}, 0, 1, 8500.0, 930.0, 800.0, 0.0, 3000.0, 0.0, 0.02},
    {{7, 1, 2024}, {12, 31, 2024}, 0, 1, 8500.0, 930.0, 800.0, 3000.0, 5000.0, 60.0, 0.03},
    {{7, 1, 2024}, {12, 31, 2024}, 0, 1, 8500.0, 930.0, 800.0, 5000.0, 17000.0, 120.0, 0.05},
    {{7, 1, 2024}, {12, 31, 2024}, 0, 1, 8500.0, 930.0, 800.0, 17000.0, 0.0, 720.0, 0.0575},
    // 1 January - 30 June 2024: standard deduction 8000 (the tables in force at the start of 2024).
    {{1, 1, 2024}, {6, 30, 2024}, 0, 1, 8000.0, 930.0, 800.0, 0.0, 3000.0, 0.0, 0.02},
    {{1, 1, 2024}, {6, 30, 2024}, 0, 1, 8000.0, 930.0, 800.0, 3000.0, 5000.0, 60.0, 0.03},
    {{1, 1, 2024}, {6, 30, 2024}, 0, 1, 8000.0, 930.0, 800.0, 5000.0, 17000.0, 120.0, 0.05},
    {{1, 1, 2024}, {6, 30, 2024}, 0, 1, 8000.0, 930.0, 800.0, 17000.0, 0.0, 720.0, 0.0575},
    // 2023: standard deduction 8000.
    {{1, 1, 2023}, {12, 31, 2023}, 0, 1, 8000.0, 930.0, 800.0, 0.0, 3000.0, 0.0, 0.02},
    {{1, 1, 2023}, {12, 31, 2023}, 0, 1, 8000.0, 930.0, 800.0, 3000.0, 5000.0, 60.0, 0.03},
    {{1, 1, 2023}, {12, 31, 2023}, 0, 1, 8000.0, 930.0, 800.0, 5000.0, 17000.0, 120.0, 0.05},
    {{1, 1, 2023}, {12, 31, 2023}, 0, 1, 8000.0, 930.0, 800.0, 17000.0, 0.0, 720.0, 0.0575},
    {},
};

// Flat rate for supplemental wages: the top rate of the schedule, 5.75 %,
// in every year held.
const SupplementalRateRow supplemental_va[] = {
    {{1, 1, 2026}, {12, 31, 2026}, 0.0575},
    {{1, 1, 2025}, {12, 31, 2025}, 0.0575},
    {{1, 1, 2024}, {12, 31, 2024}, 0.0575},
    {{1, 1, 2023}, {12, 31, 2023}, 0.0575},
    {},
};

namespace {

// Tax for the period on the wages plus `supplemental`: the annualized wages
// less the standard deduction and the exemptions, not below 0, taxed on the
// annual schedule and divided by the pay periods. Annualized supplemental
// wages are added to that annual taxable wage, after the deductions have been
// floored. No status or pay-period key: the first row in force whose bracket
// holds the annual taxable wages. (A second scan of the same rows could only
// repeat the first, so a miss is final.)
txl5::BracketTax<VirginiaBracketRow> schedule_tax(const MDATE& date, const STATE_WITHHOLDING_STRUC& state,
                                                 double supplemental) {
    const int64_t periods = state.state_pay_periods;
    const double p = static_cast<double>(periods);
    const double personal = static_cast<double>(state.state_allowances);
    const double further = static_cast<double>(state.state_form_code);
    txl5::BracketTax<VirginiaBracketRow> out;
    out.row = txl5::scan_rows(vawh, date, [&](const VirginiaBracketRow& row) {
        double taxable = p * state.state_wages - row.exemption_amount * personal - row.exemption2_amount * further -
                         row.std_deduction;
        // Floored at 0; wages that are not a finite amount stay as they are
        // and fit no bracket.
        if (std::isfinite(taxable) && taxable < 0.0) taxable = 0.0;
        taxable += p * supplemental;
        return txl5::tax_in_bracket(row, taxable, true, periods, &out.tax);
    });
    out.annual = true;
    return out;
}

}  // namespace

int64_t state_va(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state) {
    if (!fed || !state) return 1;
    const MDATE date = txl5::begin_state(*fed, state);

    const txl5::BracketTax<VirginiaBracketRow> regular = schedule_tax(date, *state, 0.0);
    if (!regular.row) return txl5::fail_no_row(state);
    state->state_tax = regular.tax;
    txl5::record_row_used(state, *regular.row);
    // The count of further exemptions is left for the caller in aux_result.
    fed->aux_result = state->state_form_code;

    // Supplemental wages by the method elected. Aggregate: the tax on regular
    // plus supplemental wages, less the tax on the regular wages, never below 0.
    // state_tax stays unrounded: the driver rounds it to cents.
    return txl5::elected_supplemental_tax(
        state, [&] { return schedule_tax(date, *state, state->state_supplemental_wages); },
        txl5::AggregateFloor::AtZero, [&] { return txl5::flat_supplemental_tax(supplemental_va, date, state); });
}
