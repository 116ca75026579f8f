#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <type_traits>

#include "core/txl5.h"
#include "tests/support/exports.h"

namespace {

static_assert(std::is_trivially_copyable_v<FEDERAL_WITHHOLDING_STRUC> &&
                  std::is_standard_layout_v<FEDERAL_WITHHOLDING_STRUC>,
              "records are plain data");
static_assert(std::is_standard_layout_v<STATE_WITHHOLDING_STRUC>, "records are plain data");

TEST(LibraryInfo, VersionsAndNotices) {
    EXPECT_EQ(TXL5_Version(), 3.5);
    EXPECT_EQ(TXL5_Table_Version(), 2026.8);
    EXPECT_STREQ(library_version, "TXL5LIBRARYVERSION_2026.8");
    EXPECT_EQ(sizeof(copyright), 49u);
    EXPECT_EQ(std::strlen(copyright), 48u);
}

TEST(LibraryInfo, BuildStampIsTwentyCharactersAndANul) {
    char buffer[32];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(TXL5_Get_Build_Info(buffer), 0);
    ASSERT_EQ(std::strlen(buffer), 20u);
    EXPECT_EQ(buffer[21], 'x');  // nothing written past the NUL
    // "Mmm dd yyyy hh:mm:ss"
    EXPECT_TRUE(std::isupper(static_cast<unsigned char>(buffer[0])));
    EXPECT_EQ(buffer[3], ' ');
    EXPECT_EQ(buffer[6], ' ');
    EXPECT_EQ(buffer[11], ' ');
    EXPECT_EQ(buffer[14], ':');
    EXPECT_EQ(buffer[17], ':');
}

TEST(LibraryInfo, TableQueryGivesTheSocialSecurityWageBase) {
    struct Case { int64_t month, day, year, item, result; double value; } cases[] = {
        {6, 30, 2026, 1, 0, 184500.0},
        {7, 4, 2025, 1, 0, 176100.0},
        {1, 1, 2024, 1, 0, 168600.0},
        {6, 30, 2023, 1, 2, 0.0},   // no row for the date
        {6, 30, 2026, 2, 1, 0.0},   // only item 1 exists
    };
    for (const auto& c : cases) {
        TXL5_TABLE_INFO info{-7, c.month, c.day, c.year, c.item, 99.0};
        EXPECT_EQ(TXL5_Get_Table_Info(&info), c.result) << c.year << " item " << c.item;
        EXPECT_EQ(info.info_value, c.value);
        EXPECT_EQ(info.info_reserved, -7);
        TXL5_TABLE_INFO again{0, c.month, c.day, c.year, c.item, 99.0};
        EXPECT_EQ(local_TXL5_Get_Table_Info(&again), c.result);
        EXPECT_EQ(again.info_value, c.value);
    }
}

TEST(LibraryInfo, ExportedNames) {
    txl5_test::expect_plain_functions({"TXL5_Get_Table_Info", "TXL5_Version", "TXL5_Table_Version"});
    txl5_test::expect_typed_functions({"TXL5_Federal_Calc", "TXL5_Federal_Supplemental", "TXL5_Get_FICA_Wagebase",
                                       "TXL5_Get_Build_Info", "local_TXL5_Get_Table_Info", "DateDiff", "DateDiffh",
                                       "DateDifffy", "dollarround", "reallydollarround"});
    txl5_test::expect_data_objects(
        {"copyright", "library_version", "fedwh", "fedwh_nonresidentalien", "fica", "medicare", "supplementalwh"});
}

}  // namespace
