// A paycheck for the flat locality taxes (Alabama, Colorado, Delaware,
// Missouri): the three records as the calculation driver leaves them for the
// locality function, which reads the check date, the state wages and the local
// record.
#ifndef TXL5_TESTS_LOCAL_LOCALITY_PAYCHECK_H
#define TXL5_TESTS_LOCAL_LOCALITY_PAYCHECK_H

#include "core/txl5.h"
#include "tests/support/paycheck.h"

namespace txl5_test {

// A paycheck dated June 5 of `year` in the state, `pay_periods` a year, with
// `wages` as the federal, state and local wages of the period.
using LocalityPaycheck = PaycheckRecords;

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
