// Pennsylvania local earned income and services taxes. Municipalities and
// school districts may tax the earned income of their residents at a flat
// percentage, and a municipality the earned income of nonresidents working
// there; both may levy the local services tax, a fixed amount a year on each
// person working in the municipality, which the employer withholds spread
// over the pay periods or at once. The employer takes the rates from the
// register the Department of Community and Economic Development publishes
// every year for each municipality and each school district serving it
// (rows generated into local/pennsylvania_tables.cpp by
// tools/gen_pennsylvania.py from tools/data/pennsylvania_register_2026.csv).
//
// A caller names a municipality by its register id, or a pairing of a
// municipality with a school district by its sequence number in the year's
// list, as the locality directory hands them out; local_tax_kind says which
// list the code comes from and which of the two levies are wanted.
#include "local/pennsylvania.h"

#include <cstddef>

#include "core/numeric.h"
#include "core/tables.h"
#include "core/versions.h"
#include "local/amounts.h"
#include "local/directory.h"

// Kept for callers that link it; no calculation reads it.
const PennsylvaniaReservedRow palocal[] = {{}};

namespace {

// local_tax_kind: a municipality with both levies, its earned income tax only
// or its services tax only; the same three for a school pairing.
constexpr int64_t kMuniBoth = 1;
constexpr int64_t kMuniEarnedIncome = 20;
constexpr int64_t kMuniServices = 21;
constexpr int64_t kSchoolBoth = 0;
constexpr int64_t kSchoolEarnedIncome = 10;
constexpr int64_t kSchoolServices = 11;
// Records laid out before local_tax_kind ask for both municipal levies.
constexpr int64_t kKindWithoutTheField = kMuniBoth;

// local_filing_status: how the annual services tax is withheld; any other
// value withholds none of it.
constexpr int64_t kServicesSpread = 0;  // over the pay periods of the year
constexpr int64_t kServicesAtOnce = 1;  // the whole amount in this paycheck

// Checks dated up to 2005 predate these tables: nothing is computed or written.
constexpr int64_t kLastYearWithoutTables = 2005;
constexpr int64_t kResident = 1;
constexpr double kPercent = 100.0;

// The directory's lists (taxbody_kind).
constexpr int64_t kListSchoolPairings = 0;
constexpr int64_t kListMunicipalities = 1;

bool municipal_kind(int64_t kind) {
    return kind == kMuniBoth || kind == kMuniEarnedIncome || kind == kMuniServices;
}

// The rows that name the code for the check year: a municipal row, or a school
// row, or neither.
struct Found {
    const PennsylvaniaMuniRow* muni = nullptr;
    const PennsylvaniaSchoolRow* school = nullptr;
};

// The two tables are read in step, row i of the municipalities before row i
// of the school pairings, and the first row naming the code for the year is
// used: a municipal kind looks for a municipality's register id and also
// takes a school row whose sequence number is the code, if that row comes
// first; the other kinds look at the school pairings only. The search ends at
// the end of the kind's own table, and never reads a table past its own end.
Found find_locality(int64_t kind, int64_t code, int64_t year) {
    Found found;
    const bool municipal = municipal_kind(kind);
    const auto same_year = [year](const auto& row) { return row.tax_year == year; };
    // With a municipal kind: the school rows read in step (no limit otherwise).
    int64_t school_rows_read = INT64_MAX;
    if (municipal) {
        found.muni = txl5::find_row_with_key(txl5::kPennsylvaniaMuniByCode, code, same_year);
        school_rows_read = found.muni ? found.muni - palocal_muni_2005 : txl5::kPennsylvaniaMuniByCode.count;
    }
    found.school = txl5::find_row_with_key(txl5::kPennsylvaniaSchoolBySeq, code, same_year, school_rows_read);
    if (found.school) found.muni = nullptr;  // the school row came first
    return found;
}

// What a row charges the employee: the earned income tax rate (percent) when
// that levy is wanted, and the annual services tax (0 when not wanted).
struct Charge {
    bool earned_income = false;
    double rate_pct = 0.0;
    double services_annual = 0.0;
};

// A municipality taxes residents at its resident rate and nonresidents who
// work there at its nonresident rate; this calculation adds the services tax
// for residents only.
Charge municipal_charge(const PennsylvaniaMuniRow& row, int64_t kind, bool resident) {
    Charge charge;
    charge.earned_income = kind != kMuniServices;
    charge.rate_pct = resident ? row.resident_rate_pct : row.nonresident_rate_pct;
    if (resident && kind != kMuniEarnedIncome) charge.services_annual = row.lst_amount;
    return charge;
}

// A school district taxes its residents only. A school row found for a kind
// other than the school kinds (a municipal kind whose code is also a sequence
// number) levies nothing.
Charge school_charge(const PennsylvaniaSchoolRow& row, int64_t kind, bool resident) {
    Charge charge;
    if (!resident) return charge;
    charge.earned_income = kind == kSchoolBoth || kind == kSchoolEarnedIncome;
    charge.rate_pct = row.rate_pct;
    if (kind == kSchoolBoth || kind == kSchoolServices) charge.services_annual = row.lst_amount;
    return charge;
}

// The paycheck's part of an annual services tax, by the caller's method.
// Spread over the year it needs a pay frequency; without one none is taken.
double services_tax(double annual, const LOCAL_WITHHOLDING_STRUC& local) {
    switch (local.local_filing_status) {
        case kServicesSpread:
            if (local.local_pay_periods <= 0) return 0.0;
            return annual / static_cast<double>(txl5::per_period_divisor(local.local_pay_periods));
        case kServicesAtOnce:
            return annual;
        default:
            return 0.0;
    }
}

// ---- The locality directory ---------------------------------------------------

int64_t get_number_of_name_entries(int64_t list) {
    switch (list) {
        case kListSchoolPairings:
            return txl5::kPennsylvaniaSchoolEntries;
        case kListMunicipalities:
            return txl5::kPennsylvaniaMuniEntries;
        default:
            return 0;
    }
}

// A directory text "FIRST (SECOND)": a school district and the municipality of
// the pairing, or a municipality and its county. The shipped names make at
// most 50 characters (the generator checks that every one fits the caller's
// buffer); a longer text would be cut to the capacity.
constexpr size_t kPairedNameCapacity = 2 * TXL5_PROMPT_MAX;

struct PairedName {
    char text[kPairedNameCapacity];
    size_t length;
};

void append(PairedName* name, const char* part) {
    while (part && *part && name->length + 1 < kPairedNameCapacity) name->text[name->length++] = *part++;
    name->text[name->length] = '\0';
}

PairedName paired_name(const char* first, const char* second) {
    PairedName name{};
    append(&name, first);
    append(&name, " (");
    append(&name, second);
    append(&name, ")");
    return name;
}

}  // namespace

namespace txl5 {

// Kind 0 lists the school pairings (the code shown is the school district's,
// the code to use the pairing's sequence number); kind 1 the municipalities
// (both codes the register id). Any other kind lists nothing.
int64_t pa_taxbody_info(WITHHOLDING_TAXBODY_INFO* info, char* text, size_t size) {
    if (!info) return 0;
    const int64_t list = info->taxbody_kind;
    const int64_t i = requested_entry(info, get_number_of_name_entries(list));
    if (i < 0) return 0;
    if (list == kListSchoolPairings) {
        const PennsylvaniaSchoolRow& row = palocal_school_2009[i];
        const PairedName name = paired_name(row.district_name, row.muni_name);
        return copy_entry(info, name.text, row.district_code, row.seq, text, size);
    }
    const PennsylvaniaMuniRow& row = palocal_muni_2005[i];
    const PairedName name = paired_name(row.muni_name, row.county_name);
    return copy_entry(info, name.text, row.psd_code, row.psd_code, text, size);
}

}  // namespace txl5

int64_t get_pa_taxbody_info(WITHHOLDING_TAXBODY_INFO* info, char* text) {
    return txl5::prompt_within_limit(txl5::pa_taxbody_info, info, text);
}

// The earned income tax at the row's rate on the wages (and on the bonus when
// the layout has the supplemental fields), plus the period's services tax;
// the extra local withholding is added. Amounts stay unrounded: the entry
// point rounds local_tax to cents. A code with no row for the check year sets
// local_error and fails; local_tax then keeps its value, plus the extra
// withholding.
int64_t local_pa(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state, COUNTY_WITHHOLDING_STRUC* local) {
    if (!fed || !state || !local) return txl5::kLocalityNoRow;
    if (fed->check_year <= kLastYearWithoutTables) return 0;
    const bool supplemental_taxed = local->struc_version > txl5::kLocalSupplementalVersion;
    const int64_t kind =
        local->struc_version > txl5::kLocalTaxKindVersion ? local->local_tax_kind : kKindWithoutTheField;
    const bool resident = local->local_resident == kResident;

    bool ok = true;
    const Found found = find_locality(kind, local->locality_code, fed->check_year);
    if (!found.muni && !found.school) {
        txl5::store_amount(&local->local_tax, local->local_tax + local->additional_local_wh, &ok);
        return txl5::fail_no_locality_row(local);
    }

    const Charge charge = found.muni ? municipal_charge(*found.muni, kind, resident)
                                     : school_charge(*found.school, kind, resident);
    double tax = 0.0;
    double supplemental_tax = 0.0;
    if (charge.earned_income) {
        tax = charge.rate_pct / kPercent * local->local_wages;
        supplemental_tax = charge.rate_pct / kPercent * local->local_supplemental_wages;
    }
    tax += services_tax(charge.services_annual, *local);
    if (supplemental_taxed) txl5::store_amount(&local->local_supplemental_tax, supplemental_tax, &ok);
    txl5::store_amount(&local->local_tax, tax + local->additional_local_wh, &ok);
    return ok ? 0 : txl5::kLocalityAmountFailed;
}
