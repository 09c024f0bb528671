#pragma once

#include <string>

#include "core/DrunVar.h"
#include "core/Kontroly.h"

namespace drun {

// A control damper: no attenuation, flow noise from its pressure drop.

// Attenuation (0 dB) and self-noise, L(A) included; false, the spectra
// untouched, for a damper ChybaKlapky refuses. Sizes, flow and drop outside
// their ranges (a damaged element) are taken at the nearest limit.
bool SpektraKlapky(const VstupyKlapky& v, Spectrum& utlum, Spectrum& drun);

// "600x400mm, vícelistá, průtok 4320m3/hod, tlaková ztráta 50Pa" from the
// fields' texts as typed.
std::string PopisKlapky(const std::string& a, const std::string& b, int listy,
                        const std::string& prutok, const std::string& tlak);

// Compute step on the current element; false, the element untouched, for a
// damper ChybaKlapky refuses.
bool VypocetKlapky(DrunVar& var);

} // namespace drun
