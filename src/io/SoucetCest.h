#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "core/Konfigurace.h"
#include "core/Soubory.h"
#include "tools/Soucet.h"

// The sum of paths at the file boundary: the end spectra of calculation files,
// the sum as a tab-separated table, and the set file *.DRS that names the
// files and the sum's requirement.
namespace drun {

// One path of the sum: a calculation file and what reading it came to.
struct CestaSouctu {
    CestaSouctu() = default;
    CestaSouctu(std::string nazev, std::string soubor)
        : Nazev(std::move(nazev)), Soubor(std::move(soubor)) {}
    std::string Nazev;  // as shown and printed
    std::string Soubor; // where it is read from
    bool Ok = false;
    KodVysledku Kod = KodVysledku::Chybi; // what reading it came to
    std::string Zprava;                   // the Czech read-error message when not Ok
    std::string Akce;
    Spectrum Konec = NulaSpektrum(); // level behind the path's last element
};

// Reads and evaluates the calculation in c.Soubor (the silencer data from
// `souborTlumice`) into c. A file that cannot be read leaves c not Ok with
// the data-file reader's message.
void NactiCestu(CestaSouctu& c, const std::string& souborTlumice);

// End spectra of the paths that were read.
std::vector<Spectrum> KonceCest(const std::vector<CestaSouctu>& cesty);

// "Soubor\tAkce\t63Hz … L(A)", a line per path, then "Součet", "Požadavek",
// "Rozdíl", "NR", "NC" ("26.7", "<15", ">70") and "RC" ("61 N"); every line
// ends in a line feed.
std::string TabulkaSouctu(const std::vector<CestaSouctu>& cesty, const VysledekSouctu& v);

// The set: the files (absolute paths) and the sum's requirement.
struct SadaSouctu {
    std::vector<std::string> Soubory;
    Spectrum Pozadavek = NulaSpektrum();
};

// The set file's bytes: UTF-8, CR LF, "[DRUN SOUCET]", one file per line
// relative to the folder of `souborSady`, "[POZADAVEK]", the requirement and
// the end line "[KONEC]".
// False when a file name cannot stand on one line.
bool TextSady(const SadaSouctu& sada, const std::string& souborSady, std::string& bajty);
// Writes the set atomically; on failure the previous file is as it was.
VysledekSouboru UlozSadu(const SadaSouctu& sada, const std::string& soubor);
// Parses a set file's bytes; the files come back absolute, resolved against
// `souborSady`'s folder. A damaged file is refused and `sada` left unchanged.
// A file without the end line (an older version's, or one cut short) is read,
// Zprava the notice that says so.
VysledekSouboru CtiSaduZTextu(const std::string& bajty, const std::string& souborSady,
                              SadaSouctu& sada);
VysledekSouboru NactiSadu(const std::string& soubor, SadaSouctu& sada);

// Shared by the set and project files.
// The largest set or project file read: a line per path, a million paths.
constexpr std::uintmax_t NejvetsiSeznam = 64u << 20;
// The line that ends a set or project file, so that one cut short is told apart.
inline constexpr char KonecSeznamu[] = "[KONEC]";
// The notice of a file without it: "Soubor <druh> <soubor> nemá na konci
// řádek [KONEC]: …"
std::string ZpravaBezKonce(const std::string& druh, const std::string& soubor);
// The absolute folder of a file.
std::filesystem::path Slozka(const std::string& soubor);
// Where a path as a set or project file names it lies: a relative one from the
// folder of the file `seznam` (from the working folder while it has none),
// normalised, without a trailing separator.
std::string CestaNaDisku(const std::string& seznam, const std::string& cesta);
// A non-empty text without line breaks, tabs or other control characters.
bool JednaRadka(const std::string& t);
// CtiTextovySoubor and ChybaRadku (core/Soubory.h) read and refuse them.
// The lines of a text file (LF or CR LF), blank lines at its end dropped.
std::vector<std::string> RadkyTextu(const std::string& text);

} // namespace drun
