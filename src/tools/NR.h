#pragma once

#include <array>

#include "core/DrunVar.h"

// Noise-rating (NR) of an octave spectrum: the N curves as a formula,
// L = A + B*N per band, so that any N (not only the tabulated ones) has a curve.
namespace drun {

constexpr std::array<double, PocetPasem> NRKoefA{35.5, 22.0, 12.0, 4.8, 0.0, -3.5, -6.1, -8.0};
constexpr std::array<double, PocetPasem> NRKoefB{0.790, 0.870, 0.930, 0.974,
                                                 1.000, 1.015, 1.025, 1.030};

struct HodnoceniNR {
    double N = 0;  // to one decimal
    int Pasmo = 0; // band index 0..7 that decides it
};

// The smallest N (one decimal) whose curve lies on or above the spectrum in
// every band. Only bands 1..8 count. Of bands that decide equally the lowest
// one is named. A spectrum below N0 everywhere gets 0 or a negative rating.
HodnoceniNR SpoctiNR(const Spectrum& s);

// The N curve for any N, with its L(A).
Spectrum NKrivka(double n);

// Rounds up to one decimal; a value that is a tenth up to floating-point
// noise stays (30.000000000000004 -> 30.0, not 30.1).
double NahoruNaDesetiny(double x);

} // namespace drun
