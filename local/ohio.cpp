// Ohio municipal and school district income taxes: an employer withholds, for
// each employee, the income tax of the municipality where the employee works
// and the school district income tax of the district where the employee
// lives; the caller asks for one of them per call (local_tax_kind 0 school
// district, 1 municipality). Each is a flat rate found by locality code for the
// check date. Municipalities and most school districts tax the period's wages
// less the Ohio exemptions, valued as in the state's withholding schedules
// (ohwh); a school district on the earned-income base taxes the wages without
// exemptions. Supplemental wages are taxed at the same rate. An unknown code,
// or a kind other than 0 or 1, levies nothing and is not an error.
//
// Rate tables: local/ohio_tables.cpp (with their sources).
#include "local/ohio.h"

#include "core/numeric.h"
#include "core/statecalc.h"
#include "core/tables.h"
#include "core/versions.h"
#include "local/amounts.h"
#include "states/ohio.h"

namespace {

// local_tax_kind: which of the two taxes the call computes.
constexpr int64_t kSchoolDistrict = 0;
constexpr int64_t kMunicipality = 1;
// Check years before this one read the old school district table (ohswh).
constexpr int64_t kFirstYearOfCurrentTables = 2006;
constexpr double kPercent = 100.0;
constexpr int64_t kNoExemptionRow = 1;  // result: no ohwh row for the check date

struct LocalRate {
    double rate = 0.0;
    bool earned_income_base = false;
};

LocalRate locality_rate(const MDATE& date, int64_t kind, int64_t code) {
    LocalRate out;
    if (date.year < kFirstYearOfCurrentTables) {
        const OhioOldSchoolRow* row =
            txl5::scan_rows(ohswh, date, [code](const OhioOldSchoolRow& r) { return r.district_code == code; });
        if (row) out.rate = row->rate_pct / kPercent;
        return out;
    }
    if (kind == kSchoolDistrict) {
        const auto any = [](const OhioSchoolRow&) { return true; };
        out.earned_income_base = txl5::scan_rows_with_key(txl5::kOhioEarnedIncomeByCode, code, date, any) != nullptr;
        const OhioSchoolRow* row = txl5::scan_rows_with_key(txl5::kOhioSchoolByCode, code, date, any);
        if (row) out.rate = row->rate_pct / kPercent;
    } else if (kind == kMunicipality) {
        const OhioMunicipalRow* row = txl5::scan_rows_with_key(txl5::kOhioMunicipalByCode, code, date,
                                                               [](const OhioMunicipalRow&) { return true; });
        if (row) out.rate = row->muni_rate;
    }
    return out;
}

}  // namespace

int64_t county_oh(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state, COUNTY_WITHHOLDING_STRUC* local) {
    if (!fed || !state || !local) return txl5::kLocalityAmountFailed;
    const MDATE date = txl5::check_date(*fed);
    const LocalRate rate = locality_rate(date, local->local_tax_kind, local->locality_code);

    // The exemption comes from the first ohwh row of the employee's frequency
    // in force, or else from the annual row, on which the wages are annualized
    // and the tax brought back to the period. A pay-period count below 1 is
    // taken as 1.
    const int64_t periods = state->state_pay_periods;
    bool annual = false;
    const StateBracketRow* row = txl5::scan_two_pass(
        ohwh, date, periods, [](const StateBracketRow&) { return true; },
        [&annual](const StateBracketRow&, bool on_annual_row) {
            annual = on_annual_row;
            return true;
        });

    bool ok = true;
    int64_t result = 0;
    double tax = local->local_tax;
    if (row) {
        const double divisor = static_cast<double>(txl5::per_period_divisor(periods));
        const double wages = annual ? divisor * state->state_wages : state->state_wages;
        double taxable = wages - static_cast<double>(state->state_allowances) * row->allowance_amount;
        if (taxable < 0.0) taxable = 0.0;
        tax = rate.rate * (rate.earned_income_base ? wages : taxable);
        if (annual) tax /= divisor;
    } else {
        // No exemption for the date: the tax is not computed and the failure
        // is the state table's.
        state->state_error = txl5::kStateErrorNoRow;
        result = kNoExemptionRow;
    }
    if (local->struc_version > txl5::kLocalSupplementalVersion) {
        txl5::store_amount(&local->local_supplemental_tax, state->state_supplemental_wages * rate.rate, &ok);
    }
    txl5::store_amount(&local->local_tax, tax + local->additional_local_wh, &ok);
    if (!ok) result = txl5::kLocalityAmountFailed;
    return result;
}
