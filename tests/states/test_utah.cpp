#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "states/utah.h"
#include "tests/states/bracket_state_support.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::StatePaycheck;

constexpr int64_t kUtah = 52;

struct Paycheck {
    std::string why;  // the hand arithmetic on the published amounts
    int64_t month;
    int64_t year;
    int64_t status;
    int64_t pay_periods;
    double wages;
    double state_tax;
    double rate_used;  // flat rate less the net credit's share of the wages
    int64_t table_month;  // start of the date range used
    int64_t table_year;
};

// G = flat rate x wages, R = 1.3 % x wages over the threshold, both in whole
// dollars; tax = G - (credit - R, not below 0), in whole dollars.
const Paycheck kPaychecks[] = {
    // 2026 (4.5 %; weekly single credit 8 over 175, married 17 over 350).
    {"weekly single 1000: G 45, R 1.3 % x 825 = 10.725 -> 11 above the credit 8: tax 45", 6, 2026, 0, 52, 1000.0,
     45.00, 0.045, 1, 2026},
    {"weekly single 400: G 18, R 2.925 -> 3, credit 8 - 3 = 5: tax 13", 6, 2026, 0, 52, 400.0, 13.00, 0.0325, 1,
     2026},
    {"at the threshold the whole credit stays: G 7.875 -> 8, credit 8: tax 0", 6, 2026, 0, 52, 175.0, 0.00,
     0.045 - 8.0 / 175.0, 1, 2026},
    {"married 300: G 13.5 -> 14, credit 17 exceeds it: tax 0", 6, 2026, 1, 52, 300.0, 0.00, 0.045 - 17.0 / 300.0,
     1, 2026},
    {"monthly married 5000: G 225, R 1.3 % x 3482 = 45.27 -> 45, credit 73 - 45 = 28: tax 197", 6, 2026, 1, 12,
     5000.0, 197.00, 0.045 - 28.0 / 5000.0, 1, 2026},
    {"annual single 50,000: G 2250, R 1.3 % x 40,893 = 531.6 -> 532 above 440: tax 2250", 6, 2026, 0, 1, 50000.0,
     2250.00, 0.045, 1, 2026},
    {"daily (260) on the annual schedule: 52,000; G 2340, R 558 above 440; 2340 / 260 = 9", 6, 2026, 0, 260, 200.0,
     9.00, 0.045, 1, 2026},
    {"daily 50: 13,000; G 585, R 1.3 % x 3893 = 50.6 -> 51, credit 389; 196 / 260 = 0.75 -> 1", 6, 2026, 0, 260,
     50.0, 1.00, 0.045 - 389.0 / 13000.0, 1, 2026},
    // From 1 June 2025 (4.5 %; weekly single credit 450 / 52 -> 9 over 9,107 / 52 -> 175).
    {"weekly single 400: G 18, R 3, credit 9 - 3 = 6: tax 12", 6, 2025, 0, 52, 400.0, 12.00, 0.045 - 6.0 / 400.0, 6,
     2025},
    // 1 January to 31 May 2025 (4.55 %; weekly single 440 / 52 -> 8 over 8,826 / 52 -> 170).
    {"weekly single 1000: G 45.5 -> 46, R 10.79 -> 11 above 8: tax 46", 3, 2025, 0, 52, 1000.0, 46.00, 0.0455, 1,
     2025},
    // From 1 July 2024 (the same amounts; weekly married 880 / 52 -> 17 over 17,652 / 52 -> 339).
    {"weekly married 1000: G 46, R 1.3 % x 661 = 8.59 -> 9, credit 8: tax 38", 9, 2024, 1, 52, 1000.0, 38.00,
     0.0455 - 8.0 / 1000.0, 7, 2024},
    // 1 January to 30 June 2024 (4.65 %; weekly single 415 / 52 -> 8 over 170).
    {"weekly single 400: G 18.6 -> 19, R 2.99 -> 3, credit 5: tax 14", 3, 2024, 0, 52, 400.0, 14.00,
     0.0465 - 5.0 / 400.0, 1, 2024},
};

TEST(Utah, Paychecks) {
    for (const Paycheck& c : kPaychecks) {
        StatePaycheck p(kUtah, c.year, c.status, c.pay_periods, 1, c.wages, c.month, 15);
        EXPECT_EQ(p.run(), 0) << c.why;
        EXPECT_EQ(p.state.state_error, 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_tax, c.state_tax) << c.why;
        EXPECT_NEAR(p.state.state_rate_used, c.rate_used, 1e-12) << c.why;
        EXPECT_EQ(p.state.state_table_month, c.table_month) << c.why;
        EXPECT_EQ(p.state.state_table_day, 1) << c.why;
        EXPECT_EQ(p.state.state_table_year, c.table_year) << c.why;
    }
}

TEST(Utah, ReductionInAuxResult) {
    StatePaycheck weekly(kUtah, 2026, 0, 52, 1, 1000.0);
    weekly.run();
    EXPECT_EQ(weekly.fed.aux_result, 1100);  // R = 11 dollars, in cents
    StatePaycheck daily(kUtah, 2026, 0, 260, 1, 200.0);
    daily.fed.aux_result = 7;
    daily.run();
    EXPECT_EQ(daily.fed.aux_result, 7);  // the annual schedule leaves it
}

struct Supplemental {
    std::string why;
    int64_t version;
    int64_t method;  // not read: always aggregate
    double supplemental_wages;
    double expected;  // the preset 7.77 where none is computed
};

const Supplemental kSupplemental[] = {
    {"1500: G 67.5 -> 68, R 17.2 -> 17 above 8: 68, less 45", 145, 1, 500.0, 23.00},
    {"state_supp_aggregate 0 still taxes them together", 145, 0, 500.0, 23.00},
    {"negative supplemental wages: 100 gives 0, floored at 0", 145, 1, -900.0, 0.00},
    {"layout 144 computes no supplemental tax", 144, 1, 500.0, 7.77},
};

TEST(Utah, SupplementalWages) {
    for (const Supplemental& c : kSupplemental) {
        StatePaycheck p(kUtah, 2026, 0, 52, 1, 1000.0);
        p.state.struc_version = c.version;
        p.state.state_supp_aggregate = c.method;
        p.state.state_supplemental_wages = c.supplemental_wages;
        p.state.state_supplemental_tax = 7.77;
        EXPECT_EQ(p.run(), 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_tax, 45.00) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, c.expected) << c.why;
    }
}

TEST(Utah, Failures) {
    // Before 2008 the bracket table holds no rows.
    StatePaycheck old(kUtah, 2007, 0, 52, 1, 1000.0, 3, 9);
    EXPECT_EQ(old.run() & 8, 8);
    EXPECT_EQ(old.state.state_error, 1);
    EXPECT_EQ(old.state.state_table_year, 2017);
    EXPECT_EQ(old.state.state_table_month, 3);
    // A status without a schedule, wages too large to annualize.
    StatePaycheck status(kUtah, 2026, 2, 52, 1, 1000.0);
    EXPECT_EQ(status.run() & 8, 8);
    StatePaycheck huge(kUtah, 2026, 0, 260, 1, 1e308);
    EXPECT_EQ(huge.run() & 8, 8);
    EXPECT_TRUE(std::isfinite(huge.state.state_tax));
    for (int64_t periods : {0, -52}) {
        StatePaycheck p(kUtah, 2026, 0, periods, 1, 1000.0);
        EXPECT_EQ(p.run_direct(state_ut), 0) << periods;
        EXPECT_DOUBLE_EQ(p.state.state_tax, 0.0) << periods;
    }
    EXPECT_NE(state_ut(nullptr, &huge.state), 0);
}

TEST(Utah, Tables) {
    // Five date ranges x 2 statuses x 7 frequencies.
    EXPECT_EQ(txl5::table_row_count(utwh2008), 70);
    EXPECT_EQ(txl5::table_row_count(utwh), 0);
    txl5_test::expect_typed_functions({"state_ut"});
    txl5_test::expect_data_objects({"utwh2008", "utwh"});
}

}  // namespace
