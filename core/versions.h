// Record-version thresholds. A caller sets struc_version to the layout its
// program was built against; a field that came later is read or written only
// when struc_version is greater than the threshold named here (Indiana alone
// tests for exact values). One constant per threshold, so every calculation
// that gates the same fields uses the same number.
#ifndef TXL5_CORE_VERSIONS_H
#define TXL5_CORE_VERSIONS_H

#include <cstdint>

namespace txl5 {

// ---- Federal record ----------------------------------------------------------
// supplemental_wages, ytd_supplemental_wages, supp_aggregate and
// supplemental_fed_tax (slots 25 to 29).
constexpr int64_t kFedSupplementalVersion = 128;
// fed_exempt (slot 30).
constexpr int64_t kFedExemptVersion = 160;
// The 2020 withholding-certificate fields and nonresident_alien (slots 31 to 36).
constexpr int64_t kFedW4_2020Version = 164;

// ---- State record --------------------------------------------------------------
// state_supplemental_wages, state_supp_aggregate, state_supp_rate_choice and
// state_supplemental_tax (slots 31, 33 to 35), in every state.
constexpr int64_t kStateSupplementalVersion = 144;
// The certificate fields from slot 42 on that Connecticut, Montana and Puerto
// Rico read (state_form_option among them).
constexpr int64_t kStateFormOptionVersion = 176;
// The newer certificate fields (state_new_form, state_form_flag2,
// state_form_amount1, state_form_amount2: slots 43 to 48) of Colorado, Iowa,
// North Dakota and the Northern Mariana Islands.
constexpr int64_t kStateNewFormVersion = 212;
// Indiana tests for this exact value: a state record of this version counts
// no dependents of any kind (regular, adopted or first-time), in the state and
// in the county calculation.
constexpr int64_t kStateIndianaFormVersion = 404;

// ---- Local record ----------------------------------------------------------------
// local_resident (slot 13), Indiana; exactly 60 selects Indiana's older rule.
constexpr int64_t kLocalResidentVersion = 60;
// local_tax_kind (slot 23), Pennsylvania.
constexpr int64_t kLocalTaxKindVersion = 128;
// Michigan's supplemental fields (slots 24, 26, 28).
constexpr int64_t kLocalMichiganSupplementalVersion = 133;
// local_supplemental_wages, local_supp_aggregate and local_supplemental_tax
// (slots 24, 26, 28) everywhere else.
constexpr int64_t kLocalSupplementalVersion = 155;
// second_local_supplemental_tax (slot 29), Michigan.
constexpr int64_t kLocalSecondSupplementalVersion = 224;
// The caller-configured tax of default_local (local_rate to
// local_annual_flat_tax, slots 14 to 20).
constexpr int64_t kLocalDefaultTaxVersion = 239;

}  // namespace txl5

#endif  // TXL5_CORE_VERSIONS_H
