#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "states/oklahoma.h"
#include "tests/states/bracket_state_support.h"
#include "tests/support/brackets.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::StatePaycheck;

constexpr int64_t kOklahoma = 42;

struct Case {
    std::string why;
    int64_t year;
    int64_t status;
    int64_t periods;
    int64_t allowances;
    double wages;
    double state_tax;  // whole dollars
    double rate_used;
};

const Case kCases[] = {
    {"OW-2 2026 weekly single: 600 - 19.23 = 580.77; 2.10 + 4.5 % x 319.77 = 16.49, withheld 16", 2026, 0, 52, 1,
     600.0, 16.0, 0.045},
    {"status 5 is withheld as single: as above", 2026, 5, 52, 1, 600.0, 16.0, 0.045},
    {"OW-2 2026 weekly married: 1000 - 38.46 = 961.54; 4.20 + 4.5 % x 440.54 = 24.02", 2026, 1, 52, 2, 1000.0,
     24.0, 0.045},
    {"OW-2 2026 weekly single, 2.5 % band: 220 - 19.23 = 200.77; 2.5 % x 6.77 = 0.17", 2026, 0, 52, 1, 220.0, 0.0,
     0.025},
    {"OW-2 2026 annual married: 30,000 - 1000 = 29,000; 218.50 + 4.5 % x 1900 = 304", 2026, 1, 1, 1, 30000.0, 304.0,
     0.045},
    {"OW-2 2025 annual single: 40,000 - 1000 = 39,000; 153.50 + 4.75 % x 25,450 = 1362.38", 2025, 0, 1, 1, 40000.0,
     1362.0, 0.0475},
    {"OW-2 2024 annual married: 60,000 - 2000 = 58,000; 307 + 4.75 % x 30,900 = 1774.75", 2024, 1, 1, 2, 60000.0,
     1775.0, 0.0475},
    {"OW-2 2024 annual single at a floor: 8850 + 1000 over 1 allowance: the printed base 13.75", 2024, 0, 1, 1,
     9850.0, 14.0, 0.0175},
    {"daily rows (365): 100 - 3.85 = 96.15; 0.42 + 4.5 % x 44.15 = 2.41", 2026, 0, 365, 1, 100.0, 2.0, 0.045},
    {"260 periods have no rows: 260 x 200 - 1000 = 51,000; (109.25 + 4.5 % x 37,450) / 260 = 6.90", 2026, 0, 260,
     1, 200.0, 7.0, 0.045},
    {"allowances above the wages: nothing taxable", 2026, 0, 52, 10, 150.0, 0.0, 0.0},
};

TEST(Oklahoma, Paychecks) {
    for (const Case& c : kCases) {
        StatePaycheck p(kOklahoma, c.year, c.status, c.periods, c.allowances, c.wages, 3, 9);
        EXPECT_EQ(p.run() & 8, 0) << c.why;
        EXPECT_EQ(p.state.state_error, 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_tax, c.state_tax) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_rate_used, c.rate_used) << c.why;
        // The table-date fields are not written.
        EXPECT_EQ(p.state.state_table_year, 0) << c.why;
        EXPECT_EQ(p.state.state_table_month, 0) << c.why;
    }
}

struct Supplemental {
    std::string why;
    int64_t version;
    int64_t method;  // state_supp_aggregate: not read
    double supplemental_wages;
    double expected;  // the preset 7.77 where nothing is written
};

const Supplemental kSupplemental[] = {
    {"weekly single 600 + 100: 680.77 gives 2.10 + 4.5 % x 419.77 = 20.99, 21 - 16", 145, 1, 100.0, 5.00},
    {"the flat method asked for: still taxed with the regular wages", 145, 0, 100.0, 5.00},
    {"any other method value: still taxed with the regular wages", 145, 7, 100.0, 5.00},
    {"1000 more: 2.10 + 4.5 % x 1319.77 = 61.49, 61 - 16", 145, 1, 1000.0, 45.00},
    {"negative supplemental wages: floored at 0", 145, 1, -300.0, 0.0},
    {"layout 144: nothing computed", 144, 1, 100.0, 7.77},
};

TEST(Oklahoma, SupplementalWagesAreAlwaysTaxedWithTheRegularWages) {
    for (const Supplemental& c : kSupplemental) {
        StatePaycheck p(kOklahoma, 2026, 0, 52, 1, 600.0);
        p.state.struc_version = c.version;
        p.state.state_supp_aggregate = c.method;
        p.state.state_supplemental_wages = c.supplemental_wages;
        p.state.state_supplemental_tax = 7.77;
        EXPECT_EQ(p.run(), 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_tax, 16.0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, c.expected) << c.why;
    }
}

TEST(Oklahoma, FormulaYearsFindNoScheduleRows) {
    // The annual formulas of 2002-2005 and before 2002 read schedule rows of
    // their own years, which the table does not hold: each fails, also after
    // the driver's retry, and withholds nothing.
    for (int64_t year : {2005, 2003, 2001, 2000, 1999}) {
        StatePaycheck p(kOklahoma, year, 5, 52, 1, 600.0);
        p.state.state_supp_aggregate = 0;
        p.state.state_supplemental_wages = 100.0;
        p.state.state_tax = 9.99;
        EXPECT_EQ(p.run_direct(state_ok), 1) << year;
        EXPECT_EQ(p.state.state_error, 1) << year;
        EXPECT_DOUBLE_EQ(p.state.state_tax, 9.99) << year;

        StatePaycheck q(kOklahoma, year, 0, 52, 1, 600.0);
        EXPECT_EQ(q.run() & 8, 8) << year;
        EXPECT_DOUBLE_EQ(q.state.state_tax, 0.0) << year;
    }
}

TEST(Oklahoma, ACheckAfterTheNewestRowsUsesThePreviousYear) {
    StatePaycheck p(kOklahoma, 2027, 0, 52, 1, 600.0);
    EXPECT_EQ(p.run() & 8, 0);
    EXPECT_DOUBLE_EQ(p.state.state_tax, 16.0);
    EXPECT_EQ(p.fed.check_year, 2027);
}

TEST(Oklahoma, CalledDirectlyPayPeriodsBelowOneGiveAFiniteTax) {
    for (int64_t periods : {0, -1, -52}) {
        StatePaycheck p(kOklahoma, 2026, 0, periods, 1, 600.0);
        p.state.state_supplemental_wages = 100.0;
        EXPECT_EQ(p.run_direct(state_ok), 0) << periods;
        // No annual wages: the allowance leaves nothing taxable.
        EXPECT_DOUBLE_EQ(p.state.state_tax, 0.0) << periods;
        EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, 0.0) << periods;
    }
}

TEST(Oklahoma, WagesThatAreNotFiniteFail) {
    // Infinite or undefined wages, and in the annual formulas wages too large
    // to annualize (52 x 1e308).
    const double inf = std::numeric_limits<double>::infinity();
    for (int64_t year : {2026, 2005, 2001}) {
        for (double wages : {inf, std::nan(""), year < 2006 ? 1e308 : -inf}) {
            StatePaycheck p(kOklahoma, year, 0, 52, 1, wages);
            EXPECT_EQ(p.run_direct(state_ok), 1) << year << " " << wages;
            EXPECT_EQ(p.state.state_error, 1) << year << " " << wages;
            EXPECT_TRUE(std::isfinite(p.state.state_tax)) << year << " " << wages;
        }
    }
}

TEST(Oklahoma, NullRecords) {
    STATE_WITHHOLDING_STRUC state{};
    FEDERAL_WITHHOLDING_STRUC fed{};
    EXPECT_NE(state_ok(nullptr, &state), 0);
    EXPECT_NE(state_ok(&fed, nullptr), 0);
}

TEST(Oklahoma, Tables) {
    txl5_test::expect_schedules(okwh, {2026, 2025, 2024}, {0, 1}, {1, 52, 26, 24, 12, 4, 2, 365}, "okwh");
    txl5_test::expect_newest_first(okwh, "okwh");
    EXPECT_EQ(txl5::table_row_count(okwh), 64 + 112 + 112);
    EXPECT_EQ(txl5::table_row_count(allowok), 8);
    EXPECT_EQ(txl5::table_row_count(allow2000ok), 8);
    EXPECT_EQ(txl5::table_row_count(supplemental_ok), 3);
}

TEST(Oklahoma, Exports) {
    txl5_test::expect_typed_functions({"state_ok"});
    txl5_test::expect_data_objects({"okwh", "allowok", "allow2000ok", "supplemental_ok"});
}

int register_okwh(bool annual, const char* name) {
    return txl5_test::register_bracket_table([=] {
        txl5_test::BracketTable t;
        t.name = name;
        if (!annual) {
            // Bounds rounded to dollars and bases rounded from the annual
            // bases, each to the cent.
            t.bound_rounding = 1.0;
            t.tolerance = 0.02;
        }
        for (const txl5_test::ScheduleRow& row : txl5_test::bracket_rows(okwh)) {
            if ((row.pay_periods == 1) == annual) t.rows.push_back(row);
        }
        return t;
    });
}

const int kOkwhAnnualBrackets = register_okwh(true, "okwh annual");
const int kOkwhPeriodBrackets = register_okwh(false, "okwh per frequency");

}  // namespace
