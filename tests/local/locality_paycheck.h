// A paycheck for the flat locality taxes (Alabama, Colorado, Delaware,
// Missouri): the three records as the calculation driver leaves them for the
// locality function, which reads the check date, the state wages and the local
// record.
#ifndef TXL5_TESTS_LOCAL_LOCALITY_PAYCHECK_H
#define TXL5_TESTS_LOCAL_LOCALITY_PAYCHECK_H

#include "core/txl5.h"

namespace txl5_test {

struct LocalityPaycheck {
    FEDERAL_WITHHOLDING_STRUC fed{};
    STATE_WITHHOLDING_STRUC state{};
    LOCAL_WITHHOLDING_STRUC local{};

    // A paycheck dated June 5 of `year` in the state, `pay_periods` a year,
    // with `wages` as the federal, state and local wages of the period.
    LocalityPaycheck(int64_t state_code, int64_t year, int64_t pay_periods, double wages) {
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

using LocalEntryPoint = int64_t (*)(uint64_t, FEDERAL_WITHHOLDING_STRUC*, STATE_WITHHOLDING_STRUC*,
                                    LOCAL_WITHHOLDING_STRUC*);

// The call type that reaches the locality function through the entry points:
// the employee's paycheck (1) when the state's own income tax is in the build;
// otherwise the federal-only call (0), since the driver would report the state
// unsupported and the entry points would skip the local step.
inline uint64_t call_type_reaching_locality(int64_t state_code) {
    LocalityPaycheck probe(state_code, 2026, 52, 1000.0);
    TXL5_Calc(1, &probe.fed, &probe.state);
    return probe.state.state_error != 3 ? 1 : 0;
}

}  // namespace txl5_test

#endif  // TXL5_TESTS_LOCAL_LOCALITY_PAYCHECK_H
