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

// Store step: type, description and the seven parameters (sizes in mm).
void ZapisOdbocku(DrunVar& var, const ZadaniOdbocky& z);
// Compute step: attenuation by the share of the cross-section, self-noise
// from ZvukTvarovky of the two streams.
void VypocetOdbocky(DrunVar& var);

} // namespace drun
