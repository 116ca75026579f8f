// Oregon withholding: row layouts and exported tables of states/oregon.cpp,
// and the three functions the calculation is built from (the cap on the
// federal tax subtraction, the income limit of the exemption credit and the
// 2010 high-income surcharge).
#ifndef TXL5_STATES_OREGON_H
#define TXL5_STATES_OREGON_H

#include "core/statecalc.h"
#include "core/txl5.h"

// orwhlow / orwhhigh: one bracket of an annual schedule (17 slots). Tax of the
// bracket holding the taxable wages = base + rate x (taxable - rate_floor).
struct OrWhRow {
    MDATE start_date;
    MDATE end_date;
    int64_t status;       // schedule key: 0 single, 1 married (or single with 3 or more allowances)
    int64_t pay_periods;  // 1: annual schedules only
    double schedule_count;       // 2 in every row; not read
    double exemption_credit;     // credit per allowance
    double fed_subtraction_top;  // the highest federal tax subtraction of the year; not read
    double standard_deduction;
    double lower;       // bracket floor, inclusive
    double upper;       // bracket ceiling, exclusive; 0 = none
    double rate_floor;  // amount from which the bracket rate runs
    double base;        // tax at rate_floor
    double rate;
};
static_assert(sizeof(OrWhRow) == 17 * 8, "orwhlow and orwhhigh rows have 17 slots");

// wage_limit: wages of a pay frequency below which the low-income schedules apply.
struct OrWageLimitRow {
    MDATE start_date;
    MDATE end_date;
    int64_t pay_periods;  // 1 = annual
    double wage_threshold;
};
static_assert(sizeof(OrWageLimitRow) == 8 * 8, "wage_limit rows have 8 slots");

// fed_phase_out: the most federal tax that may be subtracted, by annual wages.
struct OrFedPhaseOutRow {
    MDATE start_date;
    MDATE end_date;
    int64_t status;       // 0 single, 1 married
    int64_t pay_periods;  // 1 in every row
    double lower;         // inclusive
    double upper;         // exclusive; 0 = none
    double fed_limit;
};
static_assert(sizeof(OrFedPhaseOutRow) == 11 * 8, "fed_phase_out rows have 11 slots");

// exemption_limit_table: annual income above which no exemption credit is given.
struct OrExemptionLimitRow {
    MDATE start_date;
    MDATE end_date;
    int64_t status;  // the filing status as the employee gives it (0, 1, 10)
    double exemption_income_limit;
};
static_assert(sizeof(OrExemptionLimitRow) == 8 * 8, "exemption_limit_table rows have 8 slots");

// orwh (checks before 2007): the standard deduction lies in the schedule
// itself, as a first bracket at rate 0. Tax = base + rate x (taxable - lower).
struct OrWhOldRow {
    MDATE start_date;
    MDATE end_date;
    int64_t status;       // 0 single, 1 married
    int64_t pay_periods;  // 1 = annual
    double schedule_count;  // not read
    double exemption_credit;
    double fed_limit;  // most federal tax that may be subtracted
    double lower;
    double upper;
    double base;
    double rate;
};
static_assert(sizeof(OrWhOldRow) == 15 * 8, "orwh rows have 15 slots");

// orwh2007 (checks of 2007 to 2010): as orwh, with the standard deduction.
struct OrWh2007Row {
    MDATE start_date;
    MDATE end_date;
    int64_t status;
    int64_t pay_periods;
    double schedule_count;  // not read
    double exemption_credit;
    double fed_limit;
    double standard_deduction;
    double lower;
    double upper;
    double base;
    double rate;
};
static_assert(sizeof(OrWh2007Row) == 16 * 8, "orwh2007 rows have 16 slots");

TXL5_EXPORT extern const OrWhRow orwhlow[];
TXL5_EXPORT extern const OrWhRow orwhhigh[];
TXL5_EXPORT extern const OrWageLimitRow wage_limit[];
TXL5_EXPORT extern const OrFedPhaseOutRow fed_phase_out[];
TXL5_EXPORT extern const OrExemptionLimitRow exemption_limit_table[];
TXL5_EXPORT extern const SupplementalRateRow supplemental_or[];
TXL5_EXPORT extern const OrWhOldRow orwh[];
TXL5_EXPORT extern const OrWh2007Row orwh2007[];

// The per-period cap on the federal tax subtraction for per-period wages, from
// fed_phase_out, for the employee's filing status (10 read as 0) and the state
// record's pay periods; 0.0 with state_error 1 when no row applies.
TXL5_EXPORT double get_fed_limit(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state, long pay_periods,
                                 long filing_status, double wages);
// The annual income above which no exemption credit is given, for the filing
// status on the check date; 0.0 when the table has none (annual_wages is not read).
TXL5_EXPORT double get_exemption_limit(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state,
                                       long filing_status, double annual_wages);
// The 2010 high-income surcharge for one period: the annual amount divided by
// the number of periods it is spread over (`divisor`, 1 to 365; otherwise 0).
TXL5_EXPORT double special_2010(double annual_wages, long filing_status, long divisor);

#endif  // TXL5_STATES_OREGON_H
