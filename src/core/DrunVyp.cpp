#include "DrunVyp.h"

#include "DrunVar.h"
#include "Matemat.h"

namespace drun {

namespace {
constexpr double PodlahaMezisouctu = 0.001;
constexpr double PrahScitani = 0.01;
} // namespace

void SpoctiUrovne(const TElementSite& e, const Spectrum* pred, Spectrum& mezisoucet, Spectrum& za) {
    if (pred == nullptr) {
        za = e.VlastniDrun;
    } else if (e.Typ == TypVice) {
        NaplnSpektrum(mezisoucet, 0);
        const int n = e.Druh < 1 ? 1 : e.Druh; // a count of 0 never reaches the logarithm
        const double k = 10 * Log10(n);
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

Spectrum UrovenNaKonci(const Cesta& c, int k, const Spectrum& za) {
    Spectrum uroven = za, mezisoucet = NulaSpektrum(), dalsi;
    for (int j = k + 1; j <= c.Pocet(); ++j) {
        SpoctiUrovne(c.Prvek(j), &uroven, mezisoucet, dalsi);
        uroven = dalsi;
    }
    return uroven;
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

bool ZadejElement(DrunVar& var, const std::function<void(DrunVar&)>& zapis,
                  const std::function<bool(DrunVar&)>& vypocet) {
    Cesta& c = var.cesta;
    const bool pridat = var.RezimPridat;
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

} // namespace drun
