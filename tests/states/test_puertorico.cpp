#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "states/puertorico.h"
#include "tests/states/bracket_state_support.h"
#include "tests/support/brackets.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::StatePaycheck;

constexpr int64_t kPuertoRico = 46;

struct Case {
    std::string why;
    int64_t year;
    int64_t pay_periods;
    int64_t status;  // pr_status
    int64_t dependents;
    int64_t allowances;
    int64_t extra;
    double wages;
    double state_tax;
};

const Case kCases[] = {
    {"weekly status 0: 600 - 67 = 533; 14 % x 533 - 45.80 = 28.82", 2026, 52, 0, 0, 0, 0, 600.0, 28.82},
    {"weekly status 1 takes no personal exemption: 14 % x 600 - 45.80 = 38.20", 2026, 52, 1, 0, 0, 0, 600.0, 38.20},
    {"weekly below the first bracket: 150 - 67 = 83, no tax", 2026, 52, 0, 0, 0, 0, 150.0, 0.0},
    {"daily has no exemptions and no schedule: 260 x 100 = 26,000; (14 % x 26,000 - 2380) / 260 = 4.846", 2026, 260,
     0, 0, 0, 0, 100.0, 4.85},
    {"biweekly 1300 lies where the third and fourth brackets overlap: the third, 14 % x 1300 - 91.50", 2026, 26, 1,
     0, 0, 0, 1300.0, 90.50},
    {"monthly status 4, 2 dependents, 1 allowance, extra exemption: 5000.50 - 41.50 - 416 - 583 - 125 = 3835; "
     "25 % x 3835 - 578.70 = 380.05",
     2025, 12, 4, 2, 1, 1, 5000.50, 380.05},
    {"semimonthly status 7: 2000 - 146 = 1854; 25 % x 1854 - 389.40 (the printed subtraction) = 74.10", 2024, 24, 7,
     0, 0, 0, 2000.0, 74.10},
    {"annual status 0: 30,000 - 3500 = 26,500; 14 % x 26,500 - 2380 = 1330 (1,120 + 14 % of the excess over 25,000)",
     2024, 1, 0, 0, 0, 0, 30000.0, 1330.00},
    {"annual status 2 takes the personal exemption 1300: 30,000 - 1300 = 28,700; 14 % x 28,700 - 2380 = 1638", 2025,
     1, 2, 0, 0, 0, 30000.0, 1638.00},
    {"an allowance worth 9.50 a week, three of them 28.50: 600 - 67 - 28.50 = 504.50; 14 % x 504.50 - 45.80 = 24.83",
     2026, 52, 5, 0, 3, 0, 600.0, 24.83},
};

TEST(PuertoRico, Paychecks) {
    for (const Case& c : kCases) {
        StatePaycheck p(kPuertoRico, c.year, 0, c.pay_periods, 0, c.wages, 3, 9);
        p.state.pr_status = c.status;
        p.state.pr_dependents = c.dependents;
        p.state.pr_allowances = c.allowances;
        p.state.pr_extra_exemption = c.extra;
        p.fed.aux_result = 5;
        EXPECT_EQ(p.run(), 0) << c.why;
        EXPECT_EQ(p.state.state_error, 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_tax, c.state_tax) << c.why;
        EXPECT_EQ(p.fed.aux_result, 0) << c.why;
        // Only the deduction of 2011 to 2016 reports a table date.
        EXPECT_EQ(p.state.state_table_year, 2017) << c.why;
        EXPECT_EQ(p.state.state_table_month, 3) << c.why;
        EXPECT_EQ(p.state.state_table_day, 9) << c.why;
    }
}

// A certificate status outside 0 to 8 has no schedule: the no-row failure,
// never a look-up by the caller's code.
TEST(PuertoRico, StatusesOutsideTheCertificateFail) {
    for (int64_t status : {int64_t{9}, int64_t{-1}, int64_t{100}, std::numeric_limits<int64_t>::max(),
                           std::numeric_limits<int64_t>::min()}) {
        StatePaycheck p(kPuertoRico, 2026, 0, 52, 0, 600.0);
        p.state.pr_status = status;
        EXPECT_EQ(p.run() & 8, 8) << status;
        EXPECT_EQ(p.state.state_error, 1) << status;
        EXPECT_DOUBLE_EQ(p.state.state_tax, 0.0) << status;
    }
}

TEST(PuertoRico, YearsWithoutRows) {
    StatePaycheck later(kPuertoRico, 2027, 0, 52, 0, 600.0);
    EXPECT_EQ(later.run(), 0);
    EXPECT_DOUBLE_EQ(later.state.state_tax, 28.82);  // the 2026 paycheck above
    // 2011 to 2016 also need the deduction by annual wages, whose rows are not
    // held: the schedule scan fails as well, and the call reports failure.
    StatePaycheck old(kPuertoRico, 2015, 0, 52, 0, 600.0);
    EXPECT_EQ(old.run() & 8, 8);
    EXPECT_EQ(old.state.state_error, 1);
}

struct Supplemental {
    std::string why;
    int64_t version;
    int64_t method;  // state_supp_aggregate
    double bonus;
    double expected;  // state_supplemental_tax; the preset 7.77 where none is computed
};

const Supplemental kSupplemental[] = {
    {"flat 7 % of 1000", 145, 0, 1000.0, 70.00},
    {"flat 7 % of 1234.57 = 86.42, withheld in whole dollars", 145, 0, 1234.57, 86.00},
    {"any method but 1 is the flat rate", 145, 2, 1000.0, 70.00},
    {"aggregate: 700 - 67 = 633; 14 % x 633 - 45.80 = 42.82, less 28.82", 145, 1, 100.0, 14.00},
    {"aggregate with negative supplemental wages is floored at 0", 145, 1, -100.0, 0.0},
    {"layout 144 computes no supplemental tax", 144, 0, 1000.0, 7.77},
};

TEST(PuertoRico, SupplementalWages) {
    for (const Supplemental& c : kSupplemental) {
        StatePaycheck p(kPuertoRico, 2026, 0, 52, 0, 600.0);
        p.state.struc_version = c.version;
        p.state.state_supp_aggregate = c.method;
        p.state.state_supplemental_wages = c.bonus;
        p.state.state_supplemental_tax = 7.77;
        EXPECT_EQ(p.run(), 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, c.expected) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_tax, 28.82) << c.why << ": the regular tax is kept";
    }
}

TEST(PuertoRico, InputsThatAreNotFiniteFail) {
    const double inf = std::numeric_limits<double>::infinity();
    for (double wages : {inf, -inf, std::nan("")}) {
        StatePaycheck p(kPuertoRico, 2026, 0, 52, 0, wages);
        EXPECT_EQ(p.run() & 8, 8) << wages;
        EXPECT_TRUE(std::isfinite(p.state.state_tax)) << wages;
    }
    StatePaycheck bonus(kPuertoRico, 2026, 0, 52, 0, 600.0);
    bonus.state.state_supp_aggregate = 0;
    bonus.state.state_supplemental_wages = inf;
    EXPECT_EQ(bonus.run() & 8, 8);
    EXPECT_DOUBLE_EQ(bonus.state.state_supplemental_tax, 0.0);
}

TEST(PuertoRico, CalledDirectly) {
    for (int64_t periods : {0, -26}) {
        StatePaycheck p(kPuertoRico, 2026, 0, periods, 0, 600.0);
        EXPECT_EQ(p.run_direct(state_pr), 0) << periods;
        EXPECT_DOUBLE_EQ(p.state.state_tax, 0.0) << periods << ": no pay periods, nothing taxable";
    }
    StatePaycheck p(kPuertoRico, 2026, 0, 52, 0, 600.0);
    EXPECT_EQ(do_thetax(31200.0, &p.fed, &p.state), 0);  // 600 a week
    EXPECT_DOUBLE_EQ(p.state.state_tax, 28.82);
    EXPECT_NE(do_thetax(31200.0, nullptr, &p.state), 0);
    EXPECT_NE(do_thetax(31200.0, &p.fed, nullptr), 0);
    EXPECT_NE(state_pr(nullptr, &p.state), 0);
    EXPECT_NE(state_pr(&p.fed, nullptr), 0);
}

TEST(PuertoRico, Tables) {
    EXPECT_EQ(txl5::table_row_count(prpd), 135);  // 9 statuses x 5 frequencies x 3 years
    EXPECT_EQ(txl5::table_row_count(prwh), 300);  // 4 keys x 5 frequencies x 5 brackets x 3 years
    EXPECT_EQ(txl5::table_row_count(special), 18);
    EXPECT_EQ(txl5::table_row_count(supplemental_pr), 3);
    txl5_test::expect_typed_functions({"state_pr", "do_thetax"});
    txl5_test::expect_data_objects({"prpd", "prwh", "special", "supplemental_pr"});
}

// Rate x taxable - subtraction is the bracket form base + rate x (taxable -
// lower) with base = rate x lower - subtraction. The per-period schedules
// print bounds and subtractions to the dime, so a base may differ from the
// arithmetic by up to 5 cents.
const int kPrwhBrackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "prwh";
    t.rows = txl5_test::schedule_rows(prwh, [](const PrwhRow& r) {
        return txl5_test::ScheduleRow{r.start_date, r.end_date, r.status,      r.pay_periods,
                                      r.lower,      r.upper,    r.rate * r.lower - r.subtraction, r.rate};
    });
    t.tolerance = 0.06;
    // The biweekly fourth bracket starts inside the third (1196.0) and the
    // semimonthly fourth subtracts 389.4, as printed (rows 8, 13 and the
    // semimonthly fifth, 14, of every key's schedules, 25 rows apart).
    for (size_t i = 0; i < t.rows.size(); i += 25) t.allowed_rows.insert({i + 8, i + 13, i + 14});
    return t;
});

}  // namespace
