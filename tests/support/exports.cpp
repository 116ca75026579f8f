#include "tests/support/exports.h"

#include <cxxabi.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>

namespace txl5_test {
namespace {

struct Symbols {
    std::map<std::string, char> plain;      // unmangled name -> nm type
    std::map<std::string, char> demangled;  // function name before '(' -> nm type
};

const Symbols& symbols() {
    static const Symbols table = [] {
        Symbols s;
        std::string command = std::string("nm -D --defined-only '") + TXL5_LIBRARY_PATH + "'";
        FILE* pipe = popen(command.c_str(), "r");
        if (!pipe) return s;
        char line[4096];
        while (std::fgets(line, sizeof line, pipe)) {
            char type = 0;
            char name[4000];
            unsigned long long address = 0;
            if (std::sscanf(line, "%llx %c %3999s", &address, &type, name) != 3) continue;
            std::string symbol(name);
            if (symbol.rfind("_Z", 0) == 0) {
                int status = 0;
                std::unique_ptr<char, void (*)(void*)> text(
                    abi::__cxa_demangle(symbol.c_str(), nullptr, nullptr, &status), std::free);
                if (status == 0 && text) {
                    std::string full(text.get());
                    s.demangled[full.substr(0, full.find('('))] = type;
                }
            } else {
                s.plain[symbol] = type;
            }
        }
        pclose(pipe);
        return s;
    }();
    return table;
}

}  // namespace

void expect_plain_functions(const std::vector<std::string>& names) {
    ASSERT_FALSE(symbols().plain.empty()) << "could not read the symbol table of " << TXL5_LIBRARY_PATH;
    for (const auto& name : names) {
        auto it = symbols().plain.find(name);
        EXPECT_TRUE(it != symbols().plain.end() && it->second == 'T') << name << " is not an exported plain function";
    }
}

void expect_typed_functions(const std::vector<std::string>& names) {
    ASSERT_FALSE(symbols().plain.empty()) << "could not read the symbol table of " << TXL5_LIBRARY_PATH;
    for (const auto& name : names) {
        auto it = symbols().demangled.find(name);
        EXPECT_TRUE(it != symbols().demangled.end() && it->second == 'T')
            << name << " is not an exported function with a type-encoded name";
        EXPECT_EQ(symbols().plain.count(name), 0u) << name << " must not also be exported under its plain name";
    }
}

void expect_data_objects(const std::vector<std::string>& names) {
    ASSERT_FALSE(symbols().plain.empty()) << "could not read the symbol table of " << TXL5_LIBRARY_PATH;
    for (const auto& name : names) {
        auto it = symbols().plain.find(name);
        // R: read-only data; D: constant data that needs relocation (pointers).
        EXPECT_TRUE(it != symbols().plain.end() && (it->second == 'R' || it->second == 'D'))
            << name << " is not an exported data object";
    }
}

}  // namespace txl5_test
