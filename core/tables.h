// Effective-dated tables: every row starts with the date range in which it
// applies (start and end, both inclusive), rows are ordered newest first, and
// a table ends with a row of zeros. A calculation takes the first row whose
// range holds the check date and that passes its own key tests.
#ifndef TXL5_CORE_TABLES_H
#define TXL5_CORE_TABLES_H

#include "core/txl5.h"

// The common bracket row of the federal and most state schedules: dates,
// the schedule's status key, the pay periods it is for (1 = annual), the value
// of one allowance for a period of that frequency, and the bracket (lower
// inclusive, upper exclusive, upper 0 = no ceiling; base = tax at lower).
struct BracketRow {
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
static_assert(sizeof(BracketRow) == 13 * 8, "bracket rows have 13 slots");

namespace txl5 {

// Whole-year count of DateDiff(a, b), computed in 128-bit arithmetic so that
// extreme caller years or months cannot overflow. When b lies in a later year
// than a the count is 1, as DateDiff reports it.
inline __int128 date_diff_years(const MDATE& a, const MDATE& b) {
    if (b.year > a.year) return 1;
    __int128 years = static_cast<__int128>(a.year) - b.year;
    __int128 months = static_cast<__int128>(a.month) - b.month;
    if (months < 0) {
        years -= 1;
        months += 12;
    }
    __int128 days = static_cast<__int128>(a.day) - b.day;
    if (days < 0) months -= 1;
    if (months < 0) years -= 1;
    return years;
}

// A row applies on date d when d lies less than a year after the start and
// less than a year before the end: for rows of at most a year, start <= d <= end.
inline bool date_in_range(const MDATE& start, const MDATE& end, const MDATE& d) {
    return date_diff_years(d, start) == 0 && date_diff_years(end, d) == 0;
}

template <class Row>
inline bool row_in_range(const Row& row, const MDATE& d) {
    return date_in_range(row.start_date, row.end_date, d);
}

// The usual end-of-table row: start month 0.
struct EndsAtZeroStartMonth {
    template <class Row>
    bool operator()(const Row& row) const { return row.start_date.month == 0; }
};

// The row scan: first row in range for `date` that `accept` takes. `accept` may
// compute with the row (a bracket test, say) before answering. Returns null when
// the scan reaches the end row.
template <class Row, class Accept, class IsEnd = EndsAtZeroStartMonth>
const Row* scan_rows(const Row* table, const MDATE& date, Accept accept, IsEnd is_end = IsEnd()) {
    for (const Row* row = table; !is_end(*row); ++row) {
        if (row_in_range(*row, date) && accept(*row)) return row;
    }
    return nullptr;
}

// The row scan of a table whose rows carry no dates (a table of one era, which
// the calculation picks by the check year before reading it): the first row
// `accept` takes, or null when the scan reaches the end row.
template <class Row, class Accept, class IsEnd>
const Row* scan_undated_rows(const Row* table, Accept accept, IsEnd is_end) {
    for (const Row* row = table; !is_end(*row); ++row) {
        if (accept(*row)) return row;
    }
    return nullptr;
}

// Number of rows before the end row (the end row not counted).
template <class Row, class IsEnd = EndsAtZeroStartMonth>
int64_t table_row_count(const Row* table, IsEnd is_end = IsEnd()) {
    int64_t n = 0;
    while (!is_end(table[n])) ++n;
    return n;
}

// Two-pass scan over rows keyed by pay periods. The first pass takes rows for
// the employee's own pay frequency; when it finds none, a second pass also
// takes annual rows (pay_periods 1), which `fits` then works on an annual basis
// (its second argument is true). `keys` tests the row's other keys (status).
// With `annual_allowed` false the second pass takes no annual row: a schedule
// cannot be brought back to a period when the period count is not positive.
// `is_end` recognises the table's end row (start month 0 unless given).
template <class Row, class Keys, class Fits, class IsEnd = EndsAtZeroStartMonth>
const Row* scan_two_pass(const Row* table, const MDATE& date, int64_t pay_periods, Keys keys, Fits fits,
                         bool annual_allowed = true, IsEnd is_end = IsEnd()) {
    const Row* found = scan_rows(
        table, date,
        [&](const Row& row) { return row.pay_periods == pay_periods && keys(row) && fits(row, false); }, is_end);
    if (found) return found;
    return scan_rows(
        table, date,
        [&](const Row& row) {
            if (!keys(row)) return false;
            if (row.pay_periods == pay_periods) return fits(row, false);
            return annual_allowed && row.pay_periods == 1 && fits(row, true);
        },
        is_end);
}

// Bracket membership: lower inclusive, upper exclusive, upper 0 = no ceiling.
inline bool in_bracket(double amount, double lower, double upper) {
    return lower <= amount && (amount < upper || upper == 0.0);
}

}  // namespace txl5

#endif  // TXL5_CORE_TABLES_H
