#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "states/hawaii.h"
#include "tests/states/bracket_state_support.h"
#include "tests/support/brackets.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::StatePaycheck;

constexpr int64_t kHawaii = 15;

const txl5_test::BracketPaycheck kPaychecks[] = {
    {"2026 single biweekly 2000, 1 allowance: 52,000 - 1,144 - 4,350 = 46,506; 1675 + 7.2 % x 10,506 = 2431.43; "
     "/ 26",
     2026, 0, 26, 1, 2000.0, 93.52, 0.072},
    {"status 12 is withheld as single: as the line above", 2026, 12, 26, 1, 2000.0, 93.52, 0.072},
    {"2026 annual, taxable exactly 9,600 (13,950 - 4,350) is in the first bracket: 1.4 % x 9,600", 2026, 0, 1, 0,
     13950.0, 134.40, 0.014},
    {"taxable 9,600.01 is in the second bracket: the printed base 134 + 3.2 % x 0.01", 2026, 0, 1, 0, 13950.01,
     134.00, 0.032},
    {"taxable floored at 0 falls in the first bracket (floor 0) with no tax", 2026, 0, 1, 0, 4000.0, 0.0, 0.014},
    {"2025 married semimonthly 4000, 2 allowances: 96,000 - 2,288 - 1,650 = 92,062; 3350 + 7.2 % x 20,062 = "
     "4794.46; / 24",
     2025, 1, 24, 2, 4000.0, 199.77, 0.072},
    {"2024 single weekly 1000, 1 allowance, no standard deduction: 50,856; 2266 + 7.9 % x 14,856 = 3439.62; / 52",
     2024, 0, 52, 1, 1000.0, 66.15, 0.079},
    {"2024 married monthly 3000: 36,000; 1363 + 6.8 % x 7,200 = 1852.60; / 12", 2024, 1, 12, 0, 3000.0, 154.38,
     0.068},
    {"2024 annual, married, taxable 48,000 is the top of its bracket: 2016 + 7.2 % x 9,600 = 2707.20", 2024, 1, 1, 0,
     48000.0, 2707.20, 0.072},
};

TEST(Hawaii, Paychecks) {
    txl5_test::expect_paychecks(kHawaii, kPaychecks);
}

// aux_result holds the taxable wages of a row of the employee's own frequency
// (an annual payroll), in whole dollars; the annual fall-back leaves it alone.
TEST(Hawaii, AuxResultHoldsTheTaxableWagesOfAnOwnFrequencyRow) {
    const struct {
        std::string why;
        int64_t pay_periods;
        double wages;
        int64_t aux_result;
    } cases[] = {
        {"annual 13,950.99 less 4,350: 9,600.99 cut to 9,600", 1, 13950.99, 9600},
        {"annual 4,000 less 4,350 is floored at 0", 1, 4000.0, 0},
        {"weekly wages are taxed on the annual fall-back: untouched", 52, 1000.0, 77},
    };
    for (const auto& c : cases) {
        StatePaycheck p(kHawaii, 2026, 0, c.pay_periods, 0, c.wages);
        p.fed.aux_result = 77;
        p.state.state_supplemental_wages = 50000.0;  // the aggregate repeat does not write it
        EXPECT_EQ(p.run(), 0) << c.why;
        EXPECT_EQ(p.fed.aux_result, c.aux_result) << c.why;
    }
}

TEST(Hawaii, ExemptStatusesWithholdNothing) {
    for (int64_t status : {13, 14}) {
        StatePaycheck p(kHawaii, 2026, status, 26, 0, 5000.0, 3, 9);
        p.state.state_supplemental_wages = 1000.0;
        p.state.state_supplemental_tax = 7.77;
        EXPECT_EQ(p.run(), 0) << status;
        EXPECT_EQ(p.state.state_error, 0) << status;
        EXPECT_EQ(p.state.state_tax, 0.0) << status;
        EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, 7.77) << status;  // not computed
        EXPECT_EQ(p.state.state_table_year, 2017) << status;
        EXPECT_EQ(p.state.state_table_month, 3) << status;
    }
}

struct Supplemental {
    std::string why;
    int64_t version;
    int64_t method;  // state_supp_aggregate: not consulted
    double bonus;
    double expected;  // state_supplemental_tax; the preset 7.77 where none is computed
};

// The 2026 single biweekly paycheck above (annual taxable 46,506) with a bonus.
const Supplemental kSupplemental[] = {
    {"1000 a period is 26,000 a year across 48,000: 1,494 x 7.2 % + 24,506 x 7.6 % = 1970.02; / 26 = 75.770", 145, 1,
     1000.0, 75.77},
    {"50 a period (1,300 a year) within the 7.2 % bracket: 50 x 7.2 %", 145, 2, 50.0, 3.60},
    {"negative supplemental wages give 0", 145, 1, -1000.0, 0.0},
    {"layout 144 computes no supplemental tax", 144, 1, 1000.0, 7.77},
};

TEST(Hawaii, SupplementalWagesAlwaysAggregate) {
    for (const Supplemental& c : kSupplemental) {
        StatePaycheck p(kHawaii, 2026, 0, 26, 1, 2000.0);
        p.state.struc_version = c.version;
        p.state.state_supp_aggregate = c.method;
        p.state.state_supplemental_wages = c.bonus;
        p.state.state_supplemental_tax = 7.77;
        EXPECT_EQ(p.run(), 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_tax, 93.52) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, c.expected) << c.why;
    }
}

TEST(Hawaii, NonFiniteWagesFitNoBracket) {
    for (double wages : {std::numeric_limits<double>::infinity(), std::nan("")}) {
        StatePaycheck p(kHawaii, 2026, 0, 1, 0, wages);
        p.fed.aux_result = 77;
        EXPECT_EQ(p.run() & 8, 8) << wages;
        EXPECT_EQ(p.state.state_tax, 0.0) << wages;
        EXPECT_EQ(p.fed.aux_result, 77) << wages;
    }
}

TEST(Hawaii, TablesAndExports) {
    EXPECT_EQ(txl5::table_row_count(hiwh), 3 * 2 * 8);
    txl5_test::expect_typed_functions({"state_hi"});
    txl5_test::expect_data_objects({"hiwh"});
}

const int kHiwhBrackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "hiwh";
    t.rows = txl5_test::schedule_rows(hiwh, [](const HawaiiBracketRow& r) {
        return txl5_test::ScheduleRow{r.start_date, r.end_date, r.status, r.pay_periods, r.lower, r.upper, r.base,
                                      r.rate};
    });
    // Hawaii prints each base as the running total rounded to whole dollars,
    // so a base may lie up to a dollar from the previous base plus rate times
    // width (110 after 34 + 76.80).
    t.tolerance = 1.0;
    return t;
});

}  // namespace
