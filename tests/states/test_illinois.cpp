#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "states/illinois.h"
#include "tests/states/bracket_state_support.h"
#include "tests/support/brackets.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::StatePaycheck;

constexpr int64_t kIllinois = 17;

// Paychecks by the IL-700-T automated payroll method: the annual wages less
// the exemptions (basic allowance amount of the year, 1,000 per additional
// allowance), times 4.95 %, divided by the pay periods.
struct IllinoisCase {
    std::string why;
    int64_t year, month, day;
    int64_t pay_periods;
    int64_t basic, additional;
    double wages;
    double state_tax;
    int64_t table_month, table_day;  // start of the row used
};

const IllinoisCase kCases[] = {
    {"2026 biweekly: (52,000 - 2,925 - 1,000) x 4.95 % / 26 = 91.53", 2026, 6, 15, 26, 1, 1, 2000.0, 91.53, 1, 1},
    {"2025 weekly: (52,000 - 2 x 2,850) x 4.95 % / 52 = 2,291.85 / 52 = 44.07", 2025, 6, 15, 52, 2, 0, 1000.0, 44.07,
     1, 1},
    {"2024 monthly: (48,000 - 2,775) x 4.95 % / 12 = 2,238.64 / 12 = 186.55", 2024, 6, 15, 12, 1, 0, 4000.0, 186.55,
     1, 1},
    {"2024 semi-monthly, no allowances: 60,000 x 4.95 % / 24 = 123.75", 2024, 6, 15, 24, 0, 0, 2500.0, 123.75, 1, 1},
    {"2026 annual payroll on its own row: (50,000 - 2,925) x 4.95 % = 2,330.21", 2026, 6, 15, 1, 1, 0, 50000.0,
     2330.21, 1, 1},
    {"5 July 2023: (52,000 - 2,625) x 4.95 % / 52 = 2,444.06 / 52 = 47.00", 2023, 7, 5, 52, 1, 0, 1000.0, 47.00, 1,
     1},
    {"6 July 2023: (52,000 - 2,425) x 4.95 % / 52 = 2,453.96 / 52 = 47.19", 2023, 7, 6, 52, 1, 0, 1000.0, 47.19, 7,
     6},
    {"2022: 2,425 as from 6 July 2023", 2022, 3, 1, 52, 1, 0, 1000.0, 47.19, 1, 1},
    {"allowances above the wages: nothing taxable", 2026, 6, 15, 52, 2, 0, 50.0, 0.0, 1, 1},
};

TEST(Illinois, Paychecks) {
    for (const IllinoisCase& c : kCases) {
        StatePaycheck p(kIllinois, c.year, 0, c.pay_periods, c.basic, c.wages, c.month, c.day);
        p.state.state_additional_allowances2 = c.additional;
        // The federal tables start in 2024: only the state part is judged.
        EXPECT_EQ(p.run() & 8, 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_tax, c.state_tax) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_rate_used, 0.0495) << c.why;
        EXPECT_EQ(p.state.state_table_year, c.year) << c.why;
        EXPECT_EQ(p.state.state_table_month, c.table_month) << c.why;
        EXPECT_EQ(p.state.state_table_day, c.table_day) << c.why;
    }
}

TEST(Illinois, CheckDatesOutsideTheRows) {
    // 2027: the driver's retry takes the 2026 row (the first paycheck above).
    StatePaycheck later(kIllinois, 2027, 0, 26, 1, 2000.0);
    later.state.state_additional_allowances2 = 1;
    EXPECT_EQ(later.run() & 8, 0);
    EXPECT_DOUBLE_EQ(later.state.state_tax, 91.53);
    EXPECT_EQ(later.state.state_table_year, 2026);
    // 2021: no row, nor for 2020.
    StatePaycheck earlier(kIllinois, 2021, 0, 26, 1, 2000.0, 4, 9);
    EXPECT_EQ(earlier.run() & 8, 8);
    EXPECT_EQ(earlier.state.state_error, 1);
    EXPECT_EQ(earlier.state.state_table_year, 2017);
    EXPECT_EQ(earlier.state.state_table_month, 4);
    EXPECT_EQ(earlier.state.state_table_day, 9);
}

struct Supplemental {
    std::string why;
    int64_t version;
    int64_t method;  // state_supp_aggregate: never read
    double bonus;
    double expected;  // the preset 7.77 where none is computed
};

const Supplemental kSupplemental[] = {
    {"always with the regular wages: 52 x 500 more at 4.95 %, / 52 = 24.75", 145, -1, 500.0, 24.75},
    {"the flat-rate choice is not read: 24.75 again", 145, 0, 500.0, 24.75},
    {"negative supplemental wages give 0, not a negative tax", 145, 1, -2000.0, 0.0},
    {"layout 144 computes no supplemental tax", 144, 1, 500.0, 7.77},
};

TEST(Illinois, SupplementalWagesAreTaxedWithTheRegularWages) {
    for (const Supplemental& c : kSupplemental) {
        StatePaycheck p(kIllinois, 2026, 0, 52, 1, 1000.0);
        p.state.struc_version = c.version;
        p.state.state_supp_aggregate = c.method;
        p.state.state_supplemental_wages = c.bonus;
        p.state.state_supplemental_tax = 7.77;
        EXPECT_EQ(p.run(), 0) << c.why;
        EXPECT_NEAR(p.state.state_supplemental_tax, c.expected, 1e-9) << c.why;
    }
}

TEST(Illinois, ExtremeCallerValuesGiveFiniteAmounts) {
    const double inf = std::numeric_limits<double>::infinity();
    // Counts at the int64 limits cannot overflow: the exemptions exceed any
    // wages (no tax) or are negative (a tax on more than the wages), finite
    // either way.
    for (int64_t count : {std::numeric_limits<int64_t>::max(), std::numeric_limits<int64_t>::min()}) {
        StatePaycheck p(kIllinois, 2026, 0, 52, count, 1000.0);
        p.state.state_additional_allowances2 = count;
        p.run();
        EXPECT_TRUE(std::isfinite(p.state.state_tax)) << count;
    }
    // Wages that are not a number fit no bracket.
    for (double wages : {inf, std::nan("")}) {
        StatePaycheck p(kIllinois, 2026, 0, 52, 1, wages);
        EXPECT_EQ(p.run() & 8, 8);
        EXPECT_EQ(p.state.state_error, 1);
        EXPECT_TRUE(std::isfinite(p.state.state_tax));
    }
    // Called directly with no pay periods: nothing to annualize, no tax.
    for (int64_t periods : {0, -26}) {
        StatePaycheck p(kIllinois, 2026, 0, periods, 0, 1000.0);
        p.state.state_supplemental_wages = 500.0;
        EXPECT_EQ(p.run_direct(state_il), 0) << periods;
        EXPECT_EQ(p.state.state_tax, 0.0) << periods;
        EXPECT_TRUE(std::isfinite(p.state.state_supplemental_tax)) << periods;
    }
}

TEST(Illinois, NullRecordsFailAndTouchNothing) {
    StatePaycheck p(kIllinois, 2026, 0, 52, 1, 1000.0);
    const StatePaycheck before = p;
    EXPECT_NE(state_il(nullptr, &p.state), 0);
    EXPECT_NE(state_il(&p.fed, nullptr), 0);
    EXPECT_EQ(std::memcmp(&p, &before, sizeof p), 0);
}

TEST(Illinois, TableAndExports) {
    EXPECT_EQ(txl5::table_row_count(ilwh), 6);
    txl5_test::expect_typed_functions({"state_il"});
    txl5_test::expect_data_objects({"ilwh"});
}

const int kIlwhBrackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "ilwh";
    t.rows = txl5_test::schedule_rows(ilwh, [](const IllinoisBracketRow& r) {
        return txl5_test::ScheduleRow{r.start_date, r.end_date, r.status, r.pay_periods, r.lower, r.upper, r.base,
                                      r.rate};
    });
    return t;
});

}  // namespace
