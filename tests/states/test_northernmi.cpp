#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "states/northernmi.h"
#include "tests/support/exports.h"
#include "tests/support/paycheck.h"

namespace {

constexpr int64_t kNorthernMarianaIslands = 40;

// The federal part is the weekly worked example (single, one allowance, 1000.00:
// federal income tax 88.00 in 2026); the wage and salary tax is figured on the
// state wages of the period.
struct NmiPaycheck : txl5_test::PaycheckRecords {
    NmiPaycheck(int64_t year, int64_t pay_periods, double state_wages, double federal_wages = 1000.0)
        : PaycheckRecords(kNorthernMarianaIslands, year, 52, federal_wages) {
        fed.allowances = 1;
        state.struc_version = 213;
        state.state_pay_periods = pay_periods;
        state.state_wages = state_wages;
    }
};

struct Case {
    std::string why;
    int64_t year;
    int64_t pay_periods;
    double state_wages;
    double federal_wages;
    double wage_and_salary_tax;  // state_form_amount1
    double rate;
    double state_tax;            // the income tax left after the credit
};

const Case kCases[] = {
    {"weekly 500: 6 % of all 500 = 30.00; federal 88.00 - 30.00", 2026, 52, 500.0, 1000.0, 30.0, 0.06, 58.00},
    {"federal 150 a week: 7800 - 4300 is under 7500, no income tax; the wage tax 30.00 stands", 2026, 52, 500.0,
     150.0, 30.0, 0.06, 0.0},
    {"weekly 19.25 starts the 2 % bracket: 0.385", 2026, 52, 19.25, 1000.0, 0.385, 0.02, 87.62},
    {"weekly 961.56 starts the 9 % bracket: 86.5404", 2026, 52, 961.56, 1000.0, 86.5404, 0.09, 1.46},
    {"semimonthly 916.6 lies in the overlap: the earlier 5 % row wins, 45.83", 2026, 24, 916.6, 1000.0, 45.83, 0.05,
     42.17},
    {"monthly 3000 (2025): 7 % = 210.00; 2025 federal (1192.50 + 12 % x 29,375) / 52 = 90.72", 2025, 12, 3000.0,
     1000.0, 210.0, 0.07, 0.0},
    {"weekly 500 in 2024: 30.00; 2024 federal (1160 + 12 % x 30,100) / 52 = 91.77", 2024, 52, 500.0, 1000.0, 30.0,
     0.06, 61.77},
    {"biweekly 1000 (2024): 6 % = 60.00", 2024, 26, 1000.0, 1000.0, 60.0, 0.06, 31.77},
};

TEST(NorthernMarianaIslands, WageAndSalaryTaxCreditedAgainstTheIncomeTax) {
    for (const Case& c : kCases) {
        NmiPaycheck p(c.year, c.pay_periods, c.state_wages, c.federal_wages);
        EXPECT_EQ(TXL5_Calc(1, &p.fed, &p.state), 0) << c.why;
        EXPECT_EQ(p.state.state_error, 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_form_amount1, c.wage_and_salary_tax) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_rate_used, c.rate) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_tax, c.state_tax) << c.why;
        EXPECT_DOUBLE_EQ(p.fed.fed_tax, 0.0) << c.why;
        EXPECT_EQ(p.state.state_table_year, c.year) << c.why;
    }
}

TEST(NorthernMarianaIslands, NoBracketFails) {
    struct Failing { std::string why; int64_t pay_periods; double wages; } cases[] = {
        {"biweekly 850 lies in the gap from 846.20 to 856.20", 26, 850.0},
        {"daily pay has no brackets", 260, 100.0},
        {"quarterly pay has no brackets", 4, 5000.0},
    };
    for (const Failing& c : cases) {
        NmiPaycheck p(2026, c.pay_periods, c.wages);
        EXPECT_EQ(TXL5_Calc(1, &p.fed, &p.state) & 8, 8) << c.why;
        EXPECT_EQ(p.state.state_error, 1) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_form_amount1, 0.0) << c.why;
        EXPECT_EQ(p.state.state_table_year, 2017) << c.why;
    }
}

TEST(NorthernMarianaIslands, AnOlderLayoutIsComputedButReportsFailure) {
    NmiPaycheck p(2026, 52, 500.0);
    p.state.struc_version = 212;
    EXPECT_EQ(state_nmi(&p.fed, &p.state), 1);
    EXPECT_EQ(p.state.state_error, 1);
    EXPECT_DOUBLE_EQ(p.state.state_tax, 58.00);
    EXPECT_DOUBLE_EQ(p.state.state_form_amount1, 30.00);
}

TEST(NorthernMarianaIslands, AnOlderLayoutKeepsTheSupplementalTaxThroughTheDriversRetry) {
    // The first attempt moves the federal supplemental tax into the state
    // record and fails on the layout; the prior-year retry fails again, and
    // must not find the federal supplemental tax already taken (22 % of 100).
    NmiPaycheck p(2026, 52, 500.0);
    p.state.struc_version = 145;
    p.fed.supplemental_wages = 100.0;
    EXPECT_EQ(TXL5_Calc(1, &p.fed, &p.state) & 8, 8);
    EXPECT_EQ(p.state.state_error, 1);
    EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, 22.00);
    EXPECT_DOUBLE_EQ(p.fed.supplemental_fed_tax, 0.0);
    EXPECT_DOUBLE_EQ(p.state.state_form_amount1, 30.00);

    // Quarterly pay has no rows; the 2023 retry finds no federal rows and
    // fails before taking anything: the tax stays federal, counted once.
    NmiPaycheck q(2024, 4, 500.0);
    q.fed.supplemental_wages = 100.0;
    EXPECT_EQ(TXL5_Calc(1, &q.fed, &q.state) & 8, 8);
    EXPECT_DOUBLE_EQ(q.fed.supplemental_fed_tax, 22.00);
    EXPECT_DOUBLE_EQ(q.state.state_supplemental_tax, 0.0);
}

TEST(NorthernMarianaIslands, ACheckAfterTheNewestRowsUsesThePreviousYear) {
    NmiPaycheck p(2027, 52, 500.0);
    p.fed.supplemental_wages = 100.0;
    EXPECT_EQ(TXL5_Calc(1, &p.fed, &p.state), 0);
    EXPECT_EQ(p.fed.fed_status, 0);
    EXPECT_EQ(p.state.state_table_year, 2026);
    EXPECT_DOUBLE_EQ(p.state.state_tax, 58.00);
    EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, 22.00);  // 22 % of 100, moved from the federal record
    EXPECT_DOUBLE_EQ(p.fed.supplemental_fed_tax, 0.0);
}

TEST(NorthernMarianaIslands, NonFiniteWagesFitNoBracket) {
    NmiPaycheck p(2026, 52, std::numeric_limits<double>::infinity());
    EXPECT_EQ(state_nmi(&p.fed, &p.state), 1);
    EXPECT_DOUBLE_EQ(p.state.state_form_amount1, 0.0);
    EXPECT_EQ(state_nmi(nullptr, &p.state), 1);
    EXPECT_EQ(state_nmi(&p.fed, nullptr), 1);
}

TEST(NorthernMarianaIslands, Table) {
    EXPECT_EQ(txl5::table_row_count(nmiwh), 108);  // 9 brackets x 4 frequencies x 2026, 2025, 2024
    txl5_test::expect_typed_functions({"state_nmi"});
    txl5_test::expect_data_objects({"nmiwh"});
}

}  // namespace
