#include "tools/Navrh.h"

#include <algorithm>
#include <cmath>

#include "core/Cisla.h"
#include "core/Druhy.h"
#include "core/DrunVyp.h"
#include "core/Matemat.h"
#include "tools/NR.h"

namespace drun {

namespace {

// An element of no self-noise that attenuates the given bands.
TElementSite Tlumeni() {
    TElementSite e;
    e.NastavTyp(TypObecny);
    NaplnSpektrum(e.Utlum, 0);
    NaplnSpektrum(e.VlastniDrun, 0);
    return e;
}

// The end level of the path with e placed behind element k (levelK: behind k).
Spectrum KonecS(const Cesta& c, int k, const Spectrum& urovenK, const TElementSite& e) {
    Spectrum mezisoucet = NulaSpektrum(), za;
    SpoctiUrovne(e, &urovenK, mezisoucet, za);
    return UrovenNaKonci(c, k, za);
}

// The path's elements behind k, in order.
std::vector<const TElementSite*> PrvkyZa(const Cesta& c, int k) {
    std::vector<const TElementSite*> v;
    for (int j = k + 1; j <= c.Pocet(); ++j)
        v.push_back(&c.Prvek(j));
    return v;
}

bool MaPozadavek(const Spectrum& pozadavek, int i) {
    return pozadavek[static_cast<size_t>(i)] != 0.0;
}

// For an element placed behind element k: the path's end level and its margin.
RezervaPrvku RezervaZa(const Cesta& c, int k, const Spectrum& pozadavek) {
    return [&c, k, &pozadavek, urovenK = UrovenZa(c, k)](const TElementSite& e, Spectrum& konec) {
        konec = KonecS(c, k, urovenK, e);
        return Rezerva(konec, pozadavek);
    };
}

} // namespace

std::optional<double> Rezerva(const Spectrum& konec, const Spectrum& pozadavek) {
    double rezerva = HUGE_VAL;
    for (int i = 0; i < PocetPasem; ++i) {
        const auto p = static_cast<size_t>(i);
        if (!MaPozadavek(pozadavek, i)) continue;
        if (konec[p] > pozadavek[p]) return std::nullopt;
        rezerva = std::min(rezerva, pozadavek[p] - konec[p]);
    }
    return rezerva;
}

int Nejhlucnejsi(std::span<const TElementSite* const> prvky, int i, double& hladina) {
    const auto p = static_cast<size_t>(i);
    double posun = 0;
    int nej = -1;
    for (size_t j = prvky.size(); j-- > 0;) {
        const TElementSite& e = *prvky[j];
        if (e.Typ() == TypVice) {
            posun += KorekceViceZdroju(e);
            continue;
        }
        if (e.VlastniDrun[p] != 0.0) {
            const double h = e.VlastniDrun[p] + posun;
            if (nej < 0 || h >= hladina) {
                hladina = h;
                nej = static_cast<int>(j);
            }
        }
        posun -= e.Utlum[p];
    }
    return nej;
}

std::string ChybaNavrhu(const Cesta& c, int k, const Spectrum& pozadavek) {
    if (k < 1 || k > c.Pocet())
        return "Element " + std::to_string(k) + " v cestě není; cesta má elementy 1 až " +
               std::to_string(c.Pocet()) + ".";
    const int mistnost = c.CisloMistnosti();
    if (mistnost != 0 && k >= mistnost)
        return "Za elementem " + std::to_string(k) +
               " nelze navrhovat: útlum se vkládá jen před místnost.";
    bool zadan = false;
    for (int i = 0; i < PocetPasem; ++i)
        zadan = zadan || MaPozadavek(pozadavek, i);
    if (!zadan)
        return "Požadavek na konci sítě není zadán (je nulový ve všech pásmech): nejprve jej "
               "zadejte.";
    return {};
}

TElementSite PlneTlumeni(const Spectrum& urovenK) {
    TElementSite e = Tlumeni();
    // Attenuation above the level removes the whole band: the subtotal's floor.
    for (int i = 0; i < PocetPasem; ++i)
        e.Utlum[static_cast<size_t>(i)] = urovenK[static_cast<size_t>(i)] + 1;
    return e;
}

PotrebnyUtlum HledejUtlum(const Spectrum& urovenK, const PasmaPozadavku& maPozadavek,
                          const std::function<PasmaPozadavku(const TElementSite&)>& splni,
                          std::stop_token stop) {
    PotrebnyUtlum r;
    TElementSite e = PlneTlumeni(urovenK);
    const PasmaPozadavku naplno = splni(e);
    int zbyva = 0;
    std::array<bool, PocetPasem> hotovo{};
    for (size_t p = 0; p < PocetPasem; ++p) {
        if (!maPozadavek[p]) {
            r.Stav[p] = StavPasma::BezPozadavku;
            hotovo[p] = true;
        } else if (!naplno[p]) {
            r.Stav[p] = StavPasma::Nelze;
            hotovo[p] = true;
        } else {
            r.Stav[p] = StavPasma::Utlum;
            ++zbyva;
        }
    }
    // Tenth by tenth: the end level need not fall steadily with the
    // attenuation (the evaluation's thresholds), so the first tenth that
    // meets is the answer. Once the attenuation removes the band it meets, as
    // the full attenuation did, so the loop ends.
    for (int m = 0; zbyva > 0 && !stop.stop_requested(); ++m) {
        const double u = m / 10.0;
        for (int i = 0; i < PocetPasem; ++i)
            e.Utlum[static_cast<size_t>(i)] = u;
        SpoctiLA(e.Utlum);
        const PasmaPozadavku splnena = splni(e);
        for (size_t p = 0; p < PocetPasem; ++p) {
            if (!hotovo[p] && (splnena[p] || u > urovenK[p])) {
                r.Utlum[p] = u;
                hotovo[p] = true;
                --zbyva;
            }
        }
    }
    return r;
}

bool PozadavekSplnen(const PotrebnyUtlum& u) {
    for (size_t i = 0; i < PocetPasem; ++i)
        if (u.Stav[i] == StavPasma::Nelze || (u.Stav[i] == StavPasma::Utlum && u.Utlum[i] > 0))
            return false;
    return true;
}

PotrebnyUtlum SpoctiPotrebnyUtlum(const Cesta& c, int k, const Spectrum& pozadavek,
                                  std::stop_token stop) {
    const Spectrum urovenK = UrovenZa(c, k);
    PasmaPozadavku ma{};
    for (int i = 0; i < PocetPasem; ++i)
        ma[static_cast<size_t>(i)] = MaPozadavek(pozadavek, i);
    PotrebnyUtlum r = HledejUtlum(
        urovenK, ma,
        [&](const TElementSite& e) {
            const Spectrum konec = KonecS(c, k, urovenK, e);
            PasmaPozadavku s{};
            for (size_t p = 0; p < PocetPasem; ++p)
                s[p] = konec[p] <= pozadavek[p];
            return s;
        },
        stop);
    const std::vector<const TElementSite*> za = PrvkyZa(c, k);
    for (int i = 0; i < PocetPasem; ++i) {
        const auto p = static_cast<size_t>(i);
        if (r.Stav[p] != StavPasma::Nelze) continue;
        double h = 0;
        const int j = Nejhlucnejsi(za, i, h);
        r.Blokuje[p] = j < 0 ? 0 : j + k + 1;
    }
    return r;
}

std::vector<KandidatTlumice> HledejTlumice(double a, double b, double q, const DataTlumice& data,
                                           const RezervaPrvku& rezerva, std::stop_token stop) {
    std::vector<KandidatTlumice> vysledek;
    TElementSite e;
    e.NastavTyp(TypTlumic);
    for (int delka = TlumicDelkaMin; delka <= TlumicDelkaMax; ++delka)
        for (const int w : SirkyVlozek)
            for (int n = TlumicPocetMin; n <= TlumicPocetMax; ++n) {
                if (stop.stop_requested()) return {};
                if (!ZadaniTlumiceMozne(a, b, q, w, n)) continue;
                const RozmeryTlumice r{a, b, double(delka), double(w), q, n};
                if (!SpektraTlumice(data, r, e.Utlum, e.VlastniDrun)) continue;
                Spectrum konec{};
                const std::optional<double> m = rezerva(e, konec);
                if (!m) continue;
                const double volno = a - double(w) * n;
                vysledek.push_back(
                    {r, volno / n, RychlostVPrurezu(volno, b, q), *m, e.Utlum, konec});
            }
    std::stable_sort(vysledek.begin(), vysledek.end(),
                     [](const KandidatTlumice& x, const KandidatTlumice& y) {
                         if (x.Rozmery.Delka != y.Rozmery.Delka)
                             return x.Rozmery.Delka < y.Rozmery.Delka;
                         if (x.Rychlost != y.Rychlost) return x.Rychlost < y.Rychlost;
                         if (x.Rozmery.SirkaVlozek != y.Rozmery.SirkaVlozek)
                             return x.Rozmery.SirkaVlozek < y.Rozmery.SirkaVlozek;
                         return x.Rozmery.PocetVlozek < y.Rozmery.PocetVlozek;
                     });
    return vysledek;
}

std::vector<KandidatTlumice> NajdiTlumice(const DrunVar& var, int k, const Spectrum& pozadavek,
                                          double a, double b, double q, const DataTlumice& data,
                                          std::stop_token stop) {
    return HledejTlumice(a, b, q, data, RezervaZa(var.cesta, k, pozadavek), stop);
}

VstupyObHrPotrubi VstupyOblozeni(const KandidatOblozeni& o, double a, double b, double q) {
    return {a, b, double(o.Tloustka), double(o.Delka), q};
}

std::vector<KandidatOblozeni> HledejOblozeni(double a, double b, double q,
                                             const RezervaPrvku& rezerva, std::stop_token stop) {
    std::vector<KandidatOblozeni> vysledek;
    // Evaluated as any element that attenuates and makes its own noise.
    TElementSite e = Tlumeni();
    for (const int t : TloustkyOblozeni)
        for (int delka = OblozeniDelkaMin; delka <= OblozeniDelkaMax; ++delka) {
            if (stop.stop_requested()) return {};
            KandidatOblozeni o{t, delka, 0, {}, {}};
            SpektraObHrPotrubi(VstupyOblozeni(o, a, b, q), e.Utlum, e.VlastniDrun);
            const std::optional<double> m = rezerva(e, o.Konec);
            if (!m) continue;
            o.Rezerva = *m;
            o.Utlum = e.Utlum;
            vysledek.push_back(o);
            break;
        }
    std::stable_sort(vysledek.begin(), vysledek.end(),
                     [](const KandidatOblozeni& x, const KandidatOblozeni& y) {
                         return x.Delka != y.Delka ? x.Delka < y.Delka : x.Tloustka < y.Tloustka;
                     });
    return vysledek;
}

std::vector<KandidatOblozeni> NajdiOblozeni(const Cesta& c, int k, const Spectrum& pozadavek,
                                            double a, double b, double q, std::stop_token stop) {
    return HledejOblozeni(a, b, q, RezervaZa(c, k, pozadavek), stop);
}

bool PodilPuvodu::MaLA() const {
    return std::find(Ma.begin(), Ma.end(), true) != Ma.end();
}

PodilyHladiny PodilyNaKonci(const Cesta& c) {
    PodilyHladiny r;
    const int pocet = c.Pocet();
    // Whether the evaluation reaches each element with a level, band by band:
    // only then does a several-sources element raise it.
    std::vector<std::array<bool, PocetPasem>> zvysuje(static_cast<size_t>(pocet) + 1);
    Spectrum uroven = NulaSpektrum(), mezisoucet = NulaSpektrum(), dalsi;
    for (int j = 1; j <= pocet; ++j) {
        const TElementSite& e = c.Prvek(j);
        for (size_t i = 0; i < PocetPasem; ++i)
            zvysuje[size_t(j)][i] = e.Typ() == TypVice && j > 1 && uroven[i] != 0.0;
        SpoctiUrovne(e, j == 1 ? nullptr : &uroven, mezisoucet, dalsi);
        uroven = dalsi;
    }
    r.Celkem = uroven;
    // From the end back: what every later element does to a level passing it.
    std::array<double, PocetPasem> posun{};
    for (int j = pocet; j >= 1; --j) {
        const TElementSite& e = c.Prvek(j);
        const bool vice = e.Typ() == TypVice;
        if (j == 1 || !vice) {
            PodilPuvodu p;
            p.Cislo = j;
            std::vector<double> vazene;
            for (size_t i = 0; i < PocetPasem; ++i) {
                p.Ma[i] = e.VlastniDrun[i] != 0.0;
                p.Uroven[i] = p.Ma[i] ? e.VlastniDrun[i] + posun[i] : 0.0;
                if (p.Ma[i]) vazene.push_back(p.Uroven[i] + VahaA[i]);
            }
            p.Uroven[LA] = SoucetHladin(vazene);
            if (j == 1 || p.MaLA()) r.Puvody.push_back(p);
        }
        for (size_t i = 0; i < PocetPasem; ++i) {
            if (vice)
                posun[i] += zvysuje[size_t(j)][i] ? KorekceViceZdroju(e) : 0.0;
            else if (j > 1)
                posun[i] -= e.Utlum[i];
        }
    }
    std::reverse(r.Puvody.begin(), r.Puvody.end());
    for (size_t i = 0; i < PocetPasem; ++i) {
        const PodilPuvodu* nej = nullptr;
        for (const PodilPuvodu& p : r.Puvody)
            if (p.Ma[i] && (!nej || p.Uroven[i] > nej->Uroven[i])) nej = &p;
        r.Rozhoduje[i] = nej ? nej->Cislo : 0;
    }
    return r;
}

std::string TextPodilu(const Cesta& c, const PodilyHladiny& p) {
    std::string t = "Element";
    for (const char* n : NazvyPasem)
        t += std::string("\t") + n;
    t += "\tL(A)\n";
    for (const PodilPuvodu& x : p.Puvody) {
        t += std::to_string(x.Cislo) + ' ' + c.Prvek(x.Cislo).NazevTypu();
        for (size_t i = 0; i <= LA; ++i) {
            t += '\t';
            if (i == LA ? x.MaLA() : x.Ma[i])
                PridejCislo(t, x.Uroven[i], 1);
            else
                t += '-';
        }
        t += '\n';
    }
    t += "Celkem";
    for (size_t i = 0; i <= LA; ++i) {
        t += '\t';
        PridejCislo(t, p.Celkem[i], 1);
    }
    return t + '\n';
}

std::vector<VlivElementu> CoRozhoduje(const Cesta& c) {
    const int pocet = c.Pocet();
    // Levels behind every element, [0] before the source.
    std::vector<Spectrum> za(static_cast<size_t>(pocet) + 1, NulaSpektrum());
    Spectrum mezisoucet = NulaSpektrum();
    for (int j = 1; j <= pocet; ++j)
        SpoctiUrovne(c.Prvek(j), j == 1 ? nullptr : &za[size_t(j - 1)], mezisoucet, za[size_t(j)]);
    const Spectrum& konec = za[size_t(pocet)];

    std::vector<VlivElementu> vlivy;
    for (int j = 1; j <= pocet; ++j) {
        const Spectrum* pred = j == 1 ? nullptr : &za[size_t(j - 1)];
        TElementSite e = c.Prvek(j);
        const auto pokles = [&](const TElementSite& zmeneny) {
            Spectrum z;
            SpoctiUrovne(zmeneny, pred, mezisoucet, z);
            const Spectrum jinak = UrovenNaKonci(c, j, z);
            Spectrum p{};
            for (size_t i = 0; i <= LA; ++i)
                p[i] = konec[i] - jinak[i];
            return p;
        };
        VlivElementu v;
        v.Cislo = j;
        NaplnSpektrum(e.VlastniDrun, 0);
        v.BezDrunu = pokles(e);
        e = c.Prvek(j);
        for (int i = 0; i < PocetPasem; ++i)
            e.Utlum[static_cast<size_t>(i)] += PridavekUtlumu;
        SpoctiLA(e.Utlum);
        v.VyssiUtlum = pokles(e);
        vlivy.push_back(v);
    }
    const auto p = static_cast<size_t>(SpoctiNR(konec).Pasmo);
    std::stable_sort(vlivy.begin(), vlivy.end(), [p](const VlivElementu& x, const VlivElementu& y) {
        return std::max(x.BezDrunu[p], x.VyssiUtlum[p]) > std::max(y.BezDrunu[p], y.VyssiUtlum[p]);
    });
    return vlivy;
}

std::string RadekUtlumu(const PotrebnyUtlum& u) {
    std::string t = "Potřebný útlum";
    for (size_t i = 0; i < PocetPasem; ++i) {
        t += '\t';
        if (u.Stav[i] == StavPasma::Utlum)
            PridejCislo(t, u.Utlum[i], 1);
        else
            t += u.Stav[i] == StavPasma::Nelze ? "nelze" : "-";
    }
    return t + '\n';
}

std::string TextKandidatu(const std::vector<KandidatTlumice>& tlumice, int kandidatu) {
    if (tlumice.empty() || kandidatu < 1) return "Žádný tlumič nevyhoví\n";
    std::string t = "Tlumič\tŠířka vložek\tPočet vložek\tMezera\tDélka\tRychlost\tRezerva\n";
    const size_t pocet = std::min(tlumice.size(), static_cast<size_t>(kandidatu));
    for (size_t j = 0; j < pocet; ++j) {
        const KandidatTlumice& x = tlumice[j];
        t += "Tlumič\t" + FormatObecne(x.Rozmery.SirkaVlozek) + '\t' +
             std::to_string(x.Rozmery.PocetVlozek) + '\t' + FormatCislo(x.Mezera, 0) + '\t' +
             FormatObecne(x.Rozmery.Delka) + '\t' + FormatCislo(x.Rychlost, 1) + '\t' +
             FormatCislo(x.Rezerva, 1) + '\n';
    }
    return t;
}

std::string TextNavrhu(const Cesta& c, int k, const PotrebnyUtlum& u,
                       const std::vector<KandidatTlumice>& tlumice, int kandidatu) {
    std::string t = "Za elementem\t" + std::to_string(k) + "\t" + c.Prvek(k).NazevTypu() + "\n";
    t += RadekUtlumu(u);
    for (size_t i = 0; i < PocetPasem; ++i) {
        if (u.Stav[i] != StavPasma::Nelze) continue;
        t += std::string("Nelze\t") + NazvyPasem[i] + '\t';
        t += u.Blokuje[i] == 0
                 ? std::string("-\t-")
                 : std::to_string(u.Blokuje[i]) + '\t' + c.Prvek(u.Blokuje[i]).NazevTypu();
        t += '\n';
    }
    return t + TextKandidatu(tlumice, kandidatu);
}

std::string TextOblozeni(const std::vector<KandidatOblozeni>& oblozeni) {
    if (oblozeni.empty()) return "Žádné obložení nevyhoví\n";
    std::string t = "Obložení\tTloušťka\tDélka\tRezerva\n";
    for (const KandidatOblozeni& o : oblozeni)
        t += "Obložení\t" + std::to_string(o.Tloustka) + '\t' + std::to_string(o.Delka) + '\t' +
             FormatCislo(o.Rezerva, 1) + '\n';
    return t;
}

std::optional<PrurezPrutok> PrurezElementu(const TElementSite& e) {
    const DruhElementu* d = Druh(e.Typ());
    if (!d || !d->Prurez) return std::nullopt;
    VstupyElementu v = e.Vstupy;
    return PrurezPrutok{*d->Prurez.A(v), *d->Prurez.B(v), *d->Prurez.Prutok(v)};
}

PrurezNaMiste PrurezNaPozici(std::span<const TElementSite* const> prvky, int k) {
    const int n = static_cast<int>(prvky.size());
    const auto z = [&](int j) -> std::optional<PrurezNaMiste> {
        if (const auto p = PrurezElementu(*prvky[size_t(j - 1)])) return PrurezNaMiste{j, *p};
        return std::nullopt;
    };
    k = std::clamp(k, 0, n);
    for (int j = k; j >= 1; --j)
        if (const auto p = z(j)) return *p;
    for (int j = k + 1; j <= n; ++j)
        if (const auto p = z(j)) return *p;
    return {};
}

PrurezNaMiste PrurezNaPozici(const Cesta& c, int k) {
    std::vector<const TElementSite*> prvky;
    for (int j = 1; j <= c.Pocet(); ++j)
        prvky.push_back(&c.Prvek(j));
    return PrurezNaPozici(prvky, k);
}

std::string ChybaPrurezu(double a, double b, double q) {
    const auto mimo = [](double x, double min, double max) {
        return !std::isfinite(x) || x < min || x > max;
    };
    const auto rozsah = [](double min, double max) {
        return " musí být číslo od " + FormatObecne(min) + " do " + FormatObecne(max);
    };
    if (mimo(a, TlumicRozmerMin, TlumicRozmerMax) || mimo(b, TlumicRozmerMin, TlumicRozmerMax))
        return "Rozměr potrubí" + rozsah(TlumicRozmerMin, TlumicRozmerMax) + " mm.";
    if (mimo(q, TlumicPrutokMin, TlumicPrutokMax))
        return "Průtok" + rozsah(TlumicPrutokMin, TlumicPrutokMax) + " m3/hod.";
    return {};
}

} // namespace drun
