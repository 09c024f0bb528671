#include "ui/nastroje/ProjektFrm.h"

#include <QApplication>
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
#include <QSortFilterProxyModel>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>
#include <limits>
#include <memory>
#include <optional>
#include <utility>

#include "core/Cisla.h"
#include "core/DrunVar.h"
#include "core/Soubory.h"
#include "io/Kodovani.h"
#include "io/Protokol.h"
#include "io/Zprava.h"
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
#include "ui/tisk/Zprava.h"

using namespace drun;

namespace {

constexpr int RoleKlice = TModelMistnosti::RoleKlice;
const QColor BarvaChyby(190, 0, 0);
const QString FiltrProjektu = QStringLiteral("Projekty DRUN (*.DRP)");

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

TModelMistnosti::TModelMistnosti(QObject* rodic) : QAbstractTableModel(rodic) {}

void TModelMistnosti::Nastav(const drun::Projekt& p, const PrehledProjektu& pr) {
    using F = TProjektForm;
    beginResetModel();
    radky_.clear();
    radky_.reserve(p.Mistnosti.size());
    constexpr double Nahore = -std::numeric_limits<double>::infinity();
    constexpr double Dole = std::numeric_limits<double>::infinity();
    const auto pole = RadkyPrehledu(p, pr);
    for (size_t i = 0; i < p.Mistnosti.size(); ++i) {
        const PrehledMistnosti& r = pr.Mistnosti[i];
        const bool chyba = r.Stav == StavMistnosti::Chyba;
        Radek& radek = radky_.emplace_back();
        radek.Stav = r.Stav;
        for (int s = 0; s < F::PocetSloupcu; ++s)
            radek.Text[size_t(s)] = QString::fromStdString(pole[i + 1][size_t(s)]);
        const Spectrum& soucet = r.Soucet.Soucet;
        // Unreadable rooms first, rooms without a requirement last.
        radek.Klic[F::SloupecCest] = static_cast<double>(p.Mistnosti[i].Cesty.size());
        radek.Klic[F::SloupecLA] = chyba ? Nahore : soucet[LA];
        radek.Klic[F::SloupecNR] = chyba ? Nahore : r.Soucet.NR.N;
        radek.Klic[F::SloupecPasmo] = r.Pasmo < 0 ? Dole : r.Pasmo;
        radek.Klic[F::SloupecRezerva] = chyba ? Nahore : r.Pasmo < 0 ? Dole : r.Rezerva;
        if (chyba) {
            radek.Text[F::SloupecStav] =
                QStringLiteral("chyba: ") + QString::fromStdString(r.Zprava);
            radek.Tip = QString::fromStdString(r.Cesta + ": " + r.Zprava);
        }
    }
    zvyraznena_ = -1;
    endResetModel();
}

void TModelMistnosti::Zvyrazni(int mistnost, const QString& tip) {
    const int byla = std::exchange(zvyraznena_, mistnost);
    tipZvyraznene_ = tip;
    for (int m : {byla, mistnost})
        if (m >= 0 && m < rowCount())
            emit dataChanged(index(m, TProjektForm::SloupecNazev),
                             index(m, TProjektForm::SloupecNazev));
}

int TModelMistnosti::rowCount(const QModelIndex& rodic) const {
    return rodic.isValid() ? 0 : static_cast<int>(radky_.size());
}

int TModelMistnosti::columnCount(const QModelIndex& rodic) const {
    return rodic.isValid() ? 0 : TProjektForm::PocetSloupcu;
}

QVariant TModelMistnosti::data(const QModelIndex& i, int role) const {
    using F = TProjektForm;
    if (!i.isValid() || i.row() >= rowCount()) return {};
    const Radek& r = radky_[size_t(i.row())];
    const int s = i.column();
    const bool cislo = r.Klic[size_t(s)].has_value();
    const bool spatne = r.Stav != StavMistnosti::Vyhovi;
    const bool soucet =
        VyznacSouctyCest && s == F::SloupecCest && r.Klic[size_t(s)] && *r.Klic[size_t(s)] > 1;
    switch (role) {
    case Qt::BackgroundRole:
        return soucet ? QVariant(QColor(255, 240, 190)) : QVariant();
    case Qt::DisplayRole:
        return r.Text[size_t(s)];
    case RoleKlice:
        return cislo ? QVariant(*r.Klic[size_t(s)]) : QVariant(r.Text[size_t(s)]);
    case Qt::TextAlignmentRole:
        return cislo ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    case Qt::ForegroundRole:
        if (s == F::SloupecStav && spatne)
            return r.Stav == StavMistnosti::Chyba ? BarvaChyby : BarvaPrekroceni;
        if (s == F::SloupecRezerva && spatne) return BarvaPrekroceni;
        return {};
    case Qt::FontRole:
        if ((s == F::SloupecStav && spatne) || (s == F::SloupecNazev && i.row() == zvyraznena_) ||
            soucet) {
            QFont f;
            f.setBold(true);
            return f;
        }
        return {};
    case Qt::DecorationRole:
        if (s == F::SloupecStav && r.Stav == StavMistnosti::Chyba)
            return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
        return {};
    case Qt::ToolTipRole:
        if (s == F::SloupecStav && !r.Tip.isEmpty()) return r.Tip;
        if (s == F::SloupecNazev && i.row() == zvyraznena_) return tipZvyraznene_;
        if (soucet)
            return QStringLiteral("Místnost napájí %1 úseky rozvodu: jejich hladiny se sčítají.")
                .arg(r.Text[size_t(s)]);
        return {};
    default:
        return {};
    }
}

QVariant TModelMistnosti::headerData(int sekce, Qt::Orientation o, int role) const {
    if (o != Qt::Horizontal || role != Qt::DisplayRole || sekce < 0 ||
        sekce >= TProjektForm::PocetSloupcu)
        return {};
    static const char* const Nazvy[] = {"Místnost", "Cest",    "L(A)",
                                        "NR",       "NC",      "Požadavek",
                                        "Pásmo",    "Rezerva", "Nejhlasitější cesta",
                                        "Stav"};
    return QString::fromUtf8(Nazvy[sekce]);
}

QTableView* TabulkaMistnosti(QWidget* rodic) {
    using F = TProjektForm;
    auto* t = new QTableView(rodic);
    auto* razeni = new QSortFilterProxyModel(t);
    razeni->setSourceModel(new TModelMistnosti(t));
    razeni->setSortRole(RoleKlice);
    razeni->setSortLocaleAware(true);
    t->setModel(razeni);
    t->verticalHeader()->hide();
    // Compact rows show more rooms of a large building.
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setWordWrap(false);
    t->setSortingEnabled(true);
    t->sortByColumn(F::SloupecRezerva, Qt::AscendingOrder);
    t->horizontalHeader()->setStretchLastSection(true);
    const int sirky[] = {170, 44, 56, 56, 56, 170, 60, 76, 190};
    for (int i = 0; i < F::SloupecStav; ++i)
        t->setColumnWidth(i, sirky[i]);
    return t;
}

TModelMistnosti* ModelMistnosti(const QTableView* t) {
    return static_cast<TModelMistnosti*>(
        static_cast<QSortFilterProxyModel*>(t->model())->sourceModel());
}

void ZobrazPrehled(QTableView* t, const drun::Projekt& p, const PrehledProjektu& pr) {
    ModelMistnosti(t)->Nastav(p, pr);
}

int MistnostRadku(const QTableView* t, int radek) {
    const auto* razeni = static_cast<QSortFilterProxyModel*>(t->model());
    const QModelIndex i = razeni->mapToSource(razeni->index(radek, 0));
    return i.isValid() ? i.row() : -1;
}

int RadekMistnosti(const QTableView* t, int mistnost) {
    const auto* razeni = static_cast<QSortFilterProxyModel*>(t->model());
    const QModelIndex i = razeni->mapFromSource(razeni->sourceModel()->index(mistnost, 0));
    return i.isValid() ? i.row() : -1;
}

int VybranaMistnost(const QTableView* t) {
    const QModelIndexList v = t->selectionModel()->selectedRows();
    return v.isEmpty() ? -1 : MistnostRadku(t, v.front().row());
}

void VyberMistnost(QTableView* t, int mistnost) {
    const int r = RadekMistnosti(t, mistnost);
    if (r >= 0)
        t->selectRow(r);
    else
        t->clearSelection();
}

TProjektForm::TProjektForm(TDokument& dokument, QWidget* rodic)
    : QWidget(rodic, Qt::Window), dokument_(dokument) {
    MistnostiListBox = TabulkaMistnosti(this);
    NastavHint(MistnostiListBox,
               QStringLiteral("Místnosti projektu|Místnosti s jejich součtem a požadavkem; "
                              "dvojklik otevře součet cest místnosti"));
    connect(MistnostiListBox->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] {
                ZobrazCesty();
                PovolTlacitka();
            });
    connect(MistnostiListBox, &QTableView::doubleClicked, this,
            [this](const QModelIndex& i) { OtevriMistnost(MistnostRadku(i.row())); });

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
    ZpravaBtn = Tlacitko(this, QStringLiteral("Zpráva do PDF…"),
                         QStringLiteral("Uloží zprávu o projektu pro klienta: souhrn místností, "
                                        "jejich spektra a grafy a tabulku elementů každé cesty"),
                         &TProjektForm::ZpravaBtnClick);
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
        {PdfBtn, ZpravaBtn, CsvBtn}};
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
    ::VyberMistnost(MistnostiListBox, mistnost);
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
        const QSignalBlocker blok(MistnostiListBox->selectionModel());
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
    ZpravaBtn->setEnabled(mistnosti);
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

bool TProjektForm::ExportujZpravu(const QString& soubor) {
    if (PrepsalByOtevreny(soubor, {soubor_})) return false;
    return UlozZpravuOkna(ZpravaProjektu(projekt_, prehled_, SouborStd(),
                                         dokument_.Var().SouborTlumice,
                                         DatumProtokolu().toStdString()),
                          soubor, QStringLiteral("Zprávu o projektu"),
                          QStringLiteral("Zpráva o projektu je uložena v souboru"));
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

void TProjektForm::ZpravaBtnClick() {
    const QString s = SouborKUlozeni(this, QStringLiteral("Zpráva o projektu do PDF"),
                                     QStringLiteral("Dokumenty PDF (*.pdf)"), QStringLiteral("pdf"),
                                     QStringLiteral("zprava-projekt.pdf"));
    if (!s.isEmpty()) ExportujZpravu(s);
}

void TProjektForm::CsvBtnClick() {
    const QString s = SouborKUlozeni(this, QStringLiteral("Export tabulky místností do CSV"),
                                     QStringLiteral("Soubory CSV (*.csv)"), QStringLiteral("csv"),
                                     QStringLiteral("projekt.csv"));
    if (!s.isEmpty()) ExportujCsv(s);
}
