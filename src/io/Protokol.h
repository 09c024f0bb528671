#pragma once

#include <string>
#include <vector>

// The printed protocol as the printer receives it: text lines with a 5-blank
// margin and tab-separated columns (tab stops every 8 characters); a line that
// begins with a form feed starts a new page.
namespace drun {

struct DrunVar;
struct CestaSouctu;
struct VysledekSouctu;

constexpr int TabulatorProtokolu = 8;

// The protocol of the evaluated calculation, paged by var.parametry.DelkaStranky.
// `datum` is printed as the date of the title block.
std::vector<std::string> TextProtokolu(const DrunVar& var, const std::string& datum);

// The printed page of a sum of paths: the paths (name, Akce, end spectrum and
// L(A); an unreadable one with its message), the sum, its requirement, the
// difference and the NR, under the page heading of `var` (its Akce, paged by
// its page length).
std::vector<std::string> TextProtokoluSouctu(const DrunVar& var,
                                             const std::vector<CestaSouctu>& cesty,
                                             const VysledekSouctu& v, const std::string& datum);

// The lines joined by line feeds, form feeds kept: the stream a text printer gets.
std::string ProtokolJakoText(const std::vector<std::string>& radky);

} // namespace drun
