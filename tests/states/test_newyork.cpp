#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "states/newyork.h"
#include "states/newyork_calc.h"
#include "tests/states/bracket_state_support.h"
#include "tests/support/brackets.h"
#include "tests/support/exports.h"

namespace {

constexpr int64_t kNewYork = 37;

using Records = txl5_test::StatePaycheck;

// A New York paycheck on 15 June of the year.
Records paycheck(int64_t year, int64_t filing_status, int64_t pay_periods, int64_t allowances, double wages) {
    Records r(kNewYork, year, filing_status, pay_periods, allowances, wages);
    r.state.state_supp_aggregate = 2;  // no supplemental tax unless a test asks for it
    return r;
}

struct Case {
    std::string why;  // where the expected amount comes from
    int64_t year, filing_status, pay_periods, allowances;
    double wages, state_tax, rate_used;
};

const Case kPaychecks[] = {
    {"worked example: taxable 838.45 in 267-1551, 11.27 + 0.054 x 571.45", 2026, 0, 52, 1, 1000.0, 42.13, 0.054},
    {"filing status 2 takes the single schedule", 2026, 2, 52, 1, 1000.0, 42.13, 0.054},
    {"worked example: daily, annual rows: (586 + 0.054 x 56700) / 260", 2026, 0, 260, 0, 300.0, 14.03, 0.054},
    {"worked example: top bracket, 0.1045 x 1552600.40 / 52", 2026, 0, 52, 0, 30000.0, 3120.13, 0.1045},
    {"published 2026 annual base: taxable 8500 owes 332", 2026, 0, 1, 0, 15900.0, 332.00, 0.044},
    {"published 2026 married base: taxable 211550 owes 13708", 2026, 1, 1, 0, 219500.0, 13708.00, 0.064},
    {"biweekly: 2715.40 in 535-3102, 22.54 + 0.054 x 2180.40", 2026, 0, 26, 0, 3000.0, 140.28, 0.054},
    {"monthly married top bracket from 179613: 0.1045 x 2392050 / 12", 2026, 1, 12, 0, 200000.0, 20830.77, 0.1045},
    {"quarterly, annual rows: (586 + 0.054 x 58700) / 4", 2026, 0, 4, 0, 20000.0, 938.95, 0.054},
    {"the top bracket's upper is not tested: 6,000,000 x 0.111", 2026, 0, 1, 0, 6007400.0, 666000.00, 0.1045},
    {"annual taxable above 25,000,000: 11.7 % of the whole", 2026, 0, 1, 0, 30007400.0, 3510000.00, 0.1045},
    {"wages below the deductions owe nothing", 2026, 0, 52, 0, 100.0, 0.00, 0.039},
    {"published 2025 annual base: taxable 80650 owes 4271", 2025, 0, 1, 0, 88050.0, 4271.00, 0.06},
    {"2025 daily on the published annual rows: (600 + 0.055 x 56700) / 260", 2025, 0, 260, 0, 300.0, 14.30, 0.055},
    {"published 2024 married base: taxable 211550 owes 13919", 2024, 1, 1, 0, 219500.0, 13919.00, 0.065},
    {"2024 weekly married: 1308.60 in 267-1551, 11.54 + 0.055 x 1041.60", 2024, 1, 52, 2, 1500.0, 68.83, 0.055},
    {"a 2027 check uses the 2026 rows through the retry", 2027, 0, 52, 1, 1000.0, 42.13, 0.054},
    // 2025 checks in the top bracket: the 2025 weekly schedule sends the whole
    // annual taxable wage (weekly taxable x 52) to the 2025 high-income bands.
    {"2025 weekly single 30000: 29857.70 from 20722, 0.1045 x 1552600.40 / 52", 2025, 0, 52, 0, 30000.0, 3120.13,
     0.1045},
    {"2025 weekly single 100000: 0.111 x 5192600.40 / 52 = 11084.2047", 2025, 0, 52, 0, 100000.0, 11084.20, 0.1045},
    {"2025 weekly married 50000: 49847.10 from 41449, 0.1045 x 2592049.20 / 52 = 5209.02", 2025, 1, 52, 0, 50000.0,
     5209.02, 0.1045},
};

TEST(NewYork, Paychecks) {
    for (const auto& c : kPaychecks) {
        Records r = paycheck(c.year, c.filing_status, c.pay_periods, c.allowances, c.wages);
        r.state.state_table_year = 1999;
        EXPECT_EQ(TXL5_Calc(1, &r.fed, &r.state), 0) << c.why;
        EXPECT_EQ(r.state.state_error, 0) << c.why;
        EXPECT_DOUBLE_EQ(r.state.state_tax, c.state_tax) << c.why;
        EXPECT_DOUBLE_EQ(r.state.state_rate_used, c.rate_used) << c.why;
        EXPECT_EQ(r.state.state_table_year, 1999) << c.why << ": table-date fields are not written";
    }
}

// State pay periods that are not a count (0, negative), on a direct call (the
// driver refuses them) with positive wages: no
// schedule has such a frequency, so the annual rows are taken on periods x
// wages, and the annual tax stands undivided (divided by 1). Negative
// allowances raise the taxable wages so the undivided amount shows.
TEST(NewYork, CalledDirectlyPayPeriodsBelowOne) {
    struct PeriodCase {
        std::string why;
        int64_t pay_periods, allowances;
        double wages, supplemental, state_tax, rate_used, supplemental_tax;
    };
    const PeriodCase cases[] = {
        {"-52: -52000 - 7400 is floored at 0", -52, 0, 1000.0, 0.0, 0.00, 0.039, 0.00},
        {"0: 0 x 1000 - 7400 is floored at 0", 0, 0, 1000.0, 0.0, 0.00, 0.039, 0.00},
        {"0, -20 allowances: 20000 - 7400 = 12600, 472 + 0.0515 x 900 undivided", 0, -20, 1000.0, 0.0, 518.35, 0.0515,
         0.00},
        {"-52, -100 allowances: 100000 - 7400 - 52000 = 40600, 586 + 0.054 x 26700 undivided", -52, -100, 1000.0, 0.0,
         2027.80, 0.054, 0.00},
        {"0, -2000 allowances, top bracket: 2000000 - 7400 = 1992600 x 0.1045 undivided", 0, -2000, 1000.0, 0.0,
         208226.70, 0.1045, 0.00},
        {"-52 aggregate: +26000 more gives 66600, 586 + 0.054 x 52700 = 3431.80, less 2027.80", -52, -100, 1000.0,
         -500.0, 2027.80, 0.054, 1404.00},
        {"0 aggregate: 0 x 500 adds nothing", 0, -20, 1000.0, 500.0, 518.35, 0.0515, 0.00},
    };
    for (const auto& c : cases) {
        Records r = paycheck(2026, 0, c.pay_periods, c.allowances, c.wages);
        r.state.state_supp_aggregate = 1;
        r.state.state_supplemental_wages = c.supplemental;
        EXPECT_EQ(state_ny(&r.fed, &r.state), 0) << c.why;
        EXPECT_EQ(r.state.state_error, 0) << c.why;
        EXPECT_TRUE(std::isfinite(r.state.state_tax)) << c.why;
        r.state.state_tax = dollarround(r.state.state_tax);
        EXPECT_DOUBLE_EQ(r.state.state_tax, c.state_tax) << c.why;
        EXPECT_DOUBLE_EQ(r.state.state_rate_used, c.rate_used) << c.why;
        EXPECT_DOUBLE_EQ(r.state.state_supplemental_tax, c.supplemental_tax) << c.why;
    }
    // Flat supplemental tax does not depend on the period count.
    for (int64_t pay_periods : {0, -52}) {
        Records r = paycheck(2026, 0, pay_periods, 0, 1000.0);
        r.state.state_supp_aggregate = 0;
        r.state.state_supplemental_wages = 1000.0;
        EXPECT_EQ(state_ny(&r.fed, &r.state), 0) << pay_periods;
        EXPECT_DOUBLE_EQ(r.state.state_tax, 0.00) << pay_periods;
        EXPECT_DOUBLE_EQ(r.state.state_supplemental_tax, 117.00) << pay_periods;
    }
}

struct SupplementalCase {
    std::string why;
    int64_t year, version, aggregate;
    double wages, supplemental, state_supplemental_tax, rate_used;
};

TEST(NewYork, SupplementalWages) {
    const SupplementalCase cases[] = {
        {"flat 11.7 %", 2026, 145, 0, 1000.0, 1000.0, 117.00, 0.054},
        {"flat 11.7 % in 2024", 2024, 145, 0, 1000.0, 1000.0, 117.00, 0.055},
        {"aggregate: 11.27 + 0.054 x 1071.45 = 69.1283, less 42.1283", 2026, 145, 1, 1000.0, 500.0, 27.00, 0.054},
        {"aggregate reaching the top bracket: 0.1045 x 1603599.40 / 52 - 42.1283", 2026, 145, 1, 1000.0, 30000.0,
         3180.49, 0.1045},
        {"aggregate below the regular tax is floored at 0; the rate stays the top bracket's", 2026, 145, 1, 30000.0,
         -29500.0, 0.00, 0.1045},
        {"negative supplemental wages owe no aggregate tax", 2026, 145, 1, 1000.0, -100.0, 0.00, 0.054},
        {"version 144: nothing computed or written", 2026, 144, 0, 1000.0, 1000.0, 5.00, 0.054},
        {"aggregate choice 2: nothing computed", 2026, 145, 2, 1000.0, 1000.0, 5.00, 0.054},
    };
    for (const auto& c : cases) {
        Records r = paycheck(c.year, 0, 52, c.year == 2026 ? 1 : 0, c.wages);
        r.state.struc_version = c.version;
        r.state.state_supp_aggregate = c.aggregate;
        r.state.state_supplemental_wages = c.supplemental;
        r.state.state_supplemental_tax = 5.0;
        EXPECT_EQ(TXL5_Calc(1, &r.fed, &r.state), 0) << c.why;
        EXPECT_DOUBLE_EQ(r.state.state_supplemental_tax, c.state_supplemental_tax) << c.why;
        EXPECT_DOUBLE_EQ(r.state.state_rate_used, c.rate_used) << c.why;
    }
    // Daily pay, aggregate on the annual rows: taxable 96600 reaches the
    // 80650 bracket, (4190 + 0.059 x 15950) / 260 - (586 + 0.054 x 56700) / 260.
    Records r = paycheck(2026, 0, 260, 0, 300.0);
    r.state.state_supp_aggregate = 1;
    r.state.state_supplemental_wages = 100.0;
    EXPECT_EQ(TXL5_Calc(1, &r.fed, &r.state), 0);
    EXPECT_DOUBLE_EQ(r.state.state_supplemental_tax, 5.70);
}

TEST(NewYork, NoRowIsAFailure) {
    struct Failure { std::string why; int64_t year; double wages; int64_t result; } cases[] = {
        {"no rows before 2024 (the federal part fails as well)", 2023, 1000.0, 9},
        {"wages that are not a number", 2026, std::nan(""), 8},
        {"infinite wages", 2026, std::numeric_limits<double>::infinity(), 8},
        {"wages of minus infinity are not floored to 0", 2026, -std::numeric_limits<double>::infinity(), 8},
        {"annualized top-bracket wages that overflow", 2026, 1e307, 8},
    };
    for (const auto& c : cases) {
        Records r = paycheck(c.year, 0, 52, 0, c.wages);
        r.state.state_table_month = 7;
        EXPECT_EQ(TXL5_Calc(1, &r.fed, &r.state), c.result) << c.why;
        EXPECT_EQ(r.state.state_error, 1) << c.why;
        EXPECT_EQ(r.state.state_tax, 0.0) << c.why;
        EXPECT_EQ(r.state.state_table_month, 7) << c.why;
    }
}

// Tables with gaps the published ones do not have, run through the same calculation.
const NyWhRow kWeeklySingle[] = {
    {{1, 1, 2026}, {12, 31, 2026}, 0, 52, 100.0, 0.0, 0.0, 1000.0, 0.0, 0.05},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 52, 100.0, 0.0, 1000.0, 5000.0, -1.0, 0.1045},
    {},
};
// High-income bands for 2025 only, and for married employees in 2026.
const NyWhRow kHighIncomeElsewhere[] = {
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 0.0, 0.0, 0.0, 0.0, 0.0, 0.1045},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 0.0, 0.0, 0.0, 0.0, 0.0, 0.1045},
    {},
};
const SupplementalRateRow kNoSupplementalRate[] = {{}};

TEST(NewYork, TopBracketWithoutHighIncomeBandFails) {
    const MDATE date{6, 15, 2026};
    STATE_WITHHOLDING_STRUC state{};
    state.struc_version = 145;
    state.state_pay_periods = 52;
    state.state_wages = 2000.0;
    state.state_tax = 7.0;
    state.state_supp_aggregate = 2;
    EXPECT_EQ(txl5::ny_withholding(date, &state, kWeeklySingle, kHighIncomeElsewhere, supplemental_ny), 1);
    EXPECT_EQ(state.state_error, 1);
    EXPECT_EQ(state.state_tax, 7.0);  // not written

    // The aggregate repeat reaching the missing band fails the same way.
    state = STATE_WITHHOLDING_STRUC{};
    state.struc_version = 145;
    state.state_pay_periods = 52;
    state.state_wages = 500.0;
    state.state_supp_aggregate = 1;
    state.state_supplemental_wages = 1500.0;
    state.state_supplemental_tax = 3.0;
    EXPECT_EQ(txl5::ny_withholding(date, &state, kWeeklySingle, kHighIncomeElsewhere, supplemental_ny), 1);
    EXPECT_EQ(state.state_error, 1);
    EXPECT_DOUBLE_EQ(state.state_tax, 20.0);  // 0.05 x 400
    EXPECT_EQ(state.state_supplemental_tax, 0.0);
}

TEST(NewYork, NoFlatRateIsBit64AndTheRegularTaxStands) {
    STATE_WITHHOLDING_STRUC state{};
    state.struc_version = 145;
    state.state_pay_periods = 52;
    state.state_allowances = 1;
    state.state_wages = 1000.0;
    state.state_supplemental_wages = 1000.0;
    state.state_supplemental_tax = 3.0;
    EXPECT_EQ(txl5::ny_withholding(MDATE{6, 15, 2026}, &state, nywh, method3annualt, kNoSupplementalRate), 64);
    EXPECT_EQ(state.state_error, 0);
    EXPECT_NEAR(state.state_tax, 42.1283, 1e-9);
    EXPECT_EQ(state.state_supplemental_tax, 0.0);
}

const NyWhRow* find_row(int64_t year, int64_t status, int64_t pay_periods, double lower) {
    return txl5::scan_rows(nywh, MDATE{6, 15, year}, [&](const NyWhRow& r) {
        return r.status == status && r.pay_periods == pay_periods && r.lower == lower;
    });
}

// The state's 2026 per-period values, against the generated rows.
TEST(NewYork, GeneratedRowsMatchPublishedPeriodValues) {
    struct Bracket { double lower, upper, base, rate; } weekly_single[] = {
        {0, 163, 0, 0.039}, {163, 225, 6.38, 0.044}, {267, 1551, 11.27, 0.054}, {5104, 20722, 367.13, 0.0735}};
    for (const auto& b : weekly_single) {
        const NyWhRow* row = find_row(2026, 0, 52, b.lower);
        ASSERT_NE(row, nullptr) << b.lower;
        EXPECT_EQ(row->upper, b.upper);
        EXPECT_DOUBLE_EQ(row->base, b.base);
        EXPECT_EQ(row->rate, b.rate);
    }
    const NyWhRow* top = find_row(2026, 0, 52, 20722);
    ASSERT_NE(top, nullptr);
    EXPECT_TRUE(ny_top_bracket(*top));

    struct Deductions { int64_t pay_periods; double single, married, allowance; } deductions[] = {
        {52, 142.30, 152.90, 19.25}, {26, 284.60, 305.80, 38.50}, {24, 308.35, 331.25, 41.65},
        {12, 616.70, 662.50, 83.30}, {1, 7400, 7950, 1000}};
    for (const auto& d : deductions) {
        for (int64_t status : {0, 1}) {
            const NyWhRow* row = find_row(2026, status, d.pay_periods, 0.0);
            ASSERT_NE(row, nullptr) << d.pay_periods;
            EXPECT_DOUBLE_EQ(row->std_deduction, status == 0 ? d.single : d.married) << d.pay_periods;
            EXPECT_DOUBLE_EQ(row->allowance_amount, d.allowance) << d.pay_periods;
        }
    }
}

TEST(NewYork, TableSizes) {
    // 120 rows a year (five frequencies of 11 single and 13 married brackets) for 2024-2026.
    EXPECT_EQ(txl5::table_row_count(nywh), 360);
    EXPECT_EQ(txl5::table_row_count(method3annualt), 18);
    EXPECT_EQ(txl5::table_row_count(supplemental_ny), 3);
}

TEST(NewYork, ExportedNames) {
    txl5_test::expect_typed_functions({"state_ny"});
    txl5_test::expect_data_objects({"nywh", "method3annualt", "supplemental_ny"});
}

// One bracket table per frequency. New York computes each annual base from the
// unrounded previous one and prints it in whole dollars (so a base may differ
// from the printed arithmetic by up to a dollar); a period base is the annual
// base divided by the periods, to the cent, and period bounds are rounded to
// dollars. Published bases after the recapture bands (single: brackets 8 and
// 10; married: 8, 9 and 11, counting from 1) do not follow from the previous
// bracket, and the top bracket holds the high-income marker.
int register_nywh(int64_t pay_periods, const char* name) {
    return txl5_test::register_bracket_table([=] {
        txl5_test::BracketTable t;
        t.name = name;
        t.tolerance = pay_periods == 1 ? 1.0 : 0.01 + 1.0 / static_cast<double>(pay_periods);
        t.bound_rounding = pay_periods == 1 ? 0.0 : 1.0;
        int64_t position = 0;
        for (const NyWhRow* r = nywh; r->start_date.month != 0; ++r) {
            if (r->pay_periods != pay_periods) continue;
            position = r->lower == 0.0 ? 0 : position + 1;
            const bool recapture = r->status == 0 ? (position == 7 || position == 9 || position == 10)
                                                  : (position == 7 || position == 8 || position == 10 || position == 12);
            if (recapture) t.allowed_rows.insert(t.rows.size());
            t.rows.push_back({r->start_date, r->end_date, r->status, r->pay_periods, r->lower, r->upper, r->base,
                              r->rate});
        }
        return t;
    });
}

const int kNywhAnnual = register_nywh(1, "nywh annual");
const int kNywhWeekly = register_nywh(52, "nywh weekly");
const int kNywhBiweekly = register_nywh(26, "nywh biweekly");
const int kNywhSemimonthly = register_nywh(24, "nywh semimonthly");
const int kNywhMonthly = register_nywh(12, "nywh monthly");
// method3annualt is not a bracket table: each band's rate applies to the whole amount.

}  // namespace
