// The benchmarks' employees and the reference kernel.
//
// The reference kernel is the cost floor of a paycheck: a weekly California
// paycheck (federal income tax, social security, Medicare, California income
// tax) computed by a bare loop from the rows it uses, found beforehand: the
// federal bracket, the social security and Medicare rows, and California's
// low-income, estimated-deduction, standard-deduction, bracket and
// allowance-credit rows. It reads the records, those eight rows, does the
// arithmetic and writes the taxes and no more: no table is scanned.
#ifndef TXL5_BENCH_KERNEL_H
#define TXL5_BENCH_KERNEL_H

#include <cstddef>
#include <cstdint>

#include "core/tables.h"
#include "core/txl5.h"
#include "federal/federal.h"
#include "states/california.h"

namespace txl5_bench {

struct Paycheck {
    FEDERAL_WITHHOLDING_STRUC fed{};
    STATE_WITHHOLDING_STRUC state{};
    LOCAL_WITHHOLDING_STRUC local{};
};

// Employee k of a batch: a 2026 paycheck with varying wages, status,
// allowances and certificate.
inline Paycheck employee(size_t k, int64_t state_code, int64_t pay_periods, bool supplemental) {
    Paycheck p;
    const double weekly = 300.0 + 61.37 * static_cast<double>(k % 40) + 0.01 * static_cast<double>(k);
    const double wages = pay_periods == 1 ? weekly * 52.0 : weekly * 52.0 / static_cast<double>(pay_periods);
    FEDERAL_WITHHOLDING_STRUC& f = p.fed;
    f.struc_version = 165;
    f.check_month = 1 + static_cast<int64_t>(k % 12);
    f.check_day = 1 + static_cast<int64_t>((k * 7) % 28);
    f.check_year = 2026;
    f.filing_status = static_cast<int64_t>(k % 3);
    f.allowances = static_cast<int64_t>(k % 4);
    f.pay_periods = pay_periods;
    f.gross_wages = f.fica_wages = wages;
    f.ytd_fica_wages = f.ytd_medicare_wages = wages * static_cast<double>(k % 20);
    f.w4_2020 = k % 2 == 0 ? 1 : 0;
    f.w4_multiple_jobs = k % 5 == 0 ? 1 : 0;
    f.w4_dependents_credit = k % 3 == 0 ? 2000.0 : 0.0;
    if (supplemental) f.supplemental_wages = 1000.0 + 10.0 * static_cast<double>(k);
    f.supp_aggregate = 0;
    STATE_WITHHOLDING_STRUC& s = p.state;
    s.struc_version = 213;
    s.state_code = state_code;
    s.state_allowances = static_cast<int64_t>(k % 3);
    s.state_filing_status = 1;
    s.state_pay_periods = pay_periods;
    s.state_wages = wages;
    s.state_percent = 2.0;
    s.state_supplemental_wages = f.supplemental_wages;
    s.state_supp_aggregate = static_cast<int64_t>(k % 2);
    return p;
}

inline void fill_local(Paycheck* p, int64_t locality_code) {
    LOCAL_WITHHOLDING_STRUC& l = p->local;
    l.struc_version = 156;
    l.locality_code = locality_code;
    l.local_pay_periods = p->fed.pay_periods;
    l.local_wages = p->fed.gross_wages;
    l.local_resident = 1;
    l.local_filing_status = p->state.state_filing_status;
}

struct KernelCase {
    Paycheck paycheck;
    double wage_key = 0.0;  // the federal taxable wages less the wages, per year
    const FedWhRow* federal = nullptr;
    const FicaRow* fica_row = nullptr;
    const MedicareRow* medicare_row = nullptr;
    const CaLowIncomeRow* low_income = nullptr;
    const CaEstimatedDeductionRow* estimated = nullptr;
    const CaStandardDeductionRow* standard = nullptr;
    const CaWhRow* bracket = nullptr;
    const CaAllowanceCreditRow* credit = nullptr;
};

inline bool same_date(const MDATE& a, int64_t m, int64_t d, int64_t y) {
    return a.month == m && a.day == d && a.year == y;
}

// Finds, once and outside any timing, the rows the paycheck uses: the
// library computes it, and its outputs (marginal rates, table date) name the
// bracket rows.
inline bool prepare_kernel(const Paycheck& p, KernelCase* c) {
    c->paycheck = p;
    Paycheck done = p;
    if (TXL5_Calc(1, &done.fed, &done.state) != 0) return false;
    const int64_t key = p.fed.filing_status + (p.fed.w4_2020 == 1 && p.fed.w4_multiple_jobs == 1 ? 16 : 0);
    // California's tables other than cawh end at pay periods 0.
    const auto ends_at_zero_periods = [](const auto& r) { return r.pay_periods == 0; };
    c->federal = txl5::find_row(
        fedwh,
        [&](const FedWhRow& r) {
            return r.start_date.year == 2026 && r.status == key && r.rate == done.fed.fed_marginal_rate;
        },
        txl5::EndsAtZeroStartMonth());
    if (fica[0].start_date.year == 2026) c->fica_row = &fica[0];
    if (medicare[0].start_date.year == 2026) c->medicare_row = &medicare[0];
    c->low_income = txl5::find_row(
        table1, [](const CaLowIncomeRow& r) { return r.pay_periods == 52 && r.start_date.year == 2026; },
        ends_at_zero_periods);
    c->estimated = txl5::find_row(
        table2, [](const CaEstimatedDeductionRow& r) { return r.pay_periods == 52; }, ends_at_zero_periods);
    c->standard = txl5::find_row(
        table3, [](const CaStandardDeductionRow& r) { return r.pay_periods == 52 && r.start_date.year == 2026; },
        ends_at_zero_periods);
    c->bracket = txl5::find_row(
        cawh,
        [&](const CaWhRow& r) {
            return same_date(r.start_date, done.state.state_table_month, done.state.state_table_day,
                             done.state.state_table_year) &&
                   r.status == p.state.state_filing_status && r.rate == done.state.state_rate_used;
        },
        txl5::EndsAtZeroStartMonth());
    c->credit = txl5::find_row(
        table4,
        [&](const CaAllowanceCreditRow& r) {
            return r.pay_periods == 52 && r.allowance_count == p.state.state_allowances && r.start_date.year == 2026;
        },
        ends_at_zero_periods);
    c->wage_key = -(p.fed.w4_2020 == 1 ? 0.0 : c->federal ? c->federal->allowance_amount * p.fed.allowances : 0.0);
    return c->federal && c->fica_row && c->medicare_row && c->low_income && c->estimated && c->standard &&
           c->bracket && c->credit;
}

// The paycheck's arithmetic on the rows found: reads the records and the
// eight rows, writes the four taxes.
inline double run_kernel(const KernelCase& c, Paycheck* p) {
    FEDERAL_WITHHOLDING_STRUC& f = p->fed;
    STATE_WITHHOLDING_STRUC& s = p->state;
    const double periods = static_cast<double>(f.pay_periods);
    const double annual = f.gross_wages * periods + c.wage_key;
    f.fed_tax = (c.federal->base + c.federal->rate * (annual - c.federal->lower)) / periods + f.additional_fed_wh;
    double ss_wages = f.fica_wages;
    if (f.fica_wages + f.ytd_fica_wages > c.fica_row->wage_base) ss_wages = c.fica_row->wage_base - f.ytd_fica_wages;
    f.fica_tax = c.fica_row->employee_rate * (ss_wages < 0.0 ? 0.0 : ss_wages);
    f.medicare_tax = c.medicare_row->employee_rate * f.fica_wages;
    if (s.state_wages < c.low_income->low_income_married_low) {
        s.state_tax = 0.0;
    } else {
        const double deduction = s.state_additional_allowances > 0 ? c.estimated->est_deduction_1 : 0.0;
        const double standard = s.state_filing_status == 1 ? (s.state_allowances > 1 ? c.standard->std_married_high
                                                                                      : c.standard->std_married_low)
                                                           : c.standard->std_single;
        const double taxable = s.state_wages - deduction - standard;
        s.state_tax = c.bracket->base + c.bracket->rate * (taxable - c.bracket->lower) - c.credit->allowance_credit;
        if (s.state_tax < 0.0) s.state_tax = 0.0;
    }
    return f.fed_tax + f.fica_tax + f.medicare_tax + s.state_tax;
}

}  // namespace txl5_bench

#endif  // TXL5_BENCH_KERNEL_H
