// Example: one weekly paycheck of a single New York City employee in 2026,
// one allowance on a pre-2020 W-4, through the local entry point (federal,
// state and city taxes in one call).
#include <cstdio>

#include "core/txl5.h"

int main() {
    FEDERAL_WITHHOLDING_STRUC fed{};
    fed.struc_version = 165;
    fed.check_month = 6;
    fed.check_day = 5;
    fed.check_year = 2026;
    fed.filing_status = 0;
    fed.allowances = 1;
    fed.pay_periods = 52;
    fed.gross_wages = 1000.00;
    fed.fica_wages = 1000.00;
    fed.ytd_fica_wages = 22000.00;
    fed.ytd_medicare_wages = 22000.00;

    STATE_WITHHOLDING_STRUC state{};
    state.struc_version = 145;
    state.state_code = 37;  // New York
    state.state_filing_status = 0;
    state.state_allowances = 1;
    state.state_pay_periods = 52;
    state.state_wages = 1000.00;

    LOCAL_WITHHOLDING_STRUC local{};
    local.struc_version = 156;
    local.locality_code = 2;  // New York City
    local.local_resident = 1;
    local.local_allowances = 1;
    local.local_pay_periods = 52;
    local.local_wages = 1000.00;

    const int64_t result = TXL5_Calc_Local(1, &fed, &state, &local);
    std::printf("txl5 %.1f, tables %.1f\n", TXL5_Version(), TXL5_Table_Version());
    std::printf("Weekly paycheck of %.2f, single, 1 allowance, New York City, check date %02lld/%02lld/%lld\n",
                fed.gross_wages, static_cast<long long>(fed.check_month), static_cast<long long>(fed.check_day),
                static_cast<long long>(fed.check_year));
    std::printf("  federal income tax  %8.2f\n", fed.fed_tax);
    std::printf("  social security     %8.2f\n", fed.fica_tax);
    std::printf("  Medicare            %8.2f\n", fed.medicare_tax);
    std::printf("  New York State      %8.2f\n", state.state_tax);
    std::printf("  New York City       %8.2f\n", local.local_tax);
    const double net = fed.gross_wages - fed.fed_tax - fed.fica_tax - fed.medicare_tax - state.state_tax - local.local_tax;
    std::printf("  net pay             %8.2f\n", net);
    std::printf("  result              %8lld\n", static_cast<long long>(result));
    return result == 0 ? 0 : 1;
}
