// Paid family and medical leave contributions: a percentage of wages, capped
// either at the social security wage base or at a state's own ceiling, and
// split between employee and employer by the state's rule or the employer's
// election. Eleven programmes, each with its rates per calendar year; any other
// state or year contributes nothing.
//
// Sources: Paid Leave Oregon (1 %, 2024-2026); Colorado FAMLI (0.9 % 2024-2025,
// 0.88 % 2026); Connecticut Paid Leave Authority (0.5 %); Minnesota Paid Leave
// (0.88 % from 2026); New Jersey DLWD family leave insurance notices 2024-2026;
// New York State Paid Family Leave rate notices 2024-2026; Washington ESD Paid
// Family and Medical Leave premium notices 2024-2026; Delaware Paid Leave (0.8 %,
// 0.32 % for 10 to 24 employees, from 2025); Maine Paid Family and Medical
// Leave (1 %, employers below 15 employees 0.5 %, from 2025); Massachusetts DFML
// contribution rates 2023-2026; District of Columbia Universal Paid Leave
// employer contribution notices 2024-2026.
#include <algorithm>
#include <cmath>
#include <iterator>

#include "core/numeric.h"
#include "core/statecodes.h"
#include "core/txl5.h"
#include "federal/federal.h"

namespace {

using txl5::kColorado;
using txl5::kConnecticut;
using txl5::kDelaware;
using txl5::kDistrictOfColumbia;
using txl5::kMaine;
using txl5::kMassachusetts;
using txl5::kMinnesota;
using txl5::kNewJersey;
using txl5::kNewYork;
using txl5::kOregon;
using txl5::kWashington;

// Massachusetts is computed only for records laid out after version 108.
constexpr int64_t kMassachusettsVersion = 108;

struct YearRate {
    int64_t year;
    double rate;
};

// A rate on wages up to a fixed annual ceiling.
struct YearRateCap {
    int64_t year;
    double rate;
    double cap;
};

// Total contribution rate per year (employee and employer together), from each
// programme's yearly rate notice.
// Paid Leave Oregon contribution rate (OAR 471-070), 2024-2026.
constexpr YearRate kOregonRates[] = {{2026, 0.01}, {2025, 0.01}, {2024, 0.01}};
// Colorado FAMLI premium rate notices, 2024-2026.
constexpr YearRate kColoradoRates[] = {{2026, 0.0088}, {2025, 0.009}, {2024, 0.009}};
// Connecticut Paid Leave employee contribution, 2024-2026.
constexpr YearRate kConnecticutRates[] = {{2026, 0.005}, {2025, 0.005}, {2024, 0.005}};
// Minnesota Paid Leave premium, from 1 January 2026.
constexpr YearRate kMinnesotaRates[] = {{2026, 0.0088}};
// Washington Paid Family and Medical Leave premium notices, 2024-2026.
constexpr YearRate kWashingtonRates[] = {{2026, 0.0113}, {2025, 0.0092}, {2024, 0.0074}};
// New Jersey family leave insurance: worker rate and taxable wage base (DLWD
// notices 2024-2026; 2024 and 2025 maxima 145.26 and 545.82).
constexpr YearRateCap kNewJerseyRates[] = {
    {2026, 0.0023, 171100.0}, {2025, 0.0033, 165400.0}, {2024, 0.0009, 161400.0}};
// New York Paid Family Leave: rate and the wage ceiling that yields the year's
// maximum contribution (411.91 in 2026, 354.53 in 2025, 333.25 in 2024).
constexpr YearRateCap kNewYorkRates[] = {
    {2026, 0.00432, 95349.54}, {2025, 0.00388, 91373.71}, {2024, 0.00373, 89343.8}};

// Colorado: the employer may take over any part of the premium, but may
// charge the employee at most half of it.
constexpr double kColoradoEmployeeMaxShare = 0.5;

// Delaware and Maine: the total rate depends on the employer's head count;
// Delaware employers below 10 employees contribute nothing.
struct HeadCountRates {
    int64_t year;
    double small_rate;
    double large_rate;
};
constexpr HeadCountRates kDelawareRates[] = {{2026, 0.0032, 0.008}, {2025, 0.0032, 0.008}};
constexpr double kDelawareMinEmployees = 10.0;
constexpr double kDelawareSmallMaxEmployees = 24.0;  // 10 to 24: parental leave only
constexpr HeadCountRates kMaineRates[] = {{2026, 0.005, 0.01}, {2025, 0.005, 0.01}};
constexpr double kMaineLargeMinEmployees = 15.0;  // below: the employee half only

// Massachusetts: family leave rate, and medical leave rates for employers of
// more than 24 employees and of 24 or fewer (who owe only the employee share).
struct MassachusettsRates {
    int64_t year;
    double family_rate;
    double medical_rate_large;
    double medical_rate_small;
};
constexpr MassachusettsRates kMassachusettsRates[] = {{2026, 0.0018, 0.007, 0.0028},
                                                      {2025, 0.0018, 0.007, 0.0028},
                                                      {2024, 0.0018, 0.007, 0.0028},
                                                      {2023, 0.0011, 0.0052, 0.00208}};
constexpr int64_t kMassachusettsSmallMaxEmployees = 24;
// Large employers must pay at least 60 % of the medical leave contribution.
constexpr double kMassachusettsLargeMedicalShare = 0.6;
// 2023 computed the employee's medical share as the remainder after the
// employer's rounded share; later years compute it directly.
constexpr int64_t kMassachusettsRemainderYear = 2023;

// District of Columbia: employer-only contribution on all wages; the first
// half of 2024 had a reduced rate.
constexpr YearRate kDistrictOfColumbiaRates[] = {{2026, 0.0075}, {2025, 0.0075}, {2024, 0.0075}};
constexpr int64_t kDistrictOfColumbiaReducedYear = 2024;
constexpr int64_t kDistrictOfColumbiaReducedLastMonth = 6;
constexpr double kDistrictOfColumbiaReducedRate = 0.0026;

template <class Entry, size_t N>
const Entry* for_year(const Entry (&rates)[N], int64_t year) {
    const Entry* found = std::find_if(std::begin(rates), std::end(rates), [&](const Entry& e) { return e.year == year; });
    return found == std::end(rates) ? nullptr : found;
}

// The social security wage base of the newest year the library carries.
double newest_social_security_base() { return fica[0].wage_base; }

// The social security wage base in force on the check date, or the newest one
// when the date has none.
double social_security_base_on(const MDATE& date) {
    const double base = TXL5_Get_FICA_Wagebase(date);
    return base < 0.0 ? newest_social_security_base() : base;
}

// Wages under the social security cap: nothing once the year's earlier wages
// already passed the base.
double under_social_security_cap(const FAMLEAVE_STRUC& r, double base) {
    if (r.leave_wages + r.ytd_leave_wages <= base) return r.leave_wages;
    return r.ytd_leave_wages > base ? 0.0 : base - r.ytd_leave_wages;
}

// Wages under a fixed annual ceiling, never below 0.
double under_fixed_cap(const FAMLEAVE_STRUC& r, double cap) {
    double taxable = r.leave_wages;
    if (r.leave_wages + r.ytd_leave_wages > cap) taxable = cap - r.ytd_leave_wages;
    return taxable < 0.0 ? 0.0 : taxable;
}

// Employees as the caller gives them, truncated to a whole number; a value
// that is not a finite number within the 64-bit range counts as no employees.
int64_t whole_employees(double employees) {
    return txl5::fits_int64(employees) ? txl5::checked_to_int64(employees) : 0;
}

// Delaware and Maine: the employee's share is given in percent of the total.
void split_by_employee_percent(FAMLEAVE_STRUC* r, double taxable, double rate) {
    const double employee_rate = r->leave_share / 100.0 * rate;
    r->leave_employee_tax = taxable * employee_rate;
    r->leave_employer_tax = taxable * (rate - employee_rate);
}

void delaware(FAMLEAVE_STRUC* r, const HeadCountRates& rates, double taxable) {
    const double employees = r->leave_employer_tax;
    if (r->leave_share_2 == 1.0 || employees < kDelawareMinEmployees) {
        r->leave_employee_tax = 0.0;
        r->leave_employer_tax = 0.0;
        return;
    }
    split_by_employee_percent(r, taxable,
                              employees <= kDelawareSmallMaxEmployees ? rates.small_rate : rates.large_rate);
}

void maine(FAMLEAVE_STRUC* r, const HeadCountRates& rates, double taxable) {
    const double employees = r->leave_employer_tax;
    if (r->leave_share_2 == 1.0) {
        r->leave_employee_tax = 0.0;
        r->leave_employer_tax = 0.0;
        return;
    }
    split_by_employee_percent(r, taxable, employees < kMaineLargeMinEmployees ? rates.small_rate : rates.large_rate);
}

void massachusetts(FAMLEAVE_STRUC* r, const MassachusettsRates& rates, double taxable) {
    const bool large = whole_employees(r->leave_employer_tax) > kMassachusettsSmallMaxEmployees;
    const double family = rates.family_rate * taxable;
    const double medical = (large ? rates.medical_rate_large : rates.medical_rate_small) * taxable;

    r->leave_employer_tax = dollarround(r->leave_share * family);
    r->leave_employee_tax = dollarround(family - r->leave_employer_tax);

    double medical_share = r->leave_share_2;
    if (large && medical_share < kMassachusettsLargeMedicalShare) medical_share = kMassachusettsLargeMedicalShare;
    r->medical_employer_tax = dollarround(medical * medical_share);
    r->medical_employee_tax = rates.year == kMassachusettsRemainderYear
                                  ? dollarround(medical - r->medical_employer_tax)
                                  : dollarround((1.0 - medical_share) * medical);
}

// The record has no error field: a contribution that came out not finite
// (from wages, shares or head counts that are infinite or not numbers) is
// stored as 0 and the call returns 1. Only the fields the state's calculation
// writes are checked; the others are the caller's and stay as they are.
constexpr int64_t kAmountNotFinite = 1;

enum Written : unsigned {
    kWroteEmployeeTax = 1u << 0,
    kWroteShare = 1u << 1,
    kWroteEmployerTax = 1u << 2,
    kWroteMedicalTaxes = 1u << 3,
};

int64_t finite_contributions(FAMLEAVE_STRUC* r, unsigned written) {
    struct Field {
        double FAMLEAVE_STRUC::*field;
        unsigned written_by;
    };
    int64_t result = 0;
    for (const Field& f : {Field{&FAMLEAVE_STRUC::leave_employee_tax, kWroteEmployeeTax},
                           Field{&FAMLEAVE_STRUC::leave_share, kWroteShare},
                           Field{&FAMLEAVE_STRUC::leave_employer_tax, kWroteEmployerTax},
                           Field{&FAMLEAVE_STRUC::medical_employee_tax, kWroteMedicalTaxes},
                           Field{&FAMLEAVE_STRUC::medical_employer_tax, kWroteMedicalTaxes}}) {
        if ((written & f.written_by) != 0 && !std::isfinite(r->*f.field)) {
            r->*f.field = 0.0;
            result = kAmountNotFinite;
        }
    }
    return result;
}

}  // namespace

int64_t FAMLEAVE_Calc(FAMLEAVE_STRUC* r) {
    if (!r) return 1;
    r->leave_employee_tax = 0.0;
    unsigned written = kWroteEmployeeTax;
    const int64_t year = r->check_year;
    const MDATE date{r->check_month, r->check_day, r->check_year};

    switch (r->state_code) {
        case kOregon:
            // The employer-side fields carry the shares in and the employer's
            // contribution out.
            if (const YearRate* rate = for_year(kOregonRates, year)) {
                const double total = rate->rate * under_social_security_cap(*r, newest_social_security_base());
                r->leave_employee_tax = r->leave_employer_tax * total;
                r->leave_share = r->leave_share_2 * total;
                written |= kWroteShare;
            }
            break;
        case kColorado:
            if (const YearRate* rate = for_year(kColoradoRates, year)) {
                const double total = rate->rate * under_social_security_cap(*r, newest_social_security_base());
                r->leave_employer_tax = r->leave_share * total;
                // The half the employee may be charged is a ceiling: any part of
                // the premium neither the employer took over nor the employee
                // owes is not withheld here.
                r->leave_employee_tax = total * std::min(1.0 - r->leave_share, kColoradoEmployeeMaxShare);
                written |= kWroteEmployerTax;
            }
            break;
        case kConnecticut:
            if (const YearRate* rate = for_year(kConnecticutRates, year)) {
                r->leave_employee_tax = rate->rate * under_social_security_cap(*r, social_security_base_on(date));
            }
            break;
        case kMinnesota:
            if (const YearRate* rate = for_year(kMinnesotaRates, year)) {
                const double total = rate->rate * under_social_security_cap(*r, newest_social_security_base());
                r->leave_employer_tax = r->leave_share * total;
                r->leave_employee_tax = total * (1.0 - r->leave_share);
                written |= kWroteEmployerTax;
            }
            break;
        case kNewJersey:
            if (const YearRateCap* rate = for_year(kNewJerseyRates, year)) {
                r->leave_employee_tax = dollarround(rate->rate * under_fixed_cap(*r, rate->cap));
            }
            break;
        case kNewYork:
            if (const YearRateCap* rate = for_year(kNewYorkRates, year)) {
                r->leave_employee_tax = rate->rate * under_fixed_cap(*r, rate->cap);
            }
            break;
        case kWashington:
            if (const YearRate* rate = for_year(kWashingtonRates, year)) {
                const double total = rate->rate * under_social_security_cap(*r, newest_social_security_base());
                r->leave_employer_tax = r->leave_share * total;
                r->leave_employee_tax = total - r->leave_employer_tax;
                written |= kWroteEmployerTax;
            }
            break;
        case kDelaware:
            if (const HeadCountRates* rates = for_year(kDelawareRates, year)) {
                delaware(r, *rates, under_social_security_cap(*r, social_security_base_on(date)));
                written |= kWroteEmployerTax;
            }
            break;
        case kMaine:
            if (const HeadCountRates* rates = for_year(kMaineRates, year)) {
                maine(r, *rates, under_social_security_cap(*r, social_security_base_on(date)));
                written |= kWroteEmployerTax;
            }
            break;
        case kMassachusetts:
            if (r->struc_version <= kMassachusettsVersion) break;
            if (const MassachusettsRates* rates = for_year(kMassachusettsRates, year)) {
                massachusetts(r, *rates, under_social_security_cap(*r, social_security_base_on(date)));
                written |= kWroteEmployerTax | kWroteMedicalTaxes;
            }
            break;
        case kDistrictOfColumbia:
            if (const YearRate* rate = for_year(kDistrictOfColumbiaRates, year)) {
                const bool reduced =
                    year == kDistrictOfColumbiaReducedYear && r->check_month >= 1 &&
                    r->check_month <= kDistrictOfColumbiaReducedLastMonth;
                r->leave_employer_tax =
                    dollarround((reduced ? kDistrictOfColumbiaReducedRate : rate->rate) * r->leave_wages);
                written |= kWroteEmployerTax;
            }
            break;
        default:
            break;
    }
    return finite_contributions(r, written);
}
