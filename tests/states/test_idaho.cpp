#include <gtest/gtest.h>

#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "states/idaho.h"
#include "tests/states/bracket_state_support.h"
#include "tests/support/brackets.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::StatePaycheck;

constexpr int64_t kIdaho = 16;

struct Paycheck {
    std::string why;  // hand arithmetic on the table's amounts
    MDATE check;
    int64_t status;
    int64_t pay_periods;
    int64_t allowances;
    double wages;
    double state_tax;  // in whole dollars
    double rate_used;
    MDATE table;  // start of the rows used
};

const Paycheck kPaychecks[] = {
    {"2026 single biweekly 1500, 2 allowances: 1500 - 297.54 = 1202.46; 5.3 % x 625.46 = 33.15", {6, 15, 2026}, 0, 26,
     2, 1500.0, 33.0, 0.053, {1, 1, 2026}},
    {"status 12 is withheld as single: as the line above", {6, 15, 2026}, 12, 26, 2, 1500.0, 33.0, 0.053,
     {1, 1, 2026}},
    {"2026 single weekly 250 is under the 288 threshold", {6, 15, 2026}, 0, 52, 0, 250.0, 0.0, 0.0, {1, 1, 2026}},
    {"2026 daily 200 on the annual row: 52,000 - 3,868 = 48,132; 5.3 % x 33,132 = 1756.00; / 260 = 6.75",
     {6, 15, 2026}, 0, 260, 1, 200.0, 7.0, 0.053, {1, 1, 2026}},
    {"2026 annual payroll 60,000, 1 allowance: 56,132 - 15,000 = 41,132; 5.3 % = 2180.00", {6, 15, 2026}, 0, 1, 1,
     60000.0, 2180.0, 0.053, {1, 1, 2026}},
    {"June 2025 married monthly 5000, 1 allowance: 4677.67 - 2,500 = 2177.67; 5.3 % = 115.42", {6, 15, 2025}, 1, 12,
     1, 5000.0, 115.0, 0.053, {6, 1, 2025}},
    {"May 2025 the same paycheck at 5.695 %: 5000 - 300.00 - 2,433 = 2267; 129.11", {5, 31, 2025}, 1, 12, 1, 5000.0,
     129.0, 0.05695, {1, 1, 2025}},
    {"October 2024 single biweekly 1000, 1 allowance: 1000 - 138.46 - 562 = 299.54; 5.695 % = 17.06", {10, 1, 2024},
     0, 26, 1, 1000.0, 17.0, 0.05695, {7, 1, 2024}},
    {"June 2024 single weekly 800: 800 - 266 = 534; 5.8 % = 30.97", {6, 30, 2024}, 0, 52, 0, 800.0, 31.0, 0.058,
     {1, 1, 2024}},
    {"March 2024 married semimonthly 3000, 2 allowances: 3000 - 294.50 - 1,154 = 1551.50; 5.8 % = 89.99",
     {3, 1, 2024}, 1, 24, 2, 3000.0, 90.0, 0.058, {1, 1, 2024}},
};

TEST(Idaho, Paychecks) {
    for (const Paycheck& c : kPaychecks) {
        StatePaycheck p(kIdaho, c.check.year, c.status, c.pay_periods, c.allowances, c.wages, c.check.month,
                        c.check.day);
        EXPECT_EQ(p.run(), 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_tax, c.state_tax) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_rate_used, c.rate_used) << c.why;
        EXPECT_EQ(p.state.state_table_year, c.table.year) << c.why;
        EXPECT_EQ(p.state.state_table_month, c.table.month) << c.why;
        EXPECT_EQ(p.state.state_table_day, c.table.day) << c.why;
    }
}

struct Supplemental {
    std::string why;
    MDATE check;
    int64_t version;
    int64_t method;  // state_supp_aggregate
    int64_t pay_periods;
    int64_t allowances;
    double wages;
    double bonus;
    double expected;  // state_supplemental_tax; the preset 7.77 where none is computed
};

const Supplemental kSupplemental[] = {
    {"flat 2026: 5.3 % x 1000 = 53", {6, 15, 2026}, 145, 0, 26, 2, 1500.0, 1000.0, 53.0},
    {"flat May 2025: 5.695 % x 1000 = 56.95", {5, 31, 2025}, 145, 0, 26, 2, 1500.0, 1000.0, 57.0},
    {"flat June 2024: 5.8 % x 1000", {6, 30, 2024}, 145, 0, 26, 2, 1500.0, 1000.0, 58.0},
    {"aggregate 2026: 1702.46 - 577 = 1125.46; 5.3 % = 59.65, 60; less the 33 on the wages", {6, 15, 2026}, 145, 1,
     26, 2, 1500.0, 500.0, 27.0},
    {"aggregate: allowances above the wages still come off the bonus: 100 + 1000 - 148.76 - 288 = 663.24; 35.15",
     {6, 15, 2026}, 145, 1, 52, 2, 100.0, 1000.0, 35.0},
    {"aggregate daily 200 plus 100 on the annual row: 74,132 - 15,000 = 59,132; 3134.00 / 260 = 12.05; less 7",
     {6, 15, 2026}, 145, 1, 260, 1, 200.0, 100.0, 5.0},
    {"aggregate with negative supplemental wages is floored at 0", {6, 15, 2026}, 145, 1, 26, 2, 1500.0, -500.0, 0.0},
    {"method 2 computes neither", {6, 15, 2026}, 145, 2, 26, 2, 1500.0, 1000.0, 7.77},
    {"layout 144 computes no supplemental tax", {6, 15, 2026}, 144, 0, 26, 2, 1500.0, 1000.0, 7.77},
};

TEST(Idaho, SupplementalWagesInWholeDollars) {
    for (const Supplemental& c : kSupplemental) {
        StatePaycheck p(kIdaho, c.check.year, 0, c.pay_periods, c.allowances, c.wages, c.check.month, c.check.day);
        p.state.struc_version = c.version;
        p.state.state_supp_aggregate = c.method;
        p.state.state_supplemental_wages = c.bonus;
        p.state.state_supplemental_tax = 7.77;
        EXPECT_EQ(p.run(), 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, c.expected) << c.why;
    }
}

TEST(Idaho, TablesAndExports) {
    // Five date ranges, two statuses, five frequencies, two rows each.
    EXPECT_EQ(txl5::table_row_count(idwh), 5 * 2 * 5 * 2);
    EXPECT_EQ(txl5::table_row_count(supplemental_id), 4);
    txl5_test::expect_typed_functions({"state_id"});
    txl5_test::expect_data_objects({"idwh", "supplemental_id"});
}

const int kIdwhBrackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "idwh";
    t.rows = txl5_test::bracket_rows(idwh);
    return t;
});

}  // namespace
