#include "cli/output.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace txl5cli {

namespace {

// An amount to cents as text. Amounts the library leaves lie within a hair of
// a whole number of cents: they take the fast path of one integer
// conversion. Any amount whose hundredfold is nearer a half cent than that,
// or too large for exact cents, is converted digit by digit (correctly
// rounded, as printf would).
std::string_view money_text(double value, char* buf, size_t size) {
    const double hundredfold = value * 100.0;
    if (std::fabs(hundredfold) < 1e15) {
        const double cents = std::nearbyint(hundredfold);
        if (std::fabs(hundredfold - cents) <= 0.25) {
            long long whole = static_cast<long long>(cents);
            char* p = buf;
            if (whole < 0) {
                *p++ = '-';
                whole = -whole;
            }
            p = std::to_chars(p, buf + size, whole / 100).ptr;
            *p++ = '.';
            *p++ = static_cast<char>('0' + (whole % 100) / 10);
            *p++ = static_cast<char>('0' + whole % 10);
            return std::string_view(buf, static_cast<size_t>(p - buf));
        }
    }
    const auto r = std::to_chars(buf, buf + size, value, std::chars_format::fixed, 2);
    return std::string_view(buf, static_cast<size_t>(r.ptr - buf));
}

}  // namespace

void append_money(std::string& out, double value, bool grouped) {
    char buf[400];
    std::string_view text = money_text(value, buf, sizeof buf);
    if (text == "-0.00") text = "0.00";
    if (!grouped) {
        out.append(text);
        return;
    }
    bool negative = !text.empty() && text.front() == '-';
    if (negative) {
        out.push_back('-');
        text.remove_prefix(1);
    }
    const size_t point = text.find('.');
    const size_t digits = point == std::string_view::npos ? text.size() : point;
    for (size_t i = 0; i < digits; ++i) {
        if (i > 0 && (digits - i) % 3 == 0) out.push_back(',');
        out.push_back(text[i]);
    }
    out.append(text.substr(digits));
}

void append_int(std::string& out, int64_t value) {
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, static_cast<size_t>(r.ptr - buf));
}

void append_json_string(std::string& out, std::string_view text) {
    out.push_back('"');
    for (char c : text) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char esc[8];
                    std::snprintf(esc, sizeof esc, "\\u%04x", static_cast<unsigned>(static_cast<unsigned char>(c)));
                    out += esc;
                } else {
                    out.push_back(c);
                }
        }
    }
    out.push_back('"');
}

namespace {

void append_date(std::string& out, int64_t year, int64_t month, int64_t day) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04lld-%02lld-%02lld", static_cast<long long>(year), static_cast<long long>(month),
                  static_cast<long long>(day));
    out += buf;
}

const char* state_postal(const Paycheck& p) {
    const StateInfo* s = state_by_code(p.state.state_code);
    return s ? s->postal : "";
}

std::string state_name(const Paycheck& p) {
    const StateInfo* s = state_by_code(p.state.state_code);
    return s ? s->name : "state " + std::to_string(p.state.state_code);
}

void table_row(std::string& out, const std::string& label, double amount) {
    std::string money;
    append_money(money, amount, true);
    out += "  ";
    out += label;
    const size_t width = 56;
    const size_t used = label.size() + money.size();
    out.append(used < width ? width - used : 1, ' ');
    out += money;
    out += '\n';
}

void json_key(std::string& out, const char* key) {
    out += ",\"";
    out += key;
    out += "\":";
}

void json_money(std::string& out, const char* key, double value) {
    json_key(out, key);
    append_money(out, value);
}

void json_int(std::string& out, const char* key, int64_t value) {
    json_key(out, key);
    append_int(out, value);
}

}  // namespace

std::string locality_label(const Paycheck& p) {
    if (!p.locality_name.empty()) return p.locality_name;
    return "locality code " + std::to_string(p.local.locality_code);
}

std::string paycheck_table(const Paycheck& p, int64_t result) {
    const FEDERAL_WITHHOLDING_STRUC& f = p.fed;
    const STATE_WITHHOLDING_STRUC& s = p.state;
    const LOCAL_WITHHOLDING_STRUC& l = p.local;
    std::string out;
    out += "Paycheck of ";
    append_date(out, f.check_year, f.check_month, f.check_day);
    const char* frequency = frequency_name(f.pay_periods);
    out += ", ";
    if (*frequency) {
        out += frequency;
        out += " (";
    }
    append_int(out, f.pay_periods);
    out += " pay periods a year";
    if (*frequency) out += ")";
    out += "\n";
    out += "State: " + state_name(p);
    if (*state_postal(p)) out += std::string(" (") + state_postal(p) + ", code " + std::to_string(s.state_code) + ")";
    if (p.has_local) out += "; locality: " + locality_label(p);
    out += "\n";
    if (!p.id.empty()) out += "Employee: " + p.id + "\n";
    out += "\n";
    table_row(out, "Gross wages", f.gross_wages);
    if (f.supplemental_wages != 0.0) table_row(out, "Supplemental wages", f.supplemental_wages);
    table_row(out, "Federal income tax", f.fed_tax);
    if (f.supplemental_wages != 0.0 || f.supplemental_fed_tax != 0.0) {
        table_row(out, "Federal tax on supplemental wages", f.supplemental_fed_tax);
    }
    table_row(out, "Social security", f.fica_tax);
    table_row(out, "Medicare", f.medicare_tax);
    const std::string sn = state_name(p);
    table_row(out, sn + " income tax", s.state_tax);
    if (s.state_supplemental_wages != 0.0 || s.state_supplemental_tax != 0.0) {
        table_row(out, sn + " tax on supplemental wages", s.state_supplemental_tax);
    }
    if (p.has_local) {
        const std::string ln = locality_label(p);
        table_row(out, ln + " tax", l.local_tax);
        if (l.local_supplemental_wages != 0.0 || l.local_supplemental_tax != 0.0) {
            table_row(out, ln + " tax on supplemental wages", l.local_supplemental_tax);
        }
        if (l.second_local_tax != 0.0 || l.second_local_supplemental_tax != 0.0) {
            if (s.state_code == 7) {
                table_row(out, "Employer's occupational privilege tax (not withheld)", l.second_local_tax);
            } else {
                table_row(out, "Residence-city tax", l.second_local_tax);
                if (l.second_local_supplemental_tax != 0.0) {
                    table_row(out, "Residence-city tax on supplemental wages", l.second_local_supplemental_tax);
                }
            }
        }
    }
    out += "  " + std::string(56, '-') + "\n";
    table_row(out, "Net pay", net_pay(p));
    out += "\n";
    out += "Result " + std::to_string(result) + ": " + result_text(result) + "\n";
    if (f.used_year != 0 && f.used_year != f.check_year) {
        out += "Computed with the federal tables of ";
        append_int(out, f.used_year);
        out += " (no rows for the check date's year).\n";
    }
    if (f.fed_status != 0) out += "fed_status " + std::to_string(f.fed_status) + ": " + fed_status_text(f.fed_status) + "\n";
    if (s.state_error != 0) {
        out += "state_error " + std::to_string(s.state_error) + ": " + state_error_text(s.state_error) + "\n";
    }
    if (p.has_local && l.local_error != 0) {
        out += "local_error " + std::to_string(l.local_error) + ": " + local_error_text(l.local_error) + "\n";
    }
    return out;
}

void append_paycheck_json(std::string& out, const Paycheck& p, int64_t result, int64_t line) {
    const FEDERAL_WITHHOLDING_STRUC& f = p.fed;
    const STATE_WITHHOLDING_STRUC& s = p.state;
    const LOCAL_WITHHOLDING_STRUC& l = p.local;
    out += '{';
    if (line > 0) {
        out += "\"line\":";
        append_int(out, line);
        out += ',';
    }
    if (!p.id.empty()) {
        out += "\"id\":";
        append_json_string(out, p.id);
        out += ',';
    }
    out += "\"date\":\"";
    append_date(out, f.check_year, f.check_month, f.check_day);
    out += "\",\"state\":\"";
    out += state_postal(p);
    out += '"';
    json_int(out, "state_code", s.state_code);
    if (p.has_local) {
        json_key(out, "locality");
        append_json_string(out, locality_label(p));
        json_int(out, "locality_code", l.locality_code);
    }
    json_int(out, "pay_periods", f.pay_periods);
    json_money(out, "gross_wages", f.gross_wages);
    json_money(out, "supplemental_wages", f.supplemental_wages);
    json_money(out, "federal_income_tax", f.fed_tax);
    json_money(out, "federal_supplemental_tax", f.supplemental_fed_tax);
    json_money(out, "social_security", f.fica_tax);
    json_money(out, "medicare", f.medicare_tax);
    json_money(out, "state_income_tax", s.state_tax);
    json_money(out, "state_supplemental_tax", s.state_supplemental_tax);
    if (p.has_local) {
        json_money(out, "local_tax", l.local_tax);
        json_money(out, "local_supplemental_tax", l.local_supplemental_tax);
        json_money(out, "second_local_tax", l.second_local_tax);
        json_money(out, "second_local_supplemental_tax", l.second_local_supplemental_tax);
    }
    json_money(out, "net_pay", net_pay(p));
    json_int(out, "result", result);
    json_int(out, "fed_status", f.fed_status);
    json_int(out, "state_error", s.state_error);
    if (p.has_local) json_int(out, "local_error", l.local_error);
    json_int(out, "used_year", f.used_year);
    out += '}';
}

void append_error_json(std::string& out, int64_t line, std::string_view message) {
    out += "{\"line\":";
    append_int(out, line);
    out += ",\"error\":";
    append_json_string(out, message);
    out += '}';
}

const char kCsvHeader[] =
    "line,id,result,gross_wages,supplemental_wages,federal_income_tax,federal_supplemental_tax,social_security,"
    "medicare,state_income_tax,state_supplemental_tax,local_tax,local_supplemental_tax,second_local_tax,net_pay,"
    "used_year,fed_status,state_error,local_error,error";

namespace {

void append_csv_text(std::string& out, std::string_view text) {
    if (text.find_first_of(",\"\n\r") == std::string_view::npos) {
        out.append(text);
        return;
    }
    out.push_back('"');
    for (char c : text) {
        if (c == '"') out.push_back('"');
        out.push_back(c);
    }
    out.push_back('"');
}

}  // namespace

void append_paycheck_csv(std::string& out, const Paycheck& p, int64_t result, int64_t line) {
    const FEDERAL_WITHHOLDING_STRUC& f = p.fed;
    const STATE_WITHHOLDING_STRUC& s = p.state;
    const LOCAL_WITHHOLDING_STRUC& l = p.local;
    append_int(out, line);
    out.push_back(',');
    append_csv_text(out, p.id);
    out.push_back(',');
    append_int(out, result);
    const double amounts[] = {f.gross_wages, f.supplemental_wages, f.fed_tax, f.supplemental_fed_tax, f.fica_tax,
                              f.medicare_tax, s.state_tax, s.state_supplemental_tax,
                              p.has_local ? l.local_tax : 0.0, p.has_local ? l.local_supplemental_tax : 0.0,
                              p.has_local ? l.second_local_tax : 0.0, net_pay(p)};
    for (double a : amounts) {
        out.push_back(',');
        append_money(out, a);
    }
    out.push_back(',');
    append_int(out, f.used_year);
    out.push_back(',');
    append_int(out, f.fed_status);
    out.push_back(',');
    append_int(out, s.state_error);
    out.push_back(',');
    append_int(out, p.has_local ? l.local_error : 0);
    out += ",\n";
}

void append_error_csv(std::string& out, int64_t line, std::string_view id, std::string_view message) {
    append_int(out, line);
    out.push_back(',');
    append_csv_text(out, id);
    out += ",,,,,,,,,,,,,,,,,,";
    append_csv_text(out, message);
    out.push_back('\n');
}

}  // namespace txl5cli
