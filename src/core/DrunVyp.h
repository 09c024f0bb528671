#pragma once

#include <functional>

namespace drun {

struct DrunVar;

// Subtotal and level behind of the current element from its predecessor.
void SpoctiElement(DrunVar& var);
// Evaluates elements n..last in order, leaves n current, then result and
// difference against the requirement. n is clamped to the path.
void PrepocitejOd(DrunVar& var, int n);

// The path side of an element dialog's OK: in add mode a new element is
// inserted behind current, then the store and compute steps run on it.
// On success the element's inputs become the remembered ones.
// A compute step that fails takes a new element out again and restores a
// changed one exactly, so the path is as before; the result is then false.
bool ZadejElement(DrunVar& var, const std::function<void(DrunVar&)>& zapis,
                  const std::function<bool(DrunVar&)>& vypocet);

// A compute step that cannot fail, in the shape ZadejElement and the data-file
// reader take: Vzdy<VypocetHrPotrubi>.
template <void (*F)(DrunVar&)> bool Vzdy(DrunVar& var) {
    F(var);
    return true;
}

} // namespace drun
