// The tool writes amounts to cents by a fast path for amounts near a whole
// cent; every amount, near a cent, a half cent or anywhere at all, must read
// exactly as printf's correctly rounded %.2f would write it.
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include "cli/output.h"
int main() {
    std::mt19937_64 rng(1);
    long bad = 0;
    for (long i = 0; i < 300000; ++i) {
        double v;
        switch (i % 4) {
            case 0: v = static_cast<double>(static_cast<long long>(rng() % 100000000000ULL) - 50000000000LL) / 100.0; break;
            case 1: v = static_cast<double>(static_cast<long long>(rng() % 10000000000ULL) - 5000000000LL) / 1000.0; break;
            case 2: v = (static_cast<double>(rng() % 2000001) - 1000000.0) / 200.0; break;   // half cents
            default: { uint64_t b = rng(); std::memcpy(&v, &b, 8); if (v != v) v = 0; if (v > 1e300 || v < -1e300) v = 1.5; }
        }
        std::string got;
        txl5cli::append_money(got, v);
        char want[512];
        std::snprintf(want, sizeof want, "%.2f", v);
        std::string w = want;
        if (w == "-0.00") w = "0.00";
        if (got != w) { if (bad++ < 5) std::printf("%.17g: %s vs %s\n", v, got.c_str(), w.c_str()); }
    }
    std::printf("%ld mismatches\n", bad);
    return bad != 0;
}
