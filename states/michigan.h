// Michigan withholding tables of states/michigan.cpp: the exemption amounts
// per pay frequency (allow2000 from check year 2000, allow1999 before), the
// flat-rate schedule (miwh, in the common 13-slot bracket row) and the flat
// supplemental rates (supplemental_mi).
#ifndef TXL5_STATES_MICHIGAN_H
#define TXL5_STATES_MICHIGAN_H

#include "core/statecalc.h"
#include "core/txl5.h"

// The exemption for one period of a pay frequency over a date range (ten
// 8-byte slots). Ends at pay_periods 0.
struct MichiganExemptionRow {
    MDATE start_date;
    MDATE end_date;
    int64_t pay_periods;  // 1 = annual; compared through its low 32 bits
    double reserved_1;    // not read
    double reserved_2;    // not read
    double exemption_amount;
};
static_assert(sizeof(MichiganExemptionRow) == 10 * 8, "allow2000 rows have 10 slots");

// The exemptions of check years before 2000, without dates (four 8-byte
// slots): the personal exemption and two further kinds counted on the
// certificate. Ends at pay_periods 0.
struct MichiganExemption1999Row {
    int64_t pay_periods;  // 1 = annual; compared through its low 32 bits
    double extra1_amount;
    double extra2_amount;
    double exemption_amount;
};
static_assert(sizeof(MichiganExemption1999Row) == 4 * 8, "allow1999 rows have 4 slots");

TXL5_EXPORT extern const MichiganExemptionRow allow2000[];
TXL5_EXPORT extern const MichiganExemption1999Row allow1999[];
TXL5_EXPORT extern const StateBracketRow miwh[];
TXL5_EXPORT extern const SupplementalRateRow supplemental_mi[];

#endif  // TXL5_STATES_MICHIGAN_H
