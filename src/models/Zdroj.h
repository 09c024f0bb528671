#pragma once

#include <array>
#include <string>

#include "core/DrunVar.h"

namespace drun {

struct ZadaniZdroje {
    std::string Popis;
    std::array<double, PocetPasem> Vykon{}; // sound power, dB
};

// Writes the source (element 1) and its level behind; current becomes the source.
void ZapisZdroj(DrunVar& var, const ZadaniZdroje& z);
// Compute step of the source (the current element): its sound power is the level behind.
void VypocetZdroje(DrunVar& var);

} // namespace drun
