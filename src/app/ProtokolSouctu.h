#pragma once

#include <string>
#include <vector>

// drun-protokol --soucet A.DRN B.DRN … [--pozadavek …]: the sum of the
// paths' end spectra as a tab-separated table on standard output.
extern const char* const PouzitiSouctu;
// `arg` are the program's arguments (without its name); `slozka` is the
// program's folder, where the silencer data live. Returns the exit status.
int ProtokolSouctu(const std::vector<std::string>& arg, const std::string& slozka);

// Writes `text` to standard output. A write that fails (a full disk, a closed
// pipe) gets a Czech message on standard error and the exit status 1, else 0.
int VypisNaVystup(const std::string& text);
// The same status for output written otherwise: 0, or the message and 1.
int StavVypisu(bool zapsano);
