#pragma once

#include <array>
#include <string>

#include "core/DrunVar.h"

namespace drun {

// Input ranges of the room; the dialog's fields and the data-file reader
// accept exactly these, which keeps both terms of the room equation finite.
constexpr double MistnostPlochaMin = 1, MistnostPlochaMax = 1000;        // m2
constexpr double MistnostVzdalenostMin = 1, MistnostVzdalenostMax = 100; // m
constexpr double PohltivostMin = 0.01, PohltivostMax = 1;
constexpr double SmerovostMin = 1, SmerovostMax = 10;

struct ZadaniMistnosti {
    std::string Popis;
    double PlochaSten = 0; // m2, every wall including floor and ceiling
    double Vzdalenost = 0; // m, listening point from the outlet
    std::array<double, PocetPasem> Pohltivost{};
    std::array<double, PocetPasem> Smerovost{};
};

// Store step: type 10, the user's description, wall area (RozmA) and distance
// (Delka) into the element; the two band tables are program-wide and go to var.
void ZapisMistnost(DrunVar& var, const ZadaniMistnosti& z);
// Compute step: attenuation from the room equation, no self-noise. Leaves its
// inputs alone, so it may run again on the same element. A small hard room
// gives a negative attenuation: the level at the listener lies above the
// sound power that reaches the room.
void VypocetMistnosti(DrunVar& var);

} // namespace drun
