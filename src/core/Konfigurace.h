#pragma once

#include <string>

#include "core/DrunVar.h"
#include "core/Vysledek.h"

// The two user settings in DRUN.CFG: three CR LF lines "[DRUN]", the page
// length and "TRUE"/"FALSE" for saving at exit.
namespace drun {

constexpr int MinDelkaStranky = 25;
constexpr int MaxDelkaStranky = 100;

// The defaults: page length 60, saving at exit on.
void ResetParametru(Parametry& p);

// Parses the contents of DRUN.CFG. An empty text gives the defaults silently;
// a faulty one gives the defaults and Ok == false with the message.
VysledekSouboru CtiKonfiguraciZTextu(const std::string& text, Parametry& p);
// Reads var.SouborCfg into var.parametry (a missing file: defaults, Ok).
VysledekSouboru CtiKonfiguraci(DrunVar& var);

std::string TextKonfigurace(const Parametry& p);
// Writes var.parametry to var.SouborCfg, replacing the file atomically.
VysledekSouboru ZapisKonfiguraci(const DrunVar& var);

} // namespace drun
