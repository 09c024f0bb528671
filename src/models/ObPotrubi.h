#pragma once

#include <string>

#include "core/DrunVar.h"

namespace drun {

// Ducts lined inside with absorbing material: the bare duct's attenuation per
// metre plus the lining's insertion loss, and the bare duct's flow noise.

// Attenuation (each band 0..40 dB) and flow self-noise, L(A) included. Values
// outside the ranges (a damaged element) are taken at the nearest limit.
void SpektraObHrPotrubi(const VstupyObHrPotrubi& v, Spectrum& utlum, Spectrum& drun);
void SpektraObKuPotrubi(const VstupyObKuPotrubi& v, Spectrum& utlum, Spectrum& drun);

// The description from the fields' texts as typed:
// "500x250mm, obložení 50mm, délka 3m, průtok 2000m3/hod".
std::string PopisObHrPotrubi(const std::string& a, const std::string& b,
                             const std::string& tloustka, const std::string& delka,
                             const std::string& prutok);
// "průměr 305mm, obložení 25mm, délka 1m, průtok 2000m3/hod".
std::string PopisObKuPotrubi(const std::string& prumer, const std::string& tloustka,
                             const std::string& delka, const std::string& prutok);

// Compute steps on the current element of that kind.
void VypocetObHrPotrubi(DrunVar& var);
void VypocetObKuPotrubi(DrunVar& var);

} // namespace drun
