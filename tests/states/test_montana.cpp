#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "states/montana.h"
#include "tests/states/bracket_state_support.h"
#include "tests/support/brackets.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::StatePaycheck;

constexpr int64_t kMontana = 31;
// The first record layout with the certificate fields Montana reads.
constexpr int64_t kLayout = 177;

struct Paycheck {
    std::string why;  // where the expected amount comes from
    int64_t year;
    int64_t status;
    int64_t pay_periods;
    double wages;
    double state_tax;
    double rate_used;
};

const Paycheck kPaychecks[] = {
    // Printed schedules: annual wages at a bracket floor bear the printed base.
    {"2026 guide, single annual: over 63,600 the tax is 2,233", 2026, 0, 1, 63600.0, 2233.00, 0.0565},
    {"2026 guide, married annual: over 127,200 the tax is 4,465", 2026, 1, 1, 127200.0, 4465.00, 0.0565},
    {"2025 single annual: over 36,100 the tax is 992", 2025, 0, 1, 36100.0, 992.00, 0.059},
    {"2024 married annual: over 70,200 the tax is 1,927", 2024, 1, 1, 70200.0, 1927.00, 0.059},
    {"2026 guide, single weekly: over 1,223 the tax is 43, a whole dollar kept as it is", 2026, 0, 52, 1223.0,
     43.00, 0.0565},
    // Hand arithmetic on the printed schedules; the tax rounded up to a dollar.
    {"weekly single: 4.7 % x (1000 - 310) = 32.43, rounded up to 33", 2026, 0, 52, 1000.0, 33.00, 0.047},
    {"a fraction of a tenth of a cent above a dollar still rounds up: 43 + 5.65 % x 70.80 = 47.0002 -> 48", 2026,
     0, 52, 1293.80, 48.00, 0.0565},
    {"status 4 is withheld as single in 2026: as above", 2026, 4, 52, 1000.0, 33.00, 0.047},
    {"status 6 is withheld as married: 4.7 % x (1000 - 619) = 17.91 -> 18", 2026, 6, 52, 1000.0, 18.00, 0.047},
    {"biweekly married: 4.7 % x (3000 - 1238) = 82.81 -> 83", 2026, 1, 26, 3000.0, 83.00, 0.047},
    {"semimonthly single: 94 + 5.65 % x (3000 - 2650) = 113.78 -> 114", 2026, 0, 24, 3000.0, 114.00, 0.0565},
    {"monthly head of household: 280 + 5.65 % x (9000 - 7950) = 339.33 -> 340", 2026, 2, 12, 9000.0, 340.00,
     0.0565},
    {"wages in the zero bracket: no tax", 2026, 2, 52, 400.0, 0.00, 0.0},
    {"daily (260) on the annual schedule: 78,000; (2233 + 5.65 % x 14,400) / 260 = 11.72 -> 12", 2026, 0, 260,
     300.0, 12.00, 0.0565},
    {"2025 weekly on the annual schedule: (992 + 5.9 % x 15,900) / 52 = 37.12 -> 38", 2025, 0, 52, 1000.0, 38.00,
     0.059},
    {"2025 head of household annual: 4.7 % x (30,000 - 22,500) = 352.5 -> 353", 2025, 2, 1, 30000.0, 353.00, 0.047},
    {"2024 weekly single on the annual schedule: (964 + 5.9 % x 16,900) / 52 = 37.71 -> 38", 2024, 0, 52, 1000.0,
     38.00, 0.059},
    {"2024 married annual: 1927 + 5.9 % x 29,800 = 3685.2 -> 3686", 2024, 1, 1, 100000.0, 3686.00, 0.059},
};

TEST(Montana, Paychecks) {
    for (const Paycheck& c : kPaychecks) {
        StatePaycheck p(kMontana, c.year, c.status, c.pay_periods, 0, c.wages);
        p.state.struc_version = kLayout;
        EXPECT_EQ(p.run(), 0) << c.why;
        EXPECT_EQ(p.state.state_error, 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_tax, c.state_tax) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_rate_used, c.rate_used) << c.why;
        EXPECT_EQ(p.state.state_table_year, c.year) << c.why;
    }
}

TEST(Montana, OldLayoutIsRefusedWithoutRetry) {
    StatePaycheck p(kMontana, 2026, 0, 52, 0, 1000.0);
    p.state.struc_version = 176;
    p.state.state_form_option = 40.0;
    EXPECT_EQ(p.run(), 0);
    EXPECT_EQ(p.state.state_error, 4);
    EXPECT_DOUBLE_EQ(p.state.state_tax, 0.0);
    EXPECT_EQ(p.state.state_table_year, 2017);
}

TEST(Montana, FixedAmountOnTheCertificate) {
    StatePaycheck p(kMontana, 2026, 0, 52, 0, 1000.0);
    p.state.struc_version = kLayout;
    p.state.state_form_option = 40.0;
    EXPECT_EQ(p.run(), 0);
    EXPECT_DOUBLE_EQ(p.state.state_tax, 40.00);
    EXPECT_EQ(p.state.state_table_year, 2017);  // no table read
}

struct Supplemental {
    std::string why;
    int64_t version;
    int64_t method;
    double supplemental_wages;
    double expected;  // the preset 7.77 where none is computed
};

const Supplemental kSupplemental[] = {
    {"flat 5 %: 1001 x 5 % = 50.05, rounded up to 51", kLayout, 0, 1001.0, 51.00},
    {"flat 5 % of 1000 is a whole 50", kLayout, 0, 1000.0, 50.00},
    {"aggregate: 43 + 5.65 % x (1500 - 1223) = 58.65 -> 59, less 33", kLayout, 1, 500.0, 26.00},
    {"no supplemental wages: nothing computed", kLayout, 0, 0.0, 7.77},
    {"negative supplemental wages: nothing computed", kLayout, 1, -500.0, 7.77},
    {"method 2 computes neither", kLayout, 2, 1000.0, 7.77},
};

TEST(Montana, SupplementalWages) {
    for (const Supplemental& c : kSupplemental) {
        StatePaycheck p(kMontana, 2026, 0, 52, 0, 1000.0);
        p.state.struc_version = c.version;
        p.state.state_supp_aggregate = c.method;
        p.state.state_supplemental_wages = c.supplemental_wages;
        p.state.state_supplemental_tax = 7.77;
        EXPECT_EQ(p.run(), 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_tax, 33.00) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, c.expected) << c.why;
    }
}

TEST(Montana, FailuresStayFinite) {
    StatePaycheck old(kMontana, 2015, 4, 52, 0, 1000.0);  // no schedules before 2024
    old.state.struc_version = kLayout;
    EXPECT_EQ(old.run() & 8, 8);
    EXPECT_EQ(old.state.state_error, 1);
    StatePaycheck huge(kMontana, 2026, 0, 260, 0, 1e308);  // too large to annualize
    huge.state.struc_version = kLayout;
    EXPECT_EQ(huge.run() & 8, 8);
    EXPECT_TRUE(std::isfinite(huge.state.state_tax));
    StatePaycheck bonus(kMontana, 2026, 0, 52, 0, 1000.0);
    bonus.state.struc_version = kLayout;
    bonus.state.state_supp_aggregate = 0;
    bonus.state.state_supplemental_wages = std::numeric_limits<double>::infinity();
    EXPECT_EQ(bonus.run() & 8, 8);
    EXPECT_EQ(bonus.state.state_supplemental_tax, 0.0);
    EXPECT_NE(state_mt(nullptr, &bonus.state), 0);
    EXPECT_NE(state_mt(&bonus.fed, nullptr), 0);
}

TEST(Montana, CalledDirectlyPayPeriodsBelowOne) {
    for (int64_t periods : {0, -52}) {
        StatePaycheck p(kMontana, 2026, 0, periods, 0, 1000.0);
        p.state.struc_version = kLayout;
        EXPECT_EQ(p.run_direct(state_mt), 0) << periods;
        EXPECT_DOUBLE_EQ(p.state.state_tax, 0.0) << periods;  // no annual wages
    }
}

TEST(Montana, Tables) {
    txl5_test::expect_schedules(mtwh, {2026}, {0, 1, 2}, {1, 52, 26, 24, 12}, "mtwh");
    txl5_test::expect_schedules(mtwh, {2025, 2024}, {0, 1, 2}, {1}, "mtwh");
    txl5_test::expect_newest_first(mtwh, "mtwh");
    EXPECT_EQ(txl5::table_row_count(mtwh), 63);
    EXPECT_EQ(txl5::table_row_count(supplemental_mt), 3);
    txl5_test::expect_typed_functions({"state_mt"});
    txl5_test::expect_data_objects({"mtwh", "supplemental_mt"});
}

const int kMtwhBrackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "mtwh";
    t.rows = txl5_test::bracket_rows(mtwh);
    // Montana prints bases in whole dollars worked out from unrounded amounts
    // (the annual base over the pay periods), not from the period's rounded
    // bounds: the semimonthly single base is 94 where 4.7 % x (2650 - 671)
    // gives 93.01.
    t.tolerance = 1.0;
    return t;
});

}  // namespace
