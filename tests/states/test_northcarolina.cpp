#include <gtest/gtest.h>

#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "states/northcarolina.h"
#include "tests/states/bracket_state_support.h"
#include "tests/support/brackets.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::StatePaycheck;

constexpr int64_t kNorthCarolina = 38;

// Expected taxes are whole dollars.
const txl5_test::BracketPaycheck kPaychecks[] = {
    {"2026 weekly single, 2 allowances: 52,000 - 12,750 - 5000 = 34,250; 4.09 % = 1400.825; / 52 = 26.94", 2026, 0,
     52, 2, 1000.0, 27.0, 0.0409},
    {"2026 weekly surviving spouse, no allowance: 39,250 x 4.09 % / 52 = 30.87", 2026, 6, 52, 0, 1000.0, 31.0,
     0.0409},
    {"2025 biweekly married, 1 allowance: 52,000 - 15,250 = 36,750; x 4.35 % / 26 = 61.49", 2025, 1, 26, 1, 2000.0,
     61.0, 0.0435},
    {"2024 monthly head of household: 48,000 - 19,125 = 28,875; x 4.6 % / 12 = 110.69", 2024, 2, 12, 0, 4000.0, 111.0,
     0.046},
    {"deductions above the wages: nothing taxable", 2026, 0, 52, 3, 200.0, 0.0, 0.0409},
};

TEST(NorthCarolina, Paychecks) {
    txl5_test::expect_paychecks(kNorthCarolina, kPaychecks);
}

struct Supplemental {
    std::string why;
    int64_t year;
    int64_t method;  // state_supp_aggregate
    double supplemental_wages;
    double expected;  // state_supplemental_tax; the preset 7.77 where none is computed
};

// Weekly single, 2 allowances, 1000 of wages (27 withheld in 2026).
const Supplemental kSupplemental[] = {
    {"2026 flat: 1000 x 4.09 % = 40.90, withheld 41", 2026, 0, 1000.0, 41.0},
    {"2025 flat: 1000 x 4.35 % = 43.50, withheld 44", 2025, 0, 1000.0, 44.0},
    {"2024 flat: 1000 x 4.6 %", 2024, 0, 1000.0, 46.0},
    {"aggregate: 39,450 x 4.09 % / 52 = 31.03, withheld 31, less 27", 2026, 1, 100.0, 4.0},
    {"aggregate with negative supplemental wages is floored at 0", 2026, 1, -100.0, 0.0},
};

TEST(NorthCarolina, SupplementalWages) {
    for (const Supplemental& c : kSupplemental) {
        StatePaycheck p(kNorthCarolina, c.year, 0, 52, 2, 1000.0);
        p.state.state_supp_aggregate = c.method;
        p.state.state_supplemental_wages = c.supplemental_wages;
        p.state.state_supplemental_tax = 7.77;
        EXPECT_EQ(p.run() & 8, 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, c.expected) << c.why;
    }
}

TEST(NorthCarolina, Tables) {
    EXPECT_EQ(txl5::table_row_count(ncwh), 12);
    EXPECT_EQ(txl5::table_row_count(supplemental_nc), 3);
    txl5_test::expect_typed_functions({"state_nc"});
    txl5_test::expect_data_objects({"ncwh", "supplemental_nc"});
}

const int kNcwhBrackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "ncwh";
    t.rows = txl5_test::bracket_rows(ncwh);
    return t;
});

}  // namespace
