// Massachusetts withholding tables of states/massachusetts.cpp: the exemption
// and threshold amounts per pay frequency (maex), the social security and
// Medicare deduction (mafm) and, from 2024, the graduated annual schedule of
// the 4 % surtax (mawh, in the common 13-slot bracket row).
#ifndef TXL5_STATES_MASSACHUSETTS_H
#define TXL5_STATES_MASSACHUSETTS_H

#include <cstdint>

#include "core/statecalc.h"
#include "core/txl5.h"

// maex: the amounts of one pay frequency (twelve 8-byte slots). Ends at start
// month 0.
struct MaExemptionRow {
    MDATE start_date;
    MDATE end_date;
    int64_t pay_periods;      // 1 (annual), 12, 24, 26 or 52
    double exemption_amount;  // deduction per exemption claimed
    double base_exemption;    // further deduction when at least one exemption is claimed
    double check1_amount;     // head of household
    double check2_amount;     // each of blind employee and blind spouse
    double min_wages;         // no tax below these wages when exemptions are claimed
};
static_assert(sizeof(MaExemptionRow) == 12 * 8, "maex rows have 12 slots");

// mafm: the social security and Medicare rates and the yearly cap on their
// deduction (nine 8-byte slots). Ends at start month 0.
struct MaFicaRow {
    MDATE start_date;
    MDATE end_date;
    double ss_rate;
    double medicare_rate;
    double fica_deduction_max;  // yearly cap
};
static_assert(sizeof(MaFicaRow) == 9 * 8, "mafm rows have 9 slots");

TXL5_EXPORT extern const MaExemptionRow maex[];
TXL5_EXPORT extern const MaFicaRow mafm[];
TXL5_EXPORT extern const StateBracketRow mawh[];

#endif  // TXL5_STATES_MASSACHUSETTS_H
