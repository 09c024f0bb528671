#include "ui/hlavni/DrunMain.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QShowEvent>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>

#include "core/Cisla.h"
#include "core/Druhy.h"
#include "core/DrunVar.h"
#include "core/DrunVyp.h"
#include "core/Konfigurace.h"
#include "core/Soubory.h"
#include "io/DataSoubor.h"
#include "io/Ifc.h"
#include "io/Protokol.h"
#include "io/Vysledky.h"
#include "tools/Pozadavek.h"
#include "tools/UpravyRozvodu.h"
#include "ui/dialogy/DruhFrm.h"
#include "ui/dialogy/ElemDialog.h"
#include "ui/dialogy/HrPotFrm.h"
#include "ui/dialogy/KTlumFrm.h"
#include "ui/dialogy/KuPotFrm.h"
#include "ui/dialogy/MistnFrm.h"
#include "ui/dialogy/ObElFrm.h"
#include "ui/dialogy/OblFrm.h"
#include "ui/dialogy/OdbFrm.h"
#include "ui/dialogy/ParametryFrm.h"
#include "ui/dialogy/PozadFrm.h"
#include "ui/dialogy/TextPole.h"
#include "ui/dialogy/ViceFrm.h"
#include "ui/dialogy/VybElFrm.h"
#include "ui/dialogy/VyustFrm.h"
#include "ui/dialogy/ZZdrFrm.h"
#include "ui/hlavni/About.h"
#include "ui/hlavni/Dokument.h"
#include "ui/hlavni/Historie.h"
#include "ui/hlavni/Napoveda.h"
#include "ui/hlavni/Panely.h"
#include "ui/hlavni/Strom.h"
#include "ui/nastroje/AkTlakFrm.h"
#include "ui/nastroje/Graf.h"
#include "ui/nastroje/ImportIfcFrm.h"
#include "ui/nastroje/Katalog.h"
#include "ui/nastroje/KatalogFrm.h"
#include "ui/nastroje/NavrhFrm.h"
#include "ui/nastroje/PrevFrm.h"
#include "ui/nastroje/ProjektFrm.h"
#include "ui/nastroje/PrutokyFrm.h"
#include "ui/nastroje/RozvodFrm.h"
#include "ui/nastroje/SestaveniRozvodu.h"
#include "ui/nastroje/SoucetFrm.h"
#include "ui/spolecne/Hlaseni.h"
#include "ui/spolecne/Nastaveni.h"
#include "ui/spolecne/VyberSouboru.h"
#include "ui/tisk/Export.h"
#include "ui/tisk/Tisk.h"
#include "ui/tisk/Vysledky.h"

using namespace drun;

int SeznamModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : var_.cesta.Pocet();
}

QVariant SeznamModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= var_.cesta.Pocet()) return {};
    const int n = index.row() + 1;
    // Shared: it feeds more rooms than one, in whichever section it is shown.
    const int napaji = Dokument && Dokument->MaVetve() ? Dokument->NapajiMistnosti(n) : 0;
    QString t = QString::fromStdString(RadekSeznamu(var_.cesta.Prvek(n)));
    if (napaji < 2) return role == Qt::DisplayRole ? QVariant(t) : QVariant();
    // A shared element: marked, with the rooms it feeds, short enough for a narrow list.
    const QString mistnosti = PocetMistnosti(napaji);
    switch (role) {
    case Qt::DisplayRole:
        return t + QStringLiteral("   [napájí ") + mistnosti + QLatin1Char(']');
    case Qt::BackgroundRole:
        return QColor(228, 236, 248);
    case Qt::ToolTipRole: {
        const auto [u, k] = Dokument->MistoPrvku(n);
        return QStringLiteral("Sdílený element %1 úseku %2: napájí %3, jeho změna platí pro "
                              "všechny.")
            .arg(k)
            .arg(Dokument->Rozvod().Useky()[u].Id)
            .arg(mistnosti);
    }
    default:
        return {};
    }
}

void SeznamModel::Obnov() {
    beginResetModel();
    endResetModel();
}

namespace {

const QString KlicPozadavku = QStringLiteral("Vypocet/Pozadavek");

} // namespace

THlavniForm::THlavniForm(DrunVar& var, QWidget* parent) : QMainWindow(parent), var_(var) {
    setWindowTitle(QStringLiteral("DRUN"));
    Seznam = new SeznamModel(var_, this);
    dokument_ = new TDokument(var_, this);
    Seznam->Dokument = dokument_;
    // Connected before any tool window: the main window shows an evaluation first.
    connect(dokument_, &TDokument::Prepocitano, this, &THlavniForm::UkazPrepocet);
    connect(dokument_, &TDokument::Nahrazen, this, [this] {
        AkceEdit->setText(QString::fromStdString(var_.Akce));
        ZobrazZdroj();
        // A section's room brings its own requirement.
        ZobrazPozadavek();
        // The tree comes out when the calculation first branches; hidden, it stays so.
        if (dokument_->MaVetve() && !vetvil_) UkazStrom();
        vetvil_ = dokument_->MaVetve();
    });
    // What a change reached stays in sight until the next change.
    connect(dokument_, &TDokument::Dosazeno, this, [this](int mistnosti) {
        dosahZmeny_ = mistnosti > 1 && dokument_->MaVetve()
                          ? QStringLiteral("Změna se týká ") + PocetMistnosti(mistnosti) +
                                QStringLiteral(" rozvodu.")
                          : QString();
        if (dosahZmeny_.isEmpty())
            statusBar()->clearMessage();
        else
            statusBar()->showMessage(dosahZmeny_);
    });
    connect(dokument_, &TDokument::Nahrazen, this, [this] { dosahZmeny_.clear(); });
    connect(dokument_, &TDokument::Vybran, this, [this](int n) {
        ZobrazElement(var_.cesta.Aktualni());
        UkazVSeznamu(n);
    });
    connect(dokument_, &TDokument::StavZmenen, this, &THlavniForm::ObnovTitulek);
    Strom = new TStromRozvodu(*dokument_, this);
    VytvorPrikazy();
    setCentralWidget(VytvorPanely());
    addDockWidget(Qt::RightDockWidgetArea, Strom);
    Strom->hide();
    connect(Strom, &QDockWidget::visibilityChanged, Strom, [this](bool v) {
        if (v) Strom->Obnov();
    });
    KlavesySeznamu();
    statusBar(); // hints go there from the start

    // Start-up of a calculation.
    ZalozVypocet(var_);
    // Messages are still off: a missing or faulty DRUN.CFG silently gives the defaults.
    CtiKonfiguraci(var_);
    var_.Hlasky = true;

    // The windows that live as long as the main window, created once.
    AboutBox = new TAboutBox(var_, this);
    Graf = new TGrafForm(*dokument_, this);
    Soucet = new TSoucetForm(*dokument_, this);
    Projekt = new TProjektForm(*dokument_, this);
    Rozvod = new TRozvodForm(*dokument_, this);
    Navrh = new TNavrhForm(*dokument_, this);
    connect(Projekt, &TProjektForm::MistnostOtevrena, Soucet, &TSoucetForm::ZobrazMistnost);
    connect(Projekt, &TProjektForm::CestaOtevrena, this, [this](const QString& soubor) {
        // Unsaved work is asked about first.
        OtevriSoubor(soubor);
        raise();
        activateWindow();
    });
    ParametryForm = new TParametryForm(var_, this);
    AkTlak = new TAkTlakForm(var_, this);
    Prevod = new TPrevodForm(this);
    Napoveda = new TNapovedaForm(this);
    Pozadavek = new TPozadavekForm(var_, this);
    // The requirement last used comes back with the next start.
    if (const auto p = PozadavekZTextu(QSettings().value(KlicPozadavku).toString().toStdString()))
        var_.Pozadavek = *p;
    Pozadavek->Kontext = [this] {
        return dokument_->MaVetve() ? PopisUseku(dokument_->Usek()) : QString();
    };
    connect(Pozadavek, &TPozadavekForm::PozadavekZmenen, this, [this] {
        QSettings().setValue(KlicPozadavku, QString::fromStdString(TextPozadavku(var_.Pozadavek)));
        ZobrazPozadavek();
        // The room's requirement first: every window then shows the new verdicts.
        dokument_->PozadavekZmenen();
        PrepocitejOd(var_.cesta.Pocet());
    });
    ZadZdroj = new TZadZdrojForm(var_, this);
    connect(ZadZdroj, &TZadZdrojForm::ZdrojZmenen, this, [this](const TElementSite& zdroj) {
        dokument_->ZmenPrvek(1, zdroj, QStringLiteral("Změnit zdroj drunu"));
        ZobrazZdroj();
    });
    VyberTyp = new TVyberTypForm(this);
    connect(VyberTyp, &TVyberTypForm::TypVybran, this, &THlavniForm::PridatTyp);
    katalog_ = std::make_unique<TKatalog>(var_.MinUroven, var_.MaxUroven);
    KatalogForm = new TKatalogForm(*katalog_, this);
    AboutBox->SouborKatalogu = [this] { return katalog_->Soubor(); };
    ZadZdroj->Katalog = katalog_.get();
    auto* obecny = new TObecElemForm(var_, this);
    obecny->Katalog = katalog_.get();
    RegistrujDialog(TypObecny, obecny);
    RegistrujDialog(TypTlumic, new TKTlumicForm(var_, this));
    RegistrujDialog(TypMistnost, new TMistnostForm(var_, this));
    RegistrujDialog(TypOblouk, new TObloukForm(var_, this));
    RegistrujDialog(TypOdbocka, new TOdbockaForm(var_, this));
    RegistrujDialog(TypHrPotrubi, new THrPotrubiForm(var_, this));
    RegistrujDialog(TypKuPotrubi, new TKuPotrubiForm(var_, this));
    RegistrujDialog(TypVyustka, new TVyustkaForm(var_, this));
    RegistrujDialog(TypVice, new TViceForm(var_, this));
    // Every other kind gets the dialog its table row builds.
    for (const DruhElementu& d : Druhy())
        if (d.Kod != TypZdroj && !Dialog(d.Kod))
            RegistrujDialog(d.Kod, new TDruhForm(var_, d.Kod, this));

    // F1 in a tool window opens the help at that tool's page.
    const std::pair<QWidget*, const char*> napovedy[] = {
        {Prevod, "pomucky.html#lx"}, {AkTlak, "pomucky.html#tlak"},  {Graf, "pomucky.html#graf"},
        {Soucet, "soucet.html"},     {KatalogForm, "katalog.html"},  {Navrh, "navrh.html"},
        {Projekt, "projekt.html"},   {Rozvod, "rozvod.html#rozvod"},
    };
    for (auto [okno, stranka] : napovedy) {
        auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), okno);
        f1->setContext(Qt::WindowShortcut);
        connect(f1, &QShortcut::activated, Napoveda,
                [this, s = QString::fromLatin1(stranka)] { Napoveda->OtevriStranku(s); });
    }

    // Every window and dialog fits the screen it opens on, title bar and all.
    for (QWidget* w : findChildren<QWidget*>())
        if (w->isWindow() && !qobject_cast<QMenu*>(w)) HlidejObrazovku(w);

    ZobrazPozadavek();
    NaplnForm();
    Historie().Nova(true);
    adjustSize();
    // The smallest window is the one that fits the panels and today's list;
    // a larger one gives the list the room.
    SeznamElemListBox->setMinimumHeight(SeznamElemListBox->height());
    JeTiskarna = [] { return !QPrinterInfo::availablePrinters().isEmpty(); };
}

THlavniForm::~THlavniForm() {
    // Its signals would reach this window after it is gone.
    delete dokument_;
}

THistorie& THlavniForm::Historie() const {
    return dokument_->Historie();
}

bool THlavniForm::Ulozeno() const {
    return dokument_->Ulozeno();
}

void THlavniForm::VytvorPrikazy() {
    enum Nabidka { Soubor, Upravy, Element, RozvodM, Nastaveni, Pomucky, NapovedaM, PocetNabidek };
    const std::array<const char*, PocetNabidek> nazvy{
        "&Soubor", "&Úpravy", "&Element", "&Rozvod", "N&astavení", "&Pomůcky", "&Nápověda"};
    struct Radek {
        Prikaz prikaz;
        Nabidka nabidka;
        const char* text;
        const char* hint; // "Short|Long": the tool tip gets the short part, the status bar the long
        QKeySequence klavesa;
        const char* ikona; // the desktop theme's icon, the style's own when the theme has none
        QStyle::StandardPixmap nahradni;
        bool lista;   // also a toolbar button
        bool oddelit; // a separator before it
        void (THlavniForm::*slot)();
    };
    using K = QKeySequence;
    constexpr auto Zadna = QStyle::SP_CustomBase;
    const Radek tabulka[] = {
        {Prikaz::Novy, Soubor, "&Nový", "Nový|Nový výpočet", K(Qt::CTRL | Qt::Key_N),
         "document-new", QStyle::SP_FileIcon, true, false, &THlavniForm::NovyVypocet},
        {Prikaz::Otevrit, Soubor, "&Otevřít...", "Otevřít|Otevře uložený soubor",
         K(Qt::CTRL | Qt::Key_O), "document-open", QStyle::SP_DialogOpenButton, true, false,
         &THlavniForm::OpenItemClick},
        {Prikaz::Ulozit, Soubor, "&Uložit", "Uložit|Uloží aktuální výpočet",
         K(Qt::CTRL | Qt::Key_S), "document-save", QStyle::SP_DialogSaveButton, true, false,
         &THlavniForm::SaveItemClick},
        {Prikaz::UlozitJako, Soubor, "Uložit j&ako...",
         "Uložit jako|Uloží aktuální výpočet do jiného souboru",
         K(Qt::CTRL | Qt::SHIFT | Qt::Key_S), "document-save-as", Zadna, false, false,
         &THlavniForm::SaveAsItemClick},
        {Prikaz::UlozitCestu, Soubor, "Uložit &cestu jako...",
         "Uloží cestu zobrazeného úseku rozvodu jako samostatný výpočet (*.DRN)", K(), nullptr,
         Zadna, false, false, &THlavniForm::UlozitCestuClick},
        {Prikaz::Tisk, Soubor, "&Tisk...", "Tisk|Vytiskne protokol", K(Qt::CTRL | Qt::Key_P),
         "document-print", QStyle::SP_FileDialogDetailedView, true, true,
         &THlavniForm::TiskItemClick},
        {Prikaz::ExportPdf, Soubor, "Export protokolu do PD&F...",
         "Uloží protokol s grafy jako dokument PDF", K(), nullptr, Zadna, false, false,
         &THlavniForm::ExportPdfItemClick},
        {Prikaz::ExportCsv, Soubor, "Export výsledků do &CSV...",
         "Uloží tabulku výsledků pro tabulkový procesor", K(), nullptr, Zadna, false, false,
         &THlavniForm::ExportCsvItemClick},
        {Prikaz::Projekt, Soubor, "&Projekt...", "Místnosti budovy, jejich cesty a požadavky", K(),
         nullptr, Zadna, false, true, &THlavniForm::ProjektClick},
        {Prikaz::SestavitZeSouboru, Soubor, "Sestavit rozvod ze &souborů…",
         "Sestaví rozvod z výpočtů cest (*.DRN) se společným zdrojem", K(), nullptr, Zadna, false,
         false, &THlavniForm::SestavitZeSouboruClick},
        {Prikaz::SestavitZProjektu, Soubor, "Sestavit rozvod z p&rojektu…",
         "Sestaví rozvod z místností projektu a jejich cest", K(), nullptr, Zadna, false, false,
         &THlavniForm::SestavitZProjektuClick},
        {Prikaz::ImportIfc, Soubor, "Importovat z &IFC…",
         "Rozvod ze sítě VZT v modelu budovy (*.ifc)", K(), nullptr, Zadna, false, false,
         &THlavniForm::ImportIfcClick},
        {Prikaz::Konec, Soubor, "&Konec", "Konec|Ukončí program", K(Qt::ALT | Qt::Key_X),
         "application-exit", QStyle::SP_DialogCloseButton, true, true, nullptr},
        {Prikaz::Zpet, Upravy, "Zpět", "Vrátí poslední změnu výpočtu", K(Qt::CTRL | Qt::Key_Z),
         "edit-undo", Zadna, false, false, &THlavniForm::ZpetItemClick},
        {Prikaz::Znovu, Upravy, "Znovu", "Provede znovu vrácenou změnu", K(Qt::CTRL | Qt::Key_Y),
         "edit-redo", Zadna, false, false, &THlavniForm::ZnovuItemClick},
        {Prikaz::Kopirovat, Upravy, "&Kopírovat výsledky",
         "Zkopíruje tabulku výsledků do schránky (text a tabulka HTML)",
         K(Qt::CTRL | Qt::SHIFT | Qt::Key_C), "edit-copy", Zadna, false, true,
         &THlavniForm::KopirovatVysledkyClick},
        {Prikaz::Zdroj, Element, "&Zdroj drunu", "Zadání zdroje drunu", K(), nullptr, Zadna, false,
         false, &THlavniForm::ZadejZdrojDrunu},
        {Prikaz::Vypustit, Element, "&Vypustit element", "Vypustí vybraný element", K(), nullptr,
         Zadna, false, true, &THlavniForm::VypustitElementClick},
        {Prikaz::Zmenit, Element, "Z&měnit element", "Změní vybraný element", K(), nullptr, Zadna,
         false, false, &THlavniForm::ZmenElem},
        {Prikaz::Pozadavek, Element, "&Požadavek na konci sítě",
         "Požadavek na hladiny drunu na konci sítě", K(), nullptr, Zadna, false, true,
         &THlavniForm::PozadavekNaKonciSite},
        {Prikaz::NovaVetev, RozvodM, "&Nová větev za elementem",
         "Začne nový úsek rozvodu za vybraným elementem", K(), nullptr, Zadna, false, false,
         &THlavniForm::NovaVetevClick},
        {Prikaz::PrejmenovatUsek, RozvodM, "&Přejmenovat místnost úseku...",
         "Změní jméno místnosti, do které vede zobrazený úsek", K(), nullptr, Zadna, false, true,
         &THlavniForm::PrejmenovatUsekClick},
        {Prikaz::KopirovatUsek, RozvodM, "&Kopírovat úsek",
         "Přidá kopii zobrazeného úseku se stejným místem odbočení", K(), nullptr, Zadna, false,
         false, &THlavniForm::KopirovatUsekClick},
        {Prikaz::OdstranitUsek, RozvodM, "&Odstranit úsek...",
         "Odstraní zobrazený úsek se všemi větvemi za ním", K(), nullptr, Zadna, false, false,
         &THlavniForm::OdstranitUsekClick},
        {Prikaz::Prutoky, RozvodM, "Průtoky podle &místností…",
         "Nastaví průtoky elementů rozvodu jako součet průtoků místností, které napájejí", K(),
         nullptr, Zadna, false, true, &THlavniForm::PrutokyClick},
        {Prikaz::Parametry, Nastaveni, "&Parametry", "Parametry programu", K(), nullptr, Zadna,
         false, false, &THlavniForm::ParametryClick},
        {Prikaz::Katalog, Nastaveni, "&Katalog", "Katalog zdrojů drunu a obecných elementů", K(),
         nullptr, Zadna, false, false, &THlavniForm::KatalogItemClick},
        {Prikaz::PrevodLx, Pomucky, "Převod na &L(x)", "Převod spektra na hladinu L(x)", K(),
         nullptr, Zadna, false, false, &THlavniForm::PrevodLxClick},
        {Prikaz::PrevodTlaku, Pomucky, "Převod ak. &tlaku", "Převod akustického tlaku", K(),
         nullptr, Zadna, false, false, &THlavniForm::PrevodTlakuClick},
        {Prikaz::Graf, Pomucky, "&Graf", "Graf spektra na konci sítě a hladiny podél cesty", K(),
         nullptr, Zadna, false, false, &THlavniForm::GrafClick},
        {Prikaz::Soucet, Pomucky, "&Součet cest", "Součet drunu několika cest do jedné místnosti",
         K(), nullptr, Zadna, false, false, &THlavniForm::SoucetClick},
        {Prikaz::ProjektPomucky, Pomucky, "P&rojekt", "Místnosti budovy a které z nich nevyhoví",
         K(), nullptr, Zadna, false, false, &THlavniForm::ProjektClick},
        {Prikaz::Rozvod, Pomucky, "Přehled ro&zvodu", "Místnosti rozvodu a které z nich nevyhoví",
         K(), nullptr, Zadna, false, false, &THlavniForm::RozvodClick},
        {Prikaz::Navrh, Pomucky, "Návrh &opatření",
         "Potřebný útlum, tlumiče, které vyhoví, a co rozhoduje o výsledku", K(), nullptr, Zadna,
         false, false, &THlavniForm::NavrhClick},
        {Prikaz::Napoveda, NapovedaM, "&Nápověda", "Nápověda k programu", K(Qt::Key_F1),
         "help-contents", Zadna, false, false, &THlavniForm::NapovedaClick},
        {Prikaz::OProgramu, NapovedaM, "&O programu...", "O programu DRUN", K(), "help-about",
         Zadna, false, true, &THlavniForm::AboutClick},
    };
    static_assert(std::size(tabulka) == static_cast<size_t>(Prikaz::Pocet));

    std::array<QMenu*, PocetNabidek> menu{};
    for (int i = 0; i < PocetNabidek; ++i)
        menu[static_cast<size_t>(i)] =
            menuBar()->addMenu(QString::fromUtf8(nazvy[static_cast<size_t>(i)]));
    QToolBar* lista = addToolBar(QStringLiteral("SpeedPanel"));
    lista->setMovable(false);
    lista->setFloatable(false);
    lista->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    for (const Radek& r : tabulka) {
        QMenu* m = menu[static_cast<size_t>(r.nabidka)];
        if (r.oddelit && !m->isEmpty()) m->addSeparator();
        QAction* a = m->addAction(QString::fromUtf8(r.text));
        const QString hint = QString::fromUtf8(r.hint);
        const int bar = hint.indexOf(QLatin1Char('|'));
        a->setToolTip(bar < 0 ? a->text().remove(QLatin1Char('&')) : hint.left(bar));
        a->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
        if (!r.klavesa.isEmpty()) a->setShortcut(r.klavesa);
        // Without a desktop theme the program's own drawing, else the style's.
        QIcon nahradni;
        const QString vlastni =
            QStringLiteral(":/ikony/") + QString::fromLatin1(r.ikona ? r.ikona : "") + ".svg";
        if (r.ikona && QFile::exists(vlastni))
            nahradni = QIcon(vlastni);
        else if (r.nahradni != Zadna)
            nahradni = style()->standardIcon(r.nahradni);
        if (r.ikona) a->setIcon(QIcon::fromTheme(QString::fromLatin1(r.ikona), nahradni));
        // Menus show their text; icons are for the toolbar.
        a->setIconVisibleInMenu(false);
        if (r.lista) lista->addAction(a);
        // Text still being typed into Akce is part of the calculation each command sees.
        auto slot = r.slot;
        connect(a, &QAction::triggered, this, [this, slot] {
            if (slot != &THlavniForm::ZpetItemClick && slot != &THlavniForm::ZnovuItemClick)
                PotvrdAkci();
            if (slot)
                (this->*slot)();
            else
                close();
        });
        prikazy_[static_cast<size_t>(r.prikaz)] = a;
    }
    Akce(Prikaz::Znovu)
        ->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    Historie().Pripoj(Akce(Prikaz::Zpet), Akce(Prikaz::Znovu));

    menu[RozvodM]->addSeparator();
    menu[RozvodM]->addAction(Strom->toggleViewAction());
    Strom->Strom->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (Prikaz p : {Prikaz::PrejmenovatUsek, Prikaz::KopirovatUsek, Prikaz::OdstranitUsek})
        Strom->Strom->addAction(Akce(p));

    // "Naposledy otevřené" after the saving commands.
    QMenu* soubor = menu[Soubor];
    NaposledyMenu = new QMenu(QStringLiteral("Naposledy otevřené"), soubor);
    NaposledyMenu->setObjectName(QStringLiteral("Naposledy"));
    soubor->insertMenu(Akce(Prikaz::Tisk), NaposledyMenu);
    // Built as it opens, never while one of its items is still being handled.
    connect(NaposledyMenu, &QMenu::aboutToShow, this, &THlavniForm::ObnovNaposledy);
    ObnovNaposledy();

    // "Přidat element": one item per type code, enabled once its dialog is registered.
    QMenu* pridat = new QMenu(QStringLiteral("&Přidat element"), menu[Element]);
    pridat->menuAction()->setStatusTip(QStringLiteral("Vložit nový element"));
    menu[Element]->insertMenu(Akce(Prikaz::Vypustit), pridat);
    menu[Element]->insertSeparator(pridat->menuAction());
    pridatMenu_ = pridat;
    for (const DruhElementu& d : Druhy()) {
        if (!*d.Nabidka.TextMenu) continue; // the source is never added
        QAction* a = pridat->addAction(QString::fromUtf8(d.Nabidka.TextMenu));
        a->setStatusTip(QString::fromUtf8(d.Nabidka.TipMenu));
        a->setEnabled(false);
        connect(a, &QAction::triggered, this, [this, typ = int(d.Kod)] { PridatTyp(typ); });
        pridat_[d.Kod] = a;
    }
}

QWidget* THlavniForm::VytvorPanely() {
    auto* stred = new QWidget(this);
    auto* hlavni = new QVBoxLayout(stred);
    hlavni->setContentsMargins(6, 4, 6, 4);
    hlavni->setSpacing(4);

    // Akce
    auto* akcePanel = new QHBoxLayout;
    akcePanel->addWidget(new QLabel(QStringLiteral("Akce:"), stred));
    AkceEdit = new QLineEdit(stred);
    AkceEdit->setObjectName(QStringLiteral("Akce"));
    AkceEdit->setMaxLength(static_cast<int>(MaxDelkaAkce));
    PovolJen1250(AkceEdit);
    NastavHint(AkceEdit, QStringLiteral("Libovolný text - max. 60 znaků"));
    AkceEdit->installEventFilter(this);
    connect(AkceEdit, &QLineEdit::textChanged, dokument_, &TDokument::NastavTextAkce);
    akcePanel->addWidget(AkceEdit, 1);
    hlavni->addLayout(akcePanel);

    auto* telo = new QHBoxLayout;
    panely_ = new TPanelyHodnot(stred);
    connect(panely_, &TPanelyHodnot::ZdrojKliknut, this, &THlavniForm::ZadejZdrojDrunu);
    connect(panely_, &TPanelyHodnot::PozadavekKliknut, this, &THlavniForm::PozadavekNaKonciSite);
    // A wider window gives most of the width to the panels, the rest to the list.
    telo->addWidget(panely_, 3);

    // Element list
    auto* vpravo = new QVBoxLayout;
    vpravo->addWidget(new QLabel(QStringLiteral("Elementy sítě"), stred));
    SeznamElemListBox = new QListView(stred);
    SeznamElemListBox->setObjectName(QStringLiteral("Elementy"));
    SeznamElemListBox->setModel(Seznam);
    SeznamElemListBox->setUniformItemSizes(true);
    SeznamElemListBox->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SeznamElemListBox->setSelectionMode(QAbstractItemView::SingleSelection);
    SeznamElemListBox->setMinimumWidth(170);
    // Selection by mouse or keyboard shows that element.
    connect(SeznamElemListBox->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &THlavniForm::SeznamElemListBoxClick);
    connect(SeznamElemListBox->selectionModel(), &QItemSelectionModel::currentChanged, dokument_,
            [this](const QModelIndex& i) {
                dokument_->NastavZobrazeny(i.isValid() ? i.row() + 1 : 0);
            });
    connect(SeznamElemListBox, &QListView::doubleClicked, this, &THlavniForm::ZmenElem);
    vpravo->addWidget(SeznamElemListBox, 1);
    PridatElemBtn = new QPushButton(QStringLiteral("Přidat element"), stred);
    ZmenElemBtn = new QPushButton(QStringLiteral("Změnit element"), stred);
    VypustElemBtn = new QPushButton(QStringLiteral("Vypustit element"), stred);
    connect(PridatElemBtn, &QPushButton::clicked, this, &THlavniForm::PridatElemBtnClick);
    connect(ZmenElemBtn, &QPushButton::clicked, this, &THlavniForm::ZmenElem);
    connect(VypustElemBtn, &QPushButton::clicked, this, &THlavniForm::VypustitElementClick);
    vpravo->addWidget(PridatElemBtn);
    vpravo->addWidget(ZmenElemBtn);
    vpravo->addWidget(VypustElemBtn);
    telo->addLayout(vpravo, 1);
    hlavni->addLayout(telo);

    return stred;
}

void THlavniForm::KlavesySeznamu() {
    // Active while the list has the focus, so that Akce keeps its own Enter and Delete.
    const std::pair<QAction*, QList<QKeySequence>> klavesy[] = {
        {Akce(Prikaz::Zmenit), {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}},
        {Akce(Prikaz::Vypustit), {QKeySequence(Qt::Key_Delete)}},
        {new QAction(QStringLiteral("Přidat element"), this), {QKeySequence(Qt::Key_Insert)}},
    };
    for (const auto& [a, k] : klavesy) {
        a->setShortcuts(k);
        a->setShortcutContext(Qt::WidgetShortcut);
        SeznamElemListBox->addAction(a);
    }
    connect(klavesy[2].first, &QAction::triggered, this, &THlavniForm::PridatElemBtnClick);
    // A submenu shows no key of its own: its title names it.
    pridatMenu_->setTitle(pridatMenu_->title() + QStringLiteral("\tIns"));
}

bool THlavniForm::event(QEvent* e) {
    // A hint passing over a menu does not wipe out what the last change reached.
    if (e->type() == QEvent::StatusTip && !dosahZmeny_.isEmpty()) return true;
    return QMainWindow::event(e);
}

QString THlavniForm::PopisUseku(size_t u) const {
    const drun::Rozvod& r = dokument_->Rozvod();
    const Usek& s = r.Useky()[u];
    const QString id = QString::number(s.Id);
    if (!s.Mistnost.empty())
        return QStringLiteral("místnost ") + QString::fromStdString(s.Mistnost) +
               QStringLiteral(" (úsek ") + id + QLatin1Char(')');
    const int mistnosti = r.NapajeneMistnosti(u, 0);
    if (mistnosti == 0) return QStringLiteral("úsek ") + id;
    return QStringLiteral("úsek ") + id + QStringLiteral(", napájí ") + PocetMistnosti(mistnosti);
}

QString THlavniForm::KontextPrvku(bool pridat) const {
    if (!dokument_->MaVetve()) return {};
    const int n = var_.cesta.AktualniCislo();
    return PopisUseku(pridat ? dokument_->MistoZa(n).first : dokument_->MistoPrvku(n).first);
}

bool THlavniForm::PovolJmenoMistnosti(size_t u, const QString& jmeno) {
    const int jiny = UsekMistnosti(dokument_->Rozvod().Useky(), u, jmeno.trimmed().toStdString());
    if (jiny < 0) return true;
    return hlaseni().Potvrd(QStringLiteral("Místnost „") + jmeno.trimmed() +
                            QStringLiteral("“ už napájí úsek ") +
                            QString::number(dokument_->Rozvod().Useky()[size_t(jiny)].Id) +
                            QStringLiteral(". Sečíst obě cesty do jedné místnosti?"));
}

bool THlavniForm::eventFilter(QObject* o, QEvent* e) {
    if (o == AkceEdit && e->type() == QEvent::FocusOut) {
        AkceEditExit();
        return false;
    }
    return QMainWindow::eventFilter(o, e);
}

void THlavniForm::RegistrujDialog(int typ, TElementDialog* dialog) {
    dialogy_[static_cast<size_t>(typ)] = dialog;
    connect(dialog, &TElementDialog::ElementZadan, this, [this, dialog](const TElementSite& e) {
        const int n = var_.cesta.AktualniCislo();
        if (dialog->Pridat())
            dokument_->VlozZa(n, e, QStringLiteral("Přidat element ") + QString::number(n + 1),
                              e.Typ() != TypMistnost && DoPokracovani(n));
        else
            dokument_->ZmenPrvek(n, e, QStringLiteral("Změnit element ") + QString::number(n));
    });
    dialog->Kontext = [this, dialog] { return KontextPrvku(dialog->Pridat()); };
    if (auto* m = qobject_cast<TMistnostForm*>(dialog)) {
        m->NovaBezJmena = [this] { return dokument_->MaVetve(); };
        m->PovolJmeno = [this](const QString& jmeno) {
            return !dokument_->MaVetve() || PovolJmenoMistnosti(dokument_->Usek(), jmeno);
        };
    }
    if (QAction* a = PridatAkce(typ)) a->setEnabled(true);
    VyberTyp->PovolTyp(typ, true);
    AktualizujMistnost();
}

TElementDialog* THlavniForm::Dialog(int typ) const {
    return typ >= 0 && typ <= PocetTypu ? dialogy_[static_cast<size_t>(typ)] : nullptr;
}

void THlavniForm::PrepocitejOd(int n) {
    dokument_->PrepocitejOd(n);
}

void THlavniForm::UkazPrepocet() {
    Seznam->Obnov();
    UkazVSeznamu(var_.cesta.AktualniCislo());
    ZobrazVysledek();
    AktualizujMistnost();
}

void THlavniForm::ZobrazElement(const TElementSite& e) {
    panely_->ZobrazElement(e, var_.cesta.Predchozi(e));
}

void THlavniForm::ZobrazVysledek() {
    ZobrazElement(var_.cesta.Aktualni());
    panely_->ZobrazVysledek(var_.Vysledek, var_.Rozdil, MaPozadavek(var_.Pozadavek));
}

void THlavniForm::ZobrazPozadavek() {
    panely_->ZobrazPozadavek(var_.Pozadavek);
}

void THlavniForm::ZobrazZdroj() {
    panely_->ZobrazZdroj(var_.cesta.Prvni());
}

void THlavniForm::NaplnForm() {
    AkceEdit->setText(QString::fromStdString(var_.Akce));
    ZobrazZdroj();
    PrepocitejOd(1);
}

void THlavniForm::NovyVypocet() {
    const bool ulozeno = Ulozeno();
    if (!PustitPrace(QStringLiteral("Výpočet není uložen. Skutečně nový výpočet?"))) return;
    // Work left unsaved keeps the new calculation unsaved, as it always did;
    // work saved on the way is saved.
    dokument_->Novy(ulozeno || Ulozeno());
}

void THlavniForm::SestavitZeSouboruClick() {
    if (!PustitPrace(QStringLiteral("Výpočet není uložen. Skutečně nový výpočet?"))) return;
    const QStringList s = QFileDialog::getOpenFileNames(
        this, QStringLiteral("Sestavit rozvod ze souborů"), SlozkaVypoctu(),
        QStringLiteral("Datové soubory DRUN (*.DRN);;Všechny soubory (*.*)"));
    if (s.isEmpty()) return;
    ZapamatujSlozku(s.constFirst());
    if (const QString chyba = SestavDokumentZeSouboru(*dokument_, s); !chyba.isEmpty())
        hlaseni().Chyba(chyba);
}

void THlavniForm::SestavitZProjektuClick() {
    if (!PustitPrace(QStringLiteral("Výpočet není uložen. Skutečně nový výpočet?"))) return;
    const QString s = QFileDialog::getOpenFileName(
        this, QStringLiteral("Sestavit rozvod z projektu"), SlozkaVypoctu(),
        QStringLiteral("Projekty DRUN (*.DRP);;Všechny soubory (*.*)"));
    if (s.isEmpty()) return;
    ZapamatujSlozku(s);
    if (const QString chyba = SestavDokumentZProjektu(*dokument_, s); !chyba.isEmpty())
        hlaseni().Chyba(chyba);
}

void THlavniForm::ImportIfcClick() {
    if (!PustitPrace(QStringLiteral("Výpočet není uložen. Skutečně nový výpočet?"))) return;
    const QString s = QFileDialog::getOpenFileName(
        this, QStringLiteral("Importovat z IFC"), SlozkaVypoctu(),
        QStringLiteral("Modely budov IFC (*.ifc *.IFC);;Všechny soubory (*.*)"));
    if (s.isEmpty()) return;
    ZapamatujSlozku(s);
    drun::GrafSite model;
    if (const drun::VysledekSouboru v = drun::NactiIfc(s.toStdString(), model); !v.Ok()) {
        hlaseni().Chyba(QString::fromStdString(v.Zprava));
        return;
    }
    TImportIfcForm d(*dokument_, std::move(model), s, this);
    d.FormShow();
    d.exec();
}

void THlavniForm::PrutokyClick() {
    TPrutokyForm d(*dokument_, this);
    d.FormShow();
    d.exec();
}

void THlavniForm::ZmenElem() {
    const int ulozenyAktualni = var_.cesta.AktualniCislo();
    const int typ = var_.cesta.Aktualni().Typ();
    if (typ == TypZdroj) {
        ZadejZdrojDrunu();
    } else if (TElementDialog* d = Dialog(typ)) {
        d->NastavPridat(false);
        d->exec();
    }
    var_.cesta.NajdiElement(ulozenyAktualni);
}

void THlavniForm::VypustitElementClick() {
    const int posledni = var_.cesta.Pocet();
    int n = SeznamElemListBox->currentIndex().isValid()
                ? SeznamElemListBox->currentIndex().row() + 1
                : 0;
    if (n <= 0 || n > posledni) n = posledni;
    if (n == 1) {
        hlaseni().Chyba(QStringLiteral("Zdroj drunu nelze odstranit"));
        return;
    }
    QString otazka = QStringLiteral("Skutečně vypustit element č. ") + QString::number(n);
    if (dokument_->MaVetve() && dokument_->Sdileny(n))
        otazka += QStringLiteral(" ze sdíleného úseku (napájí ") +
                  PocetMistnosti(dokument_->NapajiMistnosti(n)) + QLatin1Char(')');
    if (!hlaseni().Potvrd(otazka + QStringLiteral("?"))) return;
    dokument_->VypustPrvek(n, QStringLiteral("Vypustit element ") + QString::number(n));
}

void THlavniForm::PridatElemBtnClick() {
    const QString k = KontextPrvku(true);
    VyberTyp->setWindowTitle(QStringLiteral("Přidat element - vyber typ") +
                             (k.isEmpty() ? QString() : QStringLiteral(" – ") + k));
    VyberTyp->show();
    VyberTyp->raise();
    VyberTyp->activateWindow();
}

void THlavniForm::PridatTyp(int typ) {
    TElementDialog* d = Dialog(typ);
    if (!d) return;
    if (typ == TypMistnost && MistnostVCeste(var_)) return;
    const int aktualni = var_.cesta.AktualniCislo(), pocet = var_.cesta.Pocet();
    PredMistnost();
    d->NastavPridat(true);
    // The picker does not wait behind the dialog: added, its work is done;
    // nothing added, it comes back for another choice.
    const bool zVyberu = VyberTyp->isVisible();
    VyberTyp->hide();
    d->exec();
    if (var_.cesta.Pocet() == pocet) {
        var_.cesta.NajdiElement(aktualni);
        if (zVyberu) VyberTyp->show();
    }
}

void THlavniForm::PredMistnost() {
    // The room ends the path: what is added at it or behind it goes before it.
    const int mistnost = var_.cesta.CisloMistnosti();
    if (mistnost > 1 && var_.cesta.AktualniCislo() >= mistnost) {
        var_.cesta.NajdiElement(mistnost - 1);
        statusBar()->showMessage(QStringLiteral("Nový element se vloží před místnost."), 5000);
    }
}

void THlavniForm::UkazVSeznamu(int n) {
    const QModelIndex i = Seznam->index(n - 1);
    SeznamElemListBox->setCurrentIndex(i);
    SeznamElemListBox->scrollTo(i);
}

void THlavniForm::VyberPrvek(int n) {
    dokument_->VyberPrvek(n);
}

void THlavniForm::SeznamElemListBoxClick() {
    const QModelIndex i = SeznamElemListBox->currentIndex();
    if (!i.isValid()) return;
    var_.cesta.NajdiElement(i.row() + 1);
    ZobrazElement(var_.cesta.Aktualni());
}

void THlavniForm::ZadejZdrojDrunu() {
    ZadZdroj->exec();
}

void THlavniForm::PozadavekNaKonciSite() {
    Pozadavek->exec();
}

void THlavniForm::AboutClick() {
    AboutBox->exec();
}

void THlavniForm::PrevodLxClick() {
    Prevod->Otevri();
}

void THlavniForm::PrevodTlakuClick() {
    AkTlak->Otevri();
}

void THlavniForm::NapovedaClick() {
    Napoveda->Otevri();
}

void THlavniForm::AkceEditExit() {
    // Akce is part of the file: a new text is a step of the history.
    dokument_->ZmenAkci(AkceEdit->text().toStdString());
}

void THlavniForm::AktualizujMistnost() {
    const bool b = Dialog(TypMistnost) != nullptr && !MistnostVCeste(var_);
    PridatAkce(TypMistnost)->setEnabled(b);
    VyberTyp->PovolTyp(TypMistnost, b);
}

void THlavniForm::OznacUlozeno() {
    dokument_->OznacUlozeno();
}

int THlavniForm::ZobrazenyPrvek() const {
    return dokument_->ZobrazenyPrvek();
}

void THlavniForm::ZaznamenejKrok(const QString& text, int aktualniPred) {
    dokument_->ZaznamenejKrok(text, aktualniPred);
}

void THlavniForm::PotvrdAkci() {
    if (AkceEdit->text().toStdString() != var_.Akce) AkceEditExit();
}

void THlavniForm::ZpetItemClick() {
    PotvrdAkci(); // text still being typed is a step of its own
    Historie().Zpet();
}

void THlavniForm::ZnovuItemClick() {
    PotvrdAkci();
    Historie().Znovu();
}

void THlavniForm::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (!e->spontaneous()) AkceEdit->setFocus();
}

namespace {

QString ZCore(const std::string& s) {
    return QString::fromStdString(s);
}

// Why a file cannot be written, as far as the folder and the file tell.
QString ProcNelzeZapsat(const std::string& soubor) {
    const std::string duvod = drun::DuvodNelzeZapsat(soubor);
    return duvod.empty() ? QStringLiteral("zápis selhal (plný disk?).")
                         : ZCore(duvod) + QLatin1Char('.');
}

} // namespace

void THlavniForm::OpenItemClick() {
    // Unsaved work is settled before a file is chosen.
    if (!PustitPrace(QStringLiteral("Výpočet není uložen. Pokračovat?"))) return;
    QFileDialog d(this, QStringLiteral("Otevřít"), SlozkaVypoctu(),
                  QStringLiteral("Výpočty a rozvody DRUN (*.DRN *.DRR);;Datové soubory DRUN "
                                 "(*.DRN);;Rozvody DRUN (*.DRR);;Všechny soubory (*.*)"));
    d.setAcceptMode(QFileDialog::AcceptOpen);
    d.setFileMode(QFileDialog::ExistingFile);
    d.setDefaultSuffix(QStringLiteral("DRN"));
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return;
    const QString soubor = d.selectedFiles().constFirst();
    ZapamatujSlozku(soubor);
    NactiSoubor(soubor);
}

void THlavniForm::OtevriSoubor(const QString& soubor) {
    if (!PustitPrace(QStringLiteral("Výpočet není uložen. Pokračovat?"))) return;
    NactiSoubor(soubor);
}

void THlavniForm::NactiSoubor(const QString& soubor) {
    const VysledekSouboru v = dokument_->Otevri(soubor);
    if (v.Ok()) PridejNaposledy(soubor);
    if (var_.Hlasky) OhlasVeStavu(v);
    SeznamElemListBox->setFocus();
}

bool THlavniForm::PustitPrace(const QString& otazka) {
    if (Ulozeno()) return true;
    switch (hlaseni().ZeptejUlozeni(otazka)) {
    case Hlaseni::Volba::Ulozit:
        SaveItemClick();
        return Ulozeno();
    case Hlaseni::Volba::Neukladat:
        return true;
    case Hlaseni::Volba::Storno:
        break;
    }
    return false;
}

void THlavniForm::SaveItemClick() {
    // A rozvod with branches does not fit a calculation file: Save As proposes its own.
    if (dokument_->Soubor().isEmpty() || (dokument_->MaVetve() && !dokument_->JeRozvod())) {
        SaveAsItemClick();
    } else {
        UlozDo(dokument_->Soubor());
    }
}

void THlavniForm::SaveAsItemClick() {
    const bool rozvod = dokument_->JeRozvod();
    const QString pripona = rozvod ? QStringLiteral("DRR") : QStringLiteral("DRN");
    const QString& puvodni = dokument_->Soubor();
    const QString jmeno = puvodni.isEmpty()
                              ? QString()
                              : QFileInfo(puvodni).completeBaseName() + QLatin1Char('.') + pripona;
    const QString soubor = SouborKUlozeni(this, QStringLiteral("Uložit"),
                                          rozvod ? QStringLiteral("Rozvody DRUN (*.DRR)")
                                                 : QStringLiteral("Datové soubory DRUN (*.DRN)"),
                                          pripona, jmeno);
    if (!soubor.isEmpty()) UlozDo(soubor);
}

bool THlavniForm::UlozDo(const QString& soubor) {
    // A copy: the document's own name changes as it saves.
    const VysledekSouboru v = dokument_->Uloz(QString(soubor));
    if (v.Ok()) PridejNaposledy(soubor);
    if (var_.Hlasky) OhlasVeStavu(v);
    return v.Ok();
}

void THlavniForm::OhlasVeStavu(const VysledekSouboru& v) {
    // Success is told in passing; a failure stays a message the user must see.
    if (v.Ok())
        statusBar()->showMessage(ZCore(v.Zprava), 5000);
    else
        Ohlas(v);
}

void THlavniForm::ObnovTitulek() {
    const QString& soubor = dokument_->Soubor();
    // The star of unsaved work follows the file's name.
    setWindowTitle(soubor.isEmpty() ? QStringLiteral("DRUN[*]")
                                    : NazevSHvezdickou(QFileInfo(soubor).fileName()) +
                                          QStringLiteral(" – DRUN"));
    setWindowModified(!Ulozeno());
}

void THlavniForm::OtevriNaposledy(const QString& soubor) {
    if (!QFileInfo::exists(soubor)) {
        // The reader's own message, without touching the present calculation.
        DrunVar zkouska;
        hlaseni().Chyba(ZCore(NactiData(zkouska, soubor.toStdString()).Zprava));
        OdeberNaposledy(soubor);
        return;
    }
    OtevriSoubor(soubor);
}

void THlavniForm::ObnovNaposledy() {
    NaposledyMenu->clear();
    const QStringList soubory = NaposledyOtevrene();
    for (int i = 0; i < soubory.size(); ++i) {
        const QString f = soubory[i];
        const QString cesta = QDir::toNativeSeparators(f);
        QAction* a = NaposledyMenu->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QString(cesta).replace('&', "&&")));
        a->setStatusTip(cesta);
        connect(a, &QAction::triggered, this, [this, f] { OtevriNaposledy(f); });
    }
    NaposledyMenu->addSeparator();
    QAction* vymazat = NaposledyMenu->addAction(QStringLiteral("Vymazat seznam"));
    vymazat->setEnabled(!soubory.isEmpty());
    connect(vymazat, &QAction::triggered, this, [] { VymazNaposledy(); });
}

void THlavniForm::PamatujPolohyOken() {
    PamatujPolohu(this, QStringLiteral("Hlavni"));
    PamatujPolohu(VyberTyp, QStringLiteral("VyberTyp"));
    PamatujPolohu(AkTlak, QStringLiteral("AkTlak"));
    PamatujPolohu(Prevod, QStringLiteral("Prevod"));
    PamatujPolohu(Graf, QStringLiteral("Graf"));
    PamatujPolohu(Soucet, QStringLiteral("Soucet"));
    PamatujPolohu(Navrh, QStringLiteral("Navrh"));
    PamatujPolohu(Projekt, QStringLiteral("Projekt"));
    PamatujPolohu(Rozvod, QStringLiteral("Rozvod"));
    PamatujPolohu(Napoveda, QStringLiteral("Napoveda"));
}

bool THlavniForm::TiskProtokolu(QPrinter& tiskarna) {
    const QString datum = DatumProtokolu();
    tiskarna.setDocName(QStringLiteral("DRUN"));
    const VysledekTisku v = VykresliProtokol(tiskarna, TextProtokolu(var_, datum.toStdString()),
                                             var_.parametry.DelkaStranky);
    if (!v.Ok) {
        hlaseni().Chyba(QStringLiteral("Chyba při zápisu na tiskárnu!"));
        return false;
    }
    OznacUlozeno();
    return true;
}

void THlavniForm::TiskItemClick() {
    if (!JeTiskarna()) {
        hlaseni().Chyba(QStringLiteral("Není k dispozici žádná tiskárna. Protokol lze uložit "
                                       "příkazem „Export protokolu do PDF...“ v nabídce Soubor."));
        return;
    }
    QPrinter tiskarna(QPrinter::HighResolution);
    QPrintDialog d(&tiskarna, this);
    if (d.exec() == QDialog::Accepted) TiskProtokolu(tiskarna);
}

void THlavniForm::ParametryClick() {
    ParametryForm->exec();
}

void THlavniForm::GrafClick() {
    Graf->Zobraz();
}

void THlavniForm::SoucetClick() {
    Soucet->Zobraz();
}

void THlavniForm::ProjektClick() {
    Projekt->Zobraz();
}

void THlavniForm::RozvodClick() {
    Rozvod->Zobraz();
}

void THlavniForm::NavrhClick() {
    Navrh->Zobraz();
}

void THlavniForm::UkazStrom() {
    if (!Strom->isHidden()) return;
    // Beside the list where the screen is wide enough for both, else below them.
    const QScreen* obrazovka = screen();
    const QRect volno = obrazovka ? obrazovka->availableGeometry() : QRect();
    const int navic = Strom->sizeHint().width();
    const bool vedle = volno.isEmpty() || frameGeometry().width() + navic <= volno.width();
    const Qt::DockWidgetArea misto = vedle ? Qt::RightDockWidgetArea : Qt::BottomDockWidgetArea;
    if (dockWidgetArea(Strom) != misto) addDockWidget(misto, Strom);
    Strom->show();
    // A window not yet shown is fitted to the screen as it opens.
    if (volno.isEmpty() || isMaximized() || !isVisible()) return;
    // The window grows by the tree and stays on the screen, title bar and all.
    if (vedle)
        resize(width() + navic, height());
    else
        resize(width(), height() + std::min(Strom->sizeHint().height(), 180));
    VejdiSeNaObrazovku(this, true);
}

bool THlavniForm::KopieVetve(int n) {
    // A branch already leaving there may be copied: equal offices typed once.
    if (n < 1 || n > var_.cesta.Pocet()) return false;
    const drun::Rozvod& r = dokument_->Rozvod();
    const auto [u, k] = dokument_->MistoPrvku(n);
    if (!ChybaVetve(r.Useky(), u, k).empty()) return false;
    size_t vzor = 0;
    for (size_t s : dokument_->VetveZa(n))
        if (vzor == 0 && !r.Useky()[s].Prvky.empty()) vzor = s;
    if (vzor == 0) return false;
    const Usek& v = r.Useky()[vzor];
    const QString nazev =
        QStringLiteral("úsek ") + QString::number(v.Id) +
        (v.Mistnost.empty()
             ? QString()
             : QStringLiteral(" (") + QString::fromStdString(v.Mistnost) + QLatin1Char(')'));
    if (hlaseni().Potvrd(QStringLiteral("Za elementem %1 už odbočuje %2. Začít novou větev "
                                        "prázdnou? (Ne: zkopírovat do ní jeho elementy "
                                        "s novou místností.)")
                             .arg(n)
                             .arg(nazev)))
        return false;
    std::optional<QString> jmeno;
    if (!v.Mistnost.empty()) {
        jmeno =
            hlaseni().ZadejText(QStringLiteral("Jméno místnosti nové větve:"),
                                QString::fromStdString(v.Mistnost) + QStringLiteral(" (kopie)"));
        if (!jmeno || !PovolJmenoMistnosti(r.Useky().size(), *jmeno)) return true;
    }
    if (const QString c = dokument_->KopirujUsek(vzor, jmeno.value_or(QString())); !c.isEmpty())
        hlaseni().Chyba(c);
    return true;
}

void THlavniForm::NovaVetevClick() {
    const QModelIndex i = SeznamElemListBox->currentIndex();
    const int n = i.isValid() ? i.row() + 1 : var_.cesta.Pocet();
    if (KopieVetve(n)) return;
    if (const QString c = dokument_->NovaVetev(n); !c.isEmpty()) {
        hlaseni().Chyba(c);
        return;
    }
    Strom->show();
    statusBar()->showMessage(
        QStringLiteral("Nový úsek ") +
            QString::number(dokument_->Rozvod().Useky()[dokument_->Usek()].Id) +
            QStringLiteral(" začíná za elementem ") + QString::number(n) +
            QStringLiteral(". Přidejte jeho elementy."),
        8000);
    SeznamElemListBox->setFocus();
}

bool THlavniForm::DoPokracovani(int n) {
    // Behind a branch point the user says where: before every branch, or only
    // into what goes on in the path shown.
    if (dokument_->VetveZa(n).empty() ||
        (n == var_.cesta.Pocet() && dokument_->MistoZa(n).second == 0))
        return false;
    const auto [u, k] = dokument_->MistoPrvku(n);
    return !hlaseni().Potvrd(
        QStringLiteral("Za elementem %1 odbočují větve. Vložit nový element do úseku %2 před "
                       "odbočky, do cesty všech %3? (Ne: jen do pokračování zobrazené cesty za "
                       "odbočkami.)")
            .arg(n)
            .arg(dokument_->Rozvod().Useky()[u].Id)
            .arg(PocetMistnosti(dokument_->Rozvod().NapajeneMistnosti(u, k))));
}

void THlavniForm::PrejmenovatUsekClick() {
    const size_t u = dokument_->Usek();
    const Usek& s = dokument_->Rozvod().Useky()[u];
    if (s.Mistnost.empty()) {
        hlaseni().Chyba(QStringLiteral("Úsek ") + QString::number(s.Id) +
                        QStringLiteral(" nekončí místností: jméno má jen místnost. Přidejte na "
                                       "jeho konec element Místnost."));
        return;
    }
    const auto jmeno = hlaseni().ZadejText(QStringLiteral("Jméno místnosti úseku ") +
                                               QString::number(s.Id) + QLatin1Char(':'),
                                           QString::fromStdString(s.Mistnost));
    if (!jmeno || !PovolJmenoMistnosti(u, *jmeno)) return;
    if (const QString c = dokument_->PrejmenujUsek(u, *jmeno); !c.isEmpty()) hlaseni().Chyba(c);
}

void THlavniForm::KopirovatUsekClick() {
    if (const QString c = dokument_->KopirujUsek(dokument_->Usek()); !c.isEmpty())
        hlaseni().Chyba(c);
}

void THlavniForm::OdstranitUsekClick() {
    const size_t u = dokument_->Usek();
    if (u == 0) {
        hlaseni().Chyba(QStringLiteral("První úsek (se zdrojem) nelze odstranit."));
        return;
    }
    const drun::Rozvod& r = dokument_->Rozvod();
    const size_t vetvi = r.Vetve(u).size() - 1;
    QString otazka = QStringLiteral("Skutečně odstranit úsek ") + QString::number(r.Useky()[u].Id);
    if (vetvi > 0)
        otazka += QStringLiteral(" a ") + QString::number(vetvi) +
                  QString::fromUtf8(vetvi == 1 ? " úsek za ním" : " úseků za ním");
    if (!hlaseni().Potvrd(otazka + QLatin1Char('?'))) return;
    if (const QString c = dokument_->OdstranUsek(u); !c.isEmpty()) hlaseni().Chyba(c);
}

void THlavniForm::UlozitCestuClick() {
    const drun::Rozvod& r = dokument_->Rozvod();
    const Usek& s = r.Useky()[dokument_->Usek()];
    const QString jmeno = (s.Mistnost.empty() ? QStringLiteral("usek") + QString::number(s.Id)
                                              : QString::fromStdString(s.Mistnost)) +
                          QStringLiteral(".DRN");
    const QString soubor =
        SouborKUlozeni(this, QStringLiteral("Uložit cestu jako"),
                       QStringLiteral("Datové soubory DRUN (*.DRN)"), QStringLiteral("DRN"), jmeno);
    if (soubor.isEmpty() || PrepsalByOtevreny(soubor, {dokument_->Soubor()})) return;
    const VysledekSouboru v = dokument_->UlozCestu(soubor);
    if (v.Ok()) PridejNaposledy(soubor);
    OhlasVeStavu(v);
}

void THlavniForm::KatalogItemClick() {
    KatalogForm->exec();
}

void THlavniForm::closeEvent(QCloseEvent* e) {
    // The project window asks about its own unsaved changes.
    if (!Projekt->close()) {
        e->ignore();
        return;
    }
    // Text typed into Akce belongs to the calculation, asked about and stored.
    PotvrdAkci();
    const QString otazka = QStringLiteral("Výpočet není uložen. Skutečně skončit?");
    if (!PustitPrace(otazka)) {
        e->ignore();
        return;
    }
    // A calculation the user never touched does not replace another window's work.
    if (var_.parametry.AutoUlozeni && !dokument_->Prazdny()) {
        var_.Hlasky = false;
        std::string selhal;
        const VysledekSouboru v = dokument_->UlozZalohu(var_.SouborDat, selhal);
        var_.Hlasky = true;
        // A save that failed must not end the program unasked: the user may save elsewhere.
        if (!v.Ok()) {
            hlaseni().Chyba(QStringLiteral("Automatické uložení do souboru ") +
                            QDir::toNativeSeparators(ZCore(selhal)) +
                            QStringLiteral(" se nepodařilo: ") + ProcNelzeZapsat(selhal));
            if (!hlaseni().Potvrd(otazka)) {
                e->ignore();
                return;
            }
        }
    }
    VyberTyp->close();
    AkTlak->close();
    Prevod->close();
    Napoveda->close();
    Graf->close();
    Soucet->close();
    Navrh->close();
    e->accept();
}

void THlavniForm::KopirovatVysledkyClick() {
    // The program formats numbers with "."; a spreadsheet expects the user's own separator.
    QApplication::clipboard()->setMimeData(VysledkyProSchranku(var_, QLocale::system()));
    statusBar()->showMessage(QStringLiteral("Výsledky jsou ve schránce"), 5000);
}

void THlavniForm::ExportPdfItemClick() {
    const QString soubor = SouborKUlozeni(
        this, QStringLiteral("Export protokolu do PDF"), QStringLiteral("Dokumenty PDF (*.pdf)"),
        QStringLiteral("pdf"), JmenoExportu(QStringLiteral("pdf"), QStringLiteral("protokol.pdf")));
    if (!soubor.isEmpty()) ExportujPdf(soubor);
}

void THlavniForm::ExportCsvItemClick() {
    const QString soubor = SouborKUlozeni(
        this, QStringLiteral("Export výsledků do CSV"), QStringLiteral("Tabulky CSV (*.csv)"),
        QStringLiteral("csv"), JmenoExportu(QStringLiteral("csv"), QStringLiteral("vysledky.csv")));
    if (!soubor.isEmpty()) ExportujCsv(soubor);
}

QString THlavniForm::JmenoExportu(const QString& pripona, const QString& vychozi) const {
    // The calculation's own name beside it: "scenario1.DRN" exports as "scenario1.pdf".
    const QString& soubor = dokument_->Soubor();
    if (soubor.isEmpty()) return vychozi;
    const QFileInfo f(soubor);
    return QDir(f.absolutePath()).filePath(f.completeBaseName() + QLatin1Char('.') + pripona);
}

QString THlavniForm::SlozkaVypoctu() const {
    const QString& soubor = dokument_->Soubor();
    return soubor.isEmpty() ? SlozkaDialogu() : QFileInfo(soubor).absolutePath();
}

bool THlavniForm::ExportujPdf(const QString& soubor) {
    if (PrepsalByOtevreny(soubor, {dokument_->Soubor()})) return false;
    return OhlasExport(UlozProtokolPdf(var_, DatumProtokolu().toStdString(), soubor.toStdString()),
                       soubor, QStringLiteral("Protokol"),
                       QStringLiteral("Protokol je uložen v souboru"),
                       [this](const QString& t) { statusBar()->showMessage(t, 5000); });
}

bool THlavniForm::ExportujCsv(const QString& soubor) {
    if (PrepsalByOtevreny(soubor, {dokument_->Soubor()})) return false;
    return ZapisExport(soubor, VysledkyCsv(var_), QStringLiteral("Výsledky"),
                       QStringLiteral("Výsledky jsou uloženy v souboru"),
                       [this](const QString& t) { statusBar()->showMessage(t, 5000); });
}
