#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "states/delaware.h"
#include "tests/states/bracket_state_support.h"
#include "tests/support/brackets.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::StatePaycheck;

constexpr int64_t kDelaware = 9;

// The Division of Revenue's worked examples ("Tax Rate Changes, for tax years
// 2014 and later") give the tax on taxable income; an annual payroll of that
// income plus the standard deduction withholds it.
const txl5_test::BracketPaycheck kPaychecks[] = {
    {"2026 single biweekly 2000, 1 allowance: 52,000 - 3,250 = 48,750; 1001 + 5.55 % x 23,750 = 2319.13; less 110; "
     "/ 26",
     2026, 0, 26, 1, 2000.0, 84.97, 0.0555},
    {"2024 single, taxable 75,000 (78,250 less 3,250): the state's example, 2943.50 + 990", 2024, 0, 1, 0, 78250.0,
     3933.50, 0.066},
    {"2025 married, taxable 80,106 (86,606 less 6,500): the state's example, 2943.50 + 1327.00", 2025, 1, 1, 0,
     86606.0, 4270.50, 0.066},
    {"2024 single, taxable 12,345 (15,595 less 3,250): the state's example, 261 + 112.56", 2024, 0, 1, 0, 15595.0,
     373.56, 0.048},
    {"2024 married filing separately weekly 1000, 2 allowances: 48,750; 2319.125 - 220 = 2099.125; / 52", 2024, 3,
     52, 2, 1000.0, 40.37, 0.0555},
    {"2025 married monthly 6000, 3 allowances: 72,000 - 6,500 = 65,500; 2943.50 + 363 - 330 = 2976.50; / 12", 2025,
     1, 12, 3, 6000.0, 248.04, 0.066},
    {"2026 single weekly 150, 2 allowances: taxable 4,550; 2.2 % x 2,550 = 56.10 is under the 220 credit", 2026, 0,
     52, 2, 150.0, 0.0, 0.022},
};

TEST(Delaware, Paychecks) {
    txl5_test::expect_paychecks(kDelaware, kPaychecks);
}

TEST(Delaware, OtherFilingStatusesAreRefused) {
    for (int64_t status : {2, 4, 12, -1}) {
        StatePaycheck p(kDelaware, 2026, status, 26, 1, 2000.0, 3, 9);
        p.state.state_supplemental_wages = 1000.0;
        p.state.state_supplemental_tax = 7.77;
        EXPECT_EQ(p.run() & 8, 8) << status;
        EXPECT_EQ(p.state.state_error, 1) << status;
        EXPECT_EQ(p.state.state_tax, 0.0) << status;
        EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, 7.77) << status;  // nothing computed
        EXPECT_EQ(p.state.state_table_year, 2017) << status;
        EXPECT_EQ(p.state.state_table_month, 3) << status;
    }
}

struct Supplemental {
    std::string why;
    int64_t version;
    int64_t method;  // state_supp_aggregate: not consulted
    int64_t allowances;
    double wages;
    double bonus;
    double expected;  // state_supplemental_tax; the preset 7.77 where none is computed
};

const Supplemental kSupplemental[] = {
    {"2026 single biweekly 2000, 1 allowance, a 1000 bonus added once to 48,750: 5.55 % x 1000", 145, 1, 1, 2000.0,
     1000.0, 55.50},
    {"a 15,000 bonus across 60,000: 11,250 x 5.55 % + 3,750 x 6.6 % = 871.875", 145, 2, 1, 2000.0, 15000.0, 871.88},
    {"weekly 100 with 4 allowances: 2.2 % x 950 = 20.90 on the bonus is under the 440 credit", 145, 1, 4, 100.0,
     1000.0, 0.0},
    {"negative supplemental wages give 0", 145, 1, 1, 2000.0, -1000.0, 0.0},
    {"layout 144 computes no supplemental tax", 144, 1, 1, 2000.0, 1000.0, 7.77},
};

TEST(Delaware, SupplementalWagesAlwaysAggregateOnTheAnnualAmounts) {
    for (const Supplemental& c : kSupplemental) {
        StatePaycheck p(kDelaware, 2026, 0, c.wages == 100.0 ? 52 : 26, c.allowances, c.wages);
        p.state.struc_version = c.version;
        p.state.state_supp_aggregate = c.method;
        p.state.state_supplemental_wages = c.bonus;
        p.state.state_supplemental_tax = 7.77;
        EXPECT_EQ(p.run(), 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, c.expected) << c.why;
    }
}

TEST(Delaware, NonFiniteWagesFitNoBracket) {
    for (double wages : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                         std::nan("")}) {
        StatePaycheck p(kDelaware, 2026, 0, 26, 1, wages);
        EXPECT_EQ(p.run() & 8, 8) << wages;
        EXPECT_EQ(p.state.state_error, 1) << wages;
        EXPECT_EQ(p.state.state_tax, 0.0) << wages;
    }
}

TEST(Delaware, TablesAndExports) {
    txl5_test::expect_schedules(dewh, {2026, 2025, 2024}, {0, 1, 3}, {1}, "dewh");
    EXPECT_EQ(txl5::table_row_count(dewh), 3 * 3 * 7);
    txl5_test::expect_typed_functions({"state_de"});
    txl5_test::expect_data_objects({"dewh"});
}

const int kDewhBrackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "dewh";
    t.rows = txl5_test::bracket_rows(dewh);
    return t;
});

}  // namespace
