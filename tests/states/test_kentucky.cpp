#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "states/kentucky.h"
#include "tests/states/bracket_state_support.h"
#include "tests/support/brackets.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::StatePaycheck;

constexpr int64_t kKentucky = 21;

struct KentuckyPaycheck {
    std::string why;  // where the expected amounts come from
    int64_t year;
    int64_t pay_periods;
    double wages;
    double state_tax;     // after the driver's rounding to cents
    int64_t aux_result;   // the annual tax in thousandths of a dollar
    double rate_used;
};

const KentuckyPaycheck kPaychecks[] = {
    {"2026 biweekly 2000: (52,000 - 3,360) x 3.5 % = 1,702.40 a year, / 26 = 65.48", 2026, 26, 2000.0, 65.48,
     1702400, 0.035},
    {"2025 biweekly 2000: (52,000 - 3,270) x 4 % = 1,949.20, / 26 = 74.969", 2025, 26, 2000.0, 74.97, 1949200,
     0.04},
    {"2024 biweekly 2000: (52,000 - 3,160) x 4 % = 1,953.60, / 26 = 75.138", 2024, 26, 2000.0, 75.14, 1953600,
     0.04},
    {"2026 weekly 1000: (52,000 - 3,360) x 3.5 % = 1,702.40, / 52 = 32.738", 2026, 52, 1000.0, 32.74, 1702400,
     0.035},
    {"2026 monthly 5000: (60,000 - 3,360) x 3.5 % = 1,982.40, / 12 = 165.20", 2026, 12, 5000.0, 165.20, 1982400,
     0.035},
    {"2025 semimonthly 1234.56: (29,629.44 - 3,270) x 4 % = 1,054.3776, / 24 = 43.932", 2025, 24, 1234.56, 43.93,
     1054377, 0.04},
    {"2026 annual wages 3,000 below the standard deduction: no tax", 2026, 12, 250.0, 0.0, 0, 0.035},
    // An annual payroll finds the annual row in the first pass, as a row of its
    // own frequency: the tax is the same, but aux_result is not written.
    {"2026 annual pay of exactly the standard deduction: no tax", 2026, 1, 3360.0, 0.0, -5, 0.035},
    {"2026 annual pay 60,000: (60,000 - 3,360) x 3.5 % = 1,982.40", 2026, 1, 60000.0, 1982.40, -5, 0.035},
};

TEST(Kentucky, Paychecks) {
    for (const KentuckyPaycheck& c : kPaychecks) {
        StatePaycheck p(kKentucky, c.year, 0, c.pay_periods, 0, c.wages);
        p.fed.aux_result = -5;
        EXPECT_EQ(p.run() & 8, 0) << c.why;
        EXPECT_EQ(p.state.state_error, 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_tax, c.state_tax) << c.why;
        EXPECT_EQ(p.fed.aux_result, c.aux_result) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_rate_used, c.rate_used) << c.why;
    }
}

// Kentucky does not report the table it used: the table-date fields keep
// what the caller put there, also after the retry with the previous year.
TEST(Kentucky, TableDateFieldsAreLeftAlone) {
    for (int64_t year : {2026, 2027}) {
        StatePaycheck p(kKentucky, year, 0, 26, 0, 2000.0);
        p.state.state_table_month = 4;
        p.state.state_table_day = 5;
        p.state.state_table_year = 1999;
        EXPECT_EQ(p.run() & 8, 0) << year;
        EXPECT_DOUBLE_EQ(p.state.state_tax, 65.48) << year << ": the 2026 rows";
        EXPECT_EQ(p.state.state_table_month, 4) << year;
        EXPECT_EQ(p.state.state_table_day, 5) << year;
        EXPECT_EQ(p.state.state_table_year, 1999) << year;
        EXPECT_EQ(p.fed.check_year, year);
    }
}

TEST(Kentucky, NoRowsForTheYearFails) {
    StatePaycheck p(kKentucky, 2022, 0, 26, 0, 2000.0);
    p.state.additional_state_wh = 5.0;
    EXPECT_EQ(p.run() & 8, 8);
    EXPECT_EQ(p.state.state_error, 1);
    EXPECT_DOUBLE_EQ(p.state.state_tax, 5.0);  // the extra withholding only
}

struct Supplemental {
    std::string why;
    int64_t year;
    int64_t version;
    double supplemental_wages;
    double expected;  // state_supplemental_tax; the preset 7.77 where none is computed
};

const Supplemental kSupplemental[] = {
    {"2026 biweekly 2000 + 1000: (78,000 - 3,360) x 3.5 % / 26 = 100.48, less 65.48", 2026, 145, 1000.0, 35.00},
    {"2025 biweekly 2000 + 500: (65,000 - 3,270) x 4 % / 26 = 94.97, less 74.97", 2025, 145, 500.0, 20.00},
    {"the method election is not read: the same with state_supp_aggregate 0", 2026, 145, 1000.0, 35.00},
    {"no supplemental wages: nothing written", 2026, 145, 0.0, 7.77},
    {"negative supplemental wages: nothing written", 2026, 145, -500.0, 7.77},
    {"layout 144 computes no supplemental tax", 2026, 144, 1000.0, 7.77},
};

TEST(Kentucky, SupplementalWagesAreTaxedTogetherWithTheRegularWages) {
    int64_t method = 1;
    for (const Supplemental& c : kSupplemental) {
        StatePaycheck p(kKentucky, c.year, 0, 26, 0, 2000.0);
        p.state.struc_version = c.version;
        p.state.state_supp_aggregate = method;
        method = 0;
        p.state.state_supplemental_wages = c.supplemental_wages;
        p.state.state_supplemental_tax = 7.77;
        EXPECT_EQ(p.run(), 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, c.expected) << c.why;
        // aux_result is the regular wages' annual tax, not the combined one.
        EXPECT_EQ(p.fed.aux_result, c.year == 2026 ? 1702400 : 1949200) << c.why;
    }
}

TEST(Kentucky, CalledDirectlyPayPeriodsBelowOneGiveAFiniteTax) {
    for (int64_t periods : {0, -1, -26}) {
        StatePaycheck p(kKentucky, 2026, 0, periods, 0, 2000.0);
        p.state.state_supplemental_wages = 500.0;
        EXPECT_EQ(p.run_direct(state_ky), 0) << periods;
        // No annual wages: the standard deduction leaves nothing taxable.
        EXPECT_DOUBLE_EQ(p.state.state_tax, 0.0) << periods;
        EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, 0.0) << periods;
    }
    StatePaycheck p(kKentucky, 2026, 0, 26, 0, 2000.0);
    EXPECT_EQ(state_ky(nullptr, &p.state), 1);
    EXPECT_EQ(state_ky(&p.fed, nullptr), 1);
}

TEST(Kentucky, WagesTooLargeOrNotANumberFitNoBracket) {
    for (double wages : {1e308, std::nan("")}) {
        StatePaycheck p(kKentucky, 2026, 0, 26, 0, wages);
        EXPECT_EQ(p.run() & 8, 8) << wages;
        EXPECT_EQ(p.state.state_error, 1) << wages;
        EXPECT_TRUE(std::isfinite(p.state.state_tax)) << wages;
    }
}

TEST(Kentucky, TableAndExports) {
    EXPECT_EQ(txl5::table_row_count(kywh), 3);
    txl5_test::expect_typed_functions({"state_ky"});
    txl5_test::expect_data_objects({"kywh"});
}

const int kKywhBrackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "kywh";
    t.rows = txl5_test::schedule_rows(kywh, [](const KentuckyBracketRow& r) {
        return txl5_test::ScheduleRow{r.start_date, r.end_date, r.status, r.pay_periods,
                                      r.lower,      r.upper,    r.base,   r.rate};
    });
    return t;
});

}  // namespace
