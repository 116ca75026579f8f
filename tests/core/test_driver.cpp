#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <set>
#include <string>

#include "core/txl5.h"
#include "tests/support/exports.h"
#include "tests/support/paycheck.h"

namespace {

// Weekly single employee, 1 allowance, 1000.00 in 2026 (federal tax 88.00,
// social security 62.00, Medicare 14.50), in a state with no income tax.
struct Paycheck : txl5_test::PaycheckRecords {
    Paycheck(int64_t year = 2026, int64_t state_code = 51) : PaycheckRecords(state_code, year) {
        fed.allowances = 1;
    }
    double net() const {
        return fed.gross_wages + fed.supplemental_wages - fed.fed_tax - fed.supplemental_fed_tax - fed.fica_tax -
               fed.medicare_tax - state.state_tax - state.state_supplemental_tax;
    }
};

TEST(Driver, ACheckAfterTheNewestTablesUsesThePreviousYear) {
    Paycheck p(2027);
    EXPECT_EQ(TXL5_Calc(1, &p.fed, &p.state), 0);
    EXPECT_EQ(p.fed.used_year, 2026);
    EXPECT_EQ(p.fed.used_month, 6);
    EXPECT_EQ(p.fed.used_day, 5);
    EXPECT_EQ(p.fed.check_year, 2027);
    EXPECT_EQ(p.fed.fed_status, 0);
    EXPECT_DOUBLE_EQ(p.fed.fed_tax, 88.00);
    EXPECT_DOUBLE_EQ(p.fed.fica_tax, 62.00);
}

TEST(Driver, ACheckBeforeTheOldestTablesFailsTheFederalPart) {
    Paycheck p(2023);
    p.fed.additional_fed_wh = 10.0;
    EXPECT_EQ(TXL5_Calc(1, &p.fed, &p.state) & 1, 1);
    EXPECT_EQ(p.fed.fed_status, 1);
    EXPECT_EQ(p.fed.used_year, 2022);
    EXPECT_EQ(p.fed.check_year, 2023);
    // The retry starts from a clean tax: the extra withholding is counted once.
    EXPECT_DOUBLE_EQ(p.fed.fed_tax, 10.00);
}

TEST(Driver, StateCodes) {
    struct Case { int64_t code; int64_t result; int64_t state_error; double state_tax; } cases[] = {
        {51, 0, 0, 12.35},  // Texas: no income tax; the extra withholding, rounded
        {2, 0, 0, 12.35},   {59, 0, 0, 12.35},
        {3, 8, 3, 12.35},   // American Samoa: unsupported; the extra withholding still added
        {60, 8, 3, 12.35},  {0, 8, 3, 12.35}, {-1, 8, 3, 12.35}, {std::numeric_limits<int64_t>::max(), 8, 3, 12.35},
    };
    for (const auto& c : cases) {
        Paycheck p;
        p.state.state_code = c.code;
        p.state.additional_state_wh = 12.345;
        EXPECT_EQ(TXL5_Calc(1, &p.fed, &p.state), c.result) << c.code;
        EXPECT_EQ(p.state.state_error, c.state_error) << c.code;
        EXPECT_DOUBLE_EQ(p.state.state_tax, c.state_tax) << c.code;
        EXPECT_DOUBLE_EQ(p.fed.fed_tax, 88.00) << c.code << ": the federal part is still computed";
    }
}

// No state is left unsupported: every code from 1 to 59 computes or has no
// income tax, except the jurisdictions outside the library (American Samoa,
// Micronesia, the Marshall Islands, Palau), which report state_error 3.
TEST(Driver, NoStateIsLeftUnsupported) {
    const std::set<int64_t> outside = {3, 11, 24, 44};
    for (int64_t code = 1; code <= 59; ++code) {
        Paycheck p;
        p.state.state_code = code;
        const int64_t result = TXL5_Calc(1, &p.fed, &p.state);
        if (outside.count(code)) {
            EXPECT_EQ(result, 8) << "state " << code;
            EXPECT_EQ(p.state.state_error, 3) << "state " << code;
        } else {
            EXPECT_NE(p.state.state_error, 3) << "state " << code << " should compute";
        }
    }
}

TEST(Driver, PayPeriodsBelowOne) {
    for (int64_t call_type : {1, 11, 12}) {
        Paycheck p;
        p.fed.pay_periods = 0;
        p.fed.supplemental_wages = 300.0;
        p.state.state_tax = 5.0;
        EXPECT_EQ(TXL5_Calc(call_type, &p.fed, &p.state), 1) << call_type;
        EXPECT_EQ(p.state.state_error, 3);
        EXPECT_EQ(p.fed.fed_tax, 0.0);
        EXPECT_EQ(p.fed.fica_tax, 0.0);
        EXPECT_EQ(p.state.state_tax, 0.0);
        // A refused gross-up leaves the requested net amounts in place.
        EXPECT_EQ(p.fed.gross_wages, 1000.0);
        EXPECT_EQ(p.fed.supplemental_wages, 300.0);
    }
    // Federal-only calls compute what they can: social security and Medicare,
    // but no income tax without a period count.
    Paycheck p;
    p.fed.pay_periods = 0;
    p.state.state_tax = 1.234;
    EXPECT_EQ(TXL5_Calc(0, &p.fed, &p.state), 1);
    EXPECT_EQ(p.fed.fed_status, 1);
    EXPECT_TRUE(std::isfinite(p.fed.fed_tax));
    EXPECT_DOUBLE_EQ(p.fed.fica_tax, 62.00);
    EXPECT_DOUBLE_EQ(p.state.state_tax, 1.23);  // rounded in place, nothing else
}

// A state with an income tax cannot withhold per period without a period
// count: the driver refuses state pay periods below 1 before calling it, and
// still computes the federal part. States without an income tax do not care.
TEST(Driver, StatePayPeriodsBelowOne) {
    const std::set<int64_t> no_income_tax = {2, 12, 33, 34, 49, 50, 51, 56, 59};
    for (int64_t periods : {int64_t{0}, int64_t{-1}, std::numeric_limits<int64_t>::min()}) {
        for (int64_t code = 1; code <= 59; ++code) {
            Paycheck p(2026, code);
            p.state.state_pay_periods = periods;
            p.state.state_wages = 90000.0;
            p.state.additional_state_wh = 2.5;
            const bool taxed = no_income_tax.count(code) == 0;
            EXPECT_EQ(TXL5_Calc(1, &p.fed, &p.state), taxed ? 8 : 0) << code;
            EXPECT_EQ(p.state.state_error, taxed ? 3 : 0) << code;
            EXPECT_DOUBLE_EQ(p.state.state_tax, 2.50) << code << ": the extra withholding only";
            EXPECT_DOUBLE_EQ(p.fed.fed_tax, 88.00) << code << ": the federal part is still computed";
        }
    }
    // California and New York, which took such a count as annual pay.
    for (int64_t code : {6, 37}) {
        Paycheck p(2026, code);
        p.state.state_pay_periods = 0;
        p.state.state_wages = 90000.0;
        EXPECT_EQ(TXL5_Calc(1, &p.fed, &p.state), 8) << code;
        EXPECT_EQ(p.state.state_error, 3) << code;
        EXPECT_DOUBLE_EQ(p.state.state_tax, 0.0) << code;
    }
}

TEST(Driver, NullRecordsFailAndTouchNothing) {
    Paycheck p;
    const Paycheck before = p;
    EXPECT_EQ(TXL5_Calc(1, &p.fed, nullptr), 9);
    EXPECT_EQ(TXL5_Calc(1, nullptr, &p.state), 9);
    EXPECT_EQ(TXL5_Calc(0, nullptr, nullptr), 9);
    EXPECT_EQ(std::memcmp(&p, &before, sizeof p), 0);
}

TEST(Driver, FederalOnlyCallTypes) {
    Paycheck p;
    p.fed.ytd_medicare_wages = 195000.0;
    p.fed.fica_wages = 10000.0;
    p.state.state_code = 3;  // never looked at
    EXPECT_EQ(TXL5_Calc(2, &p.fed, &p.state), 0);
    EXPECT_DOUBLE_EQ(p.fed.medicare_tax, 145.00);  // employer share: no additional tax
    EXPECT_EQ(p.state.state_error, 0);
    EXPECT_EQ(p.fed.used_year, 0);  // not written
    EXPECT_EQ(TXL5_Calc(1, &p.fed, &p.state) & 1, 0);
    EXPECT_DOUBLE_EQ(p.fed.medicare_tax, 190.00);
}

TEST(Driver, AmountsThatAreNotNumbersAreFailures) {
    Paycheck p;
    p.fed.gross_wages = std::nan("");
    EXPECT_EQ(TXL5_Calc(1, &p.fed, &p.state) & 1, 1);

    Paycheck q;
    q.state.additional_state_wh = std::nan("");
    EXPECT_EQ(TXL5_Calc(1, &q.fed, &q.state), 8);

    Paycheck r;
    r.fed.additional_fed_wh = std::numeric_limits<double>::infinity();
    EXPECT_EQ(TXL5_Calc(0, &r.fed, &r.state) & 1, 1);

    // Social security, Medicare and the supplemental tax are federal amounts too.
    Paycheck s;
    s.fed.fica_wages = std::nan("");
    EXPECT_EQ(TXL5_Calc(1, &s.fed, &s.state) & 1, 1);
    Paycheck t;
    t.fed.supplemental_wages = std::numeric_limits<double>::infinity();
    EXPECT_EQ(TXL5_Calc(1, &t.fed, &t.state) & 1, 1);
}

TEST(Driver, AStatusBeyondEverySchedulePlainlyFails) {
    Paycheck p;
    p.fed.w4_2020 = 1;
    p.fed.w4_multiple_jobs = 1;
    p.fed.filing_status = std::numeric_limits<int64_t>::max() - 3;
    EXPECT_EQ(TXL5_Calc(1, &p.fed, &p.state) & 1, 1);
    EXPECT_EQ(p.fed.fed_status, 1);
}

TEST(Driver, ExtremeCheckYearsDoNotOverflow) {
    for (int64_t year : {std::numeric_limits<int64_t>::min(), std::numeric_limits<int64_t>::max()}) {
        Paycheck p(year);
        EXPECT_EQ(TXL5_Calc(1, &p.fed, &p.state) & 1, 1);
        EXPECT_EQ(p.fed.check_year, year);
    }
}

TEST(Driver, GrossUpOfRegularWagesReachesTheNet) {
    struct Case { double net; double additional_state; } cases[] = {{1000.0, 0.0}, {777.77, 5.0}, {2500.0, 0.0}};
    for (const auto& c : cases) {
        Paycheck p;
        p.fed.gross_wages = c.net;
        p.state.additional_state_wh = c.additional_state;
        p.state.state_supplemental_tax = 100.0;  // stale, from an earlier paycheck
        EXPECT_EQ(TXL5_Calc(11, &p.fed, &p.state), 0);
        EXPECT_NEAR(p.net(), c.net, 0.001) << c.net;
        EXPECT_GT(p.fed.gross_wages, c.net);
        EXPECT_EQ(p.fed.fica_wages, p.fed.gross_wages);
        EXPECT_EQ(p.state.state_wages, p.fed.gross_wages);
        EXPECT_EQ(p.state.state_supplemental_tax, 0.0);
    }
}

TEST(Driver, GrossUpOfABonusReachesTheNetBonus) {
    Paycheck regular;
    ASSERT_EQ(TXL5_Calc(1, &regular.fed, &regular.state), 0);

    Paycheck p;
    p.fed.supplemental_wages = 500.0;  // the net bonus wanted
    EXPECT_EQ(TXL5_Calc(12, &p.fed, &p.state), 0);
    // Flat 22 % plus 7.65 % social security and Medicare: about 500 / 0.7035.
    EXPECT_NEAR(p.fed.supplemental_wages, 710.73, 0.02);
    EXPECT_EQ(p.state.state_supplemental_wages, p.fed.supplemental_wages);
    EXPECT_NEAR(p.net(), regular.net() + 500.0, 0.01);
}

// A net the search cannot reach (500.00 of extra federal withholding on a net
// of 100.00 needs a gross above 3.4 times the net, beyond every trial) is a
// failure; a search that merely ends between two cent amounts is not.
TEST(Driver, AGrossUpThatCannotReachTheNetReportsIt) {
    Paycheck p;
    p.fed.gross_wages = 100.0;
    p.fed.additional_fed_wh = 500.0;
    EXPECT_EQ(TXL5_Calc(11, &p.fed, &p.state), 1);
    EXPECT_EQ(p.fed.fed_status, 100);
    EXPECT_GT(std::fabs(p.net() - 100.0), 0.01);

    for (int cents = 0; cents < 40; ++cents) {
        Paycheck q;
        const double target = 1000.0 + cents * 0.0125;
        q.fed.gross_wages = target;
        EXPECT_EQ(TXL5_Calc(11, &q.fed, &q.state), 0) << target;
        EXPECT_EQ(q.fed.fed_status, 0) << target;
        EXPECT_LE(std::fabs(q.net() - target), 0.01) << target;
    }
}

TEST(Driver, ExportedNames) { txl5_test::expect_plain_functions({"TXL5_Calc"}); }

}  // namespace
