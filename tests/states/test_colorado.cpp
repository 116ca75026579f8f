#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "states/colorado.h"
#include "tests/states/bracket_state_support.h"
#include "tests/support/brackets.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::StatePaycheck;

constexpr int64_t kColorado = 7;

struct Paycheck {
    std::string why;
    int64_t year;
    int64_t status;
    int64_t periods;
    int64_t allowances;
    double wages;
    int64_t version;   // state record layout
    int64_t new_form;  // state_new_form
    int64_t own;       // state_form_flag2
    double amount;     // state_form_amount2
    double tax;        // whole dollars
    int64_t table_year;
    double rate_used;  // the preset 0.5 where the era leaves it alone
};

const Paycheck kPaychecks[] = {
    // From 2022: (annual wages - allowance) x 4.4 % / periods, whole dollars;
    // the table-date year stays 2017 and the rate used is not written.
    {"2026 single biweekly 2000: (52000 - 5500) x 4.4 % / 26 = 78.69", 2026, 0, 26, 0, 2000.0, 213, 0, 0, 0, 79.0,
     2017, 0.5},
    {"2026 married, own allowance 20000: (52000 - 20000) x 4.4 % / 26 = 54.15", 2026, 1, 26, 0, 2000.0, 213, 1, 1,
     20000.0, 54.0, 2017, 0.5},
    {"own allowance without the newer certificate is ignored: (52000 - 11000) x 4.4 % / 26 = 69.38", 2026, 1, 26,
     0, 2000.0, 213, 0, 1, 20000.0, 69.0, 2017, 0.5},
    {"layout 212 is always an old certificate: as the line above", 2026, 1, 26, 0, 2000.0, 212, 1, 1, 20000.0, 69.0,
     2017, 0.5},
    {"own allowance flag 0: the standard 11000", 2026, 1, 26, 0, 2000.0, 213, 1, 0, 20000.0, 69.0, 2017, 0.5},
    {"2025 single monthly 5000: (60000 - 4500) x 4.4 % / 12 = 203.50, halves up", 2025, 0, 12, 0, 5000.0, 145, 0, 0,
     0, 204.0, 2017, 0.5},
    {"2024 married weekly 1500: (78000 - 9000) x 4.4 % / 52 = 58.38", 2024, 1, 52, 0, 1500.0, 145, 0, 0, 0, 58.0,
     2017, 0.5},
    {"2024 single weekly 50: below the allowance, no tax", 2024, 0, 52, 0, 50.0, 145, 0, 0, 0, 0.0, 2017, 0.5},
    // Before 2022 (DR 1098 2021 tables): wages less the allowance deduction,
    // 4.63 % above the threshold.
    {"2021 weekly single, 8 allowances: 1000 - 485 (the six-allowance amount) - 73 = 442 x 4.63 % = 20.46", 2021, 0,
     52, 8, 1000.0, 145, 0, 0, 0, 20.0, 2021, 0.0463},
    {"2021 daily single, 8 allowances: 8 x 4200 / 260 = 129.23; (300 - 129.23) x 260 = 44400; (44400 - 3800) x "
     "4.63 % / 260 = 7.23",
     2021, 0, 260, 8, 300.0, 145, 0, 0, 0, 7.0, 2021, 0.0463},
    {"2021 monthly married, 2 allowances: 4000 - 700 - 983 = 2317 x 4.63 % = 107.28", 2021, 1, 12, 2, 4000.0, 145, 0,
     0, 0, 107.0, 2021, 0.0463},
    {"2021 biweekly single, 1 allowance: 300 - 162 = 138 is below the threshold 146", 2021, 0, 26, 1, 300.0, 145, 0,
     0, 0, 0.0, 2021, 0.0},
    {"2020 rows (the 2021 amounts): semimonthly single, 0 allowances: (2000 - 158) x 4.63 % = 85.28", 2020, 0, 24, 0,
     2000.0, 145, 0, 0, 0, 85.0, 2020, 0.0463},
    {"2019 rows: weekly married, 11 allowances (no row): 11 x 4200 / 52 = 888.46; (1500 - 888.46) x 52 = 31800; "
     "(31800 - 11800) x 4.63 % / 52 = 17.81",
     2019, 1, 52, 11, 1500.0, 145, 0, 0, 0, 18.0, 2019, 0.0463},
};

TEST(Colorado, Paychecks) {
    for (const Paycheck& c : kPaychecks) {
        StatePaycheck p(kColorado, c.year, c.status, c.periods, c.allowances, c.wages);
        p.state.struc_version = c.version;
        p.state.state_new_form = c.new_form;
        p.state.state_form_flag2 = c.own;
        p.state.state_form_amount2 = c.amount;
        p.state.state_rate_used = 0.5;
        EXPECT_EQ(p.run() & 8, 0) << c.why;  // federal tables start in 2024
        EXPECT_EQ(p.state.state_error, 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_tax, c.tax) << c.why;
        EXPECT_EQ(p.state.state_table_year, c.table_year) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_rate_used, c.rate_used) << c.why;
    }
}

// A check dated after the newest rows is no silent zero: the flat-rate era
// fails without a row, and the driver computes it on the previous year's row.
TEST(Colorado, ACheckWithoutARowIsRetriedOnThePreviousYear) {
    StatePaycheck p(kColorado, 2027, 0, 26, 0, 2000.0);
    EXPECT_EQ(p.run() & 8, 0);
    EXPECT_DOUBLE_EQ(p.state.state_tax, 79.0);  // the 2026 paycheck above
    EXPECT_EQ(p.fed.check_year, 2027);

    // 2023 and 2022 have no rows: the state part fails after the retry.
    StatePaycheck q(kColorado, 2023, 0, 26, 0, 2000.0, 3, 9);
    EXPECT_EQ(q.run() & 8, 8);
    EXPECT_EQ(q.state.state_error, 1);
    EXPECT_DOUBLE_EQ(q.state.state_tax, 0.0);
    EXPECT_EQ(q.state.state_table_year, 2017);
    EXPECT_EQ(q.state.state_table_month, 3);

    StatePaycheck direct(kColorado, 2023, 0, 26, 0, 2000.0);
    EXPECT_EQ(state_co(&direct.fed, &direct.state), 1);
    EXPECT_EQ(direct.state.state_error, 1);
}

// Before 2022 the newer certificate is taxed on the flat-rate table, which has
// no rows before 2024; the 1998-2000 schedules have no allowance rows.
TEST(Colorado, EarlierChecksWithoutRowsFail) {
    StatePaycheck p(kColorado, 2021, 0, 26, 0, 2000.0);
    p.state.struc_version = 213;
    p.state.state_new_form = 1;
    EXPECT_EQ(p.run() & 8, 8);
    EXPECT_EQ(p.state.state_error, 1);

    StatePaycheck old(kColorado, 2000, 0, 52, 1, 1000.0);
    EXPECT_EQ(old.run() & 8, 8);
    EXPECT_EQ(old.state.state_error, 1);
}

struct Supplemental {
    std::string why;
    int64_t year;
    int64_t periods;
    int64_t allowances;
    double wages;
    int64_t method;
    double bonus;
    double expected;  // the preset 7.77 where none is written
};

const Supplemental kSupplemental[] = {
    {"flat 4.4 % (DR 1098 2026): 1000 x 4.4 % = 44", 2026, 26, 0, 2000.0, 0, 1000.0, 44.0},
    {"flat 4.4 % (2024): 333 x 4.4 % = 14.65, whole dollars", 2024, 26, 0, 2000.0, 0, 333.0, 15.0},
    {"aggregate 2024 uses the 2024 allowance: 26 x 300 - 4500 = 3300 x 4.4 % / 26 = 5.58; the regular 2600 is "
     "below 4500",
     2024, 26, 0, 100.0, 1, 200.0, 6.0},
    {"aggregate 2026, same paycheck: 26 x 300 - 5500 = 2300 x 4.4 % / 26 = 3.89", 2026, 26, 0, 100.0, 1, 200.0, 4.0},
    {"aggregate with no supplemental wages writes nothing", 2026, 26, 0, 2000.0, 1, 0.0, 7.77},
    {"2021 aggregate: (419 + 100 - 73) x 4.63 % - (419 - 73) x 4.63 % = 4.63", 2021, 52, 1, 500.0, 1, 100.0, 5.0},
    {"method 2 computes neither", 2026, 26, 0, 2000.0, 2, 1000.0, 7.77},
};

TEST(Colorado, SupplementalWages) {
    for (const Supplemental& c : kSupplemental) {
        StatePaycheck p(kColorado, c.year, 0, c.periods, c.allowances, c.wages);
        p.state.state_supp_aggregate = c.method;
        p.state.state_supplemental_wages = c.bonus;
        p.state.state_supplemental_tax = 7.77;
        EXPECT_EQ(p.run() & 8, 0) << c.why;  // federal tables start in 2024
        EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, c.expected) << c.why;
    }
}

TEST(Colorado, NonFiniteAmountsFailWithoutANonFiniteTax) {
    const double inf = std::numeric_limits<double>::infinity();
    for (double wages : {inf, std::nan("")}) {
        StatePaycheck p(kColorado, 2026, 0, 26, 0, wages);
        EXPECT_EQ(p.run() & 8, 8);
        EXPECT_EQ(p.state.state_error, 1);
        EXPECT_TRUE(std::isfinite(p.state.state_tax));
    }
    StatePaycheck own(kColorado, 2026, 0, 26, 0, 2000.0);
    own.state.struc_version = 213;
    own.state.state_new_form = own.state.state_form_flag2 = 1;
    own.state.state_form_amount2 = std::nan("");
    EXPECT_EQ(own.run() & 8, 8);
    EXPECT_TRUE(std::isfinite(own.state.state_tax));
}

TEST(Colorado, CalledDirectlyPayPeriodsBelowOneGiveNoTax) {
    for (int64_t periods : {0, -26}) {
        StatePaycheck p(kColorado, 2026, 0, periods, 0, 2000.0);
        EXPECT_EQ(p.run_direct(state_co), 0) << periods;
        EXPECT_DOUBLE_EQ(p.state.state_tax, 0.0) << periods;
        StatePaycheck old(kColorado, 2021, 0, periods, 1, 2000.0);
        old.run_direct(state_co);
        EXPECT_TRUE(std::isfinite(old.state.state_tax)) << periods;
    }
    EXPECT_EQ(state_co(nullptr, nullptr), 1);
}

TEST(Colorado, Tables) {
    // Six schedules of two rows (five frequencies and two statuses) a year,
    // six years; eleven allowance counts on five frequencies for three years.
    EXPECT_EQ(txl5::table_row_count(cowh), 6 * 5 * 2 * 2);
    EXPECT_EQ(txl5::table_row_count(cowh2020), 6);
    EXPECT_EQ(txl5::table_row_count(supplemental_co), 3);
    int64_t allow_rows = 0;
    while (allow[allow_rows].pay_periods != 0) ++allow_rows;
    EXPECT_EQ(allow_rows, 3 * 5 * 11);
    txl5_test::expect_newest_first(cowh, "cowh");
}

TEST(Colorado, Exports) {
    txl5_test::expect_typed_functions({"state_co"});
    txl5_test::expect_data_objects({"cowh2020", "cowh", "allow", "supplemental_co"});
}

const int kCowhBrackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "cowh";
    t.rows = txl5_test::bracket_rows(cowh);
    return t;
});

const int kCowh2020Brackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "cowh2020";
    t.rows = txl5_test::bracket_rows(cowh2020);
    return t;
});

}  // namespace
