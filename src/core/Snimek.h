#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/DrunVar.h"

// What a calculation file holds, taken as one value: the path and Akce. Steps of the history keep
// two of them.
namespace drun {

struct SnimekVypoctu {
    // Elements a step left unchanged are shared with the snapshot before it,
    // so a long path costs little per step.
    std::vector<std::shared_ptr<const TElementSite>> Prvky;
    std::string Akce;
};

// The inputs of an element: what its dialog or the data file gave it. The
// evaluation's outputs (subtotal, level behind) follow from them.
bool StejneVstupy(const TElementSite& a, const TElementSite& b);

// The calculation as it is now; elements equal to those of `predchozi` are shared with it.
SnimekVypoctu Sejmi(const DrunVar& var, const SnimekVypoctu* predchozi = nullptr);
// Puts the snapshot back: path (current := aktualni) and Akce.
void Obnov(DrunVar& var, const SnimekVypoctu& s, int aktualni);
// Number of the first element whose inputs differ between the path and the
// snapshot (one past the shorter when one is the other's beginning); 0 when
// the elements are the same.
int PrvniZmena(const Cesta& cesta, const SnimekVypoctu& s);

} // namespace drun
