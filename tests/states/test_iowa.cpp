#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "states/iowa.h"
#include "tests/states/bracket_state_support.h"
#include "tests/support/brackets.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::StatePaycheck;

constexpr int64_t kIowa = 19;

// An Iowa paycheck on a record of layout 213 (the certificate fields read
// since 2019). The federal record has no wages, so its tax is the extra
// federal withholding: the federal tax subtracted before 2023.
struct Case {
    std::string why;
    int64_t year;
    int64_t pay_periods;
    int64_t status;
    int64_t allowances;
    int64_t new_form;    // state_new_form
    double credit;       // state_form_amount1
    double wages;
    double fed_tax;
    double state_tax;
    double rate_used;
};

StatePaycheck paycheck(const Case& c) {
    StatePaycheck p(kIowa, c.year, c.status, c.pay_periods, c.allowances, c.wages);
    p.state.struc_version = 213;
    p.state.state_new_form = c.new_form;
    p.state.state_form_amount1 = c.credit;
    p.fed.gross_wages = p.fed.fica_wages = 0.0;
    p.fed.pay_periods = c.pay_periods;
    p.fed.additional_fed_wh = c.fed_tax;
    return p;
}

const Case kPaychecks[] = {
    // From 2025: 3.8 % of the wages less the standard deduction, less the credit.
    {"2026 weekly single, older certificate, 1 allowance: (1000 - 250) x 3.8 % = 28.50, less 0.77", 2026, 52, 0, 1,
     0, 0.0, 1000.0, 0.0, 27.73, 0.038},
    {"2026 older certificate, head of household is withheld as single: as above", 2026, 52, 2, 1, 0, 0.0, 1000.0,
     0.0, 27.73, 0.038},
    {"2026 annual married, older certificate, 2 allowances: (60000 - 26000) x 3.8 % = 1292, less 80", 2026, 1, 1, 2,
     0, 0.0, 60000.0, 0.0, 1212.0, 0.038},
    {"2026 biweekly married, newer certificate (status 17), credit 120: (2000 - 1000) x 3.8 % less 120 / 26", 2026,
     26, 1, 0, 1, 120.0, 2000.0, 0.0, 33.38, 0.038},
    {"2026 monthly head of household, newer certificate, credit 40: (4000 - 1625) x 3.8 % = 90.25, less 40 / 12",
     2026, 12, 2, 0, 1, 40.0, 4000.0, 0.0, 86.92, 0.038},
    {"2026 quarterly (annual row) single: (52000 - 13000) x 3.8 % = 1482, / 4", 2026, 4, 0, 0, 0, 0.0, 13000.0, 0.0,
     370.5, 0.038},
    {"2026 quarterly married, newer certificate, credit 160: (40000 - 26000) x 3.8 % = 532, less 160, / 4", 2026, 4,
     1, 0, 1, 160.0, 10000.0, 0.0, 93.0, 0.038},
    {"2025 annual single, 1 allowance: (50000 - 12000) x 3.8 % = 1444, less 40", 2025, 1, 0, 1, 0, 0.0, 50000.0,
     0.0, 1404.0, 0.038},
    // 2019 to 2024: brackets by frequency.
    {"2024 weekly, older certificate, 600: 319.23 taxable; 4.14 + 4.82 % x 225.08 = 14.9889, less 40 / 52", 2024,
     52, 0, 3, 0, 0.0, 600.0, 500.0, 14.22, 0.0482},
    {"2024 annual, newer certificate, credit 80: high deduction; 30800 taxable; 1159.37 + 5.7 % x 6320, less 80",
     2024, 1, 0, 0, 1, 80.0, 60000.0, 0.0, 1439.61, 0.057},
    {"2024 annual, newer certificate, credit 40: low deduction; 45400; 1159.37 + 5.7 % x 20920 = 2351.81, less 40",
     2024, 1, 0, 0, 1, 40.0, 60000.0, 0.0, 2311.81, 0.057},
    {"2023 annual, 2 allowances: no federal subtraction; 60000 - 27700; 1136.64 + 5.7 % x 8300, less 80", 2023, 1,
     0, 2, 0, 0.0, 60000.0, 5000.0, 1529.74, 0.057},
    {"2022 annual: 60000 - 5000 federal - 2210; 2654.25 + 7.44 % x 500 = 2691.45, less 40", 2022, 1, 0, 1, 0, 0.0,
     60000.0, 5000.0, 2651.45, 0.0744},
    {"2021 annual: 40000 - 2990 federal - 2130 = 34880; 1504.71 + 6.25 % x 1360, less 40", 2021, 1, 0, 1, 0, 0.0,
     40000.0, 2990.0, 1549.71, 0.0625},
};

TEST(Iowa, Paychecks) {
    for (const Case& c : kPaychecks) {
        StatePaycheck p = paycheck(c);
        EXPECT_EQ(p.run() & 8, 0) << c.why;
        EXPECT_EQ(p.state.state_error, 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_tax, c.state_tax) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_rate_used, c.rate_used) << c.why;
        EXPECT_EQ(p.state.state_table_year, c.year) << c.why;
    }
}

TEST(Iowa, TheCertificatesSecondBoxMovesMarriedToOther) {
    // Newer certificate, married, second box: status 16 rows, deduction
    // 13000 / 26 = 500; (2000 - 500) x 3.8 % = 57, less 120 / 26.
    Case c{"", 2026, 26, 1, 0, 1, 120.0, 2000.0, 0.0, 0.0, 0.0};
    StatePaycheck p = paycheck(c);
    p.state.state_form_flag2 = 1;
    EXPECT_EQ(p.run(), 0);
    EXPECT_DOUBLE_EQ(p.state.state_tax, 52.38);
}

// Before 2019 (layout 145 is enough): annual brackets less the federal tax
// withheld and the standard deduction, less the allowance credits.
const Case kFirstEra[] = {
    {"2018 annual, 3 allowances: 30000 - 4060 - 3000 = 22940; 847.08 + 6.48 % x 3440 = 1069.99, less 2 x 40 + 40",
     2018, 1, 0, 3, 0, 0.0, 30000.0, 3000.0, 949.99, 0.0648},
    {"2017 annual, no allowance: 10000 - 1650 - 500 = 7850; 77.22 + 4.5 % x 2650", 2017, 1, 0, 0, 0, 0.0, 10000.0,
     500.0, 196.47, 0.045},
    {"2016 weekly, 1 allowance: 41600 - 1650 - 4160 = 35790; (1268.28 + 6.8 % x 9790) / 52 = 37.19, less 40 / 52",
     2016, 52, 0, 1, 0, 0.0, 800.0, 80.0, 36.42, 0.068},
};

TEST(Iowa, BeforeTheFormulaOf2019) {
    for (const Case& c : kFirstEra) {
        StatePaycheck p = paycheck(c);
        p.state.struc_version = 145;
        EXPECT_EQ(p.run() & 8, 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_tax, c.state_tax) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_rate_used, c.rate_used) << c.why;
    }
}

struct Supplemental {
    std::string why;
    int64_t year;
    int64_t pay_periods;
    int64_t status;
    int64_t allowances;
    double wages;
    double fed_tax;
    int64_t method;
    double supplemental;
    double expected;
};

const Supplemental kSupplemental[] = {
    {"2026 flat 3.8 %: 1000 x 3.8 %, whole dollars", 2026, 52, 0, 1, 1000.0, 0.0, 0, 1000.0, 38.0},
    {"2026 aggregate, head of household on the older certificate: both computations on the single rows; "
     "(1250 - 250) x 3.8 % - 0.77 = 37.23 less 27.73",
     2026, 52, 2, 1, 1000.0, 0.0, 1, 250.0, 9.50},
    {"2026 aggregate with any method other than flat: as above", 2026, 52, 2, 1, 1000.0, 0.0, 2, 250.0, 9.50},
    {"2024 flat 6 %: 1000 x 6 %", 2024, 52, 0, 1, 600.0, 0.0, 0, 1000.0, 60.0},
    {"2022 flat 6 %: 250.40 x 6 % = 15.02, whole dollars", 2022, 1, 0, 1, 60000.0, 5000.0, 0, 250.4, 15.0},
    {"2018 aggregate: 23940 taxable; 847.08 + 6.48 % x 4440 - 120 = 1014.79; less 949.99", 2018, 1, 0, 3, 30000.0,
     3000.0, 1, 1000.0, 64.80},
    {"2017 flat 6 %: 333.33 x 6 % = 19.9998", 2017, 1, 0, 0, 10000.0, 500.0, 0, 333.33, 20.0},
};

TEST(Iowa, SupplementalWages) {
    for (const Supplemental& c : kSupplemental) {
        Case r{c.why, c.year, c.pay_periods, c.status, c.allowances, 0, 0.0, c.wages, c.fed_tax, 0.0, 0.0};
        StatePaycheck p = paycheck(r);
        p.state.state_supp_aggregate = c.method;
        p.state.state_supplemental_wages = c.supplemental;
        EXPECT_EQ(p.run() & 8, 0) << c.why;
        EXPECT_NEAR(p.state.state_supplemental_tax, c.expected, 1e-9) << c.why;
    }
    // 2019 to 2024, aggregate, not rounded: weekly 600 + 400: 719.23 taxable;
    // 22.29 + 5.7 % x 248.46 = 36.4522, less 40 / 52 = 35.6830; less 14.2196.
    Case r{"", 2024, 52, 0, 3, 0, 0.0, 600.0, 0.0, 0.0, 0.0};
    StatePaycheck p = paycheck(r);
    p.state.state_supp_aggregate = 1;
    p.state.state_supplemental_wages = 400.0;
    EXPECT_EQ(p.run(), 0);
    EXPECT_NEAR(p.state.state_supplemental_tax, 21.46337, 1e-5);
}

TEST(Iowa, OlderLayoutsFromTheFormulaOf2019) {
    for (int64_t year : {2024, 2025, 2026}) {
        Case c{"", year, 52, 0, 1, 0, 0.0, 1000.0, 0.0, 0.0, 0.0};
        StatePaycheck p = paycheck(c);
        p.state.struc_version = 200;
        EXPECT_EQ(p.run(), 0) << year;
        EXPECT_EQ(p.state.state_error, 4) << year;
        EXPECT_DOUBLE_EQ(p.state.state_tax, 0.0) << year;
    }
}

TEST(Iowa, FailuresAndRetry) {
    Case later{"", 2027, 52, 0, 1, 0, 0.0, 1000.0, 0.0, 0.0, 0.0};
    StatePaycheck p = paycheck(later);
    EXPECT_EQ(p.run(), 0);
    EXPECT_DOUBLE_EQ(p.state.state_tax, 27.73);  // the 2026 weekly paycheck above
    EXPECT_EQ(p.state.state_table_year, 2026);
    // 2020 has no rows, nor has 2019.
    Case gap{"", 2020, 52, 0, 1, 0, 0.0, 600.0, 0.0, 0.0, 0.0};
    StatePaycheck q = paycheck(gap);
    EXPECT_EQ(q.run() & 8, 8);
    EXPECT_EQ(q.state.state_error, 1);
    EXPECT_EQ(q.state.state_table_year, 2017);
    // A certificate amount that is not a number, or wages too large to
    // annualize, give a failure and no amount.
    for (int64_t year : {2024, 2026}) {
        Case c{"", year, 52, 0, 0, 1, std::nan(""), 1000.0, 0.0, 0.0, 0.0};
        StatePaycheck n = paycheck(c);
        EXPECT_EQ(state_ia(&n.fed, &n.state), 1) << year;
        EXPECT_EQ(n.state.state_error, 1) << year;
        EXPECT_TRUE(std::isfinite(n.state.state_tax)) << year;
        Case h{"", year, 4, 0, 0, 0, 0.0, 1e308, 0.0, 0.0, 0.0};
        StatePaycheck m = paycheck(h);
        EXPECT_EQ(m.run() & 8, 8) << year;
        EXPECT_TRUE(std::isfinite(m.state.state_tax)) << year;
    }
}

TEST(Iowa, NullRecordsAreRefused) {
    Case c{"", 2026, 52, 0, 1, 0, 0.0, 1000.0, 0.0, 0.0, 0.0};
    StatePaycheck p = paycheck(c);
    EXPECT_EQ(state_ia(nullptr, &p.state), 1);
    EXPECT_EQ(state_ia(&p.fed, nullptr), 1);
    EXPECT_EQ(p.state.state_error, 0);
}

TEST(Iowa, Exports) {
    txl5_test::expect_typed_functions({"state_ia"});
    txl5_test::expect_data_objects({"iawh", "iawh2019", "iawh2025", "supplemental_ia"});
}

template <class Row>
std::vector<txl5_test::ScheduleRow> iowa_rows(const Row* table) {
    return txl5_test::schedule_rows(table, [](const Row& r) {
        return txl5_test::ScheduleRow{r.start_date, r.end_date, r.status, r.pay_periods, r.lower, r.upper, r.base,
                                      r.rate};
    });
}

const int kIawhBrackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "iawh";
    t.rows = iowa_rows(iawh);
    return t;
});

const int kIawh2019Brackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "iawh2019";
    t.rows = iowa_rows(iawh2019);
    return t;
});

}  // namespace
