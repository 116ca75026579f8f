#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/tables.h"
#include "core/txl5.h"
#include "local/pennsylvania.h"
#include "tests/local/locality_paycheck.h"
#include "tests/support/data_files.h"
#include "tests/support/exports.h"

namespace {

using txl5_test::LocalityPaycheck;

constexpr int64_t kPennsylvania = 45;

// Register ids and school-pairing sequence numbers of the 2026 rows.
constexpr int64_t kPhiladelphia = 510012;
constexpr int64_t kPittsburgh = 22612;
constexpr int64_t kScranton = 351022;
constexpr int64_t kScrantonSchoolPairing = 1944;    // SCRANTON S D (SCRANTON CITY): 1 %, services tax 5
constexpr int64_t kPittsburghSchoolPairing = 1771;  // PITTSBURGH S D (PITTSBURGH CITY): 2 %, no services tax

struct LocalCase {
    std::string why;  // where the expected amounts come from
    int64_t year;
    int64_t code;
    int64_t kind;  // local_tax_kind
    int64_t resident;
    int64_t services_method;  // local_filing_status
    int64_t pay_periods;
    double wages;
    double bonus;
    double additional;
    double local_tax;  // after the entry point's rounding to cents
    double bonus_tax;  // unrounded; the preset 7.77 where none is written
};

// Rates from the DCED register (2026 Official Register; 2025 and 2024 carried back).
const LocalCase kCases[] = {
    {"Philadelphia resident 3.74 % of 1000", 2026, kPhiladelphia, 1, 1, 0, 26, 1000.0, 0, 0, 37.40, 0.0},
    {"Philadelphia nonresident 3.43 % of 1000, no services tax", 2026, kPhiladelphia, 1, 0, 0, 26, 1000.0, 0, 0, 34.30,
     0.0},
    {"Philadelphia resident bonus: 3.74 % of 500 = 18.70", 2026, kPhiladelphia, 1, 1, 0, 26, 1000.0, 500.0, 0, 37.40,
     18.7},
    {"Scranton resident 2.4 % of 1000 + 151 / 26 = 24.00 + 5.807692", 2026, kScranton, 1, 1, 0, 26, 1000.0, 0, 0,
     29.81, 0.0},
    {"Scranton, services tax at once: 24.00 + 151.00", 2026, kScranton, 1, 1, 1, 26, 1000.0, 0, 0, 175.00, 0.0},
    {"Scranton, services method 2 takes none: 24.00", 2026, kScranton, 1, 1, 2, 26, 1000.0, 0, 0, 24.00, 0.0},
    {"Scranton, no pay frequency: no spread services tax, 24.00", 2026, kScranton, 1, 1, 0, 0, 1000.0, 0, 0, 24.00,
     0.0},
    {"Scranton kind 21 nonresident: nothing but the extra 2.50", 2026, kScranton, 21, 0, 1, 26, 1000.0, 300.0, 2.5,
     2.50, 0.0},
    {"Scranton nonresident 1 % of 1000 and of a 300 bonus", 2026, kScranton, 1, 0, 1, 26, 1000.0, 300.0, 0, 10.00,
     3.0},
    {"Pittsburgh kind 21: 47.00 from the first of its two rows", 2026, kPittsburgh, 21, 1, 1, 26, 1000.0, 0, 0, 47.00,
     0.0},
    {"Scranton S D resident: 1 % of 1000 + 5 / 26 = 10.192308", 2026, kScrantonSchoolPairing, 0, 1, 0, 26, 1000.0, 0,
     0, 10.19, 0.0},
    {"Scranton S D kind 10: 1 % of 1000", 2026, kScrantonSchoolPairing, 10, 1, 1, 26, 1000.0, 0, 0, 10.00, 0.0},
    {"Scranton S D kind 11 at once: 5.00", 2026, kScrantonSchoolPairing, 11, 1, 1, 26, 1000.0, 200.0, 0, 5.00, 0.0},
    {"Pittsburgh S D resident 2 % of 1234.56 = 24.6912", 2026, kPittsburghSchoolPairing, 0, 1, 1, 26, 1234.56, 0, 0,
     24.69, 0.0},
    {"a school pairing for a nonresident: the extra 1.25 only", 2026, kScrantonSchoolPairing, 0, 0, 0, 26, 1000.0,
     400.0, 1.25, 1.25, 0.0},
    {"a municipal kind whose code is a school sequence number takes that row and levies nothing", 2026,
     kScrantonSchoolPairing, 1, 1, 1, 26, 1000.0, 0, 0.5, 0.50, 0.0},
    {"the placeholder municipality 9999 levies nothing", 2026, 9999, 1, 1, 1, 26, 1000.0, 0, 0, 0.00, 0.0},
    {"2025 Philadelphia resident at 3.75 % (the rate until 30 June 2025)", 2025, kPhiladelphia, 1, 1, 0, 26, 1000.0, 0,
     0, 37.50, 0.0},
    {"2024 Philadelphia nonresident at 3.44 %", 2024, kPhiladelphia, 1, 0, 0, 26, 1000.0, 0, 0, 34.40, 0.0},
    {"2024 Pittsburgh carried back (rates dated 2011 and earlier): 1 % of 1000 + 47 / 26 = 11.807692", 2024,
     kPittsburgh, 1, 1, 0, 26, 1000.0, 0, 0, 11.81, 0.0},
    {"2025 Pittsburgh kind 21 carried back: 47.00", 2025, kPittsburgh, 21, 1, 1, 26, 1000.0, 0, 0, 47.00, 0.0},
    {"2025 Scranton S D carried back: 1 % of 1000 + 5.00", 2025, kScrantonSchoolPairing, 0, 1, 1, 12, 1000.0, 0, 0,
     15.00, 0.0},
};

TEST(PennsylvaniaLocal, Paychecks) {
    for (const LocalCase& c : kCases) {
        LocalityPaycheck p(kPennsylvania, c.year, c.pay_periods == 0 ? 26 : c.pay_periods, c.wages);
        p.local.local_pay_periods = c.pay_periods;
        p.local.locality_code = c.code;
        p.local.local_tax_kind = c.kind;
        p.local.local_resident = c.resident;
        p.local.local_filing_status = c.services_method;
        p.local.local_supplemental_wages = c.bonus;
        p.local.additional_local_wh = c.additional;
        p.local.local_supplemental_tax = 7.77;
        EXPECT_EQ(TXL5_Calc_Local(1, &p.fed, &p.state, &p.local), 0) << c.why;
        EXPECT_EQ(p.local.local_error, 0) << c.why;
        EXPECT_DOUBLE_EQ(p.local.local_tax, c.local_tax) << c.why;
        EXPECT_DOUBLE_EQ(p.local.local_supplemental_tax, c.bonus_tax) << c.why;
    }
}

// Older layouts: up to 128 the kind is not read (both municipal levies);
// up to 155 the bonus is neither taxed nor written.
TEST(PennsylvaniaLocal, RecordLayouts) {
    const struct { int64_t version; double local_tax; double bonus_tax; } cases[] = {
        {128, 175.00, 7.77},  // kind 21 ignored: 24.00 + 151.00
        {155, 151.00, 7.77},  // kind 21 read: 151.00; no bonus tax
        {156, 151.00, 0.0},   // the services tax only, so the bonus bears none
    };
    for (const auto& c : cases) {
        LocalityPaycheck p(kPennsylvania, 2026, 26, 1000.0);
        p.local.struc_version = c.version;
        p.local.locality_code = kScranton;
        p.local.local_tax_kind = 21;
        p.local.local_resident = 1;
        p.local.local_filing_status = 1;
        p.local.local_supplemental_wages = 300.0;
        p.local.local_supplemental_tax = 7.77;
        EXPECT_EQ(TXL5_Calc_Local(1, &p.fed, &p.state, &p.local), 0) << c.version;
        EXPECT_DOUBLE_EQ(p.local.local_tax, c.local_tax) << c.version;
        EXPECT_DOUBLE_EQ(p.local.local_supplemental_tax, c.bonus_tax) << c.version;
    }
}

// A code with no row for the check year fails: local_error 1, bit 16, and
// local_tax keeps what it held, plus the extra withholding. Each search runs
// to the end of its own table and no further.
TEST(PennsylvaniaLocal, NoRowForTheYearOrCodeFails) {
    const struct { std::string why; int64_t year, code, kind; } cases[] = {
        {"2027 has no rows", 2027, kPhiladelphia, 1},
            {"no such municipality, to the end of both tables (kind 20)", 2026, 123456, 20},
        {"no such sequence number, to the end of the school table", 2026, 99999, 0},
        {"an unknown kind reads the school table: no such sequence number", 2026, kScranton, 5},
    };
    for (const auto& c : cases) {
        LocalityPaycheck p(kPennsylvania, c.year, 26, 1000.0);
        p.local.locality_code = c.code;
        p.local.local_tax_kind = c.kind;
        p.local.local_resident = 1;
        p.local.local_tax = 3.0;
        p.local.additional_local_wh = 1.5;
        EXPECT_EQ(local_pa(&p.fed, &p.state, &p.local), 1) << c.why;
        EXPECT_EQ(p.local.local_error, 1) << c.why;
        EXPECT_DOUBLE_EQ(p.local.local_tax, 4.5) << c.why;
    }
    LocalityPaycheck p(kPennsylvania, 2027, 26, 1000.0);
    p.local.locality_code = kPhiladelphia;
    p.local.local_tax_kind = 1;
    EXPECT_EQ(TXL5_Calc_Local(1, &p.fed, &p.state, &p.local), 16);
    EXPECT_EQ(p.local.local_error, 1);
}

// Checks dated up to 2005 predate the tables: nothing is written, not even the
// extra withholding.
TEST(PennsylvaniaLocal, YearsUpTo2005DoNothing) {
    for (int64_t year : {2005, 1999}) {
        LocalityPaycheck p(kPennsylvania, year, 26, 1000.0);
        p.local.locality_code = kPhiladelphia;
        p.local.local_tax_kind = 1;
        p.local.local_resident = 1;
        p.local.local_tax = 3.33;
        p.local.additional_local_wh = 2.0;
        p.local.local_supplemental_tax = 7.77;
        EXPECT_EQ(local_pa(&p.fed, &p.state, &p.local), 0) << year;
        EXPECT_EQ(p.local.local_tax, 3.33) << year;
        EXPECT_EQ(p.local.local_supplemental_tax, 7.77) << year;
        EXPECT_EQ(p.local.local_error, 0) << year;
    }
}

TEST(PennsylvaniaLocal, AmountsThatAreNotFiniteStoreNoTaxAndFail) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct { double wages, bonus; } cases[] = {{inf, 0.0}, {nan, 0.0}, {1000.0, inf}};
    for (const auto& c : cases) {
        LocalityPaycheck p(kPennsylvania, 2026, 26, 1000.0);
        p.local.locality_code = kPhiladelphia;
        p.local.local_tax_kind = 1;
        p.local.local_resident = 1;
        p.local.local_wages = c.wages;
        p.local.local_supplemental_wages = c.bonus;
        EXPECT_NE(local_pa(&p.fed, &p.state, &p.local), 0);
        EXPECT_TRUE(std::isfinite(p.local.local_tax));
        EXPECT_TRUE(std::isfinite(p.local.local_supplemental_tax));
    }
}

TEST(PennsylvaniaLocal, NullRecordsFailWithoutWriting) {
    LocalityPaycheck p(kPennsylvania, 2026, 26, 1000.0);
    p.local.locality_code = kPhiladelphia;
    EXPECT_NE(local_pa(nullptr, &p.state, &p.local), 0);
    EXPECT_NE(local_pa(&p.fed, nullptr, &p.local), 0);
    EXPECT_NE(local_pa(&p.fed, &p.state, nullptr), 0);
    EXPECT_EQ(p.local.local_tax, 0.0);
    EXPECT_EQ(p.local.local_error, 0);
}

// ---- The directory's lists ---------------------------------------------------------

struct DirectoryCase {
    std::string why;
    int64_t kind;  // 0 school pairings, 1 municipalities
    int64_t entry;
    const char* text;  // null: no such entry
    int64_t count;
    int64_t entry_code;
    int64_t locality_code;
};

// Entries of the 2026 rows (the placeholder, then the register's pairings).
const DirectoryCase kDirectory[] = {
    {"municipalities, entry 0: the placeholder", 1, 0, "None (None)", 2628, 9999, 9999},
    {"municipalities, entry 1: the register's first row", 1, 1, "ABBOTT TWP (POTTER)", 2628, 530035, 530035},
    {"Pittsburgh's first row", 1, 1774, "PITTSBURGH CITY (ALLEGHENY)", 2628, 22612, 22612},
    {"the last municipal row of 2026", 1, 2627, "ZERBE TWP (NORTHUMBERLAND)", 2628, 491085, 491085},
    {"past the 2026 municipalities", 1, 2628, nullptr, 2628, 0, 0},
    {"school pairings, entry 0: the placeholder", 0, 0, "None (None)", 2628, 999999, 0},
    {"the first pairing by school district", 0, 1, "ABINGTON HEIGHTS S D (CLARKS GREEN BORO)", 2628, 350303, 1},
    {"Scranton's pairing: the code to use is its sequence number", 0, 1944, "SCRANTON S D (SCRANTON CITY)", 2628,
     357402, 1944},
    {"the longest text, 50 characters", 0, 2059, "SOUTH WILLIAMSPORT A S D (SOUTH WILLIAMSPORT BORO)", 2628, 416103,
     2059},
    {"past the 2026 pairings", 0, 2628, nullptr, 2628, 0, 0},
    {"kind 2 is no list", 2, 0, nullptr, 0, 0, 0},
    {"kind -1 is no list", -1, 0, nullptr, 0, 0, 0},
};

TEST(PennsylvaniaLocalDirectory, Entries) {
    for (const DirectoryCase& c : kDirectory) {
        WITHHOLDING_TAXBODY_INFO info{};
        info.state_code = kPennsylvania;
        info.taxbody_kind = c.kind;
        info.entry_index = c.entry;
        info.entry_count = -7;
        info.entry_code = -8;
        info.locality_code = -9;
        char text[TXL5_PROMPT_MAX];
        std::memset(text, 'x', sizeof text);
        const int64_t length = TXL5_Get_Prompt(&info, text);
        EXPECT_EQ(info.entry_count, c.count) << c.why;
        if (c.text) {
            EXPECT_EQ(length, static_cast<int64_t>(std::strlen(c.text))) << c.why;
            EXPECT_STREQ(text, c.text) << c.why;
            EXPECT_EQ(info.entry_code, c.entry_code) << c.why;
            EXPECT_EQ(info.locality_code, c.locality_code) << c.why;
        } else {
            EXPECT_EQ(length, 0) << c.why;
            EXPECT_EQ(text[0], 'x') << c.why;
            EXPECT_EQ(info.entry_code, -8) << c.why;
            EXPECT_EQ(info.locality_code, -9) << c.why;
        }
    }
}

// ---- The compiled register against its data file ------------------------------

bool muni_end(const PennsylvaniaMuniRow& row) { return row.psd_code == 0; }
bool school_end(const PennsylvaniaSchoolRow& row) { return row.district_code == 0; }

// Every register row is a municipal row of each year (its order kept) and a
// school row of each year; the placeholders head each year's block.
TEST(PennsylvaniaLocalTables, MatchTheRegisterFile) {
    const std::string path = txl5_test::data_file("pennsylvania_register_2026.csv");
    const auto register_rows = txl5_test::csv_records(path);
    if (register_rows.empty()) GTEST_FAIL() << "register file not found: " << path;
    ASSERT_EQ(register_rows.size(), 2627u);
    const int64_t block = static_cast<int64_t>(register_rows.size()) + 1;  // with the placeholder
    ASSERT_EQ(txl5::table_row_count(palocal_muni_2005, muni_end), 3 * block);
    ASSERT_EQ(txl5::table_row_count(palocal_school_2009, school_end), 3 * block);

    std::map<std::pair<int64_t, int64_t>, const PennsylvaniaSchoolRow*> school_2026;
    for (int64_t i = 1; i < block; ++i) {
        const PennsylvaniaSchoolRow& row = palocal_school_2009[i];
        EXPECT_EQ(row.seq, i);
        school_2026[{row.psd_code, row.district_code}] = &row;
    }
    ASSERT_EQ(school_2026.size(), register_rows.size());

    for (int64_t y = 0; y < 3; ++y) {
        const int64_t year = 2026 - y;
        const PennsylvaniaMuniRow& muni_placeholder = palocal_muni_2005[y * block];
        EXPECT_EQ(muni_placeholder.tax_year, year);
        EXPECT_EQ(muni_placeholder.psd_code, 9999);
        EXPECT_STREQ(muni_placeholder.muni_name, "None");
        const PennsylvaniaSchoolRow& school_placeholder = palocal_school_2009[y * block];
        EXPECT_EQ(school_placeholder.tax_year, year);
        EXPECT_EQ(school_placeholder.district_code, 999999);
        EXPECT_EQ(school_placeholder.seq, 0);
        for (size_t i = 0; i < register_rows.size(); ++i) {
            const auto& r = register_rows[i];
            const PennsylvaniaMuniRow& muni = palocal_muni_2005[y * block + 1 + static_cast<int64_t>(i)];
            const std::string where = std::to_string(year) + " " + r.at("municipality");
            ASSERT_EQ(muni.tax_year, year) << where;
            ASSERT_EQ(muni.psd_code, std::stoll(r.at("municipality_id"))) << where;
            EXPECT_STREQ(muni.muni_name, r.at("municipality").c_str()) << where;
            EXPECT_STREQ(muni.county_name, r.at("county").c_str()) << where;
            EXPECT_EQ(muni.lst_amount, std::stod(r.at("muni_lst"))) << where;
            // Philadelphia's earlier wage tax rates replace the carried ones.
            if (year == 2026 || muni.psd_code != kPhiladelphia) {
                EXPECT_EQ(muni.nonresident_rate_pct, std::stod(r.at("muni_nonresident_eit_pct"))) << where;
                EXPECT_EQ(muni.resident_rate_pct, std::stod(r.at("muni_resident_eit_pct"))) << where;
            }
            const auto found = school_2026.find({muni.psd_code, std::stoll(r.at("school_district_id"))});
            ASSERT_NE(found, school_2026.end()) << where;
            const PennsylvaniaSchoolRow& school = palocal_school_2009[y * block + found->second->seq];
            EXPECT_EQ(school.tax_year, year) << where;
            EXPECT_EQ(school.psd_code, muni.psd_code) << where;
            EXPECT_EQ(school.district_code, found->second->district_code) << where;
            EXPECT_STREQ(school.district_name, r.at("school_district_name").c_str()) << where;
            EXPECT_EQ(school.rate_pct, std::stod(r.at("sd_eit_pct"))) << where;
            EXPECT_EQ(school.lst_amount, std::stod(r.at("sd_lst"))) << where;
        }
    }
}

TEST(PennsylvaniaLocalTables, Exports) {
    txl5_test::expect_typed_functions({"local_pa", "get_pa_taxbody_info"});
    txl5_test::expect_data_objects({"palocal_muni_2005", "palocal_school_2009", "palocal"});
}

}  // namespace
