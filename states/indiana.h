// Indiana withholding tables of states/indiana.cpp and the parts of the state
// calculation that the county tax (local/indiana.cpp) shares: the dependent
// counts of the certificate and the exemptions taken from the wages.
#ifndef TXL5_STATES_INDIANA_H
#define TXL5_STATES_INDIANA_H

#include "core/statecalc.h"
#include "core/txl5.h"

// One Indiana bracket: dates, status (not read: Indiana has one schedule),
// the pay periods it is for (1 = annual), the exemption per personal
// exemption and per dependent of the table's kind for a period of that
// frequency, then the bracket (lower inclusive, upper exclusive, upper 0 = no
// ceiling, base, rate). inwh, inwh_adopted and inwh_firsttime are parallel:
// row i of each is for the same dates, frequency and status, and the last two
// carry the amounts for adopted and first-time dependents.
struct IndianaBracketRow {
    MDATE start_date;
    MDATE end_date;
    int64_t status;
    int64_t pay_periods;
    double exemption_amount;
    double dependent_amount;
    double lower;
    double upper;
    double base;
    double rate;
};
static_assert(sizeof(IndianaBracketRow) == 14 * 8, "Indiana bracket rows have 14 slots");

TXL5_EXPORT extern const IndianaBracketRow inwh[];
TXL5_EXPORT extern const IndianaBracketRow inwh_adopted[];
TXL5_EXPORT extern const IndianaBracketRow inwh_firsttime[];

namespace txl5 {

// The dependents of Form WH-4 counted for a paycheck (as amounts, so that no
// count times an exemption can overflow).
struct IndianaDependents {
    double dependents = 0.0;
    double adopted = 0.0;
    double first_time = 0.0;
};

// The dependents the state record claims on the check date of `fed`.
IndianaDependents indiana_dependents(const FEDERAL_WITHHOLDING_STRUC& fed, const STATE_WITHHOLDING_STRUC& state);

// Wages less the exemptions on a row of inwh, before the floor at 0: the
// personal exemptions and the dependents of each kind at the amounts of that
// row and of the same row of inwh_adopted and inwh_firsttime. On an annual row
// used for another frequency (`annual`) the wages are first multiplied by the
// pay periods.
double indiana_taxable(const IndianaBracketRow& row, bool annual, int64_t pay_periods, double wages,
                       int64_t exemptions, const IndianaDependents& dependents);

}  // namespace txl5

#endif  // TXL5_STATES_INDIANA_H
