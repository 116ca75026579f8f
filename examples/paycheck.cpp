// Example: one weekly paycheck of a single employee in 2026 with one
// allowance on a pre-2020 W-4, through the federal calculation.
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

    int64_t result = TXL5_Federal_Calc(1, &fed);
    std::printf("txl5 %.1f, tables %.1f\n", TXL5_Version(), TXL5_Table_Version());
    std::printf("Weekly paycheck of %.2f, single, 1 allowance, check date %02lld/%02lld/%lld\n", fed.gross_wages,
                static_cast<long long>(fed.check_month), static_cast<long long>(fed.check_day),
                static_cast<long long>(fed.check_year));
    std::printf("  federal income tax  %8.2f\n", dollarround(fed.fed_tax));
    std::printf("  social security     %8.2f\n", fed.fica_tax);
    std::printf("  Medicare            %8.2f\n", fed.medicare_tax);
    std::printf("  result              %8lld\n", static_cast<long long>(result));
    return result == 0 ? 0 : 1;
}
