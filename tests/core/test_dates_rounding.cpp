#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/numeric.h"
#include "core/tables.h"
#include "core/txl5.h"

namespace {

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();

TEST(Rounding, DollarroundTruncatesThreeDecimalsThenRoundsHalfCents) {
    struct Case { double in, out; } cases[] = {
        {12.345, 12.35}, {12.344, 12.34}, {12.3449, 12.34},   // only three decimals count
        {-12.345, -12.34}, {-12.346, -12.34}, {-12.355, -12.35},  // negatives move toward zero
        {0.005, 0.01}, {-0.005, 0.0},
        {1.005, 1.0},  // 1000 x 1.005 is just below 1005 in binary
        {0.0, 0.0}, {88.0, 88.0}, {1234567.891, 1234567.89},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(dollarround(c.in), c.out) << c.in;
}

TEST(Rounding, ReallydollarroundUsesOnlyTheFirstDecimal) {
    struct Case { double in, out; } cases[] = {
        {12.49, 12.0}, {12.5, 13.0}, {12.499, 12.0}, {-12.5, -12.0}, {-12.6, -12.0}, {-12.4, -11.0},
        {0.5, 1.0}, {0.49, 0.0},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(reallydollarround(c.in), c.out) << c.in;
}

TEST(Rounding, ValuesBeyondTheIntegerRangeComeBackUnchanged) {
    const double inf = std::numeric_limits<double>::infinity();
    for (double x : {inf, -inf, 1e300, -1e300, 1e18, -1e18}) {
        EXPECT_EQ(dollarround(x), x);
        EXPECT_EQ(reallydollarround(x), x);
    }
    EXPECT_TRUE(std::isnan(dollarround(std::nan(""))));
    EXPECT_TRUE(std::isnan(reallydollarround(std::nan(""))));
}

TEST(Rounding, CheckedConversionSaturatesAndMapsNanToZero) {
    EXPECT_EQ(txl5::checked_to_int64(std::nan("")), 0);
    EXPECT_EQ(txl5::checked_to_int64(std::numeric_limits<double>::infinity()), kMax);
    EXPECT_EQ(txl5::checked_to_int64(-std::numeric_limits<double>::infinity()), kMin);
    EXPECT_EQ(txl5::checked_to_int64(1e19), kMax);
    EXPECT_EQ(txl5::checked_to_int64(-1e19), kMin);
    EXPECT_EQ(txl5::checked_to_int64(-3.9), -3);
    EXPECT_EQ(txl5::checked_to_int64(12345.99), 12345);
}

TEST(Dates, DateDiffCountsYearsMonthsAndDays) {
    struct Case { MDATE a, b; int64_t years, months, days; } cases[] = {
        {{6, 30, 2026}, {1, 1, 2026}, 0, 5, 29},
        {{1, 1, 2026}, {1, 1, 2026}, 0, 0, 0},
        {{12, 31, 2026}, {1, 1, 2026}, 0, 11, 30},
        {{1, 1, 2027}, {1, 1, 2026}, 1, 0, 0},
        {{12, 31, 2026}, {1, 1, 2026}, 0, 11, 30},
        {{2, 28, 2026}, {3, 1, 2025}, 0, 11, 27},  // months are counted as 31 days
        {{1, 5, 2026}, {12, 31, 2025}, 0, 0, 5},
        {{3, 1, 2026}, {3, 2, 2026}, -1, 11, 30},  // a before b in the same year
    };
    for (const auto& c : cases) {
        int64_t y = 99, m = 99, d = 99;
        EXPECT_EQ(DateDiff(c.a, c.b, &y, &m, &d), 0);
        EXPECT_EQ(y, c.years) << c.a.month << "/" << c.a.day << "/" << c.a.year;
        EXPECT_EQ(m, c.months) << c.a.month << "/" << c.a.day << "/" << c.a.year;
        EXPECT_EQ(d, c.days) << c.a.month << "/" << c.a.day << "/" << c.a.year;
        int64_t y2 = 99, m2 = 99, d2 = 99;
        EXPECT_EQ(DateDifffy(c.a, c.b, &y2, &m2, &d2), 0);
        EXPECT_EQ(y2, y);
        EXPECT_EQ(m2, m);
        EXPECT_EQ(d2, d);
    }
}

TEST(Dates, DateDiffWithALaterYearWritesOnlyTheYearCount) {
    int64_t y = 99, m = 99, d = 99;
    EXPECT_EQ(DateDiff({12, 31, 2025}, {1, 1, 2026}, &y, &m, &d), 1);
    EXPECT_EQ(y, 1);
    EXPECT_EQ(m, 99);
    EXPECT_EQ(d, 99);
    y = 99;
    EXPECT_EQ(DateDifffy({12, 31, 2025}, {1, 1, 2026}, &y, &m, &d), 1);
    EXPECT_EQ(y, 1);
}

TEST(Dates, DateDiffNeverOverflowsOnExtremeDates) {
    int64_t y = 0, m = 0, d = 0;
    DateDiff({kMin, kMin, kMax}, {kMax, kMax, kMin}, &y, &m, &d);
    EXPECT_EQ(y, kMax);  // saturated
    DateDiff({kMax, kMax, 2026}, {kMin, kMin, 2026}, &y, &m, &d);
    EXPECT_EQ(y, 0);
    EXPECT_EQ(m, kMax);
    EXPECT_EQ(d, kMax);
}

TEST(Dates, DateDiffhTellsWhetherBIsInAsYearAndNotAfterA) {
    struct Case { MDATE a, b; int64_t out; } cases[] = {
        {{6, 15, 2026}, {6, 15, 2026}, 0}, {{6, 15, 2026}, {5, 31, 2026}, 0}, {{6, 15, 2026}, {6, 16, 2026}, 1},
        {{6, 15, 2026}, {7, 1, 2026}, 1},  {{6, 15, 2026}, {1, 1, 2025}, 1},
    };
    for (const auto& c : cases) {
        int64_t y = 99, m = 77, d = 77;
        EXPECT_EQ(DateDiffh(c.a, c.b, &y, &m, &d), 0);
        EXPECT_EQ(y, c.out);
        EXPECT_EQ(m, 77);
        EXPECT_EQ(d, 77);
    }
}

struct DatedRow {
    MDATE start_date;
    MDATE end_date;
    int64_t pay_periods;
    double value;
};

// Newest first; a 2024 row overlapping 2025 follows the 2025 row.
const DatedRow kRows[] = {
    {{7, 1, 2026}, {12, 31, 2026}, 1, 3.0},
    {{1, 1, 2026}, {6, 30, 2026}, 1, 2.0},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1.0},
    {{1, 1, 2024}, {12, 31, 2025}, 1, 0.5},
    {},
};
const DatedRow kEmpty[] = {{}};

double value_on(MDATE d) {
    const DatedRow* row = txl5::scan_rows(kRows, d, [](const DatedRow&) { return true; });
    return row ? row->value : -1.0;
}

TEST(RowScan, BothEndsOfARangeAreInclusiveAndTheFirstMatchWins) {
    struct Case { MDATE date; double value; } cases[] = {
        {{1, 1, 2026}, 2.0},   {{6, 30, 2026}, 2.0},  {{7, 1, 2026}, 3.0}, {{12, 31, 2026}, 3.0},
        {{1, 1, 2027}, -1.0},  // after the newest row
        {{12, 31, 2025}, 1.0}, {{3, 3, 2025}, 1.0},  // the 2025 row shadows the overlapping older one
        {{5, 5, 2024}, -1.0},  // the two-year row is more than a year before its end
        {{12, 31, 2023}, -1.0},  // before the oldest row
    };
    for (const auto& c : cases) EXPECT_EQ(value_on(c.date), c.value) << c.date.month << "/" << c.date.day << "/" << c.date.year;
}

TEST(RowScan, ARowLongerThanAYearMatchesOnlyWithinAYearOfBothEnds) {
    // 1/1/2024-12/31/2025 is reached in 2024 only when the date is within a
    // year of its end: never, since 12/31/2025 is more than a year after 2024.
    const DatedRow rows[] = {{{1, 1, 2024}, {12, 31, 2025}, 1, 7.0}, {}};
    auto on = [&](MDATE d) { return txl5::scan_rows(rows, d, [](const DatedRow&) { return true; }) != nullptr; };
    EXPECT_FALSE(on({6, 1, 2024}));
    EXPECT_FALSE(on({12, 31, 2024}));
    EXPECT_FALSE(on({1, 1, 2025}));  // a year after the start
    EXPECT_FALSE(on({6, 1, 2025}));
    const DatedRow one_year[] = {{{7, 1, 2025}, {6, 30, 2026}, 1, 7.0}, {}};
    EXPECT_NE(txl5::scan_rows(one_year, MDATE{6, 30, 2026}, [](const DatedRow&) { return true; }), nullptr);
}

TEST(RowScan, AnEmptyTableAndExtremeDatesFindNothing) {
    EXPECT_EQ(txl5::scan_rows(kEmpty, MDATE{1, 1, 2026}, [](const DatedRow&) { return true; }), nullptr);
    EXPECT_EQ(value_on({1, 1, kMax}), -1.0);
    EXPECT_EQ(value_on({1, 1, kMin}), -1.0);
    EXPECT_EQ(value_on({kMax, kMin, 2026}), -1.0);
    EXPECT_EQ(txl5::table_row_count(kRows), 4);
    EXPECT_EQ(txl5::table_row_count(kEmpty), 0);
}

TEST(RowScan, TwoPassFallsBackToAnnualRowsOnlyWhenAllowed) {
    const DatedRow rows[] = {
        {{1, 1, 2026}, {12, 31, 2026}, 52, 52.0},
        {{1, 1, 2026}, {12, 31, 2026}, 1, 1.0},
        {},
    };
    auto keys = [](const DatedRow&) { return true; };
    auto fits = [](const DatedRow&, bool) { return true; };
    const MDATE d{3, 1, 2026};
    EXPECT_EQ(txl5::scan_two_pass(rows, d, 52, keys, fits)->value, 52.0);
    EXPECT_EQ(txl5::scan_two_pass(rows, d, 26, keys, fits)->value, 1.0);
    EXPECT_EQ(txl5::scan_two_pass(rows, d, 0, keys, fits, false), nullptr);
    bool annual_seen = false;
    txl5::scan_two_pass(rows, d, 12, keys, [&](const DatedRow&, bool annual) { return annual_seen = annual; });
    EXPECT_TRUE(annual_seen);
}

}  // namespace
