#include <gtest/gtest.h>

#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "states/mississippi.h"
#include "tests/states/bracket_state_support.h"
#include "tests/support/brackets.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::StatePaycheck;

constexpr int64_t kMississippi = 29;

struct Paycheck {
    std::string why;
    int64_t year;
    int64_t status;
    int64_t pay_periods;
    double exemption;  // state_exemption_amount
    double wages;
    double state_tax;  // whole dollars
    double rate_used;
};

const Paycheck kPaychecks[] = {
    {"2026 weekly single, exemption 6000: 52,000 - 8300 = 43,700; 4 % x 33,700 / 52 = 25.92", 2026, 0, 52, 6000.0,
     1000.0, 26.0, 0.04},
    {"2026 weekly married, both employed (2300): 41,600 - 8300 = 33,300; 4 % x 23,300 / 52 = 17.92", 2026, 5, 52,
     6000.0, 800.0, 18.0, 0.04},
    {"2025 monthly married, spouse not employed (4600), exemption 12,000: 43,400; 4.4 % x 33,400 / 12 = 122.47", 2025,
     1, 12, 12000.0, 5000.0, 122.0, 0.044},
    {"2024 biweekly head of family (3400), exemption 9500: 39,100; 4.7 % x 29,100 / 26 = 52.60", 2024, 2, 26, 9500.0,
     2000.0, 53.0, 0.047},
    {"a period tax of 12.50 is withheld as 13: annual 12,612.50 - 2300 = 10,312.50; 4 % x 312.50", 2026, 0, 1, 0.0,
     12612.50, 13.0, 0.04},
    {"a period tax of 12.49 is withheld as 12: 4 % x 312.25", 2026, 0, 1, 0.0, 12612.25, 12.0, 0.04},
    {"annual taxable wages of exactly 10,000 stay in the 0 % bracket (upper bound included)", 2026, 0, 1, 0.0,
     12300.0, 0.0, 0.0},
    {"one dollar more is taxed at 4 %: 0.04, withheld 0", 2026, 0, 1, 0.0, 12301.0, 0.0, 0.04},
    {"wages below the exemption and deduction: taxable 0 falls in the bracket from 0, no tax", 2026, 0, 52, 6000.0,
     100.0, 0.0, 0.0},
};

TEST(Mississippi, Paychecks) {
    for (const Paycheck& c : kPaychecks) {
        StatePaycheck p(kMississippi, c.year, c.status, c.pay_periods, 0, c.wages);
        p.state.state_exemption_amount = c.exemption;
        EXPECT_EQ(p.run() & 8, 0) << c.why;
        EXPECT_EQ(p.state.state_error, 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_tax, c.state_tax) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_rate_used, c.rate_used) << c.why;
        EXPECT_EQ(p.state.state_table_year, c.year) << c.why;
    }
}

struct Supplemental {
    std::string why;
    int64_t method;  // state_supp_aggregate: not read
    double wages;
    double supplemental_wages;
    double expected;  // state_supplemental_tax; the preset 7.77 where none is computed
};

// Weekly single 2026, exemption 6000.
const Supplemental kSupplemental[] = {
    {"52 x 500 more: annual tax 4 % x 59,700 = 2388 less 1348, / 52 = 20.00", 1, 1000.0, 500.0, 20.00},
    {"the method field is not read: flat asks the same", 0, 1000.0, 500.0, 20.00},
    {"regular wages below the deductions: 4 % x (31,200 - 8300 - 10,000) / 52 = 9.923", 1, 100.0, 500.0, 9.92},
    {"no supplemental wages: nothing computed", 1, 1000.0, 0.0, 7.77},
    {"negative supplemental wages: nothing computed", 1, 1000.0, -500.0, 7.77},
};

TEST(Mississippi, SupplementalWages) {
    for (const Supplemental& c : kSupplemental) {
        StatePaycheck p(kMississippi, 2026, 0, 52, 0, c.wages);
        p.state.state_exemption_amount = 6000.0;
        p.state.state_supp_aggregate = c.method;
        p.state.state_supplemental_wages = c.supplemental_wages;
        p.state.state_supplemental_tax = 7.77;
        EXPECT_EQ(p.run() & 8, 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, c.expected) << c.why;
    }
}

// Supplemental wages too large to annualize: the regular tax stands, the
// supplemental tax is 0 and the call fails.
TEST(Mississippi, SupplementalWagesThatAreNotAFiniteAmountFail) {
    StatePaycheck p(kMississippi, 2026, 0, 52, 0, 1000.0);
    p.state.state_exemption_amount = 6000.0;
    p.state.state_supplemental_wages = 1e308;
    EXPECT_EQ(p.run_direct(state_ms), 1);
    EXPECT_EQ(p.state.state_error, 1);
    EXPECT_DOUBLE_EQ(p.state.state_tax, 26.0);
    EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, 0.0);
}

TEST(Mississippi, Tables) {
    EXPECT_EQ(txl5::table_row_count(mswh), 36);
    txl5_test::expect_typed_functions({"state_ms"});
    txl5_test::expect_data_objects({"mswh"});
}

const int kMswhBrackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "mswh";
    t.rows = txl5_test::bracket_rows(mswh);
    return t;
});

}  // namespace
