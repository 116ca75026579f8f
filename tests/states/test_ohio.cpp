#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "states/ohio.h"
#include "tests/states/bracket_state_support.h"
#include "tests/support/brackets.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::StatePaycheck;

constexpr int64_t kOhio = 41;

struct OhioPaycheck {
    std::string why;  // where the expected amount comes from
    MDATE check;
    int64_t pay_periods;
    int64_t allowances;
    double wages;
    double state_tax;  // after the driver's rounding to cents
    double rate_used;
    MDATE table;  // start of the schedule used
};

// Weekly bounds of the six-bracket schedules (annual / 52, to the cent): 96.15,
// 192.31, 288.46, 384.62, 1923.08; bases carried bracket by bracket: 0.48,
// 1.44, 3.37, 5.78, 51.78.
const OhioPaycheck kPaychecks[] = {
    {"weekly 2026, 2 exemptions: 1000 - 25 = 975; 8.89 + 2.99 % x 474.04 = 23.0639", {6, 15, 2026}, 52, 2, 1000.0,
     23.06, 0.0299, {1, 1, 2026}},
    {"daily (260) on the annual schedule: 130,000; (2673.50 + 3.64 % x 30,000) / 260 = 14.4827", {6, 15, 2026}, 260,
     0, 500.0, 14.48, 0.0364, {1, 1, 2026}},
    {"computer formula 2026: annual 100,650 less one exemption of 650 is 100,000, the printed base 2673.50",
     {6, 15, 2026}, 1, 1, 100650.0, 2673.50, 0.0364, {1, 1, 2026}},
    {"15 October 2025: the three-bracket schedule, as 2026: 23.0639", {10, 15, 2025}, 52, 2, 1000.0, 23.06, 0.0299,
     {10, 1, 2025}},
    {"15 August 2025: six brackets; 975 - 384.62 = 590.38; 5.78 + 2.99 % x 590.38 = 23.4324", {8, 15, 2025}, 52, 2,
     1000.0, 23.43, 0.0299, {1, 1, 2025}},
    {"30 September 2025, last day of the six-bracket schedule: as above", {9, 30, 2025}, 52, 2, 1000.0, 23.43,
     0.0299, {1, 1, 2025}},
    {"computer formula from July 2024: annual 20,650 less 650 is 20,000, the printed base 300.60", {8, 15, 2024}, 1,
     1, 20650.0, 300.60, 0.0299, {7, 1, 2024}},
    {"15 August 2024, top rate 3.8 %: 51.78 + 3.8 % x (3000 - 1923.08) = 92.7030", {8, 15, 2024}, 52, 0, 3000.0,
     92.70, 0.038, {7, 1, 2024}},
    {"15 March 2024, top rate 4.41 %: 51.78 + 4.41 % x 1076.92 = 99.2722", {3, 15, 2024}, 52, 0, 3000.0, 99.27,
     0.0441, {1, 1, 2024}},
    {"30 June 2024 is the last day of the 4.41 % schedule", {6, 30, 2024}, 52, 0, 3000.0, 99.27, 0.0441,
     {1, 1, 2024}},
    {"biweekly 2026, 1 exemption: 4000 - 25 = 3975; 102.82 + 3.64 % x 128.85 = 107.5101", {6, 15, 2026}, 26, 1,
     4000.0, 107.51, 0.0364, {1, 1, 2026}},
    {"monthly 2026: 1000 - 54.17 = 945.83 in the first bracket; 1.775 % x 945.83 = 16.7885", {6, 15, 2026}, 12, 1,
     1000.0, 16.79, 0.01775, {1, 1, 2026}},
    {"more exemptions than wages: taxable 0, no tax", {6, 15, 2026}, 52, 100, 1000.0, 0.0, 0.01775, {1, 1, 2026}},
};

TEST(Ohio, Paychecks) {
    for (const OhioPaycheck& c : kPaychecks) {
        for (int64_t status : {0, 1, 7}) {  // the filing status is not read
            StatePaycheck p(kOhio, c.check.year, status, c.pay_periods, c.allowances, c.wages, c.check.month,
                            c.check.day);
            EXPECT_EQ(p.run(), 0) << c.why;
            EXPECT_EQ(p.state.state_error, 0) << c.why;
            EXPECT_DOUBLE_EQ(p.state.state_tax, c.state_tax) << c.why;
            EXPECT_DOUBLE_EQ(p.state.state_rate_used, c.rate_used) << c.why;
            EXPECT_EQ(p.state.state_table_month, c.table.month) << c.why;
            EXPECT_EQ(p.state.state_table_day, c.table.day) << c.why;
            EXPECT_EQ(p.state.state_table_year, c.table.year) << c.why;
        }
    }
}

TEST(Ohio, ACheckAfterTheNewestRowsUsesThePreviousYear) {
    StatePaycheck p(kOhio, 2027, 0, 52, 2, 1000.0);
    EXPECT_EQ(p.run() & 8, 0);
    EXPECT_DOUBLE_EQ(p.state.state_tax, 23.06);
    EXPECT_EQ(p.state.state_table_year, 2026);
    EXPECT_EQ(p.fed.check_year, 2027);
}

TEST(Ohio, NoRowsForTheYearFailsWithTheCheckDateKept) {
    StatePaycheck p(kOhio, 2023, 0, 52, 2, 1000.0, 3, 9);
    EXPECT_EQ(p.run() & 8, 8);
    EXPECT_EQ(p.state.state_error, 1);
    EXPECT_EQ(p.state.state_table_year, 2017);
    EXPECT_EQ(p.state.state_table_month, 3);
    EXPECT_EQ(p.state.state_table_day, 9);
}

struct Supplemental {
    std::string why;
    int64_t year;
    int64_t version;
    int64_t method;  // state_supp_aggregate
    double supplemental_wages;
    double expected;  // state_supplemental_tax; the preset 7.77 where none is computed
};

const Supplemental kSupplemental[] = {
    {"flat 3.5 % (2026): 1000 x 3.5 %", 2026, 145, 0, 1000.0, 35.00},
    {"flat 3.5 % (2025): 200 x 3.5 %", 2025, 145, 0, 200.0, 7.00},
    {"flat 3.5 % (2024): 2000 x 3.5 %", 2024, 145, 0, 2000.0, 70.00},
    {"aggregate: 975 + 500 stays under 1923.08, so 500 x 2.99 %", 2026, 145, 1, 500.0, 14.95},
    {"aggregate with negative supplemental wages is floored at 0", 2026, 145, 1, -500.0, 0.0},
    {"method 2 computes neither", 2026, 145, 2, 1000.0, 7.77},
    {"layout 144 computes no supplemental tax", 2026, 144, 0, 1000.0, 7.77},
};

TEST(Ohio, SupplementalWages) {
    for (const Supplemental& c : kSupplemental) {
        StatePaycheck p(kOhio, c.year, 0, 52, 2, 1000.0, 11, 15);
        p.state.struc_version = c.version;
        p.state.state_supp_aggregate = c.method;
        p.state.state_supplemental_wages = c.supplemental_wages;
        p.state.state_supplemental_tax = 7.77;
        EXPECT_EQ(p.run(), 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, c.expected) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_rate_used, 0.0299) << c.why << ": the regular wages' rate";
    }
}

TEST(Ohio, CalledDirectlyPayPeriodsBelowOneGiveAFiniteTax) {
    for (int64_t periods : {0, -1, -52}) {
        StatePaycheck p(kOhio, 2026, 0, periods, 1, 1500.0);
        p.state.state_supp_aggregate = 1;
        p.state.state_supplemental_wages = 500.0;
        EXPECT_EQ(p.run_direct(state_oh), 0) << periods;
        EXPECT_TRUE(std::isfinite(p.state.state_tax)) << periods;
        EXPECT_TRUE(std::isfinite(p.state.state_supplemental_tax)) << periods;
    }
}

TEST(Ohio, NullRecordsFailWithoutTouchingAnything) {
    StatePaycheck p(kOhio, 2026, 0, 52, 2, 1000.0);
    EXPECT_NE(state_oh(nullptr, &p.state), 0);
    EXPECT_NE(state_oh(&p.fed, nullptr), 0);
    EXPECT_EQ(p.state.state_table_year, 0);
}

TEST(Ohio, WagesTooLargeToRepresentFitNoBracket) {
    StatePaycheck p(kOhio, 2026, 0, 260, 1, 1e308);
    EXPECT_EQ(p.run() & 8, 8);
    EXPECT_EQ(p.state.state_error, 1);
    EXPECT_TRUE(std::isfinite(p.state.state_tax));
}

TEST(Ohio, TablesHoldEveryScheduleOfTheFiveDateRanges) {
    // Two three-bracket ranges and three six-bracket ranges, five frequencies each.
    EXPECT_EQ(txl5::table_row_count(ohwh), 2 * 15 + 3 * 30);
    txl5_test::expect_newest_first(ohwh, "ohwh");
    EXPECT_EQ(txl5::table_row_count(supplemental_oh), 3);
}

TEST(Ohio, Exports) {
    txl5_test::expect_typed_functions({"state_oh"});
    txl5_test::expect_data_objects({"ohwh", "supplemental_oh"});
}

const int kOhwhBrackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "ohwh";
    t.rows = txl5_test::bracket_rows(ohwh);
    // Annual schedules of 2026 and from October 2025: the base at 26,050 is
    // carried as 462.36 while 1.775 % of 26,050 is 462.39 (as the optional
    // computer formula prints it), and 2673.50 follows from 462.39.
    t.allowed_rows = {13, 14, 28, 29};
    return t;
});

}  // namespace
