#include "DrunVyp.h"

#include "DrunVar.h"
#include "Matemat.h"

namespace drun {

namespace {
constexpr double PodlahaMezisouctu = 0.001;
constexpr double PrahScitani = 0.01;
} // namespace

double KorekceViceZdroju(const TElementSite& e) {
    if (e.Typ() != TypVice) return 0;
    const int n = e.Vstup<VstupyVice>().PocetZdroju;
    return 10 * Log10(n < 1 ? 1 : n); // a count of 0 never reaches the logarithm
}

void SpoctiUrovne(const TElementSite& e, const Spectrum* pred, Spectrum& mezisoucet, Spectrum& za) {
    if (pred == nullptr) {
        za = e.VlastniDrun;
    } else if (e.Typ() == TypVice) {
        NaplnSpektrum(mezisoucet, 0);
        const double k = KorekceViceZdroju(e);
        for (int i = 0; i < PocetPasem; ++i)
            za[i] = (*pred)[i] == 0.0 ? 0.0 : (*pred)[i] + k;
    } else {
        for (int i = 0; i < PocetPasem; ++i) {
            // A gain (the room's negative attenuation) cannot make sound out of
            // a band that carries none.
            const bool ticho = (*pred)[i] == 0.0 && e.Utlum[i] < 0;
            double s = ticho ? 0.0 : (*pred)[i] - e.Utlum[i];
            if (s < 0) s = PodlahaMezisouctu;
            mezisoucet[i] = s;
            const double vd = e.VlastniDrun[i];
            // Above the threshold the energetic sum is at least s, never below 0.
            za[i] = s <= PrahScitani || vd == 0.0 ? s + vd : SoucetHladin(s, vd);
        }
    }
    SpoctiLA(mezisoucet);
    SpoctiLA(za);
}

void SpoctiElement(DrunVar& var) {
    TElementSite& e = var.cesta.Aktualni();
    const TElementSite* p = var.cesta.Predchozi(e);
    SpoctiUrovne(e, p == nullptr ? nullptr : &p->ZaElementem, e.Mezisoucet, e.ZaElementem);
}

namespace {

// The level behind element `po` when `za` leaves element `od` (od 0: nothing
// enters, element 1 is the source), elements od+1..po evaluated in order.
Spectrum Vyhodnot(const Cesta& c, int od, int po, const Spectrum& za) {
    Spectrum uroven = za, mezisoucet = NulaSpektrum(), dalsi;
    for (int j = od + 1; j <= po; ++j) {
        SpoctiUrovne(c.Prvek(j), j == 1 ? nullptr : &uroven, mezisoucet, dalsi);
        uroven = dalsi;
    }
    return uroven;
}

} // namespace

Spectrum UrovenNaKonci(const Cesta& c, int k, const Spectrum& za) {
    return Vyhodnot(c, k, c.Pocet(), za);
}

Spectrum UrovenZa(const Cesta& c, int k) {
    return Vyhodnot(c, 0, k, NulaSpektrum());
}

void PrepocitejOd(DrunVar& var, int n) {
    Cesta& c = var.cesta;
    c.NajdiElement(n);
    n = c.AktualniCislo();
    for (int i = n; i <= c.Pocet(); ++i) {
        c.NajdiElement(i);
        SpoctiElement(var);
    }
    c.NajdiElement(n);
    var.Vysledek = c.Posledni().ZaElementem;
    SpoctiLA(var.Vysledek);
    for (int k = 0; k <= LA; ++k)
        var.Rozdil[k] = var.Vysledek[k] - var.Pozadavek[k];
}

bool ZadejElement(DrunVar& var, bool pridat, const std::function<void(DrunVar&)>& zapis,
                  const std::function<bool(DrunVar&)>& vypocet) {
    Cesta& c = var.cesta;
    const TElementSite puvodni = c.Aktualni();
    if (pridat) c.VlozElement();
    zapis(var);
    if (vypocet(var)) {
        ZapamatujVstupy(var);
        return true;
    }
    if (pridat) {
        c.VypustElement(c.AktualniCislo());
    } else {
        c.NahradAktualni(puvodni);
    }
    return false;
}

std::optional<TElementSite> PopisElementu(DrunVar& var, bool pridat,
                                          const std::function<void(DrunVar&)>& zapis,
                                          const std::function<bool(DrunVar&)>& vypocet) {
    DrunVar kopie = var;
    if (!ZadejElement(kopie, pridat, zapis, vypocet)) return std::nullopt;
    var.vstupy = kopie.vstupy;
    return kopie.cesta.Aktualni();
}

} // namespace drun
