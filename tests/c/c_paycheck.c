/* A C11 caller of the library: the records by their typedef names, the
 * plain-name entry points, and one paycheck checked against known amounts. */
#include <math.h>
#include <stdio.h>
#include <string.h>

#include "core/txl5.h"

static int failures = 0;

static void expect_amount(const char* what, double actual, double expected) {
    if (fabs(actual - expected) > 0.000001) {
        fprintf(stderr, "%s: %.6f, expected %.6f\n", what, actual, expected);
        ++failures;
    }
}

int main(void) {
    FEDERAL_WITHHOLDING_STRUC fed;
    STATE_WITHHOLDING_STRUC state;
    LOCAL_WITHHOLDING_STRUC local;
    COUNTY_WITHHOLDING_STRUC county;
    WITHHOLDING_TAXBODY_INFO query;
    TXL5_TABLE_INFO info;
    char name[TXL5_PROMPT_MAX];
    memset(&fed, 0, sizeof fed);
    memset(&state, 0, sizeof state);
    memset(&local, 0, sizeof local);
    memset(&county, 0, sizeof county);
    memset(&query, 0, sizeof query);
    memset(&info, 0, sizeof info);

    /* Weekly, single, one pre-2020 allowance, 1000.00 on 5 June 2026, in Texas. */
    fed.struc_version = 165;
    fed.check_month = 6;
    fed.check_day = 5;
    fed.check_year = 2026;
    fed.pay_periods = 52;
    fed.allowances = 1;
    fed.gross_wages = fed.fica_wages = 1000.0;
    state.struc_version = 145;
    state.state_code = 51;
    state.state_pay_periods = 52;
    state.state_wages = 1000.0;
    if (TXL5_Calc(1, &fed, &state) != 0) {
        fprintf(stderr, "TXL5_Calc failed\n");
        ++failures;
    }
    expect_amount("federal income tax", fed.fed_tax, 88.00);
    expect_amount("social security", fed.fica_tax, 62.00);
    expect_amount("Medicare", fed.medicare_tax, 14.50);
    expect_amount("Texas income tax", state.state_tax, 0.0);

    /* The same paycheck through the local entry point of New York City. */
    state.state_code = 37;
    local.struc_version = 240;
    local.locality_code = 2;
    local.local_pay_periods = 52;
    local.local_wages = 1000.0;
    if (TXL5_Calc_Local(1, &fed, &state, &local) & 16) {
        fprintf(stderr, "the New York City tax failed\n");
        ++failures;
    }
    if (!(local.local_tax > 0.0)) {
        fprintf(stderr, "no New York City tax\n");
        ++failures;
    }

    /* Library information and the directory. */
    expect_amount("interface version", TXL5_Version(), 3.5);
    info.info_month = 6;
    info.info_day = 30;
    info.info_year = 2026;
    info.info_item = 1;
    if (TXL5_Get_Table_Info(&info) != 0) ++failures;
    expect_amount("2026 wage base", info.info_value, 184500.0);
    query.state_code = 37;
    query.entry_index = 0;
    if (TXL5_Get_Prompt(&query, name) <= 0 || query.entry_count <= 0) {
        fprintf(stderr, "no New York localities\n");
        ++failures;
    }
    if (strlen(copyright) != 48 || strncmp(library_version, "TXL5LIBRARYVERSION_", 19) != 0) ++failures;

    if (failures == 0) printf("C caller: all checks passed\n");
    return failures == 0 ? 0 : 1;
}
