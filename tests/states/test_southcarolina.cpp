#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "states/southcarolina.h"
#include "tests/states/bracket_state_support.h"
#include "tests/support/brackets.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::StatePaycheck;

constexpr int64_t kSouthCarolina = 48;

const txl5_test::BracketPaycheck kPaychecks[] = {
    // Published formula: annual wages at a bracket floor (no allowance, so no
    // deduction) bear the printed base; the 2025 worked example.
    {"WH-1603F (2026): over 18,230 the tax is 437.70", 2026, 0, 1, 0, 18230.0, 437.70, 0.06},
    {"WH-1603F (2025): over 17,830 the tax is 428.10", 2025, 0, 1, 0, 17830.0, 428.10, 0.062},
    {"WH-1603F (2024): over 17,330 the tax is 416.10", 2024, 0, 1, 0, 17330.0, 416.10, 0.064},
    {"2025 worked example: 28,200 - 2,820 - 4,860 = 20,520 taxable, 594.88 a year", 2025, 0, 1, 1, 28200.0, 594.88,
     0.062},
    // Hand arithmetic.
    {"biweekly, 1 allowance: 52,000 - 5,200 - 5,000 = 41,800; (437.70 + 6 % x 23,570) / 26 = 71.2269", 2026, 0, 26,
     1, 2000.0, 71.23, 0.06},
    {"no allowance, no deduction: 52,000; (437.70 + 6 % x 33,770) / 26 = 94.7654", 2026, 0, 26, 0, 2000.0, 94.77,
     0.06},
    {"filing status plays no part: status 1 as status 0", 2026, 1, 26, 1, 2000.0, 71.23, 0.06},
    {"filing status plays no part: status 7 as status 0", 2026, 7, 26, 1, 2000.0, 71.23, 0.06},
    {"deduction capped at 7,500: 80,000 - 7,500 - 5,000 = 67,500; 437.70 + 6 % x 49,270 = 3393.90", 2026, 0, 1, 1,
     80000.0, 3393.90, 0.06},
    {"2025 weekly on the annual schedule: 52,000 - 5,200 - 9,720 = 37,080; (428.10 + 6.2 % x 19,250) / 52", 2025, 0,
     52, 2, 1000.0, 31.18, 0.062},
    {"2024 weekly schedule: 1000 - 100 - 88.65 = 811.35; 8.00 + 6.4 % x 478.08 = 38.597", 2024, 0, 52, 1, 1000.0,
     38.60, 0.064},
    {"2024 semimonthly: 2000 - 200 - 192.08 = 1607.92; 17.34 + 6.4 % x 885.84 = 74.034", 2024, 0, 24, 1, 2000.0,
     74.03, 0.064},
    {"2024 monthly: 4000 - 400 - 768.34 = 2831.66; 34.68 + 6.4 % x 1387.49 = 123.479", 2024, 0, 12, 2, 4000.0,
     123.48, 0.064},
    {"allowances above the wages: nothing taxable", 2026, 0, 52, 1, 100.0, 0.00, 0.0},
};

TEST(SouthCarolina, Paychecks) {
    txl5_test::expect_paychecks(kSouthCarolina, kPaychecks);
}

struct Supplemental {
    std::string why;
    int64_t year;
    int64_t status;
    int64_t method;
    double supplemental_wages;
    double expected;  // the preset 7.77 where none is computed
};

const Supplemental kSupplemental[] = {
    {"flat 6 % (2026)", 2026, 0, 0, 1000.0, 60.00},
    {"flat 6.2 % (2025)", 2025, 0, 0, 1000.0, 62.00},
    {"flat 6.4 % (2024)", 2024, 0, 0, 1000.0, 64.00},
    {"aggregate: 26,000 + 52,000 - 5,200 - 5,000 = 67,800; 3411.90 / 26 = 131.2269, less 71.2269", 2026, 0, 1,
     1000.0, 60.00},
    {"aggregate ignores the filing status too", 2026, 5, 1, 1000.0, 60.00},
    {"aggregate with negative supplemental wages: floored at 0", 2026, 0, 1, -1000.0, 0.0},
    {"method 2 computes neither", 2026, 0, 2, 1000.0, 7.77},
};

TEST(SouthCarolina, SupplementalWages) {
    for (const Supplemental& c : kSupplemental) {
        StatePaycheck p(kSouthCarolina, c.year, c.status, 26, 1, 2000.0);
        p.state.state_supp_aggregate = c.method;
        p.state.state_supplemental_wages = c.supplemental_wages;
        p.state.state_supplemental_tax = 7.77;
        EXPECT_EQ(p.run(), 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, c.expected) << c.why;
    }
}

TEST(SouthCarolina, FailuresStayFinite) {
    StatePaycheck old(kSouthCarolina, 2022, 0, 26, 1, 2000.0);
    EXPECT_EQ(old.run() & 8, 8);
    EXPECT_EQ(old.state.state_error, 1);
    StatePaycheck huge(kSouthCarolina, 2026, 0, 26, 1, 1e308);
    EXPECT_EQ(huge.run() & 8, 8);
    EXPECT_TRUE(std::isfinite(huge.state.state_tax));
    for (int64_t periods : {0, -26}) {
        StatePaycheck p(kSouthCarolina, 2026, 0, periods, 1, 2000.0);
        EXPECT_EQ(p.run_direct(state_sc), 0) << periods;
        EXPECT_DOUBLE_EQ(p.state.state_tax, 0.0) << periods;
    }
    EXPECT_NE(state_sc(nullptr, &huge.state), 0);
}

TEST(SouthCarolina, Tables) {
    EXPECT_EQ(txl5::table_row_count(scwh), 21);
    EXPECT_EQ(txl5::table_row_count(supplemental_sc), 3);
    txl5_test::expect_typed_functions({"state_sc"});
    txl5_test::expect_data_objects({"scwh", "supplemental_sc"});
}

const int kScwhBrackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "scwh";
    t.rows = txl5_test::schedule_rows(scwh, [](const SouthCarolinaBracketRow& r) {
        return txl5_test::ScheduleRow{r.start_date, r.end_date, r.status, r.pay_periods,
                                      r.lower,      r.upper,    r.base,   r.rate};
    });
    return t;
});

}  // namespace
