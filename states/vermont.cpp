// Vermont income tax withholding. Until September 2001 Vermont withheld a
// share of the federal income tax withheld from the same wages. Since October
// 2001 it withholds by its percentage method: the wages less the withholding
// allowances are taxed on the schedule of the employee's status (single or
// married) and pay frequency, or, for a frequency without a schedule, on the
// annual schedule. Supplemental wages are taxed together with the regular
// wages, or at a flat rate: since 2012 a share of the federal income tax
// withheld from the same supplemental wages, before 2012 a rate graded by
// annual wages.
//
// Publications: Vermont Percentage Method Withholding Tables for wages paid in
// 2024, 2025 and 2026 (Vermont Department of Taxes); annual schedules as
// summarized by a payroll vendor and printed in payroll tax updates, the 2025
// weekly, biweekly and semimonthly tables as printed (see tools/gen_vermont.py).
#include "states/vermont.h"

#include <cmath>

#include "core/numeric.h"
#include "core/statecalc.h"
#include "core/tables.h"
#include "core/versions.h"
#include "states/allowancebrackets.h"

// Share of the federal income tax withheld, until the percentage method began
// on 1 October 2001. Vermont's rule on the rate of withholding (Code of
// Vermont Rules 10-060-026) sets the share as a percentage of the federal tax
// withheld for the same period; the shares of 1998 to 2001 (25 %, then 24 %
// from 2000) are those this release carries, the instructions of those years
// not having been found.
const VermontFederalShareRow vtwh[] = {
    {{1, 1, 2001}, {9, 30, 2001}, 0.24},
    {{1, 1, 2000}, {12, 31, 2000}, 0.24},
    {{1, 1, 1999}, {12, 31, 1999}, 0.25},
    {{1, 1, 1998}, {12, 31, 1998}, 0.25},
    {},
};

// Schedules: status 0 single, 1 married; pay periods 1 (annual), 52, 26, 24,
// 12 and 4; the allowance is the value of one withholding allowance for the
// period. The annual rows are the published ones; the tables of the other
// frequencies are built from them by Vermont's rule (tools/gen_vermont.py):
// bounds = annual bound / pay periods to the nearest dollar, bases = the
// running total over those bounds to the cent, allowance = annual allowance /
// pay periods to the cent.
constexpr StateBracketRow vtwh2[] = {
    // BEGIN GENERATED ROWS by tools/gen_vermont.py from tools/data/vermont_vtwh2*.csv: do not edit by hand
    // 2026: annual rows from Vermont Percentage Method Withholding Tables for wages paid in 2026 (Vermont
    // Department of Taxes) as summarized by a payroll vendor (eff. 1 Jan 2026); other frequencies derived
    // from them by the rule of the printed tables.
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 5400.0, 0.0, 3925.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 5400.0, 3925.0, 54675.0, 0.0, 0.0335},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 5400.0, 54675.0, 126775.0, 1700.13, 0.066},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 5400.0, 126775.0, 260225.0, 6458.73, 0.076},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 5400.0, 260225.0, 0.0, 16600.93, 0.0875},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 52, 103.85, 0.0, 75.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 52, 103.85, 75.0, 1051.0, 0.0, 0.0335},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 52, 103.85, 1051.0, 2438.0, 32.7, 0.066},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 52, 103.85, 2438.0, 5004.0, 124.24, 0.076},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 52, 103.85, 5004.0, 0.0, 319.25, 0.0875},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 26, 207.69, 0.0, 151.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 26, 207.69, 151.0, 2103.0, 0.0, 0.0335},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 26, 207.69, 2103.0, 4876.0, 65.39, 0.066},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 26, 207.69, 4876.0, 10009.0, 248.41, 0.076},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 26, 207.69, 10009.0, 0.0, 638.52, 0.0875},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 24, 225.0, 0.0, 164.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 24, 225.0, 164.0, 2278.0, 0.0, 0.0335},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 24, 225.0, 2278.0, 5282.0, 70.82, 0.066},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 24, 225.0, 5282.0, 10843.0, 269.08, 0.076},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 24, 225.0, 10843.0, 0.0, 691.72, 0.0875},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 12, 450.0, 0.0, 327.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 12, 450.0, 327.0, 4556.0, 0.0, 0.0335},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 12, 450.0, 4556.0, 10565.0, 141.67, 0.066},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 12, 450.0, 10565.0, 21685.0, 538.27, 0.076},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 12, 450.0, 21685.0, 0.0, 1383.39, 0.0875},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 4, 1350.0, 0.0, 981.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 4, 1350.0, 981.0, 13669.0, 0.0, 0.0335},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 4, 1350.0, 13669.0, 31694.0, 425.05, 0.066},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 4, 1350.0, 31694.0, 65056.0, 1614.7, 0.076},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 4, 1350.0, 65056.0, 0.0, 4150.21, 0.0875},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 5400.0, 0.0, 11775.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 5400.0, 11775.0, 96475.0, 0.0, 0.0335},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 5400.0, 96475.0, 216525.0, 2837.45, 0.066},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 5400.0, 216525.0, 323825.0, 10760.75, 0.076},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 5400.0, 323825.0, 0.0, 18915.55, 0.0875},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 52, 103.85, 0.0, 226.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 52, 103.85, 226.0, 1855.0, 0.0, 0.0335},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 52, 103.85, 1855.0, 4164.0, 54.57, 0.066},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 52, 103.85, 4164.0, 6227.0, 206.97, 0.076},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 52, 103.85, 6227.0, 0.0, 363.75, 0.0875},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 26, 207.69, 0.0, 453.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 26, 207.69, 453.0, 3711.0, 0.0, 0.0335},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 26, 207.69, 3711.0, 8328.0, 109.14, 0.066},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 26, 207.69, 8328.0, 12455.0, 413.87, 0.076},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 26, 207.69, 12455.0, 0.0, 727.52, 0.0875},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 24, 225.0, 0.0, 491.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 24, 225.0, 491.0, 4020.0, 0.0, 0.0335},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 24, 225.0, 4020.0, 9022.0, 118.22, 0.066},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 24, 225.0, 9022.0, 13493.0, 448.35, 0.076},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 24, 225.0, 13493.0, 0.0, 788.15, 0.0875},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 12, 450.0, 0.0, 981.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 12, 450.0, 981.0, 8040.0, 0.0, 0.0335},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 12, 450.0, 8040.0, 18044.0, 236.48, 0.066},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 12, 450.0, 18044.0, 26985.0, 896.74, 0.076},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 12, 450.0, 26985.0, 0.0, 1576.26, 0.0875},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 4, 1350.0, 0.0, 2944.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 4, 1350.0, 2944.0, 24119.0, 0.0, 0.0335},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 4, 1350.0, 24119.0, 54131.0, 709.36, 0.066},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 4, 1350.0, 54131.0, 80956.0, 2690.15, 0.076},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 4, 1350.0, 80956.0, 0.0, 4728.85, 0.0875},
    // 2025: annual rows from Vermont Percentage Method Withholding Tables for wages paid in 2025 (Vermont
    // Department of Taxes) as summarized by a payroll vendor (eff. 1 Jan 2025) and a 2025 payroll tax
    // update; other frequencies derived from them by the rule of the printed tables (the weekly, biweekly
    // and semimonthly ones equal to the printed ones, tools/data/vermont_vtwh2_printed.csv).
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 5300.0, 0.0, 3825.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 5300.0, 3825.0, 53225.0, 0.0, 0.0335},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 5300.0, 53225.0, 123525.0, 1654.9, 0.066},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 5300.0, 123525.0, 253525.0, 6294.7, 0.076},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 5300.0, 253525.0, 0.0, 16174.7, 0.0875},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 52, 101.92, 0.0, 74.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 52, 101.92, 74.0, 1024.0, 0.0, 0.0335},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 52, 101.92, 1024.0, 2375.0, 31.83, 0.066},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 52, 101.92, 2375.0, 4875.0, 120.99, 0.076},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 52, 101.92, 4875.0, 0.0, 310.99, 0.0875},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 26, 203.85, 0.0, 147.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 26, 203.85, 147.0, 2047.0, 0.0, 0.0335},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 26, 203.85, 2047.0, 4751.0, 63.65, 0.066},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 26, 203.85, 4751.0, 9751.0, 242.11, 0.076},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 26, 203.85, 9751.0, 0.0, 622.11, 0.0875},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 24, 220.83, 0.0, 159.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 24, 220.83, 159.0, 2218.0, 0.0, 0.0335},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 24, 220.83, 2218.0, 5147.0, 68.98, 0.066},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 24, 220.83, 5147.0, 10564.0, 262.29, 0.076},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 24, 220.83, 10564.0, 0.0, 673.98, 0.0875},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 12, 441.67, 0.0, 319.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 12, 441.67, 319.0, 4435.0, 0.0, 0.0335},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 12, 441.67, 4435.0, 10294.0, 137.89, 0.066},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 12, 441.67, 10294.0, 21127.0, 524.58, 0.076},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 12, 441.67, 21127.0, 0.0, 1347.89, 0.0875},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 4, 1325.0, 0.0, 956.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 4, 1325.0, 956.0, 13306.0, 0.0, 0.0335},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 4, 1325.0, 13306.0, 30881.0, 413.73, 0.066},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 4, 1325.0, 30881.0, 63381.0, 1573.68, 0.076},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 4, 1325.0, 63381.0, 0.0, 4043.68, 0.0875},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 5300.0, 0.0, 11475.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 5300.0, 11475.0, 93975.0, 0.0, 0.0335},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 5300.0, 93975.0, 210925.0, 2763.75, 0.066},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 5300.0, 210925.0, 315475.0, 10482.45, 0.076},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 5300.0, 315475.0, 0.0, 18428.25, 0.0875},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 52, 101.92, 0.0, 221.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 52, 101.92, 221.0, 1807.0, 0.0, 0.0335},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 52, 101.92, 1807.0, 4056.0, 53.13, 0.066},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 52, 101.92, 4056.0, 6067.0, 201.56, 0.076},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 52, 101.92, 6067.0, 0.0, 354.4, 0.0875},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 26, 203.85, 0.0, 441.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 26, 203.85, 441.0, 3614.0, 0.0, 0.0335},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 26, 203.85, 3614.0, 8113.0, 106.3, 0.066},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 26, 203.85, 8113.0, 12134.0, 403.23, 0.076},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 26, 203.85, 12134.0, 0.0, 708.83, 0.0875},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 24, 220.83, 0.0, 478.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 24, 220.83, 478.0, 3916.0, 0.0, 0.0335},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 24, 220.83, 3916.0, 8789.0, 115.17, 0.066},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 24, 220.83, 8789.0, 13145.0, 436.79, 0.076},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 24, 220.83, 13145.0, 0.0, 767.85, 0.0875},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 12, 441.67, 0.0, 956.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 12, 441.67, 956.0, 7831.0, 0.0, 0.0335},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 12, 441.67, 7831.0, 17577.0, 230.31, 0.066},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 12, 441.67, 17577.0, 26290.0, 873.55, 0.076},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 12, 441.67, 26290.0, 0.0, 1535.74, 0.0875},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 4, 1325.0, 0.0, 2869.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 4, 1325.0, 2869.0, 23494.0, 0.0, 0.0335},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 4, 1325.0, 23494.0, 52731.0, 690.94, 0.066},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 4, 1325.0, 52731.0, 78869.0, 2620.58, 0.076},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 4, 1325.0, 78869.0, 0.0, 4607.07, 0.0875},
    // 2024: annual rows from Vermont Percentage Method Withholding Tables for wages paid in 2024 (Vermont
    // Department of Taxes) as summarized by a payroll vendor (eff. 1 Jan 2024) and a 2024 payroll tax
    // update; other frequencies derived from them by the rule of the printed tables.
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 5100.0, 0.0, 3700.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 5100.0, 3700.0, 51600.0, 0.0, 0.0335},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 5100.0, 51600.0, 119700.0, 1604.65, 0.066},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 5100.0, 119700.0, 245700.0, 6099.25, 0.076},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 5100.0, 245700.0, 0.0, 15675.25, 0.0875},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 52, 98.08, 0.0, 71.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 52, 98.08, 71.0, 992.0, 0.0, 0.0335},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 52, 98.08, 992.0, 2302.0, 30.85, 0.066},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 52, 98.08, 2302.0, 4725.0, 117.31, 0.076},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 52, 98.08, 4725.0, 0.0, 301.46, 0.0875},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 26, 196.15, 0.0, 142.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 26, 196.15, 142.0, 1985.0, 0.0, 0.0335},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 26, 196.15, 1985.0, 4604.0, 61.74, 0.066},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 26, 196.15, 4604.0, 9450.0, 234.59, 0.076},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 26, 196.15, 9450.0, 0.0, 602.89, 0.0875},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 24, 212.5, 0.0, 154.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 24, 212.5, 154.0, 2150.0, 0.0, 0.0335},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 24, 212.5, 2150.0, 4988.0, 66.87, 0.066},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 24, 212.5, 4988.0, 10238.0, 254.17, 0.076},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 24, 212.5, 10238.0, 0.0, 653.17, 0.0875},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 12, 425.0, 0.0, 308.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 12, 425.0, 308.0, 4300.0, 0.0, 0.0335},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 12, 425.0, 4300.0, 9975.0, 133.73, 0.066},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 12, 425.0, 9975.0, 20475.0, 508.28, 0.076},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 12, 425.0, 20475.0, 0.0, 1306.28, 0.0875},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 4, 1275.0, 0.0, 925.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 4, 1275.0, 925.0, 12900.0, 0.0, 0.0335},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 4, 1275.0, 12900.0, 29925.0, 401.16, 0.066},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 4, 1275.0, 29925.0, 61425.0, 1524.81, 0.076},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 4, 1275.0, 61425.0, 0.0, 3918.81, 0.0875},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 5100.0, 0.0, 11138.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 5100.0, 11138.0, 91088.0, 0.0, 0.0335},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 5100.0, 91088.0, 204488.0, 2678.33, 0.066},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 5100.0, 204488.0, 305788.0, 10162.73, 0.076},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 5100.0, 305788.0, 0.0, 17861.53, 0.0875},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 52, 98.08, 0.0, 214.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 52, 98.08, 214.0, 1752.0, 0.0, 0.0335},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 52, 98.08, 1752.0, 3932.0, 51.52, 0.066},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 52, 98.08, 3932.0, 5881.0, 195.4, 0.076},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 52, 98.08, 5881.0, 0.0, 343.53, 0.0875},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 26, 196.15, 0.0, 428.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 26, 196.15, 428.0, 3503.0, 0.0, 0.0335},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 26, 196.15, 3503.0, 7865.0, 103.01, 0.066},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 26, 196.15, 7865.0, 11761.0, 390.9, 0.076},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 26, 196.15, 11761.0, 0.0, 687.0, 0.0875},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 24, 212.5, 0.0, 464.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 24, 212.5, 464.0, 3795.0, 0.0, 0.0335},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 24, 212.5, 3795.0, 8520.0, 111.59, 0.066},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 24, 212.5, 8520.0, 12741.0, 423.44, 0.076},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 24, 212.5, 12741.0, 0.0, 744.23, 0.0875},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 12, 425.0, 0.0, 928.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 12, 425.0, 928.0, 7591.0, 0.0, 0.0335},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 12, 425.0, 7591.0, 17041.0, 223.21, 0.066},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 12, 425.0, 17041.0, 25482.0, 846.91, 0.076},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 12, 425.0, 25482.0, 0.0, 1488.43, 0.0875},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 4, 1275.0, 0.0, 2785.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 4, 1275.0, 2785.0, 22772.0, 0.0, 0.0335},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 4, 1275.0, 22772.0, 51122.0, 669.56, 0.066},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 4, 1275.0, 51122.0, 76447.0, 2540.66, 0.076},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 4, 1275.0, 76447.0, 0.0, 4465.36, 0.0875},
    // END GENERATED ROWS
    {},
};

// Flat supplemental rates graded by annual taxable wages, for checks before
// 2012: the rates this release carries for 2016 to 2018 (7.2 % below
// 1,000,000; in 2016 9.5 % from 1,000,000), not found in a publication. No
// check before 2012 reaches them: the percentage-method schedules held start
// in 2024.
const GradedSupplementalRateRow supplemental_vt[] = {
    {{1, 1, 2018}, {12, 31, 2018}, 0.0, 1000000.0, 0.072},
    {{1, 1, 2017}, {12, 31, 2017}, 0.0, 1000000.0, 0.072},
    {{1, 1, 2016}, {12, 31, 2016}, 0.0, 1000000.0, 0.072},
    {{1, 1, 2016}, {12, 31, 2016}, 1000000.0, 0.0, 0.095},
    {},
};

namespace {

// The percentage method applies to checks from 1 October 2001.
constexpr int64_t kFirstBracketYear = 2001;
constexpr int64_t kFirstBracketMonth = 10;

// Statuses 3, 10 and 12 are withheld as single.
constexpr int64_t kSingle = 0;
constexpr int64_t kStatusesAsSingle[] = {3, 10, 12};

// The flat rate on supplemental wages: before 2012 the graded table; from
// 2012 a share of the federal income tax withheld on them, fixed by year.
constexpr int64_t kFirstYearFederalShare = 2012;
constexpr int64_t kLastYearShare27 = 2013;
constexpr int64_t kLastYearShare24 = 2018;
constexpr double kSupplementalShare2012 = 0.27;
constexpr double kSupplementalShare2014 = 0.24;
constexpr double kSupplementalShare2019 = 0.30;

int64_t taxed_status(int64_t status) {
    for (int64_t as_single : kStatusesAsSingle) {
        if (status == as_single) return kSingle;
    }
    return status;
}

bool before_brackets(const FEDERAL_WITHHOLDING_STRUC& fed) {
    return fed.check_year < kFirstBracketYear ||
           (fed.check_year == kFirstBracketYear && fed.check_month < kFirstBracketMonth);
}

double federal_supplemental_share(int64_t year) {
    if (year <= kLastYearShare27) return kSupplementalShare2012;
    if (year <= kLastYearShare24) return kSupplementalShare2014;
    return kSupplementalShare2019;
}

// Tax for the period on the wages plus `supplemental`: on a schedule of the
// employee's frequency the wages less the allowances; on the annual schedule
// the wages times the pay periods less the annual allowances, the annual tax
// then divided by the pay periods.
txl5::BracketTax<StateBracketRow> schedule_tax(const MDATE& date, const STATE_WITHHOLDING_STRUC& state,
                                              int64_t status, double supplemental) {
    return txl5::allowance_bracket_tax(
        txl5::indexed<vtwh2>(), date, state, status, state.state_allowances, supplemental,
        txl5::Annualize::WagesThenAllowances);
}

// Until September 2001: the share of the federal income tax withheld.
int64_t federal_share_tax(const FEDERAL_WITHHOLDING_STRUC& fed, const MDATE& date, STATE_WITHHOLDING_STRUC* state) {
    const VermontFederalShareRow* row = txl5::scan_rows(vtwh, date, [](const VermontFederalShareRow&) { return true; });
    if (!row) return txl5::fail_no_row(state);
    const double tax = fed.fed_tax * row->fed_pct;
    // A federal tax that is not a finite amount gives no Vermont tax.
    if (!std::isfinite(tax)) return txl5::fail_no_row(state);
    state->state_tax = tax;
    return 0;
}

// Flat supplemental tax from 2012: the year's share of the federal income tax
// withheld on the supplemental wages (none from a federal record too old to
// carry that tax).
int64_t federal_share_supplemental_tax(const FEDERAL_WITHHOLDING_STRUC& fed, STATE_WITHHOLDING_STRUC* state) {
    const double federal = fed.struc_version > txl5::kFedSupplementalVersion ? fed.supplemental_fed_tax : 0.0;
    return txl5::store_finite_tax(state, &state->state_supplemental_tax,
                                  federal * federal_supplemental_share(fed.check_year), dollarround);
}

}  // namespace

int64_t state_vt(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state) {
    if (!fed || !state) return 1;
    const MDATE date = txl5::begin_state(*fed, state);
    state->state_tax = 0.0;
    if (before_brackets(*fed)) return federal_share_tax(*fed, date, state);

    const int64_t status = taxed_status(state->state_filing_status);

    const txl5::BracketTax<StateBracketRow> regular = schedule_tax(date, *state, status, 0.0);
    if (!regular.row) return txl5::fail_no_row(state);
    state->state_tax = regular.tax;
    txl5::record_row_used(state, *regular.row);

    // Supplemental wages by the method elected. Aggregate: the tax on regular
    // plus supplemental wages, less the tax on the regular wages, never below 0.
    // state_tax stays unrounded: the driver rounds it to cents.
    return txl5::elected_supplemental_tax(
        state, [&] { return schedule_tax(date, *state, status, state->state_supplemental_wages); },
        txl5::AggregateFloor::AtZero, [&] {
            if (fed->check_year < kFirstYearFederalShare) {
                // The rate of the band holding the annual taxable wages.
                return txl5::graded_supplemental_tax(
                    supplemental_vt, date, txl5::annual_taxable(regular, state->state_pay_periods), state);
            }
            return federal_share_supplemental_tax(*fed, state);
        });
}
