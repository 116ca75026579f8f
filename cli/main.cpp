// txl5: the command-line front door of the library. One paycheck from flags
// or a JSON document (paycheck), the same with its working (explain), a
// state's taxing bodies (localities), a whole payroll file (batch) and
// net-to-gross (grossup).
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/batch.h"
#include "cli/explain.h"
#include "cli/input.h"
#include "cli/output.h"
#include "cli/paycheck.h"

namespace {

using namespace txl5cli;

constexpr int kExitOk = 0;
constexpr int kExitBadInput = 1;
constexpr int kExitCalculationFailed = 2;

// The paycheck options every paycheck command shares: --input FILE (a JSON
// document, - for standard input) and one --NAME VALUE per field.
struct PaycheckOptions {
    std::string input;
    std::map<std::string, std::string> values;  // field name -> text given
    std::vector<std::pair<std::string, CLI::Option*>> options;
    CLI::App* app = nullptr;
};

void add_paycheck_options(CLI::App* app, PaycheckOptions* o) {
    // Unknown options are reported as unknown fields after parsing.
    app->allow_extras();
    o->app = app;
    app->add_option("--input", o->input, "JSON document of one paycheck (a file, or - for standard input)");
    for (const std::string& name : field_names()) {
        const bool own = name.find('_') == std::string::npos || name == "filing_status" || name == "ytd_wages" ||
                         name == "ytd_supplemental" || name == "locality_kind" || name == "state_status" ||
                         name == "multiple_jobs" || name == "dependents_credit" || name == "other_income" ||
                         name == "pay_periods";
        CLI::Option* opt = app->add_option("--" + name, o->values[name], own ? "paycheck field" : "record field");
        opt->group(own ? "Paycheck" : "Record fields");
        o->options.emplace_back(name, opt);
    }
}

bool read_text(const std::string& path, std::string* text) {
    if (path == "-") {
        text->assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
        return true;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    text->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

// Builds the paycheck from the document and the flags (flags win); with
// neither, the built-in sample. False after printing a message.
bool build_paycheck(const char* command, const PaycheckOptions& o, Paycheck* p) {
    for (const std::string& extra : o.app->remaining()) {
        if (extra.rfind("--", 0) == 0) {
            const std::string name = extra.substr(2, extra.find('=') == std::string::npos ? std::string::npos : extra.find('=') - 2);
            std::fprintf(stderr, "txl5 %s: unknown field '%s' (option --%s)\n", command, name.c_str(), name.c_str());
        } else {
            std::fprintf(stderr, "txl5 %s: unexpected argument '%s'\n", command, extra.c_str());
        }
        return false;
    }
    bool any_flag = false;
    for (const auto& [name, opt] : o.options) any_flag = any_flag || opt->count() > 0;
    if (o.input.empty() && !any_flag) {
        *p = sample_paycheck();
        return true;
    }
    p->clear();
    if (!o.input.empty()) {
        std::string text, error;
        if (!read_text(o.input, &text)) {
            std::fprintf(stderr, "txl5 %s: field 'input', value '%s': cannot read the file\n", command, o.input.c_str());
            return false;
        }
        if (!paycheck_from_json(text, 1, p, &error)) {
            std::fprintf(stderr, "txl5 %s: %s: %s\n", command, o.input.c_str(), error.c_str());
            return false;
        }
    }
    for (const auto& [name, opt] : o.options) {
        if (opt->count() == 0) continue;
        FieldError fe;
        if (!set_field(find_field(name), o.values.at(name), p, &fe)) {
            std::fprintf(stderr, "txl5 %s: %s\n", command, fe.message().c_str());
            return false;
        }
    }
    FieldError fe;
    if (!finish_paycheck(p, &fe)) {
        std::fprintf(stderr, "txl5 %s: %s\n", command, fe.message().c_str());
        return false;
    }
    return true;
}

int status_of(int64_t result) { return result == 0 ? kExitOk : kExitCalculationFailed; }

int run_paycheck(const PaycheckOptions& o, bool json) {
    Paycheck p;
    if (!build_paycheck("paycheck", o, &p)) return kExitBadInput;
    const int64_t result = compute(&p);
    if (json) {
        std::string out;
        append_paycheck_json(out, p, result);
        std::cout << out << '\n';
    } else {
        std::cout << paycheck_table(p, result);
    }
    return status_of(result);
}

int run_explain(const PaycheckOptions& o) {
    Paycheck p;
    if (!build_paycheck("explain", o, &p)) return kExitBadInput;
    const Paycheck before = p;
    const int64_t result = compute(&p);
    std::cout << explain_paycheck(before, p, result);
    return status_of(result);
}

int run_grossup(const PaycheckOptions& o, const std::string& net_text, bool bonus, bool json) {
    Paycheck p;
    if (!build_paycheck("grossup", o, &p)) return kExitBadInput;
    double net = 0;
    {
        // The net amount wanted goes where the gross-up call type reads it.
        Paycheck scratch;
        FieldError fe;
        if (!set_field(find_field("gross_wages"), net_text, &scratch, &fe)) {
            std::fprintf(stderr, "txl5 grossup: field 'net', value '%s': not an amount\n", net_text.c_str());
            return kExitBadInput;
        }
        net = scratch.fed.gross_wages;
    }
    if (net < 0) {
        std::fprintf(stderr, "txl5 grossup: field 'net', value '%s': a net pay below 0\n", net_text.c_str());
        return kExitBadInput;
    }
    if (bonus) {
        p.fed.supplemental_wages = net;
    } else {
        p.fed.gross_wages = net;
    }
    const int64_t result = compute(&p, bonus ? 12 : 11);
    if (json) {
        std::string out;
        append_paycheck_json(out, p, result);
        std::cout << out << '\n';
    } else {
        std::string header = bonus ? "Gross bonus for a net bonus of " : "Gross wages for a net pay of ";
        append_money(header, net, true);
        header += bonus ? ": " : ": ";
        append_money(header, bonus ? p.fed.supplemental_wages : p.fed.gross_wages, true);
        std::cout << header << "\n\n" << paycheck_table(p, result);
    }
    return status_of(result);
}

int run_localities(const std::string& state_text, const std::string& kind_text, bool json) {
    const StateInfo* state = find_state(state_text);
    if (!state) {
        std::fprintf(stderr,
                     "txl5 localities: field 'state', value '%s': unknown state (a postal code such as NY, a name, "
                     "or a code 1-59)\n",
                     state_text.c_str());
        return kExitBadInput;
    }
    const int64_t kinds = locality_kinds(state->code);
    std::vector<int64_t> wanted;
    if (!kind_text.empty()) {
        const int64_t kind = parse_locality_kind(state->code, kind_text);
        if (kind < 0 || (kinds == 0 && kind != 0)) {
            std::string names;
            for (int64_t k = 0; k < kinds; ++k) names += std::string(k ? ", " : "") + locality_kind_name(state->code, k);
            std::fprintf(stderr, "txl5 localities: field 'kind', value '%s': unknown kind for %s (%s)\n",
                         kind_text.c_str(), state->name, names.empty() ? "it has no locality list" : names.c_str());
            return kExitBadInput;
        }
        wanted.push_back(kind);
    } else {
        for (int64_t k = 0; k < kinds; ++k) wanted.push_back(k);
    }
    std::string out;
    if (json) out += '[';
    bool first = true;
    for (int64_t kind : wanted) {
        const std::vector<LocalityEntry> list = locality_list(state->code, kind);
        if (!json) {
            out += std::string(state->name) + " (" + state->postal + "), " + locality_kind_name(state->code, kind) +
                   " list: " + std::to_string(list.size()) + " entries\n";
            out += "  code  name\n";
        }
        for (const LocalityEntry& e : list) {
            if (json) {
                if (!first) out += ',';
                first = false;
                out += "{\"state\":\"";
                out += state->postal;
                out += "\",\"kind\":\"";
                out += locality_kind_name(state->code, kind);
                out += "\",\"code\":";
                append_int(out, e.locality_code);
                if (e.entry_code != e.locality_code) {
                    out += ",\"entry_code\":";
                    append_int(out, e.entry_code);
                }
                out += ",\"name\":";
                append_json_string(out, e.name);
                out += '}';
            } else {
                char code[32];
                std::snprintf(code, sizeof code, "%6lld", static_cast<long long>(e.locality_code));
                out += code;
                out += "  ";
                out += e.name;
                if (e.entry_code != e.locality_code) out += "  (shown as " + std::to_string(e.entry_code) + ")";
                out += '\n';
            }
        }
    }
    if (json) out += "]\n";
    if (!json && wanted.empty()) out += std::string(state->name) + " has no locality list.\n";
    std::cout << out;
    return kExitOk;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"txl5: US payroll tax withholding, one paycheck or a whole payroll"};
    app.require_subcommand(1);
    app.set_version_flag("--version", [] {
        char buf[64];
        std::snprintf(buf, sizeof buf, "txl5 %.1f, tables %.1f", TXL5_Version(), TXL5_Table_Version());
        return std::string(buf);
    }());

    PaycheckOptions paycheck_options;
    bool paycheck_json = false;
    CLI::App* paycheck = app.add_subcommand("paycheck", "one paycheck: every withholding and the net pay (no options: a sample paycheck)");
    add_paycheck_options(paycheck, &paycheck_options);
    paycheck->add_flag("--json", paycheck_json, "print one JSON object");

    PaycheckOptions explain_options;
    CLI::App* explain = app.add_subcommand("explain", "the same paycheck with its working");
    add_paycheck_options(explain, &explain_options);

    std::string state_text, kind_text;
    bool localities_json = false;
    CLI::App* localities = app.add_subcommand("localities", "a state's taxing bodies (name and code)");
    localities->add_option("state", state_text, "state: postal code, name or code")->required();
    localities->add_option("kind", kind_text, "which list: school, city, county or municipality");
    localities->add_flag("--json", localities_json, "print a JSON array");

    BatchOptions batch_options;
    bool no_progress = false;
    CLI::App* batch = app.add_subcommand("batch", "paychecks from CSV (with a header) or JSON Lines, one result line each");
    batch->add_option("input", batch_options.input, "input file, or - for standard input (the default)");
    batch->add_option("-o,--output", batch_options.output, "output file (standard output by default)");
    batch->add_option("--format", batch_options.format, "csv or jsonl (default: by file name, else by the first line)");
    batch->add_flag("--no-progress", no_progress, "no progress bar");
    batch->add_flag("--timing", batch_options.timing, "add the elapsed time and the rate to the summary");
    batch->add_flag("-q,--quiet", batch_options.quiet, "no closing summary");

    PaycheckOptions grossup_options;
    std::string net_text;
    bool bonus = false, grossup_json = false;
    CLI::App* grossup = app.add_subcommand("grossup", "net to gross: the gross wages (or bonus) that leave a net amount");
    grossup->add_option("--net", net_text, "the net pay (or net bonus with --bonus) wanted")->required();
    grossup->add_flag("--bonus", bonus, "solve for the gross supplemental wages");
    grossup->add_flag("--json", grossup_json, "print one JSON object");
    add_paycheck_options(grossup, &grossup_options);

    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return kExitBadInput;
    }

    if (paycheck->parsed()) return run_paycheck(paycheck_options, paycheck_json);
    if (explain->parsed()) return run_explain(explain_options);
    if (localities->parsed()) return run_localities(state_text, kind_text, localities_json);
    if (batch->parsed()) {
        batch_options.progress = !no_progress;
        return run_batch(batch_options);
    }
    if (grossup->parsed()) return run_grossup(grossup_options, net_text, bonus, grossup_json);
    return kExitBadInput;
}
