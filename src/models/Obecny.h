#pragma once

#include <array>
#include <string>

#include "core/DrunVar.h"

namespace drun {

struct ZadaniObecElementu {
    std::string Popis;
    std::array<double, PocetPasem> Utlum{};
    std::array<double, PocetPasem> VlastniDrun{};
};

// Store step of the general element into the current element.
void ZapisObecElement(DrunVar& var, const ZadaniObecElementu& z);
// Compute step: only the two L(A) values are derived.
void VypocetObecElementu(DrunVar& var);

} // namespace drun
