#pragma once

#include <map>
#include <string>
#include <vector>

#include "tools/Rozvod.h"

// The flows of a rozvod carried up its tree from the rooms: every element
// that carries a flow gets the sum of the flows of the path ends it feeds.
namespace drun {

// One flow of one element that changes.
struct ZmenaPrutoku {
    int Usek = 0;       // the section's Id
    int Prvek = 0;      // its own element (1-based)
    std::string Nazev;  // what the flow is, as the kinds' table names it ("Průtok", ...)
    double Puvodni = 0; // m3/h
    double Novy = 0;    // m3/h
};

// An element whose new flows it cannot take (a velocity, a flow out of range
// or inputs its kind refuses together): left as it was.
struct NevyhoviPrutok {
    int Usek = 0, Prvek = 0;
    std::vector<ZmenaPrutoku> Prutoky; // what it would have got
    std::string Proc;                  // in Czech
};

struct VysledekPrutoku {
    std::vector<Usek> Useky;         // the sections with the new flows
    std::vector<ZmenaPrutoku> Zmeny; // in file order of sections, then elements
    std::vector<NevyhoviPrutok> Nevyhovi;
    // Rooms without an outlet at the end of any of their paths and without a
    // given flow: nothing is changed while there are some.
    std::vector<std::string> BezPrutoku;
};

// The rooms whose flow must be given: those with a path that ends without an
// outlet of its own ("Vyústka" among its section's own elements), in the
// order of their first sections.
std::vector<std::string> MistnostiBezVyustky(const std::vector<Usek>& useky);

// What a room's paths without an outlet carry now, the offer for its given
// flow: over its sections without one, the last flow their own elements hold
// (0 when none holds one).
double NynejsiPrutokMistnosti(const std::vector<Usek>& useky, const std::string& mistnost);

// Each path end's flow: the flow of the last outlet among its section's own
// elements; a room's paths without one share the room's given flow (`zadane`,
// room name -> m3/h) equally; an end without a room and without an outlet
// carries nothing. An element carrying a flow gets the sum over the ends it
// feeds (a branch: the flow before it, the sum fed by the element before it
// in its path, and the flow into its branch, the sum it feeds itself); one
// that feeds no flow is left as it is. Its description's flow follows and its
// model computes it again (a silencer from `souborTlumice`, the program's
// data file when empty; one its data cannot compute is left as it was). The
// sections (a sound structure) are only read; the levels along the paths are
// the Rozvod's to evaluate (NastavUseky).
VysledekPrutoku PrutokyPodleMistnosti(const std::vector<Usek>& useky,
                                      const std::map<std::string, double>& zadane,
                                      const std::string& souborTlumice = {});

// The changes as drun-protokol --prutoky prints them, row by row: a heading
// row, a row per change (section Id, element, its type, which flow, old, new;
// one decimal), a "Nevyhoví" row per element left as it was (Id, element,
// type, why), a "Bez průtoku" row per room without a flow, then "Změn" and
// their number.
std::vector<std::vector<std::string>> RadkyZmenPrutoku(const std::vector<Usek>& useky,
                                                       const VysledekPrutoku& v);

} // namespace drun
