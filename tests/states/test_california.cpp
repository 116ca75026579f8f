#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <limits>
#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "states/california.h"
#include "tests/support/brackets.h"
#include "tests/support/data_files.h"
#include "tests/support/exports.h"
#include "tests/support/paycheck.h"

namespace {

constexpr int64_t kCalifornia = 6;

using Records = txl5_test::PaycheckRecords;

// A California paycheck dated June 15 of `year`; the federal record always has
// a valid frequency so that only the state part sees the state's pay periods.
Records paycheck(int64_t year, int64_t pay_periods, int64_t status, int64_t allowances,
                 int64_t deduction_allowances, double wages) {
    Records r(kCalifornia, year, pay_periods >= 1 ? pay_periods : 52, wages);
    r.fed.check_day = 15;
    r.state.state_filing_status = status;
    r.state.state_allowances = allowances;
    r.state.state_additional_allowances = deduction_allowances;
    r.state.state_pay_periods = pay_periods;
    return r;
}

struct Case {
    std::string why;  // where the expected amount comes from
    int64_t year;
    int64_t pay_periods;
    int64_t status;
    int64_t allowances;
    int64_t deduction_allowances;
    double wages;
    double state_tax;  // after the driver's rounding to cents
    double rate_used;  // 0 = the low-income exemption ended the calculation
};

const Case kPaychecks[] = {
    // Published values, one year at a time: the tax at a bracket floor is the
    // printed base; wages = floor + standard deduction, no allowances.
    {"DE 44 2026 weekly single: over 1399 the tax is 67.77; 1509 - 110", 2026, 52, 0, 0, 0, 1509.0, 67.77, 0.1023},
    {"DE 44 2026 annual single: over 72724 the tax is 3522.17; 78430 - 5706", 2026, 1, 0, 0, 0, 78430.0, 3522.17,
     0.1023},
    {"2025 annual single: over 70606 the tax is 3419.60; 76146 - 5540", 2025, 1, 0, 0, 0, 76146.0, 3419.60, 0.1023},
    {"2025 annual married 2 allowances: over 141212 the tax is 6839.18; 152292 - 11080; less 2 x 163.90", 2025, 1,
     1, 2, 0, 152292.0, 6511.38, 0.1023},
    {"2025 annual head of household: over 96107 the tax is 3862.25; 107187 - 11080", 2025, 1, 2, 0, 0, 107187.0,
     3862.25, 0.1023},
    {"2025 low-income limit 18368 (single): 18367.99 bears no tax", 2025, 1, 0, 0, 0, 18367.99, 0.0, 0.0},
    {"2025 at the limit 18368: 12828 taxable; 118.32 + 0.022 x 2072", 2025, 1, 0, 0, 0, 18368.0, 163.90, 0.022},
    {"2024 annual single: over 68350 the tax is 3310.33; 73713 - 5363", 2024, 1, 0, 0, 0, 73713.0, 3310.33, 0.1023},
    {"2024 annual married 2 allowances: over 136700 the tax is 6620.67; 147426 - 10726; less 2 x 158.40", 2024, 1,
     1, 2, 0, 147426.0, 6303.87, 0.1023},
    {"2024 low-income limit 35538 (head of household): 35537.99 bears no tax", 2024, 1, 2, 0, 0, 35537.99, 0.0, 0.0},
    {"2024 head of household at the limit: 24812 taxable; 229.23 + 0.022 x 3973", 2024, 1, 2, 0, 0, 35538.0, 316.64,
     0.022},

    // Weekly 2026 hand arithmetic on the DE 44 2026 weekly single row (213 / 2.34 at 2.2 %, 1399 / 67.77 at 10.23 %).
    {"weekly 363.00 is not below 363: 253 taxable; 2.34 + 0.022 x 40", 2026, 52, 0, 0, 0, 363.0, 3.22, 0.022},
    {"more than ten allowances: 117.9993 - 12 x 168.30 / 52", 2026, 52, 0, 12, 0, 2000.0, 79.16, 0.1023},
    {"ten allowances take the table's 32.37: 117.9993 - 32.37", 2026, 52, 0, 10, 0, 2000.0, 85.63, 0.1023},

    // Married with one regular and one deduction allowance: low-income limit of
    // the 2-or-more column (727), standard deduction of the 0-or-1 column (110).
    {"married 1 + 1: 700 is below the 2-or-more limit 727", 2026, 52, 1, 1, 1, 700.0, 0.0, 0.0},
    {"married 1 + 1: 800 - 19 - 110 = 671; 4.68 + 0.022 x 245 - 3.24", 2026, 52, 1, 1, 1, 800.0, 6.83, 0.022},
    {"married 1 + 0: 700 is above the 0-or-1 limit 363; 590 taxable; 4.68 + 0.022 x 164 - 3.24", 2026, 52, 1, 1, 0,
     700.0, 5.05, 0.022},

    // DE 44 2026 Example C: monthly, married, five allowances; 3149 limit, 951
    // standard deduction, bracket from 1847 with 1847 x 1.1 % cut to cents = 20.31, credit 70.13.
    {"DE 44 2026 Example C: 5100 - 951 = 4149; 20.31 + 0.022 x 2302 = 70.954; less 70.13", 2026, 12, 1, 5, 0,
     5100.0, 0.82, 0.022},

    // Daily pay: no per-frequency rows, so the annual amounts are divided.
    {"daily: 300 - 1000/260 - trunc(5706/260) = 275.15; x 260 = 71540; (2186.15 + 0.088 x 13998) / 260 - 168.30/260",
     2026, 260, 0, 1, 1, 300.0, 12.50, 0.088},

    // Eleven deduction allowances on a biweekly payroll: 11 x 38 = 418.
    {"biweekly 11 deduction allowances: 2000 - 418 - 219 = 1363; 17.53 + 0.044 x 353", 2026, 26, 0, 0, 11, 2000.0,
     33.06, 0.044},
    {"biweekly 10 deduction allowances: 2000 - 385 - 219 = 1396; 17.53 + 0.044 x 386", 2026, 26, 0, 0, 10, 2000.0,
     34.51, 0.044},

    // Deductions above the wages: the taxable wages count as 0, nothing owed.
    {"30 deduction allowances: 400 - 570 - 110 < 0 is taxed as 0", 2026, 52, 0, 0, 30, 400.0, 0.0, 0.011},
    {"a negative count of deduction allowances claims none: as 1509 with none", 2026, 52, 0, 0, -3, 1509.0, 67.77,
     0.1023},
    {"married 3 regular, -2 deduction allowances: counts as 3, limit 727, 500 bears no tax", 2026, 52, 1, 3, -2,
     500.0, 0.0, 0.0},

};

TEST(California, Paychecks) {
    for (const auto& c : kPaychecks) {
        Records r = paycheck(c.year, c.pay_periods, c.status, c.allowances, c.deduction_allowances, c.wages);
        r.state.state_rate_used = -1.0;
        EXPECT_EQ(TXL5_Calc(1, &r.fed, &r.state), 0) << c.why;
        EXPECT_EQ(r.state.state_error, 0) << c.why;
        EXPECT_DOUBLE_EQ(r.state.state_tax, c.state_tax) << c.why;
        EXPECT_DOUBLE_EQ(r.state.state_rate_used, c.rate_used == 0.0 ? -1.0 : c.rate_used) << c.why;
        EXPECT_EQ(r.state.state_table_month, 1) << c.why;
        EXPECT_EQ(r.state.state_table_day, 1) << c.why;
        EXPECT_EQ(r.state.state_table_year, c.year) << c.why;
    }
}

TEST(California, LowIncomeTestCountsSupplementalWages) {
    // Weekly single 2026: 300 + 62.99 = 362.99 is below 363, so neither tax is due.
    Records r = paycheck(2026, 52, 0, 0, 0, 300.0);
    r.state.state_supplemental_wages = 62.99;
    r.state.state_supplemental_tax = 9.99;
    r.state.additional_state_wh = 1.5;
    EXPECT_EQ(TXL5_Calc(1, &r.fed, &r.state), 0);
    EXPECT_DOUBLE_EQ(r.state.state_tax, 1.5);  // the extra withholding alone
    EXPECT_DOUBLE_EQ(r.state.state_supplemental_tax, 0.0);
    EXPECT_EQ(r.state.state_table_month, 1);
    EXPECT_EQ(r.state.state_table_day, 1);
    EXPECT_EQ(r.state.state_table_year, 2026);

    // 300 + 63 = 363: both taxes are due; 190 x 0.011 = 2.09, 63 x 10.24 % = 6.45.
    r = paycheck(2026, 52, 0, 0, 0, 300.0);
    r.state.state_supplemental_wages = 63.0;
    EXPECT_EQ(TXL5_Calc(1, &r.fed, &r.state), 0);
    EXPECT_DOUBLE_EQ(r.state.state_tax, 2.09);
    EXPECT_DOUBLE_EQ(r.state.state_supplemental_tax, 6.45);

    // Layout 144 has no supplemental tax, yet its supplemental wages lift the
    // total above the limit: the regular wages are taxed, nothing else written.
    r = paycheck(2026, 52, 0, 0, 0, 300.0);
    r.state.struc_version = 144;
    r.state.state_supplemental_wages = 100.0;
    r.state.state_supplemental_tax = 7.77;
    EXPECT_EQ(TXL5_Calc(1, &r.fed, &r.state), 0);
    EXPECT_DOUBLE_EQ(r.state.state_tax, 2.09);
    EXPECT_DOUBLE_EQ(r.state.state_supplemental_tax, 7.77);
}

struct SupplementalCase {
    std::string why;
    MDATE date;
    int64_t allowances;
    int64_t deduction_allowances;
    double wages;
    double supplemental_wages;
    int64_t aggregate;
    int64_t rate_choice;
    double state_tax;
    double supplemental_tax;
};

const SupplementalCase kSupplemental[] = {
    // Flat rates: 10.24 % on bonuses, 6.6 % on other supplemental wages.
    {"2024 flat bonus: 500 x 10.24 %", {6, 15, 2024}, 0, 0, 1000.0, 500.0, 0, 0, -1, 51.20},
    {"2024 flat bonus on the year's last day", {12, 31, 2024}, 0, 0, 1000.0, 500.0, 0, 0, -1, 51.20},
    {"2024 flat, other supplemental: 500 x 6.6 %", {6, 15, 2024}, 0, 0, 1000.0, 500.0, 0, 1, -1, 33.00},
    {"2025 flat bonus", {6, 15, 2025}, 0, 0, 1000.0, 500.0, 0, 0, -1, 51.20},
    {"2026 flat bonus", {6, 15, 2026}, 0, 0, 1000.0, 500.0, 0, 0, -1, 51.20},
    // Aggregate, weekly single 2026. Regular: 290 taxable, 2.34 + 0.022 x 77 =
    // 4.034, wiped out by 5 x 168.30 / 52 = 16.18; with the bonus 1290 taxable,
    // 42.07 + 0.088 x 183 = 58.174: the difference before the credit is due.
    {"aggregate after a credit that wipes out the regular tax: 58.174 - 4.034", {6, 15, 2026}, 5, 0, 400.0, 1000.0,
     1, 0, 0.0, 54.14},
    {"aggregate with deductions above the wages: 400 + 500 - 570 - 110 = 220; 2.34 + 0.022 x 7", {6, 15, 2026}, 0,
     30, 400.0, 500.0, 1, 0, 0.0, 2.49},
    {"aggregate with deductions above wages and bonus: both taxed as 0", {6, 15, 2026}, 0, 30, 400.0, 100.0, 1, 0,
     0.0, 0.0},
    {"aggregate difference is not floored: 1390 taxable, 66.974 - 117.9993", {6, 15, 2026}, 0, 0, 2000.0, -500.0, 1,
     0, 118.0, -51.02},
};

TEST(California, SupplementalWages) {
    for (const auto& c : kSupplemental) {
        Records r = paycheck(c.date.year, 52, 0, c.allowances, c.deduction_allowances, c.wages);
        r.fed.check_month = c.date.month;
        r.fed.check_day = c.date.day;
        r.state.state_supplemental_wages = c.supplemental_wages;
        r.state.state_supp_aggregate = c.aggregate;
        r.state.state_supp_rate_choice = c.rate_choice;
        EXPECT_EQ(TXL5_Calc(1, &r.fed, &r.state), 0) << c.why;
        EXPECT_EQ(r.state.state_error, 0) << c.why;
        EXPECT_DOUBLE_EQ(r.state.state_supplemental_tax, c.supplemental_tax) << c.why;
        if (c.state_tax >= 0) {
            EXPECT_DOUBLE_EQ(r.state.state_tax, c.state_tax) << c.why;
        }
        EXPECT_EQ(r.state.state_table_year, c.date.year) << c.why;
    }
}

TEST(California, AggregateKeepsTheRegularRate) {
    // The combined wages fall in the 8.8 % bracket; the rate reported is the
    // regular wages' 2.2 %.
    Records r = paycheck(2026, 52, 0, 5, 0, 400.0);
    r.state.state_supplemental_wages = 1000.0;
    r.state.state_supp_aggregate = 1;
    EXPECT_EQ(TXL5_Calc(1, &r.fed, &r.state), 0);
    EXPECT_DOUBLE_EQ(r.state.state_rate_used, 0.022);
}

TEST(California, OtherAggregateValuesComputeNoSupplementalTax) {
    Records r = paycheck(2026, 52, 0, 0, 0, 1509.0);
    r.state.state_supplemental_wages = 500.0;
    r.state.state_supp_aggregate = 2;
    r.state.state_supplemental_tax = 3.33;
    EXPECT_EQ(TXL5_Calc(1, &r.fed, &r.state), 0);
    EXPECT_DOUBLE_EQ(r.state.state_supplemental_tax, 3.33);
    EXPECT_DOUBLE_EQ(r.state.state_tax, 67.77);
}

TEST(California, FailuresAndRetry) {
    // A check after the newest rows is computed with 2026's.
    Records r = paycheck(2027, 52, 0, 0, 0, 1509.0);
    EXPECT_EQ(TXL5_Calc(1, &r.fed, &r.state), 0);
    EXPECT_DOUBLE_EQ(r.state.state_tax, 67.77);
    EXPECT_EQ(r.state.state_table_year, 2026);
    EXPECT_EQ(r.fed.check_year, 2027);

    // 2023 and 2022 have no rows: the state part fails, no table date is set.
    r = paycheck(2023, 52, 0, 0, 0, 1509.0);
    EXPECT_EQ(TXL5_Calc(1, &r.fed, &r.state) & 8, 8);
    EXPECT_EQ(r.state.state_error, 1);
    EXPECT_EQ(r.state.state_table_year, 2017);
    EXPECT_EQ(r.state.state_table_month, 6);
    EXPECT_EQ(r.state.state_table_day, 15);

    // A status with no schedule: no bracket row, the state part fails.
    r = paycheck(2026, 52, 3, 0, 0, 1509.0);
    r.state.additional_state_wh = 4.0;
    EXPECT_EQ(TXL5_Calc(1, &r.fed, &r.state), 8);
    EXPECT_EQ(r.state.state_error, 1);
    EXPECT_DOUBLE_EQ(r.state.state_tax, 4.0);
}

TEST(California, CalledDirectlyPayPeriodsBelowOneAreAnnual) {
    // The driver refuses them; a direct call takes every amount as annual
    // (divided by 1).
    const Case cases[] = {
        {"pay periods 0: 60000 - 5706 = 54294; 1124.21 + 0.066 x 12842 - 168.30", 2026, 0, 0, 1, 0, 60000.0,
         1803.48, 0.066},
        {"pay periods -3: as pay periods 0", 2026, -3, 0, 1, 0, 60000.0, 1803.48, 0.066},
        {"pay periods 0 with 20 deduction allowances: 20000 - 20 x 1000 - 5706 < 0 is taxed as 0", 2026, 0, 0, 0, 20,
         20000.0, 0.0, 0.011},
    };
    for (const auto& c : cases) {
        Records r = paycheck(c.year, c.pay_periods, c.status, c.allowances, c.deduction_allowances, c.wages);
        EXPECT_EQ(state_ca(&r.fed, &r.state), 0) << c.why;
        EXPECT_DOUBLE_EQ(dollarround(r.state.state_tax), c.state_tax) << c.why;
    }
}

TEST(California, CalledDirectlyPayPeriodsBelowOneNeverCrashOrGoNonFinite) {
    for (int64_t periods : std::initializer_list<int64_t>{0, -1, -52, std::numeric_limits<int64_t>::min()}) {
        for (int64_t status : {0, 1, 2}) {
            Records r = paycheck(2026, periods, status, 3, 12, 90000.0);
            r.state.state_supplemental_wages = 5000.0;
            r.state.state_supp_aggregate = 1;
            EXPECT_EQ(state_ca(&r.fed, &r.state), 0) << periods;
            EXPECT_TRUE(std::isfinite(r.state.state_tax)) << periods;
            EXPECT_TRUE(std::isfinite(r.state.state_supplemental_tax)) << periods;
            EXPECT_GT(r.state.state_tax, 0.0) << periods;
        }
    }
}

// ---- Tables ----------------------------------------------------------------

TEST(CaliforniaTables, RowCountsAndOrder) {
    struct EndsAtZeroPayPeriods {
        bool operator()(const CaEstimatedDeductionRow& row) const { return row.pay_periods == 0; }
    };
    EXPECT_EQ(txl5::table_row_count(table1), 3 * 7);
    EXPECT_EQ(txl5::table_row_count(table2, EndsAtZeroPayPeriods()), 7);
    EXPECT_EQ(txl5::table_row_count(table3), 3 * 7);
    EXPECT_EQ(txl5::table_row_count(cawh), 3 * 7 * 3 * 10);
    EXPECT_EQ(txl5::table_row_count(table4), 3 * 7 * 11);
    EXPECT_EQ(txl5::table_row_count(supplemental), 4);

    const int64_t cawh_order[] = {1, 4, 2, 24, 12, 52, 26};
    const int64_t table4_order[] = {52, 26, 24, 12, 4, 2, 1};
    const int64_t frequency_order[] = {1, 2, 4, 12, 24, 26, 52};
    for (int y = 0; y < 3; ++y) {
        const int64_t year = 2026 - y;
        for (int f = 0; f < 7; ++f) {
            EXPECT_EQ(table1[y * 7 + f].pay_periods, frequency_order[f]);
            EXPECT_EQ(table1[y * 7 + f].start_date.year, year);
            EXPECT_EQ(table3[y * 7 + f].pay_periods, frequency_order[f]);
            EXPECT_EQ(table3[y * 7 + f].end_date.year, year);
            for (int s = 0; s < 3; ++s) {
                for (int b = 0; b < 10; ++b) {
                    const CaWhRow& row = cawh[((y * 7 + f) * 3 + s) * 10 + b];
                    EXPECT_EQ(row.start_date.year, year);
                    EXPECT_EQ(row.pay_periods, cawh_order[f]);
                    EXPECT_EQ(row.status, s);
                    EXPECT_EQ(row.upper == 0.0, b == 9);
                }
            }
            for (int n = 0; n <= 10; ++n) {
                const CaAllowanceCreditRow& row = table4[(y * 7 + f) * 11 + n];
                EXPECT_EQ(row.pay_periods, table4_order[f]);
                EXPECT_EQ(row.allowance_count, n);
                EXPECT_EQ(row.start_date.year, year);
            }
        }
    }
    // Every row of a year lies within that year, so the scan can use it on
    // every date of the year; no data row looks like an end row.
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(supplemental[i].start_date.year, supplemental[i].end_date.year) << i;
        EXPECT_NE(supplemental[i].start_date.month, 0) << i;
    }
    for (int i = 0; i < 21; ++i) {
        EXPECT_NE(table1[i].pay_periods, 0);
        EXPECT_NE(table3[i].pay_periods, 0);
    }
    for (int i = 0; i < 231; ++i) EXPECT_NE(table4[i].pay_periods, 0);
    EXPECT_EQ(table1[21].pay_periods, 0);
    EXPECT_EQ(table3[21].pay_periods, 0);
    EXPECT_EQ(table4[231].pay_periods, 0);
}

TEST(CaliforniaTables, DerivedRowsMatchThePublished2026Rows) {
    // DE 44 2026 Table 1 (low-income) and Table 3 (standard deduction), by
    // frequency 1, 2, 4, 12, 24, 26, 52: single / married 0-1 / married 2+ / HoH.
    const double low[7][4] = {{18896, 18896, 37791, 37791}, {9448, 9448, 18896, 18896}, {4724, 4724, 9448, 9448},
                              {1575, 1575, 3149, 3149},     {787, 787, 1575, 1575},     {727, 727, 1454, 1454},
                              {363, 363, 727, 727}};
    const int32_t standard[7][4] = {{5706, 5706, 11412, 11412}, {2853, 2853, 5706, 5706}, {1427, 1427, 2853, 2853},
                                    {476, 476, 951, 951},       {238, 238, 476, 476},     {219, 219, 439, 439},
                                    {110, 110, 219, 219}};
    for (int f = 0; f < 7; ++f) {
        EXPECT_EQ(table1[f].low_income_single, low[f][0]) << f;
        EXPECT_EQ(table1[f].low_income_married_low, low[f][1]) << f;
        EXPECT_EQ(table1[f].low_income_married_high, low[f][2]) << f;
        EXPECT_EQ(table1[f].low_income_hoh, low[f][3]) << f;
        EXPECT_EQ(table3[f].std_single, standard[f][0]) << f;
        EXPECT_EQ(table3[f].std_married_low, standard[f][1]) << f;
        EXPECT_EQ(table3[f].std_married_high, standard[f][2]) << f;
        EXPECT_EQ(table3[f].std_hoh, standard[f][3]) << f;
    }
    // DE 44 Table 2, estimated deduction: biweekly and weekly rows.
    const double biweekly[10] = {38, 77, 115, 154, 192, 231, 269, 308, 346, 385};
    const double weekly[10] = {19, 38, 58, 77, 96, 115, 135, 154, 173, 192};
    const CaEstimatedDeductionRow& b = table2[5];
    const CaEstimatedDeductionRow& w = table2[6];
    const double b_row[10] = {b.est_deduction_1, b.est_deduction_2, b.est_deduction_3, b.est_deduction_4,
                              b.est_deduction_5, b.est_deduction_6, b.est_deduction_7, b.est_deduction_8,
                              b.est_deduction_9, b.est_deduction_10};
    const double w_row[10] = {w.est_deduction_1, w.est_deduction_2, w.est_deduction_3, w.est_deduction_4,
                              w.est_deduction_5, w.est_deduction_6, w.est_deduction_7, w.est_deduction_8,
                              w.est_deduction_9, w.est_deduction_10};
    EXPECT_EQ(b.pay_periods, 26);
    EXPECT_EQ(w.pay_periods, 52);
    EXPECT_EQ(table2[3].est_deduction_2, 167.0);  // monthly, 2000 / 12 rounded
    for (int n = 0; n < 10; ++n) {
        EXPECT_EQ(b_row[n], biweekly[n]) << n + 1;
        EXPECT_EQ(w_row[n], weekly[n]) << n + 1;
    }
    // DE 44 2026 Table 5, weekly single.
    const double bounds[10] = {0, 213, 505, 797, 1107, 1399, 7144, 8573, 14288, 19231};
    const double bases[10] = {0, 2.34, 8.76, 21.61, 42.07, 67.77, 655.48, 817.39, 1527.76, 2196.55};
    const CaWhRow* weekly_single = cawh + (5 * 3 + 0) * 10;  // sixth frequency (52), status 0
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(weekly_single[i].pay_periods, 52);
        EXPECT_EQ(weekly_single[i].status, 0);
        EXPECT_EQ(weekly_single[i].lower, bounds[i]) << i;
        EXPECT_DOUBLE_EQ(weekly_single[i].base, bases[i]) << i;
        EXPECT_EQ(weekly_single[i].upper, i < 9 ? bounds[i + 1] : 0.0) << i;
    }
    // DE 44 2026 Table 4, weekly: 3.24 for one allowance, 32.37 for ten.
    EXPECT_EQ(table4[1].pay_periods, 52);
    EXPECT_DOUBLE_EQ(table4[1].allowance_credit, 3.24);
    EXPECT_DOUBLE_EQ(table4[10].allowance_credit, 32.37);
}

// The generated block of states/california.cpp is what the generator makes
// of its data files (so nobody edits generated rows by hand).
TEST(CaliforniaTables, GeneratedBlockIsCurrent) {
    txl5_test::expect_generated_source_current("gen_california.py", "states/california.cpp");
}

// Every schedule adds up to the cent over its bounds (each base is the running
// total cut to cents).
const int kCawhBrackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "cawh";
    t.rows = txl5_test::schedule_rows(cawh, [](const CaWhRow& r) {
        return txl5_test::ScheduleRow{r.start_date, r.end_date, r.status, r.pay_periods,
                                      r.lower,      r.upper,    r.base,   r.rate};
    });
    return t;
});

TEST(CaliforniaExports, FunctionAndTables) {
    txl5_test::expect_typed_functions({"state_ca"});
    txl5_test::expect_data_objects({"table1", "table2", "table3", "cawh", "table4", "supplemental"});
}

}  // namespace
