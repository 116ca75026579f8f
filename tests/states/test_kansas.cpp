#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "states/kansas.h"
#include "tests/states/bracket_state_support.h"
#include "tests/support/brackets.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::StatePaycheck;

constexpr int64_t kKansas = 20;

struct Paycheck {
    std::string why;
    int64_t year;
    int64_t month;
    int64_t day;
    int64_t status;
    int64_t periods;
    int64_t allowances;
    double wages;
    double tax;  // whole dollars
    double rate_used;
};

const Paycheck kPaychecks[] = {
    {"KW-100 example: married semimonthly 2000, three allowances (one dependent): 2000 - 763.33 - 96.67 = 1140; "
     "5.2 % x (1140 - 343) = 41.44",
     2026, 6, 15, 1, 24, 3, 2000.0, 41.0, 0.052},
    {"the same example in 2025", 2025, 6, 15, 1, 24, 3, 2000.0, 41.0, 0.052},
    {"the same example from 29 July 2024", 2024, 7, 29, 1, 24, 3, 2000.0, 41.0, 0.052},
    {"2026 single weekly 700, one allowance: 700 - 176.15 = 523.85; 23 + 5.58 % x 11.85 = 23.66", 2026, 6, 15, 0, 52,
     1, 700.0, 24.0, 0.0558},
    {"three allowances, two dependents: 523.85 - 2 x 44.62 = 434.61; 5.2 % x 365.61 = 19.01", 2026, 6, 15, 0, 52, 3,
     700.0, 19.0, 0.052},
    {"head of household takes the single rows", 2026, 6, 15, 2, 52, 1, 700.0, 24.0, 0.0558},
    {"no allowance: no personal exemption: 23 + 5.58 % x 188 = 33.49", 2026, 6, 15, 0, 52, 0, 700.0, 33.0, 0.0558},
    {"married, one allowance: half the exemption: 1000 - 176.155 = 823.85; 5.2 % x 665.85 = 34.62", 2026, 6, 15, 1,
     52, 1, 1000.0, 35.0, 0.052},
    {"daily (260): annual rows, full exemption, 2320 per dependent: 52000 - 9160 - 4640 = 38200; (1196 + 5.58 % x "
     "11595) / 260 = 7.09",
     2026, 6, 15, 0, 260, 3, 200.0, 7.0, 0.0558},
    {"annual married 72540, two allowances: 54220 stays in the row ending at 54240: 5.2 % x 45980 = 2390.96", 2026,
     6, 15, 1, 1, 2, 72540.0, 2391.0, 0.052},
    // 28 July 2024 and before: 2250 per allowance, 3.1 / 5.25 / 5.7 %.
    {"28 July 2024, annual 36400, one allowance: 34150; 1252.50 + 5.7 % x 1150 = 1318.05", 2024, 7, 28, 0, 1, 1,
     36400.0, 1318.0, 0.057},
    {"29 July 2024, the same: 36400 - 9160 = 27240; 1196 + 5.58 % x 635 = 1231.43", 2024, 7, 29, 0, 1, 1, 36400.0,
     1231.0, 0.0558},
    {"March 2024 married annual 40000, two allowances: 35500; 3.1 % x 28000 = 868", 2024, 3, 1, 1, 1, 2, 40000.0,
     868.0, 0.031},
    {"March 2024 weekly (derived schedule): 700 - 43.27 = 656.73; 24.09 + 5.7 % x 21.73 = 25.33", 2024, 3, 1, 0, 52,
     1, 700.0, 25.0, 0.057},
};

TEST(Kansas, Paychecks) {
    for (const Paycheck& c : kPaychecks) {
        StatePaycheck p(kKansas, c.year, c.status, c.periods, c.allowances, c.wages, c.month, c.day);
        EXPECT_EQ(p.run() & 8, 0) << c.why;
        EXPECT_EQ(p.state.state_error, 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_tax, c.tax) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_rate_used, c.rate_used) << c.why;
        EXPECT_EQ(p.state.state_table_year, c.year) << c.why;
    }
}

// The schedules equal KW-100's printed ones: the top of the zero band, the
// start of the 5.58 % band and its base (status 0, then 1); the annual married
// 5.58 % row starts at 54200 as carried (printed 54,240).
TEST(Kansas, SchedulesAreThePrintedOnes) {
    const struct {
        int64_t periods;
        double single[3];
        double married[3];
    } printed[] = {
        {52, {69, 512, 23.00}, {158, 1043, 46.00}},       {26, {139, 1023, 46.00}, {317, 2086, 92.00}},
        {24, {150, 1109, 49.83}, {343, 2260, 99.67}},     {12, {300, 2217, 99.67}, {687, 4520, 199.33}},
        {4, {901, 6651, 299.00}, {2060, 13560, 598.00}},  {2, {1803, 13303, 598.00}, {4120, 27120, 1196.00}},
        {1, {3605, 26605, 1196.00}, {8240, 54200, 2392.00}},
    };
    for (const auto& s : printed) {
        for (int64_t status : {0, 1}) {
            const double* expected = status == 0 ? s.single : s.married;
            const StateBracketRow* first = txl5::scan_rows(kswh, MDATE{6, 15, 2026}, [&](const StateBracketRow& r) {
                return r.status == status && r.pay_periods == s.periods;
            });
            ASSERT_NE(first, nullptr);
            EXPECT_DOUBLE_EQ(first[0].upper, expected[0]) << s.periods << " status " << status;
            EXPECT_DOUBLE_EQ(first[2].lower, expected[1]) << s.periods << " status " << status;
            EXPECT_DOUBLE_EQ(first[2].base, expected[2]) << s.periods << " status " << status;
        }
    }
}

struct Supplemental {
    std::string why;
    int64_t allowances;
    int64_t method;
    double bonus;
    double expected;  // the preset 7.77 where none is written
};

// 2026, single, weekly 700.
const Supplemental kSupplemental[] = {
    {"flat 5 %: 1000 x 5 %", 1, 0, 1000.0, 50.0},
    {"flat 5 %: 333 x 5 % = 16.65, whole dollars", 1, 0, 333.0, 17.0},
    {"aggregate: (800 - 176.15) gives 23 + 5.58 % x 111.85 = 29.24; less 23.66", 1, 1, 100.0, 6.0},
    {"aggregate takes the full exemption even without an allowance: 29.24 - 33.49 is floored at 0", 0, 1, 100.0, 0.0},
    {"method 2 computes neither", 1, 2, 1000.0, 7.77},
};

TEST(Kansas, SupplementalWages) {
    for (const Supplemental& c : kSupplemental) {
        StatePaycheck p(kKansas, 2026, 0, 52, c.allowances, 700.0);
        p.state.state_supp_aggregate = c.method;
        p.state.state_supplemental_wages = c.bonus;
        p.state.state_supplemental_tax = 7.77;
        EXPECT_EQ(p.run() & 8, 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, c.expected) << c.why;
    }
}

TEST(Kansas, AStatusWithoutRowsFailsButTheSupplementalTaxIsComputed) {
    StatePaycheck p(kKansas, 2026, 5, 52, 1, 700.0);
    p.state.state_supp_aggregate = 0;
    p.state.state_supplemental_wages = 1000.0;
    EXPECT_EQ(p.run_direct(state_ks), 1);
    EXPECT_EQ(p.state.state_error, 1);
    EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, 50.0);
}

// Allowance counts of any size are worked in floating point: "allowances
// minus 2" and the deduction per allowance cannot overflow.
TEST(Kansas, ExtremeCountsDoNotOverflow) {
    for (int64_t allowances : {std::numeric_limits<int64_t>::max(), std::numeric_limits<int64_t>::min()}) {
        for (int64_t month : {3, 9}) {
            for (int64_t status : {0, 1}) {
                StatePaycheck p(kKansas, 2024, status, 52, allowances, 700.0, month);
                p.state.state_supp_aggregate = 1;
                p.state.state_supplemental_wages = 100.0;
                p.run_direct(state_ks);
                EXPECT_TRUE(std::isfinite(p.state.state_tax)) << allowances;
                EXPECT_TRUE(std::isfinite(p.state.state_supplemental_tax)) << allowances;
            }
        }
    }
}

TEST(Kansas, NonFiniteWagesAndPayPeriodsBelowOne) {
    StatePaycheck p(kKansas, 2026, 0, 52, 1, std::nan(""));
    EXPECT_EQ(p.run() & 8, 8);
    EXPECT_TRUE(std::isfinite(p.state.state_tax));
    for (int64_t periods : {0, -52}) {
        StatePaycheck q(kKansas, 2026, 0, periods, 1, 700.0);
        q.run_direct(state_ks);
        EXPECT_TRUE(std::isfinite(q.state.state_tax)) << periods;
    }
    EXPECT_EQ(state_ks(nullptr, nullptr), 1);
}

TEST(Kansas, Tables) {
    // Seven frequencies and three statuses: three rows each in the three
    // date ranges from 29 July 2024, four rows before it.
    EXPECT_EQ(txl5::table_row_count(kswh), 3 * 7 * 3 * 3 + 7 * 3 * 4);
    EXPECT_EQ(txl5::table_row_count(ksde), 3 * 7);
    EXPECT_EQ(txl5::table_row_count(supplemental_ks), 3);
}

TEST(Kansas, Exports) {
    txl5_test::expect_typed_functions({"state_ks"});
    txl5_test::expect_data_objects({"kswh", "ksde", "supplemental_ks"});
}

const int kKswhBrackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "kswh";
    t.rows = txl5_test::bracket_rows(kswh);
    // Kansas rounds each bound to whole dollars and divides each base from the
    // annual one.
    t.bound_rounding = 1.0;
    // The married annual 5.58 % row starts at 54200, below the end of the row
    // above it (54240), in each range from 29 July 2024.
    for (size_t i = 0; i < t.rows.size(); ++i) {
        if (t.rows[i].pay_periods == 1 && t.rows[i].status == 1 && t.rows[i].lower == 54200.0) t.allowed_rows.insert(i);
    }
    return t;
});

}  // namespace
