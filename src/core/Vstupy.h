#pragma once

#include <array>
#include <cstdint>
#include <type_traits>
#include <variant>

// What each element kind is given: its inputs as named fields, in the units
// the dialog and the data file carry (sizes in mm), and the ranges that the
// dialogs and the data-file reader accept. The evaluation's outputs never live
// here, so two elements with equal inputs compute the same.
namespace drun {

constexpr int PocetPasem = 8;
using RadaPasem = std::array<double, PocetPasem>;

enum TypElementu : std::uint8_t {
    TypZadny = 0,
    TypZdroj = 1,
    TypObecny = 2,
    TypHrPotrubi = 3,
    TypKuPotrubi = 4,
    TypOblouk = 5,
    TypOdbocka = 6,
    TypVyustka = 7,
    TypTlumic = 8,
    TypVice = 9,
    TypMistnost = 10,
    TypObHrPotrubi = 11,
    TypObKuPotrubi = 12,
    TypHadice = 13,
    TypKomora = 14,
    TypKlapka = 15,
};
// The highest type code this version knows.
constexpr int PocetTypu = 15;

// ---- ranges (the ends belong to the range) ----

constexpr double HrPotRozmerMin = 50, HrPotRozmerMax = 5000;   // mm
constexpr double HrPotDelkaMin = 1, HrPotDelkaMax = 100;       // m
constexpr double HrPotPrutokMin = 10, HrPotPrutokMax = 100000; // m3/h

constexpr double KuPotPrumerMin = 50, KuPotPrumerMax = 5000;   // mm
constexpr double KuPotDelkaMin = 1, KuPotDelkaMax = 100;       // m
constexpr double KuPotPrutokMin = 10, KuPotPrutokMax = 100000; // m3/h

constexpr int OblPocetDruhu = 2;
constexpr double OblRozmerMin = 50, OblRozmerMax = 5000;   // mm
constexpr double OblRadiusMin = 50, OblRadiusMax = 500;    // mm
constexpr double OblPrutokMin = 10, OblPrutokMax = 100000; // m3/h

constexpr double OdbRozmerMin = 50, OdbRozmerMax = 5000;   // mm, all four sides
constexpr double OdbRadiusMin = 50, OdbRadiusMax = 500;    // mm
constexpr double OdbPrutokMin = 10, OdbPrutokMax = 100000; // m3/h, both flows

constexpr double VyustRozmerMin = 50, VyustRozmerMax = 5000;   // mm
constexpr double VyustPrutokMin = 10, VyustPrutokMax = 100000; // m3/h
constexpr int VyustPocetDruhu = 7;
constexpr int VyustPocetUmisteni = 4;

constexpr double TlumicRozmerMin = 50, TlumicRozmerMax = 5000;   // mm
constexpr int TlumicDelkaMin = 1, TlumicDelkaMax = 3;            // m
constexpr double TlumicPrutokMin = 10, TlumicPrutokMax = 100000; // m3/h
constexpr int TlumicPocetMin = 1, TlumicPocetMax = 100;
// The splitter widths the data file knows, mm.
constexpr int SirkyVlozek[] = {100, 200, 300};

constexpr int VicePocetMin = 1, VicePocetMax = 100;

constexpr double MistnostPlochaMin = 1, MistnostPlochaMax = 1000;        // m2
constexpr double MistnostVzdalenostMin = 1, MistnostVzdalenostMax = 100; // m
constexpr double PohltivostMin = 0.01, PohltivostMax = 1;
constexpr double SmerovostMin = 1, SmerovostMax = 10;

constexpr double ObHrPotRozmerMin = 50, ObHrPotRozmerMax = 5000;  // mm
constexpr double ObKuPotPrumerMin = 100, ObKuPotPrumerMax = 1524; // mm
constexpr double ObPotTloustkaMin = 25, ObPotTloustkaMax = 100;   // mm
constexpr double ObPotDelkaMin = 1, ObPotDelkaMax = 100;          // m
constexpr double ObPotPrutokMin = 10, ObPotPrutokMax = 100000;    // m3/h

constexpr double HadPrumerMin = 50, HadPrumerMax = 406; // mm
constexpr double HadDelkaMin = 0.1, HadDelkaMax = 10;   // m

constexpr double KomRozmerMin = 100, KomRozmerMax = 10000; // mm, inner length, width, height
constexpr double KomOtvorMin = 50, KomOtvorMax = 5000;     // mm, sides of the openings
constexpr double KomPosunMin = 0, KomPosunMax = 5000;      // mm, offset of the outlet
constexpr double KomPohltivostMin = 0.01, KomPohltivostMax = 1.00;

constexpr double KlapRozmerMin = 50, KlapRozmerMax = 5000;   // mm
constexpr double KlapPrutokMin = 10, KlapPrutokMax = 100000; // m3/h
constexpr double KlapTlakMin = 1, KlapTlakMax = 2000;        // Pa
constexpr int KlapJedenList = 1, KlapViceListu = 2;

// ---- inputs by kind ----

// The source's and the general element's inputs are the element's own
// spectra (the sound power; the attenuation and self-noise), so these hold nothing.
struct VstupyZdroj {
    bool operator==(const VstupyZdroj&) const = default;
};

struct VstupyObecny {
    bool operator==(const VstupyObecny&) const = default;
};

struct VstupyHrPotrubi {
    double A = 0, B = 0; // mm
    double Delka = 0;    // m
    double Prutok = 0;   // m3/h
    bool operator==(const VstupyHrPotrubi&) const = default;
};

struct VstupyKuPotrubi {
    double Prumer = 0; // mm
    double Delka = 0;  // m
    double Prutok = 0; // m3/h
    bool operator==(const VstupyKuPotrubi&) const = default;
};

struct VstupyOblouk {
    int Druh = 1;        // 1 with guide vanes, 2 an elbow without them
    double A = 0, B = 0; // mm
    double Radius = 0;   // mm
    double Prutok = 0;   // m3/h
    bool operator==(const VstupyOblouk&) const = default;
};

struct VstupyOdbocka {
    double A = 0, B = 0;   // the computed direction, mm
    double A2 = 0, B2 = 0; // the other directions, mm
    double Radius = 0;     // mm
    double OdbPrutok = 0;  // into the computed direction, m3/h
    double Prutok = 0;     // before the branch, m3/h
    bool operator==(const VstupyOdbocka&) const = default;
};

struct VstupyVyustka {
    double A = 0, B = 0; // mm
    double Prutok = 0;   // m3/h
    int Druh = 1;        // 1..VyustPocetDruhu
    int Umisteni = 1;    // 1..VyustPocetUmisteni
    bool operator==(const VstupyVyustka&) const = default;
};

struct VstupyTlumic {
    double A = 0, B = 0; // duct width and height, mm
    double Delka = 1;    // m
    double Prutok = 0;   // m3/h
    int PocetVlozek = 1;
    double SirkaVlozek = 200; // mm
    bool operator==(const VstupyTlumic&) const = default;
};

struct VstupyVice {
    int PocetZdroju = 2;
    bool operator==(const VstupyVice&) const = default;
};

struct VstupyMistnost {
    double PlochaSten = 0; // m2, every wall including floor and ceiling
    double Vzdalenost = 0; // m, listening point from the outlet
    RadaPasem Pohltivost{0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1};
    RadaPasem Smerovost{2, 2, 2, 2, 2, 2, 2, 2};
    bool operator==(const VstupyMistnost&) const = default;
};

// A new element of these kinds is offered a common duct, as their dialogs show it.
struct VstupyObHrPotrubi {
    double A = 500, B = 250; // mm
    double Tloustka = 50;    // mm, of the lining
    double Delka = 1;        // m
    double Prutok = 1000;    // m3/h
    bool operator==(const VstupyObHrPotrubi&) const = default;
};

struct VstupyObKuPotrubi {
    double Prumer = 315;  // mm
    double Tloustka = 25; // mm, of the lining
    double Delka = 1;     // m
    double Prutok = 1000; // m3/h
    bool operator==(const VstupyObKuPotrubi&) const = default;
};

struct VstupyHadice {
    double Prumer = 200; // mm
    double Delka = 1;    // m
    bool operator==(const VstupyHadice&) const = default;
};

struct VstupyKomory {
    double Delka = 1000, Sirka = 1000, Vyska = 1000; // mm, inside
    double VstupA = 400, VstupB = 400;               // mm, A across the width, B along the height
    double VystupA = 400, VystupB = 400;             // mm
    // mm, between the inlet's and the outlet's centres
    double PosunBok = 0, PosunSvisle = 0;
    // the lining's absorption coefficients
    RadaPasem Pohltivost{0.1, 0.2, 0.5, 0.8, 0.9, 0.9, 0.9, 0.9};
    bool operator==(const VstupyKomory&) const = default;
};

struct VstupyKlapky {
    double A = 500;       // mm, along the blade axes
    double B = 400;       // mm, across them
    double Prutok = 3600; // m3/h
    double Tlak = 50;     // Pa, the pressure drop
    int Listy = KlapViceListu;
    bool operator==(const VstupyKlapky&) const = default;
};

// The alternative's index is the type code.
using VstupyElementu = std::variant<std::monostate, VstupyZdroj, VstupyObecny, VstupyHrPotrubi,
                                    VstupyKuPotrubi, VstupyOblouk, VstupyOdbocka, VstupyVyustka,
                                    VstupyTlumic, VstupyVice, VstupyMistnost, VstupyObHrPotrubi,
                                    VstupyObKuPotrubi, VstupyHadice, VstupyKomory, VstupyKlapky>;
static_assert(std::variant_size_v<VstupyElementu> == PocetTypu + 1);
// Every kind's inputs stand at its type code, and the last kind is the highest code.
template <TypElementu Kod, class Vstupy>
constexpr bool NaSvemMiste =
    std::is_same_v<std::variant_alternative_t<Kod, VstupyElementu>, Vstupy>;
static_assert(NaSvemMiste<TypZadny, std::monostate> && NaSvemMiste<TypZdroj, VstupyZdroj> &&
              NaSvemMiste<TypObecny, VstupyObecny> && NaSvemMiste<TypHrPotrubi, VstupyHrPotrubi> &&
              NaSvemMiste<TypKuPotrubi, VstupyKuPotrubi> && NaSvemMiste<TypOblouk, VstupyOblouk> &&
              NaSvemMiste<TypOdbocka, VstupyOdbocka> && NaSvemMiste<TypVyustka, VstupyVyustka> &&
              NaSvemMiste<TypTlumic, VstupyTlumic> && NaSvemMiste<TypVice, VstupyVice> &&
              NaSvemMiste<TypMistnost, VstupyMistnost> &&
              NaSvemMiste<TypObHrPotrubi, VstupyObHrPotrubi> &&
              NaSvemMiste<TypObKuPotrubi, VstupyObKuPotrubi> &&
              NaSvemMiste<TypHadice, VstupyHadice> && NaSvemMiste<TypKomora, VstupyKomory> &&
              NaSvemMiste<TypKlapka, VstupyKlapky> && PocetTypu == TypKlapka);

// Default inputs of a type code (monostate outside 1..PocetTypu).
VstupyElementu VychoziVstupy(int kod);

} // namespace drun
