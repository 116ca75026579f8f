// Kentucky local occupational license taxes: cities, counties and school
// districts tax the wages earned within them at a flat percentage, withheld by
// the employer. Several stop taxing a year's wages above a cap (a fixed amount,
// or the social security wage base of the year), so a locality's tax is a
// short schedule of brackets on year-to-date wages, and the period's tax is the
// schedule's tax on the year's wages including this period less its tax on the
// wages paid before it. Supplemental wages are taxed the same way, on top of
// the regular wages.
//
// The rate tables (kylocalcity, kylocalcounty, kylocalschool) are generated
// from tools/data/kentucky_*.csv into local/kentucky_tables.cpp, with the
// publication of each rate.
#include "local/kentucky.h"

#include "core/statecalc.h"
#include "core/tables.h"
#include "local/amounts.h"
#include "local/directory.h"

// Boone County's mental health levy: 0.15 % of the first 16,666 of a year's
// wages (a 25 dollar maximum), as the county's ordinance set it for 2016 and
// 2017. No calculation reads this table.
const KY_LOCAL_STRUCT kymentalcounty[] = {
    {{1, 1, 2017}, {12, 31, 2017}, "Boone", 13, 0.0, 16666.0, 0.15, 0.15},
    {{1, 1, 2017}, {12, 31, 2017}, "Boone", 13, 16666.0, 0.0, 0.0, 0.0},
    {{1, 1, 2016}, {12, 31, 2016}, "Boone", 13, 0.0, 16666.0, 0.15, 0.15},
    {{1, 1, 2016}, {12, 31, 2016}, "Boone", 13, 16666.0, 0.0, 0.0, 0.0},
    {},
};

namespace {

// local_tax_kind: which of the three levies is wanted; any other value
// selects the school district table.
constexpr int64_t kCityKind = 1;
constexpr int64_t kCountyKind = 2;
// taxbody_kind of the directory: the three lists.
constexpr int64_t kSchoolList = 0;
constexpr int64_t kCityList = 1;
constexpr int64_t kCountyList = 2;

constexpr int64_t kSocialSecurityWageBaseItem = 1;
constexpr double kPercent = 100.0;

// The tables end with a row whose code is 0.
struct EndsAtZeroCode {
    bool operator()(const KY_LOCAL_STRUCT& row) const { return row.ky_code == 0; }
};

bool same_date_range(const KY_LOCAL_STRUCT& a, const KY_LOCAL_STRUCT& b) {
    return a.start_date.month == b.start_date.month && a.start_date.day == b.start_date.day &&
           a.start_date.year == b.start_date.year && a.end_date.month == b.end_date.month &&
           a.end_date.day == b.end_date.day && a.end_date.year == b.end_date.year;
}

// Whether `next` continues the schedule of `row`: the same locality over the
// same dates. The end row, another locality's rows or another date range of
// the same locality end the schedule.
bool continues_schedule(const KY_LOCAL_STRUCT& row, const KY_LOCAL_STRUCT& next) {
    return !EndsAtZeroCode()(next) && next.ky_code == row.ky_code && same_date_range(row, next);
}

// The social security wage base of the query's date, asked for once and only
// when a bound needs it; 0 when the library has no base for the date.
class WageBase {
public:
    explicit WageBase(const TXL5_TABLE_INFO& info) : info_(info) {}

    double bound(double stored) {
        if (stored != txl5::kKentuckyWageBase) return stored;
        if (!known_) {
            TXL5_TABLE_INFO query = info_;
            local_TXL5_Get_Table_Info(&query);
            value_ = query.info_value;
            known_ = true;
        }
        return value_;
    }

private:
    TXL5_TABLE_INFO info_;
    double value_ = 0.0;
    bool known_ = false;
};

const KY_LOCAL_STRUCT* levy_table(int64_t local_tax_kind) {
    if (local_tax_kind == kCityKind) return kylocalcity;
    if (local_tax_kind == kCountyKind) return kylocalcounty;
    return kylocalschool;
}

const KY_LOCAL_STRUCT* directory_list(int64_t taxbody_kind) {
    switch (taxbody_kind) {
        case kSchoolList: return kylocalschool;
        case kCityList: return kylocalcity;
        case kCountyList: return kylocalcounty;
        default: return nullptr;
    }
}

// Whether row i of a directory list belongs to the listed year (the first
// row's) and starts a new locality.
bool starts_listed_locality(const KY_LOCAL_STRUCT* list, int64_t i) {
    return i == 0 || list[i].ky_code != list[i - 1].ky_code;
}

// Rows of the newest year, from the first row: the part of a table the
// directory lists.
int64_t listed_rows(const KY_LOCAL_STRUCT* list) {
    const int64_t newest_year = list[0].start_date.year;
    return txl5::table_row_count(list, [newest_year](const KY_LOCAL_STRUCT& row) {
        return EndsAtZeroCode()(row) || row.start_date.year != newest_year;
    });
}

// The number of localities listed: groups of consecutive rows with the same
// code among the newest year's rows.
int64_t get_number_of_name_entries(const KY_LOCAL_STRUCT* list) {
    if (!list) return 0;
    const int64_t rows = listed_rows(list);
    int64_t groups = 0;
    for (int64_t i = 0; i < rows; ++i) {
        if (starts_listed_locality(list, i)) ++groups;
    }
    return groups;
}

// The first row of locality `entry` (counted from 0) of the listed rows.
const KY_LOCAL_STRUCT* first_row_of_entry(const KY_LOCAL_STRUCT* list, int64_t entry) {
    const int64_t rows = listed_rows(list);
    int64_t group = -1;
    for (int64_t i = 0; i < rows; ++i) {
        if (starts_listed_locality(list, i) && ++group == entry) return &list[i];
    }
    return nullptr;
}

}  // namespace

namespace txl5 {

// The schedule's tax on `amount`: each bracket the amount passes is taxed in
// full at its rate, the bracket holding the amount up to the amount. The walk
// ends in the bracket without an end, in the bracket holding the amount, or at
// the end of the locality's own rows, so a schedule whose last bracket has an
// end never reads another locality's rows or past the table: wages above its
// last bracket are not taxed.
double kentucky_schedule_tax(double amount, long i, const KY_LOCAL_STRUCT* table, const TXL5_TABLE_INFO& info) {
    if (!table || i < 0) return 0.0;
    const KY_LOCAL_STRUCT* row = &table[i];
    if (EndsAtZeroCode()(*row)) return 0.0;
    WageBase wage_base(info);
    double sum = 0.0;
    for (;;) {
        const double lower = wage_base.bound(row->bracket_lower);
        const double upper = wage_base.bound(row->bracket_upper);
        const double rate = row->ky_rate_pct / kPercent;
        if (upper == 0.0 || !(amount > upper)) {
            sum += rate * (amount - lower);
            return sum;
        }
        sum += rate * (upper - lower);
        const KY_LOCAL_STRUCT* next = row + 1;
        if (!continues_schedule(*row, *next)) return sum;
        row = next;
    }
}

int64_t ky_taxbody_info(WITHHOLDING_TAXBODY_INFO* info, char* text, size_t size) {
    if (!info) return 0;
    const KY_LOCAL_STRUCT* list = directory_list(info->taxbody_kind);
    const int64_t entry = requested_entry(info, get_number_of_name_entries(list));
    if (entry < 0) return 0;
    const KY_LOCAL_STRUCT* row = first_row_of_entry(list, entry);
    if (!row) return 0;
    return copy_entry(info, row->ky_name, row->ky_code, row->ky_code, text, size);
}

}  // namespace txl5

double ltaxcalc(double amount, long i, KY_LOCAL_STRUCT* table, TXL5_TABLE_INFO info) {
    return txl5::kentucky_schedule_tax(amount, i, table, info);
}

int64_t get_ky_taxbody_info(WITHHOLDING_TAXBODY_INFO* info, char* text) {
    return txl5::prompt_within_limit(txl5::ky_taxbody_info, info, text);
}

// The tax of the locality chosen by local_tax_kind and locality_code: the
// schedule's tax on the year-to-date wages with this period's wages (and then
// its supplemental wages) less the tax on the year-to-date wages before it.
// The employee's extra local withholding is not added here.
int64_t local_ky(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state, LOCAL_WITHHOLDING_STRUC* local) {
    if (!fed || !state || !local) return txl5::kLocalityNoRow;
    const KY_LOCAL_STRUCT* table = levy_table(local->local_tax_kind);
    const int64_t code = local->locality_code;
    const KY_LOCAL_STRUCT* first = txl5::scan_rows(
        table, txl5::check_date(*fed), [code](const KY_LOCAL_STRUCT& row) { return row.ky_code == code; },
        EndsAtZeroCode());
    if (!first) return txl5::fail_no_locality_row(local);

    TXL5_TABLE_INFO info{};
    info.info_month = fed->check_month;
    info.info_day = fed->check_day;
    info.info_year = fed->check_year;
    info.info_item = kSocialSecurityWageBaseItem;
    const long i = static_cast<long>(first - table);
    const double before = local->ytd_local_wages;
    const double with_wages = before + local->local_wages;
    const double with_supplemental = with_wages + local->local_supplemental_wages;
    const double t0 = txl5::kentucky_schedule_tax(before, i, table, info);
    const double t1 = txl5::kentucky_schedule_tax(with_wages, i, table, info);
    const double t2 = txl5::kentucky_schedule_tax(with_supplemental, i, table, info);

    // local_tax stays unrounded: the entry point rounds it to cents.
    const double tax = t1 - t0;
    bool ok = true;
    txl5::store_amount(&local->local_tax, tax, &ok);
    txl5::store_amount(&local->local_supplemental_tax, dollarround(t2 - t0 - tax), &ok);
    return ok ? 0 : txl5::kLocalityAmountFailed;
}
