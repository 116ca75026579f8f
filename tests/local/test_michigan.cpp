#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "local/michigan.h"
#include "tests/local/locality_paycheck.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::LocalityPaycheck;

constexpr int64_t kMichigan = 27;
constexpr int64_t kDetroit = 4;
constexpr int64_t kGrandRapids = 6;

struct CityCase {
    std::string why;  // the hand arithmetic
    int64_t year;
    int64_t pay_periods;
    double wages;
    int64_t allowances;
    int64_t work_city;
    int64_t residence_city;
    int64_t resident;
    int64_t filing_status;
    double local_tax;  // after the entry point's rounding to cents
    double second_local_tax;  // not rounded
};

const CityCase kCases[] = {
    {"Detroit resident: 1000 - 2 x 600 / 52 = 976.92; 2.4 % = 23.446", 2026, 52, 1000.0, 2, kDetroit, kDetroit, 1, 0,
     23.45, 0.0},
    {"Detroit nonresident living in Grand Rapids: 1.2 % x 976.92 = 11.723; Grand Rapids 1000 - 2 x 750 / 52 = "
     "971.15: the larger of 1.5 % x 971.15 - 11.723 = 2.844 and 0.75 % x 971.15 = 7.2837",
     2026, 52, 1000.0, 2, kDetroit, kGrandRapids, 0, 0, 11.72, 7.283654},
    {"Detroit nonresident living where no city taxes: 11.72, nothing for the residence", 2026, 52, 1000.0, 2, kDetroit,
     0, 0, 0, 11.72, 0.0},
    {"Detroit nonresident living in an unknown city: as no city", 2026, 52, 1000.0, 2, kDetroit, 77, 0, 0, 11.72,
     0.0},
    {"Flint nonresident living in Detroit: 0.5 % x 988.46 = 4.942; 2.4 % x 988.46 - 4.942 = 18.781 over 1.2 %",
     2026, 52, 1000.0, 1, 5, kDetroit, 0, 0, 4.94, 18.780769},
    {"Highland Park resident, biweekly: 2000 - 600 / 26 = 1976.92 x 2 % = 39.538", 2026, 26, 2000.0, 1, 9, 0, 1, 0,
     39.54, 0.0},
    {"Hudson nonresident, monthly: 4000 - 2 x 1000 / 12 = 3833.33 x 0.5 % = 19.167", 2026, 12, 4000.0, 2, 10, 0, 0,
     0, 19.17, 0.0},
    {"Muskegon Heights resident, married: exemption doubled, 1000 - 1200 / 52 = 976.92 x 1 % = 9.769", 2026, 52,
     1000.0, 1, 16, 0, 1, 1, 9.77, 0.0},
    {"Muskegon Heights resident, single: 1000 - 600 / 52 = 988.46 x 1 % = 9.885", 2026, 52, 1000.0, 1, 16, 0, 1, 0,
     9.88, 0.0},
    {"Benton Harbor resident, 750 exemption: 1000 - 750 / 52 = 985.58 x 1 % = 9.856", 2026, 52, 1000.0, 1, 24, 0, 1,
     0, 9.86, 0.0},
    {"2025 Saginaw resident: 1000 - 750 / 52 = 985.58 x 1.5 % = 14.784", 2025, 52, 1000.0, 1, 20, 0, 1, 0, 14.78,
     0.0},
    {"2024 Lansing nonresident: 1000 - 600 / 52 = 988.46 x 0.5 % = 4.942", 2024, 52, 1000.0, 1, 13, 0, 0, 0, 4.94,
     0.0},
    {"2024 Detroit resident, allowances above the wages: nothing taxable", 2024, 52, 10.0, 2, kDetroit, 0, 1, 0, 0.0,
     0.0},
};

TEST(MichiganLocal, CityTaxes) {
    for (const CityCase& c : kCases) {
        LocalityPaycheck p(kMichigan, c.year, c.pay_periods, c.wages);
        p.local.local_allowances = c.allowances;
        p.local.locality_code = c.work_city;
        p.local.residence_locality_code = c.residence_city;
        p.local.local_resident = c.resident;
        p.local.local_filing_status = c.filing_status;
        p.local.second_local_tax = 5.55;
        EXPECT_EQ(TXL5_Calc_Local(1, &p.fed, &p.state, &p.local), 0) << c.why;
        EXPECT_DOUBLE_EQ(p.local.local_tax, c.local_tax) << c.why;
        EXPECT_NEAR(p.local.second_local_tax, c.second_local_tax, 1e-6) << c.why;
        EXPECT_EQ(p.fed.aux_result, 240) << c.why;
    }
}

TEST(MichiganLocal, EveryEntryPoint) {
    for (auto entry : {TXL5_Calc_County, TXL5_Calc_Local, TXL5_Calc_Local_TEST}) {
        LocalityPaycheck p(kMichigan, 2026, 52, 1000.0);
        p.state.state_allowances = 2;
        p.local.local_allowances = 2;
        p.local.locality_code = kDetroit;
        p.local.local_resident = 1;
        EXPECT_EQ(entry(1, &p.fed, &p.state, &p.local), 0);
        EXPECT_DOUBLE_EQ(p.local.local_tax, 23.45);
        EXPECT_DOUBLE_EQ(p.state.state_tax, 32.86);  // the state tax of the same paycheck
    }
}

TEST(MichiganLocal, NoCityAndUnknownCities) {
    // No work city: every rate 0, only the extra withholding.
    LocalityPaycheck none(kMichigan, 2026, 52, 1000.0);
    none.local.additional_local_wh = 2.5;
    EXPECT_EQ(TXL5_Calc_Local(1, &none.fed, &none.state, &none.local), 0);
    EXPECT_DOUBLE_EQ(none.local.local_tax, 2.50);
    // Code 25 is no city: bit 16, no tax, the extra withholding not added.
    LocalityPaycheck unknown(kMichigan, 2026, 52, 1000.0);
    unknown.local.locality_code = 25;
    unknown.local.additional_local_wh = 2.5;
    unknown.local.local_tax = 9.99;
    unknown.local.second_local_tax = 9.99;
    EXPECT_EQ(TXL5_Calc_Local(1, &unknown.fed, &unknown.state, &unknown.local), 16);
    EXPECT_DOUBLE_EQ(unknown.local.local_tax, 0.0);
    EXPECT_DOUBLE_EQ(unknown.local.second_local_tax, 0.0);
    EXPECT_NE(unknown.fed.aux_result, 240);
    // Detroit has no rows for 2023.
    LocalityPaycheck old(kMichigan, 2023, 52, 1000.0);
    old.local.locality_code = kDetroit;
    EXPECT_EQ(city_mi(&old.fed, &old.state, &old.local), 16);
}

struct VersionCase {
    std::string why;
    int64_t version;
    double bonus;
    double bonus_tax;         // the preset 7.77 where none is written
    double second_bonus_tax;  // the preset 7.77 where none is written
};

// Detroit nonresident living in Grand Rapids, bonus 1000: Detroit 1.2 % =
// 12.00; Grand Rapids the larger of 1.5 % - 12.00 = 3.00 and 0.75 % = 7.50.
const VersionCase kVersions[] = {
    {"layout 132: no supplemental field is read or written", 132, 1000.0, 7.77, 7.77},
    {"layout 133: the work city's bonus tax", 133, 1000.0, 12.00, 7.77},
    {"layout 200: the work city's bonus tax, not the residence city's", 200, 1000.0, 12.00, 7.77},
    {"layout 224: still not the residence city's", 224, 1000.0, 12.00, 7.77},
    {"layout 225: both", 225, 1000.0, 12.00, 7.50},
    {"negative bonus: floored at 0", 225, -1000.0, 0.0, 0.0},
};

TEST(MichiganLocal, SupplementalByLayout) {
    for (const VersionCase& c : kVersions) {
        LocalityPaycheck p(kMichigan, 2026, 52, 1000.0);
        p.local.struc_version = c.version;
        p.local.local_allowances = 2;
        p.local.locality_code = kDetroit;
        p.local.residence_locality_code = kGrandRapids;
        p.local.local_supplemental_wages = c.bonus;
        p.local.local_supplemental_tax = 7.77;
        p.local.second_local_supplemental_tax = 7.77;
        EXPECT_EQ(city_mi(&p.fed, &p.state, &p.local), 0) << c.why;
        EXPECT_NEAR(p.local.local_supplemental_tax, c.bonus_tax, 1e-9) << c.why;
        EXPECT_NEAR(p.local.second_local_supplemental_tax, c.second_bonus_tax, 1e-9) << c.why;
    }
    // A resident's bonus at the resident rate: 2.4 % of 1000.
    LocalityPaycheck resident(kMichigan, 2026, 52, 1000.0);
    resident.local.locality_code = kDetroit;
    resident.local.local_resident = 1;
    resident.local.local_supplemental_wages = 1000.0;
    EXPECT_EQ(city_mi(&resident.fed, &resident.state, &resident.local), 0);
    EXPECT_NEAR(resident.local.local_supplemental_tax, 24.0, 1e-9);
}

TEST(MichiganLocal, CalledDirectly) {
    // Pay periods unknown: the annual exemption is taken whole, 2.4 % x (1000 - 600).
    LocalityPaycheck p(kMichigan, 2026, 52, 1000.0);
    p.local.local_pay_periods = 0;
    p.local.local_allowances = 1;
    p.local.locality_code = kDetroit;
    p.local.local_resident = 1;
    EXPECT_EQ(city_mi(&p.fed, &p.state, &p.local), 0);
    EXPECT_NEAR(p.local.local_tax, 9.60, 1e-9);
    // Wages that are not a number store no tax and fail.
    p.local.local_wages = std::numeric_limits<double>::quiet_NaN();
    EXPECT_NE(city_mi(&p.fed, &p.state, &p.local), 0);
    EXPECT_EQ(p.local.local_tax, 0.0);
    EXPECT_NE(city_mi(nullptr, &p.state, &p.local), 0);
    EXPECT_NE(city_mi(&p.fed, &p.state, nullptr), 0);
}

struct Entry {
    int64_t index;
    const char* text;  // null: no such entry
    int64_t code;
};

const Entry kEntries[] = {
    {0, "None", 0},     {1, "Albion", 1},       {3, "Benton Harbor", 24}, {5, "Detroit", 4},
    {6, "East Lansing", 23}, {18, "Muskegon Heights", 16}, {24, "Walker", 22}, {25, nullptr, 0},
};

TEST(MichiganLocal, Directory) {
    for (const Entry& e : kEntries) {
        WITHHOLDING_TAXBODY_INFO info{};
        info.state_code = kMichigan;
        info.entry_index = e.index;
        info.locality_code = -9;
        char text[TXL5_PROMPT_MAX];
        std::memset(text, 'x', sizeof text);
        const int64_t length = TXL5_Get_Prompt(&info, text);
        EXPECT_EQ(info.entry_count, 25) << e.index;
        if (e.text) {
            EXPECT_EQ(length, static_cast<int64_t>(std::strlen(e.text))) << e.index;
            EXPECT_STREQ(text, e.text) << e.index;
            EXPECT_EQ(info.entry_code, e.code) << e.index;
            EXPECT_EQ(info.locality_code, e.code) << e.index;
        } else {
            EXPECT_EQ(length, 0) << e.index;
            EXPECT_EQ(text[0], 'x') << e.index;
            EXPECT_EQ(info.locality_code, -9) << e.index;
        }
    }
    WITHHOLDING_TAXBODY_INFO info{};
    info.entry_index = 3;
    char text[TXL5_PROMPT_MAX];
    EXPECT_EQ(get_mi_taxbody_info(&info, text), 13);
    EXPECT_STREQ(text, "Benton Harbor");
}

TEST(MichiganLocal, Tables) {
    // Every directory city has a row in each year, and each year starts with
    // the placeholder.
    EXPECT_EQ(txl5::table_row_count(micity, [](const MichiganCityRow& r) { return r.mi_city_code == 9999; }), 75);
    for (int year_block = 0; year_block < 3; ++year_block) {
        const MichiganCityRow* block = micity + 25 * year_block;
        EXPECT_EQ(block[0].mi_city_code, 0);
        for (int i = 1; i < 25; ++i) EXPECT_EQ(block[i].mi_city_code, miconame[i].locality_code) << i;
    }
    txl5_test::expect_typed_functions({"city_mi", "get_mi_taxbody_info"});
    txl5_test::expect_data_objects({"micity", "miconame"});
}

}  // namespace
