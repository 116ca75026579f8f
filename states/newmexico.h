// New Mexico withholding tables of states/newmexico.cpp: the percentage-method
// schedules (nmwh, in the common 13-slot bracket row) and the flat
// supplemental rates (supplemental_nm); and the allowance cap by check date.
#ifndef TXL5_STATES_NEWMEXICO_H
#define TXL5_STATES_NEWMEXICO_H

#include <cstdint>

#include "core/statecalc.h"
#include "core/txl5.h"

TXL5_EXPORT extern const StateBracketRow nmwh[];
TXL5_EXPORT extern const SupplementalRateRow supplemental_nm[];

namespace txl5 {

// New Mexico counts at most three allowances on checks dated after 22 May 2018.
constexpr int64_t kNmAllowanceCap = 3;

inline bool nm_allowance_cap_applies(const MDATE& check_date) {
    if (check_date.year != 2018) return check_date.year > 2018;
    return check_date.month > 5 || (check_date.month == 5 && check_date.day > 22);
}

inline int64_t nm_allowances_counted(const MDATE& check_date, int64_t allowances) {
    if (nm_allowance_cap_applies(check_date) && allowances > kNmAllowanceCap) return kNmAllowanceCap;
    return allowances;
}

}  // namespace txl5

#endif  // TXL5_STATES_NEWMEXICO_H
