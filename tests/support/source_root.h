// Where the source tree is, for tests that read data files or run the
// table generators: the build passes it in, so a test finds it from any
// working directory.
#ifndef TXL5_TESTS_SUPPORT_SOURCE_ROOT_H
#define TXL5_TESTS_SUPPORT_SOURCE_ROOT_H

#include <string>

namespace txl5_test {

inline std::string source_root() { return TXL5_SOURCE_DIR; }

}  // namespace txl5_test

#endif  // TXL5_TESTS_SUPPORT_SOURCE_ROOT_H
