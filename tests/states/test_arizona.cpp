#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "core/txl5.h"
#include "tests/states/bracket_state_support.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::StatePaycheck;

constexpr int64_t kArizona = 4;

// Paychecks through the driver, from July 2010 on: the elected percentage of
// the period's wages, and of the federal supplemental wages.
struct WagesCase {
    std::string why;
    int64_t year;
    double percent;  // state_percent
    double wages;
    double bonus;  // federal supplemental_wages
    double state_tax;
    double supplemental_tax;
};

const WagesCase kWagesCases[] = {
    {"2026: 2.7 % of 1000 is 27.00; 2.7 % of a 500 bonus is 13.50", 2026, 2.7, 1000.0, 500.0, 27.00, 13.50},
    {"2025 Form A-4: 2.0 % of 1500 is 30.00", 2025, 2.0, 1500.0, 0.0, 30.00, 0.0},
    {"2024 Form A-4: 3.5 % of 800 is 28.00; of a 1000 bonus 35.00", 2024, 3.5, 800.0, 1000.0, 28.00, 35.00},
    {"2026 Form A-4: 0.5 % of 1234.56 is 6.1728", 2026, 0.5, 1234.56, 0.0, 6.17, 0.0},
    {"a zero election withholds nothing", 2026, 0.0, 1000.0, 500.0, 0.0, 0.0},
};

TEST(Arizona, PercentageOfWages) {
    for (const WagesCase& c : kWagesCases) {
        StatePaycheck p(kArizona, c.year, 0, 52, 0, c.wages);
        p.state.state_percent = c.percent;
        p.fed.supplemental_wages = c.bonus;
        p.state.state_table_year = 1999;  // Arizona has no table: left as it is
        EXPECT_EQ(p.run(), 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_tax, c.state_tax) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_rate_used, c.percent / 100.0) << c.why;
        EXPECT_NEAR(p.state.state_supplemental_tax, c.supplemental_tax, 1e-9) << c.why;
        EXPECT_EQ(p.state.state_table_year, 1999) << c.why;
    }
}

// The older eras, called directly with the federal tax the driver would have
// computed (the federal tables of those years are not in the library).
struct FederalTaxCase {
    std::string why;
    int64_t year;
    int64_t month;
    int64_t pay_periods;
    double percent;
    double fed_tax;
    double supplemental_fed_tax;
    int64_t result;
    int64_t state_error;
    double state_tax;             // before the driver's rounding
    double supplemental_tax;      // -1: not written
};

const FederalTaxCase kFederalTaxCases[] = {
    {"1 July 2010: 2.7 % of the wages (1000), not of the federal tax; 2.7 % of 300 supplemental wages", 2010, 7,
     52, 2.7, 88.0, 0.0, 0, 0, 27.0, 8.1},
    {"30 June 2010: 10 % of a federal tax of 88.00; of a 22.00 supplemental tax 2.20", 2010, 6, 52, 10.0, 88.0, 22.0,
     0, 0, 8.8, 2.2},
    {"2003 weekly: 1 % of 1.00 is 0.01, 0.52 a year < 60, so 60 / 52 = 1.1538", 2003, 6, 52, 1.0, 1.0, 0.0, 0, 0,
     60.0 / 52.0, 0.0},
    {"2003 weekly: 10 % of 20.00 is 2.00, 104 a year, above the minimum", 2003, 6, 52, 10.0, 20.0, 0.0, 0, 0, 2.0,
     0.0},
    {"2004 has no minimum: 1 % of 1.00", 2004, 6, 52, 1.0, 1.0, 0.0, 0, 0, 0.01, 0.0},
    {"2002, elected 20: withheld at 21 % of 100.00", 2002, 6, 52, 20.0, 100.0, 0.0, 0, 0, 21.0, -1},
    {"2002, elected 32.9: whole 32, withheld at 34 %", 2002, 6, 52, 32.9, 100.0, 0.0, 0, 0, 34.0, -1},
    {"2002, elected 19: not on the form", 2002, 6, 52, 19.0, 100.0, 0.0, 8, 2, 0.0, -1},
    {"2001, elected 20.5: whole 20 is on the form, withheld at 20.5 % of 100.00", 2001, 6, 52, 20.5, 100.0, 0.0, 0,
     0, 20.5, -1},
    {"2001, elected 0: nothing", 2001, 6, 52, 0.0, 100.0, 0.0, 0, 0, 0.0, -1},
    {"2001, elected 5: not on the form", 2001, 6, 52, 5.0, 100.0, 0.0, 8, 2, 0.0, -1},
};

TEST(Arizona, PercentageOfFederalTax) {
    for (const FederalTaxCase& c : kFederalTaxCases) {
        StatePaycheck p(kArizona, c.year, 0, c.pay_periods, 0, 1000.0, c.month, 15);
        p.state.state_percent = c.percent;
        p.fed.fed_tax = c.fed_tax;
        p.fed.supplemental_fed_tax = c.supplemental_fed_tax;
        p.fed.supplemental_wages = 300.0;
        p.state.state_supplemental_tax = -1;
        EXPECT_EQ(state_az(&p.fed, &p.state), c.result) << c.why;
        EXPECT_EQ(p.state.state_error, c.state_error) << c.why;
        EXPECT_NEAR(p.state.state_tax, c.state_tax, 1e-9) << c.why;
        EXPECT_NEAR(p.state.state_supplemental_tax, c.supplemental_tax, 1e-9) << c.why;
    }
}

TEST(Arizona, ABadPercentageFailsThroughTheDriverAfterItsRetry) {
    StatePaycheck p(kArizona, 2002, 0, 52, 0, 1000.0);
    p.state.state_percent = 19.0;
    EXPECT_EQ(p.run() & 8, 8);
    EXPECT_EQ(p.state.state_error, 2);
    EXPECT_EQ(p.fed.check_year, 2002);
}

TEST(Arizona, AmountsThatAreNotNumbersFailWithFiniteTaxes) {
    const double inf = std::numeric_limits<double>::infinity();
    // A percentage that is not a number is not on the form.
    for (double percent : {std::nan(""), inf}) {
        StatePaycheck p(kArizona, 2026, 0, 52, 0, 1000.0);
        p.state.state_percent = percent;
        EXPECT_EQ(p.run() & 8, 8);
        EXPECT_EQ(p.state.state_error, 2);
        EXPECT_EQ(p.state.state_tax, 0.0);
    }
    // Wages that are not a number fit no tax: state_error 1.
    for (double wages : {std::nan(""), inf, -inf}) {
        StatePaycheck p(kArizona, 2026, 0, 52, 0, wages);
        p.state.state_percent = 2.0;
        EXPECT_EQ(state_az(&p.fed, &p.state), 1);
        EXPECT_EQ(p.state.state_error, 1);
        EXPECT_EQ(p.state.state_tax, 0.0);
    }
}

TEST(Arizona, SupplementalFieldsFollowTheRecordVersions) {
    // A state record of layout 144 gets no supplemental tax.
    StatePaycheck old_state(kArizona, 2026, 0, 52, 0, 1000.0);
    old_state.state.struc_version = 144;
    old_state.state.state_percent = 2.0;
    old_state.state.state_supplemental_tax = 7.77;
    old_state.fed.supplemental_wages = 500.0;
    EXPECT_EQ(old_state.run(), 0);
    EXPECT_DOUBLE_EQ(old_state.state.state_supplemental_tax, 7.77);
    EXPECT_DOUBLE_EQ(old_state.state.state_tax, 20.00);
    // A federal record of layout 128 carries no supplemental wages: whatever
    // its slot holds, the state supplemental tax is 0.
    StatePaycheck old_fed(kArizona, 2026, 0, 52, 0, 1000.0);
    old_fed.fed.struc_version = 128;
    old_fed.fed.supplemental_wages = 500.0;
    old_fed.state.state_percent = 2.0;
    old_fed.state.state_supplemental_tax = 7.77;
    EXPECT_EQ(state_az(&old_fed.fed, &old_fed.state), 0);
    EXPECT_EQ(old_fed.state.state_supplemental_tax, 0.0);
}

TEST(Arizona, NullRecordsFailAndTouchNothing) {
    StatePaycheck p(kArizona, 2026, 0, 52, 0, 1000.0);
    const StatePaycheck before = p;
    EXPECT_NE(state_az(nullptr, &p.state), 0);
    EXPECT_NE(state_az(&p.fed, nullptr), 0);
    EXPECT_EQ(std::memcmp(&p, &before, sizeof p), 0);
}

TEST(Arizona, Exports) {
    txl5_test::expect_typed_functions({"state_az"});
}

}  // namespace
