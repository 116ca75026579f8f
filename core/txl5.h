// txl5: US payroll tax withholding library.
//
// The chief header: the calculation records a caller fills and reads, and every
// entry point the library exports. Records are flat sequences of 8-byte slots
// (signed 64-bit integers and doubles) whose first slot is the caller's layout
// version; the static_asserts below pin every field to its slot, because callers
// built against these layouts read and write the slots by position.
#ifndef TXL5_TXL5_H
#define TXL5_TXL5_H

// The header compiles as C (C11) as well as C++: a C caller gets the records
// (as typedef names) and the entry points with plain names; the entry points
// whose symbols encode their argument types are C++ only.
#ifdef __cplusplus
#include <cstddef>
#include <cstdint>
#define TXL5_STATIC_ASSERT(condition, message) static_assert(condition, message)
#define TXL5_BEGIN_C extern "C" {
#define TXL5_END_C }
#else
#include <stddef.h>
#include <stdint.h>
#define TXL5_STATIC_ASSERT(condition, message) _Static_assert(condition, message)
#define TXL5_BEGIN_C
#define TXL5_END_C
#endif

#define TXL5_EXPORT __attribute__((visibility("default")))

// A date: month (1-12), day (1-31), year (four digits).
typedef struct MDATE {
    int64_t month;
    int64_t day;
    int64_t year;
} MDATE;
TXL5_STATIC_ASSERT(sizeof(MDATE) == 24, "MDATE is three int64");

// Federal record: federal income tax, social security, Medicare, supplemental.
typedef struct FEDERAL_WITHHOLDING_STRUC {
    int64_t struc_version;          // 1
    int64_t aux_result;             // 2  scratch value some state and local calculations leave
    int64_t fed_status;             // 3  0 ok, 1 no federal row, 100 local gross-up exhausted
    int64_t allowances;             // 4  pre-2020 W-4 allowances
    int64_t check_month;            // 5
    int64_t check_day;              // 6
    int64_t check_year;             // 7
    int64_t filing_status;          // 8  0 single, 1 married, 2 head of household, 3 as 0
    int64_t pay_periods;            // 9
    double gross_wages;             // 10
    double additional_fed_wh;       // 11
    int64_t used_month;             // 12
    int64_t used_day;               // 13
    int64_t used_year;              // 14
    double fed_tax;                 // 15
    double reserved_1;              // 16
    int64_t fica_exempt;            // 17
    double fica_wages;              // 18
    double ytd_fica_wages;          // 19
    double fica_tax;                // 20
    double reserved_2;              // 21
    int64_t medicare_exempt;        // 22
    double ytd_medicare_wages;      // 23
    double medicare_tax;            // 24
    double supplemental_wages;      // 25 (version > 128)
    double ytd_supplemental_wages;  // 26 (version > 128)
    int64_t supp_aggregate;         // 27 (version > 128)
    double reserved_3;              // 28
    double supplemental_fed_tax;    // 29 (version > 128)
    int64_t fed_exempt;             // 30 (version > 160)
    int64_t w4_2020;                // 31 (version > 164)
    int64_t w4_multiple_jobs;       // 32 (version > 164)
    double w4_dependents_credit;    // 33 (version > 164)
    double w4_other_income;         // 34 (version > 164)
    double w4_deductions;           // 35 (version > 164)
    int64_t nonresident_alien;      // 36 (version > 164)
    double fed_marginal_rate;       // 37
} FEDERAL_WITHHOLDING_STRUC;

#define TXL5_SLOT(type, field, slot) \
    TXL5_STATIC_ASSERT(offsetof(type, field) == ((slot)-1) * 8, #type "." #field " is slot " #slot)

TXL5_STATIC_ASSERT(sizeof(FEDERAL_WITHHOLDING_STRUC) == 37 * 8, "federal record has 37 slots");
TXL5_SLOT(FEDERAL_WITHHOLDING_STRUC, struc_version, 1);
TXL5_SLOT(FEDERAL_WITHHOLDING_STRUC, aux_result, 2);
TXL5_SLOT(FEDERAL_WITHHOLDING_STRUC, fed_status, 3);
TXL5_SLOT(FEDERAL_WITHHOLDING_STRUC, allowances, 4);
TXL5_SLOT(FEDERAL_WITHHOLDING_STRUC, check_month, 5);
TXL5_SLOT(FEDERAL_WITHHOLDING_STRUC, check_day, 6);
TXL5_SLOT(FEDERAL_WITHHOLDING_STRUC, check_year, 7);
TXL5_SLOT(FEDERAL_WITHHOLDING_STRUC, filing_status, 8);
TXL5_SLOT(FEDERAL_WITHHOLDING_STRUC, pay_periods, 9);
TXL5_SLOT(FEDERAL_WITHHOLDING_STRUC, gross_wages, 10);
TXL5_SLOT(FEDERAL_WITHHOLDING_STRUC, additional_fed_wh, 11);
TXL5_SLOT(FEDERAL_WITHHOLDING_STRUC, used_month, 12);
TXL5_SLOT(FEDERAL_WITHHOLDING_STRUC, used_day, 13);
TXL5_SLOT(FEDERAL_WITHHOLDING_STRUC, used_year, 14);
TXL5_SLOT(FEDERAL_WITHHOLDING_STRUC, fed_tax, 15);
TXL5_SLOT(FEDERAL_WITHHOLDING_STRUC, reserved_1, 16);
TXL5_SLOT(FEDERAL_WITHHOLDING_STRUC, fica_exempt, 17);
TXL5_SLOT(FEDERAL_WITHHOLDING_STRUC, fica_wages, 18);
TXL5_SLOT(FEDERAL_WITHHOLDING_STRUC, ytd_fica_wages, 19);
TXL5_SLOT(FEDERAL_WITHHOLDING_STRUC, fica_tax, 20);
TXL5_SLOT(FEDERAL_WITHHOLDING_STRUC, reserved_2, 21);
TXL5_SLOT(FEDERAL_WITHHOLDING_STRUC, medicare_exempt, 22);
TXL5_SLOT(FEDERAL_WITHHOLDING_STRUC, ytd_medicare_wages, 23);
TXL5_SLOT(FEDERAL_WITHHOLDING_STRUC, medicare_tax, 24);
TXL5_SLOT(FEDERAL_WITHHOLDING_STRUC, supplemental_wages, 25);
TXL5_SLOT(FEDERAL_WITHHOLDING_STRUC, ytd_supplemental_wages, 26);
TXL5_SLOT(FEDERAL_WITHHOLDING_STRUC, supp_aggregate, 27);
TXL5_SLOT(FEDERAL_WITHHOLDING_STRUC, reserved_3, 28);
TXL5_SLOT(FEDERAL_WITHHOLDING_STRUC, supplemental_fed_tax, 29);
TXL5_SLOT(FEDERAL_WITHHOLDING_STRUC, fed_exempt, 30);
TXL5_SLOT(FEDERAL_WITHHOLDING_STRUC, w4_2020, 31);
TXL5_SLOT(FEDERAL_WITHHOLDING_STRUC, w4_multiple_jobs, 32);
TXL5_SLOT(FEDERAL_WITHHOLDING_STRUC, w4_dependents_credit, 33);
TXL5_SLOT(FEDERAL_WITHHOLDING_STRUC, w4_other_income, 34);
TXL5_SLOT(FEDERAL_WITHHOLDING_STRUC, w4_deductions, 35);
TXL5_SLOT(FEDERAL_WITHHOLDING_STRUC, nonresident_alien, 36);
TXL5_SLOT(FEDERAL_WITHHOLDING_STRUC, fed_marginal_rate, 37);

// State record: the income tax of one state, DC or territory.
typedef struct STATE_WITHHOLDING_STRUC {
    int64_t struc_version;                  // 1
    int64_t state_error;                    // 2  0 ok, 1 no row, 3 unsupported, 2/4 state-specific
    int64_t state_code;                     // 3
    int64_t state_allowances;               // 4
    int64_t state_filing_status;            // 5
    int64_t state_pay_periods;              // 6
    double state_wages;                     // 7
    double additional_state_wh;             // 8
    int64_t state_table_month;              // 9
    int64_t state_table_day;                // 10
    int64_t state_table_year;               // 11
    double state_tax;                       // 12
    double state_percent;                   // 13 Arizona
    int64_t state_additional_allowances;    // 14 California
    int64_t state_extra_count1;             // 15 Michigan
    int64_t state_extra_count2;             // 16 Michigan
    int64_t state_withholding_code;         // 17 Connecticut
    double state_wh_reduction;              // 18 Connecticut
    int64_t state_additional_count;         // 19 Georgia
    int64_t state_dependency_credits;       // 20 Louisiana
    int64_t state_form_check1;              // 21 Massachusetts
    int64_t state_form_check2;              // 22 Massachusetts
    int64_t state_form_check3;              // 23 Massachusetts
    int64_t state_exempt;                   // 24 Massachusetts
    int64_t state_rate_table;               // 25 New Jersey
    int64_t state_dependents;               // 26 Alabama
    double state_exemption_amount;          // 27 Mississippi
    int64_t state_form_code;                // 28
    int64_t state_additional_allowances2;   // 29 Illinois
    int64_t state_additional_count2;        // 30 Indiana
    double state_supplemental_wages;        // 31 (version > 144)
    int64_t reserved_32;                    // 32
    int64_t state_supp_aggregate;           // 33 (version > 144)
    int64_t state_supp_rate_choice;         // 34 (version > 144)
    double state_supplemental_tax;          // 35 (version > 144)
    int64_t pr_status;                      // 36 Puerto Rico
    int64_t pr_dependents;                  // 37
    int64_t pr_extra_exemption;             // 38
    int64_t pr_allowances;                  // 39
    int64_t reserved_40;                    // 40
    int64_t reserved_41;                    // 41
    double state_form_option;               // 42
    int64_t state_new_form;                 // 43
    int64_t state_form_flag2;               // 44
    int64_t state_form_flag3;               // 45
    int64_t reserved_46;                    // 46
    double state_form_amount1;              // 47
    double state_form_amount2;              // 48
    int64_t reserved_49;                    // 49
    int64_t reserved_50;                    // 50
    double state_rate_used;                 // 51
} STATE_WITHHOLDING_STRUC;

TXL5_STATIC_ASSERT(sizeof(STATE_WITHHOLDING_STRUC) == 51 * 8, "state record has 51 slots");
TXL5_SLOT(STATE_WITHHOLDING_STRUC, struc_version, 1);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, state_error, 2);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, state_code, 3);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, state_allowances, 4);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, state_filing_status, 5);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, state_pay_periods, 6);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, state_wages, 7);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, additional_state_wh, 8);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, state_table_month, 9);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, state_table_day, 10);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, state_table_year, 11);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, state_tax, 12);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, state_percent, 13);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, state_additional_allowances, 14);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, state_extra_count1, 15);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, state_extra_count2, 16);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, state_withholding_code, 17);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, state_wh_reduction, 18);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, state_additional_count, 19);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, state_dependency_credits, 20);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, state_form_check1, 21);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, state_form_check2, 22);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, state_form_check3, 23);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, state_exempt, 24);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, state_rate_table, 25);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, state_dependents, 26);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, state_exemption_amount, 27);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, state_form_code, 28);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, state_additional_allowances2, 29);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, state_additional_count2, 30);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, state_supplemental_wages, 31);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, reserved_32, 32);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, state_supp_aggregate, 33);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, state_supp_rate_choice, 34);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, state_supplemental_tax, 35);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, pr_status, 36);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, pr_dependents, 37);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, pr_extra_exemption, 38);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, pr_allowances, 39);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, reserved_40, 40);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, reserved_41, 41);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, state_form_option, 42);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, state_new_form, 43);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, state_form_flag2, 44);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, state_form_flag3, 45);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, reserved_46, 46);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, state_form_amount1, 47);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, state_form_amount2, 48);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, reserved_49, 49);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, reserved_50, 50);
TXL5_SLOT(STATE_WITHHOLDING_STRUC, state_rate_used, 51);

// Table-value query record.
typedef struct TXL5_TABLE_INFO {
    int64_t info_reserved;  // 1  neither read nor written
    int64_t info_month;     // 2
    int64_t info_day;       // 3
    int64_t info_year;      // 4
    int64_t info_item;      // 5  1 = social security wage base
    double info_value;      // 6  out; 0.0 when none
} TXL5_TABLE_INFO;
TXL5_STATIC_ASSERT(sizeof(TXL5_TABLE_INFO) == 6 * 8, "table query record has 6 slots");
TXL5_SLOT(TXL5_TABLE_INFO, info_reserved, 1);
TXL5_SLOT(TXL5_TABLE_INFO, info_month, 2);
TXL5_SLOT(TXL5_TABLE_INFO, info_day, 3);
TXL5_SLOT(TXL5_TABLE_INFO, info_year, 4);
TXL5_SLOT(TXL5_TABLE_INFO, info_item, 5);
TXL5_SLOT(TXL5_TABLE_INFO, info_value, 6);

// ---- Library information ----------------------------------------------------
TXL5_BEGIN_C
TXL5_EXPORT double TXL5_Version(void);
TXL5_EXPORT double TXL5_Table_Version(void);
TXL5_EXPORT int64_t TXL5_Get_Table_Info(TXL5_TABLE_INFO* info);
// A NUL-terminated ownership notice of 49 bytes, and the version string.
TXL5_EXPORT extern const char copyright[49];
TXL5_EXPORT extern const char* const library_version;
TXL5_END_C

#ifdef __cplusplus
TXL5_EXPORT int64_t TXL5_Get_Build_Info(char* buffer);
TXL5_EXPORT int64_t local_TXL5_Get_Table_Info(TXL5_TABLE_INFO* info);

// ---- Dates and rounding -----------------------------------------------------
TXL5_EXPORT int64_t DateDiff(MDATE a, MDATE b, int64_t* years, int64_t* months, int64_t* days);
TXL5_EXPORT int64_t DateDifffy(MDATE a, MDATE b, int64_t* years, int64_t* months, int64_t* days);
TXL5_EXPORT int64_t DateDiffh(MDATE a, MDATE b, int64_t* years, int64_t* months, int64_t* days);
TXL5_EXPORT double dollarround(double x);
TXL5_EXPORT double reallydollarround(double x);

// ---- Federal ----------------------------------------------------------------
TXL5_EXPORT int64_t TXL5_Federal_Calc(int64_t call_type, FEDERAL_WITHHOLDING_STRUC* fed);
TXL5_EXPORT int64_t TXL5_Federal_Supplemental(int64_t call_type, FEDERAL_WITHHOLDING_STRUC* fed);
TXL5_EXPORT double TXL5_Get_FICA_Wagebase(MDATE date);
#endif  // __cplusplus

// ---- Calculation driver -----------------------------------------------------
// Call types: 0 federal only, 2 federal only at the employer's share, 11 net to
// gross on regular wages, 12 net to gross on supplemental wages, any other
// value (1 by convention) federal and state for the employee.
// Result bits: 1 federal part failed, 8 state part failed.
TXL5_BEGIN_C
TXL5_EXPORT int64_t TXL5_Calc(int64_t call_type, FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_END_C

// ---- State income tax: one function per state, chosen by state_code ------------
// Each returns 0 or its failure bits (1 no bracket row, 64 no flat
// supplemental rate; some states add codes of their own in state_error).
#ifdef __cplusplus
TXL5_EXPORT int64_t state_al(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_ar(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_az(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_ca(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_co(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_ct(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_dc(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_de(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_ga(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_hi(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_ia(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_id(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_il(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_in(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_ks(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_ky(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_la(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_ma(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_md(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_me(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_mi(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_mn(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_mo(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_ms(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_mt(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_nc(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_nd(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_ne(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_nj(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_nm(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_ny(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_oh(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_ok(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_or(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_pa(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_pr(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_ri(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_sc(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_ut(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_va(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_vt(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_wi(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_wv(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_guam(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
TXL5_EXPORT int64_t state_nmi(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state);
// The Virgin Islands' calculation also receives the driver's call type.
TXL5_EXPORT int64_t state_virginislands(int64_t call_type, FEDERAL_WITHHOLDING_STRUC* fed,
                                        STATE_WITHHOLDING_STRUC* state);
#endif  // __cplusplus

// ---- Local taxes ----------------------------------------------------------------
// One record under two names: the county and the local entry points pass it
// where the other is declared.
typedef struct LOCAL_WITHHOLDING_STRUC {
    int64_t struc_version;                   // 1  > 60 resident flag (Indiana), > 128 tax kind, > 155 supplemental, > 239 caller-configured tax
    int64_t local_error;                     // 2  out: 1 locality or rate row not found (never cleared)
    int64_t locality_code;                   // 3
    int64_t local_allowances;                // 4
    int64_t local_filing_status;             // 5
    int64_t local_pay_periods;               // 6
    double local_wages;                      // 7  in/out (gross-up)
    double additional_local_wh;              // 8
    int64_t reserved_9;                      // 9
    int64_t reserved_10;                     // 10
    int64_t reserved_11;                     // 11
    double local_tax;                        // 12 out
    int64_t local_resident;                  // 13
    double local_rate;                       // 14 caller-configured local tax
    double local_max_tax;                    // 15
    double ytd_local_wages;                  // 16
    int64_t local_exemptions;                // 17
    double local_exemption_amount;           // 18
    double local_deduction;                  // 19
    double local_annual_flat_tax;            // 20
    int64_t residence_locality_code;         // 21 Michigan
    double second_local_tax;                 // 22 out
    int64_t local_tax_kind;                  // 23
    double local_supplemental_wages;         // 24 in/out (gross-up)
    int64_t reserved_25;                     // 25
    int64_t local_supp_aggregate;            // 26
    int64_t reserved_27;                     // 27
    double local_supplemental_tax;           // 28 out
    double second_local_supplemental_tax;    // 29 out (Michigan)
} LOCAL_WITHHOLDING_STRUC;
typedef struct LOCAL_WITHHOLDING_STRUC COUNTY_WITHHOLDING_STRUC;

TXL5_STATIC_ASSERT(sizeof(LOCAL_WITHHOLDING_STRUC) == 29 * 8, "local record has 29 slots");
TXL5_SLOT(LOCAL_WITHHOLDING_STRUC, struc_version, 1);
TXL5_SLOT(LOCAL_WITHHOLDING_STRUC, local_error, 2);
TXL5_SLOT(LOCAL_WITHHOLDING_STRUC, locality_code, 3);
TXL5_SLOT(LOCAL_WITHHOLDING_STRUC, local_allowances, 4);
TXL5_SLOT(LOCAL_WITHHOLDING_STRUC, local_filing_status, 5);
TXL5_SLOT(LOCAL_WITHHOLDING_STRUC, local_pay_periods, 6);
TXL5_SLOT(LOCAL_WITHHOLDING_STRUC, local_wages, 7);
TXL5_SLOT(LOCAL_WITHHOLDING_STRUC, additional_local_wh, 8);
TXL5_SLOT(LOCAL_WITHHOLDING_STRUC, reserved_9, 9);
TXL5_SLOT(LOCAL_WITHHOLDING_STRUC, reserved_10, 10);
TXL5_SLOT(LOCAL_WITHHOLDING_STRUC, reserved_11, 11);
TXL5_SLOT(LOCAL_WITHHOLDING_STRUC, local_tax, 12);
TXL5_SLOT(LOCAL_WITHHOLDING_STRUC, local_resident, 13);
TXL5_SLOT(LOCAL_WITHHOLDING_STRUC, local_rate, 14);
TXL5_SLOT(LOCAL_WITHHOLDING_STRUC, local_max_tax, 15);
TXL5_SLOT(LOCAL_WITHHOLDING_STRUC, ytd_local_wages, 16);
TXL5_SLOT(LOCAL_WITHHOLDING_STRUC, local_exemptions, 17);
TXL5_SLOT(LOCAL_WITHHOLDING_STRUC, local_exemption_amount, 18);
TXL5_SLOT(LOCAL_WITHHOLDING_STRUC, local_deduction, 19);
TXL5_SLOT(LOCAL_WITHHOLDING_STRUC, local_annual_flat_tax, 20);
TXL5_SLOT(LOCAL_WITHHOLDING_STRUC, residence_locality_code, 21);
TXL5_SLOT(LOCAL_WITHHOLDING_STRUC, second_local_tax, 22);
TXL5_SLOT(LOCAL_WITHHOLDING_STRUC, local_tax_kind, 23);
TXL5_SLOT(LOCAL_WITHHOLDING_STRUC, local_supplemental_wages, 24);
TXL5_SLOT(LOCAL_WITHHOLDING_STRUC, reserved_25, 25);
TXL5_SLOT(LOCAL_WITHHOLDING_STRUC, local_supp_aggregate, 26);
TXL5_SLOT(LOCAL_WITHHOLDING_STRUC, reserved_27, 27);
TXL5_SLOT(LOCAL_WITHHOLDING_STRUC, local_supplemental_tax, 28);
TXL5_SLOT(LOCAL_WITHHOLDING_STRUC, second_local_supplemental_tax, 29);

// Locality directory query record.
typedef struct WITHHOLDING_TAXBODY_INFO {
    int64_t reserved_1;      // 1
    int64_t reserved_2;      // 2
    int64_t state_code;      // 3
    int64_t taxbody_kind;    // 4  which list, in states with several
    int64_t reserved_5;      // 5
    int64_t entry_index;     // 6  low 32 bits, as a signed 32-bit number
    int64_t entry_count;     // 7  out
    int64_t entry_code;      // 8  out: the code shown to a user
    int64_t locality_code;   // 9  out: the code for the local record
} WITHHOLDING_TAXBODY_INFO;
TXL5_STATIC_ASSERT(sizeof(WITHHOLDING_TAXBODY_INFO) == 9 * 8, "directory record has 9 slots");
TXL5_SLOT(WITHHOLDING_TAXBODY_INFO, reserved_1, 1);
TXL5_SLOT(WITHHOLDING_TAXBODY_INFO, reserved_2, 2);
TXL5_SLOT(WITHHOLDING_TAXBODY_INFO, state_code, 3);
TXL5_SLOT(WITHHOLDING_TAXBODY_INFO, taxbody_kind, 4);
TXL5_SLOT(WITHHOLDING_TAXBODY_INFO, reserved_5, 5);
TXL5_SLOT(WITHHOLDING_TAXBODY_INFO, entry_index, 6);
TXL5_SLOT(WITHHOLDING_TAXBODY_INFO, entry_count, 7);
TXL5_SLOT(WITHHOLDING_TAXBODY_INFO, entry_code, 8);
TXL5_SLOT(WITHHOLDING_TAXBODY_INFO, locality_code, 9);

// Longest text the directory copies, with its NUL.
#define TXL5_PROMPT_MAX 64

TXL5_BEGIN_C
TXL5_EXPORT int64_t TXL5_Calc_County(uint64_t call_type, FEDERAL_WITHHOLDING_STRUC* fed,
                                     STATE_WITHHOLDING_STRUC* state, COUNTY_WITHHOLDING_STRUC* county);
TXL5_EXPORT int64_t TXL5_Calc_Local(uint64_t call_type, FEDERAL_WITHHOLDING_STRUC* fed,
                                    STATE_WITHHOLDING_STRUC* state, LOCAL_WITHHOLDING_STRUC* local);
TXL5_EXPORT int64_t TXL5_Calc_Local_TEST(uint64_t call_type, FEDERAL_WITHHOLDING_STRUC* fed,
                                         STATE_WITHHOLDING_STRUC* state, LOCAL_WITHHOLDING_STRUC* local);
TXL5_EXPORT int64_t TXL5_Calc_City(uint64_t call_type, FEDERAL_WITHHOLDING_STRUC* fed,
                                   STATE_WITHHOLDING_STRUC* state, LOCAL_WITHHOLDING_STRUC* local);
// Copies the display name of a state's locality into text (at most
// TXL5_PROMPT_MAX bytes with the NUL) and returns its length; 0 when none.
TXL5_EXPORT int64_t TXL5_Get_Prompt(WITHHOLDING_TAXBODY_INFO* info, char* text);
TXL5_END_C

#ifdef __cplusplus
// As TXL5_Get_Prompt, never writing more than `size` bytes (always
// NUL-terminated when size > 0); returns the full length of the name so a
// caller can retry with a larger buffer.
TXL5_EXPORT int64_t TXL5_Get_Prompt_Sized(WITHHOLDING_TAXBODY_INFO* info, char* text, size_t size);

// The caller-configured local tax, applied after every locality function.
TXL5_EXPORT int64_t default_local(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state,
                                  LOCAL_WITHHOLDING_STRUC* local);
// Locality functions, one per state with local taxes.
TXL5_EXPORT int64_t city_al(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state,
                            COUNTY_WITHHOLDING_STRUC* local);
TXL5_EXPORT int64_t county_co(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state,
                              COUNTY_WITHHOLDING_STRUC* local);
TXL5_EXPORT int64_t county_de(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state,
                              COUNTY_WITHHOLDING_STRUC* local);
TXL5_EXPORT int64_t county_in(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state,
                              COUNTY_WITHHOLDING_STRUC* local);
TXL5_EXPORT int64_t local_ky(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state,
                             LOCAL_WITHHOLDING_STRUC* local);
TXL5_EXPORT int64_t county_md(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state,
                              COUNTY_WITHHOLDING_STRUC* local);
TXL5_EXPORT int64_t city_mi(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state,
                            LOCAL_WITHHOLDING_STRUC* local);
TXL5_EXPORT int64_t city_mo(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state,
                            LOCAL_WITHHOLDING_STRUC* local);
TXL5_EXPORT int64_t county_ny(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state,
                              COUNTY_WITHHOLDING_STRUC* local);
TXL5_EXPORT int64_t county_oh(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state,
                              COUNTY_WITHHOLDING_STRUC* local);
TXL5_EXPORT int64_t local_pa(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state,
                             COUNTY_WITHHOLDING_STRUC* local);
// Locality directory, one per state with a list.
TXL5_EXPORT int64_t get_al_taxbody_info(WITHHOLDING_TAXBODY_INFO* info, char* text);
TXL5_EXPORT int64_t get_co_taxbody_info(WITHHOLDING_TAXBODY_INFO* info, char* text);
TXL5_EXPORT int64_t get_de_taxbody_info(WITHHOLDING_TAXBODY_INFO* info, char* text);
TXL5_EXPORT int64_t get_in_taxbody_info(WITHHOLDING_TAXBODY_INFO* info, char* text);
TXL5_EXPORT int64_t get_ky_taxbody_info(WITHHOLDING_TAXBODY_INFO* info, char* text);
TXL5_EXPORT int64_t get_md_taxbody_info(WITHHOLDING_TAXBODY_INFO* info, char* text);
TXL5_EXPORT int64_t get_mi_taxbody_info(WITHHOLDING_TAXBODY_INFO* info, char* text);
TXL5_EXPORT int64_t get_mo_taxbody_info(WITHHOLDING_TAXBODY_INFO* info, char* text);
TXL5_EXPORT int64_t get_ny_taxbody_info(WITHHOLDING_TAXBODY_INFO* info, char* text);
TXL5_EXPORT int64_t get_oh_taxbody_info(WITHHOLDING_TAXBODY_INFO* info, char* text);
TXL5_EXPORT int64_t get_pa_taxbody_info(WITHHOLDING_TAXBODY_INFO* info, char* text);
#endif  // __cplusplus

// ---- Payroll levies: records and entry points -------------------------------
// (disability, family leave, unemployment, workers' compensation, transit,
// other state levies, advance earned income credit)

// State disability insurance: employee contribution and, from version 72, the
// employer's share where the state levies one on a wage base.
typedef struct SDI_STRUC {
    int64_t struc_version;              // 1  > 71 rate override and employer part; > 72 Hawaii and New York rules
    int64_t sdi_error;                  // 2  out: 1 no table row, or an amount that is not finite
    int64_t check_month;                // 3
    int64_t check_day;                  // 4
    int64_t check_year;                 // 5
    int64_t state_code;                 // 6
    double sdi_wages;                   // 7
    double ytd_sdi_wages;               // 8
    double sdi_tax;                     // 9  out
    double sdi_rate;                    // 10  > 71: replaces the table rate when above 0
    double employer_sdi_rate;           // 11  > 71
    double employer_sdi_tax;            // 12  out (> 71)
    int64_t pay_periods;                // 13  Hawaii and New York rules
} SDI_STRUC;
TXL5_STATIC_ASSERT(sizeof(SDI_STRUC) == 13 * 8, "SDI_STRUC has 13 slots");
TXL5_SLOT(SDI_STRUC, struc_version, 1);
TXL5_SLOT(SDI_STRUC, sdi_error, 2);
TXL5_SLOT(SDI_STRUC, check_month, 3);
TXL5_SLOT(SDI_STRUC, check_day, 4);
TXL5_SLOT(SDI_STRUC, check_year, 5);
TXL5_SLOT(SDI_STRUC, state_code, 6);
TXL5_SLOT(SDI_STRUC, sdi_wages, 7);
TXL5_SLOT(SDI_STRUC, ytd_sdi_wages, 8);
TXL5_SLOT(SDI_STRUC, sdi_tax, 9);
TXL5_SLOT(SDI_STRUC, sdi_rate, 10);
TXL5_SLOT(SDI_STRUC, employer_sdi_rate, 11);
TXL5_SLOT(SDI_STRUC, employer_sdi_tax, 12);
TXL5_SLOT(SDI_STRUC, pay_periods, 13);

// Paid family and medical leave. Some fields change meaning by state: see
// levies/famleave.cpp. The record has no error field: FAMLEAVE_Calc returns 1
// when a contribution came out not finite (and stores 0 for it).
typedef struct FAMLEAVE_STRUC {
    int64_t struc_version;              // 1  Massachusetts only above 108
    int64_t reserved_2;                 // 2
    int64_t check_month;                // 3
    int64_t check_day;                  // 4
    int64_t check_year;                 // 5
    int64_t state_code;                 // 6
    double leave_wages;                 // 7
    double ytd_leave_wages;             // 8
    double leave_employee_tax;          // 9  out
    double leave_share;                 // 10  in: a share; Oregon: out
    double leave_employer_tax;          // 11  in (share or employees) and/or out
    double leave_share_2;               // 12  in: second share or flag
    double medical_employee_tax;        // 13  out (Massachusetts)
    double medical_employer_tax;        // 14  out (Massachusetts)
} FAMLEAVE_STRUC;
TXL5_STATIC_ASSERT(sizeof(FAMLEAVE_STRUC) == 14 * 8, "FAMLEAVE_STRUC has 14 slots");
TXL5_SLOT(FAMLEAVE_STRUC, struc_version, 1);
TXL5_SLOT(FAMLEAVE_STRUC, reserved_2, 2);
TXL5_SLOT(FAMLEAVE_STRUC, check_month, 3);
TXL5_SLOT(FAMLEAVE_STRUC, check_day, 4);
TXL5_SLOT(FAMLEAVE_STRUC, check_year, 5);
TXL5_SLOT(FAMLEAVE_STRUC, state_code, 6);
TXL5_SLOT(FAMLEAVE_STRUC, leave_wages, 7);
TXL5_SLOT(FAMLEAVE_STRUC, ytd_leave_wages, 8);
TXL5_SLOT(FAMLEAVE_STRUC, leave_employee_tax, 9);
TXL5_SLOT(FAMLEAVE_STRUC, leave_share, 10);
TXL5_SLOT(FAMLEAVE_STRUC, leave_employer_tax, 11);
TXL5_SLOT(FAMLEAVE_STRUC, leave_share_2, 12);
TXL5_SLOT(FAMLEAVE_STRUC, medical_employee_tax, 13);
TXL5_SLOT(FAMLEAVE_STRUC, medical_employer_tax, 14);

// State unemployment insurance: employer contribution at the employer's own
// rate, and the employee contribution a few states levy.
typedef struct SUI_STRUC {
    int64_t struc_version;              // 1  > 80 enables the employee contribution
    int64_t sui_error;                  // 2  out: 1 no table row, or an amount that is not finite
    int64_t check_month;                // 3
    int64_t check_day;                  // 4
    int64_t check_year;                 // 5
    int64_t state_code;                 // 6
    double sui_wages;                   // 7
    double ytd_sui_wages;               // 8
    double sui_rate;                    // 9  employer rate
    double sui_tax;                     // 10  out
    int64_t reserved_11;                // 11
    int64_t reserved_12;                // 12
    double employee_sui_rate;           // 13  0 = the table rate
    double employee_sui_tax;            // 14  out (> 80)
    int64_t reserved_15;                // 15
    double sui_wage_base_used;          // 16  out
} SUI_STRUC;
TXL5_STATIC_ASSERT(sizeof(SUI_STRUC) == 16 * 8, "SUI_STRUC has 16 slots");
TXL5_SLOT(SUI_STRUC, struc_version, 1);
TXL5_SLOT(SUI_STRUC, sui_error, 2);
TXL5_SLOT(SUI_STRUC, check_month, 3);
TXL5_SLOT(SUI_STRUC, check_day, 4);
TXL5_SLOT(SUI_STRUC, check_year, 5);
TXL5_SLOT(SUI_STRUC, state_code, 6);
TXL5_SLOT(SUI_STRUC, sui_wages, 7);
TXL5_SLOT(SUI_STRUC, ytd_sui_wages, 8);
TXL5_SLOT(SUI_STRUC, sui_rate, 9);
TXL5_SLOT(SUI_STRUC, sui_tax, 10);
TXL5_SLOT(SUI_STRUC, reserved_11, 11);
TXL5_SLOT(SUI_STRUC, reserved_12, 12);
TXL5_SLOT(SUI_STRUC, employee_sui_rate, 13);
TXL5_SLOT(SUI_STRUC, employee_sui_tax, 14);
TXL5_SLOT(SUI_STRUC, reserved_15, 15);
TXL5_SLOT(SUI_STRUC, sui_wage_base_used, 16);

// California employment training tax.
typedef struct ETT_STRUC {
    int64_t struc_version;              // 1  not read
    int64_t ett_error;                  // 2  out: 1 no table row, or an amount that is not finite
    int64_t check_month;                // 3
    int64_t check_day;                  // 4
    int64_t check_year;                 // 5
    int64_t reserved_6;                 // 6
    double ett_wages;                   // 7
    double ytd_ett_wages;               // 8
    double ett_tax;                     // 9  out
} ETT_STRUC;
TXL5_STATIC_ASSERT(sizeof(ETT_STRUC) == 9 * 8, "ETT_STRUC has 9 slots");
TXL5_SLOT(ETT_STRUC, struc_version, 1);
TXL5_SLOT(ETT_STRUC, ett_error, 2);
TXL5_SLOT(ETT_STRUC, check_month, 3);
TXL5_SLOT(ETT_STRUC, check_day, 4);
TXL5_SLOT(ETT_STRUC, check_year, 5);
TXL5_SLOT(ETT_STRUC, reserved_6, 6);
TXL5_SLOT(ETT_STRUC, ett_wages, 7);
TXL5_SLOT(ETT_STRUC, ytd_ett_wages, 8);
TXL5_SLOT(ETT_STRUC, ett_tax, 9);

// Federal unemployment tax at the employer's net rate.
typedef struct FUTA_STRUC {
    int64_t struc_version;              // 1  not read
    int64_t futa_error;                 // 2  out: 1 no table row, or an amount that is not finite
    int64_t check_month;                // 3
    int64_t check_day;                  // 4
    int64_t check_year;                 // 5
    int64_t reserved_6;                 // 6
    double futa_wages;                  // 7
    double ytd_futa_wages;              // 8
    double futa_rate;                   // 9  net rate
    double futa_tax;                    // 10  out
} FUTA_STRUC;
TXL5_STATIC_ASSERT(sizeof(FUTA_STRUC) == 10 * 8, "FUTA_STRUC has 10 slots");
TXL5_SLOT(FUTA_STRUC, struc_version, 1);
TXL5_SLOT(FUTA_STRUC, futa_error, 2);
TXL5_SLOT(FUTA_STRUC, check_month, 3);
TXL5_SLOT(FUTA_STRUC, check_day, 4);
TXL5_SLOT(FUTA_STRUC, check_year, 5);
TXL5_SLOT(FUTA_STRUC, reserved_6, 6);
TXL5_SLOT(FUTA_STRUC, futa_wages, 7);
TXL5_SLOT(FUTA_STRUC, ytd_futa_wages, 8);
TXL5_SLOT(FUTA_STRUC, futa_rate, 9);
TXL5_SLOT(FUTA_STRUC, futa_tax, 10);

// Hourly workers' compensation assessment.
typedef struct WORKCOMP_STRUC {
    int64_t struc_version;              // 1  not read
    int64_t wc_error;                   // 2  out: 1 an amount that is not finite
    int64_t check_month;                // 3
    int64_t check_day;                  // 4
    int64_t check_year;                 // 5  the only date part read
    int64_t state_code;                 // 6  43 Oregon
    int64_t wc_fixed_hours;             // 7  nonzero: 160 hours
    int64_t wc_exempt;                  // 8  with wc_fixed_hours: no assessment
    int64_t reserved_9;                 // 9
    int64_t reserved_10;                // 10
    int64_t reserved_11;                // 11
    int64_t reserved_12;                // 12
    double wc_hours;                    // 13
    double wc_employee_rate;            // 14  per hour
    double wc_employer_rate;            // 15  per hour
    double wc_employee_tax;             // 16  out
    double wc_employer_tax;             // 17  out
} WORKCOMP_STRUC;
TXL5_STATIC_ASSERT(sizeof(WORKCOMP_STRUC) == 17 * 8, "WORKCOMP_STRUC has 17 slots");
TXL5_SLOT(WORKCOMP_STRUC, struc_version, 1);
TXL5_SLOT(WORKCOMP_STRUC, wc_error, 2);
TXL5_SLOT(WORKCOMP_STRUC, check_month, 3);
TXL5_SLOT(WORKCOMP_STRUC, check_day, 4);
TXL5_SLOT(WORKCOMP_STRUC, check_year, 5);
TXL5_SLOT(WORKCOMP_STRUC, state_code, 6);
TXL5_SLOT(WORKCOMP_STRUC, wc_fixed_hours, 7);
TXL5_SLOT(WORKCOMP_STRUC, wc_exempt, 8);
TXL5_SLOT(WORKCOMP_STRUC, reserved_9, 9);
TXL5_SLOT(WORKCOMP_STRUC, reserved_10, 10);
TXL5_SLOT(WORKCOMP_STRUC, reserved_11, 11);
TXL5_SLOT(WORKCOMP_STRUC, reserved_12, 12);
TXL5_SLOT(WORKCOMP_STRUC, wc_hours, 13);
TXL5_SLOT(WORKCOMP_STRUC, wc_employee_rate, 14);
TXL5_SLOT(WORKCOMP_STRUC, wc_employer_rate, 15);
TXL5_SLOT(WORKCOMP_STRUC, wc_employee_tax, 16);
TXL5_SLOT(WORKCOMP_STRUC, wc_employer_tax, 17);

// Transit payroll taxes.
typedef struct TT_STRUC {
    int64_t struc_version;              // 1  not read
    int64_t tt_error;                   // 2  out: 1 an amount that is not finite
    int64_t check_month;                // 3
    int64_t check_day;                  // 4
    int64_t check_year;                 // 5
    int64_t reserved_6;                 // 6
    double tt_wages;                    // 7
    int64_t reserved_8;                 // 8
    double tt_rate;                     // 9  transit district rate
    int64_t reserved_10;                // 10
    double tt_tax;                      // 11  out
    double statewide_transit_tax;       // 12  out
} TT_STRUC;
TXL5_STATIC_ASSERT(sizeof(TT_STRUC) == 12 * 8, "TT_STRUC has 12 slots");
TXL5_SLOT(TT_STRUC, struc_version, 1);
TXL5_SLOT(TT_STRUC, tt_error, 2);
TXL5_SLOT(TT_STRUC, check_month, 3);
TXL5_SLOT(TT_STRUC, check_day, 4);
TXL5_SLOT(TT_STRUC, check_year, 5);
TXL5_SLOT(TT_STRUC, reserved_6, 6);
TXL5_SLOT(TT_STRUC, tt_wages, 7);
TXL5_SLOT(TT_STRUC, reserved_8, 8);
TXL5_SLOT(TT_STRUC, tt_rate, 9);
TXL5_SLOT(TT_STRUC, reserved_10, 10);
TXL5_SLOT(TT_STRUC, tt_tax, 11);
TXL5_SLOT(TT_STRUC, statewide_transit_tax, 12);

// Other state levies (Washington long-term care premium).
typedef struct STATEOTHER_STRUC {
    int64_t struc_version;              // 1  not read
    int64_t other_error;                // 2  out: 1 levy not recognised
    int64_t levy_kind;                  // 3  1 long-term care premium
    int64_t check_month;                // 4
    int64_t check_day;                  // 5
    int64_t check_year;                 // 6
    int64_t state_code;                 // 7  56 Washington
    int64_t pay_periods;                // 8
    int64_t reserved_9;                 // 9
    int64_t reserved_10;                // 10
    int64_t reserved_11;                // 11
    int64_t reserved_12;                // 12
    int64_t reserved_13;                // 13
    int64_t reserved_14;                // 14
    int64_t reserved_15;                // 15
    double other_wages;                 // 16
    double other_tax;                   // 17  out
} STATEOTHER_STRUC;
TXL5_STATIC_ASSERT(sizeof(STATEOTHER_STRUC) == 17 * 8, "STATEOTHER_STRUC has 17 slots");
TXL5_SLOT(STATEOTHER_STRUC, struc_version, 1);
TXL5_SLOT(STATEOTHER_STRUC, other_error, 2);
TXL5_SLOT(STATEOTHER_STRUC, levy_kind, 3);
TXL5_SLOT(STATEOTHER_STRUC, check_month, 4);
TXL5_SLOT(STATEOTHER_STRUC, check_day, 5);
TXL5_SLOT(STATEOTHER_STRUC, check_year, 6);
TXL5_SLOT(STATEOTHER_STRUC, state_code, 7);
TXL5_SLOT(STATEOTHER_STRUC, pay_periods, 8);
TXL5_SLOT(STATEOTHER_STRUC, reserved_9, 9);
TXL5_SLOT(STATEOTHER_STRUC, reserved_10, 10);
TXL5_SLOT(STATEOTHER_STRUC, reserved_11, 11);
TXL5_SLOT(STATEOTHER_STRUC, reserved_12, 12);
TXL5_SLOT(STATEOTHER_STRUC, reserved_13, 13);
TXL5_SLOT(STATEOTHER_STRUC, reserved_14, 14);
TXL5_SLOT(STATEOTHER_STRUC, reserved_15, 15);
TXL5_SLOT(STATEOTHER_STRUC, other_wages, 16);
TXL5_SLOT(STATEOTHER_STRUC, other_tax, 17);

// Advance earned income credit.
typedef struct AEIC_STRUC {
    int64_t struc_version;              // 1  not read
    int64_t aeic_error;                 // 2  out: 1 no schedule row (not cleared)
    int64_t aeic_month;                 // 3
    int64_t aeic_day;                   // 4
    int64_t aeic_year;                  // 5
    int64_t aeic_spouse_certificate;    // 6  1 = spouse also filed (status 3)
    int64_t aeic_status;                // 7
    int64_t aeic_pay_periods;           // 8
    double aeic_wages;                  // 9
    double aeic_ytd_wages;              // 10
    double aeic_payment;                // 11  in/out
} AEIC_STRUC;
TXL5_STATIC_ASSERT(sizeof(AEIC_STRUC) == 11 * 8, "AEIC_STRUC has 11 slots");
TXL5_SLOT(AEIC_STRUC, struc_version, 1);
TXL5_SLOT(AEIC_STRUC, aeic_error, 2);
TXL5_SLOT(AEIC_STRUC, aeic_month, 3);
TXL5_SLOT(AEIC_STRUC, aeic_day, 4);
TXL5_SLOT(AEIC_STRUC, aeic_year, 5);
TXL5_SLOT(AEIC_STRUC, aeic_spouse_certificate, 6);
TXL5_SLOT(AEIC_STRUC, aeic_status, 7);
TXL5_SLOT(AEIC_STRUC, aeic_pay_periods, 8);
TXL5_SLOT(AEIC_STRUC, aeic_wages, 9);
TXL5_SLOT(AEIC_STRUC, aeic_ytd_wages, 10);
TXL5_SLOT(AEIC_STRUC, aeic_payment, 11);

TXL5_BEGIN_C
TXL5_EXPORT int64_t SDI_Calc(SDI_STRUC* sdi);
TXL5_EXPORT int64_t FAMLEAVE_Calc(FAMLEAVE_STRUC* leave);
TXL5_EXPORT int64_t SUI_Calc(SUI_STRUC* sui);
TXL5_EXPORT int64_t ETT_Calc(ETT_STRUC* ett);
TXL5_EXPORT int64_t FUTA_Calc(FUTA_STRUC* futa);
TXL5_EXPORT int64_t WORKCOMP_Calc(WORKCOMP_STRUC* wc);
TXL5_EXPORT int64_t TT_Calc(TT_STRUC* tt);
TXL5_EXPORT int64_t StateOther_Calc(STATEOTHER_STRUC* other);
TXL5_EXPORT int64_t TXL5_AEIC_Calc(AEIC_STRUC* aeic);
TXL5_END_C
// ---- end of payroll levies --------------------------------------------------

#endif  // TXL5_TXL5_H
