// The robustness harness the fuzz targets run on (fuzz/harness.h): each of
// its checks catches the fault it is for, every entry point the library
// exports is reached by a fuzz target, every entry runs on ordinary and empty
// inputs, and its knowledge of the records matches their committed layouts.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <limits>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "core/txl5.h"
#include "fuzz/harness.h"
#include "fuzz/records.h"
#include "tests/support/source_root.h"

namespace {

using txl5_fuzz::Arena;
using txl5_fuzz::Header;
using txl5_fuzz::Input;
using txl5_fuzz::InputWriter;
using txl5_fuzz::Target;

// A federal and a state record of an ordinary weekly paycheck, as input bytes.
std::vector<uint8_t> paycheck_input(uint8_t selector, int64_t call_type, int64_t state_code) {
    FEDERAL_WITHHOLDING_STRUC fed{};
    fed.struc_version = 165;
    fed.check_month = 6, fed.check_day = 5, fed.check_year = 2026;
    fed.pay_periods = 52;
    fed.gross_wages = fed.fica_wages = 1000.0;
    STATE_WITHHOLDING_STRUC state{};
    state.struc_version = 145;
    state.state_code = state_code;
    state.state_pay_periods = 52;
    state.state_wages = 1000.0;
    LOCAL_WITHHOLDING_STRUC local{};
    local.struc_version = 240;
    local.local_pay_periods = 52;
    local.local_wages = 1000.0;
    Header h;
    h.selector = selector;
    h.integer = call_type;
    InputWriter w(h);
    w.add(&fed, sizeof fed);
    w.add(&state, sizeof state);
    w.add(&local, sizeof local);
    return w.bytes();
}

// Runs `fault` on the records of an arena as an entry point would and checks
// the call; the check must stop the program with `message`.
template <class Fault>
void broken_call(Fault fault, bool failed) {
    std::vector<uint8_t> bytes = paycheck_input(0, 1, 51);
    Input in(bytes.data(), bytes.size());
    Arena arena;
    FEDERAL_WITHHOLDING_STRUC* fed = arena.record<FEDERAL_WITHHOLDING_STRUC>(in);
    STATE_WITHHOLDING_STRUC* state = arena.record<STATE_WITHHOLDING_STRUC>(in);
    char* text = arena.text(5);
    arena.seal();
    fault(fed, state, text);
    arena.check("the test's entry point", failed);
}

using Fed = FEDERAL_WITHHOLDING_STRUC*;
using State = STATE_WITHHOLDING_STRUC*;

TEST(HarnessDeathTest, AWriteJustPastARecordIsCaught) {
    EXPECT_DEATH(broken_call([](Fed fed, State, char*) { reinterpret_cast<char*>(fed + 1)[3] = 1; }, false),
                 "wrote outside its records|use-after-poison");
}

TEST(HarnessDeathTest, AWriteJustPastATextBufferIsCaught) {
    EXPECT_DEATH(broken_call([](Fed, State, char* text) { text[5] = 'x'; }, false),
                 "wrote outside its records|use-after-poison");
}

TEST(HarnessDeathTest, AnAmountThatIsNotFiniteWithSuccessIsCaught) {
    EXPECT_DEATH(broken_call([](Fed, State state, char*) { state->state_tax = std::nan(""); }, false),
                 "wrote nan into slot 12 of its STATE_WITHHOLDING_STRUC");
    EXPECT_DEATH(broken_call([](Fed fed, State, char*) { fed->fica_tax = -HUGE_VAL; }, false),
                 "wrote -inf into slot 20 of its FEDERAL_WITHHOLDING_STRUC");
}

TEST(HarnessDeathTest, AChangedCheckDateIsCaught) {
    EXPECT_DEATH(broken_call([](Fed fed, State, char*) { fed->check_year -= 1; }, true),
                 "changed the date of its FEDERAL_WITHHOLDING_STRUC");
}

TEST(HarnessDeathTest, AWriteIntoARecordNotGivenIsCaught) {
    // The header passes the state record as null: it must stay as it was.
    EXPECT_DEATH(
        {
            std::vector<uint8_t> bytes = paycheck_input(0, 1, 51);
            bytes[1] = txl5_fuzz::kPassNull;
            bytes[2] = 2;  // the second record
            Input in(bytes.data(), bytes.size());
            Arena arena;
            FEDERAL_WITHHOLDING_STRUC* fed = arena.record<FEDERAL_WITHHOLDING_STRUC>(in);
            STATE_WITHHOLDING_STRUC* state = arena.record<STATE_WITHHOLDING_STRUC>(in);
            if (state != nullptr) std::abort();
            arena.seal();
            reinterpret_cast<STATE_WITHHOLDING_STRUC*>(fed + 1)[0].state_tax = 1.0;
            arena.check("the test's entry point", false);
        },
        "wrote into a STATE_WITHHOLDING_STRUC it was not given|wrote outside|use-after-poison");
}

TEST(Harness, AnAmountThatIsNotFiniteWithAFailureReportedPasses) {
    broken_call([](Fed, State state, char*) { state->state_tax = std::nan(""); }, true);
    broken_call([](Fed, State state, char*) {
        state->state_tax = std::nan("");
        state->state_error = 1;
    }, false);
}

// Every function the library exports is an entry of some fuzz target (the
// per-jurisdiction functions join by their lists in fuzz/entry_lists.h; a
// new kind of entry point needs its own entry in fuzz/targets.cpp).
TEST(Harness, EveryExportedFunctionIsReachedByAFuzzTarget) {
    std::set<std::string> reached;
    for (Target t : txl5_fuzz::kTargets) {
        for (const txl5_fuzz::Entry& e : txl5_fuzz::entries(t)) {
            std::string name = e.name;
            reached.insert(name.substr(0, name.find('(')));
        }
    }
    // Reached through another entry's call.
    reached.insert("TXL5_Table_Version");
    const std::string command = std::string("nm -D --defined-only -C '") + TXL5_LIBRARY_PATH + "'";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char line[4096];
    size_t functions = 0;
    while (std::fgets(line, sizeof line, pipe)) {
        char type = 0;
        char name[4000];
        unsigned long long address = 0;
        if (std::sscanf(line, "%llx %c %3999[^(\n]", &address, &type, name) != 3 || type != 'T') continue;
        ++functions;
        EXPECT_TRUE(reached.count(name)) << name << " is exported but no fuzz target calls it";
    }
    pclose(pipe);
    EXPECT_GT(functions, 50u);
}

// Every entry of every target, on an all-zero input and on an ordinary
// paycheck: the harness and the library agree on what each call may do.
TEST(Harness, EveryEntryRunsOnEmptyAndOrdinaryInputs) {
    for (Target t : txl5_fuzz::kTargets) {
        const auto& table = txl5_fuzz::entries(t);
        for (size_t i = 0; i < table.size(); ++i) {
            const uint8_t empty[1] = {static_cast<uint8_t>(i)};
            txl5_fuzz::run_input(t, empty, sizeof empty);
            for (int64_t call_type : {1, 11}) {
                const std::vector<uint8_t> bytes = paycheck_input(static_cast<uint8_t>(i), call_type, 6);
                txl5_fuzz::run_input(t, bytes.data(), bytes.size());
            }
        }
    }
}

TEST(Harness, SelectorsPickAvailableEntries) {
    for (Target t : txl5_fuzz::kTargets) {
        for (int s = 0; s < 256; ++s) EXPECT_TRUE(txl5_fuzz::pick(t, static_cast<uint8_t>(s)).available);
        EXPECT_EQ(txl5_fuzz::selector_of(t, txl5_fuzz::entries(t)[0].name), 0);
    }
    EXPECT_EQ(txl5_fuzz::selector_of(Target::Calc, "no such entry"), -1);
}

// The harness's list of each record's amounts (fuzz/records.h) is every
// double field of the record's committed layout, and its size matches.
std::map<std::string, std::pair<size_t, std::set<size_t>>> committed_layouts() {
    std::ifstream in(txl5_test::source_root() + "/abi/layouts.txt");
    std::map<std::string, std::pair<size_t, std::set<size_t>>> layouts;
    const std::regex record(R"(^record (\w+) size (\d+)$)");
    const std::regex field(R"(^\s*(\d+)  (\S+) \w+$)");  // top level: two spaces before the type
    std::string line, current;
    std::smatch m;
    while (std::getline(in, line)) {
        if (std::regex_match(line, m, record)) {
            current = m[1];
            layouts[current].first = std::stoul(m[2]);
        } else if (!current.empty() && std::regex_match(line, m, field) && m[2] == "double") {
            layouts[current].second.insert(std::stoul(m[1]));
        }
    }
    return layouts;
}

template <class Record>
void expect_shape_matches(const std::map<std::string, std::pair<size_t, std::set<size_t>>>& layouts) {
    const txl5_fuzz::RecordShape shape = txl5_fuzz::shape_of<Record>();
    auto it = layouts.find(shape.name);
    ASSERT_NE(it, layouts.end()) << shape.name << " is not in abi/layouts.txt";
    EXPECT_EQ(shape.size, it->second.first) << shape.name;
    std::set<size_t> amounts(shape.amounts.offsets, shape.amounts.offsets + shape.amounts.count);
    EXPECT_EQ(amounts, it->second.second) << shape.name << ": fuzz/records.h lists other amounts than the layout";
}

TEST(Harness, RecordShapesMatchTheCommittedLayouts) {
    const auto layouts = committed_layouts();
    ASSERT_GT(layouts.size(), 10u);
    expect_shape_matches<FEDERAL_WITHHOLDING_STRUC>(layouts);
    expect_shape_matches<STATE_WITHHOLDING_STRUC>(layouts);
    expect_shape_matches<LOCAL_WITHHOLDING_STRUC>(layouts);
    expect_shape_matches<TXL5_TABLE_INFO>(layouts);
    expect_shape_matches<WITHHOLDING_TAXBODY_INFO>(layouts);
    expect_shape_matches<MDATE>(layouts);
    expect_shape_matches<SDI_STRUC>(layouts);
    expect_shape_matches<FAMLEAVE_STRUC>(layouts);
    expect_shape_matches<SUI_STRUC>(layouts);
    expect_shape_matches<ETT_STRUC>(layouts);
    expect_shape_matches<FUTA_STRUC>(layouts);
    expect_shape_matches<WORKCOMP_STRUC>(layouts);
    expect_shape_matches<TT_STRUC>(layouts);
    expect_shape_matches<STATEOTHER_STRUC>(layouts);
    expect_shape_matches<AEIC_STRUC>(layouts);
}

}  // namespace
