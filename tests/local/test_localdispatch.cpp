#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>

#include "core/txl5.h"
#include "tests/support/exports.h"
#include "tests/support/paycheck.h"

namespace {

// Weekly single employee, 1 allowance, 1000.00 in 2026, in a state with no
// income tax (Texas), with a caller-configured local tax.
struct LocalPaycheck : txl5_test::PaycheckRecords {
    explicit LocalPaycheck(int64_t state_code = 51) : PaycheckRecords(state_code) {
        fed.allowances = 1;
        local.struc_version = 240;
        local.local_tax = 3.33;  // what an earlier paycheck left
    }
    double net() const {
        return fed.gross_wages + fed.supplemental_wages - fed.fed_tax - fed.supplemental_fed_tax - fed.medicare_tax -
               fed.fica_tax - state.state_tax - state.state_supplemental_tax - local.local_tax -
               local.local_supplemental_tax;
    }
};

struct DefaultCase {
    std::string why;
    int64_t version;
    double rate;
    double max_tax;
    double ytd_wages;
    int64_t exemptions;
    double exemption_amount;
    double deduction;
    double flat;
    int64_t pay_periods;
    double local_tax;
};

const DefaultCase kDefaultCases[] = {
    {"1 % of 1000.00", 240, 0.01, 0, 0, 0, 0, 0, 0, 52, 10.00},
    {"version 239 has no caller-configured tax: local_tax untouched", 239, 0.01, 0, 0, 0, 0, 0, 0, 52, 3.33},
    {"two exemptions of 520 and a deduction of 1040 a year, weekly: 1 % of 960", 240, 0.01, 0, 0, 2, 520, 1040, 0, 52,
     9.60},
    {"no pay periods: exemption and deduction taken as they stand: 1 % of 960", 240, 0.01, 0, 0, 2, 10, 20, 0, 0, 9.60},
    {"annual flat 52 over 52 periods overrides the rate", 240, 0.01, 0, 0, 0, 0, 0, 52, 52, 1.00},
    {"flat amount without pay periods keeps the rate's tax", 240, 0.01, 0, 0, 0, 0, 0, 52, 0, 10.00},
    {"cap 100: 95 withheld so far, only 5 left", 240, 0.01, 100, 9500, 0, 0, 0, 0, 52, 5.00},
    {"cap 100 already reached", 240, 0.01, 100, 10000, 0, 0, 0, 0, 52, 0.00},
    {"cap 100 well ahead: the full 10.00", 240, 0.01, 100, 1000, 0, 0, 0, 0, 52, 10.00},
    {"deductions above the wages owe nothing", 240, 0.01, 0, 0, 0, 0, 100000, 0, 52, 0.00},
};

TEST(DefaultLocal, CallerConfiguredTax) {
    for (const auto& c : kDefaultCases) {
        LocalPaycheck p;
        p.local.struc_version = c.version;
        p.local.local_rate = c.rate;
        p.local.local_max_tax = c.max_tax;
        p.local.ytd_local_wages = c.ytd_wages;
        p.local.local_exemptions = c.exemptions;
        p.local.local_exemption_amount = c.exemption_amount;
        p.local.local_deduction = c.deduction;
        p.local.local_annual_flat_tax = c.flat;
        p.local.local_pay_periods = c.pay_periods;
        EXPECT_EQ(TXL5_Calc_Local(1, &p.fed, &p.state, &p.local), 0) << c.why;
        EXPECT_DOUBLE_EQ(p.local.local_tax, c.local_tax) << c.why;
        EXPECT_EQ(p.fed.gross_wages, 1000.0) << c.why << ": one pass writes no wages";
        EXPECT_DOUBLE_EQ(p.fed.fed_tax, 88.00) << c.why;
    }
}

TEST(LocalDispatch, AFailedStatePartSkipsTheLocalStep) {
    LocalPaycheck p(3);  // American Samoa: unsupported
    p.local.local_rate = 0.01;
    EXPECT_EQ(TXL5_Calc_Local(1, &p.fed, &p.state, &p.local), 8);
    EXPECT_EQ(p.local.local_tax, 3.33);
}

TEST(LocalDispatch, StateCodesWithoutALocalityGetTheCallerConfiguredTaxOnly) {
    // California computes its income tax but has no local taxes.
    for (int64_t code : {6, 51, 2, 56}) {
        for (auto entry : {TXL5_Calc_County, TXL5_Calc_Local}) {
            LocalPaycheck p(code);
            p.local.local_rate = 0.02;
            EXPECT_EQ(entry(1, &p.fed, &p.state, &p.local), 0) << code;
            EXPECT_DOUBLE_EQ(p.local.local_tax, 20.00) << code;
            EXPECT_EQ(p.local.local_error, 0) << code;
        }
    }
}

// Pennsylvania is not routed through the county entry point at all; a
// failed state part stops before the local step.
TEST(LocalDispatch, RoutesThatComputeNoLocality) {
    LocalPaycheck pa(45);
    EXPECT_EQ(TXL5_Calc_County(0, &pa.fed, &pa.state, &pa.local), 0);
    EXPECT_EQ(pa.local.local_error, 0);
    LocalPaycheck ky(21);
    ky.state.state_pay_periods = 0;
    EXPECT_EQ(TXL5_Calc_Local(1, &ky.fed, &ky.state, &ky.local), 8);
    EXPECT_EQ(ky.local.local_tax, 3.33);
}

TEST(DefaultLocal, AmountsThatAreNotFiniteAreFailures) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Case { double wages, rate, flat; } cases[] = {{inf, 0.01, 0}, {1e300, 1e300, 0}, {1000.0, 0.01, inf}};
    for (const auto& c : cases) {
        LocalPaycheck p;
        p.local.local_wages = c.wages;
        p.local.local_rate = c.rate;
        p.local.local_annual_flat_tax = c.flat;
        EXPECT_EQ(TXL5_Calc_Local(1, &p.fed, &p.state, &p.local), 16);
        EXPECT_EQ(p.local.local_tax, 0.0);
    }
}

TEST(LocalDispatch, CityEntryPointDoesNothing) {
    LocalPaycheck p;
    LocalPaycheck before;
    EXPECT_EQ(TXL5_Calc_City(1, &p.fed, &p.state, &p.local), 0);
    EXPECT_EQ(std::memcmp(&p.fed, &before.fed, sizeof p.fed), 0);
    EXPECT_EQ(std::memcmp(&p.local, &before.local, sizeof p.local), 0);
}

TEST(LocalGrossUp, RegularWagesReachTheNetAfterLocalTax) {
    for (auto entry : {TXL5_Calc_County, TXL5_Calc_Local}) {
        LocalPaycheck p;
        p.fed.gross_wages = 1000.0;  // the net wanted
        p.local.local_rate = 0.0137;
        p.local.local_supplemental_tax = 50.0;  // stale, from an earlier paycheck
        EXPECT_EQ(entry(11, &p.fed, &p.state, &p.local), 0);
        EXPECT_NEAR(p.net(), 1000.0, 0.001);
        EXPECT_GT(p.local.local_tax, 0.0);
        EXPECT_EQ(p.local.local_wages, p.fed.gross_wages);
        EXPECT_EQ(p.state.state_wages, p.fed.gross_wages);
        EXPECT_EQ(p.fed.fed_status, 0);
    }
}

TEST(LocalGrossUp, ABonusReachesTheNetBonusAfterLocalTax) {
    LocalPaycheck regular;
    regular.local.local_rate = 0.01;
    ASSERT_EQ(TXL5_Calc_Local(1, &regular.fed, &regular.state, &regular.local), 0);

    LocalPaycheck p;
    p.local.local_rate = 0.01;
    p.fed.supplemental_wages = 500.0;
    EXPECT_EQ(TXL5_Calc_Local(12, &p.fed, &p.state, &p.local), 0);
    EXPECT_EQ(p.state.state_supplemental_wages, p.fed.supplemental_wages);
    EXPECT_EQ(p.local.local_supplemental_wages, p.fed.supplemental_wages);
    // The caller-configured tax is on local_wages only, so the bonus pays the
    // flat 22 % and 7.65 %: about 500 / 0.7035.
    EXPECT_NEAR(p.fed.supplemental_wages, 710.73, 0.02);
    EXPECT_NEAR(p.net(), regular.net() + 500.0, 0.01);
}

TEST(LocalGrossUp, ASearchThatCannotConvergeEndsWithStatus100) {
    // At 10^15 dollars whole-cent trial wages cannot bring the net within
    // 0.001 of the target in 50 halvings.
    LocalPaycheck p;
    p.fed.gross_wages = 1e15;
    p.local.local_rate = 0.0137;
    TXL5_Calc_Local(11, &p.fed, &p.state, &p.local);
    EXPECT_EQ(p.fed.fed_status, 100);
}

TEST(LocalGrossUp, ApproximateSearchAddsTheTaxesAtTheTarget) {
    LocalPaycheck p;
    p.local.local_rate = 0.01;
    EXPECT_EQ(TXL5_Calc_Local_TEST(1, &p.fed, &p.state, &p.local), 0);
    // 1000 + 88.00 + 62.00 + 14.50 + 10.00, within the search's 0.005.
    EXPECT_NEAR(p.fed.gross_wages, 1174.50, 0.01);
    EXPECT_EQ(p.fed.fed_status, 0);
}

TEST(LocalDispatch, ExportedNames) {
    txl5_test::expect_plain_functions({"TXL5_Calc_County", "TXL5_Calc_Local", "TXL5_Calc_Local_TEST", "TXL5_Calc_City"});
    txl5_test::expect_typed_functions({"default_local"});
}

}  // namespace
