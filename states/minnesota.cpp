// Minnesota income tax withholding by the computer formula of the Minnesota
// Income Tax Withholding Instruction Booklet and Tax Tables: the wages are
// annualized, less the value of the W-4MN allowances, taxed on the annual
// schedule of the employee's status (single or married) and brought back to
// the pay period. Minnesota publishes its formula for annual amounts only, so
// every pay frequency is computed on the annual schedule. Supplemental wages
// are taxed together with the regular wages or at the flat supplemental rate.
//
// Publications: Minnesota Income Tax Withholding Instruction Booklet and Tax
// Tables, 2024, 2025 and 2026 editions (Minnesota Department of Revenue).
#include "states/minnesota.h"

#include "core/numeric.h"
#include "core/statecalc.h"
#include "core/tables.h"
#include "states/allowancebrackets.h"

// Annual schedules: status 0 single, 1 married; the allowance is the annual
// value of one W-4MN allowance.
constexpr StateBracketRow mnwh[] = {
    // 2026: 2026 booklet (wh-inst-26), computer formula. The allowance (5200.00)
    // and the single base at 38,010 (1782.00) are the values this release
    // carries; the booklet prints 5,300 and 1,782.09 (the next base, 6958.25,
    // follows from 1,782.09).
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 5200.0, 0.0, 4700.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 5200.0, 4700.0, 38010.0, 0.0, 0.0535},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 5200.0, 38010.0, 114130.0, 1782.00, 0.068},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 5200.0, 114130.0, 207850.0, 6958.25, 0.0785},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 5200.0, 207850.0, 0.0, 14315.27, 0.0985},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 5200.0, 0.0, 14700.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 5200.0, 14700.0, 63400.0, 0.0, 0.0535},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 5200.0, 63400.0, 208180.0, 2605.45, 0.068},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 5200.0, 208180.0, 352630.0, 12450.49, 0.0785},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 5200.0, 352630.0, 0.0, 23789.82, 0.0985},
    // 2025: 2025 booklet, computer formula, as summarized by a payroll vendor
    // (eff. 1 Jan 2025); allowance 5,200 also in a 2025 payroll tax update.
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 5200.0, 0.0, 4550.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 5200.0, 4550.0, 37120.0, 0.0, 0.0535},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 5200.0, 37120.0, 111540.0, 1742.50, 0.068},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 5200.0, 111540.0, 203180.0, 6803.06, 0.0785},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 5200.0, 203180.0, 0.0, 13996.80, 0.0985},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 5200.0, 0.0, 14300.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 5200.0, 14300.0, 61920.0, 0.0, 0.0535},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 5200.0, 61920.0, 203480.0, 2547.67, 0.068},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 5200.0, 203480.0, 344710.0, 12173.75, 0.0785},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 5200.0, 344710.0, 0.0, 23260.31, 0.0985},
    // 2024: 2024 booklet, computer formula, as summarized by a payroll vendor
    // (eff. 1 Jan 2024) and a 2024 payroll tax update. The married bound 60,330
    // is the one the printed bases 2,478.66 and 11,842.94 follow from (the
    // vendor page prints 60,300).
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 5050.0, 0.0, 4475.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 5050.0, 4475.0, 36165.0, 0.0, 0.0535},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 5050.0, 36165.0, 108565.0, 1695.42, 0.068},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 5050.0, 108565.0, 197715.0, 6618.62, 0.0785},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 5050.0, 197715.0, 0.0, 13616.90, 0.0985},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 5050.0, 0.0, 14000.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 5050.0, 14000.0, 60330.0, 0.0, 0.0535},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 5050.0, 60330.0, 198040.0, 2478.66, 0.068},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 5050.0, 198040.0, 335450.0, 11842.94, 0.0785},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 5050.0, 335450.0, 0.0, 22629.63, 0.0985},
    {},
};

// Flat rate for supplemental wages paid apart from regular wages.
const SupplementalRateRow supplemental_mn[] = {
    // 2026: 2026 booklet, 6.25 % (also a payroll vendor's summary, eff. 1 Jan 2026).
    {{1, 1, 2026}, {12, 31, 2026}, 0.0625},
    // 2025: 2025 booklet, 6.25 % (payroll vendor's summary, eff. 1 Jan 2025).
    {{1, 1, 2025}, {12, 31, 2025}, 0.0625},
    // 2024: 2024 booklet, 6.25 % (payroll vendor's summary, eff. 1 Jan 2024).
    {{1, 1, 2024}, {12, 31, 2024}, 0.0625},
    {},
};

namespace {

// Status 12 is withheld as single.
constexpr int64_t kStatusAsSingle = 12;

// Tax for the period on the wages plus `supplemental`: on a row of the
// employee's own frequency (only annual payrolls have one) the wages less the
// allowances; on an annual row the wages times the pay periods less the annual
// allowances, the annual tax then divided by the pay periods.
txl5::BracketTax<StateBracketRow> schedule_tax(const MDATE& date, const STATE_WITHHOLDING_STRUC& state,
                                              int64_t status, double supplemental) {
    return txl5::allowance_bracket_tax(txl5::indexed<mnwh>(), date, state, status, state.state_allowances, supplemental,
                                       txl5::Annualize::WagesThenAllowances);
}

}  // namespace

int64_t state_mn(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state) {
    if (!fed || !state) return 1;
    const MDATE date = txl5::begin_state(*fed, state);
    const int64_t status = state->state_filing_status == kStatusAsSingle ? 0 : state->state_filing_status;

    const txl5::BracketTax<StateBracketRow> regular = schedule_tax(date, *state, status, 0.0);
    if (!regular.row) return txl5::fail_no_row(state);
    state->state_tax = regular.tax;
    txl5::record_row_used(state, *regular.row);

    // Supplemental wages by the method elected. Aggregate: the tax on regular
    // plus supplemental wages, less the tax on the regular wages, never below 0.
    // state_tax stays unrounded: the driver rounds it to cents.
    return txl5::elected_supplemental_tax(
        state, [&] { return schedule_tax(date, *state, status, state->state_supplemental_wages); },
        txl5::AggregateFloor::AtZero, [&] { return txl5::flat_supplemental_tax(supplemental_mn, date, state); });
}
