#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/txl5.h"
#include "tests/states/bracket_state_support.h"
#include "tests/support/paycheck.h"

namespace {

// Every state with a flat supplemental rate: supplemental wages that are not
// a finite amount are a failure of the state part, never an infinite or NaN
// supplemental tax.
TEST(StateConventions, FlatSupplementalTaxOnNonFiniteWagesFails) {
    const double inf = std::numeric_limits<double>::infinity();
    const int64_t flat_rate_states[] = {1, 5, 6, 7, 13, 16, 20, 27, 28, 30, 32, 36, 37, 38, 39, 47, 48, 55, 57, 58};
    for (int64_t code : flat_rate_states) {
        for (double bonus : {inf, -inf, std::nan("")}) {
            txl5_test::PaycheckRecords p(code);
            p.state.state_supplemental_wages = bonus;
            p.state.state_supp_aggregate = 0;  // flat rate
            const int64_t result = TXL5_Calc(1, &p.fed, &p.state);
            // California's low-income test counts the bonus: minus infinity
            // exempts the paycheck before any supplemental tax is figured.
            if (!(code == 6 && bonus < 0)) {
                EXPECT_EQ(result & 8, 8) << "state " << code << " bonus " << bonus;
                EXPECT_EQ(p.state.state_error, 1) << "state " << code << " bonus " << bonus;
            }
            EXPECT_EQ(p.state.state_supplemental_tax, 0.0) << "state " << code << " bonus " << bonus;
            EXPECT_TRUE(std::isfinite(p.state.state_tax)) << "state " << code;
        }
    }
}

// The states that annualize or fall back to an annual schedule (Mississippi,
// North Carolina, Vermont, Virginia, West Virginia, Wisconsin), status 0 and
// one allowance: called directly with pay periods below 1 they divide by 1 and
// find nothing taxable; wages too large to annualize (semiannual pay, which no
// per-frequency schedule covers) fit no bracket; the supplemental tax follows
// the layout and the method; a check after the newest rows is computed on the
// previous year's.
TEST(StateConventions, AnnualizingStatesPayPeriodsHugeWagesSupplementalMethodAndTheRetry) {
    struct Calc {
        int64_t code;
        int64_t (*function)(FEDERAL_WITHHOLDING_STRUC*, STATE_WITHHOLDING_STRUC*);
    };
    const Calc calcs[] = {{29, state_ms}, {38, state_nc}, {53, state_vt},
                          {55, state_va}, {57, state_wv}, {58, state_wi}};
    for (const Calc& c : calcs) {
        for (int64_t periods : {0, -1, -52}) {
            txl5_test::StatePaycheck p(c.code, 2026, 0, periods, 1, 1000.0);
            p.state.state_supp_aggregate = 1;
            p.state.state_supplemental_wages = 500.0;
            EXPECT_EQ(p.run_direct(c.function), 0) << "state " << c.code << " pay periods " << periods;
            EXPECT_EQ(p.state.state_tax, 0.0) << "state " << c.code << " pay periods " << periods;
            EXPECT_TRUE(std::isfinite(p.state.state_supplemental_tax)) << "state " << c.code;
        }
        txl5_test::StatePaycheck huge(c.code, 2026, 0, 2, 1, 1e308);
        EXPECT_EQ(huge.run() & 8, 8) << "state " << c.code;
        EXPECT_EQ(huge.state.state_error, 1) << "state " << c.code;
        EXPECT_TRUE(std::isfinite(huge.state.state_tax)) << "state " << c.code;

        // Layout 144 computes no supplemental tax, and a method other than 0
        // or 1 neither (Mississippi, which always aggregates, aside).
        for (int64_t version : {144, 145}) {
            txl5_test::StatePaycheck p(c.code, 2026, 0, 26, 1, 2000.0);
            p.state.struc_version = version;
            p.state.state_supp_aggregate = version == 144 ? 0 : 2;
            p.state.state_supplemental_wages = 1000.0;
            p.state.state_supplemental_tax = 7.77;
            EXPECT_EQ(p.run() & 8, 0) << "state " << c.code;
            if (version == 144 || c.code != 29) {
                EXPECT_EQ(p.state.state_supplemental_tax, 7.77) << "state " << c.code << " layout " << version;
            }
        }

        txl5_test::StatePaycheck later(c.code, 2027, 0, 26, 1, 2000.0);
        EXPECT_EQ(later.run() & 8, 0) << "state " << c.code;
        EXPECT_EQ(later.state.state_table_year, 2026) << "state " << c.code;
        EXPECT_GT(later.state.state_tax, 0.0) << "state " << c.code;
        EXPECT_EQ(later.fed.check_year, 2027) << "state " << c.code;
    }
}

}  // namespace

namespace {

// A state calculation called directly, bypassing the driver's refusal of pay
// periods below 1, divides by 1 instead and writes finite amounts: with no
// annual wages these states withhold nothing.
TEST(StateConventions, CalledDirectlyPayPeriodsBelowOneGiveNoTax) {
    using StateFunction = int64_t (*)(FEDERAL_WITHHOLDING_STRUC*, STATE_WITHHOLDING_STRUC*);
    const struct {
        const char* name;
        StateFunction fn;
    } states[] = {{"state_ar", state_ar}, {"state_dc", state_dc}, {"state_de", state_de},
                  {"state_hi", state_hi}, {"state_id", state_id}};
    for (const auto& s : states) {
        for (int64_t periods : {0, -26}) {
            FEDERAL_WITHHOLDING_STRUC fed{};
            fed.check_month = 6;
            fed.check_day = 5;
            fed.check_year = 2026;
            STATE_WITHHOLDING_STRUC state{};
            state.struc_version = 145;
            state.state_pay_periods = periods;
            state.state_allowances = 1;
            state.state_wages = 2000.0;
            state.state_supplemental_wages = 500.0;
            state.state_supp_aggregate = 1;
            EXPECT_EQ(s.fn(&fed, &state), 0) << s.name << " " << periods;
            EXPECT_EQ(state.state_tax, 0.0) << s.name << " " << periods;
            EXPECT_TRUE(std::isfinite(state.state_supplemental_tax)) << s.name << " " << periods;
        }
    }
}

}  // namespace
