// Wilmington, Delaware, earned income tax ("city wage tax"): 1.25 % of the
// wages of everyone who lives or works in the city, withheld by the employer.
// Source: City of Wilmington, Department of Finance, "Earned Income Tax"
// (rate 1.25 %, unchanged 2024 to 2026).
#include "local/delaware.h"

#include "core/numeric.h"
#include "core/statecalc.h"
#include "core/tables.h"
#include "local/amounts.h"

const DelawareCityRow delwh[] = {
    // 2026: City of Wilmington, Earned Income Tax.
    {{1, 1, 2026}, {12, 31, 2026}, 0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 0.0, 0.0125},
    // 2025: the same.
    {{1, 1, 2025}, {12, 31, 2025}, 0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 0.0, 0.0125},
    // 2024: the same.
    {{1, 1, 2024}, {12, 31, 2024}, 0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 0.0, 0.0125},
    {},
};

const LocalityNameRow dename[] = {
    {0, "None"},
    {1, "Wilmington"},
    {txl5::kNameListEnd, ""},
};

namespace {

constexpr double kMonthsPerYear = 12.0;

// Rows before the end row, the placeholder included.
int64_t get_number_of_name_entries() {
    return txl5::table_row_count(dename, [](const LocalityNameRow& row) {
        return row.locality_code == txl5::kNameListEnd;
    });
}

}  // namespace

namespace txl5 {

int64_t de_taxbody_info(WITHHOLDING_TAXBODY_INFO* info, char* text, size_t size) {
    return name_list_entry(info, dename, get_number_of_name_entries(), text, size);
}

}  // namespace txl5

int64_t get_de_taxbody_info(WITHHOLDING_TAXBODY_INFO* info, char* text) {
    return txl5::prompt_within_limit(txl5::de_taxbody_info, info, text);
}

// The city's rate on the period's state wages (brought to a month and back to
// the period) and on the bonus, once the month's wages with the bonus pass the
// threshold. An unknown pay frequency (a count below 1) counts the period as
// the whole year.
int64_t county_de(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state, COUNTY_WITHHOLDING_STRUC* local) {
    if (!fed || !state || !local) return 1;
    const double periods = static_cast<double>(txl5::per_period_divisor(local->local_pay_periods));
    const double monthly_wages = periods * state->state_wages / kMonthsPerYear;
    double tax = 0.0;
    double bonus_tax = 0.0;
    const int64_t code = local->locality_code;
    const DelawareCityRow* row = txl5::scan_rows(delwh, txl5::check_date(*fed),
                                                 [code](const DelawareCityRow& r) { return r.city_code == code; });
    if (row && row->wage_threshold < local->local_supplemental_wages + monthly_wages) {
        tax = row->city_rate * monthly_wages * kMonthsPerYear / periods;
        bonus_tax = local->local_supplemental_wages * row->city_rate;
    }
    bool ok = true;
    txl5::store_amount(&local->local_supplemental_tax, bonus_tax, &ok);
    txl5::store_amount(&local->local_tax, tax + local->additional_local_wh, &ok);
    return ok ? 0 : txl5::kLocalityAmountFailed;
}
