#include "cli/input.h"

#include <algorithm>

#include <nlohmann/json.hpp>

namespace txl5cli {
namespace {

int64_t line_of_offset(std::string_view text, size_t offset, int64_t first_line) {
    offset = std::min(offset, text.size());
    return first_line + static_cast<int64_t>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
}

// The line on which a key first appears in the document, as a JSON string.
int64_t line_of_key(std::string_view text, const std::string& key, int64_t first_line) {
    const std::string quoted = "\"" + key + "\"";
    const size_t at = text.find(quoted);
    return at == std::string_view::npos ? first_line : line_of_offset(text, at, first_line);
}

bool set_json_fields(const nlohmann::json& object, std::string_view text, int64_t first_line, Paycheck* p,
                     std::string* error) {
    for (auto it = object.begin(); it != object.end(); ++it) {
        const std::string& key = it.key();
        const nlohmann::json& value = it.value();
        if (value.is_object()) {
            if (!set_json_fields(value, text, first_line, p, error)) return false;
            continue;
        }
        const Field* field = find_field(key);
        const int64_t line = line_of_key(text, key, first_line);
        if (!field) {
            *error = line_message(line, "unknown field '" + key + "'");
            return false;
        }
        std::string cell;
        if (value.is_null()) continue;
        if (value.is_string()) {
            cell = value.get<std::string>();
        } else if (value.is_boolean()) {
            cell = value.get<bool>() ? "1" : "0";
        } else if (value.is_number_integer() || value.is_number_unsigned()) {
            cell = value.dump();
        } else if (value.is_number_float()) {
            // Amounts as JSON numbers: written back in plain decimal notation.
            char buf[64];
            std::snprintf(buf, sizeof buf, "%.10f", value.get<double>());
            cell = buf;
        } else {
            *error = line_message(line, "field '" + key + "', value '" + value.dump() + "': not a single value");
            return false;
        }
        FieldError fe;
        if (!set_field(field, cell, p, &fe)) {
            *error = line_message(line, fe.message());
            return false;
        }
    }
    return true;
}

}  // namespace

std::string line_message(int64_t line, const std::string& what) { return "line " + std::to_string(line) + ": " + what; }

bool paycheck_from_json(std::string_view text, int64_t first_line, Paycheck* p, std::string* error) {
    nlohmann::json doc;
    try {
        doc = nlohmann::json::parse(text.begin(), text.end());
    } catch (const nlohmann::json::parse_error& e) {
        // Where the reading stopped, as a line of the file and a column, and
        // the reason without the JSON library's own numbering.
        const size_t at = std::min(e.byte > 0 ? e.byte - 1 : 0, text.size());
        const int64_t line = line_of_offset(text, at, first_line);
        const size_t line_start = text.rfind('\n', at == 0 ? 0 : at - 1);
        const size_t column = line_start == std::string_view::npos || at == 0 ? at + 1 : at - line_start;
        std::string what = e.what();
        const size_t reason = what.find(": ", what.find("column"));
        what = reason == std::string::npos ? "syntax error" : what.substr(reason + 2);
        *error = line_message(line, "unreadable JSON at column " + std::to_string(column) + ": " + what);
        return false;
    }
    if (!doc.is_object()) {
        *error = line_message(first_line, "unreadable JSON: a paycheck is a JSON object of fields");
        return false;
    }
    return set_json_fields(doc, text, first_line, p, error);
}

bool split_csv(std::string_view line, std::vector<std::string_view>* cells, std::string* scratch) {
    cells->clear();
    scratch->clear();
    scratch->reserve(line.size());
    size_t i = 0;
    const size_t n = line.size();
    while (true) {
        if (i < n && line[i] == '"') {
            // Quoted cell: doubled quotes stand for one.
            const size_t start = scratch->size();
            ++i;
            bool closed = false;
            while (i < n) {
                if (line[i] == '"') {
                    if (i + 1 < n && line[i + 1] == '"') {
                        scratch->push_back('"');
                        i += 2;
                        continue;
                    }
                    closed = true;
                    ++i;
                    break;
                }
                scratch->push_back(line[i++]);
            }
            if (!closed) return false;
            cells->emplace_back(scratch->data() + start, scratch->size() - start);
            while (i < n && (line[i] == ' ' || line[i] == '\r')) ++i;
            if (i < n && line[i] != ',') return false;
        } else {
            const size_t start = i;
            while (i < n && line[i] != ',') ++i;
            cells->emplace_back(line.data() + start, i - start);
        }
        if (i >= n) break;
        ++i;  // the comma
    }
    return true;
}

bool csv_columns(std::string_view header, std::vector<const Field*>* columns, std::string* error) {
    std::vector<std::string_view> cells;
    std::string scratch;
    columns->clear();
    if (!split_csv(header, &cells, &scratch)) {
        *error = line_message(1, "unreadable CSV header: a quote is not closed");
        return false;
    }
    for (std::string_view cell : cells) {
        while (!cell.empty() && (cell.front() == ' ' || cell.front() == '\xEF' || cell.front() == '\xBB' ||
                                 cell.front() == '\xBF')) {
            cell.remove_prefix(1);  // blanks, and a byte-order mark before the first name
        }
        while (!cell.empty() && (cell.back() == ' ' || cell.back() == '\r')) cell.remove_suffix(1);
        const Field* field = find_field(cell);
        if (!field) {
            *error = line_message(1, "unknown field '" + std::string(cell) + "' in the CSV header");
            return false;
        }
        if (std::find(columns->begin(), columns->end(), field) != columns->end()) {
            *error = line_message(1, "field '" + std::string(cell) + "' appears twice in the CSV header");
            return false;
        }
        columns->push_back(field);
    }
    return true;
}

bool paycheck_from_csv(const std::vector<const Field*>& columns, const std::vector<std::string_view>& cells,
                       int64_t line, Paycheck* p, std::string* error) {
    if (cells.size() != columns.size()) {
        *error = line_message(line, "unreadable CSV line: " + std::to_string(cells.size()) + " values where the header has " +
                                        std::to_string(columns.size()) + " columns");
        return false;
    }
    FieldError fe;
    for (size_t i = 0; i < cells.size(); ++i) {
        std::string_view cell = cells[i];
        if (cell.empty()) continue;
        if (!set_field(columns[i], cell, p, &fe)) {
            *error = line_message(line, fe.message());
            return false;
        }
    }
    return true;
}

}  // namespace txl5cli
