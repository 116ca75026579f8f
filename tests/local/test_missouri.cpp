#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "core/txl5.h"
#include "local/missouri.h"
#include "tests/local/locality_paycheck.h"

namespace {

using txl5_test::LocalityPaycheck;

constexpr int64_t kMissouri = 30;

struct MissouriCase {
    std::string why;  // where the expected amounts come from
    int64_t code;
    double wages;
    double bonus;
    double additional;
    double local_tax;  // after the entry point's rounding to cents
    double bonus_tax;
};

const MissouriCase kCases[] = {
    {"Kansas City 1 % of 1500", 2, 1500.0, 0, 0, 15.00, 0},
    {"St Louis 1 % of 1000 and of a 200 bonus", 1, 1000.0, 200.0, 0, 10.00, 2.00},
    {"Kansas City plus 4.00 extra withholding", 2, 1500.0, 0, 4.0, 19.00, 0},
    {"code 3 is no city: nothing", 3, 1500.0, 200.0, 0, 0, 0},
};

TEST(MissouriLocal, EarningsTax) {
    for (const auto& c : kCases) {
        LocalityPaycheck p(kMissouri, 2026, 26, c.wages);
        p.local.locality_code = c.code;
        p.local.local_supplemental_wages = c.bonus;
        p.local.additional_local_wh = c.additional;
        EXPECT_EQ(city_mo(&p.fed, &p.state, &p.local), 0) << c.why;
        EXPECT_DOUBLE_EQ(dollarround(p.local.local_tax), c.local_tax) << c.why;
        EXPECT_DOUBLE_EQ(dollarround(p.local.local_supplemental_tax), c.bonus_tax) << c.why;
    }
}

TEST(MissouriLocal, NonFiniteWagesStoreNoTaxAndFail) {
    LocalityPaycheck p(kMissouri, 2026, 26, 1500.0);
    p.local.locality_code = 2;
    p.local.local_wages = std::numeric_limits<double>::quiet_NaN();
    EXPECT_NE(city_mo(&p.fed, &p.state, &p.local), 0);
    EXPECT_EQ(p.local.local_tax, 0.0);
}

TEST(MissouriLocal, EntryPoints) {
    const uint64_t call_type = txl5_test::call_type_reaching_locality(kMissouri);
    for (auto entry : {TXL5_Calc_County, TXL5_Calc_Local, TXL5_Calc_Local_TEST}) {
        LocalityPaycheck p(kMissouri, 2026, 26, 1500.0);
        p.local.locality_code = 2;  // Kansas City
        entry(call_type, &p.fed, &p.state, &p.local);
        EXPECT_DOUBLE_EQ(p.local.local_tax, 15.00);
    }
}

}  // namespace
