#include "models/Oblouk.h"

#include <array>
#include <cmath>

#include "core/Matemat.h"

namespace drun {

namespace {

using RadekPasem = std::array<double, PocetPasem>;

// Attenuation rows by the smaller side: <= 0.225, <= 0.45, <= 0.9, above (m).
constexpr std::array<double, 3> MezeDmin{0.225, 0.45, 0.9};

constexpr std::array<RadekPasem, 4> UtlumSPlechy{{
    {0, 0, 0, 0, 1, 2, 3, 3},
    {0, 0, 0, 1, 2, 3, 3, 3},
    {0, 0, 1, 2, 3, 3, 3, 3},
    {0, 1, 2, 3, 3, 3, 3, 3},
}};

constexpr std::array<RadekPasem, 4> UtlumBezPlechu{{
    {0, 0, 0, 2, 9, 7, 5, 5},
    {0, 0, 2, 9, 7, 5, 5, 5},
    {0, 2, 9, 7, 5, 5, 5, 5},
    {2, 9, 7, 5, 5, 5, 5, 5},
}};

constexpr int BodyStrouhal = 18;
constexpr int TridyRychlosti = 22;

// Row 0 is the Strouhal grid; row K is the normalised flow noise L* (dB) of
// velocity-ratio class K at those grid points.
constexpr std::array<std::array<double, BodyStrouhal>, TridyRychlosti + 1> TabulkaHluku{{
    {0.5, 1, 1.5, 2, 3, 4, 6, 8, 10, 15, 20, 30, 40, 60, 80, 100, 150, 200},
    {13, 9, 6, 3, -0.5, -3, -7, -10.5, -13, -18, -22, -27, -30.5, -36, -40, -44, -51, -58},
    {16.5, 12, 9, 7, 3, 0, -3.5, -7, -9.5, -13.5, -17.5, -22.5, -26, -32, -36, -40, -46, -52},
    {18, 14.5, 12, 9.5, 6, 3, -0.5, -3, -5.5, -10, -14, -19, -22.5, -27, -32, -35, -41, -47},
    {20.5, 17, 14, 12, 8.5, 6.5, 2.5, -0.5, -3, -7.5, -11, -15.5, -20, -25, -28, -32, -37.5, -42.5},
    {22, 18, 15.5, 13.5, 10.5, 8, 5, 2, -1, -5, -8, -13, -16.5, -22, -25, -28, -35, -39},
    {23.5, 20, 18, 15.5, 12.5, 10.5, 7, 4, 2, -2.5, -5.5, -10.5, -13.5, -18, -22, -25, -31, -35},
    {25, 22, 20, 17.5, 14.5, 12, 8, 6, 3.5, -0.5, -3, -8, -11.5, -16, -20, -23, -28, -32},
    {26, 23, 21, 18.5, 15.5, 13, 10, 7.5, 5.5, 2, -2, -6, -9.5, -14, -17.5, -20, -26, -30},
    {27, 24, 22, 20, 17, 15, 12, 9, 7, 3, 0, -4.5, -7.5, -12, -15.5, -18, -24, -27.5},
    {28, 25.5, 23, 22, 18, 16, 13, 10.5, 8, 5, 2, -3, -5.5, -10, -13, -16.5, -21.5, -25},
    {29, 27, 24.5, 22.5, 20, 18, 14.5, 12, 10, 7, 3, -1, -3.5, -8, -11.5, -14, -18.5, -22.5},
    {30, 27.5, 25, 23, 21, 18.5, 15.5, 12.5, 11.5, 7.5, 5, 1, -2.5, -7, -10, -12.5, -17.5, -21},
    {31, 28, 26.5, 24.5, 22, 20, 17, 14.5, 12.5, 9, 6.5, 2.5, -1, -5, -8, -10.5, -15.5, -19},
    {32, 29, 27, 25, 23, 21, 18, 15.5, 13.5, 10.5, 7.5, 4, 1, -3, -7, -8.5, -13, -17},
    {32.5, 30, 27.5, 26, 24.5, 22, 19, 17, 14.5, 12, 9, 5, 2.5, -2, -4.5, -7, -12, -15},
    {33, 31, 28.5, 27, 25, 22.5, 20, 17.5, 15.5, 12.5, 10, 6.5, 3.5, 0, -3, -5.5, -10, -13},
    {33.5, 31.5, 29.5, 27.5, 25.5, 23.5, 21, 18, 17, 13, 11, 7, 5, 1, -2, -4, -8, -12},
    {34, 32, 30, 28, 26.5, 24, 21.5, 19, 17.5, 14, 12, 8.5, 6, 2, -1.5, -3, -7.5, -10.5},
    {35, 32.5, 31, 29, 27, 25, 22.5, 20, 18.5, 15, 12.5, 9, 7, 3, 0, -2, -6.5, -9.5},
    {35.5, 33, 31.5, 30, 28, 26, 23, 21, 19, 16, 13, 10, 7.5, 4, 1, -1.5, -5, -8},
    {36, 34, 32, 30.5, 28.5, 27, 24, 22, 20, 17, 14, 11, 8, 5, 2, 0, -4.5, -7},
    {37, 34.5, 32.5, 31.5, 28.5, 27.5, 25, 23, 21, 17.5, 15, 12, 9.5, 6, 3, 0.5, -3, -7},
}};

// Upper bounds of the velocity-ratio classes 1..21; above the last is class 22.
// Typed as literals so that a ratio of exactly 1.1 falls in class 2, not 3.
constexpr std::array<double, TridyRychlosti - 1> MezeTrid{0.9, 1.1, 1.3, 1.5, 1.7, 1.9, 2.1,
                                                          2.3, 2.5, 2.7, 2.9, 3.1, 3.3, 3.5,
                                                          3.7, 3.9, 4.1, 4.3, 4.5, 4.7, 4.9};

constexpr double JednaLomenoPi = 0.3183098861837907;

// The radius correction never goes below this (dB).
constexpr double MinKorekceRadiusu = -3;

} // namespace

int TridaTvarovky(double pomer) {
    // Zero, negative and undefined ratios belong to the first class.
    if (!(pomer > MezeTrid[0])) return 1;
    for (size_t i = 1; i < MezeTrid.size(); ++i)
        if (pomer <= MezeTrid[i]) return static_cast<int>(i) + 1;
    return TridyRychlosti;
}

double HlukTvarovky(int trida, double St) {
    const auto& g = TabulkaHluku[0];
    const auto& r = TabulkaHluku[static_cast<size_t>(trida)];
    size_t i = 0, j = 0; // both points equal at the ends: the end value is held
    if (St > g[BodyStrouhal - 1]) {
        i = j = BodyStrouhal - 1;
    } else if (St > g[0]) {
        while (!(St <= g[i + 1]))
            ++i;
        j = i + 1;
    }
    return Interpolace(g[i], r[i], g[j], r[j], St);
}

double ZvukTvarovky(int pasmo, double Ao, double Bo, double Qo, double Ac, double Bc, double Qc,
                    double R) {
    const double Sc = Ac * Bc;
    // The computed stream must exist for the logarithms below; the dialogs'
    // limits and the file reader's range checks guarantee it.
    if (!(Sc > 0) || !(Qc > 0) || pasmo < 1 || pasmo > PocetPasem) return 0;
    const double So = Ao * Bo;
    const double vo = So > 0 ? Qo / (3600 * So) : 0;
    const double vc = Qc / (3600 * Sc);
    const double d = std::sqrt(4 * Sc * JednaLomenoPi);
    const size_t k = static_cast<size_t>(pasmo - 1);
    const double St = d * StredniKmitocty[k] / vc;
    const double Lhv = HlukTvarovky(TridaTvarovky(vo / vc), St);

    const double a = 6.2 - 41 * R / d;
    const double b = 3.8 - 25 * R / d;
    double dL = St < 2 ? a : St > 50 ? b : Interpolace(2, a, 50, b, St);
    if (dL < MinKorekceRadiusu) dL = MinKorekceRadiusu;

    const double Lw = Lhv + 10 * Log10(DolniMezePasem[k]) + 30 * Log10(d) + 50 * Log10(vc) + dL;
    return Lw > 0 ? Lw : 0;
}

void ZapisOblouk(DrunVar& var, const ZadaniOblouku& z) {
    TElementSite& e = var.cesta.Aktualni();
    e.NastavTyp(TypOblouk);
    e.Popis = std::string(z.Druh == 2 ? "koleno bez plechů " : "oblouk, koleno s plechy ") +
              z.TextA + "x" + z.TextB + "mm, rádius " + z.TextRadius + "mm, průtok " +
              z.TextPrutok + "m3/hod";
    e.Vstup<VstupyOblouk>() = {z.Druh, z.RozmA, z.RozmB, z.Radius, z.Prutok};
}

void VypocetOblouku(DrunVar& var) {
    TElementSite& e = var.cesta.Aktualni();
    VstupyOblouk& o = e.Vstup<VstupyOblouk>();
    // Out-of-range values (a damaged element) are taken at the nearest limit.
    o.A = DoMezi(o.A, OblRozmerMin, OblRozmerMax);
    o.B = DoMezi(o.B, OblRozmerMin, OblRozmerMax);
    o.Radius = DoMezi(o.Radius, OblRadiusMin, OblRadiusMax);
    o.Prutok = DoMezi(o.Prutok, OblPrutokMin, OblPrutokMax);
    const double A = o.A * 0.001, B = o.B * 0.001, R = o.Radius * 0.001;
    const double dmin = A >= B ? B : A;
    size_t radek = MezeDmin.size();
    for (size_t i = 0; i < MezeDmin.size(); ++i)
        if (dmin <= MezeDmin[i]) {
            radek = i;
            break;
        }
    const std::array<RadekPasem, 4>* tabulka = o.Druh == 1   ? &UtlumSPlechy
                                               : o.Druh == 2 ? &UtlumBezPlechu
                                                             : nullptr;
    for (int k = 0; k < PocetPasem; ++k) {
        const size_t i = static_cast<size_t>(k);
        if (tabulka) e.Utlum[i] = (*tabulka)[radek][i];
        e.VlastniDrun[i] = ZvukTvarovky(k + 1, A, B, o.Prutok, A, B, o.Prutok, R);
    }
    SpoctiLA(e.Utlum);
    SpoctiLA(e.VlastniDrun);
}

} // namespace drun
