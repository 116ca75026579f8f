#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "states/alabama.h"
#include "tests/states/bracket_state_support.h"
#include "tests/support/brackets.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::StatePaycheck;

constexpr int64_t kAlabama = 1;

struct Paycheck {
    std::string why;
    int64_t year;
    int64_t status;
    int64_t periods;
    int64_t allowances;
    int64_t dependents;
    double wages;
    double fed_tax;  // federal tax of the period, as the federal part left it
    double tax;      // per period, rounded to cents
    double rate_used;
};

// Annual amounts: gross = periods x wages; less the standard deduction, the
// federal tax x periods, the personal exemption and the dependents; brackets
// 2 / 4 / 5 % (married 1000 / 6000).
const Paycheck kPaychecks[] = {
    {"booklet example: weekly 600, federal 50: 31200 - 2725 - 2600 - 1500 = 24375; 110 + 5 % x 21375 = 1178.75 / "
     "52",
     2026, 0, 52, 1, 0, 600.0, 50.0, 22.67, 0.05},
    {"2025, the same paycheck", 2025, 0, 52, 1, 0, 600.0, 50.0, 22.67, 0.05},
    {"2024, the same paycheck", 2024, 0, 52, 1, 0, 600.0, 50.0, 22.67, 0.05},
    {"no exemption claimed (allowances 0): status 0, no personal exemption: 25875 -> 1253.75 / 52", 2026, 1, 52, 0,
     0, 600.0, 50.0, 24.11, 0.05},
    {"married, 3 dependents, gross 60000: 60000 - 2500 - 3000 - 3 x 500 = 53000; 220 + 5 % x 47000 = 2570 / 12",
     2026, 1, 12, 2, 3, 5000.0, 0.0, 214.17, 0.05},
    {"single gross exactly 26000 takes the second row (2975): 21525 -> 1036.25 / 52", 2026, 0, 52, 1, 0, 500.0, 0.0,
     19.93, 0.05},
    {"married gross 35500: the minimum 2500 as carried: 35500 - 2500 - 3000 = 30000 -> 220 + 5 % x 24000", 2026, 1,
     1, 1, 0, 35500.0, 0.0, 1420.00, 0.05},
    {"married gross 35000: 5175 (8500 - 19 x 175): 26825 -> 220 + 5 % x 20825", 2026, 1, 1, 1, 0, 35000.0, 0.0,
     1261.25, 0.05},
    {"married separately 13000: 4162 (4250 - 88): 13000 - 4162 - 1500 = 7338 -> 110 + 5 % x 4338", 2026, 3, 1, 1, 0,
     13000.0, 0.0, 326.90, 0.05},
    {"head of family biweekly 1000, 1 dependent: 26000 - 5065 - 3000 - 1000 = 16935 -> 806.75 / 26", 2026, 2, 26, 1,
     1, 1000.0, 0.0, 31.03, 0.05},
    {"status 8: no standard deduction or exemption rows, single brackets: 110 + 5 % x 7000", 2026, 8, 1, 1, 0,
     10000.0, 0.0, 460.00, 0.05},
    {"married monthly 1000: 12000 - 8500 - 3000 = 500 x 2 % = 10 / 12", 2026, 1, 12, 2, 0, 1000.0, 0.0, 0.83, 0.02},
    {"a federal tax as large as the wages drives the annual amount below 0: no tax", 2026, 0, 52, 1, 0, 600.0, 600.0, 0.0, 0.02},
};

TEST(Alabama, Paychecks) {
    for (const Paycheck& c : kPaychecks) {
        StatePaycheck p(kAlabama, c.year, c.status, c.periods, c.allowances, c.wages);
        p.state.state_dependents = c.dependents;
        p.fed.fed_tax = c.fed_tax;
        EXPECT_EQ(p.run_direct(state_al), 0) << c.why;
        EXPECT_EQ(p.state.state_error, 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_tax, c.tax) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_rate_used, c.rate_used) << c.why;
        EXPECT_EQ(p.state.state_table_year, c.year) << c.why;
    }
}

// Through the driver the federal tax of the same paycheck is deducted:
// weekly 600, pre-2020 certificate, single, no allowances: federal annual
// 1240 + 12 % x (31200 - 19900) = 2596; Alabama 31200 - 2725 - 2596 - 1500 =
// 24379; 110 + 5 % x 21379 = 1178.95 / 52 = 22.67.
TEST(Alabama, DeductsTheFederalTaxOfTheSamePaycheck) {
    StatePaycheck p(kAlabama, 2026, 0, 52, 1, 600.0);
    p.fed.gross_wages = p.fed.fica_wages = 600.0;
    EXPECT_EQ(p.run(), 0);
    EXPECT_DOUBLE_EQ(p.fed.fed_tax, 49.92);
    EXPECT_DOUBLE_EQ(p.state.state_tax, 22.67);
}

TEST(Alabama, AStatusWithoutBracketsFailsButTheSupplementalTaxIsComputed) {
    StatePaycheck p(kAlabama, 2026, 5, 52, 1, 600.0);
    p.state.state_supp_aggregate = 0;
    p.state.state_supplemental_wages = 1000.0;
    EXPECT_EQ(p.run_direct(state_al), 1);
    EXPECT_EQ(p.state.state_error, 1);
    EXPECT_DOUBLE_EQ(p.state.state_tax, 0.0);
    EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, 50.0);
    // Before 2024 there are no brackets (the driver's retry does not help).
    StatePaycheck old(kAlabama, 2006, 0, 52, 1, 600.0);
    EXPECT_EQ(old.run() & 8, 8);
    EXPECT_EQ(old.state.state_error, 1);
}

struct Supplemental {
    std::string why;
    int64_t periods;
    double wages;
    int64_t method;
    double bonus;
    double expected;  // the preset 7.77 where none is written
};

const Supplemental kSupplemental[] = {
    {"aggregate 1000 in the 5 % bracket (annual 24375): 50.00", 52, 600.0, 1, 1000.0, 50.00},
    {"aggregate across brackets: annual 2900 + 200: 115 - 106 = 9.00", 1, 7400.0, 1, 200.0, 9.00},
    {"aggregate with negative supplemental wages: floored at 0", 52, 600.0, 1, -100.0, 0.0},
    {"flat 5 %: 1000 x 5 %", 52, 600.0, 0, 1000.0, 50.00},
    {"flat 5 %: 333.33 x 5 % = 16.6665", 52, 600.0, 0, 333.33, 16.67},
    {"method 2 computes neither", 52, 600.0, 2, 1000.0, 7.77},
};

TEST(Alabama, SupplementalWages) {
    for (const Supplemental& c : kSupplemental) {
        StatePaycheck p(kAlabama, 2026, 0, c.periods, 1, c.wages);
        p.fed.fed_tax = c.periods == 52 ? 50.0 : 0.0;
        p.state.state_supp_aggregate = c.method;
        p.state.state_supplemental_wages = c.bonus;
        p.state.state_supplemental_tax = 7.77;
        EXPECT_EQ(p.run_direct(state_al), 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, c.expected) << c.why;
    }
}

TEST(Alabama, NonFiniteWagesAndPayPeriodsBelowOne) {
    StatePaycheck p(kAlabama, 2026, 0, 52, 1, std::nan(""));
    EXPECT_EQ(p.run() & 8, 8);
    EXPECT_TRUE(std::isfinite(p.state.state_tax));
    for (int64_t periods : {0, -52}) {
        StatePaycheck q(kAlabama, 2026, 0, periods, 1, 600.0);
        EXPECT_EQ(q.run_direct(state_al), 0) << periods;
        EXPECT_DOUBLE_EQ(q.state.state_tax, 0.0) << periods;
    }
    EXPECT_EQ(state_al(nullptr, nullptr), 1);
}

TEST(Alabama, Tables) {
    // 21 standard-deduction rows per status (maximum, 19 steps, minimum), four
    // statuses, three years; 12 exemption rows and 15 bracket rows a year.
    EXPECT_EQ(txl5::table_row_count(standard_al), 3 * 4 * 21);
    EXPECT_EQ(txl5::table_row_count(alpd), 3 * 12);
    EXPECT_EQ(txl5::table_row_count(alwh), 3 * 15);
    EXPECT_EQ(txl5::table_row_count(supplemental_al), 3);
}

TEST(Alabama, Exports) {
    txl5_test::expect_typed_functions({"state_al"});
    txl5_test::expect_data_objects({"standard_al", "alpd", "alwh", "supplemental_al"});
}

const int kAlwhBrackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "alwh";
    t.rows = txl5_test::bracket_rows(alwh);
    return t;
});

}  // namespace
