#include "tests/reliability/paycheck_stream.h"

#include <cstring>
#include <random>

namespace txl5_test {
namespace {

class Rng {
public:
    explicit Rng(uint64_t seed) : engine_(seed) {}
    int64_t below(int64_t n) { return static_cast<int64_t>(engine_() % static_cast<uint64_t>(n)); }
    double cents(int64_t low, int64_t high) { return static_cast<double>(low + below(high - low)) / 100.0; }
    template <class T, size_t N>
    T one_of(const T (&values)[N]) {
        return values[below(N)];
    }

private:
    std::mt19937_64 engine_;
};

constexpr int64_t kYears[] = {2024, 2025, 2026};
constexpr int64_t kPayPeriods[] = {52, 26, 24, 12};
constexpr int64_t kLastStateCode = 59;

// One employee's paycheck in a state, through the driver or a local entry point.
Job paycheck(Rng& rng, JobKind kind, int64_t call_type, int64_t state_code, int64_t year) {
    Job job;
    job.kind = kind;
    job.call_type = call_type;
    const int64_t periods = rng.one_of(kPayPeriods);
    const double wages = rng.cents(20000, 600000);
    FEDERAL_WITHHOLDING_STRUC& fed = job.fed;
    fed.struc_version = 165;
    fed.check_month = 1 + rng.below(12);
    fed.check_day = 1 + rng.below(28);
    fed.check_year = year;
    fed.pay_periods = periods;
    fed.filing_status = rng.below(3);
    fed.allowances = rng.below(4);
    fed.w4_2020 = rng.below(2);
    fed.gross_wages = fed.fica_wages = wages;
    fed.ytd_fica_wages = fed.ytd_medicare_wages = rng.cents(0, 20000000);
    fed.supplemental_wages = call_type == 12 || rng.below(3) == 0 ? rng.cents(10000, 300000) : 0.0;
    fed.supp_aggregate = rng.below(2);
    STATE_WITHHOLDING_STRUC& state = job.state;
    state.struc_version = rng.below(2) ? 145 : 213;
    state.state_code = state_code;
    state.state_filing_status = rng.below(3);
    state.state_allowances = rng.below(4);
    state.state_pay_periods = periods;
    state.state_wages = wages;
    state.state_supplemental_wages = fed.supplemental_wages;
    state.state_supp_aggregate = rng.below(2);
    LOCAL_WITHHOLDING_STRUC& local = job.local;
    local.struc_version = rng.below(2) ? 240 : 156;
    local.local_pay_periods = periods;
    local.local_wages = wages;
    local.ytd_local_wages = rng.cents(0, 10000000);
    local.local_supplemental_wages = fed.supplemental_wages;
    local.local_resident = rng.below(2);
    local.local_rate = rng.below(4) == 0 ? 0.01 : 0.0;
    return job;
}

template <class Record>
void date(Record* r, Rng& rng, int64_t year) {
    r->struc_version = 200;
    r->check_month = 1 + rng.below(12);
    r->check_day = 1 + rng.below(28);
    r->check_year = year;
}

void add_levies(std::vector<Job>* jobs, Rng& rng, int64_t state_code, int64_t year) {
    Job job;
    job.kind = JobKind::Sdi;
    date(&job.sdi, rng, year);
    job.sdi.state_code = state_code;
    job.sdi.sdi_wages = rng.cents(20000, 600000);
    job.sdi.ytd_sdi_wages = rng.cents(0, 20000000);
    job.sdi.pay_periods = rng.one_of(kPayPeriods);
    jobs->push_back(job);

    job = Job();
    job.kind = JobKind::FamilyLeave;
    date(&job.leave, rng, year);
    job.leave.state_code = state_code;
    job.leave.leave_wages = rng.cents(20000, 600000);
    job.leave.ytd_leave_wages = rng.cents(0, 20000000);
    job.leave.leave_share = 0.5;
    job.leave.leave_employer_tax = static_cast<double>(rng.below(40));
    job.leave.leave_share_2 = 0.6;
    jobs->push_back(job);

    job = Job();
    job.kind = JobKind::Unemployment;
    date(&job.sui, rng, year);
    job.sui.state_code = state_code;
    job.sui.sui_wages = rng.cents(20000, 600000);
    job.sui.ytd_sui_wages = rng.cents(0, 5000000);
    job.sui.sui_rate = 0.027;
    jobs->push_back(job);

    job = Job();
    job.kind = JobKind::WorkersCompensation;
    date(&job.wc, rng, year);
    job.wc.state_code = state_code;
    job.wc.wc_hours = static_cast<double>(rng.below(90));
    job.wc.wc_employee_rate = 0.02;
    job.wc.wc_employer_rate = 0.03;
    jobs->push_back(job);

    job = Job();
    job.kind = JobKind::OtherLevy;
    job.other.levy_kind = 1;
    job.other.check_month = 1 + rng.below(12);
    job.other.check_day = 1 + rng.below(28);
    job.other.check_year = year;
    job.other.state_code = state_code;
    job.other.pay_periods = rng.one_of(kPayPeriods);
    job.other.other_wages = rng.cents(20000, 600000);
    jobs->push_back(job);
}

void add_federal_levies(std::vector<Job>* jobs, Rng& rng, int64_t year) {
    Job job;
    job.kind = JobKind::TrainingTax;
    date(&job.ett, rng, year);
    job.ett.ett_wages = rng.cents(20000, 600000);
    jobs->push_back(job);

    job = Job();
    job.kind = JobKind::FederalUnemployment;
    date(&job.futa, rng, year);
    job.futa.futa_wages = rng.cents(20000, 600000);
    job.futa.futa_rate = 0.006;
    jobs->push_back(job);

    job = Job();
    job.kind = JobKind::Transit;
    date(&job.tt, rng, year);
    job.tt.tt_wages = rng.cents(20000, 600000);
    job.tt.tt_rate = 0.007;
    jobs->push_back(job);

    job = Job();
    job.kind = JobKind::EarnedIncomeCredit;
    job.aeic.aeic_month = 1 + rng.below(12);
    job.aeic.aeic_day = 1 + rng.below(28);
    job.aeic.aeic_year = year;
    job.aeic.aeic_status = rng.below(3);
    job.aeic.aeic_pay_periods = rng.one_of(kPayPeriods);
    job.aeic.aeic_wages = rng.cents(10000, 80000);
    jobs->push_back(job);

    job = Job();
    job.kind = JobKind::TableInfo;
    job.table.info_month = 1 + rng.below(12);
    job.table.info_day = 1 + rng.below(28);
    job.table.info_year = year;
    job.table.info_item = 1;
    jobs->push_back(job);
}

// Every directory list (each state code, each list kind a state may have),
// a few entries of each: directory look-ups, and paychecks at those
// localities through each local entry point.
void add_localities(std::vector<Job>* jobs, Rng& rng) {
    constexpr int64_t kKinds = 4;
    constexpr int64_t kEntriesLookedUp = 12;
    constexpr int64_t kLocalitiesComputed = 4;
    const JobKind local_kinds[] = {JobKind::CalcLocal, JobKind::CalcCounty, JobKind::CalcLocalApproximate};
    for (int64_t code = 1; code <= kLastStateCode; ++code) {
        for (int64_t kind = 0; kind < kKinds; ++kind) {
            WITHHOLDING_TAXBODY_INFO query{};
            query.state_code = code;
            query.taxbody_kind = kind;
            char text[TXL5_PROMPT_MAX];
            TXL5_Get_Prompt(&query, text);
            const int64_t count = query.entry_count;
            if (count <= 0) continue;
            for (int64_t k = 0; k < kEntriesLookedUp && k < count; ++k) {
                Job job;
                job.kind = JobKind::Directory;
                job.info = query;
                job.info.entry_index = k * count / kEntriesLookedUp;
                jobs->push_back(job);
                if (k % (kEntriesLookedUp / kLocalitiesComputed) != 0) continue;
                WITHHOLDING_TAXBODY_INFO entry = job.info;
                TXL5_Get_Prompt(&entry, text);
                for (JobKind local_kind : local_kinds) {
                    const int64_t call_type = rng.below(3) == 0 ? 11 : 1;
                    Job paid = paycheck(rng, local_kind, call_type, code, rng.one_of(kYears));
                    paid.local.locality_code = entry.locality_code;
                    paid.local.residence_locality_code = entry.locality_code;
                    paid.local.local_tax_kind = kind;
                    jobs->push_back(paid);
                }
            }
        }
    }
}

template <class Record>
void append(Outcome* out, const Record& r) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(&r);
    out->bytes.insert(out->bytes.end(), p, p + sizeof r);
}

const char* kind_name(JobKind kind) {
    switch (kind) {
        case JobKind::Calc: return "TXL5_Calc";
        case JobKind::CalcLocal: return "TXL5_Calc_Local";
        case JobKind::CalcCounty: return "TXL5_Calc_County";
        case JobKind::CalcLocalApproximate: return "TXL5_Calc_Local_TEST";
        case JobKind::Sdi: return "SDI_Calc";
        case JobKind::FamilyLeave: return "FAMLEAVE_Calc";
        case JobKind::Unemployment: return "SUI_Calc";
        case JobKind::TrainingTax: return "ETT_Calc";
        case JobKind::FederalUnemployment: return "FUTA_Calc";
        case JobKind::WorkersCompensation: return "WORKCOMP_Calc";
        case JobKind::Transit: return "TT_Calc";
        case JobKind::OtherLevy: return "StateOther_Calc";
        case JobKind::EarnedIncomeCredit: return "TXL5_AEIC_Calc";
        case JobKind::Directory: return "TXL5_Get_Prompt";
        case JobKind::TableInfo: return "TXL5_Get_Table_Info";
    }
    return "?";
}

}  // namespace

std::string Job::describe() const {
    return std::string(kind_name(kind)) + " call type " + std::to_string(call_type) + ", state " +
           std::to_string(state.state_code) + ", locality " + std::to_string(local.locality_code) + ", year " +
           std::to_string(fed.check_year) + ", directory state " + std::to_string(info.state_code) + " entry " +
           std::to_string(info.entry_index);
}

std::vector<Job> paycheck_stream() {
    Rng rng(20261209);
    std::vector<Job> jobs;
    for (int64_t year : kYears) {
        for (int64_t code = 1; code <= kLastStateCode; ++code) {
            for (int64_t call_type : {1, 11, 12}) jobs.push_back(paycheck(rng, JobKind::Calc, call_type, code, year));
            add_levies(&jobs, rng, code, year);
        }
        add_federal_levies(&jobs, rng, year);
    }
    add_localities(&jobs, rng);
    return jobs;
}

Outcome run_job(const Job& job) {
    Job j = job;
    Outcome out;
    char text[TXL5_PROMPT_MAX];
    std::memset(text, 0, sizeof text);
    const uint64_t call_type = static_cast<uint64_t>(j.call_type);
    switch (j.kind) {
        case JobKind::Calc: out.result = TXL5_Calc(j.call_type, &j.fed, &j.state); break;
        case JobKind::CalcLocal: out.result = TXL5_Calc_Local(call_type, &j.fed, &j.state, &j.local); break;
        case JobKind::CalcCounty: out.result = TXL5_Calc_County(call_type, &j.fed, &j.state, &j.local); break;
        case JobKind::CalcLocalApproximate:
            out.result = TXL5_Calc_Local_TEST(call_type, &j.fed, &j.state, &j.local);
            break;
        case JobKind::Sdi: out.result = SDI_Calc(&j.sdi); break;
        case JobKind::FamilyLeave: out.result = FAMLEAVE_Calc(&j.leave); break;
        case JobKind::Unemployment: out.result = SUI_Calc(&j.sui); break;
        case JobKind::TrainingTax: out.result = ETT_Calc(&j.ett); break;
        case JobKind::FederalUnemployment: out.result = FUTA_Calc(&j.futa); break;
        case JobKind::WorkersCompensation: out.result = WORKCOMP_Calc(&j.wc); break;
        case JobKind::Transit: out.result = TT_Calc(&j.tt); break;
        case JobKind::OtherLevy: out.result = StateOther_Calc(&j.other); break;
        case JobKind::EarnedIncomeCredit: out.result = TXL5_AEIC_Calc(&j.aeic); break;
        case JobKind::Directory: out.result = TXL5_Get_Prompt(&j.info, text); break;
        case JobKind::TableInfo: out.result = TXL5_Get_Table_Info(&j.table); break;
    }
    append(&out, j.fed);
    append(&out, j.state);
    append(&out, j.local);
    append(&out, j.sdi);
    append(&out, j.leave);
    append(&out, j.sui);
    append(&out, j.ett);
    append(&out, j.futa);
    append(&out, j.wc);
    append(&out, j.tt);
    append(&out, j.other);
    append(&out, j.aeic);
    append(&out, j.info);
    append(&out, j.table);
    append(&out, text);
    return out;
}

}  // namespace txl5_test
