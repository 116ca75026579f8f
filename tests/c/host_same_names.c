/* A host program that happens to define objects and a function under names
 * the library uses for its own tables and rounding. The library must go on
 * computing with its own: the host's definitions change nothing. */
#include <math.h>
#include <stdio.h>
#include <string.h>

#include "core/txl5.h"

/* Same names as tables of the library, all zero. */
double fica[64];
double medicare[64];
double fedwh[256];
double supplementalwh[64];
double table1[64];
double table2[64];
double table3[64];
double table4[64];
double supplemental[64];
double cawh[256];

/* The symbol of the library's C++ function double dollarround(double). */
double _Z10dollarroundd(double x) {
    (void)x;
    return -1.0;
}

int main(void) {
    FEDERAL_WITHHOLDING_STRUC fed;
    STATE_WITHHOLDING_STRUC state;
    int64_t result;
    memset(&fed, 0, sizeof fed);
    memset(&state, 0, sizeof state);
    /* Weekly, single, no allowances, 1509.00 on 15 June 2026, in California. */
    fed.struc_version = 165;
    fed.check_month = 6;
    fed.check_day = 15;
    fed.check_year = 2026;
    fed.pay_periods = 52;
    fed.allowances = 1;
    fed.gross_wages = fed.fica_wages = 1000.0;
    state.struc_version = 145;
    state.state_code = 6;
    state.state_pay_periods = 52;
    state.state_wages = 1509.0;
    state.state_supp_aggregate = -1;
    result = TXL5_Calc(1, &fed, &state);
    if (result != 0 || fabs(fed.fed_tax - 88.00) > 1e-9 || fabs(fed.fica_tax - 62.00) > 1e-9 ||
        fabs(fed.medicare_tax - 14.50) > 1e-9 || fabs(state.state_tax - 67.77) > 1e-9) {
        fprintf(stderr, "result %lld, federal %.2f, social security %.2f, Medicare %.2f, California %.2f\n",
                (long long)result, fed.fed_tax, fed.fica_tax, fed.medicare_tax, state.state_tax);
        return 1;
    }
    printf("host with same-named objects: the library's own results\n");
    return 0;
}
