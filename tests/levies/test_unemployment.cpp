#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/tables.h"
#include "core/txl5.h"
#include "levies/levies.h"

namespace {

constexpr double kUntouched = -1.0;

struct SuiCase {
    std::string why;
    int64_t version;
    int64_t state;
    int64_t year;
    double wages;
    double ytd;
    double rate;
    double employee_rate;
    int64_t error;
    double sui_tax;
    double employee_tax;
    double base_used;
};

const SuiCase kSuiCases[] = {
    {"CA 2026 3.4 % on the 500 left of 7,000", 81, 6, 2026, 1000, 6500, 0.034, 0, 0, 17.00, 0.00, 7000},
    {"CA base used up", 81, 6, 2026, 1000, 7000, 0.034, 0, 0, 0.00, 0.00, 7000},
    {"CA past the base: 0, not negative", 81, 6, 2026, 1000, 9000, 0.034, 0, 0, 0.00, 0.00, 7000},
    {"RI 2026 rate 9.7 %: alternative base 30,700", 80, 47, 2026, 1000, 30000, 0.097, 0, 0, 67.90, kUntouched, 30700},
    {"RI 2026 rate 5 %: standard base 31,800", 80, 47, 2026, 1000, 30000, 0.05, 0, 0, 50.00, kUntouched, 31800},
    {"RI 2025 top rate: 31,300 (DLT)", 80, 47, 2025, 1000, 30000, 0.097, 0, 0, 97.00, kUntouched, 31300},
    {"RI 2025 other rates: 29,800 (DLT)", 80, 47, 2025, 1000, 29000, 0.02, 0, 0, 16.00, kUntouched, 29800},
    {"NJ 2026 version 81: employee 0.425 % of 1000", 81, 35, 2026, 1000, 0, 0.03, 0, 0, 30.00, 4.25, 44800},
    {"NJ 2026 version 80: employee part not written", 80, 35, 2026, 1000, 0, 0.03, 0, 0, 30.00, kUntouched, 44800},
    {"NJ employee rate given by the caller", 81, 35, 2026, 1000, 0, 0.03, 0.005, 0, 30.00, 5.00, 44800},
    {"AK 2026 employee 0.5 %", 81, 2, 2026, 1000, 0, 0.01, 0, 0, 10.00, 5.00, 54200},
    {"TX has no employee contribution", 81, 51, 2026, 1000, 0, 0.027, 0, 0, 27.00, 0.00, 9000},
    // 2026 wage bases crossed: the year-to-date wages stop short of the base,
    // so only what is left of it is taxed at the employer's rate.
    {"WA 2026 base 78,200: 250 left at 2 %", 81, 56, 2026, 1000, 77950, 0.02, 0, 0, 5.00, 0.00, 78200},
    {"OR 2026 base 56,700: 700 left at 2.4 %", 81, 43, 2026, 1000, 56000, 0.024, 0, 0, 16.80, 0.00, 56700},
    {"NY 2026 base 13,000: 100 of 500 left at 4.1 %", 81, 37, 2026, 500, 12900, 0.041, 0, 0, 4.10, 0.00, 13000},
    {"CO 2026 base 30,600: 600 left at 1.7 %", 81, 7, 2026, 1000, 30000, 0.017, 0, 0, 10.20, 0.00, 30600},
    {"HI 2026 base 64,500: 500 of 2000 left at 3 %", 81, 15, 2026, 2000, 64000, 0.03, 0, 0, 15.00, 0.00, 64500},
    {"MA 2026 base 15,000: 200 left at 2.42 %", 81, 26, 2026, 1000, 14800, 0.0242, 0, 0, 4.84, 0.00, 15000},
    {"WA 2026 base already reached: 0", 81, 56, 2026, 1000, 78200, 0.02, 0, 0, 0.00, 0.00, 78200},
    {"American Samoa has no row: error, outputs untouched", 81, 3, 2026, 1000, 0, 0.03, 0, 1, kUntouched, kUntouched,
     kUntouched},
    {"after the newest rows: error", 81, 6, 2027, 1000, 0, 0.03, 0, 1, kUntouched, kUntouched, kUntouched},
};

TEST(Unemployment, StatePaychecks) {
    for (const SuiCase& c : kSuiCases) {
        SUI_STRUC sui{};
        sui.struc_version = c.version;
        sui.sui_error = 7;
        sui.check_month = 9;
        sui.check_day = 30;
        sui.check_year = c.year;
        sui.state_code = c.state;
        sui.sui_wages = c.wages;
        sui.ytd_sui_wages = c.ytd;
        sui.sui_rate = c.rate;
        sui.employee_sui_rate = c.employee_rate;
        sui.sui_tax = kUntouched;
        sui.employee_sui_tax = kUntouched;
        sui.sui_wage_base_used = kUntouched;
        EXPECT_EQ(SUI_Calc(&sui), 0) << c.why;
        EXPECT_EQ(sui.sui_error, c.error) << c.why;
        EXPECT_DOUBLE_EQ(sui.sui_tax, c.sui_tax) << c.why;
        EXPECT_DOUBLE_EQ(sui.employee_sui_tax, c.employee_tax) << c.why;
        EXPECT_DOUBLE_EQ(sui.sui_wage_base_used, c.base_used) << c.why;
    }
}

// Published taxable wage bases (state agencies' notices as collected by the US
// DOL and payroll tax summaries): a paycheck of 1,000 when the year's wages
// stand 400 short of the base is taxed on 400 at 1 %, 4.00, and reports the base.
struct PublishedBase {
    int64_t state;
    double base_2024;
    double base_2025;
};

const PublishedBase kPublishedBases[] = {
    {1, 8000, 8000},     {2, 49700, 51700},   {4, 8000, 8000},     {5, 7000, 7000},     {6, 7000, 7000},
    {7, 23800, 27200},   {8, 25000, 26100},   {9, 10500, 12500},   {10, 9000, 9000},    {12, 7000, 7000},
    {13, 9500, 9500},    {15, 59100, 62000},  {16, 53500, 55300},  {17, 13590, 13916},  {18, 9500, 9500},
    {19, 38200, 39500},  {20, 14000, 14000},  {21, 11400, 11700},  {22, 7700, 7700},    {23, 12000, 12000},
    {25, 8500, 8500},    {26, 15000, 15000},  {27, 9500, 9000},    {28, 42000, 43000},  {29, 14000, 14000},
    {30, 10000, 9500},   {31, 43000, 45100},  {32, 9000, 9000},    {33, 40600, 41800},  {34, 14000, 14000},
    {35, 42300, 43300},  {36, 31700, 33200},  {37, 12500, 12800},  {38, 31400, 32600},  {39, 43800, 45100},
    {41, 9000, 9000},    {42, 27000, 28200},  {43, 52800, 54300},  {45, 10000, 10000},  {46, 7000, 7000},
    {47, 29200, 29800},  {48, 14000, 14000},  {49, 15000, 15000},  {50, 7000, 7000},    {51, 9000, 9000},
    {52, 47000, 48900},  {53, 14300, 14800},  {54, 31000, 31100},  {55, 8000, 8000},    {56, 68500, 72800},
    {57, 9521, 9500},    {58, 14000, 14000},  {59, 30900, 32400},
};

TEST(Unemployment, PublishedWageBases2024And2025) {
    for (const PublishedBase& p : kPublishedBases) {
        for (int64_t year : {2024, 2025}) {
            const double base = year == 2024 ? p.base_2024 : p.base_2025;
            SUI_STRUC sui{};
            sui.struc_version = 80;
            sui.check_month = 11;
            sui.check_day = 1;
            sui.check_year = year;
            sui.state_code = p.state;
            sui.sui_wages = 1000.0;
            sui.ytd_sui_wages = base - 400.0;
            sui.sui_rate = 0.01;
            SUI_Calc(&sui);
            EXPECT_EQ(sui.sui_error, 0) << p.state << " " << year;
            EXPECT_DOUBLE_EQ(sui.sui_wage_base_used, base) << p.state << " " << year;
            EXPECT_DOUBLE_EQ(sui.sui_tax, 4.00) << p.state << " " << year;
        }
    }
}

TEST(Unemployment, EveryJurisdictionEveryYear) {
    // 53 jurisdictions a year: the states, DC, Puerto Rico and the Virgin Islands.
    EXPECT_EQ(txl5::table_row_count(suidata, txl5::EndsAtZeroStateCode()), 3 * 53);
    for (int64_t year = 2024; year <= 2026; ++year) {
        std::set<int64_t> codes;
        for (const SuiRow* row = suidata; row->state_code != 0; ++row) {
            if (row->start_date.year != year) continue;
            EXPECT_TRUE(codes.insert(row->state_code).second) << row->state_code;
        }
        EXPECT_EQ(codes.size(), 53u) << year;
        for (int64_t missing : {3, 11, 14, 24, 40, 44}) EXPECT_EQ(codes.count(missing), 0u) << missing;
    }
}

TEST(Unemployment, TrainingTax) {
    struct Case {
        std::string why;
        int64_t year;
        double wages;
        double ytd;
        int64_t error;
        double tax;
    };
    const Case cases[] = {
        {"0.1 % of the first 7,000", 2026, 1000, 0, 0, 1.00},
        {"200 left of 7,000", 2025, 1000, 6800, 0, 0.20},
        {"year-to-date at the base", 2024, 1000, 7000, 0, 0.00},
        {"year-to-date past the base", 2026, 1000, 8000, 0, 0.00},
        {"no row before 2024: tax untouched", 2023, 1000, 0, 1, kUntouched},
    };
    for (const Case& c : cases) {
        ETT_STRUC ett{};
        ett.ett_error = 7;
        ett.check_month = 1;
        ett.check_day = 31;
        ett.check_year = c.year;
        ett.ett_wages = c.wages;
        ett.ytd_ett_wages = c.ytd;
        ett.ett_tax = kUntouched;
        EXPECT_EQ(ETT_Calc(&ett), 0) << c.why;
        EXPECT_EQ(ett.ett_error, c.error) << c.why;
        EXPECT_DOUBLE_EQ(ett.ett_tax, c.tax) << c.why;
    }
}

TEST(Unemployment, FederalTax) {
    struct Case {
        std::string why;
        int64_t year;
        double wages;
        double ytd;
        double rate;
        int64_t error;
        double tax;
    };
    const Case cases[] = {
        {"0.6 % of the first 7,000: 42.00", 2026, 8000, 0, 0.006, 0, 42.00},
        {"1,000 left of 7,000", 2025, 2000, 6000, 0.006, 0, 6.00},
        {"credit-reduction state, net 1.5 %, caller's rate", 2024, 8000, 0, 0.015, 0, 105.00},
        {"past the base", 2026, 1000, 7500, 0.006, 0, 0.00},
        {"no row after 2026: tax untouched", 2027, 1000, 0, 0.006, 1, kUntouched},
    };
    for (const Case& c : cases) {
        FUTA_STRUC futa{};
        futa.futa_error = 7;
        futa.check_month = 6;
        futa.check_day = 30;
        futa.check_year = c.year;
        futa.futa_wages = c.wages;
        futa.ytd_futa_wages = c.ytd;
        futa.futa_rate = c.rate;
        futa.futa_tax = kUntouched;
        EXPECT_EQ(FUTA_Calc(&futa), 0) << c.why;
        EXPECT_EQ(futa.futa_error, c.error) << c.why;
        EXPECT_DOUBLE_EQ(futa.futa_tax, c.tax) << c.why;
    }
}

}  // namespace
