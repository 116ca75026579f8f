// Federal tables: row layouts and the exported tables of the federal calculations.
#ifndef TXL5_FEDERAL_FEDERAL_H
#define TXL5_FEDERAL_FEDERAL_H

#include "core/tables.h"
#include "core/txl5.h"

// Bracket row of the federal schedules: status is the filing status 0, 1, 2,
// plus 16 for a 2020 W-4 with Step 2 checked. The nonresident-alien addition
// has the same row and carries its amount in the `base` column.
using FedWhRow = BracketRow;

struct FicaRow {
    MDATE start_date;
    MDATE end_date;
    double wage_base;
    double employee_rate;
    double employer_rate;
};
static_assert(sizeof(FicaRow) == 9 * 8, "fica rows have 9 slots");

struct MedicareRow {
    MDATE start_date;
    MDATE end_date;
    int64_t reserved;
    double employee_rate;
    double employer_rate;
    double addl_threshold_low;   // > 0 switches the additional Medicare tax on
    double addl_threshold_high;
    double addl_threshold;       // year-to-date wages above which addl_rate applies
    double addl_rate;            // total rate above the threshold
};
static_assert(sizeof(MedicareRow) == 13 * 8, "medicare rows have 13 slots");

struct SupplementalWhRow {
    MDATE start_date;
    MDATE end_date;
    double supp_threshold;
    double supp_rate;
    double supp_rate_high;
};
static_assert(sizeof(SupplementalWhRow) == 9 * 8, "supplementalwh rows have 9 slots");

TXL5_EXPORT extern const FedWhRow fedwh[];
TXL5_EXPORT extern const FedWhRow fedwh_nonresidentalien[];
TXL5_EXPORT extern const FicaRow fica[];
TXL5_EXPORT extern const MedicareRow medicare[];
TXL5_EXPORT extern const SupplementalWhRow supplementalwh[];

#endif  // TXL5_FEDERAL_FEDERAL_H
