#pragma once

#include <cstdint>
#include <string>

#include "core/Konfigurace.h"

// The calculation data file *.DRN: Windows-1250, CR LF, "[DRUN]", Akce,
// "[ZDROJ DRUNU]", one record per element (the source first), a line "0".
namespace drun {

struct DrunVar;
struct TElementSite;

// The file's bytes for the present calculation. Fails (Ok false) only when a
// text cannot be held in Windows-1250.
bool TextDat(const DrunVar& var, std::string& bajty);

// Writes the calculation to `soubor`, replacing it atomically. On success the
// saved flag is set and Zprava is the confirmation; on failure the previous
// file and the saved flag are as they were.
VysledekSouboru UlozData(DrunVar& var, const std::string& soubor);

// Rebuilds the calculation from the bytes of a data file, computing every
// element by its model. On failure the calculation is a new, empty one and
// the remembered inputs and room tables are as before.
VysledekSouboru NactiDataZTextu(DrunVar& var, const std::string& bajty);
// The largest calculation file read: an element's record has about 200 bytes,
// so some 80 000 elements, eight times the longest path ever met.
constexpr std::uintmax_t NejvetsiDatovySoubor = 16u << 20;
// Reads `soubor` (a missing or empty file is refused with its own message; a
// larger one than NejvetsiDatovySoubor, a FIFO or a device cannot be read).
// A damaged file is refused with the line where it broke and why ("Chyba při
// čtení datového souboru X, řádek 7: element typu 3: Délka: 1e300 není číslo
// od 0.1 do 100.").
VysledekSouboru NactiData(DrunVar& var, const std::string& soubor);
// The Czech message of a calculation file that cannot be used, for every
// caller: the reader's own reason, which names the file (the reason a file
// cannot be read is found; the silencer data lead when they are at fault).
std::string ZpravaCteni(const std::string& soubor, const VysledekSouboru& v, const DrunVar& var);

// One element's record as the data file holds it, for every file that carries
// elements. Appends the type code's line and the record's lines (CR LF, UTF-8)
// of e as an element of kind `kod`; nothing for a kind the table lacks.
void ZapisElement(const TElementSite& e, int kod, std::string& text);
// Reads at `pozice` of `text` (UTF-8 when jeUtf8, else Windows-1250) the record
// of an element of kind `kod` (its code's line already read) into e: kind,
// inputs, description, the spectra the file holds; `pozice` moves behind it.
// Why it cannot, naming the first value that is missing, not a number or out
// of range ("Délka: 1e300 není číslo od 0.1 do 100"), and `pozice` where it
// broke; empty when it can.
std::string CtiElement(const std::string& text, size_t& pozice, bool jeUtf8, int kod,
                       TElementSite& e);

// Whether the reader and writer know the element type.
bool ZnamyTyp(int typ);

} // namespace drun
