#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/txl5.h"

namespace {

constexpr double kUntouched = -1.0;

TEST(WorkersCompensation, Assessments) {
    struct Case {
        std::string why;
        int64_t state;
        int64_t year;
        int64_t fixed_hours;
        int64_t exempt;
        double hours;
        double employee_rate;
        double employer_rate;
        double employee_tax;
        double employer_tax;
    };
    const Case cases[] = {
        // Oregon workers' benefit fund: cents per hour from each side.
        {"OR 2026 40 hours at 1.0 cent", 43, 2026, 0, 0, 40, 0, 0, 0.40, 0.40},
        {"OR 2019 40 hours at 1.65 cents", 43, 2019, 0, 0, 40, 0, 0, 0.66, 0.66},
        {"OR 2020, first year at 1.1 cents: 100 hours", 43, 2020, 0, 0, 100, 0, 0, 1.10, 1.10},
        {"OR 2022 40 hours at 1.1 cents", 43, 2022, 0, 0, 40, 0, 0, 0.44, 0.44},
        {"OR 2023, last year at 1.1 cents: 100 hours", 43, 2023, 0, 0, 100, 0, 0, 1.10, 1.10},
        {"OR 2024, first year at 1.0 cent: 100 hours", 43, 2024, 0, 0, 100, 0, 0, 1.00, 1.00},
        {"OR 2027 falls back to 1.65 cents", 43, 2027, 0, 0, 40, 0, 0, 0.66, 0.66},
        {"OR 37.5 hours: employee 0.375 -> 0.38, employer gets the rest of 0.75", 43, 2026, 0, 0, 37.5, 0, 0, 0.38,
         0.37},
        {"OR ignores the fixed-hours flags and the caller's rates", 43, 2026, 1, 1, 40, 5, 5, 0.40, 0.40},
        // Other states: the caller's hourly rates, unrounded.
        {"fixed 160 hours at 0.02 and 0.03", 53, 2026, 1, 0, 10, 0.02, 0.03, 3.20, 4.80},
        {"fixed hours and exempt: nothing", 53, 2026, 1, 1, 10, 0.02, 0.03, 0.00, 0.00},
        {"exempt alone does not apply", 53, 2026, 0, 1, 10, 0.02, 0.03, 0.20, 0.30},
        {"hours worked, unrounded", 53, 2026, 0, 0, 10.123, 0.02, 0.03, 0.20246, 0.30369},
    };
    for (const Case& c : cases) {
        WORKCOMP_STRUC wc{};
        wc.wc_error = 7;
        wc.check_month = 1;
        wc.check_day = 1;
        wc.check_year = c.year;
        wc.state_code = c.state;
        wc.wc_fixed_hours = c.fixed_hours;
        wc.wc_exempt = c.exempt;
        wc.wc_hours = c.hours;
        wc.wc_employee_rate = c.employee_rate;
        wc.wc_employer_rate = c.employer_rate;
        wc.wc_employee_tax = 99.0;
        wc.wc_employer_tax = 99.0;
        EXPECT_EQ(WORKCOMP_Calc(&wc), 0) << c.why;
        EXPECT_EQ(wc.wc_error, 0) << c.why;
        EXPECT_NEAR(wc.wc_employee_tax, c.employee_tax, 1e-12) << c.why;
        EXPECT_NEAR(wc.wc_employer_tax, c.employer_tax, 1e-12) << c.why;
    }
}

TEST(Transit, DistrictAndStatewide) {
    struct Case {
        std::string why;
        MDATE date;
        double wages;
        double rate;
        double district_tax;
        double statewide_tax;
    };
    const Case cases[] = {
        {"31 May 2018: district tax only", {5, 31, 2018}, 1000, 0.007, 7.00, kUntouched},
        {"1 June 2018: statewide 0.1 % too", {6, 1, 2018}, 1000, 0.007, 7.00, 1.00},
        {"2026: 1234.56 at 0.7774 % and 0.1 %", {3, 15, 2026}, 1234.56, 0.007774, 9.60, 1.23},
    };
    for (const Case& c : cases) {
        TT_STRUC tt{};
        tt.tt_error = 7;
        tt.check_month = c.date.month;
        tt.check_day = c.date.day;
        tt.check_year = c.date.year;
        tt.tt_wages = c.wages;
        tt.tt_rate = c.rate;
        tt.tt_tax = 99.0;
        tt.statewide_transit_tax = kUntouched;
        EXPECT_EQ(TT_Calc(&tt), 0) << c.why;
        EXPECT_EQ(tt.tt_error, 0) << c.why;
        EXPECT_DOUBLE_EQ(tt.tt_tax, c.district_tax) << c.why;
        EXPECT_DOUBLE_EQ(tt.statewide_transit_tax, c.statewide_tax) << c.why;
    }
}

TEST(WashingtonLongTermCare, Premium) {
    struct Case {
        std::string why;
        int64_t state;
        int64_t kind;
        int64_t month;
        int64_t year;
        int64_t pay_periods;
        double wages;
        int64_t error;
        double tax;
    };
    const Case cases[] = {
        {"June 2023: before the premium", 56, 1, 6, 2023, 26, 2000, 0, 0.00},
        {"July 2023 biweekly 2000: 0.58 % = 11.60", 56, 1, 7, 2023, 26, 2000, 0, 11.60},
        {"2026 weekly 1234.56: 7.160448 -> 7.16", 56, 1, 1, 2026, 52, 1234.56, 0, 7.16},
        {"no pay periods: nothing withheld", 56, 1, 7, 2026, 0, 2000, 0, 0.00},
        {"negative pay periods: nothing withheld", 56, 1, 7, 2026, -26, 2000, 0, 0.00},
        {"another levy kind: not recognised", 56, 2, 7, 2026, 26, 2000, 1, 0.00},
        {"another state: not recognised", 53, 1, 7, 2026, 26, 2000, 1, 0.00},
        {"wages too large to annualize: an error, nothing withheld", 56, 1, 7, 2026, 52, 1e308, 1, 0.00},
    };
    for (const Case& c : cases) {
        STATEOTHER_STRUC r{};
        r.other_error = 7;
        r.levy_kind = c.kind;
        r.check_month = c.month;
        r.check_day = 1;
        r.check_year = c.year;
        r.state_code = c.state;
        r.pay_periods = c.pay_periods;
        r.other_wages = c.wages;
        r.other_tax = 99.0;
        EXPECT_EQ(StateOther_Calc(&r), 0) << c.why;
        EXPECT_EQ(r.other_error, c.error) << c.why;
        EXPECT_DOUBLE_EQ(r.other_tax, c.tax) << c.why;
        EXPECT_TRUE(std::isfinite(r.other_tax)) << c.why;
    }
}

}  // namespace
