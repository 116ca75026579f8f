#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "states/arkansas.h"
#include "tests/states/bracket_state_support.h"
#include "tests/support/brackets.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::StatePaycheck;

constexpr int64_t kArkansas = 5;

struct Paycheck {
    std::string why;  // hand arithmetic on the printed formula rows
    int64_t year;
    int64_t month;
    int64_t day;
    int64_t status;
    int64_t pay_periods;
    int64_t exemptions;
    double wages;
    double state_tax;  // after the driver's rounding to cents
    double rate_used;
};

const Paycheck kPaychecks[] = {
    {"2026 biweekly 2000, 2 exemptions: 52,000 - 2,470 = 49,530, mid-range 49,550; 3.9 % less 419.96 = "
     "1512.49, 1512; less 58 = 1454; / 26",
     2026, 6, 15, 0, 26, 2, 2000.0, 55.92, 0.039},
    {"status 9 in 2021 or later is the one schedule: as the line above", 2026, 6, 15, 9, 26, 2, 2000.0, 55.92, 0.039},
    {"2026 annual 97,220, no exemptions: 94,750 is on the ladder row from 94,701: 3695.25 - 399.30 = 3295.95, 3296",
     2026, 6, 15, 0, 1, 0, 97220.0, 3296.00, 0.039},
    {"2026 annual taxable 100,001: no mid-range; 3900.039 - 89.30 = 3810.74, 3811", 2026, 6, 15, 0, 1, 0, 102471.0,
     3811.00, 0.039},
    {"2026 annual taxable 100,000.99 is below the limit: mid-range 100,050; 3901.95 - 89.30 = 3812.65, 3813", 2026,
     6, 15, 0, 1, 0, 102470.99, 3813.00, 0.039},
    {"2026 weekly 100, 1 exemption: 5,200 - 2,470 = 2,730, mid-range 2,750 in the 0 % band; the credit leaves 0",
     2026, 6, 15, 0, 52, 1, 100.0, 0.0, 0.0},
    {"2025 monthly 4000, 1 exemption: 48,000 - 2,410 = 45,590, mid-range 45,550; 1776.45 - 409.86 = 1366.59, "
     "1367; less 29 = 1338; / 12",
     2025, 6, 15, 0, 12, 1, 4000.0, 111.50, 0.039},
    {"9 July 2024 weekly 1000: 52,000 - 2,340 = 49,660, mid-range 49,650; 3.9 % less 397.36 = 1538.99, 1539; / 52",
     2024, 7, 9, 0, 52, 0, 1000.0, 29.60, 0.039},
    {"8 July 2024, the same paycheck on the January formula: 4.4 % less 522.36 = 1662.24, 1662; / 52", 2024, 7, 8, 0,
     52, 0, 1000.0, 31.96, 0.044},
    {"January 2024 annual 92,040 (taxable 89,700, mid-range 89,750 on the ladder): 3949 - 496.40 = 3452.60, 3453",
     2024, 1, 2, 3, 1, 0, 92040.0, 3453.00, 0.044},
};

TEST(Arkansas, Paychecks) {
    for (const Paycheck& c : kPaychecks) {
        StatePaycheck p(kArkansas, c.year, c.status, c.pay_periods, c.exemptions, c.wages, c.month, c.day);
        p.fed.aux_result = 77;
        p.state.state_table_month = 4;
        p.state.state_table_day = 4;
        p.state.state_table_year = 1999;
        EXPECT_EQ(p.run(), 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_tax, c.state_tax) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_rate_used, c.rate_used) << c.why;
        EXPECT_EQ(p.fed.aux_result, 0) << c.why;
        // Arkansas leaves the table-date fields alone.
        EXPECT_EQ(p.state.state_table_year, 1999) << c.why;
        EXPECT_EQ(p.state.state_table_month, 4) << c.why;
    }
}

struct Supplemental {
    std::string why;
    int64_t month;
    int64_t day;
    int64_t year;
    int64_t version;
    double bonus;
    double expected;  // state_supplemental_tax; the preset 7.77 where none is computed
};

const Supplemental kSupplemental[] = {
    {"2026: 1000 x 3.9 %", 6, 15, 2026, 145, 1000.0, 39.00},
    {"2025: 333 x 3.9 % = 12.987", 6, 15, 2025, 145, 333.0, 12.99},
    {"9 July 2024: 3.9 %", 7, 9, 2024, 145, 1000.0, 39.00},
    {"8 July 2024: 4.4 %", 7, 8, 2024, 145, 1000.0, 44.00},
    {"layout 144 computes no supplemental tax", 6, 15, 2026, 144, 1000.0, 7.77},
};

TEST(Arkansas, SupplementalWagesAtTheFlatRate) {
    for (const Supplemental& c : kSupplemental) {
        StatePaycheck p(kArkansas, c.year, 0, 26, 2, 2000.0, c.month, c.day);
        p.state.struc_version = c.version;
        p.state.state_supp_aggregate = 1;  // Arkansas has only the flat rate
        p.state.state_supplemental_wages = c.bonus;
        p.state.state_supplemental_tax = 7.77;
        EXPECT_EQ(p.run(), 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, c.expected) << c.why;
    }
}

TEST(Arkansas, NoFormulaRowStillTaxesTheSupplementalWages) {
    StatePaycheck p(kArkansas, 2026, 0, 26, 0, std::numeric_limits<double>::infinity());
    p.state.state_supplemental_wages = 1000.0;
    EXPECT_EQ(p.run() & 8, 8);
    EXPECT_EQ(p.state.state_error, 1);
    EXPECT_EQ(p.state.state_tax, 0.0);
    EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, 39.00);  // 3.9 % of 1000 on the retry's 2025 rate
}

// The ladder above the top bracket floor takes back 10 dollars of the lower
// brackets' benefit per 100-dollar band, one band after another.
TEST(Arkansas, LadderStepsTenDollarsABand) {
    int ladder_rows = 0;
    for (const ArkansasBracketRow* row = arwh + 1; row->start_date.month != 0; ++row) {
        const ArkansasBracketRow& prev = row[-1];
        const bool same_schedule = prev.start_date.year == row->start_date.year &&
                                   prev.start_date.month == row->start_date.month && prev.rate == row->rate;
        if (!same_schedule || prev.upper - prev.lower != 100.0) continue;
        ++ladder_rows;
        EXPECT_EQ(row->lower, prev.upper) << row->lower;
        EXPECT_NEAR(prev.adjustment - row->adjustment, 10.0, 1e-9) << row->start_date.year << " " << row->lower;
    }
    EXPECT_GT(ladder_rows, 100);
}

TEST(Arkansas, TablesAndExports) {
    EXPECT_EQ(txl5::table_row_count(arwh), 37 + 37 + 38 + 45);
    EXPECT_EQ(txl5::table_row_count(supplemental_ar), 4);
    txl5_test::expect_typed_functions({"state_ar"});
    txl5_test::expect_data_objects({"arwh", "supplemental_ar"});
}

// The formula's brackets are continuous: the tax at a bracket's floor (rate x
// floor less adjustment) is the tax at the previous bracket's ceiling.
const int kArwhBrackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "arwh";
    t.rows = txl5_test::schedule_rows(arwh, [](const ArkansasBracketRow& r) {
        return txl5_test::ScheduleRow{r.start_date, r.end_date, r.status, r.pay_periods, r.lower, r.upper,
                                      r.rate * r.lower - r.adjustment, r.rate};
    });
    // The 2026 bounds are whole hundreds (5,600) while the adjustments were
    // figured one dollar lower (5,599): 2 cents at the 2 % floor.
    t.tolerance = 0.02;
    // Ladder rows (an adjustment below the previous row's at the same rate)
    // step the tax up by design; LadderStepsTenDollarsABand checks them.
    for (size_t i = 1; i < t.rows.size(); ++i) {
        const ArkansasBracketRow& prev = arwh[i - 1];
        const ArkansasBracketRow& row = arwh[i];
        if (prev.rate == row.rate && row.adjustment < prev.adjustment) t.allowed_rows.insert(i);
    }
    return t;
});

}  // namespace
