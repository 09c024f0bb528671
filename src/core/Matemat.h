#pragma once

#include <span>

// Small numeric helpers used by every model.
namespace drun {

double Log10(double x);     // x > 0 is the caller's duty
double Mocnina10(double x); // 10^x
// Straight line through (x1,y1),(x2,y2) evaluated at x; no clamping.
// Equal abscissae give y1.
double Interpolace(double x1, double y1, double x2, double y2, double x);
// x forced into [min, max]; a NaN becomes min.
double DoMezi(double x, double min, double max);
// A size typed in millimetres as the models compute with it: in metres, and
// taken at the nearest limit of [minMm, maxMm] first, since only a damaged
// element holds a value outside it and no logarithm may see 0 or less.
double NaMetry(double mm, double minMm, double maxMm);
// A size kept in metres back in millimetres, without the conversion's
// rounding noise (0.051 m shows as 51 mm, not 51.00000000000001).
double NaMilimetry(double metry);
// Air velocity in m/s of a flow in m3/h through an a x b mm cross-section.
// No cross-section cannot carry any air: it counts as infinitely fast.
double RychlostVPrurezu(double aMm, double bMm, double prutok);
// Energetic sum 10 lg (10^(L1/10) + 10^(L2/10) + ...) of levels in dB. The
// largest level is factored out, so every finite level gives a finite sum
// (8000 dB included). No levels: 0.
double SoucetHladin(std::span<const double> hladiny);
double SoucetHladin(double l1, double l2);

} // namespace drun
