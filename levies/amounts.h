// The amounts a levy calculation writes into its record. Every one is
// finite: inputs that give no finite amount (wages, hours or rates that are
// infinite or not numbers, or too large to multiply) store 0 and set the
// record's error code to 1, the code of a missing table row, so a caller
// never withholds an amount that is not one.
#ifndef TXL5_LEVIES_AMOUNTS_H
#define TXL5_LEVIES_AMOUNTS_H

#include <cmath>
#include <cstdint>

namespace txl5 {

constexpr int64_t kLevyAmountFailed = 1;

inline void store_levy_amount(double* field, double amount, int64_t* error) {
    if (std::isfinite(amount)) {
        *field = amount;
    } else {
        *field = 0.0;
        *error = kLevyAmountFailed;
    }
}

}  // namespace txl5

#endif  // TXL5_LEVIES_AMOUNTS_H
