#pragma once

#include <string>

#include "core/DrunVar.h"

namespace drun {

struct ZadaniVice {
    int Pocet = 0;
    std::string TextPocet; // as typed
};

// "korekce na počet zdrojů drunu. Počet= 3" from the count as typed.
std::string PopisVice(const std::string& pocet);
// Store step: type 9, description, the number of sources.
void ZapisVice(DrunVar& var, const ZadaniVice& z);
// Compute step: no attenuation and no self-noise; the path evaluation adds
// 10 log n behind the element.
void VypocetVice(DrunVar& var);

} // namespace drun
