// A mixed stream of calculations over every part of the library: paychecks of
// every state code through the driver (regular and gross-up calls), locality
// paychecks for entries of every locality directory through each local entry
// point, the payroll levies, directory look-ups and table queries. Each job
// carries its own records; running one gives the bytes of every record it
// wrote and its result, so two runs of a job can be compared byte for byte.
#ifndef TXL5_TESTS_RELIABILITY_PAYCHECK_STREAM_H
#define TXL5_TESTS_RELIABILITY_PAYCHECK_STREAM_H

#include <cstdint>
#include <string>
#include <vector>

#include "core/txl5.h"

namespace txl5_test {

enum class JobKind {
    Calc,
    CalcLocal,
    CalcCounty,
    CalcLocalApproximate,
    Sdi,
    FamilyLeave,
    Unemployment,
    TrainingTax,
    FederalUnemployment,
    WorkersCompensation,
    Transit,
    OtherLevy,
    EarnedIncomeCredit,
    Directory,
    TableInfo,
};

struct Job {
    JobKind kind = JobKind::Calc;
    int64_t call_type = 1;
    FEDERAL_WITHHOLDING_STRUC fed{};
    STATE_WITHHOLDING_STRUC state{};
    LOCAL_WITHHOLDING_STRUC local{};
    SDI_STRUC sdi{};
    FAMLEAVE_STRUC leave{};
    SUI_STRUC sui{};
    ETT_STRUC ett{};
    FUTA_STRUC futa{};
    WORKCOMP_STRUC wc{};
    TT_STRUC tt{};
    STATEOTHER_STRUC other{};
    AEIC_STRUC aeic{};
    WITHHOLDING_TAXBODY_INFO info{};
    TXL5_TABLE_INFO table{};
    std::string describe() const;
};

// What a job left: its result and the bytes of its records (and text).
struct Outcome {
    int64_t result = 0;
    std::vector<unsigned char> bytes;
    bool operator==(const Outcome& o) const { return result == o.result && bytes == o.bytes; }
};

// The stream: deterministic, a few thousand jobs.
std::vector<Job> paycheck_stream();

// Runs one job on a copy of its records.
Outcome run_job(const Job& job);

}  // namespace txl5_test

#endif  // TXL5_TESTS_RELIABILITY_PAYCHECK_STREAM_H
