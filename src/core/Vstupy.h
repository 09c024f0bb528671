#pragma once

#include <array>
#include <cstdint>
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
};
// The highest type code this version knows.
constexpr int PocetTypu = 10;

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

// The alternative's index is the type code.
using VstupyElementu = std::variant<std::monostate, VstupyZdroj, VstupyObecny, VstupyHrPotrubi,
                                    VstupyKuPotrubi, VstupyOblouk, VstupyOdbocka, VstupyVyustka,
                                    VstupyTlumic, VstupyVice, VstupyMistnost>;
static_assert(std::variant_size_v<VstupyElementu> == PocetTypu + 1);

// Default inputs of a type code (monostate outside 1..PocetTypu).
VstupyElementu VychoziVstupy(int kod);

} // namespace drun
