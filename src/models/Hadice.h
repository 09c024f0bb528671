#pragma once

#include <string>

#include "core/DrunVar.h"

namespace drun {

// Flexible duct to an outlet: insertion loss from a table by diameter and
// length, no self-noise.

// Attenuation (8 kHz none, each band at most 40 dB) and self-noise (0 dB).
void SpektraHadice(const VstupyHadice& v, Spectrum& utlum, Spectrum& drun);

// "průměr 250mm, délka 1.5m" from the fields' texts as typed.
std::string PopisHadice(const std::string& prumer, const std::string& delka);

// Compute step on the current element.
void VypocetHadice(DrunVar& var);

} // namespace drun
