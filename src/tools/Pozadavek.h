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

// Some band has a limit: a requirement of zeros in every band is none.
bool MaPozadavek(const Spectrum& pozadavek);

// Sets the requirement's bands and its L(A).
void NastavPozadavek(DrunVar& var, const std::array<double, PocetPasem>& pasma);
void NastavPozadavek(Spectrum& pozadavek, const std::array<double, PocetPasem>& pasma);

// A limit L_A in dB(A) as a requirement: its bands are L_A + KorekceLimituLA
// (so that no band alone uses up the limit) and its L(A) is L_A itself, so the
// difference's L(A) is how far the result is from the limit. Limits whose
// every band is a level DRUN accepts, in steps of 0.1 dB.
constexpr std::array<double, PocetPasem> KorekceLimituLA{21, 11, 4, -2, -5, -6, -6, -4};
constexpr double LimitLAMin = UrovenMin + 6, LimitLAMax = UrovenMax - 21; // dB(A)
// The requirement of limit `la` (LimitLAMin..LimitLAMax, one decimal).
Spectrum PozadavekLA(double la);
// The limit a requirement is (bands and L(A) exactly as PozadavekLA gives
// them), or none.
std::optional<double> LimitLA(const Spectrum& pozadavek);

// The named curves a requirement may be, as CtiPozadavek reads them:
// "N10" ... "N75", then "NC15" ... "NC70".
std::vector<std::string> NazvyKrivek();

// A requirement written as text: a curve's name ("N30", "NC30"), a limit in
// dB(A) ("LA35", "LA32.5": at most one decimal) or the eight band levels
// separated by blanks, each within 0..150 dB; its bands and its L(A). Anything
// else: nullopt.
std::optional<Spectrum> PozadavekZTextu(std::string_view text);
// The same requirement's bands alone.
std::optional<std::array<double, PocetPasem>> CtiPozadavek(std::string_view text);
// The requirement's text as PozadavekZTextu reads it: the limit's or the
// curve's name when it is one exactly, otherwise the eight levels, each in the
// shortest form that reads back to the same number.
std::string TextPozadavku(const Spectrum& pozadavek);

} // namespace drun
