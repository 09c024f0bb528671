#include "ui/nastroje/SoucetFrm.h"

#include <QBrush>
#include <QChart>
#include <QChartView>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QLegend>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QPainter>
#include <QPolygonF>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScatterSeries>
#include <QScrollBar>
#include <QShowEvent>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <memory>

#include "core/Cisla.h"
#include "core/DrunVar.h"
#include "core/Soubory.h"
#include "io/Protokol.h"
#include "tools/NR.h"
#include "ui/dialogy/PozadFrm.h"
#include "ui/dialogy/TextHodnoty.h"
#include "ui/hlavni/Dokument.h"
#include "ui/spolecne/Hlaseni.h"
#include "ui/spolecne/Nastaveni.h"
#include "ui/spolecne/Tlacitko.h"
#include "ui/spolecne/VyberSouboru.h"
#include "ui/tisk/Export.h"
#include "ui/tisk/GrafPrvky.h"
#include "ui/tisk/Tisk.h"

using namespace drun;

namespace {

constexpr int PocetSloupcu = TSoucetForm::SloupecNR + 1;
const QString NazevGrafuSouctu = QStringLiteral("Spektra na konci cest a jejich součet");
const QColor BarvaChyby(190, 0, 0);
// Paths of the sum in the chart, apart from the sum's own colours.
// Many paths drawn as one layer: one colour, a little transparent.
const QColor BarvaDalsichCest(110, 110, 110, 150);
const QColor BarvyCest[] = {QColor(230, 120, 0),  QColor(150, 60, 180), QColor(0, 150, 160),
                            QColor(160, 110, 40), QColor(220, 70, 140), QColor(110, 110, 110)};

QTableWidget* Tabulka(QWidget* rodic, int radku) {
    auto* t = new QTableWidget(radku, PocetSloupcu, rodic);
    t->verticalHeader()->hide();
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setWordWrap(false);
    t->setColumnWidth(0, 170);
    t->setColumnWidth(TSoucetForm::SloupecAkce, 170);
    for (int i = TSoucetForm::SloupecPasma; i < PocetSloupcu; ++i)
        t->setColumnWidth(i, 54);
    t->setColumnWidth(TSoucetForm::SloupecNR, 76);
    return t;
}

QTableWidgetItem* Bunka(const QString& text, bool cislo = true) {
    auto* b = new QTableWidgetItem(text);
    if (cislo) b->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return b;
}

// The tool tip of a "Short|Long" hint.
QString KratkyHint(const QString& hint) {
    return hint.section(QLatin1Char('|'), 0, 0);
}

// The cell's item takes the text, so that a value that stays costs nothing on
// a change (what else the item holds, its caller sets every time).
QTableWidgetItem* Bunka(QTableWidget* t, int radek, int sloupec, const QString& text,
                        bool cislo = true) {
    QTableWidgetItem* b = t->item(radek, sloupec);
    if (b)
        b->setText(text);
    else
        t->setItem(radek, sloupec, b = Bunka(text, cislo));
    return b;
}

// Eight bands and L(A) into the row from column SloupecPasma on.
void ZapisHodnoty(QTableWidget* t, int radek, const Spectrum& s,
                  std::string (*format)(double) = FormatHodnota) {
    for (int i = 0; i <= LA; ++i)
        Bunka(t, radek, TSoucetForm::SloupecPasma + i,
              QString::fromStdString(format(s[static_cast<size_t>(i)])));
}

} // namespace

TVrstvaCest::TVrstvaCest(QChart* graf, QLineSeries* mapa)
    : QGraphicsObject(graf), graf_(graf), mapa_(mapa) {
    // Above the grid, under the axes and the series.
    setZValue(2.5);
    setVisible(false);
    connect(graf, &QChart::plotAreaChanged, this, &TVrstvaCest::Prekresli);
    for (QAbstractAxis* a : graf->axes())
        if (auto* osa = qobject_cast<QValueAxis*>(a))
            connect(osa, &QValueAxis::rangeChanged, this, &TVrstvaCest::Prekresli);
}

void TVrstvaCest::Nastav(std::vector<Spectrum> konce) {
    konce_ = std::move(konce);
    setVisible(!konce_.empty());
    Prekresli();
}

void TVrstvaCest::Prekresli() {
    prepareGeometryChange();
    obdelnik_ = graf_->plotArea();
    update();
}

void TVrstvaCest::paint(QPainter* p, const QStyleOptionGraphicsItem*, QWidget*) {
    p->setRenderHint(QPainter::Antialiasing);
    p->setPen(QPen(BarvaDalsichCest, 1));
    p->setClipRect(obdelnik_);
    QPolygonF cara(PocetPasem);
    for (const Spectrum& k : konce_) {
        for (int i = 0; i < PocetPasem; ++i)
            cara[i] = graf_->mapToPosition(QPointF(i + 1, k[static_cast<size_t>(i)]), mapa_);
        p->drawPolyline(cara);
    }
}

TGrafSouctu::TGrafSouctu() {
    Graf = NovyGraf(NazevGrafuSouctu);
    Soucet = PridejSpektrum(Graf, QStringLiteral("Součet"));
    DalsiCesty = Cara(Graf, {}, BarvaDalsichCest, Qt::SolidLine, 1);
    for (QAbstractAxis* a : Graf->axes())
        DalsiCesty->attachAxis(a);
    Graf->legend()->markers(DalsiCesty).constFirst()->setVisible(false);
    Vrstva = new TVrstvaCest(Graf, Soucet.Spektrum);
}

namespace {

// A path's eight bands as points over the band axis, widening min..max.
QList<QPointF> BodyCesty(const Spectrum& konec, double& min, double& max) {
    QList<QPointF> body;
    for (int i = 0; i < PocetPasem; ++i) {
        const double y = konec[static_cast<size_t>(i)];
        body << QPointF(i + 1, y);
        min = std::min(min, y);
        max = std::max(max, y);
    }
    return body;
}

} // namespace

void TGrafSouctu::KresliSoucet(const VysledekSouctu& v, double min, double max) {
    KresliProtiPozadavku(Soucet, v.Soucet, v.Pozadavek, v.Rozdil, min, max,
                         QStringLiteral(" součtu"));
    // The sum's three ratings in the title, as the result's chart names them.
    Graf->setTitle(TextGrafu(NazevGrafuSouctu + QStringLiteral(" – ") + Hodnoceni(v.Soucet)));
}

void TGrafSouctu::Kresli(const std::vector<CestaSouctu>& cesty, const VysledekSouctu& v) {
    for (QLineSeries* s : CestySerie) {
        Graf->removeSeries(s);
        delete s;
    }
    CestySerie.clear();
    minOstatnich_ = HUGE_VAL;
    maxOstatnich_ = -HUGE_VAL;
    double min = HUGE_VAL, max = -HUGE_VAL;
    size_t barva = 0;
    // Thousands of series are slow to draw and make a useless legend.
    const bool vrstva =
        static_cast<size_t>(std::count_if(
            cesty.begin(), cesty.end(), [](const CestaSouctu& c) { return c.Ok; })) > MaloCest + 1;
    std::vector<Spectrum> doVrstvy;
    for (const CestaSouctu& c : cesty) {
        if (!c.Ok) continue;
        if (vrstva && !CestySerie.empty()) {
            BodyCesty(c.Konec, minOstatnich_, maxOstatnich_);
            doVrstvy.push_back(c.Konec);
            continue;
        }
        QLineSeries* s = Cara(Graf, QString::fromStdString(c.Nazev),
                              BarvyCest[barva++ % std::size(BarvyCest)], Qt::SolidLine, 1.5);
        s->setPointsVisible(true);
        for (QAbstractAxis* a : Graf->axes())
            s->attachAxis(a);
        // The range of the paths after the first is kept for KresliPrvni.
        s->replace(CestySerie.empty() ? BodyCesty(c.Konec, min, max)
                                      : BodyCesty(c.Konec, minOstatnich_, maxOstatnich_));
        CestySerie.push_back(s);
    }
    DalsiCesty->setName(QStringLiteral("Další cesty (%1)").arg(doVrstvy.size()));
    Graf->legend()->markers(DalsiCesty).constFirst()->setVisible(vrstva);
    Vrstva->Nastav(std::move(doVrstvy));
    KresliSoucet(v, std::min(min, minOstatnich_), std::max(max, maxOstatnich_));
}

void TGrafSouctu::KresliPrvni(const CestaSouctu& prvni, const VysledekSouctu& v) {
    double min = minOstatnich_, max = maxOstatnich_;
    if (!CestySerie.empty()) CestySerie.front()->replace(BodyCesty(prvni.Konec, min, max));
    KresliSoucet(v, min, max);
}

TSoucetForm::TSoucetForm(TDokument& dokument, QWidget* rodic)
    : QWidget(rodic, Qt::Window), dokument_(dokument), pozadavek_(dokument.Var().Pozadavek) {
    setWindowTitle(QStringLiteral("Součet cest"));

    CestyListBox = Tabulka(this, 1);
    QStringList hlavicka{QStringLiteral("Soubor"), QStringLiteral("Akce")};
    for (int i = 0; i <= PocetPasem; ++i)
        hlavicka << NazevPasma(i);
    hlavicka << QStringLiteral("NR");
    CestyListBox->setHorizontalHeaderLabels(hlavicka);
    CestyListBox->setSelectionBehavior(QAbstractItemView::SelectRows);
    CestyListBox->setSelectionMode(QAbstractItemView::SingleSelection);
    CestyListBox->setMinimumHeight(150);
    NastavHint(CestyListBox,
               QStringLiteral("Cesty, jejichž drun se sčítá|Aktuální výpočet a "
                              "přidané soubory; jejich drun na konci cesty se sčítá"));
    connect(CestyListBox, &QTableWidget::itemSelectionChanged, this, &TSoucetForm::PovolTlacitka);

    SoucetListBox = Tabulka(this, 3);
    SoucetListBox->horizontalHeader()->hide();
    SoucetListBox->setSelectionMode(QAbstractItemView::NoSelection);
    SoucetListBox->setFocusPolicy(Qt::NoFocus);
    SoucetListBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SoucetListBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QString nazvy[] = {QStringLiteral("Součet"), QStringLiteral("Požadavek"),
                             QStringLiteral("Rozdíl")};
    for (int r = 0; r < 3; ++r)
        SoucetListBox->setItem(r, 0, Bunka(nazvy[r], false));
    QFont tucne = SoucetListBox->font();
    tucne.setBold(true);
    SoucetListBox->item(RadekSoucet, 0)->setFont(tucne);
    SoucetListBox->setFixedHeight(3 * SoucetListBox->rowHeight(0) +
                                  2 * SoucetListBox->frameWidth());
    // The sum's columns stay under the paths' columns.
    connect(CestyListBox->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int i, int, int sirka) { SoucetListBox->setColumnWidth(i, sirka); });
    connect(CestyListBox->horizontalScrollBar(), &QScrollBar::valueChanged,
            SoucetListBox->horizontalScrollBar(), &QScrollBar::setValue);

    PridatBtn = Tlacitko(this, QStringLiteral("Přidat soubory..."),
                         QStringLiteral("Přidá do součtu uložené výpočty (*.DRN)"),
                         &TSoucetForm::PridatBtnClick);
    OdebratBtn =
        Tlacitko(this, QStringLiteral("Odebrat"),
                 QStringLiteral("Odebere vybraný soubor ze součtu"), &TSoucetForm::OdebratBtnClick);
    ObnovitBtn = Tlacitko(this, QStringLiteral("Obnovit"),
                          QStringLiteral("Znovu přečte soubory, změněné mezitím jinde"),
                          &TSoucetForm::Obnov);
    PozadavekBtn = Tlacitko(this, QStringLiteral("Požadavek..."),
                            QStringLiteral("Požadavek na součet; požadavek výpočtu se nemění"),
                            &TSoucetForm::PozadavekBtnClick);
    OtevritSaduBtn = Tlacitko(this, QStringLiteral("Otevřít sadu..."),
                              QStringLiteral("Otevře uloženou sadu souborů (*.DRS)"),
                              &TSoucetForm::OtevritSaduBtnClick);
    UlozitSaduBtn = Tlacitko(this, QStringLiteral("Uložit sadu..."),
                             QStringLiteral("Uloží soubory a požadavek součtu jako sadu (*.DRS)"),
                             &TSoucetForm::UlozitSaduBtnClick);

    TiskBtn = Tlacitko(this, QStringLiteral("Tisk..."),
                       QStringLiteral("Vytiskne součet s grafem ve formě protokolu"),
                       &TSoucetForm::TiskBtnClick);
    PdfBtn = Tlacitko(this, QStringLiteral("Export do PDF..."),
                      QStringLiteral("Uloží součet s grafem jako dokument PDF"),
                      &TSoucetForm::PdfBtnClick);

    PozadavekForm = new TPozadavekForm(dokument_.Var(), pozadavek_, this);
    connect(PozadavekForm, &TPozadavekForm::PozadavekZmenen, this, [this] {
        vlastniPozadavek_ = true;
        Prepocitej();
    });

    GrafView = new QChartView(Graf.Graf, this);
    GrafView->setRenderHint(QPainter::Antialiasing);
    // On screen the layer of many paths is kept as a pixmap (a printed one is drawn as lines).
    Graf.Vrstva->setCacheMode(QGraphicsItem::DeviceCoordinateCache);
    GrafView->setMinimumSize(560, 300);

    auto* tlacitka = new QVBoxLayout;
    for (QPushButton* b : {PridatBtn, OdebratBtn, ObnovitBtn})
        tlacitka->addWidget(b);
    tlacitka->addSpacing(12);
    tlacitka->addWidget(PozadavekBtn);
    tlacitka->addSpacing(12);
    for (QPushButton* b : {OtevritSaduBtn, UlozitSaduBtn})
        tlacitka->addWidget(b);
    tlacitka->addSpacing(12);
    for (QPushButton* b : {TiskBtn, PdfBtn})
        tlacitka->addWidget(b);
    tlacitka->addStretch(1);
    auto* tabulky = new QVBoxLayout;
    tabulky->setSpacing(0);
    tabulky->addWidget(CestyListBox, 1);
    tabulky->addWidget(SoucetListBox);
    auto* horni = new QHBoxLayout;
    horni->addLayout(tabulky, 1);
    horni->addLayout(tlacitka);
    auto* svisle = new QVBoxLayout(this);
    svisle->setContentsMargins(6, 6, 6, 6);
    svisle->addLayout(horni, 2);
    svisle->addWidget(GrafView, 3);
    resize(1040, 820);

    // Hidden, the window catches up when it is shown.
    connect(&dokument_, &TDokument::Prepocitano, this, [this] {
        if (isVisible()) PrepocitejAktualni();
    });
    // Saved under another name, the calculation may now be one of the files.
    connect(&dokument_, &TDokument::StavZmenen, this, [this] {
        if (isVisible() && dokument_.Soubor() != otevreny_) Prepocitej();
        otevreny_ = dokument_.Soubor();
    });
    connect(&dokument_, &TDokument::AkceUpravena, this, [this] {
        if (isVisible() && sAktualnim_) ZobrazRadek(0, Aktualni());
    });
    Prepocitej();
}

CestaSouctu TSoucetForm::Aktualni() const {
    const DrunVar& var = dokument_.Var();
    CestaSouctu aktualni("Aktuální výpočet", var.SouborDat);
    aktualni.Ok = true;
    // What is typed into Akce belongs to the calculation already.
    aktualni.Akce = dokument_.TextAkce().toStdString();
    aktualni.Konec = var.Vysledek;
    return aktualni;
}

std::vector<CestaSouctu> TSoucetForm::Cesty() const {
    if (!sAktualnim_) return soubory_;
    std::vector<CestaSouctu> c{Aktualni()};
    c.insert(c.end(), soubory_.begin(), soubory_.end());
    return c;
}

bool TSoucetForm::JeOtevreny(const CestaSouctu& c) const {
    // The calculation's own file is the current calculation, summed once.
    const QString& otevreny = dokument_.Soubor();
    if (!sAktualnim_ || otevreny.isEmpty() || c.Soubor.empty()) return false;
    const QFileInfo a(QString::fromStdString(c.Soubor)), b(otevreny);
    return a.exists() ? a.canonicalFilePath() == b.canonicalFilePath()
                      : a.absoluteFilePath() == b.absoluteFilePath();
}

std::vector<CestaSouctu> TSoucetForm::Secitane() const {
    std::vector<CestaSouctu> c = Cesty();
    std::erase_if(c, [this](const CestaSouctu& x) { return JeOtevreny(x); });
    return c;
}

std::vector<std::string> TSoucetForm::TextTisku(const std::string& datum) const {
    return TextProtokoluSouctu(dokument_.Var(), Secitane(), vysledek_, datum);
}

std::vector<std::string> TSoucetForm::Soubory() const {
    std::vector<std::string> s;
    for (const CestaSouctu& c : soubory_)
        s.push_back(c.Soubor);
    return s;
}

Spectrum TSoucetForm::Pozadavek() const {
    return vlastniPozadavek_ ? pozadavek_ : dokument_.Var().Pozadavek;
}

void TSoucetForm::Zobraz() {
    if (!sAktualnim_) {
        sAktualnim_ = true;
        setWindowTitle(QStringLiteral("Součet cest"));
        CestyListBox->clearSelection();
        Prepocitej();
    }
    show();
    raise();
    activateWindow();
}

void TSoucetForm::ZobrazMistnost(const QString& nazev, const std::vector<std::string>& soubory,
                                 const Spectrum& pozadavek) {
    sAktualnim_ = false;
    setWindowTitle(QStringLiteral("Součet cest – ") + nazev);
    NastavSoubory(soubory, pozadavek);
    if (isVisible()) Obnov();
    show();
    raise();
    activateWindow();
}

void TSoucetForm::NastavSoubory(const std::vector<std::string>& soubory,
                                const Spectrum& pozadavek) {
    soubory_.clear();
    for (const std::string& s : soubory)
        soubory_.emplace_back(QFileInfo(QString::fromStdString(s)).fileName().toStdString(), s);
    pozadavek_ = pozadavek;
    vlastniPozadavek_ = true;
    CestyListBox->clearSelection();
}

void TSoucetForm::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (e->spontaneous()) return;
    // Files may have been changed and saved elsewhere meanwhile, unless they
    // were read (a set opened) while the window was hidden.
    if (nacteno_)
        PrepocitejAktualni();
    else
        Obnov();
}

void TSoucetForm::hideEvent(QHideEvent* e) {
    QWidget::hideEvent(e);
    if (!e->spontaneous()) nacteno_ = false;
}

void TSoucetForm::PridejSoubory(const QStringList& soubory) {
    for (const QString& s : soubory) {
        const QFileInfo f(s);
        CestaSouctu c(f.fileName().toStdString(), f.absoluteFilePath().toStdString());
        NactiCestu(c, dokument_.Var().SouborTlumice);
        soubory_.push_back(std::move(c));
    }
    Prepocitej();
}

void TSoucetForm::PridatBtnClick() {
    const QStringList s = QFileDialog::getOpenFileNames(
        this, QStringLiteral("Přidat soubory"), SlozkaDialogu(),
        QStringLiteral("Datové soubory DRUN (*.DRN);;Všechny soubory (*.*)"));
    if (s.isEmpty()) return;
    ZapamatujSlozku(s.constFirst());
    PridejSoubory(s);
}

void TSoucetForm::OdebratBtnClick() {
    const int r = CestyListBox->currentRow() - PrvniSoubor();
    if (r < 0 || r >= static_cast<int>(soubory_.size())) return;
    soubory_.erase(soubory_.begin() + r);
    Prepocitej();
}

void TSoucetForm::NactiSoubory() {
    for (CestaSouctu& c : soubory_)
        NactiCestu(c, dokument_.Var().SouborTlumice);
    nacteno_ = true;
}

void TSoucetForm::Obnov() {
    NactiSoubory();
    Prepocitej();
}

void TSoucetForm::Secti(const CestaSouctu* aktualni) {
    vysledek_ =
        VyhodnotSoucet(soucetSouboru_.Soucet(aktualni ? &aktualni->Konec : nullptr), Pozadavek());
}

void TSoucetForm::Prepocitej() {
    const std::vector<CestaSouctu> cesty = Cesty();
    std::vector<CestaSouctu> soubory = soubory_;
    std::erase_if(soubory, [this](const CestaSouctu& x) { return JeOtevreny(x); });
    soucetSouboru_ = CastecnySoucet(KonceCest(soubory));
    Secti(sAktualnim_ ? &cesty.front() : nullptr);
    const int vybrany = CestyListBox->currentRow();
    CestyListBox->clearSpans();
    CestyListBox->setRowCount(static_cast<int>(cesty.size()));
    for (size_t r = 0; r < cesty.size(); ++r)
        ZobrazRadek(static_cast<int>(r), cesty[r]);
    if (vybrany >= 0 && vybrany < CestyListBox->rowCount()) CestyListBox->selectRow(vybrany);
    ZobrazSoucet();
    Graf.Kresli(Secitane(), vysledek_);
    PovolTlacitka();
}

void TSoucetForm::PrepocitejAktualni() {
    // A room's sum does not hold the current calculation.
    if (!sAktualnim_) return;
    const CestaSouctu aktualni = Aktualni();
    Secti(&aktualni);
    ZobrazRadek(0, aktualni);
    ZobrazSoucet();
    Graf.KresliPrvni(aktualni, vysledek_);
}

void TSoucetForm::ZobrazRadek(int r, const CestaSouctu& c) {
    auto* soubor = Bunka(QString::fromStdString(c.Nazev), false);
    soubor->setToolTip(r < PrvniSoubor() ? QStringLiteral("Výpočet v hlavním okně")
                                         : QString::fromStdString(c.Soubor));
    if (r < PrvniSoubor()) {
        QFont f = CestyListBox->font();
        f.setItalic(true);
        soubor->setFont(f);
    }
    CestyListBox->setItem(r, 0, soubor);
    if (!c.Ok) {
        // Marked, and not summed: the message where the numbers would be.
        soubor->setIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning));
        soubor->setForeground(BarvaChyby);
        auto* zprava = Bunka(
            QString::fromStdString(c.Zprava) + QStringLiteral(" Do součtu se nepočítá."), false);
        zprava->setForeground(BarvaChyby);
        zprava->setToolTip(zprava->text());
        CestyListBox->setItem(r, SloupecAkce, zprava);
        for (int s = SloupecAkce + 1; s < PocetSloupcu; ++s)
            CestyListBox->setItem(r, s, nullptr);
        CestyListBox->setSpan(r, SloupecAkce, 1, PocetSloupcu - SloupecAkce);
        return;
    }
    if (CestyListBox->columnSpan(r, SloupecAkce) > 1) CestyListBox->setSpan(r, SloupecAkce, 1, 1);
    auto* akce = Bunka(QString::fromStdString(c.Akce), false);
    akce->setToolTip(akce->text());
    CestyListBox->setItem(r, SloupecAkce, akce);
    ZapisHodnoty(CestyListBox, r, c.Konec);
    Bunka(CestyListBox, r, SloupecNR, QStringLiteral("NR ") + Text(SpoctiNR(c.Konec).N));
    if (r >= PrvniSoubor() && JeOtevreny(c)) {
        akce->setText(QStringLiteral("aktuální výpočet"));
        akce->setToolTip(QStringLiteral("Soubor je otevřen v hlavním okně a sčítá se jednou, "
                                        "jako aktuální výpočet"));
        QFont f = CestyListBox->font();
        f.setItalic(true);
        akce->setFont(f);
    }
}

void TSoucetForm::ZobrazSoucet() {
    ZapisHodnoty(SoucetListBox, RadekSoucet, vysledek_.Soucet);
    ZapisHodnoty(SoucetListBox, RadekPozadavek, vysledek_.Pozadavek);
    ZapisHodnoty(SoucetListBox, RadekRozdil, vysledek_.Rozdil, FormatRozdil);
    QFont tucne = SoucetListBox->font();
    tucne.setBold(true);
    for (int i = 0; i <= LA; ++i) {
        SoucetListBox->item(RadekSoucet, SloupecPasma + i)->setFont(tucne);
        // Red exactly where the main window's difference is red.
        SoucetListBox->item(RadekRozdil, SloupecPasma + i)
            ->setData(Qt::ForegroundRole, vysledek_.Rozdil[static_cast<size_t>(i)] > 0
                                              ? QVariant(QBrush(BarvaPrekroceni))
                                              : QVariant());
    }
    auto* nr =
        Bunka(SoucetListBox, RadekSoucet, SloupecNR, QStringLiteral("NR ") + Text(vysledek_.NR.N));
    nr->setFont(tucne);
    nr->setToolTip(KratkyHint(HintNR(vysledek_.NR)));
    // The other two ratings of the sum beside it, where the paths have their Akce.
    const QString nc = QString::fromStdString(PopisNC(vysledek_.NC));
    const QString rc = QString::fromStdString(PopisRC(vysledek_.RC));
    auto* hodnoceni =
        Bunka(SoucetListBox, RadekSoucet, SloupecAkce, nc + QStringLiteral(", ") + rc, false);
    hodnoceni->setFont(tucne);
    hodnoceni->setToolTip(nc + QStringLiteral(": ") + KratkyHint(HintNC(vysledek_.NC)) +
                          QLatin1Char('\n') + rc + QStringLiteral(": ") +
                          KratkyHint(HintRC(vysledek_.RC)));
    Bunka(SoucetListBox, RadekPozadavek, SloupecAkce,
          vlastniPozadavek_ ? QStringLiteral("vlastní požadavek součtu")
                            : QStringLiteral("požadavek výpočtu"),
          false);
}

void TSoucetForm::PovolTlacitka() {
    const int r = CestyListBox->currentRow();
    OdebratBtn->setEnabled(r >= PrvniSoubor() && CestyListBox->selectionModel()->hasSelection());
}

void TSoucetForm::PozadavekBtnClick() {
    // The dialog starts from the requirement the sum has now.
    if (!vlastniPozadavek_) pozadavek_ = dokument_.Var().Pozadavek;
    PozadavekForm->exec();
}

bool TSoucetForm::UlozSadu(const QString& soubor) {
    SadaSouctu sada;
    sada.Soubory = Soubory();
    sada.Pozadavek = Pozadavek();
    const VysledekSouboru v = drun::UlozSadu(sada, soubor.toStdString());
    if (!v.Ok()) {
        hlaseni().Chyba(QString::fromStdString(v.Zprava));
        return false;
    }
    hlaseni().Informace(QString::fromStdString(v.Zprava));
    return true;
}

bool TSoucetForm::OtevriSadu(const QString& soubor) {
    SadaSouctu sada;
    const VysledekSouboru v = NactiSadu(soubor.toStdString(), sada);
    if (!v.Ok()) {
        hlaseni().Chyba(QString::fromStdString(v.Zprava));
        return false;
    }
    if (!v.Zprava.empty()) hlaseni().Informace(QString::fromStdString(v.Zprava));
    NastavSoubory(sada.Soubory, sada.Pozadavek);
    Obnov();
    return true;
}

void TSoucetForm::UlozitSaduBtnClick() {
    const QString soubor =
        SouborKUlozeni(this, QStringLiteral("Uložit sadu"),
                       QStringLiteral("Sady součtu DRUN (*.DRS)"), QStringLiteral("DRS"));
    if (!soubor.isEmpty()) UlozSadu(soubor);
}

void TSoucetForm::OtevritSaduBtnClick() {
    const QString s = QFileDialog::getOpenFileName(
        this, QStringLiteral("Otevřít sadu"), SlozkaDialogu(),
        QStringLiteral("Sady součtu DRUN (*.DRS);;Všechny soubory (*.*)"));
    if (s.isEmpty()) return;
    ZapamatujSlozku(s);
    OtevriSadu(s);
}

namespace {

// The sum's document: its printed page, then its chart under the Akce.
DokumentPdf DokumentSouctu(const QString& akce, std::vector<std::string> radky, QChart* graf) {
    return {QStringLiteral("Součet cest – ") + akce,
            std::move(radky),
            QStringLiteral("Součet cest – Akce: ") + akce,
            {graf}};
}

} // namespace

bool TSoucetForm::VykresliTisk(QPagedPaintDevice& zarizeni) {
    // A chart of its own: the one on screen belongs to its view.
    TGrafSouctu graf;
    const std::unique_ptr<QChart> vlastnik(graf.Graf);
    graf.Kresli(Secitane(), vysledek_);
    return VykresliDokument(zarizeni,
                            DokumentSouctu(dokument_.TextAkce(),
                                           TextTisku(DatumProtokolu().toStdString()), graf.Graf))
        .Ok;
}

void TSoucetForm::TiskBtnClick() {
    QPrinter tiskarna(QPrinter::HighResolution);
    tiskarna.setDocName(QStringLiteral("DRUN – součet cest"));
    QPrintDialog d(&tiskarna, this);
    if (d.exec() != QDialog::Accepted) return;
    if (!VykresliTisk(tiskarna)) hlaseni().Chyba(QStringLiteral("Chyba při zápisu na tiskárnu!"));
}

bool TSoucetForm::ExportujPdf(const QString& soubor) {
    // The sum's files and the open calculation are never written over.
    QStringList otevrene{otevreny_};
    for (const std::string& s : Soubory())
        otevrene.push_back(QString::fromStdString(s));
    if (PrepsalByOtevreny(soubor, otevrene)) return false;
    TGrafSouctu graf;
    const std::unique_ptr<QChart> vlastnik(graf.Graf);
    graf.Kresli(Secitane(), vysledek_);
    QByteArray pdf;
    const bool ok = VytvorPdf(DokumentSouctu(dokument_.TextAkce(),
                                             TextTisku(DatumProtokolu().toStdString()), graf.Graf),
                              pdf)
                        .Ok;
    return OhlasExport(ok && ZapisAtomicky(soubor.toStdString(), pdf.toStdString()), soubor,
                       QStringLiteral("Součet"), QStringLiteral("Součet je uložen v souboru"));
}

void TSoucetForm::PdfBtnClick() {
    const QString soubor = SouborKUlozeni(this, QStringLiteral("Export součtu do PDF"),
                                          QStringLiteral("Dokumenty PDF (*.pdf)"),
                                          QStringLiteral("pdf"), QStringLiteral("soucet.pdf"));
    if (!soubor.isEmpty()) ExportujPdf(soubor);
}
