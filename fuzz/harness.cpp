#include "fuzz/harness.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <new>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TXL5_FUZZ_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define TXL5_FUZZ_ASAN 1
#endif
#ifdef TXL5_FUZZ_ASAN
#include <sanitizer/asan_interface.h>
#define TXL5_POISON(p, n) ASAN_POISON_MEMORY_REGION(p, n)
#define TXL5_UNPOISON(p, n) ASAN_UNPOISON_MEMORY_REGION(p, n)
#else
#define TXL5_POISON(p, n) ((void)(p), (void)(n))
#define TXL5_UNPOISON(p, n) ((void)(p), (void)(n))
#endif

namespace txl5_fuzz {
namespace {

constexpr size_t kCapacity = 16384;
constexpr size_t kGuard = 32;
constexpr unsigned char kGuardByte = 0xA5;
constexpr unsigned char kTextByte = 0x5A;

[[noreturn]] void broken(const char* entry, const std::string& what) {
    std::fprintf(stderr, "\ntxl5 robustness check failed in %s: %s\n", entry, what.c_str());
    std::fflush(stderr);
    std::abort();
}

size_t round_up(size_t n, size_t to) { return (n + to - 1) / to * to; }

}  // namespace

Input::Input(const uint8_t* data, size_t size) : data_(data), size_(size) {
    unsigned char raw[kHeaderSize] = {};
    std::memcpy(raw, data, size < kHeaderSize ? size : kHeaderSize);
    std::memcpy(&header_, raw, kHeaderSize);
}

void Input::take(void* dst, size_t n) {
    unsigned char* out = static_cast<unsigned char*>(dst);
    const size_t left = pos_ < size_ ? size_ - pos_ : 0;
    const size_t copied = n < left ? n : left;
    if (copied > 0) std::memcpy(out, data_ + pos_, copied);
    if (copied < n) std::memset(out + copied, 0, n - copied);
    pos_ += n;
}

InputWriter::InputWriter(const Header& header) : bytes_(kHeaderSize) {
    std::memcpy(bytes_.data(), &header, kHeaderSize);
}

void InputWriter::add(const void* bytes, size_t n) {
    const unsigned char* p = static_cast<const unsigned char*>(bytes);
    bytes_.insert(bytes_.end(), p, p + n);
}

Arena::Arena() : memory_(static_cast<unsigned char*>(::operator new(kCapacity, std::align_val_t(64)))) {
    std::memset(memory_, kGuardByte, kCapacity);
    used_ = kGuard;
}

Arena::~Arena() {
    TXL5_UNPOISON(memory_, kCapacity);
    ::operator delete(memory_, std::align_val_t(64));
}

size_t Arena::place(size_t size, bool end_aligned) {
    // Records start on a 16-byte boundary; a text buffer ends on one, so that
    // a write just past its end lands in a guard the sanitizer watches.
    size_t offset = round_up(used_, 16);
    if (end_aligned) offset = round_up(used_ + size, 16) - size;
    if (offset + size + kGuard > kCapacity) broken("the harness", "the arena is too small for this call");
    used_ = round_up(offset + size, 16) + kGuard;
    return offset;
}

void* Arena::add_record(const RecordShape& shape, Input& in) {
    const size_t offset = place(shape.size, false);
    in.take(memory_ + offset, shape.size);
    const bool null = (in.header().flags & kPassNull) && (in.header().null_mask >> (null_index_ % 8) & 1);
    ++null_index_;
    regions_.push_back(Region{offset, shape.size, shape, true, !null});
    return null ? nullptr : memory_ + offset;
}

char* Arena::text(size_t n) {
    const size_t offset = place(n, true);
    std::memset(memory_ + offset, kTextByte, n);
    regions_.push_back(Region{offset, n, RecordShape{"text", n, {}, {}, {}}, false, true});
    return reinterpret_cast<char*>(memory_ + offset);
}

int64_t* Arena::integers(size_t n) {
    const size_t offset = place(n * sizeof(int64_t), false);
    std::memset(memory_ + offset, 0, n * sizeof(int64_t));
    regions_.push_back(Region{offset, n * sizeof(int64_t), RecordShape{"integers", n * 8, {}, {}, {}}, false, true});
    return reinterpret_cast<int64_t*>(memory_ + offset);
}

void* Arena::unwritable(size_t n, Input& in) {
    const size_t offset = place(n, false);
    in.take(memory_ + offset, n);
    regions_.push_back(Region{offset, n, RecordShape{"table rows", n, {}, {}, {}}, false, false});
    return memory_ + offset;
}

void Arena::seal() {
    before_.assign(memory_, memory_ + kCapacity);
    // Guards: everything outside the regions, up to the end of the arena.
    size_t at = 0;
    for (const Region& r : regions_) {
        TXL5_POISON(memory_ + at, r.offset - at);
        at = r.offset + r.size;
    }
    TXL5_POISON(memory_ + at, kCapacity - at);
    sealed_ = true;
}

bool Arena::any_error_reported() const {
    for (const Region& r : regions_) {
        if (!r.is_record || !r.given) continue;
        for (size_t i = 0; i < r.shape.errors.count; ++i) {
            int64_t code;
            std::memcpy(&code, memory_ + r.offset + r.shape.errors.offsets[i], 8);
            if (code != 0) return true;
        }
    }
    return false;
}

void Arena::check(const char* entry, bool failed) {
    if (!sealed_) broken(entry, "the harness checked a call it did not seal");
    TXL5_UNPOISON(memory_, kCapacity);
    // Guard bytes: every gap between the regions, and the rest of the arena.
    size_t at = 0;
    const char* after = nullptr;
    auto check_gap = [&](size_t begin, size_t end) {
        if (std::memcmp(memory_ + begin, before_.data() + begin, end - begin) == 0) return;
        size_t i = begin;
        while (memory_[i] == before_[i]) ++i;
        broken(entry, "wrote outside its records and buffers: " +
                          (after ? std::to_string(i - begin + 1) + " bytes after its " + after
                                 : "byte " + std::to_string(i) + " of the arena"));
    };
    for (const Region& r : regions_) {
        check_gap(at, r.offset);
        at = r.offset + r.size;
        after = r.shape.name;
    }
    check_gap(at, kCapacity);
    const bool failure = failed || any_error_reported();
    for (const Region& r : regions_) {
        const unsigned char* now = memory_ + r.offset;
        const unsigned char* was = before_.data() + r.offset;
        if (!r.given) {
            if (std::memcmp(now, was, r.size) != 0) {
                broken(entry, std::string("wrote into a ") + r.shape.name + " it was not given");
            }
            continue;
        }
        if (!r.is_record) continue;
        for (size_t i = 0; i < r.shape.date.count; ++i) {
            const size_t at = r.shape.date.offsets[i];
            if (std::memcmp(now + at, was + at, 8) != 0) {
                broken(entry, std::string("changed the date of its ") + r.shape.name + " (byte " +
                                  std::to_string(at) + ")");
            }
        }
        if (failure) continue;
        for (size_t i = 0; i < r.shape.amounts.count; ++i) {
            const size_t at = r.shape.amounts.offsets[i];
            if (std::memcmp(now + at, was + at, 8) == 0) continue;
            double value;
            std::memcpy(&value, now + at, 8);
            if (!std::isfinite(value)) {
                broken(entry, std::string("wrote ") + std::to_string(value) + " into slot " +
                                  std::to_string(at / 8 + 1) + " of its " + r.shape.name +
                                  " and reported success");
            }
        }
    }
}

}  // namespace txl5_fuzz
