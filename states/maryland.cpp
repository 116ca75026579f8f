// Maryland income tax withholding by the percentage method: the wages are
// annualized, less a standard deduction and the exemptions, and taxed on the
// annual schedule of the employee's status (single or married); below a
// minimum annual wage nothing is withheld. Supplemental wages are taxed
// together with the regular wages or at the flat 5.75 %. The county income
// tax that Maryland collects with it is computed on the local record
// (local/maryland.cpp).
//
// Publications: Comptroller of Maryland, Employer Withholding Guide and the
// percentage-method pages for tax years 2023 to 2026 (marylandtaxes.gov);
// state schedules also as printed in the payroll tax updates of 2023 to 2025
// (combined state and county tables).
#include "states/maryland.h"

#include <cmath>

#include "core/numeric.h"
#include "core/statecalc.h"
#include "core/tables.h"
#include "core/txl5.h"

// Annual schedules, per year single then married.
const MdwhRow mdwh[] = {
    // 2026: Maryland's 2026 percentage method: a flat standard deduction of
    // 3,350 (the 2026 Employer Withholding Guide prints 3,400; 3,350 is the
    // value this release carries), exemption 3,200, and the 6.25 % and 6.5 %
    // brackets above 500,000 / 600,000 and 1,000,000 / 1,200,000 added by the
    // Budget Reconciliation and Financing Act of 2025. The married row from
    // 300,000 stores a least deduction of 13,350, which the greatest (3,350)
    // brings back to 3,350.
    {{1, 1, 2026}, {12, 31, 2026}, 0.0, 1, 5000.0, 0.0, 3350.0, 3350.0, 3200.0, 0.0, 100000.0, 0.0, 0.0475},
    {{1, 1, 2026}, {12, 31, 2026}, 0.0, 1, 5000.0, 0.0, 3350.0, 3350.0, 3200.0, 100000.0, 125000.0, 4750.0, 0.05},
    {{1, 1, 2026}, {12, 31, 2026}, 0.0, 1, 5000.0, 0.0, 3350.0, 3350.0, 3200.0, 125000.0, 150000.0, 6000.0, 0.0525},
    {{1, 1, 2026}, {12, 31, 2026}, 0.0, 1, 5000.0, 0.0, 3350.0, 3350.0, 3200.0, 150000.0, 250000.0, 7312.5, 0.055},
    {{1, 1, 2026}, {12, 31, 2026}, 0.0, 1, 5000.0, 0.0, 3350.0, 3350.0, 3200.0, 250000.0, 500000.0, 12812.5, 0.0575},
    {{1, 1, 2026}, {12, 31, 2026}, 0.0, 1, 5000.0, 0.0, 3350.0, 3350.0, 3200.0, 500000.0, 1000000.0, 27187.5, 0.0625},
    {{1, 1, 2026}, {12, 31, 2026}, 0.0, 1, 5000.0, 0.0, 3350.0, 3350.0, 3200.0, 1000000.0, 0.0, 58437.5, 0.065},
    {{1, 1, 2026}, {12, 31, 2026}, 1.0, 1, 5000.0, 0.0, 3350.0, 3350.0, 3200.0, 0.0, 150000.0, 0.0, 0.0475},
    {{1, 1, 2026}, {12, 31, 2026}, 1.0, 1, 5000.0, 0.0, 3350.0, 3350.0, 3200.0, 150000.0, 175000.0, 7125.0, 0.05},
    {{1, 1, 2026}, {12, 31, 2026}, 1.0, 1, 5000.0, 0.0, 3350.0, 3350.0, 3200.0, 175000.0, 225000.0, 8375.0, 0.0525},
    {{1, 1, 2026}, {12, 31, 2026}, 1.0, 1, 5000.0, 0.0, 3350.0, 3350.0, 3200.0, 225000.0, 300000.0, 11000.0, 0.055},
    {{1, 1, 2026}, {12, 31, 2026}, 1.0, 1, 5000.0, 0.0, 13350.0, 3350.0, 3200.0, 300000.0, 600000.0, 15125.0, 0.0575},
    {{1, 1, 2026}, {12, 31, 2026}, 1.0, 1, 5000.0, 0.0, 3350.0, 3350.0, 3200.0, 600000.0, 1200000.0, 32375.0, 0.0625},
    {{1, 1, 2026}, {12, 31, 2026}, 1.0, 1, 5000.0, 0.0, 3350.0, 3350.0, 3200.0, 1200000.0, 0.0, 69875.0, 0.065},
    // 2025: standard deduction 15 % of wages, 1,800 to 2,700 (the values of
    // 2024 carried; a payroll update of February 2025 prints 1,850 / 2,800,
    // and one of July 2025 a flat 3,350), exemption 3,200, brackets as 2024.
    {{1, 1, 2025}, {12, 31, 2025}, 0.0, 1, 5000.0, 0.15, 1800.0, 2700.0, 3200.0, 0.0, 100000.0, 0.0, 0.0475},
    {{1, 1, 2025}, {12, 31, 2025}, 0.0, 1, 5000.0, 0.15, 1800.0, 2700.0, 3200.0, 100000.0, 125000.0, 4750.0, 0.05},
    {{1, 1, 2025}, {12, 31, 2025}, 0.0, 1, 5000.0, 0.15, 1800.0, 2700.0, 3200.0, 125000.0, 150000.0, 6000.0, 0.0525},
    {{1, 1, 2025}, {12, 31, 2025}, 0.0, 1, 5000.0, 0.15, 1800.0, 2700.0, 3200.0, 150000.0, 250000.0, 7312.5, 0.055},
    {{1, 1, 2025}, {12, 31, 2025}, 0.0, 1, 5000.0, 0.15, 1800.0, 2700.0, 3200.0, 250000.0, 0.0, 12812.5, 0.0575},
    {{1, 1, 2025}, {12, 31, 2025}, 1.0, 1, 5000.0, 0.15, 1800.0, 2700.0, 3200.0, 0.0, 150000.0, 0.0, 0.0475},
    {{1, 1, 2025}, {12, 31, 2025}, 1.0, 1, 5000.0, 0.15, 1800.0, 2700.0, 3200.0, 150000.0, 175000.0, 7125.0, 0.05},
    {{1, 1, 2025}, {12, 31, 2025}, 1.0, 1, 5000.0, 0.15, 1800.0, 2700.0, 3200.0, 175000.0, 225000.0, 8375.0, 0.0525},
    {{1, 1, 2025}, {12, 31, 2025}, 1.0, 1, 5000.0, 0.15, 1800.0, 2700.0, 3200.0, 225000.0, 300000.0, 11000.0, 0.055},
    {{1, 1, 2025}, {12, 31, 2025}, 1.0, 1, 5000.0, 0.15, 1800.0, 2700.0, 3200.0, 300000.0, 0.0, 15125.0, 0.0575},
    // 2024: Maryland percentage method for 2024 (standard deduction 15 %,
    // 1,800 to 2,700; exemption 3,200; 4.75 % to 5.75 %), as in the payroll
    // tax update of January 2024 and NFC bulletin NFC241707936088 (2024).
    {{1, 1, 2024}, {12, 31, 2024}, 0.0, 1, 5000.0, 0.15, 1800.0, 2700.0, 3200.0, 0.0, 100000.0, 0.0, 0.0475},
    {{1, 1, 2024}, {12, 31, 2024}, 0.0, 1, 5000.0, 0.15, 1800.0, 2700.0, 3200.0, 100000.0, 125000.0, 4750.0, 0.05},
    {{1, 1, 2024}, {12, 31, 2024}, 0.0, 1, 5000.0, 0.15, 1800.0, 2700.0, 3200.0, 125000.0, 150000.0, 6000.0, 0.0525},
    {{1, 1, 2024}, {12, 31, 2024}, 0.0, 1, 5000.0, 0.15, 1800.0, 2700.0, 3200.0, 150000.0, 250000.0, 7312.5, 0.055},
    {{1, 1, 2024}, {12, 31, 2024}, 0.0, 1, 5000.0, 0.15, 1800.0, 2700.0, 3200.0, 250000.0, 0.0, 12812.5, 0.0575},
    {{1, 1, 2024}, {12, 31, 2024}, 1.0, 1, 5000.0, 0.15, 1800.0, 2700.0, 3200.0, 0.0, 150000.0, 0.0, 0.0475},
    {{1, 1, 2024}, {12, 31, 2024}, 1.0, 1, 5000.0, 0.15, 1800.0, 2700.0, 3200.0, 150000.0, 175000.0, 7125.0, 0.05},
    {{1, 1, 2024}, {12, 31, 2024}, 1.0, 1, 5000.0, 0.15, 1800.0, 2700.0, 3200.0, 175000.0, 225000.0, 8375.0, 0.0525},
    {{1, 1, 2024}, {12, 31, 2024}, 1.0, 1, 5000.0, 0.15, 1800.0, 2700.0, 3200.0, 225000.0, 300000.0, 11000.0, 0.055},
    {{1, 1, 2024}, {12, 31, 2024}, 1.0, 1, 5000.0, 0.15, 1800.0, 2700.0, 3200.0, 300000.0, 0.0, 15125.0, 0.0575},
    // 2023: standard deduction 15 %, 1,550 to 2,350 (the values this release
    // carries; the payroll update of January 2023 prints 1,700 / 2,550),
    // exemption 3,200, brackets as 2024.
    {{1, 1, 2023}, {12, 31, 2023}, 0.0, 1, 5000.0, 0.15, 1550.0, 2350.0, 3200.0, 0.0, 100000.0, 0.0, 0.0475},
    {{1, 1, 2023}, {12, 31, 2023}, 0.0, 1, 5000.0, 0.15, 1550.0, 2350.0, 3200.0, 100000.0, 125000.0, 4750.0, 0.05},
    {{1, 1, 2023}, {12, 31, 2023}, 0.0, 1, 5000.0, 0.15, 1550.0, 2350.0, 3200.0, 125000.0, 150000.0, 6000.0, 0.0525},
    {{1, 1, 2023}, {12, 31, 2023}, 0.0, 1, 5000.0, 0.15, 1550.0, 2350.0, 3200.0, 150000.0, 250000.0, 7312.5, 0.055},
    {{1, 1, 2023}, {12, 31, 2023}, 0.0, 1, 5000.0, 0.15, 1550.0, 2350.0, 3200.0, 250000.0, 0.0, 12812.5, 0.0575},
    {{1, 1, 2023}, {12, 31, 2023}, 1.0, 1, 5000.0, 0.15, 1550.0, 2350.0, 3200.0, 0.0, 150000.0, 0.0, 0.0475},
    {{1, 1, 2023}, {12, 31, 2023}, 1.0, 1, 5000.0, 0.15, 1550.0, 2350.0, 3200.0, 150000.0, 175000.0, 7125.0, 0.05},
    {{1, 1, 2023}, {12, 31, 2023}, 1.0, 1, 5000.0, 0.15, 1550.0, 2350.0, 3200.0, 175000.0, 225000.0, 8375.0, 0.0525},
    {{1, 1, 2023}, {12, 31, 2023}, 1.0, 1, 5000.0, 0.15, 1550.0, 2350.0, 3200.0, 225000.0, 300000.0, 11000.0, 0.055},
    {{1, 1, 2023}, {12, 31, 2023}, 1.0, 1, 5000.0, 0.15, 1550.0, 2350.0, 3200.0, 300000.0, 0.0, 15125.0, 0.0575},
    {},
};

namespace {

// Supplemental wages paid apart from regular wages: the top state rate.
constexpr double kFlatSupplementalRate = 0.0575;

// Before 2000 the schedules applied to every status.
constexpr int64_t kFirstYearOfStatusSchedules = 2000;

// Tax for the period on the wages plus `supplemental`. Only the regular
// computation (`supplemental` 0, `minimum` true) applies the minimum annual
// wage; with supplemental wages the standard deduction is figured on the
// regular wages alone and the supplemental wages are added after the
// deductions. On the annual schedule the wages are annualized and the tax
// brought back to the period; `aux` then receives the period's tax in cents,
// truncated, before the tax is floored at 0.
struct MdTax {
    const MdwhRow* row = nullptr;
    double tax = 0.0;
    bool below_minimum = false;
    bool annual = false;
    int64_t aux = 0;
};

MdTax schedule_tax(const MDATE& date, int64_t check_year, const STATE_WITHHOLDING_STRUC& state, int64_t status,
                   double supplemental, bool minimum) {
    const int64_t periods = state.state_pay_periods;
    const double p = static_cast<double>(periods);
    const double allowances = static_cast<double>(state.state_allowances);
    const bool any_status = check_year < kFirstYearOfStatusSchedules;
    MdTax out;
    out.row = txl5::scan_two_pass(
        mdwh, date, periods,
        [&](const MdwhRow& row) { return any_status || row.status == static_cast<double>(status); },
        [&](const MdwhRow& row, bool annual) {
            const double wages = annual ? p * state.state_wages : state.state_wages;
            if (!std::isfinite(wages)) return false;
            if (minimum && wages < row.min_wages) {
                out.tax = 0.0;
                out.below_minimum = true;
                return true;
            }
            const double deduction = txl5::md_standard_deduction(row, wages);
            double taxable = annual ? p * supplemental + wages : supplemental + wages;
            taxable = taxable - deduction - row.exemption_amount * allowances;
            if (!std::isfinite(taxable)) return false;
            if (taxable < 0.0) taxable = 0.0;
            if (!txl5::in_bracket(taxable, row.lower, row.upper)) return false;
            double tax = row.base + row.rate * (taxable - row.lower);
            if (annual) {
                tax /= p;
                out.aux = txl5::checked_to_int64(tax * 100.0);
            }
            out.tax = tax < 0.0 ? 0.0 : tax;
            out.annual = annual;
            return true;
        });
    return out;
}

}  // namespace

int64_t state_md(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state) {
    if (!fed || !state) return txl5::kStateNoRow;
    const bool supplemental_due = txl5::supplemental_due(*state);
    if (supplemental_due) state->state_supplemental_tax = 0.0;
    // A pay frequency below one a year is taken as annual pay, and the record
    // says so.
    if (state->state_pay_periods < 1) state->state_pay_periods = 1;
    state->state_tax = 0.0;
    const int64_t status = txl5::md_schedule_status(state->state_filing_status);
    const MDATE date = txl5::check_date(*fed);

    const MdTax regular = schedule_tax(date, fed->check_year, *state, status, 0.0, true);
    if (!regular.row) return txl5::fail_no_row(state);
    state->state_tax = regular.tax;
    if (!regular.below_minimum) {
        state->state_rate_used = regular.row->rate;
        if (regular.annual) fed->aux_result = regular.aux;
    }

    int64_t result = 0;
    if (supplemental_due && state->state_supplemental_wages > 0.0) {
        if (state->state_supp_aggregate == txl5::kSuppAggregate) {
            // Aggregate: the tax on regular plus supplemental wages (no
            // minimum), less the tax on the regular wages, never below 0.
            const MdTax total =
                schedule_tax(date, fed->check_year, *state, status, state->state_supplemental_wages, false);
            txl5::BracketTax<MdwhRow> combined;
            combined.row = total.row;
            combined.tax = total.tax;
            result |= txl5::aggregate_supplemental_tax(combined, state, txl5::AggregateFloor::AtZero);
        } else {
            result |= txl5::store_flat_supplemental_tax(state, kFlatSupplementalRate);
        }
    }
    // state_tax stays unrounded: the driver rounds it to cents.
    return result;
}
