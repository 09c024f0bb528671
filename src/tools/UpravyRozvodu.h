#pragma once

#include <memory>
#include <string>
#include <vector>

#include "tools/Rozvod.h"

// Changes of a rozvod's structure, made on its sections as the file holds
// them. Each keeps the structure sound (ChybaStruktury finds nothing) or, where
// it can be refused, says why in Czech and changes nothing.
namespace drun {

// Own element n (1-based) of section s goes. Sections branching behind it
// branch behind the element before it; behind a section's first element,
// from where the section itself branches. A room going takes its name and
// requirement with it. Not the source.
void VypustZUseku(std::vector<Usek>& useky, size_t s, int n);

// e goes behind own element k of section s (0: first), before what follows
// it there; sections branching behind element k still leave before e.
void VlozDoPokracovani(std::vector<Usek>& useky, size_t s, int k, const TElementSite& e);

// Why no section can branch behind own element k of section s, or empty.
std::string ChybaVetve(const std::vector<Usek>& useky, size_t s, int k);
// A new empty section branching behind own element k of section s, placed
// last; its index.
size_t NovaVetev(std::vector<Usek>& useky, size_t s, int k);
// Section s (not the first) and everything branching off it go.
void OdstranVetev(std::vector<Usek>& useky, size_t s);
// A copy of section s (its own elements, its room with " (kopie)"), branching
// where s does, placed last; its index. Not the first section.
size_t KopirujUsek(std::vector<Usek>& useky, size_t s);
// Section s's room gets the name, its room element the name as its
// description; why not, or empty.
std::string PrejmenujMistnost(std::vector<Usek>& useky, size_t s, const std::string& jmeno);
// The name a room gets when its room element is added to section s: the
// element's description, else "Místnost <Id>", made unique among the rooms.
std::string JmenoNoveMistnosti(const std::vector<Usek>& useky, size_t s);
// The other section that ends in a room of that name, -1 when none does.
int UsekMistnosti(const std::vector<Usek>& useky, size_t s, const std::string& jmeno);
// The sections with the names the rooms need: a section that ends in a room
// without one gets JmenoNoveMistnosti, one that no longer ends in a room
// loses its name and requirement.
void PojmenujMistnosti(std::vector<Usek>& useky);

// A rozvod as a step of the history keeps it: the sections' inputs, their
// elements shared with the step before where a section did not change.
struct SnimekUseku {
    int Id = 0, Rodic = 0, ZaElementem = 0;
    std::string Mistnost, Pozadavek;
    std::shared_ptr<const std::vector<TElementSite>> Prvky;
    int Chybny = 0;
    bool operator==(const SnimekUseku&) const = default;
};
struct SnimekRozvodu {
    std::string Akce;
    std::vector<SnimekUseku> Useky;
    bool operator==(const SnimekRozvodu&) const = default;
};
SnimekRozvodu SejmiRozvod(const Rozvod& r, const SnimekRozvodu* predchozi = nullptr);
std::vector<Usek> UsekySnimku(const SnimekRozvodu& s);

} // namespace drun
