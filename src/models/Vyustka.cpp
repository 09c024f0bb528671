#include "models/Vyustka.h"

#include "core/Matemat.h"

namespace drun {

const std::array<DruhVyustky, VyustPocetDruhu> DruhyVyustek{{
    {"2 Ř vyústka, 100% otevření", "2 řadá, 100% otevř.", 0.7, 2.3},
    {"2 Ř vyústka, 50% otevření", "2 řadá, 50% otevř.", 0.35, 4.0},
    {"2 Ř vyústka, 25% otevření", "2 řadá, 25% otevř.", 0.19, 6.0},
    {"1 Ř vyústka, 100% otevření", "1 řadá, 100% otevř.", 0.7, 3.8},
    {"1 Ř vyústka, 50% otevření", "1 řadá, 50% otevř.", 0.35, 7.0},
    {"1 Ř vyústka, 25% otevření", "1 řadá, 25% otevř.", 0.19, 9.0},
    {"Protidešťová žaluzie", "", 0.7, 5.0},
}};

const std::array<UmisteniVyustky, VyustPocetUmisteni> UmisteniVyustek{{
    {"na stěně, stropě", "na stěně (stropě), ", 3},
    {"v hraně", "v hraně, ", 6},
    {"v rohu", "v rohu, ", 9},
    {"jinde", "", 0},
}};

namespace {

constexpr int Zaluzie = 7;

// Upper bounds of the face-area classes (m2); a bound belongs to the class below.
constexpr std::array<double, 4> HranicePlochy{0.04, 0.065, 0.1, 0.16};
// Attenuation of the opening (dB) by face-area class.
constexpr std::array<std::array<double, PocetPasem>, 5> UtlumOtvoru{{
    {14, 14, 8, 4, 1, 0, 0, 0}, // S <= 0.04 m2
    {12, 12, 7, 3, 1, 0, 0, 0}, // S <= 0.065
    {10, 10, 5, 2, 0, 0, 0, 0}, // S <= 0.1
    {8, 8, 4, 1, 0, 0, 0, 0},   // S <= 0.16
    {6, 6, 2, 0, 0, 0, 0, 0},   // S > 0.16
}};
// Spectrum of the outlet's flow noise relative to its overall level (dB).
constexpr std::array<double, PocetPasem> RelativniSpektrum{-8, -7, -7, -8, -11, -19, -28, -38};

// Sizes like 200 x 200 mm land a hair above a bound after the conversion to
// metres; the tolerance keeps such a bound in the class below it.
constexpr double TolerancePlochy = 1e-12;

int TridaPlochy(double s) {
    int t = 0;
    while (t < static_cast<int>(HranicePlochy.size()) &&
           s > HranicePlochy[static_cast<size_t>(t)] + TolerancePlochy)
        ++t;
    return t;
}

int DoRozsahu(int x, int max) {
    if (x < 1) return 1;
    return x > max ? max : x;
}

} // namespace

void ZapisVyustku(DrunVar& var, const ZadaniVyustky& z) {
    TElementSite& e = var.cesta.Aktualni();
    e.NastavTyp(TypVyustka);
    VstupyVyustka& v = e.Vstup<VstupyVyustka>();
    v = {z.A, z.B, z.Prutok, DoRozsahu(z.Druh, VyustPocetDruhu),
         DoRozsahu(z.Umisteni, VyustPocetUmisteni)};
    const std::string rozmery = z.TextA + "x" + z.TextB + "mm, průtok" + z.TextPrutok + "m3/hod";
    if (v.Druh == Zaluzie) {
        e.Popis = "Žaluzie " + rozmery;
    } else {
        e.Popis = e.NazevTypu() + " " + rozmery + ", " + UmisteniVyustek[v.Umisteni - 1u].Popis +
                  DruhyVyustek[v.Druh - 1u].Popis;
    }
}

void VypocetVyustky(DrunVar& var) {
    TElementSite& e = var.cesta.Aktualni();
    // Out-of-range values (a damaged element) are taken at the nearest limit,
    // so the tables are never indexed outside and no logarithm sees 0.
    VstupyVyustka& vy = e.Vstup<VstupyVyustka>();
    vy.A = DoMezi(vy.A, VyustRozmerMin, VyustRozmerMax);
    vy.B = DoMezi(vy.B, VyustRozmerMin, VyustRozmerMax);
    vy.Prutok = DoMezi(vy.Prutok, VyustPrutokMin, VyustPrutokMax);
    vy.Druh = DoRozsahu(vy.Druh, VyustPocetDruhu);
    vy.Umisteni = DoRozsahu(vy.Umisteni, VyustPocetUmisteni);

    const double s = (vy.A * 0.001) * (vy.B * 0.001);
    const auto& radek = UtlumOtvoru[static_cast<size_t>(TridaPlochy(s))];
    const double k = UmisteniVyustek[vy.Umisteni - 1u].K;
    for (int i = 0; i < PocetPasem; ++i) {
        const double u = radek[static_cast<size_t>(i)] - k;
        e.Utlum[i] = u < 0 ? 0 : u;
    }
    SpoctiLA(e.Utlum);

    const DruhVyustky& d = DruhyVyustek[vy.Druh - 1u];
    const double sf = d.Fi * s;
    const double v = vy.Prutok / (3600 * sf);
    const double l = 60 * Log10(v) + 10 + 30 * Log10(d.Zeta) + 10 * Log10(sf);
    for (int i = 0; i < PocetPasem; ++i) {
        const double x = l + RelativniSpektrum[static_cast<size_t>(i)];
        e.VlastniDrun[i] = x < 0 ? 0 : x;
    }
    SpoctiLA(e.VlastniDrun);
}

} // namespace drun
