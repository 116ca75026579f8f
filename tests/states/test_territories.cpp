// Guam and the Virgin Islands: the territory withholds the federal income tax
// in place of the federal government.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/txl5.h"
#include "tests/support/exports.h"
#include "tests/support/paycheck.h"

namespace {

constexpr int64_t kGuam = 14;
constexpr int64_t kVirginIslands = 54;

// A weekly single employee with one pre-2020 allowance, as in the federal
// worked example: 1000.00 of wages.
struct TerritoryPaycheck : txl5_test::PaycheckRecords {
    TerritoryPaycheck(int64_t code, int64_t year, double wages = 1000.0) : PaycheckRecords(code, year, 52, wages) {
        fed.allowances = 1;
    }
};

struct Case {
    std::string why;
    int64_t year;
    double extra_federal;
    double extra_state;
    double bonus;  // flat-rate federal supplemental wages
    double state_tax;
    double state_supplemental_tax;
};

const Case kCases[] = {
    {"2026: 52 x 1000 - 4300 = 47,700; (1240 + 12 % x 27,800) / 52 = 88.00 (federal worked example)", 2026, 0, 0, 0,
     88.00, 0},
    {"2025: 47,700 on the 2025 schedule: (1192.50 + 12 % x 29,375) / 52 = 90.72", 2025, 0, 0, 0, 90.72, 0},
    {"2024: 47,700 on the 2024 schedule: (1160 + 12 % x 30,100) / 52 = 91.77", 2024, 0, 0, 0, 91.77, 0},
    {"the extra federal withholding is counted once, then the extra state: 88 + 10 + 5", 2026, 10, 5, 0, 103.00, 0},
    {"a 1000 bonus at the federal flat 22 % becomes the territory's", 2026, 0, 0, 1000.0, 88.00, 220.00},
    {"a check after the newest federal rows is taxed on the 2026 rows", 2027, 0, 0, 0, 88.00, 0},
};

TEST(GuamVirginIslands, TheFederalIncomeTaxIsWithheldForTheTerritory) {
    for (int64_t code : {kGuam, kVirginIslands}) {
        for (const Case& c : kCases) {
            TerritoryPaycheck p(code, c.year);
            p.fed.additional_fed_wh = c.extra_federal;
            p.state.additional_state_wh = c.extra_state;
            p.fed.supplemental_wages = c.bonus;
            p.state.state_table_year = 1999;
            const std::string why = c.why + " (state " + std::to_string(code) + ")";
            EXPECT_EQ(TXL5_Calc(1, &p.fed, &p.state), 0) << why;
            EXPECT_EQ(p.state.state_error, 0) << why;
            EXPECT_DOUBLE_EQ(p.state.state_tax, c.state_tax) << why;
            EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, c.state_supplemental_tax) << why;
            EXPECT_DOUBLE_EQ(p.fed.fed_tax, 0.0) << why;
            EXPECT_DOUBLE_EQ(p.fed.supplemental_fed_tax, 0.0) << why;
            EXPECT_EQ(p.fed.fed_status, 0) << why;
            EXPECT_EQ(p.fed.check_year, c.year) << why;
            EXPECT_EQ(p.state.state_table_year, 1999) << why << ": the table-date fields are not written";
        }
    }
}

TEST(GuamVirginIslands, SocialSecurityAndMedicareStayFederal) {
    TerritoryPaycheck p(kGuam, 2026);
    EXPECT_EQ(TXL5_Calc(1, &p.fed, &p.state), 0);
    EXPECT_DOUBLE_EQ(p.fed.fica_tax, 62.00);      // 6.2 % of 1000
    EXPECT_DOUBLE_EQ(p.fed.medicare_tax, 14.50);  // 1.45 % of 1000
}

// A failed recomputation is the territory's failure, and the federal record
// is left as it was found, so the driver's retry can use the previous year.
TEST(GuamVirginIslands, AFailedFederalRecomputationFailsTheTerritory) {
    for (int64_t code : {kGuam, kVirginIslands}) {
        TerritoryPaycheck p(code, 2027);
        p.fed.fed_tax = 88.0;  // as the driver's federal part left it (2026 rows)
        p.fed.fed_status = 0;
        p.fed.additional_fed_wh = 10.0;
        p.state.state_tax = 0.0;
        const int64_t result = code == kGuam ? state_guam(&p.fed, &p.state)
                                             : state_virginislands(1, &p.fed, &p.state);
        EXPECT_EQ(result, 1) << code;
        EXPECT_EQ(p.state.state_error, 1) << code;
        EXPECT_EQ(p.fed.fed_status, 0) << code;
        EXPECT_DOUBLE_EQ(p.fed.fed_tax, 88.0) << code << ": not 88 + 10, nor the extra withholding alone";
        EXPECT_DOUBLE_EQ(p.state.state_tax, 0.0) << code;
    }
    // Before the oldest federal rows every year fails, and the driver says so.
    TerritoryPaycheck old(kGuam, 2023);
    EXPECT_EQ(TXL5_Calc(1, &old.fed, &old.state) & 8, 8);
    EXPECT_EQ(old.state.state_error, 1);
    EXPECT_DOUBLE_EQ(old.state.state_tax, 0.0);
}

// The supplemental fields move only where each record's layout has them.
TEST(GuamVirginIslands, SupplementalTaxFollowsTheLayouts) {
    TerritoryPaycheck old_state(kGuam, 2026);
    old_state.state.struc_version = 144;
    old_state.fed.supplemental_wages = 1000.0;
    old_state.state.state_supplemental_tax = 7.77;
    EXPECT_EQ(TXL5_Calc(1, &old_state.fed, &old_state.state), 0);
    EXPECT_DOUBLE_EQ(old_state.fed.supplemental_fed_tax, 220.00) << "kept where the caller can see it";
    EXPECT_DOUBLE_EQ(old_state.state.state_supplemental_tax, 7.77);

    TerritoryPaycheck old_federal(kVirginIslands, 2026);
    old_federal.fed.struc_version = 128;
    old_federal.fed.supplemental_fed_tax = std::nan("");  // not a field of this layout
    EXPECT_EQ(TXL5_Calc(1, &old_federal.fed, &old_federal.state), 0);
    EXPECT_DOUBLE_EQ(old_federal.state.state_supplemental_tax, 0.0);
    EXPECT_DOUBLE_EQ(old_federal.state.state_tax, 88.00);
}

TEST(GuamVirginIslands, NullRecordsFail) {
    FEDERAL_WITHHOLDING_STRUC fed{};
    STATE_WITHHOLDING_STRUC state{};
    EXPECT_NE(state_guam(nullptr, &state), 0);
    EXPECT_NE(state_guam(&fed, nullptr), 0);
    EXPECT_NE(state_virginislands(1, nullptr, &state), 0);
    EXPECT_NE(state_virginislands(1, &fed, nullptr), 0);
}

TEST(GuamVirginIslands, Exports) {
    txl5_test::expect_typed_functions({"state_guam", "state_virginislands"});
}

}  // namespace
