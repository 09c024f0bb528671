#pragma once

#include <string>
#include <vector>

// The printed protocol as the printer receives it: text lines with a 5-blank
// margin and tab-separated columns (tab stops every 8 characters); a line that
// begins with a form feed starts a new page.
namespace drun {

struct DrunVar;

constexpr int TabulatorProtokolu = 8;

// The protocol of the evaluated calculation, paged by var.parametry.DelkaStranky.
// `datum` is printed as the date of the title block.
std::vector<std::string> TextProtokolu(const DrunVar& var, const std::string& datum);

// The lines joined by line feeds, form feeds kept: the stream a text printer gets.
std::string ProtokolJakoText(const std::vector<std::string>& radky);

} // namespace drun
