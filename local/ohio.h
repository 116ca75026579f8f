// Ohio municipal and school district income taxes: the rate tables and the
// directory's lists.
#ifndef TXL5_LOCAL_OHIO_H
#define TXL5_LOCAL_OHIO_H

#include "core/tables.h"
#include "core/txl5.h"

// A municipality's income tax rate over a date range.
struct OhioMunicipalRow {
    MDATE start_date;
    MDATE end_date;
    int64_t muni_code;      // the locality code: the municipality's Census place code
    const char* muni_name;  // the name the directory shows
    double muni_rate;       // fraction of wages
};
static_assert(sizeof(OhioMunicipalRow) == 9 * 8, "Ohio municipal rows have 9 slots");

// A school district's income tax rate over a date range.
struct OhioSchoolRow {
    MDATE start_date;
    MDATE end_date;
    int64_t district_code;    // the locality code
    int64_t district_code_2;  // the same number, shown to a user
    const char* district_name;
    double rate_pct;          // percent: 1.5 = 1.5 %
};
static_assert(sizeof(OhioSchoolRow) == 10 * 8, "Ohio school district rows have 10 slots");

// A school district rate of the years before 2006.
struct OhioOldSchoolRow {
    MDATE start_date;
    MDATE end_date;
    int64_t district_code;
    double rate_pct;
};
static_assert(sizeof(OhioOldSchoolRow) == 8 * 8, "Ohio pre-2006 school district rows have 8 slots");

TXL5_EXPORT extern const OhioMunicipalRow ohmwhn[];
TXL5_EXPORT extern const OhioSchoolRow ohswhn[];
TXL5_EXPORT extern const OhioSchoolRow oheiswhn[];
TXL5_EXPORT extern const OhioOldSchoolRow ohswh[];

// The earned-income list also ends at a row whose start year is 0.
struct EndsAtZeroStartMonthOrYear {
    constexpr bool operator()(const OhioSchoolRow& row) const {
        return row.start_date.month == 0 || row.start_date.year == 0;
    }
};

// The directory's entries of a table: the newest year's rows, from the first
// row while the start year is not 0 and the rows end in the same month and
// year as the first. Each year's block lists the rows in force at its end
// first, so a rate that changed during the year shows once.
template <class Row, size_t N>
constexpr int64_t newest_year_entries(const Row (&table)[N]) {
    const MDATE last = table[0].end_date;
    int64_t n = 0;
    while (!(table[n].start_date.year == 0 || table[n].end_date.month != last.month ||
             table[n].end_date.year != last.year)) {
        ++n;
    }
    return n;
}

namespace txl5 {
// The directory's entries of the school districts and of the municipalities,
// counted by the compiler.
extern const int64_t kOhioSchoolEntries;
extern const int64_t kOhioMunicipalEntries;
// The current tables' rows by locality code (indexes computed by the
// compiler, with the tables).
extern const KeyedTable<OhioMunicipalRow, EndsAtZeroStartMonth> kOhioMunicipalByCode;
extern const KeyedTable<OhioSchoolRow, EndsAtZeroStartMonth> kOhioSchoolByCode;
extern const KeyedTable<OhioSchoolRow, EndsAtZeroStartMonthOrYear> kOhioEarnedIncomeByCode;
}  // namespace txl5

#endif  // TXL5_LOCAL_OHIO_H
