// Throughput of the calculations: one paycheck through TXL5_Calc for every
// state in the build (weekly and annual pay, with and without supplemental
// wages), the federal part alone, each local entry point in each state with
// localities (Pennsylvania's and Ohio's registers at codes near their ends),
// regular and bonus gross-ups, each levy, a walk through the largest directory
// list, and the reference kernel: the same paychecks computed from the few
// rows they use, found beforehand, with none of the look-ups.
//
// Every benchmark cycles through 64 employees (wages, filing status,
// allowances and certificate vary) and copies the records from their templates
// before each call, as a payroll run fills them; items are paychecks (calls).
// Setup checks that every paycheck computes without a failure, so no figure
// measures an early error exit.
//
//   build/bench/txl5_bench                 all benchmarks
//   build/bench/txl5_bench --smoke         each once, checked (ctest)
//   tools/bench-report                     paychecks per second per group
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bench/kernel.h"
#include "core/txl5.h"

namespace {

const char* const kStateNames[] = {"",   "AL", "AK", "AS", "AZ", "AR", "CA", "CO", "CT", "DE", "DC", "FM",
                                   "FL", "GA", "GU", "HI", "ID", "IL", "IN", "IA", "KS", "KY", "LA", "ME",
                                   "MH", "MD", "MA", "MI", "MN", "MS", "MO", "MT", "NE", "NV", "NH", "NJ",
                                   "NM", "NY", "NC", "ND", "MP", "OH", "OK", "OR", "PW", "PA", "PR", "RI",
                                   "SC", "SD", "TN", "TX", "UT", "VT", "VI", "VA", "WA", "WV", "WI", "WY"};

using txl5_bench::Paycheck;

constexpr size_t kBatch = 64;
int g_setup_failures = 0;

void setup_failure(const std::string& what) {
    ++g_setup_failures;
    std::fprintf(stderr, "setup: %s\n", what.c_str());
}

// Runs `call` over the batch, copying each paycheck from its template first.
template <class Call>
void run_batch(benchmark::State& st, const std::vector<Paycheck>& batch, Call call) {
    size_t i = 0;
    for (auto _ : st) {
        Paycheck p = batch[i];
        i = (i + 1) % batch.size();
        benchmark::DoNotOptimize(call(p));
        benchmark::ClobberMemory();
    }
    st.SetItemsProcessed(static_cast<int64_t>(st.iterations()));
}

// A state's paycheck that computes: the first filing status (and
// Connecticut-style withholding code) among a few that the state takes.
bool fit_state(Paycheck* p, int64_t call_type) {
    static const int64_t statuses[] = {1, 0, 2, 3, 4, 5};
    // Connecticut's withholding codes are the letters A to F.
    for (int64_t code : {p->state.state_withholding_code, int64_t{'A'}, int64_t{'B'}, int64_t{'C'}, int64_t{'D'},
                         int64_t{'F'}}) {
        for (int64_t status : statuses) {
            Paycheck trial = *p;
            trial.state.state_filing_status = status;
            trial.state.state_withholding_code = code;
            if (TXL5_Calc(call_type, &trial.fed, &trial.state) == 0) {
                p->state.state_filing_status = status;
                p->state.state_withholding_code = code;
                return true;
            }
        }
    }
    return false;
}

// A batch of paychecks that compute. Every state computes weekly pay; a
// state without an annual schedule (the Northern Mariana Islands) gets no
// annual benchmark, said on stderr.
std::vector<Paycheck> state_batch(int64_t state_code, int64_t pay_periods, bool supplemental) {
    std::vector<Paycheck> out;
    for (size_t k = 0; k < kBatch; ++k) {
        Paycheck p = txl5_bench::employee(k, state_code, pay_periods, supplemental);
        if (state_code > 0 && !fit_state(&p, 1)) {
            const std::string what = std::string("no computing paycheck in ") + kStateNames[state_code] + " for " +
                                     std::to_string(pay_periods) + " pay periods";
            if (pay_periods == 52) {
                setup_failure(what);
            } else if (!supplemental) {
                std::fprintf(stderr, "skipped: %s\n", what.c_str());
            }
            return {};
        }
        out.push_back(p);
    }
    return out;
}

bool state_built(int64_t state_code) {
    Paycheck p = txl5_bench::employee(0, state_code, 52, false);
    TXL5_Calc(1, &p.fed, &p.state);
    return p.state.state_error != 3;
}

bool has_income_tax(int64_t state_code) {
    static const int64_t none[] = {2, 12, 33, 34, 49, 50, 51, 56, 59};
    for (int64_t n : none) {
        if (n == state_code) return false;
    }
    return state_built(state_code);
}

void register_calc() {
    for (int64_t periods : {int64_t{52}, int64_t{1}}) {
        const std::string freq = periods == 52 ? "weekly" : "annual";
        for (bool supp : {false, true}) {
            const std::string suffix = freq + (supp ? "/supplemental" : "/regular");
            auto batch = state_batch(0, periods, supp);
            benchmark::RegisterBenchmark(("federal/" + suffix).c_str(), [batch](benchmark::State& st) {
                run_batch(st, batch, [](Paycheck& p) { return TXL5_Calc(0, &p.fed, &p.state); });
            });
        }
    }
    for (int64_t code = 1; code <= 59; ++code) {
        if (!has_income_tax(code)) continue;
        for (int64_t periods : {int64_t{52}, int64_t{1}}) {
            for (bool supp : {false, true}) {
                auto batch = state_batch(code, periods, supp);
                if (batch.size() != kBatch) continue;
                const std::string name = std::string("state/") + kStateNames[code] + "/" +
                                         (periods == 52 ? "weekly" : "annual") + (supp ? "/supplemental" : "/regular");
                benchmark::RegisterBenchmark(name.c_str(), [batch](benchmark::State& st) {
                    run_batch(st, batch, [](Paycheck& p) { return TXL5_Calc(1, &p.fed, &p.state); });
                });
            }
        }
    }
}

using LocalEntry = int64_t (*)(uint64_t, FEDERAL_WITHHOLDING_STRUC*, STATE_WITHHOLDING_STRUC*,
                               LOCAL_WITHHOLDING_STRUC*);

struct Entry {
    const char* name;
    LocalEntry fn;
};
const Entry kEntries[] = {{"Local", TXL5_Calc_Local},
                          {"County", TXL5_Calc_County},
                          {"Local_TEST", TXL5_Calc_Local_TEST},
                          {"City", TXL5_Calc_City}};

// The directory codes of a state's list, in list order.
std::vector<int64_t> directory_codes(int64_t state_code) {
    std::vector<int64_t> codes;
    WITHHOLDING_TAXBODY_INFO info{};
    info.state_code = state_code;
    char text[TXL5_PROMPT_MAX];
    TXL5_Get_Prompt_Sized(&info, text, sizeof text);
    for (int64_t i = 0; i < info.entry_count; ++i) {
        WITHHOLDING_TAXBODY_INFO e{};
        e.state_code = state_code;
        e.entry_index = i;
        TXL5_Get_Prompt_Sized(&e, text, sizeof text);
        codes.push_back(e.locality_code);
    }
    return codes;
}

// A weekly paycheck batch in `state_code` with the locality code nearest the
// end of the state's list whose tax computes through TXL5_Calc_Local.
std::vector<Paycheck> local_batch(int64_t state_code, int64_t* code_used) {
    std::vector<Paycheck> batch = state_batch(state_code, 52, false);
    const std::vector<int64_t> codes = directory_codes(state_code);
    for (size_t back = 1; back <= codes.size() && back < 200; ++back) {
        const int64_t code = codes[codes.size() - back];
        bool all = !batch.empty();
        for (Paycheck& p : batch) {
            txl5_bench::fill_local(&p, code);
            Paycheck trial = p;
            if (TXL5_Calc_Local(1, &trial.fed, &trial.state, &trial.local) != 0 || trial.local.local_error != 0 ||
                trial.local.local_tax == 0.0) {
                all = false;
                break;
            }
        }
        if (all) {
            *code_used = code;
            return batch;
        }
    }
    setup_failure(std::string("no computing locality in ") + kStateNames[state_code]);
    return {};
}

void register_local() {
    static const int64_t states[] = {1, 7, 9, 18, 21, 25, 27, 30, 37, 41, 45};
    for (int64_t code : states) {
        int64_t locality = 0;
        const std::vector<Paycheck> batch = local_batch(code, &locality);
        if (batch.empty()) continue;
        for (const Entry& e : kEntries) {
            const std::string name = std::string("local/") + e.name + "/" + kStateNames[code];
            LocalEntry fn = e.fn;
            benchmark::RegisterBenchmark(name.c_str(), [batch, fn](benchmark::State& st) {
                run_batch(st, batch, [fn](Paycheck& p) { return fn(1, &p.fed, &p.state, &p.local); });
            });
        }
    }
}

void register_grossup() {
    for (int64_t code : {int64_t{6}, int64_t{37}}) {
        std::vector<Paycheck> batch = state_batch(code, 52, false);
        benchmark::RegisterBenchmark((std::string("grossup/regular/") + kStateNames[code]).c_str(),
                                     [batch](benchmark::State& st) {
                                         run_batch(st, batch, [](Paycheck& p) { return TXL5_Calc(11, &p.fed, &p.state); });
                                     });
        std::vector<Paycheck> bonus = state_batch(code, 52, true);
        benchmark::RegisterBenchmark((std::string("grossup/bonus/") + kStateNames[code]).c_str(),
                                     [bonus](benchmark::State& st) {
                                         run_batch(st, bonus, [](Paycheck& p) { return TXL5_Calc(12, &p.fed, &p.state); });
                                     });
    }
    int64_t locality = 0;
    std::vector<Paycheck> pa = local_batch(45, &locality);
    benchmark::RegisterBenchmark("grossup/regular/PA-local", [pa](benchmark::State& st) {
        run_batch(st, pa, [](Paycheck& p) { return TXL5_Calc_Local(11, &p.fed, &p.state, &p.local); });
    });
}

// `expected`: the result every call of the batch gives (the advance earned
// income credit has no schedule since its repeal: every call reports no row).
template <class Record, class Fill, class Calc>
void register_levy(const char* name, Fill fill, Calc calc, int64_t expected = 0) {
    std::vector<Record> batch(kBatch);
    for (size_t k = 0; k < kBatch; ++k) {
        fill(k, &batch[k]);
        Record trial = batch[k];
        if (calc(&trial) != expected) {
            setup_failure(std::string("levy ") + name + " fails");
            return;
        }
    }
    benchmark::RegisterBenchmark((std::string("levy/") + name).c_str(), [batch, calc](benchmark::State& st) {
        size_t i = 0;
        for (auto _ : st) {
            Record r = batch[i];
            i = (i + 1) % batch.size();
            benchmark::DoNotOptimize(calc(&r));
            benchmark::ClobberMemory();
        }
        st.SetItemsProcessed(static_cast<int64_t>(st.iterations()));
    });
}

template <class Record>
void date_2026(Record* r, size_t k) {
    r->check_month = 1 + static_cast<int64_t>(k % 12);
    r->check_day = 1 + static_cast<int64_t>(k % 28);
    r->check_year = 2026;
}

void register_levies() {
    auto wages = [](size_t k) { return 400.0 + 37.25 * static_cast<double>(k); };
    register_levy<SDI_STRUC>("SDI_Calc", [&](size_t k, SDI_STRUC* r) {
        r->struc_version = 73; date_2026(r, k); r->state_code = 6; r->sdi_wages = wages(k); r->pay_periods = 52;
    }, [](SDI_STRUC* r) { return SDI_Calc(r); });
    register_levy<FAMLEAVE_STRUC>("FAMLEAVE_Calc", [&](size_t k, FAMLEAVE_STRUC* r) {
        r->struc_version = 109; date_2026(r, k); r->state_code = 56; r->leave_wages = wages(k);
    }, [](FAMLEAVE_STRUC* r) { return FAMLEAVE_Calc(r); });
    register_levy<SUI_STRUC>("SUI_Calc", [&](size_t k, SUI_STRUC* r) {
        r->struc_version = 81; date_2026(r, k); r->state_code = 6; r->sui_wages = wages(k); r->sui_rate = 0.034;
    }, [](SUI_STRUC* r) { return SUI_Calc(r); });
    register_levy<ETT_STRUC>("ETT_Calc", [&](size_t k, ETT_STRUC* r) {
        date_2026(r, k); r->ett_wages = wages(k);
    }, [](ETT_STRUC* r) { return ETT_Calc(r); });
    register_levy<FUTA_STRUC>("FUTA_Calc", [&](size_t k, FUTA_STRUC* r) {
        date_2026(r, k); r->futa_wages = wages(k); r->futa_rate = 0.006;
    }, [](FUTA_STRUC* r) { return FUTA_Calc(r); });
    register_levy<WORKCOMP_STRUC>("WORKCOMP_Calc", [&](size_t k, WORKCOMP_STRUC* r) {
        date_2026(r, k); r->state_code = 43; r->wc_hours = 40.0 + static_cast<double>(k % 5);
        r->wc_employee_rate = 0.0005; r->wc_employer_rate = 0.0005;
    }, [](WORKCOMP_STRUC* r) { return WORKCOMP_Calc(r); });
    register_levy<TT_STRUC>("TT_Calc", [&](size_t k, TT_STRUC* r) {
        date_2026(r, k); r->tt_wages = wages(k); r->tt_rate = 0.008;
    }, [](TT_STRUC* r) { return TT_Calc(r); });
    register_levy<STATEOTHER_STRUC>("StateOther_Calc", [&](size_t k, STATEOTHER_STRUC* r) {
        r->levy_kind = 1; r->check_month = 1 + static_cast<int64_t>(k % 12); r->check_day = 15; r->check_year = 2026;
        r->state_code = 56; r->pay_periods = 52; r->other_wages = wages(k);
    }, [](STATEOTHER_STRUC* r) { return StateOther_Calc(r); });
    register_levy<AEIC_STRUC>("TXL5_AEIC_Calc", [&](size_t k, AEIC_STRUC* r) {
        r->aeic_month = 6; r->aeic_day = 1 + static_cast<int64_t>(k % 28); r->aeic_year = 2010;
        r->aeic_status = static_cast<int64_t>(k % 3); r->aeic_pay_periods = 52; r->aeic_wages = 150.0 + 5.0 * static_cast<double>(k);
    }, [](AEIC_STRUC* r) { return TXL5_AEIC_Calc(r); }, 1);
}

void register_directory() {
    int64_t largest = 0, largest_count = 0;
    for (int64_t code = 1; code <= 59; ++code) {
        const int64_t n = static_cast<int64_t>(directory_codes(code).size());
        if (n > largest_count) {
            largest = code;
            largest_count = n;
        }
    }
    const std::string name = std::string("directory/walk/") + kStateNames[largest];
    benchmark::RegisterBenchmark(name.c_str(), [largest, largest_count](benchmark::State& st) {
        char text[TXL5_PROMPT_MAX];
        int64_t i = 0;
        for (auto _ : st) {
            WITHHOLDING_TAXBODY_INFO info{};
            info.state_code = largest;
            info.entry_index = i;
            i = i + 1 == largest_count ? 0 : i + 1;
            benchmark::DoNotOptimize(TXL5_Get_Prompt_Sized(&info, text, sizeof text));
            benchmark::ClobberMemory();
        }
        st.SetItemsProcessed(static_cast<int64_t>(st.iterations()));
    });
}

void register_kernel() {
    std::vector<txl5_bench::KernelCase> cases;
    for (size_t k = 0; k < kBatch; ++k) {
        Paycheck p = txl5_bench::employee(k, 6, 52, false);
        p.state.state_filing_status = p.fed.filing_status == 1 ? 1 : 0;
        // Above California's low-income limit, so every paycheck uses a bracket.
        p.fed.gross_wages = p.fed.fica_wages = p.state.state_wages = p.fed.gross_wages + 500.0;
        txl5_bench::KernelCase c;
        if (!txl5_bench::prepare_kernel(p, &c)) {
            setup_failure("kernel rows not found");
            return;
        }
        cases.push_back(c);
    }
    benchmark::RegisterBenchmark("kernel/rows-used", [cases](benchmark::State& st) {
        size_t i = 0;
        for (auto _ : st) {
            Paycheck p = cases[i].paycheck;
            benchmark::DoNotOptimize(txl5_bench::run_kernel(cases[i], &p));
            i = (i + 1) % cases.size();
            benchmark::ClobberMemory();
        }
        st.SetItemsProcessed(static_cast<int64_t>(st.iterations()));
    });
}

}  // namespace

int main(int argc, char** argv) {
    bool smoke = false;
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--smoke") == 0) {
            smoke = true;
        } else {
            args.push_back(argv[i]);
        }
    }
    static char min_time[] = "--benchmark_min_time=0.0001";
    if (smoke) args.push_back(min_time);
    int count = static_cast<int>(args.size());
    register_calc();
    register_local();
    register_grossup();
    register_levies();
    register_directory();
    register_kernel();
    if (g_setup_failures != 0) {
        std::fprintf(stderr, "%d benchmark setups failed\n", g_setup_failures);
        return 1;
    }
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
