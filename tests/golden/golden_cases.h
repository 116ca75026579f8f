// A fixed, generated set of calculations across every entry point, state code,
// locality, levy and directory list, each reduced to a 64-bit digest of
// everything the call wrote. The golden test replays the set and compares the
// digests with the committed ones, so any change in any result (a cent, a
// status code, a table date, a name) is caught; the benchmarks reuse the
// inputs. Case i depends only on i, so a single case can be replayed alone.
#ifndef TXL5_TESTS_GOLDEN_GOLDEN_CASES_H
#define TXL5_TESTS_GOLDEN_GOLDEN_CASES_H

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "core/txl5.h"

namespace txl5_golden {

// SplitMix64: a small, fully specified generator, identical on every platform.
class Rng {
public:
    explicit Rng(uint64_t seed) : state_(seed) {}
    uint64_t next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // 0 .. n-1 (n > 0).
    int64_t pick(int64_t n) { return static_cast<int64_t>(next() % static_cast<uint64_t>(n)); }
    bool chance(int percent) { return pick(100) < percent; }
    template <class T, size_t N>
    T one_of(const T (&values)[N]) {
        return values[pick(static_cast<int64_t>(N))];
    }

private:
    uint64_t state_;
};

// FNV-1a over 8-byte slots. A NaN in any slot counts as one canonical NaN:
// which of two NaN operands an instruction passes on is not a result.
class Digest {
public:
    // With a trace, every slot digested is also written there in hex.
    explicit Digest(std::string* trace = nullptr) : trace_(trace) {}
    void slot(uint64_t bits) {
        if ((bits & 0x7FF0000000000000ULL) == 0x7FF0000000000000ULL && (bits & 0x000FFFFFFFFFFFFFULL) != 0) {
            bits = 0x7FF8000000000000ULL;
        }
        if (trace_) {
            static const char hex[] = "0123456789abcdef";
            if (!trace_->empty()) trace_->push_back(' ');
            for (int i = 15; i >= 0; --i) trace_->push_back(hex[(bits >> (4 * i)) & 0xF]);
        }
        for (int i = 0; i < 8; ++i) {
            hash_ ^= (bits >> (8 * i)) & 0xFF;
            hash_ *= 0x100000001B3ULL;
        }
    }
    void integer(int64_t v) { slot(static_cast<uint64_t>(v)); }
    template <class Record>
    void record(const Record& r) {
        static_assert(sizeof(Record) % 8 == 0, "records are 8-byte slots");
        for (size_t i = 0; i < sizeof(Record) / 8; ++i) {
            uint64_t bits;
            std::memcpy(&bits, reinterpret_cast<const unsigned char*>(&r) + 8 * i, 8);
            slot(bits);
        }
    }
    void text(const char* s, size_t n) {
        if (trace_) trace_->append(" \"").append(s, strnlen(s, n)).append("\"");
        for (size_t i = 0; i < n; ++i) {
            hash_ ^= static_cast<unsigned char>(s[i]);
            hash_ *= 0x100000001B3ULL;
        }
    }
    uint64_t value() const { return hash_; }

private:
    uint64_t hash_ = 0xCBF29CE484222325ULL;
    std::string* trace_;
};

// ---- Inputs ----------------------------------------------------------------

constexpr int64_t kCaseCount = 100000;
constexpr uint64_t kSeed = 0x7478'6C35'676F'6C64ULL;

// The kinds of case, by the range of case numbers they occupy.
enum class Kind { Calc, Local, Levy, Directory, Dates };

// The locality states and the codes their directory lists hand out, walked
// once through TXL5_Get_Prompt_Sized.
struct LocalityCodes {
    std::vector<int64_t> states;
    std::vector<std::vector<int64_t>> codes;  // per entry of `states`
    LocalityCodes() {
        for (int64_t state = 0; state <= 60; ++state) {
            WITHHOLDING_TAXBODY_INFO info{};
            info.state_code = state;
            char text[TXL5_PROMPT_MAX];
            info.entry_index = 0;
            TXL5_Get_Prompt_Sized(&info, text, sizeof text);
            if (info.entry_count <= 0) continue;
            std::vector<int64_t> list;
            for (int64_t i = 0; i < info.entry_count; ++i) {
                WITHHOLDING_TAXBODY_INFO e{};
                e.state_code = state;
                e.entry_index = i;
                TXL5_Get_Prompt_Sized(&e, text, sizeof text);
                list.push_back(e.locality_code);
            }
            states.push_back(state);
            codes.push_back(list);
        }
    }
    int64_t list_size_total() const {
        int64_t n = 0;
        for (const auto& c : codes) n += static_cast<int64_t>(c.size());
        return n;
    }
};

inline const LocalityCodes& locality_codes() {
    static const LocalityCodes codes;
    return codes;
}

// Mostly ordinary values, sometimes the extremes a caller's record may hold.
inline int64_t extreme_int(Rng& r) {
    static const int64_t specials[] = {0, -1, 1, 13, 32, 99999, 4294967296LL, std::numeric_limits<int64_t>::max(),
                                       std::numeric_limits<int64_t>::min(), std::numeric_limits<int64_t>::max() - 1,
                                       std::numeric_limits<int64_t>::min() + 1};
    return r.chance(50) ? r.one_of(specials) : static_cast<int64_t>(r.next());
}
inline double extreme_double(Rng& r) {
    static const double specials[] = {0.0, -0.0, -1.0, 1e308, -1e308, 9.3e18, -9.3e18, 1e15, -5000.0, 0.004,
                                      std::numeric_limits<double>::infinity(),
                                      -std::numeric_limits<double>::infinity(),
                                      std::numeric_limits<double>::quiet_NaN()};
    return r.one_of(specials);
}

// A wage amount: cents, spread over several orders of magnitude.
inline double money(Rng& r, double scale = 5000.0) {
    const int64_t band = r.pick(6);
    double top = scale;
    if (band == 0) top = scale / 50.0;
    if (band == 4) top = scale * 10.0;
    if (band == 5) top = scale * 100.0;
    const int64_t cents = r.pick(static_cast<int64_t>(top * 100.0) + 1);
    return static_cast<double>(cents) / 100.0;
}

struct Date {
    int64_t month, day, year;
};

// Dates within the tables' years and around their edges, sometimes invalid.
inline Date any_date(Rng& r) {
    const int64_t p = r.pick(100);
    if (p < 80) return {1 + r.pick(12), 1 + r.pick(31), 2024 + r.pick(3)};
    if (p < 86) {  // first and last days of years and months around the tables
        static const Date edges[] = {{1, 1, 2024},  {12, 31, 2024}, {1, 1, 2025},  {12, 31, 2025}, {1, 1, 2026},
                                     {12, 31, 2026}, {12, 31, 2023}, {1, 1, 2027}, {6, 30, 2024}, {7, 1, 2024},
                                     {6, 30, 2025}, {7, 1, 2025},   {2, 29, 2024}, {3, 1, 2026}, {9, 30, 2025},
                                     {10, 1, 2025}};
        return r.one_of(edges);
    }
    if (p < 92) return {1 + r.pick(12), 1 + r.pick(31), 2015 + r.pick(16)};
    if (p < 96) return {r.pick(15) - 1, r.pick(34) - 1, 2023 + r.pick(5)};
    Date d{1 + r.pick(12), 1 + r.pick(31), 2025};
    switch (r.pick(3)) {
        case 0: d.month = extreme_int(r); break;
        case 1: d.day = extreme_int(r); break;
        default: d.year = extreme_int(r); break;
    }
    return d;
}

inline int64_t pay_periods(Rng& r) {
    static const int64_t common[] = {52, 52, 52, 26, 26, 26, 24, 24, 12, 12, 4, 2, 1, 1, 260, 365, 0, -1, 13, 53};
    return r.one_of(common);
}

inline int64_t small(Rng& r, int64_t n) { return r.chance(2) ? extreme_int(r) : r.pick(n); }

// Any slot of a record given an extreme value, sometimes.
template <class Record>
void maybe_scramble(Rng& r, Record* record, int percent) {
    if (!r.chance(percent)) return;
    const size_t slot = static_cast<size_t>(r.pick(static_cast<int64_t>(sizeof(Record) / 8)));
    unsigned char* bytes = reinterpret_cast<unsigned char*>(record) + 8 * slot;
    if (r.chance(50)) {
        const int64_t v = extreme_int(r);
        std::memcpy(bytes, &v, 8);
    } else {
        const double v = extreme_double(r);
        std::memcpy(bytes, &v, 8);
    }
}

struct Paycheck {
    FEDERAL_WITHHOLDING_STRUC fed{};
    STATE_WITHHOLDING_STRUC state{};
    LOCAL_WITHHOLDING_STRUC local{};
};

// One employee's paycheck in `state_code`: the federal and state records as a
// payroll program fills them.
inline void fill_paycheck(Rng& r, int64_t state_code, Paycheck* p) {
    FEDERAL_WITHHOLDING_STRUC& f = p->fed;
    STATE_WITHHOLDING_STRUC& s = p->state;
    static const int64_t fed_versions[] = {165, 165, 165, 170, 200, 161, 129, 100};
    f.struc_version = r.one_of(fed_versions);
    f.allowances = r.chance(90) ? r.pick(7) : small(r, 20);
    const Date d = any_date(r);
    f.check_month = d.month;
    f.check_day = d.day;
    f.check_year = d.year;
    f.filing_status = r.chance(95) ? r.pick(4) : small(r, 6);
    f.pay_periods = pay_periods(r);
    f.gross_wages = money(r);
    f.fica_wages = r.chance(90) ? f.gross_wages : money(r);
    if (r.chance(20)) f.additional_fed_wh = money(r, 100.0);
    f.fica_exempt = r.chance(5);
    f.medicare_exempt = r.chance(5);
    if (r.chance(40)) f.ytd_fica_wages = money(r, 50000.0);
    if (r.chance(40)) f.ytd_medicare_wages = money(r, 80000.0);
    if (r.chance(35)) f.supplemental_wages = money(r, 10000.0);
    if (r.chance(15)) f.ytd_supplemental_wages = money(r, 400000.0);
    f.supp_aggregate = r.chance(90) ? r.pick(2) : r.pick(4);
    f.fed_exempt = r.chance(3);
    f.w4_2020 = r.chance(60);
    f.w4_multiple_jobs = r.chance(20);
    if (r.chance(25)) f.w4_dependents_credit = 500.0 * static_cast<double>(r.pick(9));
    if (r.chance(15)) f.w4_other_income = money(r, 20000.0);
    if (r.chance(15)) f.w4_deductions = money(r, 20000.0);
    f.nonresident_alien = r.chance(5);

    static const int64_t state_versions[] = {145, 145, 177, 213, 405, 404, 500, 120};
    s.struc_version = r.one_of(state_versions);
    s.state_code = state_code;
    s.state_allowances = r.chance(90) ? r.pick(7) : small(r, 30);
    s.state_filing_status = r.chance(95) ? r.pick(6) : small(r, 10);
    s.state_pay_periods = r.chance(92) ? f.pay_periods : pay_periods(r);
    s.state_wages = r.chance(90) ? f.gross_wages : money(r);
    if (r.chance(15)) s.additional_state_wh = money(r, 50.0);
    static const double az_percents[] = {0.0, 0.5, 1.0, 1.5, 2.0, 2.5, 3.0, 3.5, 5.1, 2.7, 3.6, 4.2};
    s.state_percent = r.one_of(az_percents);
    s.state_additional_allowances = r.pick(4);
    s.state_extra_count1 = r.pick(3);
    s.state_extra_count2 = r.pick(3);
    s.state_withholding_code = r.pick(8);
    if (r.chance(20)) s.state_wh_reduction = money(r, 100.0);
    s.state_additional_count = r.pick(4);
    s.state_dependency_credits = r.pick(4);
    s.state_form_check1 = r.pick(2);
    s.state_form_check2 = r.pick(2);
    s.state_form_check3 = r.pick(2);
    s.state_exempt = r.chance(5);
    s.state_rate_table = r.pick(7);
    s.state_dependents = r.pick(5);
    if (r.chance(30)) s.state_exemption_amount = 1000.0 * static_cast<double>(r.pick(20));
    s.state_form_code = r.pick(4);
    s.state_additional_allowances2 = r.pick(3);
    s.state_additional_count2 = r.pick(3);
    if (r.chance(35)) s.state_supplemental_wages = r.chance(80) ? f.supplemental_wages : money(r, 10000.0);
    s.state_supp_aggregate = r.chance(90) ? r.pick(2) : r.pick(4);
    s.state_supp_rate_choice = r.pick(3);
    s.pr_status = r.pick(5);
    s.pr_dependents = r.pick(4);
    s.pr_extra_exemption = r.pick(3);
    s.pr_allowances = r.pick(5);
    static const double form_options[] = {0.0, 1.0, 2.0, 3.0, 4.0, 0.5, 5.0};
    s.state_form_option = r.one_of(form_options);
    s.state_new_form = r.pick(3);
    s.state_form_flag2 = r.pick(2);
    s.state_form_flag3 = r.pick(2);
    if (r.chance(20)) s.state_form_amount1 = money(r, 5000.0);
    if (r.chance(20)) s.state_form_amount2 = money(r, 5000.0);
    maybe_scramble(r, &f, 3);
    maybe_scramble(r, &s, 3);
}

inline void fill_local(Rng& r, int64_t locality_code, Paycheck* p) {
    LOCAL_WITHHOLDING_STRUC& l = p->local;
    static const int64_t versions[] = {156, 156, 240, 240, 225, 130, 61, 60, 300, 100};
    l.struc_version = r.one_of(versions);
    l.locality_code = locality_code;
    l.local_allowances = r.pick(5);
    l.local_filing_status = r.pick(4);
    l.local_pay_periods = r.chance(92) ? p->fed.pay_periods : pay_periods(r);
    l.local_wages = r.chance(90) ? p->fed.gross_wages : money(r);
    if (r.chance(15)) l.additional_local_wh = money(r, 30.0);
    l.local_resident = r.chance(90) ? r.pick(2) : r.pick(4);
    if (r.chance(25)) l.local_rate = static_cast<double>(r.pick(300)) / 10000.0;
    if (r.chance(15)) l.local_max_tax = money(r, 500.0);
    if (r.chance(20)) l.ytd_local_wages = money(r, 50000.0);
    l.local_exemptions = r.pick(4);
    if (r.chance(20)) l.local_exemption_amount = money(r, 2000.0);
    if (r.chance(15)) l.local_deduction = money(r, 2000.0);
    if (r.chance(10)) l.local_annual_flat_tax = money(r, 100.0);
    l.local_tax_kind = r.pick(4);
    if (r.chance(35)) l.local_supplemental_wages = r.chance(80) ? p->fed.supplemental_wages : money(r, 10000.0);
    l.local_supp_aggregate = r.pick(3);
    maybe_scramble(r, &l, 3);
}

inline Kind kind_of(int64_t i) {
    if (i < 56000) return Kind::Calc;
    if (i < 80000) return Kind::Local;
    if (i < 94000) return Kind::Levy;
    if (i < 97000) return Kind::Directory;
    return Kind::Dates;
}

inline const char* kind_name(Kind k) {
    switch (k) {
        case Kind::Calc: return "TXL5_Calc";
        case Kind::Local: return "local entry points";
        case Kind::Levy: return "levies";
        case Kind::Directory: return "directory";
        case Kind::Dates: return "dates, rounding and table information";
    }
    return "";
}

inline Rng case_rng(int64_t i) {
    Rng seeder(kSeed ^ (static_cast<uint64_t>(i) * 0x2545F4914F6CDD1DULL));
    return Rng(seeder.next());
}

// ---- The calculations ------------------------------------------------------

// The federal and state call: any state code, any call type.
inline uint64_t run_calc(Rng& r, Paycheck* p, std::string* trace = nullptr, int64_t* call_type_out = nullptr) {
    const int64_t state_code = r.chance(96) ? r.pick(62) - 1 : extreme_int(r);
    fill_paycheck(r, state_code, p);
    static const int64_t call_types[] = {1, 1, 1, 1, 1, 1, 1, 0, 0, 2, 2, 11, 11, 12, 12, 3, -1};
    const int64_t call_type = r.one_of(call_types);
    if (call_type_out) *call_type_out = call_type;
    Digest d(trace);
    d.integer(TXL5_Calc(call_type, &p->fed, &p->state));
    d.record(p->fed);
    d.record(p->state);
    return d.value();
}

using LocalEntry = int64_t (*)(uint64_t, FEDERAL_WITHHOLDING_STRUC*, STATE_WITHHOLDING_STRUC*,
                               LOCAL_WITHHOLDING_STRUC*);

inline int64_t pick_locality(Rng& r, int64_t state_code) {
    const LocalityCodes& lc = locality_codes();
    for (size_t k = 0; k < lc.states.size(); ++k) {
        if (lc.states[k] != state_code) continue;
        const std::vector<int64_t>& codes = lc.codes[k];
        if (r.chance(85)) return codes[static_cast<size_t>(r.pick(static_cast<int64_t>(codes.size())))];
        if (r.chance(50)) return codes.back() + 1 + r.pick(5);
        return r.pick(100000);
    }
    return r.chance(50) ? r.pick(100) : r.pick(100000);
}

// The local entry points, mostly in the states with localities.
inline uint64_t run_local(Rng& r, Paycheck* p, std::string* trace = nullptr) {
    const LocalityCodes& lc = locality_codes();
    const int64_t state_code = r.chance(85) ? lc.states[static_cast<size_t>(r.pick(static_cast<int64_t>(lc.states.size())))]
                                            : r.pick(62) - 1;
    fill_paycheck(r, state_code, p);
    fill_local(r, pick_locality(r, state_code), p);
    if (state_code == 27) p->local.residence_locality_code = r.chance(70) ? pick_locality(r, 27) : 0;
    static const LocalEntry entries[] = {TXL5_Calc_Local, TXL5_Calc_Local, TXL5_Calc_Local, TXL5_Calc_County,
                                         TXL5_Calc_County, TXL5_Calc_Local_TEST, TXL5_Calc_City};
    const LocalEntry entry = r.one_of(entries);
    static const uint64_t call_types[] = {1, 1, 1, 1, 1, 1, 0, 2, 11, 11, 12, 12};
    const uint64_t call_type = r.one_of(call_types);
    Digest d(trace);
    d.integer(entry(call_type, &p->fed, &p->state, &p->local));
    d.record(p->fed);
    d.record(p->state);
    d.record(p->local);
    return d.value();
}

inline void levy_date(Rng& r, int64_t* month, int64_t* day, int64_t* year) {
    const Date d = any_date(r);
    *month = d.month;
    *day = d.day;
    *year = d.year;
}

inline int64_t levy_state(Rng& r) { return r.chance(97) ? r.pick(62) - 1 : extreme_int(r); }

inline uint64_t run_levy(Rng& r, std::string* trace = nullptr) {
    Digest d(trace);
    const int64_t which = r.pick(9);
    d.integer(which);
    switch (which) {
        case 0: {
            SDI_STRUC x{};
            x.struc_version = r.chance(50) ? 73 : r.pick(100);
            levy_date(r, &x.check_month, &x.check_day, &x.check_year);
            x.state_code = levy_state(r);
            x.sdi_wages = money(r);
            if (r.chance(40)) x.ytd_sdi_wages = money(r, 100000.0);
            if (r.chance(20)) x.sdi_rate = static_cast<double>(r.pick(200)) / 10000.0;
            if (r.chance(20)) x.employer_sdi_rate = static_cast<double>(r.pick(200)) / 10000.0;
            x.pay_periods = pay_periods(r);
            maybe_scramble(r, &x, 3);
            d.integer(SDI_Calc(&x));
            d.record(x);
            break;
        }
        case 1: {
            FAMLEAVE_STRUC x{};
            x.struc_version = r.chance(50) ? 109 : r.pick(200);
            levy_date(r, &x.check_month, &x.check_day, &x.check_year);
            x.state_code = levy_state(r);
            x.leave_wages = money(r);
            if (r.chance(40)) x.ytd_leave_wages = money(r, 100000.0);
            static const double shares[] = {0.0, 0.5, 1.0, 0.4, 0.6, 25.0, 50.0};
            x.leave_share = r.one_of(shares);
            x.leave_employer_tax = r.one_of(shares);
            x.leave_share_2 = r.one_of(shares);
            maybe_scramble(r, &x, 3);
            d.integer(FAMLEAVE_Calc(&x));
            d.record(x);
            break;
        }
        case 2: {
            SUI_STRUC x{};
            x.struc_version = r.chance(50) ? 81 : r.pick(100);
            levy_date(r, &x.check_month, &x.check_day, &x.check_year);
            x.state_code = levy_state(r);
            x.sui_wages = money(r);
            if (r.chance(40)) x.ytd_sui_wages = money(r, 60000.0);
            x.sui_rate = static_cast<double>(r.pick(800)) / 10000.0;
            if (r.chance(20)) x.employee_sui_rate = static_cast<double>(r.pick(100)) / 10000.0;
            maybe_scramble(r, &x, 3);
            d.integer(SUI_Calc(&x));
            d.record(x);
            break;
        }
        case 3: {
            ETT_STRUC x{};
            levy_date(r, &x.check_month, &x.check_day, &x.check_year);
            x.ett_wages = money(r);
            if (r.chance(40)) x.ytd_ett_wages = money(r, 10000.0);
            maybe_scramble(r, &x, 3);
            d.integer(ETT_Calc(&x));
            d.record(x);
            break;
        }
        case 4: {
            FUTA_STRUC x{};
            levy_date(r, &x.check_month, &x.check_day, &x.check_year);
            x.futa_wages = money(r);
            if (r.chance(40)) x.ytd_futa_wages = money(r, 10000.0);
            x.futa_rate = r.chance(70) ? 0.006 : static_cast<double>(r.pick(60)) / 1000.0;
            maybe_scramble(r, &x, 3);
            d.integer(FUTA_Calc(&x));
            d.record(x);
            break;
        }
        case 5: {
            WORKCOMP_STRUC x{};
            levy_date(r, &x.check_month, &x.check_day, &x.check_year);
            x.state_code = r.chance(70) ? 43 : levy_state(r);
            x.wc_fixed_hours = r.pick(2);
            x.wc_exempt = r.pick(2);
            x.wc_hours = static_cast<double>(r.pick(20000)) / 100.0;
            x.wc_employee_rate = static_cast<double>(r.pick(100)) / 1000.0;
            x.wc_employer_rate = static_cast<double>(r.pick(100)) / 1000.0;
            maybe_scramble(r, &x, 3);
            d.integer(WORKCOMP_Calc(&x));
            d.record(x);
            break;
        }
        case 6: {
            TT_STRUC x{};
            levy_date(r, &x.check_month, &x.check_day, &x.check_year);
            x.tt_wages = money(r);
            x.tt_rate = static_cast<double>(r.pick(100)) / 10000.0;
            maybe_scramble(r, &x, 3);
            d.integer(TT_Calc(&x));
            d.record(x);
            break;
        }
        case 7: {
            STATEOTHER_STRUC x{};
            x.levy_kind = r.chance(80) ? 1 : r.pick(4);
            levy_date(r, &x.check_month, &x.check_day, &x.check_year);
            x.state_code = r.chance(70) ? 56 : levy_state(r);
            x.pay_periods = pay_periods(r);
            x.other_wages = money(r);
            maybe_scramble(r, &x, 3);
            d.integer(StateOther_Calc(&x));
            d.record(x);
            break;
        }
        default: {
            AEIC_STRUC x{};
            levy_date(r, &x.aeic_month, &x.aeic_day, &x.aeic_year);
            if (r.chance(60)) x.aeic_year = 2000 + r.pick(12);
            x.aeic_spouse_certificate = r.pick(2);
            x.aeic_status = r.pick(4);
            x.aeic_pay_periods = pay_periods(r);
            x.aeic_wages = money(r, 800.0);
            if (r.chance(30)) x.aeic_ytd_wages = money(r, 20000.0);
            if (r.chance(20)) x.aeic_payment = money(r, 50.0);
            maybe_scramble(r, &x, 3);
            d.integer(TXL5_AEIC_Calc(&x));
            d.record(x);
            break;
        }
    }
    return d.value();
}

// Directory lookups: entries of every list (by number, in and out of range),
// through each of the lookup forms.
inline uint64_t run_directory(Rng& r, std::string* trace = nullptr) {
    const LocalityCodes& lc = locality_codes();
    WITHHOLDING_TAXBODY_INFO info{};
    info.state_code = r.chance(85) ? lc.states[static_cast<size_t>(r.pick(static_cast<int64_t>(lc.states.size())))]
                                   : r.pick(62) - 1;
    int64_t count = 0;
    for (size_t k = 0; k < lc.states.size(); ++k) {
        if (lc.states[k] == info.state_code) count = static_cast<int64_t>(lc.codes[k].size());
    }
    info.taxbody_kind = r.pick(3);
    info.entry_index = r.chance(90) && count > 0 ? r.pick(count) : (r.chance(50) ? count + r.pick(3) : extreme_int(r));
    char text[128];
    std::memset(text, 0x5A, sizeof text);
    Digest d(trace);
    const int64_t form = r.pick(3);
    d.integer(form);
    if (form == 0) {
        d.integer(TXL5_Get_Prompt(&info, text));
    } else {
        const size_t size = form == 1 ? sizeof text : static_cast<size_t>(r.pick(20));
        d.integer(TXL5_Get_Prompt_Sized(&info, text, size));
    }
    d.record(info);
    d.text(text, sizeof text);
    return d.value();
}

inline uint64_t run_dates(Rng& r, std::string* trace = nullptr) {
    Digest d(trace);
    const Date a = any_date(r);
    const Date b = any_date(r);
    const MDATE x{a.month, a.day, a.year};
    const MDATE y{b.month, b.day, b.year};
    int64_t years = -7, months = -7, days = -7;
    switch (r.pick(5)) {
        case 0: d.integer(DateDiff(x, y, &years, &months, &days)); break;
        case 1: d.integer(DateDifffy(x, y, &years, &months, &days)); break;
        case 2: d.integer(DateDiffh(x, y, &years, &months, &days)); break;
        case 3: {
            const double v = r.chance(80) ? static_cast<double>(r.pick(10000000)) / 1000.0 - 1000.0 : extreme_double(r);
            d.slot(0);
            const double u = dollarround(v);
            const double w = reallydollarround(v);
            uint64_t bits;
            std::memcpy(&bits, &u, 8);
            d.slot(bits);
            std::memcpy(&bits, &w, 8);
            d.slot(bits);
            break;
        }
        default: {
            TXL5_TABLE_INFO info{};
            info.info_month = x.month;
            info.info_day = x.day;
            info.info_year = x.year;
            info.info_item = r.chance(80) ? 1 : r.pick(4);
            d.integer(TXL5_Get_Table_Info(&info));
            d.record(info);
            const double base = TXL5_Get_FICA_Wagebase(x);
            uint64_t bits;
            std::memcpy(&bits, &base, 8);
            d.slot(bits);
            break;
        }
    }
    d.integer(years);
    d.integer(months);
    d.integer(days);
    return d.value();
}

// Runs case `i` and returns the digest of what it wrote (also in hex to
// `trace`, when given).
inline uint64_t run_case(int64_t i, std::string* trace = nullptr) {
    Rng r = case_rng(i);
    Paycheck p;
    switch (kind_of(i)) {
        case Kind::Calc: return run_calc(r, &p, trace);
        case Kind::Local: return run_local(r, &p, trace);
        case Kind::Levy: return run_levy(r, trace);
        case Kind::Directory: return run_directory(r, trace);
        case Kind::Dates: return run_dates(r, trace);
    }
    return 0;
}

// Every entry of every directory list, through the sized lookup, in one digest.
inline uint64_t directory_walk_digest() {
    Digest d;
    for (int64_t state = -1; state <= 61; ++state) {
        WITHHOLDING_TAXBODY_INFO probe{};
        probe.state_code = state;
        char text[TXL5_PROMPT_MAX];
        d.integer(TXL5_Get_Prompt_Sized(&probe, text, sizeof text));
        d.record(probe);
        for (int64_t i = 0; i < probe.entry_count; ++i) {
            WITHHOLDING_TAXBODY_INFO e{};
            e.state_code = state;
            e.entry_index = i;
            std::memset(text, 0, sizeof text);
            d.integer(TXL5_Get_Prompt_Sized(&e, text, sizeof text));
            d.record(e);
            d.text(text, sizeof text);
        }
    }
    return d.value();
}

}  // namespace txl5_golden

#endif  // TXL5_TESTS_GOLDEN_GOLDEN_CASES_H
