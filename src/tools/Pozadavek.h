#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

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

// A requirement written as text: an N curve's name ("N30") or the eight band
// levels separated by blanks, each within 0..150 dB. Anything else: nullopt.
std::optional<std::array<double, PocetPasem>> CtiPozadavek(std::string_view text);
// The requirement's text as CtiPozadavek reads it: the curve's name when the
// bands are exactly a tabulated curve, otherwise the eight levels, each in the
// shortest form that reads back to the same number.
std::string TextPozadavku(const Spectrum& pozadavek);

} // namespace drun
