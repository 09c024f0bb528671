#include "ui/Grafy.h"

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
#include "ui/GrafPrvky.h"

using namespace drun;

namespace {

// Above this many elements the points would merge into a thick line.
constexpr int MaxViditelnychBodu = 300;

const QColor BarvaAktualniho(255, 140, 0);

QString Text(double x) {
    return QString::fromStdString(FormatHodnota(x));
}

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
    SpektrumGraf = NovyGraf(QStringLiteral("Spektrum na konci sítě"));
    PozadavekSerie =
        Cara(SpektrumGraf, QStringLiteral("Požadavek"), BarvaPozadavku, Qt::DashLine, 2);
    NRSerie = Cara(SpektrumGraf, QStringLiteral("NR"), BarvaNR, Qt::DotLine, 2);
    VysledekSerie =
        Cara(SpektrumGraf, QStringLiteral("Výsledek celé sítě"), BarvaVysledku, Qt::SolidLine, 3);
    VysledekSerie->setPointsVisible(true);
    PrekrocenoSerie =
        Body(SpektrumGraf, QStringLiteral("Požadavek překročen"), BarvaPrekroceni, 13);
    QCategoryAxis* pasma = OsaPasem(SpektrumGraf);
    SpektrumOsaY = OsaHladin(SpektrumGraf);
    for (QAbstractSeries* s : SpektrumGraf->series()) {
        s->attachAxis(pasma);
        s->attachAxis(SpektrumOsaY);
    }

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
    const HodnoceniNR nr = SpoctiNR(var.Vysledek);
    const Spectrum krivka = NKrivka(nr.N);
    QList<QPointF> vysledek, pozadavek, nkrivka, prekroceno;
    double min = var.Vysledek[0], max = min;
    for (int i = 0; i < PocetPasem; ++i) {
        const auto k = static_cast<size_t>(i);
        const double x = i + 1;
        vysledek << QPointF(x, var.Vysledek[k]);
        pozadavek << QPointF(x, var.Pozadavek[k]);
        nkrivka << QPointF(x, krivka[k]);
        // Red where the main window's difference row is red.
        if (var.Rozdil[k] > 0) prekroceno << QPointF(x, var.Vysledek[k]);
        for (double y : {var.Vysledek[k], var.Pozadavek[k], krivka[k]}) {
            min = std::min(min, y);
            max = std::max(max, y);
        }
    }
    NastavRozsahHladin(SpektrumOsaY, min, max);
    VysledekSerie->replace(vysledek);
    PozadavekSerie->replace(pozadavek);
    NRSerie->replace(nkrivka);
    NRSerie->setName(QStringLiteral("Křivka NR ") + Text(nr.N));
    PrekrocenoSerie->replace(prekroceno);
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
