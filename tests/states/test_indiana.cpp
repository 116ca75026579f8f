#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "core/tables.h"
#include "core/txl5.h"
#include "states/indiana.h"
#include "tests/states/bracket_state_support.h"
#include "tests/support/brackets.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::StatePaycheck;

constexpr int64_t kIndiana = 18;

// Paychecks by Departmental Notice #1: wages less the deduction constants of
// Tables A (personal), B (dependent, and first-time dependent) and C
// (adopted) for the pay frequency, times the state rate.
struct IndianaCase {
    std::string why;
    int64_t year;
    int64_t pay_periods;
    int64_t exemptions;
    int64_t dependents, adopted, first_time;
    int64_t first_time_year;  // state_form_flag3
    int64_t version;
    double wages;
    double state_tax;
    double rate;
};

const IndianaCase kCases[] = {
    {"2026 weekly: (1000 - 19.23 - 28.85) x 2.95 % = 951.92 x 2.95 % = 28.08", 2026, 52, 1, 1, 0, 0, 0, 145, 1000.0,
     28.08, 0.0295},
    {"2025 biweekly: (2000 - 2 x 38.46 - 115.38 adopted) x 3.0 % = 1807.70 x 3 % = 54.23", 2025, 26, 2, 0, 1, 0, 0,
     145, 2000.0, 54.23, 0.03},
    {"2024 monthly: (4000 - 83.33 - 2 x 125) x 3.05 % = 3666.67 x 3.05 % = 111.83", 2024, 12, 1, 2, 0, 0, 0, 145,
     4000.0, 111.83, 0.0305},
    {"2024 semi-monthly, no exemptions: 2500 x 3.05 % = 76.25", 2024, 24, 0, 0, 0, 0, 0, 145, 2500.0, 76.25, 0.0305},
    {"2026 semi-monthly, first-time dependent of the check year: (2000 - 41.67 - 62.50) x 2.95 % = 55.93", 2026, 24,
     1, 0, 0, 1, 0, 145, 2000.0, 55.93, 0.0295},
    {"the same claimed for 2026 by year: 55.93", 2026, 24, 1, 0, 0, 1, 2026, 145, 2000.0, 55.93, 0.0295},
    {"first-time dependent claimed for 2025 on a 2026 check: (2000 - 41.67) x 2.95 % = 57.77", 2026, 24, 1, 0, 0, 1,
     2025, 145, 2000.0, 57.77, 0.0295},
    {"layout 404 counts no dependents: (1000 - 19.23) x 2.95 % = 28.93", 2026, 52, 1, 3, 1, 1, 0, 404, 1000.0, 28.93,
     0.0295},
    {"layout 405 counts them: 1000 - 19.23 - 3 x 28.85 - 57.69 - 28.85 = 807.68; x 2.95 % = 23.83", 2026, 52, 1, 3,
     1, 1, 0, 405, 1000.0, 23.83, 0.0295},
    {"daily (260) on the annual row: (52,000 - 1,000) x 2.95 % / 260 = 1504.50 / 260 = 5.79", 2026, 260, 1, 0, 0, 0,
     0, 145, 200.0, 5.79, 0.0295},
    {"annual payroll: (52,000 - 1,000 - 1,500) x 2.95 % = 1460.25", 2026, 1, 1, 1, 0, 0, 0, 145, 52000.0, 1460.25,
     0.0295},
    {"exemptions above the wages: nothing taxable", 2026, 52, 4, 0, 0, 0, 0, 145, 50.0, 0.0, 0.0295},
};

TEST(Indiana, Paychecks) {
    for (const IndianaCase& c : kCases) {
        StatePaycheck p(kIndiana, c.year, 0, c.pay_periods, c.exemptions, c.wages);
        p.state.struc_version = c.version;
        p.state.state_additional_count2 = c.dependents;
        p.state.state_new_form = c.adopted;
        p.state.state_form_flag2 = c.first_time;
        p.state.state_form_flag3 = c.first_time_year;
        EXPECT_EQ(p.run(), 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_tax, c.state_tax) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_rate_used, c.rate) << c.why;
        EXPECT_EQ(p.state.state_table_year, c.year) << c.why;
        EXPECT_EQ(p.state.state_table_month, 1) << c.why;
    }
}

TEST(Indiana, CheckDatesOutsideTheRows) {
    StatePaycheck later(kIndiana, 2027, 0, 52, 1, 1000.0);
    later.state.state_additional_count2 = 1;
    EXPECT_EQ(later.run() & 8, 0);
    EXPECT_DOUBLE_EQ(later.state.state_tax, 28.08);  // the 2026 paycheck above
    EXPECT_EQ(later.state.state_table_year, 2026);
    StatePaycheck earlier(kIndiana, 2023, 0, 52, 1, 1000.0, 10, 2);
    EXPECT_EQ(earlier.run() & 8, 8);
    EXPECT_EQ(earlier.state.state_error, 1);
    EXPECT_EQ(earlier.state.state_table_year, 2017);
}

struct Supplemental {
    std::string why;
    int64_t year;
    int64_t version;
    double bonus;
    int64_t result;
    double expected;  // the preset 7.77 where none is computed
};

const Supplemental kSupplemental[] = {
    {"2026: 2.95 % of 500 = 14.75", 2026, 145, 500.0, 0, 14.75},
    {"2025: 3.0 % of 333, unrounded 9.99", 2025, 145, 333.0, 0, 9.99},
    {"2024: 3.05 % of 1001 = 30.5305, unrounded", 2024, 145, 1001.0, 0, 30.5305},
    {"layout 144: no supplemental tax", 2026, 144, 500.0, 0, 7.77},
    {"supplemental wages that are not a number: 0 and a failure", 2026, 145, std::nan(""), 1, 0.0},
};

TEST(Indiana, SupplementalWagesAtTheStateRate) {
    for (const Supplemental& c : kSupplemental) {
        StatePaycheck p(kIndiana, c.year, 0, 52, 1, 1000.0);
        p.state.struc_version = c.version;
        p.state.state_supplemental_wages = c.bonus;
        p.state.state_supplemental_tax = 7.77;
        EXPECT_EQ(state_in(&p.fed, &p.state), c.result) << c.why;
        EXPECT_NEAR(p.state.state_supplemental_tax, c.expected, 1e-9) << c.why;
    }
}

TEST(Indiana, ExtremeCallerValuesGiveFiniteAmounts) {
    for (int64_t count : {std::numeric_limits<int64_t>::max(), std::numeric_limits<int64_t>::min()}) {
        StatePaycheck p(kIndiana, 2026, 0, 52, count, 1000.0);
        p.state.state_additional_count2 = p.state.state_new_form = p.state.state_form_flag2 = count;
        p.run();
        EXPECT_TRUE(std::isfinite(p.state.state_tax)) << count;
    }
    StatePaycheck infinite(kIndiana, 2026, 0, 52, 1, std::numeric_limits<double>::infinity());
    EXPECT_EQ(infinite.run() & 8, 8);
    EXPECT_EQ(infinite.state.state_error, 1);
    EXPECT_TRUE(std::isfinite(infinite.state.state_tax));
    for (int64_t periods : {0, -52}) {
        StatePaycheck p(kIndiana, 2026, 0, periods, 1, 1000.0);
        EXPECT_EQ(p.run_direct(state_in), 0) << periods;
        EXPECT_EQ(p.state.state_tax, 0.0) << periods;
    }
}

TEST(Indiana, NullRecordsFailAndTouchNothing) {
    StatePaycheck p(kIndiana, 2026, 0, 52, 1, 1000.0);
    const StatePaycheck before = p;
    EXPECT_NE(state_in(nullptr, &p.state), 0);
    EXPECT_NE(state_in(&p.fed, nullptr), 0);
    EXPECT_EQ(std::memcmp(&p, &before, sizeof p), 0);
}

// The deduction constants printed in Departmental Notice #1 (2026): personal,
// dependent and adopted amounts per frequency.
struct Constants {
    int64_t pay_periods;
    double personal, dependent, adopted;
};

const Constants kPrinted2026[] = {
    {1, 1000.0, 1500.0, 3000.0}, {52, 19.23, 28.85, 57.69}, {26, 38.46, 57.69, 115.38},
    {24, 41.67, 62.50, 125.0},   {12, 83.33, 125.0, 250.0},
};

TEST(Indiana, TablesAreParallelAndHoldThePrintedConstants) {
    const int64_t rows = txl5::table_row_count(inwh);
    EXPECT_EQ(rows, 30);  // 2024 to 2026, five frequencies, statuses 0 and 1
    EXPECT_EQ(txl5::table_row_count(inwh_adopted), rows);
    EXPECT_EQ(txl5::table_row_count(inwh_firsttime), rows + 10);
    for (int64_t i = 0; i < rows; ++i) {
        for (const IndianaBracketRow* other : {inwh_adopted, inwh_firsttime}) {
            EXPECT_EQ(std::memcmp(&other[i].start_date, &inwh[i].start_date, sizeof(MDATE)), 0) << i;
            EXPECT_EQ(std::memcmp(&other[i].end_date, &inwh[i].end_date, sizeof(MDATE)), 0) << i;
            EXPECT_EQ(other[i].status, inwh[i].status) << i;
            EXPECT_EQ(other[i].pay_periods, inwh[i].pay_periods) << i;
        }
        // The first-time dependent exemption is the additional one again.
        EXPECT_EQ(inwh_firsttime[i].dependent_amount, inwh[i].dependent_amount) << i;
    }
    for (int64_t i = rows; i < rows + 10; ++i) {
        EXPECT_EQ(inwh_firsttime[i].start_date.month, 9) << i;
        EXPECT_EQ(inwh_firsttime[i].start_date.day, 15) << i;
        EXPECT_EQ(inwh_firsttime[i].start_date.year, 2023) << i;
    }
    for (const Constants& c : kPrinted2026) {
        for (int64_t status : {0, 1}) {
            bool found = false;
            for (int64_t i = 0; i < rows; ++i) {
                if (inwh[i].start_date.year != 2026 || inwh[i].pay_periods != c.pay_periods ||
                    inwh[i].status != status) {
                    continue;
                }
                found = true;
                EXPECT_EQ(inwh[i].exemption_amount, c.personal) << c.pay_periods;
                EXPECT_EQ(inwh[i].dependent_amount, c.dependent) << c.pay_periods;
                EXPECT_EQ(inwh_adopted[i].dependent_amount, c.adopted) << c.pay_periods;
            }
            EXPECT_TRUE(found) << c.pay_periods << " status " << status;
        }
    }
}

TEST(Indiana, Exports) {
    txl5_test::expect_typed_functions({"state_in"});
    txl5_test::expect_data_objects({"inwh", "inwh_adopted", "inwh_firsttime"});
}

std::vector<txl5_test::ScheduleRow> indiana_rows(const IndianaBracketRow* table) {
    return txl5_test::schedule_rows(table, [](const IndianaBracketRow& r) {
        return txl5_test::ScheduleRow{r.start_date, r.end_date, r.status, r.pay_periods, r.lower, r.upper, r.base,
                                      r.rate};
    });
}

const int kInwhBrackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "inwh";
    t.rows = indiana_rows(inwh);
    return t;
});

const int kInwhAdoptedBrackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "inwh_adopted";
    t.rows = indiana_rows(inwh_adopted);
    return t;
});

const int kInwhFirsttimeBrackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "inwh_firsttime";
    t.rows = indiana_rows(inwh_firsttime);
    return t;
});

}  // namespace
