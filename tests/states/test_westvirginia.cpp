#include <gtest/gtest.h>

#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "states/westvirginia.h"
#include "tests/states/bracket_state_support.h"
#include "tests/support/brackets.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::StatePaycheck;

constexpr int64_t kWestVirginia = 57;

struct Paycheck {
    std::string why;
    int64_t year;
    int64_t form_code;  // nonzero: the schedule of two earners
    int64_t pay_periods;
    int64_t allowances;
    double wages;
    double state_tax;  // whole dollars
    double rate_used;
};

const Paycheck kPaychecks[] = {
    {"2026 weekly, one earner, 1 exemption: 1000 - 38.46 = 961.54; 22.41 + 4.44 % x 192.54 = 30.9588", 2026, 0, 52,
     1, 1000.0, 31.0, 0.0444},
    {"the same on the two-earner schedule: 29.63 + 4.82 % x 95.54 = 34.2350", 2026, 1, 52, 1, 1000.0, 34.0, 0.0482},
    {"any nonzero code selects the two-earner schedule", 2026, 7, 52, 1, 1000.0, 34.0, 0.0482},
    {"2024 printed two-earner biweekly, 2 exemptions: 1000 - 153.84 = 846.16; 20.45 + 3.54 % x 124.16 = 24.845",
     2024, 1, 26, 2, 1000.0, 25.0, 0.0354},
    {"2024 printed two-earner monthly: 77.46 + 4.72 % x 500 = 101.06", 2024, 1, 12, 0, 3000.0, 101.0, 0.0472},
    {"2025 annual one earner, 1 exemption: 48,000; 1165.50 + 4.44 % x 8000 = 1520.70", 2025, 0, 1, 1, 50000.0,
     1521.0, 0.0444},
    {"quarterly, no such schedule: 4 x 10,000 - 2000 = 38,000; (666 + 3.33 % x 13,000) / 4 = 274.725", 2026, 0, 4, 1,
     10000.0, 275.0, 0.0333},
    {"exemptions above the wages: nothing taxable", 2026, 0, 52, 2, 50.0, 0.0, 0.0222},
};

TEST(WestVirginia, Paychecks) {
    for (const Paycheck& c : kPaychecks) {
        StatePaycheck p(kWestVirginia, c.year, 0, c.pay_periods, c.allowances, c.wages);
        p.state.state_form_code = c.form_code;
        EXPECT_EQ(p.run() & 8, 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_tax, c.state_tax) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_rate_used, c.rate_used) << c.why;
        EXPECT_EQ(p.state.state_table_year, c.year) << c.why;
    }
}

struct Supplemental {
    std::string why;
    int64_t year;
    int64_t method;  // state_supp_aggregate
    double supplemental_wages;
    double expected;  // state_supplemental_tax; the preset 7.77 where none is computed
};

// The weekly employee above: 1000 of wages, 1 exemption, annual taxable
// wages 961.54 x 52 = 50,000.08.
const Supplemental kSupplemental[] = {
    {"2026 flat: 50,000.08 lies in the 40,000-60,000 band, 4.44 %", 2026, 0, 1000.0, 44.40},
    {"2024 flat: 4.72 % in the same band", 2024, 0, 1000.0, 47.20},
    {"aggregate: 1061.54 gives 22.41 + 4.44 % x 292.54 = 35.3988, withheld 35, less 31", 2026, 1, 100.0, 4.00},
    {"aggregate with negative supplemental wages is floored at 0", 2026, 1, -100.0, 0.0},
};

TEST(WestVirginia, SupplementalWages) {
    for (const Supplemental& c : kSupplemental) {
        StatePaycheck p(kWestVirginia, c.year, 0, 52, 1, 1000.0);
        p.state.state_supp_aggregate = c.method;
        p.state.state_supplemental_wages = c.supplemental_wages;
        p.state.state_supplemental_tax = 7.77;
        EXPECT_EQ(p.run() & 8, 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, c.expected) << c.why;
    }
    // The band follows the annual taxable wages, not the schedule: an annual
    // payroll of 60,000 with no exemption takes the top rate, 4.82 %.
    StatePaycheck p(kWestVirginia, 2026, 0, 1, 0, 60000.0);
    p.state.state_form_code = 1;
    p.state.state_supp_aggregate = 0;
    p.state.state_supplemental_wages = 1000.0;
    EXPECT_EQ(p.run() & 8, 0);
    EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, 48.20);
}

TEST(WestVirginia, Tables) {
    txl5_test::expect_schedules(wvwh, {2026, 2025, 2024}, {0, 100}, {1, 52, 26, 24, 12}, "wvwh");
    txl5_test::expect_newest_first(wvwh, "wvwh");
    EXPECT_EQ(txl5::table_row_count(wvwh), 150);
    EXPECT_EQ(txl5::table_row_count(supplemental_wv), 15);
    txl5_test::expect_typed_functions({"state_wv"});
    txl5_test::expect_data_objects({"wvwh", "supplemental_wv"});
}

const int kWvwhBrackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "wvwh";
    t.rows = txl5_test::bracket_rows(wvwh);
    // The two-earner tables are three quarters of the one-earner ones, bounds
    // and bases rounded apart, so a base may differ from the previous base plus
    // rate x width by the rate on up to a dollar.
    t.bound_rounding = 1.0;
    return t;
});

}  // namespace
