#include <gtest/gtest.h>

#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "states/vermont.h"
#include "tests/states/bracket_state_support.h"
#include "tests/support/brackets.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::StatePaycheck;

constexpr int64_t kVermont = 53;

const txl5_test::BracketPaycheck kPaychecks[] = {
    {"2026 weekly single, 1 allowance: 1500 - 103.85 = 1396.15 in 1051-2438; 32.70 + 6.6 % x 345.15 = 55.4799",
     2026, 0, 52, 1, 1500.0, 55.48, 0.066},
    {"status 3 is withheld as single: as the line above", 2026, 3, 52, 1, 1500.0, 55.48, 0.066},
    {"2026 annual single at 54,675, a bracket floor: the printed base 1,700.13", 2026, 0, 1, 0, 54675.0, 1700.13,
     0.066},
    {"2026 annual married, 2 allowances: 330,000 - 10,800 = 319,200; 10,760.75 + 7.6 % x 102,675 = 18,564.05", 2026,
     1, 1, 2, 330000.0, 18564.05, 0.076},
    {"2025 printed weekly married, 2 allowances: 2000 - 203.84 = 1796.16; 3.35 % x (1796.16 - 221) = 52.7679", 2025,
     1, 52, 2, 2000.0, 52.77, 0.0335},
    {"2025 printed biweekly single, 1 allowance: 3000 - 203.85 = 2796.15; 63.65 + 6.6 % x 749.15 = 113.0939", 2025, 0,
     26, 1, 3000.0, 113.09, 0.066},
    {"2024 annual single, 1 allowance: 60,000 - 5100 = 54,900; 1604.65 + 6.6 % x 3300 = 1822.45", 2024, 0, 1, 1,
     60000.0, 1822.45, 0.066},
    {"2026 monthly married: 981.25 and 8039.58 give 981 and 8040; 3.35 % x (6000 - 981) = 168.1365", 2026, 1, 12, 0,
     6000.0, 168.14, 0.0335},
    {"semiannual, no such schedule: 2 x 30,000 - 5400 = 54,600; 3.35 % x 50,675 / 2 = 848.806", 2026, 0, 2, 1,
     30000.0, 848.81, 0.0335},
    {"allowances above the wages: nothing taxable", 2026, 0, 52, 3, 200.0, 0.0, 0.0},
};

TEST(Vermont, Paychecks) {
    txl5_test::expect_paychecks(kVermont, kPaychecks);
}

// Until September 2001 the tax is the year's share of the federal income tax
// withheld, 200 here (not rounded here, no supplemental tax); from October
// 2001 the brackets, none held for 2001; no share held for 1997.
TEST(Vermont, BeforeOctober2001TheTaxIsAShareOfTheFederalTax) {
    const struct {
        int64_t year, month, result;
        double state_tax;
    } cases[] = {{2001, 9, 0, 48.0}, {2000, 6, 0, 48.0}, {1999, 6, 0, 50.0}, {2001, 10, 1, 0.0}, {1997, 6, 1, 0.0}};
    for (const auto& c : cases) {
        StatePaycheck p(kVermont, c.year, 0, 52, 1, 1500.0, c.month, 15);
        p.fed.fed_tax = 200.0;
        p.state.state_supp_aggregate = 0;
        p.state.state_supplemental_tax = 7.77;
        EXPECT_EQ(p.run_direct(state_vt), c.result) << c.year << "-" << c.month;
        EXPECT_EQ(p.state.state_error, c.result) << c.year << "-" << c.month;
        EXPECT_DOUBLE_EQ(p.state.state_tax, c.state_tax) << c.year << "-" << c.month;
        EXPECT_EQ(p.state.state_table_year, 2017) << c.year << "-" << c.month;
        EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, 7.77) << c.year << "-" << c.month;
    }
}

struct Supplemental {
    std::string why;
    int64_t year;
    int64_t method;  // state_supp_aggregate
    double supplemental_wages;
    double expected;  // state_supplemental_tax; the preset 7.77 where none is computed
};

const Supplemental kSupplemental[] = {
    {"2026 flat: 30 % of the federal 22 % x 1000 = 220, whatever the state's supplemental wages", 2026, 0,
     5000.0, 66.00},
    {"2024 flat: 30 % of 220", 2024, 0, 0.0, 66.00},
    {"aggregate: 500 more in the 6.6 % bracket: 33.00", 2026, 1, 500.0, 33.00},
    {"aggregate with negative supplemental wages is floored at 0", 2026, 1, -500.0, 0.0},
};

TEST(Vermont, SupplementalWages) {
    for (const Supplemental& c : kSupplemental) {
        StatePaycheck p(kVermont, c.year, 0, 52, 1, 1500.0);
        p.fed.supplemental_wages = 1000.0;
        p.fed.supp_aggregate = 0;
        p.state.state_supp_aggregate = c.method;
        p.state.state_supplemental_wages = c.supplemental_wages;
        p.state.state_supplemental_tax = 7.77;
        EXPECT_EQ(p.run() & 8, 0) << c.why;
        EXPECT_DOUBLE_EQ(p.fed.supplemental_fed_tax, 220.0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, c.expected) << c.why;
    }
    // A federal record of layout 128 carries no federal supplemental tax.
    StatePaycheck p(kVermont, 2026, 0, 52, 1, 1500.0);
    p.fed.struc_version = 128;
    p.fed.supplemental_fed_tax = 500.0;
    p.state.state_supp_aggregate = 0;
    EXPECT_EQ(p.run() & 8, 0);
    EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, 0.0);
}

TEST(Vermont, Tables) {
    txl5_test::expect_schedules(vtwh2, {2026, 2025, 2024}, {0, 1}, {1, 52, 26, 24, 12, 4}, "vtwh2");
    txl5_test::expect_newest_first(vtwh2, "vtwh2");
    EXPECT_EQ(txl5::table_row_count(vtwh2), 180);
    EXPECT_EQ(txl5::table_row_count(vtwh), 4);
    EXPECT_EQ(txl5::table_row_count(supplemental_vt), 4);
    txl5_test::expect_typed_functions({"state_vt"});
    txl5_test::expect_data_objects({"vtwh", "vtwh2", "supplemental_vt"});
}

const int kVtwh2Brackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "vtwh2";
    t.rows = txl5_test::bracket_rows(vtwh2);
    return t;
});

}  // namespace
