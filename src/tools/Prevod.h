#pragma once

#include <array>

#include "core/DrunVar.h"

// A spectrum turned into one frequency-weighted total: L(A), L(B) or L(C).
namespace drun {

// B and C weightings at the octave centres, rounded to 0.1 dB; the ninth
// entry keeps the shape of the A table and is never read.
inline constexpr std::array<double, 9> VahaB{-9.3, -4.2, -1.3, -0.3, 0.0, -0.1, -0.7, -2.9, 0.0};
inline constexpr std::array<double, 9> VahaC{-0.8, -0.2, 0.0, 0.0, 0.0, -0.2, -0.8, -3.0, 0.0};

// In the order of the tool's choice: 0 L(A), 1 L(B), 2 L(C).
enum Vazeni : int { VazeniA = 0, VazeniB = 1, VazeniC = 2 };
constexpr int PocetVazeni = 3;

// The levels the tool accepts, dB.
constexpr double MinHladinaPrevodu = 0;
constexpr double MaxHladinaPrevodu = 150;

// The table and the name ("L(A)" ...) of a weighting; an unknown one means A.
const std::array<double, 9>& VahaPrevodu(int vazeni);
const char* NazevPrevodu(int vazeni);

// 10 lg sum 10^(0.1 (L_i + K_i)) over the eight bands.
double PrevedNaLx(const std::array<double, PocetPasem>& hladiny, int vazeni);

} // namespace drun
