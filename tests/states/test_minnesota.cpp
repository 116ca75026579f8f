#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "states/minnesota.h"
#include "tests/states/bracket_state_support.h"
#include "tests/support/brackets.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::StatePaycheck;

constexpr int64_t kMinnesota = 28;

const txl5_test::BracketPaycheck kPaychecks[] = {
    // Published schedules: annual wages at a bracket floor bear the printed base.
    {"2026 booklet, single: over 114,130 the tax is 6,958.25", 2026, 0, 1, 0, 114130.0, 6958.25, 0.0785},
    {"2026 booklet, single: over 207,850 the tax is 14,315.27", 2026, 0, 1, 0, 207850.0, 14315.27, 0.0985},
    {"2026 booklet, married: over 63,400 the tax is 2,605.45", 2026, 1, 1, 0, 63400.0, 2605.45, 0.068},
    {"2026 single: the row over 38,010 carries the base 1782.00 (the booklet prints 1,782.09)", 2026, 0, 1, 0,
     38010.0, 1782.00, 0.068},
    {"2025 booklet, single: over 111,540 the tax is 6,803.06", 2025, 0, 1, 0, 111540.0, 6803.06, 0.0785},
    {"2025 booklet, married: over 344,710 the tax is 23,260.31", 2025, 1, 1, 0, 344710.0, 23260.31, 0.0985},
    {"2024 booklet, married: over 198,040 the tax is 11,842.94", 2024, 1, 1, 0, 198040.0, 11842.94, 0.0785},
    {"2024 married: the 6.8 % bracket starts at 60,330 with the printed base 2,478.66", 2024, 1, 1, 0, 60330.0,
     2478.66, 0.068},
    {"2024 single: one allowance of 5,050; 113,615 - 5,050 = 108,565, the printed base 6,618.62", 2024, 0, 1, 1,
     113615.0, 6618.62, 0.0785},
    // Every frequency on the annual schedule (hand arithmetic).
    {"weekly on the annual schedule: 52 x 1500 - 5200 = 72,800; (1782.00 + 6.8 % x 34,790) / 52 = 79.76", 2026, 0,
     52, 1, 1500.0, 79.76, 0.068},
    {"status 12 is withheld as single: as the line above", 2026, 12, 52, 1, 1500.0, 79.76, 0.068},
    {"biweekly married, 2 allowances: 78,000 - 10,400 = 67,600; (2547.67 + 6.8 % x 5680) / 26 = 112.84", 2025, 1,
     26, 2, 3000.0, 112.84, 0.068},
    {"monthly 2024 single: 12 x 4000 - 5050 = 42,950; (1695.42 + 6.8 % x 6785) / 12 = 179.73", 2024, 0, 12, 1,
     4000.0, 179.73, 0.068},
    {"daily (365) single: 365 x 200 - 0 = 73,000; (1782.00 + 6.8 % x 34,990) / 365 = 11.40", 2026, 0, 365, 0, 200.0,
     11.40, 0.068},
    {"allowances above the wages: taxable floored at 0, no tax", 2026, 0, 52, 1, 50.0, 0.0, 0.0},
};

TEST(Minnesota, Paychecks) {
    txl5_test::expect_paychecks(kMinnesota, kPaychecks);
}

TEST(Minnesota, ACheckAfterTheNewestRowsUsesThePreviousYear) {
    StatePaycheck p(kMinnesota, 2027, 0, 52, 1, 1500.0);
    EXPECT_EQ(p.run() & 8, 0);
    EXPECT_DOUBLE_EQ(p.state.state_tax, 79.76);  // the 2026 paycheck above
    EXPECT_EQ(p.state.state_table_year, 2026);
    EXPECT_EQ(p.fed.check_year, 2027);
}

TEST(Minnesota, NoRowsForTheYearFailsWithTheCheckDateKept) {
    StatePaycheck p(kMinnesota, 2022, 0, 52, 1, 1500.0, 3, 9);
    p.state.additional_state_wh = 5.0;
    EXPECT_EQ(p.run() & 8, 8);
    EXPECT_EQ(p.state.state_error, 1);
    EXPECT_EQ(p.state.state_table_year, 2017);
    EXPECT_EQ(p.state.state_table_month, 3);
    EXPECT_EQ(p.state.state_table_day, 9);
    EXPECT_DOUBLE_EQ(p.state.state_tax, 5.0);  // the extra withholding only
}

struct Supplemental {
    std::string why;
    int64_t year;
    int64_t version;
    int64_t method;  // state_supp_aggregate
    double wages;
    double supplemental_wages;
    double expected;  // state_supplemental_tax; the preset 7.77 where none is computed
};

const Supplemental kSupplemental[] = {
    {"flat 6.25 % (2026 booklet): 1000 x 6.25 %", 2026, 145, 0, 1500.0, 1000.0, 62.50},
    {"flat 6.25 % (2025 booklet): 333 x 6.25 % = 20.8125", 2025, 145, 0, 1500.0, 333.0, 20.81},
    {"flat 6.25 % (2024 booklet): 100 x 6.25 %", 2024, 145, 0, 1500.0, 100.0, 6.25},
    {"aggregate: 52 x 500 more, all in the 6.8 % bracket: 500 x 6.8 %", 2026, 145, 1, 1500.0, 500.0, 34.00},
    {"aggregate with negative supplemental wages is floored at 0", 2026, 145, 1, 1500.0, -500.0, 0.0},
    {"aggregate with no supplemental wages: 0", 2026, 145, 1, 1500.0, 0.0, 0.0},
    {"method 2 computes neither", 2026, 145, 2, 1500.0, 1000.0, 7.77},
    {"layout 144 computes no supplemental tax", 2026, 144, 0, 1500.0, 1000.0, 7.77},
};

TEST(Minnesota, SupplementalWages) {
    for (const Supplemental& c : kSupplemental) {
        StatePaycheck p(kMinnesota, c.year, 0, 52, 1, c.wages);
        p.state.struc_version = c.version;
        p.state.state_supp_aggregate = c.method;
        p.state.state_supplemental_wages = c.supplemental_wages;
        p.state.state_supplemental_tax = 7.77;
        EXPECT_EQ(p.run(), 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, c.expected) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_rate_used, 0.068) << c.why << ": the regular wages' rate";
    }
}

TEST(Minnesota, CalledDirectlyPayPeriodsBelowOneGiveAFiniteTax) {
    for (int64_t periods : {0, -1, -52}) {
        StatePaycheck p(kMinnesota, 2026, 0, periods, 1, 1500.0);
        p.state.state_supp_aggregate = 1;
        p.state.state_supplemental_wages = 500.0;
        EXPECT_EQ(p.run_direct(state_mn), 0) << periods;
        // No annual wages: the allowance leaves nothing taxable.
        EXPECT_DOUBLE_EQ(p.state.state_tax, 0.0) << periods;
        EXPECT_TRUE(std::isfinite(p.state.state_supplemental_tax)) << periods;
    }
}

TEST(Minnesota, WagesTooLargeToRepresentFitNoBracket) {
    StatePaycheck p(kMinnesota, 2026, 0, 52, 1, 1e308);
    EXPECT_EQ(p.run() & 8, 8);
    EXPECT_EQ(p.state.state_error, 1);
    EXPECT_TRUE(std::isfinite(p.state.state_tax));
}

TEST(Minnesota, TablesHoldAnnualSchedulesFor2024To2026) {
    txl5_test::expect_schedules(mnwh, {2026, 2025, 2024}, {0, 1}, {1}, "mnwh");
    txl5_test::expect_newest_first(mnwh, "mnwh");
    EXPECT_EQ(txl5::table_row_count(mnwh), 30);
    for (const StateBracketRow* row = mnwh; row->start_date.month != 0; ++row) EXPECT_EQ(row->pay_periods, 1);
    EXPECT_EQ(txl5::table_row_count(supplemental_mn), 3);
}

TEST(Minnesota, Exports) {
    txl5_test::expect_typed_functions({"state_mn"});
    txl5_test::expect_data_objects({"mnwh", "supplemental_mn"});
}

const int kMnwhBrackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "mnwh";
    t.rows = txl5_test::bracket_rows(mnwh);
    // 2026 single: the base at 38,010 is carried as 1782.00 while the rate
    // gives 1,782.085 (the booklet prints 1,782.09), and the next base,
    // 6958.25, follows from 1,782.09, so it too differs from 1782.00 plus
    // 6.8 % of the bracket.
    t.allowed_rows = {2, 3};
    return t;
});

}  // namespace
