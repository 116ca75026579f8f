// New York State withholding over a given set of tables: the two-pass bracket
// scan with New York's high-income step, and the calculation of state_ny on the
// state record. state_ny runs it on nywh, method3annualt and supplemental_ny;
// it is kept inline here so that the same calculation can run over other
// tables (the Yonkers surcharge taxes local wages on nywh; tests supply tables
// with gaps the published ones do not have).
#ifndef TXL5_STATES_NEWYORK_CALC_H
#define TXL5_STATES_NEWYORK_CALC_H

#include <cmath>

#include "core/numeric.h"
#include "core/statecalc.h"
#include "core/tables.h"
#include "core/txl5.h"
#include "states/newyork.h"

namespace txl5 {

// Filing status 1 takes the married schedule; every other value the single one.
inline int64_t ny_schedule_status(int64_t filing_status) { return filing_status == 1 ? 1 : 0; }

// The outcome of one New York bracket computation.
struct NyTax {
    const NyWhRow* row = nullptr;  // bracket row the scan ended on; null when none fitted
    bool found = false;            // a tax was determined
    bool high_income = false;      // the row was a top bracket, taxed on the high-income schedule
    double tax = 0.0;              // tax for the period
};

// The high-income band for an annual taxable wage: the first row in force for
// the status whose upper lies above it (or that has no upper).
inline const NyWhRow* ny_high_income_band(const NyWhRow* high_income, const MDATE& date, int64_t status,
                                          double annual_taxable) {
    return scan_rows(high_income, date, [&](const NyWhRow& row) {
        return row.status == status && (annual_taxable < row.upper || row.upper == 0.0);
    });
}

// Tax for one period on `wages` plus `added_wages` (supplemental wages taxed
// together with regular wages; 0 for regular wages alone).
//
// Pass 1 takes the schedule of the employee's pay frequency: taxable =
// added_wages + wages - std_deduction - allowance_amount x allowances. When the
// frequency has no schedule, pass 2 takes the annual one: taxable = periods x
// added_wages + periods x wages - deductions, and the annual tax is divided by
// the periods. Taxable wages are floored at 0. A bracket fits when lower <=
// taxable and taxable < upper (or upper 0); the top bracket fits on its floor
// alone and ends the scan whatever the high-income schedule holds.
inline NyTax ny_period_tax(const NyWhRow* brackets, const NyWhRow* high_income, const MDATE& date, int64_t status,
                           int64_t pay_periods, int64_t allowances, double wages, double added_wages) {
    NyTax out;
    const double periods = static_cast<double>(pay_periods);
    const double divisor = static_cast<double>(per_period_divisor(pay_periods));
    out.row = scan_two_pass(
        brackets, date, pay_periods, [&](const NyWhRow& row) { return row.status == status; },
        [&](const NyWhRow& row, bool annual) {
            const double allowance_total = row.allowance_amount * static_cast<double>(allowances);
            double taxable = annual ? periods * added_wages + periods * wages - row.std_deduction - allowance_total
                                    : added_wages + wages - row.std_deduction - allowance_total;
            if (!ny_top_bracket(row)) {
                out.found = tax_in_bracket(row, taxable, annual, pay_periods, &out.tax);
                return out.found;
            }
            // Wages that are not finite amounts fit no bracket, not even the
            // top one; below the deductions they are taxed as 0.
            if (!std::isfinite(taxable)) return false;
            if (taxable < 0.0) taxable = 0.0;
            if (!(row.lower <= taxable)) return false;
            // High income: one flat rate on the whole annual taxable wage, with
            // no base and no subtraction of the bracket floor.
            const double annual_taxable = annual ? taxable : taxable * periods;
            if (!std::isfinite(annual_taxable)) return false;
            out.high_income = true;
            const NyWhRow* band = ny_high_income_band(high_income, date, status, annual_taxable);
            if (band) {
                out.tax = band->rate * annual_taxable / divisor;
                out.found = true;
            }
            return true;
        });
    return out;
}

// state_ny over the given tables. Writes state_tax, state_rate_used,
// state_supplemental_tax and state_error; the table-date fields are left alone.
// Returns 0, or bit 1 when no bracket (or, on the top bracket, no high-income
// band) is found for the regular or the aggregate tax, or'ed with bit 64 when
// no flat supplemental rate is in force.
inline int64_t ny_withholding(const MDATE& date, STATE_WITHHOLDING_STRUC* state, const NyWhRow* brackets,
                              const NyWhRow* high_income, const SupplementalRateRow* supplemental) {
    const int64_t status = ny_schedule_status(state->state_filing_status);
    int64_t result = 0;

    const NyTax regular = ny_period_tax(brackets, high_income, date, status, state->state_pay_periods,
                                        state->state_allowances, state->state_wages, 0.0);
    if (regular.found) {
        state->state_tax = regular.tax;
        // On the high-income path this is the top bracket's rate, not the flat rate applied.
        state->state_rate_used = regular.row->rate;
    } else {
        // Includes a top bracket without a high-income band for the date and status.
        result |= fail_no_row(state);
    }

    if (!supplemental_due(*state)) return result;
    if (state->state_supp_aggregate == 1) {
        // Supplemental wages taxed together with regular wages: the tax on both,
        // less the tax on regular wages, never below 0.
        const NyTax total = ny_period_tax(brackets, high_income, date, status, state->state_pay_periods,
                                          state->state_allowances, state->state_wages,
                                          state->state_supplemental_wages);
        if (total.found) {
            // New York reports the rate of this repeat only when it reached the top bracket.
            if (total.high_income) state->state_rate_used = total.row->rate;
            double difference = total.tax - state->state_tax;
            if (difference < 0.0) difference = 0.0;
            state->state_supplemental_tax = dollarround(difference);
        } else {
            state->state_supplemental_tax = 0.0;
            result |= fail_no_row(state);
        }
    } else if (state->state_supp_aggregate == 0) {
        result |= flat_supplemental_tax(supplemental, date, state);
    }
    return result;
}

}  // namespace txl5

#endif  // TXL5_STATES_NEWYORK_CALC_H
