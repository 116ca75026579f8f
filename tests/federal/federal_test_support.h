#ifndef TXL5_TESTS_FEDERAL_SUPPORT_H
#define TXL5_TESTS_FEDERAL_SUPPORT_H

#include "core/txl5.h"

namespace txl5_test {

// A current-layout federal record for a check date, with nothing withheld yet.
inline FEDERAL_WITHHOLDING_STRUC federal_record(int64_t month, int64_t day, int64_t year) {
    FEDERAL_WITHHOLDING_STRUC fed{};
    fed.struc_version = 165;
    fed.check_month = month;
    fed.check_day = day;
    fed.check_year = year;
    fed.pay_periods = 52;
    return fed;
}

}  // namespace txl5_test

#endif
