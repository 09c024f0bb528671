#include "tools/Pozadavek.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "core/Cisla.h"
#include "tools/NR.h"

namespace drun {

const std::array<std::array<double, PocetPasem>, PocetNKrivek> NKrivky{{
    {43.4, 30.7, 21.3, 14.5, 10.0, 6.6, 4.2, 2.3},
    {47.3, 35.0, 25.9, 19.4, 15.0, 11.7, 9.3, 7.4},
    {51.3, 39.4, 30.6, 24.3, 20.0, 16.8, 14.4, 12.6},
    {55.2, 43.7, 35.2, 29.2, 25.0, 21.9, 19.5, 17.7},
    {59.2, 48.1, 39.9, 34.0, 30.0, 26.9, 24.7, 22.9},
    {63.1, 52.4, 44.5, 38.9, 35.0, 32.0, 29.8, 28.0},
    {67.1, 56.8, 49.2, 43.8, 40.0, 37.1, 34.9, 33.2},
    {71.0, 61.1, 53.8, 48.6, 45.0, 42.2, 40.0, 38.3},
    {75.0, 65.5, 58.5, 53.5, 50.0, 47.2, 45.2, 43.5},
    {78.9, 69.8, 63.1, 58.4, 55.0, 52.3, 50.3, 48.6},
    {82.9, 74.2, 67.8, 63.2, 60.0, 57.4, 55.4, 53.8},
    {86.8, 78.5, 72.4, 68.1, 65.0, 62.5, 60.5, 58.9},
    {90.8, 82.9, 77.1, 73.0, 70.0, 67.5, 65.7, 64.1},
    {94.7, 87.2, 81.7, 77.9, 75.0, 72.6, 70.8, 69.2},
}};

int CisloNKrivky(int index) {
    return 5 + 5 * index;
}

void NastavPozadavek(DrunVar& var, const std::array<double, PocetPasem>& pasma) {
    NastavPozadavek(var.Pozadavek, pasma);
}

bool MaPozadavek(const Spectrum& pozadavek) {
    return std::any_of(pozadavek.begin(), pozadavek.begin() + PocetPasem,
                       [](double d) { return d != 0; });
}

void NastavPozadavek(Spectrum& pozadavek, const std::array<double, PocetPasem>& pasma) {
    for (int i = 0; i < PocetPasem; ++i)
        pozadavek[i] = pasma[i];
    SpoctiLA(pozadavek);
}

Spectrum PozadavekLA(double la) {
    Spectrum s{};
    for (size_t i = 0; i < PocetPasem; ++i)
        s[i] = la + KorekceLimituLA[i];
    s[LA] = la;
    return s;
}

std::optional<double> LimitLA(const Spectrum& pozadavek) {
    const double la = pozadavek[LA];
    if (!(la >= LimitLAMin && la <= LimitLAMax) || std::round(la * 10) / 10 != la)
        return std::nullopt;
    if (PozadavekLA(la) != pozadavek) return std::nullopt;
    return la;
}

namespace {

// The named curve families: "NC" is looked at before "N", which it begins with.
struct Rodina {
    std::string_view Predpona;
    const std::array<double, PocetPasem>* Krivky;
    int Pocet;
    int (*Cislo)(int index);
};
const Rodina Rodiny[] = {
    {"NC", NCKrivky.data(), PocetNCKrivek, CisloNCKrivky},
    {"N", NKrivky.data(), PocetNKrivek, [](int i) { return CisloNKrivky(i + 1); }},
};

bool ZacinaNa(std::string_view t, std::string_view predpona) {
    if (t.size() <= predpona.size()) return false;
    for (size_t i = 0; i < predpona.size(); ++i)
        if ((t[i] & ~0x20) != predpona[i]) return false; // either case
    return true;
}

} // namespace

std::vector<std::string> NazvyKrivek() {
    std::vector<std::string> r;
    for (auto it = std::rbegin(Rodiny); it != std::rend(Rodiny); ++it)
        for (int i = 0; i < it->Pocet; ++i)
            r.push_back(std::string(it->Predpona) + std::to_string(it->Cislo(i)));
    return r;
}

namespace {

// "LA35", "LA32.5" (either case): digits, at most one of them after the point.
std::optional<double> CtiLimitLA(std::string_view t) {
    const std::string_view c = t.substr(2);
    const size_t tecka = c.find('.');
    const std::string_view cele = c.substr(0, tecka);
    const bool cislice =
        !cele.empty() && cele.find_first_not_of("0123456789") == c.npos &&
        (tecka == c.npos || (c.size() == tecka + 2 && c.back() >= '0' && c.back() <= '9'));
    if (!cislice) return std::nullopt;
    const auto la = CtiDouble(c);
    if (!la || *la < LimitLAMin || *la > LimitLAMax) return std::nullopt;
    return la;
}

std::optional<std::array<double, PocetPasem>> Pasma(std::string_view t) {
    for (const Rodina& r : Rodiny) {
        if (!ZacinaNa(t, r.Predpona)) continue;
        const auto n = CtiInt(t.substr(r.Predpona.size()));
        if (!n) return std::nullopt;
        for (int i = 0; i < r.Pocet; ++i)
            if (r.Cislo(i) == *n) return r.Krivky[i];
        return std::nullopt;
    }
    std::array<double, PocetPasem> p{};
    size_t i = 0, pos = 0;
    while (true) {
        pos = t.find_first_not_of(" \t", pos);
        if (pos == std::string_view::npos) break;
        size_t konec = t.find_first_of(" \t", pos);
        if (konec == std::string_view::npos) konec = t.size();
        if (i >= p.size()) return std::nullopt;
        const auto v = CtiDouble(t.substr(pos, konec - pos));
        if (!v || *v < UrovenMin || *v > UrovenMax) return std::nullopt;
        p[i++] = *v;
        pos = konec;
    }
    if (i != p.size()) return std::nullopt;
    return p;
}

} // namespace

std::optional<Spectrum> PozadavekZTextu(std::string_view t) {
    if (ZacinaNa(t, "LA")) {
        const auto la = CtiLimitLA(t);
        if (!la) return std::nullopt;
        return PozadavekLA(*la);
    }
    const auto p = Pasma(t);
    if (!p) return std::nullopt;
    Spectrum s{};
    NastavPozadavek(s, *p);
    return s;
}

std::optional<std::array<double, PocetPasem>> CtiPozadavek(std::string_view t) {
    const auto s = PozadavekZTextu(t);
    if (!s) return std::nullopt;
    std::array<double, PocetPasem> p{};
    std::copy_n(s->begin(), PocetPasem, p.begin());
    return p;
}

std::string TextPozadavku(const Spectrum& pozadavek) {
    if (const auto la = LimitLA(pozadavek)) return "LA" + FormatObecne(*la);
    for (const Rodina& r : Rodiny)
        for (int k = 0; k < r.Pocet; ++k) {
            bool stejna = true;
            for (size_t i = 0; i < PocetPasem; ++i)
                stejna = stejna && pozadavek[i] == r.Krivky[k][i];
            if (stejna) return std::string(r.Predpona) + std::to_string(r.Cislo(k));
        }
    std::string t;
    for (int i = 0; i < PocetPasem; ++i) {
        if (i > 0) t += ' ';
        // + 0.0 turns -0 into 0.
        PridejPresne(t, pozadavek[i] + 0.0, TvarPresne::Pevny);
    }
    return t;
}

} // namespace drun
