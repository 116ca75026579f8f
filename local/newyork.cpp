// New York City and Yonkers local income taxes.
//
// New York City taxes its residents' wages by the exact calculation method of
// NYS-50-T-NYC: the period's wages less the standard deduction and the
// exemption allowances are taxed on the bracket schedule of the pay frequency
// (on the annual schedule, with annualized wages, for a frequency without one).
// Yonkers levies a surcharge on its residents: a share of the New York State
// tax computed on the local wages with the state's own schedules (nywh). From
// 2018 a nonresident working in Yonkers pays instead the earnings tax, 0.5 % of
// the wages less an exclusion that shrinks as wages grow (NYS-50-T-Y, Method
// VII); before 2006 Yonkers withholding was 5 % of the state tax withheld.
// Supplemental wages are taxed together with regular wages or at a flat rate.
//
// Publications: NYS-50-T-NYC (1/18), New York City Withholding Tax Tables and
// Methods (in force unchanged for 2024 to 2026); NYS-50-T-Y, Yonkers
// Withholding Tax Tables and Methods, editions 1/23 and 1/15; NYS-50-T-NYS for
// the state schedules (states/newyork.cpp). The per-period New York City
// schedules and the Yonkers nonresident bands are generated from the annual
// amounts by tools/gen_newyorkcity.py, which reproduces the printed tables.
#include "local/newyork.h"

#include "core/numeric.h"
#include "core/statecalc.h"
#include "core/tables.h"
#include "core/versions.h"
#include "local/amounts.h"
#include "states/newyork.h"
#include "states/newyork_calc.h"

// New York City schedules: per year, single then married; weekly, biweekly,
// semimonthly, monthly, then annual.
const NyWhRow nycwh[] = {
    // BEGIN GENERATED nycwh by tools/gen_newyorkcity.py from tools/data/newyorkcity_annual.csv; do not edit by hand.
    // 2026: 2026 New York City tables (same values as NYS-50-T-NYC (1/18)).
    // Annual rows as published; weekly to monthly rows converted from them (tools/gen_newyorkcity.py).
    {{1, 1, 2026}, {12, 31, 2026}, 0, 52, 96.15, 19.25, 0.0, 154.0, 0.0, 0.0205},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 52, 96.15, 19.25, 154.0, 167.0, 3.15, 0.028},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 52, 96.15, 19.25, 167.0, 288.0, 3.54, 0.0325},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 52, 96.15, 19.25, 288.0, 481.0, 7.46, 0.0395},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 52, 96.15, 19.25, 481.0, 1154.0, 15.06, 0.0415},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 52, 96.15, 19.25, 1154.0, 0.0, 43.0, 0.0425},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 26, 192.3, 38.5, 0.0, 308.0, 0.0, 0.0205},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 26, 192.3, 38.5, 308.0, 334.0, 6.31, 0.028},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 26, 192.3, 38.5, 334.0, 576.0, 7.08, 0.0325},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 26, 192.3, 38.5, 576.0, 962.0, 14.92, 0.0395},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 26, 192.3, 38.5, 962.0, 2308.0, 30.12, 0.0415},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 26, 192.3, 38.5, 2308.0, 0.0, 86.0, 0.0425},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 24, 208.35, 41.65, 0.0, 333.0, 0.0, 0.0205},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 24, 208.35, 41.65, 333.0, 363.0, 6.83, 0.028},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 24, 208.35, 41.65, 363.0, 625.0, 7.67, 0.0325},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 24, 208.35, 41.65, 625.0, 1042.0, 16.17, 0.0395},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 24, 208.35, 41.65, 1042.0, 2500.0, 32.63, 0.0415},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 24, 208.35, 41.65, 2500.0, 0.0, 93.17, 0.0425},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 12, 416.7, 83.3, 0.0, 667.0, 0.0, 0.0205},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 12, 416.7, 83.3, 667.0, 725.0, 13.67, 0.028},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 12, 416.7, 83.3, 725.0, 1250.0, 15.33, 0.0325},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 12, 416.7, 83.3, 1250.0, 2083.0, 32.33, 0.0395},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 12, 416.7, 83.3, 2083.0, 5000.0, 65.25, 0.0415},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 12, 416.7, 83.3, 5000.0, 0.0, 186.33, 0.0425},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 5000.0, 1000.0, 0.0, 8000.0, 0.0, 0.0205},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 5000.0, 1000.0, 8000.0, 8700.0, 164.0, 0.028},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 5000.0, 1000.0, 8700.0, 15000.0, 184.0, 0.0325},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 5000.0, 1000.0, 15000.0, 25000.0, 388.0, 0.0395},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 5000.0, 1000.0, 25000.0, 60000.0, 783.0, 0.0415},
    {{1, 1, 2026}, {12, 31, 2026}, 0, 1, 5000.0, 1000.0, 60000.0, 0.0, 2236.0, 0.0425},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 52, 105.75, 19.25, 0.0, 154.0, 0.0, 0.0205},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 52, 105.75, 19.25, 154.0, 167.0, 3.15, 0.028},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 52, 105.75, 19.25, 167.0, 288.0, 3.54, 0.0325},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 52, 105.75, 19.25, 288.0, 481.0, 7.46, 0.0395},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 52, 105.75, 19.25, 481.0, 1154.0, 15.06, 0.0415},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 52, 105.75, 19.25, 1154.0, 0.0, 43.0, 0.0425},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 26, 211.5, 38.5, 0.0, 308.0, 0.0, 0.0205},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 26, 211.5, 38.5, 308.0, 334.0, 6.31, 0.028},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 26, 211.5, 38.5, 334.0, 576.0, 7.08, 0.0325},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 26, 211.5, 38.5, 576.0, 962.0, 14.92, 0.0395},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 26, 211.5, 38.5, 962.0, 2308.0, 30.12, 0.0415},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 26, 211.5, 38.5, 2308.0, 0.0, 86.0, 0.0425},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 24, 229.15, 41.65, 0.0, 333.0, 0.0, 0.0205},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 24, 229.15, 41.65, 333.0, 363.0, 6.83, 0.028},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 24, 229.15, 41.65, 363.0, 625.0, 7.67, 0.0325},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 24, 229.15, 41.65, 625.0, 1042.0, 16.17, 0.0395},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 24, 229.15, 41.65, 1042.0, 2500.0, 32.63, 0.0415},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 24, 229.15, 41.65, 2500.0, 0.0, 93.17, 0.0425},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 12, 458.3, 83.3, 0.0, 667.0, 0.0, 0.0205},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 12, 458.3, 83.3, 667.0, 725.0, 13.67, 0.028},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 12, 458.3, 83.3, 725.0, 1250.0, 15.33, 0.0325},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 12, 458.3, 83.3, 1250.0, 2083.0, 32.33, 0.0395},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 12, 458.3, 83.3, 2083.0, 5000.0, 65.25, 0.0415},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 12, 458.3, 83.3, 5000.0, 0.0, 186.33, 0.0425},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 5500.0, 1000.0, 0.0, 8000.0, 0.0, 0.0205},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 5500.0, 1000.0, 8000.0, 8700.0, 164.0, 0.028},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 5500.0, 1000.0, 8700.0, 15000.0, 184.0, 0.0325},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 5500.0, 1000.0, 15000.0, 25000.0, 388.0, 0.0395},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 5500.0, 1000.0, 25000.0, 60000.0, 783.0, 0.0415},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 1, 5500.0, 1000.0, 60000.0, 0.0, 2236.0, 0.0425},
    // 2025: NYS-50-T-NYC (1/18), in force unchanged for 2025.
    // Annual rows as published; weekly to monthly rows converted from them (tools/gen_newyorkcity.py).
    {{1, 1, 2025}, {12, 31, 2025}, 0, 52, 96.15, 19.25, 0.0, 154.0, 0.0, 0.0205},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 52, 96.15, 19.25, 154.0, 167.0, 3.15, 0.028},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 52, 96.15, 19.25, 167.0, 288.0, 3.54, 0.0325},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 52, 96.15, 19.25, 288.0, 481.0, 7.46, 0.0395},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 52, 96.15, 19.25, 481.0, 1154.0, 15.06, 0.0415},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 52, 96.15, 19.25, 1154.0, 0.0, 43.0, 0.0425},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 26, 192.3, 38.5, 0.0, 308.0, 0.0, 0.0205},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 26, 192.3, 38.5, 308.0, 334.0, 6.31, 0.028},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 26, 192.3, 38.5, 334.0, 576.0, 7.08, 0.0325},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 26, 192.3, 38.5, 576.0, 962.0, 14.92, 0.0395},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 26, 192.3, 38.5, 962.0, 2308.0, 30.12, 0.0415},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 26, 192.3, 38.5, 2308.0, 0.0, 86.0, 0.0425},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 24, 208.35, 41.65, 0.0, 333.0, 0.0, 0.0205},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 24, 208.35, 41.65, 333.0, 363.0, 6.83, 0.028},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 24, 208.35, 41.65, 363.0, 625.0, 7.67, 0.0325},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 24, 208.35, 41.65, 625.0, 1042.0, 16.17, 0.0395},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 24, 208.35, 41.65, 1042.0, 2500.0, 32.63, 0.0415},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 24, 208.35, 41.65, 2500.0, 0.0, 93.17, 0.0425},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 12, 416.7, 83.3, 0.0, 667.0, 0.0, 0.0205},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 12, 416.7, 83.3, 667.0, 725.0, 13.67, 0.028},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 12, 416.7, 83.3, 725.0, 1250.0, 15.33, 0.0325},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 12, 416.7, 83.3, 1250.0, 2083.0, 32.33, 0.0395},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 12, 416.7, 83.3, 2083.0, 5000.0, 65.25, 0.0415},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 12, 416.7, 83.3, 5000.0, 0.0, 186.33, 0.0425},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 5000.0, 1000.0, 0.0, 8000.0, 0.0, 0.0205},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 5000.0, 1000.0, 8000.0, 8700.0, 164.0, 0.028},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 5000.0, 1000.0, 8700.0, 15000.0, 184.0, 0.0325},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 5000.0, 1000.0, 15000.0, 25000.0, 388.0, 0.0395},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 5000.0, 1000.0, 25000.0, 60000.0, 783.0, 0.0415},
    {{1, 1, 2025}, {12, 31, 2025}, 0, 1, 5000.0, 1000.0, 60000.0, 0.0, 2236.0, 0.0425},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 52, 105.75, 19.25, 0.0, 154.0, 0.0, 0.0205},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 52, 105.75, 19.25, 154.0, 167.0, 3.15, 0.028},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 52, 105.75, 19.25, 167.0, 288.0, 3.54, 0.0325},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 52, 105.75, 19.25, 288.0, 481.0, 7.46, 0.0395},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 52, 105.75, 19.25, 481.0, 1154.0, 15.06, 0.0415},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 52, 105.75, 19.25, 1154.0, 0.0, 43.0, 0.0425},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 26, 211.5, 38.5, 0.0, 308.0, 0.0, 0.0205},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 26, 211.5, 38.5, 308.0, 334.0, 6.31, 0.028},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 26, 211.5, 38.5, 334.0, 576.0, 7.08, 0.0325},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 26, 211.5, 38.5, 576.0, 962.0, 14.92, 0.0395},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 26, 211.5, 38.5, 962.0, 2308.0, 30.12, 0.0415},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 26, 211.5, 38.5, 2308.0, 0.0, 86.0, 0.0425},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 24, 229.15, 41.65, 0.0, 333.0, 0.0, 0.0205},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 24, 229.15, 41.65, 333.0, 363.0, 6.83, 0.028},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 24, 229.15, 41.65, 363.0, 625.0, 7.67, 0.0325},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 24, 229.15, 41.65, 625.0, 1042.0, 16.17, 0.0395},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 24, 229.15, 41.65, 1042.0, 2500.0, 32.63, 0.0415},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 24, 229.15, 41.65, 2500.0, 0.0, 93.17, 0.0425},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 12, 458.3, 83.3, 0.0, 667.0, 0.0, 0.0205},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 12, 458.3, 83.3, 667.0, 725.0, 13.67, 0.028},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 12, 458.3, 83.3, 725.0, 1250.0, 15.33, 0.0325},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 12, 458.3, 83.3, 1250.0, 2083.0, 32.33, 0.0395},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 12, 458.3, 83.3, 2083.0, 5000.0, 65.25, 0.0415},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 12, 458.3, 83.3, 5000.0, 0.0, 186.33, 0.0425},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 5500.0, 1000.0, 0.0, 8000.0, 0.0, 0.0205},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 5500.0, 1000.0, 8000.0, 8700.0, 164.0, 0.028},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 5500.0, 1000.0, 8700.0, 15000.0, 184.0, 0.0325},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 5500.0, 1000.0, 15000.0, 25000.0, 388.0, 0.0395},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 5500.0, 1000.0, 25000.0, 60000.0, 783.0, 0.0415},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 1, 5500.0, 1000.0, 60000.0, 0.0, 2236.0, 0.0425},
    // 2024: NYS-50-T-NYC (1/18), in force unchanged for 2024.
    // Annual rows as published; weekly to monthly rows converted from them (tools/gen_newyorkcity.py).
    {{1, 1, 2024}, {12, 31, 2024}, 0, 52, 96.15, 19.25, 0.0, 154.0, 0.0, 0.0205},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 52, 96.15, 19.25, 154.0, 167.0, 3.15, 0.028},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 52, 96.15, 19.25, 167.0, 288.0, 3.54, 0.0325},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 52, 96.15, 19.25, 288.0, 481.0, 7.46, 0.0395},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 52, 96.15, 19.25, 481.0, 1154.0, 15.06, 0.0415},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 52, 96.15, 19.25, 1154.0, 0.0, 43.0, 0.0425},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 26, 192.3, 38.5, 0.0, 308.0, 0.0, 0.0205},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 26, 192.3, 38.5, 308.0, 334.0, 6.31, 0.028},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 26, 192.3, 38.5, 334.0, 576.0, 7.08, 0.0325},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 26, 192.3, 38.5, 576.0, 962.0, 14.92, 0.0395},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 26, 192.3, 38.5, 962.0, 2308.0, 30.12, 0.0415},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 26, 192.3, 38.5, 2308.0, 0.0, 86.0, 0.0425},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 24, 208.35, 41.65, 0.0, 333.0, 0.0, 0.0205},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 24, 208.35, 41.65, 333.0, 363.0, 6.83, 0.028},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 24, 208.35, 41.65, 363.0, 625.0, 7.67, 0.0325},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 24, 208.35, 41.65, 625.0, 1042.0, 16.17, 0.0395},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 24, 208.35, 41.65, 1042.0, 2500.0, 32.63, 0.0415},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 24, 208.35, 41.65, 2500.0, 0.0, 93.17, 0.0425},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 12, 416.7, 83.3, 0.0, 667.0, 0.0, 0.0205},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 12, 416.7, 83.3, 667.0, 725.0, 13.67, 0.028},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 12, 416.7, 83.3, 725.0, 1250.0, 15.33, 0.0325},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 12, 416.7, 83.3, 1250.0, 2083.0, 32.33, 0.0395},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 12, 416.7, 83.3, 2083.0, 5000.0, 65.25, 0.0415},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 12, 416.7, 83.3, 5000.0, 0.0, 186.33, 0.0425},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 5000.0, 1000.0, 0.0, 8000.0, 0.0, 0.0205},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 5000.0, 1000.0, 8000.0, 8700.0, 164.0, 0.028},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 5000.0, 1000.0, 8700.0, 15000.0, 184.0, 0.0325},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 5000.0, 1000.0, 15000.0, 25000.0, 388.0, 0.0395},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 5000.0, 1000.0, 25000.0, 60000.0, 783.0, 0.0415},
    {{1, 1, 2024}, {12, 31, 2024}, 0, 1, 5000.0, 1000.0, 60000.0, 0.0, 2236.0, 0.0425},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 52, 105.75, 19.25, 0.0, 154.0, 0.0, 0.0205},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 52, 105.75, 19.25, 154.0, 167.0, 3.15, 0.028},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 52, 105.75, 19.25, 167.0, 288.0, 3.54, 0.0325},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 52, 105.75, 19.25, 288.0, 481.0, 7.46, 0.0395},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 52, 105.75, 19.25, 481.0, 1154.0, 15.06, 0.0415},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 52, 105.75, 19.25, 1154.0, 0.0, 43.0, 0.0425},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 26, 211.5, 38.5, 0.0, 308.0, 0.0, 0.0205},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 26, 211.5, 38.5, 308.0, 334.0, 6.31, 0.028},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 26, 211.5, 38.5, 334.0, 576.0, 7.08, 0.0325},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 26, 211.5, 38.5, 576.0, 962.0, 14.92, 0.0395},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 26, 211.5, 38.5, 962.0, 2308.0, 30.12, 0.0415},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 26, 211.5, 38.5, 2308.0, 0.0, 86.0, 0.0425},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 24, 229.15, 41.65, 0.0, 333.0, 0.0, 0.0205},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 24, 229.15, 41.65, 333.0, 363.0, 6.83, 0.028},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 24, 229.15, 41.65, 363.0, 625.0, 7.67, 0.0325},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 24, 229.15, 41.65, 625.0, 1042.0, 16.17, 0.0395},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 24, 229.15, 41.65, 1042.0, 2500.0, 32.63, 0.0415},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 24, 229.15, 41.65, 2500.0, 0.0, 93.17, 0.0425},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 12, 458.3, 83.3, 0.0, 667.0, 0.0, 0.0205},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 12, 458.3, 83.3, 667.0, 725.0, 13.67, 0.028},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 12, 458.3, 83.3, 725.0, 1250.0, 15.33, 0.0325},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 12, 458.3, 83.3, 1250.0, 2083.0, 32.33, 0.0395},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 12, 458.3, 83.3, 2083.0, 5000.0, 65.25, 0.0415},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 12, 458.3, 83.3, 5000.0, 0.0, 186.33, 0.0425},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 5500.0, 1000.0, 0.0, 8000.0, 0.0, 0.0205},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 5500.0, 1000.0, 8000.0, 8700.0, 164.0, 0.028},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 5500.0, 1000.0, 8700.0, 15000.0, 184.0, 0.0325},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 5500.0, 1000.0, 15000.0, 25000.0, 388.0, 0.0395},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 5500.0, 1000.0, 25000.0, 60000.0, 783.0, 0.0415},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 1, 5500.0, 1000.0, 60000.0, 0.0, 2236.0, 0.0425},
    {},
    // END GENERATED nycwh
};

// Yonkers nonresident earnings tax bands: per year, weekly, monthly, biweekly,
// semimonthly, then annual.
const YonkersNonresidentRow nyynr[] = {
    // BEGIN GENERATED nyynr by tools/gen_newyorkcity.py from tools/data/yonkers_nonresident_annual.csv; do not edit by hand.
    // 2026: 2026 Yonkers tables, Method VII (same bands as NYS-50-T-Y (1/15)).
    // Weekly, monthly, biweekly, semimonthly, then annual bands (tools/gen_newyorkcity.py).
    {{1, 1, 2026}, {12, 31, 2026}, 52, 0.0, 77.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 52, 77.0, 192.0, 58.0},
    {{1, 1, 2026}, {12, 31, 2026}, 52, 192.0, 385.0, 38.0},
    {{1, 1, 2026}, {12, 31, 2026}, 52, 385.0, 577.0, 19.0},
    {{1, 1, 2026}, {12, 31, 2026}, 52, 577.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 12, 0.0, 333.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 12, 333.0, 833.0, 250.0},
    {{1, 1, 2026}, {12, 31, 2026}, 12, 833.0, 1667.0, 167.0},
    {{1, 1, 2026}, {12, 31, 2026}, 12, 1667.0, 2500.0, 83.0},
    {{1, 1, 2026}, {12, 31, 2026}, 12, 2500.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 26, 0.0, 154.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 26, 154.0, 385.0, 115.0},
    {{1, 1, 2026}, {12, 31, 2026}, 26, 385.0, 769.0, 77.0},
    {{1, 1, 2026}, {12, 31, 2026}, 26, 769.0, 1154.0, 38.0},
    {{1, 1, 2026}, {12, 31, 2026}, 26, 1154.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 24, 0.0, 167.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 24, 167.0, 417.0, 125.0},
    {{1, 1, 2026}, {12, 31, 2026}, 24, 417.0, 833.0, 83.0},
    {{1, 1, 2026}, {12, 31, 2026}, 24, 833.0, 1250.0, 42.0},
    {{1, 1, 2026}, {12, 31, 2026}, 24, 1250.0, 0.0, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 0.0, 3999.99, 0.0},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 3999.99, 10000.0, 3000.0},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 10000.0, 20000.0, 2000.0},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 20000.0, 30000.0, 1000.0},
    {{1, 1, 2026}, {12, 31, 2026}, 1, 30000.0, 0.0, 0.0},
    // 2025: NYS-50-T-Y (1/23), Method VII, in force unchanged for 2025.
    // Weekly, monthly, biweekly, semimonthly, then annual bands (tools/gen_newyorkcity.py).
    {{1, 1, 2025}, {12, 31, 2025}, 52, 0.0, 77.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 52, 77.0, 192.0, 58.0},
    {{1, 1, 2025}, {12, 31, 2025}, 52, 192.0, 385.0, 38.0},
    {{1, 1, 2025}, {12, 31, 2025}, 52, 385.0, 577.0, 19.0},
    {{1, 1, 2025}, {12, 31, 2025}, 52, 577.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 12, 0.0, 333.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 12, 333.0, 833.0, 250.0},
    {{1, 1, 2025}, {12, 31, 2025}, 12, 833.0, 1667.0, 167.0},
    {{1, 1, 2025}, {12, 31, 2025}, 12, 1667.0, 2500.0, 83.0},
    {{1, 1, 2025}, {12, 31, 2025}, 12, 2500.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 26, 0.0, 154.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 26, 154.0, 385.0, 115.0},
    {{1, 1, 2025}, {12, 31, 2025}, 26, 385.0, 769.0, 77.0},
    {{1, 1, 2025}, {12, 31, 2025}, 26, 769.0, 1154.0, 38.0},
    {{1, 1, 2025}, {12, 31, 2025}, 26, 1154.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 24, 0.0, 167.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 24, 167.0, 417.0, 125.0},
    {{1, 1, 2025}, {12, 31, 2025}, 24, 417.0, 833.0, 83.0},
    {{1, 1, 2025}, {12, 31, 2025}, 24, 833.0, 1250.0, 42.0},
    {{1, 1, 2025}, {12, 31, 2025}, 24, 1250.0, 0.0, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 0.0, 3999.99, 0.0},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 3999.99, 10000.0, 3000.0},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 10000.0, 20000.0, 2000.0},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 20000.0, 30000.0, 1000.0},
    {{1, 1, 2025}, {12, 31, 2025}, 1, 30000.0, 0.0, 0.0},
    // 2024: NYS-50-T-Y (1/23), Method VII, in force unchanged for 2024.
    // Weekly, monthly, biweekly, semimonthly, then annual bands (tools/gen_newyorkcity.py).
    {{1, 1, 2024}, {12, 31, 2024}, 52, 0.0, 77.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 52, 77.0, 192.0, 58.0},
    {{1, 1, 2024}, {12, 31, 2024}, 52, 192.0, 385.0, 38.0},
    {{1, 1, 2024}, {12, 31, 2024}, 52, 385.0, 577.0, 19.0},
    {{1, 1, 2024}, {12, 31, 2024}, 52, 577.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 12, 0.0, 333.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 12, 333.0, 833.0, 250.0},
    {{1, 1, 2024}, {12, 31, 2024}, 12, 833.0, 1667.0, 167.0},
    {{1, 1, 2024}, {12, 31, 2024}, 12, 1667.0, 2500.0, 83.0},
    {{1, 1, 2024}, {12, 31, 2024}, 12, 2500.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 26, 0.0, 154.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 26, 154.0, 385.0, 115.0},
    {{1, 1, 2024}, {12, 31, 2024}, 26, 385.0, 769.0, 77.0},
    {{1, 1, 2024}, {12, 31, 2024}, 26, 769.0, 1154.0, 38.0},
    {{1, 1, 2024}, {12, 31, 2024}, 26, 1154.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 24, 0.0, 167.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 24, 167.0, 417.0, 125.0},
    {{1, 1, 2024}, {12, 31, 2024}, 24, 417.0, 833.0, 83.0},
    {{1, 1, 2024}, {12, 31, 2024}, 24, 833.0, 1250.0, 42.0},
    {{1, 1, 2024}, {12, 31, 2024}, 24, 1250.0, 0.0, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 0.0, 3999.99, 0.0},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 3999.99, 10000.0, 3000.0},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 10000.0, 20000.0, 2000.0},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 20000.0, 30000.0, 1000.0},
    {{1, 1, 2024}, {12, 31, 2024}, 1, 30000.0, 0.0, 0.0},
    {},
    // END GENERATED nyynr
};

const SupplementalRateRow supplemental_nyc[] = {
    // NYS-50-T-NYC (1/18), supplemental wage payment withholding rate (4.25 %), in force 2024 to 2026.
    {{1, 1, 2026}, {12, 31, 2026}, 0.0425},
    {{1, 1, 2025}, {12, 31, 2025}, 0.0425},
    {{1, 1, 2024}, {12, 31, 2024}, 0.0425},
    {},
};

const SupplementalRateRow supplemental_nyy[] = {
    // NYS-50-T-Y, supplemental wage payment withholding rate for the resident surcharge: 16.75 % of the
    // state's 11.7 % (1.95975 %), 2024 to 2026.
    {{1, 1, 2026}, {12, 31, 2026}, 0.0195975},
    {{1, 1, 2025}, {12, 31, 2025}, 0.0195975},
    {{1, 1, 2024}, {12, 31, 2024}, 0.0195975},
    {},
};

namespace {

// Locality codes of the local record.
constexpr int64_t kYonkers = 1;
constexpr int64_t kNewYorkCity = 2;

constexpr int64_t kNoSupplementalRate = 64;  // result bit: no flat supplemental rate

// Through 2005 Yonkers withholding was 5 % of the New York State tax withheld.
constexpr int64_t kLastYearOfStateTaxShare = 2005;
constexpr double kYonkersStateTaxShare = 0.05;
// From 2018 a nonresident pays the earnings tax rather than the surcharge.
constexpr int64_t kFirstNonresidentEarningsTaxYear = 2018;
// Yonkers nonresident earnings tax rate, applied to wages less the exclusion.
constexpr double kYonkersNonresidentRate = 0.005;

// Yonkers resident income tax surcharge, as a share of the New York State tax
// (NYS-50-T-Y of each year). In 2014 the higher share applies to checks from
// August on.
constexpr double kSurchargeThrough2010 = 0.10;
constexpr double kSurcharge2011 = 0.175;
constexpr double kSurcharge2012To2014July = 0.15;
constexpr double kSurcharge2014FromAugust = 0.192;
constexpr double kSurchargeFrom2015 = 0.1675;
constexpr int64_t kFirstMonthOf2014Rise = 8;

double yonkers_surcharge(int64_t year, int64_t month) {
    if (year <= 2010) return kSurchargeThrough2010;
    if (year == 2011) return kSurcharge2011;
    if (year <= 2013) return kSurcharge2012To2014July;
    if (year == 2014) return month >= kFirstMonthOf2014Rise ? kSurcharge2014FromAugust : kSurcharge2012To2014July;
    return kSurchargeFrom2015;
}

// The outcome of a local tax computation for one period.
struct LocalTax {
    bool found = false;  // a row fitted (and, on a top bracket, a high-income band)
    double tax = 0.0;
};

// Tax for one period on the local wages plus `bonus` (supplemental wages taxed
// together with them; 0 for regular wages) on a New York schedule table.
//
// Pass 1 takes the schedule of local_pay_periods: taxable = wages + bonus -
// std_deduction - allowance_amount x local_allowances. When that frequency has
// no schedule, pass 2 takes the annual one, on wages and bonus each multiplied
// by the state record's pay periods, and divides the annual tax by
// local_pay_periods (by 1 when the count is below 1). Taxable wages are floored
// at 0. The top bracket of a state schedule (base -1) is taxed as New York State
// taxes it: the whole annual taxable wage at the rate of its high-income band,
// brought back to the period; it fits on its floor alone.
LocalTax schedule_tax(const NyWhRow* table, const NyWhRow* high_income, const MDATE& date,
                      const STATE_WITHHOLDING_STRUC& state, const LOCAL_WITHHOLDING_STRUC& local, double bonus) {
    const int64_t status = txl5::ny_schedule_status(local.local_filing_status);
    const int64_t periods = local.local_pay_periods;
    const double annualize = static_cast<double>(state.state_pay_periods);
    const double divisor = static_cast<double>(txl5::per_period_divisor(periods));
    const double allowances = static_cast<double>(local.local_allowances);
    LocalTax out;
    txl5::scan_two_pass(
        table, date, periods, [status](const NyWhRow& row) { return row.status == status; },
        [&](const NyWhRow& row, bool annual) {
            const double wages = annual ? annualize * local.local_wages + annualize * bonus : local.local_wages + bonus;
            double taxable = wages - row.std_deduction - row.allowance_amount * allowances;
            if (!ny_top_bracket(row)) {
                out.found = txl5::tax_in_bracket(row, taxable, annual, periods, &out.tax);
                return out.found;
            }
            // Wages that are not finite amounts fit no bracket, not even the
            // top one; below the deductions they are taxed as 0.
            if (!std::isfinite(taxable)) return false;
            if (taxable < 0.0) taxable = 0.0;
            if (!(row.lower <= taxable)) return false;
            const double annual_taxable = annual ? taxable : taxable * static_cast<double>(periods);
            const NyWhRow* band =
                high_income ? txl5::ny_high_income_band(high_income, date, status, annual_taxable) : nullptr;
            if (band) {
                out.tax = band->rate * annual_taxable / divisor;
                out.found = true;
            }
            return true;
        });
    return out;
}

// The lowest band of a schedule holds the wages below the taxable minimum.
bool below_taxable_minimum(const YonkersNonresidentRow& row) { return row.lower == 0.0 && row.exclusion == 0.0; }

// Yonkers nonresident earnings tax for one period on the local wages plus
// `bonus` (supplemental wages taxed together with them; 0 for regular wages):
// 0.5 % of wages - exclusion + bonus, floored at 0. Pass 1 takes the bands of
// local_pay_periods and chooses the band on the regular wages alone; pass 2
// takes the annual bands, chooses the band on the annualized wages plus bonus
// (each multiplied by the state record's pay periods), and divides the annual
// tax by local_pay_periods (by 1 when the count is below 1). Wages in the lowest
// band of any schedule owe nothing.
LocalTax nonresident_tax(const MDATE& date, const STATE_WITHHOLDING_STRUC& state, const LOCAL_WITHHOLDING_STRUC& local,
                         double bonus) {
    const int64_t periods = local.local_pay_periods;
    const double annualize = static_cast<double>(state.state_pay_periods);
    const double divisor = static_cast<double>(txl5::per_period_divisor(periods));
    LocalTax out;
    txl5::scan_two_pass(
        nyynr, date, periods, [](const YonkersNonresidentRow&) { return true; },
        [&](const YonkersNonresidentRow& row, bool annual) {
            const double wages = annual ? annualize * local.local_wages : local.local_wages;
            const double added = annual ? annualize * bonus : bonus;
            if (!txl5::in_bracket(annual ? wages + added : wages, row.lower, row.upper)) return false;
            out.found = true;
            out.tax = 0.0;
            if (below_taxable_minimum(row)) return true;
            double taxable = wages - row.exclusion + added;
            if (taxable < 0.0) taxable = 0.0;
            out.tax = kYonkersNonresidentRate * taxable;
            if (annual) out.tax /= divisor;
            return true;
        });
    return out;
}

}  // namespace

// New York City (locality 2) and Yonkers (locality 1). Writes local_tax,
// local_supplemental_tax and local_error, and for the Yonkers aggregate bonus
// the federal record's aux_result. Returns 0, or bit 1 when no schedule or band
// row fits (or an amount is not finite), or'ed with bit 64 when no flat
// supplemental rate is in force. local_tax is rounded by the caller.
int64_t county_ny(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state, COUNTY_WITHHOLDING_STRUC* local) {
    if (!fed || !state || !local) return 1;
    const MDATE date = txl5::check_date(*fed);
    const int64_t code = local->locality_code;
    bool finite = true;

    // Yonkers before 2006: a share of the state tax, with nothing added.
    if (code == kYonkers && fed->check_year <= kLastYearOfStateTaxShare) {
        txl5::store_amount(&local->local_tax, kYonkersStateTaxShare * state->state_tax, &finite);
        return finite ? 0 : txl5::kLocalityAmountFailed;
    }
    if (code != kYonkers && code != kNewYorkCity) {
        local->local_tax = 0.0;
        return 0;
    }

    int64_t result = 0;
    const bool resident = local->local_resident == 1;
    const bool earnings_tax = code == kYonkers && !resident && fed->check_year >= kFirstNonresidentEarningsTaxYear;
    const double surcharge = yonkers_surcharge(fed->check_year, fed->check_month);

    LocalTax regular;
    if (code == kNewYorkCity) {
        regular = schedule_tax(nycwh, nullptr, date, *state, *local, 0.0);
    } else if (earnings_tax) {
        local->local_tax = 0.0;
        regular = nonresident_tax(date, *state, *local, 0.0);
    } else {
        regular = schedule_tax(nywh, method3annualt, date, *state, *local, 0.0);
    }
    if (regular.found) {
        txl5::store_amount(&local->local_tax, regular.tax, &finite);
    } else {
        result |= txl5::fail_no_locality_row(local);
    }
    // The surcharge applies to whatever the tax holds, even when no row was found.
    if (code == kYonkers && !earnings_tax) local->local_tax *= surcharge;

    if (local->struc_version > txl5::kLocalSupplementalVersion) {
        const double bonus = local->local_supplemental_wages;
        if (local->local_supp_aggregate == 1 && bonus > 0.0) {
            // The tax on regular and supplemental wages together, less the tax on
            // regular wages. Yonkers residents pay the surcharge on it; every
            // other Yonkers employee the earnings tax, whatever the year.
            LocalTax total;
            if (code == kNewYorkCity) {
                total = schedule_tax(nycwh, nullptr, date, *state, *local, bonus);
            } else if (resident) {
                total = schedule_tax(nywh, method3annualt, date, *state, *local, bonus);
                total.tax *= surcharge;
            } else {
                total = nonresident_tax(date, *state, *local, bonus);
            }
            if (total.found) {
                if (code == kYonkers) fed->aux_result = txl5::checked_to_int64(total.tax);
                double difference = total.tax - local->local_tax;
                if (difference < 0.0) difference = 0.0;
                txl5::store_amount(&local->local_supplemental_tax, dollarround(difference), &finite);
            } else {
                local->local_supplemental_tax = 0.0;
                result |= txl5::fail_no_locality_row(local);
            }
        } else if (local->local_supp_aggregate == 0) {
            const SupplementalRateRow* rate = txl5::scan_rows(code == kYonkers ? supplemental_nyy : supplemental_nyc,
                                                              date, [](const SupplementalRateRow&) { return true; });
            if (rate) {
                txl5::store_amount(&local->local_supplemental_tax, dollarround(bonus * rate->supp_rate), &finite);
            } else {
                local->local_supplemental_tax = 0.0;
                result |= kNoSupplementalRate;
            }
        }
    }

    txl5::store_amount(&local->local_tax, local->local_tax + local->additional_local_wh, &finite);
    if (!finite) result |= txl5::kLocalityAmountFailed;
    return result;
}
