// The state tables `txl5 explain` reads: each state's bracket tables, as the
// library exports them, seen through one row view whatever their layout.
#include <map>
#include <mutex>
#include <type_traits>
#include <utility>

#include "cli/explain.h"
#include "core/tables.h"
#include "states/alabama.h"
#include "states/california.h"
#include "states/arkansas.h"
#include "states/colorado.h"
#include "states/connecticut.h"
#include "states/dc.h"
#include "states/delaware.h"
#include "states/georgia.h"
#include "states/hawaii.h"
#include "states/idaho.h"
#include "states/illinois.h"
#include "states/indiana.h"
#include "states/iowa.h"
#include "states/kansas.h"
#include "states/kentucky.h"
#include "states/maine.h"
#include "states/maryland.h"
#include "states/massachusetts.h"
#include "states/michigan.h"
#include "states/minnesota.h"
#include "states/mississippi.h"
#include "states/missouri.h"
#include "states/montana.h"
#include "states/nebraska.h"
#include "states/newjersey.h"
#include "states/newmexico.h"
#include "states/newyork.h"
#include "states/northcarolina.h"
#include "states/northdakota.h"
#include "states/northernmi.h"
#include "states/ohio.h"
#include "states/oklahoma.h"
#include "states/oregon.h"
#include "states/puertorico.h"
#include "states/rhodeisland.h"
#include "states/southcarolina.h"
#include "states/utah.h"
#include "states/vermont.h"
#include "states/virginia.h"
#include "states/westvirginia.h"
#include "states/wisconsin.h"

namespace txl5cli {
namespace {

template <class R, class = void> struct HasStatus : std::false_type {};
template <class R> struct HasStatus<R, std::void_t<decltype(std::declval<R>().status)>> : std::true_type {};
template <class R, class = void> struct HasPeriods : std::false_type {};
template <class R> struct HasPeriods<R, std::void_t<decltype(std::declval<R>().pay_periods)>> : std::true_type {};
template <class R, class = void> struct HasBracket : std::false_type {};
template <class R>
struct HasBracket<R, std::void_t<decltype(std::declval<R>().lower), decltype(std::declval<R>().upper),
                                 decltype(std::declval<R>().rate)>> : std::true_type {};
template <class R, class = void> struct HasBase : std::false_type {};
template <class R> struct HasBase<R, std::void_t<decltype(std::declval<R>().base)>> : std::true_type {};

// Adds the rows of one table (ended by its row of zeros) to `out`; a table
// whose rows carry no bracket (lower, upper, rate) adds none.
template <class Row>
void add_rows(const char* name, const Row* rows, std::vector<StateRowView>* out) {
    if constexpr (!HasBracket<Row>::value) {
        (void)name, (void)rows, (void)out;
        return;
    } else {
    // Visits every row: the test records the row and never stops the scan.
    txl5::find_row(rows, [&](const Row& r) {
        StateRowView v{};
        v.table = name;
        v.start = r.start_date;
        v.end = r.end_date;
        if constexpr (HasStatus<Row>::value) {
            v.has_status = true;
            v.status = static_cast<double>(r.status);
        }
        if constexpr (HasPeriods<Row>::value) {
            v.has_periods = true;
            v.pay_periods = static_cast<int64_t>(r.pay_periods);
        }
        v.lower = r.lower;
        v.upper = r.upper;
        if constexpr (HasBase<Row>::value) {
            v.has_base = true;
            v.base = r.base;
        }
        v.rate = r.rate;
        out->push_back(v);
        return false;
    }, txl5::EndsAtZeroStartMonth());
    }
}

#define ROWS(table) add_rows(#table, table, &out)

std::vector<StateRowView> collect(int64_t code) {
    std::vector<StateRowView> out;
    switch (code) {
        case 1: ROWS(alwh); break;
        case 5: ROWS(arwh); break;
        case 6: ROWS(cawh); break;
        case 7: ROWS(cowh); ROWS(cowh2020); break;
        case 8: ROWS(ctwh); break;
        case 9: ROWS(dewh); break;
        case 10: ROWS(dcwh); break;
        case 13: ROWS(gawh); break;
        case 15: ROWS(hiwh); break;
        case 16: ROWS(idwh); break;
        case 17: ROWS(ilwh); break;
        case 18: ROWS(inwh); ROWS(inwh_adopted); ROWS(inwh_firsttime); break;
        case 19: ROWS(iawh2025); ROWS(iawh2019); break;
        case 20: ROWS(kswh); break;
        case 21: ROWS(kywh); break;
        case 23: ROWS(mewh); ROWS(mewh2016); break;
        case 25: ROWS(mdwh); break;
        case 26: ROWS(mawh); break;
        case 27: ROWS(miwh); break;
        case 28: ROWS(mnwh); break;
        case 29: ROWS(mswh); break;
        case 30: ROWS(mowh); break;
        case 31: ROWS(mtwh); break;
        case 32: ROWS(newh); break;
        case 35: ROWS(njwh); break;
        case 36: ROWS(nmwh); break;
        case 37: ROWS(nywh); break;
        case 38: ROWS(ncwh); break;
        case 39: ROWS(ndwh); break;
        case 40: ROWS(nmiwh); break;
        case 41: ROWS(ohwh); break;
        case 42: ROWS(okwh); break;
        case 43: ROWS(orwhlow); ROWS(orwhhigh); break;
        case 46: ROWS(prwh); break;
        case 47: ROWS(riwh); break;
        case 48: ROWS(scwh); break;
        case 53: ROWS(vtwh2); break;
        case 55: ROWS(vawh); break;
        case 57: ROWS(wvwh); break;
        case 58: ROWS(wiwh); break;
        default: break;
    }
    return out;
}

#undef ROWS

}  // namespace

const std::vector<StateRowView>& state_rows(int64_t state_code) {
    static std::mutex lock;
    static std::map<int64_t, std::vector<StateRowView>> cache;
    std::lock_guard<std::mutex> guard(lock);
    auto it = cache.find(state_code);
    if (it == cache.end()) it = cache.emplace(state_code, collect(state_code)).first;
    return it->second;
}

FlatRateView state_flat_rates(int64_t state_code) {
    switch (state_code) {
        case 1: return {"supplemental_al", supplemental_al};
        case 7: return {"supplemental_co", supplemental_co};
        case 19: return {"supplemental_ia", supplemental_ia};
        case 20: return {"supplemental_ks", supplemental_ks};
        case 23: return {"supplemental_me", supplemental_me};
        case 27: return {"supplemental_mi", supplemental_mi};
        case 28: return {"supplemental_mn", supplemental_mn};
        case 30: return {"supplemental_mo", supplemental_mo};
        case 31: return {"supplemental_mt", supplemental_mt};
        case 32: return {"supplemental_nb", supplemental_nb};
        case 36: return {"supplemental_nm", supplemental_nm};
        case 37: return {"supplemental_ny", supplemental_ny};
        case 39: return {"supplemental_nd", supplemental_nd};
        case 41: return {"supplemental_oh", supplemental_oh};
        case 42: return {"supplemental_ok", supplemental_ok};
        case 43: return {"supplemental_or", supplemental_or};
        case 46: return {"supplemental_pr", supplemental_pr};
        case 47: return {"supplemental_ri", supplemental_ri};
        case 48: return {"supplemental_sc", supplemental_sc};
        case 5: return {"supplemental_ar", supplemental_ar};
        case 16: return {"supplemental_id", supplemental_id};
        case 38: return {"supplemental_nc", supplemental_nc};
        case 55: return {"supplemental_va", supplemental_va};
        default: return {nullptr, nullptr};
    }
}

}  // namespace txl5cli
