#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "core/tables.h"
#include "core/txl5.h"
#include "local/ohio.h"
#include "tests/local/locality_paycheck.h"
#include "tests/support/data_files.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::LocalityPaycheck;

constexpr int64_t kOhio = 41;
constexpr int64_t kSchool = 0;
constexpr int64_t kMunicipal = 1;
constexpr int64_t kAkron = 1000;
constexpr int64_t kAdaEvsd = 45187;
constexpr int64_t kAthensCsd = 43521;  // IRN 043521; earned-income base
constexpr int64_t kAkronCsd = 43489;   // IRN 043489; levies no income tax
constexpr int64_t kClydeEvsd = 45302;  // IRN 045302; SDIT_LIST's Clyde-Green Springs EVSD
constexpr int64_t kBellefontaine = 5130;
constexpr int64_t kCollegeCorner = 16700;

struct OhioCase {
    std::string why;  // where the expected amount comes from
    MDATE check;
    int64_t kind;
    int64_t code;
    int64_t pay_periods;
    int64_t allowances;
    double wages;
    double additional;
    double local_tax;  // before the entry point's rounding
};

const OhioCase kCases[] = {
    {"AKRON 2.5 %, weekly, 2 exemptions of 12.50: 0.025 x 975 = 24.375", {6, 5, 2026}, kMunicipal, kAkron, 52, 2,
     1000.0, 0, 24.375},
    {"ADA EVSD 1.5 %, traditional base: 0.015 x 975 = 14.625", {6, 5, 2026}, kSchool, kAdaEvsd, 52, 2, 1000.0, 0,
     14.625},
    {"ATHENS CSD 1 % on earned income, 2024: 0.01 x 1000, no exemptions", {6, 5, 2024}, kSchool, kAthensCsd, 52, 2,
     1000.0, 0, 10.0},
    {"ATHENS CSD asked as a municipality: no municipality has code 43521", {6, 5, 2026}, kMunicipal, kAthensCsd, 52, 2,
     1000.0, 0, 0.0},
    {"CLYDE EVSD 1.5 % on earned income: 0.015 x 1000, no exemptions", {6, 5, 2026}, kSchool, kClydeEvsd, 52, 2,
     1000.0, 0, 15.0},
    {"AKRON CSD levies no school district income tax: rate 0", {6, 5, 2026}, kSchool, kAkronCsd, 52, 2, 1000.0, 0,
     0.0},
    {"kind 2 levies nothing: the extra withholding only", {6, 5, 2026}, 2, kAkron, 52, 2, 1000.0, 1.25, 1.25},
    {"unknown district: rate 0, no error", {6, 5, 2026}, kSchool, 999999, 52, 2, 1000.0, 0.5, 0.5},
    {"daily AKRON on the annual row: (130,000 - 650) x 2.5 % / 260 = 12.4375", {6, 5, 2026}, kMunicipal, kAkron, 260,
     1, 500.0, 0, 12.4375},
    {"BELLEFONTAINE 1.333 % until 30 June 2024: 0.01333 x 975 = 12.99675", {3, 15, 2024}, kMunicipal,
     kBellefontaine, 52, 2, 1000.0, 0, 12.99675},
    {"BELLEFONTAINE 1.6 % from 1 July 2024: 0.016 x 975 = 15.60", {8, 15, 2024}, kMunicipal, kBellefontaine, 52, 2,
     1000.0, 0, 15.60},
    {"COLLEGE CORNER 1 % until 12 September 2025: 0.01 x 975", {9, 12, 2025}, kMunicipal, kCollegeCorner, 52, 2,
     1000.0, 0, 9.75},
    {"COLLEGE CORNER repealed its tax from 13 September 2025", {9, 13, 2025}, kMunicipal, kCollegeCorner, 52, 2,
     1000.0, 0, 0.0},
    {"AKRON plus 2.00 extra withholding", {6, 5, 2025}, kMunicipal, kAkron, 52, 2, 1000.0, 2.0, 26.375},
};

LocalityPaycheck ohio_paycheck(const OhioCase& c) {
    LocalityPaycheck p(kOhio, c.check.year, c.pay_periods, c.wages);
    p.fed.check_month = c.check.month;
    p.fed.check_day = c.check.day;
    p.state.state_allowances = c.allowances;
    p.local.local_tax_kind = c.kind;
    p.local.locality_code = c.code;
    p.local.additional_local_wh = c.additional;
    return p;
}

TEST(OhioLocal, MunicipalAndSchoolDistrictTaxes) {
    for (const OhioCase& c : kCases) {
        LocalityPaycheck p = ohio_paycheck(c);
        EXPECT_EQ(county_oh(&p.fed, &p.state, &p.local), 0) << c.why;
        EXPECT_DOUBLE_EQ(p.local.local_tax, c.local_tax) << c.why;
        EXPECT_EQ(p.state.state_error, 0) << c.why;
        EXPECT_EQ(p.local.local_error, 0) << c.why;
    }
}

TEST(OhioLocal, EntryPointsComputeTheStateAndRoundTheLocalTax) {
    for (auto entry : {TXL5_Calc_Local, TXL5_Calc_County, TXL5_Calc_Local_TEST}) {
        LocalityPaycheck p = ohio_paycheck(kCases[0]);
        EXPECT_EQ(entry(1, &p.fed, &p.state, &p.local), 0);
        EXPECT_DOUBLE_EQ(p.state.state_tax, 23.06);   // the state's own weekly example
        EXPECT_DOUBLE_EQ(p.local.local_tax, 24.38);  // 24.375 rounded to cents
    }
}

TEST(OhioLocal, SupplementalWagesAtTheSameRate) {
    for (int64_t version : {155, 156}) {
        LocalityPaycheck p = ohio_paycheck(kCases[0]);
        p.local.struc_version = version;
        p.state.state_supplemental_wages = 1000.0;
        p.local.local_supplemental_tax = 7.77;
        EXPECT_EQ(county_oh(&p.fed, &p.state, &p.local), 0);
        // 1000 x 2.5 % from layout 156 on; untouched before.
        EXPECT_DOUBLE_EQ(p.local.local_supplemental_tax, version == 156 ? 25.0 : 7.77) << version;
    }
}

TEST(OhioLocal, NoExemptionRowFailsAndKeepsTheTax) {
    // 2005: no school district rate is held and no ohwh row exists.
    LocalityPaycheck p = ohio_paycheck({"", {6, 5, 2005}, kSchool, kAdaEvsd, 52, 2, 1000.0, 1.0, 0});
    p.local.local_tax = 3.0;
    EXPECT_EQ(county_oh(&p.fed, &p.state, &p.local), 1);
    EXPECT_EQ(p.state.state_error, 1);
    EXPECT_DOUBLE_EQ(p.local.local_tax, 4.0);  // kept, plus the extra withholding
}

TEST(OhioLocal, PayPeriodsBelowOneDivideByOne) {
    for (int64_t periods : {0, -1, -52}) {
        // On the annual row with a count taken as 1: 1000 x 1 % / 1.
        LocalityPaycheck p = ohio_paycheck({"", {6, 5, 2026}, kSchool, kAthensCsd, periods, 2, 1000.0, 0, 0});
        EXPECT_EQ(county_oh(&p.fed, &p.state, &p.local), 0) << periods;
        EXPECT_DOUBLE_EQ(p.local.local_tax, 10.0) << periods;
    }
}

TEST(OhioLocal, AmountsThatAreNotFiniteStoreZeroAndFail) {
    const double inf = std::numeric_limits<double>::infinity();
    LocalityPaycheck p = ohio_paycheck(kCases[0]);
    p.state.state_wages = inf;
    p.state.state_supplemental_wages = inf;
    EXPECT_NE(county_oh(&p.fed, &p.state, &p.local), 0);
    EXPECT_EQ(p.local.local_tax, 0.0);
    EXPECT_EQ(p.local.local_supplemental_tax, 0.0);
    // Through the entry point: bit 16.
    LocalityPaycheck q = ohio_paycheck(kCases[0]);
    q.local.additional_local_wh = std::nan("");
    EXPECT_EQ(TXL5_Calc_Local(1, &q.fed, &q.state, &q.local), 16);
    EXPECT_EQ(q.local.local_tax, 0.0);
    EXPECT_NE(county_oh(nullptr, &q.state, &q.local), 0);
}

// ---- The compiled tables against their data files -------------------------------

template <class Row>
int64_t rows_of_year(const Row* table, int64_t year) {
    int64_t n = 0;
    for (const Row* r = table; r->start_date.month != 0; ++r) n += r->start_date.year == year;
    return n;
}

TEST(OhioLocal, MunicipalTableMatchesItsDataFile) {
    const auto rows = txl5_test::csv_rows(txl5_test::data_file("ohio_municipal_rates.csv"));
    ASSERT_EQ(rows.size(), 1083u) << "data file not found or changed";
    for (int64_t year : {2024, 2025, 2026}) {
        const int64_t first = year * 10000 + 101, last = year * 10000 + 1231;
        int64_t overlapping = 0;
        for (const auto& r : rows) overlapping += std::stoll(r[0]) <= last && std::stoll(r[1]) >= first;
        EXPECT_EQ(rows_of_year(ohmwhn, year), overlapping + 1) << year;  // with the placeholder
    }
    // Every rate in force on 1 July 2026 (and on 1 January 2024) is the compiled one.
    for (const MDATE& date : {MDATE{7, 1, 2026}, MDATE{1, 1, 2024}}) {
        const int64_t day = date.year * 10000 + date.month * 100 + date.day;
        for (const auto& r : rows) {
            if (std::stoll(r[0]) > day || std::stoll(r[1]) < day) continue;
            const int64_t code = std::stoll(r[2]);
            const OhioMunicipalRow* row = txl5::scan_rows(
                ohmwhn, date, [code](const OhioMunicipalRow& m) { return m.muni_code == code; });
            ASSERT_NE(row, nullptr) << r[3];
            EXPECT_EQ(std::string(row->muni_name), r[3]);
            EXPECT_DOUBLE_EQ(row->muni_rate, std::stod(r[4])) << r[3];
        }
    }
}

TEST(OhioLocal, SchoolTablesMatchTheirDataFiles) {
    // Every district of the state (table SD-1), keyed by IRN.
    const auto districts = txl5_test::csv_rows(txl5_test::data_file("ohio_school_district_irns.csv"));
    ASSERT_EQ(districts.size(), 611u) << "data file not found or changed";
    // The taxing districts (SDIT_LIST), each with its IRN.
    std::map<int64_t, std::vector<std::string>> taxing;
    for (const auto& r : txl5_test::csv_rows(txl5_test::data_file("ohio_school_districts.csv"))) {
        ASSERT_FALSE(r[1].empty()) << r[3];
        taxing[std::stoll(r[1])] = r;
    }
    ASSERT_EQ(taxing.size(), 214u) << "data file not found, changed, or an IRN given twice";
    int64_t earned_income = 0;
    for (const auto& t : taxing) earned_income += t.second[6] == "earned_income";
    EXPECT_EQ(earned_income, 68);
    for (int64_t year : {2024, 2025, 2026}) {
        EXPECT_EQ(rows_of_year(ohswhn, year), 612) << year;  // with the placeholder
        EXPECT_EQ(rows_of_year(oheiswhn, year), earned_income) << year;
        int64_t found_taxing = 0;
        for (const auto& d : districts) {
            const int64_t code = std::stoll(d[0]);
            const MDATE date{3, 1, year};
            const OhioSchoolRow* row = txl5::scan_rows(
                ohswhn, date, [code](const OhioSchoolRow& s) { return s.district_code == code; });
            ASSERT_NE(row, nullptr) << d[2];
            EXPECT_EQ(row->district_code_2, code);
            EXPECT_EQ(std::string(row->district_name), d[2]);
            const auto t = taxing.find(code);
            found_taxing += t != taxing.end();
            // A district off the tax list levies nothing.
            EXPECT_DOUBLE_EQ(row->rate_pct, t == taxing.end() ? 0.0 : std::stod(t->second[5])) << d[2];
            const bool listed = txl5::scan_rows(oheiswhn, date, [code](const OhioSchoolRow& s) {
                                    return s.district_code == code;
                                }) != nullptr;
            EXPECT_EQ(listed, t != taxing.end() && t->second[6] == "earned_income") << d[2];
        }
        EXPECT_EQ(found_taxing, 214) << year;  // every taxing district is in the list of all
    }
    EXPECT_EQ(ohswh[0].start_date.month, 0);  // the pre-2006 table holds its end row only
}

// ---- The directory's lists ------------------------------------------------------

struct DirectoryCase {
    std::string why;
    int64_t kind;
    int64_t entry;
    std::string text;  // empty: no entry
    int64_t code;
    int64_t count;  // entry_count written
};

// 2026 rows: 678 municipalities and 611 school districts, each list with its
// placeholder; districts in name order, municipalities in code order.
const DirectoryCase kDirectory[] = {
    {"municipalities, entry 0: the placeholder", kMunicipal, 0, "None", 0, 679},
    {"municipalities, entry 1: ABERDEEN (code 142)", kMunicipal, 1, "ABERDEEN", 142, 679},
    {"municipalities, the last entry: ZANESVILLE (88084)", kMunicipal, 678, "ZANESVILLE", 88084, 679},
    {"municipalities, entry 679 is past the list", kMunicipal, 679, "", 0, 679},
    {"school districts, entry 0: the placeholder", kSchool, 0, "None", 0, 612},
    {"school districts, entry 1: ADA EVSD (IRN 45187)", kSchool, 1, "ADA EVSD", kAdaEvsd, 612},
    {"school districts, entry 2: ADAMS COUNTY/OHIO VALLEY LSD (IRN 61903)", kSchool, 2,
     "ADAMS COUNTY/OHIO VALLEY LSD", 61903, 612},
    {"school districts, entry 4: AKRON CSD (IRN 43489), a district without the tax", kSchool, 4, "AKRON CSD",
     kAkronCsd, 612},
    {"school districts, the last entry: ZANESVILLE CSD (IRN 45179)", kSchool, 611, "ZANESVILLE CSD", 45179, 612},
    {"school districts, entry 612 is past the list", kSchool, 612, "", 0, 612},
    {"only the low 32 bits of the entry number count: 2^32 + 1 is entry 1", kSchool, (INT64_C(1) << 32) + 1,
     "ADA EVSD", kAdaEvsd, 612},
    {"a negative entry number is past the list", kSchool, -1, "", 0, 612},
    {"kind 2 has no list", 2, 0, "", 0, 0},
};

TEST(OhioLocal, DirectoryLists) {
    for (const DirectoryCase& c : kDirectory) {
        WITHHOLDING_TAXBODY_INFO info{};
        info.state_code = kOhio;
        info.taxbody_kind = c.kind;
        info.entry_index = c.entry;
        info.entry_code = info.locality_code = -7;
        char text[TXL5_PROMPT_MAX] = "untouched";
        const int64_t length = TXL5_Get_Prompt(&info, text);
        EXPECT_EQ(info.entry_count, c.count) << c.why;
        if (c.text.empty()) {
            EXPECT_EQ(length, 0) << c.why;
            EXPECT_STREQ(text, "untouched") << c.why;
            EXPECT_EQ(info.locality_code, -7) << c.why;
            continue;
        }
        EXPECT_EQ(length, static_cast<int64_t>(c.text.size())) << c.why;
        EXPECT_EQ(std::string(text), c.text) << c.why;
        EXPECT_EQ(info.entry_code, c.code) << c.why;
        EXPECT_EQ(info.locality_code, c.code) << c.why;
        // The code handed out is the one the calculation takes.
        char again[TXL5_PROMPT_MAX];
        EXPECT_EQ(get_oh_taxbody_info(&info, again), length) << c.why;
    }
}

TEST(OhioLocal, EveryListedCodeFindsItsRate) {
    // Each municipality of the 2026 list, asked for in 2026, taxes at its row's rate.
    for (int64_t i = 1; i < 679; ++i) {
        WITHHOLDING_TAXBODY_INFO info{};
        info.state_code = kOhio;
        info.taxbody_kind = kMunicipal;
        info.entry_index = i;
        char text[TXL5_PROMPT_MAX];
        ASSERT_GT(TXL5_Get_Prompt(&info, text), 0) << i;
        EXPECT_EQ(ohmwhn[i].end_date.month, 12) << text;
        LocalityPaycheck p = ohio_paycheck({"", {12, 31, 2026}, kMunicipal, info.locality_code, 52, 0, 1000.0, 0, 0});
        EXPECT_EQ(county_oh(&p.fed, &p.state, &p.local), 0) << text;
        EXPECT_DOUBLE_EQ(p.local.local_tax, 1000.0 * ohmwhn[i].muni_rate) << text;
    }
}

TEST(OhioLocal, Exports) {
    txl5_test::expect_typed_functions({"county_oh", "get_oh_taxbody_info"});
    txl5_test::expect_data_objects({"ohmwhn", "ohswhn", "oheiswhn", "ohswh"});
}

}  // namespace
