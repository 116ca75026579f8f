// Maryland withholding table of states/maryland.cpp (mdwh) and the row shape
// it shares with the county tables of local/maryland.cpp: annual schedules
// with a minimum annual wage, a standard deduction that is a share of wages
// held between a least and a greatest amount, a deduction per exemption and
// the brackets.
#ifndef TXL5_STATES_MARYLAND_H
#define TXL5_STATES_MARYLAND_H

#include "core/txl5.h"

struct MdwhRow {
    MDATE start_date;
    MDATE end_date;
    double status;         // 0.0 single, 1.0 married
    int64_t pay_periods;   // 1: annual schedules
    double min_wages;      // annual wages below which nothing is withheld
    double std_pct;        // standard deduction as a share of wages
    double std_min;        // least standard deduction
    double std_max;        // greatest standard deduction (applied last)
    double exemption_amount;
    double lower;
    double upper;          // 0 = no ceiling
    double base;
    double rate;
};
static_assert(sizeof(MdwhRow) == 17 * 8, "mdwh rows have 17 slots");

TXL5_EXPORT extern const MdwhRow mdwh[];

namespace txl5 {

// Maryland's filing status codes as its schedules read them: 2 is withheld
// as married (1); 3, 6 and 12 as single (0); every other code stands as it is
// (and finds a schedule only if it is 0 or 1).
inline int64_t md_schedule_status(int64_t filing_status) {
    switch (filing_status) {
        case 2: return 1;
        case 3: case 6: case 12: return 0;
        default: return filing_status;
    }
}

// The row's standard deduction on `wages`: its share of them, raised to the
// least amount, then lowered to the greatest.
inline double md_standard_deduction(const MdwhRow& row, double wages) {
    double deduction = row.std_pct * wages;
    if (deduction < row.std_min) deduction = row.std_min;
    if (deduction > row.std_max) deduction = row.std_max;
    return deduction;
}

}  // namespace txl5

#endif  // TXL5_STATES_MARYLAND_H
