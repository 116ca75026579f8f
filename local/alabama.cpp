// Alabama city occupational taxes: a city taxes the wages earned within it at
// a flat rate (a license fee on the privilege of working there), withheld by
// the employer from every paycheck, bonuses included. The rates are those of
// the cities' occupational tax ordinances; no state publication lists them.
#include "local/alabama.h"

#include "core/statecalc.h"
#include "core/tables.h"
#include "local/amounts.h"
#include "local/directory.h"

// Newest year first; within a year the rows are in the directory's order.
// Beaverton and Southside share code 25: the first row found (Beaverton) is
// the one a calculation uses; the directory lists both.
const AlabamaCityRow allwh[] = {
    // 2026: rates levied by each city's occupational tax ordinance (Birmingham Occupational Tax Code,
    // 1 %; Attalla, Gadsden, Glencoe, Rainbow City and Southside, 2 %).
    {{1, 1, 2026}, {12, 31, 2026}, 0, "None", 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 1, "Attalla", 0.02, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 2, "Auburn", 0.01, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 3, "Bear Creek", 0.01, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 25, "Beaverton", 0.01, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 4, "Bessemer", 0.01, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 5, "Birmingham", 0.01, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 6, "Brilliant", 0.01, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 26, "Fort Deposit", 0.1, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 7, "Fairfield", 0.01, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 8, "Gadsden", 0.02, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 9, "Glencoe", 0.02, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 10, "Goodwater", 0.0075, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 11, "Guin", 0.01, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 12, "Hackleburg", 0.01, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 13, "Haleyville", 0.01, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 14, "Hamilton", 0.01, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 15, "Leeds", 0.01, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 16, "Lynn", 0.01, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 27, "Macon County", 0.01, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 18, "Mosses", 0.01, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 19, "Opelika", 0.015, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 20, "Rainbow City", 0.02, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 21, "Red Bay", 0.005, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 22, "Shorter", 0.01, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 25, "Southside", 0.02, 1.0},
    {{1, 1, 2026}, {12, 31, 2026}, 23, "Sulligent", 0.01, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 24, "Tuskegee", 0.03, 0.0},
    // 2025: the same cities and rates as 2026.
    {{1, 1, 2025}, {12, 31, 2025}, 0, "None", 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 1, "Attalla", 0.02, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 2, "Auburn", 0.01, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 3, "Bear Creek", 0.01, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 25, "Beaverton", 0.01, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 4, "Bessemer", 0.01, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 5, "Birmingham", 0.01, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 6, "Brilliant", 0.01, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 26, "Fort Deposit", 0.1, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 7, "Fairfield", 0.01, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 8, "Gadsden", 0.02, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 9, "Glencoe", 0.02, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 10, "Goodwater", 0.0075, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 11, "Guin", 0.01, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 12, "Hackleburg", 0.01, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 13, "Haleyville", 0.01, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 14, "Hamilton", 0.01, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 15, "Leeds", 0.01, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 16, "Lynn", 0.01, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 27, "Macon County", 0.01, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 18, "Mosses", 0.01, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 19, "Opelika", 0.015, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 20, "Rainbow City", 0.02, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 21, "Red Bay", 0.005, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 22, "Shorter", 0.01, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 25, "Southside", 0.02, 1.0},
    {{1, 1, 2025}, {12, 31, 2025}, 23, "Sulligent", 0.01, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 24, "Tuskegee", 0.03, 0.0},
    // 2024: the same cities and rates as 2026.
    {{1, 1, 2024}, {12, 31, 2024}, 0, "None", 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 1, "Attalla", 0.02, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 2, "Auburn", 0.01, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 3, "Bear Creek", 0.01, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 25, "Beaverton", 0.01, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 4, "Bessemer", 0.01, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 5, "Birmingham", 0.01, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 6, "Brilliant", 0.01, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 26, "Fort Deposit", 0.1, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 7, "Fairfield", 0.01, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 8, "Gadsden", 0.02, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 9, "Glencoe", 0.02, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 10, "Goodwater", 0.0075, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 11, "Guin", 0.01, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 12, "Hackleburg", 0.01, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 13, "Haleyville", 0.01, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 14, "Hamilton", 0.01, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 15, "Leeds", 0.01, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 16, "Lynn", 0.01, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 27, "Macon County", 0.01, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 18, "Mosses", 0.01, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 19, "Opelika", 0.015, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 20, "Rainbow City", 0.02, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 21, "Red Bay", 0.005, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 22, "Shorter", 0.01, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 25, "Southside", 0.02, 1.0},
    {{1, 1, 2024}, {12, 31, 2024}, 23, "Sulligent", 0.01, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 24, "Tuskegee", 0.03, 0.0},
    {},
};

namespace {

// Rows of the newest year, from the first row: the directory's list.
int64_t get_number_of_name_entries() {
    const int64_t newest_year = allwh[0].start_date.year;
    return txl5::table_row_count(allwh, [newest_year](const AlabamaCityRow& row) {
        return row.start_date.month == 0 || row.city_code == txl5::kNameListEnd ||
               row.start_date.year != newest_year;
    });
}

}  // namespace

namespace txl5 {

int64_t al_taxbody_info(WITHHOLDING_TAXBODY_INFO* info, char* text, size_t size) {
    const int64_t i = requested_entry(info, get_number_of_name_entries());
    if (i < 0) return 0;
    return copy_entry(info, allwh[i].city_name, allwh[i].city_code, allwh[i].city_code, text, size);
}

}  // namespace txl5

int64_t get_al_taxbody_info(WITHHOLDING_TAXBODY_INFO* info, char* text) {
    return txl5::prompt_within_limit(txl5::al_taxbody_info, info, text);
}

// The city's rate on the period's wages and on the bonus. A city not in the
// table (or not taxing on the check date) levies nothing; only the employee's
// extra local withholding is taken then.
int64_t city_al(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state, COUNTY_WITHHOLDING_STRUC* local) {
    if (!fed || !state || !local) return 1;
    const int64_t code = local->locality_code;
    const AlabamaCityRow* row = txl5::scan_rows(allwh, txl5::check_date(*fed),
                                                [code](const AlabamaCityRow& r) { return r.city_code == code; });
    bool ok = true;
    double tax = 0.0;
    if (row) {
        tax = local->local_wages * row->city_rate;
        txl5::store_amount(&local->local_supplemental_tax, local->local_supplemental_wages * row->city_rate, &ok);
    }
    txl5::store_amount(&local->local_tax, tax + local->additional_local_wh, &ok);
    return ok ? 0 : txl5::kLocalityAmountFailed;
}
