#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/DrunVar.h"
#include "io/Projekt.h"

// The report of a rozvod or a project for a client: what its summary, its
// table of end spectra and its page per path show. The numbers are the ones
// the command line prints: the rooms from the overview, each path evaluated
// as its protocol evaluates it. Drawing it is the printing code's job.
namespace drun {

class Rozvod;
struct PrehledRozvodu;

// One element of a path: the spectra its kind shows in the protocol.
struct PrvekZpravy {
    int Cislo = 0;
    std::string Nazev; // the kind, then " – " and the description when it has one
    int Mistnosti = 0; // in a rozvod, the rooms its level reaches; above 1 it is shared
    std::vector<std::pair<const char*, Spectrum>> Spektra; // caption, values
};

// One path into a room: a section of a rozvod or a calculation file of a project.
struct CestaZpravy {
    std::string Nazev; // "úsek 7", or the file as the project names it
    std::string Akce;  // a project's path file's own
    std::string Chyba; // why it has no table; empty when it has one
    std::vector<PrvekZpravy> Prvky;
    Spectrum Vysledek = NulaSpektrum(), Pozadavek = NulaSpektrum(), Rozdil = NulaSpektrum();
};

struct ObsahZpravy {
    std::string Titul; // "Zpráva o rozvodu", "Zpráva o projektu"
    std::string Akce, Soubor, Datum;
    std::string Autor;       // who made it, from the user's settings; may be empty
    bool Rozvod = true;      // the paths are sections
    Projekt Mistnosti;       // the rooms as the overview names them
    PrehledProjektu Prehled; // in the same order
    std::vector<std::vector<CestaZpravy>> Cesty; // per room, its paths
};

// The rozvod in `soubor` as the overview `p` of it sees it.
ObsahZpravy ZpravaRozvodu(const Rozvod& r, const PrehledRozvodu& p, const std::string& soubor,
                          const std::string& datum);
// The project in `soubor`: each path file read again and evaluated against
// its room's requirement, as drun-protokol prints its protocol.
ObsahZpravy ZpravaProjektu(const Projekt& p, const PrehledProjektu& pr, const std::string& soubor,
                           const std::string& souborTlumice, const std::string& datum);

// A band the requirement sets (not 0) that `uroven` exceeds: the overview's verdict.
bool Prekroceno(const Spectrum& uroven, const Spectrum& pozadavek, int pasmo);

// The summary: a header, then per room its name, paths, L(A), NR, NC, RC,
// requirement, the deciding band, the margin and the state (the overview's
// fields).
std::vector<std::vector<std::string>> SouhrnZpravy(const ObsahZpravy& z);
// "Nevyhoví 3 z 200 místností", and the rooms that could not be computed.
std::string NevyhoviZpravy(const ObsahZpravy& z);

} // namespace drun
