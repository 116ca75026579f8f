#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "states/newmexico.h"
#include "tests/states/bracket_state_support.h"
#include "tests/support/brackets.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::StatePaycheck;

constexpr int64_t kNewMexico = 36;

struct Paycheck {
    std::string why;  // where the expected amount comes from
    int64_t year;
    int64_t status;
    int64_t pay_periods;
    int64_t allowances;
    double wages;
    double state_tax;  // after the driver's rounding to cents
    double rate_used;
};

const Paycheck kPaychecks[] = {
    // Published annual tables (FYI-104): wages at a bracket floor bear the printed base.
    {"FYI-104 2026, head of household: over 327,075 the tax is 14,624", 2026, 2, 1, 0, 327075.0, 14624.0, 0.059},
    {"FYI-104 2026, single: over 218,050 the tax is 9,748", 2026, 0, 1, 0, 218050.0, 9748.0, 0.059},
    {"FYI-104 2026, married: over 41,100 the tax is 664", 2026, 1, 1, 0, 41100.0, 664.0, 0.043},
    {"FYI-104 2025, single: over 217,500 the tax is 9,748", 2025, 0, 1, 0, 217500.0, 9748.0, 0.059},
    {"FYI-104 2025, married: over 115,000 the tax is 4,089", 2025, 1, 1, 0, 115000.0, 4089.0, 0.049},
    {"FYI-104 2024, married: over 329,600 the tax is 15,027", 2024, 1, 1, 0, 329600.0, 15027.0, 0.059},
    {"FYI-104 2024, head of household: over 26,950 the tax is 392", 2024, 2, 1, 0, 26950.0, 392.0, 0.047},
    {"FYI-104 2023, single: over 216,925 the tax is 10,010.50", 2023, 0, 1, 0, 216925.0, 10010.50, 0.059},
    {"FYI-104 2023, married: over 37,850 the tax is 768", 2023, 1, 1, 0, 37850.0, 768.0, 0.049},
    // Statuses (hand arithmetic).
    {"head of household from 2020: at 20,075 the tax is 120", 2026, 2, 1, 0, 20075.0, 120.0, 0.032},
    {"status 12 is withheld as single: 82.50 + 3.2 % x (20,075 - 13,550) = 291.30", 2026, 12, 1, 0, 20075.0, 291.30,
     0.032},
    {"allowances take nothing off (no allowance amount): as head of household", 2026, 2, 1, 5, 20075.0, 120.0, 0.032},
    // Per-frequency tables (derived rows), hand arithmetic: weekly single
    // bounds 13,550 / 52 = 260.58 -> 261, 20,550 / 52 = 395.19 -> 395; base at
    // 261: 1.5 % x (261 - 155) = 1.59.
    {"weekly 2026 single: 1.59 + 3.2 % x (300 - 261) = 2.84", 2026, 0, 52, 0, 300.0, 2.84, 0.032},
    {"daily (365), no daily table: (82.50 + 3.2 % x (365 x 50 - 13,550)) / 365 = 0.64", 2026, 0, 365, 0, 50.0, 0.64,
     0.032},
};

TEST(NewMexico, Paychecks) {
    for (const Paycheck& c : kPaychecks) {
        StatePaycheck p(kNewMexico, c.year, c.status, c.pay_periods, c.allowances, c.wages);
        EXPECT_EQ(p.run() & 8, 0) << c.why;
        EXPECT_EQ(p.state.state_error, 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_tax, c.state_tax) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_rate_used, c.rate_used) << c.why;
        EXPECT_EQ(p.state.state_table_year, c.year) << c.why;
    }
}

TEST(NewMexico, AtMostThreeAllowancesAfter22May2018) {
    // The cap by check date. No table rows exist for 2018 (and the rows of
    // 2023 on carry no allowance amount), so the boundary is checked on the
    // rule itself.
    struct Case {
        MDATE date;
        int64_t allowances;
        int64_t counted;
    } cases[] = {
        {{5, 22, 2018}, 5, 5},  // on 22 May 2018: no cap yet
        {{5, 23, 2018}, 5, 3},  // the day after
        {{6, 1, 2018}, 5, 3},
        {{4, 30, 2018}, 5, 5},
        {{12, 31, 2017}, 9, 9},
        {{1, 1, 2019}, 5, 3},
        {{6, 15, 2026}, 5, 3},
        {{6, 15, 2026}, 3, 3},
        {{6, 15, 2026}, 2, 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(txl5::nm_allowances_counted(c.date, c.allowances), c.counted)
            << c.date.month << "/" << c.date.day << "/" << c.date.year;
    }
}

struct Supplemental {
    std::string why;
    int64_t year;
    int64_t version;
    int64_t method;  // state_supp_aggregate
    double supplemental_wages;
    double expected;  // state_supplemental_tax; the preset 7.77 where none is computed
};

const Supplemental kSupplemental[] = {
    {"flat 5.9 % in 2026 (FYI-104)", 2026, 145, 0, 1000.0, 59.00},
    {"flat 5.9 % in 2025", 2025, 145, 0, 1000.0, 59.00},
    {"flat 5.9 % in 2024", 2024, 145, 0, 1000.0, 59.00},
    {"flat 5.9 % in 2023", 2023, 145, 0, 1000.0, 59.00},
    {"aggregate: 21,000 - 20,000 at 3.2 %", 2026, 145, 1, 1000.0, 32.00},
    // 19,000: 82.50 + 3.2 % x 5450 = 256.90; less 288.90 is -32.00, which the
    // cent rounding moves toward zero (-32.00 gives -31.99).
    {"aggregate is not floored: negative supplemental wages give a negative tax", 2026, 145, 1, -1000.0, -31.99},
    {"method 2 computes neither", 2026, 145, 2, 1000.0, 7.77},
    {"layout 144 computes no supplemental tax", 2026, 144, 1, 1000.0, 7.77},
};

TEST(NewMexico, SupplementalWages) {
    for (const Supplemental& c : kSupplemental) {
        StatePaycheck p(kNewMexico, c.year, 0, 1, 0, 20000.0);
        p.state.struc_version = c.version;
        p.state.state_supp_aggregate = c.method;
        p.state.state_supplemental_wages = c.supplemental_wages;
        p.state.state_supplemental_tax = 7.77;
        EXPECT_EQ(p.run() & 8, 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, c.expected) << c.why;
        if (c.year == 2026) {
            EXPECT_DOUBLE_EQ(p.state.state_rate_used, 0.032) << c.why << ": the regular wages' rate";
        }
    }
}

// Each derived table gives, to a few cents, what the published annual table
// gives for the same annual wages.
TEST(NewMexico, DerivedTablesFollowTheAnnualOnes) {
    for (int64_t year : {2023, 2024, 2025, 2026}) {
        for (int64_t status : {0, 1, 2}) {
            for (int64_t periods : {52, 26, 24, 12, 4, 2}) {
                for (double annual : {9000.0, 16000.0, 22000.0, 30000.0, 45000.0, 80000.0, 200000.0, 400000.0}) {
                    const double per_period = txl5_test::state_tax_of(kNewMexico, year, status, periods, 0,
                                                                      annual / static_cast<double>(periods));
                    const double from_annual =
                        txl5_test::state_tax_of(kNewMexico, year, status, 1, 0, annual) / static_cast<double>(periods);
                    EXPECT_NEAR(per_period, from_annual, 0.05)
                        << year << " status " << status << " pay periods " << periods << " annual " << annual;
                }
            }
        }
    }
}

TEST(NewMexico, PayPeriodsBelowOneGiveAFiniteTax) {
    for (int64_t periods : {0, -1, -12}) {
        StatePaycheck p(kNewMexico, 2026, 0, periods, 2, 1000.0);
        p.state.state_supp_aggregate = 1;
        p.state.state_supplemental_wages = 500.0;
        EXPECT_EQ(p.run() & 8, 0) << periods;
        EXPECT_DOUBLE_EQ(p.state.state_tax, 0.0) << periods;
        EXPECT_TRUE(std::isfinite(p.state.state_supplemental_tax)) << periods;
    }
}

TEST(NewMexico, TablesCoverEveryYearStatusAndFrequency) {
    txl5_test::expect_schedules(nmwh, {2026, 2025, 2024, 2023}, {0, 1, 2}, {1, 2, 4, 12, 24, 26, 52}, "nmwh");
    txl5_test::expect_newest_first(nmwh, "nmwh");
    EXPECT_EQ(txl5::table_row_count(nmwh), 4 * 3 * 7 * 10);
    for (const StateBracketRow* row = nmwh; row->start_date.month != 0; ++row) EXPECT_EQ(row->allowance_amount, 0.0);
    EXPECT_EQ(txl5::table_row_count(supplemental_nm), 4);
}

TEST(NewMexico, Exports) {
    txl5_test::expect_typed_functions({"state_nm"});
    txl5_test::expect_data_objects({"nmwh", "supplemental_nm"});
}

const int kNmwhBrackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "nmwh";
    t.rows = txl5_test::bracket_rows(nmwh);
    return t;
});

}  // namespace
