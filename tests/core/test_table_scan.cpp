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

}  // namespace
