#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "core/txl5.h"
#include "levies/levies.h"
#include "tests/support/exports.h"

namespace {

TEST(LevyExports, EntryPointsAndTables) {
    txl5_test::expect_plain_functions({"SDI_Calc", "FAMLEAVE_Calc", "SUI_Calc", "ETT_Calc", "FUTA_Calc",
                                       "WORKCOMP_Calc", "TT_Calc", "StateOther_Calc", "TXL5_AEIC_Calc"});
    txl5_test::expect_data_objects({"sdidata", "suidata", "ettdata", "futadata", "aeicmax", "aeic"});
}

// True when the address lies in a mapping of this process that cannot be
// written (read from /proc/self/maps).
bool in_read_only_mapping(const void* address) {
    FILE* maps = std::fopen("/proc/self/maps", "r");
    if (!maps) return false;
    const auto at = reinterpret_cast<uintptr_t>(address);
    char line[512];
    bool read_only = false;
    while (std::fgets(line, sizeof line, maps)) {
        unsigned long long low = 0, high = 0;
        char perms[5] = {};
        if (std::sscanf(line, "%llx-%llx %4s", &low, &high, perms) != 3) continue;
        if (at >= low && at < high) {
            read_only = perms[1] != 'w';
            break;
        }
    }
    std::fclose(maps);
    return read_only;
}

// The tables are the library's data: a caller holding their exported
// addresses must not be able to change them (the schedule of the advance
// earned income credit included, although it holds no rows).
TEST(LevyExports, TablesLieInReadOnlyMemory) {
    EXPECT_TRUE(in_read_only_mapping(sdidata));
    EXPECT_TRUE(in_read_only_mapping(suidata));
    EXPECT_TRUE(in_read_only_mapping(ettdata));
    EXPECT_TRUE(in_read_only_mapping(futadata));
    EXPECT_TRUE(in_read_only_mapping(aeicmax));
    EXPECT_TRUE(in_read_only_mapping(aeic));
}

}  // namespace
