// The calculation entry points that come one per jurisdiction, as lists the
// robustness tools expand: every state calculation, locality function and
// locality directory the public header declares, with the state code each
// serves. A jurisdiction whose calculation is not in the library yet is
// simply absent at run time; once its function is exported, the fuzz
// targets, the seed recorder and the thread test reach it without a change
// here.
#ifndef TXL5_FUZZ_ENTRY_LISTS_H
#define TXL5_FUZZ_ENTRY_LISTS_H

// X(function, state code): int64_t function(FEDERAL_WITHHOLDING_STRUC*, STATE_WITHHOLDING_STRUC*)
#define TXL5_STATE_FUNCTIONS(X)                                                                                \
    X(state_al, 1) X(state_az, 4) X(state_ar, 5) X(state_ca, 6) X(state_co, 7) X(state_ct, 8) X(state_de, 9)    \
    X(state_dc, 10) X(state_ga, 13) X(state_guam, 14) X(state_hi, 15) X(state_id, 16) X(state_il, 17)           \
    X(state_in, 18) X(state_ia, 19) X(state_ks, 20) X(state_ky, 21) X(state_la, 22) X(state_me, 23)             \
    X(state_md, 25) X(state_ma, 26) X(state_mi, 27) X(state_mn, 28) X(state_ms, 29) X(state_mo, 30)             \
    X(state_mt, 31) X(state_ne, 32) X(state_nj, 35) X(state_nm, 36) X(state_ny, 37) X(state_nc, 38)             \
    X(state_nd, 39) X(state_nmi, 40) X(state_oh, 41) X(state_ok, 42) X(state_or, 43) X(state_pa, 45)            \
    X(state_pr, 46) X(state_ri, 47) X(state_sc, 48) X(state_ut, 52) X(state_vt, 53) X(state_va, 55)             \
    X(state_wv, 57) X(state_wi, 58)

// X(function, state code): int64_t function(FEDERAL_WITHHOLDING_STRUC*, STATE_WITHHOLDING_STRUC*,
// LOCAL_WITHHOLDING_STRUC*); code 0 is the caller-configured tax every state gets.
#define TXL5_LOCALITY_FUNCTIONS(X)                                                                            \
    X(default_local, 0) X(city_al, 1) X(county_co, 7) X(county_de, 9) X(county_in, 18) X(local_ky, 21)          \
    X(county_md, 25) X(city_mi, 27) X(city_mo, 30) X(county_ny, 37) X(county_oh, 41) X(local_pa, 45)

// X(function, state code): int64_t function(WITHHOLDING_TAXBODY_INFO*, char*)
#define TXL5_DIRECTORY_FUNCTIONS(X)                                                                           \
    X(get_al_taxbody_info, 1) X(get_co_taxbody_info, 7) X(get_de_taxbody_info, 9) X(get_in_taxbody_info, 18)    \
    X(get_ky_taxbody_info, 21) X(get_md_taxbody_info, 25) X(get_mi_taxbody_info, 27)                            \
    X(get_mo_taxbody_info, 30) X(get_ny_taxbody_info, 37) X(get_oh_taxbody_info, 41) X(get_pa_taxbody_info, 45)

#endif  // TXL5_FUZZ_ENTRY_LISTS_H
