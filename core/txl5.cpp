// The calculation driver, the library's identity and the table-value query.
#include <cmath>
#include <cstring>
#include <limits>

#include "core/grossup.h"
#include "core/statecalc.h"
#include "core/statedispatch.h"
#include "core/tables.h"
#include "core/txl5.h"
#include "core/versions.h"
#include "federal/federal.h"

namespace {
constexpr double kInterfaceVersion = 3.5;
constexpr double kTableVersion = 2026.8;  // tables of 2026, eighth release
constexpr int64_t kInfoWageBase = 1;
}  // namespace

const char copyright[49] = "Copyright (c) 2026 the txl5 project. All rights.";
static_assert(sizeof("Copyright (c) 2026 the txl5 project. All rights.") == 49, "notice is 48 characters");

static const char kLibraryVersionText[] = "TXL5LIBRARYVERSION_2026.8";
const char* const library_version = kLibraryVersionText;

double TXL5_Version() { return kInterfaceVersion; }

double TXL5_Table_Version() { return dollarround(kTableVersion); }

// Compile date (Mmm dd yyyy), a blank, compile time (hh:mm:ss): 20 characters
// and a NUL, written into a caller buffer of at least 21 bytes.
int64_t TXL5_Get_Build_Info(char* buffer) {
    if (!buffer) return 1;
    std::strcpy(buffer, __DATE__);
    std::strcat(buffer, " ");
    std::strcat(buffer, __TIME__);
    buffer[20] = '\0';
    return 0;
}

int64_t TXL5_Get_Table_Info(TXL5_TABLE_INFO* info) {
    // No query record: nothing asked, nothing answered.
    if (!info) return 1;
    info->info_value = 0.0;
    if (info->info_item != kInfoWageBase) return 1;
    const MDATE date{info->info_month, info->info_day, info->info_year};
    const FicaRow* row = txl5::scan_rows(fica, date, [](const FicaRow&) { return true; });
    if (!row) return 2;
    info->info_value = row->wage_base;
    return 0;
}

int64_t local_TXL5_Get_Table_Info(TXL5_TABLE_INFO* info) { return TXL5_Get_Table_Info(info); }

// ---- The calculation driver -------------------------------------------------

namespace {

constexpr int64_t kFederalFailed = 1;
constexpr int64_t kStateFailed = 8;
constexpr int64_t kCallFederalOnly = 0;
constexpr int64_t kCallEmployerShare = 2;
constexpr int64_t kCallGrossUpRegular = 11;
constexpr int64_t kCallGrossUpBonus = 12;

struct CheckDate {
    int64_t month, day, year;
};

CheckDate read_date(const FEDERAL_WITHHOLDING_STRUC& fed) { return {fed.check_month, fed.check_day, fed.check_year}; }

void write_date(FEDERAL_WITHHOLDING_STRUC* fed, const CheckDate& d) {
    fed->check_month = d.month;
    fed->check_day = d.day;
    fed->check_year = d.year;
}

// The prior-year retry lowers the check year by one, unless that would overflow.
bool lower_check_year(FEDERAL_WITHHOLDING_STRUC* fed) {
    if (fed->check_year == std::numeric_limits<int64_t>::min()) return false;
    fed->check_year -= 1;
    return true;
}

// A tax that is not a number (from wages that are not) is a failure, not a result.
bool federal_amounts_finite(const FEDERAL_WITHHOLDING_STRUC& fed) {
    return std::isfinite(fed.fed_tax) && std::isfinite(fed.fica_tax) && std::isfinite(fed.medicare_tax) &&
           (fed.struc_version <= txl5::kFedSupplementalVersion || std::isfinite(fed.supplemental_fed_tax));
}

// Federal income tax, social security and Medicare, then the supplemental tax.
// A failed lookup is retried once with the previous year's tables, starting
// again from a clean federal tax.
void federal_part(int64_t call_type, FEDERAL_WITHHOLDING_STRUC* fed, int64_t* flags) {
    auto attempt = [&] {
        if (TXL5_Federal_Calc(call_type, fed) != 0) return false;
        if (TXL5_Federal_Supplemental(call_type, fed) != 0) *flags |= kFederalFailed;
        return true;
    };
    if (!attempt()) {
        *flags |= kFederalFailed;
        if (lower_check_year(fed)) {
            *flags &= ~kFederalFailed;
            fed->fed_status = 0;
            fed->fed_tax = 0.0;
            if (!attempt()) *flags |= kFederalFailed;
        }
    }
    if (!federal_amounts_finite(*fed)) *flags |= kFederalFailed;
}

int64_t dispatch_state(int64_t call_type, FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state) {
    switch (txl5::state_kind(state->state_code)) {
        case txl5::StateKind::NoIncomeTax:
            return 0;
        case txl5::StateKind::Unsupported:
            state->state_error = txl5::kStateErrorUnsupported;
            return 1;
        case txl5::StateKind::Calculated:
            break;
    }
    return txl5::run_state(call_type, state->state_code, fed, state);
}

// The state calculation, retried once with the previous year's tables from a
// clean state tax.
void state_part(int64_t call_type, FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state, int64_t* flags) {
    // A state income tax is withheld per pay period: without a period count it
    // cannot be computed, and no earlier year's tables would change that.
    if (txl5::state_kind(state->state_code) == txl5::StateKind::Calculated && state->state_pay_periods < 1) {
        state->state_error = txl5::kStateErrorPayPeriods;
        *flags |= kStateFailed;
        return;
    }
    // A territory takes the federal supplemental tax over into the state
    // record, and may still fail after that (the Northern Mariana Islands on
    // an older state layout or a frequency without rows). The retry then
    // starts from both supplemental fields as they were, or the tax would be
    // lost (the retry finds none to take) or, when the retry fails before
    // taking it, counted in both records.
    const bool fed_supplemental_field = fed->struc_version > txl5::kFedSupplementalVersion;
    const bool state_supplemental_field = txl5::supplemental_due(*state);
    const double supplemental_fed_tax = fed_supplemental_field ? fed->supplemental_fed_tax : 0.0;
    const double state_supplemental_tax = state_supplemental_field ? state->state_supplemental_tax : 0.0;
    if (dispatch_state(call_type, fed, state) == 0) return;
    *flags |= kStateFailed;
    if (!lower_check_year(fed)) return;
    *flags &= ~kStateFailed;
    state->state_error = 0;
    state->state_tax = 0.0;
    if (fed_supplemental_field &&
        std::memcmp(&fed->supplemental_fed_tax, &supplemental_fed_tax, sizeof supplemental_fed_tax) != 0) {
        fed->supplemental_fed_tax = supplemental_fed_tax;
        if (state_supplemental_field) state->state_supplemental_tax = state_supplemental_tax;
    }
    if (dispatch_state(call_type, fed, state) != 0) *flags |= kStateFailed;
}

// A gross-up whose trials ran out far from the requested net: the search's
// code in fed_status, and the federal part's failure bit.
int64_t report_search_exhausted(FEDERAL_WITHHOLDING_STRUC* fed) {
    fed->fed_status = txl5::kFedStatusSearchExhausted;
    return kFederalFailed;
}

// Net pay of the pass, less the target.
double net_less_target(const FEDERAL_WITHHOLDING_STRUC& fed, const STATE_WITHHOLDING_STRUC& state, double target) {
    return fed.supplemental_wages + fed.gross_wages - fed.fed_tax - fed.supplemental_fed_tax - fed.medicare_tax -
           fed.fica_tax - state.state_tax - state.state_supplemental_tax - target;
}

}  // namespace

int64_t TXL5_Calc(int64_t call_type, FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state) {
    // Without both records there is nothing to read or write: both parts fail.
    if (!fed || !state) return kFederalFailed | kStateFailed;
    const CheckDate saved_date = read_date(*fed);
    fed->fed_tax = 0.0;
    fed->fica_tax = 0.0;
    fed->medicare_tax = 0.0;
    fed->reserved_1 = 0.0;
    fed->reserved_2 = 0.0;
    fed->fed_status = 0;
    int64_t flags = 0;

    const bool federal_only = call_type == kCallFederalOnly || call_type == kCallEmployerShare;
    const bool regular_gross_up = call_type == kCallGrossUpRegular;
    const bool bonus_gross_up = call_type == kCallGrossUpBonus;

    // Withholding is computed per pay period: without a period count nothing
    // can be computed. Refused before any trial amount is written, so a
    // gross-up call leaves the caller's requested net in place.
    if (!federal_only && fed->pay_periods < 1) {
        state->state_tax = 0.0;
        state->state_error = txl5::kStateErrorUnsupported;
        return kFederalFailed;
    }

    // One pass over the amounts in the records: the federal part and, unless
    // the call is federal only, the state part with the extra state
    // withholding. `before_rounding` sees the pass's taxes before the end of
    // the pass rounds state_tax.
    auto run_pass = [&](auto before_rounding) {
        // A stale supplemental tax from an earlier paycheck must not enter the net.
        if ((regular_gross_up || bonus_gross_up) && state->struc_version > txl5::kStateSupplementalVersion) {
            state->state_supplemental_tax = 0.0;
        }
        CheckDate pass_date = saved_date;
        if (federal_only) {
            if (TXL5_Federal_Calc(call_type, fed) != 0) flags |= kFederalFailed;
            if (TXL5_Federal_Supplemental(call_type, fed) != 0) flags |= kFederalFailed;
            if (!federal_amounts_finite(*fed)) flags |= kFederalFailed;
        } else {
            state->state_tax = 0.0;
            const CheckDate before_federal = read_date(*fed);
            federal_part(call_type, fed, &flags);
            fed->used_month = fed->check_month;
            fed->used_day = fed->check_day;
            fed->used_year = fed->check_year;
            write_date(fed, before_federal);
            state->state_error = 0;
            pass_date = read_date(*fed);

            state_part(call_type, fed, state, &flags);
            state->state_tax += state->additional_state_wh;
            if (!std::isfinite(state->state_tax)) flags |= kStateFailed;
            before_rounding();
        }
        write_date(fed, pass_date);
        state->state_tax = dollarround(state->state_tax);
    };

    const txl5::GrossUpSearch& search = txl5::kGrossUpSearch;
    if (regular_gross_up) {
        // Gross wages whose net pay is the amount the caller put in gross_wages.
        const double target = fed->gross_wages;
        const txl5::GrossUpOutcome outcome =
            txl5::search_gross(search.first_trial * target, search.tolerance, search.passes, [&](double guess) {
                fed->gross_wages = fed->fica_wages = state->state_wages = dollarround(guess);
                double difference = 0.0;
                run_pass([&] { difference = net_less_target(*fed, *state, target); });
                return difference;
            });
        if (txl5::gross_up_missed(outcome)) flags |= report_search_exhausted(fed);
    } else if (bonus_gross_up) {
        // The first pass computes the paycheck without the bonus; the target is
        // its net pay plus the desired net bonus.
        const double desired_bonus = fed->supplemental_wages;
        const double first_guess = search.first_trial * desired_bonus;
        fed->supplemental_wages = state->state_supplemental_wages = 0.0;
        double target = 0.0;
        run_pass([&] { target = net_less_target(*fed, *state, 0.0) + desired_bonus; });
        const txl5::GrossUpOutcome outcome =
            txl5::search_gross(first_guess, search.tolerance, search.passes - 1, [&](double guess) {
                fed->supplemental_wages = state->state_supplemental_wages = dollarround(guess);
                double difference = 0.0;
                run_pass([&] { difference = net_less_target(*fed, *state, target); });
                return difference;
            });
        if (txl5::gross_up_missed(outcome)) flags |= report_search_exhausted(fed);
    } else {
        run_pass([] {});
    }

    fed->fed_tax = dollarround(fed->fed_tax);
    write_date(fed, saved_date);
    return flags;
}
