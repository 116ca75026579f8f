// Every entry point takes whatever a caller's record holds: random slot
// contents (NaN, infinities, extreme integers, dates out of range) must never
// crash or reach undefined behaviour. Run under the sanitizers this catches
// overflows, bad casts and out-of-bounds reads; in every build it checks that
// the caller's check date comes back unchanged.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "core/txl5.h"

namespace {

class SlotFiller {
public:
    explicit SlotFiller(uint32_t seed) : rng_(seed) {}

    // Any 8-byte pattern: an integer or a double, ordinary or extreme.
    template <class Record>
    void fill(Record* record) {
        unsigned char* bytes = reinterpret_cast<unsigned char*>(record);
        for (size_t slot = 0; slot < sizeof(Record) / 8; ++slot) {
            if (pick(2) == 0) {
                const int64_t v = any_int();
                std::memcpy(bytes + slot * 8, &v, 8);
            } else {
                const double v = any_double();
                std::memcpy(bytes + slot * 8, &v, 8);
            }
        }
    }

    // Mostly plausible values for the keys, so calculations go deep.
    int64_t version() { return pick(4) == 0 ? any_int() : 120 + pick(300); }
    int64_t month() { return pick(5) == 0 ? any_int() : 1 + pick(12); }
    int64_t day() { return pick(5) == 0 ? any_int() : 1 + pick(31); }
    int64_t year() { return pick(5) == 0 ? any_int() : 2022 + pick(7); }
    int64_t state_code() { return pick(6) == 0 ? any_int() : pick(62) - 1; }
    int64_t periods() {
        static const int64_t common[] = {52, 26, 24, 12, 4, 2, 1, 365, 260, 0, -1};
        return pick(4) == 0 ? any_int() : common[pick(11)];
    }
    int64_t small() { return pick(4) == 0 ? any_int() : pick(20) - 2; }
    double money() { return pick(4) == 0 ? any_double() : std::ldexp(static_cast<double>(pick(1 << 20)), -6); }
    int64_t pick(int64_t n) { return static_cast<int64_t>(rng_() % static_cast<uint64_t>(n)); }

private:
    int64_t any_int() {
        static const int64_t specials[] = {0, 1, -1, 2, 60, 128, 160, 165, 240, 4294967296,
                                           std::numeric_limits<int64_t>::max(), std::numeric_limits<int64_t>::min()};
        if (pick(2) == 0) return specials[pick(12)];
        return static_cast<int64_t>(rng_());
    }
    double any_double() {
        static const double specials[] = {0.0,   -0.0,   1e308,  -1e308, 1e-310, 9.3e18, -9.3e18,
                                          1e15,  -5000., 0.001,  std::numeric_limits<double>::infinity(),
                                          -std::numeric_limits<double>::infinity(), std::nan("")};
        if (pick(2) == 0) return specials[pick(13)];
        return static_cast<double>(static_cast<int64_t>(rng_() % 4000000)) / 100.0 - 10000.0;
    }
    std::mt19937_64 rng_;
};

constexpr int kRounds = 3000;

void make_paycheck(SlotFiller& f, FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state,
                   LOCAL_WITHHOLDING_STRUC* local) {
    f.fill(fed);
    f.fill(state);
    f.fill(local);
    if (f.pick(3) != 0) {
        fed->struc_version = f.version();
        fed->check_month = f.month();
        fed->check_day = f.day();
        fed->check_year = f.year();
        fed->pay_periods = f.periods();
        fed->filing_status = f.small();
        fed->allowances = f.small();
        fed->gross_wages = fed->fica_wages = f.money();
        fed->supplemental_wages = f.money();
        state->struc_version = f.version();
        state->state_code = f.state_code();
        state->state_pay_periods = f.periods();
        state->state_filing_status = f.small();
        state->state_allowances = f.small();
        state->state_wages = f.money();
        local->struc_version = f.version();
        local->locality_code = f.small();
        local->local_pay_periods = f.periods();
        local->local_wages = f.money();
    }
}

TEST(Robustness, PaychecksWithAnyRecordContent) {
    SlotFiller f(20261209);
    const int64_t call_types[] = {0, 1, 2, 11, 12, 7, -1};
    for (int round = 0; round < kRounds; ++round) {
        FEDERAL_WITHHOLDING_STRUC fed;
        STATE_WITHHOLDING_STRUC state;
        LOCAL_WITHHOLDING_STRUC local;
        make_paycheck(f, &fed, &state, &local);
        const int64_t month = fed.check_month, day = fed.check_day, year = fed.check_year;
        const int64_t call_type = call_types[f.pick(7)];
        switch (f.pick(5)) {
            case 0: TXL5_Calc(call_type, &fed, &state); break;
            case 1: TXL5_Calc_Local(static_cast<uint64_t>(call_type), &fed, &state, &local); break;
            case 2: TXL5_Calc_County(static_cast<uint64_t>(call_type), &fed, &state, &local); break;
            case 3: TXL5_Calc_Local_TEST(static_cast<uint64_t>(call_type), &fed, &state, &local); break;
            default: TXL5_Federal_Calc(call_type, &fed); TXL5_Federal_Supplemental(call_type, &fed); break;
        }
        ASSERT_EQ(fed.check_month, month) << "round " << round;
        ASSERT_EQ(fed.check_day, day) << "round " << round;
        ASSERT_EQ(fed.check_year, year) << "round " << round;
    }
}

template <class Record>
void dated(SlotFiller& f, Record* r) {
    r->struc_version = f.version();
    r->check_month = f.month();
    r->check_day = f.day();
    r->check_year = f.year();
}

TEST(Robustness, LeviesWithAnyRecordContent) {
    SlotFiller f(7);
    for (int round = 0; round < kRounds; ++round) {
        const bool plausible = f.pick(3) != 0;
        SDI_STRUC sdi;
        f.fill(&sdi);
        if (plausible) dated(f, &sdi), sdi.state_code = f.state_code(), sdi.pay_periods = f.periods(), sdi.sdi_wages = f.money();
        EXPECT_EQ(SDI_Calc(&sdi), 0);
        FAMLEAVE_STRUC leave;
        f.fill(&leave);
        if (plausible) dated(f, &leave), leave.state_code = f.state_code(), leave.leave_wages = f.money();
        // 1: a contribution that came out not finite (the record has no error field).
        const int64_t leave_result = FAMLEAVE_Calc(&leave);
        EXPECT_TRUE(leave_result == 0 || leave_result == 1) << leave_result;
        SUI_STRUC sui;
        f.fill(&sui);
        if (plausible) dated(f, &sui), sui.state_code = f.state_code();
        EXPECT_EQ(SUI_Calc(&sui), 0);
        ETT_STRUC ett;
        f.fill(&ett);
        if (plausible) dated(f, &ett);
        EXPECT_EQ(ETT_Calc(&ett), 0);
        FUTA_STRUC futa;
        f.fill(&futa);
        if (plausible) dated(f, &futa);
        EXPECT_EQ(FUTA_Calc(&futa), 0);
        WORKCOMP_STRUC wc;
        f.fill(&wc);
        if (plausible) dated(f, &wc), wc.state_code = f.state_code();
        EXPECT_EQ(WORKCOMP_Calc(&wc), 0);
        TT_STRUC tt;
        f.fill(&tt);
        if (plausible) tt.check_month = f.month(), tt.check_year = f.year();
        EXPECT_EQ(TT_Calc(&tt), 0);
        STATEOTHER_STRUC other;
        f.fill(&other);
        if (plausible) dated(f, &other), other.state_code = f.state_code(), other.pay_periods = f.periods();
        EXPECT_EQ(StateOther_Calc(&other), 0);
        AEIC_STRUC aeic;
        f.fill(&aeic);
        if (plausible) aeic.aeic_year = f.year(), aeic.aeic_pay_periods = f.periods();
        TXL5_AEIC_Calc(&aeic);
    }
}

TEST(Robustness, QueriesWithAnyRecordContent) {
    SlotFiller f(11);
    for (int round = 0; round < kRounds; ++round) {
        WITHHOLDING_TAXBODY_INFO info;
        f.fill(&info);
        if (f.pick(3) != 0) info.state_code = f.state_code(), info.entry_index = f.small(), info.taxbody_kind = f.small();
        char text[TXL5_PROMPT_MAX + 8];
        std::memset(text, 'x', sizeof text);
        const int64_t length = TXL5_Get_Prompt(&info, text);
        ASSERT_GE(length, 0);
        ASSERT_LT(length, TXL5_PROMPT_MAX);
        for (size_t i = TXL5_PROMPT_MAX; i < sizeof text; ++i) ASSERT_EQ(text[i], 'x');
        char small_text[5];
        std::memset(small_text, 'y', sizeof small_text);
        TXL5_Get_Prompt_Sized(&info, small_text, 4);
        ASSERT_EQ(small_text[4], 'y');

        TXL5_TABLE_INFO query;
        f.fill(&query);
        const int64_t result = TXL5_Get_Table_Info(&query);
        ASSERT_TRUE(result >= 0 && result <= 2);
        ASSERT_TRUE(std::isfinite(query.info_value));

        MDATE a{f.month(), f.day(), f.year()}, b{f.month(), f.day(), f.year()};
        int64_t y = 0, m = 0, d = 0;
        DateDiff(a, b, &y, &m, &d);
        dollarround(f.money());
        reallydollarround(f.money());
    }
}

}  // namespace
