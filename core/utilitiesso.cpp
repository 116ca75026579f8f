// Dates and rounding shared by every calculation.
#include <limits>

#include "core/numeric.h"
#include "core/tables.h"
#include "core/txl5.h"

namespace {

int64_t saturate(__int128 v) {
    if (v > std::numeric_limits<int64_t>::max()) return std::numeric_limits<int64_t>::max();
    if (v < std::numeric_limits<int64_t>::min()) return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(v);
}

// a - b as whole years, months and days, every month counted as 31 days.
// Callers only look at the year count; the working values are 128-bit so that
// no caller date can overflow them, and the outputs saturate at the int64 range.
int64_t date_difference(const MDATE& a, const MDATE& b, int64_t* years, int64_t* months, int64_t* days) {
    if (b.year > a.year) {
        *years = 1;
        return 1;
    }
    __int128 y = static_cast<__int128>(a.year) - b.year;
    __int128 m = static_cast<__int128>(a.month) - b.month;
    if (m < 0) {
        y -= 1;
        m += 12;
    }
    __int128 d = static_cast<__int128>(a.day) - b.day;
    if (d < 0) {
        m -= 1;
        d += 31;
    }
    if (m < 0) {
        y -= 1;
        m += 12;
    }
    *years = saturate(y);
    *months = saturate(m);
    *days = saturate(d);
    return 0;
}

}  // namespace

int64_t DateDiff(MDATE a, MDATE b, int64_t* years, int64_t* months, int64_t* days) {
    // Without somewhere to write the difference there is nothing to compute.
    if (!years || !months || !days) return 1;
    return date_difference(a, b, years, months, days);
}

int64_t DateDifffy(MDATE a, MDATE b, int64_t* years, int64_t* months, int64_t* days) {
    if (!years || !months || !days) return 1;
    return date_difference(a, b, years, months, days);
}

// 0 when b falls in the same year as a and not after it, 1 otherwise.
int64_t DateDiffh(MDATE a, MDATE b, int64_t* years, int64_t*, int64_t*) {
    if (!years) return 1;
    bool same_year_not_after = a.year == b.year && (b.month < a.month || (b.month == a.month && b.day <= a.day));
    *years = same_year_not_after ? 0 : 1;
    return 0;
}

// To cents: truncate 1000 x to an integer, add 5, divide by 10 truncating, so
// half-cents round up for positive amounts and toward zero for negative ones.
// Only three decimals take part. An amount whose scaled value is not a finite
// int64 comes back unchanged.
double dollarround(double x) {
    double scaled = x * 1000.0;
    if (!txl5::fits_int64(scaled)) return x;
    int64_t t = static_cast<int64_t>(scaled);
    return static_cast<double>((t + 5) / 10) / 100.0;
}

// To whole dollars, by the same rule on the first decimal.
double reallydollarround(double x) {
    double scaled = x * 10.0;
    if (!txl5::fits_int64(scaled)) return x;
    int64_t t = static_cast<int64_t>(scaled);
    return static_cast<double>((t + 5) / 10);
}
