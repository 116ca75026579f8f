// The advance earned income credit lookup, over any payment schedule and table
// of annual wage maxima. TXL5_AEIC_Calc runs it over the library's own tables
// (aeic, aeicmax); keeping it here lets the schedule keys and the two passes be
// exercised with schedules the library itself no longer carries.
#ifndef TXL5_LEVIES_AEIC_H
#define TXL5_LEVIES_AEIC_H

#include "core/numeric.h"
#include "core/tables.h"
#include "core/txl5.h"
#include "levies/levies.h"

namespace txl5 {

// Certificate status 3: married, filing jointly; its wage maximum is the joint one.
constexpr int64_t kAeicJointStatus = 3;

// Schedule key: 0 for statuses 0 to 2; 2 when both spouses of a joint return
// filed a certificate; 1 otherwise.
inline int64_t aeic_schedule_key(const AEIC_STRUC& r) {
    if (r.aeic_status >= 0 && r.aeic_status <= 2) return 0;
    if (r.aeic_status == kAeicJointStatus && r.aeic_spouse_certificate == 1) return 2;
    return 1;
}

// Returns 0 when a schedule row gave the payment, 1 (and aeic_error 1) when
// none did; aeic_payment then keeps the caller's value. A negative payment
// comes back as 0. No rounding.
inline int64_t aeic_payment(AEIC_STRUC* r, const AeicRow* schedule, const AeicMaxRow* maxima) {
    const MDATE date{r->aeic_month, r->aeic_day, r->aeic_year};
    const AeicMaxRow* max_row = scan_rows(maxima, date, [](const AeicMaxRow&) { return true; });
    double cap = 0.0;
    if (max_row) cap = r->aeic_status == kAeicJointStatus ? max_row->max_wages_joint : max_row->max_wages;

    const int64_t key = aeic_schedule_key(*r);
    double amount = 0.0;
    // A row of the employee's own frequency takes this period's wages, up to
    // what is left of the annual maximum; an annual row takes the period's
    // wages times the periods of the year, without the maximum.
    const auto fits = [&](const AeicRow& row, bool annual) {
        if (annual) {
            amount = static_cast<double>(r->aeic_pay_periods) * r->aeic_wages;
        } else {
            amount = r->aeic_wages;
            if (r->aeic_ytd_wages + r->aeic_wages > cap) amount = cap - r->aeic_ytd_wages;
        }
        if (amount < 0.0) amount = 0.0;
        // An amount too large to represent (or not a number) fits no bracket.
        return std::isfinite(amount) && in_bracket(amount, row.lower, row.upper);
    };
    const AeicRow* row = scan_two_pass(
        schedule, date, r->aeic_pay_periods, [&](const AeicRow& row) { return row.status == key; }, fits);

    int64_t result = 0;
    if (!row) {
        r->aeic_error = 1;
        result = 1;
    } else if (row->pay_periods == r->aeic_pay_periods) {
        r->aeic_payment = row->base + row->rate * (amount - row->lower);
    } else {
        // An annual amount, brought back to the period (undivided when the
        // period count is not positive).
        r->aeic_payment = (row->base + row->rate * (amount - row->lower)) /
                          static_cast<double>(per_period_divisor(r->aeic_pay_periods));
    }
    if (r->aeic_payment < 0.0) r->aeic_payment = 0.0;
    return result;
}

}  // namespace txl5

#endif  // TXL5_LEVIES_AEIC_H
