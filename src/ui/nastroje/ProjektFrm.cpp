#include "ui/nastroje/ProjektFrm.h"

#include <QChart>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <limits>
#include <memory>
#include <optional>

#include "core/Cisla.h"
#include "core/DrunVar.h"
#include "core/Soubory.h"
#include "io/Kodovani.h"
#include "io/Protokol.h"
#include "tools/Pozadavek.h"
#include "ui/dialogy/PozadFrm.h"
#include "ui/dialogy/TextHodnoty.h"
#include "ui/hlavni/Dokument.h"
#include "ui/nastroje/SoucetFrm.h"
#include "ui/spolecne/Hlaseni.h"
#include "ui/spolecne/Nastaveni.h"
#include "ui/spolecne/Tlacitko.h"
#include "ui/spolecne/VyberSouboru.h"
#include "ui/tisk/Export.h"
#include "ui/tisk/GrafPrvky.h"
#include "ui/tisk/Tisk.h"

using namespace drun;

namespace {

constexpr int RoleMistnosti = Qt::UserRole;
constexpr int RoleKlice = Qt::UserRole + 1;
const QColor BarvaChyby(190, 0, 0);
const QString FiltrProjektu = QStringLiteral("Projekty DRUN (*.DRP)");

// Sorts by its number where it has one, else by its text.
class Polozka : public QTableWidgetItem {
  public:
    explicit Polozka(const QString& text) : QTableWidgetItem(text) {}
    bool operator<(const QTableWidgetItem& o) const override {
        const QVariant a = data(RoleKlice), b = o.data(RoleKlice);
        if (a.isValid() && b.isValid()) return a.toDouble() < b.toDouble();
        return text().localeAwareCompare(o.text()) < 0;
    }
};

Polozka* Bunka(const std::string& text, std::optional<double> klic = std::nullopt) {
    auto* b = new Polozka(QString::fromStdString(text));
    if (klic) {
        b->setData(RoleKlice, *klic);
        b->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    return b;
}

// A room's name as the file can hold it, or the reason why not.
// A name is what the project file can hold: the file's own rule.
QString ChybaNazvu(const QString& nazev) {
    if (nazev.trimmed().isEmpty()) return QStringLiteral("Název místnosti nesmí být prázdný.");
    const std::string proc = drun::ChybaNazvu(nazev.trimmed().toStdString());
    return proc.empty() ? QString()
                        : QStringLiteral("Neplatný název místnosti: ") +
                              QString::fromStdString(proc) + QLatin1Char('.');
}

} // namespace

QTableWidget* TabulkaMistnosti(QWidget* rodic) {
    using F = TProjektForm;
    auto* t = new QTableWidget(0, F::PocetSloupcu, rodic);
    t->setHorizontalHeaderLabels({QStringLiteral("Místnost"), QStringLiteral("Cest"),
                                  QStringLiteral("L(A)"), QStringLiteral("NR"),
                                  QStringLiteral("NC"), QStringLiteral("Požadavek"),
                                  QStringLiteral("Pásmo"), QStringLiteral("Rezerva"),
                                  QStringLiteral("Nejhlasitější cesta"), QStringLiteral("Stav")});
    t->verticalHeader()->hide();
    // Compact rows show more rooms of a large building.
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setWordWrap(false);
    t->setSortingEnabled(true);
    t->horizontalHeader()->setSortIndicator(F::SloupecRezerva, Qt::AscendingOrder);
    t->horizontalHeader()->setStretchLastSection(true);
    const int sirky[] = {170, 44, 56, 56, 56, 170, 60, 76, 190};
    for (int i = 0; i < F::SloupecStav; ++i)
        t->setColumnWidth(i, sirky[i]);
    return t;
}

void ZobrazPrehled(QTableWidget* t, const drun::Projekt& p, const PrehledProjektu& pr) {
    using F = TProjektForm;
    t->setSortingEnabled(false);
    t->clearContents();
    t->setRowCount(static_cast<int>(p.Mistnosti.size()));
    constexpr double Nahore = -std::numeric_limits<double>::infinity();
    constexpr double Dole = std::numeric_limits<double>::infinity();
    const auto radky = RadkyPrehledu(p, pr);
    for (size_t i = 0; i < p.Mistnosti.size(); ++i) {
        const auto& pole = radky[i + 1];
        const PrehledMistnosti& r = pr.Mistnosti[i];
        const bool chyba = r.Stav == StavMistnosti::Chyba;
        const int radek = static_cast<int>(i);
        auto* nazev = Bunka(pole[F::SloupecNazev]);
        nazev->setData(RoleMistnosti, radek);
        t->setItem(radek, F::SloupecNazev, nazev);
        t->setItem(radek, F::SloupecCest,
                   Bunka(pole[F::SloupecCest], static_cast<double>(p.Mistnosti[i].Cesty.size())));
        const Spectrum& s = r.Soucet.Soucet;
        t->setItem(radek, F::SloupecLA, Bunka(pole[F::SloupecLA], chyba ? Nahore : s[LA]));
        t->setItem(radek, F::SloupecNR, Bunka(pole[F::SloupecNR], chyba ? Nahore : r.Soucet.NR.N));
        t->setItem(radek, F::SloupecNC, Bunka(pole[F::SloupecNC]));
        t->setItem(radek, F::SloupecPozadavek, Bunka(pole[F::SloupecPozadavek]));
        t->setItem(radek, F::SloupecPasmo,
                   Bunka(pole[F::SloupecPasmo], r.Pasmo < 0 ? Dole : r.Pasmo));
        // Unreadable rooms first, rooms without a requirement last.
        t->setItem(radek, F::SloupecRezerva,
                   Bunka(pole[F::SloupecRezerva], chyba         ? Nahore
                                                  : r.Pasmo < 0 ? Dole
                                                                : r.Rezerva));
        t->setItem(radek, F::SloupecCesta, Bunka(pole[F::SloupecCesta]));
        auto* stav = Bunka(pole[F::SloupecStav]);
        if (r.Stav != StavMistnosti::Vyhovi) {
            stav->setForeground(chyba ? BarvaChyby : BarvaPrekroceni);
            QFont f = stav->font();
            f.setBold(true);
            stav->setFont(f);
            t->item(radek, F::SloupecRezerva)->setForeground(BarvaPrekroceni);
        }
        if (chyba) {
            stav->setIcon(t->style()->standardIcon(QStyle::SP_MessageBoxWarning));
            stav->setText(QStringLiteral("chyba: ") + QString::fromStdString(r.Zprava));
            stav->setToolTip(QString::fromStdString(r.Cesta + ": " + r.Zprava));
        }
        t->setItem(radek, F::SloupecStav, stav);
    }
    t->setSortingEnabled(true);
}

int MistnostRadku(const QTableWidget* t, int radek) {
    const QTableWidgetItem* i = t->item(radek, TProjektForm::SloupecNazev);
    return i ? i->data(RoleMistnosti).toInt() : -1;
}

int RadekMistnosti(const QTableWidget* t, int mistnost) {
    for (int r = 0; r < t->rowCount(); ++r)
        if (MistnostRadku(t, r) == mistnost) return r;
    return -1;
}

int VybranaMistnost(const QTableWidget* t) {
    const QList<QTableWidgetItem*> v = t->selectedItems();
    return v.isEmpty() ? -1 : MistnostRadku(t, v.front()->row());
}

TProjektForm::TProjektForm(TDokument& dokument, QWidget* rodic)
    : QWidget(rodic, Qt::Window), dokument_(dokument) {
    MistnostiListBox = TabulkaMistnosti(this);
    NastavHint(MistnostiListBox,
               QStringLiteral("Místnosti projektu|Místnosti s jejich součtem a požadavkem; "
                              "dvojklik otevře součet cest místnosti"));
    connect(MistnostiListBox, &QTableWidget::itemSelectionChanged, this, [this] {
        ZobrazCesty();
        PovolTlacitka();
    });
    connect(MistnostiListBox, &QTableWidget::cellDoubleClicked, this,
            [this](int radek, int) { OtevriMistnost(MistnostRadku(radek)); });

    CestyListBox = new QListWidget(this);
    CestyListBox->setMaximumHeight(130);
    NastavHint(CestyListBox,
               QStringLiteral("Cesty vybrané místnosti|Výpočty cest vybrané místnosti; "
                              "dvojklik otevře cestu v hlavním okně"));
    connect(CestyListBox, &QListWidget::itemSelectionChanged, this, &TProjektForm::PovolTlacitka);
    connect(CestyListBox, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* i) { OtevriCestu(VybranaMistnost(), CestyListBox->row(i)); });

    NovyBtn = Tlacitko(this, QStringLiteral("Nový"), QStringLiteral("Začne nový prázdný projekt"),
                       &TProjektForm::NovyBtnClick);
    OtevritBtn =
        Tlacitko(this, QStringLiteral("Otevřít..."),
                 QStringLiteral("Otevře uložený projekt (*.DRP)"), &TProjektForm::OtevritBtnClick);
    UlozitBtn = Tlacitko(this, QStringLiteral("Uložit"), QStringLiteral("Uloží projekt"),
                         &TProjektForm::UlozitBtnClick);
    UlozitJakoBtn = Tlacitko(this, QStringLiteral("Uložit jako..."),
                             QStringLiteral("Uloží projekt do jiného souboru"),
                             &TProjektForm::UlozitJakoBtnClick);
    PridatMistnostBtn = Tlacitko(this, QStringLiteral("Přidat místnost..."),
                                 QStringLiteral("Přidá do projektu místnost"),
                                 &TProjektForm::PridatMistnostBtnClick);
    PrejmenovatBtn = Tlacitko(this, QStringLiteral("Přejmenovat..."),
                              QStringLiteral("Přejmenuje vybranou místnost"),
                              &TProjektForm::PrejmenovatBtnClick);
    OdebratMistnostBtn = Tlacitko(this, QStringLiteral("Odebrat místnost"),
                                  QStringLiteral("Odebere vybranou místnost z projektu"),
                                  &TProjektForm::OdebratMistnostBtnClick);
    PozadavekBtn =
        Tlacitko(this, QStringLiteral("Požadavek..."),
                 QStringLiteral("Požadavek vybrané místnosti"), &TProjektForm::PozadavekBtnClick);
    PridatCestyBtn = Tlacitko(this, QStringLiteral("Přidat cesty..."),
                              QStringLiteral("Přidá vybrané místnosti uložené výpočty (*.DRN)"),
                              &TProjektForm::PridatCestyBtnClick);
    OdebratCestuBtn = Tlacitko(this, QStringLiteral("Odebrat cestu"),
                               QStringLiteral("Odebere vybranou cestu z místnosti"),
                               &TProjektForm::OdebratCestuBtnClick);
    ObnovitBtn = Tlacitko(this, QStringLiteral("Obnovit"),
                          QStringLiteral("Znovu přečte výpočty cest, změněné mezitím jinde"),
                          &TProjektForm::Obnov);
    PdfBtn = Tlacitko(this, QStringLiteral("Export do PDF..."),
                      QStringLiteral("Uloží přehled a součet každé místnosti jako dokument PDF"),
                      &TProjektForm::PdfBtnClick);
    CsvBtn = Tlacitko(this, QStringLiteral("Export do CSV..."),
                      QStringLiteral("Uloží tabulku místností pro tabulkový procesor"),
                      &TProjektForm::CsvBtnClick);

    PozadavekForm = new TPozadavekForm(dokument_.Var(), pozadavek_, this);
    connect(PozadavekForm, &TPozadavekForm::PozadavekZmenen, this, [this] {
        const int m = VybranaMistnost();
        if (m < 0) return;
        Spectrum s = NulaSpektrum();
        for (int i = 0; i < PocetPasem; ++i)
            s[static_cast<size_t>(i)] = pozadavek_[static_cast<size_t>(i)];
        projekt_.Mistnosti[static_cast<size_t>(m)].Pozadavek = TextPozadavku(s);
        Zmena();
    });

    auto* tlacitka = new QVBoxLayout;
    const std::initializer_list<std::initializer_list<QPushButton*>> skupiny{
        {NovyBtn, OtevritBtn, UlozitBtn, UlozitJakoBtn},
        {PridatMistnostBtn, PrejmenovatBtn, OdebratMistnostBtn, PozadavekBtn},
        {PridatCestyBtn, OdebratCestuBtn},
        {ObnovitBtn},
        {PdfBtn, CsvBtn}};
    for (const auto& skupina : skupiny) {
        if (tlacitka->count() > 0) tlacitka->addSpacing(12);
        for (QPushButton* b : skupina)
            tlacitka->addWidget(b);
    }
    tlacitka->addStretch(1);
    auto* levy = new QVBoxLayout;
    levy->addWidget(MistnostiListBox, 1);
    levy->addWidget(new QLabel(QStringLiteral("Cesty vybrané místnosti:"), this));
    levy->addWidget(CestyListBox);
    auto* vse = new QHBoxLayout(this);
    vse->setContentsMargins(6, 6, 6, 6);
    vse->addLayout(levy, 1);
    vse->addLayout(tlacitka);
    resize(1180, 620);
    NastavTitulek();
    PovolTlacitka();
}

int TProjektForm::MistnostRadku(int radek) const {
    return ::MistnostRadku(MistnostiListBox, radek);
}

int TProjektForm::RadekMistnosti(int mistnost) const {
    return ::RadekMistnosti(MistnostiListBox, mistnost);
}

int TProjektForm::VybranaMistnost() const {
    return ::VybranaMistnost(MistnostiListBox);
}

void TProjektForm::VyberMistnost(int mistnost) {
    const int r = RadekMistnosti(mistnost);
    if (r >= 0)
        MistnostiListBox->selectRow(r);
    else
        MistnostiListBox->clearSelection();
}

std::string TProjektForm::SouborStd() const {
    return soubor_.toStdString();
}

void TProjektForm::Zobraz() {
    show();
    raise();
    activateWindow();
}

void TProjektForm::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    // Path files may have been changed and saved meanwhile.
    if (!e->spontaneous()) Obnov();
}

void TProjektForm::closeEvent(QCloseEvent* e) {
    if (MuzeZahodit())
        e->accept();
    else
        e->ignore();
}

bool TProjektForm::MuzeZahodit() {
    return !zmeneno_ ||
           hlaseni().Potvrd(QStringLiteral("Projekt není uložen. Pokračovat bez uložení?"));
}

void TProjektForm::NastavTitulek() {
    const QString nazev =
        soubor_.isEmpty() ? QStringLiteral("nový projekt") : QFileInfo(soubor_).fileName();
    setWindowTitle(QStringLiteral("Projekt – ") + NazevSHvezdickou(nazev));
    setWindowModified(zmeneno_);
}

void TProjektForm::Zmena() {
    zmeneno_ = true;
    NastavTitulek();
    Prepocitej();
}

void TProjektForm::NovyBtnClick() {
    if (!MuzeZahodit()) return;
    projekt_ = {};
    soubor_.clear();
    zmeneno_ = false;
    NastavTitulek();
    Obnov();
}

bool TProjektForm::OtevriProjekt(const QString& soubor) {
    if (!MuzeZahodit()) return false;
    drun::Projekt p;
    const VysledekSouboru v = NactiProjekt(soubor.toStdString(), p);
    if (!v.Ok()) {
        hlaseni().Chyba(QString::fromStdString(v.Zprava));
        return false;
    }
    if (!v.Zprava.empty()) hlaseni().Informace(QString::fromStdString(v.Zprava));
    projekt_ = std::move(p);
    soubor_ = QFileInfo(soubor).absoluteFilePath();
    zmeneno_ = false;
    NastavTitulek();
    MistnostiListBox->clearSelection();
    Obnov();
    return true;
}

void TProjektForm::OtevritBtnClick() {
    const QString s =
        QFileDialog::getOpenFileName(this, QStringLiteral("Otevřít projekt"), SlozkaDialogu(),
                                     FiltrProjektu + QStringLiteral(";;Všechny soubory (*.*)"));
    if (s.isEmpty()) return;
    ZapamatujSlozku(s);
    OtevriProjekt(s);
}

bool TProjektForm::UlozProjekt(const QString& soubor) {
    const QString cil = QFileInfo(soubor).absoluteFilePath();
    drun::Projekt p = projekt_;
    if (soubor_.isEmpty()) {
        // A new project's paths were added as absolute ones: relative where they can be.
        for (MistnostProjektu& m : p.Mistnosti)
            for (std::string& c : m.Cesty)
                c = CestaVProjektu(cil.toStdString(), c);
    } else {
        // Relative paths keep naming the same files from the new folder.
        PresunProjekt(p, SouborStd(), cil.toStdString());
    }
    const VysledekSouboru v = drun::UlozProjekt(p, cil.toStdString());
    if (!v.Ok()) {
        hlaseni().Chyba(QString::fromStdString(v.Zprava));
        return false;
    }
    projekt_ = std::move(p);
    soubor_ = cil;
    zmeneno_ = false;
    NastavTitulek();
    Prepocitej();
    return true;
}

void TProjektForm::UlozitBtnClick() {
    if (soubor_.isEmpty())
        UlozitJakoBtnClick();
    else
        UlozProjekt(soubor_);
}

void TProjektForm::UlozitJakoBtnClick() {
    const QString s = SouborKUlozeni(this, QStringLiteral("Uložit projekt"), FiltrProjektu,
                                     QStringLiteral("DRP"));
    if (!s.isEmpty()) UlozProjekt(s);
}

bool TProjektForm::PridejMistnost(const QString& nazev) {
    if (const QString chyba = ChybaNazvu(nazev); !chyba.isEmpty()) {
        hlaseni().Chyba(chyba);
        return false;
    }
    // A new room starts from the calculation's requirement.
    projekt_.Mistnosti.push_back(
        {nazev.trimmed().toStdString(), TextPozadavku(dokument_.Var().Pozadavek), {}});
    Zmena();
    VyberMistnost(static_cast<int>(projekt_.Mistnosti.size()) - 1);
    return true;
}

bool TProjektForm::PrejmenujMistnost(int mistnost, const QString& nazev) {
    if (mistnost < 0 || mistnost >= static_cast<int>(projekt_.Mistnosti.size())) return false;
    if (const QString chyba = ChybaNazvu(nazev); !chyba.isEmpty()) {
        hlaseni().Chyba(chyba);
        return false;
    }
    projekt_.Mistnosti[static_cast<size_t>(mistnost)].Nazev = nazev.trimmed().toStdString();
    Zmena();
    return true;
}

void TProjektForm::PridatMistnostBtnClick() {
    bool ok = false;
    const QString n =
        QInputDialog::getText(this, QStringLiteral("Přidat místnost"),
                              QStringLiteral("Název místnosti:"), QLineEdit::Normal, {}, &ok);
    if (ok) PridejMistnost(n);
}

void TProjektForm::PrejmenovatBtnClick() {
    const int m = VybranaMistnost();
    if (m < 0) return;
    bool ok = false;
    const QString n = QInputDialog::getText(
        this, QStringLiteral("Přejmenovat místnost"), QStringLiteral("Název místnosti:"),
        QLineEdit::Normal, QString::fromStdString(projekt_.Mistnosti[static_cast<size_t>(m)].Nazev),
        &ok);
    if (ok) PrejmenujMistnost(m, n);
}

void TProjektForm::OdebratMistnostBtnClick() {
    const int m = VybranaMistnost();
    if (m < 0) return;
    const auto& nazev = projekt_.Mistnosti[static_cast<size_t>(m)].Nazev;
    if (!hlaseni().Potvrd(QStringLiteral("Skutečně odebrat místnost ") +
                          QString::fromStdString(nazev) + QStringLiteral("?")))
        return;
    projekt_.Mistnosti.erase(projekt_.Mistnosti.begin() + m);
    MistnostiListBox->clearSelection();
    Zmena();
}

void TProjektForm::PozadavekBtnClick() {
    const int m = VybranaMistnost();
    if (m < 0) return;
    const Spectrum s = PozadavekMistnosti(projekt_.Mistnosti[static_cast<size_t>(m)]);
    std::copy(s.begin(), s.end(), pozadavek_.begin());
    PozadavekForm->setWindowTitle(
        QStringLiteral("Požadavek – ") +
        QString::fromStdString(projekt_.Mistnosti[static_cast<size_t>(m)].Nazev));
    PozadavekForm->exec();
}

void TProjektForm::PridejCesty(const QStringList& soubory) {
    const int m = VybranaMistnost();
    if (m < 0 || soubory.isEmpty()) return;
    auto& cesty = projekt_.Mistnosti[static_cast<size_t>(m)].Cesty;
    for (const QString& s : soubory)
        cesty.push_back(CestaVProjektu(SouborStd(), QFileInfo(s).absoluteFilePath().toStdString()));
    Zmena();
}

void TProjektForm::PridatCestyBtnClick() {
    if (VybranaMistnost() < 0) return;
    const QStringList s = QFileDialog::getOpenFileNames(
        this, QStringLiteral("Přidat cesty"), SlozkaDialogu(),
        QStringLiteral("Datové soubory DRUN (*.DRN);;Všechny soubory (*.*)"));
    if (s.isEmpty()) return;
    ZapamatujSlozku(s.constFirst());
    PridejCesty(s);
}

void TProjektForm::OdebratCestuBtnClick() {
    const int m = VybranaMistnost();
    const int c = CestyListBox->currentRow();
    if (m < 0 || c < 0) return;
    auto& cesty = projekt_.Mistnosti[static_cast<size_t>(m)].Cesty;
    if (c >= static_cast<int>(cesty.size())) return;
    cesty.erase(cesty.begin() + c);
    Zmena();
}

void TProjektForm::Obnov() {
    prehled_ = SpoctiPrehled(projekt_, SouborStd(), dokument_.Var().SouborTlumice);
    ZobrazMistnosti();
}

void TProjektForm::Prepocitej() {
    prehled_ =
        SpoctiPrehled(projekt_, SouborStd(), dokument_.Var().SouborTlumice, &prehled_.Soubory);
    ZobrazMistnosti();
}

void TProjektForm::ZobrazMistnosti() {
    const int vybrana = VybranaMistnost();
    {
        const QSignalBlocker blok(MistnostiListBox);
        ZobrazPrehled(MistnostiListBox, projekt_, prehled_);
    }
    VyberMistnost(vybrana < static_cast<int>(projekt_.Mistnosti.size()) ? vybrana : -1);
    ZobrazCesty();
    PovolTlacitka();
}

void TProjektForm::ZobrazCesty() {
    const int vybrana = CestyListBox->currentRow();
    CestyListBox->clear();
    const int m = VybranaMistnost();
    if (m < 0) return;
    const auto& mistnost = projekt_.Mistnosti[static_cast<size_t>(m)];
    for (const CestaSouctu& c : CestyMistnosti(prehled_, mistnost, SouborStd())) {
        auto* i = new QListWidgetItem(QString::fromStdString(c.Nazev), CestyListBox);
        if (c.Ok) {
            i->setText(i->text() + QStringLiteral(" – ") + QString::fromStdString(c.Akce) +
                       QStringLiteral(" – L(A) ") + Text(c.Konec[LA]));
            i->setToolTip(QString::fromStdString(c.Soubor));
        } else {
            i->setIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning));
            i->setForeground(BarvaChyby);
            i->setText(i->text() + QStringLiteral(" – ") + QString::fromStdString(c.Zprava));
            i->setToolTip(QString::fromStdString(c.Zprava));
        }
    }
    if (vybrana >= 0 && vybrana < CestyListBox->count()) CestyListBox->setCurrentRow(vybrana);
}

void TProjektForm::PovolTlacitka() {
    const bool mistnost = VybranaMistnost() >= 0;
    for (QPushButton* b : {PrejmenovatBtn, OdebratMistnostBtn, PozadavekBtn, PridatCestyBtn})
        b->setEnabled(mistnost);
    OdebratCestuBtn->setEnabled(mistnost && CestyListBox->currentRow() >= 0);
    const bool mistnosti = !projekt_.Mistnosti.empty();
    PdfBtn->setEnabled(mistnosti);
    CsvBtn->setEnabled(mistnosti);
}

void TProjektForm::OtevriMistnost(int mistnost) {
    if (mistnost < 0 || mistnost >= static_cast<int>(projekt_.Mistnosti.size())) return;
    const auto& m = projekt_.Mistnosti[static_cast<size_t>(mistnost)];
    std::vector<std::string> soubory;
    for (const std::string& c : m.Cesty)
        soubory.push_back(CestaNaDisku(SouborStd(), c));
    emit MistnostOtevrena(QString::fromStdString(m.Nazev), soubory, PozadavekMistnosti(m));
}

void TProjektForm::OtevriCestu(int mistnost, int cesta) {
    if (mistnost < 0 || mistnost >= static_cast<int>(projekt_.Mistnosti.size())) return;
    const auto& cesty = projekt_.Mistnosti[static_cast<size_t>(mistnost)].Cesty;
    if (cesta < 0 || cesta >= static_cast<int>(cesty.size())) return;
    emit CestaOtevrena(
        QString::fromStdString(CestaNaDisku(SouborStd(), cesty[static_cast<size_t>(cesta)])));
}

bool TProjektForm::ExportujPdf(const QString& soubor) {
    if (PrepsalByOtevreny(soubor, {soubor_})) return false;
    const std::string datum = DatumProtokolu().toStdString();
    DrunVar var;
    var.parametry = dokument_.Var().parametry;
    var.Akce = soubor_.isEmpty() ? std::string("nový projekt")
                                 : QFileInfo(soubor_).completeBaseName().toStdString();
    const std::vector<std::string> prehled = TextProtokoluProjektu(var, projekt_, prehled_, datum);
    // The overview, then each room as the sum of its paths prints it, its
    // chart below its text where it fits, else on the next page.
    const auto kresli = [&](QPagedPaintDevice& z) {
        QPainter p;
        if (!p.begin(&z)) return false;
        bool ok = VykresliProtokol(p, z, prehled).Ok;
        for (size_t i = 0; ok && i < projekt_.Mistnosti.size(); ++i) {
            const MistnostProjektu& m = projekt_.Mistnosti[i];
            var.Akce = m.Nazev;
            const std::vector<CestaSouctu> cesty = CestyMistnosti(prehled_, m, SouborStd());
            const VysledekSouctu v = SectiCesty(KonceCest(cesty), PozadavekMistnosti(m));
            ok = z.newPage();
            const VysledekTisku text =
                VykresliProtokol(p, z, TextProtokoluSouctu(var, cesty, v, datum));
            ok = ok && text.Ok;
            TGrafSouctu graf;
            const std::unique_ptr<QChart> vlastnik(graf.Graf);
            graf.Kresli(cesty, v);
            const double mezera = z.height() * 0.02;
            double vrch = text.Konec + mezera;
            if (z.height() - vrch < z.height() * 0.4) {
                ok = ok && z.newPage();
                vrch = 0;
            }
            VykresliGrafy(p, QRectF(0, vrch, z.width(), z.height() - vrch),
                          {{},
                           {},
                           QStringLiteral("Součet cest – ") + QString::fromStdString(m.Nazev),
                           {graf.Graf}});
        }
        return p.end() && ok;
    };
    QByteArray pdf;
    const bool ok =
        VytvorPdf(QStringLiteral("Projekt – ") + QString::fromStdString(var.Akce), kresli, pdf);
    return OhlasExport(ok && ZapisAtomicky(soubor.toStdString(), pdf.toStdString()), soubor,
                       QStringLiteral("Projekt"), QStringLiteral("Projekt je uložen v souboru"));
}

bool TProjektForm::ExportujCsv(const QString& soubor) {
    if (PrepsalByOtevreny(soubor, {soubor_})) return false;
    return ZapisExport(soubor, CsvPrehledu(projekt_, prehled_), QStringLiteral("Tabulku místností"),
                       QStringLiteral("Tabulka místností je uložena v souboru"));
}

void TProjektForm::PdfBtnClick() {
    const QString s = SouborKUlozeni(this, QStringLiteral("Export projektu do PDF"),
                                     QStringLiteral("Dokumenty PDF (*.pdf)"), QStringLiteral("pdf"),
                                     QStringLiteral("projekt.pdf"));
    if (!s.isEmpty()) ExportujPdf(s);
}

void TProjektForm::CsvBtnClick() {
    const QString s = SouborKUlozeni(this, QStringLiteral("Export tabulky místností do CSV"),
                                     QStringLiteral("Soubory CSV (*.csv)"), QStringLiteral("csv"),
                                     QStringLiteral("projekt.csv"));
    if (!s.isEmpty()) ExportujCsv(s);
}
