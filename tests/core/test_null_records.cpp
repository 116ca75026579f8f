// A null record pointer (or a null buffer with no null meaning of its own)
// is a failure: every entry point returns a failure result and touches none
// of the records it was given.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "core/txl5.h"
#include "tests/support/paycheck.h"

namespace {

struct Records : txl5_test::PaycheckRecords {
    Records() : PaycheckRecords(6) {
        local.struc_version = 240;
        local.locality_code = 2;
    }
};

struct NullCase {
    std::string entry;
    // Calls the entry point with one or more null pointers; returns its result.
    std::function<int64_t(Records&)> call;
};

using Fed = FEDERAL_WITHHOLDING_STRUC*;
using State = STATE_WITHHOLDING_STRUC*;
using Local = LOCAL_WITHHOLDING_STRUC*;

TEST(NullRecords, EveryEntryPointFailsAndTouchesNothing) {
    const NullCase cases[] = {
        {"TXL5_Calc without a state record", [](Records& r) { return TXL5_Calc(1, &r.fed, nullptr); }},
        {"TXL5_Calc without a federal record", [](Records& r) { return TXL5_Calc(11, nullptr, &r.state); }},
        {"TXL5_Calc_Local without a local record",
         [](Records& r) { return TXL5_Calc_Local(1, &r.fed, &r.state, nullptr); }},
        {"TXL5_Calc_County without a state record",
         [](Records& r) { return TXL5_Calc_County(11, &r.fed, nullptr, &r.local); }},
        {"TXL5_Calc_Local_TEST without a federal record",
         [](Records& r) { return TXL5_Calc_Local_TEST(1, nullptr, &r.state, &r.local); }},
        {"TXL5_Federal_Calc", [](Records&) { return TXL5_Federal_Calc(1, nullptr); }},
        {"TXL5_Federal_Supplemental", [](Records&) { return TXL5_Federal_Supplemental(1, nullptr); }},
        {"state_ar", [](Records& r) { return state_ar(nullptr, &r.state); }},
        {"state_ca", [](Records& r) { return state_ca(&r.fed, nullptr); }},
        {"state_dc", [](Records& r) { return state_dc(&r.fed, nullptr); }},
        {"state_de", [](Records& r) { return state_de(nullptr, &r.state); }},
        {"state_hi", [](Records& r) { return state_hi(&r.fed, nullptr); }},
        {"state_id", [](Records& r) { return state_id(nullptr, &r.state); }},
        {"state_mn", [](Records& r) { return state_mn(nullptr, &r.state); }},
        {"state_ne", [](Records& r) { return state_ne(&r.fed, nullptr); }},
        {"state_nj", [](Records& r) { return state_nj(&r.fed, nullptr); }},
        {"state_nm", [](Records& r) { return state_nm(&r.fed, nullptr); }},
        {"state_ny", [](Records& r) { return state_ny(nullptr, &r.state); }},
        {"state_nd", [](Records& r) { return state_nd(&r.fed, nullptr); }},
        {"state_ms", [](Records& r) { return state_ms(nullptr, &r.state); }},
        {"state_nc", [](Records& r) { return state_nc(&r.fed, nullptr); }},
        {"state_vt", [](Records& r) { return state_vt(nullptr, &r.state); }},
        {"state_va", [](Records& r) { return state_va(&r.fed, nullptr); }},
        {"state_wv", [](Records& r) { return state_wv(nullptr, &r.state); }},
        {"state_wi", [](Records& r) { return state_wi(&r.fed, nullptr); }},
        {"county_ny", [](Records& r) { return county_ny(&r.fed, &r.state, nullptr); }},
        {"city_al", [](Records& r) { return city_al(&r.fed, nullptr, &r.local); }},
        {"county_co", [](Records& r) { return county_co(nullptr, &r.state, &r.local); }},
        {"county_de", [](Records& r) { return county_de(&r.fed, &r.state, nullptr); }},
        {"city_mo", [](Records& r) { return city_mo(nullptr, &r.state, &r.local); }},
        {"default_local", [](Records& r) { return default_local(&r.fed, nullptr, &r.local); }},
        {"SDI_Calc", [](Records&) { return SDI_Calc(nullptr); }},
        {"FAMLEAVE_Calc", [](Records&) { return FAMLEAVE_Calc(nullptr); }},
        {"SUI_Calc", [](Records&) { return SUI_Calc(nullptr); }},
        {"ETT_Calc", [](Records&) { return ETT_Calc(nullptr); }},
        {"FUTA_Calc", [](Records&) { return FUTA_Calc(nullptr); }},
        {"WORKCOMP_Calc", [](Records&) { return WORKCOMP_Calc(nullptr); }},
        {"TT_Calc", [](Records&) { return TT_Calc(nullptr); }},
        {"StateOther_Calc", [](Records&) { return StateOther_Calc(nullptr); }},
        {"TXL5_AEIC_Calc", [](Records&) { return TXL5_AEIC_Calc(nullptr); }},
        {"TXL5_Get_Table_Info", [](Records&) { return TXL5_Get_Table_Info(nullptr); }},
        {"local_TXL5_Get_Table_Info", [](Records&) { return local_TXL5_Get_Table_Info(nullptr); }},
        {"TXL5_Get_Build_Info", [](Records&) { return TXL5_Get_Build_Info(nullptr); }},
        {"DateDiff", [](Records&) { return DateDiff(MDATE{1, 1, 2026}, MDATE{1, 1, 2025}, nullptr, nullptr, nullptr); }},
        {"DateDifffy",
         [](Records&) { return DateDifffy(MDATE{1, 1, 2026}, MDATE{1, 1, 2025}, nullptr, nullptr, nullptr); }},
        {"DateDiffh", [](Records&) { return DateDiffh(MDATE{1, 1, 2026}, MDATE{1, 1, 2025}, nullptr, nullptr, nullptr); }},
    };
    for (const NullCase& c : cases) {
        Records r;
        const Records before = r;
        EXPECT_NE(c.call(r), 0) << c.entry;
        EXPECT_EQ(std::memcmp(&r, &before, sizeof r), 0) << c.entry << " wrote to a record";
    }
}

TEST(NullRecords, LocalEntryPointsReportEveryPartFailed) {
    Records r;
    EXPECT_EQ(TXL5_Calc_Local(1, &r.fed, &r.state, nullptr), 1 | 8 | 16);
    EXPECT_EQ(TXL5_Calc_County(1, nullptr, nullptr, nullptr), 1 | 8 | 16);
}

}  // namespace
