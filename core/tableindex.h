// Row indexes computed by the compiler for tables defined `constexpr`: a scan
// through an index visits the same rows in the same order as the plain scan
// and gives the same answer, but steps over in one move every run of rows that
// cannot match.
//
// Block index (bracket tables): consecutive rows with the same dates form a
// date block; within it, consecutive rows of the same pay periods a period
// run and consecutive rows of the same status a status run. A row out of range
// for the check date skips its date block (every row of it has the same
// dates); a row of other pay periods skips its period run; a row of another
// status skips its status run when the keys are a StatusIs (when both fail,
// the longer skip). Dates are packed once per row (PackedRange), so a row's
// date test is two comparisons.
//
// Key index (registers keyed by a locality code): the rows sorted by code, so
// a look-up reads only the rows with the code, still in table order.
//
// Only tests that read the row alone are skipped over (dates, pay periods,
// status, code); the caller's own test (`accept`, `fits`) sees exactly the
// rows it would see in the plain scan, in the same order.
#ifndef TXL5_CORE_TABLEINDEX_H
#define TXL5_CORE_TABLEINDEX_H

#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <utility>

#include "core/tables.h"

namespace txl5 {

template <class Row, class = void>
struct HasPayPeriods : std::false_type {};
template <class Row>
struct HasPayPeriods<Row, std::void_t<decltype(std::declval<const Row&>().pay_periods)>> : std::true_type {};

template <class Row, class = void>
struct HasStatus : std::false_type {};
template <class Row>
struct HasStatus<Row, std::void_t<decltype(std::declval<const Row&>().status)>> : std::true_type {};

// Keys that test the row's status alone: row.status == key, as the lambda
// `[key](const Row& r) { return r.status == key; }` would.
template <class Key>
struct StatusIs {
    Key key;
    template <class Row>
    bool operator()(const Row& row) const {
        return row.status == key;
    }
};
template <class Key>
StatusIs(Key) -> StatusIs<Key>;

template <class Keys>
struct IsStatusKey : std::false_type {};
template <class Key>
struct IsStatusKey<StatusIs<Key>> : std::true_type {};

constexpr bool same_date(const MDATE& a, const MDATE& b) {
    return a.month == b.month && a.day == b.day && a.year == b.year;
}

// Number of rows before the end row; a table without one does not compile
// (the count reads past its last row).
template <class Row, class IsEnd>
constexpr int32_t indexed_row_count(const Row* table, IsEnd is_end) {
    int32_t i = 0;
    while (!is_end(table[i])) ++i;
    return i;
}

// The tables are template arguments by their first row (`indexed<fica>()`
// passes &fica[0]): the rows up to the end row are what the index covers. A
// table argument of array reference type would do as well, but clang does not
// evaluate such a reference to a table that its header first declares without
// a bound (`extern const FicaRow fica[];`), which every exported table is.
template <const auto* Table, class IsEnd>
constexpr size_t rows_with_end_row = static_cast<size_t>(indexed_row_count(Table, IsEnd{})) + 1;

template <size_t N>
struct BlockIndexData {
    int32_t count = 0;
    PackedRange range[N] = {};
    int32_t date_end[N] = {};    // first later row with other dates (or count)
    int32_t period_end[N] = {};  // first later row with other dates or pay periods
    int32_t status_end[N] = {};  // first later row with other dates or status
};

template <size_t N, class Row, class IsEnd>
constexpr BlockIndexData<N> build_block_index(const Row* table, IsEnd is_end) {
    BlockIndexData<N> out{};
    out.count = indexed_row_count(table, is_end);
    for (int32_t i = out.count - 1; i >= 0; --i) {
        const Row& row = table[i];
        out.range[i] = pack_range(row.start_date, row.end_date);
        const bool has_next = i + 1 < out.count;
        const bool same = has_next && same_date(row.start_date, table[i + 1].start_date) &&
                          same_date(row.end_date, table[i + 1].end_date);
        out.date_end[i] = same ? out.date_end[i + 1] : i + 1;
        bool same_periods = same;
        if constexpr (HasPayPeriods<Row>::value) same_periods = same && row.pay_periods == table[i + 1].pay_periods;
        out.period_end[i] = same_periods ? out.period_end[i + 1] : i + 1;
        bool same_status = same;
        if constexpr (HasStatus<Row>::value) same_status = same && row.status == table[i + 1].status;
        out.status_end[i] = same_status ? out.status_end[i + 1] : i + 1;
    }
    return out;
}

// A table with its block index.
template <class Row, class IsEnd>
struct IndexedTable {
    const Row* rows;
    int32_t count;
    const PackedRange* range;
    const int32_t* date_end;
    const int32_t* period_end;
    const int32_t* status_end;

    bool in_range(int32_t i, const MDATE& d, const PackedDate& packed) const {
        const PackedRange& r = range[i];
        if (packed.regular && r.regular) return r.lo <= packed.key && packed.key <= r.hi;
        return date_in_range_irregular(rows[i].start_date, rows[i].end_date, d);
    }
};

template <const auto* Table, class IsEnd>
struct BlockIndexOf {
    using Row = std::remove_cv_t<std::remove_pointer_t<decltype(Table)>>;
    static constexpr BlockIndexData<rows_with_end_row<Table, IsEnd>> data =
        build_block_index<rows_with_end_row<Table, IsEnd>>(Table, IsEnd{});
};

// The block index of a constexpr table, ended as IsEnd says.
template <const auto* Table, class IsEnd = EndsAtZeroStartMonth>
constexpr auto indexed() {
    using Of = BlockIndexOf<Table, IsEnd>;
    return IndexedTable<typename Of::Row, IsEnd>{Table,           Of::data.count,      Of::data.range,
                                                 Of::data.date_end, Of::data.period_end, Of::data.status_end};
}

// scan_rows through a block index.
template <class Row, class IsEnd, class Accept>
const Row* scan_rows(const IndexedTable<Row, IsEnd>& t, const MDATE& date, Accept accept, IsEnd = IsEnd()) {
    const PackedDate packed = pack_date(date);
    for (int32_t i = 0; i < t.count;) {
        if (!t.in_range(i, date, packed)) {
            i = t.date_end[i];
        } else if (accept(t.rows[i])) {
            return t.rows + i;
        } else {
            ++i;
        }
    }
    return nullptr;
}

// The row a two-pass scan moves to from row i when row i is out (its pay
// periods not wanted, or its status not the key's): past the longest run of
// rows that are out for the same reason; i when row i is not out.
template <class Row, class IsEnd, class Keys>
int32_t skip_two_pass(const IndexedTable<Row, IsEnd>& t, int32_t i, bool periods_wanted, const Keys& keys) {
    int32_t next = periods_wanted ? i : t.period_end[i];
    if constexpr (IsStatusKey<Keys>::value) {
        if (!keys(t.rows[i]) && t.status_end[i] > next) next = t.status_end[i];
    }
    return next;
}

// scan_two_pass through a block index.
template <class Row, class IsEnd, class Keys, class Fits>
const Row* scan_two_pass(const IndexedTable<Row, IsEnd>& t, const MDATE& date, int64_t pay_periods, Keys keys,
                         Fits fits, bool annual_allowed = true, IsEnd = IsEnd(),
                         SecondPass second_pass = SecondPass::OwnOrAnnual) {
    if (!annual_allowed) second_pass = SecondPass::OwnOnly;
    const PackedDate packed = pack_date(date);
    for (int32_t i = 0; i < t.count;) {
        const Row& row = t.rows[i];
        if (!t.in_range(i, date, packed)) {
            i = t.date_end[i];
            continue;
        }
        const int32_t next = skip_two_pass(t, i, row.pay_periods == pay_periods, keys);
        if (next != i) {
            i = next;
        } else if (keys(row) && fits(row, false)) {
            return t.rows + i;
        } else {
            ++i;
        }
    }
    for (int32_t i = 0; i < t.count;) {
        const Row& row = t.rows[i];
        if (!t.in_range(i, date, packed)) {
            i = t.date_end[i];
            continue;
        }
        const bool own = row.pay_periods == pay_periods;
        const bool annual = row.pay_periods == 1;
        bool wanted = false;
        switch (second_pass) {
            case SecondPass::AnnualOnly: wanted = annual; break;
            case SecondPass::OwnOnly: wanted = own; break;
            case SecondPass::OwnOrAnnual: wanted = own || annual; break;
        }
        const int32_t next = skip_two_pass(t, i, wanted, keys);
        if (next != i) {
            i = next;
        } else if (keys(row) &&
                   (second_pass == SecondPass::AnnualOnly ? fits(row, true) : own ? fits(row, false) : fits(row, true))) {
            return t.rows + i;
        } else {
            ++i;
        }
    }
    return nullptr;
}

// bracket_tax through a block index.
template <class Row, class IsEnd, class Keys, class Taxable>
BracketTax<Row> bracket_tax(const IndexedTable<Row, IsEnd>& table, const MDATE& date, int64_t pay_periods, Keys keys,
                            Taxable taxable_of, IsEnd is_end = IsEnd(), bool annual_allowed = true) {
    return bracket_tax_over<Row>(table, date, pay_periods, keys, taxable_of, is_end, annual_allowed);
}

// ---- Key index --------------------------------------------------------------

template <size_t N>
struct KeyIndexData {
    int32_t count = 0;
    int64_t key[N] = {};    // the rows' codes, ascending
    int32_t order[N] = {};  // the row of each, ascending among equal codes
};

template <size_t N, class Row, class Member, class IsEnd>
constexpr KeyIndexData<N> build_key_index(const Row* table, Member member, IsEnd is_end) {
    KeyIndexData<N> out{};
    out.count = indexed_row_count(table, is_end);
    const int32_t n = out.count;
    for (int32_t i = 0; i < n; ++i) {
        out.key[i] = static_cast<int64_t>(table[i].*member);
        out.order[i] = i;
    }
    // Heap sort by (code, row), so equal codes keep table order.
    auto less = [&](int32_t a, int32_t b) {
        return out.key[a] < out.key[b] || (out.key[a] == out.key[b] && out.order[a] < out.order[b]);
    };
    auto swap = [&](int32_t a, int32_t b) {
        const int64_t k = out.key[a];
        out.key[a] = out.key[b];
        out.key[b] = k;
        const int32_t o = out.order[a];
        out.order[a] = out.order[b];
        out.order[b] = o;
    };
    auto sift = [&](int32_t root, int32_t end) {
        for (;;) {
            int32_t child = 2 * root + 1;
            if (child >= end) return;
            if (child + 1 < end && less(child, child + 1)) ++child;
            if (!less(root, child)) return;
            swap(root, child);
            root = child;
        }
    };
    for (int32_t start = n / 2 - 1; start >= 0; --start) sift(start, n);
    for (int32_t end = n - 1; end > 0; --end) {
        swap(0, end);
        sift(0, end);
    }
    return out;
}

// A table with its key index on one integer column.
template <class Row, class IsEnd>
struct KeyedTable {
    const Row* rows;
    int32_t count;
    const int64_t* key;
    const int32_t* order;

    // The first entry of the index with `code` (count when none).
    int32_t first_with(int64_t code) const {
        int32_t lo = 0, hi = count;
        while (lo < hi) {
            const int32_t mid = lo + (hi - lo) / 2;
            if (key[mid] < code) {
                lo = mid + 1;
            } else {
                hi = mid;
            }
        }
        return lo;
    }
};

template <const auto* Table, auto Member, class IsEnd>
struct KeyIndexOf {
    using Row = std::remove_cv_t<std::remove_pointer_t<decltype(Table)>>;
    static constexpr KeyIndexData<rows_with_end_row<Table, IsEnd>> data =
        build_key_index<rows_with_end_row<Table, IsEnd>>(Table, Member, IsEnd{});
};

// The key index of a constexpr table on the column `Member`.
template <const auto* Table, auto Member, class IsEnd = EndsAtZeroStartMonth>
constexpr auto keyed() {
    using Of = KeyIndexOf<Table, Member, IsEnd>;
    return KeyedTable<typename Of::Row, IsEnd>{Table, Of::data.count, Of::data.key, Of::data.order};
}

// find_row(table, [](row) { return row.<column> == code && accept(row); },
// is_end), stopping also at row `limit`: the first row before the end row and
// before `limit` whose code is `code` and that `accept` takes.
template <class Row, class IsEnd, class Accept>
const Row* find_row_with_key(const KeyedTable<Row, IsEnd>& t, int64_t code, Accept accept,
                             int64_t limit = INT64_MAX) {
    for (int32_t e = t.first_with(code); e < t.count && t.key[e] == code; ++e) {
        const int32_t i = t.order[e];
        if (i >= limit) return nullptr;
        if (accept(t.rows[i])) return t.rows + i;
    }
    return nullptr;
}

// scan_rows(table, date, [](row) { return row.<column> == code && accept(row); }).
template <class Row, class IsEnd, class Accept>
const Row* scan_rows_with_key(const KeyedTable<Row, IsEnd>& t, int64_t code, const MDATE& date, Accept accept) {
    const PackedDate packed = pack_date(date);
    return find_row_with_key(t, code, [&](const Row& row) { return row_in_range(row, date, packed) && accept(row); });
}

}  // namespace txl5

#endif  // TXL5_CORE_TABLEINDEX_H
