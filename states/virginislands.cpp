// Virgin Islands income tax withholding: the Virgin Islands' income tax
// mirrors the federal income tax (48 U.S.C. 1397), so the employer withholds
// the amount the federal percentage method gives (Pub. 15-T,
// federal/federal.cpp) and pays it to the Virgin Islands. The tax moves from
// the federal record to the state record; no federal income tax is withheld.
// The calculation is handed the driver's call type, which the mirror tax does
// not need: it always recomputes the employee's own tax.
#include "core/txl5.h"
#include "states/territories.h"

int64_t state_virginislands(int64_t, FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state) {
    return txl5::mirror_federal_income_tax(fed, state);
}
