// Colorado occupational privilege taxes ("head taxes"): a few cities levy a
// fixed amount per month on each employee who earns more than a threshold in
// the month working there, and a second amount on the employer for that
// employee. The monthly amounts are spread over the pay periods of the month.
// Sources: City and County of Denver, Treasury Division, "Occupational
// Privilege Tax (OPT)"; the occupational tax table of the Metro Denver Economic
// Development Corporation (Aurora, Glendale, Greenwood Village, Sheridan).
#include "local/colorado.h"

#include "core/numeric.h"
#include "core/statecalc.h"
#include "core/tables.h"
#include "local/amounts.h"

const ColoradoOptRow colwh[] = {
    // 2026: Denver (Denver Treasury, OPT), Greenwood Village, Sheridan, Glendale;
    // Aurora no longer levies the tax.
    {{1, 1, 2026}, {12, 31, 2026}, 0, 0.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 500.0, 5.75, 4.0},
    {{1, 1, 2026}, {12, 31, 2026}, 3, 250.0, 2.0, 2.0},
    {{1, 1, 2026}, {12, 31, 2026}, 4, 500.0, 3.0, 3.0},
    {{1, 1, 2026}, {12, 31, 2026}, 5, 750.0, 5.0, 5.0},
    // 2025: as 2026, and Aurora (2.00 / 2.00 over 250).
    {{1, 1, 2025}, {12, 31, 2025}, 0, 0.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 500.0, 5.75, 4.0},
    {{1, 1, 2025}, {12, 31, 2025}, 2, 250.0, 2.0, 2.0},
    {{1, 1, 2025}, {12, 31, 2025}, 3, 250.0, 2.0, 2.0},
    {{1, 1, 2025}, {12, 31, 2025}, 4, 500.0, 3.0, 3.0},
    {{1, 1, 2025}, {12, 31, 2025}, 5, 750.0, 5.0, 5.0},
    // 2024: the same as 2025.
    {{1, 1, 2024}, {12, 31, 2024}, 0, 0.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 500.0, 5.75, 4.0},
    {{1, 1, 2024}, {12, 31, 2024}, 2, 250.0, 2.0, 2.0},
    {{1, 1, 2024}, {12, 31, 2024}, 3, 250.0, 2.0, 2.0},
    {{1, 1, 2024}, {12, 31, 2024}, 4, 500.0, 3.0, 3.0},
    {{1, 1, 2024}, {12, 31, 2024}, 5, 750.0, 5.0, 5.0},
    {},
};

// The directory's list: every city that has levied the tax, Aurora included.
const LocalityNameRow coname[] = {
    {0, "None"},
    {1, "Denver"},
    {2, "Aurora"},
    {3, "Greenwood Village"},
    {4, "Sheridan"},
    {5, "Glendale"},
    {txl5::kNameListEnd, ""},
};

namespace {

constexpr double kMonthsPerYear = 12.0;

// Rows before the end row, the placeholder included.
int64_t get_number_of_name_entries() {
    return txl5::table_row_count(coname, [](const LocalityNameRow& row) {
        return row.locality_code == txl5::kNameListEnd;
    });
}

}  // namespace

namespace txl5 {

int64_t co_taxbody_info(WITHHOLDING_TAXBODY_INFO* info, char* text, size_t size) {
    return name_list_entry(info, coname, get_number_of_name_entries(), text, size);
}

}  // namespace txl5

int64_t get_co_taxbody_info(WITHHOLDING_TAXBODY_INFO* info, char* text) {
    return txl5::prompt_within_limit(txl5::co_taxbody_info, info, text);
}

// The employee's amount goes to local_tax, the employer's to second_local_tax.
// Whether the month's wages pass the threshold is judged on the period's state
// wages brought to a month.
int64_t county_co(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state, COUNTY_WITHHOLDING_STRUC* local) {
    if (!fed || !state || !local) return 1;
    const int64_t periods = local->local_pay_periods;
    const double monthly_wages = static_cast<double>(periods) * state->state_wages / kMonthsPerYear;
    double employee_tax = 0.0;
    double employer_tax = 0.0;
    bool ok = true;
    const int64_t code = local->locality_code;
    const ColoradoOptRow* row = txl5::scan_rows(colwh, txl5::check_date(*fed),
                                                [code](const ColoradoOptRow& r) { return r.opt_code == code; });
    if (row && monthly_wages > row->monthly_threshold) {
        employee_tax = row->employee_monthly_tax;
        employer_tax = row->employer_monthly_tax;
        // With a known pay frequency the monthly amounts become the period's
        // share; without one they are taken as they stand.
        if (periods > 0) {
            const double divisor = static_cast<double>(txl5::per_period_divisor(periods));
            employee_tax = dollarround(employee_tax * kMonthsPerYear / divisor);
            employer_tax = dollarround(employer_tax * kMonthsPerYear / divisor);
            // A bonus large enough by itself to pass the month's threshold is
            // charged the employee's amount once more.
            const double monthly_bonus =
                static_cast<double>(periods) * local->local_supplemental_wages / kMonthsPerYear;
            if (monthly_bonus > row->monthly_threshold) {
                const double bonus_tax = local->local_supplemental_wages > 0.0 && code != 0
                                             ? dollarround(row->employee_monthly_tax * kMonthsPerYear / divisor)
                                             : 0.0;
                txl5::store_amount(&local->local_supplemental_tax, bonus_tax, &ok);
            }
        }
    }
    txl5::store_amount(&local->second_local_tax, employer_tax, &ok);
    txl5::store_amount(&local->local_tax, employee_tax + local->additional_local_wh, &ok);
    return ok ? 0 : txl5::kLocalityAmountFailed;
}
