#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/DrunVar.h"

namespace drun {

// A fan's sound power estimated from its flow, total pressure rise and speed,
// before the supplier's data exist.

enum class DruhVentilatoru {
    RR, // radiální s dozadu zahnutými lopatkami
    T,  // radiální s dopředu zahnutými lopatkami
    AM, // axiální s rozváděcím kolem
};

constexpr double VentPrutokMin = 10, VentPrutokMax = 1000000; // m3/h
constexpr double VentTlakMin = 1, VentTlakMax = 10000;        // Pa
constexpr double VentOtackyMin = 100, VentOtackyMax = 30000;  // 1/min
constexpr double VentPomerMin = 0.5, VentPomerMax = 1.5;      // V/V_opt
constexpr int VentLopatekMin = 2, VentLopatekMax = 100;

struct VstupyVentilatoru {
    double Prutok = 0; // m3/h
    double Tlak = 0;   // Pa, total pressure rise
    double Otacky = 0; // 1/min
    DruhVentilatoru Druh = DruhVentilatoru::RR;
    double Pomer = 1;             // V/V_opt
    std::optional<int> Lopatek{}; // none: not known
    bool operator==(const VstupyVentilatoru&) const = default;
};

struct OdhadVentilatoru {
    Spectrum Pasma{}; // 63 Hz .. 8 kHz unrounded, their L(A)
    double LW = 0;    // the fan's total sound power, dB
};

// "RR", "T", "AM" (as written, capitals); anything else: none.
std::optional<DruhVentilatoru> CtiDruhVentilatoru(std::string_view text);
std::string_view NazevDruhuVentilatoru(DruhVentilatoru druh);

// Why the inputs cannot be estimated (a value outside its range), in Czech;
// empty when they can.
std::string ChybaVentilatoru(const VstupyVentilatoru& v);
// The estimate; the inputs must pass ChybaVentilatoru.
OdhadVentilatoru OdhadniVentilator(const VstupyVentilatoru& v);

// The source's description saying how its bands were estimated, from the
// fields' texts as typed (an empty ratio or blade count is left out):
// "odhad z parametrů: RR, 16000m3/hod, 600Pa, 1250ot/min, V/Vopt 0.8, 8 lopatek".
constexpr std::string_view ZacatekPopisuOdhadu = "odhad z parametrů: ";
std::string PopisOdhaduVentilatoru(DruhVentilatoru druh, const std::string& prutok,
                                   const std::string& tlak, const std::string& otacky,
                                   const std::string& pomer, const std::string& lopatek);

} // namespace drun
