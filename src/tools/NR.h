#pragma once

#include <array>
#include <string>

#include "core/DrunVar.h"

// Noise-rating (NR) of an octave spectrum: the N curves as a formula,
// L = A + B*N per band, so that any N (not only the tabulated ones) has a curve.
namespace drun {

constexpr std::array<double, PocetPasem> NRKoefA{35.5, 22.0, 12.0, 4.8, 0.0, -3.5, -6.1, -8.0};
constexpr std::array<double, PocetPasem> NRKoefB{0.790, 0.870, 0.930, 0.974,
                                                 1.000, 1.015, 1.025, 1.030};

struct HodnoceniNR {
    double N = 0;  // to one decimal
    int Pasmo = 0; // band index 0..7 that decides it
};

// The smallest N (one decimal) whose curve lies on or above the spectrum in
// every band. Only bands 1..8 count. Of bands that decide equally the lowest
// one is named. A spectrum below N0 everywhere gets 0 or a negative rating.
HodnoceniNR SpoctiNR(const Spectrum& s);

// The N curve for any N, with its L(A).
Spectrum NKrivka(double n);

// Rounds up to one decimal; a value that is a tenth up to floating-point
// noise stays (30.000000000000004 -> 30.0, not 30.1).
double NahoruNaDesetiny(double x);

// NC curves NC15, NC20, ... NC70, band levels 63 Hz .. 8 kHz as tabulated.
constexpr int PocetNCKrivek = 12;
constexpr int NCMin = 15, NCMax = 70, NCKrok = 5;
constexpr std::array<std::array<double, PocetPasem>, PocetNCKrivek> NCKrivky{{
    {47, 36, 28, 22, 18, 14, 12, 11},
    {50, 40, 33, 26, 22, 20, 17, 16},
    {54, 44, 37, 31, 27, 24, 22, 22},
    {57, 48, 41, 35, 32, 29, 28, 27},
    {60, 52, 45, 40, 36, 34, 33, 32},
    {64, 56, 50, 44, 41, 39, 38, 37},
    {67, 60, 54, 49, 46, 44, 43, 42},
    {71, 64, 58, 54, 51, 49, 48, 47},
    {74, 67, 62, 58, 56, 54, 53, 52},
    {77, 71, 66, 63, 60, 59, 58, 57},
    {80, 75, 71, 68, 65, 64, 63, 62},
    {84, 79, 75, 72, 71, 70, 68, 68},
}};
// index 0..11 -> 15..70
constexpr int CisloNCKrivky(int index) {
    return NCMin + NCKrok * index;
}

struct HodnoceniNC {
    double NC = 0; // to one decimal, also below 15 and above 70
    int Pasmo = 0; // band index 0..7 that decides it
};

// Per band the NC at which that band's curve passes through its level,
// linear between the tabulated curves (outside them along the outermost
// pair); the largest of the bands, rounded up to one decimal as the N
// rating is. Of bands that decide equally the lowest one is named.
HodnoceniNC SpoctiNC(const Spectrum& s);
// The NC curve for any NC (between and beyond the tabulated ones), with L(A).
Spectrum NCKrivka(double nc);
// "26.7", "<15", ">70"
std::string TextNC(const HodnoceniNC& h);
// "NC 26.7", "NC < 15", "NC > 70"
std::string PopisNC(const HodnoceniNC& h);

// Balance rating: RC is the mean of 500, 1000 and 2000 Hz rounded to a whole
// number (a half upwards); the reference curve falls 5 dB per octave through
// RC at 1 kHz. Tag 'R' (rumble) when 63..500 Hz lies more than 5 dB above the
// curve, else 'H' (hiss) when 1..8 kHz lies more than 3 dB above, else 'N'.
struct HodnoceniRC {
    double RC = 0; // a whole number (kept as double: extreme levels must not overflow)
    char Znacka = 'N';
    int Pasmo = 0;       // band furthest above the curve (lowest on a tie)
    double Prebytek = 0; // its level minus the curve, may be negative
};
HodnoceniRC SpoctiRC(const Spectrum& s);
// The reference curve of an RC value (bands only, L(A) computed).
Spectrum RCKrivka(double rc);
// "61 N"
std::string TextRC(const HodnoceniRC& h);
// "RC 61 (N)"
std::string PopisRC(const HodnoceniRC& h);

} // namespace drun
