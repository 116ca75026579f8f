// Montana income tax withholding by the percentage method of the Montana
// Employer and Information Agent Guide: the wages of the period are taxed on
// the schedule of the employee's status and pay frequency (or on the annual
// schedule, wages brought to a year and the tax back to the period); the
// standard deduction is built into the zero-rate first bracket. The tax is
// withheld in whole dollars, rounded up. Supplemental wages are taxed together
// with the regular wages or at the flat supplemental rate. The calculation
// needs the certificate fields of record layout 177 and later, and an amount
// fixed on the certificate replaces it.
//
// Publications: Montana Department of Revenue, Montana Employer and
// Information Agent Guide with Tax Tables, 2026; Mont. Admin. R. 42.17.105 (2024
// schedules); USDA NFC payroll bulletin NFC-25-1742489685 and the 2024 and 2025
// payroll tax update documentation (2024 and 2025 schedules).
#include "states/montana.h"

#include <cmath>

#include "core/numeric.h"
#include "core/statecalc.h"
#include "core/tables.h"
#include "states/allowancebrackets.h"

// Statuses 0 single, 1 married filing jointly, 2 head of household; pay
// periods 1 (annual), 52, 26, 24, 12. No allowance amount in any year held.
constexpr StateBracketRow mtwh[] = {
    // 2026: Montana Employer and Information Agent Guide with Tax Tables (2026),
    // percentage-method schedules as printed (bases in whole dollars).
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 0.0, 0.0, 16100.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 0.0, 16100.0, 63600.0, 0.0, 0.047},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 0.0, 63600.0, 0.0, 2233.0, 0.0565},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 52, 0.0, 0.0, 310.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 52, 0.0, 310.0, 1223.0, 0.0, 0.047},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 52, 0.0, 1223.0, 0.0, 43.0, 0.0565},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 26, 0.0, 0.0, 619.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 26, 0.0, 619.0, 2446.0, 0.0, 0.047},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 26, 0.0, 2446.0, 0.0, 86.0, 0.0565},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 24, 0.0, 0.0, 671.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 24, 0.0, 671.0, 2650.0, 0.0, 0.047},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 24, 0.0, 2650.0, 0.0, 94.0, 0.0565},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 12, 0.0, 0.0, 1342.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 12, 0.0, 1342.0, 5300.0, 0.0, 0.047},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 12, 0.0, 5300.0, 0.0, 187.0, 0.0565},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 0.0, 0.0, 32200.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 0.0, 32200.0, 127200.0, 0.0, 0.047},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 0.0, 127200.0, 0.0, 4465.0, 0.0565},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 52, 0.0, 0.0, 619.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 52, 0.0, 619.0, 2446.0, 0.0, 0.047},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 52, 0.0, 2446.0, 0.0, 86.0, 0.0565},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 26, 0.0, 0.0, 1238.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 26, 0.0, 1238.0, 4892.0, 0.0, 0.047},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 26, 0.0, 4892.0, 0.0, 172.0, 0.0565},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 24, 0.0, 0.0, 1342.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 24, 0.0, 1342.0, 5300.0, 0.0, 0.047},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 24, 0.0, 5300.0, 0.0, 187.0, 0.0565},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 12, 0.0, 0.0, 2683.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 12, 0.0, 2683.0, 10600.0, 0.0, 0.047},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 12, 0.0, 10600.0, 0.0, 372.0, 0.0565},
    {{1, 1, 2026}, {12, 31, 2026}, 2, 1, 0.0, 0.0, 24150.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 2, 1, 0.0, 24150.0, 95400.0, 0.0, 0.047},
    {{1, 1, 2026}, {12, 31, 2026}, 2, 1, 0.0, 95400.0, 0.0, 3349.0, 0.0565},
    {{1, 1, 2026}, {12, 31, 2026}, 2, 52, 0.0, 0.0, 464.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 2, 52, 0.0, 464.0, 1835.0, 0.0, 0.047},
    {{1, 1, 2026}, {12, 31, 2026}, 2, 52, 0.0, 1835.0, 0.0, 65.0, 0.0565},
    {{1, 1, 2026}, {12, 31, 2026}, 2, 26, 0.0, 0.0, 929.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 2, 26, 0.0, 929.0, 3669.0, 0.0, 0.047},
    {{1, 1, 2026}, {12, 31, 2026}, 2, 26, 0.0, 3669.0, 0.0, 129.0, 0.0565},
    {{1, 1, 2026}, {12, 31, 2026}, 2, 24, 0.0, 0.0, 1006.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 2, 24, 0.0, 1006.0, 3975.0, 0.0, 0.047},
    {{1, 1, 2026}, {12, 31, 2026}, 2, 24, 0.0, 3975.0, 0.0, 140.0, 0.0565},
    {{1, 1, 2026}, {12, 31, 2026}, 2, 12, 0.0, 0.0, 2013.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 2, 12, 0.0, 2013.0, 7950.0, 0.0, 0.047},
    {{1, 1, 2026}, {12, 31, 2026}, 2, 12, 0.0, 7950.0, 0.0, 280.0, 0.0565},
    // 2025: Montana's 2025 annual schedules (USDA NFC bulletin NFC-25-1742489685 for
    // single; married and head of household from the 2025 payroll tax update
    // documentation); other frequencies use the annual schedule.
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 0.0, 0.0, 15000.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 0.0, 15000.0, 36100.0, 0.0, 0.047},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 0.0, 36100.0, 0.0, 992.0, 0.059},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 0.0, 0.0, 30000.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 0.0, 30000.0, 72200.0, 0.0, 0.047},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 0.0, 72200.0, 0.0, 1983.0, 0.059},
    {{1, 1, 2025}, {12, 31, 2025}, 2, 1, 0.0, 0.0, 22500.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 2, 1, 0.0, 22500.0, 54200.0, 0.0, 0.047},
    {{1, 1, 2025}, {12, 31, 2025}, 2, 1, 0.0, 54200.0, 0.0, 1490.0, 0.059},
    // 2024: Mont. Admin. R. 42.17.105 (0 % to 14,600 / 29,200 / 21,900, 4.7 % on the next
    // 20,500 / 41,000 / 30,750, 5.9 % above), bases in whole dollars as the 2024 payroll
    // tax update documentation prints them (single 964, married 1,927; head of
    // household 1,445 from 4.7 % x 30,750 = 1,445.25); other frequencies use the
    // annual schedule.
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 0.0, 0.0, 14600.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 0.0, 14600.0, 35100.0, 0.0, 0.047},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 0.0, 35100.0, 0.0, 964.0, 0.059},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 0.0, 0.0, 29200.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 0.0, 29200.0, 70200.0, 0.0, 0.047},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 0.0, 70200.0, 0.0, 1927.0, 0.059},
    {{1, 1, 2024}, {12, 31, 2024}, 2, 1, 0.0, 0.0, 21900.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 2, 1, 0.0, 21900.0, 52650.0, 0.0, 0.047},
    {{1, 1, 2024}, {12, 31, 2024}, 2, 1, 0.0, 52650.0, 0.0, 1445.0, 0.059},
    {},
};

// Flat rate for supplemental wages.
const SupplementalRateRow supplemental_mt[] = {
    // 2026: Montana Employer Guide (2026), 5 %.
    {{1, 1, 2026}, {12, 31, 2026}, 0.05},
    // 2025 and 2024: the same 5 % (Montana Employer Guide of those years).
    {{1, 1, 2025}, {12, 31, 2025}, 0.05},
    {{1, 1, 2024}, {12, 31, 2024}, 0.05},
    {},
};

namespace {

// state_error for a record laid out before the certificate fields.
constexpr int64_t kStateErrorOldLayout = 4;
// From this check year the tax is withheld in whole dollars, rounded up.
constexpr int64_t kWholeDollarsFrom = 2004;
// The schedules from 2024 have a married and a head-of-household schedule;
// from 2004 to 2023 married employees were withheld as single.
constexpr int64_t kThreeSchedulesFrom = 2024;
constexpr int64_t kSingle = 0;
constexpr int64_t kMarried = 1;
constexpr int64_t kHeadOfHousehold = 2;
constexpr int64_t kMarriedFilingSeparately = 4;
constexpr int64_t kQualifyingSurvivingSpouse = 6;

int64_t schedule_status(int64_t status, int64_t check_year) {
    if (check_year >= kThreeSchedulesFrom) {
        if (status == kMarried || status == kQualifyingSurvivingSpouse) return kMarried;
        return status == kHeadOfHousehold ? kHeadOfHousehold : kSingle;
    }
    if (check_year >= kWholeDollarsFrom && (status == kMarried || status == kMarriedFilingSeparately)) {
        return kSingle;
    }
    return status;
}

// The next whole dollar up (the standard ceiling: a whole-dollar tax stays as
// it is, any fraction above it raises it).
double whole_dollar_up(double amount) {
    return std::ceil(amount);
}

// Tax for the period on the wages plus `supplemental`: the schedule of the
// employee's frequency, or else the annual one (wages and supplemental wages
// times the pay periods, less the allowances; the tax divided by the periods).
txl5::BracketTax<StateBracketRow> schedule_tax(const MDATE& date, const STATE_WITHHOLDING_STRUC& state,
                                              int64_t status, double supplemental) {
    return txl5::allowance_bracket_tax(txl5::indexed<mtwh>(), date, state, status, state.state_allowances, supplemental,
                                       txl5::Annualize::WagesThenAllowances);
}

}  // namespace

int64_t state_mt(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state) {
    if (!fed || !state) return txl5::kStateNoRow;
    const int64_t status = schedule_status(state->state_filing_status, fed->check_year);
    const MDATE date = txl5::begin_state(*fed, state);

    // A record laid out before the certificate fields cannot be computed; the
    // result is not a failure, so no earlier year's tables are tried.
    if (state->struc_version <= txl5::kStateFormOptionVersion) {
        state->state_error = kStateErrorOldLayout;
        return 0;
    }
    // An amount the employee fixed on the certificate replaces the calculation.
    const double fixed_amount = state->state_form_option;
    if (fixed_amount > 0.0) {
        if (!std::isfinite(fixed_amount)) return txl5::fail_no_row(state);
        state->state_tax = fixed_amount;
        return 0;
    }

    const bool whole_dollars = fed->check_year >= kWholeDollarsFrom;
    const txl5::BracketTax<StateBracketRow> regular = schedule_tax(date, *state, status, 0.0);
    if (!regular.row) return txl5::fail_no_row(state);
    state->state_tax = whole_dollars ? whole_dollar_up(regular.tax) : regular.tax;
    txl5::record_row_used(state, *regular.row);

    int64_t result = 0;
    if (txl5::supplemental_due(*state) && state->state_supplemental_wages > 0.0) {
        if (state->state_supp_aggregate == txl5::kSuppAggregate) {
            // Aggregate: the tax on regular plus supplemental wages (whole
            // dollars up) less the tax on the regular wages, never below 0,
            // rounded up to a whole dollar.
            txl5::BracketTax<StateBracketRow> combined =
                schedule_tax(date, *state, status, state->state_supplemental_wages);
            if (whole_dollars) combined.tax = whole_dollar_up(combined.tax);
            result |= txl5::aggregate_supplemental_tax(combined, state, txl5::AggregateFloor::AtZero,
                                                       whole_dollar_up);
        } else if (state->state_supp_aggregate == txl5::kSuppFlat) {
            result |= txl5::flat_supplemental_tax(supplemental_mt, date, state, whole_dollar_up);
        }
    }
    return result;
}
