// The working of one paycheck, laid out as a withholding booklet's worked
// example: the federal schedule row found in the exported tables for the date
// the library reports it used, the annualized wages and the deductions of the
// withholding certificate, the bracket's arithmetic, social security and
// Medicare against their rows, the state row the state record names (its start
// date and marginal rate) looked up in the state's exported tables, the prior-
// year retry, and every result bit and record code in words. Nothing here
// computes a withholding the caller is given: where the working shown does not
// reproduce the library's figure, the page says so and the library's figure stands.
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/explain.h"
#include "cli/output.h"
#include "core/statecalc.h"
#include "federal/federal.h"

namespace txl5cli {
namespace {

std::string money(double v) {
    std::string s;
    append_money(s, v, true);
    return s;
}

std::string percent(double rate) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.4g%%", rate * 100.0);
    return buf;
}

std::string date_text(const MDATE& d) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04lld-%02lld-%02lld", static_cast<long long>(d.year),
                  static_cast<long long>(d.month), static_cast<long long>(d.day));
    return buf;
}

bool same_date(const MDATE& a, const MDATE& b) { return a.year == b.year && a.month == b.month && a.day == b.day; }

// Whether a date lies in a row's range (rows hold at most a year).
bool in_range(const MDATE& start, const MDATE& end, const MDATE& d) {
    auto key = [](const MDATE& x) { return x.year * 10000 + x.month * 100 + x.day; };
    return key(start) <= key(d) && key(d) <= key(end);
}

class Page {
public:
    void heading(const std::string& text) {
        if (!out_.empty()) out_ += '\n';
        out_ += text + '\n';
    }
    void line(const std::string& text) { out_ += "  " + text + '\n'; }
    // A label and an amount, aligned.
    void amount(const std::string& label, double value) {
        const std::string m = money(value);
        std::string row = "  " + label;
        const size_t width = 58;
        row.append(row.size() + m.size() < width ? width - row.size() - m.size() : 1, ' ');
        out_ += row + m + '\n';
    }
    std::string text() const { return out_; }

private:
    std::string out_;
};

const char* status_name(int64_t status) {
    switch (status) {
        case 0: return "single";
        case 1: return "married";
        case 2: return "head of household";
        case 3: return "single (status 3)";
        default: return "status unknown to the schedules";
    }
}

bool close_to_cent(double a, double b) { return std::fabs(a - b) < 0.005; }

void check_line(Page* page, const std::string& what, double shown, double library) {
    if (close_to_cent(shown, library)) {
        page->amount(what, library);
    } else {
        page->amount(what + " (the library's figure)", library);
        page->line("The working above comes to " + money(shown) +
                   "; it does not reproduce the library's figure, which stands.");
    }
}

// ---- Federal income tax -----------------------------------------------------

void explain_federal(const Paycheck& in, const Paycheck& out, Page* page) {
    const FEDERAL_WITHHOLDING_STRUC& f = in.fed;
    const FEDERAL_WITHHOLDING_STRUC& r = out.fed;
    page->heading("Federal income tax");
    const MDATE check{f.check_month, f.check_day, f.check_year};
    const MDATE used{r.used_month, r.used_day, r.used_year};
    if (r.used_year == 0) {
        page->line("No federal calculation ran (pay periods below 1).");
        return;
    }
    if (!same_date(check, used)) {
        page->line("No federal row holds the check date " + date_text(check) +
                   ": the library retried with the previous year's rows, dated " + date_text(used) +
                   " (used_year " + std::to_string(r.used_year) + ").");
    } else {
        page->line("Federal rows in force on " + date_text(used) + ".");
    }
    if (f.struc_version > 160 && f.fed_exempt == 1) {
        page->line("fed_exempt 1: the employee is exempt from federal income tax withholding; with it the");
        page->line("library computes no social security or Medicare either.");
        page->amount("Federal income tax", r.fed_tax);
        return;
    }
    const bool form2020 = f.struc_version > 164 && f.w4_2020 == 1;
    const bool step2 = form2020 && f.w4_multiple_jobs == 1;
    const int64_t periods = f.pay_periods;
    const double divisor = periods > 0 ? static_cast<double>(periods) : 1.0;
    std::string cert = form2020 ? "2020-or-later W-4" : "pre-2020 W-4";
    cert += std::string(", ") + status_name(f.filing_status) + " (filing status " + std::to_string(f.filing_status) + ")";
    if (!form2020 || f.check_year <= 2019) {
        cert += ", " + std::to_string(f.allowances) + (f.allowances == 1 ? " allowance" : " allowances");
    }
    if (step2) cert += ", Step 2 checked";
    page->line("Certificate: " + cert + ".");

    double wages = f.gross_wages;
    if (f.struc_version > 164 && f.nonresident_alien == 1) {
        const int64_t key = f.w4_2020 == 0 ? 32 : 33;
        // The employee's own frequency first, then the annual rows.
        const FedWhRow* found = txl5::scan_two_pass(
            fedwh_nonresidentalien, used, periods, [&](const FedWhRow& row) { return row.status == key; },
            [](const FedWhRow&, bool) { return true; });
        if (found) {
            const double add = found->pay_periods == periods ? found->base : found->base / divisor;
            page->line("Nonresident alien: " + money(add) + " added to the period's wages (fedwh_nonresidentalien, " +
                       date_text(found->start_date) + ", status " + std::to_string(key) + ").");
            wages += add;
        }
    }

    int64_t key = f.filing_status == 3 ? 0 : f.filing_status;
    if (step2) key += 16;
    double standard = 0.0;
    if (form2020 && !step2) standard = (f.filing_status == 1 ? 12900.0 : 8600.0) / (periods > 0 ? divisor : 1.0);
    const bool no_allowances = f.check_year > 2019 && form2020;
    // The two-pass scan: the employee's own frequency, then the annual schedule.
    // The annual schedule is open only to a positive pay-period count.
    bool annual = false;
    double taxable = 0.0;
    const FedWhRow* row = txl5::scan_two_pass(
        fedwh, used, periods, [&](const FedWhRow& cand) { return cand.status == key; },
        [&](const FedWhRow& cand, bool is_annual) {
            const double n = is_annual ? static_cast<double>(periods) : 1.0;
            double t = n * wages;
            if (!no_allowances) t -= cand.allowance_amount * static_cast<double>(f.allowances);
            if (form2020) {
                t = t + n * (f.w4_other_income / divisor);
                t = t - n * (f.w4_deductions / divisor);
                t = t - n * standard;
            }
            if (!std::isfinite(t)) return false;
            const double floored = t < 0 ? 0.0 : t;
            if (!(cand.lower <= floored && (floored < cand.upper || cand.upper == 0.0))) return false;
            annual = is_annual;
            taxable = floored;
            return true;
        },
        periods >= 1);
    if (!row) {
        page->line("No federal schedule row for status " + std::to_string(key) + " and " + std::to_string(periods) +
                   " pay periods on " + date_text(used) + " (fed_status " + std::to_string(r.fed_status) + ").");
        page->amount("Federal income tax", r.fed_tax);
        return;
    }
    page->line(std::string("Schedule: fedwh, ") + (row->pay_periods == 1 ? "annual" : "per period") + ", status " +
               std::to_string(row->status) + ", rows of " + date_text(row->start_date) + " to " +
               date_text(row->end_date) + ".");
    const double n = annual ? static_cast<double>(periods) : 1.0;
    page->amount("Wages of the period", wages);
    if (annual) page->amount("Annualized (x " + std::to_string(periods) + ")", n * wages);
    if (!no_allowances && f.allowances != 0) {
        page->amount("Less " + std::to_string(f.allowances) + " x " + money(row->allowance_amount) + " allowance",
                     -row->allowance_amount * static_cast<double>(f.allowances));
    }
    if (form2020) {
        if (f.w4_other_income != 0) page->amount("Plus Step 4(a) other income", n * (f.w4_other_income / divisor));
        if (f.w4_deductions != 0) page->amount("Less Step 4(b) deductions", -n * (f.w4_deductions / divisor));
        if (standard != 0) page->amount("Less the worksheet's standard amount (Step 2 not checked)", -n * standard);
    }
    page->amount(annual ? "Taxable wages for the year" : "Taxable wages", taxable);
    page->line("Bracket " + money(row->lower) + (row->upper == 0 ? " and over" : " to " + money(row->upper)) + ": " +
               money(row->base) + " plus " + percent(row->rate) + " of the amount over " + money(row->lower) + ".");
    double tax = row->base + row->rate * (taxable - row->lower);
    page->amount(annual ? "Tax for the year" : "Tax", tax);
    if (annual) {
        tax /= divisor;
        page->amount("Per pay period (/ " + std::to_string(periods) + ")", tax);
    }
    if (form2020 && f.w4_dependents_credit != 0) {
        page->amount("Less Step 3 credit per period", -(f.w4_dependents_credit / divisor));
        tax -= f.w4_dependents_credit / divisor;
        if (tax < 0) tax = 0;
    }
    if (f.additional_fed_wh != 0) {
        page->amount("Plus additional withholding requested", f.additional_fed_wh);
        tax += f.additional_fed_wh;
    }
    check_line(page, "Federal income tax", dollarround(tax), r.fed_tax);
    page->line("Marginal rate (fed_marginal_rate): " + percent(r.fed_marginal_rate) + ".");
}

// ---- Social security and Medicare ---------------------------------------------

void explain_fica(const Paycheck& in, const Paycheck& out, Page* page) {
    const FEDERAL_WITHHOLDING_STRUC& f = in.fed;
    const FEDERAL_WITHHOLDING_STRUC& r = out.fed;
    if (f.struc_version > 160 && f.fed_exempt == 1) return;
    // Social security and Medicare are computed with the federal part, on the
    // date whose rows it used.
    const MDATE check = r.used_year != 0 ? MDATE{r.used_month, r.used_day, r.used_year}
                                         : MDATE{f.check_month, f.check_day, f.check_year};
    const double supplemental = f.struc_version > 128 ? f.supplemental_wages : 0.0;
    page->heading("Social security");
    if (f.fica_exempt != 0) {
        page->line("fica_exempt: no social security tax.");
    } else {
        const FicaRow* row = txl5::scan_rows(fica, check, [](const FicaRow&) { return true; });
        if (row) {
            page->line("Row fica of " + date_text(row->start_date) + ": wage base " + money(row->wage_base) +
                       ", employee rate " + percent(row->employee_rate) + ".");
            double wages = f.fica_wages + supplemental;
            page->amount("Wages of the period", wages);
            page->amount("Paid earlier in the year", f.ytd_fica_wages);
            if (f.fica_wages + supplemental + f.ytd_fica_wages > row->wage_base) {
                wages = row->wage_base - f.ytd_fica_wages;
                if (wages < 0) wages = 0;
                page->amount("Left under the wage base, taxed", wages);
            }
            if (wages < 0) wages = 0;
            check_line(page, "Social security (" + percent(row->employee_rate) + ")", dollarround(wages * row->employee_rate),
                       r.fica_tax);
        } else {
            page->line("No fica row for " + date_text(check) + ".");
        }
    }
    page->heading("Medicare");
    if (f.medicare_exempt != 0) {
        page->line("medicare_exempt: no Medicare tax.");
        return;
    }
    const MedicareRow* row = txl5::scan_rows(medicare, check, [](const MedicareRow&) { return true; });
    if (!row) {
        page->line("No medicare row for " + date_text(check) + ".");
        return;
    }
    const double wages = f.fica_wages + supplemental;
    const double total = wages + f.ytd_medicare_wages;
    page->line("Row medicare of " + date_text(row->start_date) + ": " + percent(row->employee_rate) + ", and " +
               percent(row->addl_rate) + " in all on the year's wages above " + money(row->addl_threshold) + ".");
    page->amount("Wages of the period", wages);
    double tax;
    if (row->addl_threshold_low > 0 && total > row->addl_threshold) {
        double below = row->addl_threshold - f.ytd_medicare_wages;
        if (below < 0) below = 0;
        double above = total - row->addl_threshold;
        if (above > wages) above = wages;
        page->amount("At " + percent(row->employee_rate), below);
        page->amount("At " + percent(row->addl_rate) + " (additional Medicare tax)", above);
        tax = row->employee_rate * below + row->addl_rate * above;
    } else {
        tax = row->employee_rate * (wages < 0 ? 0 : wages);
    }
    check_line(page, "Medicare", dollarround(tax), r.medicare_tax);
}

void explain_supplemental(const Paycheck& in, const Paycheck& out, Page* page) {
    const FEDERAL_WITHHOLDING_STRUC& f = in.fed;
    if (f.struc_version <= 128 || f.supplemental_wages == 0.0) return;
    page->heading("Federal tax on supplemental wages");
    if (f.struc_version > 160 && f.fed_exempt == 1) {
        page->line("fed_exempt 1: none.");
        return;
    }
    if (f.supp_aggregate != 0 || f.supplemental_wages < 0) {
        page->line("Aggregate method: the supplemental wages are taxed together with the regular wages and the");
        page->line("tax on the regular wages alone is taken off.");
        page->amount("Federal tax on supplemental wages", out.fed.supplemental_fed_tax);
        return;
    }
    const MDATE used{out.fed.used_month, out.fed.used_day, out.fed.used_year};
    const SupplementalWhRow* row =
        txl5::scan_rows(supplementalwh, used, [](const SupplementalWhRow&) { return true; });
    if (!row) {
        page->line("No flat supplemental rate in force on " + date_text(used) + ".");
        return;
    }
    const bool high = f.ytd_supplemental_wages > row->supp_threshold;
    const double rate = high ? row->supp_rate_high : row->supp_rate;
    page->line("Flat rate (supplementalwh of " + date_text(row->start_date) + "): " + percent(row->supp_rate) + ", or " +
               percent(row->supp_rate_high) + " once the year's supplemental wages before this payment exceed " +
               money(row->supp_threshold) + ".");
    page->line("Paid before this payment: " + money(f.ytd_supplemental_wages) + ", so the whole payment takes " +
               percent(rate) + ".");
    check_line(page, "Federal tax on supplemental wages", dollarround(f.supplemental_wages * rate),
               out.fed.supplemental_fed_tax);
}

// ---- State ---------------------------------------------------------------------

std::string row_text(const StateRowView& v) {
    std::string s = v.table;
    s += ", ";
    if (v.has_periods) s += v.pay_periods == 1 ? "annual" : std::to_string(v.pay_periods) + " pay periods";
    if (v.has_status) {
        char buf[32];
        std::snprintf(buf, sizeof buf, ", status %g", v.status);
        s += buf;
    }
    s += ", " + date_text(v.start) + " to " + date_text(v.end) + ": ";
    s += "bracket " + money(v.lower) + (v.upper == 0 ? " and over" : " to " + money(v.upper));
    if (v.has_base) s += ", base " + money(v.base);
    s += ", rate " + percent(v.rate);
    return s;
}

void explain_state(const Paycheck& in, const Paycheck& out, Page* page) {
    const STATE_WITHHOLDING_STRUC& s = out.state;
    const StateInfo* info = state_by_code(s.state_code);
    const std::string name = info ? info->name : "State " + std::to_string(s.state_code);
    page->heading(name + " income tax");
    if (s.state_error == 3) {
        page->line(std::string("state_error 3: ") + state_error_text(3) + "; nothing computed for the state.");
        return;
    }
    static const int64_t kNoIncomeTax[] = {2, 12, 33, 34, 49, 50, 51, 56, 59};
    for (int64_t c : kNoIncomeTax) {
        if (c == s.state_code) {
            page->line(name + " levies no income tax on wages.");
            if (in.state.additional_state_wh != 0) page->amount("Additional withholding requested", in.state.additional_state_wh);
            page->amount(name + " income tax", s.state_tax);
            return;
        }
    }
    const MDATE check{in.fed.check_month, in.fed.check_day, in.fed.check_year};
    const MDATE start{s.state_table_month, s.state_table_day, s.state_table_year};
    // The record names the row's start date (most states) or leaves the
    // table-date fields as they were; the marginal rate is always reported.
    const bool dated = s.state_table_year != 0 && s.state_table_year != 2017;
    if (!dated && s.state_rate_used == 0.0) {
        page->line("The state record names no bracket row (state_rate_used 0).");
    } else {
        MDATE previous = check;
        previous.year -= 1;
        if (dated) {
            page->line("Row used, as the state record reports it: starting " + date_text(start) + ", marginal rate " +
                       percent(s.state_rate_used) + ".");
        } else {
            page->line("Marginal rate used, as the state record reports it: " + percent(s.state_rate_used) + ".");
        }
        // Rows of the state's tables at that rate that start on that date (or,
        // without a date, are in force on the check date or a year before),
        // for the employee's frequency first and then the annual schedule.
        std::vector<StateRowView> matches;
        for (const StateRowView& v : state_rows(s.state_code)) {
            if (v.rate != s.state_rate_used) continue;
            if (dated ? same_date(v.start, start)
                      : (in_range(v.start, v.end, check) || in_range(v.start, v.end, previous))) {
                matches.push_back(v);
            }
        }
        auto narrow = [&](auto keep) {
            std::vector<StateRowView> kept;
            for (const StateRowView& v : matches) {
                if (keep(v)) kept.push_back(v);
            }
            if (!kept.empty()) matches = kept;
        };
        narrow([&](const StateRowView& v) { return in_range(v.start, v.end, check); });
        narrow([&](const StateRowView& v) { return !v.has_periods || v.pay_periods == s.state_pay_periods; });
        narrow([&](const StateRowView& v) { return !v.has_status || v.status == static_cast<double>(s.state_filing_status); });
        if (matches.size() == 1) {
            const StateRowView& v = matches.front();
            page->line("In the tables: " + row_text(v) + ".");
            if (v.has_periods && v.pay_periods == 1 && s.state_pay_periods != 1) {
                page->amount("Wages of the period", in.state.state_wages);
                page->amount("Annualized (x " + std::to_string(s.state_pay_periods) + ")",
                             in.state.state_wages * static_cast<double>(s.state_pay_periods));
                page->line("The state's deductions and credits come off the annual wages before the bracket.");
            }
            if (!in_range(v.start, v.end, check)) {
                page->line("The row's dates do not hold the check date " + date_text(check) +
                           ": the library retried with the previous year's rows.");
            }
        } else if (matches.size() > 1) {
            page->line("Rows of the state's tables that match:");
            for (const StateRowView& v : matches) page->line("  " + row_text(v));
        } else if (!state_rows(s.state_code).empty()) {
            page->line("No row of the state's bracket tables matches (the state's calculation reads a table of");
            page->line("its own layout for this employee).");
        }
    }
    if (in.state.additional_state_wh != 0) page->amount("Additional withholding included", in.state.additional_state_wh);
    page->amount(name + " income tax", s.state_tax);
    if (s.struc_version > 144 && (in.state.state_supplemental_wages != 0 || s.state_supplemental_tax != 0)) {
        const FlatRateView flat = state_flat_rates(s.state_code);
        const SupplementalRateRow* row =
            flat.rows ? txl5::scan_rows(static_cast<const SupplementalRateRow*>(flat.rows), check,
                                        [](const SupplementalRateRow&) { return true; })
                      : nullptr;
        if (row) {
            const double at_flat = in.state.state_supplemental_wages * row->supp_rate;
            page->line(std::string("Flat supplemental rate in force (") + flat.table + " of " +
                       date_text(row->start_date) + "): " + percent(row->supp_rate) +
                       (close_to_cent(dollarround(at_flat), s.state_supplemental_tax) ? ", the rate applied."
                                                                                      : "; the state taxed the supplemental wages another way (aggregate)."));
        }
        page->amount(name + " tax on supplemental wages", s.state_supplemental_tax);
    }
}

void explain_local(const Paycheck& out, Page* page) {
    if (!out.has_local) return;
    const LOCAL_WITHHOLDING_STRUC& l = out.local;
    page->heading("Local tax: " + locality_label(out));
    page->line("Locality code " + std::to_string(l.locality_code) + ", local_tax_kind " + std::to_string(l.local_tax_kind) +
               ", resident " + std::to_string(l.local_resident) + ".");
    page->amount("Local tax", l.local_tax);
    if (l.local_supplemental_tax != 0) page->amount("Local tax on supplemental wages", l.local_supplemental_tax);
    if (l.second_local_tax != 0) {
        page->amount(out.state.state_code == 7 ? "Employer's occupational privilege tax (not withheld)"
                                               : "Residence-city tax",
                     l.second_local_tax);
    }
}

}  // namespace

std::string explain_paycheck(const Paycheck& in, const Paycheck& out, int64_t result) {
    Page page;
    std::string head = "Paycheck of " + date_text(MDATE{in.fed.check_month, in.fed.check_day, in.fed.check_year}) +
                       ", " + std::to_string(in.fed.pay_periods) + " pay periods a year";
    const char* freq = frequency_name(in.fed.pay_periods);
    if (*freq) head += std::string(" (") + freq + ")";
    page.heading(head);
    page.amount("Gross wages", in.fed.gross_wages);
    if (in.fed.supplemental_wages != 0) page.amount("Supplemental wages", in.fed.supplemental_wages);
    explain_federal(in, out, &page);
    explain_supplemental(in, out, &page);
    explain_fica(in, out, &page);
    explain_state(in, out, &page);
    explain_local(out, &page);
    page.heading("Net pay");
    page.amount("Net pay", net_pay(out));
    page.heading("Result");
    page.line("Result " + std::to_string(result) + (result == 0 ? ": every part succeeded." : ":"));
    for (int bit = 0; bit < 63; ++bit) {
        const int64_t b = int64_t{1} << bit;
        if (result & b) page.line("  bit " + std::to_string(b) + ": " + result_bit_text(b));
    }
    page.line("fed_status " + std::to_string(out.fed.fed_status) + ": " + fed_status_text(out.fed.fed_status));
    page.line("state_error " + std::to_string(out.state.state_error) + ": " + state_error_text(out.state.state_error));
    if (out.has_local) {
        page.line("local_error " + std::to_string(out.local.local_error) + ": " + local_error_text(out.local.local_error));
    }
    return page.text();
}

}  // namespace txl5cli
