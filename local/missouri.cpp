// Missouri city earnings taxes: St Louis and Kansas City each tax the wages
// of residents and of everyone working in the city at 1 %, withheld by the
// employer. The rate is set by the state law that lets the two cities levy
// the tax and has not changed, so it is a constant rather than a table.
// Sources: City of St. Louis, Collector of Revenue, Earnings Tax; City of
// Kansas City, Revenue Division, Earnings Tax.
#include "local/missouri.h"

#include "core/tables.h"
#include "local/amounts.h"

const LocalityNameRow moname[] = {
    {0, "None"},
    {1, "St Louis"},
    {2, "Kansas City"},
    {txl5::kNameListEnd, ""},
};

namespace {

constexpr int64_t kStLouis = 1;
constexpr int64_t kKansasCity = 2;
// The earnings tax rate of both cities.
constexpr double kEarningsTaxRate = 0.01;

// Rows before the end row, the placeholder included.
int64_t get_number_of_name_entries() {
    return txl5::table_row_count(moname, [](const LocalityNameRow& row) {
        return row.locality_code == txl5::kNameListEnd;
    });
}

}  // namespace

namespace txl5 {

int64_t mo_taxbody_info(WITHHOLDING_TAXBODY_INFO* info, char* text, size_t size) {
    return name_list_entry(info, moname, get_number_of_name_entries(), text, size);
}

}  // namespace txl5

int64_t get_mo_taxbody_info(WITHHOLDING_TAXBODY_INFO* info, char* text) {
    return txl5::prompt_within_limit(txl5::mo_taxbody_info, info, text);
}

// 1 % of the period's wages and of the bonus in either city. Any other code
// levies nothing (and leaves the bonus tax as it was).
int64_t city_mo(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state, LOCAL_WITHHOLDING_STRUC* local) {
    if (!fed || !state || !local) return 1;
    bool ok = true;
    double tax = 0.0;
    if (local->locality_code == kStLouis || local->locality_code == kKansasCity) {
        tax = kEarningsTaxRate * local->local_wages;
        txl5::store_amount(&local->local_supplemental_tax, kEarningsTaxRate * local->local_supplemental_wages, &ok);
    }
    txl5::store_amount(&local->local_tax, tax + local->additional_local_wh, &ok);
    return ok ? 0 : txl5::kLocalityAmountFailed;
}
