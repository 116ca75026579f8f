// What a locality function writes into the local record. Every amount is
// finite: when the caller's inputs (wages that are infinite or not a number,
// say) give no finite amount, 0 is stored instead and the calculation reports
// failure, so the entry point flags the locality as failed. A locality code (or
// wages) that no row fits sets local_error and fails.
#ifndef TXL5_LOCAL_AMOUNTS_H
#define TXL5_LOCAL_AMOUNTS_H

#include <cmath>
#include <cstdint>

#include "core/txl5.h"

namespace txl5 {

// local_error, and the result, of a locality function that finds no row.
constexpr int64_t kLocalityNoRow = 1;

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

// Records that no row fits: local_error 1; returns the failure result.
inline int64_t fail_no_locality_row(LOCAL_WITHHOLDING_STRUC* local) {
    local->local_error = kLocalityNoRow;
    return kLocalityNoRow;
}

}  // namespace txl5

#endif  // TXL5_LOCAL_AMOUNTS_H
