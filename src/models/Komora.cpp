#include "models/Komora.h"

#include <cmath>

#include "core/Matemat.h"
#include "models/MezUtlumu.h"

namespace drun {

namespace {

constexpr double Pi = 3.14159265358979323846;
// The absorption coefficient as the room formula can use it.
constexpr double AlfaMin = 0.01, AlfaMax = 0.99;

} // namespace

void SpektraKomory(const VstupyKomory& v, Spectrum& utlum, Spectrum& drun) {
    const double l = NaMetry(v.Delka, KomRozmerMin, KomRozmerMax);
    const double w = NaMetry(v.Sirka, KomRozmerMin, KomRozmerMax);
    const double h = NaMetry(v.Vyska, KomRozmerMin, KomRozmerMax);
    // Openings no larger than their wall and offsets within it, so that the
    // walls keep an area and every logarithm's argument stays positive.
    const double ia = DoMezi(NaMetry(v.VstupA, KomOtvorMin, KomOtvorMax), 0, w);
    const double ib = DoMezi(NaMetry(v.VstupB, KomOtvorMin, KomOtvorMax), 0, h);
    const double oa = DoMezi(NaMetry(v.VystupA, KomOtvorMin, KomOtvorMax), 0, w);
    const double ob = DoMezi(NaMetry(v.VystupB, KomOtvorMin, KomOtvorMax), 0, h);
    const double bok =
        DoMezi(NaMetry(v.PosunBok, KomPosunMin, KomPosunMax), 0, MaxPosunKomory(w, ia, oa));
    const double svisle =
        DoMezi(NaMetry(v.PosunSvisle, KomPosunMin, KomPosunMax), 0, MaxPosunKomory(h, ib, ob));
    const double r2 = l * l + bok * bok + svisle * svisle;
    const double cosTheta = l / std::sqrt(r2);
    const double sVstup = ia * ib, sVystup = oa * ob;
    const double sSten = 2 * (l * w + l * h + w * h) - sVstup - sVystup;
    const double sCelkem = sSten + sVstup + sVystup;
    for (size_t i = 0; i < PocetPasem; ++i) {
        const double alfa = DoMezi(v.Pohltivost[i], AlfaMin, AlfaMax);
        const double a = sSten * alfa + sVstup + sVystup;
        const double r = a / (1 - a / sCelkem);
        // The direct sound taken whole (cos theta, not its square): the safer side.
        utlum[i] = -10 * Log10(sVystup * (cosTheta / (Pi * r2) + 1 / r));
    }
    OmezUtlum(utlum);
    NaplnSpektrum(drun, 0);
}

std::string PopisKomory(const std::string& delka, const std::string& sirka,
                        const std::string& vyska, const std::string& vstupA,
                        const std::string& vstupB, const std::string& vystupA,
                        const std::string& vystupB, const std::string& posunBok,
                        const std::string& posunSvisle) {
    return delka + "x" + sirka + "x" + vyska + "mm, vstup " + vstupA + "x" + vstupB +
           "mm, výstup " + vystupA + "x" + vystupB + "mm, posunutí " + posunBok + "x" +
           posunSvisle + "mm";
}

void VypocetKomory(DrunVar& var) {
    TElementSite& e = var.cesta.Aktualni();
    SpektraKomory(e.Vstup<VstupyKomory>(), e.Utlum, e.VlastniDrun);
}

} // namespace drun
