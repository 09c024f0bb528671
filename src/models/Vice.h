#pragma once

#include <string>

#include "core/DrunVar.h"

namespace drun {

struct ZadaniVice {
    int Pocet = 0;
    std::string TextPocet; // as typed
};

// Store step: type 9, description, the number of sources.
void ZapisVice(DrunVar& var, const ZadaniVice& z);
// Compute step: no attenuation and no self-noise; the path evaluation adds
// 10 log n behind the element.
void VypocetVice(DrunVar& var);

} // namespace drun
