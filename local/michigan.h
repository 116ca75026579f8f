// Michigan city income taxes: the rate table (micity) and the directory list
// (miconame).
#ifndef TXL5_LOCAL_MICHIGAN_H
#define TXL5_LOCAL_MICHIGAN_H

#include "core/txl5.h"
#include "local/directory.h"

// One city's rates and exemption over a date range (ten 8-byte slots). Each
// year begins with a placeholder row of code 0; the table ends with a row of
// code 9999.
struct MichiganCityRow {
    MDATE start_date;
    MDATE end_date;
    int64_t mi_city_code;            // the code of the directory list miconame
    double mi_resident_rate_pct;     // percent
    double mi_nonresident_rate_pct;  // percent
    double mi_exemption;             // annual exemption per allowance
};
static_assert(sizeof(MichiganCityRow) == 10 * 8, "micity rows have 10 slots");

TXL5_EXPORT extern const MichiganCityRow micity[];
TXL5_EXPORT extern const LocalityNameRow miconame[];

#endif  // TXL5_LOCAL_MICHIGAN_H
