// California withholding tables: row layouts and the exported tables of
// states/california.cpp. Several layouts hold 32-bit integer columns; the
// static_asserts pin every column to its offset.
#ifndef TXL5_STATES_CALIFORNIA_H
#define TXL5_STATES_CALIFORNIA_H

#include <cstddef>
#include <cstdint>

#include "core/txl5.h"

// table1: low-income exemption limits for a pay frequency. Ends at pay_periods 0.
struct CaLowIncomeRow {
    MDATE start_date;
    MDATE end_date;
    int32_t pay_periods;  // 1 = annual
    double low_income_single;
    double low_income_married_low;   // married, 0 or 1 allowances
    double low_income_married_high;  // married, 2 or more allowances
    double low_income_hoh;
};
static_assert(sizeof(CaLowIncomeRow) == 88, "table1 rows: dates, int32, four doubles");
static_assert(offsetof(CaLowIncomeRow, pay_periods) == 48, "table1 pay_periods");
static_assert(offsetof(CaLowIncomeRow, low_income_single) == 56, "table1 thresholds");

// table2: estimated deduction for 1 to 10 deduction allowances. No dates; ends
// at pay_periods 0.
struct CaEstimatedDeductionRow {
    int32_t pay_periods;  // 1 = annual
    double est_deduction_1;
    double est_deduction_2;
    double est_deduction_3;
    double est_deduction_4;
    double est_deduction_5;
    double est_deduction_6;
    double est_deduction_7;
    double est_deduction_8;
    double est_deduction_9;
    double est_deduction_10;
};
static_assert(sizeof(CaEstimatedDeductionRow) == 88, "table2 rows: int32, ten doubles");
static_assert(offsetof(CaEstimatedDeductionRow, est_deduction_1) == 8, "table2 amounts");

// table3: standard deduction in whole dollars. Ends at pay_periods 0.
struct CaStandardDeductionRow {
    MDATE start_date;
    MDATE end_date;
    int32_t pay_periods;  // 1 = annual
    int32_t std_single;
    int32_t std_married_low;   // married, 0 or 1 allowances
    int32_t std_married_high;  // married, 2 or more allowances
    int32_t std_hoh;
};
static_assert(sizeof(CaStandardDeductionRow) == 72, "table3 rows: dates, five int32");
static_assert(offsetof(CaStandardDeductionRow, std_hoh) == 64, "table3 std_hoh");

// cawh: one bracket of a tax-rate schedule. Ends at start month 0.
struct CaWhRow {
    MDATE start_date;
    MDATE end_date;
    int64_t status;       // 0 single, 1 married, 2 head of household
    int64_t pay_periods;  // 1 = annual
    double lower;
    double upper;  // 0 = no ceiling
    double base;   // tax at lower
    double rate;
};
static_assert(sizeof(CaWhRow) == 12 * 8, "cawh rows have 12 slots");

// table4: exemption allowance credit per period for a number of allowances.
// Ends at pay_periods 0.
struct CaAllowanceCreditRow {
    MDATE start_date;
    MDATE end_date;
    int32_t pay_periods;      // 1 = annual
    int32_t allowance_count;  // 0 to 10
    double allowance_credit;
};
static_assert(sizeof(CaAllowanceCreditRow) == 64, "table4 rows: dates, two int32, a double");
static_assert(offsetof(CaAllowanceCreditRow, allowance_count) == 52, "table4 allowance_count");

// supplemental: flat rates for supplemental wages. Ends at start month 0.
struct CaSupplementalRow {
    MDATE start_date;
    MDATE end_date;
    double supp_rate_bonus;  // bonuses and stock options
    double supp_rate_other;  // other supplemental wages
};
static_assert(sizeof(CaSupplementalRow) == 8 * 8, "supplemental rows have 8 slots");

TXL5_EXPORT extern const CaLowIncomeRow table1[];
TXL5_EXPORT extern const CaEstimatedDeductionRow table2[];
TXL5_EXPORT extern const CaStandardDeductionRow table3[];
TXL5_EXPORT extern const CaWhRow cawh[];
TXL5_EXPORT extern const CaAllowanceCreditRow table4[];
TXL5_EXPORT extern const CaSupplementalRow supplemental[];

#endif  // TXL5_STATES_CALIFORNIA_H
