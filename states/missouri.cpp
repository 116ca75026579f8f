// Missouri income tax withholding by the annualized formula of Form 4282,
// Missouri Withholding Tax Formula: the period's wages are brought to a year,
// less the standard deduction of the employee's status, the allowance amounts
// and a capped deduction for the federal income tax withheld (the last two are
// 0 in every year held), taxed on the annual schedule and brought back to the
// pay period; the tax is withheld in whole dollars. Supplemental wages are
// taxed together with the regular wages or at the flat supplemental rate.
//
// Publications: Missouri Department of Revenue, Form 4282 Missouri Withholding
// Tax Formula, 2026 edition; the 2024 and 2025 formulas as reprinted in the
// payroll tax update documentation of those years and in Bloomberg Tax notices.
#include "states/missouri.h"

#include <cmath>

#include "core/numeric.h"
#include "core/statecalc.h"
#include "core/tables.h"

// Annual schedules, eight brackets per status; the bracket bases are whole
// dollars as Missouri prints them.
const MissouriBracketRow mowh[] = {
    // 2026: Form 4282 (2026): standard deduction 16,100 (single, married both working,
    // married filing separately), 32,200 (married, spouse not working), 24,150
    // (head of household); brackets 1,348 wide.
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 0.0, 16100.0, 0.0, 0.0, 0.0, 1348.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 0.0, 16100.0, 0.0, 0.0, 1348.0, 2696.0, 0.0, 0.02},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 0.0, 16100.0, 0.0, 0.0, 2696.0, 4044.0, 27.0, 0.025},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 0.0, 16100.0, 0.0, 0.0, 4044.0, 5392.0, 61.0, 0.03},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 0.0, 16100.0, 0.0, 0.0, 5392.0, 6740.0, 101.0, 0.035},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 0.0, 16100.0, 0.0, 0.0, 6740.0, 8088.0, 148.0, 0.04},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 0.0, 16100.0, 0.0, 0.0, 8088.0, 9436.0, 202.0, 0.045},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 0.0, 16100.0, 0.0, 0.0, 9436.0, 0.0, 263.0, 0.047},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 0.0, 32200.0, 0.0, 0.0, 0.0, 1348.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 0.0, 32200.0, 0.0, 0.0, 1348.0, 2696.0, 0.0, 0.02},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 0.0, 32200.0, 0.0, 0.0, 2696.0, 4044.0, 27.0, 0.025},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 0.0, 32200.0, 0.0, 0.0, 4044.0, 5392.0, 61.0, 0.03},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 0.0, 32200.0, 0.0, 0.0, 5392.0, 6740.0, 101.0, 0.035},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 0.0, 32200.0, 0.0, 0.0, 6740.0, 8088.0, 148.0, 0.04},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 0.0, 32200.0, 0.0, 0.0, 8088.0, 9436.0, 202.0, 0.045},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 0.0, 32200.0, 0.0, 0.0, 9436.0, 0.0, 263.0, 0.047},
    {{1, 1, 2026}, {12, 31, 2026}, 2, 1, 0.0, 24150.0, 0.0, 0.0, 0.0, 1348.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 2, 1, 0.0, 24150.0, 0.0, 0.0, 1348.0, 2696.0, 0.0, 0.02},
    {{1, 1, 2026}, {12, 31, 2026}, 2, 1, 0.0, 24150.0, 0.0, 0.0, 2696.0, 4044.0, 27.0, 0.025},
    {{1, 1, 2026}, {12, 31, 2026}, 2, 1, 0.0, 24150.0, 0.0, 0.0, 4044.0, 5392.0, 61.0, 0.03},
    {{1, 1, 2026}, {12, 31, 2026}, 2, 1, 0.0, 24150.0, 0.0, 0.0, 5392.0, 6740.0, 101.0, 0.035},
    {{1, 1, 2026}, {12, 31, 2026}, 2, 1, 0.0, 24150.0, 0.0, 0.0, 6740.0, 8088.0, 148.0, 0.04},
    {{1, 1, 2026}, {12, 31, 2026}, 2, 1, 0.0, 24150.0, 0.0, 0.0, 8088.0, 9436.0, 202.0, 0.045},
    {{1, 1, 2026}, {12, 31, 2026}, 2, 1, 0.0, 24150.0, 0.0, 0.0, 9436.0, 0.0, 263.0, 0.047},
    {{1, 1, 2026}, {12, 31, 2026}, 3, 1, 0.0, 16100.0, 0.0, 0.0, 0.0, 1348.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 3, 1, 0.0, 16100.0, 0.0, 0.0, 1348.0, 2696.0, 0.0, 0.02},
    {{1, 1, 2026}, {12, 31, 2026}, 3, 1, 0.0, 16100.0, 0.0, 0.0, 2696.0, 4044.0, 27.0, 0.025},
    {{1, 1, 2026}, {12, 31, 2026}, 3, 1, 0.0, 16100.0, 0.0, 0.0, 4044.0, 5392.0, 61.0, 0.03},
    {{1, 1, 2026}, {12, 31, 2026}, 3, 1, 0.0, 16100.0, 0.0, 0.0, 5392.0, 6740.0, 101.0, 0.035},
    {{1, 1, 2026}, {12, 31, 2026}, 3, 1, 0.0, 16100.0, 0.0, 0.0, 6740.0, 8088.0, 148.0, 0.04},
    {{1, 1, 2026}, {12, 31, 2026}, 3, 1, 0.0, 16100.0, 0.0, 0.0, 8088.0, 9436.0, 202.0, 0.045},
    {{1, 1, 2026}, {12, 31, 2026}, 3, 1, 0.0, 16100.0, 0.0, 0.0, 9436.0, 0.0, 263.0, 0.047},
    {{1, 1, 2026}, {12, 31, 2026}, 5, 1, 0.0, 16100.0, 0.0, 0.0, 0.0, 1348.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 5, 1, 0.0, 16100.0, 0.0, 0.0, 1348.0, 2696.0, 0.0, 0.02},
    {{1, 1, 2026}, {12, 31, 2026}, 5, 1, 0.0, 16100.0, 0.0, 0.0, 2696.0, 4044.0, 27.0, 0.025},
    {{1, 1, 2026}, {12, 31, 2026}, 5, 1, 0.0, 16100.0, 0.0, 0.0, 4044.0, 5392.0, 61.0, 0.03},
    {{1, 1, 2026}, {12, 31, 2026}, 5, 1, 0.0, 16100.0, 0.0, 0.0, 5392.0, 6740.0, 101.0, 0.035},
    {{1, 1, 2026}, {12, 31, 2026}, 5, 1, 0.0, 16100.0, 0.0, 0.0, 6740.0, 8088.0, 148.0, 0.04},
    {{1, 1, 2026}, {12, 31, 2026}, 5, 1, 0.0, 16100.0, 0.0, 0.0, 8088.0, 9436.0, 202.0, 0.045},
    {{1, 1, 2026}, {12, 31, 2026}, 5, 1, 0.0, 16100.0, 0.0, 0.0, 9436.0, 0.0, 263.0, 0.047},
    // 2025: Form 4282 (2025) as reprinted in the 2025 payroll tax update documentation
    // and Bloomberg Tax: standard deduction 15,000 / 30,000 / 22,500; brackets 1,313
    // wide; top rate 4.7 %.
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 0.0, 15000.0, 0.0, 0.0, 0.0, 1313.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 0.0, 15000.0, 0.0, 0.0, 1313.0, 2626.0, 0.0, 0.02},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 0.0, 15000.0, 0.0, 0.0, 2626.0, 3939.0, 26.0, 0.025},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 0.0, 15000.0, 0.0, 0.0, 3939.0, 5252.0, 59.0, 0.03},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 0.0, 15000.0, 0.0, 0.0, 5252.0, 6565.0, 98.0, 0.035},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 0.0, 15000.0, 0.0, 0.0, 6565.0, 7878.0, 144.0, 0.04},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 0.0, 15000.0, 0.0, 0.0, 7878.0, 9191.0, 197.0, 0.045},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 0.0, 15000.0, 0.0, 0.0, 9191.0, 0.0, 256.0, 0.047},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 0.0, 30000.0, 0.0, 0.0, 0.0, 1313.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 0.0, 30000.0, 0.0, 0.0, 1313.0, 2626.0, 0.0, 0.02},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 0.0, 30000.0, 0.0, 0.0, 2626.0, 3939.0, 26.0, 0.025},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 0.0, 30000.0, 0.0, 0.0, 3939.0, 5252.0, 59.0, 0.03},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 0.0, 30000.0, 0.0, 0.0, 5252.0, 6565.0, 98.0, 0.035},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 0.0, 30000.0, 0.0, 0.0, 6565.0, 7878.0, 144.0, 0.04},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 0.0, 30000.0, 0.0, 0.0, 7878.0, 9191.0, 197.0, 0.045},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 0.0, 30000.0, 0.0, 0.0, 9191.0, 0.0, 256.0, 0.047},
    {{1, 1, 2025}, {12, 31, 2025}, 2, 1, 0.0, 22500.0, 0.0, 0.0, 0.0, 1313.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 2, 1, 0.0, 22500.0, 0.0, 0.0, 1313.0, 2626.0, 0.0, 0.02},
    {{1, 1, 2025}, {12, 31, 2025}, 2, 1, 0.0, 22500.0, 0.0, 0.0, 2626.0, 3939.0, 26.0, 0.025},
    {{1, 1, 2025}, {12, 31, 2025}, 2, 1, 0.0, 22500.0, 0.0, 0.0, 3939.0, 5252.0, 59.0, 0.03},
    {{1, 1, 2025}, {12, 31, 2025}, 2, 1, 0.0, 22500.0, 0.0, 0.0, 5252.0, 6565.0, 98.0, 0.035},
    {{1, 1, 2025}, {12, 31, 2025}, 2, 1, 0.0, 22500.0, 0.0, 0.0, 6565.0, 7878.0, 144.0, 0.04},
    {{1, 1, 2025}, {12, 31, 2025}, 2, 1, 0.0, 22500.0, 0.0, 0.0, 7878.0, 9191.0, 197.0, 0.045},
    {{1, 1, 2025}, {12, 31, 2025}, 2, 1, 0.0, 22500.0, 0.0, 0.0, 9191.0, 0.0, 256.0, 0.047},
    {{1, 1, 2025}, {12, 31, 2025}, 3, 1, 0.0, 15000.0, 0.0, 0.0, 0.0, 1313.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 3, 1, 0.0, 15000.0, 0.0, 0.0, 1313.0, 2626.0, 0.0, 0.02},
    {{1, 1, 2025}, {12, 31, 2025}, 3, 1, 0.0, 15000.0, 0.0, 0.0, 2626.0, 3939.0, 26.0, 0.025},
    {{1, 1, 2025}, {12, 31, 2025}, 3, 1, 0.0, 15000.0, 0.0, 0.0, 3939.0, 5252.0, 59.0, 0.03},
    {{1, 1, 2025}, {12, 31, 2025}, 3, 1, 0.0, 15000.0, 0.0, 0.0, 5252.0, 6565.0, 98.0, 0.035},
    {{1, 1, 2025}, {12, 31, 2025}, 3, 1, 0.0, 15000.0, 0.0, 0.0, 6565.0, 7878.0, 144.0, 0.04},
    {{1, 1, 2025}, {12, 31, 2025}, 3, 1, 0.0, 15000.0, 0.0, 0.0, 7878.0, 9191.0, 197.0, 0.045},
    {{1, 1, 2025}, {12, 31, 2025}, 3, 1, 0.0, 15000.0, 0.0, 0.0, 9191.0, 0.0, 256.0, 0.047},
    {{1, 1, 2025}, {12, 31, 2025}, 5, 1, 0.0, 15000.0, 0.0, 0.0, 0.0, 1313.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 5, 1, 0.0, 15000.0, 0.0, 0.0, 1313.0, 2626.0, 0.0, 0.02},
    {{1, 1, 2025}, {12, 31, 2025}, 5, 1, 0.0, 15000.0, 0.0, 0.0, 2626.0, 3939.0, 26.0, 0.025},
    {{1, 1, 2025}, {12, 31, 2025}, 5, 1, 0.0, 15000.0, 0.0, 0.0, 3939.0, 5252.0, 59.0, 0.03},
    {{1, 1, 2025}, {12, 31, 2025}, 5, 1, 0.0, 15000.0, 0.0, 0.0, 5252.0, 6565.0, 98.0, 0.035},
    {{1, 1, 2025}, {12, 31, 2025}, 5, 1, 0.0, 15000.0, 0.0, 0.0, 6565.0, 7878.0, 144.0, 0.04},
    {{1, 1, 2025}, {12, 31, 2025}, 5, 1, 0.0, 15000.0, 0.0, 0.0, 7878.0, 9191.0, 197.0, 0.045},
    {{1, 1, 2025}, {12, 31, 2025}, 5, 1, 0.0, 15000.0, 0.0, 0.0, 9191.0, 0.0, 256.0, 0.047},
    // 2024: Form 4282 (2024) as reprinted in the 2024 payroll tax update documentation
    // (whose floor "6,0365" is a slip for 6,365) and Bloomberg Tax: standard deduction
    // 14,600 / 29,200 / 21,900; brackets 1,273 wide; top rate 4.8 %.
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 0.0, 14600.0, 0.0, 0.0, 0.0, 1273.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 0.0, 14600.0, 0.0, 0.0, 1273.0, 2546.0, 0.0, 0.02},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 0.0, 14600.0, 0.0, 0.0, 2546.0, 3819.0, 25.0, 0.025},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 0.0, 14600.0, 0.0, 0.0, 3819.0, 5092.0, 57.0, 0.03},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 0.0, 14600.0, 0.0, 0.0, 5092.0, 6365.0, 95.0, 0.035},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 0.0, 14600.0, 0.0, 0.0, 6365.0, 7638.0, 140.0, 0.04},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 0.0, 14600.0, 0.0, 0.0, 7638.0, 8911.0, 191.0, 0.045},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 0.0, 14600.0, 0.0, 0.0, 8911.0, 0.0, 248.0, 0.048},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 0.0, 29200.0, 0.0, 0.0, 0.0, 1273.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 0.0, 29200.0, 0.0, 0.0, 1273.0, 2546.0, 0.0, 0.02},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 0.0, 29200.0, 0.0, 0.0, 2546.0, 3819.0, 25.0, 0.025},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 0.0, 29200.0, 0.0, 0.0, 3819.0, 5092.0, 57.0, 0.03},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 0.0, 29200.0, 0.0, 0.0, 5092.0, 6365.0, 95.0, 0.035},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 0.0, 29200.0, 0.0, 0.0, 6365.0, 7638.0, 140.0, 0.04},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 0.0, 29200.0, 0.0, 0.0, 7638.0, 8911.0, 191.0, 0.045},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 0.0, 29200.0, 0.0, 0.0, 8911.0, 0.0, 248.0, 0.048},
    {{1, 1, 2024}, {12, 31, 2024}, 2, 1, 0.0, 21900.0, 0.0, 0.0, 0.0, 1273.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 2, 1, 0.0, 21900.0, 0.0, 0.0, 1273.0, 2546.0, 0.0, 0.02},
    {{1, 1, 2024}, {12, 31, 2024}, 2, 1, 0.0, 21900.0, 0.0, 0.0, 2546.0, 3819.0, 25.0, 0.025},
    {{1, 1, 2024}, {12, 31, 2024}, 2, 1, 0.0, 21900.0, 0.0, 0.0, 3819.0, 5092.0, 57.0, 0.03},
    {{1, 1, 2024}, {12, 31, 2024}, 2, 1, 0.0, 21900.0, 0.0, 0.0, 5092.0, 6365.0, 95.0, 0.035},
    {{1, 1, 2024}, {12, 31, 2024}, 2, 1, 0.0, 21900.0, 0.0, 0.0, 6365.0, 7638.0, 140.0, 0.04},
    {{1, 1, 2024}, {12, 31, 2024}, 2, 1, 0.0, 21900.0, 0.0, 0.0, 7638.0, 8911.0, 191.0, 0.045},
    {{1, 1, 2024}, {12, 31, 2024}, 2, 1, 0.0, 21900.0, 0.0, 0.0, 8911.0, 0.0, 248.0, 0.048},
    {{1, 1, 2024}, {12, 31, 2024}, 3, 1, 0.0, 14600.0, 0.0, 0.0, 0.0, 1273.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 3, 1, 0.0, 14600.0, 0.0, 0.0, 1273.0, 2546.0, 0.0, 0.02},
    {{1, 1, 2024}, {12, 31, 2024}, 3, 1, 0.0, 14600.0, 0.0, 0.0, 2546.0, 3819.0, 25.0, 0.025},
    {{1, 1, 2024}, {12, 31, 2024}, 3, 1, 0.0, 14600.0, 0.0, 0.0, 3819.0, 5092.0, 57.0, 0.03},
    {{1, 1, 2024}, {12, 31, 2024}, 3, 1, 0.0, 14600.0, 0.0, 0.0, 5092.0, 6365.0, 95.0, 0.035},
    {{1, 1, 2024}, {12, 31, 2024}, 3, 1, 0.0, 14600.0, 0.0, 0.0, 6365.0, 7638.0, 140.0, 0.04},
    {{1, 1, 2024}, {12, 31, 2024}, 3, 1, 0.0, 14600.0, 0.0, 0.0, 7638.0, 8911.0, 191.0, 0.045},
    {{1, 1, 2024}, {12, 31, 2024}, 3, 1, 0.0, 14600.0, 0.0, 0.0, 8911.0, 0.0, 248.0, 0.048},
    {{1, 1, 2024}, {12, 31, 2024}, 5, 1, 0.0, 14600.0, 0.0, 0.0, 0.0, 1273.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 5, 1, 0.0, 14600.0, 0.0, 0.0, 1273.0, 2546.0, 0.0, 0.02},
    {{1, 1, 2024}, {12, 31, 2024}, 5, 1, 0.0, 14600.0, 0.0, 0.0, 2546.0, 3819.0, 25.0, 0.025},
    {{1, 1, 2024}, {12, 31, 2024}, 5, 1, 0.0, 14600.0, 0.0, 0.0, 3819.0, 5092.0, 57.0, 0.03},
    {{1, 1, 2024}, {12, 31, 2024}, 5, 1, 0.0, 14600.0, 0.0, 0.0, 5092.0, 6365.0, 95.0, 0.035},
    {{1, 1, 2024}, {12, 31, 2024}, 5, 1, 0.0, 14600.0, 0.0, 0.0, 6365.0, 7638.0, 140.0, 0.04},
    {{1, 1, 2024}, {12, 31, 2024}, 5, 1, 0.0, 14600.0, 0.0, 0.0, 7638.0, 8911.0, 191.0, 0.045},
    {{1, 1, 2024}, {12, 31, 2024}, 5, 1, 0.0, 14600.0, 0.0, 0.0, 8911.0, 0.0, 248.0, 0.048},
    {},
};

// Flat rate for supplemental wages (the top bracket rate).
const SupplementalRateRow supplemental_mo[] = {
    // 2026: Form 4282 (2026), 4.7 %.
    {{1, 1, 2026}, {12, 31, 2026}, 0.047},
    // 2025: Bloomberg Tax notice on the 2025 formula, 4.7 %.
    {{1, 1, 2025}, {12, 31, 2025}, 0.047},
    // 2024: Bloomberg Tax notice on the 2024 formula, 4.8 %.
    {{1, 1, 2024}, {12, 31, 2024}, 0.048},
    {},
};

namespace {

constexpr int64_t kSingle = 0;
constexpr int64_t kHeadOfHousehold = 2;
constexpr int64_t kMarriedBothWorking = 3;
constexpr int64_t kMarriedSeparately = 5;
// From this check year a married employee filing separately counts one
// first-tier allowance, as the head of household does.
constexpr int64_t kSeparateOneFirstTierFrom = 2010;

// Markers left in the federal record's aux_result: a schedule of the
// employee's own pay frequency was examined, or the annual schedule was used.
constexpr int64_t kMarkerPeriodSchedule = 1234;
constexpr int64_t kMarkerAnnualSchedule = 54321;

// Allowances counted at the first-tier amount and at the further amount.
// Counted in double: the count is the caller's and may be any integer.
struct AllowanceTiers {
    double first = 0.0;
    double further = 0.0;
};

AllowanceTiers allowance_tiers(int64_t allowances, int64_t status, int64_t check_year) {
    const double n = static_cast<double>(allowances);
    AllowanceTiers tiers;
    tiers.first = n;
    if (status == kHeadOfHousehold || status == kMarriedBothWorking ||
        (status == kMarriedSeparately && check_year >= kSeparateOneFirstTierFrom)) {
        // One allowance at the first-tier amount, the rest at the further one.
        if (n > 1.0) {
            tiers.first = 1.0;
            tiers.further = n - 1.0;
        }
        return tiers;
    }
    // Everyone else: up to two at the first-tier amount, the rest at the
    // further one; a single employee's allowances after the first are counted
    // as further ones before that rule applies, so two allowances count two
    // first-tier and one further.
    if (status == kSingle && n > 1.0) tiers.further = n - 1.0;
    if (n > 2.0) {
        tiers.first = 2.0;
        tiers.further = n - 2.0;
    }
    return tiers;
}

// Tax for the period on the wages plus `supplemental`, by the two-pass scan:
// a schedule of the employee's frequency takes the period's amounts with the
// usual bracket test; the annual schedule takes them times the pay periods,
// with its own bracket test when `annual_ceiling_included` (the floor excluded,
// except the first bracket's 0, and the ceiling included), and the annual
// tax is divided by the pay periods. Taxable = wages - standard deduction -
// allowance amounts - the federal tax withheld (capped), floored at 0.
txl5::BracketTax<MissouriBracketRow> schedule_tax(const MDATE& date, FEDERAL_WITHHOLDING_STRUC* fed,
                                                  const STATE_WITHHOLDING_STRUC& state, const AllowanceTiers& tiers,
                                                  double supplemental, bool annual_ceiling_included) {
    const int64_t periods = state.state_pay_periods;
    const double p = static_cast<double>(periods);
    const int64_t status = state.state_filing_status;
    txl5::BracketTax<MissouriBracketRow> out;
    out.row = txl5::scan_two_pass(
        mowh, date, periods, [status](const MissouriBracketRow& row) { return row.status == status; },
        [&](const MissouriBracketRow& row, bool annual) {
            if (!annual) fed->aux_result = kMarkerPeriodSchedule;
            const double wages = annual ? p * state.state_wages + p * supplemental : state.state_wages + supplemental;
            double federal_deduction = annual ? p * fed->fed_tax : fed->fed_tax;
            if (federal_deduction > row.fed_tax_cap) federal_deduction = row.fed_tax_cap;
            double taxable = wages - row.std_deduction - row.allowance_amount1 * tiers.first -
                             row.allowance_amount2 * tiers.further - federal_deduction;
            if (!std::isfinite(taxable)) return false;
            if (taxable < 0.0) taxable = 0.0;
            const bool fits = annual && annual_ceiling_included
                                  ? txl5::in_bracket_upper_inclusive(taxable, row.lower, row.upper)
                                  : txl5::in_bracket(taxable, row.lower, row.upper);
            if (!fits) return false;
            out.tax = row.base + row.rate * (taxable - row.lower);
            if (annual) {
                out.tax /= static_cast<double>(txl5::per_period_divisor(periods));
                fed->aux_result = kMarkerAnnualSchedule;
            }
            out.annual = annual;
            return true;
        });
    return out;
}

}  // namespace

int64_t state_mo(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state) {
    if (!fed || !state) return txl5::kStateNoRow;
    const MDATE date = txl5::begin_state(*fed, state);

    // An amount the employee fixed on the certificate replaces the calculation.
    const double fixed_amount = state->state_form_option;
    if (fixed_amount > 0.0) {
        if (!std::isfinite(fixed_amount)) return txl5::fail_no_row(state);
        state->state_tax = fixed_amount;
        return 0;
    }

    const AllowanceTiers tiers = allowance_tiers(state->state_allowances, state->state_filing_status, fed->check_year);
    const txl5::BracketTax<MissouriBracketRow> regular = schedule_tax(date, fed, *state, tiers, 0.0, true);
    if (!regular.row) return txl5::fail_no_row(state);
    state->state_tax = txl5::whole_dollars_not_below_zero(regular.tax);
    txl5::record_row_used(state, *regular.row);

    // Supplemental wages by the method elected. Aggregate: the whole-dollar tax
    // on regular plus supplemental wages (the annual schedule with the usual
    // bracket test here) less the tax on the regular wages, never below 0.
    return txl5::elected_supplemental_tax(
        state,
        [&] {
            txl5::BracketTax<MissouriBracketRow> combined =
                schedule_tax(date, fed, *state, tiers, state->state_supplemental_wages, false);
            combined.tax = txl5::whole_dollars_not_below_zero(combined.tax);
            return combined;
        },
        txl5::AggregateFloor::AtZero,
        [&] { return txl5::flat_supplemental_tax(supplemental_mo, date, state, reallydollarround); });
}
