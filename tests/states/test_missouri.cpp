#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "states/missouri.h"
#include "tests/local/locality_paycheck.h"
#include "tests/states/bracket_state_support.h"
#include "tests/support/brackets.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::StatePaycheck;

constexpr int64_t kMissouri = 30;

// Allowances carry no amount in any year held, so the count never changes the
// tax; the federal tax withheld is deducted up to a cap of 0.
const txl5_test::BracketPaycheck kPaychecks[] = {
    // Printed schedules: an annual taxable amount at a bracket floor bears the printed base.
    {"Form 4282 (2026): 16,100 + 9,436 = 25,536; over 9,436 the tax is 263", 2026, 0, 1, 0, 25536.0, 263.00, 0.047},
    {"2025 formula: 15,000 + 9,191; over 9,191 the tax is 256", 2025, 0, 1, 0, 24191.0, 256.00, 0.047},
    {"2024 formula: 14,600 + 8,911; over 8,911 the tax is 248 at 4.8 %", 2024, 0, 1, 0, 23511.0, 248.00, 0.048},
    // Hand arithmetic.
    {"biweekly single: 52,000 - 16,100 = 35,900; (263 + 4.7 % x 26,464) / 26 = 57.95, whole dollars 58", 2026, 0, 26,
     0, 2000.0, 58.00, 0.047},
    {"monthly married, spouse not working: 60,000 - 32,200 = 27,800; (263 + 4.7 % x 18,364) / 12 = 93.84 -> 94",
     2026, 1, 12, 2, 5000.0, 94.00, 0.047},
    {"annual, married both working: 60,000 - 16,100 = 43,900; 263 + 4.7 % x 34,464 = 1882.81 -> 1883", 2026, 3, 1, 1,
     60000.0, 1883.00, 0.047},
    {"2025 weekly single: 52,000 - 15,000 = 37,000; (256 + 4.7 % x 27,809) / 52 = 30.06 -> 30", 2025, 0, 52, 0,
     1000.0, 30.00, 0.047},
    {"2024 biweekly head of household: 52,000 - 21,900 = 30,100; (248 + 4.8 % x 21,189) / 26 = 48.66 -> 49", 2024,
     2, 26, 0, 2000.0, 49.00, 0.048},
    {"2025 married filing separately: 52 x 1000 - 15,000, as single: 30", 2025, 5, 52, 4, 1000.0, 30.00, 0.047},
    {"wages under the standard deduction: nothing taxable, first bracket", 2026, 0, 52, 0, 200.0, 0.00, 0.0},
    // The annual schedule reached from another frequency includes a bracket's
    // ceiling; an annual payroll includes its floor.
    {"monthly: 12 x 1454 - 16,100 = 1,348 falls in the zero bracket (ceiling included)", 2026, 0, 12, 0, 1454.0, 0.00,
     0.0},
    {"annual: 17,448 - 16,100 = 1,348 falls in the 2 % bracket (floor included)", 2026, 0, 1, 0, 17448.0, 0.00, 0.02},
    {"quarterly: 4 x 4699 - 16,100 = 2,696, the 2 % bracket: 26.96 / 4 = 6.74 -> 7", 2026, 0, 4, 0, 4699.0, 7.00,
     0.02},
};

TEST(Missouri, Paychecks) {
    txl5_test::expect_paychecks(kMissouri, kPaychecks);
}

TEST(Missouri, MarkersInAuxResult) {
    StatePaycheck weekly(kMissouri, 2026, 0, 52, 0, 1000.0);
    weekly.fed.aux_result = 7;
    weekly.run();
    EXPECT_EQ(weekly.fed.aux_result, 54321);  // the annual schedule was used
    StatePaycheck annual(kMissouri, 2026, 0, 1, 0, 52000.0);
    annual.run();
    EXPECT_EQ(annual.fed.aux_result, 1234);  // a schedule of the paycheck's own frequency
}

TEST(Missouri, FixedAmountOnTheCertificate) {
    for (double wages : {0.0, 2000.0, 1e6}) {
        StatePaycheck p(kMissouri, 2026, 0, 26, 0, wages);
        p.state.state_form_option = 25.0;
        p.state.state_table_year = 1999;
        EXPECT_EQ(p.run(), 0);
        EXPECT_DOUBLE_EQ(p.state.state_tax, 25.00) << wages;
        EXPECT_EQ(p.state.state_table_year, 2017) << wages;  // no table read
    }
}

// Extreme allowance counts from a caller: counted without integer overflow
// (checked under the sanitizers), and the tax stays that of no allowances.
TEST(Missouri, ExtremeAllowanceCounts) {
    for (int64_t allowances : {std::numeric_limits<int64_t>::max(), std::numeric_limits<int64_t>::min(), INT64_C(3)}) {
        for (int64_t status : {0, 2, 5}) {
            StatePaycheck p(kMissouri, 2026, status, 26, allowances, 2000.0);
            EXPECT_EQ(p.run(), 0) << allowances;
            // Single as above; head of household (52,000 - 24,150 = 27,850;
            // (263 + 4.7 % x 18,414) / 26 = 43.40 -> 43).
            EXPECT_DOUBLE_EQ(p.state.state_tax, status == 2 ? 43.00 : 58.00) << allowances << " " << status;
        }
    }
}

struct Supplemental {
    std::string why;
    int64_t year;
    int64_t version;
    int64_t method;
    double supplemental_wages;
    double expected;  // the preset 7.77 where none is computed
};

const Supplemental kSupplemental[] = {
    {"flat 4.7 % (2026): 1000 x 4.7 % = 47", 2026, 145, 0, 1000.0, 47.00},
    {"flat 4.7 % in whole dollars: 333 x 4.7 % = 15.65 -> 16", 2025, 145, 0, 333.0, 16.00},
    {"flat 4.8 % (2024): 1000 x 4.8 % = 48", 2024, 145, 0, 1000.0, 48.00},
    {"aggregate: 78,000 - 16,100 = 61,900; (263 + 4.7 % x 52,464) / 26 = 104.95 -> 105; less 58", 2026, 145, 1,
     1000.0, 47.00},
    {"aggregate with negative supplemental wages: floored at 0", 2026, 145, 1, -1000.0, 0.00},
    {"method 2 computes neither", 2026, 145, 2, 1000.0, 7.77},
    {"layout 144 computes no supplemental tax", 2026, 144, 0, 1000.0, 7.77},
};

TEST(Missouri, SupplementalWages) {
    for (const Supplemental& c : kSupplemental) {
        StatePaycheck p(kMissouri, c.year, 0, 26, 0, 2000.0);
        p.state.struc_version = c.version;
        p.state.state_supp_aggregate = c.method;
        p.state.state_supplemental_wages = c.supplemental_wages;
        p.state.state_supplemental_tax = 7.77;
        EXPECT_EQ(p.run(), 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, c.expected) << c.why;
    }
}

TEST(Missouri, NoRowsBefore2024AndNonFiniteWagesFail) {
    StatePaycheck old(kMissouri, 2022, 0, 26, 0, 2000.0);
    EXPECT_EQ(old.run() & 8, 8);
    EXPECT_EQ(old.state.state_error, 1);
    StatePaycheck huge(kMissouri, 2026, 0, 26, 0, 1e308);
    EXPECT_EQ(huge.run() & 8, 8);
    EXPECT_TRUE(std::isfinite(huge.state.state_tax));
    StatePaycheck infinite(kMissouri, 2026, 0, 26, 0, 2000.0);
    infinite.state.state_form_option = std::numeric_limits<double>::infinity();
    EXPECT_EQ(infinite.run() & 8, 8);
    EXPECT_TRUE(std::isfinite(infinite.state.state_tax));
}

TEST(Missouri, CalledDirectly) {
    for (int64_t periods : {0, -26}) {
        StatePaycheck p(kMissouri, 2026, 0, periods, 0, 2000.0);
        EXPECT_EQ(p.run_direct(state_mo), 0) << periods;
        EXPECT_TRUE(std::isfinite(p.state.state_tax)) << periods;
    }
    StatePaycheck p(kMissouri, 2026, 0, 26, 0, 2000.0);
    EXPECT_NE(state_mo(nullptr, &p.state), 0);
    EXPECT_NE(state_mo(&p.fed, nullptr), 0);
}

// A St Louis paycheck runs whole through the local entry point: state tax
// 58.00 as above and the city's 1 % earnings tax.
TEST(Missouri, StLouisPaycheck) {
    txl5_test::LocalityPaycheck p(kMissouri, 2026, 26, 2000.0);
    p.local.locality_code = 1;
    EXPECT_EQ(TXL5_Calc_Local(1, &p.fed, &p.state, &p.local), 0);
    EXPECT_DOUBLE_EQ(p.state.state_tax, 58.00);
    EXPECT_DOUBLE_EQ(p.local.local_tax, 20.00);
}

TEST(Missouri, Tables) {
    EXPECT_EQ(txl5::table_row_count(mowh), 120);  // 3 years x 5 statuses x 8 brackets
    EXPECT_EQ(txl5::table_row_count(supplemental_mo), 3);
    txl5_test::expect_typed_functions({"state_mo"});
    txl5_test::expect_data_objects({"mowh", "supplemental_mo"});
}

const int kMowhBrackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "mowh";
    t.rows = txl5_test::schedule_rows(mowh, [](const MissouriBracketRow& r) {
        return txl5_test::ScheduleRow{r.start_date, r.end_date, r.status, r.pay_periods,
                                      r.lower,      r.upper,    r.base,   r.rate};
    });
    // Missouri prints each base rounded to whole dollars from the unrounded
    // running total, so a base may differ from the previous printed base plus
    // rate x width by up to half a dollar.
    t.tolerance = 0.5;
    return t;
});

}  // namespace
