// The paycheck model of the txl5 tool: one paycheck's three records filled
// from named fields (command-line flags, JSON keys or CSV columns), the
// computation through the library's entry points, and the names of states,
// pay frequencies, filing statuses and result bits.
#ifndef TXL5_CLI_PAYCHECK_H
#define TXL5_CLI_PAYCHECK_H

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include <txl5/txl5.h>

namespace txl5cli {

// Layout versions the tool fills: the newest layouts of each record.
constexpr int64_t kFederalVersion = 165;
constexpr int64_t kStateVersion = 213;
constexpr int64_t kLocalVersion = 240;

// One jurisdiction of the state code list.
struct StateInfo {
    int64_t code;
    const char* postal;
    const char* name;
};
// Codes 1 to 59; null for any other code.
const StateInfo* state_by_code(int64_t code);
// A postal code (any case), a code number or a full name; null when none.
const StateInfo* find_state(std::string_view text);

// Pay frequency names: weekly 52, biweekly 26, semimonthly 24, monthly 12,
// quarterly 4, semiannual 2, annual 1, daily 260; "" for other counts.
const char* frequency_name(int64_t pay_periods);

// A field's value was refused: which field, the value, and why.
struct FieldError {
    std::string field;
    std::string value;
    std::string reason;
    std::string message() const;  // "field 'state': unknown state 'XX'" ...
};

// What the input said, beyond the records: the fields given, so defaults
// (state wages from the wages, and so on) fill only what was left out.
struct Paycheck {
    FEDERAL_WITHHOLDING_STRUC fed;
    STATE_WITHHOLDING_STRUC state;
    LOCAL_WITHHOLDING_STRUC local;
    std::string id;             // passed through to the output
    std::string locality_name;  // as the directory names it, when known
    int64_t locality_kind = -1; // the directory list (Kentucky, Ohio, Pennsylvania), -1 when not given
    std::string locality_kind_text;
    bool has_local = false;     // a locality or a local field was given: use the local entry point
    uint64_t given = 0;         // bits of Given
    bool date_given = false;

    Paycheck();
    void clear();
};

// A field by name: sets it in the paycheck from text. Names are the tool's
// own (date, state, frequency, wages ...) and every input field of the three
// records under its record name (state_percent, local_rate ...).
struct Field;
const Field* find_field(std::string_view name);
// Parses `value` into the paycheck; false with `error` filled when refused.
bool set_field(const Field* field, std::string_view value, Paycheck* paycheck, FieldError* error);
const char* field_name(const Field* field);
// Every field name, the tool's own first.
std::vector<std::string> field_names();

// Completes a paycheck after its fields: defaults, locality by name, and the
// checks that need several fields (a date, pay periods of 1 or more).
bool finish_paycheck(Paycheck* paycheck, FieldError* error);

// The built-in sample: a weekly New York City paycheck of 1,000.00 on 5 June
// 2026, single with one allowance.
Paycheck sample_paycheck();

// Computes the paycheck (call type 1, or a gross-up call type) through
// TXL5_Calc_Local when it has a locality, else TXL5_Calc. Returns the result bits.
int64_t compute(Paycheck* paycheck, int64_t call_type = 1);

// Every amount withheld from the employee, and the net pay.
double net_pay(const Paycheck& paycheck);

// Words for one result bit (1, 8, 16, 64) and for the record codes.
const char* result_bit_text(int64_t bit);
std::string result_text(int64_t result);
const char* fed_status_text(int64_t code);
const char* state_error_text(int64_t code);
const char* local_error_text(int64_t code);

// The locality directory of one state, loaded once: name (case folded) to
// list kind and locality code.
struct LocalityEntry {
    std::string name;
    int64_t kind;
    int64_t entry_code;
    int64_t locality_code;
};
// The kinds a state's directory has (Kentucky 3, Ohio and Pennsylvania 2, others 1);
// 0 when the state has no list.
int64_t locality_kinds(int64_t state_code);
const char* locality_kind_name(int64_t state_code, int64_t kind);
// The kind named (school, city, county, municipality) or numbered; -1 when unknown.
int64_t parse_locality_kind(int64_t state_code, std::string_view text);
// All entries of one list, in directory order.
std::vector<LocalityEntry> locality_list(int64_t state_code, int64_t kind);

}  // namespace txl5cli

#endif  // TXL5_CLI_PAYCHECK_H
