#pragma once

#include <string>

#include "core/DrunVar.h"

namespace drun {

// What the branch dialog hands over: sizes in mm as typed, flows in m3/h,
// and the texts the description is built from.
struct ZadaniOdbocky {
    double RozmA1 = 0, RozmB1 = 0; // computed direction, mm
    double RozmA2 = 0, RozmB2 = 0; // the other directions, mm
    double Radius = 0;             // mm
    double CelkPrutok = 0;         // before the branch
    double OdbPrutok = 0;          // into the computed direction
    std::string TextA1, TextB1, TextA2, TextB2, TextRadius, TextCelkPrutok, TextOdbPrutok;
};

// Field limits of the branch dialog; the data-file reader checks the same.
constexpr double OdbRozmerMin = 50, OdbRozmerMax = 5000;   // mm, all four sides
constexpr double OdbRadiusMin = 50, OdbRadiusMax = 500;    // mm
constexpr double OdbPrutokMin = 10, OdbPrutokMax = 100000; // m3/h, both flows

// Store step: type, description and the seven parameters (sizes in mm).
void ZapisOdbocku(DrunVar& var, const ZadaniOdbocky& z);
// Compute step: sizes mm -> m in place, attenuation by the share of the
// cross-section, self-noise from ZvukTvarovky of the two streams.
void VypocetOdbocky(DrunVar& var);

} // namespace drun
