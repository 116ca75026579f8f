// Advance earned income credit: a payment added to the wages of an employee
// who filed Form W-5, looked up on the payment schedule by certificate status
// and pay frequency, with the wages counted toward it capped by the year's
// maximum. Advance payments ended with 2010 wages (repealed from 2011), so the
// schedule carries no rows and every call reports that none was found; the
// annual maxima are kept for the years they were published.
//
// Sources: IRS Publication 15 (Circular E), Tables for Figuring Advance EIC
// Payments, 2006-2010 editions (earned income maxima, single and married
// with both spouses filing); 2011 values carried from 2010.
#include "core/txl5.h"
#include "levies/aeic.h"
#include "levies/levies.h"

// Annual wage maxima: every status but 3, and status 3 (married filing jointly).
const AeicMaxRow aeicmax[] = {
    // 2011: carried from 2010.
    {{1, 1, 2011}, {12, 31, 2011}, 35535.0, 40545.0},
    // 2010: Publication 15 (2010).
    {{1, 1, 2010}, {12, 31, 2010}, 35535.0, 40545.0},
    // 2009: Publication 15 (2009).
    {{1, 1, 2009}, {12, 31, 2009}, 35463.0, 40463.0},
    // 2008: Publication 15 (2008).
    {{1, 1, 2008}, {12, 31, 2008}, 33840.0, 36840.0},
    // 2007: Publication 15 (2007).
    {{1, 1, 2007}, {12, 31, 2007}, 33241.0, 35241.0},
    // 2006: Publication 15 (2006).
    {{1, 1, 2006}, {12, 31, 2006}, 32001.0, 34001.0},
    {},
};

// The payment schedule: constant and empty (the end row alone) since the
// advance payments were repealed; no calculation fills it.
const AeicRow aeic[] = {
    {},
};

int64_t TXL5_AEIC_Calc(AEIC_STRUC* record) {
    if (!record) return 1;
    return txl5::aeic_payment(record, aeic, aeicmax);
}
