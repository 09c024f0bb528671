#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/DrunVar.h"

namespace drun {

constexpr int PocetNKrivek = 14;
// N10, N15, ... N75, band values 63 Hz .. 8 kHz, as tabulated (one decimal).
extern const std::array<std::array<double, PocetPasem>, PocetNKrivek> NKrivky;
// "N10" ... "N75"
int CisloNKrivky(int index); // index 1..14 -> 10..75

// Sets the requirement's bands and its L(A).
void NastavPozadavek(DrunVar& var, const std::array<double, PocetPasem>& pasma);
void NastavPozadavek(Spectrum& pozadavek, const std::array<double, PocetPasem>& pasma);

// The named curves a requirement may be, as CtiPozadavek reads them:
// "N10" ... "N75", then "NC15" ... "NC70".
std::vector<std::string> NazvyKrivek();

// A requirement written as text: a curve's name ("N30", "NC30") or the eight band
// levels separated by blanks, each within 0..150 dB. Anything else: nullopt.
std::optional<std::array<double, PocetPasem>> CtiPozadavek(std::string_view text);
// The requirement's text as CtiPozadavek reads it: the curve's name when the
// bands are exactly a tabulated curve, otherwise the eight levels, each in the
// shortest form that reads back to the same number.
std::string TextPozadavku(const Spectrum& pozadavek);

} // namespace drun
