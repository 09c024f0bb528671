#pragma once

#include <functional>
#include <optional>

#include "core/DrunVar.h"

namespace drun {

// Subtotal and level behind of the current element from its predecessor.
void SpoctiElement(DrunVar& var);
// The same for any element e reached by the level `pred` (nullptr: e is the
// source), written into the two spectra given: what-if questions evaluate
// elements that are not in the path, or not with these levels.
void SpoctiUrovne(const TElementSite& e, const Spectrum* pred, Spectrum& mezisoucet, Spectrum& za);
// 10 lg n of a several-sources element (n at least 1), 0 for any other.
double KorekceViceZdroju(const TElementSite& e);
// The level behind element k evaluated from the source; the path stays as it is.
Spectrum UrovenZa(const Cesta& c, int k);
// The level behind the last element when the level `za` leaves element k and
// elements k+1..last are evaluated as PrepocitejOd would; the path stays as it is.
Spectrum UrovenNaKonci(const Cesta& c, int k, const Spectrum& za);
// Evaluates elements n..last in order, leaves n current, then result and
// difference against the requirement. n is clamped to the path.
void PrepocitejOd(DrunVar& var, int n);

// The path side of an element dialog's OK: when adding (pridat) a new element
// is inserted behind current, then the store and compute steps run on it.
// On success the element's inputs become the remembered ones.
// A compute step that fails takes a new element out again and restores a
// changed one exactly, so the path is as before; the result is then false.
bool ZadejElement(DrunVar& var, bool pridat, const std::function<void(DrunVar&)>& zapis,
                  const std::function<bool(DrunVar&)>& vypocet);
// The element a dialog describes, made as ZadejElement makes it but on a copy
// of the calculation: the path stays as it is, only the remembered inputs
// take the element's. Empty when the compute step failed.
std::optional<TElementSite> PopisElementu(DrunVar& var, bool pridat,
                                          const std::function<void(DrunVar&)>& zapis,
                                          const std::function<bool(DrunVar&)>& vypocet);

// A compute step that cannot fail, in the shape ZadejElement and the data-file
// reader take: Vzdy<VypocetHrPotrubi>.
template <void (*F)(DrunVar&)> bool Vzdy(DrunVar& var) {
    F(var);
    return true;
}

} // namespace drun
