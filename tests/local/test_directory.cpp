#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/txl5.h"
#include "tests/support/exports.h"

namespace {

constexpr int64_t kAlabama = 1;
constexpr int64_t kColorado = 7;
constexpr int64_t kDelaware = 9;
constexpr int64_t kMissouri = 30;
constexpr int64_t kNewYork = 37;

// A query whose output slots hold markers, so a test sees what was written.
WITHHOLDING_TAXBODY_INFO query(int64_t state_code, int64_t entry_index) {
    WITHHOLDING_TAXBODY_INFO info{};
    info.state_code = state_code;
    info.entry_index = entry_index;
    info.entry_count = -7;
    info.entry_code = -8;
    info.locality_code = -9;
    return info;
}

struct Entry {
    std::string why;
    int64_t state_code;
    int64_t entry_index;
    const char* text;  // null: no such entry
    int64_t count;
    int64_t code;
};

const Entry kEntries[] = {
    {"Missouri entry 2", kMissouri, 2, "Kansas City", 3, 2},
    {"Missouri entry 0 is the placeholder", kMissouri, 0, "None", 3, 0},
    {"Colorado still lists Aurora", kColorado, 2, "Aurora", 6, 2},
    {"Colorado entry 3, the longest name shipped here", kColorado, 3, "Greenwood Village", 6, 3},
    {"Delaware entry 1", kDelaware, 1, "Wilmington", 2, 1},
    {"New York entry 0", kNewYork, 0, "None", 3, 0},
    {"New York entry 1", kNewYork, 1, "Yonkers", 3, 1},
    {"New York entry 2", kNewYork, 2, "New York City", 3, 2},
    {"Alabama entry 6", kAlabama, 6, "Birmingham", 28, 5},
    {"Alabama entry 4: Beaverton, code 25", kAlabama, 4, "Beaverton", 28, 25},
    {"Alabama entry 25: Southside, also code 25", kAlabama, 25, "Southside", 28, 25},
    {"Alabama entry 27, the last of 2026", kAlabama, 27, "Tuskegee", 28, 24},
    {"only the low 32 bits count: 4294967296 is entry 0", kMissouri, INT64_C(4294967296), "None", 3, 0},
    {"Missouri entry 3 is past the end", kMissouri, 3, nullptr, 3, 0},
    {"New York entry 3 is past the end", kNewYork, 3, nullptr, 3, 0},
    {"Alabama entry 28 is past the 2026 rows", kAlabama, 28, nullptr, 28, 0},
    {"a negative entry is no entry", kColorado, -1, nullptr, 6, 0},
    {"low 32 bits 0x80000000 read as the most negative number", kMissouri, INT64_C(0x80000000), nullptr, 3, 0},
};

TEST(LocalityDirectory, Entries) {
    for (const auto& e : kEntries) {
        WITHHOLDING_TAXBODY_INFO info = query(e.state_code, e.entry_index);
        char text[TXL5_PROMPT_MAX];
        std::memset(text, 'x', sizeof text);
        const int64_t length = TXL5_Get_Prompt(&info, text);
        EXPECT_EQ(info.entry_count, e.count) << e.why;
        if (e.text) {
            EXPECT_EQ(length, static_cast<int64_t>(std::strlen(e.text))) << e.why;
            EXPECT_STREQ(text, e.text) << e.why;
            EXPECT_EQ(text[length + 1], 'x') << e.why;  // nothing written past the NUL
            EXPECT_EQ(info.entry_code, e.code) << e.why;
            EXPECT_EQ(info.locality_code, e.code) << e.why;
        } else {
            // No entry: 0, the buffer untouched, the codes not written.
            EXPECT_EQ(length, 0) << e.why;
            EXPECT_EQ(text[0], 'x') << e.why;
            EXPECT_EQ(info.entry_code, -8) << e.why;
            EXPECT_EQ(info.locality_code, -9) << e.why;
        }
    }
}

TEST(LocalityDirectory, StateWithoutAListWritesNothing) {
    for (int64_t state_code : {INT64_C(6), INT64_C(0), INT64_C(-1), INT64_C(60)}) {  // 6 is California
        WITHHOLDING_TAXBODY_INFO info = query(state_code, 0);
        char text[8];
        std::memset(text, 'x', sizeof text);
        EXPECT_EQ(TXL5_Get_Prompt(&info, text), 0) << state_code;
        EXPECT_EQ(TXL5_Get_Prompt_Sized(&info, text, sizeof text), 0) << state_code;
        EXPECT_EQ(info.entry_count, -7) << state_code;
        EXPECT_EQ(text[0], 'x') << state_code;
    }
}

// A null buffer or query record: nothing but the count is written, and 0.
TEST(LocalityDirectory, NoBufferOrNoRecord) {
    WITHHOLDING_TAXBODY_INFO info = query(kMissouri, 2);
    EXPECT_EQ(TXL5_Get_Prompt(&info, nullptr), 0);
    EXPECT_EQ(TXL5_Get_Prompt_Sized(&info, nullptr, TXL5_PROMPT_MAX), 0);
    EXPECT_EQ(get_mo_taxbody_info(&info, nullptr), 0);
    EXPECT_EQ(info.entry_count, 3);
    EXPECT_EQ(info.entry_code, -8);
    EXPECT_EQ(info.locality_code, -9);
    char text[8] = "xxxxxxx";
    EXPECT_EQ(TXL5_Get_Prompt(nullptr, text), 0);
    EXPECT_EQ(TXL5_Get_Prompt_Sized(nullptr, text, sizeof text), 0);
    EXPECT_EQ(get_co_taxbody_info(nullptr, text), 0);
    EXPECT_STREQ(text, "xxxxxxx");
}

struct SizedCase {
    size_t size;
    const char* text;  // what the buffer holds; null: nothing written
};

// The sized form returns the full length of "Kansas City" (11) whatever the
// size, so a caller can retry with a larger buffer, and never writes past it.
TEST(LocalityDirectory, SizedNeverWritesPastTheSize) {
    const SizedCase cases[] = {{12, "Kansas City"}, {11, "Kansas Cit"}, {5, "Kans"}, {1, ""}, {0, nullptr}};
    for (const auto& c : cases) {
        WITHHOLDING_TAXBODY_INFO info = query(kMissouri, 2);
        char text[TXL5_PROMPT_MAX];
        std::memset(text, 'x', sizeof text);
        EXPECT_EQ(TXL5_Get_Prompt_Sized(&info, text, c.size), 11) << c.size;
        if (c.text) {
            EXPECT_STREQ(text, c.text) << c.size;
        }
        EXPECT_EQ(text[c.size], 'x') << c.size;
        EXPECT_EQ(info.entry_count, 3);
        EXPECT_EQ(info.locality_code, 2);
    }
}

// The per-state functions answer as TXL5_Get_Prompt does for their state.
TEST(LocalityDirectory, PerStateFunctions) {
    const struct {
        int64_t (*fn)(WITHHOLDING_TAXBODY_INFO*, char*);
        const char* text;
        int64_t count;
    } cases[] = {
        {get_al_taxbody_info, "Attalla", 28},
        {get_co_taxbody_info, "Denver", 6},
        {get_de_taxbody_info, "Wilmington", 2},
        {get_mo_taxbody_info, "St Louis", 3},
        {get_ny_taxbody_info, "Yonkers", 3},
    };
    for (const auto& c : cases) {
        WITHHOLDING_TAXBODY_INFO info = query(0, 1);  // state_code is not read
        char text[TXL5_PROMPT_MAX];
        EXPECT_EQ(c.fn(&info, text), static_cast<int64_t>(std::strlen(c.text)));
        EXPECT_STREQ(text, c.text);
        EXPECT_EQ(info.entry_count, c.count);
    }
}

TEST(LocalityDirectory, ExportedNames) {
    txl5_test::expect_plain_functions({"TXL5_Get_Prompt"});
    txl5_test::expect_typed_functions({"TXL5_Get_Prompt_Sized", "get_al_taxbody_info", "get_co_taxbody_info",
                                       "get_de_taxbody_info", "get_mo_taxbody_info", "get_ny_taxbody_info", "city_al",
                                       "county_co", "county_de", "city_mo"});
    txl5_test::expect_data_objects({"allwh", "colwh", "delwh", "coname", "dename", "moname", "nylocal"});
}

}  // namespace
