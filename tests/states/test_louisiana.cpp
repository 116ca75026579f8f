#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/txl5.h"
#include "tests/states/bracket_state_support.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::StatePaycheck;

constexpr int64_t kLouisiana = 22;

struct Paycheck {
    std::string why;
    int64_t year;
    int64_t month;
    int64_t day;
    int64_t status;
    int64_t periods;
    int64_t exemptions;
    int64_t credits;  // dependency credits
    double wages;
    double tax;  // after the driver's rounding to cents
    int64_t table_year;
};

const Paycheck kPaychecks[] = {
    // R-1306 (1/26): (annual wages - standard deduction) x 3.09 % / periods.
    {"2026 single biweekly 2000: (52000 - 12875) x 3.09 % / 26 = 46.4986", 2026, 6, 15, 0, 26, 1, 0, 2000.0, 46.50,
     2017},
    {"2026 claim 15, no standard deduction: 52000 x 3.09 % / 26", 2026, 6, 15, 15, 26, 0, 0, 2000.0, 61.80, 2017},
    {"2026 married, annual 23400 below 25750: no tax", 2026, 6, 15, 1, 26, 2, 0, 900.0, 0.0, 2017},
    {"2026 code 5 is married: (52000 - 25750) x 3.09 % / 26 = 31.20", 2026, 6, 15, 5, 26, 2, 0, 2000.0, 31.20, 2017},
    // R-1306 (1/25): standard deduction 12,500 / 25,000.
    {"2025 single biweekly 2000: (52000 - 12500) x 3.09 % / 26 = 46.94", 2025, 6, 15, 0, 26, 1, 0, 2000.0, 46.94,
     2017},
    // R-1306 (1/22) formulas, 2022-2024; thresholds over the periods in whole
    // dollars (12500 / 26 = 480, 50000 / 26 = 1923, 25000 / 26 = 961).
    {"2024 married with one exemption takes the single formula: 37 + 1520 x 1.65 % + 77 x 0.75 % = 62.6575; less "
     "4500 x 1.85 % / 26 = 3.20",
     2024, 6, 15, 1, 26, 1, 0, 2000.0, 59.46, 2024},
    {"2024 married, two exemptions: 37 + 1039 x 1.65 % = 54.1435; less 9000 x 1.85 % / 26 = 6.40", 2024, 6, 15, 1, 26,
     2, 0, 2000.0, 47.74, 2024},
    {"2024 single, 4 exemptions and 2 credits (20000): 12500 x 1.85 % / 26 = 8.89 and 7500 x 1.65 % / 26 = 4.76; "
     "62.6575 - 13.65",
     2024, 6, 15, 0, 26, 4, 2, 2000.0, 49.01, 2024},
    // R-1210 (2/18) from 16 February 2018: 12500 / 52 = 240, 50000 / 52 = 961.
    {"2019 single weekly 1000: 21 + 760 x 1.8 % + 39 x 1.65 % = 35.3235; less 4500 x 2.1 % / 52 = 1.82", 2019, 6, 15,
     0, 52, 1, 0, 1000.0, 33.50, 2019},
    {"16 February 2018 is the first day of that formula", 2018, 2, 16, 0, 52, 1, 0, 1000.0, 33.50, 2018},
    // R-1306 (1/12), July 2009 to 15 February 2018.
    {"15 February 2018, single weekly 1000: 21 + 760 x 1.6 % + 39 x 1.35 % = 33.6865; less 1.82", 2018, 2, 15, 0, 52,
     1, 0, 1000.0, 31.87, 2017},
    {"semimonthly 1560 (the printed table gives 49.39 for 1540.01-1580 from 12500 / 24 = 520.83; the formula's "
     "whole-dollar threshold 520 gives 32.76 + 16.64)",
     2012, 6, 15, 0, 24, 0, 0, 1560.0, 49.40, 2017},
    // January 2003 to June 2009: thresholds 12500 / 52 and 25000 / 52, not rounded.
    {"2007 single weekly 1000: 21 + 1.35 % x 759.62 + 1.35 % x 519.23 - 4500 / 52 x 2.1 % = 36.4471", 2007, 6, 15, 0,
     52, 1, 0, 1000.0, 36.45, 2017},
    {"June 2009 is still the 2003 formula", 2009, 6, 30, 0, 52, 1, 0, 1000.0, 36.45, 2017},
    // Before 2003: 2 % of (wages - 4500 / 52) + 1 % of (wages - 5000 / 52 - 4500 / 52).
    {"2001 single weekly 1000: 18.2692 + 8.1731", 2001, 6, 15, 0, 52, 1, 0, 1000.0, 26.44, 2017},
};

TEST(Louisiana, Paychecks) {
    for (const Paycheck& c : kPaychecks) {
        StatePaycheck p(kLouisiana, c.year, c.status, c.periods, c.exemptions, c.wages, c.month, c.day);
        p.state.state_dependency_credits = c.credits;
        EXPECT_EQ(p.run() & 8, 0) << c.why;
        EXPECT_EQ(p.state.state_error, 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_tax, c.tax) << c.why;
        EXPECT_EQ(p.state.state_table_year, c.table_year) << c.why;
        EXPECT_EQ(p.state.state_table_month, c.month) << c.why;
        EXPECT_EQ(p.state.state_table_day, c.day) << c.why;
    }
}

// From July 2009 to 15 February 2018 the married formula follows the number of
// exemptions; the caller's own status is not written over.
TEST(Louisiana, TheFilingStatusIsNotStoredBack) {
    StatePaycheck p(kLouisiana, 2015, 1, 52, 1, 1000.0);
    EXPECT_EQ(p.run() & 8, 0);
    EXPECT_EQ(p.state.state_filing_status, 1);
    EXPECT_DOUBLE_EQ(p.state.state_tax, 31.87);  // the single formula, as 15 February 2018 above
    StatePaycheck q(kLouisiana, 2015, 0, 52, 2, 1000.0);
    EXPECT_EQ(q.run() & 8, 0);
    EXPECT_EQ(q.state.state_filing_status, 0);
}

// Exemption and credit counts of any size are worked in floating point: no
// overflow, a large claim only removes the tax.
TEST(Louisiana, ExtremeCountsDoNotOverflow) {
    const int64_t most = std::numeric_limits<int64_t>::max();
    const int64_t least = std::numeric_limits<int64_t>::min();
    for (int64_t year : {2024, 2019, 2015, 2007, 2001}) {
        StatePaycheck p(kLouisiana, year, 0, 52, most, 1000.0);
        p.state.state_dependency_credits = most;
        EXPECT_EQ(p.run_direct(state_la), 0) << year;
        EXPECT_DOUBLE_EQ(p.state.state_tax, 0.0) << year;
        StatePaycheck q(kLouisiana, year, 1, 52, least, 1000.0);
        q.state.state_dependency_credits = least;
        q.run_direct(state_la);
        EXPECT_TRUE(std::isfinite(q.state.state_tax)) << year;
    }
}

struct Supplemental {
    std::string why;
    int64_t year;
    int64_t version;
    double bonus;
    double expected;  // the preset 7.77 where none is written
};

// Single, one exemption, biweekly 2000 (weekly 1000 in 2007).
const Supplemental kSupplemental[] = {
    {"2026: (52000 + 1000 - 12875) x 3.09 % - 26 x 46.4986 = 30.90, not rounded", 2026, 145, 1000.0, 30.90},
    {"2024: 2500 gives 46.25 + 2020 x 1.65 % + 577 x 0.75 % - 3.20 = 80.71; less 59.46", 2024, 145, 500.0, 21.25},
    {"2007: 520 adds 10 a week at 2.1 + 1.35 + 1.35 %", 2007, 145, 520.0, 0.48},
    {"no supplemental wages: nothing written", 2026, 145, 0.0, 7.77},
    {"layout 144: nothing written", 2026, 144, 1000.0, 7.77},
};

TEST(Louisiana, SupplementalWagesAreTaxedTogetherWithTheWages) {
    for (const Supplemental& c : kSupplemental) {
        const bool weekly = c.year == 2007;
        StatePaycheck p(kLouisiana, c.year, 0, weekly ? 52 : 26, 1, weekly ? 1000.0 : 2000.0);
        p.state.struc_version = c.version;
        p.state.state_supplemental_wages = c.bonus;
        p.state.state_supplemental_tax = 7.77;
        EXPECT_EQ(p.run() & 8, 0) << c.why;
        EXPECT_NEAR(p.state.state_supplemental_tax, c.expected, 1e-9) << c.why;
    }
}

TEST(Louisiana, NonFiniteWagesAndPayPeriodsBelowOne) {
    for (int64_t year : {2026, 2024, 2015, 2007, 2001}) {
        StatePaycheck p(kLouisiana, year, 0, 26, 1, std::numeric_limits<double>::infinity());
        EXPECT_EQ(p.run() & 8, 8) << year;
        EXPECT_TRUE(std::isfinite(p.state.state_tax)) << year;
        // Called directly, a pay-period count below 1 counts as 1.
        StatePaycheck q(kLouisiana, year, 0, 0, 1, 1000.0);
        EXPECT_EQ(q.run_direct(state_la), 0) << year;
        EXPECT_TRUE(std::isfinite(q.state.state_tax)) << year;
    }
    EXPECT_EQ(state_la(nullptr, nullptr), 1);
}

TEST(Louisiana, Exports) { txl5_test::expect_typed_functions({"state_la"}); }

}  // namespace
