#include <gtest/gtest.h>

#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "states/wisconsin.h"
#include "tests/states/bracket_state_support.h"
#include "tests/support/brackets.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::StatePaycheck;

constexpr int64_t kWisconsin = 58;

const txl5_test::BracketPaycheck kPaychecks[] = {
    {"biweekly single, 1 exemption: W 52,000; D = 6702 - 12 % x 34,220 = 2595.60; X = 49,004.40; (1045.04 + 5.3 % "
     "x 23,484.40) / 26 = 88.0659",
     2026, 0, 26, 1, 2000.0, 88.07, 0.053},
    {"single, annual 18,200: D = 6651.60 (published example); 3.54 % x 11,548.40 = 408.8134", 2026, 0, 1, 0, 18200.0,
     408.81, 0.0354},
    {"married, annual 26,000: D = 9406.40 (published example); 451.70 + 4.65 % x 3833.60 = 629.9624", 2026, 1, 1, 0,
     26000.0, 629.96, 0.0465},
    {"married under 25,727 a year: the full 9461; monthly 2000: 24,000 - 9461 = 14,539; (451.70 + 4.65 % x 1779) / "
     "12 = 44.5353",
     2025, 1, 12, 0, 2000.0, 44.54, 0.0465},
    {"single at 73,630 a year or more: no deduction; weekly 1500: (1045.04 + 5.3 % x 52,480) / 52 = 73.5862", 2026, 0,
     52, 0, 1500.0, 73.59, 0.053},
    {"married over 73,032: no deduction; biweekly 3000, 2 exemptions: 78,000 - 800 = 77,200; (1045.04 + 5.3 % x "
     "51,680) / 26 = 145.5415",
     2024, 1, 26, 2, 3000.0, 145.54, 0.053},
    {"annual taxable wages at 280,950, a bracket floor: the base 14,582.83", 2026, 0, 1, 0, 280950.0, 14582.83,
     0.0765},
    {"deductions above the wages: nothing taxable", 2026, 0, 52, 2, 100.0, 0.0, 0.0354},
};

TEST(Wisconsin, Paychecks) {
    txl5_test::expect_paychecks(kWisconsin, kPaychecks);
}

struct Supplemental {
    std::string why;
    int64_t year;
    int64_t method;  // state_supp_aggregate
    int64_t pay_periods;
    double wages;
    double supplemental_wages;
    double expected;  // state_supplemental_tax; the preset 7.77 where none is computed
};

const Supplemental kSupplemental[] = {
    {"2026 flat: annual wages 52,000 lie in the 25,520-280,950 band, 5.3 %", 2026, 0, 26, 2000.0, 1000.0, 53.00},
    {"2024 flat 5.3 %", 2024, 0, 26, 2000.0, 1000.0, 53.00},
    {"flat: annual wages 12,000 (before the deduction) take 3.54 %", 2026, 0, 12, 1000.0, 1000.0, 35.40},
    {"aggregate: W2 54,600, D2 = 6702 - 12 % x 36,820 = 2283.60, X2 = 51,916.40; (1045.04 + 5.3 % x 26,396.40) / 26 "
     "= 94.0019, less 88.0659",
     2026, 1, 26, 2000.0, 100.0, 5.94},
    {"aggregate with no supplemental wages computes nothing", 2026, 1, 26, 2000.0, 0.0, 7.77},
    {"aggregate with negative supplemental wages computes nothing", 2026, 1, 26, 2000.0, -100.0, 7.77},
};

TEST(Wisconsin, SupplementalWages) {
    for (const Supplemental& c : kSupplemental) {
        StatePaycheck p(kWisconsin, c.year, 0, c.pay_periods, 1, c.wages);
        p.state.state_supp_aggregate = c.method;
        p.state.state_supplemental_wages = c.supplemental_wages;
        p.state.state_supplemental_tax = 7.77;
        EXPECT_EQ(p.run() & 8, 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, c.expected) << c.why;
    }
}

TEST(Wisconsin, Tables) {
    EXPECT_EQ(txl5::table_row_count(wideduction, [](const WisconsinDeductionRow& r) { return r.start_date.year < 1; }),
              18);
    EXPECT_EQ(txl5::table_row_count(wiwh), 24);
    EXPECT_EQ(txl5::table_row_count(supplemental_wi), 12);
    txl5_test::expect_typed_functions({"state_wi"});
    txl5_test::expect_data_objects({"wideduction", "wiwh", "supplemental_wi"});
}

const int kWiwhBrackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "wiwh";
    t.rows = txl5_test::bracket_rows(wiwh);
    return t;
});

}  // namespace
