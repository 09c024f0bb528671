#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <limits>
#include <string>

#include "core/Cisla.h"
#include "core/DrunVar.h"
#include "core/DrunVyp.h"
#include "core/Platforma.h"
#include "io/DataSoubor.h"
#include "models/HrPotrubi.h"
#include "models/Mistnost.h"
#include "models/Tlumic.h"
#include "models/Vyustka.h"
#include "models/Zdroj.h"

// Eight bands of one value.
inline std::array<double, drun::PocetPasem> Pasma8(double x) {
    std::array<double, drun::PocetPasem> a{};
    a.fill(x);
    return a;
}

// Bands 63 Hz .. 8 kHz of s against the expected values.
inline void ExpectSpektrum(const drun::Spectrum& s,
                           const std::array<double, drun::PocetPasem>& ocek, double tol) {
    for (int i = 0; i < drun::PocetPasem; ++i)
        EXPECT_NEAR(s[i], ocek[static_cast<size_t>(i)], tol) << "pásmo " << i;
}

// Both spectra finite, L(A) included, and no band of self-noise below 0 dB.
inline void ExpectKonecne(const drun::TElementSite& e) {
    for (int i = 0; i <= drun::LA; ++i) {
        EXPECT_TRUE(std::isfinite(e.Utlum[i])) << i;
        EXPECT_TRUE(std::isfinite(e.VlastniDrun[i])) << i;
        if (i < drun::LA) {
            EXPECT_GE(e.VlastniDrun[i], 0) << i;
        }
    }
}

// Every size and flow input of a new element of kind V at a value a damaged
// element could hold (0, negative, NaN, huge): `vypocet` takes each at its
// nearest limit, so both spectra stay finite and the sizes within their ranges.
template <class V, class Vypocet> void ExpectPoskozeneSlotyNaMezi(Vypocet vypocet) {
    for (double x : {0.0, -5.0, std::numeric_limits<double>::quiet_NaN(), 1e300}) {
        drun::DrunVar var;
        var.cesta.VlozElement();
        drun::TElementSite& e = var.cesta.Aktualni();
        e.Vstupy = V{};
        std::visit(
            [x](auto& v) {
                if constexpr (requires { v.A; }) v.A = v.B = x;
                if constexpr (requires { v.A2; }) v.A2 = v.B2 = x;
                if constexpr (requires { v.Radius; }) v.Radius = x;
                if constexpr (requires { v.Prumer; }) v.Prumer = x;
                if constexpr (requires { v.Delka; }) v.Delka = x;
                if constexpr (requires { v.Prutok; }) v.Prutok = x;
                if constexpr (requires { v.OdbPrutok; }) v.OdbPrutok = x;
            },
            e.Vstupy);
        vypocet(var);
        SCOPED_TRACE(x);
        ExpectKonecne(e);
        std::visit(
            [](const auto& v) {
                if constexpr (requires { v.A; }) {
                    EXPECT_GE(v.A, 50);
                    EXPECT_LE(v.A, 5000);
                }
            },
            e.Vstupy);
    }
}

// Elements 2.. of a path read back from a data file match the written ones:
// type, description, inputs and both spectra.
inline void ExpectStejnePrvky(const drun::Cesta& zapsana, const drun::Cesta& prectena) {
    ASSERT_EQ(prectena.Pocet(), zapsana.Pocet());
    for (int n = 2; n <= zapsana.Pocet(); ++n) {
        const drun::TElementSite& a = zapsana.Prvek(n);
        const drun::TElementSite& b = prectena.Prvek(n);
        SCOPED_TRACE(n);
        EXPECT_EQ(b.Typ(), a.Typ());
        EXPECT_EQ(b.Popis, a.Popis);
        EXPECT_TRUE(b.Vstupy == a.Vstupy);
        for (int i = 0; i <= drun::LA; ++i) {
            EXPECT_NEAR(b.Utlum[i], a.Utlum[i], 1e-9);
            EXPECT_NEAR(b.VlastniDrun[i], a.VlastniDrun[i], 1e-9);
        }
    }
}

// A temporary folder of the running test alone: prefix, process and test name.
inline std::filesystem::path SlozkaTestu(const std::string& predpona) {
    // UTF-8, so that a Czech prefix is the same name on every system.
    return std::filesystem::temp_directory_path() /
           drun::CestaSouboru(predpona + std::to_string(drun::CisloProcesu()) + "-" +
                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
}

// Writes a calculation of the source alone, every band at `uroven`.
inline void UlozZdrojSam(const std::string& soubor, double uroven, const std::string& akce) {
    drun::DrunVar var;
    var.Akce = akce;
    drun::ZadaniZdroje z;
    z.Popis = "ventilátor";
    z.Vykon.fill(uroven);
    drun::ZapisZdroj(var, z);
    EXPECT_TRUE(drun::UlozData(var, soubor).Ok());
}

// Writes a calculation of a source and a silencer computed from the project's
// silencer data; the silencer's description.
inline std::string UlozSTlumicem(const std::string& soubor) {
    drun::DrunVar var;
    var.SouborTlumice = std::string(DRUN_DATA_DIR) + "/KL385216.CAD";
    var.cesta.VlozElement();
    drun::ZadaniTlumice z;
    z.A = 350, z.B = 500, z.Delka = 1, z.Prutok = 2700, z.SirkaVlozek = 200, z.PocetVlozek = 1;
    drun::ZapisTlumic(var, z);
    EXPECT_TRUE(drun::VypocetTlumice(var).Ok());
    EXPECT_TRUE(drun::UlozData(var, soubor).Ok());
    return var.cesta.Prvek(2).Popis;
}

// Appends an element behind the last one through its store and compute steps.
template <class Z, class V> void Pridej(drun::DrunVar& var, Z zapis, V vypocet) {
    var.cesta.NajdiElement(var.cesta.Pocet());
    ASSERT_TRUE(drun::ZadejElement(var, true, zapis, vypocet));
    drun::PrepocitejOd(var, var.cesta.Pocet());
}

inline void PridejPotrubi(drun::DrunVar& var, double a, double b, double delka, double prutok) {
    using drun::FormatObecne;
    const drun::ZadaniHrPotrubi z{a,
                                  b,
                                  delka,
                                  prutok,
                                  FormatObecne(a),
                                  FormatObecne(b),
                                  FormatObecne(delka),
                                  FormatObecne(prutok)};
    Pridej(
        var, [&](drun::DrunVar& v) { ZapisHrPotrubi(v, z); }, drun::Vzdy<drun::VypocetHrPotrubi>);
}

// A room of the given wall area and distance, its tables as remembered.
inline void PridejMistnost(drun::DrunVar& var, double plocha, double vzdalenost) {
    drun::ZadaniMistnosti z;
    z.PlochaSten = plocha;
    z.Vzdalenost = vzdalenost;
    z.Pohltivost = var.vstupy.Pohltivost;
    z.Smerovost = var.vstupy.Smerovost;
    Pridej(
        var, [&](drun::DrunVar& v) { ZapisMistnost(v, z); }, drun::Vzdy<drun::VypocetMistnosti>);
}

inline void NastavZdroj(drun::DrunVar& var, std::array<double, drun::PocetPasem> vykon) {
    drun::ZadaniZdroje z;
    z.Vykon = vykon;
    drun::ZapisZdroj(var, z);
    drun::PrepocitejOd(var, 1);
}

// A fan, a 600 x 400 duct of 8 m carrying 4000 m3/h, a room of 120 m2 heard
// at 2 m: a path whose remedy is known.
inline void CestaSTlumenim(drun::DrunVar& var) {
    NastavZdroj(var, {80, 78, 76, 72, 68, 64, 60, 56});
    PridejPotrubi(var, 600, 400, 8, 4000);
    PridejMistnost(var, 120, 2);
}

// A 200 x 100 outlet blowing 1500 m3/h behind element k: loud on its own.
inline void VlozHlucnouVyustku(drun::DrunVar& var, int k) {
    drun::ZadaniVyustky z;
    z.A = 200;
    z.B = 100;
    z.Prutok = 1500;
    z.TextA = "200";
    z.TextB = "100";
    z.TextPrutok = "1500";
    var.cesta.NajdiElement(k);
    ASSERT_TRUE(drun::ZadejElement(
        var, true, [&](drun::DrunVar& v) { ZapisVyustku(v, z); },
        drun::Vzdy<drun::VypocetVyustky>));
}
