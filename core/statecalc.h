// What every state income tax calculation shares: the table-date fields set on
// entry, the bracket formula over the two-pass scan with its fall-back to
// annual rows, the flat and aggregate ways of taxing supplemental wages, and
// the failure codes (bit 1 and state_error 1 for no bracket row, bit 64 for no
// flat supplemental rate).
#ifndef TXL5_CORE_STATECALC_H
#define TXL5_CORE_STATECALC_H

#include <cmath>

#include "core/numeric.h"
#include "core/tables.h"
#include "core/txl5.h"
#include "core/versions.h"

// The common bracket row, keyed by the state's status code.
using StateBracketRow = BracketRow;

// Flat supplemental rate in force over a date range.
struct SupplementalRateRow {
    MDATE start_date;
    MDATE end_date;
    double supp_rate;
};
static_assert(sizeof(SupplementalRateRow) == 7 * 8, "flat supplemental rows have 7 slots");

// Flat supplemental rate graded by the employee's annual wages: the rate of the
// band that holds them (lower inclusive, upper exclusive, upper 0 = no ceiling).
struct GradedSupplementalRateRow {
    MDATE start_date;
    MDATE end_date;
    double lower;
    double upper;
    double supp_rate;
};
static_assert(sizeof(GradedSupplementalRateRow) == 9 * 8, "graded supplemental rows have 9 slots");

namespace txl5 {

constexpr int64_t kStateNoRow = 1;                // result bit: no bracket row
constexpr int64_t kStateNoSupplementalRate = 64;  // result bit: no flat supplemental rate
constexpr int64_t kStateErrorNoRow = 1;           // state_error: no bracket row
// state_supp_aggregate, in the states that offer both supplemental methods:
// 1 taxes supplemental wages together with the regular wages, 0 at the flat
// rate; any other value computes neither.
constexpr int64_t kSuppAggregate = 1;
constexpr int64_t kSuppFlat = 0;
// Year written to state_table_year when no bracket row is used.
constexpr int64_t kNoTableYear = 2017;

inline MDATE check_date(const FEDERAL_WITHHOLDING_STRUC& fed) {
    return MDATE{fed.check_month, fed.check_day, fed.check_year};
}

// On entry the table-date fields read the check month and day and 2017; a
// bracket row used later replaces them with its start date.
inline MDATE begin_state(const FEDERAL_WITHHOLDING_STRUC& fed, STATE_WITHHOLDING_STRUC* state) {
    state->state_table_month = fed.check_month;
    state->state_table_day = fed.check_day;
    state->state_table_year = kNoTableYear;
    return check_date(fed);
}

inline bool supplemental_due(const STATE_WITHHOLDING_STRUC& state) {
    return state.struc_version > kStateSupplementalVersion;
}

// Records the bracket row used: its start date and marginal rate.
template <class Row>
void record_row_used(STATE_WITHHOLDING_STRUC* state, const Row& row) {
    state->state_table_month = row.start_date.month;
    state->state_table_day = row.start_date.day;
    state->state_table_year = row.start_date.year;
    state->state_rate_used = row.rate;
}

inline int64_t fail_no_row(STATE_WITHHOLDING_STRUC* state) {
    state->state_error = kStateErrorNoRow;
    return kStateNoRow;
}

// The rounding rule of a state that keeps an amount as computed.
inline double unrounded(double amount) { return amount; }

// A tax in whole dollars (reallydollarround), never below 0.
inline double whole_dollars_not_below_zero(double tax) { return tax < 0.0 ? 0.0 : reallydollarround(tax); }

// Stores a tax into `field` (state_tax or state_supplemental_tax), rounded by
// the state's rule. A tax that is not a finite amount (from wages or a federal
// amount that are infinite or not a number) is no tax: `field` is set to 0 and
// the call fails as for taxable wages that fit no bracket.
inline int64_t store_finite_tax(STATE_WITHHOLDING_STRUC* state, double* field, double tax,
                                double (*round)(double) = unrounded) {
    if (!std::isfinite(tax)) {
        *field = 0.0;
        return fail_no_row(state);
    }
    *field = round(tax);
    return 0;
}

// Stores a flat-rate supplemental tax, rounded by the state's rule.
// Supplemental wages that give no finite tax (infinite, or not a number) are
// not taxable wages: the tax is 0 and the call fails as for a missing row.
inline int64_t store_flat_supplemental_tax(STATE_WITHHOLDING_STRUC* state, double rate,
                                           double (*round)(double) = dollarround) {
    return store_finite_tax(state, &state->state_supplemental_tax, state->state_supplemental_wages * rate, round);
}

// Flat-rate supplemental tax from a state's rate table: the first row in force
// on the date. Without a row the result is bit 64 and the supplemental tax 0.
template <class Row>
int64_t flat_supplemental_tax(const Row* table, const MDATE& date, STATE_WITHHOLDING_STRUC* state,
                              double (*round)(double) = dollarround) {
    const Row* row = scan_rows(table, date, [](const Row&) { return true; });
    if (!row) {
        state->state_supplemental_tax = 0.0;
        return kStateNoSupplementalRate;
    }
    return store_flat_supplemental_tax(state, row->supp_rate, round);
}

// Flat-rate supplemental tax at the rate graded by annual wages: the first row
// in force whose band holds `annual_wages`. Without one (or for annual wages
// that are not a finite amount) the result is bit 64 and the supplemental tax 0.
inline int64_t graded_supplemental_tax(const GradedSupplementalRateRow* table, const MDATE& date,
                                       double annual_wages, STATE_WITHHOLDING_STRUC* state,
                                       double (*round)(double) = dollarround) {
    const GradedSupplementalRateRow* row =
        std::isfinite(annual_wages)
            ? scan_rows(table, date,
                        [annual_wages](const GradedSupplementalRateRow& r) {
                            return in_bracket(annual_wages, r.lower, r.upper);
                        })
            : nullptr;
    if (!row) {
        state->state_supplemental_tax = 0.0;
        return kStateNoSupplementalRate;
    }
    return store_flat_supplemental_tax(state, row->supp_rate, round);
}

// Whether an aggregate supplemental tax below 0 (from negative supplemental
// wages) is kept or raised to 0; each state says which.
enum class AggregateFloor { AtZero, None };

// Aggregate supplemental tax: the tax on regular plus supplemental wages
// (`combined`, computed by the state's own bracket computation) less the
// regular state_tax, rounded by the state's rule. A failed scan of the
// combined wages is a missing bracket row: supplemental tax 0, bit 1.
template <class Row>
int64_t aggregate_supplemental_tax(const BracketTax<Row>& combined, STATE_WITHHOLDING_STRUC* state,
                                   AggregateFloor floor, double (*round)(double) = dollarround) {
    if (!combined.row) {
        state->state_supplemental_tax = 0.0;
        return fail_no_row(state);
    }
    double difference = combined.tax - state->state_tax;
    if (floor == AggregateFloor::AtZero && difference < 0.0) difference = 0.0;
    state->state_supplemental_tax = round(difference);
    return 0;
}

// The supplemental tax by the method the state record elects, once the
// regular tax is in state_tax: when supplemental tax is due, kSuppAggregate
// taxes regular and supplemental wages together (`combined()`, the state's own
// bracket computation on both) and keeps the difference from state_tax, floored
// as `floor` says and rounded by `round`; kSuppFlat gives the state's flat-rate
// tax, `flat()`; any other value computes neither.
template <class Combined, class Flat>
int64_t elected_supplemental_tax(STATE_WITHHOLDING_STRUC* state, Combined combined, AggregateFloor floor, Flat flat,
                                 double (*round)(double) = dollarround) {
    if (!supplemental_due(*state)) return 0;
    if (state->state_supp_aggregate == kSuppAggregate) {
        return aggregate_supplemental_tax(combined(), state, floor, round);
    }
    if (state->state_supp_aggregate == kSuppFlat) return flat();
    return 0;
}

}  // namespace txl5

#endif  // TXL5_CORE_STATECALC_H
