#include <gtest/gtest.h>

#include <string>

#include "core/txl5.h"
#include "tests/federal/federal_test_support.h"

namespace {

using txl5_test::federal_record;

struct Case {
    std::string why;
    int64_t year;
    int64_t version;
    int64_t call_type;
    double wages;
    double supplemental;
    double ytd_fica;
    double ytd_medicare;
    double fica_tax;
    double medicare_tax;
};

const Case kCases[] = {
    {"ytd 4500 below the 2026 base: 4500 taxed at 6.2 %", 2026, 165, 1, 10000, 0, 180000, 0, 279.00, 145.00},
    {"ytd already above the base: nothing taxed", 2026, 165, 1, 10000, 0, 190000, 0, 0.00, 145.00},
    {"total exactly at the base: all wages taxed", 2026, 165, 1, 10000, 0, 174500, 0, 620.00, 145.00},
    {"2025 base 176100: 1100 left", 2025, 165, 1, 5000, 0, 175000, 0, 68.20, 72.50},
    {"2024 base 168600: 600 left", 2024, 165, 1, 1000, 0, 168000, 0, 37.20, 14.50},
    {"supplemental wages count from version 129: base reached at 4500", 2026, 129, 1, 1000, 5000, 180000, 0, 279.00,
     87.00},
    {"version 128 ignores supplemental wages", 2026, 128, 1, 1000, 5000, 180000, 0, 62.00, 14.50},
    {"additional Medicare: 5000 at 1.45 % and 5000 at 2.35 %", 2026, 165, 1, 10000, 0, 0, 195000, 620.00, 190.00},
    {"employer share: no additional Medicare tax", 2026, 165, 2, 10000, 0, 0, 195000, 620.00, 145.00},
    {"ytd Medicare already above 200000: all at 2.35 %", 2026, 165, 1, 1000, 0, 0, 250000, 62.00, 23.50},
    {"negative wages are taxed as 0", 2026, 165, 1, -500, 0, 0, 0, 0.00, 0.00},
};

TEST(SocialSecurityMedicare, Paychecks) {
    for (const auto& c : kCases) {
        FEDERAL_WITHHOLDING_STRUC fed = federal_record(6, 15, c.year);
        fed.struc_version = c.version;
        fed.gross_wages = fed.fica_wages = c.wages;
        fed.supplemental_wages = c.supplemental;
        fed.ytd_fica_wages = c.ytd_fica;
        fed.ytd_medicare_wages = c.ytd_medicare;
        EXPECT_EQ(TXL5_Federal_Calc(c.call_type, &fed), 0) << c.why;
        EXPECT_DOUBLE_EQ(fed.fica_tax, c.fica_tax) << c.why;
        EXPECT_DOUBLE_EQ(fed.medicare_tax, c.medicare_tax) << c.why;
    }
}

TEST(SocialSecurityMedicare, ExemptFlagsLeaveTheTaxesAlone) {
    FEDERAL_WITHHOLDING_STRUC fed = federal_record(6, 15, 2026);
    fed.gross_wages = fed.fica_wages = 1000.0;
    fed.fica_exempt = 2;  // any nonzero value
    fed.medicare_exempt = 1;
    fed.fica_tax = 3.0;
    fed.medicare_tax = 4.0;
    EXPECT_EQ(TXL5_Federal_Calc(1, &fed), 0);
    EXPECT_EQ(fed.fica_tax, 3.0);
    EXPECT_EQ(fed.medicare_tax, 4.0);
}

TEST(SocialSecurityMedicare, MissingRowsFailAndLeaveTheTaxes) {
    FEDERAL_WITHHOLDING_STRUC fed = federal_record(6, 15, 2023);
    fed.gross_wages = fed.fica_wages = 1000.0;
    fed.fica_tax = 3.0;
    fed.medicare_tax = 4.0;
    EXPECT_EQ(TXL5_Federal_Calc(1, &fed), 1);
    EXPECT_EQ(fed.fica_tax, 3.0);
    EXPECT_EQ(fed.medicare_tax, 4.0);
}

TEST(SocialSecurityMedicare, WageBaseQuery) {
    EXPECT_EQ(TXL5_Get_FICA_Wagebase(MDATE{7, 4, 2025}), 176100.0);
    EXPECT_EQ(TXL5_Get_FICA_Wagebase(MDATE{12, 31, 2026}), 184500.0);
    EXPECT_EQ(TXL5_Get_FICA_Wagebase(MDATE{1, 1, 2024}), 168600.0);
    EXPECT_EQ(TXL5_Get_FICA_Wagebase(MDATE{7, 4, 2023}), -1.0);
    EXPECT_EQ(TXL5_Get_FICA_Wagebase(MDATE{1, 1, 2027}), -1.0);
}

}  // namespace
