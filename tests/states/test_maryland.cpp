#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "states/maryland.h"
#include "tests/states/bracket_state_support.h"
#include "tests/support/brackets.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::StatePaycheck;

constexpr int64_t kMaryland = 25;

struct Case {
    std::string why;
    int64_t year;
    int64_t status;
    int64_t pay_periods;
    int64_t exemptions;
    double wages;
    double state_tax;
    double rate_used;  // 9.99 where the minimum leaves the preset value
};

const Case kCases[] = {
    {"biweekly single, 1 exemption: 78,000 - 3350 - 3200 = 71,450; 4.75 % / 26 = 130.5337", 2026, 0, 26, 1, 3000.0,
     130.53, 0.0475},
    {"the same in 2025: deduction min(max(15 % x 78,000, 1800), 2700) = 2700; 72,100 x 4.75 % / 26 = 131.7212", 2025,
     0, 26, 1, 3000.0, 131.72, 0.0475},
    {"annual 4,999 is below the 5,000 minimum", 2026, 0, 1, 0, 4999.0, 0.0, 9.99},
    {"annual 5,000 is taxed: (5000 - 3350) x 4.75 % = 78.375", 2026, 0, 1, 0, 5000.0, 78.38, 0.0475},
    {"biweekly 150 is 3,900 a year, below the minimum", 2026, 0, 26, 0, 150.0, 0.0, 9.99},
    {"status 2 is withheld as married: 2,000,000 - 3350 = 1,996,650; 69,875 + 6.5 % x 796,650 = 121,657.25", 2026, 2,
     1, 0, 2000000.0, 121657.25, 0.065},
    {"status 3 is withheld as single: 58,437.50 + 6.5 % x 996,650 = 123,219.75", 2026, 3, 1, 0, 2000000.0, 123219.75,
     0.065},
    {"status 12 as single: monthly 10,000; 120,000 - 3350 = 116,650; (4750 + 5 % x 16,650) / 12 = 465.21", 2026, 12,
     12, 0, 10000.0, 465.21, 0.05},
    {"2024 annual single: 130,000 - 2700 = 127,300; over 125,000: 6000 + 5.25 % x 2300 = 6120.75", 2024, 0, 1, 0,
     130000.0, 6120.75, 0.0525},
    {"2024 weekly married, 2 exemptions: 52,000 - 2700 - 6400 = 42,900; 4.75 % / 52 = 39.1875", 2024, 1, 52, 2, 1000.0,
     39.19, 0.0475},
    {"2025 annual married: 320,000 - 2700 = 317,300; over 300,000: 15,125 + 5.75 % x 17,300 = 16,119.75", 2025, 1, 1,
     0, 320000.0, 16119.75, 0.0575},
    {"2023 weekly single: 52,000 - min(max(7800, 1550), 2350) = 49,650; 4.75 % / 52 = 45.3534", 2023, 0, 52, 0, 1000.0,
     45.35, 0.0475},
    {"exemptions above the wages leave nothing taxable", 2026, 0, 52, 5, 300.0, 0.0, 0.0475},
};

TEST(Maryland, Paychecks) {
    for (const Case& c : kCases) {
        StatePaycheck p(kMaryland, c.year, c.status, c.pay_periods, c.exemptions, c.wages);
        p.state.state_rate_used = 9.99;
        p.state.state_table_year = 1999;
        // (the federal part has no 2023 rows: only the state part's bit counts)
        EXPECT_EQ(p.run() & 8, 0) << c.why;
        EXPECT_EQ(p.state.state_error, 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_tax, c.state_tax) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_rate_used, c.rate_used) << c.why;
        EXPECT_EQ(p.state.state_table_year, 1999) << c.why << ": the table-date fields are not written";
    }
}

TEST(Maryland, StatusWithoutASchedule) {
    StatePaycheck p(kMaryland, 2026, 4, 26, 1, 3000.0);
    EXPECT_EQ(p.run() & 8, 8);
    EXPECT_EQ(p.state.state_error, 1);
    EXPECT_DOUBLE_EQ(p.state.state_tax, 0.0);
}

TEST(Maryland, YearsWithoutRows) {
    StatePaycheck later(kMaryland, 2027, 0, 26, 1, 3000.0);
    EXPECT_EQ(later.run(), 0);
    EXPECT_DOUBLE_EQ(later.state.state_tax, 130.53);  // the 2026 paycheck above
    StatePaycheck old(kMaryland, 2022, 0, 26, 1, 3000.0);
    EXPECT_EQ(old.run() & 8, 8);
    EXPECT_EQ(old.state.state_error, 1);
}

TEST(Maryland, TheAnnualScheduleLeavesThePeriodTaxInCents) {
    StatePaycheck p(kMaryland, 2026, 0, 26, 1, 3000.0);
    p.fed.aux_result = 7;
    EXPECT_EQ(p.run(), 0);
    EXPECT_EQ(p.fed.aux_result, 13053);  // 130.5337 x 100, truncated
    StatePaycheck annual(kMaryland, 2026, 0, 1, 0, 60000.0);
    annual.fed.aux_result = 7;
    EXPECT_EQ(annual.run(), 0);
    EXPECT_EQ(annual.fed.aux_result, 7) << "an annual payroll uses its own rows";
}

struct Supplemental {
    std::string why;
    int64_t version;
    int64_t method;  // state_supp_aggregate
    int64_t pay_periods;
    double wages;
    double bonus;
    double expected;  // state_supplemental_tax; the preset 7.77 where none is written
};

const Supplemental kSupplemental[] = {
    {"flat 5.75 % of 1000", 145, 0, 26, 3000.0, 1000.0, 57.50},
    {"any method but 1 is the flat rate", 145, 3, 26, 3000.0, 1000.0, 57.50},
    {"no supplemental wages: 0, set on entry", 145, 0, 26, 3000.0, 0.0, 0.0},
    {"negative supplemental wages: 0, set on entry", 145, 1, 26, 3000.0, -500.0, 0.0},
    {"aggregate biweekly: 26 x 1000 more, all at 4.75 %: 47.50", 145, 1, 26, 3000.0, 1000.0, 47.50},
    {"aggregate annual: 95,000 taxable is 4512.50; 105,000 is 4750 + 5 % x 5000 = 5000; 487.50", 145, 1, 1, 98350.0,
     10000.0, 487.50},
    {"aggregate takes no minimum: annual 3000 + 5000 bonus = 8000 - 3350 = 4650 x 4.75 % = 220.875", 145, 1, 1,
     3000.0, 5000.0, 220.88},
    {"layout 144 neither computes nor writes it", 144, 0, 26, 3000.0, 1000.0, 7.77},
};

TEST(Maryland, SupplementalWages) {
    for (const Supplemental& c : kSupplemental) {
        StatePaycheck p(kMaryland, 2026, 0, c.pay_periods, c.pay_periods == 26 ? 1 : 0, c.wages);
        p.state.struc_version = c.version;
        p.state.state_supp_aggregate = c.method;
        p.state.state_supplemental_wages = c.bonus;
        p.state.state_supplemental_tax = 7.77;
        EXPECT_EQ(p.run(), 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, c.expected) << c.why;
    }
}

TEST(Maryland, CalledDirectly) {
    // Pay periods below 1 are taken as annual pay and left at 1 in the record.
    StatePaycheck p(kMaryland, 2026, 0, 0, 0, 60000.0);
    EXPECT_EQ(p.run_direct(state_md), 0);
    EXPECT_EQ(p.state.state_pay_periods, 1);
    EXPECT_DOUBLE_EQ(p.state.state_tax, 2690.88);  // 56,650 x 4.75 % = 2690.875
    EXPECT_NE(state_md(nullptr, &p.state), 0);
    EXPECT_NE(state_md(&p.fed, nullptr), 0);
    const double inf = std::numeric_limits<double>::infinity();
    for (double wages : {inf, -inf, std::nan("")}) {
        StatePaycheck q(kMaryland, 2026, 0, 26, 0, wages);
        EXPECT_EQ(q.run() & 8, 8) << wages;
        EXPECT_TRUE(std::isfinite(q.state.state_tax)) << wages;
    }
}

TEST(Maryland, Table) {
    EXPECT_EQ(txl5::table_row_count(mdwh), 44);  // 2026: 2 x 7 brackets; 2023 to 2025: 2 x 5 each
    for (const MdwhRow* row = mdwh; row->start_date.month != 0; ++row) EXPECT_EQ(row->pay_periods, 1);
    txl5_test::expect_typed_functions({"state_md"});
    txl5_test::expect_data_objects({"mdwh"});
}

const int kMdwhBrackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "mdwh";
    t.rows = txl5_test::schedule_rows(mdwh, [](const MdwhRow& r) {
        return txl5_test::ScheduleRow{r.start_date, r.end_date, static_cast<int64_t>(r.status), r.pay_periods,
                                      r.lower,      r.upper,    r.base,                         r.rate};
    });
    return t;
});

}  // namespace
