// Iowa withholding tables: row layouts and the exported tables of
// states/iowa.cpp, one table per era of the state's formula.
#ifndef TXL5_STATES_IOWA_H
#define TXL5_STATES_IOWA_H

#include "core/statecalc.h"
#include "core/txl5.h"

// iawh (check years before 2019): annual brackets with the allowance credits
// and the two standard deductions (17 slots).
struct IaWhRow {
    MDATE start_date;
    MDATE end_date;
    int64_t status;       // 0 in every row; not compared
    int64_t pay_periods;  // 1
    double credit_one;        // credit when exactly one allowance is claimed
    double credit_first_two;  // credit per allowance for the first two
    double credit_additional; // credit per allowance beyond two
    double deduction_low;     // standard deduction for 0 or 1 allowance
    double deduction_high;    // standard deduction for 2 or more allowances
    double lower;             // inclusive
    double upper;             // exclusive; 0 = none
    double base;
    double rate;
};
static_assert(sizeof(IaWhRow) == 17 * 8, "iawh rows have 17 slots");

// iawh2019 (check years 2019 to 2024): brackets by pay frequency, amounts for
// one period of the row's frequency (15 slots).
struct IaWh2019Row {
    MDATE start_date;
    MDATE end_date;
    int64_t status;       // 0 in every row; not compared
    int64_t pay_periods;  // 1, 12, 24, 26, 52
    double deduction_low;
    double deduction_high;
    double allowance_credit;  // per allowance
    double lower;
    double upper;
    double base;
    double rate;
};
static_assert(sizeof(IaWh2019Row) == 15 * 8, "iawh2019 rows have 15 slots");

// iawh2025 (check years from 2025): one flat rate by status and pay frequency
// (15 slots; the bracket columns are 0 and not read).
struct IaWh2025Row {
    MDATE start_date;
    MDATE end_date;
    int64_t status;       // 0, 1, 2, 16, 17
    int64_t pay_periods;  // 1, 12, 24, 26, 52
    double deduction_old_form;  // standard deduction on the older certificate (allowances)
    double deduction_new_form;  // standard deduction on the newer certificate (credit amount)
    double allowance_credit;    // per allowance, older certificate
    double lower;               // 0; not read
    double upper;               // 0; not read
    double base;                // 0; not read
    double rate;
};
static_assert(sizeof(IaWh2025Row) == 15 * 8, "iawh2025 rows have 15 slots");

TXL5_EXPORT extern const IaWhRow iawh[];
TXL5_EXPORT extern const IaWh2019Row iawh2019[];
TXL5_EXPORT extern const IaWh2025Row iawh2025[];
TXL5_EXPORT extern const SupplementalRateRow supplemental_ia[];

#endif  // TXL5_STATES_IOWA_H
