#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/Vysledek.h"
#include "io/Projekt.h"

// The rozvod's file *.DRR: UTF-8, CR LF, "[DRUN ROZVOD]", "Akce=", then per
// section "[USEK]", "Id=", "Rodic=", "Za elementem=" (not on the first),
// "Mistnost=" (when it ends in a room), "Pozadavek=" (optional, only with a
// room), its elements as the data file's records and a line "0"; the end line
// "[KONEC]", so that a file cut short between sections is told apart. And the
// overview of its rooms in the project's table.
namespace drun {

class Rozvod;
struct DrunVar;

// The largest rozvod file read: an element's record has about 200 bytes, so
// some 160 000 elements.
constexpr std::uintmax_t NejvetsiRozvod = 32u << 20;

// The file's bytes; a rozvod that could not be read back (its structure, a
// name or Akce the file cannot hold) gets the Czech message and no bytes.
VysledekSouboru TextRozvodu(const Rozvod& r, std::string& bajty);
// Writes the rozvod atomically; on failure the previous file is as it was.
VysledekSouboru UlozRozvod(const Rozvod& r, const std::string& soubor);
// Parses the bytes strictly and evaluates the rozvod, each element computed
// by its model (a silencer from `souborTlumice`; one its data cannot compute
// is no damage: its sections' paths are marked). A damaged file is refused
// with a message naming the line and why, and `r` is left unchanged. A file
// without the end line (an older version's, or one cut short) is read, Zprava
// the notice that says so (ZpravaBezKonce).
VysledekSouboru CtiRozvodZTextu(const std::string& bajty, const std::string& soubor,
                                const std::string& souborTlumice, Rozvod& r);
VysledekSouboru NactiRozvod(const std::string& soubor, const std::string& souborTlumice, Rozvod& r);

// The rooms of a rozvod as a project's overview: a room per line in the order
// of its first section, its sections named "úsek <Id>".
struct PrehledRozvodu {
    Projekt Mistnosti;
    PrehledProjektu Prehled;
    int Chyb = 0; // rooms that could not be computed
};
PrehledRozvodu SpoctiPrehledRozvodu(const Rozvod& r);
// The project's table of it, then "Chyba" and their number when some room
// could not be computed; tab-separated, or CSV.
std::string TabulkaRozvodu(const PrehledRozvodu& p, bool csv);
// "úsek 7"
std::string NazevUseku(int id);
// A section whose path holds a silencer that cannot be computed: why (the
// data's refusal, or inputs outside them) and "Tlumič na cestě úseku <id>
// nelze spočítat."
std::string ZpravaTlumiceUseku(const std::string& souborTlumice, int id);

// Section u's path as a calculation of its own, not yet evaluated: Akce, its
// elements, and its room's requirement (none for a section without a room or
// a room without one).
void NastavCestuUseku(const Rozvod& r, size_t u, DrunVar& var);
// The same evaluated, as its protocol (--rozvod --usek) and the report see it.
void SpoctiCestuUseku(const Rozvod& r, size_t u, DrunVar& var);
// The printed overview (var gives the page set-up), then each room's
// protocol: the protocol of each of its sections' paths with the room's
// requirement, each from a new page. A path that cannot be computed has none:
// the overview says why.
std::vector<std::string> TextProtokoluRozvodu(const Rozvod& r, const PrehledRozvodu& p,
                                              const DrunVar& var, const std::string& datum);

} // namespace drun
