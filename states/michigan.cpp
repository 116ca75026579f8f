// Michigan income tax withholding by the percentage formula of Form 446,
// Michigan Income Tax Withholding Guide: the period's wages less the personal
// exemption allowance for each exemption claimed on the MI-W4, at the flat
// income tax rate; pay frequencies without a rate row of their own are taxed
// on the annual row (wages brought to a year, the tax back to the period).
// Before 2000 two further kinds of exemption were counted. Supplemental wages
// are always taxed at the flat rate.
//
// Publications: Michigan Department of Treasury, Form 446, Michigan Income Tax
// Withholding Guide, 2026; the 2024 and 2025 exemption allowances and rate as
// reprinted in the payroll tax update documentation of those years (also
// realtaxtools.com and paycheckcity.com for 2025).
#include "states/michigan.h"

#include <cmath>
#include <cstdint>

#include "core/numeric.h"
#include "core/statecalc.h"
#include "core/tables.h"

// Exemption allowance for one period, per pay frequency.
const MichiganExemptionRow allow2000[] = {
    // 2026: Form 446 (2026), 5,900 a year, per period as printed.
    {{1, 1, 2026}, {12, 31, 2026}, 1, 0.0, 0.0, 5900.0},
    {{1, 1, 2026}, {12, 31, 2026}, 52, 0.0, 0.0, 113.46},
    {{1, 1, 2026}, {12, 31, 2026}, 26, 0.0, 0.0, 226.92},
    {{1, 1, 2026}, {12, 31, 2026}, 24, 0.0, 0.0, 245.84},
    {{1, 1, 2026}, {12, 31, 2026}, 12, 0.0, 0.0, 492.67},
    {{1, 1, 2026}, {12, 31, 2026}, 4, 0.0, 0.0, 1475.0},
    {{1, 1, 2026}, {12, 31, 2026}, 2, 0.0, 0.0, 2950.0},
    // 2025: 5,800 a year (2025 payroll tax update documentation, realtaxtools.com,
    // paycheckcity.com); per period the annual amount over the pay periods, to
    // the cent, as Form 446 prints it.
    {{1, 1, 2025}, {12, 31, 2025}, 1, 0.0, 0.0, 5800.0},
    {{1, 1, 2025}, {12, 31, 2025}, 52, 0.0, 0.0, 111.54},
    {{1, 1, 2025}, {12, 31, 2025}, 26, 0.0, 0.0, 223.08},
    {{1, 1, 2025}, {12, 31, 2025}, 24, 0.0, 0.0, 241.67},
    {{1, 1, 2025}, {12, 31, 2025}, 12, 0.0, 0.0, 483.33},
    {{1, 1, 2025}, {12, 31, 2025}, 4, 0.0, 0.0, 1450.0},
    {{1, 1, 2025}, {12, 31, 2025}, 2, 0.0, 0.0, 2900.0},
    // 2024: 5,600 a year (2024 payroll tax update documentation); per period as
    // for 2025.
    {{1, 1, 2024}, {12, 31, 2024}, 1, 0.0, 0.0, 5600.0},
    {{1, 1, 2024}, {12, 31, 2024}, 52, 0.0, 0.0, 107.69},
    {{1, 1, 2024}, {12, 31, 2024}, 26, 0.0, 0.0, 215.38},
    {{1, 1, 2024}, {12, 31, 2024}, 24, 0.0, 0.0, 233.33},
    {{1, 1, 2024}, {12, 31, 2024}, 12, 0.0, 0.0, 466.67},
    {{1, 1, 2024}, {12, 31, 2024}, 4, 0.0, 0.0, 1400.0},
    {{1, 1, 2024}, {12, 31, 2024}, 2, 0.0, 0.0, 2800.0},
    {},
};

// Check years before 2000: the annual amounts of the personal exemption and
// of the two further exemption kinds.
const MichiganExemption1999Row allow1999[] = {
    {1, 900.0, 1000.0, 2800.0},
    {},
};

// The flat rate, as one annual row a year from 0 without a ceiling.
const StateBracketRow miwh[] = {
    // 2026: Form 446 (2026), 4.25 %.
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 0.0, 0.0, 0.0, 0.0, 0.0425},
    // 2025 and 2024: 4.25 % (payroll tax update documentation of those years).
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 0.0, 0.0, 0.0, 0.0, 0.0425},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 0.0, 0.0, 0.0, 0.0, 0.0425},
    {},
};

// Flat rate for supplemental wages: the income tax rate.
const SupplementalRateRow supplemental_mi[] = {
    // 2026: Form 446 (2026), 4.25 %.
    {{1, 1, 2026}, {12, 31, 2026}, 0.0425},
    // 2025 and 2024: 4.25 %.
    {{1, 1, 2025}, {12, 31, 2025}, 0.0425},
    {{1, 1, 2024}, {12, 31, 2024}, 0.0425},
    {},
};

namespace {

// Check years from which the exemptions come from allow2000.
constexpr int64_t kDatedExemptionsFrom = 2000;

// The exemption tables key their rows by the low 32 bits of the pay periods,
// read as a signed number.
int64_t low_32_bits(int64_t value) {
    int64_t low = value & INT64_C(0xFFFFFFFF);
    if (low > INT64_C(0x7FFFFFFF)) low -= INT64_C(0x100000000);
    return low;
}

// The amounts of one exemption of each kind for the period.
struct Exemptions {
    double personal = 0.0;
    double extra1 = 0.0;
    double extra2 = 0.0;
};

// From 2000: the row of the pay frequency, or else the annual row divided by
// the pay periods; its start date goes to the table-date fields.
bool dated_exemptions(const MDATE& date, STATE_WITHHOLDING_STRUC* state, Exemptions* out) {
    const int64_t periods = state->state_pay_periods;
    bool annual = false;
    const MichiganExemptionRow* row = txl5::scan_two_pass(
        allow2000, date, low_32_bits(periods), [](const MichiganExemptionRow&) { return true; },
        [&annual](const MichiganExemptionRow&, bool on_annual_row) {
            annual = on_annual_row;
            return true;
        },
        true, [](const MichiganExemptionRow& r) { return r.pay_periods == 0; });
    if (!row) return false;
    out->personal = row->exemption_amount;
    if (annual) out->personal /= static_cast<double>(txl5::per_period_divisor(periods));
    state->state_table_month = row->start_date.month;
    state->state_table_day = row->start_date.day;
    state->state_table_year = row->start_date.year;
    return true;
}

// Before 2000: the same two passes over the undated table.
bool undated_exemptions(const STATE_WITHHOLDING_STRUC& state, Exemptions* out) {
    const int64_t periods = state.state_pay_periods;
    const auto is_end = [](const MichiganExemption1999Row& r) { return r.pay_periods == 0; };
    const int64_t key = low_32_bits(periods);
    const MichiganExemption1999Row* row = txl5::find_row(
        allow1999, [key](const MichiganExemption1999Row& r) { return r.pay_periods == key; }, is_end);
    double divisor = 1.0;
    if (!row) {
        row = txl5::find_row(allow1999, [](const MichiganExemption1999Row& r) { return r.pay_periods == 1; },
                                      is_end);
        divisor = static_cast<double>(txl5::per_period_divisor(periods));
    }
    if (!row) return false;
    out->personal = row->exemption_amount / divisor;
    out->extra1 = row->extra1_amount / divisor;
    out->extra2 = row->extra2_amount / divisor;
    return true;
}

}  // namespace

int64_t state_mi(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state) {
    if (!fed || !state) return txl5::kStateNoRow;
    const MDATE date = txl5::begin_state(*fed, state);

    Exemptions exemptions;
    const bool found = fed->check_year >= kDatedExemptionsFrom ? dated_exemptions(date, state, &exemptions)
                                                               : undated_exemptions(*state, &exemptions);
    if (!found) return txl5::fail_no_row(state);

    // Taxable wages of the period; the further exemption kinds count only
    // before 2000 (their amounts are 0 otherwise). Counts are the caller's, so
    // they are multiplied as doubles.
    double taxable = state->state_wages - static_cast<double>(state->state_allowances) * exemptions.personal -
                     static_cast<double>(state->state_extra_count1) * exemptions.extra1 -
                     static_cast<double>(state->state_extra_count2) * exemptions.extra2;
    // Floored at 0; wages that are not a finite amount stay as they are and
    // fit no rate row.
    if (std::isfinite(taxable) && taxable < 0.0) taxable = 0.0;

    const int64_t periods = state->state_pay_periods;
    const double p = static_cast<double>(periods);
    const txl5::BracketTax<StateBracketRow> tax = txl5::bracket_tax(
        miwh, date, periods, [](const StateBracketRow&) { return true; },
        [&](const StateBracketRow&, bool annual) { return annual ? p * taxable : taxable; });
    if (!tax.row) return txl5::fail_no_row(state);
    // The table-date fields keep the exemption row's date.
    state->state_tax = tax.tax;
    state->state_rate_used = tax.row->rate;

    int64_t result = 0;
    if (txl5::supplemental_due(*state)) {
        result |= txl5::flat_supplemental_tax(supplemental_mi, date, state);
    }
    // state_tax stays unrounded: the driver rounds it to cents.
    return result;
}
