#pragma once

#include <string>

#include "core/Vysledek.h"

// Whole-file reading and atomic writing at the file boundary; paths are UTF-8.
namespace drun {

// The file's bytes. Chybi: the file does not exist; NelzeCist: it exists but
// cannot be read (a folder, no permission, an I/O error).
KodVysledku CtiSoubor(const std::string& cesta, std::string& obsah);

// As CtiSoubor, but an empty file counts as missing (a file that must hold data).
KodVysledku CtiNeprazdny(const std::string& cesta, std::string& obsah);

// Writes the bytes to a temporary file in the target's folder, flushes it to
// the disk and renames it over the target, so a failure leaves the previous
// file as it was. A new file gets the user's default permissions, a replaced
// one keeps its own; the folder is flushed after the rename. A link is written
// through to its target; a read-only target is a failure. False on any
// failure (the temporary file is removed); a success also removes what
// interrupted saves of the same target left (".NAME.ukladani-XXXXXX").
bool ZapisAtomicky(const std::string& cesta, const std::string& obsah);

} // namespace drun
