// txl5 explain: a paycheck with its working, read from the records the
// library filled and from the tables it exports.
#ifndef TXL5_CLI_EXPLAIN_H
#define TXL5_CLI_EXPLAIN_H

#include <cstdint>
#include <string>
#include <vector>

#include "cli/paycheck.h"

namespace txl5cli {

// `before` is the paycheck as given, `after` the same after compute().
std::string explain_paycheck(const Paycheck& before, const Paycheck& after, int64_t result);

// A bracket row of a state table, whatever the table's own row layout.
struct StateRowView {
    const char* table;
    MDATE start;
    MDATE end;
    bool has_status;
    double status;
    bool has_periods;
    int64_t pay_periods;
    double lower;
    double upper;
    bool has_base;
    double base;
    double rate;
};
// Every bracket row of the tables a state's calculation reads (empty for a
// state whose tables are not described here).
const std::vector<StateRowView>& state_rows(int64_t state_code);
// The flat supplemental rate table of a state, or null.
struct FlatRateView {
    const char* table;
    const void* rows;  // SupplementalRateRow[]
};
FlatRateView state_flat_rates(int64_t state_code);

}  // namespace txl5cli

#endif  // TXL5_CLI_EXPLAIN_H
