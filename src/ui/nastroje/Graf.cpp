#include "ui/nastroje/Graf.h"

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
#include "ui/hlavni/Dokument.h"
#include "ui/spolecne/Hlaseni.h"
#include "ui/spolecne/Nastaveni.h"
#include "ui/tisk/Export.h"
#include "ui/tisk/GrafPrvky.h"

using namespace drun;

namespace {

// A click this close to an element's point picks the element.
constexpr double DosahKliku = 8.0;

} // namespace

TGrafForm::TGrafForm(TDokument& dokument, QWidget* rodic)
    : QWidget(rodic, Qt::Window), dokument_(dokument) {
    setWindowTitle(QStringLiteral("Graf"));

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

    connect(&dokument_, &TDokument::Prepocitano, this, &TGrafForm::Prekresli);
    // The main window makes the list's current line the current element.
    connect(&dokument_, &TDokument::PrvekZobrazen, this, [this] {
        if (isVisible() && !zastarale_) ZvyrazniAktualni();
    });
}

int TGrafForm::Pasmo() const {
    return std::clamp(PasmoComboBox->currentIndex(), 0, LA);
}

double TGrafForm::Hladina(int n) const {
    return dokument_.Var().cesta.Prvek(n).ZaElementem[static_cast<size_t>(Pasmo())];
}

void TGrafForm::Zobraz() {
    if (!umisteno_ && !testAttribute(Qt::WA_Moved)) {
        // First time beside the main window (unless it remembers its place)
        // where the screen has room for it; elsewhere the window manager
        // places it, title bar and all, once the screen has fitted its size.
        umisteno_ = true;
        const QWidget* vedle = parentWidget() ? parentWidget() : this;
        const QRect hlavni = vedle->frameGeometry();
        const QRect obrazovka = vedle->screen()->availableGeometry();
        const QPoint kam(hlavni.right() + 8, std::max(hlavni.top(), obrazovka.top()));
        if (kam.x() + width() <= obrazovka.right() && kam.y() + height() <= obrazovka.bottom())
            move(kam);
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
    KresliSpektrum(dokument_.Var());
}

void TGrafForm::PrekresliCestu() {
    KresliCestu(dokument_.Var(), Pasmo());
}

void TGrafForm::ZvyrazniAktualni() {
    KresliAktualni(dokument_.Var(), Pasmo());
}

void TGrafForm::VyberElement(int n) {
    if (n < 1 || n > dokument_.Var().cesta.Pocet()) return;
    dokument_.VyberPrvek(n);
    ZvyrazniAktualni();
}

int TGrafForm::ElementNaPozici(const QPoint& pos) const {
    const int pocet = dokument_.Var().cesta.Pocet();
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
    if (PrepsalByOtevreny(soubor, {dokument_.Soubor()})) return false;
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
