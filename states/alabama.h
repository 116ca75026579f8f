// Alabama withholding tables of states/alabama.cpp: the standard deduction by
// wage level (standard_al), the personal exemption and dependent amount
// (alpd), the annual brackets (alwh, in the common 13-slot bracket row) and the
// flat supplemental rates (supplemental_al). All amounts are annual.
#ifndef TXL5_STATES_ALABAMA_H
#define TXL5_STATES_ALABAMA_H

#include "core/statecalc.h"
#include "core/txl5.h"

// standard_al: the standard deduction for annual gross wages in [lower, upper)
// (upper 0 = no ceiling). Ends at start month 0.
struct AlStandardDeductionRow {
    MDATE start_date;
    MDATE end_date;
    int64_t status;  // 0 single, 1 married, 2 head of family, 3 married filing separately
    double lower;
    double upper;
    double std_deduction;
};
static_assert(sizeof(AlStandardDeductionRow) == 10 * 8, "standard_al rows have 10 slots");

// alpd: the personal exemption and the amount per dependent for annual gross
// wages in [lower, upper). Ends at start month 0.
struct AlExemptionRow {
    MDATE start_date;
    MDATE end_date;
    int64_t status;
    double lower;
    double upper;
    double personal_exemption;
    double dependent_amount;
};
static_assert(sizeof(AlExemptionRow) == 11 * 8, "alpd rows have 11 slots");

TXL5_EXPORT extern const AlStandardDeductionRow standard_al[];
TXL5_EXPORT extern const AlExemptionRow alpd[];
TXL5_EXPORT extern const StateBracketRow alwh[];
TXL5_EXPORT extern const SupplementalRateRow supplemental_al[];

#endif  // TXL5_STATES_ALABAMA_H
