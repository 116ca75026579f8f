#include <gtest/gtest.h>

#include <string>
#include <type_traits>

#include "core/tables.h"
#include "core/txl5.h"
#include "levies/aeic.h"
#include "levies/levies.h"

namespace {

// The library's schedule is constant data: no caller can write into it.
static_assert(std::is_const<std::remove_extent<decltype(aeic)>::type>::value, "aeic is constant");
static_assert(std::is_const<std::remove_extent<decltype(aeicmax)>::type>::value, "aeicmax is constant");

AEIC_STRUC record(int64_t year, int64_t status, int64_t pay_periods, double wages) {
    AEIC_STRUC r{};
    r.aeic_month = 6;
    r.aeic_day = 15;
    r.aeic_year = year;
    r.aeic_status = status;
    r.aeic_pay_periods = pay_periods;
    r.aeic_wages = wages;
    return r;
}

TEST(AdvanceEarnedIncomeCredit, TheEmptyScheduleFindsNoRow) {
    EXPECT_EQ(txl5::table_row_count(aeic), 0);
    struct Case {
        std::string why;
        int64_t year;
        double payment_in;
        double payment_out;
    };
    const Case cases[] = {
        {"2010 check, positive payment kept", 2010, 12.34, 12.34},
        {"2026 check, negative payment comes back 0", 2026, -5.0, 0.0},
        {"zero payment", 2006, 0.0, 0.0},
    };
    for (const Case& c : cases) {
        AEIC_STRUC r = record(c.year, 0, 52, 300.0);
        r.aeic_payment = c.payment_in;
        EXPECT_EQ(TXL5_AEIC_Calc(&r), 1) << c.why;
        EXPECT_EQ(r.aeic_error, 1) << c.why;
        EXPECT_DOUBLE_EQ(r.aeic_payment, c.payment_out) << c.why;
    }
}

// A 2010 schedule supplied by the test: each key's weekly row pays a fixed
// amount that names the key; an annual row for key 0 pays 10 % of the
// annualized wages; monthly rows for keys 0 and 2 pay 20 % of the wages.
const AeicRow kSchedule[] = {
    {{1, 1, 2010}, {12, 31, 2010}, 0, 52, 0.0, 0.0, 10.0, 0.0},
    {{1, 1, 2010}, {12, 31, 2010}, 1, 52, 0.0, 0.0, 11.0, 0.0},
    {{1, 1, 2010}, {12, 31, 2010}, 2, 52, 0.0, 0.0, 12.0, 0.0},
    {{1, 1, 2010}, {12, 31, 2010}, 0, 1, 0.0, 0.0, 0.0, 0.1},
    {{1, 1, 2010}, {12, 31, 2010}, 0, 12, 0.0, 0.0, 0.0, 0.2},
    {{1, 1, 2010}, {12, 31, 2010}, 2, 12, 0.0, 0.0, 0.0, 0.2},
    {},
};

TEST(AdvanceEarnedIncomeCredit, ScheduleKeys) {
    struct Case {
        std::string why;
        int64_t status;
        int64_t spouse;
        double payment;
    };
    const Case cases[] = {
        {"status 0: key 0", 0, 0, 10.0},
        {"status 1: key 0", 1, 0, 10.0},
        {"status 2: key 0", 2, 1, 10.0},
        {"status 3 without the spouse's certificate: key 1", 3, 0, 11.0},
        {"status 3 with the spouse's certificate: key 2", 3, 1, 12.0},
        {"status 4: key 1", 4, 1, 11.0},
        {"negative status: key 1", -1, 0, 11.0},
    };
    for (const Case& c : cases) {
        AEIC_STRUC r = record(2010, c.status, 52, 300.0);
        r.aeic_spouse_certificate = c.spouse;
        EXPECT_EQ(txl5::aeic_payment(&r, kSchedule, aeicmax), 0) << c.why;
        EXPECT_EQ(r.aeic_error, 0) << c.why;
        EXPECT_DOUBLE_EQ(r.aeic_payment, c.payment) << c.why;
    }
}

TEST(AdvanceEarnedIncomeCredit, WageMaximumAndAnnualRows) {
    // Monthly row at 20 %: 2010 maximum 35,535 leaves 135 of the 500 paid.
    AEIC_STRUC capped = record(2010, 0, 12, 500.0);
    capped.aeic_ytd_wages = 35400.0;
    EXPECT_EQ(txl5::aeic_payment(&capped, kSchedule, aeicmax), 0);
    EXPECT_DOUBLE_EQ(capped.aeic_payment, 27.0);

    // Biweekly has no row of its own: the annual row takes 26 x 500 = 13,000,
    // pays 1,300 a year, 50 a period; the maximum does not apply there.
    AEIC_STRUC annual = record(2010, 1, 26, 500.0);
    annual.aeic_ytd_wages = 50000.0;
    EXPECT_EQ(txl5::aeic_payment(&annual, kSchedule, aeicmax), 0);
    EXPECT_DOUBLE_EQ(annual.aeic_payment, 50.0);

    // Without a positive period count the annual amount is 0 and stays undivided.
    AEIC_STRUC none = record(2010, 2, 0, 500.0);
    none.aeic_payment = 7.0;
    EXPECT_EQ(txl5::aeic_payment(&none, kSchedule, aeicmax), 0);
    EXPECT_DOUBLE_EQ(none.aeic_payment, 0.0);

    // Status 3: the joint maximum, 40,545 in 2010, leaves 145 of the 500.
    AEIC_STRUC joint = record(2010, 3, 12, 500.0);
    joint.aeic_spouse_certificate = 1;
    joint.aeic_ytd_wages = 40400.0;
    EXPECT_EQ(txl5::aeic_payment(&joint, kSchedule, aeicmax), 0);
    EXPECT_DOUBLE_EQ(joint.aeic_payment, 29.0);

    // Key 1 has neither a monthly nor an annual row: none found, payment kept.
    AEIC_STRUC missing = record(2010, 3, 12, 500.0);
    missing.aeic_payment = 3.0;
    EXPECT_EQ(txl5::aeic_payment(&missing, kSchedule, aeicmax), 1);
    EXPECT_EQ(missing.aeic_error, 1);
    EXPECT_DOUBLE_EQ(missing.aeic_payment, 3.0);

    // No maximum in force (2012): the cap is 0, so nothing counts.
    AEIC_STRUC no_maximum = record(2012, 0, 12, 500.0);
    const AeicRow later[] = {{{1, 1, 2012}, {12, 31, 2012}, 0, 12, 0.0, 0.0, 1.0, 0.2}, {}};
    EXPECT_EQ(txl5::aeic_payment(&no_maximum, later, aeicmax), 0);
    EXPECT_DOUBLE_EQ(no_maximum.aeic_payment, 1.0);
}

// A payment found leaves aeic_error as the caller had it: only a failed
// lookup writes the field (to 1), success never clears it.
TEST(AdvanceEarnedIncomeCredit, ErrorFieldKeptOnSuccess) {
    struct Case {
        std::string why;
        int64_t status;
        int64_t pay_periods;
        int64_t error_in;
        double payment;  // from kSchedule, by hand
    };
    const Case cases[] = {
        {"weekly row of key 0: fixed 10.00; error 5 kept", 0, 52, 5, 10.0},
        {"weekly row of key 2: fixed 12.00; error 1 from an earlier call kept", 3, 52, 1, 12.0},
        {"monthly row at 20 % of 300: 60.00; negative error kept", 2, 12, -3, 60.0},
        {"annual row: 10 % of 26 x 300 = 780, a period 30.00; error 1 kept", 0, 26, 1, 30.0},
    };
    for (const Case& c : cases) {
        AEIC_STRUC r = record(2010, c.status, c.pay_periods, 300.0);
        r.aeic_spouse_certificate = 1;
        r.aeic_error = c.error_in;
        EXPECT_EQ(txl5::aeic_payment(&r, kSchedule, aeicmax), 0) << c.why;
        EXPECT_EQ(r.aeic_error, c.error_in) << c.why;
        EXPECT_DOUBLE_EQ(r.aeic_payment, c.payment) << c.why;
    }
}

}  // namespace
