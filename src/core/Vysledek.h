#pragma once

#include <cstdint>
#include <string>

namespace drun {

// What an operation that can fail came to, so that each caller (a window, the
// command line, a test) can tell the kinds of failure apart.
enum class KodVysledku : std::uint8_t {
    Ok,
    Chybi,       // the file does not exist (or is empty where that cannot be)
    Poskozen,    // the file's content is not what it must be
    NelzeCist,   // the file exists but cannot be read
    NelzeZapsat, // nothing written; the previous file is as it was
    DataTlumice, // the silencer data is missing, damaged or does not cover the input
};

// The code and the Czech text for the user (empty when there is nothing to say).
struct VysledekSouboru {
    KodVysledku Kod = KodVysledku::Ok;
    std::string Zprava;
    bool Ok() const { return Kod == KodVysledku::Ok; }
};

} // namespace drun
