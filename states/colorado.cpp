// Colorado income tax withholding. From 2022 the tax is a flat rate on the
// annualized wages less an annual withholding allowance: the standard amount of
// the filing status, or the amount the employee enters on the state
// certificate (DR 0004). Before 2022 an employee on the federal allowances
// (old certificate) is taxed on the per-frequency schedules of DR 1098 after a
// deduction per allowance; an employee who gave the newer certificate is
// taxed on the flat-rate table. Supplemental wages are taxed together with the
// regular wages or at the flat supplemental rate. Colorado withholds whole
// dollars.
//
// Publications: Colorado Income Tax Withholding Worksheet for Employers
// (DR 1098), 2024, 2025 and 2026 editions; Colorado Income Tax Withholding
// Tables for Employers (DR 1098), 2021 (Colorado Department of Revenue).
#include "states/colorado.h"

#include <cmath>

#include "core/numeric.h"
#include "core/statecalc.h"
#include "core/tables.h"
#include "core/versions.h"

// Annual standard withholding allowance (allowance column) and flat rate by
// filing status (0 single, 1 married). One annual row per status and year.
const StateBracketRow cowh2020[] = {
    // 2026: DR 1098 (2026), 4.4 %; allowance 5,500 single, 11,000 married.
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 5500.0, 0.0, 0.0, 0.0, 0.044},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 11000.0, 0.0, 0.0, 0.0, 0.044},
    // 2025: DR 1098 (2025), 4.4 %; allowance 4,500 / 9,000 as this release
    // carries them (a transcription of DR 1098 rev. 11/12/24 reads 5,000 /
    // 10,000 for 2025).
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 4500.0, 0.0, 0.0, 0.0, 0.044},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 9000.0, 0.0, 0.0, 0.0, 0.044},
    // 2024: DR 1098 (2024), 4.4 %; allowance 4,500 / 9,000 (also a payroll tax
    // update of December 2023).
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 4500.0, 0.0, 0.0, 0.0, 0.044},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 9000.0, 0.0, 0.0, 0.0, 0.044},
    {},
};

// Schedules of the certificates before 2022, by filing status and pay
// frequency: no tax up to a threshold, the state rate above it.
const StateBracketRow cowh[] = {
    // BEGIN GENERATED ROWS by tools/gen_colorado.py from tools/data/colorado_cowh.csv: do not edit by hand
    // 2021: Colorado Income Tax Withholding Tables for Employers (DR 1098) 2021.
    {{1, 1, 2021}, {12, 31, 2021}, 0, 1, 0.0, 0.0, 3800.0, 0.0, 0.0},
    {{1, 1, 2021}, {12, 31, 2021}, 0, 1, 0.0, 3800.0, 0.0, 0.0, 0.0463},
    {{1, 1, 2021}, {12, 31, 2021}, 1, 1, 0.0, 0.0, 11800.0, 0.0, 0.0},
    {{1, 1, 2021}, {12, 31, 2021}, 1, 1, 0.0, 11800.0, 0.0, 0.0, 0.0463},
    {{1, 1, 2021}, {12, 31, 2021}, 0, 12, 0.0, 0.0, 317.0, 0.0, 0.0},
    {{1, 1, 2021}, {12, 31, 2021}, 0, 12, 0.0, 317.0, 0.0, 0.0, 0.0463},
    {{1, 1, 2021}, {12, 31, 2021}, 1, 12, 0.0, 0.0, 983.0, 0.0, 0.0},
    {{1, 1, 2021}, {12, 31, 2021}, 1, 12, 0.0, 983.0, 0.0, 0.0, 0.0463},
    {{1, 1, 2021}, {12, 31, 2021}, 0, 24, 0.0, 0.0, 158.0, 0.0, 0.0},
    {{1, 1, 2021}, {12, 31, 2021}, 0, 24, 0.0, 158.0, 0.0, 0.0, 0.0463},
    {{1, 1, 2021}, {12, 31, 2021}, 1, 24, 0.0, 0.0, 492.0, 0.0, 0.0},
    {{1, 1, 2021}, {12, 31, 2021}, 1, 24, 0.0, 492.0, 0.0, 0.0, 0.0463},
    {{1, 1, 2021}, {12, 31, 2021}, 0, 26, 0.0, 0.0, 146.0, 0.0, 0.0},
    {{1, 1, 2021}, {12, 31, 2021}, 0, 26, 0.0, 146.0, 0.0, 0.0, 0.0463},
    {{1, 1, 2021}, {12, 31, 2021}, 1, 26, 0.0, 0.0, 454.0, 0.0, 0.0},
    {{1, 1, 2021}, {12, 31, 2021}, 1, 26, 0.0, 454.0, 0.0, 0.0, 0.0463},
    {{1, 1, 2021}, {12, 31, 2021}, 0, 52, 0.0, 0.0, 73.0, 0.0, 0.0},
    {{1, 1, 2021}, {12, 31, 2021}, 0, 52, 0.0, 73.0, 0.0, 0.0, 0.0463},
    {{1, 1, 2021}, {12, 31, 2021}, 1, 52, 0.0, 0.0, 227.0, 0.0, 0.0},
    {{1, 1, 2021}, {12, 31, 2021}, 1, 52, 0.0, 227.0, 0.0, 0.0, 0.0463},
    // 2020: 2021 values carried back (the 2020 booklet was not found).
    {{1, 1, 2020}, {12, 31, 2020}, 0, 1, 0.0, 0.0, 3800.0, 0.0, 0.0},
    {{1, 1, 2020}, {12, 31, 2020}, 0, 1, 0.0, 3800.0, 0.0, 0.0, 0.0463},
    {{1, 1, 2020}, {12, 31, 2020}, 1, 1, 0.0, 0.0, 11800.0, 0.0, 0.0},
    {{1, 1, 2020}, {12, 31, 2020}, 1, 1, 0.0, 11800.0, 0.0, 0.0, 0.0463},
    {{1, 1, 2020}, {12, 31, 2020}, 0, 12, 0.0, 0.0, 317.0, 0.0, 0.0},
    {{1, 1, 2020}, {12, 31, 2020}, 0, 12, 0.0, 317.0, 0.0, 0.0, 0.0463},
    {{1, 1, 2020}, {12, 31, 2020}, 1, 12, 0.0, 0.0, 983.0, 0.0, 0.0},
    {{1, 1, 2020}, {12, 31, 2020}, 1, 12, 0.0, 983.0, 0.0, 0.0, 0.0463},
    {{1, 1, 2020}, {12, 31, 2020}, 0, 24, 0.0, 0.0, 158.0, 0.0, 0.0},
    {{1, 1, 2020}, {12, 31, 2020}, 0, 24, 0.0, 158.0, 0.0, 0.0, 0.0463},
    {{1, 1, 2020}, {12, 31, 2020}, 1, 24, 0.0, 0.0, 492.0, 0.0, 0.0},
    {{1, 1, 2020}, {12, 31, 2020}, 1, 24, 0.0, 492.0, 0.0, 0.0, 0.0463},
    {{1, 1, 2020}, {12, 31, 2020}, 0, 26, 0.0, 0.0, 146.0, 0.0, 0.0},
    {{1, 1, 2020}, {12, 31, 2020}, 0, 26, 0.0, 146.0, 0.0, 0.0, 0.0463},
    {{1, 1, 2020}, {12, 31, 2020}, 1, 26, 0.0, 0.0, 454.0, 0.0, 0.0},
    {{1, 1, 2020}, {12, 31, 2020}, 1, 26, 0.0, 454.0, 0.0, 0.0, 0.0463},
    {{1, 1, 2020}, {12, 31, 2020}, 0, 52, 0.0, 0.0, 73.0, 0.0, 0.0},
    {{1, 1, 2020}, {12, 31, 2020}, 0, 52, 0.0, 73.0, 0.0, 0.0, 0.0463},
    {{1, 1, 2020}, {12, 31, 2020}, 1, 52, 0.0, 0.0, 227.0, 0.0, 0.0},
    {{1, 1, 2020}, {12, 31, 2020}, 1, 52, 0.0, 227.0, 0.0, 0.0, 0.0463},
    // 2019: 2021 values carried back (the 2019 booklet was not found; 3800 / 11800 and 4200 are the
    // federal amounts of 2019).
    {{1, 1, 2019}, {12, 31, 2019}, 0, 1, 0.0, 0.0, 3800.0, 0.0, 0.0},
    {{1, 1, 2019}, {12, 31, 2019}, 0, 1, 0.0, 3800.0, 0.0, 0.0, 0.0463},
    {{1, 1, 2019}, {12, 31, 2019}, 1, 1, 0.0, 0.0, 11800.0, 0.0, 0.0},
    {{1, 1, 2019}, {12, 31, 2019}, 1, 1, 0.0, 11800.0, 0.0, 0.0, 0.0463},
    {{1, 1, 2019}, {12, 31, 2019}, 0, 12, 0.0, 0.0, 317.0, 0.0, 0.0},
    {{1, 1, 2019}, {12, 31, 2019}, 0, 12, 0.0, 317.0, 0.0, 0.0, 0.0463},
    {{1, 1, 2019}, {12, 31, 2019}, 1, 12, 0.0, 0.0, 983.0, 0.0, 0.0},
    {{1, 1, 2019}, {12, 31, 2019}, 1, 12, 0.0, 983.0, 0.0, 0.0, 0.0463},
    {{1, 1, 2019}, {12, 31, 2019}, 0, 24, 0.0, 0.0, 158.0, 0.0, 0.0},
    {{1, 1, 2019}, {12, 31, 2019}, 0, 24, 0.0, 158.0, 0.0, 0.0, 0.0463},
    {{1, 1, 2019}, {12, 31, 2019}, 1, 24, 0.0, 0.0, 492.0, 0.0, 0.0},
    {{1, 1, 2019}, {12, 31, 2019}, 1, 24, 0.0, 492.0, 0.0, 0.0, 0.0463},
    {{1, 1, 2019}, {12, 31, 2019}, 0, 26, 0.0, 0.0, 146.0, 0.0, 0.0},
    {{1, 1, 2019}, {12, 31, 2019}, 0, 26, 0.0, 146.0, 0.0, 0.0, 0.0463},
    {{1, 1, 2019}, {12, 31, 2019}, 1, 26, 0.0, 0.0, 454.0, 0.0, 0.0},
    {{1, 1, 2019}, {12, 31, 2019}, 1, 26, 0.0, 454.0, 0.0, 0.0, 0.0463},
    {{1, 1, 2019}, {12, 31, 2019}, 0, 52, 0.0, 0.0, 73.0, 0.0, 0.0},
    {{1, 1, 2019}, {12, 31, 2019}, 0, 52, 0.0, 73.0, 0.0, 0.0, 0.0463},
    {{1, 1, 2019}, {12, 31, 2019}, 1, 52, 0.0, 0.0, 227.0, 0.0, 0.0},
    {{1, 1, 2019}, {12, 31, 2019}, 1, 52, 0.0, 227.0, 0.0, 0.0, 0.0463},
    // 2000: Colorado rate of 2000 (4.63 %) over the federal thresholds and allowance of 2000 (booklet not
    // found).
    {{1, 1, 2000}, {12, 31, 2000}, 0, 1, 2800.0, 0.0, 2650.0, 0.0, 0.0},
    {{1, 1, 2000}, {12, 31, 2000}, 0, 1, 2800.0, 2650.0, 0.0, 0.0, 0.0463},
    {{1, 1, 2000}, {12, 31, 2000}, 1, 1, 2800.0, 0.0, 6450.0, 0.0, 0.0},
    {{1, 1, 2000}, {12, 31, 2000}, 1, 1, 2800.0, 6450.0, 0.0, 0.0, 0.0463},
    {{1, 1, 2000}, {12, 31, 2000}, 0, 12, 233.33, 0.0, 221.0, 0.0, 0.0},
    {{1, 1, 2000}, {12, 31, 2000}, 0, 12, 233.33, 221.0, 0.0, 0.0, 0.0463},
    {{1, 1, 2000}, {12, 31, 2000}, 1, 12, 233.33, 0.0, 538.0, 0.0, 0.0},
    {{1, 1, 2000}, {12, 31, 2000}, 1, 12, 233.33, 538.0, 0.0, 0.0, 0.0463},
    {{1, 1, 2000}, {12, 31, 2000}, 0, 24, 116.67, 0.0, 110.0, 0.0, 0.0},
    {{1, 1, 2000}, {12, 31, 2000}, 0, 24, 116.67, 110.0, 0.0, 0.0, 0.0463},
    {{1, 1, 2000}, {12, 31, 2000}, 1, 24, 116.67, 0.0, 269.0, 0.0, 0.0},
    {{1, 1, 2000}, {12, 31, 2000}, 1, 24, 116.67, 269.0, 0.0, 0.0, 0.0463},
    {{1, 1, 2000}, {12, 31, 2000}, 0, 26, 107.69, 0.0, 102.0, 0.0, 0.0},
    {{1, 1, 2000}, {12, 31, 2000}, 0, 26, 107.69, 102.0, 0.0, 0.0, 0.0463},
    {{1, 1, 2000}, {12, 31, 2000}, 1, 26, 107.69, 0.0, 248.0, 0.0, 0.0},
    {{1, 1, 2000}, {12, 31, 2000}, 1, 26, 107.69, 248.0, 0.0, 0.0, 0.0463},
    {{1, 1, 2000}, {12, 31, 2000}, 0, 52, 53.85, 0.0, 51.0, 0.0, 0.0},
    {{1, 1, 2000}, {12, 31, 2000}, 0, 52, 53.85, 51.0, 0.0, 0.0, 0.0463},
    {{1, 1, 2000}, {12, 31, 2000}, 1, 52, 53.85, 0.0, 124.0, 0.0, 0.0},
    {{1, 1, 2000}, {12, 31, 2000}, 1, 52, 53.85, 124.0, 0.0, 0.0, 0.0463},
    // 1999: Colorado rate of 1999 (4.75 %) over the federal thresholds and allowance of 1999 (booklet not
    // found).
    {{1, 1, 1999}, {12, 31, 1999}, 0, 1, 2750.0, 0.0, 2650.0, 0.0, 0.0},
    {{1, 1, 1999}, {12, 31, 1999}, 0, 1, 2750.0, 2650.0, 0.0, 0.0, 0.0475},
    {{1, 1, 1999}, {12, 31, 1999}, 1, 1, 2750.0, 0.0, 6450.0, 0.0, 0.0},
    {{1, 1, 1999}, {12, 31, 1999}, 1, 1, 2750.0, 6450.0, 0.0, 0.0, 0.0475},
    {{1, 1, 1999}, {12, 31, 1999}, 0, 12, 229.17, 0.0, 221.0, 0.0, 0.0},
    {{1, 1, 1999}, {12, 31, 1999}, 0, 12, 229.17, 221.0, 0.0, 0.0, 0.0475},
    {{1, 1, 1999}, {12, 31, 1999}, 1, 12, 229.17, 0.0, 538.0, 0.0, 0.0},
    {{1, 1, 1999}, {12, 31, 1999}, 1, 12, 229.17, 538.0, 0.0, 0.0, 0.0475},
    {{1, 1, 1999}, {12, 31, 1999}, 0, 24, 114.58, 0.0, 110.0, 0.0, 0.0},
    {{1, 1, 1999}, {12, 31, 1999}, 0, 24, 114.58, 110.0, 0.0, 0.0, 0.0475},
    {{1, 1, 1999}, {12, 31, 1999}, 1, 24, 114.58, 0.0, 269.0, 0.0, 0.0},
    {{1, 1, 1999}, {12, 31, 1999}, 1, 24, 114.58, 269.0, 0.0, 0.0, 0.0475},
    {{1, 1, 1999}, {12, 31, 1999}, 0, 26, 105.77, 0.0, 102.0, 0.0, 0.0},
    {{1, 1, 1999}, {12, 31, 1999}, 0, 26, 105.77, 102.0, 0.0, 0.0, 0.0475},
    {{1, 1, 1999}, {12, 31, 1999}, 1, 26, 105.77, 0.0, 248.0, 0.0, 0.0},
    {{1, 1, 1999}, {12, 31, 1999}, 1, 26, 105.77, 248.0, 0.0, 0.0, 0.0475},
    {{1, 1, 1999}, {12, 31, 1999}, 0, 52, 52.88, 0.0, 51.0, 0.0, 0.0},
    {{1, 1, 1999}, {12, 31, 1999}, 0, 52, 52.88, 51.0, 0.0, 0.0, 0.0475},
    {{1, 1, 1999}, {12, 31, 1999}, 1, 52, 52.88, 0.0, 124.0, 0.0, 0.0},
    {{1, 1, 1999}, {12, 31, 1999}, 1, 52, 52.88, 124.0, 0.0, 0.0, 0.0475},
    // 1998: Colorado rate of 1998 (5 %) over the federal thresholds and allowance of 1998 (booklet not
    // found).
    {{1, 1, 1998}, {12, 31, 1998}, 0, 1, 2700.0, 0.0, 2650.0, 0.0, 0.0},
    {{1, 1, 1998}, {12, 31, 1998}, 0, 1, 2700.0, 2650.0, 0.0, 0.0, 0.05},
    {{1, 1, 1998}, {12, 31, 1998}, 1, 1, 2700.0, 0.0, 6450.0, 0.0, 0.0},
    {{1, 1, 1998}, {12, 31, 1998}, 1, 1, 2700.0, 6450.0, 0.0, 0.0, 0.05},
    {{1, 1, 1998}, {12, 31, 1998}, 0, 12, 225.0, 0.0, 221.0, 0.0, 0.0},
    {{1, 1, 1998}, {12, 31, 1998}, 0, 12, 225.0, 221.0, 0.0, 0.0, 0.05},
    {{1, 1, 1998}, {12, 31, 1998}, 1, 12, 225.0, 0.0, 538.0, 0.0, 0.0},
    {{1, 1, 1998}, {12, 31, 1998}, 1, 12, 225.0, 538.0, 0.0, 0.0, 0.05},
    {{1, 1, 1998}, {12, 31, 1998}, 0, 24, 112.5, 0.0, 110.0, 0.0, 0.0},
    {{1, 1, 1998}, {12, 31, 1998}, 0, 24, 112.5, 110.0, 0.0, 0.0, 0.05},
    {{1, 1, 1998}, {12, 31, 1998}, 1, 24, 112.5, 0.0, 269.0, 0.0, 0.0},
    {{1, 1, 1998}, {12, 31, 1998}, 1, 24, 112.5, 269.0, 0.0, 0.0, 0.05},
    {{1, 1, 1998}, {12, 31, 1998}, 0, 26, 103.85, 0.0, 102.0, 0.0, 0.0},
    {{1, 1, 1998}, {12, 31, 1998}, 0, 26, 103.85, 102.0, 0.0, 0.0, 0.05},
    {{1, 1, 1998}, {12, 31, 1998}, 1, 26, 103.85, 0.0, 248.0, 0.0, 0.0},
    {{1, 1, 1998}, {12, 31, 1998}, 1, 26, 103.85, 248.0, 0.0, 0.0, 0.05},
    {{1, 1, 1998}, {12, 31, 1998}, 0, 52, 51.92, 0.0, 51.0, 0.0, 0.0},
    {{1, 1, 1998}, {12, 31, 1998}, 0, 52, 51.92, 51.0, 0.0, 0.0, 0.05},
    {{1, 1, 1998}, {12, 31, 1998}, 1, 52, 51.92, 0.0, 124.0, 0.0, 0.0},
    {{1, 1, 1998}, {12, 31, 1998}, 1, 52, 51.92, 124.0, 0.0, 0.0, 0.05},
    // END GENERATED ROWS
    {},
};

// Deduction for 0 to 10 withholding allowances (certificates before 2022).
const CoAllowanceRow allow[] = {
    // BEGIN GENERATED ROWS by tools/gen_colorado.py from tools/data/colorado_allow.csv: do not edit by hand
    // 2021: Colorado Income Tax Withholding Tables for Employers (DR 1098) 2021.
    {{1, 1, 2021}, {12, 31, 2021}, 1, 0, 0.0},
    {{1, 1, 2021}, {12, 31, 2021}, 1, 1, 4200.0},
    {{1, 1, 2021}, {12, 31, 2021}, 1, 2, 8400.0},
    {{1, 1, 2021}, {12, 31, 2021}, 1, 3, 12600.0},
    {{1, 1, 2021}, {12, 31, 2021}, 1, 4, 16800.0},
    {{1, 1, 2021}, {12, 31, 2021}, 1, 5, 21000.0},
    {{1, 1, 2021}, {12, 31, 2021}, 1, 6, 25200.0},
    {{1, 1, 2021}, {12, 31, 2021}, 1, 7, 25200.0},
    {{1, 1, 2021}, {12, 31, 2021}, 1, 8, 25200.0},
    {{1, 1, 2021}, {12, 31, 2021}, 1, 9, 25200.0},
    {{1, 1, 2021}, {12, 31, 2021}, 1, 10, 25200.0},
    {{1, 1, 2021}, {12, 31, 2021}, 52, 0, 0.0},
    {{1, 1, 2021}, {12, 31, 2021}, 52, 1, 81.0},
    {{1, 1, 2021}, {12, 31, 2021}, 52, 2, 162.0},
    {{1, 1, 2021}, {12, 31, 2021}, 52, 3, 242.0},
    {{1, 1, 2021}, {12, 31, 2021}, 52, 4, 323.0},
    {{1, 1, 2021}, {12, 31, 2021}, 52, 5, 404.0},
    {{1, 1, 2021}, {12, 31, 2021}, 52, 6, 485.0},
    {{1, 1, 2021}, {12, 31, 2021}, 52, 7, 485.0},
    {{1, 1, 2021}, {12, 31, 2021}, 52, 8, 485.0},
    {{1, 1, 2021}, {12, 31, 2021}, 52, 9, 485.0},
    {{1, 1, 2021}, {12, 31, 2021}, 52, 10, 485.0},
    {{1, 1, 2021}, {12, 31, 2021}, 26, 0, 0.0},
    {{1, 1, 2021}, {12, 31, 2021}, 26, 1, 162.0},
    {{1, 1, 2021}, {12, 31, 2021}, 26, 2, 323.0},
    {{1, 1, 2021}, {12, 31, 2021}, 26, 3, 485.0},
    {{1, 1, 2021}, {12, 31, 2021}, 26, 4, 646.0},
    {{1, 1, 2021}, {12, 31, 2021}, 26, 5, 808.0},
    {{1, 1, 2021}, {12, 31, 2021}, 26, 6, 969.0},
    {{1, 1, 2021}, {12, 31, 2021}, 26, 7, 969.0},
    {{1, 1, 2021}, {12, 31, 2021}, 26, 8, 969.0},
    {{1, 1, 2021}, {12, 31, 2021}, 26, 9, 969.0},
    {{1, 1, 2021}, {12, 31, 2021}, 26, 10, 969.0},
    {{1, 1, 2021}, {12, 31, 2021}, 24, 0, 0.0},
    {{1, 1, 2021}, {12, 31, 2021}, 24, 1, 175.0},
    {{1, 1, 2021}, {12, 31, 2021}, 24, 2, 350.0},
    {{1, 1, 2021}, {12, 31, 2021}, 24, 3, 525.0},
    {{1, 1, 2021}, {12, 31, 2021}, 24, 4, 700.0},
    {{1, 1, 2021}, {12, 31, 2021}, 24, 5, 875.0},
    {{1, 1, 2021}, {12, 31, 2021}, 24, 6, 1050.0},
    {{1, 1, 2021}, {12, 31, 2021}, 24, 7, 1050.0},
    {{1, 1, 2021}, {12, 31, 2021}, 24, 8, 1050.0},
    {{1, 1, 2021}, {12, 31, 2021}, 24, 9, 1050.0},
    {{1, 1, 2021}, {12, 31, 2021}, 24, 10, 1050.0},
    {{1, 1, 2021}, {12, 31, 2021}, 12, 0, 0.0},
    {{1, 1, 2021}, {12, 31, 2021}, 12, 1, 350.0},
    {{1, 1, 2021}, {12, 31, 2021}, 12, 2, 700.0},
    {{1, 1, 2021}, {12, 31, 2021}, 12, 3, 1050.0},
    {{1, 1, 2021}, {12, 31, 2021}, 12, 4, 1400.0},
    {{1, 1, 2021}, {12, 31, 2021}, 12, 5, 1750.0},
    {{1, 1, 2021}, {12, 31, 2021}, 12, 6, 2100.0},
    {{1, 1, 2021}, {12, 31, 2021}, 12, 7, 2100.0},
    {{1, 1, 2021}, {12, 31, 2021}, 12, 8, 2100.0},
    {{1, 1, 2021}, {12, 31, 2021}, 12, 9, 2100.0},
    {{1, 1, 2021}, {12, 31, 2021}, 12, 10, 2100.0},
    // 2020: 2021 values carried back (the 2020 booklet was not found).
    {{1, 1, 2020}, {12, 31, 2020}, 1, 0, 0.0},
    {{1, 1, 2020}, {12, 31, 2020}, 1, 1, 4200.0},
    {{1, 1, 2020}, {12, 31, 2020}, 1, 2, 8400.0},
    {{1, 1, 2020}, {12, 31, 2020}, 1, 3, 12600.0},
    {{1, 1, 2020}, {12, 31, 2020}, 1, 4, 16800.0},
    {{1, 1, 2020}, {12, 31, 2020}, 1, 5, 21000.0},
    {{1, 1, 2020}, {12, 31, 2020}, 1, 6, 25200.0},
    {{1, 1, 2020}, {12, 31, 2020}, 1, 7, 25200.0},
    {{1, 1, 2020}, {12, 31, 2020}, 1, 8, 25200.0},
    {{1, 1, 2020}, {12, 31, 2020}, 1, 9, 25200.0},
    {{1, 1, 2020}, {12, 31, 2020}, 1, 10, 25200.0},
    {{1, 1, 2020}, {12, 31, 2020}, 52, 0, 0.0},
    {{1, 1, 2020}, {12, 31, 2020}, 52, 1, 81.0},
    {{1, 1, 2020}, {12, 31, 2020}, 52, 2, 162.0},
    {{1, 1, 2020}, {12, 31, 2020}, 52, 3, 242.0},
    {{1, 1, 2020}, {12, 31, 2020}, 52, 4, 323.0},
    {{1, 1, 2020}, {12, 31, 2020}, 52, 5, 404.0},
    {{1, 1, 2020}, {12, 31, 2020}, 52, 6, 485.0},
    {{1, 1, 2020}, {12, 31, 2020}, 52, 7, 485.0},
    {{1, 1, 2020}, {12, 31, 2020}, 52, 8, 485.0},
    {{1, 1, 2020}, {12, 31, 2020}, 52, 9, 485.0},
    {{1, 1, 2020}, {12, 31, 2020}, 52, 10, 485.0},
    {{1, 1, 2020}, {12, 31, 2020}, 26, 0, 0.0},
    {{1, 1, 2020}, {12, 31, 2020}, 26, 1, 162.0},
    {{1, 1, 2020}, {12, 31, 2020}, 26, 2, 323.0},
    {{1, 1, 2020}, {12, 31, 2020}, 26, 3, 485.0},
    {{1, 1, 2020}, {12, 31, 2020}, 26, 4, 646.0},
    {{1, 1, 2020}, {12, 31, 2020}, 26, 5, 808.0},
    {{1, 1, 2020}, {12, 31, 2020}, 26, 6, 969.0},
    {{1, 1, 2020}, {12, 31, 2020}, 26, 7, 969.0},
    {{1, 1, 2020}, {12, 31, 2020}, 26, 8, 969.0},
    {{1, 1, 2020}, {12, 31, 2020}, 26, 9, 969.0},
    {{1, 1, 2020}, {12, 31, 2020}, 26, 10, 969.0},
    {{1, 1, 2020}, {12, 31, 2020}, 24, 0, 0.0},
    {{1, 1, 2020}, {12, 31, 2020}, 24, 1, 175.0},
    {{1, 1, 2020}, {12, 31, 2020}, 24, 2, 350.0},
    {{1, 1, 2020}, {12, 31, 2020}, 24, 3, 525.0},
    {{1, 1, 2020}, {12, 31, 2020}, 24, 4, 700.0},
    {{1, 1, 2020}, {12, 31, 2020}, 24, 5, 875.0},
    {{1, 1, 2020}, {12, 31, 2020}, 24, 6, 1050.0},
    {{1, 1, 2020}, {12, 31, 2020}, 24, 7, 1050.0},
    {{1, 1, 2020}, {12, 31, 2020}, 24, 8, 1050.0},
    {{1, 1, 2020}, {12, 31, 2020}, 24, 9, 1050.0},
    {{1, 1, 2020}, {12, 31, 2020}, 24, 10, 1050.0},
    {{1, 1, 2020}, {12, 31, 2020}, 12, 0, 0.0},
    {{1, 1, 2020}, {12, 31, 2020}, 12, 1, 350.0},
    {{1, 1, 2020}, {12, 31, 2020}, 12, 2, 700.0},
    {{1, 1, 2020}, {12, 31, 2020}, 12, 3, 1050.0},
    {{1, 1, 2020}, {12, 31, 2020}, 12, 4, 1400.0},
    {{1, 1, 2020}, {12, 31, 2020}, 12, 5, 1750.0},
    {{1, 1, 2020}, {12, 31, 2020}, 12, 6, 2100.0},
    {{1, 1, 2020}, {12, 31, 2020}, 12, 7, 2100.0},
    {{1, 1, 2020}, {12, 31, 2020}, 12, 8, 2100.0},
    {{1, 1, 2020}, {12, 31, 2020}, 12, 9, 2100.0},
    {{1, 1, 2020}, {12, 31, 2020}, 12, 10, 2100.0},
    // 2019: 2021 values carried back (the 2019 booklet was not found).
    {{1, 1, 2019}, {12, 31, 2019}, 1, 0, 0.0},
    {{1, 1, 2019}, {12, 31, 2019}, 1, 1, 4200.0},
    {{1, 1, 2019}, {12, 31, 2019}, 1, 2, 8400.0},
    {{1, 1, 2019}, {12, 31, 2019}, 1, 3, 12600.0},
    {{1, 1, 2019}, {12, 31, 2019}, 1, 4, 16800.0},
    {{1, 1, 2019}, {12, 31, 2019}, 1, 5, 21000.0},
    {{1, 1, 2019}, {12, 31, 2019}, 1, 6, 25200.0},
    {{1, 1, 2019}, {12, 31, 2019}, 1, 7, 25200.0},
    {{1, 1, 2019}, {12, 31, 2019}, 1, 8, 25200.0},
    {{1, 1, 2019}, {12, 31, 2019}, 1, 9, 25200.0},
    {{1, 1, 2019}, {12, 31, 2019}, 1, 10, 25200.0},
    {{1, 1, 2019}, {12, 31, 2019}, 52, 0, 0.0},
    {{1, 1, 2019}, {12, 31, 2019}, 52, 1, 81.0},
    {{1, 1, 2019}, {12, 31, 2019}, 52, 2, 162.0},
    {{1, 1, 2019}, {12, 31, 2019}, 52, 3, 242.0},
    {{1, 1, 2019}, {12, 31, 2019}, 52, 4, 323.0},
    {{1, 1, 2019}, {12, 31, 2019}, 52, 5, 404.0},
    {{1, 1, 2019}, {12, 31, 2019}, 52, 6, 485.0},
    {{1, 1, 2019}, {12, 31, 2019}, 52, 7, 485.0},
    {{1, 1, 2019}, {12, 31, 2019}, 52, 8, 485.0},
    {{1, 1, 2019}, {12, 31, 2019}, 52, 9, 485.0},
    {{1, 1, 2019}, {12, 31, 2019}, 52, 10, 485.0},
    {{1, 1, 2019}, {12, 31, 2019}, 26, 0, 0.0},
    {{1, 1, 2019}, {12, 31, 2019}, 26, 1, 162.0},
    {{1, 1, 2019}, {12, 31, 2019}, 26, 2, 323.0},
    {{1, 1, 2019}, {12, 31, 2019}, 26, 3, 485.0},
    {{1, 1, 2019}, {12, 31, 2019}, 26, 4, 646.0},
    {{1, 1, 2019}, {12, 31, 2019}, 26, 5, 808.0},
    {{1, 1, 2019}, {12, 31, 2019}, 26, 6, 969.0},
    {{1, 1, 2019}, {12, 31, 2019}, 26, 7, 969.0},
    {{1, 1, 2019}, {12, 31, 2019}, 26, 8, 969.0},
    {{1, 1, 2019}, {12, 31, 2019}, 26, 9, 969.0},
    {{1, 1, 2019}, {12, 31, 2019}, 26, 10, 969.0},
    {{1, 1, 2019}, {12, 31, 2019}, 24, 0, 0.0},
    {{1, 1, 2019}, {12, 31, 2019}, 24, 1, 175.0},
    {{1, 1, 2019}, {12, 31, 2019}, 24, 2, 350.0},
    {{1, 1, 2019}, {12, 31, 2019}, 24, 3, 525.0},
    {{1, 1, 2019}, {12, 31, 2019}, 24, 4, 700.0},
    {{1, 1, 2019}, {12, 31, 2019}, 24, 5, 875.0},
    {{1, 1, 2019}, {12, 31, 2019}, 24, 6, 1050.0},
    {{1, 1, 2019}, {12, 31, 2019}, 24, 7, 1050.0},
    {{1, 1, 2019}, {12, 31, 2019}, 24, 8, 1050.0},
    {{1, 1, 2019}, {12, 31, 2019}, 24, 9, 1050.0},
    {{1, 1, 2019}, {12, 31, 2019}, 24, 10, 1050.0},
    {{1, 1, 2019}, {12, 31, 2019}, 12, 0, 0.0},
    {{1, 1, 2019}, {12, 31, 2019}, 12, 1, 350.0},
    {{1, 1, 2019}, {12, 31, 2019}, 12, 2, 700.0},
    {{1, 1, 2019}, {12, 31, 2019}, 12, 3, 1050.0},
    {{1, 1, 2019}, {12, 31, 2019}, 12, 4, 1400.0},
    {{1, 1, 2019}, {12, 31, 2019}, 12, 5, 1750.0},
    {{1, 1, 2019}, {12, 31, 2019}, 12, 6, 2100.0},
    {{1, 1, 2019}, {12, 31, 2019}, 12, 7, 2100.0},
    {{1, 1, 2019}, {12, 31, 2019}, 12, 8, 2100.0},
    {{1, 1, 2019}, {12, 31, 2019}, 12, 9, 2100.0},
    {{1, 1, 2019}, {12, 31, 2019}, 12, 10, 2100.0},
    // END GENERATED ROWS
    {},
};

// Flat rate for supplemental wages: the income tax rate.
const SupplementalRateRow supplemental_co[] = {
    // 2026: DR 1098 (2026), 4.4 %.
    {{1, 1, 2026}, {12, 31, 2026}, 0.044},
    // 2025: DR 1098 (2025), 4.4 %.
    {{1, 1, 2025}, {12, 31, 2025}, 0.044},
    // 2024: DR 1098 (2024), 4.4 %.
    {{1, 1, 2024}, {12, 31, 2024}, 0.044},
    {},
};

namespace {

// From 2022 every employee is taxed on the flat-rate table.
constexpr int64_t kFirstFlatRateYear = 2022;
// The newer certificate's fields are read for check years after 2019.
constexpr int64_t kLastYearBeforeNewForm = 2019;

// The allow table ends at a row whose pay periods are 0.
struct EndsAtZeroPayPeriods {
    bool operator()(const CoAllowanceRow& row) const { return row.pay_periods == 0; }
};

// The certificate entries read for this check.
struct Certificate {
    bool new_form = false;         // the newer state certificate was given
    bool own_allowance = false;    // ... with an annual allowance of the employee's own
    double allowance_amount = 0.0;  // that allowance
};

Certificate read_certificate(const FEDERAL_WITHHOLDING_STRUC& fed, const STATE_WITHHOLDING_STRUC& state) {
    Certificate c;
    if (state.struc_version <= txl5::kStateNewFormVersion || fed.check_year <= kLastYearBeforeNewForm) return c;
    c.new_form = state.state_new_form != 0;
    c.own_allowance = state.state_new_form > 0 && state.state_form_flag2 > 0;
    c.allowance_amount = state.state_form_amount2;
    return c;
}

// From 2022: (annual wages - allowance) x rate, brought back to the period.
// The row is the status's row of the check date; the allowance is the
// employee's own where the certificate gives one.
double flat_rate_tax(const StateBracketRow& row, const Certificate& cert, int64_t periods, double wages) {
    const double allowance = cert.own_allowance ? cert.allowance_amount : row.allowance_amount;
    double taxable = static_cast<double>(periods) * wages - allowance;
    if (taxable < 0.0) taxable = 0.0;
    return taxable * row.rate / static_cast<double>(txl5::per_period_divisor(periods));
}

// Before 2022, old certificate: the deduction for the employee's allowances.
// A row of the employee's frequency gives the deduction for that count; else
// the annual value of one allowance is spread over the periods and taken once
// per allowance. Null when neither exists.
const CoAllowanceRow* allowance_deduction(const MDATE& date, const STATE_WITHHOLDING_STRUC& state,
                                          double* deduction) {
    const int64_t periods = state.state_pay_periods;
    const int64_t count = state.state_allowances;
    bool annual_used = false;
    const CoAllowanceRow* row = txl5::scan_two_pass(
        allow, date, periods, [](const CoAllowanceRow&) { return true; },
        [&](const CoAllowanceRow& r, bool annual) {
            annual_used = annual;
            return annual ? r.allowance_count == 1 : r.allowance_count == count;
        },
        true, EndsAtZeroPayPeriods());
    if (!row) return nullptr;
    *deduction = annual_used ? static_cast<double>(count) *
                                   (row->allowance_amount / static_cast<double>(txl5::per_period_divisor(periods)))
                             : row->allowance_amount;
    return row;
}

// Before 2022, old certificate: the schedule of the status on `taxable` (the
// period's wages after the allowance deduction), annualized on an annual row.
txl5::BracketTax<StateBracketRow> schedule_tax(const MDATE& date, const STATE_WITHHOLDING_STRUC& state,
                                              double taxable) {
    const int64_t status = state.state_filing_status;
    const double periods = static_cast<double>(state.state_pay_periods);
    return txl5::bracket_tax(
        cowh, date, state.state_pay_periods, [status](const StateBracketRow& row) { return row.status == status; },
        [&](const StateBracketRow&, bool annual) { return annual ? taxable * periods : taxable; });
}

// Before 2022, newer certificate: the flat-rate table through the two-pass
// scan, the row's allowance taken from the period's wages (a row of the
// employee's frequency) or from the annualized wages (an annual row).
txl5::BracketTax<StateBracketRow> new_form_tax(const MDATE& date, const STATE_WITHHOLDING_STRUC& state,
                                              double wages) {
    const int64_t status = state.state_filing_status;
    const double periods = static_cast<double>(state.state_pay_periods);
    return txl5::bracket_tax(
        cowh2020, date, state.state_pay_periods,
        [status](const StateBracketRow& row) { return row.status == status; },
        [&](const StateBracketRow& row, bool annual) {
            return annual ? periods * wages - row.allowance_amount : wages - row.allowance_amount;
        });
}

// Checks dated 2022 or later. A check without a row for its date is a failure,
// so that the driver computes it on the previous year's row.
int64_t flat_rate_era(const MDATE& date, const Certificate& cert, bool supplemental_due,
                      STATE_WITHHOLDING_STRUC* state) {
    const int64_t status = state->state_filing_status;
    const StateBracketRow* row =
        txl5::scan_rows(cowh2020, date, [status](const StateBracketRow& r) { return r.status == status; });
    if (!row) return txl5::fail_no_row(state);
    const int64_t periods = state->state_pay_periods;
    const double tax = flat_rate_tax(*row, cert, periods, state->state_wages);
    // Wages (or an own allowance) that are not a finite amount give no tax.
    if (!std::isfinite(tax)) return txl5::fail_no_row(state);
    state->state_tax = tax;

    int64_t result = 0;
    if (supplemental_due && state->state_supp_aggregate == txl5::kSuppAggregate &&
        state->state_supplemental_wages > 0.0) {
        // Aggregate: the same row and allowance on the regular plus
        // supplemental wages, less the tax on the regular wages.
        txl5::BracketTax<StateBracketRow> combined;
        combined.tax = flat_rate_tax(*row, cert, periods, state->state_wages + state->state_supplemental_wages);
        combined.row = std::isfinite(combined.tax) ? row : nullptr;
        result |= txl5::aggregate_supplemental_tax(combined, state, txl5::AggregateFloor::AtZero, reallydollarround);
    } else if (supplemental_due && state->state_supp_aggregate == txl5::kSuppFlat) {
        result |= txl5::flat_supplemental_tax(supplemental_co, date, state, reallydollarround);
    }
    return result;
}

// Checks dated before 2022. A missing bracket row fails the regular tax but
// the supplemental tax is still computed.
int64_t bracket_era(const MDATE& date, const Certificate& cert, bool supplemental_due,
                    STATE_WITHHOLDING_STRUC* state) {
    const double supplemental = state->state_supplemental_wages;
    txl5::BracketTax<StateBracketRow> regular;
    double taxable = 0.0;
    if (cert.new_form) {
        regular = new_form_tax(date, *state, state->state_wages);
    } else {
        double deduction = 0.0;
        if (!allowance_deduction(date, *state, &deduction)) return txl5::fail_no_row(state);
        taxable = state->state_wages - deduction;
        if (taxable < 0.0) taxable = 0.0;
        regular = schedule_tax(date, *state, taxable);
    }

    int64_t result = 0;
    if (regular.row) {
        state->state_tax = regular.tax;
        txl5::record_row_used(state, *regular.row);
    } else {
        result |= txl5::fail_no_row(state);
    }

    if (supplemental_due && state->state_supp_aggregate == txl5::kSuppAggregate && supplemental > 0.0) {
        const txl5::BracketTax<StateBracketRow> combined =
            cert.new_form ? new_form_tax(date, *state, state->state_wages + supplemental)
                          : schedule_tax(date, *state, taxable + supplemental);
        result |= txl5::aggregate_supplemental_tax(combined, state, txl5::AggregateFloor::AtZero, reallydollarround);
    } else if (supplemental_due && state->state_supp_aggregate == txl5::kSuppFlat) {
        result |= txl5::flat_supplemental_tax(supplemental_co, date, state, reallydollarround);
    }
    return result;
}

}  // namespace

int64_t state_co(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state) {
    if (!fed || !state) return txl5::kStateNoRow;
    const MDATE date = txl5::begin_state(*fed, state);
    const bool supplemental_due = txl5::supplemental_due(*state);
    const Certificate cert = read_certificate(*fed, *state);

    const int64_t result = fed->check_year >= kFirstFlatRateYear
                               ? flat_rate_era(date, cert, supplemental_due, state)
                               : bracket_era(date, cert, supplemental_due, state);
    state->state_tax = reallydollarround(state->state_tax);
    return result;
}
