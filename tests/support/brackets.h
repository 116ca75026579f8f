// Cross-cutting check of bracket tables: within each schedule (rows sharing
// dates and keys), brackets are contiguous and each row's base equals the
// previous base plus rate times the previous width. Each bracket table
// registers itself from its own test file with register_bracket_table.
#ifndef TXL5_TESTS_SUPPORT_BRACKETS_H
#define TXL5_TESTS_SUPPORT_BRACKETS_H

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "core/txl5.h"

namespace txl5_test {

struct ScheduleRow {
    MDATE start_date;
    MDATE end_date;
    int64_t status;
    int64_t pay_periods;
    double lower;
    double upper;
    double base;
    double rate;
};

struct BracketTable {
    std::string name;
    std::vector<ScheduleRow> rows;
    // Allowed difference of a base from the arithmetic: a cent, plus the
    // rate times this amount where the publisher rounds bounds (0.5 when
    // bounds are rounded to whole dollars but bases computed unrounded).
    double bound_rounding = 0.0;
    double tolerance = 0.01;
    // Row indexes (0-based, in table order) whose published base or bound
    // does not follow from the previous row; each entry has a comment where
    // the table registers.
    std::set<size_t> allowed_rows;
};

// Converts a table's rows (up to the end row) with a projection function.
template <class Row, class Project>
std::vector<ScheduleRow> schedule_rows(const Row* table, Project project) {
    std::vector<ScheduleRow> rows;
    for (const Row* row = table; row->start_date.month != 0; ++row) rows.push_back(project(*row));
    return rows;
}

int register_bracket_table(std::function<BracketTable()> make);
const std::vector<std::function<BracketTable()>>& bracket_tables();

}  // namespace txl5_test

#endif
