#pragma once

#include <string>

#include "core/DrunVar.h"

namespace drun {

// A control damper: no attenuation, flow noise from its pressure drop.
constexpr double KlapRozmerMin = 50, KlapRozmerMax = 5000;   // mm
constexpr double KlapPrutokMin = 10, KlapPrutokMax = 100000; // m3/h
constexpr double KlapTlakMin = 1, KlapTlakMax = 2000;        // Pa
constexpr int KlapJedenList = 1, KlapViceListu = 2;

struct VstupyKlapky {
    double A = 0;      // mm, along the blade axes
    double B = 0;      // mm, across them
    double Prutok = 0; // m3/h
    double Tlak = 0;   // Pa, the pressure drop
    int Listy = KlapViceListu;
    bool operator==(const VstupyKlapky&) const = default;
};

// Why the dialog and the reader refuse the damper, in Czech; empty when its
// noise can be computed: a pressure-loss coefficient C <= 1 (the drop is less
// than the velocity pressure) or, for a single blade, one so large that the
// open fraction of the regression falls to 0 or below.
std::string ChybaKlapky(const VstupyKlapky& v);

// Attenuation (0 dB) and self-noise, L(A) included; false, the spectra
// untouched, for a damper ChybaKlapky refuses. Sizes, flow and drop outside
// their ranges (a damaged element) are taken at the nearest limit.
bool SpektraKlapky(const VstupyKlapky& v, Spectrum& utlum, Spectrum& drun);

// "600x400mm, vícelistá, průtok 4320m3/hod, tlaková ztráta 50Pa" from the
// fields' texts as typed.
std::string PopisKlapky(const std::string& a, const std::string& b, int listy,
                        const std::string& prutok, const std::string& tlak);

} // namespace drun
