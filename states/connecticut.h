// Connecticut withholding tables: row layouts and the exported tables of
// states/connecticut.cpp. Every table is annual and keyed by the withholding
// code (the character code of its letter, 65 'A' to 70 'F').
#ifndef TXL5_STATES_CONNECTICUT_H
#define TXL5_STATES_CONNECTICUT_H

#include "core/statecalc.h"
#include "core/txl5.h"

// tablea, personal exemption: wages over `lower` up to `upper` (0 = none).
// The table ends at the row whose status is 0.
struct CtExemptionRow {
    MDATE start_date;
    MDATE end_date;
    int64_t status;  // withholding code
    double lower;    // exclusive
    double upper;    // inclusive; 0 = none
    double exemption;
};
static_assert(sizeof(CtExemptionRow) == 10 * 8, "tablea rows have 10 slots");

// ct3percent, phase-out add-back: lower inclusive, upper exclusive (0 = none).
struct CtAddBackRow {
    MDATE start_date;
    MDATE end_date;
    int64_t status;
    double lower;
    double upper;
    double unused;  // not read
    double addback;
};
static_assert(sizeof(CtAddBackRow) == 11 * 8, "ct3percent rows have 11 slots");

// ctrecapture2024, recapture from 2024: lower inclusive, upper exclusive; a
// row with upper 0 applies to whatever wages reach it.
struct CtRecaptureRow {
    MDATE start_date;
    MDATE end_date;
    int64_t status;
    double lower;
    double upper;
    double recapture;
};
static_assert(sizeof(CtRecaptureRow) == 10 * 8, "ctrecapture2024 rows have 10 slots");

// ctrecapture2015, recapture from 16 August 2015 to 2023: two ramps of steps,
// the second added to the first's maximum.
struct CtRecapture2015Row {
    MDATE start_date;
    MDATE end_date;
    int64_t status;
    double threshold1;
    double step_amount1;
    double step_width1;
    double max1;
    double threshold2;
    double step_amount2;
    double step_width2;
    double max2;
};
static_assert(sizeof(CtRecapture2015Row) == 15 * 8, "ctrecapture2015 rows have 15 slots");

// ctrecapture, recapture before 16 August 2015: one ramp of steps.
struct CtRecaptureOldRow {
    MDATE start_date;
    MDATE end_date;
    int64_t status;
    double threshold1;
    double step_amount1;
    double step_width1;
    double max1;
};
static_assert(sizeof(CtRecaptureOldRow) == 11 * 8, "ctrecapture rows have 11 slots");

// tablee, personal tax credit as a fraction of the tax: lower exclusive,
// upper inclusive (0 = none). The table ends at the row whose status is 0.
struct CtCreditRow {
    MDATE start_date;
    MDATE end_date;
    int64_t status;
    double lower;
    double upper;
    double credit_fraction;
};
static_assert(sizeof(CtCreditRow) == 10 * 8, "tablee rows have 10 slots");

TXL5_EXPORT extern const CtExemptionRow tablea[];
// Initial tax, in the common bracket row (the allowance slot is 0 and not read).
TXL5_EXPORT extern const StateBracketRow ctwh[];
TXL5_EXPORT extern const CtAddBackRow ct3percent[];
TXL5_EXPORT extern const CtRecaptureRow ctrecapture2024[];
TXL5_EXPORT extern const CtRecapture2015Row ctrecapture2015[];
TXL5_EXPORT extern const CtRecaptureOldRow ctrecapture[];
TXL5_EXPORT extern const CtCreditRow tablee[];

#endif  // TXL5_STATES_CONNECTICUT_H
