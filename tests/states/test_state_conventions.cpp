#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/txl5.h"

namespace {

// Every state with a flat supplemental rate: supplemental wages that are not
// a finite amount are a failure of the state part, never an infinite or NaN
// supplemental tax.
TEST(StateConventions, FlatSupplementalTaxOnNonFiniteWagesFails) {
    const double inf = std::numeric_limits<double>::infinity();
    const int64_t flat_rate_states[] = {6, 28, 32, 36, 37, 38, 39, 55, 57, 58};
    for (int64_t code : flat_rate_states) {
        for (double bonus : {inf, -inf, std::nan("")}) {
            FEDERAL_WITHHOLDING_STRUC fed{};
            fed.struc_version = 165;
            fed.check_month = 6;
            fed.check_day = 5;
            fed.check_year = 2026;
            fed.pay_periods = 52;
            fed.gross_wages = fed.fica_wages = 1000.0;
            STATE_WITHHOLDING_STRUC state{};
            state.struc_version = 145;
            state.state_code = code;
            state.state_pay_periods = 52;
            state.state_wages = 1000.0;
            state.state_supplemental_wages = bonus;
            state.state_supp_aggregate = 0;  // flat rate
            const int64_t result = TXL5_Calc(1, &fed, &state);
            // California's low-income test counts the bonus: minus infinity
            // exempts the paycheck before any supplemental tax is figured.
            if (!(code == 6 && bonus < 0)) {
                EXPECT_EQ(result & 8, 8) << "state " << code << " bonus " << bonus;
                EXPECT_EQ(state.state_error, 1) << "state " << code << " bonus " << bonus;
            }
            EXPECT_EQ(state.state_supplemental_tax, 0.0) << "state " << code << " bonus " << bonus;
            EXPECT_TRUE(std::isfinite(state.state_tax)) << "state " << code;
        }
    }
}

}  // namespace
