#pragma once

#include <map>
#include <string>
#include <vector>

#include "core/Vysledek.h"
#include "io/SoucetCest.h"
#include "tools/Soucet.h"

// A building as a project: rooms, each with its requirement and the
// calculation files of the paths that end in it; the project file *.DRP and
// the overview of every room's sum against its requirement.
namespace drun {

struct MistnostProjektu {
    std::string Nazev;
    std::string Pozadavek;          // as written: a curve's name or eight levels
    std::vector<std::string> Cesty; // as written: relative to the project's folder, or absolute
};

struct Projekt {
    std::vector<MistnostProjektu> Mistnosti;
};

// The project file's bytes: UTF-8, CR LF, "[DRUN PROJEKT]", then per room
// "[MISTNOST]", "Nazev=", "Pozadavek=" and a "Cesta=" line per path, and the
// end line "[KONEC]". A room that cannot be written so (an empty or
// multi-line name, a requirement that does not read, an empty path) gets its
// Czech message and no bytes.
VysledekSouboru TextProjektu(const Projekt& p, std::string& bajty);
// Writes the project atomically; on failure the previous file is as it was.
VysledekSouboru UlozProjekt(const Projekt& p, const std::string& soubor);
// Parses a project file's bytes strictly; a damaged file is refused with a
// message naming the line, and `p` is left unchanged. A
// file without the end line (an older version's, or one cut short) is read,
// Zprava the notice that says so.
VysledekSouboru CtiProjektZTextu(const std::string& bajty, const std::string& soubor, Projekt& p);
VysledekSouboru NactiProjekt(const std::string& soubor, Projekt& p);

// Where a path as written lies: CestaNaDisku (io/SoucetCest.h), shared with
// the set file.
// A file as the project writes it: relative to the project's folder when it
// lies in or under it, absolute otherwise.
std::string CestaVProjektu(const std::string& souborProjektu, const std::string& soubor);
// The project moves to another file: its relative paths are rewritten so that
// they name the same files; absolute paths stay as written.
void PresunProjekt(Projekt& p, const std::string& z, const std::string& na);

enum class StavMistnosti { Vyhovi, Nevyhovi, Chyba };

// One room of the overview.
struct PrehledMistnosti {
    VysledekSouctu Soucet;
    int Pasmo = -1;     // the band of the smallest margin; -1 when no band has a requirement
    double Rezerva = 0; // requirement - level of the sum in that band
    std::string Cesta;  // the loudest path in that band (or the unreadable one), as written;
                        // "(bez cest)" for a room without paths, which is an error
    StavMistnosti Stav = StavMistnosti::Vyhovi;
    std::string Zprava; // the read-error message of an unreadable path
};

// Every room's sum against its requirement. Each distinct path file is read
// and evaluated once, however many rooms it feeds.
struct PrehledProjektu {
    std::vector<PrehledMistnosti> Mistnosti;    // in the project's order
    std::map<std::string, CestaSouctu> Soubory; // by the file on disk
    int Nevyhovi = 0;
    bool Chyba = false; // some path file could not be read
};
// Files in `znama` (a previous overview's) are taken from there, not read again.
PrehledProjektu SpoctiPrehled(const Projekt& p, const std::string& souborProjektu,
                              const std::string& souborTlumice,
                              const std::map<std::string, CestaSouctu>* znama = nullptr);
// The sum of a room's path ends against its requirement into r: Soucet,
// Pasmo, Rezerva and Stav (Nevyhovi when the margin is below 0). The index of
// the loudest path in that band (the first on a tie; 0 without a band).
size_t VyhodnotMistnost(const std::vector<Spectrum>& konce, const Spectrum& pozadavek,
                        PrehledMistnosti& r);
// The room's requirement as a spectrum (zeros when its text does not read).
Spectrum PozadavekMistnosti(const MistnostProjektu& m);
// The room's paths as read, named as written.
std::vector<CestaSouctu> CestyMistnosti(const PrehledProjektu& pr, const MistnostProjektu& m,
                                        const std::string& souborProjektu);
// "vyhoví", "nevyhoví", "chyba"
const char* TextStavu(StavMistnosti s);
// The NC rating of a sum as the sum's table prints it.
std::string TextNCSouctu(const Spectrum& s);

// The overview as a table: a header, a line of fields per room, then
// "Nevyhoví" and the number of rooms that fail. Numbers with one decimal.
std::vector<std::vector<std::string>> RadkyPrehledu(const Projekt& p, const PrehledProjektu& pr);
// Tab-separated, LF: what drun-protokol --projekt prints.
std::string TabulkaPrehledu(const Projekt& p, const PrehledProjektu& pr);
// The same in the results CSV's conventions, the byte-order mark first.
std::string CsvPrehledu(const Projekt& p, const PrehledProjektu& pr);
// The two of any rows in the overview's columns.
std::string TabulkaRadku(const std::vector<std::vector<std::string>>& radky);
std::string CsvRadku(const std::vector<std::vector<std::string>>& radky);

} // namespace drun
