// Illinois income tax withholding by the automated payroll method of Booklet
// IL-700-T: the annual wages less the exemption for each allowance claimed on
// Form IL-W-4 (basic allowances on Line 1, additional allowances on Line 2)
// are taxed at the flat income tax rate, and the annual tax is brought back
// to the pay period. Illinois has no withholding tax on supplemental wages of
// its own: they are taxed together with the regular wages.
//
// Publications: Booklet IL-700-T, Illinois Withholding Tax Tables, editions
// effective 1 January 2022, 2023 (with the addendum of June 2023 for Public
// Act 103-0009), 2024, 2025 and 2026 (Illinois Department of Revenue).
#include "states/illinois.h"

#include "core/numeric.h"
#include "core/statecalc.h"
#include "core/tables.h"

// Annual rows, one bracket each: 4.95 % of the wages above the exemptions.
const IllinoisBracketRow ilwh[] = {
    // 2026: IL-700-T effective 1 January 2026, basic allowance 2,925, additional 1,000.
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 2925.0, 1000.0, 0.0, 0.0, 0.0, 0.0495},
    // 2025: IL-700-T effective 1 January 2025, basic allowance 2,850.
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 2850.0, 1000.0, 0.0, 0.0, 0.0, 0.0495},
    // 2024: IL-700-T effective 1 January 2024, basic allowance 2,775.
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 2775.0, 1000.0, 0.0, 0.0, 0.0, 0.0495},
    // 2023 from 6 July: Public Act 103-0009 set the 2023 exemption back to
    // 2,425 (IL-700-T addendum of June 2023).
    {{7, 6, 2023}, {12, 31, 2023}, 0, 1, 2425.0, 1000.0, 0.0, 0.0, 0.0, 0.0495},
    // 2023 to 5 July: IL-700-T effective 1 January 2023, basic allowance 2,625.
    {{1, 1, 2023}, {7, 5, 2023}, 0, 1, 2625.0, 1000.0, 0.0, 0.0, 0.0, 0.0495},
    // 2022: IL-700-T effective 1 January 2022, basic allowance 2,425.
    {{1, 1, 2022}, {12, 31, 2022}, 0, 1, 2425.0, 1000.0, 0.0, 0.0, 0.0, 0.0495},
    {},
};

namespace {

// Tax for the period on the wages plus `supplemental`: on a row of the
// employee's own frequency (only annual payrolls have one) the wages less the
// allowances; on an annual row the pay periods times the wages, less the
// annual allowances, the annual tax then divided by the pay periods.
txl5::BracketTax<IllinoisBracketRow> schedule_tax(const MDATE& date, const STATE_WITHHOLDING_STRUC& state,
                                                  double supplemental) {
    // Counts in floating point: no caller count can overflow.
    const double basic = static_cast<double>(state.state_allowances);
    const double additional = static_cast<double>(state.state_additional_allowances2);
    const double periods = static_cast<double>(state.state_pay_periods);
    const double wages = state.state_wages + supplemental;
    // Illinois has one schedule for every filing status.
    return txl5::bracket_tax(
        ilwh, date, state.state_pay_periods, [](const IllinoisBracketRow&) { return true; },
        [&](const IllinoisBracketRow& row, bool annual) {
            const double exemptions = basic * row.allowance_amount + additional * row.additional_amount;
            return (annual ? periods * wages : wages) - exemptions;
        });
}

}  // namespace

int64_t state_il(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state) {
    if (!fed || !state) return 1;
    const MDATE date = txl5::begin_state(*fed, state);

    const txl5::BracketTax<IllinoisBracketRow> regular = schedule_tax(date, *state, 0.0);
    if (!regular.row) return txl5::fail_no_row(state);
    state->state_tax = regular.tax;
    txl5::record_row_used(state, *regular.row);

    int64_t result = 0;
    // Supplemental wages are always taxed together with the regular wages
    // (state_supp_aggregate is not read): the tax on both less the tax on the
    // regular wages, never below 0.
    if (txl5::supplemental_due(*state)) {
        const txl5::BracketTax<IllinoisBracketRow> combined =
            schedule_tax(date, *state, state->state_supplemental_wages);
        result |= txl5::aggregate_supplemental_tax(combined, state, txl5::AggregateFloor::AtZero);
    }
    // state_tax stays unrounded: the driver rounds it to cents.
    return result;
}
