// Oklahoma withholding tables of states/oklahoma.cpp: the per-frequency and
// annual schedules (okwh, in the common 13-slot bracket row), the constants of
// the annual formula before 2002 (allowok for 1998-1999, allow2000ok for 2000
// and 2001) and the flat supplemental rates (supplemental_ok).
#ifndef TXL5_STATES_OKLAHOMA_H
#define TXL5_STATES_OKLAHOMA_H

#include <cstdint>

#include "core/statecalc.h"
#include "core/txl5.h"

// allowok: the constants of one year and status of the formula before 2000
// (fourteen 8-byte slots). Ends at start month 0.
struct OkAllowanceRow {
    MDATE start_date;
    MDATE end_date;
    int64_t status;
    double wage_cap;           // annual wages taxed on the schedule
    double excess_rate;        // rate on the annual wages above the cap
    double allowance_amount;   // Oklahoma deduction per allowance
    double std_min;            // Oklahoma standard deduction: 15 % of the wages,
    double std_max;            // held between these two amounts
    double fed_exemption;      // federal exemption per allowance
    double fed_std_deduction;  // federal standard deduction
};
static_assert(sizeof(OkAllowanceRow) == 14 * 8, "allowok rows have 14 slots");

// allow2000ok: the same constants for 2000 and 2001 and the multiplier of the
// schedule tax (fifteen 8-byte slots). Ends at start month 0.
struct OkAllowance2000Row {
    MDATE start_date;
    MDATE end_date;
    int64_t status;
    double wage_cap;
    double excess_rate;
    double allowance_amount;
    double std_min;
    double std_max;
    double fed_exemption;
    double fed_std_deduction;
    double multiplier;  // applied to the schedule tax
};
static_assert(sizeof(OkAllowance2000Row) == 15 * 8, "allow2000ok rows have 15 slots");

TXL5_EXPORT extern const StateBracketRow okwh[];
TXL5_EXPORT extern const OkAllowanceRow allowok[];
TXL5_EXPORT extern const OkAllowance2000Row allow2000ok[];
TXL5_EXPORT extern const SupplementalRateRow supplemental_ok[];

#endif  // TXL5_STATES_OKLAHOMA_H
