#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/DrunVar.h"

namespace drun {

// Air through the face at this velocity or faster is refused by the dialog.
constexpr double MaxRychlostVyustky = 30; // m/s

// Kind of outlet: radio item, description fragment, free-area ratio, loss coefficient.
struct DruhVyustky {
    const char* Polozka;
    const char* Popis;
    double Fi;
    double Zeta;
};
// Kinds 1..7 at index 0..6; the last one (louvre) replaces the whole description.
extern const std::array<DruhVyustky, VyustPocetDruhu> DruhyVyustek;

// Mounting position: radio item, description fragment, correction K (dB).
struct UmisteniVyustky {
    const char* Polozka;
    const char* Popis;
    double K;
};
extern const std::array<UmisteniVyustky, VyustPocetUmisteni> UmisteniVyustek;

struct ZadaniVyustky {
    double A = 0, B = 0;                  // mm
    double Prutok = 0;                    // m3/h
    std::uint8_t Druh = 1;                // 1..7
    std::uint8_t Umisteni = 1;            // 1..4
    std::string TextA, TextB, TextPrutok; // as typed
};

// Store step: type 7, description, sides in mm, flow, kind and position.
void ZapisVyustku(DrunVar& var, const ZadaniVyustky& z);
// Compute step: converts the sides to metres in place, then attenuation of the
// opening and flow noise of the outlet.
void VypocetVyustky(DrunVar& var);

} // namespace drun
