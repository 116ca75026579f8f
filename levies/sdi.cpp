// State disability insurance. The employee pays a flat rate on wages up to an
// annual wage base (California: no base; Hawaii: up to a maximum weekly wage;
// New York: at most 0.60 a week); New Jersey also levies an employer share on
// a lower base, at the employer's own assigned rate.
//
// Sources: California EDD rate notices (DE 44, 2024-2026); Hawaii DLIR maximum
// weekly wage notices; New Jersey DLWD rate notices (TDI, 2024-2026); New York
// Disability Benefits Law section 209 (0.5 %, at most 0.60 a week); Puerto Rico
// DTRH SINOT contribution (0.6 % of the first 9,000); Rhode Island DLT TDI rate
// notices (2024-2026).
#include "core/numeric.h"
#include "core/statecodes.h"
#include "core/tables.h"
#include "core/txl5.h"
#include "levies/amounts.h"
#include "levies/levies.h"

namespace {
using txl5::kCalifornia;
using txl5::kHawaii;
using txl5::kNewJersey;
using txl5::kNewYork;
using txl5::kPuertoRico;
using txl5::kRhodeIsland;

constexpr int64_t kEmployee = 0;
constexpr int64_t kEmployer = 1;
}  // namespace

// California's rate is published per calendar quarter; each year carries its
// four quarters even when the rate does not change within the year.
const SdiRow sdidata[] = {
    // 2026: CA EDD 2026 rates (1.3 %, no wage limit); HI DLIR 2026 maximum weekly
    // wage 1,500.21; NJ DLWD 2026 (employee 0.19 % of 171,100, employer base
    // 44,800); NY 0.5 % (6,240 = 52 x 0.60 / 0.005); PR SINOT 0.6 % of 9,000;
    // RI DLT 2026 base 100,000, rate kept at 1.3 % (the DLT 2026 notice has 1.1 %).
    {{10, 1, 2026}, {12, 31, 2026}, kCalifornia, kEmployee, 0.013, 0.0},
    {{7, 1, 2026}, {9, 30, 2026}, kCalifornia, kEmployee, 0.013, 0.0},
    {{4, 1, 2026}, {6, 30, 2026}, kCalifornia, kEmployee, 0.013, 0.0},
    {{1, 1, 2026}, {3, 31, 2026}, kCalifornia, kEmployee, 0.013, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, kHawaii, kEmployee, 0.005, 1500.21},
    {{1, 1, 2026}, {12, 31, 2026}, kNewJersey, kEmployee, 0.0019, 171100.0},
    {{1, 1, 2026}, {12, 31, 2026}, kNewJersey, kEmployer, 0.007, 44800.0},
    {{1, 1, 2026}, {12, 31, 2026}, kNewYork, kEmployee, 0.005, 6240.0},
    {{1, 1, 2026}, {12, 31, 2026}, kPuertoRico, kEmployee, 0.006, 9000.0},
    {{1, 1, 2026}, {12, 31, 2026}, kRhodeIsland, kEmployee, 0.013, 100000.0},
    // 2025: CA EDD 2025 (1.2 %, no wage limit); HI DLIR 2025 maximum weekly wage
    // 1,441.72; NJ DLWD 2025 (employee 0.23 % of 165,400, employer base 43,300);
    // NY as 2026; PR SINOT 0.6 %, carried without a base; RI DLT 2025 press
    // release (89,200).
    {{10, 1, 2025}, {12, 31, 2025}, kCalifornia, kEmployee, 0.012, 0.0},
    {{7, 1, 2025}, {9, 30, 2025}, kCalifornia, kEmployee, 0.012, 0.0},
    {{4, 1, 2025}, {6, 30, 2025}, kCalifornia, kEmployee, 0.012, 0.0},
    {{1, 1, 2025}, {3, 31, 2025}, kCalifornia, kEmployee, 0.012, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, kHawaii, kEmployee, 0.005, 1441.72},
    {{1, 1, 2025}, {12, 31, 2025}, kNewJersey, kEmployee, 0.0023, 165400.0},
    {{1, 1, 2025}, {12, 31, 2025}, kNewJersey, kEmployer, 0.007, 43300.0},
    {{1, 1, 2025}, {12, 31, 2025}, kNewYork, kEmployee, 0.005, 6240.0},
    {{1, 1, 2025}, {12, 31, 2025}, kPuertoRico, kEmployee, 0.006, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, kRhodeIsland, kEmployee, 0.013, 89200.0},
    // 2024: CA EDD 2024 (1.1 %, wage limit removed from 2024); HI 0.5 % (HRS
    // 392-43) with a maximum weekly wage kept at 1,318.48 (the DLIR 2024 notice
    // has 1,374.78); NJ DLWD 2024 bases 161,400 and 42,300, employee rate kept at
    // 0.47 % (DLWD set no worker contribution for 2024); the employer row's rate
    // column is not read and is carried from 2025; NY as 2026; PR SINOT 0.6 %
    // without a base; RI DLT 2024 (1.2 % of 87,000, maximum 1,044).
    {{10, 1, 2024}, {12, 31, 2024}, kCalifornia, kEmployee, 0.011, 0.0},
    {{7, 1, 2024}, {9, 30, 2024}, kCalifornia, kEmployee, 0.011, 0.0},
    {{4, 1, 2024}, {6, 30, 2024}, kCalifornia, kEmployee, 0.011, 0.0},
    {{1, 1, 2024}, {3, 31, 2024}, kCalifornia, kEmployee, 0.011, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, kHawaii, kEmployee, 0.005, 1318.48},
    {{1, 1, 2024}, {12, 31, 2024}, kNewJersey, kEmployee, 0.0047, 161400.0},
    {{1, 1, 2024}, {12, 31, 2024}, kNewJersey, kEmployer, 0.007, 42300.0},
    {{1, 1, 2024}, {12, 31, 2024}, kNewYork, kEmployee, 0.005, 6240.0},
    {{1, 1, 2024}, {12, 31, 2024}, kPuertoRico, kEmployee, 0.006, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, kRhodeIsland, kEmployee, 0.012, 87000.0},
    {},
};

namespace {

// Record versions from which fields and rules apply.
constexpr int64_t kRateOverrideVersion = 71;  // above: sdi_rate, employer part
constexpr int64_t kPerPeriodRulesVersion = 72;  // above: Hawaii and New York rules

// New York: the employee pays at most 0.60 a week, 31.20 a year.
constexpr double kNewYorkYearlyCap = 31.2;
// Hawaii's wage base is a maximum weekly wage.
constexpr double kWeeksPerYear = 52.0;

const SdiRow* sdi_row(const MDATE& date, int64_t state_code, int64_t payer) {
    return txl5::scan_rows(
        sdidata, date, [&](const SdiRow& row) { return row.state_code == state_code && row.payer == payer; },
        txl5::EndsAtZeroStateCode());
}

// Wages of the period up to what is left of the row's annual base (no base: all).
double wages_within_base(const SDI_STRUC& sdi, const SdiRow& row) {
    if (row.wage_base > 0.0) return txl5::capped_wages(sdi.sdi_wages, sdi.ytd_sdi_wages, row.wage_base);
    return sdi.sdi_wages < 0.0 ? 0.0 : sdi.sdi_wages;
}

double employee_contribution(const SDI_STRUC& sdi, const SdiRow& row) {
    const double periods = static_cast<double>(txl5::per_period_divisor(sdi.pay_periods));
    double taxable;
    if (sdi.state_code == kHawaii && sdi.struc_version > kPerPeriodRulesVersion) {
        // Hawaii: wages count up to the maximum weekly wage brought to the pay
        // period (52 weeks over the periods of the year); no year-to-date cap.
        const double period_maximum = kWeeksPerYear * row.wage_base / periods;
        taxable = sdi.sdi_wages < period_maximum ? sdi.sdi_wages : period_maximum;
        if (taxable < 0.0) taxable = 0.0;
    } else {
        taxable = wages_within_base(sdi, row);
    }
    const double rate =
        sdi.struc_version > kRateOverrideVersion && sdi.sdi_rate > 0.0 ? sdi.sdi_rate : row.rate;
    double tax = rate * taxable;
    if (sdi.state_code == kNewYork && sdi.struc_version > kPerPeriodRulesVersion) {
        const double period_cap = kNewYorkYearlyCap / periods;
        if (tax > period_cap) tax = period_cap;
    }
    return tax;
}

}  // namespace

int64_t SDI_Calc(SDI_STRUC* sdi) {
    if (!sdi) return 1;
    sdi->sdi_error = 0;
    sdi->sdi_tax = 0.0;
    const MDATE date{sdi->check_month, sdi->check_day, sdi->check_year};

    if (const SdiRow* row = sdi_row(date, sdi->state_code, kEmployee)) {
        txl5::store_levy_amount(&sdi->sdi_tax, dollarround(employee_contribution(*sdi, *row)), &sdi->sdi_error);
    } else {
        sdi->sdi_error = 1;
    }

    if (sdi->struc_version > kRateOverrideVersion) {
        // The employer pays its own assigned rate on the employer wage base;
        // only New Jersey has employer rows, so elsewhere this reports a
        // missing row even though the employee part was computed.
        sdi->employer_sdi_tax = 0.0;
        if (const SdiRow* row = sdi_row(date, sdi->state_code, kEmployer)) {
            txl5::store_levy_amount(&sdi->employer_sdi_tax,
                                    dollarround(sdi->employer_sdi_rate * wages_within_base(*sdi, *row)),
                                    &sdi->sdi_error);
        } else {
            sdi->sdi_error = 1;
        }
    }
    return 0;
}
