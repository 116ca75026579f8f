#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/tables.h"
#include "core/txl5.h"
#include "local/kentucky.h"
#include "tests/local/locality_paycheck.h"
#include "tests/support/data_files.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::LocalityPaycheck;

constexpr int64_t kKentucky = 21;
constexpr int64_t kCity = 1;
constexpr int64_t kCounty = 2;
constexpr int64_t kSchool = 0;

struct KentuckyCase {
    std::string why;  // where the expected amounts come from
    int64_t year;
    int64_t month;
    int64_t kind;  // local_tax_kind
    int64_t code;
    double ytd_wages;
    double wages;
    double supplemental_wages;
    double tax;               // local_tax, rounded to cents as the entry points do
    double supplemental_tax;  // local_supplemental_tax
};

const KentuckyCase kCases[] = {
    {"Bowling Green 2 %: 1000 x 2 %", 2026, 6, kCity, 2099, 0, 1000, 0, 20.00, 0},
    {"Bowling Green 2 % (from 1 Jan 2024) in 2024", 2024, 6, kCity, 2099, 5000, 1000, 0, 20.00, 0},
    {"Bowling Green, a 500 bonus on 1000: 500 x 2 %", 2026, 6, kCity, 2099, 0, 1000, 500, 20.00, 10.00},
    {"Covington 2.5 % to 1,600,000: only 500 below the cap is taxed, 12.50", 2026, 6, kCity, 2057, 1599500, 1000, 0,
     12.50, 0},
    {"Covington at the cap: nothing", 2026, 6, kCity, 2057, 1600000, 1000, 0, 0, 0},
    {"Covington, the bonus crosses the cap: 1,600,000 - 1,599,500 = 500 x 2.5 % = 12.50", 2026, 6, kCity, 2057,
     1599000, 500, 1000, 12.50, 12.50},
    {"Alexandria 1.5 % to the 2026 wage base 184,500: 500 x 1.5 %", 2026, 6, kCity, 2105, 184000, 1000, 0, 7.50, 0},
    {"Alexandria above the 2026 wage base: nothing", 2026, 6, kCity, 2105, 184500, 1000, 0, 0, 0},
    {"Alexandria 2025, base 176,100: 176,100 - 175,600 = 500 x 1.5 %", 2025, 6, kCity, 2105, 175600, 1000, 0, 7.50,
     0},
    {"Alexandria 2024, base 168,600: 600 x 1.5 %", 2024, 6, kCity, 2105, 168000, 1000, 0, 9.00, 0},
    {"Louisville: the resident 2.2 %, the nonresident 1.45 % is not read", 2026, 6, kCity, 2093, 0, 1000, 0, 22.00,
     0},
    {"Ashland 2.375 % from 1 Jan 2026: 1000 x 2.375 %", 2026, 6, kCity, 2002, 0, 1000, 0, 23.75, 0},
    {"Ashland 2 % in 2025", 2025, 6, kCity, 2002, 0, 1000, 0, 20.00, 0},
    {"Elsmere 1.25 % to 30 June 2026", 2026, 6, kCity, 2046, 0, 1000, 0, 12.50, 0},
    {"Elsmere 1.75 % from 1 July 2026", 2026, 7, kCity, 2046, 0, 1000, 0, 17.50, 0},
    {"county Jefferson 1.25 %", 2026, 6, kCounty, 39, 0, 1000, 0, 12.50, 0},
    {"county Fayette 2.25 %", 2026, 6, kCounty, 28, 0, 1000, 0, 22.50, 0},
    {"Boone County 0.8 % to a 481.89 maximum (60,236.25 of wages): 236.25 x 0.8 % = 1.89", 2026, 6, kCounty, 2,
     60000, 1000, 0, 1.89, 0},
    {"Kenton County across half the 2026 base (92,250): 250 x 0.9097 % + 750 x 0.1097 % = 3.097", 2026, 6, kCounty,
     22, 92000, 1000, 0, 3.10, 0},
    {"Kenton County above the 2026 wage base: nothing", 2026, 6, kCounty, 22, 184500, 1000, 0, 0, 0},
    {"school district Anchorage Independent 0.75 % (kind 0)", 2026, 6, kSchool, 10007, 0, 1000, 0, 7.50, 0},
    {"kind 5 also selects the school districts", 2026, 6, 5, 10007, 0, 1000, 0, 7.50, 0},
    {"school district Fayette County 0.5 %", 2025, 6, kSchool, 10002, 0, 1000, 0, 5.00, 0},
};

TEST(KentuckyLocal, OccupationalTaxes) {
    for (const auto& c : kCases) {
        LocalityPaycheck p(kKentucky, c.year, 26, c.wages);
        p.fed.check_month = c.month;
        p.local.local_tax_kind = c.kind;
        p.local.locality_code = c.code;
        p.local.ytd_local_wages = c.ytd_wages;
        p.local.local_supplemental_wages = c.supplemental_wages;
        p.local.additional_local_wh = 3.0;  // not added by the Kentucky calculation
        EXPECT_EQ(local_ky(&p.fed, &p.state, &p.local), 0) << c.why;
        EXPECT_EQ(p.local.local_error, 0) << c.why;
        EXPECT_DOUBLE_EQ(dollarround(p.local.local_tax), c.tax) << c.why;
        EXPECT_DOUBLE_EQ(p.local.local_supplemental_tax, c.supplemental_tax) << c.why;
    }
}

struct Missing {
    std::string why;
    int64_t year;
    int64_t kind;
    int64_t code;
};

const Missing kMissing[] = {
    {"a county code looked up among the cities", 2026, kCity, 39},
    {"a city code looked up among the counties", 2026, kCounty, 2099},
    {"code 0, the end row's", 2026, kCity, 0},
    {"no rows before 2024", 2023, kCity, 2099},
};

TEST(KentuckyLocal, UnknownLocalityFailsWithoutWritingTheTax) {
    for (const auto& c : kMissing) {
        LocalityPaycheck p(kKentucky, c.year, 26, 1000.0);
        p.local.local_tax_kind = c.kind;
        p.local.locality_code = c.code;
        p.local.local_tax = 7.77;
        p.local.local_supplemental_tax = 8.88;
        EXPECT_EQ(local_ky(&p.fed, &p.state, &p.local), 1) << c.why;
        EXPECT_EQ(p.local.local_error, 1) << c.why;
        EXPECT_DOUBLE_EQ(p.local.local_tax, 7.77) << c.why;
        EXPECT_DOUBLE_EQ(p.local.local_supplemental_tax, 8.88) << c.why;
    }
    LocalityPaycheck p(kKentucky, 2026, 26, 1000.0);
    EXPECT_EQ(local_ky(nullptr, &p.state, &p.local), 1);
    EXPECT_EQ(local_ky(&p.fed, &p.state, nullptr), 1);
}

TEST(KentuckyLocal, WagesThatAreNotFiniteStoreNoTaxAndFail) {
    for (double wages : {std::numeric_limits<double>::infinity(), std::nan("")}) {
        LocalityPaycheck p(kKentucky, 2026, 26, wages);
        p.local.local_tax_kind = kCity;
        p.local.locality_code = 2099;
        EXPECT_EQ(local_ky(&p.fed, &p.state, &p.local), 1) << wages;
        EXPECT_EQ(p.local.local_tax, 0.0) << wages;
        EXPECT_EQ(p.local.local_supplemental_tax, 0.0) << wages;
    }
}

TEST(KentuckyLocal, EntryPoints) {
    for (auto entry : {TXL5_Calc_County, TXL5_Calc_Local, TXL5_Calc_Local_TEST}) {
        LocalityPaycheck p(kKentucky, 2026, 26, 1000.0);
        p.local.local_tax_kind = kCity;
        p.local.locality_code = 2099;  // Bowling Green
        EXPECT_EQ(entry(1, &p.fed, &p.state, &p.local), 0);
        EXPECT_DOUBLE_EQ(p.local.local_tax, 20.00);
        // A county code among the cities: the locality failed (bit 16).
        p.local.locality_code = 39;
        EXPECT_EQ(entry(1, &p.fed, &p.state, &p.local), 16);
        EXPECT_EQ(p.local.local_error, 1);
    }
}

// ltaxcalc on schedules of its own: the -999 bounds take the social security
// wage base of the query's date, and the walk never leaves the locality's
// rows, also when the last bracket of a schedule has an end.
TEST(KentuckyLocal, ScheduleArithmetic) {
    KY_LOCAL_STRUCT table[] = {
        // 0: taxes to the wage base only, ends at the wage base with no row after it
        {{1, 1, 2026}, {12, 31, 2026}, "Capped", 7, 0.0, -999.0, 1.5, 1.5},
        // 1-2: a schedule whose last bracket ends at 1000: nothing above it is taxed
        {{1, 1, 2026}, {12, 31, 2026}, "Short", 8, 0.0, 500.0, 1.0, 1.0},
        {{1, 1, 2026}, {12, 31, 2026}, "Short", 8, 500.0, 1000.0, 2.0, 2.0},
        // 3: another locality the walk must not read
        {{1, 1, 2026}, {12, 31, 2026}, "Other", 9, 0.0, 0.0, 50.0, 50.0},
        // 4: the same locality over another date range
        {{1, 1, 2025}, {12, 31, 2025}, "Other", 9, 0.0, 0.0, 50.0, 50.0},
        // 5: the last locality, whose bracket ends before the end row
        {{1, 1, 2026}, {12, 31, 2026}, "Last", 10, 0.0, 100.0, 1.0, 1.0},
        {},
    };
    TXL5_TABLE_INFO info{};
    info.info_month = 6;
    info.info_day = 30;
    info.info_year = 2026;
    info.info_item = 1;
    struct Case {
        const char* why;
        double amount;
        long row;
        double tax;
    } cases[] = {
        {"200,000 on a schedule capped at the 2026 base: 184,500 x 1.5 %", 200000.0, 0, 2767.50},
        {"100,000 below the base: 1,500", 100000.0, 0, 1500.00},
        {"750: 500 x 1 % + 250 x 2 %", 750.0, 1, 10.00},
        {"5000 passes the last bracket: 500 x 1 % + 500 x 2 %, the next locality unread", 5000.0, 1, 15.00},
        {"from the second bracket: 800 - 500 at 2 %", 800.0, 2, 6.00},
        {"the last locality stops at the end row: 100 x 1 %", 1000.0, 5, 1.00},
        {"the end row itself: nothing", 1000.0, 6, 0.0},
        {"a negative row index: nothing", 1000.0, -1, 0.0},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(dollarround(ltaxcalc(c.amount, c.row, table, info)), c.tax) << c.why;
    }
    EXPECT_EQ(ltaxcalc(1000.0, 0, nullptr, info), 0.0);
}

// ---- The data files ---------------------------------------------------------------

double amount_of(const std::string& text) {
    return text == "wage_base" ? txl5::kKentuckyWageBase : std::stod(text);
}

// Every row of a data file is the compiled row at the same place: dates, code,
// name, bounds and rates; and the tables hold nothing more.
void expect_matches_data(const KY_LOCAL_STRUCT* table, const std::string& file) {
    const auto rows = txl5_test::csv_rows(txl5_test::data_file(file));
    ASSERT_FALSE(rows.empty()) << file;
    const int64_t count = txl5::table_row_count(table, [](const KY_LOCAL_STRUCT& r) { return r.ky_code == 0; });
    ASSERT_EQ(count, static_cast<int64_t>(rows.size())) << file;
    for (size_t i = 0; i < rows.size(); ++i) {
        const auto& f = rows[i];
        const KY_LOCAL_STRUCT& r = table[i];
        const std::string where = file + " row " + std::to_string(i + 2);
        ASSERT_EQ(f.size(), 9u) << where;
        EXPECT_EQ(std::to_string(r.start_date.year) + "-", f[0].substr(0, 5)) << where;
        EXPECT_EQ(r.start_date.month, std::stoi(f[0].substr(5, 2))) << where;
        EXPECT_EQ(r.end_date.day, std::stoi(f[1].substr(8, 2))) << where;
        EXPECT_EQ(r.ky_code, std::stoll(f[2])) << where;
        EXPECT_STREQ(r.ky_name, f[3].c_str()) << where;
        EXPECT_EQ(r.bracket_lower, amount_of(f[4])) << where;
        EXPECT_EQ(r.bracket_upper, amount_of(f[5])) << where;
        EXPECT_EQ(r.ky_rate_pct, std::stod(f[6])) << where;
        EXPECT_EQ(r.ky_rate_pct_2, f[7].empty() ? r.ky_rate_pct : std::stod(f[7])) << where;
    }
}

TEST(KentuckyLocal, TablesMatchTheirDataFiles) {
    expect_matches_data(kylocalcity, "kentucky_cities.csv");
    expect_matches_data(kylocalcounty, "kentucky_counties.csv");
    expect_matches_data(kylocalschool, "kentucky_schools.csv");
}

// Rows and localities per year: cities 174 rows (169 cities) in 2026, counties
// 68 rows (54 counties) in 2026 and 53 counties in 2024 (Grant County's tax
// began in 2025), school districts 7.
TEST(KentuckyLocal, RowsAndLocalitiesPerYear) {
    struct Count {
        const KY_LOCAL_STRUCT* table;
        int64_t year;
        size_t rows;
        size_t localities;
    } counts[] = {
        {kylocalcity, 2026, 174, 169},  {kylocalcity, 2025, 173, 169},  {kylocalcity, 2024, 173, 169},
        {kylocalcounty, 2026, 68, 54},  {kylocalcounty, 2025, 68, 54},  {kylocalcounty, 2024, 67, 53},
        {kylocalschool, 2026, 7, 7},    {kylocalschool, 2025, 7, 7},    {kylocalschool, 2024, 7, 7},
    };
    for (const auto& c : counts) {
        size_t rows = 0;
        std::set<int64_t> codes;
        for (const KY_LOCAL_STRUCT* r = c.table; r->ky_code != 0; ++r) {
            if (r->start_date.year != c.year) continue;
            ++rows;
            codes.insert(r->ky_code);
        }
        EXPECT_EQ(rows, c.rows) << c.year;
        EXPECT_EQ(codes.size(), c.localities) << c.year;
    }
    EXPECT_EQ(txl5::table_row_count(kymentalcounty, [](const KY_LOCAL_STRUCT& r) { return r.ky_code == 0; }), 4);
}

TEST(KentuckyLocal, GeneratedTablesAreCurrent) {
    txl5_test::expect_generated_source_current("gen_kentucky.py", "local/kentucky_tables.cpp");
}

// ---- The directory lists --------------------------------------------------------

struct DirectoryEntry {
    std::string why;
    int64_t kind;  // taxbody_kind: 0 school districts, 1 cities, 2 counties
    int64_t entry_index;
    const char* text;  // null: no such entry
    int64_t count;
    int64_t code;
};

// Counts: the 2026 localities of each data file (169 cities, 54 counties,
// 7 school districts); a locality of several rows is one entry.
const DirectoryEntry kDirectory[] = {
    {"cities, entry 0", 1, 0, "Adairville", 169, 2001},
    {"Alexandria has two rows but is one entry", 1, 1, "Alexandria", 169, 2105},
    {"the entry after Alexandria", 1, 2, "Ashland", 169, 2002},
    {"Covington keeps its code", 1, 32, "Covington", 169, 2057},
    {"Elsmere's two date ranges of 2026 are one entry", 1, 48, "Elsmere", 169, 2046},
    {"the last city", 1, 168, "Wurtland", 169, 2169},
    {"past the last city", 1, 169, nullptr, 169, 0},
    {"counties, entry 0", 2, 0, "Adair", 54, 1},
    {"Boone's two brackets are one entry", 2, 1, "Boone", 54, 2},
    {"the entry after Boone", 2, 2, "Bourbon", 54, 3},
    {"the last county", 2, 53, "Woodford", 54, 54},
    {"school districts, entry 0", 0, 0, "Anchorage Independent", 7, 10007},
    {"the last school district", 0, 6, "Warren County", 7, 10006},
    {"only the low 32 bits count: 4294967297 is entry 1", 1, INT64_C(4294967297), "Alexandria", 169, 2105},
    {"a negative entry", 0, -1, nullptr, 7, 0},
    {"kind 3 has no list", 3, 0, nullptr, 0, 0},
    {"kind -1 has no list", -1, 0, nullptr, 0, 0},
};

TEST(KentuckyLocal, DirectoryLists) {
    for (const auto& e : kDirectory) {
        WITHHOLDING_TAXBODY_INFO info{};
        info.state_code = kKentucky;
        info.taxbody_kind = e.kind;
        info.entry_index = e.entry_index;
        info.entry_code = info.locality_code = -9;
        char text[TXL5_PROMPT_MAX];
        std::memset(text, 'x', sizeof text);
        const int64_t length = TXL5_Get_Prompt(&info, text);
        EXPECT_EQ(info.entry_count, e.count) << e.why;
        if (e.text) {
            EXPECT_EQ(length, static_cast<int64_t>(std::strlen(e.text))) << e.why;
            EXPECT_STREQ(text, e.text) << e.why;
            EXPECT_EQ(info.entry_code, e.code) << e.why;
            EXPECT_EQ(info.locality_code, e.code) << e.why;
        } else {
            EXPECT_EQ(length, 0) << e.why;
            EXPECT_EQ(text[0], 'x') << e.why;
            EXPECT_EQ(info.locality_code, -9) << e.why;
        }
    }
}

// Every listed code finds its locality in the calculation of the same kind.
TEST(KentuckyLocal, EveryListedCodeIsTaxed) {
    const struct {
        int64_t list;
        int64_t tax_kind;
    } kinds[] = {{0, kSchool}, {1, kCity}, {2, kCounty}};
    for (const auto& k : kinds) {
        WITHHOLDING_TAXBODY_INFO info{};
        info.taxbody_kind = k.list;
        char text[TXL5_PROMPT_MAX];
        get_ky_taxbody_info(&info, text);
        const int64_t count = info.entry_count;
        for (int64_t i = 0; i < count; ++i) {
            info.entry_index = i;
            ASSERT_GT(get_ky_taxbody_info(&info, text), 0) << k.list << " " << i;
            LocalityPaycheck p(kKentucky, 2026, 26, 1000.0);
            p.local.local_tax_kind = k.tax_kind;
            p.local.locality_code = info.locality_code;
            EXPECT_EQ(local_ky(&p.fed, &p.state, &p.local), 0) << text;
            EXPECT_GT(p.local.local_tax, 0.0) << text;
        }
    }
}

TEST(KentuckyLocal, ExportedNames) {
    txl5_test::expect_typed_functions({"local_ky", "ltaxcalc", "get_ky_taxbody_info"});
    txl5_test::expect_data_objects({"kylocalcity", "kylocalcounty", "kylocalschool", "kymentalcounty"});
}

}  // namespace
