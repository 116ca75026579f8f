// Effective-dated tables: every row starts with the date range in which it
// applies (start and end, both inclusive), rows are ordered newest first, and
// a table ends with a row of zeros. A calculation takes the first row whose
// range holds the check date and that passes its own key tests.
#ifndef TXL5_CORE_TABLES_H
#define TXL5_CORE_TABLES_H

#include <cmath>

#include "core/numeric.h"
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
// This is the definition, for any three dates; date_in_range below gives the
// same answer faster.
inline bool date_in_range_reference(const MDATE& start, const MDATE& end, const MDATE& d) {
    return date_diff_years(d, start) == 0 && date_diff_years(end, d) == 0;
}

// A date packed into one integer that orders dates as (year, month, day) do:
// year x 512 + month x 32 + day. Packed only when the date is regular (month 1
// to 12, day 0 to 31, year within +-2^40): then date_diff_years(a, b) == 0
// exactly when packed(b) <= packed(a) < packed(b) + 512, that is, when a lies
// on or after b and before the same month and day a year later. (With months
// 1 to 12 two months differ by at most 11, so the count is 0 in the same
// year when (month, day) of a is not before b's, 1 in the next year when it
// is, and never 0 two or more years on.) Other dates go to the reference.
struct PackedDate {
    bool regular;
    int64_t key;
};

constexpr int64_t kPackedYear = 512;
constexpr int64_t kPackedYearLimit = int64_t{1} << 40;

constexpr PackedDate pack_date(const MDATE& d) {
    const bool regular = d.month >= 1 && d.month <= 12 && d.day >= 0 && d.day <= 31 &&
                         d.year >= -kPackedYearLimit && d.year <= kPackedYearLimit;
    return PackedDate{regular, regular ? d.year * kPackedYear + d.month * 32 + d.day : 0};
}

// The check dates on which a row with these start and end dates applies, for
// regular dates: packed keys in [lo, hi] (lo > hi: none). `regular` is false
// when either row date is not regular; then only the reference can tell.
struct PackedRange {
    bool regular;
    int64_t lo;
    int64_t hi;
};

constexpr PackedRange pack_range(const MDATE& start, const MDATE& end) {
    const PackedDate s = pack_date(start);
    const PackedDate e = pack_date(end);
    if (!s.regular || !e.regular) return PackedRange{false, 0, -1};
    // start <= d < start + 1 year and d <= end < d + 1 year.
    const int64_t lo = s.key > e.key - (kPackedYear - 1) ? s.key : e.key - (kPackedYear - 1);
    const int64_t hi = e.key < s.key + (kPackedYear - 1) ? e.key : s.key + (kPackedYear - 1);
    return PackedRange{true, lo, hi};
}

// The reference, kept out of line so that the packed test inlines into scans.
[[gnu::noinline]] inline bool date_in_range_irregular(const MDATE& start, const MDATE& end, const MDATE& d) {
    return date_in_range_reference(start, end, d);
}

// date_in_range_reference, with the check date packed once by the caller.
inline bool date_in_range(const MDATE& start, const MDATE& end, const MDATE& d, const PackedDate& packed) {
    if (packed.regular) {
        const PackedRange r = pack_range(start, end);
        if (r.regular) return r.lo <= packed.key && packed.key <= r.hi;
    }
    return date_in_range_irregular(start, end, d);
}

inline bool date_in_range(const MDATE& start, const MDATE& end, const MDATE& d) {
    return date_in_range(start, end, d, pack_date(d));
}

template <class Row>
inline bool row_in_range(const Row& row, const MDATE& d) {
    return date_in_range(row.start_date, row.end_date, d);
}

template <class Row>
inline bool row_in_range(const Row& row, const MDATE& d, const PackedDate& packed) {
    return date_in_range(row.start_date, row.end_date, d, packed);
}

// The usual end-of-table row: start month 0.
struct EndsAtZeroStartMonth {
    template <class Row>
    constexpr bool operator()(const Row& row) const { return row.start_date.month == 0; }
};

// The row scan underneath every look-up: the first row before the end row
// that `accept` takes, or null. Tables whose rows carry no date range (a
// tax-year column, say, that `accept` tests with the row's other keys) use it
// directly.
template <class Row, class Accept, class IsEnd>
const Row* find_row(const Row* table, Accept accept, IsEnd is_end) {
    for (const Row* row = table; !is_end(*row); ++row) {
        if (accept(*row)) return row;
    }
    return nullptr;
}

// The row scan of effective-dated tables: first row in range for `date` that
// `accept` takes. `accept` may compute with the row (a bracket test, say)
// before answering. Returns null when the scan reaches the end row.
template <class Row, class Accept, class IsEnd = EndsAtZeroStartMonth>
const Row* scan_rows(const Row* table, const MDATE& date, Accept accept, IsEnd is_end = IsEnd()) {
    const PackedDate packed = pack_date(date);
    return find_row(table, [&](const Row& row) { return row_in_range(row, date, packed) && accept(row); }, is_end);
}

// Number of rows before the end row (the end row not counted).
template <class Row, class IsEnd = EndsAtZeroStartMonth>
int64_t table_row_count(const Row* table, IsEnd is_end = IsEnd()) {
    int64_t n = 0;
    while (!is_end(table[n])) ++n;
    return n;
}

// What the second pass of the two-pass scan takes besides the rows of the
// employee's own frequency (tested again as in the first pass).
enum class SecondPass {
    // Annual rows (pay_periods 1), worked on an annual basis.
    OwnOrAnnual,
    // No annual row: a schedule cannot be brought back to a period when the
    // period count is not positive.
    OwnOnly,
    // Annual rows alone, on an annual basis, an annual payroll's own rows
    // included (tables whose annual rows answer differently on that basis).
    AnnualOnly,
};

// Two-pass scan over rows keyed by pay periods. The first pass takes rows for
// the employee's own pay frequency; when it finds none, a second pass also
// takes annual rows (pay_periods 1), which `fits` then works on an annual basis
// (its second argument is true). `keys` tests the row's other keys (status).
// `annual_allowed` false is SecondPass::OwnOnly. `is_end` recognises the
// table's end row (start month 0 unless given). `keys` only reads the row, so
// the row's pay periods and keys are tested before its dates, the cheaper
// tests first; `fits` still sees exactly the rows in range that pass them.
template <class Row, class Keys, class Fits, class IsEnd = EndsAtZeroStartMonth>
const Row* scan_two_pass(const Row* table, const MDATE& date, int64_t pay_periods, Keys keys, Fits fits,
                         bool annual_allowed = true, IsEnd is_end = IsEnd(),
                         SecondPass second_pass = SecondPass::OwnOrAnnual) {
    if (!annual_allowed) second_pass = SecondPass::OwnOnly;
    const PackedDate packed = pack_date(date);
    const Row* found = find_row(
        table,
        [&](const Row& row) {
            return row.pay_periods == pay_periods && keys(row) && row_in_range(row, date, packed) && fits(row, false);
        },
        is_end);
    if (found) return found;
    return find_row(
        table,
        [&](const Row& row) {
            const bool own = row.pay_periods == pay_periods;
            const bool annual = row.pay_periods == 1;
            switch (second_pass) {
                case SecondPass::AnnualOnly:
                    return annual && keys(row) && row_in_range(row, date, packed) && fits(row, true);
                case SecondPass::OwnOnly:
                    return own && keys(row) && row_in_range(row, date, packed) && fits(row, false);
                case SecondPass::OwnOrAnnual:
                    break;
            }
            if (!(own || annual) || !keys(row) || !row_in_range(row, date, packed)) return false;
            return own ? fits(row, false) : fits(row, true);
        },
        is_end);
}

// Bracket membership: lower inclusive, upper exclusive, upper 0 = no ceiling.
inline bool in_bracket(double amount, double lower, double upper) {
    return lower <= amount && (amount < upper || upper == 0.0);
}

// Bracket membership in the tables bounded the other way: lower exclusive
// (a floor of 0 takes 0 itself), upper inclusive, upper 0 = no ceiling.
inline bool in_bracket_upper_inclusive(double amount, double lower, double upper) {
    return (lower < amount || lower == 0.0) && (amount <= upper || upper == 0.0);
}

// The outcome of a bracket computation: the row used (null when none), the
// tax for the period, whether an annual row was used, and the taxable wages
// the row was applied to (floored at 0; annual amounts on an annual row).
template <class Row>
struct BracketTax {
    const Row* row = nullptr;
    double tax = 0.0;
    bool annual = false;
    double taxable = 0.0;
};

// The annual taxable wages of a bracket computation: as taxed on an annual
// row, or the period's taxable wages times the pay periods.
template <class Row>
double annual_taxable(const BracketTax<Row>& used, int64_t pay_periods) {
    return used.annual ? used.taxable : used.taxable * static_cast<double>(pay_periods);
}

// The bracket formula on one candidate row: taxable wages that are not a
// finite amount (wages too large to annualize, or not a number) fit no
// bracket, so a scan fails rather than produce an infinite tax; then they are
// floored at 0 and, when the row's bracket holds them, the tax is base + rate
// x (taxable - lower), on an annual row divided by the pay periods (undivided
// when the count is not positive).
template <class Row>
bool tax_in_bracket(const Row& row, double taxable, bool annual, int64_t pay_periods, double* tax) {
    if (!std::isfinite(taxable)) return false;
    if (taxable < 0.0) taxable = 0.0;
    if (!in_bracket(taxable, row.lower, row.upper)) return false;
    *tax = row.base + row.rate * (taxable - row.lower);
    if (annual) *tax /= static_cast<double>(per_period_divisor(pay_periods));
    return true;
}

// The bracket computation over any table scan_two_pass takes (a row
// pointer or an indexed table).
template <class Row, class Table, class Keys, class Taxable, class IsEnd>
BracketTax<Row> bracket_tax_over(const Table& table, const MDATE& date, int64_t pay_periods, Keys keys,
                                 Taxable taxable_of, IsEnd is_end, bool annual_allowed) {
    BracketTax<Row> out;
    out.row = scan_two_pass(
        table, date, pay_periods, keys,
        [&](const Row& row, bool annual) {
            const double taxable = taxable_of(row, annual);
            if (!tax_in_bracket(row, taxable, annual, pay_periods, &out.tax)) return false;
            out.annual = annual;
            out.taxable = taxable < 0.0 ? 0.0 : taxable;
            return true;
        },
        annual_allowed, is_end);
    return out;
}

// The bracket computation: the two-pass scan with the bracket formula.
// `taxable_of(row, annual)` gives the taxable wages for a candidate row
// (annualized when `annual`). `annual_allowed` and `is_end` as for
// scan_two_pass.
template <class Row, class Keys, class Taxable, class IsEnd = EndsAtZeroStartMonth>
BracketTax<Row> bracket_tax(const Row* table, const MDATE& date, int64_t pay_periods, Keys keys,
                            Taxable taxable_of, IsEnd is_end = IsEnd(), bool annual_allowed = true) {
    return bracket_tax_over<Row>(table, date, pay_periods, keys, taxable_of, is_end, annual_allowed);
}

}  // namespace txl5

#include "core/tableindex.h"

#endif  // TXL5_CORE_TABLES_H
