// District of Columbia income tax withholding by the percentage method of the
// Office of Tax and Revenue: the wages less the value of the D-4 withholding
// allowances are taxed on the annual schedule of the employee's status (the
// same seven brackets for every status in 2024 to 2026) and brought back to
// the pay period. Supplemental wages are always taxed together with the
// regular wages.
//
// Publications: District of Columbia income tax withholding formula (Office of
// Tax and Revenue, Form D-4 allowances of 4,150) for 2024 and 2026, the 2024
// edition as summarized by payroll vendors.
#include "states/dc.h"

#include "core/numeric.h"
#include "core/statecalc.h"
#include "core/tables.h"
#include "states/allowancebrackets.h"

// Annual schedules: status 1 married filing jointly, 0 single (and married
// filing separately), 2 head of household; the allowance is the annual value
// of one D-4 allowance.
constexpr StateBracketRow dcwh[] = {
    // 2026: DC Office of Tax and Revenue withholding formula for 2026 (the seven
    // brackets of the income tax from 4 % to 10.75 %; 4,150 per allowance).
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 4150.0, 0.0, 10000.0, 0.0, 0.04},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 4150.0, 10000.0, 40000.0, 400.0, 0.06},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 4150.0, 40000.0, 60000.0, 2200.0, 0.065},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 4150.0, 60000.0, 250000.0, 3500.0, 0.085},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 4150.0, 250000.0, 500000.0, 19650.0, 0.0925},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 4150.0, 500000.0, 1000000.0, 42775.0, 0.0975},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 4150.0, 1000000.0, 0.0, 91525.0, 0.1075},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 4150.0, 0.0, 10000.0, 0.0, 0.04},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 4150.0, 10000.0, 40000.0, 400.0, 0.06},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 4150.0, 40000.0, 60000.0, 2200.0, 0.065},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 4150.0, 60000.0, 250000.0, 3500.0, 0.085},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 4150.0, 250000.0, 500000.0, 19650.0, 0.0925},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 4150.0, 500000.0, 1000000.0, 42775.0, 0.0975},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 4150.0, 1000000.0, 0.0, 91525.0, 0.1075},
    {{1, 1, 2026}, {12, 31, 2026}, 2, 1, 4150.0, 0.0, 10000.0, 0.0, 0.04},
    {{1, 1, 2026}, {12, 31, 2026}, 2, 1, 4150.0, 10000.0, 40000.0, 400.0, 0.06},
    {{1, 1, 2026}, {12, 31, 2026}, 2, 1, 4150.0, 40000.0, 60000.0, 2200.0, 0.065},
    {{1, 1, 2026}, {12, 31, 2026}, 2, 1, 4150.0, 60000.0, 250000.0, 3500.0, 0.085},
    {{1, 1, 2026}, {12, 31, 2026}, 2, 1, 4150.0, 250000.0, 500000.0, 19650.0, 0.0925},
    {{1, 1, 2026}, {12, 31, 2026}, 2, 1, 4150.0, 500000.0, 1000000.0, 42775.0, 0.0975},
    {{1, 1, 2026}, {12, 31, 2026}, 2, 1, 4150.0, 1000000.0, 0.0, 91525.0, 0.1075},
    // 2025: the 2024 rows carried over: the District's brackets and allowance are
    // the same in 2024 and 2026 (no 2025 edition was found to confirm them).
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 4150.0, 0.0, 10000.0, 0.0, 0.04},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 4150.0, 10000.0, 40000.0, 400.0, 0.06},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 4150.0, 40000.0, 60000.0, 2200.0, 0.065},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 4150.0, 60000.0, 250000.0, 3500.0, 0.085},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 4150.0, 250000.0, 500000.0, 19650.0, 0.0925},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 4150.0, 500000.0, 1000000.0, 42775.0, 0.0975},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 4150.0, 1000000.0, 0.0, 91525.0, 0.1075},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 4150.0, 0.0, 10000.0, 0.0, 0.04},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 4150.0, 10000.0, 40000.0, 400.0, 0.06},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 4150.0, 40000.0, 60000.0, 2200.0, 0.065},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 4150.0, 60000.0, 250000.0, 3500.0, 0.085},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 4150.0, 250000.0, 500000.0, 19650.0, 0.0925},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 4150.0, 500000.0, 1000000.0, 42775.0, 0.0975},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 4150.0, 1000000.0, 0.0, 91525.0, 0.1075},
    {{1, 1, 2025}, {12, 31, 2025}, 2, 1, 4150.0, 0.0, 10000.0, 0.0, 0.04},
    {{1, 1, 2025}, {12, 31, 2025}, 2, 1, 4150.0, 10000.0, 40000.0, 400.0, 0.06},
    {{1, 1, 2025}, {12, 31, 2025}, 2, 1, 4150.0, 40000.0, 60000.0, 2200.0, 0.065},
    {{1, 1, 2025}, {12, 31, 2025}, 2, 1, 4150.0, 60000.0, 250000.0, 3500.0, 0.085},
    {{1, 1, 2025}, {12, 31, 2025}, 2, 1, 4150.0, 250000.0, 500000.0, 19650.0, 0.0925},
    {{1, 1, 2025}, {12, 31, 2025}, 2, 1, 4150.0, 500000.0, 1000000.0, 42775.0, 0.0975},
    {{1, 1, 2025}, {12, 31, 2025}, 2, 1, 4150.0, 1000000.0, 0.0, 91525.0, 0.1075},
    // 2024: DC withholding formula for 2024 as summarized by payroll vendors
    // (DC tax facts updated 1 July 2024; a 2024 DC withholding table page).
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 4150.0, 0.0, 10000.0, 0.0, 0.04},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 4150.0, 10000.0, 40000.0, 400.0, 0.06},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 4150.0, 40000.0, 60000.0, 2200.0, 0.065},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 4150.0, 60000.0, 250000.0, 3500.0, 0.085},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 4150.0, 250000.0, 500000.0, 19650.0, 0.0925},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 4150.0, 500000.0, 1000000.0, 42775.0, 0.0975},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 4150.0, 1000000.0, 0.0, 91525.0, 0.1075},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 4150.0, 0.0, 10000.0, 0.0, 0.04},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 4150.0, 10000.0, 40000.0, 400.0, 0.06},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 4150.0, 40000.0, 60000.0, 2200.0, 0.065},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 4150.0, 60000.0, 250000.0, 3500.0, 0.085},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 4150.0, 250000.0, 500000.0, 19650.0, 0.0925},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 4150.0, 500000.0, 1000000.0, 42775.0, 0.0975},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 4150.0, 1000000.0, 0.0, 91525.0, 0.1075},
    {{1, 1, 2024}, {12, 31, 2024}, 2, 1, 4150.0, 0.0, 10000.0, 0.0, 0.04},
    {{1, 1, 2024}, {12, 31, 2024}, 2, 1, 4150.0, 10000.0, 40000.0, 400.0, 0.06},
    {{1, 1, 2024}, {12, 31, 2024}, 2, 1, 4150.0, 40000.0, 60000.0, 2200.0, 0.065},
    {{1, 1, 2024}, {12, 31, 2024}, 2, 1, 4150.0, 60000.0, 250000.0, 3500.0, 0.085},
    {{1, 1, 2024}, {12, 31, 2024}, 2, 1, 4150.0, 250000.0, 500000.0, 19650.0, 0.0925},
    {{1, 1, 2024}, {12, 31, 2024}, 2, 1, 4150.0, 500000.0, 1000000.0, 42775.0, 0.0975},
    {{1, 1, 2024}, {12, 31, 2024}, 2, 1, 4150.0, 1000000.0, 0.0, 91525.0, 0.1075},
    {},
};

namespace {

// From 2015 married filing separately (3) uses the single schedule; until
// 2014 every married and head-of-household status did.
constexpr int64_t kFirstYearOwnSchedules = 2015;
constexpr int64_t kMarriedFilingJointly = 1;
constexpr int64_t kHeadOfHousehold = 2;
constexpr int64_t kMarriedFilingSeparately = 3;

int64_t schedule_status(int64_t status, int64_t year) {
    if (status == kMarriedFilingSeparately) return 0;
    if (year < kFirstYearOwnSchedules && (status == kMarriedFilingJointly || status == kHeadOfHousehold)) return 0;
    return status;
}

// Tax for the period on the wages plus `supplemental`: on a row of the
// employee's own frequency (only annual payrolls have one) the wages less the
// allowances; on an annual row the wages times the pay periods less the annual
// allowances, the annual tax then divided by the pay periods.
txl5::BracketTax<StateBracketRow> schedule_tax(const MDATE& date, const STATE_WITHHOLDING_STRUC& state,
                                              int64_t status, double supplemental) {
    return txl5::allowance_bracket_tax(txl5::indexed<dcwh>(), date, state, status, state.state_allowances, supplemental,
                                       txl5::Annualize::WagesThenAllowances);
}

}  // namespace

int64_t state_dc(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state) {
    if (!fed || !state) return 1;
    const MDATE date = txl5::begin_state(*fed, state);
    const int64_t status = schedule_status(state->state_filing_status, fed->check_year);

    const txl5::BracketTax<StateBracketRow> regular = schedule_tax(date, *state, status, 0.0);
    if (!regular.row) return txl5::fail_no_row(state);
    state->state_tax = regular.tax < 0.0 ? 0.0 : regular.tax;
    txl5::record_row_used(state, *regular.row);

    int64_t result = 0;
    if (txl5::supplemental_due(*state)) {
        // Always aggregate, whatever state_supp_aggregate says: the tax on
        // regular plus supplemental wages, less the tax on the regular wages,
        // never below 0.
        const txl5::BracketTax<StateBracketRow> combined =
            schedule_tax(date, *state, status, state->state_supplemental_wages);
        result |= txl5::aggregate_supplemental_tax(combined, state, txl5::AggregateFloor::AtZero);
    }
    // state_tax stays unrounded: the driver rounds it to cents.
    return result;
}
