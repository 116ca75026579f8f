// The locality directory: TXL5_Get_Prompt and its sized form hand out, for a
// state and an entry number, the display name of a locality and the code to
// put in the local record. Entries are numbered from 0 in table order and every
// answer also reports how many entries the list has.
//
// The caller's buffer: TXL5_Get_Prompt and the per-state get_xx_taxbody_info
// functions are not told its size, so they never copy more than
// TXL5_PROMPT_MAX bytes with the NUL (the longest name shipped is 50
// characters); TXL5_Get_Prompt_Sized is told the size, never writes past it
// and returns the name's full length.
#include "local/directory.h"

#include <cstring>

#include "core/statecodes.h"

namespace txl5 {

int64_t requested_entry(WITHHOLDING_TAXBODY_INFO* info, int64_t count) {
    if (!info) return -1;
    info->entry_count = count;
    // Only the low 32 bits of the entry number count, read as signed.
    int64_t index = info->entry_index & INT64_C(0xFFFFFFFF);
    if (index > INT64_C(0x7FFFFFFF)) index -= INT64_C(0x100000000);
    if (index < 0 || index >= count) return -1;
    return index;
}

int64_t copy_entry(WITHHOLDING_TAXBODY_INFO* info, const char* name, int64_t entry_code, int64_t locality_code,
                   char* text, size_t size) {
    if (!info || !text) return 0;
    if (!name) name = "";
    const size_t length = std::strlen(name);
    if (size > 0) {
        const size_t copied = length < size ? length : size - 1;
        std::memcpy(text, name, copied);
        text[copied] = '\0';
    }
    info->entry_code = entry_code;
    info->locality_code = locality_code;
    return static_cast<int64_t>(length);
}

int64_t name_list_entry(WITHHOLDING_TAXBODY_INFO* info, const LocalityNameRow* list, int64_t count, char* text,
                        size_t size) {
    const int64_t i = requested_entry(info, count);
    if (i < 0) return 0;
    return copy_entry(info, list[i].name, list[i].locality_code, list[i].locality_code, text, size);
}

int64_t prompt_within_limit(DirectoryLookup lookup, WITHHOLDING_TAXBODY_INFO* info, char* text) {
    const int64_t length = lookup(info, text, TXL5_PROMPT_MAX);
    // A name longer than the limit was cut: report what the buffer holds.
    return length < TXL5_PROMPT_MAX ? length : TXL5_PROMPT_MAX - 1;
}

}  // namespace txl5

namespace {

// The list of each state that has one; a state added to the directory adds its case.
txl5::DirectoryLookup state_directory(int64_t state_code) {
    switch (state_code) {
        case txl5::kAlabama: return txl5::al_taxbody_info;
        case txl5::kColorado: return txl5::co_taxbody_info;
        case txl5::kDelaware: return txl5::de_taxbody_info;
        case txl5::kKentucky: return txl5::ky_taxbody_info;
        case txl5::kMaryland: return txl5::md_taxbody_info;
        case txl5::kMichigan: return txl5::mi_taxbody_info;
        case txl5::kIndiana: return txl5::in_taxbody_info;
        case txl5::kMissouri: return txl5::mo_taxbody_info;
        case txl5::kNewYork: return txl5::ny_taxbody_info;
        case txl5::kPennsylvania: return txl5::pa_taxbody_info;
        case txl5::kOhio: return txl5::oh_taxbody_info;
        default: return nullptr;
    }
}

}  // namespace

// A state without a list answers 0 and writes nothing, not even the count.
int64_t TXL5_Get_Prompt(WITHHOLDING_TAXBODY_INFO* info, char* text) {
    if (!info) return 0;
    const txl5::DirectoryLookup lookup = state_directory(info->state_code);
    if (!lookup) return 0;
    return txl5::prompt_within_limit(lookup, info, text);
}

int64_t TXL5_Get_Prompt_Sized(WITHHOLDING_TAXBODY_INFO* info, char* text, size_t size) {
    if (!info) return 0;
    const txl5::DirectoryLookup lookup = state_directory(info->state_code);
    if (!lookup) return 0;
    return lookup(info, text, size);
}

