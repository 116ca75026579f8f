// Social security and Medicare. Social security is a flat rate on wages up to
// an annual wage base, counting the wages already paid this year; Medicare is
// a flat rate without a base, plus the additional Medicare tax on the
// employee's wages above 200,000 paid by this employer in the year (whatever
// the filing status).
#include <cmath>

#include "core/tables.h"
#include "core/txl5.h"
#include "core/versions.h"
#include "federal/federal.h"
#include "federal/fica_medicare.h"

// SSA wage base announcements; rates of IRC 3101(a) and 3111(a).
constexpr FicaRow fica[] = {
    // 2026: SSA fact sheet, 2026 social security changes.
    {{1, 1, 2026}, {12, 31, 2026}, 184500.0, 0.062, 0.062},
    // 2025: Pub. 15 (2025), What's New.
    {{1, 1, 2025}, {12, 31, 2025}, 176100.0, 0.062, 0.062},
    // 2024: Pub. 15 (2024), What's New.
    {{1, 1, 2024}, {12, 31, 2024}, 168600.0, 0.062, 0.062},
    {},
};

// Medicare 1.45 % on all wages; 0.9 % more (2.35 % in all) on the employee's
// wages above 200,000 in the year (IRC 3101(b)(2)); unchanged since 2013.
constexpr MedicareRow medicare[] = {
    {{1, 1, 2026}, {12, 31, 2026}, 0, 0.0145, 0.0145, 125000.0, 250000.0, 200000.0, 0.0235},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 0.0145, 0.0145, 125000.0, 250000.0, 200000.0, 0.0235},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 0.0145, 0.0145, 125000.0, 250000.0, 200000.0, 0.0235},
    {},
};

namespace {

MDATE check_date(const FEDERAL_WITHHOLDING_STRUC& fed) { return MDATE{fed.check_month, fed.check_day, fed.check_year}; }

const FicaRow* fica_row(const MDATE& date) {
    return txl5::scan_rows(txl5::indexed<fica>(), date, [](const FicaRow&) { return true; });
}

}  // namespace

namespace txl5 {

int64_t social_security_tax(int64_t call_type, FEDERAL_WITHHOLDING_STRUC* fed) {
    if (fed->fica_exempt != 0) return 0;
    const FicaRow* row = fica_row(check_date(*fed));
    if (!row) return 1;
    double wages = fed->fica_wages;
    double total = fed->fica_wages + fed->ytd_fica_wages;
    if (fed->struc_version > txl5::kFedSupplementalVersion) {
        wages += fed->supplemental_wages;
        total += fed->supplemental_wages;
    }
    // Only the part of the wage base not yet used this year is taxed.
    if (total > row->wage_base) wages = row->wage_base - fed->ytd_fica_wages;
    if (wages < 0.0) wages = 0.0;
    const double rate = call_type == kCallTypeEmployerShare ? row->employer_rate : row->employee_rate;
    fed->fica_tax = dollarround(rate * wages);
    // Wages that are not numbers give no tax: a failure, not a result.
    return std::isfinite(fed->fica_tax) ? 0 : 1;
}

int64_t medicare_tax(int64_t call_type, FEDERAL_WITHHOLDING_STRUC* fed) {
    if (fed->medicare_exempt != 0) return 0;
    const MedicareRow* row =
        scan_rows(indexed<medicare>(), check_date(*fed), [](const MedicareRow&) { return true; });
    if (!row) return 1;
    double wages = fed->fica_wages;
    double total = fed->fica_wages + fed->ytd_medicare_wages;
    if (fed->struc_version > txl5::kFedSupplementalVersion) {
        wages += fed->supplemental_wages;
        total += fed->supplemental_wages;
    }
    double tax;
    // The additional tax is the employee's alone: the employer's share never has it.
    if (row->addl_threshold_low > 0.0 && total > row->addl_threshold && call_type != kCallTypeEmployerShare) {
        double below = row->addl_threshold - fed->ytd_medicare_wages;
        if (below < 0.0) below = 0.0;
        double above = total - row->addl_threshold;
        if (above > wages) above = wages;
        tax = row->employee_rate * below + row->addl_rate * above;
    } else {
        if (wages < 0.0) wages = 0.0;
        tax = row->employee_rate * wages;
    }
    fed->medicare_tax = dollarround(tax);
    return std::isfinite(fed->medicare_tax) ? 0 : 1;
}

}  // namespace txl5

double TXL5_Get_FICA_Wagebase(MDATE date) {
    const FicaRow* row = fica_row(date);
    return row ? row->wage_base : -1.0;
}
