#pragma once

#include <string>
#include <vector>

#include "tools/Rozvod.h"

// A rozvod from calculations the engineer already has: the paths laid over
// each other from the source, sharing their sections where their elements
// are the same records.
namespace drun {

// One path: a calculation file's elements from its source to its room.
struct CestaKSestaveni {
    std::string Soubor;              // as messages name it
    std::string Mistnost;            // the room it feeds
    std::string Pozadavek;           // the room's requirement as written; may be empty
    std::vector<TElementSite> Prvky; // computed by their models
};

// Whether two elements are the same record of a data file: kind,
// description, inputs and the spectra the kind reads.
bool StejnyZaznam(const TElementSite& a, const TElementSite& b);

// The smallest tree that holds every path: path i becomes section i + 1,
// branching behind the last element it shares with the paths before it (the
// first holds the whole first path). A room element is never shared, so each
// path keeps its own end and a room of several paths is fed by several
// sections. Why nothing can be built (a path with another source than the
// first's, one that does not end in a room, none at all), naming the file, or
// empty with the sections in `useky`.
std::string SestavUseky(const std::vector<CestaKSestaveni>& cesty, std::vector<Usek>& useky);

} // namespace drun
