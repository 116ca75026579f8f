#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "states/michigan.h"
#include "tests/states/bracket_state_support.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::StatePaycheck;

constexpr int64_t kMichigan = 27;

// 4.25 % of the wages less the exemption allowance of the period; no rate row
// per frequency, so every paycheck is taxed on the annual row (P x taxable x
// 4.25 % / P). The table date is that of the exemption row.
const txl5_test::BracketPaycheck kPaychecks[] = {
    {"weekly, 2 exemptions of 113.46: 773.08; 52 x 773.08 = 40,200.16 x 4.25 % / 52 = 32.8559", 2026, 0, 52, 2,
     1000.0, 32.86, 0.0425},
    {"annual, one exemption of 5,900: 44,100 x 4.25 % = 1874.25", 2026, 0, 1, 1, 50000.0, 1874.25, 0.0425},
    {"biweekly, 3 x 226.92: 1319.24 x 4.25 % = 56.0677", 2026, 1, 26, 3, 2000.0, 56.07, 0.0425},
    {"semimonthly, 245.84 as printed: 1754.16 x 4.25 % = 74.5518", 2026, 0, 24, 1, 2000.0, 74.55, 0.0425},
    {"monthly, 492.67 as printed: 3507.33 x 4.25 % = 149.0615", 2026, 0, 12, 1, 4000.0, 149.06, 0.0425},
    {"quarterly, 1,475: 8525 x 4.25 % = 362.3125", 2026, 0, 4, 1, 10000.0, 362.31, 0.0425},
    {"daily (260), the annual exemption / 260 = 22.6923: 177.3077 x 4.25 % = 7.5356", 2026, 0, 260, 1, 200.0, 7.54,
     0.0425},
    {"2025 weekly, 111.54: 888.46 x 4.25 % = 37.7596", 2025, 0, 52, 1, 1000.0, 37.76, 0.0425},
    {"2025 annual: 5,800 + 10,000 with one exemption: 425.00", 2025, 0, 1, 1, 15800.0, 425.00, 0.0425},
    {"2024 weekly (the last row of the rate table), 107.69: 892.31 x 4.25 % = 37.9232", 2024, 0, 52, 1, 1000.0,
     37.92, 0.0425},
    {"2024 annual: 5,600 + 10,000 with one exemption: 425.00", 2024, 0, 1, 1, 15600.0, 425.00, 0.0425},
    {"exemptions above the wages: nothing taxable", 2026, 0, 52, 2, 100.0, 0.00, 0.0425},
};

TEST(Michigan, Paychecks) {
    txl5_test::expect_paychecks(kMichigan, kPaychecks);
}

TEST(Michigan, FurtherExemptionKindsCountOnlyBefore2000) {
    StatePaycheck p(kMichigan, 2026, 0, 52, 2, 1000.0);
    p.state.state_extra_count1 = 5;
    p.state.state_extra_count2 = 7;
    EXPECT_EQ(p.run(), 0);
    EXPECT_DOUBLE_EQ(p.state.state_tax, 32.86);  // as without them
}

// The pay-period key of the exemption rows is read through its low 32 bits:
// 2^32 + 52 finds the weekly exemption; the rate row is annual in any case.
TEST(Michigan, PayPeriodsKeyedByTheirLow32Bits) {
    StatePaycheck p(kMichigan, 2026, 0, INT64_C(4294967348), 2, 1000.0);
    EXPECT_EQ(p.run(), 0);
    EXPECT_DOUBLE_EQ(p.state.state_tax, 32.86);
}

TEST(Michigan, Before2000TheUndatedExemptionsFindNoRateRow) {
    StatePaycheck p(kMichigan, 1999, 0, 52, 1, 1000.0, 4, 2);
    EXPECT_EQ(p.run() & 8, 8);
    EXPECT_EQ(p.state.state_error, 1);
    EXPECT_EQ(p.state.state_table_year, 2017);
    EXPECT_EQ(p.state.state_table_month, 4);
    StatePaycheck gap(kMichigan, 2015, 0, 52, 1, 1000.0);  // no exemption row for 2015
    EXPECT_EQ(gap.run() & 8, 8);
    EXPECT_EQ(gap.state.state_error, 1);
}

struct Supplemental {
    std::string why;
    int64_t version;
    int64_t method;  // not read
    double expected;  // the preset 7.77 where none is computed
};

const Supplemental kSupplemental[] = {
    {"flat 4.25 % of 1000", 145, 0, 42.50},
    {"flat whatever state_supp_aggregate holds: 1", 145, 1, 42.50},
    {"flat whatever state_supp_aggregate holds: 2", 145, 2, 42.50},
    {"layout 144 computes no supplemental tax", 144, 0, 7.77},
};

TEST(Michigan, SupplementalWages) {
    for (const Supplemental& c : kSupplemental) {
        StatePaycheck p(kMichigan, 2026, 0, 52, 2, 1000.0);
        p.state.struc_version = c.version;
        p.state.state_supp_aggregate = c.method;
        p.state.state_supplemental_wages = 1000.0;
        p.state.state_supplemental_tax = 7.77;
        EXPECT_EQ(p.run(), 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, c.expected) << c.why;
    }
}

TEST(Michigan, FailuresStayFinite) {
    StatePaycheck huge(kMichigan, 2026, 0, 260, 0, 1e308);
    EXPECT_EQ(huge.run() & 8, 8);
    EXPECT_TRUE(std::isfinite(huge.state.state_tax));
    for (int64_t periods : {0, -52}) {
        StatePaycheck p(kMichigan, 2026, 0, periods, 1, 1000.0);
        EXPECT_EQ(p.run_direct(state_mi), 0) << periods;
        EXPECT_TRUE(std::isfinite(p.state.state_tax)) << periods;
    }
    // Wages that are not a finite amount, negative infinity included, fit
    // no rate row: a failure with no tax, not a tax of 0 on wages floored at 0.
    for (double wages : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                         std::nan("")}) {
        StatePaycheck p(kMichigan, 2026, 0, 52, 2, wages);
        EXPECT_EQ(p.run_direct(state_mi), 1) << wages;
        EXPECT_EQ(p.state.state_error, 1) << wages;
        EXPECT_DOUBLE_EQ(p.state.state_tax, 0.0) << wages;
    }
    EXPECT_NE(state_mi(nullptr, &huge.state), 0);
    EXPECT_NE(state_mi(&huge.fed, nullptr), 0);
}

TEST(Michigan, Tables) {
    EXPECT_EQ(txl5::table_row_count(allow2000), 21);  // 7 frequencies x 3 years
    EXPECT_EQ(txl5::table_row_count(miwh), 3);
    EXPECT_EQ(txl5::table_row_count(supplemental_mi), 3);
    EXPECT_EQ(allow1999[1].pay_periods, 0);  // one annual row, then the end row
    txl5_test::expect_typed_functions({"state_mi"});
    txl5_test::expect_data_objects({"allow2000", "allow1999", "miwh", "supplemental_mi"});
}

}  // namespace
