#pragma once

#include <string>
#include <vector>

#include "core/Vysledek.h"

// A rozvod assembled from calculation files or from a project's rooms.
namespace drun {

class Rozvod;

// Each calculation file (the silencer data from `souborTlumice`) is a path to
// its room: the room element's description, else the file's name without
// its folder and extension. A file that cannot be read or used is refused
// naming it and why, and `r` is left as it was.
VysledekSouboru SestavZeSouboru(const std::vector<std::string>& soubory,
                                const std::string& souborTlumice, Rozvod& r);
// The project's rooms with their names and requirements, each fed by its
// paths (a file named by several paths is read once); a room without a path
// is refused like a file.
VysledekSouboru SestavZProjektu(const std::string& souborProjektu, const std::string& souborTlumice,
                                Rozvod& r);

} // namespace drun
