/* A plain C caller: one weekly paycheck of a single New York City employee in
 * 2026 through the plain-name entry points, printed with the net pay. Builds
 * against the source tree or an installed package (<txl5/txl5.h>). */
#include <stdio.h>
#include <string.h>

#include <txl5/txl5.h>

int main(void) {
    FEDERAL_WITHHOLDING_STRUC fed;
    STATE_WITHHOLDING_STRUC state;
    LOCAL_WITHHOLDING_STRUC local;
    WITHHOLDING_TAXBODY_INFO query;
    char name[TXL5_PROMPT_MAX];
    int64_t result;
    double net;
    memset(&fed, 0, sizeof fed);
    memset(&state, 0, sizeof state);
    memset(&local, 0, sizeof local);
    memset(&query, 0, sizeof query);

    fed.struc_version = 165;
    fed.check_month = 6;
    fed.check_day = 5;
    fed.check_year = 2026;
    fed.pay_periods = 52;
    fed.allowances = 1;
    fed.gross_wages = fed.fica_wages = 1000.0;
    fed.ytd_fica_wages = fed.ytd_medicare_wages = 22000.0;

    state.struc_version = 213;
    state.state_code = 37; /* New York */
    state.state_allowances = 1;
    state.state_pay_periods = 52;
    state.state_wages = 1000.0;

    /* The locality code comes from the directory: entry 2 of New York's list. */
    query.state_code = 37;
    query.entry_index = 2;
    if (TXL5_Get_Prompt(&query, name) <= 0) {
        fprintf(stderr, "no New York locality 2\n");
        return 1;
    }
    local.struc_version = 240;
    local.locality_code = query.locality_code;
    local.local_resident = 1;
    local.local_allowances = 1;
    local.local_pay_periods = 52;
    local.local_wages = 1000.0;

    result = TXL5_Calc_Local(1, &fed, &state, &local);
    net = fed.gross_wages - fed.fed_tax - fed.fica_tax - fed.medicare_tax - state.state_tax - local.local_tax;
    printf("txl5 %.1f, tables %.1f\n", TXL5_Version(), TXL5_Table_Version());
    printf("Weekly paycheck of %.2f in %s, 5 June 2026\n", fed.gross_wages, name);
    printf("  federal income tax  %8.2f\n", fed.fed_tax);
    printf("  social security     %8.2f\n", fed.fica_tax);
    printf("  Medicare            %8.2f\n", fed.medicare_tax);
    printf("  New York State      %8.2f\n", state.state_tax);
    printf("  %-19s %8.2f\n", name, local.local_tax);
    printf("  net pay             %8.2f\n", net);
    printf("  result              %8lld\n", (long long)result);
    return result == 0 ? 0 : 1;
}
