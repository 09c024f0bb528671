#pragma once

#include <array>
#include <string>

#include "core/DrunVar.h"

namespace drun {

// Air at this velocity or faster is refused by the dialogs of both duct kinds.
constexpr double MaxRychlostPotrubi = 30; // m/s

struct ZadaniHrPotrubi {
    double A = 0, B = 0; // mm
    double Delka = 0;    // m
    double Prutok = 0;   // m3/h
    // The fields' texts exactly as typed; the description is built from them.
    std::string TextA, TextB, TextDelka, TextPrutok;
};

// Store step: type 3, description, sides in mm, length, flow.
void ZapisHrPotrubi(DrunVar& var, const ZadaniHrPotrubi& z);
// Compute step: attenuation and self-noise; inputs beyond their ranges (a
// damaged element) are taken at the nearest limit.
void VypocetHrPotrubi(DrunVar& var);

// Shared by both straight duct kinds.
// Self-noise corrections of straight ducts, 63 Hz .. 8 kHz.
constexpr std::array<double, PocetPasem> KorekcePrimehoPotrubi{-4, -5, -6, -8, -9, -10, -13, -20};
// Row 0..3 of a per-metre attenuation table for a governing size in metres.
int RadekUtlumuPotrubi(double rozmerM);
// The rectangular duct's attenuation per metre (dB/m) for its smaller side in metres.
const std::array<double, PocetPasem>& UtlumNaMetrHrPotrubi(double mensiStranaM);
// Flow self-noise of a straight duct at velocity v (m/s) through the
// cross-section s (m2); bands below 0 dB are 0, L(A) included.
void DrunPotrubi(Spectrum& drun, double v, double s);
// Both spectra of a straight duct: the per-metre attenuation row times the
// element's length, and the flow self-noise at velocity v (m/s) through the
// cross-section s (m2).
void SpektraPotrubi(TElementSite& e, const std::array<double, PocetPasem>& utlumNaMetr,
                    double delka, double v, double s);

} // namespace drun
