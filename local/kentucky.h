// Kentucky local occupational license taxes: the row shape of the city,
// county and school district tables, the tables, and the schedule arithmetic
// ltaxcalc.
#ifndef TXL5_LOCAL_KENTUCKY_H
#define TXL5_LOCAL_KENTUCKY_H

#include "core/txl5.h"

// One wage bracket of a locality's occupational tax for a date range. A
// locality is one or more consecutive rows with the same code, in bracket
// order, on year-to-date wages; a locality taxing all wages has one row
// (lower 0, upper 0). A bound of -999 stands for the social security wage
// base of the check date.
typedef struct KY_LOCAL_STRUCT {
    MDATE start_date;
    MDATE end_date;
    const char* ky_name;   // the name the directory shows
    int64_t ky_code;       // the locality code; 0 ends the table
    double bracket_lower;  // year-to-date wages where the bracket starts
    double bracket_upper;  // where it ends; 0 = no end
    double ky_rate_pct;    // rate in percent
    double ky_rate_pct_2;  // a second rate in percent (Louisville's nonresident rate); not read
} KY_LOCAL_STRUCT;
static_assert(sizeof(KY_LOCAL_STRUCT) == 12 * 8, "Kentucky local rows have 12 slots");

TXL5_EXPORT extern const KY_LOCAL_STRUCT kylocalcity[];
TXL5_EXPORT extern const KY_LOCAL_STRUCT kylocalcounty[];
TXL5_EXPORT extern const KY_LOCAL_STRUCT kylocalschool[];
TXL5_EXPORT extern const KY_LOCAL_STRUCT kymentalcounty[];

// The tax of a locality's schedule on `amount` (year-to-date wages), from
// row `i` of `table`, the locality's first bracket. `info` carries the check
// date and item 1, with which the social security wage base is asked for
// whenever a bound is -999. The walk stays within the locality's own rows.
TXL5_EXPORT double ltaxcalc(double amount, long i, KY_LOCAL_STRUCT* table, TXL5_TABLE_INFO info);

namespace txl5 {

// A bracket bound that stands for the social security wage base.
constexpr double kKentuckyWageBase = -999.0;

// ltaxcalc over a table of constant rows.
double kentucky_schedule_tax(double amount, long i, const KY_LOCAL_STRUCT* table, const TXL5_TABLE_INFO& info);

}  // namespace txl5

#endif  // TXL5_LOCAL_KENTUCKY_H
