#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

// The printed protocol as the printer receives it: text lines with a 5-blank
// margin and tab-separated columns (tab stops every 8 characters); a line that
// begins with a form feed starts a new page.
namespace drun {

struct DrunVar;
struct CestaSouctu;
struct VysledekSouctu;
struct Projekt;
struct PrehledProjektu;

constexpr int TabulatorProtokolu = 8;

// Takes the protocol's lines one at a time, in order, without line ends.
using PrijemceRadku = std::function<void(const std::string&)>;

// The protocol of the evaluated calculation, paged by var.parametry.DelkaStranky,
// handed to `radek` line by line as it is made: nothing of it is kept, so a
// path of any length costs no more memory than the path itself.
// `datum` is printed as the date of the title block.
void RadkyProtokolu(const DrunVar& var, const std::string& datum, const PrijemceRadku& radek);

// The lines written to `f` as they are made, each ended by a line feed.
// False when the stream refused any of them.
bool ZapisProtokol(const DrunVar& var, const std::string& datum, std::FILE* f);

// The same lines gathered, for callers that want them all at once.
std::vector<std::string> TextProtokolu(const DrunVar& var, const std::string& datum);

// The printed page of a sum of paths: the paths (name, Akce, end spectrum and
// L(A); an unreadable one with its message), the sum, its requirement, the
// difference and the NR, under the page heading of `var` (its Akce, paged by
// its page length).
std::vector<std::string> TextProtokoluSouctu(const DrunVar& var,
                                             const std::vector<CestaSouctu>& cesty,
                                             const VysledekSouctu& v, const std::string& datum);

// The printed overview of a project: a block per room (its state, the sum's
// L(A), NR and NC, the requirement, the worst band with its margin and the
// loudest path, or the unreadable path's message), then the rooms that fail.
// `nazev` heads its first page.
std::vector<std::string> TextProtokoluProjektu(const DrunVar& var, const Projekt& p,
                                               const PrehledProjektu& pr, const std::string& datum,
                                               const std::string& nazev = "PŘEHLED MÍSTNOSTÍ "
                                                                          "PROJEKTU");

// The protocol's date, the Czech way whatever the system's language: "7.12.2026".
std::string CeskeDatum(int den, int mesic, int rok);
// Today's local date in that form.
std::string DnesniDatum();

// The lines joined by line feeds, form feeds kept: the stream a text printer gets.
std::string ProtokolJakoText(const std::vector<std::string>& radky);

} // namespace drun
