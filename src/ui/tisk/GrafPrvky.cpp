#include "ui/tisk/GrafPrvky.h"

#include <QCategoryAxis>
#include <QChart>
#include <QFontMetricsF>
#include <QLegend>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "core/Cisla.h"
#include "core/DrunVar.h"
#include "tools/NR.h"
#include "tools/Pozadavek.h"

using namespace drun;

const QColor BarvaVysledku(0, 90, 200);
const QColor BarvaPozadavku(40, 40, 40);
const QColor BarvaNR(0, 150, 70);
const QColor BarvaNC(150, 60, 170);
const QColor BarvaPrekroceni(255, 0, 0);

QString NazevPasma(int i) {
    return i < PocetPasem ? QString::fromUtf8(NazvyPasem[static_cast<size_t>(i)])
                          : QStringLiteral("L(A)");
}

QString HintNR(const HodnoceniNR& h) {
    const QString pasmo = NazevPasma(h.Pasmo);
    return QStringLiteral("Rozhoduje pásmo ") + pasmo +
           QStringLiteral("|Hodnocení výsledku křivkami NR, rozhoduje pásmo ") + pasmo;
}

QString HintNC(const HodnoceniNC& h) {
    const QString pasmo = NazevPasma(h.Pasmo);
    return QStringLiteral("Rozhoduje pásmo ") + pasmo +
           QStringLiteral("|Hodnocení výsledku křivkami NC, rozhoduje pásmo ") + pasmo;
}

QString HintRC(const HodnoceniRC& h) {
    const QString kde = QStringLiteral("pásmo ") + NazevPasma(h.Pasmo) + QLatin1Char(' ') +
                        QString::fromStdString(FormatHodnota(std::fabs(h.Prebytek))) +
                        (h.Prebytek > 0 ? QStringLiteral(" dB nad křivkou RC")
                                        : QStringLiteral(" dB pod křivkou RC"));
    return QStringLiteral("Nejvýše ") + kde +
           QStringLiteral("|Hodnocení RC Mark II: R hučení, H syčení, N vyvážené spektrum; "
                          "nejvýše ") +
           kde;
}

QString Hodnoceni(const Spectrum& s) {
    return QStringLiteral("NR ") + QString::fromStdString(FormatHodnota(SpoctiNR(s).N)) +
           QStringLiteral(", ") + QString::fromStdString(PopisNC(SpoctiNC(s))) +
           QStringLiteral(", ") + QString::fromStdString(PopisRC(SpoctiRC(s)));
}

QString TextGrafu(const QString& text) {
    QString t = text;
    return t.replace(QLatin1Char('&'), QStringLiteral("&amp;"))
        .replace(QLatin1Char('<'), QStringLiteral("&lt;"));
}

// The axis makes a label for every tick at once: a long range never meets a
// short interval, or a path of thousands of elements would wait for as many labels.
void NastavRozsah(QValueAxis* osa, double min, double max, double krok) {
    osa->setTickInterval(std::max(osa->tickInterval(), krok));
    osa->setRange(min, max);
    osa->setTickInterval(krok);
}

double KrokHladin(double rozsah, int intervalu) {
    double krok = rozsah > 160 ? 20 : 10;
    for (int i = 0; rozsah / krok > intervalu && i < 1000; ++i) {
        const double rad = std::pow(10, std::floor(std::log10(krok)));
        krok *= krok / rad == 2 ? 2.5 : 2; // 20, 50, 100, 200, 500, 1000, …
    }
    return krok;
}

namespace {

// As many intervals as the plot's height holds labels, at most 16. The chart
// owns its axes through an object of its own: look for it up the parents.
int IntervalyOsy(const QValueAxis* osa) {
    const QObject* o = osa->parent();
    while (o && !qobject_cast<const QChart*>(o))
        o = o->parent();
    const qreal vyska = o ? static_cast<const QChart*>(o)->plotArea().height() : 0;
    if (vyska <= 0) return 16;
    const qreal radek = QFontMetricsF(osa->labelsFont()).height() * 1.25;
    return std::clamp(static_cast<int>(vyska / radek), 2, 16);
}

} // namespace

void NastavRozsahHladin(QValueAxis* osa, double min, double max) {
    if (!std::isfinite(min) || !std::isfinite(max)) min = max = 0;
    double dolni = std::floor((min - 1) / 10) * 10;
    double horni = std::ceil((max + 1) / 10) * 10;
    if (horni - dolni < 20) horni = dolni + 20;
    NastavRozsah(osa, dolni, horni, KrokHladin(horni - dolni, IntervalyOsy(osa)));
}

QValueAxis* OsaHladin(QChart* graf) {
    auto* y = new QValueAxis(graf);
    y->setTitleText(QStringLiteral("Hladina [dB]"));
    y->setLabelFormat(QStringLiteral("%.0f"));
    y->setTickType(QValueAxis::TicksDynamic);
    y->setTickAnchor(0);
    y->setTickInterval(10);
    graf->addAxis(y, Qt::AlignLeft);
    // A lower chart (a small screen) gets fewer labels, never elided ones.
    QObject::connect(graf, &QChart::plotAreaChanged, y, [y] {
        const double krok = KrokHladin(y->max() - y->min(), IntervalyOsy(y));
        if (krok != y->tickInterval()) NastavRozsah(y, y->min(), y->max(), krok);
    });
    return y;
}

QCategoryAxis* OsaPasem(QChart* graf) {
    auto* pasma = new QCategoryAxis(graf);
    pasma->setTitleText(QStringLiteral("Kmitočet [Hz]"));
    pasma->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    pasma->setStartValue(0.5);
    for (int i = 0; i < PocetPasem; ++i)
        pasma->append(NazevPasma(i), i + 1);
    pasma->setRange(0.5, PocetPasem + 0.5);
    graf->addAxis(pasma, Qt::AlignBottom);
    return pasma;
}

QLineSeries* Cara(QChart* graf, const QString& nazev, const QColor& barva, Qt::PenStyle styl,
                  qreal sirka) {
    auto* s = new QLineSeries(graf);
    s->setName(TextGrafu(nazev));
    QPen pero(barva, sirka, styl);
    s->setPen(pero);
    graf->addSeries(s);
    return s;
}

QScatterSeries* Body(QChart* graf, const QString& nazev, const QColor& barva, qreal velikost) {
    auto* s = new QScatterSeries(graf);
    s->setName(TextGrafu(nazev));
    s->setColor(barva);
    s->setBorderColor(barva.darker(130));
    s->setMarkerSize(velikost);
    graf->addSeries(s);
    return s;
}

QChart* NovyGraf(const QString& titul) {
    auto* g = new QChart;
    g->setTitle(TextGrafu(titul));
    g->setAnimationOptions(QChart::NoAnimation);
    g->legend()->setAlignment(Qt::AlignBottom);
    g->setMargins(QMargins(4, 4, 4, 4));
    return g;
}

SpektrumProtiPozadavku PridejSpektrum(QChart* graf, const QString& nazev) {
    SpektrumProtiPozadavku g{};
    g.Pozadavek = Cara(graf, QStringLiteral("Požadavek"), BarvaPozadavku, Qt::DashLine, 2);
    g.NR = Cara(graf, QStringLiteral("NR"), BarvaNR, Qt::DotLine, 2);
    g.NC = Cara(graf, QStringLiteral("NC"), BarvaNC, Qt::DashDotLine, 2);
    g.Spektrum = Cara(graf, nazev, BarvaVysledku, Qt::SolidLine, 3);
    g.Spektrum->setPointsVisible(true);
    g.Prekroceno = Body(graf, QStringLiteral("Požadavek překročen"), BarvaPrekroceni, 13);
    QCategoryAxis* pasma = OsaPasem(graf);
    g.OsaY = OsaHladin(graf);
    for (QAbstractSeries* s : graf->series()) {
        s->attachAxis(pasma);
        s->attachAxis(g.OsaY);
    }
    return g;
}

void KresliProtiPozadavku(const SpektrumProtiPozadavku& g, const Spectrum& s,
                          const Spectrum& pozadavek, const Spectrum& rozdil, double min, double max,
                          const QString& priponaNR) {
    const HodnoceniNR nr = SpoctiNR(s);
    const HodnoceniNC nc = SpoctiNC(s);
    const Spectrum krivka = NKrivka(nr.N), ncKrivka = NCKrivka(nc.NC);
    // Without a requirement there is no curve to draw and nothing to exceed.
    const bool sPozadavkem = MaPozadavek(pozadavek);
    QList<QPointF> spektrum, pozadavky, nkrivka, nckrivka, prekroceno;
    for (int i = 0; i < PocetPasem; ++i) {
        const auto k = static_cast<size_t>(i);
        const double x = i + 1;
        spektrum << QPointF(x, s[k]);
        nkrivka << QPointF(x, krivka[k]);
        nckrivka << QPointF(x, ncKrivka[k]);
        for (double y : {s[k], krivka[k], ncKrivka[k]}) {
            min = std::min(min, y);
            max = std::max(max, y);
        }
        if (!sPozadavkem) continue;
        pozadavky << QPointF(x, pozadavek[k]);
        if (rozdil[k] > 0) prekroceno << QPointF(x, s[k]);
        min = std::min(min, pozadavek[k]);
        max = std::max(max, pozadavek[k]);
    }
    g.Pozadavek->setVisible(sPozadavkem);
    g.Prekroceno->setVisible(sPozadavkem);
    NastavRozsahHladin(g.OsaY, min, max);
    g.Spektrum->replace(spektrum);
    g.Pozadavek->replace(pozadavky);
    g.NR->replace(nkrivka);
    g.NR->setName(QStringLiteral("Křivka NR ") + QString::fromStdString(FormatHodnota(nr.N)) +
                  priponaNR);
    g.NC->replace(nckrivka);
    g.NC->setName(
        TextGrafu(QStringLiteral("Křivka ") + QString::fromStdString(PopisNC(nc)) + priponaNR));
    g.Prekroceno->replace(prekroceno);
}
