#pragma once

#include <string>

#include "core/Vysledek.h"

// The automatic save on exit: the path shown into the data file (DRUN.DRN)
// and, for a rozvod with branches, the whole rozvod beside it as a *.DRR of
// the same name. The two are written one after the other, each atomically;
// whatever moment cuts the save short, the next start finds the last whole
// state: the previous pair, or the new rozvod, whose path it writes anew.
namespace drun {

class Rozvod;
struct DrunVar;

// "…/DRUN.DRR" beside "…/DRUN.DRN".
std::string SouborRozvoduZalohy(const std::string& drn);

// The rozvod first (when given), then the path. On failure `selhal` names
// the file that could not be written and nothing after it was.
VysledekSouboru UlozZalohu(DrunVar& var, const Rozvod* rozvod, const std::string& drn,
                           std::string& selhal);

// At start: a rozvod beside drn, written after it (or as late), whose
// sections' paths do not include drn's, was saved by a save cut short before
// drn: drn becomes the path of its first room's section (as the rozvod opens).
// True when drn was written.
bool SrovnejZalohu(const std::string& drn, const std::string& souborTlumice);

} // namespace drun
