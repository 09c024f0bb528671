#pragma once

#include <cstdint>
#include <string>

#include "core/Vysledek.h"

// Whole-file reading and atomic writing at the file boundary; paths are UTF-8.
namespace drun {

// The largest file a reader takes unless its format says less: far above any
// real file, far below what would exhaust the memory.
constexpr std::uintmax_t NejvetsiSoubor = 64u << 20;

// The file's bytes. Chybi: the file does not exist; NelzeCist: it exists but
// cannot be read (a folder, a FIFO or a device, no permission, a loop of
// links, an I/O error, more than `nejvic` bytes, no memory for it). Nothing
// but a regular file is opened for reading, so nothing blocks.
KodVysledku CtiSoubor(const std::string& cesta, std::string& obsah,
                      std::uintmax_t nejvic = NejvetsiSoubor);

// As CtiSoubor, but an empty file counts as missing (a file that must hold data).
KodVysledku CtiNeprazdny(const std::string& cesta, std::string& obsah,
                         std::uintmax_t nejvic = NejvetsiSoubor);

// Why CtiSoubor cannot read `cesta`, in Czech ("je to složka", "není to
// obyčejný soubor", "chybí oprávnění", "smyčka symbolických odkazů", "soubor
// je větší než 64 MB", …), found without opening it; empty when nothing is seen.
std::string DuvodNecitelnosti(const std::string& cesta, std::uintmax_t nejvic = NejvetsiSoubor);

// Why a file cannot be read or written, in Czech ("je to složka", …), from the
// C library's error code; empty when the code says nothing.
std::string DuvodChyby(int kod);
// "soubor je větší než 64 MB": a file above the reader's limit.
std::string TextVelikosti(std::uintmax_t nejvic);

// A text file's bytes; when it is missing, empty or unreadable, the message
// names it as a file of `druh` ("sady", "projektu", "dat tlumičů") and the reason.
VysledekSouboru CtiTextovySoubor(const std::string& soubor, const std::string& druh,
                                 std::string& bajty, std::uintmax_t nejvic = NejvetsiSoubor);
// A damaged text file: "Chyba při čtení souboru <druh> <soubor>, řádek N: <proc>."
VysledekSouboru ChybaRadku(const std::string& druh, const std::string& soubor, size_t radek,
                           const std::string& proc);

// Why `soubor` cannot be written, as far as can be seen before writing it (its
// folder missing or not writable, a folder in its place, a read-only file);
// empty otherwise.
std::string DuvodNelzeZapsat(const std::string& soubor);

// Removes the leftovers of interrupted saves (".NAME.ukladani-XXXXXX") in
// `slozka` that are older than a minute and that no running DRUN holds.
void UklidDocasne(const std::string& slozka);

// Writes the bytes to a temporary file in the target's folder, flushes it to
// the disk and renames it over the target, so a failure leaves the previous
// file as it was. A new file gets the user's default permissions, a replaced
// one keeps its own; the folder is flushed after the rename. A link is written
// through to its target; a read-only target is a failure. False on any
// failure (the temporary file is removed); a success also removes what
// interrupted saves of the same target left (".NAME.ukladani-XXXXXX") and,
// as UklidDocasne, the older leftovers of other files in its folder.
bool ZapisAtomicky(const std::string& cesta, const std::string& obsah);

} // namespace drun
