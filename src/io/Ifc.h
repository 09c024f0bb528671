#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/Vysledek.h"
#include <map>

#include "tools/GrafSite.h"
#include "tools/ImportIfc.h"

// Building models as ISO 10303-21 text (*.ifc, IFC2X3, IFC4, IFC4X3): the
// whole file parsed strictly into entity instances, then the duct network's
// elements, ports, connections, systems and spaces read into a GrafSite with
// every size in the graph's units. Everything else is checked but not read.
namespace drun {

// The largest model read.
constexpr std::uintmax_t NejvetsiIfc = std::uintmax_t(512) << 20;

// The floor of reading: the entity instances of the data section counted,
// splitting at each ';' outside strings and comments, nothing inside checked.
// -1 when the text is no exchange file.
long long PocetEntitIfc(std::string_view text);
// The reader's own first stage: the file split into entities and checked,
// their references collected, nothing interpreted; the number of entities,
// -1 when it is refused.
long long RozdelIfc(std::string_view text);

// Parses the bytes strictly; a damaged file ("řádek 812: neukončený řetězec"),
// one cut short, or one referring to an entity it does not hold is refused
// with the line and why, and `g` is left unchanged.
VysledekSouboru CtiIfcZTextu(std::string_view text, const std::string& soubor, GrafSite& g);
VysledekSouboru NactiIfc(const std::string& soubor, GrafSite& g);

// ImportujGraf, every element's description made one the rozvod's file holds
// (a character Windows-1250 lacks as "?").
ImportIfc ImportujIfc(const GrafSite& g, size_t zdroj, const std::map<size_t, double>& prutoky);

// The terminals' flows of a CSV file "Koncový prvek;Průtok" (m3/h; a header
// line of that text may open it): each terminal of `koncove` named by its
// GlobalId, its #number, or its name where no other terminal has it. A line
// naming no terminal, a name shared by several, a flow that is no positive
// number is refused with its line and why.
VysledekSouboru CtiPrutokyIfc(const std::string& soubor, const GrafSite& g,
                              const std::vector<KoncovyPrvek>& koncove,
                              std::map<size_t, double>& prutoky);
VysledekSouboru CtiPrutokyIfcZTextu(std::string_view text, const std::string& soubor,
                                    const GrafSite& g, const std::vector<KoncovyPrvek>& koncove,
                                    std::map<size_t, double>& prutoky);

} // namespace drun
