// Oregon income tax withholding by the annual computer formula of the Oregon
// Withholding Tax Formulas: the wages are annualized, less the federal income
// tax withheld (up to a cap that phases out with income) and the standard
// deduction, and taxed on the schedule of the employee's status. Wages below
// the annual wage threshold use the low-income schedules (orwhlow), others the
// high-income schedules (orwhhigh). An exemption credit per allowance is
// subtracted from the tax unless income exceeds the limit of the filing
// status, and the tax is rounded to whole dollars. Supplemental wages are
// taxed at the flat rate or together with the regular wages.
//
// Publications: Oregon Withholding Tax Formulas (150-206-436), editions
// effective January 1 of 2024, 2025 and 2026 (Oregon Department of Revenue).
// Checks before 2011 use the older tables of the Oregon Withholding Tax Tables
// (150-206-430) with their own rules, and 2010 adds the surcharge on high
// incomes of that year (150-206-431, Rev. 03-10).
#include "states/oregon.h"

#include <algorithm>

#include "core/numeric.h"
#include "core/statecalc.h"
#include "core/tables.h"

// Low-income schedules: annual wages below the wage threshold of wage_limit.
// The first bracket's base is one exemption credit; the federal subtraction
// and the standard deduction come off the wages first.
const OrWhRow orwhlow[] = {
    // 2026: Oregon Withholding Tax Formulas, effective January 1, 2026.
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 2.0, 263.0, 8750.0, 2910.0, 0.0, 4550.0, 0.0, 263.0, 0.0475},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 2.0, 263.0, 8750.0, 2910.0, 4550.0, 11400.0, 4550.0, 479.0, 0.0675},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 2.0, 263.0, 8750.0, 2910.0, 11400.0, 0.0, 11400.0, 941.0, 0.0875},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 2.0, 263.0, 8750.0, 5820.0, 0.0, 9100.0, 0.0, 263.0, 0.0475},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 2.0, 263.0, 8750.0, 5820.0, 9100.0, 22800.0, 9100.0, 695.0, 0.0675},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 2.0, 263.0, 8750.0, 5820.0, 22800.0, 0.0, 22800.0, 1620.0, 0.0875},
    // 2025: Oregon Withholding Tax Formulas, effective January 1, 2025, as
    // printed in a payroll tax update (round of 23 Jan 2025); credit 256,
    // standard deduction 2,835 / 5,670 also in NFC bulletin NFC-25-1743009231.
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 2.0, 256.0, 8500.0, 2835.0, 0.0, 4400.0, 0.0, 256.0, 0.0475},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 2.0, 256.0, 8500.0, 2835.0, 4400.0, 11100.0, 4400.0, 465.0, 0.0675},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 2.0, 256.0, 8500.0, 2835.0, 11100.0, 0.0, 11100.0, 917.0, 0.0875},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 2.0, 256.0, 8500.0, 5670.0, 0.0, 8800.0, 0.0, 256.0, 0.0475},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 2.0, 256.0, 8500.0, 5670.0, 8800.0, 22200.0, 8800.0, 674.0, 0.0675},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 2.0, 256.0, 8500.0, 5670.0, 22200.0, 0.0, 22200.0, 1579.0, 0.0875},
    // 2024: Oregon Withholding Tax Formulas, effective January 1, 2024, as
    // summarized by a payroll vendor (eff. 1 Jan 2024).
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 2.0, 249.0, 8250.0, 2745.0, 0.0, 4300.0, 0.0, 249.0, 0.0475},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 2.0, 249.0, 8250.0, 2745.0, 4300.0, 10750.0, 4300.0, 453.0, 0.0675},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 2.0, 249.0, 8250.0, 2745.0, 10750.0, 0.0, 10750.0, 888.0, 0.0875},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 2.0, 249.0, 8250.0, 5495.0, 0.0, 8600.0, 0.0, 249.0, 0.0475},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 2.0, 249.0, 8250.0, 5495.0, 8600.0, 21500.0, 8600.0, 658.0, 0.0675},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 2.0, 249.0, 8250.0, 5495.0, 21500.0, 0.0, 21500.0, 1529.0, 0.0875},
    {},
};

// High-income schedules: annual wages at or above the wage threshold. No tax
// below the taxable amount that wages at the threshold leave (50,000 less the
// top federal subtraction and the standard deduction); above it the rate runs
// from the low-income schedule's top floor with its base less one credit, and
// 9.9 % from 125,000 (single) or 250,000 (married).
const OrWhRow orwhhigh[] = {
    // 2026: Oregon Withholding Tax Formulas, effective January 1, 2026.
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 2.0, 263.0, 8750.0, 2910.0, 0.0, 38340.0, 0.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 2.0, 263.0, 8750.0, 2910.0, 38340.0, 125000.0, 11400.0, 678.0, 0.0875},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 2.0, 263.0, 8750.0, 2910.0, 125000.0, 0.0, 125000.0, 10618.0, 0.099},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 2.0, 263.0, 8750.0, 5820.0, 0.0, 35430.0, 0.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 2.0, 263.0, 8750.0, 5820.0, 35430.0, 250000.0, 22800.0, 1357.0, 0.0875},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 2.0, 263.0, 8750.0, 5820.0, 250000.0, 0.0, 250000.0, 21237.0, 0.099},
    // 2025: effective January 1, 2025 (payroll tax update, round of 23 Jan 2025).
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 2.0, 256.0, 8500.0, 2835.0, 0.0, 38665.0, 0.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 2.0, 256.0, 8500.0, 2835.0, 38665.0, 125000.0, 11100.0, 661.0, 0.0875},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 2.0, 256.0, 8500.0, 2835.0, 125000.0, 0.0, 125000.0, 10627.0, 0.099},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 2.0, 256.0, 8500.0, 5670.0, 0.0, 35830.0, 0.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 2.0, 256.0, 8500.0, 5670.0, 35830.0, 250000.0, 22200.0, 1323.0, 0.0875},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 2.0, 256.0, 8500.0, 5670.0, 250000.0, 0.0, 250000.0, 21256.0, 0.099},
    // 2024: effective January 1, 2024 (payroll vendor's summary, eff. 1 Jan 2024).
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 2.0, 249.0, 8250.0, 2745.0, 0.0, 39005.0, 0.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 2.0, 249.0, 8250.0, 2745.0, 39005.0, 125000.0, 10750.0, 639.0, 0.0875},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 2.0, 249.0, 8250.0, 2745.0, 125000.0, 0.0, 125000.0, 10636.0, 0.099},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 2.0, 249.0, 8250.0, 5495.0, 0.0, 36255.0, 0.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 2.0, 249.0, 8250.0, 5495.0, 36255.0, 250000.0, 21500.0, 1280.0, 0.0875},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 2.0, 249.0, 8250.0, 5495.0, 250000.0, 0.0, 250000.0, 21274.0, 0.099},
    {},
};

// Wages (of one period of the row's frequency) from which the high-income
// schedules apply: 50,000 a year, the per-period amounts as the formula
// prints them. 2026 edition; the 2025 and 2024 editions print the same.
const OrWageLimitRow wage_limit[] = {
    {{1, 1, 2026}, {12, 31, 2026}, 1, 50000.0},
    {{1, 1, 2026}, {12, 31, 2026}, 12, 4167.0},
    {{1, 1, 2026}, {12, 31, 2026}, 24, 2083.0},
    {{1, 1, 2026}, {12, 31, 2026}, 26, 1923.0},
    {{1, 1, 2026}, {12, 31, 2026}, 52, 962.0},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 50000.0},
    {{1, 1, 2025}, {12, 31, 2025}, 12, 4167.0},
    {{1, 1, 2025}, {12, 31, 2025}, 24, 2083.0},
    {{1, 1, 2025}, {12, 31, 2025}, 26, 1923.0},
    {{1, 1, 2025}, {12, 31, 2025}, 52, 962.0},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 50000.0},
    {{1, 1, 2024}, {12, 31, 2024}, 12, 4167.0},
    {{1, 1, 2024}, {12, 31, 2024}, 24, 2083.0},
    {{1, 1, 2024}, {12, 31, 2024}, 26, 1923.0},
    {{1, 1, 2024}, {12, 31, 2024}, 52, 962.0},
    {},
};

// Federal tax subtraction cap by annual wages: the full amount up to 125,000
// (single) or 250,000 (married), then one fifth less for each 5,000 (single)
// or 10,000 (married), none from 145,000 or 290,000.
const OrFedPhaseOutRow fed_phase_out[] = {
    // 2026: Oregon Withholding Tax Formulas, effective January 1, 2026 (top 8,750).
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 0.0, 50000.0, 8750.0},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 50000.0, 125000.0, 8750.0},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 125000.0, 130000.0, 7000.0},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 130000.0, 135000.0, 5250.0},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 135000.0, 140000.0, 3500.0},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 140000.0, 145000.0, 1750.0},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 145000.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 0.0, 50000.0, 8750.0},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 50000.0, 250000.0, 8750.0},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 250000.0, 260000.0, 7000.0},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 260000.0, 270000.0, 5250.0},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 270000.0, 280000.0, 3500.0},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 280000.0, 290000.0, 1750.0},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 290000.0, 0.0, 0.0},
    // 2025: top 8,500 in steps of 1,700 (NFC bulletin NFC-25-1743009231; payroll
    // tax update, round of 23 Jan 2025).
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 0.0, 50000.0, 8500.0},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 50000.0, 125000.0, 8500.0},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 125000.0, 130000.0, 6800.0},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 130000.0, 135000.0, 5100.0},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 135000.0, 140000.0, 3400.0},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 140000.0, 145000.0, 1700.0},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 145000.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 0.0, 50000.0, 8500.0},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 50000.0, 250000.0, 8500.0},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 250000.0, 260000.0, 6800.0},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 260000.0, 270000.0, 5100.0},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 270000.0, 280000.0, 3400.0},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 280000.0, 290000.0, 1700.0},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 290000.0, 0.0, 0.0},
    // 2024: top 8,250 in steps of 1,650 (payroll vendor's summary, eff. 1 Jan
    // 2024, which prints the married steps down to 4,950; the rest follow the
    // same fifths).
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 0.0, 50000.0, 8250.0},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 50000.0, 125000.0, 8250.0},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 125000.0, 130000.0, 6600.0},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 130000.0, 135000.0, 4950.0},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 135000.0, 140000.0, 3300.0},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 140000.0, 145000.0, 1650.0},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 145000.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 0.0, 50000.0, 8250.0},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 50000.0, 250000.0, 8250.0},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 250000.0, 260000.0, 6600.0},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 260000.0, 270000.0, 4950.0},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 270000.0, 280000.0, 3300.0},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 280000.0, 290000.0, 1650.0},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 290000.0, 0.0, 0.0},
    {},
};

// No exemption credit above 100,000 of income (single) or 200,000 (married).
// 2026 edition; the 2025 and 2024 editions print the same limits.
const OrExemptionLimitRow exemption_limit_table[] = {
    {{1, 1, 2026}, {12, 31, 2026}, 0, 100000.0},
    {{1, 1, 2026}, {12, 31, 2026}, 10, 100000.0},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 200000.0},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 100000.0},
    {{1, 1, 2025}, {12, 31, 2025}, 10, 100000.0},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 200000.0},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 100000.0},
    {{1, 1, 2024}, {12, 31, 2024}, 10, 100000.0},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 200000.0},
    {},
};

// Flat rate for supplemental wages paid apart from regular wages: 8 % in the
// 2024, 2025 and 2026 editions. The years of the older tables carry the 9 %
// of their time (payroll guides' summaries of the Oregon rules, which kept 9 %
// until 2019), so that a flat bonus in those years is taxed rather than failed.
const SupplementalRateRow supplemental_or[] = {
    {{1, 1, 2026}, {12, 31, 2026}, 0.08},
    {{1, 1, 2025}, {12, 31, 2025}, 0.08},
    {{1, 1, 2024}, {12, 31, 2024}, 0.08},
    {{1, 1, 2010}, {12, 31, 2010}, 0.09},
    {{1, 1, 2009}, {12, 31, 2009}, 0.09},
    {{1, 1, 2008}, {12, 31, 2008}, 0.09},
    {{1, 1, 2006}, {12, 31, 2006}, 0.09},
    {},
};

// Schedules of 2006 (Oregon Withholding Tax Tables, January 2006 edition):
// the standard deduction is the first bracket, at rate 0; federal subtraction
// up to 5,000; credit 159 per allowance. UNVERIFIED: the edition was not found
// in print; the values are the 2006 tax-year amounts (brackets of 2,750 and
// 6,850 single, twice that married; standard deduction 1,705 / 3,410).
const OrWhOldRow orwh[] = {
    {{1, 1, 2006}, {12, 31, 2006}, 0, 1, 2.0, 159.0, 5000.0, 0.0, 1705.0, 0.0, 0.0},
    {{1, 1, 2006}, {12, 31, 2006}, 0, 1, 2.0, 159.0, 5000.0, 1705.0, 4455.0, 0.0, 0.05},
    {{1, 1, 2006}, {12, 31, 2006}, 0, 1, 2.0, 159.0, 5000.0, 4455.0, 8555.0, 137.5, 0.07},
    {{1, 1, 2006}, {12, 31, 2006}, 0, 1, 2.0, 159.0, 5000.0, 8555.0, 0.0, 424.5, 0.09},
    {{1, 1, 2006}, {12, 31, 2006}, 1, 1, 2.0, 159.0, 5000.0, 0.0, 3410.0, 0.0, 0.0},
    {{1, 1, 2006}, {12, 31, 2006}, 1, 1, 2.0, 159.0, 5000.0, 3410.0, 8910.0, 0.0, 0.05},
    {{1, 1, 2006}, {12, 31, 2006}, 1, 1, 2.0, 159.0, 5000.0, 8910.0, 17110.0, 275.0, 0.07},
    {{1, 1, 2006}, {12, 31, 2006}, 1, 1, 2.0, 159.0, 5000.0, 17110.0, 0.0, 849.0, 0.09},
    {},
};

// Schedules of the Oregon Withholding Tax Tables effective January 1, 2007
// (150-206-430, Rev. 12/06), which stayed in force through 2010 (the 2010
// surcharge on high incomes came on top). Federal subtraction up to 5,500.
// UNVERIFIED beyond that cap: the edition's computer formula was not found in
// print; the values are the 2007 tax-year amounts (credit 165, standard
// deduction 1,770 / 3,545, brackets of 2,850 and 7,150 single, twice that
// married).
const OrWh2007Row orwh2007[] = {
    {{1, 1, 2010}, {12, 31, 2010}, 0, 1, 2.0, 165.0, 5500.0, 1770.0, 0.0, 2850.0, 0.0, 0.05},
    {{1, 1, 2010}, {12, 31, 2010}, 0, 1, 2.0, 165.0, 5500.0, 1770.0, 2850.0, 7150.0, 142.5, 0.07},
    {{1, 1, 2010}, {12, 31, 2010}, 0, 1, 2.0, 165.0, 5500.0, 1770.0, 7150.0, 0.0, 443.5, 0.09},
    {{1, 1, 2010}, {12, 31, 2010}, 1, 1, 2.0, 165.0, 5500.0, 3545.0, 0.0, 5700.0, 0.0, 0.05},
    {{1, 1, 2010}, {12, 31, 2010}, 1, 1, 2.0, 165.0, 5500.0, 3545.0, 5700.0, 14300.0, 285.0, 0.07},
    {{1, 1, 2010}, {12, 31, 2010}, 1, 1, 2.0, 165.0, 5500.0, 3545.0, 14300.0, 0.0, 887.0, 0.09},
    {{1, 1, 2009}, {12, 31, 2009}, 0, 1, 2.0, 165.0, 5500.0, 1770.0, 0.0, 2850.0, 0.0, 0.05},
    {{1, 1, 2009}, {12, 31, 2009}, 0, 1, 2.0, 165.0, 5500.0, 1770.0, 2850.0, 7150.0, 142.5, 0.07},
    {{1, 1, 2009}, {12, 31, 2009}, 0, 1, 2.0, 165.0, 5500.0, 1770.0, 7150.0, 0.0, 443.5, 0.09},
    {{1, 1, 2009}, {12, 31, 2009}, 1, 1, 2.0, 165.0, 5500.0, 3545.0, 0.0, 5700.0, 0.0, 0.05},
    {{1, 1, 2009}, {12, 31, 2009}, 1, 1, 2.0, 165.0, 5500.0, 3545.0, 5700.0, 14300.0, 285.0, 0.07},
    {{1, 1, 2009}, {12, 31, 2009}, 1, 1, 2.0, 165.0, 5500.0, 3545.0, 14300.0, 0.0, 887.0, 0.09},
    {{1, 1, 2008}, {12, 31, 2008}, 0, 1, 2.0, 165.0, 5500.0, 1770.0, 0.0, 2850.0, 0.0, 0.05},
    {{1, 1, 2008}, {12, 31, 2008}, 0, 1, 2.0, 165.0, 5500.0, 1770.0, 2850.0, 7150.0, 142.5, 0.07},
    {{1, 1, 2008}, {12, 31, 2008}, 0, 1, 2.0, 165.0, 5500.0, 1770.0, 7150.0, 0.0, 443.5, 0.09},
    {{1, 1, 2008}, {12, 31, 2008}, 1, 1, 2.0, 165.0, 5500.0, 3545.0, 0.0, 5700.0, 0.0, 0.05},
    {{1, 1, 2008}, {12, 31, 2008}, 1, 1, 2.0, 165.0, 5500.0, 3545.0, 5700.0, 14300.0, 285.0, 0.07},
    {{1, 1, 2008}, {12, 31, 2008}, 1, 1, 2.0, 165.0, 5500.0, 3545.0, 14300.0, 0.0, 887.0, 0.09},
    {},
};

namespace {

constexpr int64_t kSingle = 0;
constexpr int64_t kMarried = 1;
// A further single code, withheld on the single schedule.
constexpr int64_t kSingleOther = 10;
// Single employees claiming this many allowances or more use the married schedule.
constexpr int64_t kAllowancesForMarriedSchedule = 3;

// The formula with the wage threshold, the federal subtraction phase-out and
// the exemption income limit applies from 2011; before, the older tables.
constexpr int64_t kCurrentFormulaYear = 2011;
// The January 2007 tables serve checks of 2007 on; orwh those before.
constexpr int64_t kTables2007Year = 2007;
// Allowance credit of the older formulas: from 2002 the table's credit column;
// before, a fixed annual amount per allowance (132 in 1999, 90 in other years).
constexpr int64_t kColumnCreditYear = 2002;
constexpr int64_t kCredit1999Year = 1999;
constexpr double kCredit1999 = 132.0;
constexpr double kCreditBefore2002 = 90.0;

// 2010 surcharge on high incomes (from checks of March 2010), on annual wages:
// single employees from 125,000 owe 120 per 5,000 band begun (at most 600)
// plus 1.8 % of the wages over 125,000; everyone from 250,000 owes 600 plus
// 2 % of the wages over 125,000. Spread over 1 to 365 periods.
constexpr int64_t kSurchargeYear = 2010;
constexpr int64_t kSurchargeFirstMonth = 3;
constexpr double kSurchargeFloor = 125000.0;
constexpr double kSurchargeTop = 250000.0;
constexpr double kSurchargeBand = 5000.0;
constexpr double kSurchargePerBand = 120.0;
constexpr double kSurchargeBandCap = 600.0;
constexpr double kSurchargeMaxBands = 5.0;
constexpr double kSurchargeMiddleRate = 0.018;
constexpr double kSurchargeTopRate = 0.02;
constexpr int64_t kSurchargeMaxDivisor = 365;

// Schedule key: single employees with 3 or more allowances use the married
// schedule; the further single code is single.
int64_t schedule_key(const STATE_WITHHOLDING_STRUC& state) {
    const int64_t status = state.state_filing_status;
    if ((status == kSingle || status == kSingleOther) && state.state_allowances >= kAllowancesForMarriedSchedule) {
        return kMarried;
    }
    return status == kSingleOther ? kSingle : status;
}

// The wages one computation works on: the regular wages, or the regular plus
// the supplemental wages for the aggregate method.
struct OregonWages {
    double bracket;        // period wages taxed (rounded to cents), before the subtractions
    double credit;         // period wages compared with the exemption income limit
    double choice_period;  // compared with a per-frequency wage threshold
    double choice_annual;  // compared with the annual wage threshold
};

// orwhlow below the wage threshold of the pay frequency (or the annual one on
// annual wages), orwhhigh at or above it. Without a threshold row the
// calculation fails (state_error 1, bit 1) and goes on with orwhhigh.
const OrWhRow* choose_schedules(const MDATE& date, STATE_WITHHOLDING_STRUC* state, const OregonWages& wages,
                                int64_t* result) {
    bool high = true;
    const OrWageLimitRow* row = txl5::scan_two_pass(
        wage_limit, date, state->state_pay_periods, [](const OrWageLimitRow&) { return true; },
        [&](const OrWageLimitRow& r, bool annual) {
            high = !((annual ? wages.choice_annual : wages.choice_period) < r.wage_threshold);
            return true;
        });
    if (!row) {
        *result |= txl5::fail_no_row(state);
        return orwhhigh;
    }
    return high ? orwhhigh : orwhlow;
}

// Tax for the period on the chosen schedules: the wages less the federal tax
// withheld (at most the cap for the wages) and the standard deduction, floored
// at 0; the bracket's tax less the exemption credit (none when the income
// limit is exceeded). On an annual row every amount is annualized and the
// annual tax divided by the pay periods. With `aux` set, the taxable wages of
// a period row are left in aux_result in cents.
txl5::BracketTax<OrWhRow> schedule_tax(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state,
                                       const MDATE& date, const OrWhRow* table, const OregonWages& wages,
                                       double exemption_limit, bool aux) {
    const int64_t key = schedule_key(*state);
    const double periods = static_cast<double>(txl5::per_period_divisor(state->state_pay_periods));
    const double fed_limit =
        get_fed_limit(fed, state, state->state_pay_periods, state->state_filing_status, wages.bracket);
    const double allowances = static_cast<double>(state->state_allowances);
    txl5::BracketTax<OrWhRow> out;
    out.row = txl5::scan_two_pass(
        table, date, state->state_pay_periods, [key](const OrWhRow& row) { return row.status == key; },
        [&](const OrWhRow& row, bool annual) {
            const double scale = annual ? periods : 1.0;
            const double subtraction = std::min(scale * fed->fed_tax, scale * fed_limit);
            double taxable = scale * wages.bracket - subtraction - row.standard_deduction;
            if (!std::isfinite(taxable)) return false;
            if (taxable < 0.0) taxable = 0.0;
            if (aux && !annual) fed->aux_result = txl5::checked_to_int64(taxable * 100.0);
            if (!txl5::in_bracket(taxable, row.lower, row.upper)) return false;
            const double limit = scale * exemption_limit;
            const bool over_limit = limit > 0.0 && limit < scale * wages.credit;
            const double credit = over_limit ? 0.0 : allowances * row.exemption_credit;
            out.tax = (row.base + row.rate * (taxable - row.rate_floor) - credit) / scale;
            out.annual = annual;
            return std::isfinite(out.tax);
        });
    return out;
}

// Exemption income limit for one period of the employee's frequency.
double exemption_limit_per_period(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state,
                                  double annual_wages) {
    return get_exemption_limit(fed, state, state->state_filing_status, annual_wages) /
           static_cast<double>(txl5::per_period_divisor(state->state_pay_periods));
}

int64_t current_withholding(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state) {
    const MDATE date = txl5::begin_state(*fed, state);
    const double pay_periods = static_cast<double>(txl5::per_period_divisor(state->state_pay_periods));
    const double wages = state->state_wages;
    int64_t result = 0;

    const OregonWages regular{dollarround(wages), wages, wages, pay_periods * wages};
    const double limit = exemption_limit_per_period(fed, state, pay_periods * wages);
    const OrWhRow* table = choose_schedules(date, state, regular, &result);
    const txl5::BracketTax<OrWhRow> tax = schedule_tax(fed, state, date, table, regular, limit, true);
    if (!tax.row) return result | txl5::fail_no_row(state);
    state->state_tax = std::max(tax.tax, 0.0);
    txl5::record_row_used(state, *tax.row);

    if (txl5::supplemental_due(*state)) {
        const double supplemental = state->state_supplemental_wages;
        if (state->state_supp_aggregate == txl5::kSuppFlat) {
            result |= txl5::flat_supplemental_tax(supplemental_or, date, state);
        } else {
            // Aggregate: the tax on regular plus supplemental wages, the
            // supplemental wages counted once in the annual table choice.
            const OregonWages combined{regular.bracket + supplemental, wages + supplemental, wages + supplemental,
                                       pay_periods * wages + supplemental};
            const double combined_limit = exemption_limit_per_period(fed, state, pay_periods * wages + supplemental);
            const OrWhRow* combined_table = choose_schedules(date, state, combined, &result);
            result |= txl5::aggregate_supplemental_tax(
                schedule_tax(fed, state, date, combined_table, combined, combined_limit, false), state,
                txl5::AggregateFloor::AtZero, reallydollarround);
        }
    }
    // Oregon withholds whole dollars.
    state->state_tax = reallydollarround(state->state_tax);
    return result;
}

// ---- Checks before 2011 ---------------------------------------------------

// The allowance credit for the year, annual: the row's column from 2002, a
// fixed amount per allowance before.
double older_credit(int64_t year, int64_t allowances, double credit_column) {
    const double count = static_cast<double>(allowances);
    if (year >= kColumnCreditYear) return count * credit_column;
    return count * (year == kCredit1999Year ? kCredit1999 : kCreditBefore2002);
}

// Tax for the period on the older schedules: wages less the federal tax (up
// to the row's cap) and the row's standard deduction, on the schedule of the
// status (married from 3 allowances), less the allowance credit.
template <class Row, class StandardDeduction>
txl5::BracketTax<Row> older_schedule_tax(const FEDERAL_WITHHOLDING_STRUC& fed, const STATE_WITHHOLDING_STRUC& state,
                                         const MDATE& date, const Row* table, double wages,
                                         StandardDeduction standard_deduction) {
    const int64_t key =
        state.state_allowances >= kAllowancesForMarriedSchedule ? kMarried : state.state_filing_status;
    const double periods = static_cast<double>(txl5::per_period_divisor(state.state_pay_periods));
    txl5::BracketTax<Row> out;
    out.row = txl5::scan_two_pass(
        table, date, state.state_pay_periods, [key](const Row& row) { return row.status == key; },
        [&](const Row& row, bool annual) {
            const double scale = annual ? periods : 1.0;
            const double subtraction = std::min(scale * fed.fed_tax, row.fed_limit);
            double taxable = scale * wages - subtraction - standard_deduction(row);
            if (!std::isfinite(taxable)) return false;
            if (taxable < 0.0) taxable = 0.0;
            if (!txl5::in_bracket(taxable, row.lower, row.upper)) return false;
            const double credit = older_credit(date.year, state.state_allowances, row.exemption_credit);
            out.tax = (row.base + row.rate * (taxable - row.lower) - credit) / scale;
            out.annual = annual;
            return std::isfinite(out.tax);
        });
    return out;
}

template <class Row, class StandardDeduction>
int64_t older_withholding(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state, const MDATE& date,
                          const Row* table, StandardDeduction standard_deduction) {
    const double wages = dollarround(state->state_wages);
    const txl5::BracketTax<Row> tax = older_schedule_tax(*fed, *state, date, table, wages, standard_deduction);
    if (!tax.row) return txl5::fail_no_row(state);
    state->state_tax = std::max(tax.tax, 0.0);
    txl5::record_row_used(state, *tax.row);

    const int64_t result = txl5::elected_supplemental_tax(
        state,
        [&] {
            return older_schedule_tax(*fed, *state, date, table, wages + state->state_supplemental_wages,
                                      standard_deduction);
        },
        txl5::AggregateFloor::AtZero, [&] { return txl5::flat_supplemental_tax(supplemental_or, date, state); });

    // The 2010 surcharge on high incomes, spread over the periods the
    // employee's certificate gives.
    if (date.year == kSurchargeYear && date.month >= kSurchargeFirstMonth) {
        const double periods = static_cast<double>(txl5::per_period_divisor(state->state_pay_periods));
        const long divisor = static_cast<long>(state->state_form_code);
        state->state_tax += special_2010(periods * state->state_wages, state->state_filing_status, divisor);
    }
    // Whole dollars, except in 1999.
    if (date.year != kCredit1999Year) state->state_tax = reallydollarround(state->state_tax);
    if (!(state->state_tax >= 0.0)) state->state_tax = 0.0;
    return result;
}

}  // namespace

// The pay periods are those of the state record (the calculation passes the
// same count); the pay_periods argument is not read.
double get_fed_limit(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state, long, long filing_status,
                     double wages) {
    if (!fed || !state) return 0.0;
    // The cap follows the filing status, not the schedule: a single employee
    // with 3 or more allowances keeps the single phase-out.
    const int64_t key = filing_status == kSingleOther ? kSingle : filing_status;
    const double periods = static_cast<double>(txl5::per_period_divisor(state->state_pay_periods));
    double limit = 0.0;
    const OrFedPhaseOutRow* row = txl5::scan_two_pass(
        fed_phase_out, txl5::check_date(*fed), state->state_pay_periods,
        [key](const OrFedPhaseOutRow& r) { return r.status == key; },
        [&](const OrFedPhaseOutRow& r, bool annual) {
            if (!txl5::in_bracket(annual ? periods * wages : wages, r.lower, r.upper)) return false;
            limit = annual ? r.fed_limit / periods : r.fed_limit;
            return true;
        });
    if (!row) {
        // No cap found: nothing may be subtracted. The bracket scan decides
        // whether the calculation fails.
        state->state_error = txl5::kStateErrorNoRow;
        return 0.0;
    }
    return limit;
}

double get_exemption_limit(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state, long filing_status,
                           double) {
    if (!fed || !state) return 0.0;
    // Every row in force for the status is read; the last one gives the limit.
    double limit = 0.0;
    txl5::scan_rows(exemption_limit_table, txl5::check_date(*fed), [&](const OrExemptionLimitRow& row) {
        if (row.status == filing_status) limit = row.exemption_income_limit;
        return false;
    });
    return limit;
}

double special_2010(double annual_wages, long filing_status, long divisor) {
    // Spread over 1 to 365 periods; any other count of periods spreads nothing.
    if (divisor < 1 || divisor > kSurchargeMaxDivisor) return 0.0;
    double amount = 0.0;
    if (annual_wages >= kSurchargeTop) {
        amount = kSurchargeTopRate * (annual_wages - kSurchargeFloor) + kSurchargeBandCap;
    } else if (annual_wages >= kSurchargeFloor && filing_status == kSingle) {
        const double bands = std::min(std::trunc((annual_wages - kSurchargeFloor) / kSurchargeBand) + 1.0,
                                      kSurchargeMaxBands);
        amount = std::min(kSurchargePerBand * bands, kSurchargeBandCap) +
                 kSurchargeMiddleRate * (annual_wages - kSurchargeFloor);
    }
    return amount / static_cast<double>(divisor);
}

int64_t state_or(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state) {
    if (!fed || !state) return txl5::kStateNoRow;
    if (fed->check_year >= kCurrentFormulaYear) return current_withholding(fed, state);
    const MDATE date = txl5::begin_state(*fed, state);
    if (fed->check_year >= kTables2007Year) {
        return older_withholding(fed, state, date, orwh2007,
                                 [](const OrWh2007Row& row) { return row.standard_deduction; });
    }
    // The earlier tables hold the standard deduction in their first bracket.
    return older_withholding(fed, state, date, orwh, [](const OrWhOldRow&) { return 0.0; });
}
