#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "states/rhodeisland.h"
#include "tests/states/bracket_state_support.h"
#include "tests/support/brackets.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::StatePaycheck;

constexpr int64_t kRhodeIsland = 47;

const txl5_test::BracketPaycheck kPaychecks[] = {
    // Published schedules: annual taxable wages at a bracket floor bear the printed base.
    {"2026 tables: 186,450 + one exemption of 1,000; over 186,450 the tax is 8,035.88", 2026, 0, 1, 1, 187450.0,
     8035.88, 0.0599},
    {"2025 tables: over 79,900 the tax is 2,996.25", 2025, 1, 1, 1, 80900.0, 2996.25, 0.0475},
    {"2024 tables: over 77,450 the tax is 2,904.38", 2024, 0, 1, 1, 78450.0, 2904.38, 0.0475},
    // The 2026 weekly schedule (exemption 19.23; 1,578 / 3,586; bases 59.18 / 154.56).
    {"weekly, 2 exemptions, under the 5,592.31 limit: 2000 - 38.46 = 1961.54; 59.18 + 4.75 % x 383.54", 2026, 0,
     52, 2, 2000.0, 77.40, 0.0475},
    {"status 2 is withheld on the schedule of status 0: as above", 2026, 2, 52, 2, 2000.0, 77.40, 0.0475},
    {"married: the same brackets", 2026, 1, 52, 2, 2000.0, 77.40, 0.0475},
    {"weekly 6000 is above the limit: no exemptions; 154.56 + 5.99 % x 2414 = 299.1586", 2026, 0, 52, 2, 6000.0,
     299.16, 0.0599},
    {"wages equal to the limit keep the exemptions: 5553.85; 154.56 + 5.99 % x 1967.85 = 272.43", 2026, 0, 52, 2,
     5592.31, 272.43, 0.0599},
    {"a cent above the limit: 154.56 + 5.99 % x 2006.32 = 274.74", 2026, 0, 52, 2, 5592.32, 274.74, 0.0599},
    {"daily (260), annual limit on 312,000: no exemptions; (8035.88 + 5.99 % x 125,550) / 260 = 59.83", 2026, 0,
     260, 1, 1200.0, 59.83, 0.0599},
    {"daily (260) under the annual limit: 259,000; (8035.88 + 5.99 % x 72,550) / 260 = 47.62", 2026, 0, 260, 1,
     1000.0, 47.62, 0.0599},
    // Other years' frequencies (derived: bounds to the dollar, bases to the cent).
    {"2025 weekly (ceiling 1,537): 3.75 % x (1000 - 19.23) = 36.78", 2025, 0, 52, 1, 1000.0, 36.78, 0.0375},
    {"2024 biweekly (ceiling 2,979): 3.75 % x (2000 - 38.46) = 73.56", 2024, 1, 26, 1, 2000.0, 73.56, 0.0375},
    {"exemptions above the wages: nothing taxable", 2026, 0, 12, 5, 300.0, 0.00, 0.0375},
};

TEST(RhodeIsland, Paychecks) {
    txl5_test::expect_paychecks(kRhodeIsland, kPaychecks);
}

struct LimitCase {
    std::string why;
    int64_t year;
    int64_t pay_periods;
    double wages;
    double factor;
};

const LimitCase kLimits[] = {
    {"weekly under the limit", 2026, 52, 2000.0, 1.0},
    {"weekly over the limit", 2026, 52, 6000.0, 0.0},
    {"equal to the limit", 2026, 52, 5592.31, 1.0},
    {"2025 weekly limit 283,250 / 52 = 5,447.12: 5,447.13 is over", 2025, 52, 5447.13, 0.0},
    {"2010 and before never withdraw", 2010, 52, 1e6, 1.0},
    {"no limit row for the date keeps the exemptions", 2023, 52, 1e6, 1.0},
    {"monthly over 24,233.33", 2026, 12, 24233.34, 0.0},
    {"daily tested on annual wages: 260 x 1200 = 312,000 over 290,800", 2026, 260, 1200.0, 0.0},
};

TEST(RhodeIsland, AdjustExemption) {
    for (const LimitCase& c : kLimits) {
        StatePaycheck p(kRhodeIsland, c.year, 0, c.pay_periods, 1, c.wages);
        EXPECT_DOUBLE_EQ(adjust_exemption(&p.fed, &p.state), c.factor) << c.why;
    }
    StatePaycheck p(kRhodeIsland, 2026, 0, 52, 1, 6000.0);
    EXPECT_DOUBLE_EQ(adjust_exemption(nullptr, &p.state), 1.0);
    EXPECT_DOUBLE_EQ(adjust_exemption(&p.fed, nullptr), 1.0);
}

struct Supplemental {
    std::string why;
    int64_t method;
    double wages;
    double supplemental_wages;
    double expected;  // the preset 7.77 where none is computed
};

const Supplemental kSupplemental[] = {
    {"flat 5.99 %: 1000 x 5.99 %", 0, 2000.0, 1000.0, 59.90},
    {"aggregate: 2961.54; 59.18 + 4.75 % x 1383.54 = 124.898, less 77.398", 1, 2000.0, 1000.0, 47.50},
    {"aggregate keeps the exemptions of the regular wages (5000 under the limit): 296.855 - 236.955", 1, 5000.0,
     1000.0, 59.90},
    {"aggregate with negative supplemental wages: floored at 0", 1, 2000.0, -1000.0, 0.0},
    {"method 2 computes neither", 2, 2000.0, 1000.0, 7.77},
};

TEST(RhodeIsland, SupplementalWages) {
    for (const Supplemental& c : kSupplemental) {
        StatePaycheck p(kRhodeIsland, 2026, 0, 52, 2, c.wages);
        p.state.state_supp_aggregate = c.method;
        p.state.state_supplemental_wages = c.supplemental_wages;
        p.state.state_supplemental_tax = 7.77;
        EXPECT_EQ(p.run(), 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, c.expected) << c.why;
    }
}

TEST(RhodeIsland, FailuresStayFinite) {
    StatePaycheck unknown(kRhodeIsland, 2026, 3, 52, 0, 1000.0);  // no schedule for status 3
    EXPECT_EQ(unknown.run() & 8, 8);
    EXPECT_EQ(unknown.state.state_error, 1);
    StatePaycheck huge(kRhodeIsland, 2026, 0, 260, 0, 1e308);
    EXPECT_EQ(huge.run() & 8, 8);
    EXPECT_TRUE(std::isfinite(huge.state.state_tax));
    for (int64_t periods : {0, -52}) {
        StatePaycheck p(kRhodeIsland, 2026, 0, periods, 1, 1000.0);
        EXPECT_EQ(p.run_direct(state_ri), 0) << periods;
        EXPECT_DOUBLE_EQ(p.state.state_tax, 0.0) << periods;
    }
    EXPECT_NE(state_ri(nullptr, &huge.state), 0);
}

TEST(RhodeIsland, Tables) {
    txl5_test::expect_schedules(riwh, {2026, 2025, 2024}, {0, 1}, {1, 52, 26, 24, 12, 4, 2}, "riwh");
    txl5_test::expect_newest_first(riwh, "riwh");
    EXPECT_EQ(txl5::table_row_count(riwh), 126);
    EXPECT_EQ(txl5::table_row_count(exemption_limit), 21);
    EXPECT_EQ(txl5::table_row_count(supplemental_ri), 3);
    txl5_test::expect_typed_functions({"state_ri", "adjust_exemption"});
    txl5_test::expect_data_objects({"riwh", "exemption_limit", "supplemental_ri"});
}

const int kRiwhBrackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "riwh";
    t.rows = txl5_test::bracket_rows(riwh);
    return t;
});

}  // namespace
