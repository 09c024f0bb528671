#include "ui/tisk/Grafy.h"

#include <QCategoryAxis>
#include <QChart>
#include <QLegend>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "core/Cisla.h"
#include "core/DrunVar.h"
#include "tools/NR.h"
#include "ui/tisk/GrafPrvky.h"

using namespace drun;

namespace {

// Above this many elements the points would merge into a thick line.
constexpr int MaxViditelnychBodu = 300;

const QColor BarvaAktualniho(255, 140, 0);
const QString NazevSpektra = QStringLiteral("Spektrum na konci sítě");

// 1, 2 or 5 times a power of ten, so that about a dozen elements get a label.
double KrokCisel(int pocet) {
    double krok = 1;
    while (pocet / krok > 12) {
        if (pocet / (krok * 2) <= 12) return krok * 2;
        if (pocet / (krok * 5) <= 12) return krok * 5;
        krok *= 10;
    }
    return krok;
}

} // namespace

TGrafy::TGrafy() {
    // Spectrum at the end of the path.
    SpektrumGraf = NovyGraf(NazevSpektra);
    const SpektrumProtiPozadavku g =
        PridejSpektrum(SpektrumGraf, QStringLiteral("Výsledek celé sítě"));
    VysledekSerie = g.Spektrum;
    PozadavekSerie = g.Pozadavek;
    NRSerie = g.NR;
    NCSerie = g.NC;
    PrekrocenoSerie = g.Prekroceno;
    SpektrumOsaY = g.OsaY;

    // Level along the path.
    CestaGraf = NovyGraf(QStringLiteral("Hladina za elementy podél cesty"));
    CestaSerie = Cara(CestaGraf, QStringLiteral("Za elementem"), BarvaVysledku, Qt::SolidLine, 2);
    AktualniSerie = Body(CestaGraf, QStringLiteral("Aktuální element"), BarvaAktualniho, 14);
    CestaOsaX = new QValueAxis(CestaGraf);
    CestaOsaX->setTitleText(QStringLiteral("Element č."));
    CestaOsaX->setLabelFormat(QStringLiteral("%.0f"));
    CestaOsaX->setTickType(QValueAxis::TicksDynamic);
    CestaOsaX->setTickAnchor(0);
    CestaOsaX->setMinorTickCount(0);
    CestaGraf->addAxis(CestaOsaX, Qt::AlignBottom);
    CestaOsaY = OsaHladin(CestaGraf);
    for (QAbstractSeries* s : CestaGraf->series()) {
        s->attachAxis(CestaOsaX);
        s->attachAxis(CestaOsaY);
    }
}

TGrafy::~TGrafy() {
    // A view's scene owns the chart it shows and deletes it itself.
    for (QChart* g : {SpektrumGraf, CestaGraf})
        if (!g->scene()) delete g;
}

void TGrafy::KresliSpektrum(const DrunVar& var) {
    SpektrumGraf->setTitle(
        TextGrafu(NazevSpektra + QStringLiteral(" – ") + Hodnoceni(var.Vysledek)));
    KresliProtiPozadavku(
        {VysledekSerie, PozadavekSerie, NRSerie, PrekrocenoSerie, SpektrumOsaY, NCSerie},
        var.Vysledek, var.Pozadavek, var.Rozdil, var.Vysledek[0], var.Vysledek[0]);
}

void TGrafy::KresliCestu(const DrunVar& var, int pasmo) {
    const Cesta& cesta = var.cesta;
    const int pocet = cesta.Pocet();
    const auto p = static_cast<size_t>(std::clamp(pasmo, 0, LA));
    QList<QPointF> body;
    body.reserve(pocet);
    double min = cesta.Prvek(1).ZaElementem[p], max = min;
    for (int n = 1; n <= pocet; ++n) {
        const double y = cesta.Prvek(n).ZaElementem[p];
        body << QPointF(n, y);
        min = std::min(min, y);
        max = std::max(max, y);
    }
    // Old points under new axes (or new points under old ones) can lie far
    // outside the plot, and the chart would stroke that whole huge line.
    CestaSerie->clear();
    NastavRozsah(CestaOsaX, 0.5, pocet + 0.5, KrokCisel(pocet));
    NastavRozsahHladin(CestaOsaY, min, max);
    CestaSerie->setPointsVisible(pocet <= MaxViditelnychBodu);
    CestaSerie->replace(body);
    CestaSerie->setName(QStringLiteral("Hladina za elementem, ") + NazevPasma(static_cast<int>(p)));
    KresliAktualni(var, pasmo);
}

void TGrafy::KresliAktualni(const DrunVar& var, int pasmo) {
    const int n = var.cesta.AktualniCislo();
    const double y = var.cesta.Prvek(n).ZaElementem[static_cast<size_t>(std::clamp(pasmo, 0, LA))];
    AktualniSerie->replace(QList<QPointF>{QPointF(n, y)});
    AktualniSerie->setName(QStringLiteral("Aktuální element č. ") + QString::number(n));
}
