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

// "NJ-WT tables" below: the Division of Taxation's Tables for Percentage Method
// of Withholding, wages paid on and after 1 October 2020 (in force 2024-2026).
const Paycheck kPaychecks[] = {
    // Table A as printed in the NJ-WT tables, one frequency after another.
    {"NJ-WT weekly table A: over 769, 15.29 + 6.1 % x 231 = 29.381", 2026, 'A', 0, 52, 0, 1000.0, 29.38, 0.061, 100000},
    {"NJ-WT weekly table A, one allowance of 19.20: 980.80; 15.29 + 6.1 % x 211.80 = 28.2098", 2025, 'A', 0, 52, 1,
     1000.0, 28.21, 0.061, 98080},
    {"NJ-WT weekly table A, top band: over 19,231, 1,580.38 + 11.8 % x 769 = 1,671.122", 2024, 'A', 0, 52, 0, 20000.0,
     1671.12, 0.118, 2000000},
    {"NJ-WT biweekly table A: over 769, 12.00 + 2.0 % x 231 = 16.62", 2026, 'A', 0, 26, 0, 1000.0, 16.62, 0.02,
     100000},
    {"NJ-WT biweekly table A: over 2,885, 113.00 + 7.0 % x 115 = 121.05", 2024, 'A', 0, 26, 0, 3000.0, 121.05, 0.07,
     300000},
    {"NJ-WT semimonthly table A: over 1,667, 33.00 + 6.1 % x 333 = 53.313", 2025, 'A', 0, 24, 0, 2000.0, 53.31, 0.061,
     200000},
    {"NJ-WT semimonthly table A, one allowance of 41.60: 958.40; 13.00 + 2.0 % x 125.40 = 15.508", 2026, 'A', 0, 24, 1,
     1000.0, 15.51, 0.02, 95840},
    {"NJ-WT monthly table A: over 2,917, 50.00 + 3.9 % x 83 = 53.237", 2026, 'A', 0, 12, 0, 3000.0, 53.24, 0.039,
     300000},
    {"NJ-WT monthly table A: over 41,667, 2,723.00 + 9.9 % x 8,333 = 3,547.967", 2024, 'A', 0, 12, 0, 50000.0, 3547.97,
     0.099, 5000000},
    {"NJ-WT quarterly table A: over 10,000, 198.75 + 6.1 % x 2,000 = 320.75", 2025, 'A', 0, 4, 0, 12000.0, 320.75,
     0.061, 1200000},
    // Schedules derived from the annual rows by the NJ-WT rounding (hand arithmetic).
    {"semiannual table A: over 20,000 (40,000 / 2), 397.50 (795 / 2) + 6.1 % x 10,000 = 1,007.50", 2026, 'A', 0, 2, 0,
     30000.0, 1007.50, 0.061, 3000000},
    {"weekly table B (status 1), as on Form NJ-W4: over 1,538, 35.19 + 6.1 % x 462 = 63.372", 2024, kNoLetter, 1, 52, 0,
     2000.0, 63.37, 0.061, 200000},
    {"weekly table C by letter, whatever the status: over 962 (50,000 / 52), 20.00 (1,040 / 52) + 3.5 % x 40", 2026,
     'C', 1, 52, 0, 1002.0, 21.40, 0.035, 100200},
    {"weekly table D by letter: over 1,154 (60,000 / 52), 30.96 (1,610 / 52) + 5.6 % x 46 = 33.536", 2025, 'D', 0, 52,
     0, 1200.0, 33.54, 0.056, 120000},
    {"monthly table E: over 2,917 (35,000 / 12), 50.00 (600 / 12) + 5.8 % x 83 = 54.814", 2025, 'E', 0, 12, 0, 3000.0,
     54.81, 0.058, 300000},
    // Without a letter: statuses 1, 2 and 6 use table B, the others table A.
    {"no letter, status 1: weekly table B, 17.31 + 2.7 % x 39 = 18.363", 2026, kNoLetter, 1, 52, 0, 1001.0, 18.36,
     0.027, 100100},
    {"no letter, status 2: table B", 2026, kNoLetter, 2, 52, 0, 1001.0, 18.36, 0.027, 100100},
    {"no letter, status 6: table B", 2026, kNoLetter, 6, 52, 0, 1001.0, 18.36, 0.027, 100100},
    {"no letter, status 3: table A, 15.29 + 6.1 % x 232 = 29.442", 2026, kNoLetter, 3, 52, 0, 1001.0, 29.44, 0.061,
     100100},
    {"no letter, status 0: table A", 2026, kNoLetter, 0, 52, 0, 1001.0, 29.44, 0.061, 100100},
    {"'F' is no rate table: status 6 uses table B", 2026, 'F', 6, 52, 0, 1001.0, 18.36, 0.027, 100100},
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

// A row as printed: pay periods, bracket floor ("Over"), ceiling ("But Not
// Over", 0 = none), base, rate and the allowance of the schedule.
struct PrintedRow {
    int64_t pay_periods;
    double lower;
    double upper;
    double base;
    double rate;
    double allowance;
};

const StateBracketRow* find_row(int64_t year, int64_t table, int64_t pay_periods, double lower) {
    for (const StateBracketRow* row = njwh; row->start_date.month != 0; ++row) {
        if (row->start_date.year == year && row->status == table && row->pay_periods == pay_periods &&
            row->lower == lower) {
            return row;
        }
    }
    return nullptr;
}

void expect_printed(int64_t table, const std::vector<PrintedRow>& printed, const std::string& where) {
    for (int64_t year : {2024, 2025, 2026}) {
        for (const PrintedRow& p : printed) {
            const std::string key = where + " " + std::to_string(year) + " pay periods " +
                                    std::to_string(p.pay_periods) + " over " + std::to_string(p.lower);
            const StateBracketRow* row = find_row(year, table, p.pay_periods, p.lower);
            ASSERT_NE(row, nullptr) << key << ": no such row";
            EXPECT_DOUBLE_EQ(row->upper, p.upper) << key;
            EXPECT_DOUBLE_EQ(row->base, p.base) << key;
            EXPECT_DOUBLE_EQ(row->rate, p.rate) << key;
            EXPECT_DOUBLE_EQ(row->allowance_amount, p.allowance) << key;
        }
    }
}

// Table A rows read off the NJ-WT tables, every frequency the copy shows.
TEST(NewJersey, TableAMatchesTheNJWTTables) {
    expect_printed(0,
                   {
                       {52, 0, 385, 0, 0.015, 19.20},
                       {52, 385, 673, 5.77, 0.02, 19.20},
                       {52, 1442, 9615, 56.35, 0.07, 19.20},
                       {52, 19231, 0, 1580.38, 0.118, 19.20},
                       {26, 1538, 2885, 31.00, 0.061, 38.40},
                       {26, 38462, 0, 3161.00, 0.118, 38.40},
                       {24, 833, 1458, 13.00, 0.02, 41.60},
                       {24, 20833, 41667, 1362.00, 0.099, 41.60},
                       {12, 3333, 6250, 66.00, 0.061, 83.30},
                       {12, 83333, 0, 6848.00, 0.118, 83.30},
                       {4, 10000, 18750, 198.75, 0.061, 250},
                       {4, 250000, 0, 20545.00, 0.118, 250},
                       {1, 75000, 500000, 2930.00, 0.07, 1000},
                   },
                   "NJ-WT table A");
}

// Table B weekly is derived; an earlier Form NJ-W4 revision (the one with
// 15.6 % above 5,000,000) prints its rows up to 7 %, unchanged since.
TEST(NewJersey, DerivedWeeklyTableBMatchesFormNJW4) {
    expect_printed(1,
                   {
                       {52, 0, 385, 0, 0.015, 19.20},
                       {52, 385, 962, 5.77, 0.02, 19.20},
                       {52, 962, 1346, 17.31, 0.027, 19.20},
                       {52, 1346, 1538, 27.69, 0.039, 19.20},
                       {52, 1538, 2885, 35.19, 0.061, 19.20},
                       {52, 2885, 9615, 117.31, 0.07, 19.20},
                   },
                   "NJ-W4 table B");
}

// Each per-frequency table gives what the annual table gives for the same
// annual wages, within the printed rounding: a base off the annual base / pay
// periods by up to half a cent weekly and half a dollar biweekly, semimonthly
// and monthly, a bound off by up to half a dollar (times the top rate 11.8 %),
// the allowance cut to the dime (at most 0.07 x 11.8 %) and the two results'
// rounding to cents. Quarterly and semiannual tables are exact.
double rounding_allowed(int64_t pay_periods) {
    switch (pay_periods) {
        case 52: return 0.08;
        case 26: case 24: case 12: return 0.58;
        default: return 0.011;
    }
}

TEST(NewJersey, PerFrequencyTablesFollowTheAnnualOnes) {
    for (int64_t year : {2024, 2025, 2026}) {
        for (int64_t status : {0, 1, 2, 3, 4}) {
            for (int64_t periods : {52, 26, 24, 12, 4, 2}) {
                for (double annual : {15000.0, 30000.0, 45000.0, 65000.0, 120000.0, 400000.0, 800000.0, 2e6}) {
                    StatePaycheck per(kNewJersey, year, 0, periods, 1, annual / static_cast<double>(periods));
                    StatePaycheck whole(kNewJersey, year, 0, 1, 1, annual);
                    per.state.state_rate_table = whole.state.state_rate_table = 'A' + status;
                    EXPECT_EQ(per.run() & 8, 0);
                    EXPECT_EQ(whole.run() & 8, 0);
                    EXPECT_NEAR(per.state.state_tax, whole.state.state_tax / static_cast<double>(periods),
                                rounding_allowed(periods))
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
        {"1480.80 in the 7 % bracket: 56.35 + 7 % x 38.80 = 59.066, less 28.2098", 145, 1, 500.0, 30.86},
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
        EXPECT_DOUBLE_EQ(p.state.state_tax, 28.21) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_rate_used, 0.061) << c.why;
        EXPECT_EQ(p.fed.aux_result, 98080) << c.why;
    }
}

TEST(NewJersey, CalledDirectlyPayPeriodsBelowOneGiveAFiniteTax) {
    for (int64_t periods : {0, -1, -52}) {
        StatePaycheck p(kNewJersey, 2026, 0, periods, 1, 1000.0);
        p.state.state_supplemental_wages = 500.0;
        p.fed.aux_result = kUntouched;
        EXPECT_EQ(p.run_direct(state_nj), 0) << periods;
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

// Bracket arithmetic of njwh by rounding of the printed tables. Annual,
// quarterly and semiannual rows are exact. Weekly bounds are the annual ones /
// 52 to the nearest dollar (a width off by up to a dollar: rate x 1.0) and
// bases to the nearest cent (two roundings: 0.01). Biweekly, semimonthly and
// monthly bases are rounded to the dollar: two roundings of up to half a
// dollar each (1.0), plus the rate times a dollar of bound rounding. The
// widest gap in the table, 0.81 (table B monthly at 12,500: 508 against
// 153 + 6.1 % x 5,833 = 508.81), is more than one half-dollar rounding
// explains, so the tolerance is the full dollar of the two roundings.
txl5_test::BracketTable njwh_rows(const std::string& which, std::vector<int64_t> pay_periods, double tolerance,
                                  double bound_rounding) {
    txl5_test::BracketTable t;
    t.name = "njwh (" + which + ")";
    for (const txl5_test::ScheduleRow& row : txl5_test::bracket_rows(njwh)) {
        for (int64_t p : pay_periods) {
            if (row.pay_periods == p) t.rows.push_back(row);
        }
    }
    t.tolerance = tolerance;
    t.bound_rounding = bound_rounding;
    return t;
}

const int kNjwhExact = txl5_test::register_bracket_table(
    [] { return njwh_rows("annual, quarterly, semiannual", {1, 4, 2}, 0.01, 0.0); });
const int kNjwhWeekly = txl5_test::register_bracket_table([] { return njwh_rows("weekly", {52}, 0.01, 1.0); });
const int kNjwhToTheDollar = txl5_test::register_bracket_table(
    [] { return njwh_rows("biweekly, semimonthly, monthly", {26, 24, 12}, 1.0, 1.0); });

}  // namespace
