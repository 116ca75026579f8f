#include "cli/paycheck.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>

namespace txl5cli {
namespace {

const StateInfo kStates[] = {
    {1, "AL", "Alabama"}, {2, "AK", "Alaska"}, {3, "AS", "American Samoa"}, {4, "AZ", "Arizona"},
    {5, "AR", "Arkansas"}, {6, "CA", "California"}, {7, "CO", "Colorado"}, {8, "CT", "Connecticut"},
    {9, "DE", "Delaware"}, {10, "DC", "District of Columbia"}, {11, "FM", "Federated States of Micronesia"},
    {12, "FL", "Florida"}, {13, "GA", "Georgia"}, {14, "GU", "Guam"}, {15, "HI", "Hawaii"}, {16, "ID", "Idaho"},
    {17, "IL", "Illinois"}, {18, "IN", "Indiana"}, {19, "IA", "Iowa"}, {20, "KS", "Kansas"},
    {21, "KY", "Kentucky"}, {22, "LA", "Louisiana"}, {23, "ME", "Maine"}, {24, "MH", "Marshall Islands"},
    {25, "MD", "Maryland"}, {26, "MA", "Massachusetts"}, {27, "MI", "Michigan"}, {28, "MN", "Minnesota"},
    {29, "MS", "Mississippi"}, {30, "MO", "Missouri"}, {31, "MT", "Montana"}, {32, "NE", "Nebraska"},
    {33, "NV", "Nevada"}, {34, "NH", "New Hampshire"}, {35, "NJ", "New Jersey"}, {36, "NM", "New Mexico"},
    {37, "NY", "New York"}, {38, "NC", "North Carolina"}, {39, "ND", "North Dakota"},
    {40, "MP", "Northern Mariana Islands"}, {41, "OH", "Ohio"}, {42, "OK", "Oklahoma"}, {43, "OR", "Oregon"},
    {44, "PW", "Palau"}, {45, "PA", "Pennsylvania"}, {46, "PR", "Puerto Rico"}, {47, "RI", "Rhode Island"},
    {48, "SC", "South Carolina"}, {49, "SD", "South Dakota"}, {50, "TN", "Tennessee"}, {51, "TX", "Texas"},
    {52, "UT", "Utah"}, {53, "VT", "Vermont"}, {54, "VI", "Virgin Islands"}, {55, "VA", "Virginia"},
    {56, "WA", "Washington"}, {57, "WV", "West Virginia"}, {58, "WI", "Wisconsin"}, {59, "WY", "Wyoming"},
};
constexpr int64_t kStateCount = 59;

char upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool equal_folded(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (upper(a[i]) != upper(b[i])) return false;
    }
    return true;
}

int compare_folded(std::string_view a, std::string_view b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const char x = upper(a[i]), y = upper(b[i]);
        if (x != y) return static_cast<unsigned char>(x) < static_cast<unsigned char>(y) ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

bool parse_int(std::string_view s, int64_t* out) {
    s = trim(s);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    if (s.empty()) return false;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), *out);
    return r.ec == std::errc() && r.ptr == s.data() + s.size();
}

bool parse_money(std::string_view s, double* out) {
    s = trim(s);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    if (s.empty()) return false;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), *out, std::chars_format::fixed);
    return r.ec == std::errc() && r.ptr == s.data() + s.size() && std::isfinite(*out);
}

bool parse_flag(std::string_view s, int64_t* out) {
    s = trim(s);
    if (s == "1" || equal_folded(s, "true") || equal_folded(s, "yes")) {
        *out = 1;
        return true;
    }
    if (s == "0" || equal_folded(s, "false") || equal_folded(s, "no")) {
        *out = 0;
        return true;
    }
    return false;
}

bool leap_year(int64_t y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

// Bits of Paycheck::given: fields whose absence a default fills.
enum Given : uint64_t {
    kGivenFicaWages = 1u << 0,
    kGivenStateWages = 1u << 1,
    kGivenLocalWages = 1u << 2,
    kGivenStatePeriods = 1u << 3,
    kGivenLocalPeriods = 1u << 4,
    kGivenYtdMedicare = 1u << 5,
    kGivenStateSupplemental = 1u << 6,
    kGivenLocalSupplemental = 1u << 7,
    kGivenStateStatus = 1u << 8,
    kGivenPayPeriods = 1u << 9,
    kGivenState = 1u << 10,
    kGivenLocality = 1u << 11,
    kGivenLocalTaxKind = 1u << 12,
    kGivenLocalStatus = 1u << 13,
    kGivenLocalAllowances = 1u << 14,
};

enum class Record { Federal, State, Local, Tool };
enum class Kind { Int, Money, Flag, Letter, Special };

using Special = bool (*)(std::string_view, Paycheck*, FieldError*);

}  // namespace

struct Field {
    const char* name;
    Record record;
    size_t offset;
    Kind kind;
    uint64_t given;  // Given bit set when the field is given
    Special special;
    bool local;  // a local field: the paycheck goes through the local entry point
};

namespace {

bool refuse(FieldError* error, const char* field, std::string_view value, std::string reason) {
    error->field = field;
    error->value = std::string(value);
    error->reason = std::move(reason);
    return false;
}

bool set_date(std::string_view s, Paycheck* p, FieldError* e) {
    const std::string_view t = trim(s);
    int64_t y = 0, m = 0, d = 0;
    bool ok = t.size() == 10 && t[4] == '-' && t[7] == '-' && parse_int(t.substr(0, 4), &y) &&
              parse_int(t.substr(5, 2), &m) && parse_int(t.substr(8, 2), &d);
    if (ok) {
        static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        ok = m >= 1 && m <= 12 && d >= 1 && d <= kDays[m - 1] + ((m == 2 && leap_year(y)) ? 1 : 0);
        for (char c : t.substr(0, 4)) ok = ok && c >= '0' && c <= '9';
    }
    if (!ok) return refuse(e, "date", s, "not a date of the form YYYY-MM-DD");
    p->fed.check_month = m;
    p->fed.check_day = d;
    p->fed.check_year = y;
    p->date_given = true;
    return true;
}

struct FrequencyName {
    std::string_view name;
    int64_t periods;
};
const FrequencyName kFrequencies[] = {
    {"weekly", 52}, {"biweekly", 26}, {"semimonthly", 24}, {"monthly", 12}, {"quarterly", 4},
    {"semiannual", 2}, {"annual", 1}, {"daily", 260},
};

bool set_pay_periods(std::string_view s, Paycheck* p, FieldError* e, const char* field) {
    int64_t n = 0;
    if (!parse_int(s, &n)) {
        const std::string_view t = trim(s);
        bool found = false;
        for (const FrequencyName& f : kFrequencies) {
            if (equal_folded(t, f.name)) {
                n = f.periods;
                found = true;
            }
        }
        if (!found) {
            return refuse(e, field, s,
                          "unknown pay frequency (weekly, biweekly, semimonthly, monthly, quarterly, semiannual, "
                          "annual, daily, or a number of pay periods a year)");
        }
    }
    if (n < 1) return refuse(e, field, s, "pay periods below 1");
    p->fed.pay_periods = n;
    p->given |= kGivenPayPeriods;
    return true;
}

bool set_frequency(std::string_view s, Paycheck* p, FieldError* e) { return set_pay_periods(s, p, e, "frequency"); }
bool set_periods_field(std::string_view s, Paycheck* p, FieldError* e) {
    return set_pay_periods(s, p, e, "pay_periods");
}

bool set_state(std::string_view s, Paycheck* p, FieldError* e) {
    const StateInfo* state = find_state(s);
    if (!state) return refuse(e, "state", s, "unknown state (a postal code such as NY, a name, or a code 1-59)");
    p->state.state_code = state->code;
    p->given |= kGivenState;
    return true;
}

bool set_locality(std::string_view s, Paycheck* p, FieldError*) {
    p->locality_name.assign(trim(s));
    p->given |= kGivenLocality;
    p->has_local = true;
    return true;
}

bool set_locality_kind(std::string_view s, Paycheck* p, FieldError*) {
    // Resolved against the state's own lists in finish_paycheck.
    p->locality_kind_text.assign(trim(s));
    return true;
}

bool set_filing_status(std::string_view s, Paycheck* p, FieldError* e) {
    int64_t n = 0;
    const std::string_view t = trim(s);
    if (parse_int(t, &n)) {
        if (n < 0 || n > 3) return refuse(e, "filing_status", s, "unknown filing status (single, married, head_of_household or 0-3)");
    } else if (equal_folded(t, std::string_view("single", 6))) {
        n = 0;
    } else if (equal_folded(t, std::string_view("married", 7))) {
        n = 1;
    } else if (equal_folded(t, std::string_view("head_of_household", 17)) ||
               equal_folded(t, std::string_view("head-of-household", 17)) || equal_folded(t, std::string_view("hoh", 3))) {
        n = 2;
    } else {
        return refuse(e, "filing_status", s, "unknown filing status (single, married, head_of_household or 0-3)");
    }
    p->fed.filing_status = n;
    return true;
}

bool set_wages(std::string_view s, Paycheck* p, FieldError* e) {
    double v = 0;
    if (!parse_money(s, &v)) return refuse(e, "wages", s, "not an amount");
    p->fed.gross_wages = v;
    return true;
}

bool set_supplemental(std::string_view s, Paycheck* p, FieldError* e) {
    double v = 0;
    if (!parse_money(s, &v)) return refuse(e, "supplemental", s, "not an amount");
    p->fed.supplemental_wages = v;
    return true;
}

bool set_ytd_wages(std::string_view s, Paycheck* p, FieldError* e) {
    double v = 0;
    if (!parse_money(s, &v)) return refuse(e, "ytd_wages", s, "not an amount");
    p->fed.ytd_fica_wages = v;
    return true;
}

bool set_id(std::string_view s, Paycheck* p, FieldError*) {
    p->id.assign(trim(s));
    return true;
}

#define FED(field, kind, given) {#field, Record::Federal, offsetof(FEDERAL_WITHHOLDING_STRUC, field), Kind::kind, given, nullptr, false}
#define ST(field, kind, given) {#field, Record::State, offsetof(STATE_WITHHOLDING_STRUC, field), Kind::kind, given, nullptr, false}
#define LOC(field, kind, given) {#field, Record::Local, offsetof(LOCAL_WITHHOLDING_STRUC, field), Kind::kind, given, nullptr, true}
#define TOOL(name, fn) {name, Record::Tool, 0, Kind::Special, 0, fn, false}

const Field kFields[] = {
    // The tool's own names.
    TOOL("id", set_id),
    TOOL("date", set_date),
    TOOL("state", set_state),
    TOOL("locality", set_locality),
    TOOL("locality_kind", set_locality_kind),
    TOOL("frequency", set_frequency),
    TOOL("wages", set_wages),
    TOOL("supplemental", set_supplemental),
    TOOL("ytd_wages", set_ytd_wages),
    {"ytd_supplemental", Record::Federal, offsetof(FEDERAL_WITHHOLDING_STRUC, ytd_supplemental_wages), Kind::Money, 0, nullptr, false},
    TOOL("filing_status", set_filing_status),
    {"multiple_jobs", Record::Federal, offsetof(FEDERAL_WITHHOLDING_STRUC, w4_multiple_jobs), Kind::Flag, 0, nullptr, false},
    {"dependents_credit", Record::Federal, offsetof(FEDERAL_WITHHOLDING_STRUC, w4_dependents_credit), Kind::Money, 0, nullptr, false},
    {"other_income", Record::Federal, offsetof(FEDERAL_WITHHOLDING_STRUC, w4_other_income), Kind::Money, 0, nullptr, false},
    {"deductions", Record::Federal, offsetof(FEDERAL_WITHHOLDING_STRUC, w4_deductions), Kind::Money, 0, nullptr, false},
    {"state_status", Record::State, offsetof(STATE_WITHHOLDING_STRUC, state_filing_status), Kind::Int, kGivenStateStatus, nullptr, false},
    {"resident", Record::Local, offsetof(LOCAL_WITHHOLDING_STRUC, local_resident), Kind::Flag, 0, nullptr, true},
    {"fed_version", Record::Federal, offsetof(FEDERAL_WITHHOLDING_STRUC, struc_version), Kind::Int, 0, nullptr, false},
    {"state_version", Record::State, offsetof(STATE_WITHHOLDING_STRUC, struc_version), Kind::Int, 0, nullptr, false},
    {"local_version", Record::Local, offsetof(LOCAL_WITHHOLDING_STRUC, struc_version), Kind::Int, 0, nullptr, true},
    // Input fields of the federal record.
    FED(allowances, Int, 0),
    FED(check_month, Int, 0),
    FED(check_day, Int, 0),
    FED(check_year, Int, 0),
    TOOL("pay_periods", set_periods_field),
    FED(gross_wages, Money, 0),
    FED(additional_fed_wh, Money, 0),
    FED(fica_exempt, Flag, 0),
    FED(fica_wages, Money, kGivenFicaWages),
    FED(ytd_fica_wages, Money, 0),
    FED(medicare_exempt, Flag, 0),
    FED(ytd_medicare_wages, Money, kGivenYtdMedicare),
    FED(supplemental_wages, Money, 0),
    FED(ytd_supplemental_wages, Money, 0),
    FED(supp_aggregate, Flag, 0),
    FED(fed_exempt, Flag, 0),
    FED(w4_2020, Flag, 0),
    FED(w4_multiple_jobs, Flag, 0),
    FED(w4_dependents_credit, Money, 0),
    FED(w4_other_income, Money, 0),
    FED(w4_deductions, Money, 0),
    FED(nonresident_alien, Flag, 0),
    // Input fields of the state record.
    ST(state_code, Int, kGivenState),
    ST(state_allowances, Int, 0),
    ST(state_filing_status, Int, kGivenStateStatus),
    ST(state_pay_periods, Int, kGivenStatePeriods),
    ST(state_wages, Money, kGivenStateWages),
    ST(additional_state_wh, Money, 0),
    ST(state_percent, Money, 0),
    ST(state_additional_allowances, Int, 0),
    ST(state_extra_count1, Int, 0),
    ST(state_extra_count2, Int, 0),
    ST(state_withholding_code, Letter, 0),
    ST(state_wh_reduction, Money, 0),
    ST(state_additional_count, Int, 0),
    ST(state_dependency_credits, Int, 0),
    ST(state_form_check1, Int, 0),
    ST(state_form_check2, Int, 0),
    ST(state_form_check3, Int, 0),
    ST(state_exempt, Int, 0),
    ST(state_rate_table, Letter, 0),
    ST(state_dependents, Int, 0),
    ST(state_exemption_amount, Money, 0),
    ST(state_form_code, Int, 0),
    ST(state_additional_allowances2, Int, 0),
    ST(state_additional_count2, Int, 0),
    ST(state_supplemental_wages, Money, kGivenStateSupplemental),
    ST(state_supp_aggregate, Int, 0),
    ST(state_supp_rate_choice, Int, 0),
    ST(pr_status, Int, 0),
    ST(pr_dependents, Int, 0),
    ST(pr_extra_exemption, Int, 0),
    ST(pr_allowances, Int, 0),
    ST(state_form_option, Money, 0),
    ST(state_new_form, Int, 0),
    ST(state_form_flag2, Int, 0),
    ST(state_form_flag3, Int, 0),
    ST(state_form_amount1, Money, 0),
    ST(state_form_amount2, Money, 0),
    // Input fields of the local record.
    LOC(locality_code, Int, kGivenLocality),
    LOC(local_allowances, Int, kGivenLocalAllowances),
    LOC(local_filing_status, Int, kGivenLocalStatus),
    LOC(local_pay_periods, Int, kGivenLocalPeriods),
    LOC(local_wages, Money, kGivenLocalWages),
    LOC(additional_local_wh, Money, 0),
    LOC(local_resident, Int, 0),
    LOC(local_rate, Money, 0),
    LOC(local_max_tax, Money, 0),
    LOC(ytd_local_wages, Money, 0),
    LOC(local_exemptions, Int, 0),
    LOC(local_exemption_amount, Money, 0),
    LOC(local_deduction, Money, 0),
    LOC(local_annual_flat_tax, Money, 0),
    LOC(residence_locality_code, Int, 0),
    LOC(local_tax_kind, Int, kGivenLocalTaxKind),
    LOC(local_supplemental_wages, Money, kGivenLocalSupplemental),
    LOC(local_supp_aggregate, Int, 0),
};

#undef FED
#undef ST
#undef LOC
#undef TOOL

char* record_base(Record record, Paycheck* p) {
    switch (record) {
        case Record::Federal: return reinterpret_cast<char*>(&p->fed);
        case Record::State: return reinterpret_cast<char*>(&p->state);
        case Record::Local: return reinterpret_cast<char*>(&p->local);
        default: return nullptr;
    }
}

// The locality directory of one state, sorted by folded name for look-ups.
struct Directory {
    std::vector<LocalityEntry> entries;   // directory order, every kind
    std::vector<uint32_t> by_name;        // indexes sorted by folded name
};

const Directory& directory(int64_t state_code) {
    static std::mutex lock;
    static std::map<int64_t, std::unique_ptr<Directory>> cache;
    std::lock_guard<std::mutex> guard(lock);
    std::unique_ptr<Directory>& slot = cache[state_code];
    if (!slot) {
        slot = std::make_unique<Directory>();
        for (int64_t kind = 0; kind < locality_kinds(state_code); ++kind) {
            for (LocalityEntry& e : locality_list(state_code, kind)) slot->entries.push_back(std::move(e));
        }
        for (uint32_t i = 0; i < slot->entries.size(); ++i) slot->by_name.push_back(i);
        const std::vector<LocalityEntry>& entries = slot->entries;
        std::stable_sort(slot->by_name.begin(), slot->by_name.end(), [&](uint32_t a, uint32_t b) {
            return compare_folded(entries[a].name, entries[b].name) < 0;
        });
    }
    return *slot;
}

std::string kind_list(int64_t state_code) {
    std::string out;
    for (int64_t k = 0; k < locality_kinds(state_code); ++k) {
        if (!out.empty()) out += ", ";
        out += locality_kind_name(state_code, k);
    }
    return out;
}

bool resolve_locality(Paycheck* p, FieldError* e) {
    const int64_t state = p->state.state_code;
    const int64_t kinds = locality_kinds(state);
    if (!p->locality_kind_text.empty()) {
        p->locality_kind = parse_locality_kind(state, p->locality_kind_text);
        if (p->locality_kind < 0) {
            const StateInfo* info = state_by_code(state);
            return refuse(e, "locality_kind", p->locality_kind_text,
                          kinds >= 2 ? "unknown locality kind for " + std::string(info->name) + " (" + kind_list(state) + ")"
                                     : std::string(info ? info->name : "this state") + " has a single list of localities");
        }
    }
    if (p->locality_kind != -1 && kinds >= 2 && !(p->given & kGivenLocalTaxKind)) {
        p->local.local_tax_kind = p->locality_kind;
    }
    if (!(p->given & kGivenLocality) || p->locality_name.empty()) return true;
    const std::string name = p->locality_name;
    int64_t code = 0;
    if (parse_int(name, &code)) {
        if (kinds > 0) {
            const Directory& dir = directory(state);
            bool found = false;
            for (const LocalityEntry& entry : dir.entries) {
                if (entry.locality_code == code && (p->locality_kind == -1 || entry.kind == p->locality_kind)) {
                    if (!found) p->locality_name = entry.name;
                    found = true;
                }
            }
            if (!found) return refuse(e, "locality", name, "unknown locality code in " + std::string(state_by_code(state)->name));
        } else {
            p->locality_name.clear();
        }
        p->local.locality_code = code;
        return true;
    }
    if (kinds == 0) {
        const StateInfo* info = state_by_code(state);
        return refuse(e, "locality", name,
                      std::string(info ? info->name : "this state") + " has no locality list; give a locality code");
    }
    const Directory& dir = directory(state);
    auto lo = std::lower_bound(dir.by_name.begin(), dir.by_name.end(), name, [&](uint32_t i, const std::string& n) {
        return compare_folded(dir.entries[i].name, n) < 0;
    });
    const LocalityEntry* match = nullptr;
    int64_t other_kind = -1;
    for (auto it = lo; it != dir.by_name.end() && equal_folded(dir.entries[*it].name, name); ++it) {
        const LocalityEntry& entry = dir.entries[*it];
        if (p->locality_kind != -1 && entry.kind != p->locality_kind) continue;
        if (!match) {
            match = &entry;
        } else if (entry.kind != match->kind && other_kind == -1) {
            other_kind = entry.kind;
        }
    }
    if (!match) return refuse(e, "locality", name, "unknown locality in " + std::string(state_by_code(state)->name));
    if (other_kind != -1) {
        return refuse(e, "locality", name,
                      std::string("named in more than one list (") + locality_kind_name(state, match->kind) + ", " +
                          locality_kind_name(state, other_kind) + "): give locality_kind");
    }
    p->locality_name = match->name;
    p->local.locality_code = match->locality_code;
    if (kinds >= 2 && !(p->given & kGivenLocalTaxKind)) p->local.local_tax_kind = match->kind;
    return true;
}

}  // namespace

const StateInfo* state_by_code(int64_t code) {
    if (code < 1 || code > kStateCount) return nullptr;
    return &kStates[code - 1];
}

const StateInfo* find_state(std::string_view text) {
    const std::string_view t = trim(text);
    int64_t n = 0;
    if (parse_int(t, &n)) return state_by_code(n);
    if (t.size() == 2) {
        // Postal codes through a table of every pair of letters, built once.
        static const std::array<int8_t, 26 * 26> by_postal = [] {
            std::array<int8_t, 26 * 26> table{};
            for (const StateInfo& s : kStates) table[(s.postal[0] - 'A') * 26 + (s.postal[1] - 'A')] = static_cast<int8_t>(s.code);
            return table;
        }();
        const char a = upper(t[0]), b = upper(t[1]);
        if (a < 'A' || a > 'Z' || b < 'A' || b > 'Z') return nullptr;
        const int8_t code = by_postal[(a - 'A') * 26 + (b - 'A')];
        return code ? &kStates[code - 1] : nullptr;
    }
    for (const StateInfo& s : kStates) {
        if (equal_folded(t, s.name)) return &s;
    }
    return nullptr;
}

const char* frequency_name(int64_t pay_periods) {
    for (const FrequencyName& f : kFrequencies) {
        if (f.periods == pay_periods) return f.name.data();
    }
    return "";
}

std::string FieldError::message() const {
    if (value.empty()) return "field '" + field + "': " + reason;
    return "field '" + field + "', value '" + value + "': " + reason;
}

Paycheck::Paycheck() { clear(); }

void Paycheck::clear() {
    std::memset(&fed, 0, sizeof fed);
    std::memset(&state, 0, sizeof state);
    std::memset(&local, 0, sizeof local);
    fed.struc_version = kFederalVersion;
    state.struc_version = kStateVersion;
    local.struc_version = kLocalVersion;
    if (!id.empty()) id.clear();
    if (!locality_name.empty()) locality_name.clear();
    locality_kind = -1;
    if (!locality_kind_text.empty()) locality_kind_text.clear();
    has_local = false;
    given = 0;
    date_given = false;
}

const Field* find_field(std::string_view name) {
    for (const Field& f : kFields) {
        if (name == f.name) return &f;
    }
    return nullptr;
}

const char* field_name(const Field* field) { return field->name; }

std::vector<std::string> field_names() {
    std::vector<std::string> out;
    for (const Field& f : kFields) out.emplace_back(f.name);
    return out;
}

bool set_field(const Field* f, std::string_view value, Paycheck* p, FieldError* e) {
    if (f->local) p->has_local = true;
    p->given |= f->given;
    if (f->kind == Kind::Special) return f->special(value, p, e);
    char* slot = record_base(f->record, p) + f->offset;
    switch (f->kind) {
        case Kind::Int: {
            int64_t v = 0;
            if (!parse_int(value, &v)) return refuse(e, f->name, value, "not a whole number");
            std::memcpy(slot, &v, sizeof v);
            return true;
        }
        case Kind::Flag: {
            int64_t v = 0;
            if (!parse_flag(value, &v)) return refuse(e, f->name, value, "not a yes/no value (1, 0, true, false)");
            std::memcpy(slot, &v, sizeof v);
            return true;
        }
        case Kind::Letter: {
            // A certificate letter (A, B ...) or its character code.
            int64_t v = 0;
            const std::string_view t = trim(value);
            if (t.size() == 1 && upper(t[0]) >= 'A' && upper(t[0]) <= 'Z') {
                v = upper(t[0]);
            } else if (!parse_int(t, &v)) {
                return refuse(e, f->name, value, "not a letter or a character code");
            }
            std::memcpy(slot, &v, sizeof v);
            return true;
        }
        case Kind::Money: {
            double v = 0;
            if (!parse_money(value, &v)) return refuse(e, f->name, value, "not an amount");
            std::memcpy(slot, &v, sizeof v);
            return true;
        }
        default:
            return false;
    }
}

bool finish_paycheck(Paycheck* p, FieldError* e) {
    if (!p->date_given && p->fed.check_year == 0) return refuse(e, "date", "", "missing");
    if (!(p->given & kGivenState)) return refuse(e, "state", "", "missing");
    if (!(p->given & kGivenPayPeriods)) return refuse(e, "frequency", "", "missing");
    if (p->fed.pay_periods < 1) return refuse(e, "pay_periods", std::to_string(p->fed.pay_periods), "pay periods below 1");
    if (!(p->given & kGivenFicaWages)) p->fed.fica_wages = p->fed.gross_wages;
    if (!(p->given & kGivenYtdMedicare)) p->fed.ytd_medicare_wages = p->fed.ytd_fica_wages;
    if (!(p->given & kGivenStateWages)) p->state.state_wages = p->fed.gross_wages;
    if (!(p->given & kGivenStatePeriods)) p->state.state_pay_periods = p->fed.pay_periods;
    if (p->state.state_pay_periods < 1) {
        return refuse(e, "state_pay_periods", std::to_string(p->state.state_pay_periods), "pay periods below 1");
    }
    if (!(p->given & kGivenStateStatus)) p->state.state_filing_status = p->fed.filing_status;
    if (!(p->given & kGivenStateSupplemental)) p->state.state_supplemental_wages = p->fed.supplemental_wages;
    if (p->has_local) {
        if (!(p->given & kGivenLocalWages)) p->local.local_wages = p->fed.gross_wages;
        if (!(p->given & kGivenLocalPeriods)) p->local.local_pay_periods = p->fed.pay_periods;
        if (!(p->given & kGivenLocalSupplemental)) p->local.local_supplemental_wages = p->fed.supplemental_wages;
        if (!(p->given & kGivenLocalStatus)) p->local.local_filing_status = 0;
        if (!(p->given & kGivenLocalAllowances)) p->local.local_allowances = p->state.state_allowances;
        if (!resolve_locality(p, e)) return false;
    } else if (!p->locality_kind_text.empty()) {
        return refuse(e, "locality_kind", p->locality_kind_text, "given without a locality");
    }
    return true;
}

Paycheck sample_paycheck() {
    Paycheck p;
    FieldError e;
    const std::pair<const char*, const char*> fields[] = {
        {"date", "2026-06-05"}, {"state", "NY"},       {"locality", "New York City"}, {"frequency", "weekly"},
        {"wages", "1000"},      {"allowances", "1"},   {"state_allowances", "1"},     {"ytd_wages", "22000"},
        {"resident", "1"},
    };
    for (const auto& [name, value] : fields) set_field(find_field(name), value, &p, &e);
    finish_paycheck(&p, &e);
    return p;
}

int64_t compute(Paycheck* p, int64_t call_type) {
    if (p->has_local) {
        p->local.local_error = 0;
        return TXL5_Calc_Local(static_cast<uint64_t>(call_type), &p->fed, &p->state, &p->local);
    }
    return TXL5_Calc(call_type, &p->fed, &p->state);
}

double net_pay(const Paycheck& p) {
    double net = p.fed.gross_wages + p.fed.supplemental_wages - p.fed.fed_tax - p.fed.supplemental_fed_tax -
                 p.fed.fica_tax - p.fed.medicare_tax - p.state.state_tax - p.state.state_supplemental_tax;
    if (p.has_local) {
        net -= p.local.local_tax + p.local.local_supplemental_tax;
        // Colorado's second amount is the employer's occupational privilege tax, not withheld.
        if (p.state.state_code != 7) net -= p.local.second_local_tax + p.local.second_local_supplemental_tax;
    }
    return net;
}

const char* result_bit_text(int64_t bit) {
    switch (bit) {
        case 1: return "federal part failed";
        case 8: return "state part failed";
        case 16: return "locality calculation failed";
        case 64: return "no flat supplemental rate in force";
        default: return "unknown bit";
    }
}

std::string result_text(int64_t result) {
    if (result == 0) return "ok";
    std::string out;
    for (int bit = 0; bit < 63; ++bit) {
        const int64_t b = int64_t{1} << bit;
        if (result & b) {
            if (!out.empty()) out += "; ";
            out += std::to_string(b) + " " + result_bit_text(b);
        }
    }
    return out;
}

const char* fed_status_text(int64_t code) {
    switch (code) {
        case 0: return "ok";
        case 1: return "no federal table row for the check date and keys";
        case 100: return "the gross-up search used all its passes";
        default: return "unknown code";
    }
}

const char* state_error_text(int64_t code) {
    switch (code) {
        case 0: return "ok";
        case 1: return "no state table row for the check date and the employee's keys";
        case 2: return "state-specific failure (Arizona: the elected percentage is not one the state offers)";
        case 3: return "unsupported state code, or pay periods below 1";
        case 4: return "state-specific failure (the record layout is older than the state's form needs)";
        default: return "unknown code";
    }
}

const char* local_error_text(int64_t code) {
    switch (code) {
        case 0: return "ok";
        case 1: return "locality or its rate row not found";
        default: return "unknown code";
    }
}

int64_t locality_kinds(int64_t state_code) {
    switch (state_code) {
        case 21: return 3;  // Kentucky
        case 41: case 45: return 2;  // Ohio, Pennsylvania
        default: {
            WITHHOLDING_TAXBODY_INFO info{};
            info.state_code = state_code;
            char text[TXL5_PROMPT_MAX];
            return TXL5_Get_Prompt_Sized(&info, text, sizeof text) > 0 ? 1 : 0;
        }
    }
}

const char* locality_kind_name(int64_t state_code, int64_t kind) {
    if (state_code == 21) {
        static const char* const names[] = {"school", "city", "county"};
        return kind >= 0 && kind < 3 ? names[kind] : "?";
    }
    if (state_code == 41 || state_code == 45) {
        static const char* const names[] = {"school", "municipality"};
        return kind >= 0 && kind < 2 ? names[kind] : "?";
    }
    return "locality";
}

int64_t parse_locality_kind(int64_t state_code, std::string_view text) {
    const std::string_view t = trim(text);
    const int64_t kinds = locality_kinds(state_code);
    int64_t n = 0;
    if (parse_int(t, &n)) return n >= 0 && n < std::max<int64_t>(kinds, 1) ? n : -1;
    for (int64_t k = 0; k < kinds; ++k) {
        if (equal_folded(t, locality_kind_name(state_code, k))) return k;
    }
    if (kinds >= 2 && (equal_folded(t, "city") || equal_folded(t, "municipal")) && state_code != 21) return 1;
    if (kinds >= 2 && equal_folded(t, "municipality") && state_code == 21) return 1;
    return -1;
}

std::vector<LocalityEntry> locality_list(int64_t state_code, int64_t kind) {
    std::vector<LocalityEntry> out;
    std::array<char, 256> text{};
    WITHHOLDING_TAXBODY_INFO info{};
    info.state_code = state_code;
    info.taxbody_kind = kind;
    for (int64_t i = 0;; ++i) {
        info.entry_index = i;
        info.entry_count = 0;
        const int64_t length = TXL5_Get_Prompt_Sized(&info, text.data(), text.size());
        if (length <= 0 || i >= info.entry_count) break;
        out.push_back(LocalityEntry{std::string(text.data()), kind, info.entry_code, info.locality_code});
    }
    return out;
}

}  // namespace txl5cli
