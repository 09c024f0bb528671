#pragma once

#include <array>

#include "core/DrunVar.h"

namespace drun {

constexpr int PocetNKrivek = 14;
// N10, N15, ... N75, band values 63 Hz .. 8 kHz, as tabulated (one decimal).
extern const std::array<std::array<double, PocetPasem>, PocetNKrivek> NKrivky;
// "N10" ... "N75"
int CisloNKrivky(int index);  // index 1..14 -> 10..75

// Sets the requirement's bands and its L(A).
void NastavPozadavek(DrunVar& var, const std::array<double, PocetPasem>& pasma);

}  // namespace drun
