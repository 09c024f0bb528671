#include "ui/nastroje/KatalogFrm.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/Cisla.h"
#include "core/Soubory.h"
#include "ui/dialogy/ElemDialog.h"
#include "ui/dialogy/MujEdit.h"
#include "ui/dialogy/TextPole.h"
#include "ui/nastroje/Katalog.h"
#include "ui/spolecne/Hlaseni.h"
#include "ui/spolecne/Nastaveni.h"

using namespace drun;

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

void BezVychozihoTlacitka(std::initializer_list<QPushButton*> tlacitka) {
    for (QPushButton* b : tlacitka)
        b->setAutoDefault(false);
}

// Messages of an import: how many entries came in, then the skipped lines.
QString ZpravaImportu(int pridano, const std::vector<ChybnyRadek>& chyby) {
    QString t = QStringLiteral("Do katalogu přidáno položek: %1.").arg(pridano);
    if (chyby.empty()) return t;
    t += QStringLiteral("\nVynechané řádky (%1):").arg(chyby.size());
    constexpr size_t Nejvic = 20; // a message box must still fit the screen
    for (size_t i = 0; i < chyby.size() && i < Nejvic; ++i)
        t += QLatin1Char('\n') + Q(chyby[i].Text);
    if (chyby.size() > Nejvic) t += QStringLiteral("\n…");
    return t;
}

} // namespace

TKatalogForm::TKatalogForm(TKatalog& katalog, QWidget* parent)
    : QDialog(parent), katalog_(katalog) {
    setWindowTitle(QStringLiteral("Katalog"));
    setModal(true);
    auto* v = new QVBoxLayout(this);
    DruhyTab = new QTabWidget(this);
    Seznamy[KatalogZdroj] = new TKatalogSeznam(katalog, KatalogZdroj, DruhyTab);
    Seznamy[KatalogElement] = new TKatalogSeznam(katalog, KatalogElement, DruhyTab);
    DruhyTab->addTab(Seznamy[KatalogZdroj], QStringLiteral("Zdroje drunu"));
    DruhyTab->addTab(Seznamy[KatalogElement], QStringLiteral("Obecné elementy"));
    auto* telo = new QHBoxLayout;
    telo->addWidget(DruhyTab, 1);
    auto* tlacitka = new QVBoxLayout;
    PrejmenovatBtn = new QPushButton(QStringLiteral("Přejmenovat..."), this);
    VypustitBtn = new QPushButton(QStringLiteral("Vypustit"), this);
    ImportBtn = new QPushButton(QStringLiteral("Import CSV..."), this);
    ExportBtn = new QPushButton(QStringLiteral("Export CSV..."), this);
    ZavritBtn = new QPushButton(QStringLiteral("Zavřít"), this);
    BezVychozihoTlacitka({PrejmenovatBtn, VypustitBtn, ImportBtn, ExportBtn});
    NastavHint(ImportBtn,
               QStringLiteral("Přidá do katalogu položky ze souboru CSV (Druh;Název;…)"));
    NastavHint(ExportBtn,
               QStringLiteral("Uloží celý katalog do souboru CSV pro tabulkový program"));
    for (QPushButton* b : {PrejmenovatBtn, VypustitBtn})
        tlacitka->addWidget(b);
    tlacitka->addSpacing(12);
    for (QPushButton* b : {ImportBtn, ExportBtn})
        tlacitka->addWidget(b);
    tlacitka->addStretch();
    tlacitka->addWidget(ZavritBtn);
    telo->addLayout(tlacitka);
    v->addLayout(telo);
    connect(PrejmenovatBtn, &QPushButton::clicked, this, &TKatalogForm::PrejmenovatBtnClick);
    connect(VypustitBtn, &QPushButton::clicked, this, &TKatalogForm::VypustitBtnClick);
    connect(ImportBtn, &QPushButton::clicked, this, &TKatalogForm::ImportBtnClick);
    connect(ExportBtn, &QPushButton::clicked, this, &TKatalogForm::ExportBtnClick);
    connect(ZavritBtn, &QPushButton::clicked, this, &QDialog::accept);
}

TKatalogSeznam* TKatalogForm::Aktivni() const {
    return static_cast<TKatalogSeznam*>(DruhyTab->currentWidget());
}

void TKatalogForm::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!e->spontaneous()) FormShow();
}

void TKatalogForm::FormShow() {
    katalog_.Obnov();
    for (TKatalogSeznam* s : Seznamy)
        s->Obnov(s->Vybrany());
    Aktivni()->FiltrEdit->setFocus();
}

void TKatalogForm::PrejmenovatBtnClick() {
    TKatalogSeznam* s = Aktivni();
    const QString stary = s->Vybrany();
    if (stary.isEmpty()) return;
    const auto novy = ZeptejSeNaNazev(this, QStringLiteral("Přejmenovat"), stary);
    if (!novy) return;
    if (katalog_.Prejmenuj(s->Druh(), stary.toStdString(), novy->toStdString()))
        s->Obnov(Q(UpravNazev(novy->toStdString())));
}

void TKatalogForm::VypustitBtnClick() {
    TKatalogSeznam* s = Aktivni();
    const QString nazev = s->Vybrany();
    if (nazev.isEmpty()) return;
    if (!hlaseni().Potvrd(
            QStringLiteral("Skutečně vypustit z katalogu položku %1?").arg(Uvozovky(nazev))))
        return;
    const int radek = s->SeznamListBox->currentRow();
    if (!katalog_.Vypust(s->Druh(), nazev.toStdString())) return;
    s->Obnov();
    s->SeznamListBox->setCurrentRow(std::min(radek, s->SeznamListBox->count() - 1));
}

void TKatalogForm::Importuj(const QString& soubor) {
    std::string obsah;
    if (CtiSoubor(QFile::encodeName(soubor).toStdString(), obsah) != KodVysledku::Ok) {
        hlaseni().Chyba(QStringLiteral("Soubor %1 nelze přečíst.").arg(soubor));
        return;
    }
    const CsvKatalogu csv = KatalogZCsv(obsah, katalog_.Min(), katalog_.Max());
    if (!csv.Ok) {
        hlaseni().Chyba(Q(csv.Zprava));
        return;
    }
    std::vector<ChybnyRadek> chyby = csv.Chyby;
    int pridano = 0;
    if (!katalog_.Pridej(csv.Polozky, chyby, pridano)) return;
    for (TKatalogSeznam* s : Seznamy)
        s->Obnov(s->Vybrany());
    const QString t = ZpravaImportu(pridano, chyby);
    if (chyby.empty())
        hlaseni().Informace(t);
    else
        hlaseni().Chyba(t);
}

bool TKatalogForm::Exportuj(const QString& soubor) {
    SeznamKatalogu k;
    for (int d = 0; d < PocetDruhuKatalogu; ++d)
        k[static_cast<size_t>(d)] = katalog_.Polozky(d);
    if (!ZapisAtomicky(QFile::encodeName(soubor).toStdString(), KatalogDoCsv(k))) {
        hlaseni().Chyba(QStringLiteral("Soubor %1 nelze zapsat.").arg(soubor));
        return false;
    }
    return true;
}

void TKatalogForm::ImportBtnClick() {
    const QString soubor = QFileDialog::getOpenFileName(
        this, QStringLiteral("Import do katalogu"), SlozkaDialogu(),
        QStringLiteral("Soubory CSV (*.csv *.CSV);;Všechny soubory (*.*)"));
    if (soubor.isEmpty()) return;
    ZapamatujSlozku(soubor);
    Importuj(soubor);
}

void TKatalogForm::ExportBtnClick() {
    QString soubor = QFileDialog::getSaveFileName(this, QStringLiteral("Export katalogu"),
                                                  SlozkaDialogu() + QStringLiteral("/katalog.csv"),
                                                  QStringLiteral("Soubory CSV (*.csv *.CSV)"));
    if (soubor.isEmpty()) return;
    if (!soubor.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        soubor += QStringLiteral(".csv");
    ZapamatujSlozku(soubor);
    if (Exportuj(soubor))
        hlaseni().Informace(QStringLiteral("Katalog uložen do souboru %1.").arg(soubor));
}
