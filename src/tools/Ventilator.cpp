#include "tools/Ventilator.h"

#include <cmath>

#include "core/Cisla.h"
#include "core/Matemat.h"

namespace drun {

namespace {

constexpr double Pi = 3.14159265358979323846;
// The blade-passing tone of an axial fan with guide vanes.
constexpr double TonLopatek = 4; // dB

struct Konstanty {
    DruhVentilatoru Druh;
    std::string_view Nazev;
    double LWS; // specific sound power, dB
    double C3;  // where the spectrum peaks on the Strouhal axis
    // Correction for running off the best point: a + b x + c x^2 + d x^3, x = V/V_opt.
    std::array<double, 4> Mimo;
};
constexpr std::array<Konstanty, 3> Druhy{{
    {DruhVentilatoru::RR, "RR", 34, 0.40, {18.9, -46.6, 33.0, -5.2}},
    {DruhVentilatoru::T, "T", 36, 0.15, {1.5, -0.453, -7.05, 6.11}},
    {DruhVentilatoru::AM, "AM", 42, -0.60, {18.9, -46.6, 33.0, -5.2}},
}};

const Konstanty& KonstantyDruhu(DruhVentilatoru d) {
    for (const Konstanty& k : Druhy)
        if (k.Druh == d) return k;
    return Druhy[0];
}

bool MimoMez(double x, double min, double max) {
    return !(x >= min && x <= max);
}

std::string Rozsah(const char* co, double min, double max, const char* jednotka) {
    return std::string(co) + " musí být " + FormatObecne(min) + " až " + FormatObecne(max) +
           jednotka + ".";
}

} // namespace

std::optional<DruhVentilatoru> CtiDruhVentilatoru(std::string_view text) {
    for (const Konstanty& k : Druhy)
        if (k.Nazev == text) return k.Druh;
    return std::nullopt;
}

std::string_view NazevDruhuVentilatoru(DruhVentilatoru druh) {
    return KonstantyDruhu(druh).Nazev;
}

std::string ChybaVentilatoru(const VstupyVentilatoru& v) {
    if (MimoMez(v.Prutok, VentPrutokMin, VentPrutokMax))
        return Rozsah("Průtok", VentPrutokMin, VentPrutokMax, " m3/h");
    if (MimoMez(v.Tlak, VentTlakMin, VentTlakMax))
        return Rozsah("Celkový tlak", VentTlakMin, VentTlakMax, " Pa");
    if (MimoMez(v.Otacky, VentOtackyMin, VentOtackyMax))
        return Rozsah("Otáčky", VentOtackyMin, VentOtackyMax, " min⁻¹");
    if (MimoMez(v.Pomer, VentPomerMin, VentPomerMax))
        return Rozsah("Poměr V/V_opt", VentPomerMin, VentPomerMax, "");
    if (v.Lopatek && (*v.Lopatek < VentLopatekMin || *v.Lopatek > VentLopatekMax))
        return Rozsah("Počet lopatek", VentLopatekMin, VentLopatekMax, "");
    return {};
}

OdhadVentilatoru OdhadniVentilator(const VstupyVentilatoru& v) {
    const Konstanty& k = KonstantyDruhu(v.Druh);
    OdhadVentilatoru o;
    o.LW = k.LWS + 10 * Log10(v.Prutok / 3600) + 20 * Log10(v.Tlak);
    const double x = v.Pomer;
    const double mimo = k.Mimo[0] + x * (k.Mimo[1] + x * (k.Mimo[2] + x * k.Mimo[3]));
    for (int i = 0; i < PocetPasem; ++i) {
        const double st = 60 * StredniKmitocty[static_cast<size_t>(i)] / (Pi * v.Otacky);
        const double y = Log10(st) + k.C3;
        o.Pasma[i] = o.LW - 5 - 5 * y * y + mimo;
    }
    // A band below 0 dB (a tiny fan far off its best point) is none at all.
    for (int i = 0; i < PocetPasem; ++i)
        if (o.Pasma[i] < 0) o.Pasma[i] = 0;
    if (v.Druh == DruhVentilatoru::AM && v.Lopatek) {
        // The band nearest to the blade-passing frequency on a log scale.
        const double lgTon = Log10(v.Otacky * *v.Lopatek / 60);
        int nejblizsi = 0;
        for (int i = 1; i < PocetPasem; ++i)
            if (std::abs(Log10(StredniKmitocty[static_cast<size_t>(i)]) - lgTon) <
                std::abs(Log10(StredniKmitocty[static_cast<size_t>(nejblizsi)]) - lgTon))
                nejblizsi = i;
        o.Pasma[nejblizsi] += TonLopatek;
    }
    SpoctiLA(o.Pasma);
    return o;
}

std::string PopisOdhaduVentilatoru(DruhVentilatoru druh, const std::string& prutok,
                                   const std::string& tlak, const std::string& otacky,
                                   const std::string& pomer, const std::string& lopatek) {
    std::string t = std::string(ZacatekPopisuOdhadu) + std::string(NazevDruhuVentilatoru(druh)) +
                    ", " + prutok + "m3/hod, " + tlak + "Pa, " + otacky + "ot/min";
    if (!pomer.empty()) t += ", V/Vopt " + pomer;
    if (!lopatek.empty()) t += ", " + lopatek + " lopatek";
    return t;
}

} // namespace drun
