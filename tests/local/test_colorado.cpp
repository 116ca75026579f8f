#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "core/txl5.h"
#include "local/colorado.h"
#include "tests/local/locality_paycheck.h"

namespace {

using txl5_test::LocalityPaycheck;

constexpr int64_t kColorado = 7;

struct ColoradoCase {
    std::string why;  // where the expected amounts come from
    int64_t year;
    int64_t code;
    int64_t pay_periods;
    double state_wages;
    double bonus;
    double additional;
    double employee_tax;  // local_tax, after the entry point's rounding
    double employer_tax;  // second_local_tax
    double bonus_tax;
};

const ColoradoCase kCases[] = {
    {"Denver monthly, 501 > 500: the monthly 5.75 and 4.00", 2026, 1, 12, 501.0, 0, 0, 5.75, 4.00, 0},
    {"Denver monthly, exactly 500 is not above the threshold", 2026, 1, 12, 500.0, 0, 0, 0, 0, 0},
    {"Denver biweekly 300: month 650; 5.75 x 12 / 26 = 2.654, 4 x 12 / 26 = 1.846", 2026, 1, 26, 300.0, 0, 0, 2.65,
     1.85, 0},
    {"Aurora has no 2026 row: only the extra withholding", 2026, 2, 12, 1000.0, 0, 1.0, 1.00, 0, 0},
    {"Aurora 2025 monthly 1000 > 250: 2.00 and 2.00", 2025, 2, 12, 1000.0, 0, 0, 2.00, 2.00, 0},
    {"Greenwood Village weekly 100: month 433.33 > 250; 2 x 12 / 52 = 0.4615", 2026, 3, 52, 100.0, 0, 0, 0.46, 0.46,
     0},
    {"Glendale 2024 monthly 750.01 > 750: 5.00 and 5.00", 2024, 5, 12, 750.01, 0, 0, 5.00, 5.00, 0},
    {"Denver biweekly, 300 bonus: bonus month 650 > 500 owes 2.65 more", 2026, 1, 26, 300.0, 300.0, 0, 2.65, 1.85,
     2.65},
    {"Denver biweekly, 200 bonus: bonus month 433.33, no bonus tax", 2026, 1, 26, 300.0, 200.0, 0, 2.65, 1.85, 0},
    {"Denver plus 1.10 extra withholding", 2026, 1, 26, 300.0, 0, 1.10, 3.75, 1.85, 0},
    {"no pay frequency: a month of 0 wages owes nothing", 2026, 1, 0, 5000.0, 0, 0, 0, 0, 0},
};

TEST(ColoradoLocal, OccupationalPrivilegeTax) {
    for (const auto& c : kCases) {
        LocalityPaycheck p(kColorado, c.year, c.pay_periods, c.state_wages);
        p.local.locality_code = c.code;
        p.local.local_wages = 0.0;  // the month is built from the state wages
        p.local.local_supplemental_wages = c.bonus;
        p.local.additional_local_wh = c.additional;
        EXPECT_EQ(county_co(&p.fed, &p.state, &p.local), 0) << c.why;
        EXPECT_DOUBLE_EQ(dollarround(p.local.local_tax), c.employee_tax) << c.why;
        EXPECT_DOUBLE_EQ(p.local.second_local_tax, c.employer_tax) << c.why;
        EXPECT_DOUBLE_EQ(p.local.local_supplemental_tax, c.bonus_tax) << c.why;
    }
}

TEST(ColoradoLocal, NonFiniteExtraWithholdingStoresNoTaxAndFails) {
    LocalityPaycheck p(kColorado, 2026, 26, 300.0);
    p.local.locality_code = 1;
    p.local.additional_local_wh = std::numeric_limits<double>::infinity();
    EXPECT_NE(county_co(&p.fed, &p.state, &p.local), 0);
    EXPECT_EQ(p.local.local_tax, 0.0);
    EXPECT_DOUBLE_EQ(p.local.second_local_tax, 1.85);
}

TEST(ColoradoLocal, EntryPoints) {
    const uint64_t call_type = txl5_test::call_type_reaching_locality(kColorado);
    for (auto entry : {TXL5_Calc_County, TXL5_Calc_Local, TXL5_Calc_Local_TEST}) {
        LocalityPaycheck p(kColorado, 2026, 12, 501.0);
        p.local.locality_code = 1;  // Denver
        entry(call_type, &p.fed, &p.state, &p.local);
        EXPECT_DOUBLE_EQ(p.local.local_tax, 5.75);
        EXPECT_DOUBLE_EQ(p.local.second_local_tax, 4.00);
    }
}

}  // namespace
