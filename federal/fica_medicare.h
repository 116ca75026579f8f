// Social security and Medicare, computed inside the federal calculation.
#ifndef TXL5_FEDERAL_FICA_MEDICARE_H
#define TXL5_FEDERAL_FICA_MEDICARE_H

#include "core/txl5.h"

namespace txl5 {

// Call type 2 asks for the employer's share.
constexpr int64_t kCallTypeEmployerShare = 2;

// Each returns 0, or 1 when no table row is in force for the check date.
int64_t social_security_tax(int64_t call_type, FEDERAL_WITHHOLDING_STRUC* fed);
int64_t medicare_tax(int64_t call_type, FEDERAL_WITHHOLDING_STRUC* fed);

}  // namespace txl5

#endif  // TXL5_FEDERAL_FICA_MEDICARE_H
