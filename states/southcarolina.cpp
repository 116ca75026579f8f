// South Carolina income tax withholding by the Withholding Tax Formula
// (WH-1603F): the wages less a standard deduction of 10 % of the wages up to a
// cap (allowed only to an employee who claims at least one allowance) and the
// allowances are taxed on the one schedule every filing status shares, for the
// pay frequency or on the annual schedule (wages brought to a year and the tax
// back to the period). Supplemental wages are taxed together with the regular
// wages or at the flat supplemental rate (the top bracket rate).
//
// Publications: South Carolina Department of Revenue, Withholding Tax Formula
// WH-1603F, 2026 edition; the 2024 and 2025 editions as summarized by a payroll
// vendor and in the payroll tax update documentation of those years.
#include "states/southcarolina.h"

#include <cmath>

#include "core/numeric.h"
#include "core/statecalc.h"
#include "core/tables.h"

const SouthCarolinaBracketRow scwh[] = {
    // BEGIN GENERATED ROWS by tools/gen_southcarolina.py from tools/data/southcarolina_scwh.csv: do not edit by hand
    // 2026: annual rows from South Carolina Withholding Tax Formula WH-1603F (2026).
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 5000.0, 0.0, 7500.0, 0.0, 3640.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 5000.0, 0.0, 7500.0, 3640.0, 18230.0, 0.0, 0.03},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 5000.0, 0.0, 7500.0, 18230.0, 0.0, 437.7, 0.06},
    // 2025: annual rows from South Carolina Withholding Tax Formula WH-1603F (2025) as summarized by a
    // payroll vendor and the 2025 payroll tax update documentation.
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 4860.0, 0.0, 7300.0, 0.0, 3560.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 4860.0, 0.0, 7300.0, 3560.0, 17830.0, 0.0, 0.03},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 4860.0, 0.0, 7300.0, 17830.0, 0.0, 428.1, 0.062},
    // 2024: annual rows from South Carolina Withholding Tax Formula WH-1603F (2024) as in the 2024 payroll
    // tax update documentation; other frequencies derived from them.
    {{1, 1, 2024}, {12, 31, 2024}, 0, 24, 192.08, 0.0, 288.54, 0.0, 144.17, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 24, 192.08, 0.0, 288.54, 144.17, 722.08, 0.0, 0.03},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 24, 192.08, 0.0, 288.54, 722.08, 0.0, 17.34, 0.064},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 26, 177.31, 0.0, 266.35, 0.0, 133.08, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 26, 177.31, 0.0, 266.35, 133.08, 666.54, 0.0, 0.03},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 26, 177.31, 0.0, 266.35, 666.54, 0.0, 16.0, 0.064},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 52, 88.65, 0.0, 133.17, 0.0, 66.54, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 52, 88.65, 0.0, 133.17, 66.54, 333.27, 0.0, 0.03},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 52, 88.65, 0.0, 133.17, 333.27, 0.0, 8.0, 0.064},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 12, 384.17, 0.0, 577.08, 0.0, 288.33, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 12, 384.17, 0.0, 577.08, 288.33, 1444.17, 0.0, 0.03},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 12, 384.17, 0.0, 577.08, 1444.17, 0.0, 34.68, 0.064},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 4610.0, 0.0, 6925.0, 0.0, 3460.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 4610.0, 0.0, 6925.0, 3460.0, 17330.0, 0.0, 0.03},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 4610.0, 0.0, 6925.0, 17330.0, 0.0, 416.1, 0.064},
    // END GENERATED ROWS
    {},
};

// Flat rate for supplemental wages.
const SupplementalRateRow supplemental_sc[] = {
    // 2026: WH-1603F (2026), 6 %.
    {{1, 1, 2026}, {12, 31, 2026}, 0.06},
    // 2025: WH-1603F (2025), 6.2 %.
    {{1, 1, 2025}, {12, 31, 2025}, 0.062},
    // 2024: WH-1603F (2024), 6.4 %.
    {{1, 1, 2024}, {12, 31, 2024}, 0.064},
    {},
};

namespace {

// The standard deduction: 10 % of the wages, up to the cap.
constexpr double kStandardDeductionShare = 0.1;

// Tax for the period on the wages plus `supplemental`, on the schedule of the
// employee's frequency or else the annual one (every amount times the pay
// periods; the tax divided by them). The standard deduction is figured on the
// regular wages alone; filing status plays no part.
txl5::BracketTax<SouthCarolinaBracketRow> schedule_tax(const MDATE& date, const STATE_WITHHOLDING_STRUC& state,
                                                      double supplemental) {
    const int64_t periods = state.state_pay_periods;
    const double p = static_cast<double>(periods);
    const double allowances = static_cast<double>(state.state_allowances);
    return txl5::bracket_tax(
        scwh, date, periods, [](const SouthCarolinaBracketRow&) { return true; },
        [&](const SouthCarolinaBracketRow& row, bool annual) {
            const double wages = annual ? p * state.state_wages : state.state_wages;
            double deduction = row.zero_allowance_deduction;
            if (state.state_allowances != 0) {
                deduction = kStandardDeductionShare * wages;
                if (deduction > row.std_max) deduction = row.std_max;
            }
            const double bonus = annual ? p * supplemental : supplemental;
            return bonus + wages - deduction - row.allowance_amount * allowances;
        });
}

}  // namespace

int64_t state_sc(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state) {
    if (!fed || !state) return txl5::kStateNoRow;
    const MDATE date = txl5::begin_state(*fed, state);

    const txl5::BracketTax<SouthCarolinaBracketRow> regular = schedule_tax(date, *state, 0.0);
    if (!regular.row) return txl5::fail_no_row(state);
    state->state_tax = regular.tax;
    txl5::record_row_used(state, *regular.row);

    // Supplemental wages by the method elected. Aggregate: the tax on regular
    // plus supplemental wages less the tax on the regular wages, never below 0.
    // state_tax stays unrounded: the driver rounds it to cents.
    return txl5::elected_supplemental_tax(
        state, [&] { return schedule_tax(date, *state, state->state_supplemental_wages); },
        txl5::AggregateFloor::AtZero, [&] { return txl5::flat_supplemental_tax(supplemental_sc, date, state); });
}
