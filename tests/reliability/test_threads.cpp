// The library keeps no state between calls: eight threads computing the same
// mixed stream of paychecks, levies and directory look-ups, each on its own
// records and each starting at a different point of the stream, get exactly
// the bytes a single thread gets. Built under ThreadSanitizer (tools/run-tests
// does), a data race in the library fails the run as well.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "tests/reliability/paycheck_stream.h"

namespace txl5_test {
namespace {

constexpr size_t kThreads = 8;

struct Mismatch {
    size_t job;
    size_t thread;
};

TEST(Threads, EightThreadsComputeWhatOneThreadComputes) {
    const std::vector<Job> stream = paycheck_stream();
    ASSERT_GT(stream.size(), 1000u);
    std::vector<Outcome> serial;
    serial.reserve(stream.size());
    for (const Job& job : stream) serial.push_back(run_job(job));

    std::atomic<bool> go(false);
    std::atomic<size_t> ready(0);
    std::vector<std::vector<Mismatch>> mismatches(kThreads);
    std::vector<std::thread> threads;
    for (size_t t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            ++ready;
            while (!go) std::this_thread::yield();
            // Each thread starts at its own eighth of the stream, so different
            // states and entry points run side by side.
            const size_t start = t * stream.size() / kThreads;
            for (size_t k = 0; k < stream.size(); ++k) {
                const size_t i = (start + k) % stream.size();
                if (!(run_job(stream[i]) == serial[i])) mismatches[t].push_back({i, t});
            }
        });
    }
    while (ready < kThreads) std::this_thread::yield();
    go = true;
    for (std::thread& th : threads) th.join();

    size_t total = 0;
    for (const auto& list : mismatches) {
        for (const Mismatch& m : list) {
            if (++total <= 10) ADD_FAILURE() << "thread " << m.thread << " differs on " << stream[m.job].describe();
        }
    }
    EXPECT_EQ(total, 0u) << "jobs computed differently on the threads";
}

// The stream reaches what it is meant to: paychecks of every state code, the
// localities of several directories, and each kind of job.
TEST(Threads, TheStreamCoversEveryPartOfTheLibrary) {
    const std::vector<Job> stream = paycheck_stream();
    std::vector<bool> state_seen(60, false);
    size_t localities = 0, directory = 0, levies = 0, gross_ups = 0;
    for (const Job& job : stream) {
        if (job.kind == JobKind::Calc && job.state.state_code >= 1 && job.state.state_code <= 59) {
            state_seen[job.state.state_code] = true;
        }
        if (job.kind == JobKind::CalcLocal || job.kind == JobKind::CalcCounty) ++localities;
        if (job.kind == JobKind::Directory) ++directory;
        if (job.kind >= JobKind::Sdi && job.kind <= JobKind::EarnedIncomeCredit) ++levies;
        if (job.call_type == 11 || job.call_type == 12) ++gross_ups;
    }
    for (int code = 1; code <= 59; ++code) EXPECT_TRUE(state_seen[code]) << "state code " << code;
    EXPECT_GT(localities, 50u);
    EXPECT_GT(directory, 100u);
    EXPECT_GT(levies, 500u);
    EXPECT_GT(gross_ups, 300u);
}

}  // namespace
}  // namespace txl5_test
