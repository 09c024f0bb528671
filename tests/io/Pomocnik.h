#pragma once

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <cstdio>
#include <initializer_list>
#include <string>

#include "io/Kodovani.h"

// A command run through the shell: its exit status and standard output.
struct Beh {
    int status = -1;
    std::string vystup;
};

#ifndef _WIN32
inline Beh SpustPrikaz(const std::string& prikaz) {
    Beh b;
    FILE* p = popen(prikaz.c_str(), "r");
    if (!p) return b;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0)
        b.vystup.append(buf, n);
    const int s = pclose(p);
    b.status = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
    return b;
}
#endif

// Lines joined with CR LF, converted to Windows-1250: a data file as the program writes it.
inline std::string Soubor(std::initializer_list<std::string> radky) {
    std::string s;
    for (const auto& r : radky)
        s += r + "\r\n";
    return *drun::Utf8DoCp1250(s);
}

#include <random>
#include <vector>

#include "core/Druhy.h"
#include "models/Vypocet.h"
#include "tools/Rozvod.h"

// An element of kind `kod` with the inputs `nastav` gives, computed by its model.
template <class F> drun::TElementSite Element(int kod, F nastav) {
    drun::DrunVar var;
    var.cesta.VlozElement();
    var.cesta.NajdiElement(kod == drun::TypZdroj ? 1 : 2);
    drun::TElementSite e;
    e.NastavTyp(static_cast<std::uint8_t>(kod));
    nastav(e);
    var.cesta.NahradAktualni(e);
    drun::SpoctiPrvek(var);
    return var.cesta.Aktualni();
}

// A general element: attenuation `u` and self-noise `d` in every band.
inline drun::TElementSite Obecny(double u, double d, const std::string& popis = "vložka") {
    return Element(drun::TypObecny, [&](drun::TElementSite& e) {
        e.Popis = popis;
        drun::NaplnSpektrum(e.Utlum, u);
        drun::NaplnSpektrum(e.VlastniDrun, d);
    });
}

// A random rozvod of `useku` sections from the seed: a trunk from the source,
// every other section behind an element of an earlier one, of general
// elements, ducts, outlets and several-sources corrections with levels in
// tenths; most sections end in a room, some rooms fed twice, requirements
// curves or none.
inline drun::Rozvod NahodnyRozvod(unsigned seed, int useku) {
    using namespace drun;
    std::mt19937 g(seed);
    const auto cislo = [&g](int od, int po) { return std::uniform_int_distribution(od, po)(g); };
    const auto pasma = [&](int od, int po, RadaPasem& r) {
        for (double& x : r)
            x = cislo(od * 10, po * 10) / 10.0;
    };
    std::vector<Usek> useky;
    for (int i = 0; i < useku; ++i) {
        Usek u;
        u.Id = i + 1 + (i > 0 ? 10 : 0);
        if (i > 0) {
            // Behind any element of an earlier section that does not end in a room.
            for (;;) {
                const Usek& r = useky[size_t(cislo(0, i - 1))];
                const int n = static_cast<int>(r.Prvky.size()) - (r.Mistnost.empty() ? 0 : 1);
                if (n < 1) continue;
                u.Rodic = r.Id;
                u.ZaElementem = cislo(1, n);
                break;
            }
        } else {
            u.Prvky.push_back(Element(TypZdroj, [&](TElementSite& e) {
                e.Popis = "ventilátor";
                RadaPasem r;
                pasma(60, 95, r);
                std::copy(r.begin(), r.end(), e.VlastniDrun.begin());
            }));
        }
        for (int j = cislo(i == 0 ? 1 : 0, 5); j > 0; --j) {
            switch (cislo(0, 3)) {
            case 0:
                u.Prvky.push_back(
                    Obecny(cislo(0, 80) / 10.0, cislo(0, 1) * cislo(100, 400) / 10.0));
                break;
            case 1:
                u.Prvky.push_back(Element(TypHrPotrubi, [&](TElementSite& e) {
                    e.Vstup<VstupyHrPotrubi>() = {double(cislo(100, 900)), double(cislo(100, 900)),
                                                  double(cislo(1, 30)), double(cislo(100, 6000))};
                }));
                break;
            case 2:
                u.Prvky.push_back(Element(TypVyustka, [&](TElementSite& e) {
                    auto& v = e.Vstup<VstupyVyustka>();
                    v.A = cislo(100, 600), v.B = cislo(100, 600), v.Prutok = cislo(100, 2000);
                    v.Druh = cislo(1, VyustPocetDruhu), v.Umisteni = cislo(1, VyustPocetUmisteni);
                }));
                break;
            default:
                u.Prvky.push_back(Element(TypVice, [&](TElementSite& e) {
                    e.Vstup<VstupyVice>().PocetZdroju = cislo(1, 4);
                }));
            }
        }
        if (i > 0 && cislo(0, 3) > 0) {
            u.Prvky.push_back(Element(TypMistnost, [&](TElementSite& e) {
                auto& v = e.Vstup<VstupyMistnost>();
                v.PlochaSten = cislo(10, 500), v.Vzdalenost = cislo(1, 10);
            }));
            // Every third room is fed again by a later section.
            u.Mistnost = "místnost " + std::to_string(cislo(1, std::max(1, i * 2 / 3)));
            const char* pozadavky[] = {"", "N25", "N30", "NC35", "LA40"};
            for (const Usek& r : useky)
                if (r.Mistnost == u.Mistnost) u.Pozadavek = r.Pozadavek;
            if (u.Pozadavek.empty()) u.Pozadavek = pozadavky[cislo(0, 4)];
        }
        useky.push_back(std::move(u));
    }
    Rozvod r;
    r.Akce = "Rozvod " + std::to_string(seed);
    r.NastavUseky(std::move(useky));
    return r;
}
