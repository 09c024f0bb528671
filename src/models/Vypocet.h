#pragma once

#include <string>
#include <vector>

#include "core/DrunVar.h"

namespace drun {

// The compute step of the current element's kind: its attenuation and
// self-noise from its inputs. False when the model refused the inputs (only a
// silencer its data cannot compute); the element is then as before.
bool SpoctiPrvek(DrunVar& var);
// e computed by its model alone, on var's path made of the source and it
// (var gives the silencer data); false when the model refuses it.
bool SpoctiSamotny(DrunVar& var, TElementSite& e);

// Whether the air in the element's section is slower than its dialog admits
// (every kind without such a limit: true).
bool RychlostVMezich(const VstupyElementu& v);

// The texts of a kind's inputs as typed, in the table's order without the
// description (a band row counts as one, its text unused).
using TextyVstupu = std::vector<std::string>;
// The description a table-built dialog composes ("" for the kinds whose
// dialogs compose their own).
std::string PopisVstupu(const VstupyElementu& v, const TextyVstupu& texty);
// The store step of a table-built dialog: the current element becomes v's
// kind with these inputs and the description from the texts.
void ZapisPrvek(DrunVar& var, const VstupyElementu& v, const TextyVstupu& texty);

} // namespace drun
