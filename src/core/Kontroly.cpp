#include "core/Kontroly.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "core/Cisla.h"
#include "core/Matemat.h"

namespace drun {

namespace {

constexpr double HustotaVzduchu = 1.2; // kg/m3

} // namespace

double MaxPosunKomory(double stena, double vstup, double vystup) {
    return stena - (vstup + vystup) / 2;
}

std::string ChybaKomory(const VstupyKomory& v) {
    if (v.VstupA > v.Sirka || v.VstupB > v.Vyska) return "Vstupní otvor je větší než stěna komory.";
    if (v.VystupA > v.Sirka || v.VystupB > v.Vyska)
        return "Výstupní otvor je větší než stěna komory.";
    const double maxBok = MaxPosunKomory(v.Sirka, v.VstupA, v.VystupA);
    if (v.PosunBok > maxBok)
        return "Posunutí výstupu do strany může být nejvýš " + FormatObecne(maxBok) + " mm.";
    const double maxSvisle = MaxPosunKomory(v.Vyska, v.VstupB, v.VystupB);
    if (v.PosunSvisle > maxSvisle)
        return "Svislé posunutí výstupu může být nejvýš " + FormatObecne(maxSvisle) + " mm.";
    return {};
}

ProudeniKlapky ProudeniKlapkou(const VstupyKlapky& v) {
    const double a = NaMetry(v.A, KlapRozmerMin, KlapRozmerMax);
    const double b = NaMetry(v.B, KlapRozmerMin, KlapRozmerMax);
    const double s = a * b;
    const double u = DoMezi(v.Prutok, KlapPrutokMin, KlapPrutokMax) / 3600 / s;
    const double dp = DoMezi(v.Tlak, KlapTlakMin, KlapTlakMax);
    return {s, b, u, dp / (0.5 * HustotaVzduchu * u * u)};
}

double BlokaceKlapky(const ProudeniKlapky& p, int listy) {
    if (listy == KlapJedenList && p.c > 4) return 0.68 * std::pow(p.c, -0.15) - 0.22;
    // (sqrt C - 1)/(C - 1) written without the cancellation near C = 1.
    return 1 / (std::sqrt(p.c) + 1);
}

std::string ChybaKlapky(const VstupyKlapky& v) {
    const ProudeniKlapky p = ProudeniKlapkou(v);
    if (!(p.c > 1)) return "Tlaková ztráta je pro tento průtok příliš malá.";
    if (!(BlokaceKlapky(p, v.Listy) > 0)) return "Tlaková ztráta je pro tento průtok příliš velká.";
    return {};
}

std::string ChybaTlumice(const VstupyTlumic& v) {
    if (v.Delka != std::floor(v.Delka)) return "Délka tlumiče se zadává v celých metrech.";
    if (std::find(std::begin(SirkyVlozek), std::end(SirkyVlozek), v.SirkaVlozek) ==
        std::end(SirkyVlozek))
        return "Šířka vložek tlumiče je 100, 200 nebo 300 mm.";
    return {};
}

} // namespace drun
