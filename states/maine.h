// Maine withholding tables of states/maine.cpp: the per-frequency schedules
// before 2016 (mewh), the nonresident-alien amounts of those years (mealien),
// the annual schedules of 2016 (mewh2016) and from 2017 (mewh2017), and the
// flat supplemental rates (supplemental_me).
#ifndef TXL5_STATES_MAINE_H
#define TXL5_STATES_MAINE_H

#include <cstdint>

#include "core/statecalc.h"
#include "core/txl5.h"

// mewh: one bracket of a schedule before 2016 (fourteen 8-byte slots); the
// amounts are for one period of the row's frequency. Ends at start month 0.
struct MeWhRow {
    MDATE start_date;
    MDATE end_date;
    int64_t status;           // 0 single, 1 married
    int64_t pay_periods;      // 1 = annual
    double allowance_amount;  // per allowance
    double add_back;          // added to the wages of a nonresident alien (state_form_code 99)
    double lower;             // bracket floor, inclusive
    double upper;             // bracket ceiling, exclusive; 0 = none
    double base;              // tax at lower
    double rate;
};
static_assert(sizeof(MeWhRow) == 14 * 8, "mewh rows have 14 slots");

// mealien: the annual amount added to a nonresident alien's wages (seven
// 8-byte slots). Ends at start month 0.
struct MeAlienRow {
    MDATE start_date;
    MDATE end_date;
    double amount;
};
static_assert(sizeof(MeAlienRow) == 7 * 8, "mealien rows have 7 slots");

// mewh2016: one bracket of the 2016 annual schedule, with the part of the
// standard deduction taken back from higher wages (sixteen 8-byte slots).
struct MeWh2016Row {
    MDATE start_date;
    MDATE end_date;
    int64_t status;
    int64_t pay_periods;      // 1
    double allowance_amount;  // annual, per allowance
    double phaseout_start;    // annual wages where the take-back starts
    double phaseout_range;    // wages over which it grows to its maximum
    double phaseout_max;      // the whole take-back
    double lower;
    double upper;
    double base;
    double rate;
};
static_assert(sizeof(MeWh2016Row) == 16 * 8, "mewh2016 rows have 16 slots");

// mewh2017: one bracket of an annual schedule from 2017, with the standard
// deduction that phases out linearly over a range of wages (seventeen 8-byte
// slots).
struct MeWh2017Row {
    MDATE start_date;
    MDATE end_date;
    int64_t status;
    int64_t pay_periods;      // 1
    double allowance_amount;  // annual, per allowance
    double std_deduction;     // full standard deduction
    double phaseout_start;    // annual wages where the phase-out starts
    double phaseout_range;    // wages over which the deduction falls to 0
    double std_deduction_2;   // repeats std_deduction; not read
    double lower;
    double upper;
    double base;
    double rate;
};
static_assert(sizeof(MeWh2017Row) == 17 * 8, "mewh2017 rows have 17 slots");

TXL5_EXPORT extern const MeWhRow mewh[];
TXL5_EXPORT extern const MeAlienRow mealien[];
TXL5_EXPORT extern const MeWh2016Row mewh2016[];
TXL5_EXPORT extern const MeWh2017Row mewh2017[];
TXL5_EXPORT extern const SupplementalRateRow supplemental_me[];

#endif  // TXL5_STATES_MAINE_H
