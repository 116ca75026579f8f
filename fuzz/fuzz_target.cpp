// One libFuzzer target: the build compiles this file once per target with
// TXL5_FUZZ_TARGET naming its table (fuzz/targets.cpp).
#include <cstddef>
#include <cstdint>

#include "fuzz/harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    txl5_fuzz::run_input(txl5_fuzz::Target::TXL5_FUZZ_TARGET, data, size);
    return 0;
}
