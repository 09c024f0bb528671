#pragma once

#include <string>

#include "core/DrunVar.h"
#include "core/Platforma.h"

// Where the program's own files live, for a copy run from its build or a
// portable folder as much as for an installed one.
namespace drun {

// Folders, each ending with a separator.
struct SlozkyProgramu {
    std::string Program;  // the executable's folder
    std::string Uzivatel; // the user's configuration folder for DRUN
    std::string Data;     // the installed data folder (share/drun under the prefix)
};

// The folders for an executable in `program` and a user folder `uzivatel`;
// the data folder is found from the executable's place in the install prefix.
SlozkyProgramu Slozky(const std::string& program, const std::string& uzivatel);

// Whether DRUN.CFG and DRUN.DRN belong beside the program: its folder can be
// written and it is not an installed program (one whose silencer data is in
// the data folder and not beside it; /usr/bin is writable for root, but an
// installed program never writes there).
bool SouboryVedleProgramu(const SlozkyProgramu& s);

// DRUN.CFG and DRUN.DRN beside the program when it may write there (a portable
// copy or the build folder), otherwise in the user's folder, which is created;
// KL385216.CAD beside the program, else in the data folder.
void NastavUmisteni(DrunVar& var, const SlozkyProgramu& s, bool programZapisovatelny);

} // namespace drun
