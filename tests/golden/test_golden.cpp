// The golden results: a fixed set of 100,000 generated calculations over every
// entry point, state code, locality, levy and directory list, whose outputs
// must stay identical bit for bit. The committed file holds a digest per block
// of cases, the digest of a walk through every directory list, and the full
// output of a sample of cases, so a change shows where it happened.
//
// After an intended change of results, regenerate the file with
//   TXL5_GOLDEN_WRITE=1 build/txl5_tests --gtest_filter='Golden.*'
// and TXL5_GOLDEN_DUMP=FILE writes every case's digest, one per line, to
// compare two builds case by case.
#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tests/golden/golden_cases.h"
#include "tests/support/source_root.h"

namespace {

constexpr int64_t kBlock = 500;
constexpr int64_t kSampleEvery = 5000;

std::string golden_path() { return txl5_test::source_root() + "/tests/golden/golden_results.txt"; }

std::string hex64(uint64_t v) {
    char buffer[17];
    std::snprintf(buffer, sizeof buffer, "%016" PRIx64, v);
    return buffer;
}

struct Results {
    std::vector<uint64_t> blocks;
    uint64_t walk = 0;
    std::map<int64_t, std::string> samples;
};

Results compute(std::vector<uint64_t>* per_case) {
    Results out;
    txl5_golden::Digest block;
    for (int64_t i = 0; i < txl5_golden::kCaseCount; ++i) {
        std::string trace;
        const bool sampled = i % kSampleEvery == 0;
        const uint64_t digest = txl5_golden::run_case(i, sampled ? &trace : nullptr);
        if (sampled) out.samples[i] = trace;
        if (per_case) per_case->push_back(digest);
        block.slot(digest);
        if ((i + 1) % kBlock == 0 || i + 1 == txl5_golden::kCaseCount) {
            out.blocks.push_back(block.value());
            block = txl5_golden::Digest();
        }
    }
    out.walk = txl5_golden::directory_walk_digest();
    return out;
}

void write(const Results& r, const std::string& path) {
    std::ofstream f(path);
    f << "# txl5 golden results: digests of " << txl5_golden::kCaseCount << " generated calculations\n"
      << "# (tests/golden/golden_cases.h), " << kBlock << " cases a block; regenerate only for an intended change\n"
      << "walk " << hex64(r.walk) << "\n";
    for (size_t b = 0; b < r.blocks.size(); ++b) f << "block " << b << " " << hex64(r.blocks[b]) << "\n";
    for (const auto& s : r.samples) f << "case " << s.first << " " << s.second << "\n";
}

bool read(const std::string& path, Results* r) {
    std::ifstream f(path);
    if (!f) return false;
    std::string line;
    while (std::getline(f, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream in(line);
        std::string tag;
        in >> tag;
        if (tag == "walk") {
            std::string h;
            in >> h;
            r->walk = std::stoull(h, nullptr, 16);
        } else if (tag == "block") {
            size_t index;
            std::string h;
            in >> index >> h;
            if (r->blocks.size() <= index) r->blocks.resize(index + 1);
            r->blocks[index] = std::stoull(h, nullptr, 16);
        } else if (tag == "case") {
            int64_t index;
            in >> index;
            std::string rest;
            std::getline(in, rest);
            if (!rest.empty() && rest[0] == ' ') rest.erase(0, 1);
            r->samples[index] = rest;
        }
    }
    return true;
}

TEST(Golden, EveryResultUnchanged) {
    std::vector<uint64_t> per_case;
    const char* dump = std::getenv("TXL5_GOLDEN_DUMP");
    const Results now = compute(dump ? &per_case : nullptr);
    if (dump) {
        std::ofstream f(dump);
        for (size_t i = 0; i < per_case.size(); ++i) f << i << " " << hex64(per_case[i]) << "\n";
    }
    if (std::getenv("TXL5_GOLDEN_WRITE")) {
        write(now, golden_path());
        GTEST_SKIP() << "golden results written to " << golden_path();
    }
    Results expected;
    ASSERT_TRUE(read(golden_path(), &expected)) << golden_path();
    ASSERT_EQ(expected.blocks.size(), now.blocks.size());
    EXPECT_EQ(hex64(expected.walk), hex64(now.walk)) << "a directory list changed";
    int changed = 0;
    for (size_t b = 0; b < now.blocks.size(); ++b) {
        if (expected.blocks[b] == now.blocks[b]) continue;
        if (++changed > 10) continue;
        const int64_t first = static_cast<int64_t>(b) * kBlock;
        ADD_FAILURE() << "cases " << first << " to " << first + kBlock - 1 << " ("
                      << txl5_golden::kind_name(txl5_golden::kind_of(first)) << ") give other results";
    }
    EXPECT_EQ(changed, 0) << "blocks of cases with changed results";
    for (const auto& s : expected.samples) {
        const auto found = now.samples.find(s.first);
        ASSERT_NE(found, now.samples.end()) << s.first;
        EXPECT_EQ(s.second, found->second) << "case " << s.first;
    }
}

// The digest notices a change in any slot, a cent in a tax as much as a code,
// and counts every NaN as one.
TEST(Golden, DigestSeesEverySlot) {
    txl5_golden::Paycheck p;
    p.fed.fed_tax = 12.34;
    txl5_golden::Digest a;
    a.record(p.fed);
    p.fed.fed_tax = 12.35;
    txl5_golden::Digest b;
    b.record(p.fed);
    EXPECT_NE(a.value(), b.value());
    p.fed.fed_tax = 0.0;
    txl5_golden::Digest zero;
    zero.record(p.fed);
    p.fed.fed_tax = -0.0;
    txl5_golden::Digest negative_zero;
    negative_zero.record(p.fed);
    EXPECT_NE(zero.value(), negative_zero.value());
    txl5_golden::Digest n1, n2;
    n1.slot(0x7FF8000000000001ULL);
    n2.slot(0xFFF8000000000000ULL);
    EXPECT_EQ(n1.value(), n2.value());
}

// Case i is the same calculation however often and in whatever order it runs.
TEST(Golden, CasesReplayAlone) {
    for (int64_t i : {0LL, 57001LL, 80003LL, 95000LL, 99999LL}) {
        std::string first, second;
        const uint64_t a = txl5_golden::run_case(i, &first);
        const uint64_t b = txl5_golden::run_case(i, &second);
        EXPECT_EQ(a, b) << i;
        EXPECT_EQ(first, second) << i;
    }
}

}  // namespace
