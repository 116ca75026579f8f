#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/txl5.h"

namespace {

struct Case {
    std::string why;
    int64_t version;
    int64_t state;
    MDATE date;
    int64_t pay_periods;
    double wages;
    double ytd;
    double sdi_rate;
    double employer_rate;
    int64_t error;
    double sdi_tax;
    double employer_tax;
};

constexpr int64_t kCA = 6, kHI = 15, kNJ = 35, kNY = 37, kPR = 46, kRI = 47, kTX = 51;

const Case kCases[] = {
    // California: no wage base, so year-to-date wages do not matter.
    {"CA 2026 1.3 % of 1000", 71, kCA, {2, 13, 2026}, 52, 1000, 0, 0, 0, 0, 13.00, -1},
    {"CA 2026 far past any base: still 13.00", 71, kCA, {11, 30, 2026}, 52, 1000, 500000, 0, 0, 0, 13.00, -1},
    {"CA 2025 third quarter, 1.2 %", 71, kCA, {8, 15, 2025}, 52, 1000, 0, 0, 0, 0, 12.00, -1},
    {"CA 2024 first quarter, 1.1 %", 71, kCA, {3, 31, 2024}, 52, 1000, 0, 0, 0, 0, 11.00, -1},
    {"CA has no employer row: error 1 at version 72 though the tax is computed", 72, kCA, {2, 13, 2026}, 52, 1000,
     0, 0, 0.01, 1, 13.00, 0.00},
    // Rhode Island: 1.3 % up to 100,000 in 2026.
    {"RI 2026: 500 left under the base, 6.50", 71, kRI, {6, 1, 2026}, 52, 1000, 99500, 0, 0, 0, 6.50, -1},
    {"RI 2026: base used up", 71, kRI, {6, 1, 2026}, 52, 1000, 100000, 0, 0, 0, 0.00, -1},
    {"RI 2026: year-to-date past the base gives 0, not a negative tax", 71, kRI, {6, 1, 2026}, 52, 1000, 120000, 0,
     0, 0, 0.00, -1},
    // New York: 0.5 %, at most 0.60 a week (31.20 a year) from version 73.
    {"NY weekly 200: 1.00 capped at 31.2 / 52", 73, kNY, {5, 1, 2026}, 52, 200, 0, 0, 0, 1, 0.60, 0.00},
    {"NY at version 72 has no per-period cap", 72, kNY, {5, 1, 2026}, 52, 200, 0, 0, 0, 1, 1.00, 0.00},
    {"NY biweekly: cap 1.20", 73, kNY, {5, 1, 2026}, 26, 1000, 0, 0, 0, 1, 1.20, 0.00},
    {"NY no pay periods: cap is the yearly 31.20", 73, kNY, {5, 1, 2026}, 0, 10000, 0, 0, 0, 1, 31.20, 0.00},
    {"NY negative pay periods: cap is the yearly 31.20", 73, kNY, {5, 1, 2026}, -4, 10000, 0, 0, 0, 1, 31.20, 0.00},
    // New Jersey: employee 0.19 % of 171,100; employer own rate on 44,800.
    {"NJ employer 0.012 on the 800 left of 44,800: 9.60", 72, kNJ, {4, 1, 2026}, 26, 1000, 44000, 0, 0.012, 0, 1.90,
     9.60},
    {"NJ employer base used up", 72, kNJ, {4, 1, 2026}, 26, 1000, 45000, 0, 0.012, 0, 1.90, 0.00},
    {"NJ employee rate override 0.5 % from version 72", 72, kNJ, {4, 1, 2026}, 26, 1000, 0, 0.005, 0, 0, 5.00, 0.00},
    {"NJ override ignored at version 71", 71, kNJ, {4, 1, 2026}, 26, 1000, 0, 0.005, 0, 0, 1.90, -1},
    // Only a positive rate replaces the table's.
    {"NJ negative rate given: table 0.19 % applies", 72, kNJ, {4, 1, 2026}, 26, 1000, 0, -0.005, 0, 0, 1.90, 0.00},
    {"NJ zero rate given: table 0.19 % applies", 72, kNJ, {4, 1, 2026}, 26, 1000, 0, 0.0, 0, 0, 1.90, 0.00},
    {"CA negative rate given: table 1.3 % applies", 73, kCA, {2, 13, 2026}, 52, 1000, 0, -0.013, 0, 1, 13.00, 0.00},
    {"NY negative rate given: table 0.5 % of 100, under the 0.60 cap", 73, kNY, {5, 1, 2026}, 52, 100, 0, -1.0, 0, 1,
     0.50, 0.00},
    {"RI smallest positive rate replaces the table's: 0.01 % of 1000", 72, kRI, {6, 1, 2026}, 52, 1000, 0, 0.0001, 0,
     1, 0.10, 0.00},
    // Hawaii: 0.5 % of wages up to the maximum weekly wage, brought to the period.
    {"HI 2026 weekly maximum deduction 7.50 (DLIR 2026)", 73, kHI, {3, 6, 2026}, 52, 2000, 0, 0, 0, 1, 7.50, 0.00},
    {"HI 2025 weekly maximum deduction 7.21 (DLIR 2025)", 73, kHI, {3, 6, 2025}, 52, 2000, 0, 0, 0, 1, 7.21, 0.00},
    {"HI biweekly: 52 x 1500.21 / 26 = 3000.42 counted, 15.00", 73, kHI, {3, 6, 2026}, 26, 5000, 0, 0, 0, 1, 15.00,
     0.00},
    {"HI no year-to-date cap above version 72", 73, kHI, {3, 6, 2026}, 52, 1000, 100000, 0, 0, 1, 5.00, 0.00},
    {"HI no pay periods: 52 x 1500.21 = 78010.92 counted, 390.05", 73, kHI, {3, 6, 2026}, 0, 100000, 0, 0, 0, 1,
     390.05, 0.00},
    {"HI negative pay periods: as none", 73, kHI, {3, 6, 2026}, -1, 100000, 0, 0, 0, 1, 390.05, 0.00},
    {"HI below version 73: the weekly wage acts as a year-to-date base", 71, kHI, {3, 6, 2026}, 52, 1000, 1500, 0, 0,
     0, 0.00, -1},
    // Hawaii's per-period rule starts above version 72: at 72 exactly the
    // weekly wage still caps the year's wages (and the missing employer row
    // already reports error 1).
    {"HI version 72: 500.21 left of 1500.21 year to date, 2.50105 -> 2.50", 72, kHI, {3, 6, 2026}, 52, 1000, 1000, 0,
     0, 1, 2.50, 0.00},
    {"HI version 73, same paycheck: no year-to-date cap, 5.00", 73, kHI, {3, 6, 2026}, 52, 1000, 1000, 0, 0, 1, 5.00,
     0.00},
    {"HI version 72 biweekly 2500: capped at 1500.21, 7.50", 72, kHI, {3, 6, 2026}, 26, 2500, 0, 0, 0, 1, 7.50, 0.00},
    {"HI version 73 biweekly 2500: under 2 x 1500.21, 12.50", 73, kHI, {3, 6, 2026}, 26, 2500, 0, 0, 0, 1, 12.50,
     0.00},
    {"HI version 72 year-to-date at the weekly wage: 0", 72, kHI, {3, 6, 2026}, 52, 1000, 1500.21, 0, 0, 1, 0.00,
     0.00},
    // Puerto Rico: 0.6 % of the first 9,000 in 2026, no base in 2025.
    {"PR 2026: 500 left of 9,000", 71, kPR, {7, 1, 2026}, 52, 1000, 8500, 0, 0, 0, 3.00, -1},
    {"PR 2025: no base", 71, kPR, {7, 1, 2025}, 52, 1000, 8500, 0, 0, 0, 6.00, -1},
    // Missing rows.
    {"Texas has no row: error 1 and both taxes 0", 72, kTX, {7, 1, 2026}, 52, 1000, 0, 0, 0.01, 1, 0.00, 0.00},
    {"before the oldest rows: error 1", 71, kCA, {12, 31, 2023}, 52, 1000, 0, 0, 0, 1, 0.00, -1},
};

TEST(StateDisability, Paychecks) {
    for (const Case& c : kCases) {
        SDI_STRUC sdi{};
        sdi.struc_version = c.version;
        sdi.sdi_error = 7;
        sdi.check_month = c.date.month;
        sdi.check_day = c.date.day;
        sdi.check_year = c.date.year;
        sdi.state_code = c.state;
        sdi.pay_periods = c.pay_periods;
        sdi.sdi_wages = c.wages;
        sdi.ytd_sdi_wages = c.ytd;
        sdi.sdi_rate = c.sdi_rate;
        sdi.employer_sdi_rate = c.employer_rate;
        sdi.sdi_tax = 99.0;
        sdi.employer_sdi_tax = -1.0;  // left alone below version 72
        EXPECT_EQ(SDI_Calc(&sdi), 0) << c.why;
        EXPECT_EQ(sdi.sdi_error, c.error) << c.why;
        EXPECT_DOUBLE_EQ(sdi.sdi_tax, c.sdi_tax) << c.why;
        EXPECT_DOUBLE_EQ(sdi.employer_sdi_tax, c.employer_tax) << c.why;
        EXPECT_TRUE(std::isfinite(sdi.sdi_tax)) << c.why;
    }
}

// Paychecks crossing each year's published wage base: the year-to-date wages
// stop 400 short of the base, so 400 of the 1,000 paid are taxed.
struct BaseCase {
    std::string why;
    int64_t state;
    int64_t year;
    double base;
    double employer_rate;  // 0: check the employee contribution
    double expected;       // hand arithmetic: 400 x rate
};

const BaseCase kPublishedBases[] = {
    {"RI 2026 DLT: 100,000; 400 x 1.3 %", kRI, 2026, 100000, 0, 5.20},
    {"RI 2025 DLT: 89,200; 400 x 1.3 %", kRI, 2025, 89200, 0, 5.20},
    {"RI 2024 DLT: 87,000; 400 x 1.2 %", kRI, 2024, 87000, 0, 4.80},
    {"NJ 2026 DLWD: 171,100; 400 x 0.19 %", kNJ, 2026, 171100, 0, 0.76},
    {"NJ 2025 DLWD: 165,400; 400 x 0.23 %", kNJ, 2025, 165400, 0, 0.92},
    {"NJ 2024 DLWD: 161,400; 400 x 0.47 %", kNJ, 2024, 161400, 0, 1.88},
    {"NJ employer 2026 DLWD: 44,800; 400 x 0.5 %", kNJ, 2026, 44800, 0.005, 2.00},
    {"NJ employer 2025 DLWD: 43,300; 400 x 0.5 %", kNJ, 2025, 43300, 0.005, 2.00},
    {"NJ employer 2024 DLWD: 42,300; 400 x 0.5 %", kNJ, 2024, 42300, 0.005, 2.00},
    {"PR 2026 SINOT: 9,000; 400 x 0.6 %", kPR, 2026, 9000, 0, 2.40},
};

TEST(StateDisability, PublishedWageBases) {
    for (const BaseCase& c : kPublishedBases) {
        SDI_STRUC sdi{};
        sdi.struc_version = 72;
        sdi.check_month = 10;
        sdi.check_day = 15;
        sdi.check_year = c.year;
        sdi.state_code = c.state;
        sdi.pay_periods = 52;
        sdi.sdi_wages = 1000.0;
        sdi.ytd_sdi_wages = c.base - 400.0;
        sdi.employer_sdi_rate = c.employer_rate;
        SDI_Calc(&sdi);
        EXPECT_DOUBLE_EQ(c.employer_rate > 0.0 ? sdi.employer_sdi_tax : sdi.sdi_tax, c.expected) << c.why;
    }
}

// Published yearly maxima: the rate times the whole base.
TEST(StateDisability, PublishedYearlyMaxima) {
    struct Max {
        std::string why;
        int64_t state;
        int64_t year;
        double maximum;
    };
    const Max maxima[] = {
        {"RI 2024 maximum 1,044 (DLT)", kRI, 2024, 1044.00},
        {"RI 2025 maximum 1,159.60 (DLT)", kRI, 2025, 1159.60},
        {"NJ 2025 maximum 380.42 (DLWD)", kNJ, 2025, 380.42},
        {"PR 2026 maximum 54.00 (SINOT, 0.6 % of 9,000)", kPR, 2026, 54.00},
    };
    for (const Max& m : maxima) {
        SDI_STRUC sdi{};
        sdi.struc_version = 71;
        sdi.check_month = 12;
        sdi.check_day = 31;
        sdi.check_year = m.year;
        sdi.state_code = m.state;
        sdi.sdi_wages = 250000.0;
        SDI_Calc(&sdi);
        EXPECT_DOUBLE_EQ(sdi.sdi_tax, m.maximum) << m.why;
    }
}

}  // namespace
