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

const txl5_test::BracketPaycheck kPaychecks[] = {
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
    // Per-frequency tables of FYI-104 2026 as printed: hand arithmetic on the
    // printed row (floor, tax at the floor, rate).
    {"FYI-104 2026 weekly single, over 261: 1.59 + 3.2 % x (300 - 261) = 2.84", 2026, 0, 52, 0, 300.0, 2.84, 0.032},
    {"FYI-104 2026 weekly single, over 1,434: 52.24 + 4.9 % x 66 = 55.47", 2026, 0, 52, 0, 1500.0, 55.47, 0.049},
    {"FYI-104 2026 biweekly head of household, over 2,388: 66.88 + 4.7 % x 112 = 72.14", 2026, 2, 26, 0, 2500.0,
     72.14, 0.047},
    {"FYI-104 2026 semimonthly single, over 856: 12.77 + 3.2 % x 144 = 17.38", 2026, 0, 24, 0, 1000.0, 17.38, 0.032},
    {"FYI-104 2026 monthly married, over 4,758: 112.67 + 4.3 % x 242 = 123.08", 2026, 1, 12, 0, 5000.0, 123.08,
     0.043},
    {"FYI-104 2026 quarterly single: at the floor 3,388 the printed 20.63", 2026, 0, 4, 0, 3388.0, 20.63, 0.032},
    {"FYI-104 2026 semiannual married, over 58,050: 2,044.50 + 4.9 % x 1,950 = 2,140.05", 2026, 1, 2, 0, 60000.0,
     2140.05, 0.049},
    // Per-frequency rows of 2023-2025, derived by the rule of the printed 2026
    // tables (bounds to the dollar, bases = annual base / periods to the cent);
    // hand arithmetic.
    {"2025 weekly single: 13,000 / 52 = 250, base 82.50 / 52 = 1.59; 1.59 + 3.2 % x 50 = 3.19", 2025, 0, 52, 0, 300.0,
     3.19, 0.032},
    {"2024 monthly married: 38,600 / 12 -> 3,217, base 768 / 12 = 64; 64 + 4.9 % x 783 = 102.37", 2024, 1, 12, 0,
     4000.0, 102.37, 0.049},
    {"2023 biweekly head of household: 26,400 / 26 -> 1,015, base 392 / 26 -> 15.08; 15.08 + 4.7 % x 186 = 23.82",
     2023, 2, 26, 0, 1201.0, 23.82, 0.047},
    {"daily (365), no daily table: (82.50 + 3.2 % x (365 x 50 - 13,550)) / 365 = 0.64", 2026, 0, 365, 0, 50.0, 0.64,
     0.032},
};

TEST(NewMexico, Paychecks) {
    txl5_test::expect_paychecks(kNewMexico, kPaychecks);
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

// Each per-frequency table (printed or derived) gives, to a few cents, what the
// annual table gives for the same annual wages: its bounds move by at most half
// a dollar and its bases by half a cent.
TEST(NewMexico, PerFrequencyTablesFollowTheAnnualOnes) {
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

// Rows transcribed from the per-frequency tables of FYI-104 2026 (over, but not
// over, tax at the floor, rate), among them bounds and bases where the annual
// amount divided by the periods ends in a half (2,387.50; 2,012.50; 20.625;
// 6.875), which the printed tables round up.
TEST(NewMexico, PrintedTablesOf2026) {
    struct Printed {
        int64_t status;
        int64_t pay_periods;
        double lower;
        double upper;
        double base;
        double rate;
    } printed[] = {
        {0, 52, 155.0, 261.0, 0.0, 0.015},        // weekly single
        {0, 52, 1434.0, 4193.0, 52.24, 0.049},
        {1, 52, 6367.0, 0.0, 281.23, 0.059},      // weekly married, top bracket
        {2, 26, 1426.0, 2041.0, 25.54, 0.043},    // biweekly head of household
        {2, 26, 2388.0, 3772.0, 66.88, 0.047},    //   62,075 / 26 = 2,387.50
        {1, 24, 13796.0, 0.0, 609.33, 0.059},     // semimonthly married, top bracket
        {0, 12, 1129.0, 1713.0, 6.88, 0.032},     // monthly single: 82.50 / 12 = 6.875
        {1, 12, 9675.0, 27592.0, 340.75, 0.049},  // monthly married
        {0, 4, 2013.0, 3388.0, 0.0, 0.015},       // quarterly single: 8,050 / 4 = 2,012.50
        {0, 4, 3388.0, 5138.0, 20.63, 0.032},     //   82.50 / 4 = 20.625
        {2, 2, 6038.0, 10038.0, 0.0, 0.015},      // semiannual head of household
        {2, 2, 163538.0, 0.0, 7312.0, 0.059},     //   top bracket
    };
    for (const Printed& want : printed) {
        const StateBracketRow* found = nullptr;
        for (const StateBracketRow* row = nmwh; row->start_date.month != 0; ++row) {
            if (row->start_date.year == 2026 && row->status == want.status && row->pay_periods == want.pay_periods &&
                row->lower == want.lower) {
                found = row;
            }
        }
        ASSERT_NE(found, nullptr) << "status " << want.status << " pay periods " << want.pay_periods << " over "
                                  << want.lower;
        EXPECT_EQ(found->upper, want.upper) << want.lower;
        EXPECT_EQ(found->base, want.base) << want.lower;
        EXPECT_EQ(found->rate, want.rate) << want.lower;
        EXPECT_EQ(found->allowance_amount, 0.0) << want.lower;
    }
}

TEST(NewMexico, CalledDirectlyPayPeriodsBelowOneGiveAFiniteTax) {
    for (int64_t periods : {0, -1, -12}) {
        StatePaycheck p(kNewMexico, 2026, 0, periods, 2, 1000.0);
        p.state.state_supp_aggregate = 1;
        p.state.state_supplemental_wages = 500.0;
        EXPECT_EQ(p.run_direct(state_nm), 0) << periods;
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

// The annual schedules add up to the cent. A per-frequency base is the annual
// base divided by the periods, to the cent, over bounds rounded to dollars, so
// it may differ from the arithmetic over the rounded bounds by up to the rate
// times a dollar.
int register_nmwh(bool annual, const char* name) {
    return txl5_test::register_bracket_table([=] {
        txl5_test::BracketTable t;
        t.name = name;
        t.bound_rounding = annual ? 0.0 : 1.0;
        for (const txl5_test::ScheduleRow& row : txl5_test::bracket_rows(nmwh)) {
            if ((row.pay_periods == 1) == annual) t.rows.push_back(row);
        }
        return t;
    });
}

const int kNmwhAnnualBrackets = register_nmwh(true, "nmwh annual");
const int kNmwhPeriodBrackets = register_nmwh(false, "nmwh per frequency");

}  // namespace
