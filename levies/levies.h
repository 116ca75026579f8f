// Payroll levy tables: row layouts and the exported tables of the disability,
// unemployment and advance earned income credit calculations. Family leave,
// workers' compensation, transit and the other state levies keep their few
// constants in their own sources.
#ifndef TXL5_LEVIES_LEVIES_H
#define TXL5_LEVIES_LEVIES_H

#include "core/txl5.h"

// State disability insurance rates and wage bases. The table ends with a row
// whose state_code is 0.
struct SdiRow {
    MDATE start_date;
    MDATE end_date;
    int64_t state_code;
    int64_t payer;     // 0 employee contribution, 1 employer contribution
    double rate;       // employee rate; not read for employer rows
    double wage_base;  // annual wage base, 0 = none; Hawaii: the maximum weekly wage
};
static_assert(sizeof(SdiRow) == 10 * 8, "sdidata rows have 10 slots");

// State unemployment insurance, one row per state and year. The table ends
// with a row whose state_code is 0.
struct SuiRow {
    MDATE start_date;
    MDATE end_date;
    int64_t state_code;
    double min_rate_pct;        // lowest employer rate of the schedule, percent (information only)
    double max_rate_pct;        // highest employer rate, percent (information only)
    double wage_base;
    double alt_rate_threshold;  // employer rate (fraction) from which alt_wage_base applies
    double alt_wage_base;       // 0 = none
    double employee_rate;       // 0 = no employee contribution
};
static_assert(sizeof(SuiRow) == 13 * 8, "suidata rows have 13 slots");

// California employment training tax. Ends with a row whose start year is 0.
struct EttRow {
    MDATE start_date;
    MDATE end_date;
    int64_t state_code;  // 6; not compared
    double rate;
    double wage_base;
};
static_assert(sizeof(EttRow) == 9 * 8, "ettdata rows have 9 slots");

// Federal unemployment tax. Ends with a row whose start year is 0.
struct FutaRow {
    MDATE start_date;
    MDATE end_date;
    int64_t reserved_1;
    int64_t reserved_2;
    double rate;  // net rate after the full state credit; the caller supplies its own
    double wage_base;
};
static_assert(sizeof(FutaRow) == 10 * 8, "futadata rows have 10 slots");

// Advance earned income credit: annual wage maxima.
struct AeicMaxRow {
    MDATE start_date;
    MDATE end_date;
    double max_wages;        // every certificate status but 3
    double max_wages_joint;  // status 3
};
static_assert(sizeof(AeicMaxRow) == 8 * 8, "aeicmax rows have 8 slots");

// Advance earned income credit: payment schedule.
struct AeicRow {
    MDATE start_date;
    MDATE end_date;
    int64_t status;       // schedule key: 0, 1 or 2
    int64_t pay_periods;  // 1 = annual
    double lower;
    double upper;  // 0 = no ceiling
    double base;
    double rate;
};
static_assert(sizeof(AeicRow) == 12 * 8, "aeic rows have 12 slots");

TXL5_EXPORT extern const SdiRow sdidata[];
TXL5_EXPORT extern const SuiRow suidata[];
TXL5_EXPORT extern const EttRow ettdata[];
TXL5_EXPORT extern const FutaRow futadata[];
TXL5_EXPORT extern const AeicMaxRow aeicmax[];
TXL5_EXPORT extern const AeicRow aeic[];

namespace txl5 {

// End rows of the levy tables that do not end on a zero start month.
struct EndsAtZeroStateCode {
    template <class Row>
    bool operator()(const Row& row) const { return row.state_code == 0; }
};
struct EndsAtZeroStartYear {
    template <class Row>
    bool operator()(const Row& row) const { return row.start_date.year == 0; }
};

// The wage cap the unemployment and disability levies share: this period's
// wages count only up to what is left of the annual wage base after the
// wages already paid this year; never below 0.
inline double capped_wages(double wages, double ytd_wages, double wage_base) {
    double taxable = wages;
    if (wages + ytd_wages > wage_base) taxable = wage_base - ytd_wages;
    return taxable < 0.0 ? 0.0 : taxable;
}

}  // namespace txl5

#endif  // TXL5_LEVIES_LEVIES_H
