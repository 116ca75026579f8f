// Federal income tax on supplemental wages: the flat rate (22 %, or 37 % once
// the year's supplemental wages before this payment exceed 1,000,000), or the
// aggregate method, which taxes supplemental and regular wages together and
// keeps the difference.
#include <cmath>

#include "core/tables.h"
#include "core/txl5.h"
#include "core/versions.h"
#include "federal/federal.h"

// Flat rates of IRC 3402 as published in Pub. 15, section 7, each year.
constexpr SupplementalWhRow supplementalwh[] = {
    {{1, 1, 2026}, {12, 31, 2026}, 1000000.0, 0.22, 0.37},
    {{1, 1, 2025}, {12, 31, 2025}, 1000000.0, 0.22, 0.37},
    {{1, 1, 2024}, {12, 31, 2024}, 1000000.0, 0.22, 0.37},
    {{1, 1, 2023}, {12, 31, 2023}, 1000000.0, 0.22, 0.37},
    {},
};

namespace {
constexpr int64_t kNoSupplementalRate = 64;
constexpr int64_t kSupplementalFailed = 1;
}

int64_t TXL5_Federal_Supplemental(int64_t call_type, FEDERAL_WITHHOLDING_STRUC* fed) {
    if (!fed) return 1;
    // Records of version 128 or less have no supplemental fields.
    if (fed->struc_version <= txl5::kFedSupplementalVersion) return 0;
    if (fed->struc_version > txl5::kFedExemptVersion && fed->fed_exempt == 1) {
        fed->fed_tax = 0.0;
        fed->supplemental_fed_tax = 0.0;
        return 0;
    }

    int64_t result = 0;
    if (fed->supplemental_wages > 0.0 && fed->supp_aggregate == 0) {
        const MDATE date{fed->check_month, fed->check_day, fed->check_year};
        const SupplementalWhRow* row =
            txl5::scan_rows(txl5::indexed<supplementalwh>(), date, [](const SupplementalWhRow&) { return true; });
        if (row) {
            // The whole payment takes the one rate chosen by the amount paid
            // before it; the payment is not split at the threshold.
            const double rate =
                fed->ytd_supplemental_wages > row->supp_threshold ? row->supp_rate_high : row->supp_rate;
            fed->supplemental_fed_tax = fed->supplemental_wages * rate;
        } else {
            result = kNoSupplementalRate;
        }
    } else {
        // Aggregate: tax regular plus supplemental wages, keep the difference.
        // Extra withholding and the Step 3 credit enter both and cancel out.
        // A failed calculation of the combined wages (supplemental wages that
        // are not a number, say) fails the supplemental tax.
        const double regular_tax = fed->fed_tax;
        const double regular_wages = fed->gross_wages;
        fed->gross_wages += fed->supplemental_wages;
        if (TXL5_Federal_Calc(call_type, fed) != 0) result |= kSupplementalFailed;
        fed->gross_wages = regular_wages;
        fed->supplemental_fed_tax = fed->fed_tax - regular_tax;
        fed->fed_tax = regular_tax;
    }
    fed->supplemental_fed_tax = dollarround(fed->supplemental_fed_tax);
    // Supplemental wages too large for a finite tax are a failure too.
    if (!std::isfinite(fed->supplemental_fed_tax)) result |= kSupplementalFailed;
    return result;
}
