#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "federal/federal.h"
#include "tests/federal/federal_test_support.h"
#include "tests/support/brackets.h"

namespace {

using txl5_test::federal_record;

struct Paycheck {
    std::string why;  // where the expected amount comes from
    int64_t year;
    int64_t version;
    int64_t filing_status;
    int64_t pay_periods;
    int64_t allowances;
    double wages;
    int64_t w4_2020;
    int64_t step2;
    double step3;
    double additional;
    int64_t nonresident;
    double fed_tax;       // after rounding to cents
    double marginal_rate;
    double step4b = 0.0;  // W-4 Step 4(b) deductions, annual
};

const Paycheck kPaychecks[] = {
    {"52000 - 4300 = 47700; (1240 + 0.12 x 27800) / 52", 2026, 165, 0, 52, 1, 1000.0, 0, 0, 0, 0, 0, 88.00, 0.12},
    {"filing status 3 is computed as single", 2026, 165, 3, 52, 1, 1000.0, 0, 0, 0, 0, 0, 88.00, 0.12},
    {"2020 W-4 married monthly: 120000 - 12900 = 107100; (2480 + 0.12 x 63000) / 12; allowances ignored",
     2026, 165, 1, 12, 5, 10000.0, 1, 0, 0, 0, 0, 836.67, 0.12},
    {"version 164 ignores the 2020 W-4: 120000 - 5 x 4300 = 98500; (2480 + 0.12 x 54400) / 12",
     2026, 164, 1, 12, 5, 10000.0, 1, 0, 0, 0, 0, 750.67, 0.12},
    {"Step 2 single biweekly, schedule 16: 52000; (2900 + 0.22 x 18750) / 26", 2026, 165, 0, 26, 0, 2000.0, 1, 1, 0,
     0, 0, 270.19, 0.22},
    {"Step 2 with filing status 3 uses schedule 16", 2026, 165, 3, 26, 0, 2000.0, 1, 1, 0, 0, 0, 270.19, 0.22},
    {"2020 W-4 semimonthly: 1661.48 x 24 - 5532.52 - 8600 = 25742.00 exactly; (1240 + 0.12 x 5842) / 24 - 1000 / 24"
     " = 39.215 in decimal; taken in the worksheet's order the binary amount lies just below and rounds to 39.21",
     2026, 165, 0, 24, 0, 1661.48, 1, 0, 1000.0, 0, 0, 39.21, 0.12, 5532.52},
    {"Step 3 credit 5000 exceeds the tax: only the extra 10.00 is withheld", 2026, 165, 0, 52, 0, 500.0, 1, 0,
     5000.0, 10.0, 0, 10.00, 0.10},
    {"nonresident alien, pre-2020 W-4, daily: 200 + 11800 / 260; 63800 on the annual schedule, / 260", 2026, 165, 0,
     260, 0, 200.0, 0, 0, 0, 0, 1, 27.30, 0.22},
    {"nonresident alien, 2020 W-4, weekly: (1000 + 309.60) x 52 - 8600 = 59499.20; (5800 + 0.22 x 1599.20) / 52",
     2026, 165, 0, 52, 0, 1000.0, 1, 0, 0, 0, 1, 118.30, 0.22},
    {"nonresident-alien fields ignored below version 165", 2026, 164, 0, 52, 1, 1000.0, 0, 0, 0, 0, 1, 88.00, 0.12},
    {"annual taxable exactly at a bracket floor falls in that bracket", 2026, 165, 0, 1, 0, 19900.0, 0, 0, 0, 0, 0,
     1240.00, 0.12},
    {"a cent below the floor stays in the bracket beneath", 2026, 165, 0, 1, 0, 19899.99, 0, 0, 0, 0, 0, 1240.00,
     0.10},
    {"the top bracket has no ceiling: 192979.25 + 0.37 x 351900", 2026, 165, 0, 1, 0, 1000000.0, 0, 0, 0, 0, 0,
     323182.25, 0.37},
    {"extra withholding is added after the brackets", 2026, 165, 0, 52, 1, 1000.0, 0, 0, 0, 25.0, 0, 113.00, 0.12},
    // Published 2025 schedule (Pub. 15-T 2025): the tax at a bracket floor is the printed base.
    {"Pub. 15-T 2025 single: over 54875 the tax is 5578.50", 2025, 165, 0, 1, 0, 54875.0, 0, 0, 0, 0, 0, 5578.50, 0.22},
    {"2025 weekly single 1 allowance: 47700; (1192.50 + 0.12 x 29375) / 52", 2025, 165, 0, 52, 1, 1000.0, 0, 0, 0, 0,
     0, 90.72, 0.12},
    {"Pub. 15-T 2025 HoH with Step 2: over 62925 the tax is 7956", 2025, 165, 2, 1, 0, 62925.0, 1, 1, 0, 0, 0, 7956.00,
     0.24},
    // Published 2024 schedule (Pub. 15-T 2024).
    {"Pub. 15-T 2024 married: over 110600 the tax is 10852", 2024, 165, 1, 1, 0, 110600.0, 0, 0, 0, 0, 0, 10852.00,
     0.22},
    {"2024 weekly married 2 allowances: 104000 - 8600 = 95400; (2320 + 0.12 x 55900) / 52", 2024, 165, 1, 52, 2,
     2000.0, 0, 0, 0, 0, 0, 173.62, 0.12},
    {"Pub. 15-T 2024 HoH with Step 2: over 42500 the tax is 3620.50", 2024, 165, 2, 1, 0, 42500.0, 1, 1, 0, 0, 0,
     3620.50, 0.22},
    {"2024 nonresident alien, 2020 W-4, weekly: (1000 + 280.80) x 52 - 8600 = 58001.60; (5426 + 0.22 x 4851.60)/52",
     2024, 165, 0, 52, 0, 1000.0, 1, 0, 0, 0, 1, 124.87, 0.22},
};

TEST(FederalIncomeTax, Paychecks) {
    for (const auto& p : kPaychecks) {
        FEDERAL_WITHHOLDING_STRUC fed = federal_record(6, 15, p.year);
        fed.struc_version = p.version;
        fed.filing_status = p.filing_status;
        fed.pay_periods = p.pay_periods;
        fed.allowances = p.allowances;
        fed.gross_wages = p.wages;
        fed.fica_wages = p.wages;
        fed.w4_2020 = p.w4_2020;
        fed.w4_multiple_jobs = p.step2;
        fed.w4_dependents_credit = p.step3;
        fed.w4_deductions = p.step4b;
        fed.additional_fed_wh = p.additional;
        fed.nonresident_alien = p.nonresident;
        EXPECT_EQ(TXL5_Federal_Calc(1, &fed), 0) << p.why;
        EXPECT_EQ(fed.fed_status, 0) << p.why;
        EXPECT_DOUBLE_EQ(dollarround(fed.fed_tax), p.fed_tax) << p.why;
        EXPECT_DOUBLE_EQ(fed.fed_marginal_rate, p.marginal_rate) << p.why;
    }
}

TEST(FederalIncomeTax, ExemptionNeedsVersion161) {
    FEDERAL_WITHHOLDING_STRUC fed = federal_record(6, 15, 2026);
    fed.struc_version = 161;
    fed.fed_exempt = 1;
    fed.allowances = 1;
    fed.gross_wages = fed.fica_wages = 1000.0;
    fed.fed_tax = 5.0;
    fed.fica_tax = 7.0;
    fed.medicare_tax = 8.0;
    fed.additional_fed_wh = 20.0;
    fed.fed_marginal_rate = 0.5;
    EXPECT_EQ(TXL5_Federal_Calc(1, &fed), 0);
    EXPECT_EQ(fed.fed_tax, 0.0);
    EXPECT_EQ(fed.fica_tax, 7.0);  // nothing else computed
    EXPECT_EQ(fed.medicare_tax, 8.0);
    EXPECT_EQ(fed.fed_marginal_rate, 0.5);

    fed.struc_version = 160;
    fed.fed_tax = 0.0;
    EXPECT_EQ(TXL5_Federal_Calc(1, &fed), 0);
    EXPECT_DOUBLE_EQ(fed.fed_tax, 108.0);  // 88.00 + 20.00 extra
    EXPECT_DOUBLE_EQ(fed.fica_tax, 62.0);
}

TEST(FederalIncomeTax, MissingRowsFailWithStatus1) {
    struct Case { std::string why; int64_t year; int64_t pay_periods; int64_t nonresident; double wages; } cases[] = {
        {"no 2023 rows", 2023, 52, 0, 1000.0},
        {"pay periods 0 take no annual row", 2026, 0, 0, 1000.0},
        {"negative pay periods take no annual row", 2026, -4, 0, 1000.0},
        {"pay periods 0 find no nonresident-alien row either", 2026, 0, 1, 1000.0},
        {"wages that are not a number fit no bracket", 2026, 52, 0, std::nan("")},
    };
    for (const auto& c : cases) {
        FEDERAL_WITHHOLDING_STRUC fed = federal_record(6, 15, c.year);
        fed.pay_periods = c.pay_periods;
        fed.gross_wages = c.wages;
        fed.fica_wages = 1000.0;
        fed.nonresident_alien = c.nonresident;
        fed.additional_fed_wh = 5.0;
        EXPECT_EQ(TXL5_Federal_Calc(1, &fed), 1) << c.why;
        EXPECT_EQ(fed.fed_status, 1) << c.why;
        EXPECT_TRUE(std::isfinite(fed.fed_tax)) << c.why;
        EXPECT_DOUBLE_EQ(fed.fed_tax, 5.0) << c.why;  // previous value plus the extra withholding
        if (c.year == 2026) {
            EXPECT_DOUBLE_EQ(fed.fica_tax, 62.0) << c.why << ": social security still computed";
        }
    }
}

TEST(FederalTables, RowCountsOrderAndEndRows) {
    EXPECT_EQ(txl5::table_row_count(fedwh) + 1, 145);
    EXPECT_EQ(txl5::table_row_count(fedwh_nonresidentalien) + 1, 43);
    EXPECT_EQ(txl5::table_row_count(fica), 3);
    EXPECT_EQ(txl5::table_row_count(medicare), 3);
    EXPECT_EQ(txl5::table_row_count(supplementalwh), 4);

    // Per year: statuses 1, 0, 2, 17, 16, 18, eight brackets each, 4300 per allowance.
    const int64_t order[] = {1, 0, 2, 17, 16, 18};
    const int64_t years[] = {2026, 2025, 2024};
    for (int y = 0; y < 3; ++y) {
        for (int s = 0; s < 6; ++s) {
            for (int b = 0; b < 8; ++b) {
                const FedWhRow& row = fedwh[y * 48 + s * 8 + b];
                EXPECT_EQ(row.start_date.year, years[y]);
                EXPECT_EQ(row.end_date.year, years[y]);
                EXPECT_EQ(row.start_date.month, 1);
                EXPECT_EQ(row.end_date.month, 12);
                EXPECT_EQ(row.end_date.day, 31);
                EXPECT_EQ(row.status, order[s]);
                EXPECT_EQ(row.pay_periods, 1);
                EXPECT_EQ(row.allowance_amount, 4300.0);
                EXPECT_EQ(row.upper == 0.0, b == 7);
            }
        }
    }
    const FedWhRow& end = fedwh[144];
    EXPECT_EQ(end.start_date.month, 0);
    EXPECT_EQ(end.rate, 0.0);
    // Fourteen nonresident-alien rows a year, statuses 32 and 33.
    for (int i = 0; i < 42; ++i) {
        EXPECT_EQ(fedwh_nonresidentalien[i].start_date.year, 2026 - i / 14);
        EXPECT_EQ(fedwh_nonresidentalien[i].status, 32 + i % 2);
    }
}

// Each schedule's bases follow from the previous bracket. The Step 2 single
// schedules (16) have bounds rounded to whole dollars while the IRS computes
// their bases from the unrounded half amounts, so they may differ by up to
// half a dollar times the rate.
const int kFedwhBrackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "fedwh";
    t.bound_rounding = 0.5;
    t.rows = txl5_test::schedule_rows(fedwh, [](const FedWhRow& r) {
        return txl5_test::ScheduleRow{r.start_date, r.end_date, r.status, r.pay_periods,
                                      r.lower,      r.upper,    r.base,   r.rate};
    });
    return t;
});

}  // namespace
