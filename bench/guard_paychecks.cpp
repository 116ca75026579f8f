// The fixed paychecks of the instruction-count guard (tools/callgrind-guard):
// `txl5_guard GROUP` prepares the group's records, then computes them in
// txl5_guard_run, the only function whose instructions callgrind counts
// (--collect-atstart=no --toggle-collect=txl5_guard_run), and prints how many
// paychecks that was. The records are the benchmarks' employees.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bench/kernel.h"
#include "core/txl5.h"

namespace {

using txl5_bench::Paycheck;

enum class Call { Federal, State, Local, GrossUp };

struct Group {
    const char* name;
    Call call;
    std::vector<int64_t> states;
    int64_t pay_periods;
    bool supplemental;
    int64_t locality;  // local groups
    size_t count;      // paychecks per state
};

const int64_t kAllStates[] = {1,  4,  5,  6,  7,  8,  9,  10, 13, 14, 15, 16, 17, 18, 19, 20,
                              21, 22, 23, 25, 26, 27, 28, 29, 30, 31, 32, 35, 36, 37, 38, 39,
                              40, 41, 42, 43, 45, 46, 47, 48, 52, 53, 54, 55, 57, 58};

std::vector<Group> groups() {
    const std::vector<int64_t> all(std::begin(kAllStates), std::end(kAllStates));
    return {
        {"federal-weekly", Call::Federal, {0}, 52, false, 0, 200},
        {"federal-annual-supplemental", Call::Federal, {0}, 1, true, 0, 200},
        {"california-weekly", Call::State, {6}, 52, false, 0, 200},
        {"states-weekly", Call::State, all, 52, false, 0, 10},
        {"states-weekly-supplemental", Call::State, all, 52, true, 0, 10},
        {"states-annual", Call::State, all, 1, false, 0, 10},
        {"pennsylvania-local", Call::Local, {45}, 52, false, 0, 50},
        {"ohio-local", Call::Local, {41}, 52, false, 0, 50},
        {"california-grossup", Call::GrossUp, {6}, 52, false, 0, 20},
    };
}

// The code nearest the end of a state's directory list.
int64_t last_code(int64_t state_code) {
    WITHHOLDING_TAXBODY_INFO info{};
    info.state_code = state_code;
    char text[TXL5_PROMPT_MAX];
    TXL5_Get_Prompt_Sized(&info, text, sizeof text);
    WITHHOLDING_TAXBODY_INFO e{};
    e.state_code = state_code;
    e.entry_index = info.entry_count - 1;
    TXL5_Get_Prompt_Sized(&e, text, sizeof text);
    return e.locality_code;
}

}  // namespace

extern "C" __attribute__((noinline)) int64_t txl5_guard_run(Call call, Paycheck* p, size_t n) {
    int64_t failures = 0;
    for (size_t i = 0; i < n; ++i) {
        switch (call) {
            case Call::Federal: failures += TXL5_Calc(0, &p[i].fed, &p[i].state) != 0; break;
            case Call::State: failures += TXL5_Calc(1, &p[i].fed, &p[i].state) != 0; break;
            case Call::Local: failures += TXL5_Calc_Local(1, &p[i].fed, &p[i].state, &p[i].local) != 0; break;
            case Call::GrossUp: failures += TXL5_Calc(11, &p[i].fed, &p[i].state) != 0; break;
        }
    }
    return failures;
}

int main(int argc, char** argv) {
    if (argc != 2) {
        for (const Group& g : groups()) std::printf("%s\n", g.name);
        return 0;
    }
    for (const Group& g : groups()) {
        if (std::strcmp(g.name, argv[1]) != 0) continue;
        std::vector<Paycheck> batch;
        for (int64_t state : g.states) {
            const int64_t code = g.call == Call::Local ? last_code(state) : 0;
            for (size_t k = 0; k < g.count; ++k) {
                Paycheck p = txl5_bench::employee(k, state, g.pay_periods, g.supplemental);
                p.state.state_filing_status = p.fed.filing_status;
                if (state == 8) p.state.state_withholding_code = 'A';
                if (g.call == Call::Local) txl5_bench::fill_local(&p, code);
                batch.push_back(p);
            }
        }
        const int64_t failures = txl5_guard_run(g.call, batch.data(), batch.size());
        std::printf("%s %zu paychecks %lld failed\n", g.name, batch.size(), static_cast<long long>(failures));
        return 0;
    }
    std::fprintf(stderr, "no group %s\n", argv[1]);
    return 2;
}
