// The dynamic symbol table of the built library, read with nm, so tests can
// check that each entry point and table is exported under the right name.
#ifndef TXL5_TESTS_SUPPORT_EXPORTS_H
#define TXL5_TESTS_SUPPORT_EXPORTS_H

#include <string>
#include <vector>

namespace txl5_test {

// Checks that each name is an exported function with a plain (unmangled) name.
void expect_plain_functions(const std::vector<std::string>& names);
// Checks that each name is an exported C++ function whose symbol encodes its
// argument types (mangled), and that no plain symbol of that name exists.
void expect_typed_functions(const std::vector<std::string>& names);
// Checks that each name is an exported data object.
void expect_data_objects(const std::vector<std::string>& names);

}  // namespace txl5_test

#endif
