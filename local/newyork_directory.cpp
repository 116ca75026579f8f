// New York localities in the directory: the two cities whose income taxes
// employers withhold with the state's (New York City and Yonkers). The codes
// are the ones the New York local calculation takes in locality_code.
#include "local/directory.h"

const LocalityNameRow nylocal[] = {
    {0, "None"},
    {1, "Yonkers"},
    {2, "New York City"},
    {txl5::kNameListEnd, ""},
};

namespace {

// The list always has its three entries, the placeholder included.
constexpr int64_t kNewYorkEntries = 3;

int64_t get_number_of_name_entries() { return kNewYorkEntries; }

}  // namespace

namespace txl5 {

int64_t ny_taxbody_info(WITHHOLDING_TAXBODY_INFO* info, char* text, size_t size) {
    return name_list_entry(info, nylocal, get_number_of_name_entries(), text, size);
}

}  // namespace txl5

int64_t get_ny_taxbody_info(WITHHOLDING_TAXBODY_INFO* info, char* text) {
    return txl5::prompt_within_limit(txl5::ny_taxbody_info, info, text);
}
