#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "states/virginia.h"
#include "tests/states/bracket_state_support.h"
#include "tests/support/brackets.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::StatePaycheck;

constexpr int64_t kVirginia = 55;

struct Paycheck {
    std::string why;
    int64_t year, month, day;
    int64_t status;
    int64_t pay_periods;
    int64_t personal;  // state_allowances
    int64_t further;   // state_form_code: age 65 or blind exemptions
    double wages;
    double state_tax;
    double rate_used;
    int64_t table_month;  // start of the row used (its year is the check's)
};

const Paycheck kPaychecks[] = {
    {"biweekly 2026, 1 exemption: 65,000 - 930 - 8750 = 55,320; (720 + 5.75 % x 38,320) / 26 = 112.4385", 2026, 6,
     15, 0, 26, 1, 0, 2500.0, 112.44, 0.0575, 1},
    {"each further exemption takes 800 off: 54,520; (720 + 5.75 % x 37,520) / 26 = 110.669", 2026, 6, 15, 0, 26, 1,
     1, 2500.0, 110.67, 0.0575, 1},
    {"the guide's example (semimonthly 2500, 5 personal and 1 further exemption; status 1, not read) with 8750: 60,000 "
     "- 14,200 = 45,800; (720 + 5.75 % x 28,800) / 24 = 99.00",
     2026, 6, 15, 1, 24, 5, 1, 2500.0, 99.00, 0.0575, 1},
    {"1 March 2025, 8500 deduction: 55,570; (720 + 5.75 % x 38,570) / 26 = 112.9913", 2025, 3, 1, 0, 26, 1, 0, 2500.0,
     112.99, 0.0575, 1},
    {"1 August 2025, 8750 deduction: as in 2026", 2025, 8, 1, 0, 26, 1, 0, 2500.0, 112.44, 0.0575, 7},
    {"1 March 2024, 8000 deduction: 56,070; (720 + 5.75 % x 39,070) / 26 = 114.0971", 2024, 3, 1, 0, 26, 1, 0, 2500.0,
     114.10, 0.0575, 1},
    {"1 August 2024, 8500 deduction: as on 1 March 2025", 2024, 8, 1, 0, 26, 1, 0, 2500.0, 112.99, 0.0575, 7},
    {"2023, 8000 deduction, the guide's example: 60,000 - 13,450 = 46,550; (720 + 5.75 % x 29,550) / 24 = 100.797",
     2023, 6, 15, 1, 24, 5, 1, 2500.0, 100.80, 0.0575, 1},
    {"weekly 200, 1 exemption: 10,400 - 9680 = 720; 2 % x 720 / 52 = 0.2769", 2026, 6, 15, 0, 52, 1, 0, 200.0, 0.28,
     0.02, 1},
    {"annual taxable wages at 17,000, a bracket floor: the base 720", 2026, 6, 15, 0, 1, 0, 0, 25750.0, 720.0, 0.0575,
     1},
    {"deductions above the wages: nothing taxable", 2026, 6, 15, 0, 52, 2, 0, 100.0, 0.0, 0.02, 1},
};

TEST(Virginia, Paychecks) {
    for (const Paycheck& c : kPaychecks) {
        StatePaycheck p(kVirginia, c.year, c.status, c.pay_periods, c.personal, c.wages, c.month, c.day);
        p.state.state_form_code = c.further;
        p.fed.aux_result = -5;
        EXPECT_EQ(p.run() & 8, 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_tax, c.state_tax) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_rate_used, c.rate_used) << c.why;
        EXPECT_EQ(p.state.state_table_year, c.year) << c.why;
        EXPECT_EQ(p.state.state_table_month, c.table_month) << c.why;
        EXPECT_EQ(p.state.state_table_day, 1) << c.why;
        EXPECT_EQ(p.fed.aux_result, c.further) << c.why << ": the further exemptions are left in aux_result";
    }
}

TEST(Virginia, NoRowsForTheYearFailsAndLeavesAuxResult) {
    StatePaycheck p(kVirginia, 2022, 0, 26, 1, 2500.0);
    p.state.state_form_code = 2;
    p.fed.aux_result = -5;
    EXPECT_EQ(p.run() & 8, 8);
    EXPECT_EQ(p.state.state_error, 1);
    EXPECT_EQ(p.state.state_table_year, 2017);
    EXPECT_EQ(p.fed.aux_result, -5);
}

TEST(Virginia, WagesThatAreNotFiniteFail) {
    for (double wages : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                         std::numeric_limits<double>::quiet_NaN()}) {
        StatePaycheck p(kVirginia, 2026, 0, 26, 1, wages);
        p.state.state_supp_aggregate = 1;
        p.state.state_supplemental_wages = 1000.0;
        EXPECT_EQ(p.run() & 8, 8) << wages;
        EXPECT_EQ(p.state.state_error, 1) << wages;
        EXPECT_TRUE(std::isfinite(p.state.state_tax)) << wages;
        EXPECT_TRUE(std::isfinite(p.state.state_supplemental_tax)) << wages;
    }
}

struct Supplemental {
    std::string why;
    int64_t year;
    int64_t method;  // state_supp_aggregate
    int64_t pay_periods;
    double wages;
    double supplemental_wages;
    double expected;  // state_supplemental_tax; the preset 7.77 where none is computed
};

const Supplemental kSupplemental[] = {
    {"2023 flat 5.75 %: 333 x 5.75 % = 19.1475", 2023, 0, 26, 2500.0, 333.0, 19.15},
    {"aggregate: 26,000 more in the 5.75 % bracket: 26,000 x 5.75 % / 26", 2026, 1, 26, 2500.0, 1000.0, 57.50},
    {"aggregate: the annual supplemental wages are added to the annual taxable wage floored at 0: 52 x 100 - 9680 "
     "gives 0, plus 52,000; (720 + 5.75 % x 35,000) / 52 = 52.5481, less no regular tax",
     2026, 1, 52, 100.0, 1000.0, 52.55},
    {"aggregate with negative supplemental wages is floored at 0", 2026, 1, 26, 2500.0, -1000.0, 0.0},
};

TEST(Virginia, SupplementalWages) {
    for (const Supplemental& c : kSupplemental) {
        StatePaycheck p(kVirginia, c.year, 0, c.pay_periods, 1, c.wages);
        p.state.state_supp_aggregate = c.method;
        p.state.state_supplemental_wages = c.supplemental_wages;
        p.state.state_supplemental_tax = 7.77;
        EXPECT_EQ(p.run() & 8, 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, c.expected) << c.why;
    }
}

TEST(Virginia, Tables) {
    EXPECT_EQ(txl5::table_row_count(vawh), 24);
    EXPECT_EQ(txl5::table_row_count(supplemental_va), 4);
    txl5_test::expect_typed_functions({"state_va"});
    txl5_test::expect_data_objects({"vawh", "supplemental_va"});
}

const int kVawhBrackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "vawh";
    t.rows = txl5_test::bracket_rows(vawh);
    return t;
});

}  // namespace
