#pragma once

#include <array>
#include <optional>

#include "core/DrunVar.h"

// Sound pressure carried from one distance to another by the free-field law.
namespace drun {

// The distances the tool accepts, in metres.
constexpr double MinVzdalenost = 1;
constexpr double MaxVzdalenost = 100;

// What the tool keeps between openings for as long as the program runs.
struct AkTlakStav {
    Spectrum Vstup = NulaSpektrum();  // levels at Vzd1
    Spectrum Vystup = NulaSpektrum(); // levels at Vzd2
    double Vzd1 = 1;
    double Vzd2 = 2;
};

// Every band + 20 lg(r1/r2), a band below 0 becomes 0, L(A) recomputed.
// Distances outside MinVzdalenost..MaxVzdalenost give nothing.
std::optional<Spectrum> PrevedTlak(const Spectrum& vstup, double r1, double r2);

// The tool's starting point at every opening: the source's spectrum, L(A) included.
void NactiZdroj(AkTlakStav& stav, const DrunVar& var);

// Takes the bands and distances, converts and keeps everything in the state.
// False, and the state untouched, when a distance is outside the accepted range.
bool PrevedAkTlak(AkTlakStav& stav, const std::array<double, PocetPasem>& pasma, double r1,
                  double r2);

} // namespace drun
