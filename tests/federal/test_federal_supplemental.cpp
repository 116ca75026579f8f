#include <gtest/gtest.h>

#include <string>

#include "core/txl5.h"
#include "tests/federal/federal_test_support.h"

namespace {

using txl5_test::federal_record;

struct Case {
    std::string why;
    int64_t year;
    double bonus;
    double ytd_bonus;
    int64_t aggregate;
    int64_t result;
    double supplemental_tax;
};

// Regular paycheck: weekly single, 1 allowance, 1000.00 (fed_tax 88.00).
const Case kCases[] = {
    {"flat 22 %", 2026, 5000.0, 0.0, 0, 0, 1100.00},
    {"2025 flat 22 %", 2025, 1000.0, 0.0, 0, 0, 220.00},
    {"2024 flat 22 %", 2024, 1000.0, 0.0, 0, 0, 220.00},
    {"year to date exactly 1,000,000: still 22 %", 2026, 5000.0, 1000000.0, 0, 0, 1100.00},
    {"above 1,000,000 the whole payment at 37 %", 2026, 5000.0, 1000000.01, 0, 0, 1850.00},
    {"aggregate: (5800 + 0.22 x 15800) / 52 - 88.00 on 1500.00 a week", 2026, 500.0, 0.0, 1, 0, 90.38},
    {"no bonus takes the aggregate path and owes nothing", 2026, 0.0, 0.0, 0, 0, 0.00},
    {"no flat rate before 2023: the earlier value stays", 2022, 5000.0, 0.0, 0, 64, 7.0},
};

TEST(FederalSupplemental, Bonuses) {
    for (const auto& c : kCases) {
        FEDERAL_WITHHOLDING_STRUC fed = federal_record(6, 15, c.year);
        fed.allowances = 1;
        fed.gross_wages = fed.fica_wages = 1000.0;
        fed.supplemental_wages = c.bonus;
        fed.ytd_supplemental_wages = c.ytd_bonus;
        fed.supp_aggregate = c.aggregate;
        fed.additional_fed_wh = 20.0;  // enters both aggregate computations and cancels
        fed.supplemental_fed_tax = 7.0;
        TXL5_Federal_Calc(1, &fed);
        const double regular_tax = fed.fed_tax;
        EXPECT_EQ(TXL5_Federal_Supplemental(1, &fed), c.result) << c.why;
        EXPECT_DOUBLE_EQ(fed.supplemental_fed_tax, c.supplemental_tax) << c.why;
        EXPECT_EQ(fed.fed_tax, regular_tax) << c.why << ": the regular tax is unchanged";
        EXPECT_EQ(fed.gross_wages, 1000.0) << c.why;
    }
}

TEST(FederalSupplemental, OldLayoutsAndExemptEmployees) {
    FEDERAL_WITHHOLDING_STRUC fed = federal_record(6, 15, 2026);
    fed.struc_version = 128;
    fed.supplemental_wages = 5000.0;
    fed.supplemental_fed_tax = 12.34;
    EXPECT_EQ(TXL5_Federal_Supplemental(1, &fed), 0);
    EXPECT_EQ(fed.supplemental_fed_tax, 12.34);

    fed.struc_version = 161;
    fed.fed_exempt = 1;
    fed.fed_tax = 50.0;
    EXPECT_EQ(TXL5_Federal_Supplemental(1, &fed), 0);
    EXPECT_EQ(fed.supplemental_fed_tax, 0.0);
    EXPECT_EQ(fed.fed_tax, 0.0);
}

}  // namespace
