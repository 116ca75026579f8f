// The fuzz targets' tables: every calculation and query entry point of the
// library, grouped by the records they take. Each entry reads its records
// from the input, calls the entry point between guard bytes and checks the
// call (fuzz/harness.h).
//
// The per-jurisdiction functions are declared weak here, so an entry whose
// function is not in the library is skipped rather than failing the link;
// every other entry point is required.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "core/txl5.h"
#include "fuzz/entry_lists.h"
#include "fuzz/harness.h"
#include "local/kentucky.h"
#include "states/oregon.h"
#include "states/puertorico.h"
#include "states/rhodeisland.h"

#define TXL5_WEAK_STATE(fn, code) \
    __attribute__((weak)) int64_t fn(FEDERAL_WITHHOLDING_STRUC*, STATE_WITHHOLDING_STRUC*);
#define TXL5_WEAK_LOCALITY(fn, code) \
    __attribute__((weak)) int64_t fn(FEDERAL_WITHHOLDING_STRUC*, STATE_WITHHOLDING_STRUC*, LOCAL_WITHHOLDING_STRUC*);
#define TXL5_WEAK_DIRECTORY(fn, code) __attribute__((weak)) int64_t fn(WITHHOLDING_TAXBODY_INFO*, char*);
TXL5_STATE_FUNCTIONS(TXL5_WEAK_STATE)
TXL5_LOCALITY_FUNCTIONS(TXL5_WEAK_LOCALITY)
TXL5_DIRECTORY_FUNCTIONS(TXL5_WEAK_DIRECTORY)

namespace txl5_fuzz {
namespace {

using Fed = FEDERAL_WITHHOLDING_STRUC;
using State = STATE_WITHHOLDING_STRUC;
using Local = LOCAL_WITHHOLDING_STRUC;

[[noreturn]] void broken(const char* entry, const char* what) {
    std::fprintf(stderr, "\ntxl5 robustness check failed in %s: %s\n", entry, what);
    std::fflush(stderr);
    std::abort();
}

// ---- Driver entry points: federal, state and local records -----------------

template <class Call>
void with_paycheck(const char* name, Input& in, Call call) {
    Arena arena;
    Fed* fed = arena.record<Fed>(in);
    State* state = arena.record<State>(in);
    Local* local = arena.record<Local>(in);
    arena.seal();
    const int64_t result = call(in.header().integer, fed, state, local);
    arena.check(name, result != 0);
}

std::vector<Entry> calc_entries() {
    return {
        {"TXL5_Calc", true,
         [](Input& in) {
             with_paycheck("TXL5_Calc", in, [](int64_t ct, Fed* f, State* s, Local*) { return TXL5_Calc(ct, f, s); });
         }},
        {"TXL5_Calc_Local", true,
         [](Input& in) {
             with_paycheck("TXL5_Calc_Local", in, [](int64_t ct, Fed* f, State* s, Local* l) {
                 return TXL5_Calc_Local(static_cast<uint64_t>(ct), f, s, l);
             });
         }},
        {"TXL5_Calc_County", true,
         [](Input& in) {
             with_paycheck("TXL5_Calc_County", in, [](int64_t ct, Fed* f, State* s, Local* l) {
                 return TXL5_Calc_County(static_cast<uint64_t>(ct), f, s, l);
             });
         }},
        {"TXL5_Calc_Local_TEST", true,
         [](Input& in) {
             with_paycheck("TXL5_Calc_Local_TEST", in, [](int64_t ct, Fed* f, State* s, Local* l) {
                 return TXL5_Calc_Local_TEST(static_cast<uint64_t>(ct), f, s, l);
             });
         }},
        {"TXL5_Calc_City", true,
         [](Input& in) {
             with_paycheck("TXL5_Calc_City", in, [](int64_t ct, Fed* f, State* s, Local* l) {
                 return TXL5_Calc_City(static_cast<uint64_t>(ct), f, s, l);
             });
         }},
        {"TXL5_Federal_Calc", true,
         [](Input& in) {
             with_paycheck("TXL5_Federal_Calc", in,
                           [](int64_t ct, Fed* f, State*, Local*) { return TXL5_Federal_Calc(ct, f); });
         }},
        {"TXL5_Federal_Supplemental", true,
         [](Input& in) {
             with_paycheck("TXL5_Federal_Supplemental", in,
                           [](int64_t ct, Fed* f, State*, Local*) { return TXL5_Federal_Supplemental(ct, f); });
         }},
    };
}

// ---- State calculations, called directly -----------------------------------

using StateFunction = int64_t (*)(Fed*, State*);

void state_call(const char* name, StateFunction fn, Input& in) {
    Arena arena;
    Fed* fed = arena.record<Fed>(in);
    State* state = arena.record<State>(in);
    arena.seal();
    const int64_t result = fn(fed, state);
    arena.check(name, result != 0);
}

// Helpers some states export: they take the records and amounts of their own.
template <class Call>
void with_state_records(const char* name, Input& in, Call call) {
    Arena arena;
    Fed* fed = arena.record<Fed>(in);
    State* state = arena.record<State>(in);
    arena.seal();
    const bool failed = call(in.header(), fed, state);
    arena.check(name, failed);
}

#define TXL5_STATE_ENTRY(fn, code) \
    Entry{#fn, &fn != nullptr, [](Input& in) { state_call(#fn, fn, in); }},

std::vector<Entry> state_entries() {
    return {
        TXL5_STATE_FUNCTIONS(TXL5_STATE_ENTRY)
        {"state_virginislands", true,
         [](Input& in) {
             with_state_records("state_virginislands", in, [](const Header& h, Fed* f, State* s) {
                 return state_virginislands(h.integer, f, s) != 0;
             });
         }},
        {"do_thetax", true,
         [](Input& in) {
             with_state_records("do_thetax", in,
                                [](const Header& h, Fed* f, State* s) { return do_thetax(h.amount, f, s) != 0; });
         }},
        {"adjust_exemption", true,
         [](Input& in) {
             with_state_records("adjust_exemption", in, [](const Header&, Fed* f, State* s) {
                 adjust_exemption(f, s);
                 return false;
             });
         }},
        {"get_fed_limit", true,
         [](Input& in) {
             with_state_records("get_fed_limit", in, [](const Header& h, Fed* f, State* s) {
                 get_fed_limit(f, s, static_cast<long>(h.integer), static_cast<long>(h.integer2), h.amount);
                 return false;
             });
         }},
        {"get_exemption_limit", true,
         [](Input& in) {
             with_state_records("get_exemption_limit", in, [](const Header& h, Fed* f, State* s) {
                 get_exemption_limit(f, s, static_cast<long>(h.integer), h.amount);
                 return false;
             });
         }},
        {"special_2010", true,
         [](Input& in) {
             with_state_records("special_2010", in, [](const Header& h, Fed*, State*) {
                 special_2010(h.amount, static_cast<long>(h.integer), static_cast<long>(h.integer2));
                 return false;
             });
         }},
    };
}

// ---- Locality functions, called directly -------------------------------------

using LocalityFunction = int64_t (*)(Fed*, State*, Local*);

void locality_call(const char* name, LocalityFunction fn, Input& in) {
    with_paycheck(name, in, [fn](int64_t, Fed* f, State* s, Local* l) { return fn(f, s, l); });
}

// A Kentucky schedule's tax from row i of one of the library's tables (i
// within the table), or of a table of the caller's own (up to four rows from
// the input, then the end row).
void kentucky_schedule(const char* name, const KY_LOCAL_STRUCT* library_table, Input& in) {
    const Header& h = in.header();
    TXL5_TABLE_INFO info;
    in.take(&info, sizeof info);
    Arena arena;
    KY_LOCAL_STRUCT* rows = nullptr;
    long rows_in_table = 0;
    if (library_table) {
        while (library_table[rows_in_table].ky_code != 0) ++rows_in_table;
        rows = const_cast<KY_LOCAL_STRUCT*>(library_table);
    } else {
        rows_in_table = 1 + static_cast<long>(static_cast<uint64_t>(h.integer) % 4);
        rows = static_cast<KY_LOCAL_STRUCT*>(arena.unwritable(sizeof(KY_LOCAL_STRUCT) * (rows_in_table + 1), in));
        for (long r = 0; r <= rows_in_table; ++r) rows[r].ky_name = nullptr;
        std::memset(&rows[rows_in_table], 0, sizeof(KY_LOCAL_STRUCT));
    }
    const long i = static_cast<long>(static_cast<uint64_t>(h.integer2) % static_cast<uint64_t>(rows_in_table + 1));
    arena.seal();
    ltaxcalc(h.amount, i, rows, info);
    arena.check(name, false);
}

#define TXL5_LOCALITY_ENTRY(fn, code) \
    Entry{#fn, &fn != nullptr, [](Input& in) { locality_call(#fn, fn, in); }},

std::vector<Entry> locality_entries() {
    return {
        TXL5_LOCALITY_FUNCTIONS(TXL5_LOCALITY_ENTRY)
        {"ltaxcalc(kylocalcity)", true, [](Input& in) { kentucky_schedule("ltaxcalc(kylocalcity)", kylocalcity, in); }},
        {"ltaxcalc(kylocalcounty)", true,
         [](Input& in) { kentucky_schedule("ltaxcalc(kylocalcounty)", kylocalcounty, in); }},
        {"ltaxcalc(kylocalschool)", true,
         [](Input& in) { kentucky_schedule("ltaxcalc(kylocalschool)", kylocalschool, in); }},
        {"ltaxcalc(kymentalcounty)", true,
         [](Input& in) { kentucky_schedule("ltaxcalc(kymentalcounty)", kymentalcounty, in); }},
        {"ltaxcalc(caller's table)", true,
         [](Input& in) { kentucky_schedule("ltaxcalc(caller's table)", nullptr, in); }},
    };
}

// ---- Payroll levies ------------------------------------------------------------

template <class Record>
void levy_call(const char* name, int64_t (*fn)(Record*), Input& in) {
    Arena arena;
    Record* record = arena.record<Record>(in);
    arena.seal();
    const int64_t result = fn(record);
    arena.check(name, result != 0);
}

#define TXL5_LEVY_ENTRY(fn) Entry{#fn, true, [](Input& in) { levy_call(#fn, fn, in); }}

std::vector<Entry> levy_entries() {
    return {
        TXL5_LEVY_ENTRY(SDI_Calc),  TXL5_LEVY_ENTRY(FAMLEAVE_Calc),   TXL5_LEVY_ENTRY(SUI_Calc),
        TXL5_LEVY_ENTRY(ETT_Calc),  TXL5_LEVY_ENTRY(FUTA_Calc),       TXL5_LEVY_ENTRY(WORKCOMP_Calc),
        TXL5_LEVY_ENTRY(TT_Calc),   TXL5_LEVY_ENTRY(StateOther_Calc), TXL5_LEVY_ENTRY(TXL5_AEIC_Calc),
    };
}

// ---- Queries, the locality directory, dates and rounding ---------------------

void table_info(const char* name, int64_t (*fn)(TXL5_TABLE_INFO*), Input& in) {
    Arena arena;
    TXL5_TABLE_INFO* info = arena.record<TXL5_TABLE_INFO>(in);
    arena.seal();
    const int64_t result = fn(info);
    arena.check(name, result != 0);
    if (info && (result < 0 || result > 2)) broken(name, "answered outside its result codes");
    if (info && !std::isfinite(info->info_value)) broken(name, "answered a value that is not finite");
}

// A directory lookup that is not told the buffer's size: the buffer is the
// size the interface promises to stay within.
void directory(const char* name, int64_t (*fn)(WITHHOLDING_TAXBODY_INFO*, char*), Input& in) {
    Arena arena;
    WITHHOLDING_TAXBODY_INFO* info = arena.record<WITHHOLDING_TAXBODY_INFO>(in);
    char* text = (in.header().integer2 & 1) ? nullptr : arena.text(TXL5_PROMPT_MAX);
    arena.seal();
    const int64_t length = fn(info, text);
    arena.check(name, false);
    if (length < 0 || length >= TXL5_PROMPT_MAX) broken(name, "answered a length outside its buffer");
}

#define TXL5_DIRECTORY_ENTRY(fn, code) \
    Entry{#fn, &fn != nullptr, [](Input& in) { directory(#fn, fn, in); }},

void date_difference(const char* name, int64_t (*fn)(MDATE, MDATE, int64_t*, int64_t*, int64_t*), Input& in) {
    Arena arena;
    MDATE a, b;
    in.take(&a, sizeof a);
    in.take(&b, sizeof b);
    int64_t* out = arena.integers(3);
    arena.seal();
    fn(a, b, &out[0], &out[1], &out[2]);
    arena.check(name, false);
}

void rounding(const char* name, double (*fn)(double), Input& in) {
    const double x = in.header().amount;
    const double rounded = fn(x);
    if (std::isfinite(x) && !std::isfinite(rounded)) broken(name, "rounded a finite amount to one that is not");
}

std::vector<Entry> query_entries() {
    return {
        {"TXL5_Get_Table_Info", true, [](Input& in) { table_info("TXL5_Get_Table_Info", TXL5_Get_Table_Info, in); }},
        {"local_TXL5_Get_Table_Info", true,
         [](Input& in) { table_info("local_TXL5_Get_Table_Info", local_TXL5_Get_Table_Info, in); }},
        {"TXL5_Get_Prompt", true, [](Input& in) { directory("TXL5_Get_Prompt", TXL5_Get_Prompt, in); }},
        {"TXL5_Get_Prompt_Sized", true,
         [](Input& in) {
             Arena arena;
             WITHHOLDING_TAXBODY_INFO* info = arena.record<WITHHOLDING_TAXBODY_INFO>(in);
             const uint64_t n = static_cast<uint64_t>(in.header().integer2);
             const size_t size = static_cast<size_t>(n % 160);
             char* text = (n >> 32 & 1) ? nullptr : arena.text(size);
             arena.seal();
             const int64_t length = TXL5_Get_Prompt_Sized(info, text, size);
             arena.check("TXL5_Get_Prompt_Sized", false);
             if (length < 0) broken("TXL5_Get_Prompt_Sized", "answered a negative length");
             if (text && size > 0 && length > 0 && std::memchr(text, '\0', size) == nullptr) {
                 broken("TXL5_Get_Prompt_Sized", "left its text without a terminating NUL");
             }
         }},
        TXL5_DIRECTORY_FUNCTIONS(TXL5_DIRECTORY_ENTRY)
        {"TXL5_Get_Build_Info", true,
         [](Input& in) {
             Arena arena;
             char* text = (in.header().integer2 & 1) ? nullptr : arena.text(21);
             arena.seal();
             TXL5_Get_Build_Info(text);
             arena.check("TXL5_Get_Build_Info", false);
         }},
        {"TXL5_Get_FICA_Wagebase", true,
         [](Input& in) {
             MDATE date;
             in.take(&date, sizeof date);
             if (!std::isfinite(TXL5_Get_FICA_Wagebase(date))) {
                 broken("TXL5_Get_FICA_Wagebase", "answered a value that is not finite");
             }
         }},
        {"DateDiff", true, [](Input& in) { date_difference("DateDiff", DateDiff, in); }},
        {"DateDifffy", true, [](Input& in) { date_difference("DateDifffy", DateDifffy, in); }},
        {"DateDiffh", true, [](Input& in) { date_difference("DateDiffh", DateDiffh, in); }},
        {"dollarround", true, [](Input& in) { rounding("dollarround", dollarround, in); }},
        {"reallydollarround", true, [](Input& in) { rounding("reallydollarround", reallydollarround, in); }},
        {"TXL5_Version", true,
         [](Input&) {
             if (!std::isfinite(TXL5_Version()) || !std::isfinite(TXL5_Table_Version())) {
                 broken("TXL5_Version", "answered a version that is not finite");
             }
         }},
    };
}

}  // namespace

const char* target_name(Target target) {
    switch (target) {
        case Target::Calc: return "calc";
        case Target::State: return "state";
        case Target::Locality: return "locality";
        case Target::Levy: return "levy";
        case Target::Query: return "query";
    }
    return "?";
}

const std::vector<Entry>& entries(Target target) {
    static const std::vector<Entry> tables[] = {calc_entries(), state_entries(), locality_entries(), levy_entries(),
                                                query_entries()};
    return tables[static_cast<int>(target)];
}

const Entry& pick(Target target, uint8_t selector) {
    const std::vector<Entry>& table = entries(target);
    const size_t start = selector % table.size();
    for (size_t k = 0; k < table.size(); ++k) {
        const Entry& e = table[(start + k) % table.size()];
        if (e.available) return e;
    }
    return table[0];
}

int selector_of(Target target, const std::string& name) {
    const std::vector<Entry>& table = entries(target);
    for (size_t i = 0; i < table.size(); ++i) {
        if (name == table[i].name) return static_cast<int>(i);
    }
    return -1;
}

void run_input(Target target, const uint8_t* data, size_t size) {
    Input in(data, size);
    pick(target, in.header().selector).run(in);
}

}  // namespace txl5_fuzz
