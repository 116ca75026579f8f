// The library's identity and the table-value query.
#include <cstring>

#include "core/tables.h"
#include "core/txl5.h"
#include "federal/federal.h"

namespace {
constexpr double kInterfaceVersion = 3.5;
constexpr double kTableVersion = 2026.8;  // tables of 2026, eighth release
constexpr int64_t kInfoWageBase = 1;
}  // namespace

const char copyright[49] = "Copyright (c) 2026 the txl5 project. All rights.";
static_assert(sizeof("Copyright (c) 2026 the txl5 project. All rights.") == 49, "notice is 48 characters");

static const char kLibraryVersionText[] = "TXL5LIBRARYVERSION_2026.8";
const char* const library_version = kLibraryVersionText;

double TXL5_Version() { return kInterfaceVersion; }

double TXL5_Table_Version() { return dollarround(kTableVersion); }

// Compile date (Mmm dd yyyy), a blank, compile time (hh:mm:ss): 20 characters
// and a NUL, written into a caller buffer of at least 21 bytes.
int64_t TXL5_Get_Build_Info(char* buffer) {
    std::strcpy(buffer, __DATE__);
    std::strcat(buffer, " ");
    std::strcat(buffer, __TIME__);
    buffer[20] = '\0';
    return 0;
}

int64_t TXL5_Get_Table_Info(TXL5_TABLE_INFO* info) {
    info->info_value = 0.0;
    if (info->info_item != kInfoWageBase) return 1;
    const MDATE date{info->info_month, info->info_day, info->info_year};
    const FicaRow* row = txl5::scan_rows(fica, date, [](const FicaRow&) { return true; });
    if (!row) return 2;
    info->info_value = row->wage_base;
    return 0;
}

int64_t local_TXL5_Get_Table_Info(TXL5_TABLE_INFO* info) { return TXL5_Get_Table_Info(info); }
