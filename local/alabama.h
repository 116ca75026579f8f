// Alabama city occupational taxes: the rate table.
#ifndef TXL5_LOCAL_ALABAMA_H
#define TXL5_LOCAL_ALABAMA_H

#include "core/txl5.h"

// One city's occupational tax rate for a date range.
struct AlabamaCityRow {
    MDATE start_date;
    MDATE end_date;
    int64_t city_code;      // the locality code; also the directory's code
    const char* city_name;  // the name the directory shows
    double city_rate;       // fraction of wages
    double flag;            // 1.0 on the Southside rows; not read
};
static_assert(sizeof(AlabamaCityRow) == 10 * 8, "Alabama city rows have 10 slots");

TXL5_EXPORT extern const AlabamaCityRow allwh[];

#endif  // TXL5_LOCAL_ALABAMA_H
