#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "local/maryland.h"
#include "states/maryland.h"
#include "tests/support/brackets.h"
#include "tests/support/exports.h"
#include "tests/support/paycheck.h"

namespace {

constexpr int64_t kMaryland = 25;
constexpr int64_t kHoward = 2, kAnneArundel = 4, kFrederick = 8, kWorcester = 24;

// One paycheck with the same wages, pay frequency, status and exemptions on
// the federal, state and local records.
struct CountyPaycheck : txl5_test::PaycheckRecords {
    CountyPaycheck(int64_t year, int64_t county, int64_t status, int64_t pay_periods, int64_t exemptions,
                   double wages)
        : PaycheckRecords(kMaryland, year, pay_periods, wages) {
        state.state_filing_status = status;
        state.state_allowances = exemptions;
        state.state_supp_aggregate = -1;
        local.locality_code = county;
        local.local_allowances = exemptions;
    }
    int64_t run() { return TXL5_Calc_Local(1, &fed, &state, &local); }
};

struct Case {
    std::string why;
    int64_t year;
    int64_t county;
    int64_t status;
    int64_t pay_periods;
    double wages;
    double local_tax;  // after the entry point's rounding
};

const Case kCases[] = {
    {"Howard, annual 60,000 single: combined 7.95 % x 56,650 = 4503.675 less the state's 2690.88 = 1812.80", 2026,
     kHoward, 0, 1, 60000.0, 1812.80},
    {"Howard, status 6 is taken as single by the county as by the state: as above", 2026, kHoward, 6, 1, 60000.0,
     1812.80},
    {"Howard, annual 4,999: below the 5,000 minimum", 2026, kHoward, 0, 1, 4999.0, 0.0},
    {"Howard, weekly 90 (4,680 a year): below the minimum", 2026, kHoward, 0, 52, 90.0, 0.0},
    {"Howard, weekly 1000: 48,650 x 7.95 % / 52 = 74.3784 less the state's 44.44", 2026, kHoward, 0, 52, 1000.0,
     29.94},
    {"Howard 2024, weekly 1000: 52,000 - 2700 = 49,300; 7.95 % / 52 = 75.3721 less 45.03", 2024, kHoward, 0, 52,
     1000.0, 30.34},
    {"Worcester 2026, annual 60,000: 7 % x 56,650 = 3965.50 less 2690.88", 2026, kWorcester, 0, 1, 60000.0, 1274.62},
    {"Frederick 2025 single, income 22,700 - 2700 = 20,000: the 2.25 % table; 7 % - 4.75 % of 20,000", 2025,
     kFrederick, 0, 1, 22700.0, 450.00},
    {"Frederick 2025 single, income 40,000: the 2.75 % table; 2.75 % x 40,000", 2025, kFrederick, 0, 1, 42700.0,
     1100.00},
    {"Frederick 2025 single, income 50,000 is still the 2.75 % band: 1375.00", 2025, kFrederick, 0, 1, 52700.0,
     1375.00},
    {"Frederick 2025 single, income 50,001: the 2.96 % table; 2.96 % x 50,001 = 1480.0296", 2025, kFrederick, 0, 1,
     52701.0, 1480.03},
    {"Frederick 2025 married, income 90,000: the 2.75 % band to 100,000; 2475.00", 2025, kFrederick, 1, 1, 92700.0,
     2475.00},
    {"Frederick 2026 single, income 28,350 - 3350 = 25,000: the 2.25 % table; 562.50", 2026, kFrederick, 0, 1,
     28350.0, 562.50},
    {"Frederick 2024 status 12 (single bands), income 160,000: the 3.20 % table; 3.20 % x 160,000", 2024,
     kFrederick, 12, 1, 162700.0, 5120.00},
    {"Anne Arundel 2024 married, income 70,000: the 2.70 % table; 1890.00", 2024, kAnneArundel, 1, 1, 72700.0,
     1890.00},
    {"Anne Arundel 2024 married, income 100,000: the 2.81 % table; 2810.00", 2024, kAnneArundel, 1, 1, 102700.0,
     2810.00},
    {"Anne Arundel 2025 single, income 60,000: the 2.94 % table; 1764.00", 2025, kAnneArundel, 0, 1, 62700.0,
     1764.00},
    {"Anne Arundel 2026: its own 2.85 % table; 7.60 % x 56,650 = 4305.40 less 2690.88", 2026, kAnneArundel, 0, 1,
     60000.0, 1614.52},
};

TEST(MarylandCounty, Paychecks) {
    for (const Case& c : kCases) {
        CountyPaycheck p(c.year, c.county, c.status, c.pay_periods, 0, c.wages);
        EXPECT_EQ(p.run(), 0) << c.why;
        EXPECT_EQ(p.local.local_error, 0) << c.why;
        EXPECT_DOUBLE_EQ(p.local.local_tax, c.local_tax) << c.why;
    }
}

TEST(MarylandCounty, UnknownCountyFails) {
    CountyPaycheck p(2026, 30, 0, 1, 0, 60000.0);
    p.local.additional_local_wh = 5.0;
    EXPECT_EQ(p.run(), 16);
    EXPECT_EQ(p.local.local_error, 1);
    EXPECT_DOUBLE_EQ(p.local.local_tax, 0.0);
    CountyPaycheck direct(2026, 30, 0, 1, 0, 60000.0);
    EXPECT_EQ(county_md(&direct.fed, &direct.state, &direct.local), 1);
    EXPECT_EQ(direct.local.local_error, 1);
}

TEST(MarylandCounty, YearsWithoutCountyRows) {
    // The state tax retries with the previous year's rows; the county table
    // holds no row for the check date.
    CountyPaycheck later(2027, kHoward, 0, 1, 0, 60000.0);
    EXPECT_EQ(later.run(), 16);
    EXPECT_EQ(later.local.local_error, 1);
    // Before 2024 (and the older county method before 2015) nothing is computed.
    CountyPaycheck old(2014, kHoward, 0, 1, 0, 60000.0);
    EXPECT_EQ(county_md(&old.fed, &old.state, &old.local), 1);
    EXPECT_EQ(old.local.local_error, 1);
}

TEST(MarylandCounty, OnlyTheLowBitsOfTheCodeCount) {
    CountyPaycheck p(2026, kHoward + (INT64_C(1) << 32), 0, 1, 0, 60000.0);
    EXPECT_EQ(p.run(), 0);
    EXPECT_DOUBLE_EQ(p.local.local_tax, 1812.80);
}

TEST(MarylandCounty, ExtraWithholdingAndEntryPoints) {
    for (auto entry : {TXL5_Calc_County, TXL5_Calc_Local, TXL5_Calc_Local_TEST}) {
        CountyPaycheck p(2026, kHoward, 0, 1, 0, 60000.0);
        p.local.additional_local_wh = 1.0;
        EXPECT_EQ(entry(1, &p.fed, &p.state, &p.local), 0);
        EXPECT_DOUBLE_EQ(p.local.local_tax, 1813.80);
    }
}

struct Supplemental {
    std::string why;
    int64_t county;
    int64_t version;
    int64_t method;  // local_supp_aggregate (the state's method the same)
    double expected;  // local_supplemental_tax; the preset 7.77 where none is written
};

const Supplemental kSupplemental[] = {
    {"Worcester flat: 0.0875 - 0.0575 = 0.03 of 1000", kWorcester, 156, 0, 30.00},
    {"Anne Arundel 2026 flat: its own row's 0.0935 - 0.0575 = 0.036 of 1000", kAnneArundel, 156, 0, 36.00},
    {"Howard flat: 0.097 - 0.0575 = 0.0395 of 1000", kHoward, 156, 2, 39.50},
    {"Howard aggregate: weekly 1000 + 1000; 48,650 + 52,000 = 100,650: (7950 + 8.2 % x 650) / 52 = 153.9096 less "
     "the state's 44.44, the county's 29.9384 and the state's bonus tax 47.53 = 32.00",
     kHoward, 156, 1, 32.00},
    {"layout 155: no supplemental tax", kHoward, 155, 0, 7.77},
};

TEST(MarylandCounty, SupplementalWages) {
    for (const Supplemental& c : kSupplemental) {
        CountyPaycheck p(2026, c.county, 0, 52, 0, 1000.0);
        p.state.state_supp_aggregate = c.method;
        p.state.state_supplemental_wages = 1000.0;
        p.local.struc_version = c.version;
        p.local.local_supp_aggregate = c.method;
        p.local.local_supplemental_wages = 1000.0;
        p.local.local_supplemental_tax = 7.77;
        EXPECT_EQ(p.run(), 0) << c.why;
        EXPECT_DOUBLE_EQ(p.local.local_supplemental_tax, c.expected) << c.why;
    }
}

TEST(MarylandCounty, NullRecordsFail) {
    CountyPaycheck p(2026, kHoward, 0, 1, 0, 60000.0);
    EXPECT_EQ(county_md(nullptr, &p.state, &p.local), 1);
    EXPECT_EQ(county_md(&p.fed, nullptr, &p.local), 1);
    EXPECT_EQ(county_md(&p.fed, &p.state, nullptr), 1);
}

TEST(MarylandCounty, Directory) {
    struct Entry { int64_t index; const char* text; int64_t code; } entries[] = {
        {0, "None", 0}, {1, "Allegany", 17}, {2, "Anne Arundel", 4}, {3, "Baltimore City", 3}, {4, "Baltimore", 13},
        {14, "Howard", 2}, {21, "Talbot", 1}, {24, "Worcester", 24}, {25, "Nonresidents", 25},
    };
    for (const auto& e : entries) {
        WITHHOLDING_TAXBODY_INFO info{};
        info.state_code = kMaryland;
        info.entry_index = e.index;
        char text[TXL5_PROMPT_MAX] = {};
        EXPECT_EQ(TXL5_Get_Prompt(&info, text), static_cast<int64_t>(std::strlen(e.text))) << e.text;
        EXPECT_STREQ(text, e.text);
        EXPECT_EQ(info.entry_count, 26);
        EXPECT_EQ(info.entry_code, e.code) << e.text;
        EXPECT_EQ(info.locality_code, e.code) << e.text;
    }
    WITHHOLDING_TAXBODY_INFO past{};
    past.state_code = kMaryland;
    past.entry_index = 26;
    char text[TXL5_PROMPT_MAX] = "untouched";
    EXPECT_EQ(get_md_taxbody_info(&past, text), 0);
    EXPECT_STREQ(text, "untouched");
    EXPECT_EQ(past.entry_count, 26);
}

// Every county row of the directory has a county row in each year held.
TEST(MarylandCounty, EveryListedCountyHasARowEachYear) {
    for (const LocalityNameRow* name = mdconame + 1; name->locality_code != 9999; ++name) {
        for (int64_t year : {2024, 2025, 2026}) {
            const MDATE date{6, 5, year};
            EXPECT_NE(txl5::scan_rows(mdlocal, date,
                                      [&](const MdLocalRow& r) { return r.md_county_code == name->locality_code; }),
                      nullptr)
                << name->name << " " << year;
        }
    }
    EXPECT_EQ(txl5::table_row_count(mdlocal), 75);
}

const MdwhRow* const kCombinedTables[] = {mdcnty175, mdcnty225, mdcnty240, mdcnty265, mdcnty270, mdcnty274, mdcnty275,
                                          mdcnty281, mdcnty285, mdcnty294, mdcnty296, mdcnty300, mdcnty303, mdcnty305,
                                          mdcnty306, mdcnty310, mdcnty317, mdcnty320, mdcnty330};
const int kCountyRates[] = {175, 225, 240, 265, 270, 274, 275, 281, 285, 294, 296, 300, 303, 305, 306, 310, 317, 320, 330};

// Each combined table is the state schedule with the county rate added: the
// same rows of mdwh (2024 to 2026), each rate raised by the rate in the
// table's name. Its bases are checked with every other bracket table.
TEST(MarylandCounty, CombinedTablesAreTheStateScheduleWithTheCountyRate) {
    for (size_t t = 0; t < sizeof(kCountyRates) / sizeof(kCountyRates[0]); ++t) {
        const double county_rate = kCountyRates[t] / 10000.0;
        const MdwhRow* state = mdwh;
        const MdwhRow* row = kCombinedTables[t];
        for (; row->start_date.month != 0; ++row, ++state) {
            const std::string where = "mdcnty" + std::to_string(kCountyRates[t]) + " " +
                                      std::to_string(row->start_date.year) + " lower " + std::to_string(row->lower);
            ASSERT_EQ(row->start_date.year, state->start_date.year) << where;
            EXPECT_EQ(row->status, state->status) << where;
            EXPECT_EQ(row->min_wages, state->min_wages) << where;
            EXPECT_EQ(row->std_pct, state->std_pct) << where;
            EXPECT_EQ(row->std_min, state->std_min) << where;
            EXPECT_EQ(row->std_max, state->std_max) << where;
            EXPECT_EQ(row->exemption_amount, state->exemption_amount) << where;
            EXPECT_EQ(row->lower, state->lower) << where;
            EXPECT_EQ(row->upper, state->upper) << where;
            EXPECT_NEAR(row->rate, state->rate + county_rate, 1e-12) << where;
        }
        EXPECT_EQ(state->start_date.year, 2023) << "the combined tables hold 2024 to 2026";
    }
    // Each county row's combined rate is the top rate of its table that year.
    for (const MdLocalRow* r = mdlocal; r->start_date.month != 0; ++r) {
        const MdwhRow* top = r->md_county_table;
        while (top->start_date.year != r->start_date.year || top->upper != 0.0) ++top;
        EXPECT_NEAR(r->md_combined_rate, top->rate, 1e-12) << r->md_county_code << " " << r->start_date.year;
    }
}

const int kCombinedBrackets = [] {
    for (size_t t = 0; t < sizeof(kCountyRates) / sizeof(kCountyRates[0]); ++t) {
        const MdwhRow* table = kCombinedTables[t];
        const std::string name = "mdcnty" + std::to_string(kCountyRates[t]);
        txl5_test::register_bracket_table([table, name] {
            txl5_test::BracketTable b;
            b.name = name;
            b.rows = txl5_test::schedule_rows(table, [](const MdwhRow& r) {
                return txl5_test::ScheduleRow{r.start_date, r.end_date, static_cast<int64_t>(r.status),
                                              r.pay_periods, r.lower,   r.upper,
                                              r.base,        r.rate};
            });
            return b;
        });
    }
    return 0;
}();

TEST(MarylandCounty, Exports) {
    txl5_test::expect_typed_functions({"county_md", "get_md_taxbody_info"});
    txl5_test::expect_data_objects({"mdlocal", "mdconame", "mdcnty175", "mdcnty225", "mdcnty240", "mdcnty265",
                                    "mdcnty270", "mdcnty274", "mdcnty275", "mdcnty281", "mdcnty285", "mdcnty294",
                                    "mdcnty296", "mdcnty300", "mdcnty303", "mdcnty305", "mdcnty306", "mdcnty310",
                                    "mdcnty317", "mdcnty320", "mdcnty330"});
}

}  // namespace
