#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "states/connecticut.h"
#include "tests/states/bracket_state_support.h"
#include "tests/support/brackets.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::StatePaycheck;

constexpr int64_t kConnecticut = 8;

StatePaycheck paycheck(int64_t year, int64_t pay_periods, char code, double wages, int64_t month = 6,
                       int64_t day = 15) {
    StatePaycheck p(kConnecticut, year, 0, pay_periods, 0, wages, month, day);
    p.state.state_withholding_code = code;
    return p;
}

struct Case {
    std::string why;
    int64_t year;
    int64_t pay_periods;
    char code;
    double wages;
    double reduction;
    double state_tax;
    double rate_used;
};

// Hand arithmetic on Tables A to E; annual wages = pay periods x wages.
const Case kPaychecks[] = {
    {"A 24000: exemption 12000 (upper bound included); 200 + 4.5 % x 2000 = 290; credit 0.15", 2026, 1, 'A',
     24000.0, 0.0, 246.50, 0.045},
    {"A 24000.01: exemption 11000; 200 + 4.5 % x 3000.01 = 335.00; credit 0.15", 2026, 1, 'A', 24000.01, 0.0,
     284.75, 0.045},
    {"A 15000: exemption 12000; 2 % x 3000 = 60; credit 0.75 up to 15000", 2026, 1, 'A', 15000.0, 0.0, 15.0, 0.02},
    {"A 15000.01: credit 0.70 over 15000; 60.0002 x 0.30", 2026, 1, 'A', 15000.01, 0.0, 18.0, 0.02},
    {"A 105000: 4750 + 6 % x 5000 = 5050; add-back 250; recapture 25 from 105000", 2026, 1, 'A', 105000.0, 0.0,
     5325.0, 0.06},
    {"A 104999.99: 5049.9994 + 250, no recapture", 2026, 1, 'A', 104999.99, 0.0, 5300.0, 0.06},
    {"A 600000: 31250 + 6.99 % x 100000 = 38240; add-back 250; recapture 3400 from 540000", 2026, 1, 'A', 600000.0,
     0.0, 41890.0, 0.0699},
    {"B 100000 (2025): 3200 + 5.5 % x 20000 = 4300; add-back 6 bands of 40 from 78500", 2025, 1, 'B', 100000.0, 0.0,
     4540.0, 0.055},
    {"C weekly 1000 (2024): 52000 less 20000; 400 + 4.5 % x 12000 = 940; credit 0.11; / 52", 2024, 52, 'C', 1000.0,
     0.0, 16.09, 0.045},
    {"F monthly 5000: 60000, no exemption; 2000 + 5.5 % x 10000 + 25 = 2575; credit 0.10; / 12 = 193.125", 2026, 12,
     'F', 5000.0, 0.0, 193.13, 0.055},
    {"D 50000: no exemption; 2000 at the 5.5 % floor; no credit", 2026, 1, 'D', 50000.0, 0.0, 2000.0, 0.055},
    {"E: no tax", 2026, 52, 'E', 2000.0, 0.0, 0.0, 0.0},
    {"A weekly 500: 26000 less 10000; 200 + 4.5 % x 6000 = 470; credit 0.13; 408.90 / 52 = 7.8635", 2026, 52, 'A',
     500.0, 0.0, 7.86, 0.045},
    {"as above less a reduction of 5.00", 2026, 52, 'A', 500.0, 5.0, 2.86, 0.045},
    {"a reduction above the tax: 0", 2026, 52, 'A', 500.0, 10.0, 0.0, 0.045},
    {"wages of 0: no exemption needed, no tax, no failure", 2026, 52, 'A', 0.0, 0.0, 0.0, 0.02},
    {"a check of 2027 is computed on the 2026 rows", 2027, 1, 'A', 24000.0, 0.0, 246.50, 0.045},
};

TEST(Connecticut, Paychecks) {
    for (const Case& c : kPaychecks) {
        StatePaycheck p = paycheck(c.year, c.pay_periods, c.code, c.wages);
        p.state.state_wh_reduction = c.reduction;
        p.state.state_table_year = 1999;  // Connecticut leaves the table date alone
        EXPECT_EQ(p.run(), 0) << c.why;
        EXPECT_EQ(p.state.state_error, 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_tax, c.state_tax) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_rate_used, c.rate_used) << c.why;
        EXPECT_EQ(p.state.state_table_year, 1999) << c.why;
    }
}

TEST(Connecticut, FailuresGoOnAndReport) {
    // A code outside A to F has no rows at all.
    StatePaycheck unknown = paycheck(2026, 52, 'G', 1000.0);
    EXPECT_EQ(unknown.run() & 8, 8);
    EXPECT_EQ(unknown.state.state_error, 1);
    EXPECT_DOUBLE_EQ(unknown.state.state_tax, 0.0);
    // Wages too large to annualize fit no table and write no amount.
    StatePaycheck huge = paycheck(2026, 52, 'A', 1e308);
    EXPECT_EQ(huge.run() & 8, 8);
    EXPECT_TRUE(std::isfinite(huge.state.state_tax));
    // A reduction that is not a number gives no tax.
    StatePaycheck nan = paycheck(2026, 52, 'A', 500.0);
    nan.state.state_wh_reduction = std::nan("");
    EXPECT_EQ(nan.run() & 8, 8);
    EXPECT_TRUE(std::isfinite(nan.state.state_tax));
}

struct Recapture {
    std::string why;
    int64_t year, month, day;
    char code;
    double annual;
    double state_tax;   // the recapture alone: the years hold no other rows
    int64_t aux;        // aux_result, -7 where left alone
};

// Called directly on annual wages: these years hold only the recapture
// tables, so the calculation reports the missing rows and the tax is the
// recapture alone.
const Recapture kRecaptures[] = {
    {"15 Aug 2015, one ramp: 75 x 81 steps, capped at 2250", 2015, 8, 15, 'A', 600000.0, 2250.0, -7},
    {"14 Jan 2013, B: 120 x (trunc(80000 / 8000) + 1) = 1320", 2013, 1, 14, 'B', 400000.0, 1320.0, -7},
    {"16 Aug 2015, two ramps: no rows for 2015, none", 2015, 8, 16, 'A', 600000.0, 0.0, 0},
    {"2022 A 250000: 90 x (trunc(50000 / 5000) + 1) = 990", 2022, 6, 15, 'A', 250000.0, 990.0, 990},
    {"2022 A 600000: 2700 + 50 x 21 = 3750, capped at 3150", 2022, 6, 15, 'A', 600000.0, 3150.0, 3150},
    {"2021 C 1050000: 5400 + 100 x 6 = 6000", 2021, 6, 15, 'C', 1050000.0, 6000.0, 6000},
    {"2023 B at its first threshold 320000: none (over, not at)", 2023, 6, 15, 'B', 320000.0, 0.0, 0},
};

TEST(Connecticut, RecaptureOfEarlierYears) {
    for (const Recapture& c : kRecaptures) {
        StatePaycheck p = paycheck(c.year, 1, c.code, c.annual, c.month, c.day);
        p.fed.aux_result = -7;
        EXPECT_EQ(state_ct(&p.fed, &p.state), 1) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_tax, c.state_tax) << c.why;
        EXPECT_EQ(p.fed.aux_result, c.aux) << c.why;
    }
}

TEST(Connecticut, SupplementalIsTheDifferenceOfTwoCalculations) {
    struct Row {
        std::string why;
        int64_t version;
        double supplemental, reduction, expected;
    };
    const Row rows[] = {
        {"weekly A 500 + 500: 52000; 2110 + 25 add-back; credit 0.02; 40.2365 - 7.8635", 145, 500.0, 0.0, 32.37},
        {"the same with a reduction of 5 in both", 145, 500.0, 5.0, 32.37},
        {"a reduction of 10 floors the regular tax only: 30.2365 - 0", 145, 500.0, 10.0, 30.24},
        {"no supplemental wages: not written", 145, 0.0, 0.0, 7.77},
        {"layout 144: not written", 144, 500.0, 0.0, 7.77},
    };
    for (const Row& c : rows) {
        StatePaycheck p = paycheck(2026, 52, 'A', 500.0);
        p.state.struc_version = c.version;
        p.state.state_supp_aggregate = 0;  // not consulted
        p.state.state_supplemental_wages = c.supplemental;
        p.state.state_wh_reduction = c.reduction;
        p.state.state_supplemental_tax = 7.77;
        EXPECT_EQ(p.run(), 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, c.expected) << c.why;
    }
}

TEST(Connecticut, NullRecordsAreRefused) {
    StatePaycheck p = paycheck(2026, 52, 'A', 500.0);
    EXPECT_EQ(state_ct(nullptr, &p.state), 1);
    EXPECT_EQ(state_ct(&p.fed, nullptr), 1);
    EXPECT_EQ(p.state.state_error, 0);
}

TEST(Connecticut, TablesHoldEveryCodeFor2024To2026) {
    // Rows per year: A 13, B 20, C 25, F 16 exemption rows; 7 brackets for
    // five codes and one for E; 11 add-back and 50 recapture rows for five
    // codes; 28 credit rows for four codes and one each for D and E.
    const auto count = [](const auto* table, auto is_end) { return txl5::table_row_count(table, is_end); };
    const auto by_status = [](const auto& row) { return row.status == 0; };
    EXPECT_EQ(count(tablea, by_status), 3 * 74);
    EXPECT_EQ(txl5::table_row_count(ctwh), 3 * 36);
    EXPECT_EQ(txl5::table_row_count(ct3percent), 3 * 55);
    EXPECT_EQ(txl5::table_row_count(ctrecapture2024), 3 * 250);
    EXPECT_EQ(count(tablee, by_status), 3 * 114);
    txl5_test::expect_schedules(ctwh, {2026, 2025, 2024}, {'A', 'B', 'C', 'D', 'E', 'F'}, {1}, "ctwh");
}

TEST(Connecticut, Exports) {
    txl5_test::expect_typed_functions({"state_ct"});
    txl5_test::expect_data_objects(
        {"tablea", "ctwh", "ct3percent", "ctrecapture2024", "ctrecapture2015", "ctrecapture", "tablee"});
}

const int kCtwhBrackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "ctwh";
    t.rows = txl5_test::bracket_rows(ctwh);
    return t;
});

}  // namespace
