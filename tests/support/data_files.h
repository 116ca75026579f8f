// The table generators and their data files (tools/gen_*.py, tools/data/), for
// tests that compare a compiled table with its data file or check that a
// generated block is what its generator makes of the data.
#ifndef TXL5_TESTS_SUPPORT_DATA_FILES_H
#define TXL5_TESTS_SUPPORT_DATA_FILES_H

#include <map>
#include <string>
#include <vector>

namespace txl5_test {

// The path of a data file of the source tree: tools/data/<name>.
std::string data_file(const std::string& name);

// The records of a CSV data file: blank lines and notes (lines starting with
// #) skipped, the header line skipped, fields split at commas outside double
// quotes (the quotes dropped). Empty when the file cannot be read.
std::vector<std::vector<std::string>> csv_rows(const std::string& path);

// The records of a CSV data file keyed by the header's column names.
std::vector<std::map<std::string, std::string>> csv_records(const std::string& path);

// Runs `tools/<generator> --check <source>` on the source tree: the test fails
// (with the generator's message) when the committed source differs from what
// the generator makes of its data files, and is skipped without python3.
void expect_generated_source_current(const std::string& generator, const std::string& source);

}  // namespace txl5_test

#endif  // TXL5_TESTS_SUPPORT_DATA_FILES_H
