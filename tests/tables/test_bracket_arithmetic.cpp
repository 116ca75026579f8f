#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/brackets.h"

namespace txl5_test {

std::vector<std::function<BracketTable()>>& registry() {
    static std::vector<std::function<BracketTable()>> tables;
    return tables;
}

int register_bracket_table(std::function<BracketTable()> make) {
    registry().push_back(std::move(make));
    return static_cast<int>(registry().size());
}

const std::vector<std::function<BracketTable()>>& bracket_tables() { return registry(); }

namespace {

bool same_schedule(const ScheduleRow& a, const ScheduleRow& b) {
    return a.start_date.month == b.start_date.month && a.start_date.day == b.start_date.day &&
           a.start_date.year == b.start_date.year && a.end_date.month == b.end_date.month &&
           a.end_date.day == b.end_date.day && a.end_date.year == b.end_date.year && a.status == b.status &&
           a.pay_periods == b.pay_periods;
}

TEST(BracketArithmetic, EveryScheduleIsContiguousAndItsBasesAddUp) {
    ASSERT_FALSE(bracket_tables().empty());
    for (const auto& make : bracket_tables()) {
        const BracketTable table = make();
        ASSERT_FALSE(table.rows.empty()) << table.name << " has no rows";
        for (size_t i = 1; i < table.rows.size(); ++i) {
            const ScheduleRow& prev = table.rows[i - 1];
            const ScheduleRow& row = table.rows[i];
            if (!same_schedule(prev, row) || table.allowed_rows.count(i)) continue;
            EXPECT_DOUBLE_EQ(row.lower, prev.upper)
                << table.name << " row " << i << ": bracket does not start where the previous one ends";
            const double expected = prev.base + prev.rate * (prev.upper - prev.lower);
            const double allowed = table.tolerance + prev.rate * table.bound_rounding + 1e-9;
            EXPECT_LE(std::fabs(row.base - expected), allowed)
                << table.name << " row " << i << " (status " << row.status << ", pay periods " << row.pay_periods
                << ", year " << row.start_date.year << ", lower " << row.lower << "): base " << row.base
                << ", previous base plus rate x width gives " << expected;
        }
    }
}

}  // namespace
}  // namespace txl5_test
