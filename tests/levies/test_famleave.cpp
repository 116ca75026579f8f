#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/txl5.h"

namespace {

constexpr int64_t kCO = 7, kCT = 8, kDE = 9, kDC = 10, kME = 23, kMA = 26, kMN = 28, kNJ = 35, kNY = 37, kOR = 43,
                  kWA = 56, kTX = 51;

// Outputs the calculation leaves alone keep these values.
constexpr double kUntouched = -1.0;

struct Case {
    std::string why;
    int64_t version;
    int64_t state;
    int64_t month;
    int64_t year;
    double wages;
    double ytd;
    double share;     // leave_share in
    double employer;  // leave_employer_tax in
    double share_2;   // leave_share_2 in
    // expected
    double employee_tax;
    double share_out;
    double employer_tax;
    double medical_employee;
    double medical_employer;
};

const double U = kUntouched;

const Case kCases[] = {
    // Connecticut 0.5 %, social security base of the check date.
    {"CT 2026: 500 left of 184,500", 109, kCT, 3, 2026, 1000, 184000, 0, U, 0, 2.50, 0, U, U, U},
    {"CT 2026: year-to-date past the base", 109, kCT, 3, 2026, 1000, 185000, 0, U, 0, 0.00, 0, U, U, U},
    {"CT 2025: base 176,100 of the check date", 109, kCT, 3, 2025, 1000, 175600, 0, U, 0, 2.50, 0, U, U, U},
    {"CT 2024: base 168,600 of the check date", 109, kCT, 3, 2024, 1000, 168100, 0, U, 0, 2.50, 0, U, U, U},
    {"CT 2023 is not listed", 109, kCT, 3, 2023, 1000, 0, 0, U, 0, 0.00, 0, U, U, U},
    // New Jersey family leave insurance, rounded to cents.
    {"NJ 2026: 0.23 % of 1000", 109, kNJ, 3, 2026, 1000, 0, 0, U, 0, 2.30, 0, U, U, U},
    {"NJ 2026: 500 left of 171,100", 109, kNJ, 3, 2026, 1000, 170600, 0, U, 0, 1.15, 0, U, U, U},
    {"NJ 2025 yearly maximum 545.82 (DLWD)", 109, kNJ, 3, 2025, 200000, 0, 0, U, 0, 545.82, 0, U, U, U},
    {"NJ 2024 yearly maximum 145.26 (DLWD)", 109, kNJ, 3, 2024, 200000, 0, 0, U, 0, 145.26, 0, U, U, U},
    // New York paid family leave, unrounded.
    {"NY 2026: 349.54 left, 0.432 % = 1.5100128", 109, kNY, 3, 2026, 1000, 95000, 0, U, 0, 1.5100128, 0, U, U, U},
    // Colorado: employee charged at most half.
    {"CO 2026, employer pays nothing: employee half of 8.80", 109, kCO, 3, 2026, 1000, 0, 0, U, 0, 4.40, 0, 0.00, U,
     U},
    {"CO 2026, employer 70 %: 6.16 and 2.64", 109, kCO, 3, 2026, 1000, 0, 0.7, U, 0, 2.64, 0.7, 6.16, U, U},
    {"CO 2025 0.9 % halves", 109, kCO, 3, 2025, 1000, 0, 0.5, U, 0, 4.50, 0.5, 4.50, U, U},
    {"CO 2024 check uses the newest base (184,500), not 2024's 168,600", 109, kCO, 3, 2024, 1000, 180000, 0.5, U, 0,
     4.50, 0.5, 4.50, U, U},
    // Minnesota from 2026.
    {"MN 2026 halves of 8.80", 109, kMN, 3, 2026, 1000, 0, 0.5, U, 0, 4.40, 0.5, 4.40, U, U},
    {"MN 2025 is not listed", 109, kMN, 3, 2025, 1000, 0, 0.5, U, 0, 0.00, 0.5, U, U, U},
    // Washington: the employee pays what the employer does not.
    {"WA 2026 employer 25 % of 11.30", 109, kWA, 3, 2026, 1000, 0, 0.25, U, 0, 8.475, 0.25, 2.825, U, U},
    {"WA 2024 0.74 %, employee all", 109, kWA, 3, 2024, 1000, 0, 0, U, 0, 7.40, 0, 0.00, U, U},
    // Minnesota, Oregon and Washington cap at the newest social security base
    // (184,500, 2026) whatever the check year: a year-to-date of 184,000 leaves
    // 500 taxable even in years whose own base (2024: 168,600; 2025: 176,100)
    // was already passed.
    {"MN 2026 crossing 184,500: 0.88 % of 500 halved", 109, kMN, 3, 2026, 1000, 184000, 0.5, U, 0, 2.20, 0.5, 2.20, U,
     U},
    {"MN 2026 year-to-date at 184,500: nothing left", 109, kMN, 3, 2026, 1000, 184500, 0.5, U, 0, 0.00, 0.5, 0.00, U,
     U},
    {"WA 2025 crossing 184,500: 0.92 % of 500 = 4.60, employer 25 %", 109, kWA, 3, 2025, 1000, 184000, 0.25, U, 0, 3.45,
     0.25, 1.15, U, U},
    {"WA 2024 crossing 184,500: 0.74 % of 500, employee all", 109, kWA, 3, 2024, 1000, 184000, 0, U, 0, 3.70, 0, 0.00,
     U, U},
    {"WA 2026 year-to-date past 184,500: nothing", 109, kWA, 3, 2026, 1000, 185000, 0.25, U, 0, 0.00, 0.25, 0.00, U,
     U},
    {"OR 2025 crossing 184,500: 1 % of 500, 60/40", 109, kOR, 3, 2025, 1000, 184000, 0, 0.6, 0.4, 3.00, 2.00, 0.6, U,
     U},
    {"OR 2024 crossing 184,500: 1 % of 500, employee all", 109, kOR, 3, 2024, 1000, 184000, 0, 1.0, 0, 5.00, 0.00,
     1.0, U, U},
    {"OR 2026 year-to-date past 184,500: nothing", 109, kOR, 3, 2026, 1000, 185000, 0, 0.6, 0.4, 0.00, 0.00, 0.6, U,
     U},
    // Oregon: shares come in the employer fields, the employer's part goes out in leave_share.
    {"OR 2026 60/40 of 10.00", 109, kOR, 3, 2026, 1000, 0, 0, 0.6, 0.4, 6.00, 4.00, 0.6, U, U},
    {"OR 2023 is not listed", 109, kOR, 3, 2023, 1000, 0, 0.3, 0.6, 0.4, 0.00, 0.3, 0.6, U, U},
    // Delaware: employees as given; below 10 nothing, 10-24 0.32 %, more 0.8 %.
    {"DE 2026 9 employees: nothing", 109, kDE, 3, 2026, 1000, 0, 50, 9, 0, 0.00, 50, 0.00, U, U},
    {"DE 9.99 employees are below 10: nothing", 109, kDE, 3, 2026, 1000, 0, 50, 9.99, 0, 0.00, 50, 0.00, U, U},
    {"DE exactly 10 employees: 0.32 %, employee 25 %", 109, kDE, 3, 2026, 1000, 0, 25, 10, 0, 0.80, 25, 2.40, U, U},
    {"DE 2026 24 employees: 0.32 % halved", 109, kDE, 3, 2026, 1000, 0, 50, 24, 0, 1.60, 50, 1.60, U, U},
    {"DE 2026 25 employees: 0.8 % halved", 109, kDE, 3, 2026, 1000, 0, 50, 25, 0, 4.00, 50, 4.00, U, U},
    {"DE 2025 exactly 25 employees: 0.8 %, employee 25 %", 109, kDE, 3, 2025, 1000, 0, 25, 25, 0, 2.00, 25, 6.00, U,
     U},
    {"DE 24.5 employees are more than 24 (no truncation)", 109, kDE, 3, 2026, 1000, 0, 50, 24.5, 0, 4.00, 50, 4.00, U,
     U},
    {"DE opted out (leave_share_2 1.0)", 109, kDE, 3, 2025, 1000, 0, 50, 50, 1.0, 0.00, 50, 0.00, U, U},
    {"DE 2024 is not listed: employees left in place", 109, kDE, 3, 2024, 1000, 0, 50, 50, 0, 0.00, 50, 50, U, U},
    // Maine: 0.5 % below 15 employees, 1 % from 15; no minimum.
    {"ME 14 employees, employee pays all of 0.5 %", 109, kME, 3, 2026, 1000, 0, 100, 14, 0, 5.00, 100, 0.00, U, U},
    {"ME 15 employees: 1 % halved", 109, kME, 3, 2026, 1000, 0, 50, 15, 0, 5.00, 50, 5.00, U, U},
    {"ME exactly 15 employees, employee pays all of 1 %", 109, kME, 3, 2025, 1000, 0, 100, 15, 0, 10.00, 100, 0.00,
     U, U},
    {"ME 14.99 employees, employee pays all of 0.5 %", 109, kME, 3, 2025, 1000, 0, 100, 14.99, 0, 5.00, 100, 0.00, U,
     U},
    {"ME 14.5 employees are fewer than 15", 109, kME, 3, 2025, 1000, 0, 50, 14.5, 0, 2.50, 50, 2.50, U, U},
    {"ME 2 employees still contribute", 109, kME, 3, 2025, 1000, 0, 50, 2, 0, 2.50, 50, 2.50, U, U},
    {"ME opted out", 109, kME, 3, 2026, 1000, 0, 50, 20, 1.0, 0.00, 50, 0.00, U, U},
    // Massachusetts (version above 108).
    {"MA 2026 30 employees: medical share 0.5 raised to 0.6", 109, kMA, 3, 2026, 1000, 0, 0.5, 30, 0.5, 0.90, 0.5,
     0.90, 2.80, 4.20},
    {"MA 2026 20 employees: small medical rate, employee pays all", 109, kMA, 3, 2026, 1000, 0, 0, 20, 0, 1.80, 0,
     0.00, 2.80, 0.00},
    {"MA 24.9 employees truncate to 24: small rate", 109, kMA, 3, 2026, 1000, 0, 0, 24.9, 0, 1.80, 0, 0.00, 2.80,
     0.00},
    {"MA exactly 25 employees: 0.7 % medical, employer at least 60 %", 109, kMA, 3, 2026, 1000, 0, 0, 25, 0, 1.80, 0,
     0.00, 2.80, 4.20},
    {"MA 24.99 employees truncate to 24: 0.28 % medical, employer share as given", 109, kMA, 3, 2026, 1000, 0, 0,
     24.99, 0, 1.80, 0, 0.00, 2.80, 0.00},
    {"MA 2025 exactly 25 employees, employer medical share 0.75 kept", 109, kMA, 3, 2025, 1000, 0, 0.5, 25, 0.75,
     0.90, 0.5, 0.90, 1.75, 5.25},
    {"MA 2026: employee medical is (1 - share) x medical, 0.2821 -> 0.28", 109, kMA, 3, 2026, 100.75, 0, 0.5, 30, 0.6,
     0.09, 0.5, 0.09, 0.28, 0.42},
    {"MA 2023: employee medical is the remainder, 0.53508 - 0.32 -> 0.22", 109, kMA, 3, 2023, 102.90, 0, 0.5, 30, 0.6,
     0.05, 0.5, 0.06, 0.22, 0.32},
    {"MA 2026: 500 left of 184,500", 109, kMA, 3, 2026, 1000, 184000, 0, 30, 1.0, 0.90, 0, 0.00, 0.00, 3.50},
    {"MA at version 108 is not computed", 108, kMA, 3, 2026, 1000, 0, 0.5, 30, 0.5, 0.00, 0.5, 30, U, U},
    // District of Columbia: employer only, all wages.
    {"DC 2024 June: 0.26 %", 109, kDC, 6, 2024, 1000, 0, 0, U, 0, 0.00, 0, 2.60, U, U},
    {"DC 2024 July: 0.75 %", 109, kDC, 7, 2024, 1000, 0, 0, U, 0, 0.00, 0, 7.50, U, U},
    {"DC 2026 no cap", 109, kDC, 1, 2026, 1000, 900000, 0, U, 0, 0.00, 0, 7.50, U, U},
    // Anything else.
    {"TX has no programme", 109, kTX, 3, 2026, 1000, 0, 0.5, 7, 0.5, 0.00, 0.5, 7, U, U},
};

TEST(FamilyLeave, Paychecks) {
    for (const Case& c : kCases) {
        FAMLEAVE_STRUC r{};
        r.struc_version = c.version;
        r.check_month = c.month;
        r.check_day = 15;
        r.check_year = c.year;
        r.state_code = c.state;
        r.leave_wages = c.wages;
        r.ytd_leave_wages = c.ytd;
        r.leave_employee_tax = 99.0;
        r.leave_share = c.share;
        r.leave_employer_tax = c.employer;
        r.leave_share_2 = c.share_2;
        r.medical_employee_tax = kUntouched;
        r.medical_employer_tax = kUntouched;
        EXPECT_EQ(FAMLEAVE_Calc(&r), 0) << c.why;
        EXPECT_NEAR(r.leave_employee_tax, c.employee_tax, 1e-9) << c.why;
        EXPECT_NEAR(r.leave_share, c.share_out, 1e-9) << c.why;
        EXPECT_NEAR(r.leave_employer_tax, c.employer_tax, 1e-9) << c.why;
        EXPECT_NEAR(r.medical_employee_tax, c.medical_employee, 1e-9) << c.why;
        EXPECT_NEAR(r.medical_employer_tax, c.medical_employer, 1e-9) << c.why;
    }
}

// New York's fixed ceilings give the published yearly maxima.
TEST(FamilyLeave, NewYorkPublishedMaxima) {
    const struct {
        int64_t year;
        double maximum;
    } maxima[] = {{2026, 411.91}, {2025, 354.53}, {2024, 333.25}};
    for (const auto& m : maxima) {
        FAMLEAVE_STRUC r{};
        r.check_month = 12;
        r.check_day = 31;
        r.check_year = m.year;
        r.state_code = kNY;
        r.leave_wages = 250000.0;
        FAMLEAVE_Calc(&r);
        EXPECT_NEAR(r.leave_employee_tax, m.maximum, 0.005) << m.year;
    }
}

// The number of employees is truncated through a checked conversion: values
// that are not finite or do not fit a 64-bit integer count as no employees
// (the small-employer rates), never an undefined conversion.
TEST(FamilyLeave, MassachusettsEmployeeCountsThatDoNotConvert) {
    const double odd[] = {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                          -std::numeric_limits<double>::infinity(), 1e300, -1e300, 9.3e18};
    for (double employees : odd) {
        FAMLEAVE_STRUC r{};
        r.struc_version = 109;
        r.check_month = 3;
        r.check_day = 15;
        r.check_year = 2026;
        r.state_code = kMA;
        r.leave_wages = 1000.0;
        r.leave_employer_tax = employees;
        FAMLEAVE_Calc(&r);
        // Small employer: medical 0.28 % of 1000, all the employee's.
        EXPECT_DOUBLE_EQ(r.medical_employee_tax, 2.80) << employees;
        EXPECT_DOUBLE_EQ(r.medical_employer_tax, 0.00) << employees;
        EXPECT_DOUBLE_EQ(r.leave_employee_tax, 1.80) << employees;
    }
}

// A contribution that is not finite fails the call and is stored as 0, even
// when the caller's record already held the same value in that field (a
// record filled with one NaN pattern); fields the state does not write keep
// the caller's value.
TEST(FamilyLeave, ContributionsThatAreNotFiniteInARecordFilledWithThem) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        int64_t state;
        bool employer_tax_written;
    } states[] = {{kCO, true}, {kDC, true}, {kMA, true}, {kWA, true}, {kOR, false}};
    for (const auto& s : states) {
        FAMLEAVE_STRUC r{};
        r.struc_version = 109;
        r.check_month = 7;
        r.check_day = 1;
        r.check_year = 2026;
        r.state_code = s.state;
        r.leave_wages = nan;
        r.leave_employee_tax = r.leave_share = r.leave_employer_tax = r.leave_share_2 = nan;
        r.medical_employee_tax = r.medical_employer_tax = nan;
        EXPECT_EQ(FAMLEAVE_Calc(&r), 1) << s.state;
        EXPECT_EQ(r.leave_employee_tax, 0.0) << s.state;
        if (s.employer_tax_written) {
            EXPECT_EQ(r.leave_employer_tax, 0.0) << s.state;
        } else {
            // Oregon: the employee's share is an input.
            EXPECT_TRUE(std::isnan(r.leave_employer_tax)) << s.state;
        }
    }
}

}  // namespace
