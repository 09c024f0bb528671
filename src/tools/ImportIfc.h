#pragma once

#include <map>
#include <string>
#include <vector>

#include "tools/GrafSite.h"
#include "tools/Rozvod.h"

// A building model's network (GrafSite) as a rozvod: the tree of elements
// reachable from a chosen source, walked along the ports' connections in
// either direction, each element mapped to a kind DRUN computes, or left out
// and listed; what the model does not carry is listed as missing.
namespace drun {

// An element by "#number" or its GlobalId; -1 when the model holds none.
long NajdiPrvekGrafu(const GrafSite& g, const std::string& id);
// "Ventilátor PV-1 (#58, 2f9…)": how a message names an element.
std::string NazevPrvkuGrafu(const GrafSite& g, size_t p);

// A source the model holds (a fan or an air-handling unit) with the systems
// it belongs to and the terminals it reaches (refused networks reach none).
struct ZdrojGrafu {
    size_t Prvek = 0;
    std::vector<size_t> Systemy;
    std::vector<size_t> Koncove;
    std::string Chyba; // why a rozvod cannot be made from it, or empty
};
std::vector<ZdrojGrafu> ZdrojeGrafu(const GrafSite& g);
// The listing drun-protokol --ifc prints: systems, then the sources with the
// terminals each reaches.
std::string TextZdroju(const GrafSite& g);

// A terminal the source reaches: its room and flow (0 when the model has none).
struct KoncovyPrvek {
    size_t Prvek = 0;
    std::string Mistnost;
    double Prutok = 0; // m3/h
};

struct ImportIfc {
    std::string Chyba; // the refusal, naming the elements; the rest then empty
    std::vector<Usek> Useky;
    std::vector<KoncovyPrvek> Koncove;
    int Precteno = 0, VSiti = 0, Sloucenych = 0, Potrubi = 0;
    std::vector<std::string> Vynechano; // what was left out and why
    std::vector<std::string> Upraveno;  // a model's value outside its kind's range, and what stands
    std::vector<std::string> Chybi;     // "Vyústka ZUL 400x400 (úsek 3): druh vyústky"
};

// The terminals of the network from source `zdroj`, rooms named (without
// flows typed in): what the import dialog asks flows for.
ImportIfc KoncoveGrafu(const GrafSite& g, size_t zdroj);
// The rozvod from source `zdroj`; `prutoky` (m3/h by element index) stand
// for the terminals' flows the model lacks.
ImportIfc ImportujGraf(const GrafSite& g, size_t zdroj, const std::map<size_t, double>& prutoky);
// The import's report: counts read, merged, left out and why, the values missing.
std::string TextImportu(const GrafSite& g, size_t zdroj, const ImportIfc& i);

} // namespace drun
