#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/txl5.h"
#include "local/newyork.h"
#include "tests/support/brackets.h"
#include "tests/support/data_files.h"
#include "tests/support/exports.h"
#include "tests/support/paycheck.h"

namespace {

constexpr int64_t kYonkers = 1;
constexpr int64_t kNewYorkCity = 2;
constexpr int64_t kNewYork = 37;
constexpr int64_t kLocalityFailed = 16;  // entry-point result bit

// A New York paycheck dated June 5, 2026: federal (2019 W-4, single, one
// allowance), state (single, one allowance) and local records, `periods` a
// year, `wages` as the federal, state and local wages of the period.
struct NyPaycheck : txl5_test::PaycheckRecords {
    NyPaycheck(int64_t locality, int64_t periods, double wages, int64_t year = 2026, int64_t month = 6)
        : PaycheckRecords(kNewYork, year, periods, wages) {
        fed.check_month = month;
        fed.allowances = 1;
        state.state_allowances = 1;
        local.locality_code = locality;
    }
};

struct LocalCase {
    std::string why;  // where the expected amount comes from
    int64_t locality;
    int64_t resident;
    int64_t filing_status;
    int64_t periods;
    int64_t allowances;
    double wages;
    double additional;
    double local_tax;  // after the entry point's rounding to cents
};

const LocalCase kPaychecks[] = {
    // New York City, 2026 schedules.
    {"NYC annual single: 30000 - 5000 = 25000 at the 25000 floor: 783", kNewYorkCity, 0, 0, 1, 0, 30000.0, 0, 783.00},
    {"NYC weekly single: 500.15 - 96.15 = 404; 7.46 + 0.0395 x 116 = 12.042", kNewYorkCity, 0, 0, 52, 0, 500.15, 0,
     12.04},
    {"NYC filing status 2 takes the single schedule", kNewYorkCity, 0, 2, 52, 0, 500.15, 0, 12.04},
    {"NYC weekly married 1 exemption: 1000 - 105.75 - 19.25 = 875; 15.06 + 0.0415 x 394", kNewYorkCity, 0, 1, 52, 1,
     1000.0, 0, 31.41},
    {"NYC weekly taxable exactly at the 481 floor: the bracket's base 15.06", kNewYorkCity, 0, 0, 52, 0, 577.15, 0,
     15.06},
    {"NYC biweekly single: 2000 - 192.30 = 1807.70; 30.12 + 0.0415 x 845.70 (8700-60000 / 26 schedule)", kNewYorkCity,
     0, 0, 26, 0, 2000.0, 0, 65.22},
    {"NYC semimonthly married: 3000 - 229.15 = 2770.85; 93.17 + 0.0425 x 270.85 (2236 / 24 over 2500)", kNewYorkCity,
     0, 1, 24, 0, 3000.0, 0, 104.68},
    {"NYC monthly single 1 exemption: 5000 - 416.70 - 83.30 = 4500; 65.25 + 0.0415 x 2417", kNewYorkCity, 0, 0, 12, 1,
     5000.0, 0, 165.56},
    {"NYC daily (no daily schedule): 200 x 260 - 5000 = 47000; (783 + 0.0415 x 22000) / 260", kNewYorkCity, 0, 0, 260,
     0, 200.0, 0, 6.52},
    {"NYC extra withholding is added: 12.042 + 5", kNewYorkCity, 0, 0, 52, 0, 500.15, 5.0, 17.04},
    // Yonkers resident surcharge: 16.75 % of the New York State tax on the local wages.
    {"Yonkers resident weekly single 1 allowance: state tax 11.27 + 0.054 x 571.45 = 42.1283; x 0.1675", kYonkers, 1,
     0, 52, 1, 1000.0, 0, 7.06},
    {"Yonkers resident daily: state annual (586 + 0.054 x 56700) / 260 = 14.03; x 0.1675", kYonkers, 1, 0, 260, 0,
     300.0, 0, 2.35},
    {"Yonkers resident weekly married 1 allowance: 1000 - 152.90 - 19.25 = 827.85; (11.27 + 0.054 x 560.85) x 0.1675",
     kYonkers, 1, 1, 52, 1, 1000.0, 0, 6.96},
    // Yonkers nonresident earnings tax: 0.5 % of wages less the exclusion.
    {"Yonkers nonresident annual 15000: band 10000-20000, 0.005 x (15000 - 2000)", kYonkers, 0, 0, 1, 0, 15000.0, 0,
     65.00},
    {"Yonkers nonresident weekly 300: band 192-385, 0.005 x (300 - 38)", kYonkers, 0, 0, 52, 0, 300.0, 0, 1.31},
    {"Yonkers nonresident weekly 1000: top band, no exclusion: 0.005 x 1000", kYonkers, 0, 0, 52, 0, 1000.0, 0, 5.00},
    {"Yonkers nonresident weekly 70: below the 77 minimum, no tax", kYonkers, 0, 0, 52, 0, 70.0, 0, 0.00},
    {"Yonkers nonresident monthly 300: below the 333 minimum, no tax", kYonkers, 0, 0, 12, 0, 300.0, 0, 0.00},
    {"Yonkers nonresident annual 3000: below the 4000 minimum, no tax", kYonkers, 0, 0, 1, 0, 3000.0, 0, 0.00},
    {"Yonkers nonresident daily 50 (annual bands): 13000 in 10000-20000, 0.005 x 11000 / 260", kYonkers, 0, 0, 260, 0,
     50.0, 0, 0.21},
    {"Yonkers resident flag 2 is a nonresident: weekly 300, 0.005 x 262", kYonkers, 2, 0, 52, 0, 300.0, 0, 1.31},
    // Other codes.
    {"locality 3 is neither city: no tax, extra withholding not added", 3, 0, 0, 52, 0, 1000.0, 5.0, 0.00},
};

TEST(NewYorkLocal, Paychecks) {
    for (const auto& c : kPaychecks) {
        NyPaycheck p(c.locality, c.periods, c.wages);
        p.local.local_resident = c.resident;
        p.local.local_filing_status = c.filing_status;
        p.local.local_allowances = c.allowances;
        p.local.additional_local_wh = c.additional;
        EXPECT_EQ(TXL5_Calc_Local(1, &p.fed, &p.state, &p.local), 0) << c.why;
        EXPECT_DOUBLE_EQ(p.local.local_tax, c.local_tax) << c.why;
        EXPECT_EQ(p.local.local_error, 0) << c.why;
    }
}

// The road of one paycheck: a weekly New York City employee, 1000.00 of wages,
// single with one allowance on every form, nothing earned before in the year.
TEST(NewYorkLocal, OnePaycheckFieldByField) {
    NyPaycheck p(kNewYorkCity, 52, 1000.0);
    p.local.local_allowances = 1;
    ASSERT_EQ(TXL5_Calc_Local(1, &p.fed, &p.state, &p.local), 0);
    // Pub. 15-T 2026 annual single schedule: 52 x 1000 - 4300 = 47700, in the
    // 19900-57900 bracket: 1240 + 0.12 x 27800 = 4576; / 52 = 88.00.
    EXPECT_DOUBLE_EQ(p.fed.fed_tax, 88.00);
    // Social security 6.2 % and Medicare 1.45 % of 1000.
    EXPECT_DOUBLE_EQ(p.fed.fica_tax, 62.00);
    EXPECT_DOUBLE_EQ(p.fed.medicare_tax, 14.50);
    EXPECT_DOUBLE_EQ(p.fed.supplemental_fed_tax, 0.00);
    // NYS-50-T-NYS 2026 weekly single: 1000 - 142.30 - 19.25 = 838.45, in the
    // 267-1551 bracket: 11.27 + 0.054 x 571.45 = 42.1283.
    EXPECT_DOUBLE_EQ(p.state.state_tax, 42.13);
    EXPECT_DOUBLE_EQ(p.state.state_supplemental_tax, 0.00);
    // New York City 2026 weekly: 1000 - 96.15 - 19.25 = 884.60, in the
    // 481-1154 bracket: 15.06 + 0.0415 x 403.60 = 31.8094.
    EXPECT_DOUBLE_EQ(p.local.local_tax, 31.81);
    EXPECT_DOUBLE_EQ(p.local.local_supplemental_tax, 0.00);
    EXPECT_EQ(p.local.local_error, 0);
}

TEST(NewYorkLocal, EveryEntryPointReachesTheCity) {
    using Entry = int64_t (*)(uint64_t, FEDERAL_WITHHOLDING_STRUC*, STATE_WITHHOLDING_STRUC*, LOCAL_WITHHOLDING_STRUC*);
    const Entry entries[] = {TXL5_Calc_County, TXL5_Calc_Local, TXL5_Calc_Local_TEST};
    for (Entry entry : entries) {
        NyPaycheck p(kNewYorkCity, 52, 500.15);
        p.local.local_allowances = 0;
        EXPECT_EQ(entry(1, &p.fed, &p.state, &p.local), 0);
        EXPECT_DOUBLE_EQ(p.local.local_tax, 12.04) << "7.46 + 0.0395 x 116";
    }
}

// The top bracket of a state schedule (base -1) taxes the whole annual taxable
// wage at the high-income rate, as New York State does.
struct TopBracketCase {
    std::string why;
    int64_t periods;
    double wages;
    double local_tax;
};

const TopBracketCase kTopBrackets[] = {
    {"weekly 30000: 29857.70 over the 20722 floor; A = 29857.70 x 52 = 1552600.40; 0.1045 x A / 52 = 3120.1296; "
     "x 0.1675",
     52, 30000.0, 522.62},
    {"daily 10000 (annual schedule): A = 2600000 - 7400 = 2592600 over 1077550; 0.1045 x A / 260 = 1042.0258; "
     "x 0.1675",
     260, 10000.0, 174.54},
    {"weekly 500000: A = 499857.70 x 52 = 25992600.40, above 25000000: 0.117 x A / 52 = 58483.3509; x 0.1675", 52,
     500000.0, 9795.96},
};

TEST(NewYorkLocal, YonkersTopBracketUsesTheHighIncomeRate) {
    for (const auto& c : kTopBrackets) {
        NyPaycheck p(kYonkers, c.periods, c.wages);
        p.local.local_resident = 1;
        EXPECT_EQ(TXL5_Calc_Local(1, &p.fed, &p.state, &p.local), 0) << c.why;
        EXPECT_DOUBLE_EQ(p.local.local_tax, c.local_tax) << c.why;
    }
}

struct SupplementalCase {
    std::string why;
    int64_t locality;
    int64_t resident;
    int64_t version;
    int64_t aggregate;
    int64_t periods;
    int64_t allowances;
    double wages;
    double bonus;
    double supplemental_tax;  // 7.77 = left as the caller set it
    int64_t aux_result;       // -1 = left as the caller set it
};

const SupplementalCase kSupplemental[] = {
    {"NYC flat 4.25 % of 1000", kNewYorkCity, 0, 156, 0, 52, 0, 500.15, 1000.0, 42.50, -1},
    {"Yonkers flat 1.95975 % of 1000 = 19.5975", kYonkers, 1, 156, 0, 52, 0, 500.0, 1000.0, 19.60, -1},
    {"Yonkers flat rate for a nonresident too", kYonkers, 0, 156, 0, 52, 0, 500.0, 1000.0, 19.60, -1},
    {"version 155 has no supplemental fields", kNewYorkCity, 0, 155, 0, 52, 0, 500.15, 1000.0, 7.77, -1},
    {"aggregate flag 2 computes no supplemental tax", kNewYorkCity, 0, 156, 2, 52, 0, 500.15, 1000.0, 7.77, -1},
    {"NYC aggregate weekly: 1000.15 - 96.15 = 904; 15.06 + 0.0415 x 423 = 32.6145, less 12.042", kNewYorkCity, 0, 156,
     1, 52, 0, 500.15, 500.0, 20.57, -1},
    {"NYC aggregate daily (annual schedule): (100 + 100) x 260 - 5000 = 47000: 1696 / 260 = 6.5231, less "
     "26000 - 5000 = 21000: (388 + 0.0395 x 6000) / 260 = 2.4038",
     kNewYorkCity, 0, 156, 1, 260, 0, 100.0, 100.0, 4.12, -1},
    {"Yonkers resident aggregate: 2000 - 161.55 = 1838.45; (80.58 + 0.059 x 287.45) x 0.1675 = 16.3379, less "
     "42.1283 x 0.1675 = 7.0565",
     kYonkers, 1, 156, 1, 52, 1, 1000.0, 1000.0, 9.28, 16},
    {"Yonkers nonresident aggregate: band of 300 (192-385, 38); 0.005 x (300 - 38 + 1000) = 6.31, less 1.31", kYonkers,
     0, 156, 1, 52, 0, 300.0, 1000.0, 5.00, 6},
    {"Yonkers nonresident aggregate, band chosen on regular wages alone: 70 is below the minimum", kYonkers, 0, 156, 1,
     52, 0, 70.0, 1000.0, 0.00, 0},
    {"Yonkers nonresident aggregate daily (annual bands): 13000 + 13000 in 20000-30000: 0.005 x (13000 - 1000 + "
     "13000) / 260 = 0.4808, less 0.005 x 11000 / 260 = 0.2115",
     kYonkers, 0, 156, 1, 260, 0, 50.0, 50.0, 0.27, 0},
    {"Yonkers nonresident aggregate daily: 1300 + 1300 below the 4000 minimum, no tax", kYonkers, 0, 156, 1, 260, 0,
     5.0, 5.0, 0.00, 0},
};

TEST(NewYorkLocal, SupplementalWages) {
    for (const auto& c : kSupplemental) {
        NyPaycheck p(c.locality, c.periods, c.wages);
        p.fed.aux_result = -1;
        p.local.struc_version = c.version;
        p.local.local_resident = c.resident;
        p.local.local_allowances = c.allowances;
        p.local.local_supp_aggregate = c.aggregate;
        p.local.local_supplemental_wages = c.bonus;
        p.local.local_supplemental_tax = 7.77;
        EXPECT_EQ(TXL5_Calc_Local(1, &p.fed, &p.state, &p.local), 0) << c.why;
        EXPECT_DOUBLE_EQ(p.local.local_supplemental_tax, c.supplemental_tax) << c.why;
        EXPECT_EQ(p.fed.aux_result, c.aux_result) << c.why;
    }
}

// Cases the entry points cannot reach (they skip the local step when the
// federal or state part finds no row, and the tables hold 2024 to 2026 only):
// county_ny called as the entry points call it, on the records they leave.
struct DirectCase {
    std::string why;
    int64_t year;
    int64_t month;
    int64_t resident;
    double local_tax_before;
    double local_tax;  // unrounded, as county_ny leaves it
    int64_t result;
    int64_t local_error;
};

const DirectCase kDirect[] = {
    {"2005: 5 % of the state tax 40.00, the extra 5.00 not added", 2005, 6, 1, 0.0, 2.00, 0, 0},
    // No schedule for these years: the tax held (100) takes the year's surcharge, plus the extra 5.00.
    {"2010: surcharge 10 %", 2010, 6, 1, 100.0, 15.00, 1, 1},
    {"2011: surcharge 17.5 %", 2011, 6, 1, 100.0, 22.50, 1, 1},
    {"2014 July: surcharge 15 %", 2014, 7, 1, 100.0, 20.00, 1, 1},
    {"2014 August: surcharge 19.2 %", 2014, 8, 1, 100.0, 24.20, 1, 1},
    {"2016: surcharge 16.75 %", 2016, 6, 1, 100.0, 21.75, 1, 1},
    {"2016 nonresident: the surcharge too (earnings tax from 2018)", 2016, 6, 0, 100.0, 21.75, 1, 1},
    {"2019 nonresident: earnings tax, no band for the year: 0 plus the extra", 2019, 6, 0, 100.0, 5.00, 1, 1},
};

TEST(NewYorkLocal, YonkersByYear) {
    for (const auto& c : kDirect) {
        NyPaycheck p(kYonkers, 52, 1000.0, c.year, c.month);
        p.local.struc_version = 155;  // no supplemental fields: the flat rate is not looked up
        p.state.state_tax = 40.0;
        p.local.local_resident = c.resident;
        p.local.local_tax = c.local_tax_before;
        p.local.additional_local_wh = 5.0;
        EXPECT_EQ(county_ny(&p.fed, &p.state, &p.local), c.result) << c.why;
        EXPECT_NEAR(p.local.local_tax, c.local_tax, 1e-9) << c.why;
        EXPECT_EQ(p.local.local_error, c.local_error) << c.why;
    }
}

TEST(NewYorkLocal, NoRowsForTheYear) {
    // 2023: no city schedule and no flat rate: bit 1 (local_error 1) and bit 64.
    NyPaycheck p(kNewYorkCity, 52, 500.15, 2023);
    p.local.local_supplemental_wages = 1000.0;
    p.local.local_supplemental_tax = 7.77;
    EXPECT_EQ(county_ny(&p.fed, &p.state, &p.local), 1 | 64);
    EXPECT_EQ(p.local.local_error, 1);
    EXPECT_DOUBLE_EQ(p.local.local_supplemental_tax, 0.0);
}

// A pay-period count below 1 divides by 1: the annual schedule's tax on the
// wages annualized with the state record's periods, undivided.
TEST(NewYorkLocal, PayPeriodsBelowOneDivideByOne) {
    for (int64_t periods : {0, -1}) {
        NyPaycheck city(kNewYorkCity, 52, 500.15);
        city.local.local_allowances = 0;
        city.local.local_pay_periods = periods;
        EXPECT_EQ(TXL5_Calc_Local(1, &city.fed, &city.state, &city.local), 0);
        // 500.15 x 52 - 5000 = 21007.80: 388 + 0.0395 x 6007.80 = 625.3081.
        EXPECT_DOUBLE_EQ(city.local.local_tax, 625.31) << periods;

        NyPaycheck nonresident(kYonkers, 52, 300.0);
        nonresident.local.local_pay_periods = periods;
        EXPECT_EQ(TXL5_Calc_Local(1, &nonresident.fed, &nonresident.state, &nonresident.local), 0);
        // 300 x 52 = 15600 in 10000-20000: 0.005 x (15600 - 2000) = 68.
        EXPECT_DOUBLE_EQ(nonresident.local.local_tax, 68.00) << periods;

        NyPaycheck resident(kYonkers, 52, 1000.0);
        resident.local.local_resident = 1;
        resident.local.local_pay_periods = periods;
        resident.local.local_supp_aggregate = 1;
        resident.local.local_supplemental_wages = 1000.0;
        EXPECT_EQ(TXL5_Calc_Local(1, &resident.fed, &resident.state, &resident.local), 0);
        EXPECT_TRUE(std::isfinite(resident.local.local_tax));
        EXPECT_TRUE(std::isfinite(resident.local.local_supplemental_tax));
    }
}

// Wages that are not finite amounts give no amount that is not: the tax is 0
// and the locality reports failure.
TEST(NewYorkLocal, NonFiniteInputsWriteNoNonFiniteAmount) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Input {
        std::string why;
        int64_t locality;
        int64_t resident;
        double wages;
        double bonus;
        double additional;
    };
    const Input inputs[] = {
        {"NYC infinite wages", kNewYorkCity, 0, inf, 0, 0},
        {"NYC wages not a number", kNewYorkCity, 0, nan, 0, 0},
        {"NYC infinite bonus taxed together", kNewYorkCity, 0, 500.0, inf, 0},
        {"NYC infinite extra withholding", kNewYorkCity, 0, 500.0, 0, inf},
        {"Yonkers resident infinite wages", kYonkers, 1, inf, 0, 0},
        {"Yonkers nonresident infinite wages", kYonkers, 0, inf, 0, 0},
        {"Yonkers nonresident infinite bonus taxed together", kYonkers, 0, 500.0, inf, 0},
    };
    for (const auto& in : inputs) {
        NyPaycheck p(in.locality, 52, 500.0);
        p.local.local_resident = in.resident;
        p.local.local_wages = in.wages;
        p.local.local_supp_aggregate = 1;
        p.local.local_supplemental_wages = in.bonus;
        p.local.additional_local_wh = in.additional;
        const int64_t result = TXL5_Calc_Local(1, &p.fed, &p.state, &p.local);
        EXPECT_EQ(result, kLocalityFailed) << in.why;
        EXPECT_TRUE(std::isfinite(p.local.local_tax)) << in.why;
        EXPECT_TRUE(std::isfinite(p.local.local_supplemental_tax)) << in.why;
    }
    NyPaycheck p(kYonkers, 52, 1000.0, 2005);
    p.state.state_tax = nan;
    EXPECT_NE(county_ny(&p.fed, &p.state, &p.local), 0);
    EXPECT_DOUBLE_EQ(p.local.local_tax, 0.0);
}

// The generated blocks of local/newyork.cpp are what the generator makes of its
// data files (so nobody edits generated rows by hand); the generator itself
// refuses rows that differ from the 2026 weekly brackets and per-period
// deductions quoted for the city or from the printed Yonkers nonresident bands.
TEST(NewYorkLocal, GeneratedBlocksAreCurrent) {
    txl5_test::expect_generated_source_current("gen_newyorkcity.py", "local/newyork.cpp");
}

TEST(NewYorkLocal, ExportedNames) {
    txl5_test::expect_typed_functions({"county_ny"});
    txl5_test::expect_data_objects({"nycwh", "nyynr", "supplemental_nyc", "supplemental_nyy"});
}

txl5_test::ScheduleRow schedule_row(const NyWhRow& r) {
    return txl5_test::ScheduleRow{r.start_date, r.end_date, r.status, r.pay_periods, r.lower, r.upper, r.base, r.rate};
}

// The annual schedules as published: three bases are printed in whole dollars
// that are not the exact sums of the brackets below them (184 for 183.60, 388
// for 388.75, 2236 for 2235.50).
const int kNycwhAnnualBrackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "nycwh (annual)";
    for (const NyWhRow* r = nycwh; r->start_date.month != 0; ++r) {
        if (r->pay_periods != 1) continue;
        if (r->lower == 8700.0 || r->lower == 15000.0 || r->lower == 60000.0) t.allowed_rows.insert(t.rows.size());
        t.rows.push_back(schedule_row(*r));
    }
    return t;
});

// The per-period schedules: bounds rounded to whole dollars (the biweekly ones
// twice a rounded weekly bound, up to a dollar off) and bases the annual bases
// divided and rounded to cents, so the annual 0.75 of 388 carries over (0.0625
// a month).
const int kNycwhPeriodBrackets = txl5_test::register_bracket_table([] {
    txl5_test::BracketTable t;
    t.name = "nycwh (per period)";
    t.bound_rounding = 1.0;
    t.tolerance = 0.075;
    for (const NyWhRow* r = nycwh; r->start_date.month != 0; ++r) {
        if (r->pay_periods != 1) t.rows.push_back(schedule_row(*r));
    }
    return t;
});

}  // namespace
