#pragma once

#include "core/DrunVar.h"

// The PDF of drun-protokol lives in a module of its own, loaded only for
// --pdf, so that the text and CSV protocols start without the toolkit.
// `datum` may be null (today's date as the window writes it); the result is
// the program's exit status.
extern "C" int drun_protokol_pdf(const drun::DrunVar& var, const char* datum, const char* vystup,
                                 char* argv0);

// The module's file name and the name of its entry point.
inline constexpr const char* JmenoModuluPdf = "drun-protokol-pdf.so";
inline constexpr const char* VstupModuluPdf = "drun_protokol_pdf";
