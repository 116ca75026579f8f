#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "local/alabama.h"
#include "tests/local/locality_paycheck.h"

namespace {

using txl5_test::LocalityPaycheck;

constexpr int64_t kAlabama = 1;

struct AlabamaCase {
    std::string why;  // where the expected amounts come from
    int64_t year;
    int64_t code;
    double wages;
    double bonus;
    double additional;
    double local_tax;  // after the entry point's rounding to cents
    double bonus_tax;
};

const AlabamaCase kCases[] = {
    {"Birmingham 1 % of 2000", 2026, 5, 2000.0, 0, 0, 20.00, 0},
    {"Tuskegee 3 % of 2000", 2026, 24, 2000.0, 0, 0, 60.00, 0},
    {"code 25 is Beaverton's 1 % (the first row), not Southside's 2 %", 2026, 25, 2000.0, 0, 0, 20.00, 0},
    {"Goodwater 0.75 % of 1234.56 = 9.2592", 2026, 10, 1234.56, 0, 0, 9.26, 0},
    {"Gadsden 2 % of 1000 and of a 500 bonus", 2026, 8, 1000.0, 500.0, 0, 20.00, 10.00},
    {"Opelika 1.5 % of 1000 plus 5.00 extra withholding", 2026, 19, 1000.0, 0, 5.0, 20.00, 0},
    {"code 17 is no city: only the extra withholding", 2026, 17, 2000.0, 300.0, 7.5, 7.50, 0},
    {"2024 rows: Attalla 2 % of 1500", 2024, 1, 1500.0, 0, 0, 30.00, 0},
    {"2023 has no rows: only the extra withholding", 2023, 5, 2000.0, 0, 1.25, 1.25, 0},
};

TEST(AlabamaLocal, CityOccupationalTax) {
    for (const auto& c : kCases) {
        LocalityPaycheck p(kAlabama, c.year, 26, c.wages);
        p.local.locality_code = c.code;
        p.local.local_supplemental_wages = c.bonus;
        p.local.additional_local_wh = c.additional;
        EXPECT_EQ(city_al(&p.fed, &p.state, &p.local), 0) << c.why;
        EXPECT_DOUBLE_EQ(dollarround(p.local.local_tax), c.local_tax) << c.why;
        EXPECT_DOUBLE_EQ(dollarround(p.local.local_supplemental_tax), c.bonus_tax) << c.why;
    }
}

TEST(AlabamaLocal, NonFiniteWagesStoreNoTaxAndFail) {
    LocalityPaycheck p(kAlabama, 2026, 52, 1000.0);
    p.local.locality_code = 5;
    p.local.local_wages = std::numeric_limits<double>::infinity();
    p.local.local_supplemental_wages = std::numeric_limits<double>::quiet_NaN();
    EXPECT_NE(city_al(&p.fed, &p.state, &p.local), 0);
    EXPECT_EQ(p.local.local_tax, 0.0);
    EXPECT_EQ(p.local.local_supplemental_tax, 0.0);
}

// The three years carry the same 28 cities and rates; a slip in one year's
// block shows here.
TEST(AlabamaLocal, EveryYearListsTheSameCities) {
    constexpr int64_t kCities = 28;
    ASSERT_EQ(txl5::table_row_count(allwh), 3 * kCities);
    for (int64_t i = 0; i < kCities; ++i) {
        for (int64_t block = 1; block < 3; ++block) {
            const AlabamaCityRow& older = allwh[block * kCities + i];
            EXPECT_EQ(older.start_date.year, 2026 - block);
            EXPECT_EQ(older.city_code, allwh[i].city_code);
            EXPECT_STREQ(older.city_name, allwh[i].city_name);
            EXPECT_EQ(older.city_rate, allwh[i].city_rate);
        }
    }
}

// Alabama's city tax runs from TXL5_Calc_County and TXL5_Calc_Local, not from
// the approximate search.
TEST(AlabamaLocal, EntryPoints) {
    const uint64_t call_type = txl5_test::call_type_reaching_locality(kAlabama);
    const struct { txl5_test::LocalEntryPoint entry; double local_tax; } cases[] = {
        {TXL5_Calc_County, 20.00}, {TXL5_Calc_Local, 20.00}, {TXL5_Calc_Local_TEST, 3.33}};
    for (const auto& c : cases) {
        LocalityPaycheck p(kAlabama, 2026, 26, 2000.0);
        p.local.locality_code = 5;  // Birmingham, 1 %
        p.local.local_tax = 3.33;   // what an earlier paycheck left
        c.entry(call_type, &p.fed, &p.state, &p.local);
        EXPECT_DOUBLE_EQ(p.local.local_tax, c.local_tax);
    }
}

}  // namespace
