#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "states/georgia.h"
#include "tests/states/bracket_state_support.h"
#include "tests/support/brackets.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::StatePaycheck;

constexpr int64_t kGeorgia = 13;

struct Paycheck {
    std::string why;
    int64_t year;
    int64_t month;
    int64_t status;
    int64_t periods;
    int64_t allowances;  // personal allowances
    int64_t additional;  // dependent and additional allowances
    double wages;
    double tax;  // after the driver's rounding to cents
    double rate_used;
    int64_t table_month;  // start of the rows used
};

const Paycheck kPaychecks[] = {
    {"2026 biweekly 2000, one dependent: (2000 - 12000 / 26 - 4000 / 26) x 5.19 % = 1384.62 x 5.19 %", 2026, 6, 0,
     26, 0, 1, 2000.0, 71.86, 0.0519, 1},
    {"status 10 is single", 2026, 6, 10, 26, 0, 1, 2000.0, 71.86, 0.0519, 1},
    {"status 3 is single", 2026, 6, 3, 26, 0, 1, 2000.0, 71.86, 0.0519, 1},
    {"2026 status 4 (24000): (52000 - 24000) x 5.19 % / 26 = 55.89", 2026, 6, 4, 26, 0, 0, 2000.0, 55.89, 0.0519, 1},
    {"October 2025 rows, 5.19 %: (52000 - 12000) x 5.19 % / 26 = 79.85", 2025, 11, 0, 26, 0, 0, 2000.0, 79.85, 0.0519,
     10},
    {"January-September 2025, 5.39 %: 40000 x 5.39 % / 26 = 82.92", 2025, 6, 0, 26, 0, 0, 2000.0, 82.92, 0.0539, 1},
    {"January-September 2025, status 5 at 12000: as the line above", 2025, 6, 5, 26, 0, 0, 2000.0, 82.92, 0.0539, 1},
    {"July-December 2024, 5.39 %, dependent 4000: (52000 - 12000 - 4000) x 5.39 % / 26 = 74.63", 2024, 8, 0, 26, 0,
     1, 2000.0, 74.63, 0.0539, 7},
    {"January-June 2024, 5.49 %, dependent 3000; the personal allowance is no longer deducted: 37000 x 5.49 % / 26 = "
     "78.13",
     2024, 3, 0, 26, 1, 1, 2000.0, 78.13, 0.0549, 1},
    {"2023 annual, one personal allowance: 52000 - 5400 - 2700 = 43900; 230 + 5.75 % x 36900 = 2351.75", 2023, 6, 0,
     1, 1, 0, 52000.0, 2351.75, 0.0575, 1},
    {"2023 annual married, one income, two allowances, one dependent: 40000 - 7100 - 7400 - 3000 = 22500; 340 + "
     "5.75 % x 12500 = 1058.75",
     2023, 6, 4, 1, 2, 1, 40000.0, 1058.75, 0.0575, 1},
    {"2023 annual married separately 6000: 6000 - 3550 - 0 = 2450; 25 + 3 % x 950 = 53.50", 2023, 6, 11, 1, 0, 0,
     6000.0, 53.50, 0.03, 1},
    {"2023 weekly (derived schedule): 1000 - 103.85 - 51.92 = 844.23; 4.42 + 5.75 % x (844.23 - 134.62) = 45.22",
     2023, 6, 0, 52, 1, 0, 1000.0, 45.22, 0.0575, 1},
    {"deductions above the wages: no tax", 2026, 6, 0, 26, 0, 3, 300.0, 0.0, 0.0519, 1},
};

TEST(Georgia, Paychecks) {
    for (const Paycheck& c : kPaychecks) {
        StatePaycheck p(kGeorgia, c.year, c.status, c.periods, c.allowances, c.wages, c.month);
        p.state.state_additional_count = c.additional;
        EXPECT_EQ(p.run() & 8, 0) << c.why;
        EXPECT_EQ(p.state.state_error, 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_tax, c.tax) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_rate_used, c.rate_used) << c.why;
        EXPECT_EQ(p.state.state_table_year, c.year) << c.why;
        EXPECT_EQ(p.state.state_table_month, c.table_month) << c.why;
    }
}

// Status 11 has no rows from October 2025: through the driver's retry a 2026
// check before October is computed on the January-September 2025 rows.
TEST(Georgia, Status11In2026UsesThe2025Rows) {
    StatePaycheck p(kGeorgia, 2026, 11, 1, 0, 52000.0);
    EXPECT_EQ(p.run() & 8, 0);
    EXPECT_DOUBLE_EQ(p.state.state_tax, 2156.0);  // (52000 - 12000) x 5.39 %
    EXPECT_EQ(p.state.state_table_year, 2025);
    StatePaycheck late(kGeorgia, 2026, 11, 1, 0, 52000.0, 11, 2);
    EXPECT_EQ(late.run() & 8, 8);
    EXPECT_EQ(late.state.state_error, 1);
    EXPECT_EQ(late.state.state_table_year, 2017);
}

struct Supplemental {
    std::string why;
    int64_t year;
    int64_t periods;
    double wages;
    double expected;
};

// Single, no allowances; a bonus of 1000.
const Supplemental kSupplemental[] = {
    {"2023, annualized taxable 9000 (14400 - 5400): band 8000-10000, 3 %", 2023, 1, 14400.0, 30.0},
    {"2023, all wages deducted (annualized taxable 0): the first band, 2 %", 2023, 1, 1000.0, 20.0},
    {"2023, biweekly 1000: 26 x (1000 - 207.69) = 20600.06, over 15000: 5.75 %", 2023, 26, 1000.0, 57.50},
    {"January-June 2024, annual 22000 - 12000 = 10000: band 10000-12000, 4 %", 2024, 1, 22000.0, 40.0},
    {"2026: 5.19 % in every band", 2026, 26, 2000.0, 51.90},
};

TEST(Georgia, SupplementalRateByAnnualizedTaxableWages) {
    for (const Supplemental& c : kSupplemental) {
        StatePaycheck p(kGeorgia, c.year, 0, c.periods, 0, c.wages, c.year == 2024 ? 3 : 6);
        p.state.state_supplemental_wages = 1000.0;
        p.state.state_supp_aggregate = 1;  // not consulted
        EXPECT_EQ(p.run() & 8, 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, c.expected) << c.why;
    }
    StatePaycheck old(kGeorgia, 2026, 0, 26, 0, 2000.0);
    old.state.struc_version = 144;
    old.state.state_supplemental_wages = 1000.0;
    old.state.state_supplemental_tax = 7.77;
    old.run();
    EXPECT_DOUBLE_EQ(old.state.state_supplemental_tax, 7.77);
}

// A failed scan returns before the supplemental step; every working value
// starts at 0, so a paycheck that finds no row reads nothing unset.
TEST(Georgia, NoRowWritesNoSupplementalTax) {
    StatePaycheck p(kGeorgia, 2026, 7, 26, 0, 2000.0);
    p.state.state_supplemental_wages = 1000.0;
    p.state.state_supplemental_tax = 7.77;
    EXPECT_EQ(p.run_direct(state_ga), 1);
    EXPECT_EQ(p.state.state_error, 1);
    EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, 7.77);
    EXPECT_DOUBLE_EQ(p.state.state_tax, 0.0);
}

TEST(Georgia, NonFiniteAmountsAndPayPeriodsBelowOne) {
    StatePaycheck p(kGeorgia, 2026, 0, 26, 0, std::numeric_limits<double>::infinity());
    EXPECT_EQ(p.run() & 8, 8);
    EXPECT_TRUE(std::isfinite(p.state.state_tax));
    StatePaycheck counts(kGeorgia, 2023, 0, 26, std::numeric_limits<int64_t>::max(), 2000.0);
    counts.state.state_additional_count = std::numeric_limits<int64_t>::min();
    counts.run();
    EXPECT_TRUE(std::isfinite(counts.state.state_tax));
    for (int64_t periods : {0, -26}) {
        StatePaycheck q(kGeorgia, 2026, 0, periods, 0, 2000.0);
        q.state.state_supplemental_wages = 100.0;
        q.run_direct(state_ga);
        EXPECT_TRUE(std::isfinite(q.state.state_tax)) << periods;
        EXPECT_TRUE(std::isfinite(q.state.state_supplemental_tax)) << periods;
    }
    EXPECT_EQ(state_ga(nullptr, nullptr), 1);
}

TEST(Georgia, Tables) {
    // 2024 on: 5 or 6 annual rows per block (the first half of 2024 twice);
    // 2023: six brackets, five frequencies, six statuses.
    EXPECT_EQ(txl5::table_row_count(gawh), 5 + 5 + 6 + 6 + 6 + 6 + 6 * 5 * 6);
    EXPECT_EQ(txl5::table_row_count(supplemental_ga), 6 * 5);
}

TEST(Georgia, Exports) {
    txl5_test::expect_typed_functions({"state_ga"});
    txl5_test::expect_data_objects({"gawh", "supplemental_ga"});
}

const int kGawhBrackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "gawh";
    t.rows = txl5_test::schedule_rows(gawh, [](const GaWhRow& r) {
        return txl5_test::ScheduleRow{r.start_date, r.end_date, r.status, r.pay_periods,
                                      r.lower,      r.upper,    r.base,   r.rate};
    });
    // The per-frequency schedules of 2023 round bounds and bases to the cent
    // separately.
    t.tolerance = 0.02;
    return t;
});

}  // namespace
