#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "states/massachusetts.h"
#include "tests/states/bracket_state_support.h"
#include "tests/support/brackets.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::StatePaycheck;

constexpr int64_t kMassachusetts = 26;

// A Massachusetts paycheck: the federal wages equal the state wages, so the
// federal part computes the social security and Medicare tax the state
// deducts (weekly 1500: 93.00 and 21.75).
StatePaycheck ma_paycheck(int64_t year, int64_t periods, int64_t exemptions, double wages) {
    StatePaycheck p(kMassachusetts, year, 0, periods, exemptions, wages);
    p.fed.gross_wages = p.fed.fica_wages = wages;
    return p;
}

struct Case {
    std::string why;
    int64_t year;
    int64_t periods;
    int64_t exemptions;
    double wages;
    int64_t checks;     // certificate entries: 1 head of household, 2 and 4 blindness
    int64_t form_code;  // 2 = cumulative social security and Medicare deduction
    double ytd_fica_wages;
    bool fica_exempt;   // no social security or Medicare tax, so no deduction
    double state_tax;   // after the driver's rounding to cents
    double rate_used;
    int64_t aux_result;
};

const Case kCases[] = {
    {"weekly 2026, 1 exemption: 1500 - 19 - 66 = 1415, less min(93 + 21.75, 2000 / 52 = 38.4615) = 1376.5385; "
     "52 x that = 71,580 x 5 % / 52 = 68.8269",
     2026, 52, 1, 1500.0, 0, 0, 0.0, false, 68.83, 0.05, 150000},
    {"the same with head of household: credit 2.31; 68.8269 - 2.31 = 66.5169", 2026, 52, 1, 1500.0, 1, 0, 0.0,
     false, 66.52, 0.05, 150000},
    {"weekly 150 with 1 exemption: below the 154 threshold, no tax", 2026, 52, 1, 150.0, 0, 0, 0.0, false, 0.0,
     0.05, 15000},
    {"weekly 150 with no exemption: 150 - (9.30 + 2.18) = 138.52; x 5 % = 6.926", 2026, 52, 0, 150.0, 0, 0, 0.0,
     false, 6.93, 0.05, 15000},
    {"cumulative: 30,000 x 7.65 % = 2295 used >= 2000, no deduction; 1415 x 5 % = 70.75", 2026, 52, 1, 1500.0, 0,
     2, 30000.0, false, 70.75, 0.05, 150000},
    {"cumulative: 20,000 x 7.65 % = 1530 used, 470 left, the whole 114.75 deducted; 1300.25 x 5 % = 65.0125", 2026,
     52, 1, 1500.0, 0, 2, 20000.0, false, 65.01, 0.05, 150000},
    {"biweekly 2025, 2 exemptions: 3000 - 78 - 131 - 2000 / 26 (76.9231) = 2714.0769 x 5 % = 135.7038", 2025, 26,
     2, 3000.0, 0, 0, 0.0, false, 135.70, 0.05, 300000},
    {"quarterly on the annual row: 5000 - 1000 / 4 - 3400 / 4 = 3900; 4 x 3900 = 15,600 x 5 % / 4", 2026, 4, 1,
     5000.0, 0, 0, 0.0, true, 195.00, 0.05, 500000},
    // Annual payrolls: the schedule's own frequency, so aux_result holds the
    // annual taxable wages.
    {"Circular M 2026: taxable 1,107,750 is taxed at 5 %, 55,387.50", 2026, 1, 0, 1107750.0, 0, 0, 0.0, true,
     55387.50, 0.05, 1107750},
    {"Circular M 2026: a dollar more falls in the 9 % bracket: 55,387.50 + 0.09", 2026, 1, 0, 1107751.0, 0, 0, 0.0,
     true, 55387.59, 0.09, 1107751},
    {"Circular M 2025: 1000 over the 1,083,150 threshold: 54,157.50 + 90", 2025, 1, 0, 1084150.0, 0, 0, 0.0, true,
     54247.50, 0.09, 1084150},
    {"2024 threshold 1,053,750 (mass.gov): 1000 over it: 52,687.50 + 90", 2024, 1, 0, 1054750.0, 0, 0, 0.0, true,
     52777.50, 0.09, 1054750},
    {"annual 2024, 1 exemption and head of household: 60,000 - 4400 = 55,600 x 5 % = 2780 - 120", 2024, 1, 1,
     60000.0, 1, 0, 0.0, true, 2660.00, 0.05, 55600},
};

TEST(Massachusetts, Paychecks) {
    for (const Case& c : kCases) {
        StatePaycheck p = ma_paycheck(c.year, c.periods, c.exemptions, c.wages);
        p.state.state_form_check1 = c.checks & 1;
        p.state.state_form_check2 = (c.checks >> 1) & 1;
        p.state.state_form_check3 = (c.checks >> 2) & 1;
        p.state.state_form_code = c.form_code;
        p.fed.ytd_fica_wages = c.ytd_fica_wages;
        p.fed.fica_exempt = p.fed.medicare_exempt = c.fica_exempt ? 1 : 0;
        EXPECT_EQ(p.run() & 8, 0) << c.why;
        EXPECT_EQ(p.state.state_error, 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_tax, c.state_tax) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_rate_used, c.rate_used) << c.why;
        EXPECT_EQ(p.fed.aux_result, c.aux_result) << c.why;
        if (c.state_tax > 0.0) {
            // The schedule row used dates the tables.
            EXPECT_EQ(p.state.state_table_year, c.year) << c.why;
            EXPECT_EQ(p.state.state_table_month, 1) << c.why;
        }
    }
}

struct Supplemental {
    std::string why;
    int64_t version;
    double wages;
    int64_t checks;
    double supplemental_wages;
    double state_tax;
    double expected;  // state_supplemental_tax; the preset 7.77 where none is written
};

const Supplemental kSupplemental[] = {
    {"500 more at 5 %: (1376.5385 + 500) x 5 % - 68.8269 = 25.00", 145, 1500.0, 0, 500.0, 68.83, 25.00},
    {"the head of household credit returns in the supplemental tax: 93.8269 - 66.5169 = 27.31", 145, 1500.0, 1,
     500.0, 66.52, 27.31},
    {"no supplemental wages: 0", 145, 1500.0, 0, 0.0, 68.83, 0.0},
    {"negative supplemental wages: 0", 145, 1500.0, 0, -500.0, 68.83, 0.0},
    {"layout 144: supplemental fields neither read nor written", 144, 1500.0, 0, 500.0, 68.83, 7.77},
    // Credits above the tax: 160 - 85 - (9.92 + 2.32) = 62.76, 5 % = 3.138,
    // less 6.55 of credits: no tax instead of -3.41. The supplemental tax is
    // measured from that 0: (62.76 + 100) x 5 % = 8.138, the same total as
    // 11.55 on top of -3.41.
    {"credits above the tax leave 0, and the total stays the tax on all wages", 145, 160.0, 7, 100.0, 0.0, 8.14},
    {"credits above the tax and no supplemental wages: 0, never negative", 145, 160.0, 7, 0.0, 0.0, 0.0},
};

TEST(Massachusetts, SupplementalWagesAreTaxedWithTheRegularWages) {
    for (const Supplemental& c : kSupplemental) {
        StatePaycheck p = ma_paycheck(2026, 52, 1, c.wages);
        p.state.struc_version = c.version;
        p.state.state_form_check1 = c.checks & 1;
        p.state.state_form_check2 = (c.checks >> 1) & 1;
        p.state.state_form_check3 = (c.checks >> 2) & 1;
        p.state.state_supplemental_wages = c.supplemental_wages;
        p.state.state_supplemental_tax = 7.77;
        // The flat method is asked for: Massachusetts has only the aggregate one.
        p.state.state_supp_aggregate = 0;
        EXPECT_EQ(p.run(), 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_tax, c.state_tax) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, c.expected) << c.why;
    }
}

TEST(Massachusetts, BelowTheThresholdNoSupplementalTaxEither) {
    // Weekly 100 + 50 of bonus = 150 < 154 with an exemption claimed.
    StatePaycheck p = ma_paycheck(2026, 52, 1, 100.0);
    p.state.state_supplemental_wages = 50.0;
    p.state.state_supplemental_tax = 7.77;
    EXPECT_EQ(p.run(), 0);
    EXPECT_DOUBLE_EQ(p.state.state_tax, 0.0);
    EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, 0.0);
    EXPECT_EQ(p.fed.aux_result, 15000);  // total wages x 100
}

TEST(Massachusetts, ExemptEmployee) {
    StatePaycheck p = ma_paycheck(2026, 52, 1, 1500.0);
    p.state.state_exempt = 1;
    p.state.state_supplemental_wages = 500.0;
    p.state.state_supplemental_tax = 7.77;
    p.state.state_rate_used = 0.5;
    EXPECT_EQ(p.run(), 0);
    EXPECT_DOUBLE_EQ(p.state.state_tax, 0.0);
    EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, 7.77);
    EXPECT_DOUBLE_EQ(p.state.state_rate_used, 0.5);
}

TEST(Massachusetts, YearsWithoutExemptionRowsTaxTheWholeWagesAndFail) {
    // 2019: no exemption or deduction rows; 1500 x 5.05 % = 75.75.
    StatePaycheck p = ma_paycheck(2019, 52, 1, 1500.0);
    EXPECT_EQ(p.run_direct(state_ma), 1);
    EXPECT_EQ(p.state.state_error, 1);
    EXPECT_DOUBLE_EQ(p.state.state_tax, 75.75);
    EXPECT_DOUBLE_EQ(p.state.state_rate_used, 0.0505);

    // Through the driver the retry with 2018 also fails: 1500 x 5.1 % = 76.50.
    StatePaycheck q = ma_paycheck(2019, 52, 1, 1500.0);
    EXPECT_EQ(q.run() & 8, 8);
    EXPECT_EQ(q.state.state_error, 1);
    EXPECT_DOUBLE_EQ(q.state.state_tax, 76.50);
    EXPECT_EQ(q.fed.check_year, 2019);
}

TEST(Massachusetts, FlatRateByYear) {
    // Direct calls on years without rows: weekly 1000, no exemption and no
    // deduction, taxed at the year's rate.
    const struct { int64_t year; double rate; double tax; } rates[] = {
        {1999, 0.0595, 59.50}, {2001, 0.056, 56.00}, {2013, 0.0525, 52.50}, {2019, 0.0505, 50.50},
        {2023, 0.05, 50.00},
    };
    for (const auto& r : rates) {
        StatePaycheck p = ma_paycheck(r.year, 52, 0, 1000.0);
        EXPECT_EQ(p.run_direct(state_ma), 1) << r.year;
        EXPECT_DOUBLE_EQ(p.state.state_rate_used, r.rate) << r.year;
        EXPECT_DOUBLE_EQ(p.state.state_tax, r.tax) << r.year;
    }
}

TEST(Massachusetts, ACheckAfterTheNewestRowsUsesThePreviousYear) {
    StatePaycheck p = ma_paycheck(2027, 52, 1, 1500.0);
    EXPECT_EQ(p.run() & 8, 0);
    EXPECT_DOUBLE_EQ(p.state.state_tax, 68.83);  // the 2026 paycheck above
    EXPECT_EQ(p.state.state_table_year, 2026);
}

TEST(Massachusetts, CalledDirectlyPayPeriodsBelowOneAreAnAnnualPayroll) {
    for (int64_t periods : {int64_t{0}, int64_t{-1}, std::numeric_limits<int64_t>::min()}) {
        StatePaycheck p = ma_paycheck(2026, periods, 1, 60000.0);
        p.fed.fica_tax = p.fed.medicare_tax = 0.0;
        EXPECT_EQ(p.run_direct(state_ma), 0) << periods;
        EXPECT_EQ(p.state.state_pay_periods, 1) << periods;
        // 60,000 - 4400 = 55,600 x 5 %.
        EXPECT_DOUBLE_EQ(p.state.state_tax, 2780.00) << periods;
    }
}

TEST(Massachusetts, WagesThatAreNotFiniteFail) {
    for (double wages : {1e308, std::numeric_limits<double>::infinity(), std::nan("")}) {
        StatePaycheck p = ma_paycheck(2026, 52, 1, wages);
        p.state.state_supplemental_wages = 100.0;
        EXPECT_EQ(p.run() & 8, 8) << wages;
        EXPECT_EQ(p.state.state_error, 1) << wages;
        EXPECT_TRUE(std::isfinite(p.state.state_tax)) << wages;
        EXPECT_TRUE(std::isfinite(p.state.state_supplemental_tax)) << wages;
    }
}

TEST(Massachusetts, NullRecords) {
    STATE_WITHHOLDING_STRUC state{};
    FEDERAL_WITHHOLDING_STRUC fed{};
    EXPECT_NE(state_ma(nullptr, &state), 0);
    EXPECT_NE(state_ma(&fed, nullptr), 0);
}

TEST(Massachusetts, Tables) {
    txl5_test::expect_schedules(mawh, {2026, 2025, 2024}, {0}, {1}, "mawh");
    txl5_test::expect_newest_first(mawh, "mawh");
    EXPECT_EQ(txl5::table_row_count(maex), 15);
    EXPECT_EQ(txl5::table_row_count(mafm), 3);
}

TEST(Massachusetts, Exports) {
    txl5_test::expect_typed_functions({"state_ma"});
    txl5_test::expect_data_objects({"maex", "mafm", "mawh"});
}

const int kMawhBrackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "mawh";
    t.rows = txl5_test::bracket_rows(mawh);
    return t;
});

}  // namespace
