#pragma once

#include <array>
#include <string>

#include "core/DrunVar.h"

namespace drun {

// Input ranges of a circular duct (dialog fields and data-file reader alike).
constexpr double KuPotPrumerMin = 50, KuPotPrumerMax = 5000;   // mm
constexpr double KuPotDelkaMin = 1, KuPotDelkaMax = 100;       // m
constexpr double KuPotPrutokMin = 10, KuPotPrutokMax = 100000; // m3/h

struct ZadaniKuPotrubi {
    double Prumer = 0;                             // mm
    double Delka = 0;                              // m
    double Prutok = 0;                             // m3/h
    std::string TextPrumer, TextDelka, TextPrutok; // as typed
};

// The circular duct's attenuation per metre (dB/m) for its diameter in metres.
const std::array<double, PocetPasem>& UtlumNaMetrKuPotrubi(double prumerM);

// Velocity in the duct from the dialog's values (diameter in mm), m/s.
double RychlostKuPotrubi(double prumerMm, double prutok);

// Store step: type 4, description, diameter in mm (RozmA), length, flow.
void ZapisKuPotrubi(DrunVar& var, const ZadaniKuPotrubi& z);
// Compute step: converts the diameter to metres in place and remembers it in
// PosledniPrumer (so reading a file offers it too), then both spectra.
void VypocetKuPotrubi(DrunVar& var);

} // namespace drun
