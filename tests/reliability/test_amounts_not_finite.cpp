// Calls that wrote an amount that is not a finite number (from inputs that
// are infinite, not numbers, or too large to multiply) and still reported
// success. Each now stores a finite amount or reports failure.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "core/txl5.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

FEDERAL_WITHHOLDING_STRUC weekly_federal(int64_t year = 2026) {
    FEDERAL_WITHHOLDING_STRUC fed{};
    fed.struc_version = 165;
    fed.check_month = 6;
    fed.check_day = 5;
    fed.check_year = year;
    fed.pay_periods = 52;
    fed.allowances = 1;
    fed.gross_wages = fed.fica_wages = 1000.0;
    return fed;
}

STATE_WITHHOLDING_STRUC weekly_state(int64_t state_code) {
    STATE_WITHHOLDING_STRUC state{};
    state.struc_version = 145;
    state.state_code = state_code;
    state.state_pay_periods = 52;
    state.state_allowances = 1;
    state.state_wages = 1000.0;
    state.state_supp_aggregate = -1;
    return state;
}

TEST(AmountsNotFinite, FederalCalcReportedSuccessWithSocialSecurityOrMedicareThatIsNotANumber) {
    FEDERAL_WITHHOLDING_STRUC fed = weekly_federal();
    fed.fica_wages = kNaN;
    EXPECT_NE(TXL5_Federal_Calc(1, &fed), 0);
    // Medicare alone: social security is not withheld from this employee.
    fed = weekly_federal();
    fed.fica_exempt = 1;
    fed.ytd_medicare_wages = kNaN;
    fed.fica_wages = 1000.0;
    const int64_t result = TXL5_Federal_Calc(1, &fed);
    EXPECT_TRUE(result != 0 || std::isfinite(fed.medicare_tax)) << fed.medicare_tax;
}

TEST(AmountsNotFinite, FederalCalcReportedSuccessWithAnInfiniteExtraWithholding) {
    FEDERAL_WITHHOLDING_STRUC fed = weekly_federal();
    fed.additional_fed_wh = kInfinity;
    EXPECT_NE(TXL5_Federal_Calc(1, &fed), 0);
    // An ordinary paycheck is untouched: 88.00 of tax and success.
    fed = weekly_federal();
    EXPECT_EQ(TXL5_Federal_Calc(1, &fed), 0);
    EXPECT_DOUBLE_EQ(fed.fed_tax, 88.00);
}

TEST(AmountsNotFinite, FederalSupplementalReportedSuccessWithAnInfiniteFlatTax) {
    FEDERAL_WITHHOLDING_STRUC fed = weekly_federal();
    fed.supplemental_wages = kInfinity;
    fed.supp_aggregate = 0;
    fed.ytd_supplemental_wages = 2e6;  // the 37 % rate
    EXPECT_NE(TXL5_Federal_Supplemental(1, &fed), 0);
}

TEST(AmountsNotFinite, FederalSupplementalIgnoredAFailedAggregateCalculation) {
    // Supplemental wages that are not a number fit no bracket; the combined
    // calculation fails and the supplemental tax must not pass for one.
    FEDERAL_WITHHOLDING_STRUC fed = weekly_federal();
    fed.fica_exempt = fed.medicare_exempt = 1;
    fed.additional_fed_wh = 10.0;
    ASSERT_EQ(TXL5_Federal_Calc(1, &fed), 0);
    fed.supp_aggregate = 1;
    fed.supplemental_wages = kNaN;
    EXPECT_NE(TXL5_Federal_Supplemental(1, &fed), 0);
    // The same bonus of 500.00 succeeds: tax on 1500.00 less tax on 1000.00.
    fed.supplemental_wages = 500.0;
    EXPECT_EQ(TXL5_Federal_Supplemental(1, &fed), 0);
    EXPECT_GT(fed.supplemental_fed_tax, 0.0);
}

TEST(AmountsNotFinite, VirginIslandsReportedSuccessWithSocialSecurityThatIsNotANumber) {
    FEDERAL_WITHHOLDING_STRUC fed = weekly_federal();
    fed.fica_wages = kNaN;
    STATE_WITHHOLDING_STRUC state = weekly_state(54);
    EXPECT_NE(state_virginislands(1, &fed, &state), 0);
    EXPECT_TRUE(std::isfinite(state.state_tax));
}

TEST(AmountsNotFinite, NorthDakotaBefore2002SharedAFederalTaxThatIsNotANumber) {
    FEDERAL_WITHHOLDING_STRUC fed = weekly_federal(2001);
    STATE_WITHHOLDING_STRUC state = weekly_state(39);
    fed.fed_tax = kNaN;
    EXPECT_EQ(state_nd(&fed, &state), 1);
    EXPECT_EQ(state.state_error, 1);
    EXPECT_EQ(state.state_tax, 0.0);
    // A finite federal tax: 14 % of it.
    fed.fed_tax = 100.0;
    state = weekly_state(39);
    EXPECT_EQ(state_nd(&fed, &state), 0);
    EXPECT_DOUBLE_EQ(state.state_tax, 14.0);
}

TEST(AmountsNotFinite, UtahRecordedAnInfiniteEffectiveRateForWagesOfAFractionOfACent) {
    FEDERAL_WITHHOLDING_STRUC fed = weekly_federal();
    STATE_WITHHOLDING_STRUC state = weekly_state(52);
    state.state_wages = std::numeric_limits<double>::denorm_min();
    EXPECT_EQ(state_ut(&fed, &state), 0);
    EXPECT_TRUE(std::isfinite(state.state_rate_used)) << state.state_rate_used;
    EXPECT_EQ(state.state_tax, 0.0);
}

// Each levy with inputs whose product is not finite: the amount is 0 and the
// record (or, for family leave, the result) reports the failure.
struct LevyCase {
    std::string why;
    std::function<void(int64_t* result, int64_t* error, double* amount)> run;
};

template <class Record>
Record dated() {
    Record r{};
    r.struc_version = 200;
    r.check_month = 6;
    r.check_day = 5;
    r.check_year = 2026;
    return r;
}

template <class Record>
Record dated(int64_t state_code) {
    Record r = dated<Record>();
    r.state_code = state_code;
    return r;
}

TEST(AmountsNotFinite, LeviesReportedSuccessWithAmountsThatAreNotFinite) {
    const LevyCase cases[] = {
        {"California disability insurance on wages that are not a number",
         [](int64_t* result, int64_t* error, double* amount) {
             SDI_STRUC r = dated<SDI_STRUC>(6);
             r.sdi_wages = kNaN;
             *result = SDI_Calc(&r), *error = r.sdi_error, *amount = r.sdi_tax;
         }},
        {"New Jersey employer disability at an infinite rate",
         [](int64_t* result, int64_t* error, double* amount) {
             SDI_STRUC r = dated<SDI_STRUC>(35);
             r.sdi_wages = 1000.0;
             r.employer_sdi_rate = kInfinity;
             *result = SDI_Calc(&r), *error = r.sdi_error, *amount = r.employer_sdi_tax;
         }},
        {"unemployment at an infinite employer rate",
         [](int64_t* result, int64_t* error, double* amount) {
             SUI_STRUC r = dated<SUI_STRUC>(6);
             r.sui_wages = 1000.0;
             r.sui_rate = kInfinity;
             *result = SUI_Calc(&r), *error = r.sui_error, *amount = r.sui_tax;
         }},
        {"employment training tax on wages that are not a number",
         [](int64_t* result, int64_t* error, double* amount) {
             ETT_STRUC r = dated<ETT_STRUC>();
             r.ett_wages = kNaN;
             *result = ETT_Calc(&r), *error = r.ett_error, *amount = r.ett_tax;
         }},
        {"federal unemployment at an infinite rate",
         [](int64_t* result, int64_t* error, double* amount) {
             FUTA_STRUC r = dated<FUTA_STRUC>();
             r.futa_wages = 1000.0;
             r.futa_rate = kInfinity;
             *result = FUTA_Calc(&r), *error = r.futa_error, *amount = r.futa_tax;
         }},
        {"workers' compensation on an infinite number of hours",
         [](int64_t* result, int64_t* error, double* amount) {
             WORKCOMP_STRUC r = dated<WORKCOMP_STRUC>(6);
             r.wc_hours = kInfinity;
             r.wc_employee_rate = 0.5;
             *result = WORKCOMP_Calc(&r), *error = r.wc_error, *amount = r.wc_employee_tax;
         }},
        {"Oregon's workers' benefit fund on hours that are not a number",
         [](int64_t* result, int64_t* error, double* amount) {
             WORKCOMP_STRUC r = dated<WORKCOMP_STRUC>(43);
             r.wc_hours = kNaN;
             *result = WORKCOMP_Calc(&r), *error = r.wc_error, *amount = r.wc_employer_tax;
         }},
        {"a transit district rate on wages whose product overflows",
         [](int64_t* result, int64_t* error, double* amount) {
             TT_STRUC r{};
             r.check_month = 6, r.check_day = 5, r.check_year = 2026;
             r.tt_wages = 1e200;
             r.tt_rate = 1e200;
             *result = TT_Calc(&r), *error = r.tt_error, *amount = r.tt_tax;
         }},
        {"Oregon's statewide transit tax on infinite wages",
         [](int64_t* result, int64_t* error, double* amount) {
             TT_STRUC r{};
             r.check_month = 6, r.check_day = 5, r.check_year = 2026;
             r.tt_wages = kInfinity;
             *result = TT_Calc(&r), *error = r.tt_error, *amount = r.statewide_transit_tax;
         }},
        {"New York family leave on wages that are not a number",
         [](int64_t* result, int64_t* error, double* amount) {
             FAMLEAVE_STRUC r = dated<FAMLEAVE_STRUC>(37);
             r.leave_wages = kNaN;
             *result = FAMLEAVE_Calc(&r), *error = *result, *amount = r.leave_employee_tax;
         }},
        {"Washington family leave at an employer share that is not a number",
         [](int64_t* result, int64_t* error, double* amount) {
             FAMLEAVE_STRUC r = dated<FAMLEAVE_STRUC>(56);
             r.leave_wages = 1000.0;
             r.leave_share = kNaN;
             *result = FAMLEAVE_Calc(&r), *error = *result, *amount = r.leave_employer_tax;
         }},
    };
    for (const LevyCase& c : cases) {
        int64_t result = -1, error = -1;
        double amount = -1.0;
        c.run(&result, &error, &amount);
        EXPECT_EQ(error, 1) << c.why;
        EXPECT_EQ(amount, 0.0) << c.why;
    }
}

// The same levies on ordinary inputs still succeed with their amounts.
TEST(AmountsNotFinite, LeviesOnOrdinaryWagesStillSucceed) {
    TT_STRUC tt{};
    tt.check_month = 6, tt.check_day = 5, tt.check_year = 2026;
    tt.tt_wages = 1000.0;
    tt.tt_rate = 0.005;
    EXPECT_EQ(TT_Calc(&tt), 0);
    EXPECT_EQ(tt.tt_error, 0);
    EXPECT_DOUBLE_EQ(tt.tt_tax, 5.0);
    EXPECT_DOUBLE_EQ(tt.statewide_transit_tax, 1.0);

    FAMLEAVE_STRUC leave = dated<FAMLEAVE_STRUC>(56);
    leave.leave_wages = 1000.0;
    leave.leave_share = 0.5;
    EXPECT_EQ(FAMLEAVE_Calc(&leave), 0);
    EXPECT_DOUBLE_EQ(leave.leave_employer_tax + leave.leave_employee_tax, 11.3);
}

}  // namespace
