#include "ui/Graf.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QListView>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QScatterSeries>
#include <QScreen>
#include <QSvgGenerator>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "core/Cisla.h"
#include "core/DrunVar.h"
#include "tools/NR.h"
#include "ui/DrunMain.h"
#include "ui/Hlaseni.h"
#include "ui/Nastaveni.h"

using namespace drun;

namespace {

// A click this close to an element's point picks the element.
constexpr double DosahKliku = 8.0;
// Above this many elements the points would merge into a thick line.
constexpr int MaxViditelnychBodu = 300;

const QColor BarvaVysledku(0, 90, 200);
const QColor BarvaPozadavku(40, 40, 40);
const QColor BarvaNR(0, 150, 70);
const QColor BarvaPrekroceni(255, 0, 0);
const QColor BarvaAktualniho(255, 140, 0);

QString NazevPasma(int i) {
    return i < PocetPasem ? QString::fromUtf8(NazvyPasem[static_cast<size_t>(i)])
                          : QStringLiteral("L(A)");
}

QString Text(double x) {
    return QString::fromStdString(FormatHodnota(x));
}

// The axis makes a label for every tick at once: a long range never meets a
// short interval, or a path of thousands of elements would wait for as many labels.
void NastavRozsah(QValueAxis* osa, double min, double max, double krok) {
    osa->setTickInterval(std::max(osa->tickInterval(), krok));
    osa->setRange(min, max);
    osa->setTickInterval(krok);
}

// Whole tens of dB around the values, with a little room at both ends.
void NastavRozsahHladin(QValueAxis* osa, double min, double max) {
    if (!std::isfinite(min) || !std::isfinite(max)) min = max = 0;
    double dolni = std::floor((min - 1) / 10) * 10;
    double horni = std::ceil((max + 1) / 10) * 10;
    if (horni - dolni < 20) horni = dolni + 20;
    NastavRozsah(osa, dolni, horni, horni - dolni > 160 ? 20 : 10);
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

QValueAxis* OsaHladin(QChart* graf) {
    auto* y = new QValueAxis(graf);
    y->setTitleText(QStringLiteral("Hladina [dB]"));
    y->setLabelFormat(QStringLiteral("%.0f"));
    y->setTickType(QValueAxis::TicksDynamic);
    y->setTickAnchor(0);
    y->setTickInterval(10);
    graf->addAxis(y, Qt::AlignLeft);
    return y;
}

QLineSeries* Cara(QChart* graf, const QString& nazev, const QColor& barva, Qt::PenStyle styl,
                  qreal sirka) {
    auto* s = new QLineSeries(graf);
    s->setName(nazev);
    QPen pero(barva, sirka, styl);
    s->setPen(pero);
    graf->addSeries(s);
    return s;
}

QScatterSeries* Body(QChart* graf, const QString& nazev, const QColor& barva, qreal velikost) {
    auto* s = new QScatterSeries(graf);
    s->setName(nazev);
    s->setColor(barva);
    s->setBorderColor(barva.darker(130));
    s->setMarkerSize(velikost);
    graf->addSeries(s);
    return s;
}

QChart* NovyGraf(const QString& titul) {
    auto* g = new QChart;
    g->setTitle(titul);
    g->setAnimationOptions(QChart::NoAnimation);
    g->legend()->setAlignment(Qt::AlignBottom);
    g->setMargins(QMargins(4, 4, 4, 4));
    return g;
}

} // namespace

TGrafForm::TGrafForm(THlavniForm& hlavni) : QWidget(&hlavni, Qt::Window), hlavni_(hlavni) {
    setWindowTitle(QStringLiteral("Graf"));

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
    auto* pasma = new QCategoryAxis(SpektrumGraf);
    pasma->setTitleText(QStringLiteral("Kmitočet [Hz]"));
    pasma->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    pasma->setStartValue(0.5);
    for (int i = 0; i < PocetPasem; ++i)
        pasma->append(NazevPasma(i), i + 1);
    pasma->setRange(0.5, PocetPasem + 0.5);
    SpektrumGraf->addAxis(pasma, Qt::AlignBottom);
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

    SpektrumView = new QChartView(SpektrumGraf, this);
    CestaView = new QChartView(CestaGraf, this);
    for (QChartView* v : {SpektrumView, CestaView}) {
        v->setRenderHint(QPainter::Antialiasing);
        v->setMinimumSize(560, 260);
    }
    CestaView->viewport()->installEventFilter(this);
    CestaView->viewport()->setCursor(Qt::PointingHandCursor);
    NastavHint(CestaView,
               QStringLiteral("Kliknutím na bod vyberete element|Kliknutím na bod grafu vyberete "
                              "element v hlavním okně"));

    PasmoComboBox = new QComboBox(this);
    for (int i = 0; i <= PocetPasem; ++i)
        PasmoComboBox->addItem(NazevPasma(i));
    PasmoComboBox->setCurrentIndex(LA);
    PasmoComboBox->setMaxVisibleItems(PocetPasem + 1);
    NastavHint(PasmoComboBox, QStringLiteral("Pásmo, jehož hladina se ukazuje podél cesty"));
    connect(PasmoComboBox, &QComboBox::currentIndexChanged, this, [this] {
        if (isVisible()) PrekresliCestu();
    });
    UlozitBtn = new QPushButton(QStringLiteral("Uložit obrázek…"), this);
    NastavHint(UlozitBtn, QStringLiteral("Uloží oba grafy jako obrázek PNG nebo SVG"));
    connect(UlozitBtn, &QPushButton::clicked, this, &TGrafForm::UlozitBtnClick);

    auto* dole = new QHBoxLayout;
    auto* popis = new QLabel(QStringLiteral("&Pásmo podél cesty:"), this);
    popis->setBuddy(PasmoComboBox);
    dole->addWidget(popis);
    dole->addWidget(PasmoComboBox);
    dole->addStretch(1);
    dole->addWidget(UlozitBtn);
    auto* svisle = new QVBoxLayout(this);
    svisle->setContentsMargins(6, 6, 6, 6);
    svisle->addWidget(SpektrumView, 1);
    svisle->addWidget(CestaView, 1);
    svisle->addLayout(dole);
    resize(860, 760);

    connect(&hlavni_, &THlavniForm::Prepocitano, this, &TGrafForm::Prekresli);
    // The main window makes the list's current line the current element.
    connect(hlavni_.SeznamElemListBox->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] {
                if (isVisible() && !zastarale_) ZvyrazniAktualni();
            });
}

int TGrafForm::Pasmo() const {
    return std::clamp(PasmoComboBox->currentIndex(), 0, LA);
}

double TGrafForm::Hladina(int n) const {
    return hlavni_.Var().cesta.Prvek(n).ZaElementem[static_cast<size_t>(Pasmo())];
}

void TGrafForm::Zobraz() {
    if (!umisteno_ && !testAttribute(Qt::WA_Moved)) {
        // First time beside the main window (unless it remembers its place),
        // where the screen has room for it.
        umisteno_ = true;
        const QRect hlavni = hlavni_.frameGeometry();
        const QRect obrazovka = hlavni_.screen()->availableGeometry();
        QPoint kam(hlavni.right() + 8, hlavni.top());
        if (kam.x() + width() > obrazovka.right())
            kam = obrazovka.center() - QPoint(width() / 2, height() / 2);
        move(kam.x(), std::max(kam.y(), obrazovka.top()));
    }
    show();
    raise();
    activateWindow();
}

void TGrafForm::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (zastarale_) PrekresliHned();
}

void TGrafForm::Prekresli() {
    if (isVisible())
        PrekresliHned();
    else
        zastarale_ = true;
}

void TGrafForm::PrekresliHned() {
    PrekresliSpektrum();
    PrekresliCestu();
    zastarale_ = false;
}

void TGrafForm::PrekresliSpektrum() {
    const DrunVar& var = hlavni_.Var();
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

void TGrafForm::PrekresliCestu() {
    const Cesta& cesta = hlavni_.Var().cesta;
    const int pocet = cesta.Pocet();
    const auto pasmo = static_cast<size_t>(Pasmo());
    QList<QPointF> body;
    body.reserve(pocet);
    double min = cesta.Prvek(1).ZaElementem[pasmo], max = min;
    for (int n = 1; n <= pocet; ++n) {
        const double y = cesta.Prvek(n).ZaElementem[pasmo];
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
    CestaSerie->setName(QStringLiteral("Hladina za elementem, ") + NazevPasma(Pasmo()));
    ZvyrazniAktualni();
}

void TGrafForm::ZvyrazniAktualni() {
    const Cesta& cesta = hlavni_.Var().cesta;
    const int n = cesta.AktualniCislo();
    AktualniSerie->replace(QList<QPointF>{QPointF(n, Hladina(n))});
    AktualniSerie->setName(QStringLiteral("Aktuální element č. ") + QString::number(n));
}

void TGrafForm::VyberElement(int n) {
    DrunVar& var = hlavni_.Var();
    if (n < 1 || n > var.cesta.Pocet()) return;
    var.cesta.NajdiElement(n);
    hlavni_.ZobrazElement(var.cesta.Aktualni());
    const QModelIndex i = hlavni_.Seznam->index(n - 1);
    hlavni_.SeznamElemListBox->setCurrentIndex(i);
    hlavni_.SeznamElemListBox->scrollTo(i);
    ZvyrazniAktualni();
}

int TGrafForm::ElementNaPozici(const QPoint& pos) const {
    const int pocet = hlavni_.Var().cesta.Pocet();
    if (CestaSerie->count() != pocet) return 0; // not drawn for this path yet
    const QPointF bod = CestaGraf->mapFromScene(CestaView->mapToScene(pos));
    const double x = CestaGraf->mapToValue(bod, CestaSerie).x();
    if (!std::isfinite(x)) return 0;
    // Neighbours whose points may lie within reach, however dense the path.
    const double naBod = CestaGraf->plotArea().width() / (CestaOsaX->max() - CestaOsaX->min());
    const int okoli = naBod > 0 ? std::min(200, static_cast<int>(DosahKliku / naBod) + 1) : 1;
    const int stred = static_cast<int>(std::lround(std::clamp(x, 0.0, pocet + 1.0)));
    int nejblizsi = 0;
    double nejmensi = DosahKliku;
    for (int n = std::max(1, stred - okoli); n <= std::min(pocet, stred + okoli); ++n) {
        const QPointF p = CestaGraf->mapToPosition(QPointF(n, Hladina(n)), CestaSerie);
        const double d = std::hypot(p.x() - bod.x(), p.y() - bod.y());
        if (d <= nejmensi) {
            nejmensi = d;
            nejblizsi = n;
        }
    }
    return nejblizsi;
}

bool TGrafForm::eventFilter(QObject* o, QEvent* e) {
    if (o == CestaView->viewport() && e->type() == QEvent::MouseButtonRelease) {
        auto* m = static_cast<QMouseEvent*>(e);
        if (m->button() == Qt::LeftButton) {
            if (const int n = ElementNaPozici(m->position().toPoint())) VyberElement(n);
            return true;
        }
    }
    return QWidget::eventFilter(o, e);
}

QSize TGrafForm::VelikostObrazku() const {
    return {std::max(SpektrumView->width(), CestaView->width()),
            SpektrumView->height() + CestaView->height()};
}

void TGrafForm::Vykresli(QPainter& p) {
    p.fillRect(QRect(QPoint(0, 0), VelikostObrazku()), Qt::white);
    SpektrumView->render(&p, QRectF(QPointF(0, 0), SpektrumView->size()));
    CestaView->render(&p, QRectF(QPointF(0, SpektrumView->height()), CestaView->size()));
}

bool TGrafForm::UlozObrazek(const QString& soubor) {
    const QString pripona = QFileInfo(soubor).suffix().toLower();
    if (pripona != QLatin1String("png") && pripona != QLatin1String("svg")) {
        hlaseni().Chyba(
            QStringLiteral("Obrázek lze uložit jen jako PNG (*.png) nebo SVG (*.svg)."));
        return false;
    }
    if (zastarale_) PrekresliHned();
    // Both charts at the size they have on screen, one above the other.
    const QSize velikost = VelikostObrazku();
    QSaveFile f(soubor);
    bool dobre = f.open(QIODevice::WriteOnly);
    if (dobre && pripona == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setOutputDevice(&f);
        svg.setSize(velikost);
        svg.setViewBox(QRect(QPoint(0, 0), velikost));
        svg.setTitle(QStringLiteral("DRUN – graf"));
        QPainter p(&svg);
        Vykresli(p);
        dobre = p.end();
    } else if (dobre) {
        QImage obr(velikost * 2, QImage::Format_ARGB32_Premultiplied);
        obr.setDevicePixelRatio(2);
        QPainter p(&obr);
        p.setRenderHint(QPainter::Antialiasing);
        Vykresli(p);
        p.end();
        dobre = obr.save(&f, "PNG");
    }
    if (!dobre || !f.commit()) {
        hlaseni().Chyba(QStringLiteral("Obrázek se nepodařilo uložit do souboru ") + soubor +
                        QStringLiteral("."));
        return false;
    }
    return true;
}

void TGrafForm::UlozitBtnClick() {
    const QString png = QStringLiteral("Obrázek PNG (*.png)");
    const QString svg = QStringLiteral("Obrázek SVG (*.svg)");
    QString filtr = png;
    QString soubor = QFileDialog::getSaveFileName(this, QStringLiteral("Uložit obrázek"),
                                                  SlozkaDialogu() + QStringLiteral("/graf.png"),
                                                  png + QStringLiteral(";;") + svg, &filtr);
    if (soubor.isEmpty()) return;
    ZapamatujSlozku(soubor);
    if (QFileInfo(soubor).suffix().isEmpty())
        soubor += filtr == svg ? QStringLiteral(".svg") : QStringLiteral(".png");
    UlozObrazek(soubor);
}
