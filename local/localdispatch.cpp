// Local taxes: the entry points that run the federal and state calculation and
// then the locality function of the employee's state, the caller-configured
// local tax (default_local) applied after it, and the net-to-gross searches
// that include the local taxes.
#include <cmath>

#include "core/grossup.h"
#include "core/numeric.h"
#include "core/statecalc.h"
#include "core/statecodes.h"
#include "core/txl5.h"
#include "core/versions.h"
#include "local/amounts.h"

namespace {

constexpr int64_t kFederalFailed = 1;    // result bit
constexpr int64_t kLocalityFailed = 16;  // result bit
constexpr int64_t kNullRecordResult = 1 | 8 | kLocalityFailed;
constexpr uint64_t kCallGrossUpRegular = 11;
constexpr uint64_t kCallGrossUpBonus = 12;
constexpr int64_t kCallEmployee = 1;

using LocalityFunction = int64_t (*)(FEDERAL_WITHHOLDING_STRUC*, STATE_WITHHOLDING_STRUC*, LOCAL_WITHHOLDING_STRUC*);

enum class EntryPoint { County, Local, Test };

struct Route {
    bool has_locality = false;  // the state has a locality function in this entry point
    LocalityFunction function = nullptr;  // null while that calculation is not in the library
};

Route routed(LocalityFunction fn) { return Route{true, fn}; }

// Which entry point reaches which locality function. Every other state code
// (California, codes below 1, unknown codes) gets the caller-configured tax only.
Route locality_route(EntryPoint entry, int64_t state_code) {
    switch (state_code) {
        case txl5::kAlabama:  // not through the approximate search
            return entry == EntryPoint::Test ? Route{} : routed(city_al);
        case txl5::kColorado:
            return routed(county_co);
        case txl5::kDelaware:  // not through the county entry point
            return entry == EntryPoint::County ? Route{} : routed(county_de);
        case txl5::kIndiana:
            return routed(county_in);
        case txl5::kKentucky:
            return routed(local_ky);
        case txl5::kMaryland:
            return routed(county_md);
        case txl5::kMichigan:
            return routed(city_mi);
        case txl5::kMissouri:
            return routed(city_mo);
        case txl5::kNewYork:  // New York City and Yonkers
            return routed(county_ny);
        case txl5::kOhio:  // municipal and school district taxes
            return routed(county_oh);
        case txl5::kPennsylvania:  // not through the county entry point
            return entry == EntryPoint::County ? Route{} : routed(local_pa);
        default:
            return Route{};
    }
}

// One pass of the local step after TXL5_Calc returned `result`.
int64_t local_step(EntryPoint entry, int64_t result, FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state,
                   LOCAL_WITHHOLDING_STRUC* local) {
    if (result != 0) return result;  // no local tax on a failed federal or state part
    const Route route = locality_route(entry, state->state_code);
    if (!route.has_locality) {
        if (default_local(fed, state, local) != 0) result |= kLocalityFailed;
        return result;
    }
    int64_t locality_result;
    if (route.function) {
        locality_result = route.function(fed, state, local);
    } else {
        locality_result = txl5::fail_no_locality_row(local);
    }
    if (locality_result != 0) result |= kLocalityFailed;
    if (default_local(fed, state, local) != 0) result |= kLocalityFailed;
    local->local_tax = dollarround(local->local_tax);
    return result;
}

double net_pay(const FEDERAL_WITHHOLDING_STRUC& fed, const STATE_WITHHOLDING_STRUC& state,
               const LOCAL_WITHHOLDING_STRUC& local) {
    return fed.gross_wages + fed.supplemental_wages - fed.fed_tax - fed.supplemental_fed_tax - fed.medicare_tax -
           fed.fica_tax - state.state_tax - state.state_supplemental_tax - local.local_tax -
           local.local_supplemental_tax;
}

// Supplemental taxes of an earlier paycheck must not enter the net being solved.
void clear_supplemental_taxes(STATE_WITHHOLDING_STRUC* state, LOCAL_WITHHOLDING_STRUC* local) {
    if (state->struc_version > txl5::kStateSupplementalVersion) state->state_supplemental_tax = 0.0;
    if (local->struc_version > txl5::kLocalSupplementalVersion) local->local_supplemental_tax = 0.0;
}

void set_regular_wages(double amount, FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state,
                       LOCAL_WITHHOLDING_STRUC* local) {
    fed->gross_wages = fed->fica_wages = state->state_wages = local->local_wages = amount;
}

void set_supplemental_wages(double amount, FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state,
                            LOCAL_WITHHOLDING_STRUC* local) {
    fed->supplemental_wages = state->state_supplemental_wages = local->local_supplemental_wages = amount;
}

int64_t calculate_pass(EntryPoint entry, FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state,
                       LOCAL_WITHHOLDING_STRUC* local) {
    clear_supplemental_taxes(state, local);
    return local_step(entry, TXL5_Calc(kCallEmployee, fed, state), fed, state, local);
}

// Marks a search whose trials ran out: fed_status 100, and the federal
// part's failure bit when the last trial's net is still more than a cent from
// the target.
int64_t finish_search(const txl5::GrossUpOutcome& outcome, FEDERAL_WITHHOLDING_STRUC* fed, int64_t result) {
    if (outcome.passes == txl5::kGrossUpSearch.passes) fed->fed_status = txl5::kFedStatusSearchExhausted;
    if (txl5::gross_up_missed(outcome)) result |= kFederalFailed;
    return result;
}

// Gross wages whose net pay after every tax, local ones included, is the
// amount the caller put in gross_wages.
int64_t gross_up_regular(EntryPoint entry, FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state,
                         LOCAL_WITHHOLDING_STRUC* local) {
    const txl5::GrossUpSearch& search = txl5::kGrossUpSearch;
    const double target = fed->gross_wages;
    int64_t result = 0;
    const txl5::GrossUpOutcome outcome =
        txl5::search_gross(search.first_trial * target, search.tolerance, search.passes, [&](double guess) {
            set_regular_wages(dollarround(guess), fed, state, local);
            result = calculate_pass(entry, fed, state, local);
            return net_pay(*fed, *state, *local) - target;
        });
    set_regular_wages(dollarround(outcome.guess), fed, state, local);
    return finish_search(outcome, fed, result);
}

// Gross bonus whose net after every tax is the amount the caller put in
// supplemental_wages. The first pass computes the paycheck without a bonus.
int64_t gross_up_bonus(EntryPoint entry, FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state,
                       LOCAL_WITHHOLDING_STRUC* local) {
    const txl5::GrossUpSearch& search = txl5::kGrossUpSearch;
    const double wanted = fed->supplemental_wages;
    set_supplemental_wages(0.0, fed, state, local);
    int64_t result = calculate_pass(entry, fed, state, local);
    const double target = net_pay(*fed, *state, *local) + wanted;
    txl5::GrossUpOutcome outcome =
        txl5::search_gross(search.first_trial * wanted, search.tolerance, search.passes - 1, [&](double guess) {
            set_supplemental_wages(dollarround(guess), fed, state, local);
            result = calculate_pass(entry, fed, state, local);
            return net_pay(*fed, *state, *local) - target;
        });
    set_supplemental_wages(dollarround(outcome.guess), fed, state, local);
    // The paycheck without the bonus counts as the first of the passes.
    outcome.passes += 1;
    return finish_search(outcome, fed, result);
}

int64_t calc_with_locality(EntryPoint entry, uint64_t call_type, FEDERAL_WITHHOLDING_STRUC* fed,
                           STATE_WITHHOLDING_STRUC* state, LOCAL_WITHHOLDING_STRUC* local) {
    // Without all three records nothing is computed: every part fails.
    if (!fed || !state || !local) return kNullRecordResult;
    if (call_type == kCallGrossUpRegular) return gross_up_regular(entry, fed, state, local);
    if (call_type == kCallGrossUpBonus) return gross_up_bonus(entry, fed, state, local);
    const int64_t result = TXL5_Calc(static_cast<int64_t>(call_type), fed, state);
    return local_step(entry, result, fed, state, local);
}

}  // namespace

int64_t TXL5_Calc_County(uint64_t call_type, FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state,
                         COUNTY_WITHHOLDING_STRUC* county) {
    return calc_with_locality(EntryPoint::County, call_type, fed, state, county);
}

int64_t TXL5_Calc_Local(uint64_t call_type, FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state,
                        LOCAL_WITHHOLDING_STRUC* local) {
    return calc_with_locality(EntryPoint::Local, call_type, fed, state, local);
}

// An approximate gross-up over the taxes of one calculation: the wages are not
// recomputed, so the answer is the target plus the taxes at the target.
int64_t TXL5_Calc_Local_TEST(uint64_t call_type, FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state,
                             LOCAL_WITHHOLDING_STRUC* local) {
    if (!fed || !state || !local) return kNullRecordResult;
    const txl5::GrossUpSearch& search = txl5::kApproximateGrossUpSearch;
    const double target = fed->gross_wages;
    const int64_t calc_result = TXL5_Calc(static_cast<int64_t>(call_type), fed, state);
    int64_t result = calc_result;
    const txl5::GrossUpOutcome outcome =
        txl5::search_gross(search.first_trial * target, search.tolerance, search.passes, [&](double guess) {
            result = local_step(EntryPoint::Test, calc_result, fed, state, local);
            return guess - fed->fed_tax - fed->medicare_tax - fed->fica_tax - state->state_tax - local->local_tax -
                   target;
        });
    fed->gross_wages = dollarround(outcome.guess);
    return result;
}

namespace {

int64_t store_failed_tax(LOCAL_WITHHOLDING_STRUC* local) {
    local->local_tax = 0.0;
    return 1;
}

}  // namespace

int64_t TXL5_Calc_City(uint64_t, FEDERAL_WITHHOLDING_STRUC*, STATE_WITHHOLDING_STRUC*, LOCAL_WITHHOLDING_STRUC*) {
    return 0;
}

// The caller-configured local tax: a rate on the period's wages less
// exemptions and a deduction, up to an annual cap, or an annual flat amount
// spread over the pay periods (the flat amount wins). It replaces whatever the
// locality function computed. Inputs that give no finite tax (infinite wages,
// say) store 0 and report failure, so the entry point flags the locality.
int64_t default_local(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state, LOCAL_WITHHOLDING_STRUC* local) {
    if (!fed || !state || !local) return 1;
    if (local->struc_version <= txl5::kLocalDefaultTaxVersion) return 0;
    const bool periods_known = local->local_pay_periods > 0;
    const double periods = static_cast<double>(local->local_pay_periods);
    double exemption = local->local_exemption_amount;
    double deduction = local->local_deduction;
    if (periods_known) {
        exemption /= periods;
        deduction /= periods;
    }
    double tax = 0.0;
    if (local->local_rate > 0.0) {
        double taxable = local->local_wages - static_cast<double>(local->local_exemptions) * exemption - deduction;
        if (taxable < 0.0) taxable = 0.0;
        tax = local->local_rate * taxable;
        if (local->local_max_tax > 0.0) {
            // Tax already withheld this year at the rate; the period that
            // reaches the cap withholds only what is left under it.
            const double ytd_tax = local->local_rate * local->ytd_local_wages;
            const double left = local->local_max_tax - ytd_tax;
            if (left <= 0.0) {
                tax = 0.0;
            } else if (tax > left) {
                tax = left;
            }
        }
        if (tax < 0.0) tax = 0.0;
        if (!std::isfinite(tax)) return store_failed_tax(local);
        local->local_tax = dollarround(tax);
    }
    if (local->local_annual_flat_tax > 0.0) {
        if (periods_known) tax = local->local_annual_flat_tax / periods;
        if (!std::isfinite(tax)) return store_failed_tax(local);
        local->local_tax = dollarround(tax);
    }
    return 0;
}
