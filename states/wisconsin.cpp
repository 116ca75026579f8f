// Wisconsin income tax withholding by Method B of Publication W-166,
// Wisconsin Withholding Tax Guide: the wages are annualized, less a standard
// deduction that depends on the filing status and shrinks as annual wages
// rise, and from 2022 less 400 per exemption, taxed on the annual schedule and
// brought back to the pay period (before 2022 the exemptions were a credit
// against the tax). Supplemental wages are taxed together with the regular
// wages, or at the flat rate of the band that holds the annual wages.
//
// Publications: Publication W-166, Wisconsin Withholding Tax Guide, effective
// for withholding periods beginning on or after 1 January 2022 (6/24 and 10/23
// editions, Wisconsin Department of Revenue), as summarized by a payroll
// vendor; the deduction phase-out as worked in a payroll vendor's examples
// (single 18,200 -> 6,651.60, married 26,000 -> 9,406.40). Wisconsin kept these
// amounts for 2024, 2025 and 2026.
#include "states/wisconsin.h"

#include "core/numeric.h"
#include "core/statecalc.h"
#include "core/tables.h"

// Standard deduction bands: status 0 single, 1 married, three bands each in
// ascending order of their wage ceiling.
const WisconsinDeductionRow wideduction[] = {
    // 2026: the 2024 amounts, which Wisconsin did not change.
    {{1, 1, 2026}, {12, 31, 2026}, 0, 17780.0, 6702.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 73630.0, 6702.0, 0.12},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 0.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 25727.0, 9461.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 73032.0, 9461.0, 0.2},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 0.0, 0.0, 0.0},
    // 2025: the 2024 amounts, which Wisconsin did not change.
    {{1, 1, 2025}, {12, 31, 2025}, 0, 17780.0, 6702.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 73630.0, 6702.0, 0.12},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 0.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 25727.0, 9461.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 73032.0, 9461.0, 0.2},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 0.0, 0.0, 0.0},
    // 2024: Publication W-166, Method B.
    {{1, 1, 2024}, {12, 31, 2024}, 0, 17780.0, 6702.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 73630.0, 6702.0, 0.12},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 0.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 25727.0, 9461.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 73032.0, 9461.0, 0.2},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 0.0, 0.0, 0.0},
    {},
};

// Annual schedules: status 0 single, 1 married (the same brackets); the
// allowance is the value of one exemption.
const WisconsinBracketRow wiwh[] = {
    // 2026: the 2024 schedule, which Wisconsin did not change.
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 0.0, 0.0, 400.0, 0.0, 12760.0, 0.0, 0.0354},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 0.0, 0.0, 400.0, 12760.0, 25520.0, 451.70, 0.0465},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 0.0, 0.0, 400.0, 25520.0, 280950.0, 1045.04, 0.053},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 0.0, 0.0, 400.0, 280950.0, 0.0, 14582.83, 0.0765},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 0.0, 0.0, 400.0, 0.0, 12760.0, 0.0, 0.0354},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 0.0, 0.0, 400.0, 12760.0, 25520.0, 451.70, 0.0465},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 0.0, 0.0, 400.0, 25520.0, 280950.0, 1045.04, 0.053},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 0.0, 0.0, 400.0, 280950.0, 0.0, 14582.83, 0.0765},
    // 2025: the 2024 schedule, which Wisconsin did not change.
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 0.0, 0.0, 400.0, 0.0, 12760.0, 0.0, 0.0354},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 0.0, 0.0, 400.0, 12760.0, 25520.0, 451.70, 0.0465},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 0.0, 0.0, 400.0, 25520.0, 280950.0, 1045.04, 0.053},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 0.0, 0.0, 400.0, 280950.0, 0.0, 14582.83, 0.0765},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 0.0, 0.0, 400.0, 0.0, 12760.0, 0.0, 0.0354},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 0.0, 0.0, 400.0, 12760.0, 25520.0, 451.70, 0.0465},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 0.0, 0.0, 400.0, 25520.0, 280950.0, 1045.04, 0.053},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 0.0, 0.0, 400.0, 280950.0, 0.0, 14582.83, 0.0765},
    // 2024: Publication W-166, Method B.
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 0.0, 0.0, 400.0, 0.0, 12760.0, 0.0, 0.0354},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 0.0, 0.0, 400.0, 12760.0, 25520.0, 451.70, 0.0465},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 0.0, 0.0, 400.0, 25520.0, 280950.0, 1045.04, 0.053},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 0.0, 0.0, 400.0, 280950.0, 0.0, 14582.83, 0.0765},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 0.0, 0.0, 400.0, 0.0, 12760.0, 0.0, 0.0354},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 0.0, 0.0, 400.0, 12760.0, 25520.0, 451.70, 0.0465},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 0.0, 0.0, 400.0, 25520.0, 280950.0, 1045.04, 0.053},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 0.0, 0.0, 400.0, 280950.0, 0.0, 14582.83, 0.0765},
    {},
};

// Flat supplemental rates graded by annual wages.
const GradedSupplementalRateRow supplemental_wi[] = {
    // 2026: the bands and marginal rates of the 2026 schedule.
    {{1, 1, 2026}, {12, 31, 2026}, 0.0, 12760.0, 0.0354},
    {{1, 1, 2026}, {12, 31, 2026}, 12760.0, 25520.0, 0.0465},
    {{1, 1, 2026}, {12, 31, 2026}, 25520.0, 280950.0, 0.053},
    {{1, 1, 2026}, {12, 31, 2026}, 280950.0, 0.0, 0.0765},
    // 2025: the bands and marginal rates of the 2025 schedule.
    {{1, 1, 2025}, {12, 31, 2025}, 0.0, 12760.0, 0.0354},
    {{1, 1, 2025}, {12, 31, 2025}, 12760.0, 25520.0, 0.0465},
    {{1, 1, 2025}, {12, 31, 2025}, 25520.0, 280950.0, 0.053},
    {{1, 1, 2025}, {12, 31, 2025}, 280950.0, 0.0, 0.0765},
    // 2024: the bands and marginal rates of the 2024 schedule.
    {{1, 1, 2024}, {12, 31, 2024}, 0.0, 12760.0, 0.0354},
    {{1, 1, 2024}, {12, 31, 2024}, 12760.0, 25520.0, 0.0465},
    {{1, 1, 2024}, {12, 31, 2024}, 25520.0, 280950.0, 0.053},
    {{1, 1, 2024}, {12, 31, 2024}, 280950.0, 0.0, 0.0765},
    {},
};

namespace {

// From 2022 the exemptions come off the wages; before, off the tax (the
// schedules held start in 2024, so only older rows would reach the credit).
constexpr int64_t kFirstYearExemptionsDeducted = 2022;

// The standard deduction table ends with a row whose start year is below 1.
struct EndsBeforeYearOne {
    bool operator()(const WisconsinDeductionRow& row) const { return row.start_date.year < 1; }
};

// The standard deduction for annual wages `annual`: the first band in force
// for the status whose ceiling lies above them; a band with a phase-out rate
// reduces the deduction by that rate times the wages above the ceiling of the
// band before it. Above the last ceiling there is no deduction.
double standard_deduction(const MDATE& date, int64_t status, double annual) {
    const WisconsinDeductionRow* row = txl5::scan_rows(
        wideduction, date,
        [&](const WisconsinDeductionRow& r) {
            return r.status == status && r.wage_ceiling > 0.0 && r.wage_ceiling > annual;
        },
        EndsBeforeYearOne());
    if (!row) return 0.0;
    if (row->phaseout_rate == 0.0) return row->deduction_amount;
    // A phase-out needs the ceiling below it; on the table's first row there
    // is none.
    if (row == wideduction) return 0.0;
    return row->deduction_amount - row->phaseout_rate * (annual - (row - 1)->wage_ceiling);
}

// Tax for the period on the wages plus `supplemental`: the wages (annualized
// on the annual schedule) less the standard deduction of the annual wages and,
// from 2022, less the exemptions; before 2022 the exemptions are a credit
// against the tax. Never below 0.
txl5::BracketTax<WisconsinBracketRow> schedule_tax(const MDATE& date, const STATE_WITHHOLDING_STRUC& state,
                                                  bool exemptions_deducted, double supplemental) {
    const int64_t status = state.state_filing_status;
    const int64_t periods = state.state_pay_periods;
    const double period_wages = state.state_wages + supplemental;
    const double annual_wages = static_cast<double>(periods) * period_wages;
    const double deduction = standard_deduction(date, status, annual_wages);
    const double exemptions = static_cast<double>(state.state_allowances);
    txl5::BracketTax<WisconsinBracketRow> out = txl5::bracket_tax(
        wiwh, date, periods, [status](const WisconsinBracketRow& row) { return row.status == status; },
        [&](const WisconsinBracketRow& row, bool annual) {
            double taxable = (annual ? annual_wages : period_wages) - deduction;
            if (exemptions_deducted) taxable -= exemptions * row.allowance_amount;
            return taxable;
        });
    if (out.row && !exemptions_deducted) {
        double credit = exemptions * out.row->allowance_amount;
        if (out.annual) credit /= static_cast<double>(txl5::per_period_divisor(periods));
        out.tax = out.tax > credit ? out.tax - credit : 0.0;
    }
    return out;
}

}  // namespace

int64_t state_wi(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state) {
    if (!fed || !state) return 1;
    const MDATE date = txl5::begin_state(*fed, state);
    const bool supplemental_due = txl5::supplemental_due(*state);
    const bool exemptions_deducted = fed->check_year >= kFirstYearExemptionsDeducted;

    const txl5::BracketTax<WisconsinBracketRow> regular = schedule_tax(date, *state, exemptions_deducted, 0.0);
    if (!regular.row) return txl5::fail_no_row(state);
    state->state_tax = regular.tax;
    txl5::record_row_used(state, *regular.row);

    int64_t result = 0;
    if (supplemental_due && state->state_supp_aggregate == txl5::kSuppAggregate &&
        state->state_supplemental_wages > 0.0) {
        // Aggregate: the tax on regular plus supplemental wages (with the
        // standard deduction of their annual total), less the tax on the
        // regular wages, never below 0.
        const txl5::BracketTax<WisconsinBracketRow> combined =
            schedule_tax(date, *state, exemptions_deducted, state->state_supplemental_wages);
        result |= txl5::aggregate_supplemental_tax(combined, state, txl5::AggregateFloor::AtZero);
    } else if (supplemental_due && state->state_supp_aggregate == txl5::kSuppFlat) {
        // The rate of the band holding the regular annual wages, before any
        // deduction.
        const double annual_wages = static_cast<double>(state->state_pay_periods) * state->state_wages;
        result |= txl5::graded_supplemental_tax(supplemental_wi, date, annual_wages, state);
    }
    // state_tax stays unrounded: the driver rounds it to cents.
    return result;
}
