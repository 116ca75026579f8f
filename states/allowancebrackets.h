// The bracket computation of the states whose table carries one allowance
// amount per row (Minnesota, Nebraska, New Jersey, New Mexico): taxable wages
// are the period's wages less allowances times the row's allowance amount, on
// the schedule of the employee's frequency, or else on the annual schedule,
// which the states annualize in one of two ways.
#ifndef TXL5_STATES_ALLOWANCEBRACKETS_H
#define TXL5_STATES_ALLOWANCEBRACKETS_H

#include <cmath>

#include "core/numeric.h"
#include "core/statecalc.h"
#include "core/txl5.h"

namespace txl5 {

// How a state brings the wages to an annual amount for an annual row.
enum class Annualize {
    // Minnesota, Nebraska: P x W + P x S less the annual allowances.
    WagesThenAllowances,
    // New Jersey, New Mexico: P x the period's wages less the allowances
    // spread over the periods, that period amount floored at 0.
    PeriodAfterSpreadAllowances,
};

// Tax for the period on the wages plus `supplemental` (supplemental wages taxed
// together with the regular ones; 0 for regular wages alone). `on_period_row`
// is told the floored taxable wages of each candidate row of the employee's own
// frequency (New Jersey keeps it); it may be null.
// `table` is the rows or their block index (txl5::indexed).
template <class Table, class OnPeriodRow>
BracketTax<StateBracketRow> allowance_bracket_tax(const Table& table, const MDATE& date,
                                                  const STATE_WITHHOLDING_STRUC& state, int64_t status,
                                                  int64_t allowance_count, double supplemental, Annualize rule,
                                                  OnPeriodRow on_period_row) {
    const int64_t periods = state.state_pay_periods;
    const double allowances = static_cast<double>(allowance_count);
    const double wages = state.state_wages;
    return bracket_tax(
        table, date, periods, StatusIs<int64_t>{status},
        [&](const StateBracketRow& row, bool annual) {
            const double deduction = allowances * row.allowance_amount;
            if (!annual) {
                double taxable = wages - deduction + supplemental;
                // Floored at 0; an amount that is not finite stays as it is
                // and fits no bracket.
                if (std::isfinite(taxable) && taxable < 0.0) taxable = 0.0;
                on_period_row(taxable);
                return taxable;
            }
            if (rule == Annualize::WagesThenAllowances) {
                const double p = static_cast<double>(periods);
                return p * wages + p * supplemental - deduction;
            }
            double per_period = wages + supplemental - deduction / static_cast<double>(per_period_divisor(periods));
            if (per_period < 0.0) per_period = 0.0;
            return static_cast<double>(periods) * per_period;
        });
}

template <class Table>
BracketTax<StateBracketRow> allowance_bracket_tax(const Table& table, const MDATE& date,
                                                  const STATE_WITHHOLDING_STRUC& state, int64_t status,
                                                  int64_t allowance_count, double supplemental, Annualize rule) {
    return allowance_bracket_tax(table, date, state, status, allowance_count, supplemental, rule, [](double) {});
}

}  // namespace txl5

#endif  // TXL5_STATES_ALLOWANCEBRACKETS_H
