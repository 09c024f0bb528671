#pragma once

#include <string>

#include "core/DrunVar.h"

namespace drun {

// Ducts lined inside with absorbing material: the bare duct's attenuation per
// metre plus the lining's insertion loss, and the bare duct's flow noise.

// Input ranges (dialog fields and data-file reader alike).
constexpr double ObHrPotRozmerMin = 50, ObHrPotRozmerMax = 5000;  // mm
constexpr double ObKuPotPrumerMin = 100, ObKuPotPrumerMax = 1524; // mm
constexpr double ObPotTloustkaMin = 25, ObPotTloustkaMax = 100;   // mm
constexpr double ObPotDelkaMin = 1, ObPotDelkaMax = 100;          // m
constexpr double ObPotPrutokMin = 10, ObPotPrutokMax = 100000;    // m3/h

struct VstupyObHrPotrubi {
    double A = 0, B = 0; // mm
    double Tloustka = 0; // mm, of the lining
    double Delka = 0;    // m
    double Prutok = 0;   // m3/h
    bool operator==(const VstupyObHrPotrubi&) const = default;
};

struct VstupyObKuPotrubi {
    double Prumer = 0;   // mm
    double Tloustka = 0; // mm, of the lining
    double Delka = 0;    // m
    double Prutok = 0;   // m3/h
    bool operator==(const VstupyObKuPotrubi&) const = default;
};

// Attenuation (each band 0..40 dB) and flow self-noise, L(A) included. Values
// outside the ranges (a damaged element) are taken at the nearest limit.
void SpektraObHrPotrubi(const VstupyObHrPotrubi& v, Spectrum& utlum, Spectrum& drun);
void SpektraObKuPotrubi(const VstupyObKuPotrubi& v, Spectrum& utlum, Spectrum& drun);

// The description from the fields' texts as typed:
// "500x250mm, obložení 50mm, délka 3m, průtok 2000m3/hod".
std::string PopisObHrPotrubi(const std::string& a, const std::string& b,
                             const std::string& tloustka, const std::string& delka,
                             const std::string& prutok);
// "průměr 305mm, obložení 25mm, délka 1m, průtok 2000m3/hod".
std::string PopisObKuPotrubi(const std::string& prumer, const std::string& tloustka,
                             const std::string& delka, const std::string& prutok);

} // namespace drun
