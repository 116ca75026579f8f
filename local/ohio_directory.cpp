// Ohio localities in the directory: kind 0 lists the school districts
// (ohswhn), kind 1 the municipalities (ohmwhn), each with the rows of the
// table's newest year. The codes handed out are the ones county_oh takes in
// locality_code.
#include "core/tables.h"
#include "local/directory.h"
#include "local/ohio.h"

namespace {

// taxbody_kind: which of Ohio's two lists.
constexpr int64_t kSchoolDistricts = 0;
constexpr int64_t kMunicipalities = 1;

}  // namespace

namespace txl5 {

int64_t oh_taxbody_info(WITHHOLDING_TAXBODY_INFO* info, char* text, size_t size) {
    if (!info) return 0;
    if (info->taxbody_kind == kSchoolDistricts) {
        const int64_t i = requested_entry(info, kOhioSchoolEntries);
        if (i < 0) return 0;
        const OhioSchoolRow& row = ohswhn[i];
        return copy_entry(info, row.district_name, row.district_code_2, row.district_code, text, size);
    }
    if (info->taxbody_kind == kMunicipalities) {
        const int64_t i = requested_entry(info, kOhioMunicipalEntries);
        if (i < 0) return 0;
        const OhioMunicipalRow& row = ohmwhn[i];
        return copy_entry(info, row.muni_name, row.muni_code, row.muni_code, text, size);
    }
    // Any other kind: an empty list.
    requested_entry(info, 0);
    return 0;
}

}  // namespace txl5

int64_t get_oh_taxbody_info(WITHHOLDING_TAXBODY_INFO* info, char* text) {
    return txl5::prompt_within_limit(txl5::oh_taxbody_info, info, text);
}
