#include "ui/hlavni/DrunMain.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShowEvent>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>

#include "core/Cisla.h"
#include "core/DrunVar.h"
#include "core/DrunVyp.h"
#include "core/Konfigurace.h"
#include "io/DataSoubor.h"
#include "io/Protokol.h"
#include "tools/NR.h"
#include "ui/dialogy/ElemDialog.h"
#include "ui/dialogy/HrPotFrm.h"
#include "ui/dialogy/KTlumFrm.h"
#include "ui/dialogy/KuPotFrm.h"
#include "ui/dialogy/MistnFrm.h"
#include "ui/dialogy/ObElFrm.h"
#include "ui/dialogy/OblFrm.h"
#include "ui/dialogy/OdbFrm.h"
#include "ui/dialogy/PozadFrm.h"
#include "ui/dialogy/TextHodnoty.h"
#include "ui/dialogy/TextPole.h"
#include "ui/dialogy/ViceFrm.h"
#include "ui/dialogy/VybElFrm.h"
#include "ui/dialogy/VyustFrm.h"
#include "ui/dialogy/ZZdrFrm.h"
#include "ui/dialogy/param.h"
#include "ui/hlavni/About.h"
#include "ui/hlavni/Hlaseni.h"
#include "ui/hlavni/Napoveda.h"
#include "ui/hlavni/Nastaveni.h"
#include "ui/hlavni/VyberSouboru.h"
#include "ui/nastroje/AkTlakFrm.h"
#include "ui/nastroje/Graf.h"
#include "ui/nastroje/Katalog.h"
#include "ui/nastroje/KatalogFrm.h"
#include "ui/nastroje/PrevFrm.h"
#include "ui/nastroje/SoucetFrm.h"
#include "ui/tisk/Tisk.h"

using namespace drun;

int SeznamModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : var_.cesta.Pocet();
}

QVariant SeznamModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= var_.cesta.Pocet()) return {};
    return QString::fromStdString(RadekSeznamu(var_.cesta.Prvek(index.row() + 1)));
}

void SeznamModel::Obnov() {
    beginResetModel();
    endResetModel();
}

namespace {

// The three panels share one column grid, so their values stand under each
// other: captions, nine values, and room for the NR rating.
void SloupcePanelu(QGridLayout* g) {
    g->setColumnMinimumWidth(0, 130);
    for (int i = 1; i <= 9; ++i)
        g->setColumnMinimumWidth(i, 52);
    g->setColumnMinimumWidth(10, 64);
    g->setColumnStretch(11, 1);
}

QLabel* HodnotaLbl(QWidget* rodic) {
    auto* l = new QLabel(QStringLiteral("????"), rodic);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(46);
    return l;
}

QFrame* Panel(QWidget* rodic) {
    auto* f = new QFrame(rodic);
    f->setFrameShape(QFrame::StyledPanel);
    f->setFrameShadow(QFrame::Raised);
    return f;
}

void Zahlavi(QGridLayout* g, int radek) {
    for (int i = 0; i < 9; ++i) {
        auto* l = new QLabel(i < PocetPasem ? QString::fromUtf8(NazvyPasem[static_cast<size_t>(i)])
                                            : QStringLiteral("L(A)"));
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        g->addWidget(l, radek, i + 1);
    }
}

RadekHodnot Radek(QGridLayout* g, int radek, const QString& nazev, QWidget* rodic,
                  bool tucne = false) {
    g->addWidget(new QLabel(nazev, rodic), radek, 0);
    RadekHodnot r{};
    for (int i = 0; i < 9; ++i) {
        r[static_cast<size_t>(i)] = HodnotaLbl(rodic);
        if (tucne) {
            QFont f = r[static_cast<size_t>(i)]->font();
            f.setBold(true);
            r[static_cast<size_t>(i)]->setFont(f);
        }
        g->addWidget(r[static_cast<size_t>(i)], radek, i + 1);
    }
    return r;
}

} // namespace

THlavniForm::THlavniForm(DrunVar& var, QWidget* parent) : QMainWindow(parent), var_(var) {
    setWindowTitle(QStringLiteral("DRUN"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    Seznam = new SeznamModel(var_, this);
    VytvorMenu();
    setCentralWidget(VytvorPanely());
    statusBar()->setSizeGripEnabled(false);

    // Start-up of a calculation.
    ZalozVypocet(var_);
    var_.Ulozeno = true;
    // Messages are still off: a missing or faulty DRUN.CFG silently gives the defaults.
    CtiKonfiguraci(var_);
    var_.Hlasky = true;

    // The windows that live as long as the main window, created once.
    AboutBox = new TAboutBox(var_, this);
    Graf = new TGrafForm(*this);
    GrafItem = PomuckyMenu->addAction(QStringLiteral("Graf"));
    GrafItem->setStatusTip(QStringLiteral("Graf spektra na konci sítě a hladiny podél cesty"));
    connect(GrafItem, &QAction::triggered, Graf, &TGrafForm::Zobraz);
    Soucet = new TSoucetForm(*this);
    SoucetItem = PomuckyMenu->addAction(QStringLiteral("Součet cest"));
    SoucetItem->setStatusTip(QStringLiteral("Součet drunu několika cest do jedné místnosti"));
    connect(SoucetItem, &QAction::triggered, Soucet, &TSoucetForm::Zobraz);
    ParametryForm = new TParametryForm(var_, this);
    AkTlak = new TAkTlakForm(var_, this);
    Prevod = new TPrevodForm(this);
    Napoveda = new TNapovedaForm(this);
    Pozadavek = new TPozadavekForm(var_, this);
    connect(Pozadavek, &TPozadavekForm::PozadavekZmenen, this, [this] {
        ZobrazPozadavek();
        PrepocitejOd(var_.cesta.Pocet());
    });
    ZadZdroj = new TZadZdrojForm(var_, this);
    connect(ZadZdroj, &TZadZdrojForm::ZdrojZmenen, this, [this] {
        const int pred = ZobrazenyPrvek();
        ZobrazZdroj();
        PrepocitejOd(1);
        ZaznamenejKrok(QStringLiteral("Změnit zdroj drunu"), pred);
    });
    VyberTyp = new TVyberTypForm(this);
    connect(VyberTyp, &TVyberTypForm::TypVybran, this, &THlavniForm::PridatTyp);
    Katalog = std::make_unique<TKatalog>(var_.MinUroven, var_.MaxUroven);
    KatalogForm = new TKatalogForm(*Katalog, this);
    KatalogItem = nastaveniMenu_->addAction(QStringLiteral("Katalog"));
    KatalogItem->setStatusTip(QStringLiteral("Katalog zdrojů drunu a obecných elementů"));
    connect(KatalogItem, &QAction::triggered, this, &THlavniForm::KatalogItemClick);
    ZadZdroj->Katalog = Katalog.get();
    auto* obecny = new TObecElemForm(var_, this);
    obecny->Katalog = Katalog.get();
    RegistrujDialog(TypObecny, obecny);
    RegistrujDialog(TypTlumic, new TKTlumicForm(var_, this));
    RegistrujDialog(TypMistnost, new TMistnostForm(var_, this));
    RegistrujDialog(TypOblouk, new TObloukForm(var_, this));
    RegistrujDialog(TypOdbocka, new TOdbockaForm(var_, this));
    RegistrujDialog(TypHrPotrubi, new THrPotrubiForm(var_, this));
    RegistrujDialog(TypKuPotrubi, new TKuPotrubiForm(var_, this));
    RegistrujDialog(TypVyustka, new TVyustkaForm(var_, this));
    RegistrujDialog(TypVice, new TViceForm(var_, this));

    ZobrazPozadavek();
    NaplnForm();
    VytvorHistorii();
    var_.RezimPridat = false;
    adjustSize();
    setFixedSize(sizeHint());
}

THlavniForm::~THlavniForm() {
    // Its signals would reach this window after it is gone.
    delete Historie;
}

void THlavniForm::VytvorMenu() {
    auto akce = [this](QMenu* m, const QString& text, const QString& hint, auto slot,
                       const QKeySequence& klavesa = {}) {
        QAction* a = m->addAction(text);
        const int bar = hint.indexOf(QLatin1Char('|'));
        a->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
        if (!klavesa.isEmpty()) a->setShortcut(klavesa);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    QMenu* soubor = menuBar()->addMenu(QStringLiteral("&Soubor"));
    NovyItem = akce(soubor, QStringLiteral("&Nový"), QStringLiteral("Nový|Nový výpočet"),
                    &THlavniForm::NovyVypocet, QKeySequence(Qt::CTRL | Qt::Key_N));
    OpenItem =
        akce(soubor, QStringLiteral("&Otevřít..."), QStringLiteral("Otevřít|Otevře uložený soubor"),
             &THlavniForm::OpenItemClick, QKeySequence(Qt::CTRL | Qt::Key_O));
    SaveItem =
        akce(soubor, QStringLiteral("&Uložit zadání"), QStringLiteral("Uloží aktuální výpočet"),
             &THlavniForm::SaveItemClick, QKeySequence(Qt::CTRL | Qt::Key_S));
    NaposledyMenu = soubor->addMenu(QStringLiteral("Naposledy otevřené"));
    // Built as it opens, never while one of its items is still being handled.
    connect(NaposledyMenu, &QMenu::aboutToShow, this, &THlavniForm::ObnovNaposledy);
    ObnovNaposledy();
    soubor->addSeparator();
    TiskItem = akce(soubor, QStringLiteral("&Tisk..."), QStringLiteral("Tisk|Vytiskme protokol"),
                    &THlavniForm::TiskItemClick, QKeySequence(Qt::CTRL | Qt::Key_P));
    ExportPdfItem = akce(soubor, QStringLiteral("Export protokolu do PD&F..."),
                         QStringLiteral("Uloží protokol s grafy jako dokument PDF"),
                         &THlavniForm::ExportPdfItemClick);
    ExportCsvItem = akce(soubor, QStringLiteral("Export výsledků do &CSV..."),
                         QStringLiteral("Uloží tabulku výsledků pro tabulkový procesor"),
                         &THlavniForm::ExportCsvItemClick);
    soubor->addSeparator();
    ExitItem = akce(soubor, QStringLiteral("&Konec"), QStringLiteral("Konec programu"),
                    &QWidget::close, QKeySequence(Qt::ALT | Qt::Key_X));

    UpravyMenu = menuBar()->addMenu(QStringLiteral("Úpr&avy"));
    KopirovatVysledkyItem =
        akce(UpravyMenu, QStringLiteral("&Kopírovat výsledky"),
             QStringLiteral("Zkopíruje tabulku výsledků do schránky (text a tabulka HTML)"),
             &THlavniForm::KopirovatVysledkyClick, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));

    QMenu* element = menuBar()->addMenu(QStringLiteral("Element"));
    ZdrojDrunuItem =
        akce(element, QStringLiteral("Zdroj drunu"), QString(), &THlavniForm::ZadejZdrojDrunu);
    element->addSeparator();
    QMenu* pridat = element->addMenu(QStringLiteral("Přidat element"));
    pridat->menuAction()->setStatusTip(QStringLiteral("Vložit nový element"));
    const std::array<std::pair<int, const char*>, 9> polozky{{
        {TypObecny, "Obecný element"},
        {TypHrPotrubi, "Hranaté potrubí"},
        {TypKuPotrubi, "Kruhové potrubí"},
        {TypOblouk, "Oblouk, koleno"},
        {TypOdbocka, "Odbočka, rozbočka"},
        {TypVyustka, "Vyústka, žaluzie"},
        {TypTlumic, "Kulisový tlumič drunu (KL 38 5216)"},
        {TypVice, "Korekce na více zdrojů drunu"},
        {TypMistnost, "Místnost"},
    }};
    for (auto [typ, text] : polozky) {
        QAction* a = pridat->addAction(QString::fromUtf8(text));
        a->setEnabled(false);
        connect(a, &QAction::triggered, this, [this, typ = typ] { PridatTyp(typ); });
        PridatItem[static_cast<size_t>(typ)] = a;
    }
    PridatItem[TypObecny]->setStatusTip(
        QStringLiteral("Obecný element - zadání útlumu a vlastního drunu ručně"));
    PridatItem[TypVyustka]->setStatusTip(
        QStringLiteral("Spíše orientační hodnoty pro vyústku a žaluzii"));
    PridatItem[TypMistnost]->setStatusTip(QStringLiteral("Místnost (může být jen jedna)"));
    VypustitElementItem = akce(element, QStringLiteral("Vypustit element"), QString(),
                               &THlavniForm::VypustitElementClick);
    ZmenElementItem =
        akce(element, QStringLiteral("Změnit element"), QString(), &THlavniForm::ZmenElem);
    element->addSeparator();
    PoadaveknakonciItem = akce(element, QStringLiteral("Požadavek na konci sítě"), QString(),
                               &THlavniForm::PozadavekNaKonciSite);

    QMenu* nastaveni = menuBar()->addMenu(QStringLiteral("Nastavení"));
    nastaveniMenu_ = nastaveni;
    ParametryItem = nastaveni->addAction(QStringLiteral("Parametry"));
    connect(ParametryItem, &QAction::triggered, this, &THlavniForm::ParametryClick);
    PomuckyMenu = menuBar()->addMenu(QStringLiteral("Pomůcky"));
    PrevodnItem = PomuckyMenu->addAction(QStringLiteral("Převod na L(x)"));
    connect(PrevodnItem, &QAction::triggered, this, &THlavniForm::PrevodnItemClick);
    Pevodaktlaku1 = PomuckyMenu->addAction(QStringLiteral("Převod ak. tlaku"));
    connect(Pevodaktlaku1, &QAction::triggered, this, &THlavniForm::Pevodaktlaku1Click);
    QMenu* napoveda = menuBar()->addMenu(QStringLiteral("&Nápověda"));
    NapovedaItem = napoveda->addAction(QStringLiteral("Nápověda"));
    NapovedaItem->setShortcut(QKeySequence(Qt::Key_F1));
    connect(NapovedaItem, &QAction::triggered, this, &THlavniForm::NapovedaClick);
    napoveda->addSeparator();
    AboutItem =
        akce(napoveda, QStringLiteral("&O programu..."), QString(), &THlavniForm::AboutClick);

    // Tool bar.
    QToolBar* lista = addToolBar(QStringLiteral("SpeedPanel"));
    lista->setMovable(false);
    lista->setFloatable(false);
    lista->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    auto tlacitko = [&](QStyle::StandardPixmap ikona, const QString& hint, auto slot) {
        auto* b = new QToolButton(lista);
        b->setIcon(style()->standardIcon(ikona));
        b->setAutoRaise(true);
        NastavHint(b, hint);
        connect(b, &QToolButton::clicked, this, slot);
        lista->addWidget(b);
        return b;
    };
    NovyVypBtn = tlacitko(QStyle::SP_FileIcon, QStringLiteral("Nový|Nový výpočet"),
                          &THlavniForm::NovyVypocet);
    OpenBtn = tlacitko(QStyle::SP_DialogOpenButton, QStringLiteral("Otevřít|Otevře uložený soubor"),
                       &THlavniForm::OpenItemClick);
    SaveBtn = tlacitko(QStyle::SP_DialogSaveButton, QStringLiteral("Uložit|Uloží aktuální výpočet"),
                       &THlavniForm::SaveItemClick);
    PrintBtn = tlacitko(QStyle::SP_FileDialogDetailedView, QStringLiteral("Tisk|Vytiskne protokol"),
                        &THlavniForm::PrintItemClick);
    ExitBtn = tlacitko(QStyle::SP_DialogCloseButton, QStringLiteral("Konec|Ukončí program"),
                       &QWidget::close);
    PovolUlozeniTisk(true);
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
    AkceEdit->setMaxLength(static_cast<int>(MaxDelkaAkce));
    PovolJen1250(AkceEdit);
    NastavHint(AkceEdit, QStringLiteral("Libovolný text - max. 60 znaků"));
    AkceEdit->installEventFilter(this);
    connect(AkceEdit, &QLineEdit::textEdited, this, &THlavniForm::AkceEditChange);
    akcePanel->addWidget(AkceEdit, 1);
    hlavni->addLayout(akcePanel);

    auto* telo = new QHBoxLayout;
    auto* vlevo = new QVBoxLayout;
    vlevo->setSpacing(4);

    // Source panel
    ZdrojPanel = Panel(stred);
    NastavHint(ZdrojPanel, QStringLiteral("Po kliknutí zadejte zdroj drunu"));
    {
        auto* g = new QGridLayout(ZdrojPanel);
        g->setVerticalSpacing(1);
        auto* titul = new QLabel(QStringLiteral("<b>Zdroj drunu</b>"), ZdrojPanel);
        g->addWidget(titul, 0, 0);
        ZdrojPopisLbl = new QLabel(QStringLiteral("??????????????????????????"), ZdrojPanel);
        NastavHint(ZdrojPopisLbl, QStringLiteral("Po kliknutí zadejte popis"));
        g->addWidget(ZdrojPopisLbl, 0, 1, 1, 10);
        Zahlavi(g, 1);
        Zdroj = Radek(g, 2, QStringLiteral("Akustický výkon"), ZdrojPanel);
        SloupcePanelu(g);
    }
    vlevo->addWidget(ZdrojPanel);

    // Element panel
    auto* elementPanel = Panel(stred);
    {
        auto* g = new QGridLayout(elementPanel);
        g->setVerticalSpacing(1);
        g->addWidget(new QLabel(QStringLiteral("<b>Element</b>"), elementPanel), 0, 0);
        PorElemLbl = new QLabel(QStringLiteral("------"), elementPanel);
        g->addWidget(PorElemLbl, 0, 1, 1, 10);
        Zahlavi(g, 1);
        PredEl = Radek(g, 2, QStringLiteral("Před elementem"), elementPanel);
        UtlEl = Radek(g, 3, QStringLiteral("Útlum"), elementPanel);
        MezEl = Radek(g, 4, QStringLiteral("Mezisoučet"), elementPanel);
        VlEl = Radek(g, 5, QStringLiteral("Vlastní drun"), elementPanel);
        ZaEl = Radek(g, 6, QStringLiteral("Za elementem"), elementPanel);
        SloupcePanelu(g);
    }
    vlevo->addWidget(elementPanel);

    // Result panel
    VysledekPanel = Panel(stred);
    NastavHint(VysledekPanel, QStringLiteral("Po kliknutí zadejte požadavek na konci sítě"));
    {
        auto* g = new QGridLayout(VysledekPanel);
        g->setVerticalSpacing(1);
        Zahlavi(g, 0);
        Vysl = Radek(g, 1, QStringLiteral("Výsledek celé sítě"), VysledekPanel, true);
        NRLbl = new QLabel(QStringLiteral("NR ????"), VysledekPanel);
        NRLbl->setFont(Vysl[0]->font());
        NRLbl->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        NRLbl->setMinimumWidth(64);
        g->addWidget(NRLbl, 1, 10);
        Poz = Radek(g, 2, QStringLiteral("Požadavek"), VysledekPanel);
        Rozdil = Radek(g, 3, QStringLiteral("Rozdíl"), VysledekPanel);
        SloupcePanelu(g);
        for (QLabel* l : Poz)
            NastavHint(l, QStringLiteral("Po kliknutí zadejte požadavek na konci sítě"));
    }
    vlevo->addWidget(VysledekPanel);
    telo->addLayout(vlevo);

    // Element list
    auto* vpravo = new QVBoxLayout;
    vpravo->addWidget(new QLabel(QStringLiteral("Elementy sítě"), stred));
    SeznamElemListBox = new QListView(stred);
    SeznamElemListBox->setModel(Seznam);
    SeznamElemListBox->setUniformItemSizes(true);
    SeznamElemListBox->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SeznamElemListBox->setSelectionMode(QAbstractItemView::SingleSelection);
    SeznamElemListBox->setMinimumWidth(170);
    // Selection by mouse or keyboard shows that element.
    connect(SeznamElemListBox->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &THlavniForm::SeznamElemListBoxClick);
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
    telo->addLayout(vpravo);
    hlavni->addLayout(telo);

    // Clicks on the source and result panels open their dialogs; their labels
    // carry the panel's hint unless they have their own.
    for (QFrame* panel : {ZdrojPanel, VysledekPanel}) {
        panel->installEventFilter(this);
        for (QWidget* w : panel->findChildren<QWidget*>()) {
            w->installEventFilter(this);
            if (w->statusTip().isEmpty()) {
                w->setStatusTip(panel->statusTip());
                w->setToolTip(panel->toolTip());
            }
        }
    }
    return stred;
}

bool THlavniForm::eventFilter(QObject* o, QEvent* e) {
    if (o == AkceEdit && e->type() == QEvent::FocusOut) {
        AkceEditExit();
        return false;
    }
    if (e->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w && (w == ZdrojPanel || ZdrojPanel->isAncestorOf(w))) {
            ZadejZdrojDrunu();
            return true;
        }
        if (w && (w == VysledekPanel || VysledekPanel->isAncestorOf(w))) {
            PozadavekNaKonciSite();
            return true;
        }
    }
    return QMainWindow::eventFilter(o, e);
}

void THlavniForm::RegistrujDialog(int typ, TElementDialog* dialog) {
    dialogy_[static_cast<size_t>(typ)] = dialog;
    connect(dialog, &TElementDialog::ElementZadan, this, [this](int n) {
        const int pred = ZobrazenyPrvek();
        const QString krok = var_.RezimPridat ? QStringLiteral("Přidat element ")
                                              : QStringLiteral("Změnit element ");
        PrepocitejOd(n);
        ZaznamenejKrok(krok + QString::number(n), pred);
    });
    if (QAction* a = PridatItem[static_cast<size_t>(typ)]) a->setEnabled(true);
    VyberTyp->PovolTyp(typ, true);
    AktualizujMistnost();
}

TElementDialog* THlavniForm::Dialog(int typ) const {
    return typ >= 0 && typ <= PocetTypu ? dialogy_[static_cast<size_t>(typ)] : nullptr;
}

void THlavniForm::Zapis(const RadekHodnot& r, const Spectrum& s) {
    for (size_t i = 0; i < 9; ++i)
        r[i]->setText(Text(s[i]));
}

void THlavniForm::PrepocitejOd(int n) {
    drun::PrepocitejOd(var_, n);
    Seznam->Obnov();
    const QModelIndex i = Seznam->index(var_.cesta.AktualniCislo() - 1);
    SeznamElemListBox->setCurrentIndex(i);
    SeznamElemListBox->scrollTo(i);
    ZobrazVysledek();
    AktualizujMistnost();
    emit Prepocitano();
}

void THlavniForm::ZobrazElement(const TElementSite& e) {
    PorElemLbl->setText(QString::number(e.Cislo) + QStringLiteral("     ") +
                        QString::fromStdString(e.Popis));
    if (const TElementSite* p = var_.cesta.Predchozi(e)) {
        Zapis(PredEl, p->ZaElementem);
    } else {
        for (QLabel* l : PredEl)
            l->setText(QStringLiteral("---"));
    }
    Zapis(UtlEl, e.Utlum);
    Zapis(MezEl, e.Mezisoucet);
    Zapis(VlEl, e.VlastniDrun);
    Zapis(ZaEl, e.ZaElementem);
}

void THlavniForm::ZobrazVysledek() {
    ZobrazElement(var_.cesta.Aktualni());
    Zapis(Vysl, var_.Vysledek);
    const HodnoceniNR nr = SpoctiNR(var_.Vysledek);
    const QString pasmo = QString::fromUtf8(NazvyPasem[static_cast<size_t>(nr.Pasmo)]);
    NRLbl->setText(QStringLiteral("NR ") + Text(nr.N));
    NastavHint(NRLbl, QStringLiteral("Rozhoduje pásmo ") + pasmo +
                          QStringLiteral("|Hodnocení výsledku křivkami NR, rozhoduje pásmo ") +
                          pasmo);
    Zapis(Rozdil, var_.Rozdil);
    for (size_t i = 0; i < 9; ++i) {
        QPalette p = Rozdil[i]->palette();
        p.setColor(QPalette::WindowText,
                   var_.Rozdil[i] > 0 ? QColor(255, 0, 0) : palette().color(QPalette::WindowText));
        Rozdil[i]->setPalette(p);
    }
}

void THlavniForm::ZobrazPozadavek() {
    Zapis(Poz, var_.Pozadavek);
}

void THlavniForm::ZobrazZdroj() {
    const TElementSite& z = var_.cesta.Prvni();
    ZdrojPopisLbl->setText(QString::fromStdString(z.Popis));
    Zapis(Zdroj, z.VlastniDrun);
}

void THlavniForm::NaplnForm() {
    AkceEdit->setText(QString::fromStdString(var_.Akce));
    ZobrazZdroj();
    PrepocitejOd(1);
}

void THlavniForm::NovyVypocet() {
    if (!var_.Ulozeno &&
        !hlaseni().Potvrd(QStringLiteral("Výpočet není uložen. Skutečně nový výpočet?")))
        return;
    ZalozVypocet(var_);
    NaplnForm();
    PovolUlozeniTisk(true);
    NovaHistorie();
}

void THlavniForm::ZmenElem() {
    var_.RezimPridat = false;
    const int ulozenyAktualni = var_.cesta.AktualniCislo();
    const int typ = var_.cesta.Aktualni().Typ;
    if (typ == TypZdroj) {
        ZadejZdrojDrunu();
    } else if (TElementDialog* d = Dialog(typ)) {
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
    if (!hlaseni().Potvrd(QStringLiteral("Skutečně vypustit element č. ") + QString::number(n) +
                          QStringLiteral("?")))
        return;
    var_.cesta.VypustElement(n);
    var_.Ulozeno = false;
    PrepocitejOd(n - 1);
    ZaznamenejKrok(QStringLiteral("Vypustit element ") + QString::number(n), n);
}

void THlavniForm::PridatElemBtnClick() {
    var_.RezimPridat = true;
    VyberTyp->show();
    VyberTyp->raise();
    VyberTyp->activateWindow();
}

void THlavniForm::PridatTyp(int typ) {
    TElementDialog* d = Dialog(typ);
    if (!d) return;
    if (typ == TypMistnost && MistnostVCeste(var_)) return;
    var_.RezimPridat = true;
    d->exec();
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

void THlavniForm::PrevodnItemClick() {
    Prevod->Otevri();
}

void THlavniForm::Pevodaktlaku1Click() {
    AkTlak->Otevri();
}

void THlavniForm::NapovedaClick() {
    Napoveda->Otevri();
}

void THlavniForm::AkceEditChange() {
    SaveBtn->setEnabled(false);
    SaveItem->setEnabled(false);
    PrintBtn->setEnabled(false);
    TiskItem->setEnabled(false);
    ExportPdfItem->setEnabled(false);
    ExportCsvItem->setEnabled(false);
}

void THlavniForm::AkceEditExit() {
    // Akce is part of the file: a new text is an unsaved change.
    const std::string akce = PrvnichZnaku(AkceEdit->text().toStdString(), MaxDelkaAkce);
    const bool zmena = akce != var_.Akce;
    if (zmena) var_.Ulozeno = false;
    var_.Akce = akce;
    PovolUlozeniTisk(true);
    if (zmena) ZaznamenejKrok(QStringLiteral("Změnit akci"), ZobrazenyPrvek());
}

void THlavniForm::PovolUlozeniTisk(bool povolit) {
    SaveBtn->setEnabled(povolit);
    SaveItem->setEnabled(povolit);
    PrintBtn->setEnabled(povolit);
    TiskItem->setEnabled(povolit);
    ExportPdfItem->setEnabled(povolit);
    ExportCsvItem->setEnabled(povolit);
}

void THlavniForm::AktualizujMistnost() {
    const bool b = Dialog(TypMistnost) != nullptr && !MistnostVCeste(var_);
    PridatItem[TypMistnost]->setEnabled(b);
    VyberTyp->PovolTyp(TypMistnost, b);
}

void THlavniForm::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (!e->spontaneous()) AkceEdit->setFocus();
}

namespace {

QString ZCore(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

void THlavniForm::OpenItemClick() {
    QFileDialog d(this, QStringLiteral("Otevřít"), SlozkaDialogu(),
                  QStringLiteral("Datové soubory DRUN (*.DRN);;Všechny soubory (*.*)"));
    d.setAcceptMode(QFileDialog::AcceptOpen);
    d.setFileMode(QFileDialog::ExistingFile);
    d.setDefaultSuffix(QStringLiteral("DRN"));
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return;
    const QString soubor = d.selectedFiles().constFirst();
    ZapamatujSlozku(soubor);
    OtevriSoubor(soubor);
}

void THlavniForm::OtevriSoubor(const QString& soubor) {
    if (!var_.Ulozeno && !hlaseni().Potvrd(QStringLiteral("Výpočet není uložen. Pokračovat?"))) {
        PovolUlozeniTisk(true);
        return;
    }
    const VysledekSouboru v = NactiData(var_, soubor.toStdString());
    if (v.Ok()) PridejNaposledy(soubor);
    if (var_.Hlasky) Ohlas(v);
    // What is shown now is what the file holds (or a new calculation).
    var_.Ulozeno = true;
    NaplnForm();
    const int posledni = var_.cesta.Pocet();
    var_.cesta.NajdiElement(posledni);
    ZobrazElement(var_.cesta.Aktualni());
    SeznamElemListBox->setCurrentIndex(Seznam->index(posledni - 1));
    SeznamElemListBox->setFocus();
    AktualizujMistnost();
    PovolUlozeniTisk(true);
    NovaHistorie();
}

void THlavniForm::SaveItemClick() {
    const QString soubor =
        SouborKUlozeni(this, QStringLiteral("Uložit"),
                       QStringLiteral("Datové soubory DRUN (*.DRN)"), QStringLiteral("DRN"));
    if (soubor.isEmpty()) return;
    const VysledekSouboru v = UlozData(var_, soubor.toStdString());
    if (v.Ok()) {
        PridejNaposledy(soubor);
        OznacUlozeno();
    }
    if (var_.Hlasky) Ohlas(v);
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
    PamatujPolohu(Napoveda, QStringLiteral("Napoveda"));
}

bool THlavniForm::TiskProtokolu(QPrinter& tiskarna) {
    const QString datum = DatumProtokolu();
    tiskarna.setDocName(QStringLiteral("DRUN"));
    const VysledekTisku v = VykresliProtokol(tiskarna, TextProtokolu(var_, datum.toStdString()));
    if (!v.Ok) {
        hlaseni().Chyba(QStringLiteral("Chyba při zápisu na tiskárnu!"));
        return false;
    }
    OznacUlozeno();
    return true;
}

void THlavniForm::PrintItemClick() {
    QPrinter tiskarna(QPrinter::HighResolution);
    TiskProtokolu(tiskarna);
}

void THlavniForm::TiskItemClick() {
    QPrinter tiskarna(QPrinter::HighResolution);
    QPrintDialog d(&tiskarna, this);
    if (d.exec() == QDialog::Accepted) TiskProtokolu(tiskarna);
}

void THlavniForm::ParametryClick() {
    ParametryForm->exec();
}

void THlavniForm::KatalogItemClick() {
    KatalogForm->exec();
}

void THlavniForm::closeEvent(QCloseEvent* e) {
    // Text typed into Akce belongs to the calculation, asked about and stored.
    AkceEditExit();
    const QString otazka = QStringLiteral("Výpočet není uložen. Skutečně skončit?");
    if (!var_.Ulozeno && !hlaseni().Potvrd(otazka)) {
        e->ignore();
        return;
    }
    if (var_.parametry.AutoUlozeni) {
        var_.Hlasky = false;
        const VysledekSouboru v = UlozData(var_, var_.SouborDat);
        var_.Hlasky = true;
        // A save that failed must not end the program unasked: the user may save elsewhere.
        if (!v.Ok()) {
            Ohlas(v);
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
    e->accept();
}
