#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "states/oregon.h"
#include "tests/support/brackets.h"
#include "tests/support/exports.h"
#include "tests/support/paycheck.h"

namespace {

constexpr int64_t kOregon = 43;

// An Oregon paycheck of June 15. The federal record has no wages, so its tax
// is exactly the extra federal withholding: that is the federal tax Oregon
// subtracts.
struct Paycheck : txl5_test::PaycheckRecords {
    Paycheck(int64_t year, int64_t status, int64_t pay_periods, int64_t allowances, double wages, double fed_tax,
             int64_t month = 6)
        : PaycheckRecords(kOregon, year, pay_periods, 0.0) {
        fed.check_month = month;
        fed.check_day = 15;
        fed.additional_fed_wh = fed_tax;
        fed.aux_result = -7;
        state.state_filing_status = status;
        state.state_allowances = allowances;
        state.state_wages = wages;
        state.state_supp_aggregate = 0;
    }
    int64_t run() { return TXL5_Calc(1, &fed, &state); }
};

struct Case {
    std::string why;
    int64_t year;
    int64_t status;
    int64_t pay_periods;
    int64_t allowances;
    double wages;
    double fed_tax;
    double state_tax;
    double rate_used;
};

const Case kPaychecks[] = {
    // Published figures: the formula's own example and printed bases.
    {"2026 formula example: 40000 - 3000 - 2910 = 34090; 941 + 8.75 % x 22690 = 2926.375", 2026, 0, 1, 0, 40000.0,
     3000.0, 2926.0, 0.0875},
    {"2025 single at the printed floor 11,100: 13935 - 2835; base 917 less one credit of 256", 2025, 0, 1, 1, 13935.0,
     0.0, 661.0, 0.0875},
    {"2024 married at the printed floor 21,500: 26995 - 5495; base 1529 less 2 x 249", 2024, 1, 1, 2, 26995.0, 0.0,
     1031.0, 0.0875},
    {"2026 married at the printed floor 9,100: 14920 - 5820; base 695", 2026, 1, 1, 0, 14920.0, 0.0, 695.0, 0.0675},
    // Hand arithmetic on the 2026 rows.
    {"single with 3 allowances on the married schedule: 30000 - 2000 - 5820 = 22180; "
     "695 + 6.75 % x 13080 = 1577.90, less 3 x 263",
     2026, 0, 1, 3, 30000.0, 2000.0, 789.0, 0.0675},
    {"status 10 with 3 allowances: as the line above", 2026, 10, 1, 3, 30000.0, 2000.0, 789.0, 0.0675},
    {"status 10 with no allowances is single: as the formula example", 2026, 10, 1, 0, 40000.0, 3000.0, 2926.0,
     0.0875},
    {"high schedule: 60000 - 8750 (cap) - 2910 = 48340; 678 + 8.75 % x 36940 = 3910.25, less 263", 2026, 0, 1, 1,
     60000.0, 9000.0, 3647.0, 0.0875},
    {"single over 100,000: 120000 - 8750 - 2910 = 108340; 678 + 8.75 % x 96940 = 9160.25, no credit", 2026, 0, 1, 2,
     120000.0, 20000.0, 9160.0, 0.0875},
    {"married over 200,000: 210000 - 8750 - 5820 = 195430; 1357 + 8.75 % x 172630 = 16462.125, no credit", 2026, 1,
     1, 2, 210000.0, 20000.0, 16462.0, 0.0875},
    {"married at 200,000 keeps the credit: 185430 taxable; 1357 + 8.75 % x 162630 = 15587.125, less 2 x 263", 2026,
     1, 1, 2, 200000.0, 20000.0, 15061.0, 0.0875},
    {"phase-out, 132000 single: cap 5250; 123840 taxable; 678 + 8.75 % x 112440 = 10516.50", 2026, 0, 1, 0,
     132000.0, 25000.0, 10517.0, 0.0875},
    {"phase-out ends at 145,000: no subtraction; 142090 taxable; 10618 + 9.9 % x 17090 = 12309.91", 2026, 0, 1, 0,
     145000.0, 30000.0, 12310.0, 0.099},
    {"2025 married high: 255000 - 6800 (cap) - 5670 = 242530; 1323 + 8.75 % x 220330 = 20601.875", 2025, 1, 1, 0,
     255000.0, 40000.0, 20602.0, 0.0875},
    // Per-frequency wage thresholds; annual rows for every frequency.
    {"weekly 1000 is above 962: high; 52000 - 5200 - 2910 = 43890; (3520.875 - 263) / 52 = 62.65", 2026, 0, 52, 1,
     1000.0, 100.0, 63.0, 0.0875},
    {"weekly 961.99 is below 962: low; 50023.48 - 2910; (941 + 8.75 % x 35713.48) / 52 = 78.19", 2026, 0, 52, 0,
     961.99, 0.0, 78.0, 0.0875},
    {"weekly 962.00 at the threshold: high; 47114 taxable; (678 + 8.75 % x 35714) / 52 = 73.13", 2026, 0, 52, 0,
     962.0, 0.0, 73.0, 0.0875},
    {"quarterly has no threshold of its own: 48000 a year is below 50,000; (941 + 8.75 % x 33690) / 4 = 972.22",
     2026, 0, 4, 0, 12000.0, 0.0, 972.0, 0.0875},
    {"credit above the tax: 3000 - 2910 = 90; 263 + 4.75 % x 90 = 267.275, less 2 x 263: 0", 2026, 0, 1, 2, 3000.0,
     0.0, 0.0, 0.0475},
};

TEST(Oregon, Paychecks) {
    for (const Case& c : kPaychecks) {
        Paycheck p(c.year, c.status, c.pay_periods, c.allowances, c.wages, c.fed_tax);
        EXPECT_EQ(p.run(), 0) << c.why;
        EXPECT_EQ(p.state.state_error, 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_tax, c.state_tax) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_rate_used, c.rate_used) << c.why;
        EXPECT_EQ(p.state.state_table_year, c.year) << c.why;
    }
}

TEST(Oregon, TaxableWagesInCentsForAnAnnualPayroll) {
    Paycheck annual(2026, 0, 1, 0, 40000.0, 3000.0);
    annual.run();
    EXPECT_EQ(annual.fed.aux_result, 3409000);  // 40000 - 3000 - 2910
    // A weekly payroll is taxed on the annual rows only: nothing is left there.
    Paycheck weekly(2026, 0, 52, 1, 1000.0, 100.0);
    weekly.run();
    EXPECT_EQ(weekly.fed.aux_result, -7);
}

struct Supplemental {
    std::string why;
    int64_t method;
    double wages;
    double supplemental;
    double expected;
};

const Supplemental kSupplemental[] = {
    {"flat 8 %: 1000 x 8 %", 0, 40000.0, 1000.0, 80.0},
    {"flat 8 %: 333.33 x 8 % = 26.6664", 0, 40000.0, 333.33, 26.67},
    {"aggregate: 35090 taxable, 3013.875 - 2926.375 = 87.50, whole dollars", 1, 40000.0, 1000.0, 88.0},
    {"any other method value is aggregate", 2, 40000.0, 1000.0, 88.0},
    {"aggregate crossing into the high schedule: 51000 - 3000 - 2910 = 45090; 678 + 8.75 % x 33690 = 3625.875; "
     "3625.875 - 2926.375 = 699.50",
     1, 40000.0, 11000.0, 700.0},
    {"aggregate of negative supplemental wages is floored at 0", 1, 40000.0, -1000.0, 0.0},
};

TEST(Oregon, SupplementalWages) {
    for (const Supplemental& c : kSupplemental) {
        Paycheck p(2026, 0, 1, 0, c.wages, 3000.0);
        p.state.state_supp_aggregate = c.method;
        p.state.state_supplemental_wages = c.supplemental;
        EXPECT_EQ(p.run(), 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, c.expected) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_tax, 2926.0) << c.why << ": the regular tax stays";
        EXPECT_EQ(p.fed.aux_result, 3409000) << c.why << ": the regular taxable wages stay";
    }
    Paycheck old_layout(2026, 0, 1, 0, 40000.0, 3000.0);
    old_layout.state.struc_version = 144;
    old_layout.state.state_supplemental_wages = 1000.0;
    old_layout.state.state_supplemental_tax = 7.77;
    EXPECT_EQ(old_layout.run(), 0);
    EXPECT_DOUBLE_EQ(old_layout.state.state_supplemental_tax, 7.77);
}

// Checks before 2011: the older tables (their values not verified in print),
// checked by hand arithmetic on the rows.
const Case kOlderPaychecks[] = {
    {"2009: 30000 - 3000 - 1770 = 25230; 443.50 + 9 % x 18080 = 2070.70, less 165", 2009, 0, 1, 1, 30000.0, 3000.0,
     1906.0, 0.09},
    {"2008 federal subtraction capped at 5500: 60000 - 5500 - 3545 = 50955; 887 + 9 % x 36655 = 4185.95", 2008, 1, 1,
     0, 60000.0, 9000.0, 4186.0, 0.09},
    {"2010 before March, no surcharge: 150000 - 5500 - 1770 = 142730; 443.50 + 9 % x 135580 = 12645.70", 2010, 0, 1,
     0, 150000.0, 30000.0, 12646.0, 0.09},
    {"2006 (standard deduction in the schedule): 20000 - 2000 = 18000; 424.50 + 9 % x 9445 = 1274.55, less 159",
     2006, 0, 1, 1, 20000.0, 2000.0, 1116.0, 0.09},
    {"2009 single with 3 allowances on the married schedule: 30000 - 3000 - 3545 = 23455; "
     "887 + 9 % x 9155 = 1710.95, less 3 x 165",
     2009, 0, 1, 3, 30000.0, 3000.0, 1216.0, 0.09},
};

TEST(Oregon, OlderTables) {
    for (const Case& c : kOlderPaychecks) {
        Paycheck p(c.year, c.status, c.pay_periods, c.allowances, c.wages, c.fed_tax, 2);
        // The federal tables hold no such year: the federal part fails and its
        // tax is the extra withholding alone, as Oregon subtracts it here.
        EXPECT_EQ(p.run() & 8, 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_tax, c.state_tax) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_rate_used, c.rate_used) << c.why;
        EXPECT_EQ(p.state.state_table_year, c.year) << c.why;
    }
    // From March 2010 the surcharge is added: 150000 single: 5 bands of 120
    // (capped at 600) + 1.8 % x 25000 = 1050, over the 1 period of the
    // certificate: 12645.70 + 1050 = 13695.70.
    Paycheck march(2010, 0, 1, 0, 150000.0, 30000.0, 3);
    march.state.state_form_code = 1;
    EXPECT_EQ(march.run() & 8, 0);
    EXPECT_DOUBLE_EQ(march.state.state_tax, 13696.0);
    // A flat bonus of those years: 9 %.
    Paycheck bonus(2009, 0, 1, 1, 30000.0, 3000.0);
    bonus.state.state_supplemental_wages = 1000.0;
    EXPECT_EQ(bonus.run() & 8, 0);
    EXPECT_DOUBLE_EQ(bonus.state.state_supplemental_tax, 90.0);
    // 2007 has no rows of its own: the prior-year retry takes the 2006 rows.
    Paycheck y2007(2007, 0, 1, 1, 20000.0, 2000.0);
    EXPECT_EQ(y2007.run() & 8, 0);
    EXPECT_DOUBLE_EQ(y2007.state.state_tax, 1116.0);
    EXPECT_EQ(y2007.state.state_table_year, 2006);
}

struct Surcharge {
    std::string why;
    double annual_wages;
    long status;
    long divisor;
    double expected;
};

const Surcharge kSurcharges[] = {
    {"single 200000: 5 bands (600) + 1.8 % x 75000 = 1950, over 12 periods", 200000.0, 0, 12, 162.5},
    {"single 126000: 1 band (120) + 1.8 % x 1000 = 138", 126000.0, 0, 1, 138.0},
    {"single 124999.99: none", 124999.99, 0, 1, 0.0},
    {"married 150000: none below 250,000", 150000.0, 1, 1, 0.0},
    {"married 300000: 600 + 2 % x 175000 = 4100", 300000.0, 1, 1, 4100.0},
    {"divisor 0: none", 300000.0, 1, 0, 0.0},
    {"divisor 366: none", 300000.0, 1, 366, 0.0},
    {"a negative divisor spreads nothing (not a negative surcharge)", 300000.0, 1, -12, 0.0},
};

TEST(Oregon, Surcharge2010) {
    for (const Surcharge& c : kSurcharges) {
        EXPECT_DOUBLE_EQ(special_2010(c.annual_wages, c.status, c.divisor), c.expected) << c.why;
    }
}

struct FedLimit {
    std::string why;
    int64_t pay_periods;
    long status;
    double wages;
    double expected;
};

const FedLimit kFedLimits[] = {
    {"single 127000: 7000", 1, 0, 127000.0, 7000.0},
    {"single 125000 (bands include their floor): 7000", 1, 0, 125000.0, 7000.0},
    {"married 127000: 8750", 1, 1, 127000.0, 8750.0},
    {"status 10 reads as single, 142000: 1750", 1, 10, 142000.0, 1750.0},
    {"married 290000: 0", 1, 1, 290000.0, 0.0},
    {"weekly 2500 is 130000 a year: 5250 / 52", 52, 0, 2500.0, 5250.0 / 52.0},
};

TEST(Oregon, FederalSubtractionCap) {
    for (const FedLimit& c : kFedLimits) {
        Paycheck p(2026, 0, c.pay_periods, 0, 0.0, 0.0);
        EXPECT_DOUBLE_EQ(get_fed_limit(&p.fed, &p.state, static_cast<long>(c.pay_periods), c.status, c.wages),
                         c.expected)
            << c.why;
        EXPECT_EQ(p.state.state_error, 0) << c.why;
    }
    Paycheck p(2026, 0, 1, 0, 0.0, 0.0);
    EXPECT_DOUBLE_EQ(get_fed_limit(&p.fed, &p.state, 1, 2, 50000.0), 0.0);
    EXPECT_EQ(p.state.state_error, 1);
}

TEST(Oregon, ExemptionIncomeLimit) {
    Paycheck p(2025, 0, 1, 0, 0.0, 0.0);
    EXPECT_DOUBLE_EQ(get_exemption_limit(&p.fed, &p.state, 0, 0.0), 100000.0);
    EXPECT_DOUBLE_EQ(get_exemption_limit(&p.fed, &p.state, 10, 0.0), 100000.0);
    EXPECT_DOUBLE_EQ(get_exemption_limit(&p.fed, &p.state, 1, 0.0), 200000.0);
    EXPECT_DOUBLE_EQ(get_exemption_limit(&p.fed, &p.state, 2, 0.0), 0.0);
    p.fed.check_year = 2023;
    EXPECT_DOUBLE_EQ(get_exemption_limit(&p.fed, &p.state, 0, 0.0), 0.0);
}

TEST(Oregon, FailuresAndRetry) {
    // A 2027 check is computed with the 2026 rows.
    Paycheck later(2027, 0, 1, 0, 40000.0, 3000.0);
    EXPECT_EQ(later.run(), 0);
    EXPECT_DOUBLE_EQ(later.state.state_tax, 2926.0);
    EXPECT_EQ(later.state.state_table_year, 2026);
    // A status without a schedule fails.
    Paycheck unknown(2026, 2, 1, 0, 40000.0, 3000.0);
    EXPECT_EQ(unknown.run() & 8, 8);
    EXPECT_EQ(unknown.state.state_error, 1);
    EXPECT_DOUBLE_EQ(unknown.state.state_tax, 0.0);
    // Wages too large to annualize fit no bracket and write no amount.
    Paycheck huge(2026, 0, 52, 0, 1e308, 0.0);
    EXPECT_EQ(huge.run() & 8, 8);
    EXPECT_TRUE(std::isfinite(huge.state.state_tax));
}

TEST(Oregon, NullRecordsAreRefused) {
    Paycheck p(2026, 0, 1, 0, 40000.0, 3000.0);
    const STATE_WITHHOLDING_STRUC before = p.state;
    EXPECT_EQ(state_or(nullptr, &p.state), 1);
    EXPECT_EQ(state_or(&p.fed, nullptr), 1);
    EXPECT_DOUBLE_EQ(get_fed_limit(nullptr, &p.state, 1, 0, 1000.0), 0.0);
    EXPECT_DOUBLE_EQ(get_exemption_limit(&p.fed, nullptr, 0, 1000.0), 0.0);
    EXPECT_EQ(p.state.state_error, before.state_error);
    EXPECT_EQ(p.state.state_table_year, before.state_table_year);
}

TEST(Oregon, CalledDirectlyPayPeriodsBelowOneGiveAFiniteTax) {
    for (int64_t periods : {0, -26}) {
        Paycheck p(2026, 0, periods, 0, 40000.0, 0.0);
        p.fed.fed_tax = 3000.0;
        EXPECT_EQ(state_or(&p.fed, &p.state), 0) << periods;
        // Read as one annual period: the formula example.
        EXPECT_DOUBLE_EQ(p.state.state_tax, 2926.0) << periods;
    }
}

TEST(Oregon, Exports) {
    txl5_test::expect_typed_functions({"state_or", "get_fed_limit", "get_exemption_limit", "special_2010"});
    txl5_test::expect_data_objects({"orwhlow", "orwhhigh", "wage_limit", "fed_phase_out", "exemption_limit_table",
                                    "supplemental_or", "orwh", "orwh2007"});
}

// Rows as the bracket-arithmetic test reads them; the rate runs from rate_floor.
std::vector<txl5_test::ScheduleRow> oregon_rows(const OrWhRow* table) {
    return txl5_test::schedule_rows(table, [](const OrWhRow& r) {
        return txl5_test::ScheduleRow{r.start_date, r.end_date, r.status, r.pay_periods, r.rate_floor, r.upper,
                                      r.base, r.rate};
    });
}

const int kOregonBrackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "orwhlow";
    t.rows = oregon_rows(orwhlow);
    t.tolerance = 0.5;  // bases in whole dollars
    return t;
});

const int kOregonHighBrackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "orwhhigh";
    t.rows = oregon_rows(orwhhigh);
    t.tolerance = 0.5;  // bases in whole dollars
    // The second bracket of each schedule starts at the taxable amount that
    // the wage threshold leaves, while its rate runs from the low schedule's
    // top floor: it does not continue the zero band.
    t.allowed_rows = {1, 4, 7, 10, 13, 16};
    return t;
});

template <class Row>
std::vector<txl5_test::ScheduleRow> older_rows(const Row* table) {
    return txl5_test::schedule_rows(table, [](const Row& r) {
        return txl5_test::ScheduleRow{r.start_date, r.end_date, r.status, r.pay_periods, r.lower, r.upper, r.base,
                                      r.rate};
    });
}

const int kOregonOlderBrackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "orwh";
    t.rows = older_rows(orwh);
    return t;
});

const int kOregon2007Brackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "orwh2007";
    t.rows = older_rows(orwh2007);
    return t;
});

}  // namespace
