// State codes: the states, the District of Columbia and the territories
// numbered in alphabetical order of their names. The state record, the local
// record, the levy records and the locality directory all use these codes.
#ifndef TXL5_CORE_STATECODES_H
#define TXL5_CORE_STATECODES_H

#include <cstdint>

namespace txl5 {

enum StateCode : int64_t {
    kAlabama = 1,
    kAlaska = 2,
    kAmericanSamoa = 3,
    kArizona = 4,
    kArkansas = 5,
    kCalifornia = 6,
    kColorado = 7,
    kConnecticut = 8,
    kDelaware = 9,
    kDistrictOfColumbia = 10,
    kMicronesia = 11,
    kFlorida = 12,
    kGeorgia = 13,
    kGuam = 14,
    kHawaii = 15,
    kIdaho = 16,
    kIllinois = 17,
    kIndiana = 18,
    kIowa = 19,
    kKansas = 20,
    kKentucky = 21,
    kLouisiana = 22,
    kMaine = 23,
    kMarshallIslands = 24,
    kMaryland = 25,
    kMassachusetts = 26,
    kMichigan = 27,
    kMinnesota = 28,
    kMississippi = 29,
    kMissouri = 30,
    kMontana = 31,
    kNebraska = 32,
    kNevada = 33,
    kNewHampshire = 34,
    kNewJersey = 35,
    kNewMexico = 36,
    kNewYork = 37,
    kNorthCarolina = 38,
    kNorthDakota = 39,
    kNorthernMarianaIslands = 40,
    kOhio = 41,
    kOklahoma = 42,
    kOregon = 43,
    kPalau = 44,
    kPennsylvania = 45,
    kPuertoRico = 46,
    kRhodeIsland = 47,
    kSouthCarolina = 48,
    kSouthDakota = 49,
    kTennessee = 50,
    kTexas = 51,
    kUtah = 52,
    kVermont = 53,
    kVirginIslands = 54,
    kVirginia = 55,
    kWashington = 56,
    kWestVirginia = 57,
    kWisconsin = 58,
    kWyoming = 59,
};

}  // namespace txl5

#endif  // TXL5_CORE_STATECODES_H
