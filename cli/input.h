// Paychecks from JSON documents and CSV lines: the fields of one paycheck by
// name, each refused value reported with its field and line.
#ifndef TXL5_CLI_INPUT_H
#define TXL5_CLI_INPUT_H

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cli/paycheck.h"

namespace txl5cli {

// Fills `paycheck` from one JSON object whose keys are field names (nested
// objects are read as further fields). `first_line` is the document's first
// line number in its file, for messages. On failure `error` holds a message
// naming the line, the field and the value; the paycheck is not finished.
bool paycheck_from_json(std::string_view text, int64_t first_line, Paycheck* paycheck, std::string* error);

// The cells of one CSV line (RFC 4180 quoting). `cells` holds views into the
// line or, for quoted cells with doubled quotes, into `scratch`. False when
// a quote is left open.
bool split_csv(std::string_view line, std::vector<std::string_view>* cells, std::string* scratch);

// A CSV header: the field of each column. False with `error` set on an
// unknown or repeated column name.
bool csv_columns(std::string_view header, std::vector<const Field*>* columns, std::string* error);

// Fills `paycheck` from the cells of one CSV line (empty cells are not given).
bool paycheck_from_csv(const std::vector<const Field*>& columns, const std::vector<std::string_view>& cells,
                       int64_t line, Paycheck* paycheck, std::string* error);

// "line 7: " + the field error, as every message names the line.
std::string line_message(int64_t line, const std::string& what);

}  // namespace txl5cli

#endif  // TXL5_CLI_INPUT_H
