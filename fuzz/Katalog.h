#pragma once
// What every catalogue reader must hand over: per kind, valid names, each
// once, trimmed, levels finite and within the limits.
#include <cstdlib>
#include <unordered_set>

#include "io/Katalog.h"

constexpr double MinFuzz = 0, MaxFuzz = 150;

inline void OverKatalog(const drun::SeznamKatalogu& k) {
    for (const auto& s : k) {
        std::unordered_set<std::string> nazvy;
        for (const drun::PolozkaKatalogu& p : s) {
            if (!drun::ChybaPolozky(p, MinFuzz, MaxFuzz).empty()) std::abort();
            if (p.Nazev != drun::UpravNazev(p.Nazev)) std::abort();
            if (!nazvy.insert(p.Nazev).second) std::abort();
        }
    }
}
