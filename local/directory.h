// The locality directory: how a caller lists the taxing bodies of a state.
// TXL5_Get_Prompt picks the state's list by state_code; each state's module
// serves entry i of its own list (its display name and its codes) through the
// shared steps below, so every list reports its count, refuses an entry outside
// it and copies a name within the caller's buffer the same way.
#ifndef TXL5_LOCAL_DIRECTORY_H
#define TXL5_LOCAL_DIRECTORY_H

#include <cstddef>
#include <cstdint>

#include "core/txl5.h"

// A row of a locality name list: the code a local calculation takes and the
// name shown to a user. A list begins with a placeholder row "None" (code 0)
// and ends with a row of code 9999.
struct LocalityNameRow {
    int64_t locality_code;
    const char* name;
};
static_assert(sizeof(LocalityNameRow) == 2 * 8, "locality name rows have 2 slots");

// New York: Yonkers and New York City.
TXL5_EXPORT extern const LocalityNameRow nylocal[];

namespace txl5 {

// The code of the row that ends a name list.
constexpr int64_t kNameListEnd = 9999;

// One state's directory lookup, writing at most `size` bytes of text.
using DirectoryLookup = int64_t (*)(WITHHOLDING_TAXBODY_INFO* info, char* text, size_t size);

// The entry a caller asks for: the low 32 bits of entry_index read as a signed
// 32-bit number. Writes entry_count (every lookup reports it) and gives the
// entry's index, or -1 when the entry lies outside a list of `count` entries
// (a negative index included) or there is no query record.
int64_t requested_entry(WITHHOLDING_TAXBODY_INFO* info, int64_t count);

// Copies one entry: the name, cut to fit `size` bytes with its terminating NUL
// (nothing when size is 0), and both codes. Returns the name's full length, so
// a caller can retry with a larger buffer. Without a buffer nothing is written
// and the result is 0.
int64_t copy_entry(WITHHOLDING_TAXBODY_INFO* info, const char* name, int64_t entry_code, int64_t locality_code,
                   char* text, size_t size);

// Entry lookup in a name list of `count` rows (the placeholder included):
// entry i is row i, and both codes are the row's code.
int64_t name_list_entry(WITHHOLDING_TAXBODY_INFO* info, const LocalityNameRow* list, int64_t count, char* text,
                        size_t size);

// The form of the exported lookups that are not told the buffer's size: they
// copy at most TXL5_PROMPT_MAX bytes with the NUL and return the length copied.
int64_t prompt_within_limit(DirectoryLookup lookup, WITHHOLDING_TAXBODY_INFO* info, char* text);

// Each state's lookup, defined in the state's module.
int64_t al_taxbody_info(WITHHOLDING_TAXBODY_INFO* info, char* text, size_t size);
int64_t co_taxbody_info(WITHHOLDING_TAXBODY_INFO* info, char* text, size_t size);
int64_t de_taxbody_info(WITHHOLDING_TAXBODY_INFO* info, char* text, size_t size);
int64_t ky_taxbody_info(WITHHOLDING_TAXBODY_INFO* info, char* text, size_t size);
int64_t md_taxbody_info(WITHHOLDING_TAXBODY_INFO* info, char* text, size_t size);
int64_t mi_taxbody_info(WITHHOLDING_TAXBODY_INFO* info, char* text, size_t size);
int64_t in_taxbody_info(WITHHOLDING_TAXBODY_INFO* info, char* text, size_t size);
int64_t mo_taxbody_info(WITHHOLDING_TAXBODY_INFO* info, char* text, size_t size);
int64_t ny_taxbody_info(WITHHOLDING_TAXBODY_INFO* info, char* text, size_t size);
int64_t pa_taxbody_info(WITHHOLDING_TAXBODY_INFO* info, char* text, size_t size);
int64_t oh_taxbody_info(WITHHOLDING_TAXBODY_INFO* info, char* text, size_t size);

}  // namespace txl5

#endif  // TXL5_LOCAL_DIRECTORY_H
