#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/DrunVar.h"

// Catalogue entries, the JSON file that keeps them and their CSV form (the
// file a spreadsheet reads and writes).
namespace drun {

// The two kinds of entries; the index into a catalogue's two lists.
enum DruhKatalogu : int { KatalogZdroj = 0, KatalogElement = 1 };
constexpr int PocetDruhuKatalogu = 2;
// The kind's word in the first column of a CSV line: "Zdroj drunu", "Obecný element".
extern const std::array<const char*, PocetDruhuKatalogu> NazvyDruhuKatalogu;

// One named entry. A source keeps its sound power in VlastniDrun, as the
// source element does; its Utlum stays zero.
struct PolozkaKatalogu {
    std::string Nazev;
    std::array<double, PocetPasem> Utlum{};
    std::array<double, PocetPasem> VlastniDrun{};
    bool operator==(const PolozkaKatalogu&) const = default;
};
using SeznamKatalogu = std::array<std::vector<PolozkaKatalogu>, PocetDruhuKatalogu>;

// The name as stored: blanks around it dropped.
std::string UpravNazev(const std::string& nazev);
// Empty when the entry can be stored; otherwise the Czech reason. The name
// must be a non-empty line a data file can carry (it becomes a description),
// every value lie within min..max.
std::string ChybaPolozky(const PolozkaKatalogu& p, double min, double max);

// The catalogue file: JSON, UTF-8, the two lists "zdroje" and "elementy",
// entries in the lists' order, four blanks of indentation.
std::string KatalogDoJson(const SeznamKatalogu& katalog);

struct JsonKatalogu {
    // Empty: the file was read; otherwise why none of it could be ("chyba na
    // řádku 3: ...").
    std::string Chyba;
    SeznamKatalogu Polozky; // the good entries, in the file's order
    // One per entry left out, with its line ("řádek 12: ..."), in file order.
    std::vector<std::string> Vynechane;
};
// Reads what KatalogDoJson writes. An entry that is not whole, not valid
// (ChybaPolozky), whose name has blanks around it or repeats an earlier name of
// its kind is left out and reported; the others are kept. Keys it does not
// know are passed over.
JsonKatalogu KatalogZJson(std::string_view json, double min, double max);

// UTF-8 with a byte-order mark, ';' between cells, decimal comma, CR LF; the
// first line names the columns. Values are written exactly (read back equal).
std::string KatalogDoCsv(const SeznamKatalogu& katalog);

struct RadekKatalogu {
    int Druh = KatalogZdroj;
    PolozkaKatalogu Polozka;
    int CisloRadku = 0;
};
// A line that was skipped: its number and the whole message ("Řádek 4: ...").
struct ChybnyRadek {
    int Radek = 0;
    std::string Text;
};
ChybnyRadek ChybaNaRadku(int radek, const std::string& proc);

struct CsvKatalogu {
    bool Ok = false;    // false: not a catalogue file at all, Zprava says why
    std::string Zprava; // Czech
    std::vector<RadekKatalogu> Polozky;
    std::vector<ChybnyRadek> Chyby; // one per skipped line, in file order
};
// The order of names in a list (the user's language); byte order when empty.
using PoradiNazvu = std::function<bool(const std::string&, const std::string&)>;
// Imported entries added to lists kept in `poradi`: a name not there yet is
// added once; one already there keeps its values, and when the imported ones
// differ its line is reported in `chyby`. Returns how many were added.
int PridejDoKatalogu(SeznamKatalogu& k, const std::vector<RadekKatalogu>& polozky,
                     std::vector<ChybnyRadek>& chyby, const PoradiNazvu& poradi);

// Reads what KatalogDoCsv writes and what a spreadsheet saves from it: with or
// without the byte-order mark, UTF-8 or Windows-1250, quoted cells, a decimal
// comma or point, LF or CR LF. Empty lines are skipped silently.
CsvKatalogu KatalogZCsv(const std::string& obsah, double min, double max);

} // namespace drun
