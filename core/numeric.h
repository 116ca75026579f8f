// Checked conversions between doubles and 64-bit integers, shared by the
// rounding functions and every calculation that truncates an amount.
#ifndef TXL5_CORE_NUMERIC_H
#define TXL5_CORE_NUMERIC_H

#include <cmath>
#include <cstdint>
#include <limits>

namespace txl5 {

// 2^63 as a double: the first value a conversion to int64 cannot hold.
constexpr double kInt64Limit = 9223372036854775808.0;

// True when x truncates to an int64 without overflow (so the cast is defined).
inline bool fits_int64(double x) {
    return std::isfinite(x) && x >= -kInt64Limit && x < kInt64Limit;
}

// Truncation toward zero to int64: NaN gives 0, infinities and values beyond
// the int64 range saturate. Finite in-range values truncate exactly like a cast.
inline int64_t checked_to_int64(double x) {
    if (std::isnan(x)) return 0;
    if (x >= kInt64Limit) return std::numeric_limits<int64_t>::max();
    if (x <= -kInt64Limit) return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(x);
}

// The divisor that turns an annual amount into a per-period amount: the pay
// periods per year, or 1 (undivided) when the count is not positive.
inline int64_t per_period_divisor(int64_t pay_periods) {
    return pay_periods < 1 ? 1 : pay_periods;
}

}  // namespace txl5

#endif  // TXL5_CORE_NUMERIC_H
