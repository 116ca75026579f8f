// Michigan city income taxes (City Income Tax Act): 24 cities tax the wages of
// their residents at the resident rate and of everyone else working there at
// the nonresident rate (half the resident rate), less an annual exemption per
// allowance. An employee who works in one taxing city and lives in another
// owes the residence city its resident tax less the work city's tax, but never
// less than the residence city's nonresident tax on the wages; the employer
// withholds that second tax as well.
//
// Sources: Michigan Department of Treasury, "What cities impose an income
// tax?" (resident and nonresident rates; the rates have not changed from 2023
// to 2026); the cities' annual exemptions per allowance of 2026 (older city
// lists differ for a few cities, e.g. Grand Rapids 600 where 2026 has 750).
#include "local/michigan.h"

#include "core/numeric.h"
#include "core/statecalc.h"
#include "core/tables.h"
#include "core/versions.h"
#include "local/amounts.h"

const MichiganCityRow micity[] = {
    // 2026: Treasury rates; the exemptions per allowance of 2026.
    {{1, 1, 2026}, {12, 31, 2026}, 0, 0.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1.0, 0.5, 600.0},  // Albion
    {{1, 1, 2026}, {12, 31, 2026}, 2, 1.0, 0.5, 750.0},  // Battle Creek
    {{1, 1, 2026}, {12, 31, 2026}, 24, 1.0, 0.5, 750.0},  // Benton Harbor
    {{1, 1, 2026}, {12, 31, 2026}, 3, 1.0, 0.5, 600.0},  // Big Rapids
    {{1, 1, 2026}, {12, 31, 2026}, 4, 2.4, 1.2, 600.0},  // Detroit
    {{1, 1, 2026}, {12, 31, 2026}, 23, 1.0, 0.5, 600.0},  // East Lansing
    {{1, 1, 2026}, {12, 31, 2026}, 5, 1.0, 0.5, 600.0},  // Flint
    {{1, 1, 2026}, {12, 31, 2026}, 6, 1.5, 0.75, 750.0},  // Grand Rapids
    {{1, 1, 2026}, {12, 31, 2026}, 7, 1.0, 0.5, 600.0},  // Grayling
    {{1, 1, 2026}, {12, 31, 2026}, 8, 1.0, 0.5, 600.0},  // Hamtramck
    {{1, 1, 2026}, {12, 31, 2026}, 9, 2.0, 1.0, 600.0},  // Highland Park
    {{1, 1, 2026}, {12, 31, 2026}, 10, 1.0, 0.5, 1000.0},  // Hudson
    {{1, 1, 2026}, {12, 31, 2026}, 11, 1.0, 0.5, 700.0},  // Ionia
    {{1, 1, 2026}, {12, 31, 2026}, 12, 1.0, 0.5, 600.0},  // Jackson
    {{1, 1, 2026}, {12, 31, 2026}, 13, 1.0, 0.5, 600.0},  // Lansing
    {{1, 1, 2026}, {12, 31, 2026}, 14, 1.0, 0.5, 600.0},  // Lapeer
    {{1, 1, 2026}, {12, 31, 2026}, 15, 1.0, 0.5, 600.0},  // Muskegon
    {{1, 1, 2026}, {12, 31, 2026}, 16, 1.0, 0.5, 600.0},  // Muskegon Heights
    {{1, 1, 2026}, {12, 31, 2026}, 17, 1.0, 0.5, 600.0},  // Pontiac
    {{1, 1, 2026}, {12, 31, 2026}, 18, 1.0, 0.5, 600.0},  // Port Huron
    {{1, 1, 2026}, {12, 31, 2026}, 19, 1.0, 0.5, 1000.0},  // Portland
    {{1, 1, 2026}, {12, 31, 2026}, 20, 1.5, 0.75, 750.0},  // Saginaw
    {{1, 1, 2026}, {12, 31, 2026}, 21, 1.0, 0.5, 750.0},  // Springfield
    {{1, 1, 2026}, {12, 31, 2026}, 22, 1.0, 0.5, 600.0},  // Walker
    // 2025: the same rates (unchanged 2023-2026); the 2026 exemptions carried (no
    // list of 2025 exemptions was found).
    {{1, 1, 2025}, {12, 31, 2025}, 0, 0.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1.0, 0.5, 600.0},  // Albion
    {{1, 1, 2025}, {12, 31, 2025}, 2, 1.0, 0.5, 750.0},  // Battle Creek
    {{1, 1, 2025}, {12, 31, 2025}, 24, 1.0, 0.5, 750.0},  // Benton Harbor
    {{1, 1, 2025}, {12, 31, 2025}, 3, 1.0, 0.5, 600.0},  // Big Rapids
    {{1, 1, 2025}, {12, 31, 2025}, 4, 2.4, 1.2, 600.0},  // Detroit
    {{1, 1, 2025}, {12, 31, 2025}, 23, 1.0, 0.5, 600.0},  // East Lansing
    {{1, 1, 2025}, {12, 31, 2025}, 5, 1.0, 0.5, 600.0},  // Flint
    {{1, 1, 2025}, {12, 31, 2025}, 6, 1.5, 0.75, 750.0},  // Grand Rapids
    {{1, 1, 2025}, {12, 31, 2025}, 7, 1.0, 0.5, 600.0},  // Grayling
    {{1, 1, 2025}, {12, 31, 2025}, 8, 1.0, 0.5, 600.0},  // Hamtramck
    {{1, 1, 2025}, {12, 31, 2025}, 9, 2.0, 1.0, 600.0},  // Highland Park
    {{1, 1, 2025}, {12, 31, 2025}, 10, 1.0, 0.5, 1000.0},  // Hudson
    {{1, 1, 2025}, {12, 31, 2025}, 11, 1.0, 0.5, 700.0},  // Ionia
    {{1, 1, 2025}, {12, 31, 2025}, 12, 1.0, 0.5, 600.0},  // Jackson
    {{1, 1, 2025}, {12, 31, 2025}, 13, 1.0, 0.5, 600.0},  // Lansing
    {{1, 1, 2025}, {12, 31, 2025}, 14, 1.0, 0.5, 600.0},  // Lapeer
    {{1, 1, 2025}, {12, 31, 2025}, 15, 1.0, 0.5, 600.0},  // Muskegon
    {{1, 1, 2025}, {12, 31, 2025}, 16, 1.0, 0.5, 600.0},  // Muskegon Heights
    {{1, 1, 2025}, {12, 31, 2025}, 17, 1.0, 0.5, 600.0},  // Pontiac
    {{1, 1, 2025}, {12, 31, 2025}, 18, 1.0, 0.5, 600.0},  // Port Huron
    {{1, 1, 2025}, {12, 31, 2025}, 19, 1.0, 0.5, 1000.0},  // Portland
    {{1, 1, 2025}, {12, 31, 2025}, 20, 1.5, 0.75, 750.0},  // Saginaw
    {{1, 1, 2025}, {12, 31, 2025}, 21, 1.0, 0.5, 750.0},  // Springfield
    {{1, 1, 2025}, {12, 31, 2025}, 22, 1.0, 0.5, 600.0},  // Walker
    // 2024: as 2025.
    {{1, 1, 2024}, {12, 31, 2024}, 0, 0.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1.0, 0.5, 600.0},  // Albion
    {{1, 1, 2024}, {12, 31, 2024}, 2, 1.0, 0.5, 750.0},  // Battle Creek
    {{1, 1, 2024}, {12, 31, 2024}, 24, 1.0, 0.5, 750.0},  // Benton Harbor
    {{1, 1, 2024}, {12, 31, 2024}, 3, 1.0, 0.5, 600.0},  // Big Rapids
    {{1, 1, 2024}, {12, 31, 2024}, 4, 2.4, 1.2, 600.0},  // Detroit
    {{1, 1, 2024}, {12, 31, 2024}, 23, 1.0, 0.5, 600.0},  // East Lansing
    {{1, 1, 2024}, {12, 31, 2024}, 5, 1.0, 0.5, 600.0},  // Flint
    {{1, 1, 2024}, {12, 31, 2024}, 6, 1.5, 0.75, 750.0},  // Grand Rapids
    {{1, 1, 2024}, {12, 31, 2024}, 7, 1.0, 0.5, 600.0},  // Grayling
    {{1, 1, 2024}, {12, 31, 2024}, 8, 1.0, 0.5, 600.0},  // Hamtramck
    {{1, 1, 2024}, {12, 31, 2024}, 9, 2.0, 1.0, 600.0},  // Highland Park
    {{1, 1, 2024}, {12, 31, 2024}, 10, 1.0, 0.5, 1000.0},  // Hudson
    {{1, 1, 2024}, {12, 31, 2024}, 11, 1.0, 0.5, 700.0},  // Ionia
    {{1, 1, 2024}, {12, 31, 2024}, 12, 1.0, 0.5, 600.0},  // Jackson
    {{1, 1, 2024}, {12, 31, 2024}, 13, 1.0, 0.5, 600.0},  // Lansing
    {{1, 1, 2024}, {12, 31, 2024}, 14, 1.0, 0.5, 600.0},  // Lapeer
    {{1, 1, 2024}, {12, 31, 2024}, 15, 1.0, 0.5, 600.0},  // Muskegon
    {{1, 1, 2024}, {12, 31, 2024}, 16, 1.0, 0.5, 600.0},  // Muskegon Heights
    {{1, 1, 2024}, {12, 31, 2024}, 17, 1.0, 0.5, 600.0},  // Pontiac
    {{1, 1, 2024}, {12, 31, 2024}, 18, 1.0, 0.5, 600.0},  // Port Huron
    {{1, 1, 2024}, {12, 31, 2024}, 19, 1.0, 0.5, 1000.0},  // Portland
    {{1, 1, 2024}, {12, 31, 2024}, 20, 1.5, 0.75, 750.0},  // Saginaw
    {{1, 1, 2024}, {12, 31, 2024}, 21, 1.0, 0.5, 750.0},  // Springfield
    {{1, 1, 2024}, {12, 31, 2024}, 22, 1.0, 0.5, 600.0},  // Walker
    {{0, 0, 0}, {0, 0, 0}, txl5::kNameListEnd, 0.0, 0.0, 0.0},
};

// The directory's list: the placeholder and the 24 cities by name.
const LocalityNameRow miconame[] = {
    {0, "None"},
    {1, "Albion"},
    {2, "Battle Creek"},
    {24, "Benton Harbor"},
    {3, "Big Rapids"},
    {4, "Detroit"},
    {23, "East Lansing"},
    {5, "Flint"},
    {6, "Grand Rapids"},
    {7, "Grayling"},
    {8, "Hamtramck"},
    {9, "Highland Park"},
    {10, "Hudson"},
    {11, "Ionia"},
    {12, "Jackson"},
    {13, "Lansing"},
    {14, "Lapeer"},
    {15, "Muskegon"},
    {16, "Muskegon Heights"},
    {17, "Pontiac"},
    {18, "Port Huron"},
    {19, "Portland"},
    {20, "Saginaw"},
    {21, "Springfield"},
    {22, "Walker"},
    {txl5::kNameListEnd, ""},
};

namespace {

// Result of city_mi when the work city has no row for the check date.
constexpr int64_t kWorkCityNotFound = 16;
// Left in the federal record's aux_result when the calculation completes.
constexpr int64_t kCompletedMarker = 240;
// Muskegon Heights doubles the exemption of a married employee (local status 1).
constexpr int64_t kMuskegonHeights = 16;
constexpr int64_t kMarried = 1;
constexpr double kPercent = 100.0;

// Rows before the end row, the placeholder included.
int64_t get_number_of_name_entries() {
    return txl5::table_row_count(miconame, [](const LocalityNameRow& row) {
        return row.locality_code == txl5::kNameListEnd;
    });
}

// A city's rates (as fractions) and annual exemption per allowance.
struct CityRates {
    double resident = 0.0;
    double nonresident = 0.0;
    double exemption = 0.0;
};

// The city of `code` in force on the date. Code 0 is no city: every rate 0.
// False when the city has no row for the date.
bool find_city(const MDATE& date, int64_t code, int64_t filing_status, CityRates* out) {
    *out = CityRates{};
    if (code == 0) return true;
    const MichiganCityRow* row = txl5::scan_rows(
        micity, date, [code](const MichiganCityRow& r) { return r.mi_city_code == code; },
        [](const MichiganCityRow& r) { return r.mi_city_code == txl5::kNameListEnd; });
    if (!row) return false;
    out->resident = row->mi_resident_rate_pct / kPercent;
    out->nonresident = row->mi_nonresident_rate_pct / kPercent;
    out->exemption = row->mi_exemption;
    if (code == kMuskegonHeights && filing_status == kMarried) out->exemption *= 2.0;
    return true;
}

// The period's wages less the allowances at the city's exemption spread over
// the pay periods (taken whole when the pay periods are unknown), floored at 0.
double taxable_wages(const LOCAL_WITHHOLDING_STRUC& local, double annual_exemption) {
    const double per_allowance = local.local_pay_periods >= 1
                                     ? annual_exemption / static_cast<double>(local.local_pay_periods)
                                     : annual_exemption;
    const double taxable = local.local_wages - static_cast<double>(local.local_allowances) * per_allowance;
    return taxable < 0.0 ? 0.0 : taxable;
}

// The residence city's tax on top of the work city's: its resident tax less
// what the work city takes, but never below its nonresident tax.
double residence_city_tax(double resident_tax, double work_city_tax, double nonresident_tax) {
    const double tax = resident_tax - work_city_tax;
    return tax < nonresident_tax ? nonresident_tax : tax;
}

}  // namespace

namespace txl5 {

int64_t mi_taxbody_info(WITHHOLDING_TAXBODY_INFO* info, char* text, size_t size) {
    return name_list_entry(info, miconame, get_number_of_name_entries(), text, size);
}

}  // namespace txl5

int64_t get_mi_taxbody_info(WITHHOLDING_TAXBODY_INFO* info, char* text) {
    return txl5::prompt_within_limit(txl5::mi_taxbody_info, info, text);
}

// The work city's tax goes to local_tax (with the extra withholding), the
// residence city's to second_local_tax; bonuses are taxed at the same rates
// without exemption from layout 133 (the residence city's part from layout
// 225). Amounts are not rounded here: the entry point rounds local_tax.
int64_t city_mi(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state, LOCAL_WITHHOLDING_STRUC* local) {
    if (!fed || !state || !local) return txl5::kLocalityAmountFailed;
    local->local_tax = 0.0;
    local->second_local_tax = 0.0;
    const MDATE date = txl5::check_date(*fed);
    CityRates work;
    if (!find_city(date, local->locality_code, local->local_filing_status, &work)) return kWorkCityNotFound;

    // The supplemental fields came with layout 133 (version 133 or more).
    const bool bonus_taxed = local->struc_version >= txl5::kLocalMichiganSupplementalVersion;
    const bool second_bonus_taxed = local->struc_version > txl5::kLocalSecondSupplementalVersion;
    const double bonus = local->local_supplemental_wages < 0.0 ? 0.0 : local->local_supplemental_wages;
    const double work_taxable = taxable_wages(*local, work.exemption);
    bool ok = true;
    double tax;
    if (local->local_resident != 0) {
        tax = work.resident * work_taxable;
        if (bonus_taxed) txl5::store_amount(&local->local_supplemental_tax, work.resident * bonus, &ok);
    } else {
        tax = work.nonresident * work_taxable;
        const double bonus_tax = work.nonresident * bonus;
        if (bonus_taxed) txl5::store_amount(&local->local_supplemental_tax, bonus_tax, &ok);
        // A residence city that is not in the table is no taxing city.
        CityRates home;
        if (!find_city(date, local->residence_locality_code, local->local_filing_status, &home)) home = CityRates{};
        if (home.resident != 0.0) {
            const double home_taxable = taxable_wages(*local, home.exemption);
            txl5::store_amount(&local->second_local_tax,
                               residence_city_tax(home.resident * home_taxable, tax, home.nonresident * home_taxable),
                               &ok);
            if (bonus_taxed && second_bonus_taxed) {
                txl5::store_amount(&local->second_local_supplemental_tax,
                                   residence_city_tax(home.resident * bonus, bonus_tax, home.nonresident * bonus),
                                   &ok);
            }
        }
    }
    txl5::store_amount(&local->local_tax, tax + local->additional_local_wh, &ok);
    if (!ok) return txl5::kLocalityAmountFailed;
    fed->aux_result = kCompletedMarker;
    return 0;
}
