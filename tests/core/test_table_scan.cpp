// The table scan's fast paths against their definitions: the packed date test
// against the whole-year date difference for every kind of date (regular,
// invalid, extreme), and the scans' first-match order.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "core/tables.h"

namespace {

constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kLimit = int64_t{1} << 40;

// Field values at and around every boundary the packed test draws.
const std::vector<int64_t> kMonths = {kMin, kMin + 1, -13, -12, -1, 0, 1, 2, 6, 11, 12, 13, 24, 25, kMax - 1, kMax};
const std::vector<int64_t> kDays = {kMin, -1, 0, 1, 2, 15, 28, 29, 30, 31, 32, 33, 63, 64, kMax};
const std::vector<int64_t> kYears = {kMin,       kMin + 1,  -kLimit - 1, -kLimit, -kLimit + 1, -1,        0,
                                     1,          2022,      2023,        2024,    2025,        2026,      2027,
                                     kLimit - 1, kLimit,    kLimit + 1,  kMax - 1, kMax};

MDATE random_date(std::mt19937_64& rng) {
    auto pick = [&](const std::vector<int64_t>& v) { return v[rng() % v.size()]; };
    MDATE d{1 + static_cast<int64_t>(rng() % 12), static_cast<int64_t>(rng() % 32),
            2022 + static_cast<int64_t>(rng() % 6)};
    switch (rng() % 8) {
        case 0: d.month = pick(kMonths); break;
        case 1: d.day = pick(kDays); break;
        case 2: d.year = pick(kYears); break;
        case 3: d.month = static_cast<int64_t>(rng()); break;
        case 4: d = MDATE{pick(kMonths), pick(kDays), pick(kYears)}; break;
        default: break;
    }
    return d;
}

TEST(TableScan, PackedDateTestMatchesDefinitionOnBoundaryDates) {
    // Every check date built from the boundary values, against rows of a
    // year, of a day, of several years, reversed, and with boundary dates.
    std::vector<std::pair<MDATE, MDATE>> rows = {
        {{1, 1, 2025}, {12, 31, 2025}}, {{7, 1, 2024}, {6, 30, 2025}}, {{3, 15, 2025}, {3, 15, 2025}},
        {{1, 1, 2024}, {12, 31, 2026}}, {{12, 31, 2025}, {1, 1, 2025}}, {{2, 30, 2025}, {2, 31, 2026}},
        {{1, 0, 2025}, {12, 31, 2025}}, {{12, 31, 2024}, {12, 31, 2025}}, {{1, 1, 2025}, {1, 1, 2026}},
        {{1, 1, kLimit}, {12, 31, kLimit}}, {{1, 1, -kLimit}, {12, 31, -kLimit}}, {{0, 1, 2025}, {12, 31, 2025}},
        {{13, 1, 2024}, {12, 31, 2025}}, {{1, 1, kMax}, {12, 31, kMax}}, {{1, 1, kMin}, {12, 31, kMin}},
    };
    int64_t checked = 0;
    for (const auto& row : rows) {
        for (int64_t m : kMonths) {
            for (int64_t d : kDays) {
                for (int64_t y : kYears) {
                    const MDATE date{m, d, y};
                    ASSERT_EQ(txl5::date_in_range(row.first, row.second, date),
                              txl5::date_in_range_reference(row.first, row.second, date))
                        << m << "/" << d << "/" << y << " in row from " << row.first.month << "/" << row.first.day
                        << "/" << row.first.year;
                    ++checked;
                }
            }
        }
    }
    EXPECT_GT(checked, 60000);
}

TEST(TableScan, PackedDateTestMatchesDefinitionOnEveryDayAroundTheTables) {
    // Every regular day (day 0 to 31 of every month) of 2023 to 2027 against
    // rows starting on a sample of those days and lasting up to two years.
    std::mt19937_64 rng(17);
    for (int row = 0; row < 300; ++row) {
        const MDATE start{1 + static_cast<int64_t>(rng() % 12), static_cast<int64_t>(rng() % 32),
                          2023 + static_cast<int64_t>(rng() % 4)};
        MDATE end{1 + static_cast<int64_t>(rng() % 12), static_cast<int64_t>(rng() % 32),
                  start.year + static_cast<int64_t>(rng() % 3) - (row % 10 == 0 ? 1 : 0)};
        for (int64_t y = 2022; y <= 2028; ++y) {
            for (int64_t m = 1; m <= 12; ++m) {
                for (int64_t d = 0; d <= 31; ++d) {
                    const MDATE date{m, d, y};
                    ASSERT_EQ(txl5::date_in_range(start, end, date), txl5::date_in_range_reference(start, end, date))
                        << m << "/" << d << "/" << y;
                }
            }
        }
    }
}

TEST(TableScan, PackedDateTestMatchesDefinitionOnRandomDates) {
    std::mt19937_64 rng(2026);
    for (int i = 0; i < 400000; ++i) {
        const MDATE start = random_date(rng), end = random_date(rng), date = random_date(rng);
        ASSERT_EQ(txl5::date_in_range(start, end, date), txl5::date_in_range_reference(start, end, date))
            << i;
    }
}

// A bracket table with the shapes the indexes meet: date blocks of several
// years, pay-period runs, status runs, a row alone, a row with irregular
// dates, and rows that repeat earlier keys further down.
struct TestRow {
    MDATE start_date;
    MDATE end_date;
    int64_t status;
    int64_t pay_periods;
    double allowance_amount;
    double lower;
    double upper;
    double base;
    double rate;
};

constexpr TestRow kRows[] = {
    {{1, 1, 2026}, {12, 31, 2026}, 0, 52, 0, 0, 100, 0, 0.01},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 52, 0, 100, 0, 1, 0.02},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 52, 0, 0, 200, 0, 0.03},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 52, 0, 200, 0, 6, 0.04},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 0, 0, 5000, 0, 0.05},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 0, 5000, 0, 250, 0.06},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 0, 0, 0, 0, 0.07},
    {{7, 1, 2025}, {12, 31, 2025}, 0, 52, 0, 0, 0, 0, 0.08},
    {{7, 1, 2025}, {12, 31, 2025}, 1, 1, 0, 0, 0, 0, 0.09},
    {{1, 1, 2025}, {6, 30, 2025}, 0, 1, 0, 0, 1000, 0, 0.10},
    {{1, 1, 2025}, {6, 30, 2025}, 0, 1, 0, 1000, 0, 10, 0.11},
    {{1, 1, 2025}, {6, 30, 2025}, 2, 26, 0, 0, 0, 0, 0.12},
    {{13, 5, 2024}, {12, 40, 2025}, 0, 52, 0, 0, 0, 0, 0.13},
    {{1, 1, 2024}, {12, 31, 2026}, 0, 52, 0, 0, 0, 0, 0.14},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 52, 0, 0, 300, 0, 0.15},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 52, 0, 300, 0, 3, 0.16},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 0, 0, 0, 0, 0.17},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 0, 0, 0, 0, 0.18},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 52, 0, 0, 0, 0, 0.19},
    {},
};

// The rows `fits` (or `accept`) was shown, in order: the indexed scan must
// show the caller exactly the rows the plain scan shows.
struct Seen {
    std::vector<const TestRow*> rows;
};

MDATE scan_date(std::mt19937_64& rng) {
    if (rng() % 10 == 0) return random_date(rng);
    return MDATE{1 + static_cast<int64_t>(rng() % 12), 1 + static_cast<int64_t>(rng() % 31),
                 2023 + static_cast<int64_t>(rng() % 5)};
}

TEST(TableScan, IndexedScansSeeTheRowsOfThePlainScans) {
    constexpr auto indexed = txl5::indexed<kRows>();
    static_assert(indexed.count == 19, "the end row ends the index");
    std::mt19937_64 rng(5);
    const int64_t periods[] = {52, 26, 1, 12, 0};
    for (int i = 0; i < 20000; ++i) {
        const MDATE date = scan_date(rng);
        const int64_t pp = periods[rng() % 5];
        const int64_t status = static_cast<int64_t>(rng() % 4);
        const double wages = static_cast<double>(rng() % 8000);
        const auto second = static_cast<txl5::SecondPass>(rng() % 3);
        const bool annual_allowed = rng() % 4 != 0;

        Seen plain, fast;
        auto fits_into = [&](Seen* seen) {
            return [seen, wages](const TestRow& row, bool annual) {
                seen->rows.push_back(&row);
                return txl5::in_bracket(annual ? wages * 10 : wages, row.lower, row.upper);
            };
        };
        const TestRow* a = txl5::scan_two_pass(kRows, date, pp, txl5::StatusIs<int64_t>{status}, fits_into(&plain),
                                               annual_allowed, txl5::EndsAtZeroStartMonth(), second);
        const TestRow* b = txl5::scan_two_pass(indexed, date, pp, txl5::StatusIs<int64_t>{status}, fits_into(&fast),
                                               annual_allowed, txl5::EndsAtZeroStartMonth(), second);
        ASSERT_EQ(a, b) << i;
        ASSERT_EQ(plain.rows, fast.rows) << i;

        // Keys the index cannot skip by status runs: any pure test of the row.
        auto odd_rate = [](const TestRow& row) { return static_cast<int>(row.rate * 100) % 2 == 1; };
        plain.rows.clear();
        fast.rows.clear();
        ASSERT_EQ(txl5::scan_two_pass(kRows, date, pp, odd_rate, fits_into(&plain), annual_allowed),
                  txl5::scan_two_pass(indexed, date, pp, odd_rate, fits_into(&fast), annual_allowed))
            << i;
        ASSERT_EQ(plain.rows, fast.rows) << i;

        plain.rows.clear();
        fast.rows.clear();
        auto accept_into = [&](Seen* seen) {
            return [seen, status](const TestRow& row) {
                seen->rows.push_back(&row);
                return row.status == status;
            };
        };
        ASSERT_EQ(txl5::scan_rows(kRows, date, accept_into(&plain)), txl5::scan_rows(indexed, date, accept_into(&fast)))
            << i;
        ASSERT_EQ(plain.rows, fast.rows) << i;

        auto taxable = [wages](const TestRow&, bool annual) { return annual ? wages * 10 : wages; };
        const auto x = txl5::bracket_tax(kRows, date, pp, txl5::StatusIs<int64_t>{status}, taxable,
                                         txl5::EndsAtZeroStartMonth(), annual_allowed);
        const auto y = txl5::bracket_tax(indexed, date, pp, txl5::StatusIs<int64_t>{status}, taxable,
                                         txl5::EndsAtZeroStartMonth(), annual_allowed);
        ASSERT_EQ(x.row, y.row) << i;
        ASSERT_EQ(x.tax, y.tax) << i;
        ASSERT_EQ(x.annual, y.annual) << i;
        ASSERT_EQ(x.taxable, y.taxable) << i;
    }
}

// A register keyed by code, codes repeated out of order, ended by code 0.
struct CodeRow {
    int64_t year;
    int64_t code;
};
constexpr CodeRow kCodes[] = {{2026, 9999}, {2026, 17}, {2026, 3},  {2025, 17}, {2026, 17},
                              {2024, 3},    {2026, 42}, {2025, 42}, {2026, -5}, {2026, 3},
                              {0, 0}};
struct EndsAtZeroCode {
    constexpr bool operator()(const CodeRow& row) const { return row.code == 0; }
};

TEST(TableScan, KeyIndexFindsTheFirstRowOfTheCodeInTableOrder) {
    constexpr auto keyed = txl5::keyed<kCodes, &CodeRow::code, EndsAtZeroCode>();
    static_assert(keyed.count == 10, "the end row ends the index");
    for (int64_t code : {int64_t{3}, int64_t{17}, int64_t{42}, int64_t{-5}, int64_t{9999}, int64_t{4}, int64_t{0},
                         std::numeric_limits<int64_t>::min(), std::numeric_limits<int64_t>::max()}) {
        for (int64_t year = 2023; year <= 2027; ++year) {
            for (int64_t limit : {int64_t{0}, int64_t{3}, int64_t{5}, int64_t{100}}) {
                const CodeRow* plain = txl5::find_row(
                    kCodes,
                    [&](const CodeRow& row) { return row.code == code && row.year == year; },
                    [&](const CodeRow& row) { return row.code == 0 || &row - kCodes >= limit; });
                const CodeRow* fast = txl5::find_row_with_key(
                    keyed, code, [&](const CodeRow& row) { return row.year == year; }, limit);
                EXPECT_EQ(plain, fast) << code << " " << year << " " << limit;
            }
        }
    }
}

}  // namespace
