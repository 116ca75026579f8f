#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/tables.h"
#include "core/txl5.h"
#include "states/newjersey.h"
#include "tests/states/bracket_state_support.h"
#include "tests/support/brackets.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::StatePaycheck;

constexpr int64_t kNewJersey = 35;
constexpr int64_t kNoLetter = 0;
constexpr int64_t kUntouched = -7;  // aux_result preset by the tests

struct Paycheck {
    std::string why;  // where the expected amount comes from
    int64_t year;
    int64_t letter;  // state_rate_table
    int64_t status;
    int64_t pay_periods;
    int64_t allowances;
    double wages;
    double state_tax;  // after the driver's rounding to cents
    double rate_used;
    int64_t aux_result;  // taxable wages of the period in cents
};

const Paycheck kPaychecks[] = {
    // Weekly rate tables as printed with Form NJ-W4 (allowance 19.20 a week).
    {"NJ-W4 weekly table A: over 769, 15.28 + 6.1 % x 231 = 29.37", 2026, 'A', 0, 52, 0, 1000.0, 29.37, 0.061, 100000},
    {"NJ-W4 weekly table A, one allowance: 980.80; 15.28 + 6.1 % x 211.80 = 28.20", 2025, 'A', 0, 52, 1, 1000.0, 28.20,
     0.061, 98080},
    {"NJ-W4 weekly table B (status 1): over 1,538, 35.18 + 6.1 % x 462 = 63.36", 2024, kNoLetter, 1, 52, 0, 2000.0,
     63.36, 0.061, 200000},
    {"NJ-W4 weekly table C by letter, whatever the status: over 961, 19.99 + 3.5 % x 40 = 21.39", 2026, 'C', 1, 52, 0,
     1001.0, 21.39, 0.035, 100100},
    {"NJ-W4 weekly table D by letter: over 1,153, 30.94 + 5.6 % x 47 = 33.57", 2025, 'D', 0, 52, 0, 1200.0, 33.57,
     0.056, 120000},
    // Without a letter: statuses 1, 2 and 6 use table B, the others table A.
    {"no letter, status 1: table B, 17.30 + 2.7 % x 40 = 18.38", 2026, kNoLetter, 1, 52, 0, 1001.0, 18.38, 0.027,
     100100},
    {"no letter, status 2: table B", 2026, kNoLetter, 2, 52, 0, 1001.0, 18.38, 0.027, 100100},
    {"no letter, status 6: table B", 2026, kNoLetter, 6, 52, 0, 1001.0, 18.38, 0.027, 100100},
    {"no letter, status 3: table A, 15.28 + 6.1 % x 232 = 29.43", 2026, kNoLetter, 3, 52, 0, 1001.0, 29.43, 0.061,
     100100},
    {"no letter, status 0: table A", 2026, kNoLetter, 0, 52, 0, 1001.0, 29.43, 0.061, 100100},
    {"'F' is no rate table: status 6 uses table B", 2026, 'F', 6, 52, 0, 1001.0, 18.38, 0.027, 100100},
    // Annual tables: wages at a bracket floor bear the published base.
    {"annual table A: over 1,000,000 the tax is 82,180", 2026, 'A', 0, 1, 0, 1000000.0, 82180.0, 0.118, 100000000},
    {"annual table B: over 150,000 the tax is 6,100", 2026, 'B', 0, 1, 0, 150000.0, 6100.0, 0.07, 15000000},
    {"annual table C: over 60,000 the tax is 1,390", 2026, 'C', 0, 1, 0, 60000.0, 1390.0, 0.056, 6000000},
    {"annual table E: over 35,000 the tax is 600", 2025, 'E', 0, 1, 0, 35000.0, 600.0, 0.058, 3500000},
    {"annual table D, one allowance of 1,000: 41,000 - 1,000 = 40,000, base 840", 2024, 'D', 0, 1, 1, 41000.0, 840.0,
     0.034, 4000000},
    {"annual table E: over 100,000 the tax is 4,370", 2024, 'E', 0, 1, 0, 100000.0, 4370.0, 0.065, 10000000},
    // Other cases (hand arithmetic).
    {"aux_result truncates the cents: 123.456 gives 12345; 1.5 % x 123.456 = 1.85", 2026, 'A', 0, 52, 0, 123.456,
     1.85, 0.015, 12345},
    {"allowances above the wages: taxable floored at 0, aux_result 0", 2026, 'A', 0, 52, 1, 10.0, 0.0, 0.015, 0},
    {"daily (365), no daily table: 365 x 100 = 36,500; (600 + 3.9 % x 1500) / 365 = 1.80; aux_result not written",
     2026, 'A', 0, 365, 0, 100.0, 1.80, 0.039, kUntouched},
    {"daily, one allowance: 365 x (100 - 1000 / 365) = 35,500; (600 + 3.9 % x 500) / 365 = 1.70", 2026, 'A', 0, 365,
     1, 100.0, 1.70, 0.039, kUntouched},
};

TEST(NewJersey, Paychecks) {
    for (const Paycheck& c : kPaychecks) {
        StatePaycheck p(kNewJersey, c.year, c.status, c.pay_periods, c.allowances, c.wages);
        p.state.state_rate_table = c.letter;
        p.fed.aux_result = kUntouched;
        EXPECT_EQ(p.run() & 8, 0) << c.why;
        EXPECT_EQ(p.state.state_error, 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_tax, c.state_tax) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_rate_used, c.rate_used) << c.why;
        EXPECT_EQ(p.fed.aux_result, c.aux_result) << c.why;
        EXPECT_EQ(p.state.state_table_year, c.year) << c.why;
    }
}

// The weekly rows of tables A to D as printed with Form NJ-W4 (up to 9.9 %):
// lower bound, base, rate.
struct PrintedRow {
    double lower;
    double base;
    double rate;
};

const std::vector<std::vector<PrintedRow>> kPrintedWeekly = {
    {{0, 0, 0.015}, {384, 5.76, 0.02}, {673, 11.54, 0.039}, {769, 15.28, 0.061}, {1442, 56.34, 0.07},
     {9615, 628.45, 0.099}},
    {{0, 0, 0.015}, {384, 5.76, 0.02}, {961, 17.30, 0.027}, {1346, 27.70, 0.039}, {1538, 35.18, 0.061},
     {2884, 117.29, 0.07}, {9615, 588.46, 0.099}},
    {{0, 0, 0.015}, {384, 5.76, 0.023}, {769, 14.62, 0.028}, {961, 19.99, 0.035}, {1153, 26.71, 0.056},
     {2884, 123.65, 0.066}},
    {{0, 0, 0.015}, {384, 5.76, 0.027}, {769, 16.16, 0.034}, {961, 22.68, 0.043}, {1153, 30.94, 0.056},
     {2884, 127.88, 0.065}},
};

TEST(NewJersey, DerivedWeeklyTablesMatchTheOnesPrintedWithFormNJW4) {
    for (int64_t year : {2024, 2025, 2026}) {
        for (int64_t table = 0; table < 4; ++table) {
            std::vector<const StateBracketRow*> rows;
            for (const StateBracketRow* row = njwh; row->start_date.month != 0; ++row) {
                if (row->start_date.year == year && row->status == table && row->pay_periods == 52) {
                    rows.push_back(row);
                }
            }
            const auto& printed = kPrintedWeekly[table];
            ASSERT_GE(rows.size(), printed.size()) << year << " table " << table;
            for (size_t i = 0; i < printed.size(); ++i) {
                EXPECT_DOUBLE_EQ(rows[i]->lower, printed[i].lower) << year << " table " << table << " row " << i;
                EXPECT_DOUBLE_EQ(rows[i]->base, printed[i].base) << year << " table " << table << " row " << i;
                EXPECT_DOUBLE_EQ(rows[i]->rate, printed[i].rate) << year << " table " << table << " row " << i;
                EXPECT_DOUBLE_EQ(rows[i]->allowance_amount, 19.20) << year << " table " << table;
            }
        }
    }
}

// Each derived table gives, to a few cents, what the published annual table
// gives for the same annual wages (bounds cut to whole dollars move the tax by
// less than a dollar times the top rate).
TEST(NewJersey, DerivedTablesFollowTheAnnualOnes) {
    for (int64_t year : {2024, 2025, 2026}) {
        for (int64_t status : {0, 1, 2, 3, 4}) {
            for (int64_t periods : {52, 26, 24, 12, 4, 2}) {
                for (double annual : {15000.0, 30000.0, 45000.0, 65000.0, 120000.0, 400000.0, 800000.0, 2e6}) {
                    StatePaycheck per(kNewJersey, year, 0, periods, 1, annual / static_cast<double>(periods));
                    StatePaycheck whole(kNewJersey, year, 0, 1, 1, annual);
                    per.state.state_rate_table = whole.state.state_rate_table = 'A' + status;
                    EXPECT_EQ(per.run() & 8, 0);
                    EXPECT_EQ(whole.run() & 8, 0);
                    EXPECT_NEAR(per.state.state_tax, whole.state.state_tax / static_cast<double>(periods), 0.15)
                        << year << " table " << status << " pay periods " << periods << " annual " << annual;
                }
            }
        }
    }
}

TEST(NewJersey, SupplementalWagesAreTaxedInAggregateOnly) {
    struct Case {
        std::string why;
        int64_t version;
        int64_t method;  // state_supp_aggregate: not read
        double supplemental_wages;
        double expected;
    } cases[] = {
        {"1480.80 in the 7 % bracket: 56.34 + 7 % x 38.80 = 59.056, less 28.1998", 145, 1, 500.0, 30.86},
        {"the flat-rate choice is not read", 145, 0, 500.0, 30.86},
        {"nor any other value", 145, 2, 500.0, 30.86},
        {"negative supplemental wages: floored at 0", 145, 1, -500.0, 0.0},
        {"layout 144: not computed", 144, 1, 500.0, 7.77},
    };
    for (const Case& c : cases) {
        StatePaycheck p(kNewJersey, 2026, 0, 52, 1, 1000.0);
        p.state.struc_version = c.version;
        p.state.state_rate_table = 'A';
        p.state.state_supp_aggregate = c.method;
        p.state.state_supplemental_wages = c.supplemental_wages;
        p.state.state_supplemental_tax = 7.77;
        p.fed.aux_result = kUntouched;
        EXPECT_EQ(p.run(), 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, c.expected) << c.why;
        // The aggregate repeat leaves the regular wages' results.
        EXPECT_DOUBLE_EQ(p.state.state_tax, 28.20) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_rate_used, 0.061) << c.why;
        EXPECT_EQ(p.fed.aux_result, 98080) << c.why;
    }
}

TEST(NewJersey, PayPeriodsBelowOneGiveAFiniteTax) {
    for (int64_t periods : {0, -1, -52}) {
        StatePaycheck p(kNewJersey, 2026, 0, periods, 1, 1000.0);
        p.state.state_supplemental_wages = 500.0;
        p.fed.aux_result = kUntouched;
        EXPECT_EQ(p.run() & 8, 0) << periods;
        EXPECT_DOUBLE_EQ(p.state.state_tax, 0.0) << periods;
        EXPECT_TRUE(std::isfinite(p.state.state_supplemental_tax)) << periods;
        EXPECT_EQ(p.fed.aux_result, kUntouched) << periods << ": no table of that frequency";
    }
}

TEST(NewJersey, TablesCoverEveryYearTableAndFrequency) {
    txl5_test::expect_schedules(njwh, {2026, 2025, 2024}, {0, 1, 2, 3, 4}, {1, 2, 4, 12, 24, 26, 52}, "njwh");
    txl5_test::expect_newest_first(njwh, "njwh");
    // Tables A to E have 7, 8, 8, 8 and 6 brackets.
    EXPECT_EQ(txl5::table_row_count(njwh), 3 * 7 * (7 + 8 + 8 + 8 + 6));
}

TEST(NewJersey, Exports) {
    txl5_test::expect_typed_functions({"state_nj"});
    txl5_test::expect_data_objects({"njwh"});
}

// Bases are running totals rounded to the cent row by row, so a base may
// differ from the previous base plus rate times width by up to a cent.
const int kNjwhBrackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "njwh";
    t.rows = txl5_test::bracket_rows(njwh);
    return t;
});

}  // namespace
