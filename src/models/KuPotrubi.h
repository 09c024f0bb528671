#pragma once

#include <array>
#include <string>

#include "core/DrunVar.h"

namespace drun {

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

// "průměr 250mm, délka 5m, průtok 1200m3/hod" from the fields' texts as typed.
std::string PopisKuPotrubi(const std::string& prumer, const std::string& delka,
                           const std::string& prutok);
// Store step: type 4, description, diameter in mm, length, flow.
void ZapisKuPotrubi(DrunVar& var, const ZadaniKuPotrubi& z);
// Compute step: remembers the diameter in PosledniPrumer (so reading a file
// offers it too), then both spectra.
void VypocetKuPotrubi(DrunVar& var);

} // namespace drun
