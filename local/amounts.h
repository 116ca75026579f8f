// The amounts a locality function writes into the local record. Every one is
// finite: when the caller's inputs (wages that are infinite or not a number,
// say) give no finite amount, 0 is stored instead and the calculation reports
// failure, so the entry point flags the locality as failed.
#ifndef TXL5_LOCAL_AMOUNTS_H
#define TXL5_LOCAL_AMOUNTS_H

#include <cmath>
#include <cstdint>

namespace txl5 {

// Result of a locality function whose amounts could not all be computed.
constexpr int64_t kLocalityAmountFailed = 1;

// Stores `amount` in `field`, or 0 when it is not finite; in that case `ok`
// becomes false.
inline void store_amount(double* field, double amount, bool* ok) {
    if (std::isfinite(amount)) {
        *field = amount;
    } else {
        *field = 0.0;
        *ok = false;
    }
}

}  // namespace txl5

#endif  // TXL5_LOCAL_AMOUNTS_H
