// Colorado occupational privilege taxes: the tax table and the directory list.
#ifndef TXL5_LOCAL_COLORADO_H
#define TXL5_LOCAL_COLORADO_H

#include "core/txl5.h"
#include "local/directory.h"

// One city's occupational privilege tax for a date range: fixed monthly
// amounts owed for an employee whose wages in the month exceed the threshold.
struct ColoradoOptRow {
    MDATE start_date;
    MDATE end_date;
    int64_t opt_code;             // the locality code (codes of coname)
    double monthly_threshold;     // monthly wages above this are taxed
    double employee_monthly_tax;  // withheld from the employee
    double employer_monthly_tax;  // paid by the employer
};
static_assert(sizeof(ColoradoOptRow) == 10 * 8, "Colorado tax rows have 10 slots");

TXL5_EXPORT extern const ColoradoOptRow colwh[];
TXL5_EXPORT extern const LocalityNameRow coname[];

#endif  // TXL5_LOCAL_COLORADO_H
