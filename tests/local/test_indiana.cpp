#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "core/tables.h"
#include "core/txl5.h"
#include "local/indiana.h"
#include "tests/local/locality_paycheck.h"
#include "tests/support/data_files.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::LocalityPaycheck;

constexpr int64_t kIndiana = 18;
constexpr int64_t kMarion = 49;
constexpr int64_t kFloyd = 22;

// An Indiana paycheck with one personal exemption and one dependent, weekly
// 1000.00 unless a case says otherwise.
LocalityPaycheck indiana_paycheck(int64_t year, int64_t county, int64_t pay_periods = 52, double wages = 1000.0) {
    LocalityPaycheck p(kIndiana, year, pay_periods, wages);
    p.state.state_allowances = 1;
    p.state.state_additional_count2 = 1;
    p.local.locality_code = county;
    p.local.local_allowances = 1;
    p.local.local_resident = 1;
    return p;
}

struct CountyCase {
    std::string why;  // where the expected amounts come from
    int64_t year, month, day;
    int64_t county;
    int64_t resident;       // local_resident
    int64_t local_version;  // local struc_version
    int64_t state_version;  // state struc_version
    int64_t exemptions, dependents, first_time, first_time_year;
    int64_t pay_periods;
    double wages;
    double additional;
    double local_tax;  // after the entry point's rounding
};

const CountyCase kCases[] = {
    {"Marion 2026 weekly resident: (1000 - 19.23 - 28.85) = 951.92 x 2.02 % = 19.23", 2026, 6, 5, kMarion, 1, 156,
     145, 1, 1, 0, 0, 52, 1000.0, 0, 19.23},
    {"Floyd nonresident, same pay: 951.92 x 1.89 % = 17.99", 2026, 6, 5, kFloyd, 0, 156, 145, 1, 1, 0, 0, 52, 1000.0,
     0, 17.99},
    {"Floyd resident: 951.92 x 1.39 % = 13.23", 2026, 6, 5, kFloyd, 1, 156, 145, 1, 1, 0, 0, 52, 1000.0, 0, 13.23},
    {"local layout 60 takes the resident rate whatever local_resident says: 13.23", 2026, 6, 5, kFloyd, 0, 60, 145, 1,
     1, 0, 0, 52, 1000.0, 0, 13.23},
    {"local layout 61 reads local_resident: 17.99", 2026, 6, 5, kFloyd, 0, 61, 145, 1, 1, 0, 0, 52, 1000.0, 0, 17.99},
    {"state layout 404 deducts no dependents (3 claimed): (1000 - 19.23) x 2.02 % = 19.81", 2026, 6, 5, kMarion, 1,
     156, 404, 1, 3, 0, 0, 52, 1000.0, 0, 19.81},
    {"first-time dependent claimed for 2025 on a 2026 check: not deducted, 19.81", 2026, 6, 5, kMarion, 1, 156, 145, 1,
     0, 1, 2025, 52, 1000.0, 0, 19.81},
    {"first-time dependent of the check year: 28.85 more off, 19.23", 2026, 6, 5, kMarion, 1, 156, 145, 1, 0, 1, 0, 52,
     1000.0, 0, 19.23},
    {"daily (260) on the annual row: (52,000 - 1,000 - 1,500) x 2.02 % / 260 = 999.90 / 260 = 3.85", 2026, 6, 5,
     kMarion, 1, 156, 145, 1, 1, 0, 0, 260, 200.0, 0, 3.85},
    {"unknown county (code 10 is no county): only the extra 1.25", 2026, 6, 5, 10, 1, 156, 145, 1, 1, 0, 0, 52,
     1000.0, 1.25, 1.25},
    {"county code 0: only the extra 1.25", 2026, 6, 5, 0, 1, 156, 145, 1, 1, 0, 0, 52, 1000.0, 1.25, 1.25},
    {"Lake (99) 2026, no exemptions: 1000 x 1.5 % = 15.00, plus 0.50 extra", 2026, 6, 5, 99, 1, 156, 145, 0, 0, 0, 0,
     52, 1000.0, 0.5, 15.50},
    {"Clark (93) 2026 monthly, no exemptions: 4000 x 2 % = 80.00", 2026, 6, 5, 93, 1, 156, 145, 0, 0, 0, 0, 12, 4000.0,
     0, 80.00},
    {"Floyd 2025 nonresident (1.89 % since 1 January 2025): 951.92 x 1.89 % = 17.99", 2025, 6, 5, kFloyd, 0, 156, 145,
     1, 1, 0, 0, 52, 1000.0, 0, 17.99},
    {"Decatur 30 September 2024, 2.5 % until the October change: 1000 x 2.5 % = 25.00", 2024, 9, 30, 16, 1, 156, 145, 0,
     0, 0, 0, 52, 1000.0, 0, 25.00},
    {"Decatur 1 October 2024, 2.45 %: 24.50", 2024, 10, 1, 16, 1, 156, 145, 0, 0, 0, 0, 52, 1000.0, 0, 24.50},
    {"Allen 2024, 1.59 % from 1 January 2024: 1000 x 1.59 % = 15.90", 2024, 3, 1, 2, 1, 156, 145, 0, 0, 0, 0, 52,
     1000.0, 0, 15.90},
    {"exemptions above the wages: nothing taxable", 2026, 6, 5, kMarion, 1, 156, 145, 4, 0, 0, 0, 52, 50.0, 0, 0.0},
};

TEST(IndianaCounty, CountyTax) {
    for (const CountyCase& c : kCases) {
        LocalityPaycheck p = indiana_paycheck(c.year, c.county, c.pay_periods, c.wages);
        p.fed.check_month = c.month;
        p.fed.check_day = c.day;
        p.local.struc_version = c.local_version;
        p.local.local_resident = c.resident;
        p.local.local_allowances = c.exemptions;
        p.local.additional_local_wh = c.additional;
        p.state.struc_version = c.state_version;
        p.state.state_additional_count2 = c.dependents;
        p.state.state_form_flag2 = c.first_time;
        p.state.state_form_flag3 = c.first_time_year;
        p.local.local_tax = 3.33;  // what an earlier paycheck left
        EXPECT_EQ(TXL5_Calc_Local(1, &p.fed, &p.state, &p.local), 0) << c.why;
        EXPECT_DOUBLE_EQ(p.local.local_tax, c.local_tax) << c.why;
        EXPECT_EQ(p.local.local_error, 0) << c.why;
    }
}

TEST(IndianaCounty, EveryEntryPointReachesTheCounty) {
    for (auto entry : {TXL5_Calc_County, TXL5_Calc_Local, TXL5_Calc_Local_TEST}) {
        LocalityPaycheck p = indiana_paycheck(2026, kMarion);
        EXPECT_EQ(entry(1, &p.fed, &p.state, &p.local), 0);
        EXPECT_DOUBLE_EQ(p.local.local_tax, 19.23);  // the first case above
    }
}

TEST(IndianaCounty, AnnualRowReportsTheStateRateInAuxResult) {
    const struct {
        int64_t version;
        int64_t aux_result;
    } cases[] = {{156, 2}, {59, 2}, {60, -5}};  // 2.95 % truncated; layout 60 leaves it
    for (const auto& c : cases) {
        LocalityPaycheck p = indiana_paycheck(2026, kMarion, 260, 200.0);
        p.local.struc_version = c.version;
        p.fed.aux_result = -5;
        EXPECT_EQ(county_in(&p.fed, &p.state, &p.local), 0) << c.version;
        EXPECT_EQ(p.fed.aux_result, c.aux_result) << c.version;
    }
    // A weekly paycheck has its own row: aux_result is not written.
    LocalityPaycheck weekly = indiana_paycheck(2026, kMarion);
    weekly.fed.aux_result = -5;
    EXPECT_EQ(county_in(&weekly.fed, &weekly.state, &weekly.local), 0);
    EXPECT_EQ(weekly.fed.aux_result, -5);
}

TEST(IndianaCounty, SupplementalWagesAtTheCountyRate) {
    const struct {
        int64_t version;
        double expected;  // 7.77: not written
    } cases[] = {{156, 10.10}, {155, 7.77}};
    for (const auto& c : cases) {
        LocalityPaycheck p = indiana_paycheck(2026, kMarion);
        p.local.struc_version = c.version;
        p.local.local_supplemental_wages = 500.0;
        p.local.local_supplemental_tax = 7.77;
        EXPECT_EQ(county_in(&p.fed, &p.state, &p.local), 0);
        // 500 x 2.02 % = 10.10, not rounded.
        EXPECT_NEAR(p.local.local_supplemental_tax, c.expected, 1e-9) << c.version;
    }
}

// With no state row for the date (2023) the county tax cannot be computed:
// local_error 1 and result 1, and the period's tax is the extra withholding
// alone, not the tax an earlier paycheck left in the record.
TEST(IndianaCounty, NoStateRowFailsWithTheExtraWithholdingOnly) {
    LocalityPaycheck p = indiana_paycheck(2023, kMarion);
    p.local.local_tax = 3.33;
    p.local.additional_local_wh = 1.25;
    p.local.local_supplemental_wages = 500.0;
    p.local.local_supplemental_tax = 7.77;
    EXPECT_EQ(county_in(&p.fed, &p.state, &p.local), 1);
    EXPECT_EQ(p.local.local_error, 1);
    EXPECT_DOUBLE_EQ(p.local.local_tax, 1.25);
    EXPECT_EQ(p.local.local_supplemental_tax, 0.0);
}

TEST(IndianaCounty, ExtremeCallerValuesGiveFiniteAmounts) {
    const double inf = std::numeric_limits<double>::infinity();
    for (double wages : {inf, std::nan("")}) {
        LocalityPaycheck p = indiana_paycheck(2026, kMarion);
        p.local.local_wages = wages;
        EXPECT_EQ(county_in(&p.fed, &p.state, &p.local), 1);
        EXPECT_EQ(p.local.local_error, 1);
        EXPECT_EQ(p.local.local_tax, 0.0);
    }
    for (int64_t count : {std::numeric_limits<int64_t>::max(), std::numeric_limits<int64_t>::min()}) {
        LocalityPaycheck p = indiana_paycheck(2026, kMarion);
        p.local.local_allowances = count;
        p.state.state_additional_count2 = p.state.state_new_form = p.state.state_form_flag2 = count;
        county_in(&p.fed, &p.state, &p.local);
        EXPECT_TRUE(std::isfinite(p.local.local_tax)) << count;
    }
    for (int64_t periods : {0, -52}) {
        LocalityPaycheck p = indiana_paycheck(2026, kMarion);
        p.local.local_pay_periods = periods;
        EXPECT_EQ(county_in(&p.fed, &p.state, &p.local), 0) << periods;
        EXPECT_EQ(p.local.local_tax, 0.0) << periods;  // no annual wages
    }
    LocalityPaycheck extra = indiana_paycheck(2026, kMarion);
    extra.local.additional_local_wh = inf;
    EXPECT_NE(county_in(&extra.fed, &extra.state, &extra.local), 0);
    EXPECT_EQ(extra.local.local_tax, 0.0);
}

TEST(IndianaCounty, NullRecordsFailAndTouchNothing) {
    LocalityPaycheck p = indiana_paycheck(2026, kMarion);
    const LocalityPaycheck before = p;
    EXPECT_NE(county_in(nullptr, &p.state, &p.local), 0);
    EXPECT_NE(county_in(&p.fed, nullptr, &p.local), 0);
    EXPECT_NE(county_in(&p.fed, &p.state, nullptr), 0);
    EXPECT_EQ(std::memcmp(&p, &before, sizeof p), 0);
}

// ---- The directory list --------------------------------------------------------

struct Entry {
    std::string why;
    int64_t index;
    const char* text;  // null: no such entry
    int64_t code;
};

const Entry kEntries[] = {
    {"entry 0 is the placeholder", 0, "None", 0},
    {"Adams, code 1", 1, "Adams", 1},
    {"Clark keeps its alphabetical place but has code 93", 10, "Clark", 93},
    {"Jefferson, code 96", 39, "Jefferson", 96},
    {"Lake, code 99", 45, "Lake", 99},
    {"Marion, code 49", 49, "Marion", 49},
    {"St. Joseph, sorted as Saint Joseph, code 71", 71, "St. Joseph", 71},
    {"Vigo, code 95", 84, "Vigo", 95},
    {"Whitley, the last county", 92, "Whitley", 92},
    {"entry 93 is past the end", 93, nullptr, 0},
};

TEST(IndianaCounty, DirectoryList) {
    for (const Entry& e : kEntries) {
        WITHHOLDING_TAXBODY_INFO info{};
        info.state_code = kIndiana;
        info.entry_index = e.index;
        info.entry_code = info.locality_code = -9;
        char text[TXL5_PROMPT_MAX];
        std::memset(text, 'x', sizeof text);
        const int64_t length = TXL5_Get_Prompt(&info, text);
        EXPECT_EQ(info.entry_count, 93) << e.why;
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
    // The state's own function answers alike.
    WITHHOLDING_TAXBODY_INFO info{};
    info.entry_index = 49;
    char text[TXL5_PROMPT_MAX];
    EXPECT_EQ(get_in_taxbody_info(&info, text), 6);
    EXPECT_STREQ(text, "Marion");
}

// ---- The compiled tables against their data file -------------------------------

struct CountyLine {
    int64_t code;
    std::string name;
    double rates[5];  // resident 2026, nonresident 2026, 2025, Oct-Dec 2024, Jan-Sep 2024
};

std::vector<CountyLine> read_data_file(const std::string& path) {
    std::vector<CountyLine> lines;
    for (const std::vector<std::string>& fields : txl5_test::csv_rows(path)) {
        CountyLine county;
        county.code = std::atoll(fields.at(0).c_str());
        county.name = fields.at(1);
        for (size_t k = 0; k < 5; ++k) county.rates[k] = std::strtod(fields.at(2 + k).c_str(), nullptr);
        lines.push_back(county);
    }
    return lines;
}

TEST(IndianaCounty, TablesMatchTheirDataFile) {
    const std::vector<CountyLine> counties = read_data_file(txl5_test::data_file("indiana_counties.csv"));
    ASSERT_EQ(counties.size(), 92u);
    const int64_t blocks = 4;  // 2026, 2025, 1 October and 1 January 2024
    ASSERT_EQ(txl5::table_row_count(inco, [](const IndianaCountyRow& r) { return r.county_code == 0; }),
              blocks * 92);
    ASSERT_EQ(txl5::table_row_count(inconame, [](const LocalityNameRow& r) { return r.locality_code == 9999; }), 93);
    const int64_t start_years[] = {2026, 2025, 2024, 2024};
    const int64_t start_months[] = {1, 1, 10, 1};
    for (size_t i = 0; i < counties.size(); ++i) {
        const CountyLine& c = counties[i];
        EXPECT_EQ(inconame[i + 1].locality_code, c.code) << c.name;
        EXPECT_EQ(std::string(inconame[i + 1].name), c.name) << c.name;
        for (int64_t b = 0; b < blocks; ++b) {
            const IndianaCountyRow& row = inco[b * 92 + static_cast<int64_t>(i)];
            EXPECT_EQ(row.county_code, c.code) << c.name;
            EXPECT_EQ(row.start_date.year, start_years[b]) << c.name;
            EXPECT_EQ(row.start_date.month, start_months[b]) << c.name;
            EXPECT_EQ(row.resident_rate, b == 0 ? c.rates[0] : c.rates[b + 1]) << c.name << " block " << b;
            EXPECT_EQ(row.nonresident_rate, b == 0 ? c.rates[1] : c.rates[b + 1]) << c.name << " block " << b;
        }
    }
}

// The 2026 rates the county tax is published with, by code.
TEST(IndianaCounty, Published2026Rates) {
    const struct {
        int64_t code;
        double resident, nonresident;
    } rates[] = {
        {1, 0.016, 0.016},        {2, 0.0159, 0.0159},     {5, 0.025, 0.025},      {49, 0.0202, 0.0202},
        {82, 0.0125, 0.0125},     {93, 0.02, 0.02},        {99, 0.015, 0.015},     {22, 0.0139, 0.0189},
        {24, 0.015, 0.017},       {26, 0.009, 0.013},      {38, 0.0245, 0.025},    {53, 0.02035, 0.0214},
        {70, 0.021, 0.0215},      {78, 0.0125, 0.0145},
    };
    for (const auto& r : rates) {
        const IndianaCountyRow* row = txl5::scan_rows(
            inco, MDATE{6, 5, 2026}, [&](const IndianaCountyRow& c) { return c.county_code == r.code; },
            [](const IndianaCountyRow& c) { return c.county_code == 0; });
        ASSERT_NE(row, nullptr) << r.code;
        EXPECT_EQ(row->resident_rate, r.resident) << r.code;
        EXPECT_EQ(row->nonresident_rate, r.nonresident) << r.code;
    }
}

TEST(IndianaCounty, Exports) {
    txl5_test::expect_typed_functions({"county_in", "get_in_taxbody_info"});
    txl5_test::expect_data_objects({"inco", "inconame"});
}

}  // namespace
