#include "tests/support/data_files.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <fstream>

#include "tests/support/source_root.h"

namespace txl5_test {

namespace {

// The lines of a CSV file that hold records or the header, each split into
// its fields.
std::vector<std::vector<std::string>> csv_lines(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::vector<std::string>> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> fields(1);
        bool quoted = false;
        for (char ch : line) {
            if (ch == '"') {
                quoted = !quoted;
            } else if (ch == ',' && !quoted) {
                fields.emplace_back();
            } else {
                fields.back() += ch;
            }
        }
        lines.push_back(fields);
    }
    return lines;
}

}  // namespace

std::string data_file(const std::string& name) { return source_root() + "/tools/data/" + name; }

std::vector<std::vector<std::string>> csv_rows(const std::string& path) {
    std::vector<std::vector<std::string>> rows = csv_lines(path);
    if (!rows.empty()) rows.erase(rows.begin());
    return rows;
}

std::vector<std::map<std::string, std::string>> csv_records(const std::string& path) {
    const std::vector<std::vector<std::string>> lines = csv_lines(path);
    std::vector<std::map<std::string, std::string>> records;
    for (size_t n = 1; n < lines.size(); ++n) {
        std::map<std::string, std::string> record;
        for (size_t i = 0; i < lines[0].size() && i < lines[n].size(); ++i) record[lines[0][i]] = lines[n][i];
        records.push_back(record);
    }
    return records;
}

void expect_generated_source_current(const std::string& generator, const std::string& source) {
    const std::string root = source_root();
    const std::string command =
        "python3 '" + root + "/tools/" + generator + "' --check '" + root + "/" + source + "' 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
    const int status = pclose(pipe);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 127) GTEST_SKIP() << "python3 not available";
    EXPECT_EQ(status, 0) << output;
}

}  // namespace txl5_test
