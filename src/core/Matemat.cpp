#include "Matemat.h"

#include <algorithm>
#include <cmath>

namespace drun {

// Qt's AVX2 routines (the fill under every widget background, the VAES
// string hash) return with the upper halves of the vector registers dirty.
// The C library then runs its AVX/FMA exp and log behind our SSE code, and on
// many processors that mix costs many times the arithmetic itself. Every
// exponential and logarithm of the program goes through Log10 and Mocnina10,
// so they clean the state first: this holds whatever ran before, whatever the
// build flags or the Qt version, and costs about a cycle per call.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
namespace {
// The instruction exists only where the processor and the system enable AVX.
const bool MaAvx = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx") != 0;
}();

// The low halves stay, but the compiler is told the registers change, so that
// it keeps nothing there across the instruction whatever it was built for.
inline void VynulujHorniPulky() {
    if (MaAvx)
        __asm__ volatile("vzeroupper" ::
                             : "xmm0", "xmm1", "xmm2", "xmm3", "xmm4", "xmm5", "xmm6", "xmm7",
                               "xmm8", "xmm9", "xmm10", "xmm11", "xmm12", "xmm13", "xmm14",
                               "xmm15");
}
} // namespace
#else
namespace {
inline void VynulujHorniPulky() {}
} // namespace
#endif

double Log10(double x) {
    VynulujHorniPulky();
    return std::log(x) / std::log(10.0);
}

double Mocnina10(double x) {
    VynulujHorniPulky();
    return std::exp(x * std::log(10.0));
}

double Interpolace(double x1, double y1, double x2, double y2, double x) {
    if (x2 - x1 == 0.0) return y1;
    return y1 + (x - x1) * (y2 - y1) / (x2 - x1);
}

double DoMezi(double x, double min, double max) {
    if (!(x >= min)) return min; // also a NaN
    return x > max ? max : x;
}

double NaMetry(double mm, double minMm, double maxMm) {
    return DoMezi(mm, minMm, maxMm) * 0.001;
}

double NaMilimetry(double metry) {
    return std::round(metry * 1000 * 1e6) / 1e6;
}

double RychlostVPrurezu(double aMm, double bMm, double prutok) {
    if (!(aMm * bMm > 0)) return HUGE_VAL;
    return prutok * 1000000 / (3600 * aMm * bMm);
}

double SoucetHladin(std::span<const double> hladiny) {
    if (hladiny.empty()) return 0;
    const double m = *std::max_element(hladiny.begin(), hladiny.end());
    if (!std::isfinite(m)) return m;
    double suma = 0; // at least 1: the largest term itself
    for (double l : hladiny)
        suma += Mocnina10(0.1 * (l - m));
    return m + 10 * Log10(suma);
}

double SoucetHladin(double l1, double l2) {
    const double m = std::max(l1, l2);
    if (!std::isfinite(m)) return m;
    return m + 10 * Log10(1 + Mocnina10(0.1 * (std::min(l1, l2) - m)));
}

} // namespace drun
