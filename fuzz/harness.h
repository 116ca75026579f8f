// The robustness harness: turns arbitrary bytes into the records and
// buffers of one call, lays them out between guard bytes, and checks after
// the call what every entry point promises a caller whatever its records
// hold:
//   - nothing is written outside the records and buffers it was given (the
//     guard bytes and the records it was not given are unchanged);
//   - no amount slot is left holding a value that is not finite unless the
//     call reports failure (its result, or an error slot of its records);
//   - the check date of every record comes back as it went in.
// A broken promise prints what was broken and aborts, which the fuzzer and
// the tests report with the input that did it.
//
// Input bytes: a 32-byte header (selector, flags, an integer, an amount, a
// second integer) and then the records, byte for byte, in the order the
// entry point takes them. Short inputs are padded with zeros, so every
// input is a call.
#ifndef TXL5_FUZZ_HARNESS_H
#define TXL5_FUZZ_HARNESS_H

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/records.h"

namespace txl5_fuzz {

constexpr size_t kHeaderSize = 32;

struct Header {
    uint8_t selector = 0;  // which entry point of the target
    uint8_t flags = 0;     // kPassNull: pass null for the records whose bit is set in null_mask
    uint8_t null_mask = 0;
    uint8_t reserved[5] = {};
    int64_t integer = 0;   // call type, or a count the entry point takes
    double amount = 0.0;   // an amount the entry point takes
    int64_t integer2 = 0;  // a second count (buffer size, row index)
};
static_assert(sizeof(Header) == kHeaderSize, "the input header is 32 bytes");
constexpr uint8_t kPassNull = 1;

// Reads an input: the header, then bytes for each record in turn.
class Input {
public:
    Input(const uint8_t* data, size_t size);
    const Header& header() const { return header_; }
    // Copies the next n bytes into dst, zeros past the end of the input.
    void take(void* dst, size_t n);

private:
    Header header_;
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = kHeaderSize;
};

// Writes an input: what the seed recorder and the tests use.
class InputWriter {
public:
    explicit InputWriter(const Header& header);
    void add(const void* bytes, size_t n);
    const std::vector<uint8_t>& bytes() const { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
};

// The memory of one call: records and buffers between guard bytes.
class Arena {
public:
    Arena();
    ~Arena();
    Arena(const Arena&) = delete;
    Arena& operator=(const Arena&) = delete;

    // A record filled from the input; null when the header asks for it to
    // be passed as null (the record then counts as not given).
    template <class Record>
    Record* record(Input& in) {
        return static_cast<Record*>(add_record(shape_of<Record>(), in));
    }
    // A text buffer of n bytes (n may be 0), filled with a pattern.
    char* text(size_t n);
    // Integer output slots (DateDiff's years, months, days).
    int64_t* integers(size_t n);
    // n bytes from the input that the call reads and must leave unchanged
    // (a table of the caller's own).
    void* unwritable(size_t n, Input& in);

    // Before the call: remembers every byte and arms the guards.
    void seal();
    // After the call: checks the promises; `failed` is whether the result
    // reported failure. Aborts with a message when one is broken.
    void check(const char* entry, bool failed);

    // Whether an error slot of a given record is nonzero after the call.
    bool any_error_reported() const;

private:
    struct Region {
        size_t offset;
        size_t size;
        RecordShape shape;
        bool is_record;
        bool given;
    };
    void* add_record(const RecordShape& shape, Input& in);
    size_t place(size_t size, bool end_aligned);

    unsigned char* memory_;
    size_t used_ = 0;
    std::vector<Region> regions_;
    std::vector<unsigned char> before_;
    int null_index_ = 0;
    bool sealed_ = false;
};

// One entry point of a fuzz target: its name, whether the library has it,
// and the call (records from the input, the call, the check).
struct Entry {
    const char* name;
    bool available;
    void (*run)(Input& in);
};

// The targets, each a table of entry points.
enum class Target { Calc, State, Locality, Levy, Query };
constexpr Target kTargets[] = {Target::Calc, Target::State, Target::Locality, Target::Levy, Target::Query};
const char* target_name(Target target);
const std::vector<Entry>& entries(Target target);
// The entry a selector picks: the entry at that index (modulo the table),
// or the next one the library has.
const Entry& pick(Target target, uint8_t selector);
// The selector of a named entry, or -1.
int selector_of(Target target, const std::string& name);
// Runs one input through a target: the whole fuzz target.
void run_input(Target target, const uint8_t* data, size_t size);

}  // namespace txl5_fuzz

#endif  // TXL5_FUZZ_HARNESS_H
