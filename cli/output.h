// How the txl5 tool writes a computed paycheck: a readable table, one JSON
// object, or one CSV row (the batch formats), and amounts to cents.
#ifndef TXL5_CLI_OUTPUT_H
#define TXL5_CLI_OUTPUT_H

#include <cstdint>
#include <string>
#include <string_view>

#include "cli/paycheck.h"

namespace txl5cli {

// An amount to cents ("1234.50"); grouped adds thousands separators. A value
// that rounds to zero prints as 0.00, never -0.00.
void append_money(std::string& out, double value, bool grouped = false);
void append_int(std::string& out, int64_t value);
// A JSON string literal with its quotes.
void append_json_string(std::string& out, std::string_view text);

// The readable table of every withholding and the net pay.
std::string paycheck_table(const Paycheck& paycheck, int64_t result);

// One JSON object (no newline); line > 0 adds the input line number.
void append_paycheck_json(std::string& out, const Paycheck& paycheck, int64_t result, int64_t line = 0);
// A bad input line in the JSON Lines output.
void append_error_json(std::string& out, int64_t line, std::string_view message);

// The CSV columns of the batch output, and one row.
extern const char kCsvHeader[];
void append_paycheck_csv(std::string& out, const Paycheck& paycheck, int64_t result, int64_t line);
void append_error_csv(std::string& out, int64_t line, std::string_view id, std::string_view message);

// Display name of the paycheck's locality ("New York City", or "code 7").
std::string locality_label(const Paycheck& paycheck);

}  // namespace txl5cli

#endif  // TXL5_CLI_OUTPUT_H
