#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "states/northdakota.h"
#include "tests/states/bracket_state_support.h"
#include "tests/support/brackets.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::StatePaycheck;

constexpr int64_t kNorthDakota = 39;

struct Paycheck {
    std::string why;  // where the expected amount comes from
    int64_t year;
    int64_t version;   // state record layout; above 212 reads the 2020 form fields
    int64_t new_form;  // state_new_form
    int64_t status;
    int64_t pay_periods;
    int64_t allowances;
    double wages;
    double other_income;  // state_form_amount1, annual
    double deductions;    // state_form_amount2, annual
    double state_tax;     // whole dollars
    double rate_used;
    int64_t table_year;
};

const Paycheck kPaychecks[] = {
    // Published annual schedules: wages at a bracket floor bear the printed base, withheld in whole dollars.
    {"2026 single: over 258,450 the tax is 3,916.09, withheld 3,916", 2026, 145, 0, 0, 1, 0, 258450.0, 0, 0, 3916.0,
     0.025, 2026},
    {"2026 married, one allowance of 5,050: 173,575 - 5,050 = 168,525, base 2,164.99, withheld 2,165", 2026, 145, 0, 1,
     1, 1, 173575.0, 0, 0, 2165.0, 0.025, 2026},
    {"2025 married: over 164,038 the tax is 2,116.73, withheld 2,117", 2025, 145, 0, 1, 1, 0, 164038.0, 0, 0, 2117.0,
     0.025, 2025},
    {"2025 single: over 252,325 the tax is 3,828.83, withheld 3,829", 2025, 145, 0, 0, 1, 0, 252325.0, 0, 0, 3829.0,
     0.025, 2025},
    {"2024 single: over 245,500 the tax is 3,725.48, withheld 3,725", 2024, 145, 0, 0, 1, 0, 245500.0, 0, 0, 3725.0,
     0.025, 2024},
    {"2024 married: over 159,588 the tax is 2,059.20, withheld 2,059", 2024, 145, 0, 1, 1, 0, 159588.0, 0, 0, 2059.0,
     0.025, 2024},
    // 2020 and later certificates: statuses 16, 17, 18, annual only.
    {"2024 certificate, head of household (18): over 261,500 the tax is 3,716.70, withheld 3,717", 2024, 213, 1, 2, 1,
     0, 261500.0, 0, 0, 3717.0, 0.025, 2024},
    {"2024 certificate, status 12 as single (16): over 233,275 the tax is 3,534.38, withheld 3,534", 2024, 213, 1, 12,
     1, 0, 233275.0, 0, 0, 3534.0, 0.025, 2024},
    {"2024 certificate, married (17): over 152,150 the tax is 1,953.41, withheld 1,953", 2024, 213, 1, 1, 1, 0,
     152150.0, 0, 0, 1953.0, 0.025, 2024},
    // Hand arithmetic.
    {"certificate on a weekly payroll takes the status-16 annual schedule: 52 x (5000 + 100 - 50) = 262,600; "
     "(3534.38 + 2.5 % x 29,325) / 52 = 82.07, withheld 82",
     2024, 213, 1, 0, 52, 0, 5000.0, 5200.0, 2600.0, 82.0, 0.025, 2024},
    {"layout 212 reads no certificate: weekly single schedule (derived), 71.64 + 2.5 % x (5000 - 4721) = 78.615, "
     "withheld 79",
     2024, 212, 1, 0, 52, 0, 5000.0, 5200.0, 2600.0, 79.0, 0.025, 2024},
    {"no 2020 certificate (state_new_form 0): as the line above", 2024, 213, 0, 0, 52, 0, 5000.0, 5200.0, 2600.0, 79.0,
     0.025, 2024},
    {"annual payroll with a certificate: 50,000 + 10,000 - 2,000 = 58,000; 1.95 % x 375 = 7.31, withheld 7", 2026, 213,
     1, 0, 1, 0, 50000.0, 10000.0, 2000.0, 7.0, 0.0195, 2026},
    {"260 pay periods, no such schedule: (1.95 % x (260 x 400 - 57,625)) / 260 = 3.48, withheld 3", 2026, 145, 0, 0,
     260, 0, 400.0, 0, 0, 3.0, 0.0195, 2026},
    {"allowances above the wages: no tax", 2025, 145, 0, 1, 52, 2, 100.0, 0, 0, 0.0, 0.0, 2025},
};

TEST(NorthDakota, Paychecks) {
    for (const Paycheck& c : kPaychecks) {
        StatePaycheck p(kNorthDakota, c.year, c.status, c.pay_periods, c.allowances, c.wages);
        p.state.struc_version = c.version;
        p.state.state_new_form = c.new_form;
        p.state.state_form_amount1 = c.other_income;
        p.state.state_form_amount2 = c.deductions;
        EXPECT_EQ(p.run() & 8, 0) << c.why;
        EXPECT_EQ(p.state.state_error, 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_tax, c.state_tax) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_rate_used, c.rate_used) << c.why;
        EXPECT_EQ(p.state.state_table_year, c.table_year) << c.why;
    }
}

TEST(NorthDakota, ExtraWithholdingIsAddedAfterTheWholeDollarRounding) {
    StatePaycheck p(kNorthDakota, 2026, 0, 1, 0, 258450.0);
    p.state.additional_state_wh = 0.55;
    EXPECT_EQ(p.run() & 8, 0);
    EXPECT_DOUBLE_EQ(p.state.state_tax, 3916.55);
}

TEST(NorthDakota, Before2002TheTaxIs14PercentOfTheFederalTax) {
    FEDERAL_WITHHOLDING_STRUC fed{};
    fed.struc_version = 165;
    fed.check_month = 3;
    fed.check_day = 8;
    fed.check_year = 2001;
    fed.fed_tax = 123.45;
    STATE_WITHHOLDING_STRUC state{};
    state.struc_version = 145;
    state.state_code = kNorthDakota;
    state.state_pay_periods = 52;
    state.state_wages = 1000.0;
    state.state_supp_aggregate = 0;
    state.state_supplemental_wages = 100.0;
    state.state_supplemental_tax = 7.77;
    EXPECT_EQ(state_nd(&fed, &state), 0);
    EXPECT_DOUBLE_EQ(state.state_tax, 0.14 * 123.45);  // 17.283, not rounded
    EXPECT_DOUBLE_EQ(state.state_supplemental_tax, 7.77);
    EXPECT_EQ(state.state_table_month, 3);
    EXPECT_EQ(state.state_table_day, 8);
    EXPECT_EQ(state.state_table_year, 2017);

    // From 2002 the tables are used: none for 2002.
    fed.check_year = 2002;
    EXPECT_EQ(state_nd(&fed, &state), 1);
    EXPECT_EQ(state.state_error, 1);
}

struct Supplemental {
    std::string why;
    int64_t year;
    int64_t version;
    int64_t method;  // state_supp_aggregate
    double supplemental_wages;
    double expected;  // state_supplemental_tax; the preset 7.77 where none is computed
};

const Supplemental kSupplemental[] = {
    {"flat 1.5 % in 2026: 1234 x 1.5 % = 18.51, withheld 19", 2026, 145, 0, 1234.0, 19.0},
    {"flat 1.5 % in 2025", 2025, 145, 0, 1234.0, 19.0},
    {"flat 1.5 % in 2024", 2024, 145, 0, 1234.0, 19.0},
    {"aggregate: 10,000 more in the 1.95 % bracket: 195", 2026, 145, 1, 10000.0, 195.0},
    // 90,000: 1.95 % x 32,375 = 631.3125; less 826.3125 is -195, which the
    // whole-dollar rounding moves toward zero (-195 gives -194).
    {"aggregate is not floored: negative supplemental wages give a negative tax", 2026, 145, 1, -10000.0, -194.0},
    {"method 2 computes neither", 2026, 145, 2, 1000.0, 7.77},
    {"layout 144 computes no supplemental tax", 2026, 144, 0, 1000.0, 7.77},
};

TEST(NorthDakota, SupplementalWages) {
    for (const Supplemental& c : kSupplemental) {
        StatePaycheck p(kNorthDakota, c.year, 0, 1, 0, 100000.0);
        p.state.struc_version = c.version;
        p.state.state_supp_aggregate = c.method;
        p.state.state_supplemental_wages = c.supplemental_wages;
        p.state.state_supplemental_tax = 7.77;
        EXPECT_EQ(p.run() & 8, 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, c.expected) << c.why;
        if (c.year == 2026) {
            // 1.95 % x (100,000 - 57,625) = 826.3125, withheld 826.
            EXPECT_DOUBLE_EQ(p.state.state_tax, 826.0) << c.why;
        }
    }
}

// Each derived schedule gives, to a few cents before the whole-dollar
// rounding, what the published annual schedule gives; after it, at most a
// dollar apart.
TEST(NorthDakota, DerivedSchedulesFollowTheAnnualOnes) {
    for (int64_t year : {2024, 2025, 2026}) {
        for (int64_t status : {0, 1}) {
            for (int64_t periods : {52, 26, 24, 12, 4, 2, 365}) {
                for (double annual : {40000.0, 80000.0, 150000.0, 200000.0, 300000.0, 1000000.0}) {
                    const double per_period = txl5_test::state_tax_of(kNorthDakota, year, status, periods, 1,
                                                                      annual / static_cast<double>(periods));
                    const double from_annual = txl5_test::state_tax_of(kNorthDakota, year, status, 1, 1, annual) /
                                               static_cast<double>(periods);
                    EXPECT_NEAR(per_period, from_annual, 1.0)
                        << year << " status " << status << " pay periods " << periods << " annual " << annual;
                }
            }
        }
    }
}

TEST(NorthDakota, CalledDirectlyPayPeriodsBelowOneGiveAFiniteTax) {
    for (int64_t periods : {0, -1, -52}) {
        for (int64_t new_form : {0, 1}) {
            StatePaycheck p(kNorthDakota, 2026, 0, periods, 1, 1000.0);
            p.state.struc_version = 213;
            p.state.state_new_form = new_form;
            p.state.state_form_amount1 = 10000.0;  // spread over no pay periods: undivided
            p.state.state_form_amount2 = 1000.0;
            p.state.state_supp_aggregate = 1;
            p.state.state_supplemental_wages = 500.0;
            EXPECT_EQ(p.run_direct(state_nd), 0) << periods;
            EXPECT_DOUBLE_EQ(p.state.state_tax, 0.0) << periods;
            EXPECT_TRUE(std::isfinite(p.state.state_supplemental_tax)) << periods;
        }
    }
}

TEST(NorthDakota, AStatusBeyondEveryScheduleInFormModeFails) {
    StatePaycheck p(kNorthDakota, 2026, std::numeric_limits<int64_t>::max() - 3, 52, 0, 1000.0);
    p.state.struc_version = 213;
    p.state.state_new_form = 1;
    EXPECT_EQ(p.run() & 8, 8);
    EXPECT_EQ(p.state.state_error, 1);
}

TEST(NorthDakota, TablesCoverEveryYearStatusAndFrequency) {
    txl5_test::expect_schedules(ndwh, {2026, 2025, 2024}, {0, 1}, {1, 2, 4, 12, 24, 26, 52, 365}, "ndwh");
    txl5_test::expect_schedules(ndwh, {2026, 2025, 2024}, {16, 17, 18}, {1}, "ndwh");
    txl5_test::expect_newest_first(ndwh, "ndwh");
    // Per year: statuses 0 and 1 on eight frequencies, 16 to 18 annual; three brackets each.
    EXPECT_EQ(txl5::table_row_count(ndwh), 3 * (2 * 8 + 3) * 3);
    for (const StateBracketRow* row = ndwh; row->start_date.month != 0; ++row) {
        if (row->status >= 16) {
            EXPECT_EQ(row->pay_periods, 1);
            EXPECT_EQ(row->allowance_amount, 0.0);
        }
    }
    EXPECT_EQ(txl5::table_row_count(supplemental_nd), 3);
}

TEST(NorthDakota, Exports) {
    txl5_test::expect_typed_functions({"state_nd"});
    txl5_test::expect_data_objects({"ndwh", "supplemental_nd"});
}

const int kNdwhBrackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "ndwh";
    t.rows = txl5_test::bracket_rows(ndwh);
    return t;
});

}  // namespace
