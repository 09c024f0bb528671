#pragma once

#include <array>
#include <string>

#include "core/DrunVar.h"

namespace drun {

struct ZadaniMistnosti {
    std::string Popis;
    double PlochaSten = 0; // m2, every wall including floor and ceiling
    double Vzdalenost = 0; // m, listening point from the outlet
    std::array<double, PocetPasem> Pohltivost{};
    std::array<double, PocetPasem> Smerovost{};
};

// Store step: type 10, the user's description, wall area, distance and the
// two band tables into the element.
void ZapisMistnost(DrunVar& var, const ZadaniMistnosti& z);
// Compute step: attenuation from the room equation, no self-noise. Leaves its
// inputs alone, so it may run again on the same element. A small hard room
// gives a negative attenuation: the level at the listener lies above the
// sound power that reaches the room. Its tables become the ones a new room
// is offered.
void VypocetMistnosti(DrunVar& var);

} // namespace drun
