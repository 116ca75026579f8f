// Levies that do not fit the withholding tables: Oregon's workers' benefit
// fund assessment (cents per hour worked, half from the employee and half from
// the employer) or another state's hourly workers' compensation rates given by
// the caller; transit payroll taxes (the caller's district rate and Oregon's
// statewide transit tax); Washington's long-term care premium.
//
// Sources: Oregon DCBS workers' benefit fund assessment rates (2.2 cents an
// hour in 2020-2023, 2.0 cents in 2024-2026; 3.3 cents before); Oregon statewide
// transit tax, ORS 320.550 (0.1 % of wages from 1 July 2018, applied here to
// checks from 1 June 2018); Washington WA Cares Fund, RCW 50B.04.080 (0.58 % of
// wages from 1 July 2023).
#include "core/numeric.h"
#include "core/statecodes.h"
#include "core/txl5.h"
#include "levies/amounts.h"

namespace {

using txl5::kOregon;
using txl5::kWashington;

// Oregon workers' benefit fund: each of employee and employer pays this per hour.
struct HourlyAssessment {
    int64_t first_year;
    int64_t last_year;
    double per_hour;
};
constexpr HourlyAssessment kOregonAssessments[] = {{2024, 2026, 0.01}, {2020, 2023, 0.011}};
// Years outside the list use the assessment of the years before 2020.
constexpr double kOregonOtherYears = 0.0165;

// Hours a fixed-hours employee is assessed on per period.
constexpr double kFixedHours = 160.0;

double oregon_assessment(int64_t year) {
    for (const HourlyAssessment& a : kOregonAssessments) {
        if (year >= a.first_year && year <= a.last_year) return a.per_hour;
    }
    return kOregonOtherYears;
}

// Oregon statewide transit tax applies to checks from June 2018.
constexpr int64_t kStatewideTransitYear = 2018;
constexpr int64_t kStatewideTransitMonth = 6;
constexpr double kStatewideTransitRate = 0.001;

// Washington long-term care premium, on checks from July 2023.
constexpr int64_t kLongTermCare = 1;
constexpr int64_t kLongTermCareYear = 2023;
constexpr int64_t kLongTermCareMonth = 7;
constexpr double kLongTermCareRate = 0.0058;
// The premium is paid per period only for checks after 2021.
constexpr int64_t kLongTermCarePaidAfterYear = 2021;

bool on_or_after(int64_t year, int64_t month, int64_t from_year, int64_t from_month) {
    return year > from_year || (year == from_year && month >= from_month);
}

}  // namespace

int64_t WORKCOMP_Calc(WORKCOMP_STRUC* wc) {
    if (!wc) return 1;
    wc->wc_error = 0;
    wc->wc_employee_tax = 0.0;
    wc->wc_employer_tax = 0.0;

    if (wc->state_code == kOregon) {
        // The employer's half is what is left of the total after the
        // employee's rounded half.
        const double per_hour = oregon_assessment(wc->check_year);
        const double total = wc->wc_hours * (per_hour + per_hour);
        txl5::store_levy_amount(&wc->wc_employee_tax, dollarround(wc->wc_hours * per_hour), &wc->wc_error);
        txl5::store_levy_amount(&wc->wc_employer_tax, dollarround(total - wc->wc_employee_tax), &wc->wc_error);
        return 0;
    }

    // Other states: the caller's hourly rates, on the hours worked or on a
    // fixed 160 hours; an exempt fixed-hours employee is not assessed.
    double hours = wc->wc_hours;
    if (wc->wc_fixed_hours != 0) {
        if (wc->wc_exempt != 0) return 0;
        hours = kFixedHours;
    }
    txl5::store_levy_amount(&wc->wc_employee_tax, hours * wc->wc_employee_rate, &wc->wc_error);
    txl5::store_levy_amount(&wc->wc_employer_tax, hours * wc->wc_employer_rate, &wc->wc_error);
    return 0;
}

int64_t TT_Calc(TT_STRUC* tt) {
    if (!tt) return 1;
    tt->tt_error = 0;
    txl5::store_levy_amount(&tt->tt_tax, dollarround(tt->tt_wages * tt->tt_rate), &tt->tt_error);
    if (on_or_after(tt->check_year, tt->check_month, kStatewideTransitYear, kStatewideTransitMonth)) {
        txl5::store_levy_amount(&tt->statewide_transit_tax, dollarround(kStatewideTransitRate * tt->tt_wages),
                                &tt->tt_error);
    }
    return 0;
}

int64_t StateOther_Calc(STATEOTHER_STRUC* other) {
    if (!other) return 1;
    other->other_error = 1;
    other->other_tax = 0.0;
    if (other->state_code != kWashington || other->levy_kind != kLongTermCare) return 0;

    // The premium is figured on the annualized wages and brought back to the
    // period; without a positive period count nothing is withheld.
    const double annual_wages = static_cast<double>(other->pay_periods) * other->other_wages;
    // Wages that give no finite annual amount are reported as an error.
    if (!std::isfinite(annual_wages)) return 0;
    const double premium =
        on_or_after(other->check_year, other->check_month, kLongTermCareYear, kLongTermCareMonth)
            ? kLongTermCareRate * annual_wages
            : 0.0;
    if (other->pay_periods > 0 && other->check_year > kLongTermCarePaidAfterYear) {
        other->other_tax = dollarround(premium / static_cast<double>(txl5::per_period_divisor(other->pay_periods)));
    }
    other->other_error = 0;
    return 0;
}
