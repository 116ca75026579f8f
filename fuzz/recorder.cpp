// The seed recorder: a library preloaded into the test suite that writes
// every paycheck, levy and query the tests compute as an input of the fuzz
// target that reaches the same entry point, then forwards the call to the
// library. The fuzzers start from these seeds, so they begin at the test
// paychecks of every state and locality rather than at random bytes.
//
//   LD_PRELOAD=libtxl5_seed_recorder.so TXL5_SEED_DIR=dir ./txl5_tests
//
// writes dir/<target>/<hash>. A paycheck through a driver entry point is also
// written as a direct call of its state's calculation and of its locality
// function. At most kSeedsPerKey inputs are kept for each entry point and
// state code, so a test that loops over thousands of paychecks does not
// crowd out the others.
#include <dlfcn.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <mutex>
#include <string>
#include <tuple>

#include "core/txl5.h"
#include "fuzz/entry_lists.h"
#include "fuzz/harness.h"

namespace {

using txl5_fuzz::Header;
using txl5_fuzz::InputWriter;
using txl5_fuzz::Target;

constexpr int kSeedsPerKey = 12;

// Programs the tests start (nm, the generators) run without the recorder.
__attribute__((constructor)) void leave_children_alone() { unsetenv("LD_PRELOAD"); }

std::mutex& lock() {
    static std::mutex m;
    return m;
}

const char* seed_dir() {
    static const char* dir = std::getenv("TXL5_SEED_DIR");
    return dir;
}

uint64_t fnv1a(const std::vector<uint8_t>& bytes) {
    uint64_t h = 14695981039346656037ull;
    for (uint8_t b : bytes) h = (h ^ b) * 1099511628211ull;
    return h;
}

// Writes one input unless its key has enough already.
void save(Target target, const std::string& entry, int64_t code, const InputWriter& input) {
    if (!seed_dir()) return;
    std::lock_guard<std::mutex> guard(lock());
    static std::map<std::tuple<int, std::string, int64_t>, int> kept;
    const int64_t bucket = code >= 0 && code <= 60 ? code : -1;
    int& count = kept[std::make_tuple(static_cast<int>(target), entry, bucket)];
    if (count >= kSeedsPerKey) return;
    ++count;
    const std::string dir = std::string(seed_dir()) + "/" + txl5_fuzz::target_name(target);
    mkdir(seed_dir(), 0755);
    mkdir(dir.c_str(), 0755);
    char name[32];
    std::snprintf(name, sizeof name, "/%016llx", static_cast<unsigned long long>(fnv1a(input.bytes())));
    if (FILE* f = std::fopen((dir + name).c_str(), "wb")) {
        std::fwrite(input.bytes().data(), 1, input.bytes().size(), f);
        std::fclose(f);
    }
}

Header header_for(Target target, const std::string& entry, int64_t integer = 0) {
    Header h;
    const int selector = txl5_fuzz::selector_of(target, entry);
    h.selector = static_cast<uint8_t>(selector < 0 ? 0 : selector);
    h.integer = integer;
    return h;
}

template <class Record>
void add(InputWriter& w, const Record* r) {
    Record zero{};
    w.add(r ? r : &zero, sizeof(Record));
}

// The state calculation and locality function a state code reaches directly.
const char* state_function_name(int64_t code) {
#define TXL5_NAME_OF(fn, c) \
    if (code == c) return #fn;
    TXL5_STATE_FUNCTIONS(TXL5_NAME_OF)
#undef TXL5_NAME_OF
    return nullptr;
}

const char* locality_function_name(int64_t code) {
#define TXL5_NAME_OF(fn, c) \
    if (code == c && c != 0) return #fn;
    TXL5_LOCALITY_FUNCTIONS(TXL5_NAME_OF)
#undef TXL5_NAME_OF
    return nullptr;
}

void save_state(const std::string& entry, const FEDERAL_WITHHOLDING_STRUC* fed, const STATE_WITHHOLDING_STRUC* state,
                int64_t integer = 0) {
    InputWriter w(header_for(Target::State, entry, integer));
    add(w, fed);
    add(w, state);
    save(Target::State, entry, state ? state->state_code : -1, w);
}

void save_locality(const std::string& entry, const FEDERAL_WITHHOLDING_STRUC* fed,
                   const STATE_WITHHOLDING_STRUC* state, const LOCAL_WITHHOLDING_STRUC* local) {
    InputWriter w(header_for(Target::Locality, entry));
    add(w, fed);
    add(w, state);
    add(w, local);
    save(Target::Locality, entry, state ? state->state_code : -1, w);
}

// A paycheck through a driver entry point, and the direct calls it implies.
void save_paycheck(const std::string& entry, int64_t call_type, const FEDERAL_WITHHOLDING_STRUC* fed,
                   const STATE_WITHHOLDING_STRUC* state, const LOCAL_WITHHOLDING_STRUC* local) {
    InputWriter w(header_for(Target::Calc, entry, call_type));
    add(w, fed);
    add(w, state);
    add(w, local);
    const int64_t code = state ? state->state_code : -1;
    save(Target::Calc, entry, code, w);
    if (!state) return;
    if (const char* direct = state_function_name(code)) save_state(direct, fed, state);
    if (code == 54) save_state("state_virginislands", fed, state, call_type);
    if (local) {
        if (const char* direct = locality_function_name(code)) save_locality(direct, fed, state, local);
        save_locality("default_local", fed, state, local);
    }
}

template <class Record>
void save_levy(const std::string& entry, const Record* record, int64_t code) {
    InputWriter w(header_for(Target::Levy, entry));
    add(w, record);
    save(Target::Levy, entry, code, w);
}

template <class Record>
void save_query(const std::string& entry, const Record* record, int64_t code, int64_t integer2 = 0) {
    Header h = header_for(Target::Query, entry);
    h.integer2 = integer2;
    InputWriter w(h);
    add(w, record);
    save(Target::Query, entry, code, w);
}

// The library's own definition of a function this library replaces.
template <class F>
F next(F self) {
    Dl_info info;
    if (!dladdr(reinterpret_cast<void*>(self), &info) || !info.dli_sname) std::abort();
    void* found = dlsym(RTLD_NEXT, info.dli_sname);
    if (!found) std::abort();
    return reinterpret_cast<F>(found);
}

}  // namespace

#define TXL5_FORWARD(fn, ...)                   \
    static const auto real = next(&fn);         \
    return real(__VA_ARGS__)

using Fed = FEDERAL_WITHHOLDING_STRUC;
using State = STATE_WITHHOLDING_STRUC;
using Local = LOCAL_WITHHOLDING_STRUC;

int64_t TXL5_Calc(int64_t call_type, Fed* fed, State* state) {
    save_paycheck("TXL5_Calc", call_type, fed, state, nullptr);
    TXL5_FORWARD(TXL5_Calc, call_type, fed, state);
}

int64_t TXL5_Calc_Local(uint64_t call_type, Fed* fed, State* state, Local* local) {
    save_paycheck("TXL5_Calc_Local", static_cast<int64_t>(call_type), fed, state, local);
    TXL5_FORWARD(TXL5_Calc_Local, call_type, fed, state, local);
}

int64_t TXL5_Calc_County(uint64_t call_type, Fed* fed, State* state, Local* local) {
    save_paycheck("TXL5_Calc_County", static_cast<int64_t>(call_type), fed, state, local);
    TXL5_FORWARD(TXL5_Calc_County, call_type, fed, state, local);
}

int64_t TXL5_Calc_Local_TEST(uint64_t call_type, Fed* fed, State* state, Local* local) {
    save_paycheck("TXL5_Calc_Local_TEST", static_cast<int64_t>(call_type), fed, state, local);
    TXL5_FORWARD(TXL5_Calc_Local_TEST, call_type, fed, state, local);
}

int64_t TXL5_Federal_Calc(int64_t call_type, Fed* fed) {
    save_paycheck("TXL5_Federal_Calc", call_type, fed, nullptr, nullptr);
    TXL5_FORWARD(TXL5_Federal_Calc, call_type, fed);
}

int64_t TXL5_Federal_Supplemental(int64_t call_type, Fed* fed) {
    save_paycheck("TXL5_Federal_Supplemental", call_type, fed, nullptr, nullptr);
    TXL5_FORWARD(TXL5_Federal_Supplemental, call_type, fed);
}

int64_t state_virginislands(int64_t call_type, Fed* fed, State* state) {
    save_state("state_virginislands", fed, state, call_type);
    TXL5_FORWARD(state_virginislands, call_type, fed, state);
}

#define TXL5_RECORD_STATE(fn, code)  \
    int64_t fn(Fed* fed, State* state) { \
        save_state(#fn, fed, state);     \
        TXL5_FORWARD(fn, fed, state);    \
    }
TXL5_STATE_FUNCTIONS(TXL5_RECORD_STATE)

#define TXL5_RECORD_LOCALITY(fn, code)             \
    int64_t fn(Fed* fed, State* state, Local* local) { \
        save_locality(#fn, fed, state, local);         \
        TXL5_FORWARD(fn, fed, state, local);           \
    }
TXL5_LOCALITY_FUNCTIONS(TXL5_RECORD_LOCALITY)

#define TXL5_RECORD_LEVY(fn, Record, code_field)                  \
    int64_t fn(Record* record) {                                  \
        save_levy(#fn, record, record ? record->code_field : -1); \
        TXL5_FORWARD(fn, record);                                 \
    }
TXL5_RECORD_LEVY(SDI_Calc, SDI_STRUC, state_code)
TXL5_RECORD_LEVY(FAMLEAVE_Calc, FAMLEAVE_STRUC, state_code)
TXL5_RECORD_LEVY(SUI_Calc, SUI_STRUC, state_code)
TXL5_RECORD_LEVY(ETT_Calc, ETT_STRUC, check_year)
TXL5_RECORD_LEVY(FUTA_Calc, FUTA_STRUC, check_year)
TXL5_RECORD_LEVY(WORKCOMP_Calc, WORKCOMP_STRUC, state_code)
TXL5_RECORD_LEVY(TT_Calc, TT_STRUC, check_year)
TXL5_RECORD_LEVY(StateOther_Calc, STATEOTHER_STRUC, state_code)
TXL5_RECORD_LEVY(TXL5_AEIC_Calc, AEIC_STRUC, aeic_status)

int64_t TXL5_Get_Table_Info(TXL5_TABLE_INFO* info) {
    save_query("TXL5_Get_Table_Info", info, info ? info->info_item : -1);
    TXL5_FORWARD(TXL5_Get_Table_Info, info);
}

int64_t TXL5_Get_Prompt(WITHHOLDING_TAXBODY_INFO* info, char* text) {
    save_query("TXL5_Get_Prompt", info, info ? info->state_code : -1);
    TXL5_FORWARD(TXL5_Get_Prompt, info, text);
}

int64_t TXL5_Get_Prompt_Sized(WITHHOLDING_TAXBODY_INFO* info, char* text, size_t size) {
    save_query("TXL5_Get_Prompt_Sized", info, info ? info->state_code : -1, static_cast<int64_t>(size));
    TXL5_FORWARD(TXL5_Get_Prompt_Sized, info, text, size);
}

#define TXL5_RECORD_DIRECTORY(fn, code)                      \
    int64_t fn(WITHHOLDING_TAXBODY_INFO* info, char* text) { \
        save_query(#fn, info, code);                         \
        TXL5_FORWARD(fn, info, text);                        \
    }
TXL5_DIRECTORY_FUNCTIONS(TXL5_RECORD_DIRECTORY)
