#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "states/nebraska.h"
#include "tests/states/bracket_state_support.h"
#include "tests/support/brackets.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::StatePaycheck;

constexpr int64_t kNebraska = 32;

const txl5_test::BracketPaycheck kPaychecks[] = {
    // Published annual schedules: wages at a bracket floor bear the printed base.
    {"Circular EN 2026, single: over 75,370 the tax is 2,922.30", 2026, 0, 1, 0, 75370.0, 2922.30, 0.046},
    {"Circular EN 2026, married: over 62,530 the tax is 2,018.75", 2026, 1, 1, 0, 62530.0, 2018.75, 0.0448},
    {"Circular EN 2026, single, one allowance of 2,440: 24,250 - 2,440 = 21,810, base 560.35", 2026, 0, 1, 1,
     24250.0, 560.35, 0.0421},
    {"2025 table, single: over 72,750 the tax is 3,201.26", 2025, 0, 1, 0, 72750.0, 3201.26, 0.0537},
    {"2025 table, married: over 48,650 the tax is 1,560.91", 2025, 1, 1, 0, 48650.0, 1560.91, 0.0507},
    {"2024 table, married: over 77,710 the tax is 3,306.50", 2024, 1, 1, 0, 77710.0, 3306.50, 0.061},
    {"2024 table, single: over 6,290 the tax is 69.61", 2024, 0, 1, 0, 6290.0, 69.61, 0.0322},
    {"2023 table, single: over 67,270 the tax is 3,410.89", 2023, 0, 1, 0, 67270.0, 3410.89, 0.0675},
    {"2023 table, married: over 44,980 the tax is 1,438.31", 2023, 1, 1, 0, 44980.0, 1438.31, 0.062},
    // Per-frequency schedules (hand arithmetic on the derived rows, which agree
    // with the annual schedule: (1343.55 + 4.48 % x (52,000 - 2,440 - 40,130)) / 52 = 33.96).
    {"weekly 2026 single: 1000 - 46.92 = 953.08; 25.84 + 4.48 % x (953.08 - 771.73) = 33.96", 2026, 0, 52, 1,
     1000.0, 33.96, 0.0448},
    {"status 2 is withheld as single: as the line above", 2026, 2, 52, 1, 1000.0, 33.96, 0.0448},
    {"monthly 2025 married, 2 allowances: 5000 - 2 x 196.67 = 4606.66; 130.08 + 5.07 % x 552.49 = 158.09", 2025, 1,
     12, 2, 5000.0, 158.09, 0.0507},
    {"status 7 is withheld as married: as the line above", 2025, 7, 12, 2, 5000.0, 158.09, 0.0507},
    {"daily (365), no daily schedule: (1343.55 + 4.48 % x (365 x 150 - 40,130)) / 365 = 5.48", 2026, 0, 365, 0,
     150.0, 5.48, 0.0448},
    {"allowances above the wages: no tax", 2026, 1, 52, 3, 100.0, 0.0, 0.0},
};

TEST(Nebraska, Paychecks) {
    txl5_test::expect_paychecks(kNebraska, kPaychecks);
}

TEST(Nebraska, PublishedMonthlyExampleWithExtraWithholding) {
    // Circular EN 2026: 5,200 monthly, married, two allowances, 10.00 extra:
    // (1,491.09 + 4.35 % x (12 x 5,200 - 2 x 2,440 - 50,400)) / 12 = 150.07, plus 10.00.
    // Monthly row: 5200 - 2 x 203.33 = 4793.34; 124.26 + 4.35 % x 593.34 = 150.07.
    StatePaycheck p(kNebraska, 2026, 1, 12, 2, 5200.0);
    p.state.additional_state_wh = 10.0;
    EXPECT_EQ(p.run() & 8, 0);
    EXPECT_EQ(p.state.state_error, 0);
    EXPECT_DOUBLE_EQ(p.state.state_tax, 160.07);
    EXPECT_DOUBLE_EQ(p.state.state_rate_used, 0.0435);
}

TEST(Nebraska, OldStatusCodesBefore2007AreNotTranslated) {
    // In 2006 status 2 is a key of its own, which the tables do not hold.
    StatePaycheck p(kNebraska, 2006, 2, 52, 1, 1000.0);
    EXPECT_EQ(p.run() & 8, 8);
    EXPECT_EQ(p.state.state_error, 1);
}

// Each derived schedule gives, to a cent, what the published annual schedule
// gives for the same annual wages (the per-period bounds, bases and allowance
// are the annual ones divided, each rounded to the cent).
TEST(Nebraska, DerivedSchedulesFollowTheAnnualOnes) {
    for (int64_t year : {2023, 2024, 2025, 2026}) {
        for (int64_t status : {0, 1}) {
            for (int64_t periods : {52, 26, 24, 12, 4, 2}) {
                for (double annual : {3000.0, 6000.0, 15000.0, 30000.0, 39000.0, 60000.0, 90000.0, 250000.0}) {
                    const double per_period = txl5_test::state_tax_of(kNebraska, year, status, periods, 1,
                                                                      annual / static_cast<double>(periods));
                    const double from_annual =
                        txl5_test::state_tax_of(kNebraska, year, status, 1, 1, annual) / static_cast<double>(periods);
                    EXPECT_NEAR(per_period, from_annual, 0.011)
                        << year << " status " << status << " pay periods " << periods << " annual " << annual;
                }
            }
        }
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
    {"flat 3.5 % from 2026 (Circular EN 2026; Bloomberg Tax 5 Jan 2026)", 2026, 145, 0, 1000.0, 35.00},
    {"flat 5 % in 2025", 2025, 145, 0, 1000.0, 50.00},
    {"flat 5 % in 2024", 2024, 145, 0, 1000.0, 50.00},
    {"flat 5 % in 2023", 2023, 145, 0, 1000.0, 50.00},
    {"aggregate: annual 40,130 + 1000 in the 4.48 % bracket: 1000 x 4.48 %", 2026, 145, 1, 1000.0, 44.80},
    {"aggregate with no supplemental wages leaves the supplemental tax as it was", 2026, 145, 1, 0.0, 7.77},
    {"aggregate with negative supplemental wages leaves it as it was", 2026, 145, 1, -500.0, 7.77},
    {"method 2 computes neither", 2026, 145, 2, 1000.0, 7.77},
    {"layout 144 computes no supplemental tax", 2026, 144, 0, 1000.0, 7.77},
};

TEST(Nebraska, SupplementalWages) {
    for (const Supplemental& c : kSupplemental) {
        StatePaycheck p(kNebraska, c.year, 0, 1, 0, 40130.0);
        p.state.struc_version = c.version;
        p.state.state_supp_aggregate = c.method;
        p.state.state_supplemental_wages = c.supplemental_wages;
        p.state.state_supplemental_tax = 7.77;
        EXPECT_EQ(p.run() & 8, 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, c.expected) << c.why;
    }
}

TEST(Nebraska, CalledDirectlyPayPeriodsBelowOneGiveAFiniteTax) {
    for (int64_t periods : {0, -1, -26}) {
        StatePaycheck p(kNebraska, 2026, 0, periods, 1, 1000.0);
        p.state.state_supp_aggregate = 1;
        p.state.state_supplemental_wages = 500.0;
        EXPECT_EQ(p.run_direct(state_ne), 0) << periods;
        EXPECT_DOUBLE_EQ(p.state.state_tax, 0.0) << periods;
        EXPECT_TRUE(std::isfinite(p.state.state_supplemental_tax)) << periods;
    }
}

TEST(Nebraska, TablesCoverEveryYearStatusAndFrequency) {
    txl5_test::expect_schedules(newh, {2026, 2025, 2024, 2023}, {0, 1}, {1, 2, 4, 12, 24, 26, 52}, "newh");
    txl5_test::expect_newest_first(newh, "newh");
    EXPECT_EQ(txl5::table_row_count(newh), 4 * 2 * 7 * 7);
    EXPECT_EQ(txl5::table_row_count(supplemental_nb), 4);
}

TEST(Nebraska, Exports) {
    txl5_test::expect_typed_functions({"state_ne"});
    txl5_test::expect_data_objects({"newh", "supplemental_nb"});
}

const int kNewhBrackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "newh";
    t.rows = txl5_test::bracket_rows(newh);
    return t;
});

}  // namespace
