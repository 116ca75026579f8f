// The records of one paycheck as the tests start them: a federal record of
// layout 165 and a state record of layout 145 dated 5 June of the year, with
// the pay frequency and the wages of the period on both, and a local record of
// layout 156 with the same frequency and wages. Each test then sets the fields
// its calculation reads.
#ifndef TXL5_TESTS_SUPPORT_PAYCHECK_H
#define TXL5_TESTS_SUPPORT_PAYCHECK_H

#include <cstdint>

#include "core/txl5.h"

namespace txl5_test {

struct PaycheckRecords {
    FEDERAL_WITHHOLDING_STRUC fed{};
    STATE_WITHHOLDING_STRUC state{};
    LOCAL_WITHHOLDING_STRUC local{};

    // A paycheck in the state of `state_code`, dated June 5 of `year`,
    // `pay_periods` a year, with `wages` as the federal, state and local wages
    // of the period.
    explicit PaycheckRecords(int64_t state_code, int64_t year = 2026, int64_t pay_periods = 52,
                             double wages = 1000.0) {
        fed.struc_version = 165;
        fed.check_month = 6;
        fed.check_day = 5;
        fed.check_year = year;
        fed.pay_periods = pay_periods;
        fed.gross_wages = fed.fica_wages = wages;
        state.struc_version = 145;
        state.state_code = state_code;
        state.state_pay_periods = pay_periods;
        state.state_wages = wages;
        local.struc_version = 156;
        local.local_pay_periods = pay_periods;
        local.local_wages = wages;
    }
};

}  // namespace txl5_test

#endif  // TXL5_TESTS_SUPPORT_PAYCHECK_H
