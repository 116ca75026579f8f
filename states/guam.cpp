// Guam income tax withholding: Guam's territorial income tax mirrors the
// federal income tax (the Organic Act of Guam), so the employer withholds the
// amount the federal percentage method gives (Pub. 15-T, federal/federal.cpp)
// and pays it to Guam. The tax moves from the federal record to the state
// record; no federal income tax is withheld.
#include "core/txl5.h"
#include "states/territories.h"

int64_t state_guam(FEDERAL_WITHHOLDING_STRUC* fed, STATE_WITHHOLDING_STRUC* state) {
    return txl5::mirror_federal_income_tax(fed, state);
}
