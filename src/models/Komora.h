#pragma once

#include <array>
#include <string>

#include "core/DrunVar.h"

namespace drun {

// A lined plenum box: an inlet on one end wall, an outlet on the opposite one.
constexpr double KomRozmerMin = 100, KomRozmerMax = 10000; // mm, inner length, width, height
constexpr double KomOtvorMin = 50, KomOtvorMax = 5000;     // mm, sides of the openings
constexpr double KomPosunMin = 0, KomPosunMax = 5000;      // mm, offset of the outlet
constexpr double KomPohltivostMin = 0.01, KomPohltivostMax = 1.00;

struct VstupyKomory {
    double Delka = 0, Sirka = 0, Vyska = 0; // mm, inside
    double VstupA = 0, VstupB = 0;          // mm, A across the width, B along the height
    double VystupA = 0, VystupB = 0;        // mm
    // mm, between the inlet's and the outlet's centres
    double PosunBok = 0, PosunSvisle = 0;
    std::array<double, PocetPasem> Pohltivost{}; // the lining's absorption coefficients
    bool operator==(const VstupyKomory&) const = default;
};

// Why the dialog and the reader refuse the plenum (an opening larger than its
// wall, an offset that puts the outlet beyond the wall), in Czech; empty when
// it fits. The limits themselves fit.
std::string ChybaKomory(const VstupyKomory& v);

// Attenuation (each band 0..40 dB) and self-noise (0 dB). A plenum that
// ChybaKomory refuses (a damaged element) is taken as the nearest one that fits.
void SpektraKomory(const VstupyKomory& v, Spectrum& utlum, Spectrum& drun);

// "1200x1000x1000mm, vstup 400x400mm, výstup 400x400mm, posunutí 600x0mm" from
// the fields' texts as typed.
std::string PopisKomory(const std::string& delka, const std::string& sirka,
                        const std::string& vyska, const std::string& vstupA,
                        const std::string& vstupB, const std::string& vystupA,
                        const std::string& vystupB, const std::string& posunBok,
                        const std::string& posunSvisle);

} // namespace drun
