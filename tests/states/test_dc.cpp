#include <gtest/gtest.h>

#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "states/dc.h"
#include "tests/states/bracket_state_support.h"
#include "tests/support/brackets.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::StatePaycheck;

constexpr int64_t kDistrictOfColumbia = 10;

const txl5_test::BracketPaycheck kPaychecks[] = {
    {"2026 single biweekly 2000, 1 allowance: 52,000 - 4,150 = 47,850; 2200 + 6.5 % x 7850 = 2710.25; / 26", 2026, 0,
     26, 1, 2000.0, 104.24, 0.065},
    {"married filing separately (3) uses the single schedule: as the line above", 2026, 3, 26, 1, 2000.0, 104.24,
     0.065},
    {"2025 married monthly 5000, 2 allowances: 60,000 - 8,300 = 51,700; 2200 + 6.5 % x 11,700 = 2960.50; / 12", 2025,
     1, 12, 2, 5000.0, 246.71, 0.065},
    {"2024 head of household weekly 1500: 78,000; 3500 + 8.5 % x 18,000 = 5030; / 52", 2024, 2, 52, 0, 1500.0, 96.73,
     0.085},
    {"2024 annual 10,000 falls in the bracket it starts: the printed base 400", 2024, 0, 1, 0, 10000.0, 400.00, 0.06},
    {"2025 annual 1,000,000, married: the printed base 91,525 of the top bracket", 2025, 1, 1, 0, 1000000.0, 91525.00,
     0.1075},
    {"allowances worth more than the wages: 2,600 - 4,150 is floored at 0", 2026, 0, 52, 1, 50.0, 0.0, 0.04},
};

TEST(DistrictOfColumbia, Paychecks) {
    txl5_test::expect_paychecks(kDistrictOfColumbia, kPaychecks);
}

struct Supplemental {
    std::string why;
    int64_t version;
    int64_t method;  // state_supp_aggregate: not consulted
    double bonus;
    double expected;  // state_supplemental_tax; the preset 7.77 where none is computed
};

// The 2026 single biweekly paycheck above (annual taxable 47,850) with a bonus.
const Supplemental kSupplemental[] = {
    {"1000 a period is 26,000 a year across 60,000: 12,150 x 6.5 % + 13,850 x 8.5 % = 1967; / 26 = 75.654", 145, 1,
     1000.0, 75.65},
    {"100 within the 6.5 % bracket: 100 x 6.5 %", 145, 2, 100.0, 6.50},
    {"negative supplemental wages give 0", 145, 1, -1000.0, 0.0},
    {"layout 144 computes no supplemental tax", 144, 1, 1000.0, 7.77},
};

TEST(DistrictOfColumbia, SupplementalWagesAlwaysAggregate) {
    for (const Supplemental& c : kSupplemental) {
        StatePaycheck p(kDistrictOfColumbia, 2026, 0, 26, 1, 2000.0);
        p.state.struc_version = c.version;
        p.state.state_supp_aggregate = c.method;
        p.state.state_supplemental_wages = c.bonus;
        p.state.state_supplemental_tax = 7.77;
        EXPECT_EQ(p.run(), 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_tax, 104.24) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, c.expected) << c.why;
    }
}

TEST(DistrictOfColumbia, NoRowsFailsWithTheCheckDateKept) {
    StatePaycheck p(kDistrictOfColumbia, 2022, 0, 26, 1, 2000.0, 3, 9);
    p.state.state_supplemental_wages = 1000.0;
    p.state.state_supplemental_tax = 7.77;
    EXPECT_EQ(p.run() & 8, 8);
    EXPECT_EQ(p.state.state_error, 1);
    EXPECT_EQ(p.state.state_table_year, 2017);
    EXPECT_EQ(p.state.state_table_month, 3);
    EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, 7.77);  // nothing computed
}

TEST(DistrictOfColumbia, TablesAndExports) {
    // Married first, then single, then head of household, each year.
    txl5_test::expect_schedules(dcwh, {2026, 2025, 2024}, {1, 0, 2}, {1}, "dcwh");
    EXPECT_EQ(txl5::table_row_count(dcwh), 3 * 3 * 7);
    EXPECT_EQ(dcwh[7].status, 0);
    txl5_test::expect_typed_functions({"state_dc"});
    txl5_test::expect_data_objects({"dcwh"});
}

const int kDcwhBrackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "dcwh";
    t.rows = txl5_test::bracket_rows(dcwh);
    return t;
});

}  // namespace
