// Puerto Rico withholding tables of states/puertorico.cpp and its schedule
// computation: the per-period exemption amounts of the withholding certificate
// (prpd), the rate schedules (prwh, tax = rate x taxable - subtraction), the
// deduction by annual wages of the years 2011 to 2016 (special) and the flat
// supplemental rates (supplemental_pr).
#ifndef TXL5_STATES_PUERTORICO_H
#define TXL5_STATES_PUERTORICO_H

#include "core/statecalc.h"
#include "core/txl5.h"

// Exemption amounts per pay period for one certificate status.
struct PrpdRow {
    MDATE start_date;
    MDATE end_date;
    int64_t status;                // pr_status, 0 to 8
    int64_t pay_periods;           // 52, 26, 24, 12 or 1
    double personal_exemption;
    double dependent_exemption;    // per dependent
    double dependent_exemption_2;  // half the dependent amount (shared custody); not read
    double allowance_amount;       // per allowance for deductions
    double allowance_amount_2;     // the same amount again; not read
    double extra_exemption;        // taken when pr_extra_exemption is greater than 0
};
static_assert(sizeof(PrpdRow) == 14 * 8, "prpd rows have 14 slots");

// A bracket of a rate schedule: tax = rate x taxable - subtraction.
struct PrwhRow {
    MDATE start_date;
    MDATE end_date;
    int64_t status;  // schedule key 0 to 3
    int64_t pay_periods;
    double lower;
    double upper;  // 0 = no ceiling
    double rate;
    double subtraction;
};
static_assert(sizeof(PrwhRow) == 12 * 8, "prwh rows have 12 slots");

// The deduction by annual wages of the years 2011 to 2016.
struct PrSpecialRow {
    MDATE start_date;
    MDATE end_date;
    int64_t pay_periods;  // 1: bounds on annual wages
    double lower;
    double upper;  // 0 = no ceiling
    double special_deduction;
};
static_assert(sizeof(PrSpecialRow) == 10 * 8, "special rows have 10 slots");

TXL5_EXPORT extern const PrpdRow prpd[];
TXL5_EXPORT extern const PrwhRow prwh[];
TXL5_EXPORT extern const PrSpecialRow special[];
TXL5_EXPORT extern const SupplementalRateRow supplemental_pr[];

// The schedule tax of the period whose wages are annual_wages / state_pay_periods:
// writes state_tax (rounded to cents); returns 0, or 1 with state_error 1 when
// no schedule row (or, for 2011 to 2016, no special-deduction row) is found.
TXL5_EXPORT int64_t do_thetax(double annual_wages, FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);

#endif  // TXL5_STATES_PUERTORICO_H
