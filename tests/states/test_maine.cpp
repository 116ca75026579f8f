#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "states/maine.h"
#include "tests/states/bracket_state_support.h"
#include "tests/support/brackets.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::StatePaycheck;

constexpr int64_t kMaine = 23;

struct Case {
    std::string why;
    int64_t year;
    int64_t status;
    int64_t form_code;
    int64_t periods;
    int64_t allowances;
    double wages;
    double state_tax;  // whole dollars
    double rate_used;  // 0.5 where the method writes none (the preset stays)
};

const Case kCases[] = {
    // From 2017: annual wages, the standard deduction phased out.
    {"2026 tables, weekly single: 78,000 - 5300 - 12,450 = 60,250; (1589 + 6.75 % x 32,850) / 52 = 73.1995", 2026,
     0, 0, 52, 1, 1500.0, 73.0, 0.0675},
    {"status 5 is withheld as single", 2026, 5, 0, 52, 1, 1500.0, 73.0, 0.0675},
    {"a nonresident alien (form code 99) is withheld as single, also when married", 2026, 1, 99, 52, 1, 1500.0, 73.0,
     0.0675},
    {"married: 78,000 - 5300 - 27,750 = 44,950 x 5.8 % / 52 = 50.14", 2026, 1, 0, 52, 1, 1500.0, 50.0, 0.058},
    {"inside the phase-out: 139,750 is half way, deduction 6225; 128,225 taxable: 4117 + 7.15 % x 63,375 = "
     "8648.31",
     2026, 0, 0, 1, 1, 139750.0, 8648.0, 0.0715},
    {"at the end of the phase-out (177,250): no deduction; 171,950: 4117 + 7.15 % x 107,100 = 11,774.65", 2026, 0,
     0, 1, 1, 177250.0, 11775.0, 0.0715},
    {"a tax of exactly x.50 rounds down: 12,700 - 12,450 = 250 x 5.8 % = 14.50", 2026, 0, 0, 1, 0, 12700.0, 14.0,
     0.058},
    {"x.51 rounds up: 250.17 x 5.8 % = 14.5099, 14.51", 2026, 0, 0, 1, 0, 12700.17, 15.0, 0.058},
    {"2025 tables, weekly single: 78,000 - 5150 - 12,150 = 60,700; (1554 + 6.75 % x 33,900) / 52 = 73.89", 2025, 0,
     0, 52, 1, 1500.0, 74.0, 0.0675},
    {"2024 tables, weekly married: 104,000 - 10,000 - 26,350 = 67,650; (3022 + 6.75 % x 15,550) / 52 = 78.30", 2024,
     1, 0, 52, 2, 2000.0, 78.0, 0.0675},
    // 2016: the standard deduction taken back from higher wages.
    {"2016 tables, weekly single: take-back 11,600 x 10,850 / 75,000 = 1678.13; 78,000 - 4050 + 1678.13 = "
     "75,628.13; (2331 + 7.15 % x 29,378.13) / 52 = 85.22",
     2016, 0, 0, 52, 1, 1500.0, 85.0, 0.5},
    {"2016, take-back capped at 11,600: 200,000 - 4050 + 11,600 = 207,550; 2331 + 7.15 % x 161,300 = 13,863.95",
     2016, 0, 0, 1, 1, 200000.0, 13864.0, 0.5},
    // Before 2016: per-frequency schedules.
    {"2015 weekly single: 800 - 76.92 = 723.08; 19.63 + 7.95 % x 200 = 35.53", 2015, 0, 0, 52, 1, 800.0, 36.0,
     0.0795},
    {"2015 weekly single at a floor: 600 - 76.92 = 523.08, the base 19.63", 2015, 0, 0, 52, 1, 600.0, 20.0, 0.0795},
    {"2013 weekly, nonresident alien: 500 + 117.31 - 75 = 542.31; 18.69 + 7.95 % x 41.35 = 21.98", 2013, 1, 99, 52, 1,
     500.0, 22.0, 0.0795},
    {"2014 monthly married: 4000 - 2 x 329.17 = 3341.66; 6.5 % x (3341.66 - 1904.17) = 93.44", 2014, 1, 0, 12, 2,
     4000.0, 93.0, 0.065},
    {"2015 quarterly on the annual schedule: 4 x 5000 - 4000 = 16,000; 6.5 % x 4500 / 4 = 73.13", 2015, 0, 0, 4, 1,
     5000.0, 73.0, 0.065},
};

TEST(Maine, Paychecks) {
    for (const Case& c : kCases) {
        StatePaycheck p(kMaine, c.year, c.status, c.periods, c.allowances, c.wages, 3, 9);
        p.state.state_form_code = c.form_code;
        p.state.state_rate_used = 0.5;
        EXPECT_EQ(p.run() & 8, 0) << c.why;
        EXPECT_EQ(p.state.state_error, 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_tax, c.state_tax) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_rate_used, c.rate_used) << c.why;
        // The table-date fields keep the values written on entry.
        EXPECT_EQ(p.state.state_table_year, 2017) << c.why;
        EXPECT_EQ(p.state.state_table_month, 3) << c.why;
        EXPECT_EQ(p.state.state_table_day, 9) << c.why;
    }
}

struct Supplemental {
    std::string why;
    int64_t year;
    int64_t version;
    int64_t method;  // state_supp_aggregate
    int64_t periods;
    double wages;
    double supplemental_wages;
    int64_t result;
    double expected;  // the preset 7.77 where nothing is written
};

const Supplemental kSupplemental[] = {
    {"flat 5 % (2026 tables): 1000 x 5 %", 2026, 145, 0, 52, 1500.0, 1000.0, 0, 50.00},
    {"flat 5 % (2024 tables): 333 x 5 %", 2024, 145, 0, 52, 1500.0, 333.0, 0, 16.65},
    {"no flat rate before 2024: bit 64, 0", 2015, 145, 0, 52, 800.0, 1000.0, 64, 0.0},
    {"aggregate 2026: 104,000 keeps 12,160 of the deduction; 86,540 taxable; (4117 + 7.15 % x 21,690) / 52 = "
     "108.9968, less 73.1995 = 35.80, whole dollars",
     2026, 145, 1, 52, 1500.0, 500.0, 0, 36.0},
    {"aggregate with negative supplemental wages: 0", 2026, 145, 1, 52, 1500.0, -500.0, 0, 0.0},
    {"aggregate 2016: take-back 5699.47 on 104,000; (2331 + 7.15 % x 59,399.47) / 52 = 126.50, less 85.22 = 41.28",
     2016, 145, 1, 52, 1500.0, 500.0, 0, 41.0},
    {"aggregate 2015 weekly: 800 + 52 x 100 - 76.92 = 5923.08: 448.93 - 35.53 = 413.40, / 52", 2015, 145, 1, 52,
     800.0, 100.0, 0, 7.95},
    {"aggregate 2015 quarterly: 20,000 + 4 x 1000 taxed on the annual schedule: 138.125 - 73.125 = 65, divided by 4 "
     "a second time",
     2015, 145, 1, 4, 5000.0, 1000.0, 0, 16.25},
    {"method 2 computes neither", 2026, 145, 2, 52, 1500.0, 1000.0, 0, 0.0},
    {"layout 144: nothing written", 2026, 144, 1, 52, 1500.0, 1000.0, 0, 7.77},
};

TEST(Maine, SupplementalWages) {
    for (const Supplemental& c : kSupplemental) {
        StatePaycheck p(kMaine, c.year, 0, c.periods, 1, c.wages);
        p.state.struc_version = c.version;
        p.state.state_supp_aggregate = c.method;
        p.state.state_supplemental_wages = c.supplemental_wages;
        p.state.state_supplemental_tax = 7.77;
        EXPECT_EQ(p.run_direct(state_me), c.result) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, c.expected) << c.why;
    }
}

TEST(Maine, YearsWithoutRowsFail) {
    // 2017 to 2023 and before 2013: no rows, also after the driver's retry.
    for (int64_t year : {2012, 2020, 2023}) {
        StatePaycheck p(kMaine, year, 0, 52, 1, 1500.0, 3, 9);
        p.state.additional_state_wh = 5.0;
        EXPECT_EQ(p.run() & 8, 8) << year;
        EXPECT_EQ(p.state.state_error, 1) << year;
        EXPECT_DOUBLE_EQ(p.state.state_tax, 5.0) << year << ": the extra withholding only";
        EXPECT_EQ(p.state.state_table_year, 2017) << year;
    }
}

TEST(Maine, ACheckAfterTheNewestRowsUsesThePreviousYear) {
    StatePaycheck p(kMaine, 2027, 0, 52, 1, 1500.0);
    EXPECT_EQ(p.run() & 8, 0);
    EXPECT_DOUBLE_EQ(p.state.state_tax, 73.0);
}

TEST(Maine, CalledDirectlyPayPeriodsBelowOneGiveAFiniteTax) {
    for (int64_t year : {2026, 2016, 2015}) {
        for (int64_t periods : {0, -1, -52}) {
            StatePaycheck p(kMaine, year, 0, periods, 1, 1500.0);
            p.state.state_supp_aggregate = 1;
            p.state.state_supplemental_wages = 500.0;
            p.run_direct(state_me);
            EXPECT_TRUE(std::isfinite(p.state.state_tax)) << year << " " << periods;
            EXPECT_TRUE(std::isfinite(p.state.state_supplemental_tax)) << year << " " << periods;
        }
    }
}

TEST(Maine, WagesThatAreNotFiniteFail) {
    const double inf = std::numeric_limits<double>::infinity();
    for (int64_t year : {2026, 2016, 2015}) {
        for (double wages : {inf, -inf, std::nan("")}) {
            StatePaycheck p(kMaine, year, 0, 52, 1, wages);
            EXPECT_EQ(p.run_direct(state_me), 1) << year << " " << wages;
            EXPECT_EQ(p.state.state_error, 1) << year << " " << wages;
            EXPECT_DOUBLE_EQ(p.state.state_tax, 0.0) << year << " " << wages;
        }
    }
}

TEST(Maine, NullRecords) {
    STATE_WITHHOLDING_STRUC state{};
    FEDERAL_WITHHOLDING_STRUC fed{};
    EXPECT_NE(state_me(nullptr, &state), 0);
    EXPECT_NE(state_me(&fed, nullptr), 0);
}

TEST(Maine, Tables) {
    // Before 2016: three years, two statuses, six frequencies, three brackets.
    EXPECT_EQ(txl5::table_row_count(mewh), 3 * 2 * 6 * 3);
    EXPECT_EQ(txl5::table_row_count(mealien), 5);
    EXPECT_EQ(txl5::table_row_count(mewh2016), 8);
    EXPECT_EQ(txl5::table_row_count(mewh2017), 18);
    EXPECT_EQ(txl5::table_row_count(supplemental_me), 3);
    // 2013 amounts as printed in that year's percentage-method supplement.
    const MeWhRow* weekly_2013 = txl5::scan_rows(mewh, MDATE{6, 1, 2013}, [](const MeWhRow& r) {
        return r.pay_periods == 52;
    });
    ASSERT_NE(weekly_2013, nullptr);
    EXPECT_DOUBLE_EQ(weekly_2013->allowance_amount, 75.00);
    EXPECT_DOUBLE_EQ(weekly_2013->add_back, 117.31);
}

TEST(Maine, Exports) {
    txl5_test::expect_typed_functions({"state_me"});
    txl5_test::expect_data_objects({"mewh", "mealien", "mewh2016", "mewh2017", "supplemental_me"});
}

template <class Row>
int register_maine(const Row* table, const char* name, double tolerance) {
    return txl5_test::register_bracket_table([=] {
        txl5_test::BracketTable t;
        t.name = name;
        // Whole-dollar bases from 2016 on; bases to the cent before.
        t.tolerance = tolerance;
        t.rows = txl5_test::schedule_rows(table, [](const Row& r) {
            return txl5_test::ScheduleRow{r.start_date, r.end_date, r.status, r.pay_periods,
                                          r.lower,      r.upper,    r.base,   r.rate};
        });
        return t;
    });
}

const int kMewhBrackets = register_maine(mewh, "mewh", 0.01);
const int kMewh2016Brackets = register_maine(mewh2016, "mewh2016", 0.5);
const int kMewh2017Brackets = register_maine(mewh2017, "mewh2017", 0.5);

}  // namespace
