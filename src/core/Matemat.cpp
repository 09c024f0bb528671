#include "Matemat.h"

#include <cmath>

namespace drun {

double Log10(double x) { return std::log(x) / std::log(10.0); }

double Mocnina10(double x) { return std::exp(x * std::log(10.0)); }

double SoucetHladin(std::span<const double> hladiny) {
    if (hladiny.empty()) return 0;
    double max = hladiny[0];
    for (double l : hladiny) max = std::fmax(max, l);
    double suma = 0;
    for (double l : hladiny) suma += Mocnina10(0.1 * (l - max));
    return max + 10 * Log10(suma);
}

double Interpolace(double x1, double y1, double x2, double y2, double x) {
    if (x2 - x1 == 0.0) return y1;
    return y1 + (x - x1) * (y2 - y1) / (x2 - x1);
}

double DoMezi(double x, double min, double max) {
    if (!(x >= min)) return min; // also a NaN
    return x > max ? max : x;
}

double NaMilimetry(double metry) {
    return std::round(metry * 1000 * 1e6) / 1e6;
}

double RychlostVPrurezu(double aMm, double bMm, double prutok) {
    if (!(aMm * bMm > 0)) return HUGE_VAL;
    return prutok * 1000000 / (3600 * aMm * bMm);
}

}  // namespace drun
