// Wilmington, Delaware, earned income tax: the rate table and the directory list.
#ifndef TXL5_LOCAL_DELAWARE_H
#define TXL5_LOCAL_DELAWARE_H

#include "core/txl5.h"
#include "local/directory.h"

// One city's wage tax for a date range.
struct DelawareCityRow {
    MDATE start_date;
    MDATE end_date;
    int64_t city_code;      // the locality code (codes of dename)
    double wage_threshold;  // monthly wages (bonus included) above this are taxed
    double city_rate;       // fraction of wages
};
static_assert(sizeof(DelawareCityRow) == 9 * 8, "Delaware city rows have 9 slots");

TXL5_EXPORT extern const DelawareCityRow delwh[];
TXL5_EXPORT extern const LocalityNameRow dename[];

#endif  // TXL5_LOCAL_DELAWARE_H
