// Maryland county income tax: the county table (mdlocal), the combined
// state-and-county schedules it points to (mdcntyNNN, in the row of mdwh) and
// the directory list of the counties (mdconame).
#ifndef TXL5_LOCAL_MARYLAND_H
#define TXL5_LOCAL_MARYLAND_H

#include "core/txl5.h"
#include "local/directory.h"
#include "states/maryland.h"

// A county's combined rate and table over a date range.
struct MdLocalRow {
    MDATE start_date;
    MDATE end_date;
    int64_t md_county_code;           // the locality code (codes of mdconame); low 32 bits compared
    double md_combined_rate;          // the state's top rate plus the county rate
    const MdwhRow* md_county_table;   // the combined state-and-county schedules
};
static_assert(sizeof(MdLocalRow) == 9 * 8, "mdlocal rows have 9 slots");

TXL5_EXPORT extern const MdLocalRow mdlocal[];
TXL5_EXPORT extern const LocalityNameRow mdconame[];

TXL5_EXPORT extern const MdwhRow mdcnty175[];
TXL5_EXPORT extern const MdwhRow mdcnty225[];
TXL5_EXPORT extern const MdwhRow mdcnty240[];
TXL5_EXPORT extern const MdwhRow mdcnty265[];
TXL5_EXPORT extern const MdwhRow mdcnty270[];
TXL5_EXPORT extern const MdwhRow mdcnty274[];
TXL5_EXPORT extern const MdwhRow mdcnty275[];
TXL5_EXPORT extern const MdwhRow mdcnty281[];
TXL5_EXPORT extern const MdwhRow mdcnty285[];
TXL5_EXPORT extern const MdwhRow mdcnty294[];
TXL5_EXPORT extern const MdwhRow mdcnty296[];
TXL5_EXPORT extern const MdwhRow mdcnty300[];
TXL5_EXPORT extern const MdwhRow mdcnty303[];
TXL5_EXPORT extern const MdwhRow mdcnty305[];
TXL5_EXPORT extern const MdwhRow mdcnty306[];
TXL5_EXPORT extern const MdwhRow mdcnty310[];
TXL5_EXPORT extern const MdwhRow mdcnty317[];
TXL5_EXPORT extern const MdwhRow mdcnty320[];
TXL5_EXPORT extern const MdwhRow mdcnty330[];

#endif  // TXL5_LOCAL_MARYLAND_H
