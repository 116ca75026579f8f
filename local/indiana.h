// Indiana county income tax: the county rate table and the directory list.
#ifndef TXL5_LOCAL_INDIANA_H
#define TXL5_LOCAL_INDIANA_H

#include "core/txl5.h"
#include "local/directory.h"

// One county's rates for a date range: the locality code (the codes of
// inconame), the rate for residents of the county and the rate for those who
// work there but live outside Indiana (fractions).
struct IndianaCountyRow {
    MDATE start_date;
    MDATE end_date;
    int64_t county_code;
    double resident_rate;
    double nonresident_rate;
};
static_assert(sizeof(IndianaCountyRow) == 9 * 8, "Indiana county rows have 9 slots");

TXL5_EXPORT extern const IndianaCountyRow inco[];
TXL5_EXPORT extern const LocalityNameRow inconame[];

#endif  // TXL5_LOCAL_INDIANA_H
