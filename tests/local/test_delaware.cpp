#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "core/txl5.h"
#include "local/delaware.h"
#include "tests/local/locality_paycheck.h"

namespace {

using txl5_test::LocalityPaycheck;

constexpr int64_t kDelaware = 9;

struct DelawareCase {
    std::string why;  // where the expected amounts come from
    int64_t year;
    int64_t code;
    int64_t pay_periods;
    double state_wages;
    double bonus;
    double additional;
    double local_tax;  // after the entry point's rounding to cents
    double bonus_tax;
};

const DelawareCase kCases[] = {
    {"Wilmington weekly 1000: 1.25 % = 12.50", 2026, 1, 52, 1000.0, 0, 0, 12.50, 0},
    {"Wilmington weekly 1000 and a 400 bonus: 12.50 and 5.00", 2026, 1, 52, 1000.0, 400.0, 0, 12.50, 5.00},
    {"Wilmington 2025 monthly 3333.33: 41.666", 2025, 1, 12, 3333.33, 0, 0, 41.67, 0},
    {"Wilmington 2024 biweekly 2000, plus 2.00 extra withholding", 2024, 1, 26, 2000.0, 0, 2.0, 27.00, 0},
    {"a bonus alone passes the threshold 0", 2026, 1, 52, 0.0, 400.0, 0, 0, 5.00},
    {"no wages and no bonus do not pass the threshold 0", 2026, 1, 52, 0.0, 0, 1.0, 1.00, 0},
    {"code 2 is no city", 2026, 2, 52, 1000.0, 400.0, 0, 0, 0},
    {"no pay frequency (0) counts the period as the year: 1.25 % of 1000", 2026, 1, 0, 1000.0, 0, 0, 12.50, 0},
    {"a negative count also divides by 1: 1.25 % of 1000", 2026, 1, -52, 1000.0, 0, 0, 12.50, 0},
};

TEST(DelawareLocal, WilmingtonWageTax) {
    for (const auto& c : kCases) {
        LocalityPaycheck p(kDelaware, c.year, c.pay_periods, c.state_wages);
        p.local.locality_code = c.code;
        p.local.local_wages = 5000.0;  // the tax follows the state wages
        p.local.local_supplemental_wages = c.bonus;
        p.local.additional_local_wh = c.additional;
        EXPECT_EQ(county_de(&p.fed, &p.state, &p.local), 0) << c.why;
        EXPECT_DOUBLE_EQ(dollarround(p.local.local_tax), c.local_tax) << c.why;
        EXPECT_DOUBLE_EQ(dollarround(p.local.local_supplemental_tax), c.bonus_tax) << c.why;
    }
}

TEST(DelawareLocal, NonFiniteWagesStoreNoTaxAndFail) {
    LocalityPaycheck p(kDelaware, 2026, 52, 1000.0);
    p.local.locality_code = 1;
    p.state.state_wages = std::numeric_limits<double>::infinity();
    EXPECT_NE(county_de(&p.fed, &p.state, &p.local), 0);
    EXPECT_EQ(p.local.local_tax, 0.0);
}

// Wilmington's tax runs from TXL5_Calc_Local and the approximate search, not
// from TXL5_Calc_County, on the employee's paycheck (call type 1) now that
// Delaware's own income tax is computed first.
TEST(DelawareLocal, EntryPoints) {
    const uint64_t call_type = 1;
    const struct { txl5_test::LocalEntryPoint entry; double local_tax; } cases[] = {
        {TXL5_Calc_County, 3.33}, {TXL5_Calc_Local, 12.50}, {TXL5_Calc_Local_TEST, 12.50}};
    for (const auto& c : cases) {
        LocalityPaycheck p(kDelaware, 2026, 52, 1000.0);
        p.local.locality_code = 1;
        p.local.local_tax = 3.33;  // what an earlier paycheck left
        c.entry(call_type, &p.fed, &p.state, &p.local);
        EXPECT_DOUBLE_EQ(p.local.local_tax, c.local_tax);
        // Delaware's tax on the same paycheck: 52,000 - 3,250 = 48,750;
        // 1001 + 5.55 % x 23,750 = 2319.125; / 52.
        EXPECT_DOUBLE_EQ(p.state.state_tax, 44.60);
    }
}

}  // namespace
