// Indiana income tax withholding by Departmental Notice #1, How to Compute
// Withholding for State and County Income Tax: the period's wages less the
// deduction constants for the exemptions of Form WH-4 (personal exemptions,
// additional dependents, adopted dependents and, from 15 September 2023,
// dependents claimed for the first time) are taxed at the flat state rate.
// The notice prints the deduction constants per pay frequency (Tables A, B
// and C: the annual amounts divided by the pay periods, to the cent); a
// frequency it does not print is computed on the annual amounts.
// Supplemental wages are taxed at the same flat rate.
//
// Publications: Indiana Department of Revenue, Departmental Notice #1,
// editions effective 1 January 2024, 2025 and 2026, and the revision
// effective 15 September 2023 for the first-time dependent exemption.
#include "states/indiana.h"

#include <cstddef>

#include "core/numeric.h"
#include "core/statecalc.h"
#include "core/tables.h"
#include "core/versions.h"

// Personal exemption 1,000 a year (Table A) and additional dependent
// exemption 1,500 a year (Table B); statuses 0 and 1 carry the same values.
const IndianaBracketRow inwh[] = {
    // 2026: Departmental Notice #1 effective 1 January 2026: 2.95 %.
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 1000.0, 1500.0, 0.0, 0.0, 0.0, 0.0295},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 52, 19.23, 28.85, 0.0, 0.0, 0.0, 0.0295},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 12, 83.33, 125.0, 0.0, 0.0, 0.0, 0.0295},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 24, 41.67, 62.5, 0.0, 0.0, 0.0, 0.0295},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 26, 38.46, 57.69, 0.0, 0.0, 0.0, 0.0295},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 1000.0, 1500.0, 0.0, 0.0, 0.0, 0.0295},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 52, 19.23, 28.85, 0.0, 0.0, 0.0, 0.0295},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 12, 83.33, 125.0, 0.0, 0.0, 0.0, 0.0295},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 24, 41.67, 62.5, 0.0, 0.0, 0.0, 0.0295},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 26, 38.46, 57.69, 0.0, 0.0, 0.0, 0.0295},
    // 2025: Departmental Notice #1 effective 1 January 2025: 3.0 %; the exemptions
    // unchanged.
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 1000.0, 1500.0, 0.0, 0.0, 0.0, 0.03},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 52, 19.23, 28.85, 0.0, 0.0, 0.0, 0.03},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 12, 83.33, 125.0, 0.0, 0.0, 0.0, 0.03},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 24, 41.67, 62.5, 0.0, 0.0, 0.0, 0.03},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 26, 38.46, 57.69, 0.0, 0.0, 0.0, 0.03},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 1000.0, 1500.0, 0.0, 0.0, 0.0, 0.03},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 52, 19.23, 28.85, 0.0, 0.0, 0.0, 0.03},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 12, 83.33, 125.0, 0.0, 0.0, 0.0, 0.03},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 24, 41.67, 62.5, 0.0, 0.0, 0.0, 0.03},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 26, 38.46, 57.69, 0.0, 0.0, 0.0, 0.03},
    // 2024: Departmental Notice #1 effective 1 January 2024: 3.05 %; the exemptions
    // unchanged.
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 1000.0, 1500.0, 0.0, 0.0, 0.0, 0.0305},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 52, 19.23, 28.85, 0.0, 0.0, 0.0, 0.0305},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 12, 83.33, 125.0, 0.0, 0.0, 0.0, 0.0305},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 24, 41.67, 62.5, 0.0, 0.0, 0.0, 0.0305},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 26, 38.46, 57.69, 0.0, 0.0, 0.0, 0.0305},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 1000.0, 1500.0, 0.0, 0.0, 0.0, 0.0305},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 52, 19.23, 28.85, 0.0, 0.0, 0.0, 0.0305},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 12, 83.33, 125.0, 0.0, 0.0, 0.0, 0.0305},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 24, 41.67, 62.5, 0.0, 0.0, 0.0, 0.0305},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 26, 38.46, 57.69, 0.0, 0.0, 0.0, 0.0305},
    {},
};

// Adopted dependent exemption 3,000 a year (Table C), row by row with inwh.
const IndianaBracketRow inwh_adopted[] = {
    // 2026: Departmental Notice #1 effective 1 January 2026: 2.95 %.
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 1000.0, 3000.0, 0.0, 0.0, 0.0, 0.0295},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 52, 19.23, 57.69, 0.0, 0.0, 0.0, 0.0295},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 12, 83.33, 250.0, 0.0, 0.0, 0.0, 0.0295},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 24, 41.67, 125.0, 0.0, 0.0, 0.0, 0.0295},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 26, 38.46, 115.38, 0.0, 0.0, 0.0, 0.0295},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 1000.0, 3000.0, 0.0, 0.0, 0.0, 0.0295},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 52, 19.23, 57.69, 0.0, 0.0, 0.0, 0.0295},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 12, 83.33, 250.0, 0.0, 0.0, 0.0, 0.0295},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 24, 41.67, 125.0, 0.0, 0.0, 0.0, 0.0295},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 26, 38.46, 115.38, 0.0, 0.0, 0.0, 0.0295},
    // 2025: Departmental Notice #1 effective 1 January 2025: 3.0 %; the exemptions
    // unchanged.
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 1000.0, 3000.0, 0.0, 0.0, 0.0, 0.03},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 52, 19.23, 57.69, 0.0, 0.0, 0.0, 0.03},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 12, 83.33, 250.0, 0.0, 0.0, 0.0, 0.03},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 24, 41.67, 125.0, 0.0, 0.0, 0.0, 0.03},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 26, 38.46, 115.38, 0.0, 0.0, 0.0, 0.03},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 1000.0, 3000.0, 0.0, 0.0, 0.0, 0.03},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 52, 19.23, 57.69, 0.0, 0.0, 0.0, 0.03},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 12, 83.33, 250.0, 0.0, 0.0, 0.0, 0.03},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 24, 41.67, 125.0, 0.0, 0.0, 0.0, 0.03},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 26, 38.46, 115.38, 0.0, 0.0, 0.0, 0.03},
    // 2024: Departmental Notice #1 effective 1 January 2024: 3.05 %; the exemptions
    // unchanged.
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 1000.0, 3000.0, 0.0, 0.0, 0.0, 0.0305},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 52, 19.23, 57.69, 0.0, 0.0, 0.0, 0.0305},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 12, 83.33, 250.0, 0.0, 0.0, 0.0, 0.0305},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 24, 41.67, 125.0, 0.0, 0.0, 0.0, 0.0305},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 26, 38.46, 115.38, 0.0, 0.0, 0.0, 0.0305},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 1000.0, 3000.0, 0.0, 0.0, 0.0, 0.0305},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 52, 19.23, 57.69, 0.0, 0.0, 0.0, 0.0305},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 12, 83.33, 250.0, 0.0, 0.0, 0.0, 0.0305},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 24, 41.67, 125.0, 0.0, 0.0, 0.0, 0.0305},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 26, 38.46, 115.38, 0.0, 0.0, 0.0, 0.0305},
    {},
};

// First-time dependent exemption: 1,500 a year beyond the additional
// dependent exemption (Table B), row by row with inwh; then the rows of the
// 2023 revision that introduced it.
const IndianaBracketRow inwh_firsttime[] = {
    // 2026: Departmental Notice #1 effective 1 January 2026: 2.95 %.
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 1000.0, 1500.0, 0.0, 0.0, 0.0, 0.0295},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 52, 19.23, 28.85, 0.0, 0.0, 0.0, 0.0295},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 12, 83.33, 125.0, 0.0, 0.0, 0.0, 0.0295},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 24, 41.67, 62.5, 0.0, 0.0, 0.0, 0.0295},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 26, 38.46, 57.69, 0.0, 0.0, 0.0, 0.0295},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 1000.0, 1500.0, 0.0, 0.0, 0.0, 0.0295},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 52, 19.23, 28.85, 0.0, 0.0, 0.0, 0.0295},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 12, 83.33, 125.0, 0.0, 0.0, 0.0, 0.0295},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 24, 41.67, 62.5, 0.0, 0.0, 0.0, 0.0295},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 26, 38.46, 57.69, 0.0, 0.0, 0.0, 0.0295},
    // 2025: Departmental Notice #1 effective 1 January 2025: 3.0 %; the exemptions
    // unchanged.
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 1000.0, 1500.0, 0.0, 0.0, 0.0, 0.03},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 52, 19.23, 28.85, 0.0, 0.0, 0.0, 0.03},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 12, 83.33, 125.0, 0.0, 0.0, 0.0, 0.03},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 24, 41.67, 62.5, 0.0, 0.0, 0.0, 0.03},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 26, 38.46, 57.69, 0.0, 0.0, 0.0, 0.03},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 1000.0, 1500.0, 0.0, 0.0, 0.0, 0.03},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 52, 19.23, 28.85, 0.0, 0.0, 0.0, 0.03},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 12, 83.33, 125.0, 0.0, 0.0, 0.0, 0.03},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 24, 41.67, 62.5, 0.0, 0.0, 0.0, 0.03},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 26, 38.46, 57.69, 0.0, 0.0, 0.0, 0.03},
    // 2024: Departmental Notice #1 effective 1 January 2024: 3.05 %; the exemptions
    // unchanged.
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 1000.0, 1500.0, 0.0, 0.0, 0.0, 0.0305},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 52, 19.23, 28.85, 0.0, 0.0, 0.0, 0.0305},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 12, 83.33, 125.0, 0.0, 0.0, 0.0, 0.0305},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 24, 41.67, 62.5, 0.0, 0.0, 0.0, 0.0305},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 26, 38.46, 57.69, 0.0, 0.0, 0.0, 0.0305},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 1000.0, 1500.0, 0.0, 0.0, 0.0, 0.0305},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 52, 19.23, 28.85, 0.0, 0.0, 0.0, 0.0305},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 12, 83.33, 125.0, 0.0, 0.0, 0.0, 0.0305},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 24, 41.67, 62.5, 0.0, 0.0, 0.0, 0.0305},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 26, 38.46, 57.69, 0.0, 0.0, 0.0, 0.0305},
    // 15 September to 31 December 2023: Departmental Notice #1 revised for the first-time
    // dependent exemption (3,000 in the first year a dependent is claimed, that is 1,500 on
    // top of the additional dependent exemption, taken from Table B): 3.15 %. No inwh row
    // belongs to these rows, so no paycheck reads them.
    {{9, 15, 2023}, {12, 31, 2023}, 0, 1, 1000.0, 1500.0, 0.0, 0.0, 0.0, 0.0315},
    {{9, 15, 2023}, {12, 31, 2023}, 0, 52, 19.23, 28.85, 0.0, 0.0, 0.0, 0.0315},
    {{9, 15, 2023}, {12, 31, 2023}, 0, 12, 83.33, 125.0, 0.0, 0.0, 0.0, 0.0315},
    {{9, 15, 2023}, {12, 31, 2023}, 0, 24, 41.67, 62.5, 0.0, 0.0, 0.0, 0.0315},
    {{9, 15, 2023}, {12, 31, 2023}, 0, 26, 38.46, 57.69, 0.0, 0.0, 0.0, 0.0315},
    {{9, 15, 2023}, {12, 31, 2023}, 1, 1, 1000.0, 1500.0, 0.0, 0.0, 0.0, 0.0315},
    {{9, 15, 2023}, {12, 31, 2023}, 1, 52, 19.23, 28.85, 0.0, 0.0, 0.0, 0.0315},
    {{9, 15, 2023}, {12, 31, 2023}, 1, 12, 83.33, 125.0, 0.0, 0.0, 0.0, 0.0315},
    {{9, 15, 2023}, {12, 31, 2023}, 1, 24, 41.67, 62.5, 0.0, 0.0, 0.0, 0.0315},
    {{9, 15, 2023}, {12, 31, 2023}, 1, 26, 38.46, 57.69, 0.0, 0.0, 0.0, 0.0315},
    {},
};

namespace {

// Adopted dependents count from October 2022, when Form WH-4 began to ask for them.
bool adopted_dependents_counted(const MDATE& date) {
    return date.year > 2022 || (date.year == 2022 && date.month > 9);
}

// The first-time dependent exemption counts from 15 September 2023.
bool first_time_dependents_counted(const MDATE& date) {
    return date.year > 2023 || (date.year == 2023 && (date.month > 9 || (date.month == 9 && date.day >= 15)));
}

}  // namespace

namespace txl5 {

IndianaDependents indiana_dependents(const FEDERAL_WITHHOLDING_STRUC& fed, const STATE_WITHHOLDING_STRUC& state) {
    IndianaDependents counted;
    // A state record of this layout counts no dependents of any kind.
    if (state.struc_version == kStateIndianaFormVersion) return counted;
    const MDATE date = check_date(fed);
    counted.dependents = static_cast<double>(state.state_additional_count2);
    if (adopted_dependents_counted(date)) counted.adopted = static_cast<double>(state.state_new_form);
    // A first-time dependent counts only in the year it is claimed for (the
    // certificate's tax year, or the check year when none is given).
    const int64_t claim_year = state.state_form_flag3 != 0 ? state.state_form_flag3 : date.year;
    if (claim_year == date.year && first_time_dependents_counted(date)) {
        counted.first_time = static_cast<double>(state.state_form_flag2);
    }
    return counted;
}

double indiana_taxable(const IndianaBracketRow& row, bool annual, int64_t pay_periods, double wages,
                       int64_t exemptions, const IndianaDependents& dependents) {
    // The same row of the two parallel tables holds the amounts for adopted
    // and first-time dependents.
    const std::ptrdiff_t i = &row - inwh;
    const double deductions = static_cast<double>(exemptions) * row.exemption_amount +
                              dependents.dependents * row.dependent_amount +
                              dependents.adopted * inwh_adopted[i].dependent_amount +
                              dependents.first_time * inwh_firsttime[i].dependent_amount;
    return (annual ? static_cast<double>(pay_periods) * wages : wages) - deductions;
}

}  // namespace txl5

int64_t state_in(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state) {
    if (!fed || !state) return 1;
    const MDATE date = txl5::begin_state(*fed, state);
    const txl5::IndianaDependents dependents = txl5::indiana_dependents(*fed, *state);
    const int64_t periods = state->state_pay_periods;

    // Indiana has one schedule for every status: the first row of the pay
    // frequency (or else the annual row) in force on the check date.
    const txl5::BracketTax<IndianaBracketRow> regular = txl5::bracket_tax(
        inwh, date, periods, [](const IndianaBracketRow&) { return true; },
        [&](const IndianaBracketRow& row, bool annual) {
            return txl5::indiana_taxable(row, annual, periods, state->state_wages, state->state_allowances,
                                         dependents);
        });
    if (!regular.row) return txl5::fail_no_row(state);
    state->state_tax = regular.tax;
    txl5::record_row_used(state, *regular.row);

    // Supplemental wages at the flat state rate of the row used.
    if (txl5::supplemental_due(*state)) {
        // The flat rate times the supplemental wages, unrounded.
        return txl5::store_flat_supplemental_tax(state, regular.row->rate, txl5::unrounded);
    }
    // state_tax stays unrounded: the driver rounds it to cents.
    return 0;
}
