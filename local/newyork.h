// New York City and Yonkers local income taxes: the tables of local/newyork.cpp.
#ifndef TXL5_LOCAL_NEWYORK_H
#define TXL5_LOCAL_NEWYORK_H

#include "core/statecalc.h"
#include "core/txl5.h"
#include "states/newyork.h"

// New York City resident tax schedules, in the row layout of the state's nywh
// (NyWhRow: dates, status, pay periods, per-period standard deduction and
// exemption allowance, lower, upper, base, rate). Per year (2026, 2025, 2024,
// newest first) and status (single, then married): the weekly, biweekly,
// semimonthly, monthly and annual schedules of six brackets each (60 rows a
// year); then the end row (start month 0). The brackets are the same for both
// statuses; the statuses differ in their deductions. No row carries the
// high-income marker.
TXL5_EXPORT extern const NyWhRow nycwh[];

// One band of the Yonkers nonresident earnings tax: wages of a period from
// lower (inclusive) to upper (exclusive; 0 = none) are taxed at 0.5 % after
// subtracting the exclusion. The lowest band (lower 0, no exclusion) holds the
// wages below the taxable minimum, which owe nothing.
struct YonkersNonresidentRow {
    MDATE start_date;
    MDATE end_date;
    int64_t pay_periods;  // 52, 12, 26, 24, or 1 for the annual bands
    double lower;
    double upper;
    double exclusion;
};
static_assert(sizeof(YonkersNonresidentRow) == 10 * 8, "nyynr rows have 10 slots");

// Per year (2026, 2025, 2024, newest first): five bands for each frequency in
// the order weekly, monthly, biweekly, semimonthly, annual (25 rows a year);
// then the end row (start month 0).
TXL5_EXPORT extern const YonkersNonresidentRow nyynr[];

// Flat rates for supplemental wages: New York City and Yonkers.
TXL5_EXPORT extern const SupplementalRateRow supplemental_nyc[];
TXL5_EXPORT extern const SupplementalRateRow supplemental_nyy[];

#endif  // TXL5_LOCAL_NEWYORK_H
