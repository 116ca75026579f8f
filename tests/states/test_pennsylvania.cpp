#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/txl5.h"
#include "tests/states/bracket_state_support.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::StatePaycheck;

constexpr int64_t kPennsylvania = 45;

struct FlatCase {
    std::string why;  // where the expected amount comes from
    int64_t year;
    int64_t status;
    int64_t pay_periods;
    int64_t allowances;
    double wages;
    double state_tax;  // after the driver's rounding to cents
    double rate_used;  // the preset 0.5 where the rate is not written
};

const FlatCase kPaychecks[] = {
    {"2026, REV-415 flat 3.07 %: 1000 x 0.0307 = 30.70", 2026, 0, 52, 0, 1000.0, 30.70, 0.0307},
    {"2025, 3.07 %: 1234.56 x 0.0307 = 37.900992", 2025, 0, 26, 0, 1234.56, 37.90, 0.0307},
    {"2024, 3.07 %: 2500 x 0.0307 = 76.75", 2024, 0, 12, 0, 2500.0, 76.75, 0.0307},
    {"2004, the first year at 3.07 %: 1000 x 0.0307", 2004, 0, 52, 0, 1000.0, 30.70, 0.0307},
    {"2003 at 2.8 %: 1000 x 0.028 = 28.00; the rate used is not written", 2003, 0, 52, 0, 1000.0, 28.00, 0.5},
    {"status, allowances and pay periods play no part: 1000 x 0.0307", 2026, 3, 1, 9, 1000.0, 30.70, 0.0307},
    {"2027 needs no newer row: the law's rate, 1000 x 0.0307", 2027, 0, 52, 0, 1000.0, 30.70, 0.0307},
};

TEST(Pennsylvania, Paychecks) {
    for (const FlatCase& c : kPaychecks) {
        StatePaycheck p(kPennsylvania, c.year, c.status, c.pay_periods, c.allowances, c.wages);
        p.state.state_rate_used = 0.5;
        p.state.state_table_year = 1999;
        EXPECT_EQ(p.run() & 8, 0) << c.why;  // (no federal rows before 2024: bit 1 there)
        EXPECT_EQ(p.state.state_error, 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_tax, c.state_tax) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_rate_used, c.rate_used) << c.why;
        EXPECT_EQ(p.state.state_table_year, 1999) << c.why << ": no table, no table date";
        EXPECT_EQ(p.fed.check_year, c.year) << c.why;
    }
}

struct SupplementalCase {
    std::string why;
    int64_t year;
    int64_t version;
    int64_t method;  // state_supp_aggregate: the flat rate whatever it holds
    double supplemental_wages;
    double expected;  // state_supplemental_tax; the preset 7.77 where none is written
};

const SupplementalCase kSupplemental[] = {
    {"1234.56 x 0.0307 = 37.900992, not rounded to cents", 2026, 145, 0, 1234.56, 37.900992},
    {"the aggregate choice, and any other, is taxed at the same flat rate", 2025, 145, 1, 1234.56, 37.900992},
    {"2024: 500 x 0.0307 = 15.35", 2024, 145, 0, 500.0, 15.35},
    {"layout 144 has no supplemental tax", 2026, 144, 0, 1234.56, 7.77},
    {"2003 computes no supplemental tax", 2003, 145, 0, 1234.56, 7.77},
};

TEST(Pennsylvania, SupplementalWagesAtTheFlatRate) {
    for (const SupplementalCase& c : kSupplemental) {
        StatePaycheck p(kPennsylvania, c.year, 0, 52, 0, 1000.0);
        p.state.struc_version = c.version;
        p.state.state_supp_aggregate = c.method;
        p.state.state_supplemental_wages = c.supplemental_wages;
        p.state.state_supplemental_tax = 7.77;
        EXPECT_EQ(p.run() & 8, 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, c.expected) << c.why;
    }
}

// A negative correction gives a negative tax, not floored: -100 x 0.0307.
TEST(Pennsylvania, NegativeWagesGiveANegativeTax) {
    StatePaycheck p(kPennsylvania, 2026, 0, 52, 0, -100.0);
    p.state.state_supp_aggregate = 0;
    p.state.state_supplemental_wages = -10.0;
    EXPECT_EQ(state_pa(&p.fed, &p.state), 0);
    EXPECT_DOUBLE_EQ(p.state.state_tax, -3.07);
    EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, -0.307);
}

// Wages that give no finite tax fail the state part instead of writing an
// infinite or undefined tax; only the extra withholding is left.
TEST(Pennsylvania, WagesThatAreNotFiniteFail) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct { double wages, bonus; } cases[] = {{inf, 0.0}, {nan, 0.0}, {1000.0, inf}, {1000.0, nan}};
    for (const auto& c : cases) {
        StatePaycheck p(kPennsylvania, 2026, 0, 52, 0, c.wages);
        p.state.state_supp_aggregate = 0;
        p.state.state_supplemental_wages = c.bonus;
        p.state.additional_state_wh = 2.0;
        EXPECT_EQ(p.run() & 8, 8) << c.wages << " " << c.bonus;
        EXPECT_EQ(p.state.state_error, 1);
        EXPECT_TRUE(std::isfinite(p.state.state_tax));
        EXPECT_TRUE(std::isfinite(p.state.state_supplemental_tax));
    }
}

TEST(Pennsylvania, NullRecordsFailWithoutWriting) {
    StatePaycheck p(kPennsylvania, 2026, 0, 52, 0, 1000.0);
    EXPECT_NE(state_pa(nullptr, &p.state), 0);
    EXPECT_NE(state_pa(&p.fed, nullptr), 0);
    EXPECT_EQ(p.state.state_tax, 0.0);
    txl5_test::expect_typed_functions({"state_pa"});
}

}  // namespace
