#include "ui/nastroje/RozvodFrm.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/DrunVar.h"
#include "core/Soubory.h"
#include "io/Protokol.h"
#include "ui/dialogy/TextHodnoty.h"
#include "ui/hlavni/Dokument.h"
#include "ui/nastroje/ProjektFrm.h"
#include "ui/spolecne/Hlaseni.h"
#include "ui/spolecne/Nastaveni.h"
#include "ui/spolecne/Tlacitko.h"
#include "ui/spolecne/VyberSouboru.h"
#include "ui/tisk/Export.h"
#include "ui/tisk/GrafPrvky.h"
#include "ui/tisk/Tisk.h"

using namespace drun;

TRozvodForm::TRozvodForm(TDokument& dokument, QWidget* rodic)
    : QWidget(rodic, Qt::Window), dokument_(dokument) {
    MistnostiListBox = TabulkaMistnosti(this);
    NastavHint(MistnostiListBox,
               QStringLiteral("Místnosti rozvodu|Místnosti rozvodu se součtem jejich úseků "
                              "a požadavkem"));
    connect(MistnostiListBox, &QTableWidget::itemSelectionChanged, this, &TRozvodForm::ZobrazUseky);

    UsekyListBox = new QListWidget(this);
    UsekyListBox->setMaximumHeight(130);
    NastavHint(UsekyListBox, QStringLiteral("Úseky vybrané místnosti|Úseky, které končí ve "
                                            "vybrané místnosti, s hladinou na konci cesty"));

    OtevritBtn =
        Tlacitko(this, QStringLiteral("Otevřít rozvod..."),
                 QStringLiteral("Otevře uložený rozvod (*.DRR)"), &TRozvodForm::OtevritBtnClick);
    ObnovitBtn = Tlacitko(this, QStringLiteral("Obnovit"),
                          QStringLiteral("Znovu přečte soubor rozvodu, změněný mezitím jinde"),
                          &TRozvodForm::Obnov);
    PdfBtn = Tlacitko(this, QStringLiteral("Export do PDF..."),
                      QStringLiteral("Uloží přehled místností rozvodu jako dokument PDF"),
                      &TRozvodForm::PdfBtnClick);
    CsvBtn = Tlacitko(this, QStringLiteral("Export do CSV..."),
                      QStringLiteral("Uloží tabulku místností pro tabulkový procesor"),
                      &TRozvodForm::CsvBtnClick);

    auto* tlacitka = new QVBoxLayout;
    tlacitka->addWidget(OtevritBtn);
    tlacitka->addWidget(ObnovitBtn);
    tlacitka->addSpacing(12);
    tlacitka->addWidget(PdfBtn);
    tlacitka->addWidget(CsvBtn);
    tlacitka->addStretch(1);
    auto* levy = new QVBoxLayout;
    levy->addWidget(MistnostiListBox, 1);
    levy->addWidget(new QLabel(QStringLiteral("Úseky vybrané místnosti:"), this));
    levy->addWidget(UsekyListBox);
    auto* vse = new QHBoxLayout(this);
    vse->setContentsMargins(6, 6, 6, 6);
    vse->addLayout(levy, 1);
    vse->addLayout(tlacitka);
    resize(1100, 560);
    setWindowTitle(QStringLiteral("Přehled rozvodu"));
    PovolTlacitka();
}

int TRozvodForm::MistnostRadku(int radek) const {
    return ::MistnostRadku(MistnostiListBox, radek);
}

int TRozvodForm::RadekMistnosti(int mistnost) const {
    return ::RadekMistnosti(MistnostiListBox, mistnost);
}

int TRozvodForm::VybranaMistnost() const {
    return ::VybranaMistnost(MistnostiListBox);
}

void TRozvodForm::VyberMistnost(int mistnost) {
    const int r = RadekMistnosti(mistnost);
    if (r >= 0)
        MistnostiListBox->selectRow(r);
    else
        MistnostiListBox->clearSelection();
}

void TRozvodForm::Zobraz() {
    show();
    raise();
    activateWindow();
}

bool TRozvodForm::Nacti(const QString& soubor) {
    drun::Rozvod r;
    const VysledekSouboru v = NactiRozvod(soubor.toStdString(), dokument_.Var().SouborTlumice, r);
    if (!v.Ok()) {
        hlaseni().Chyba(QString::fromStdString(v.Zprava));
        return false;
    }
    // The selected room stays selected by its name: the file may have changed its order.
    const int m = VybranaMistnost();
    const std::string vybrana = m >= 0 ? rozvod_.Mistnosti()[static_cast<size_t>(m)].Nazev : "";
    rozvod_ = std::move(r);
    prehled_ = SpoctiPrehledRozvodu(rozvod_);
    soubor_ = QFileInfo(soubor).absoluteFilePath();
    setWindowTitle(QStringLiteral("Přehled rozvodu – ") + QFileInfo(soubor_).fileName());
    ZobrazMistnosti(vybrana);
    return true;
}

bool TRozvodForm::OtevriRozvod(const QString& soubor) {
    if (!Nacti(soubor)) return false;
    VyberMistnost(-1);
    return true;
}

void TRozvodForm::OtevritBtnClick() {
    const QString s =
        QFileDialog::getOpenFileName(this, QStringLiteral("Otevřít rozvod"), SlozkaDialogu(),
                                     QStringLiteral("Rozvody DRUN (*.DRR);;Všechny soubory (*.*)"));
    if (s.isEmpty()) return;
    ZapamatujSlozku(s);
    OtevriRozvod(s);
}

bool TRozvodForm::Obnov() {
    return !soubor_.isEmpty() && Nacti(soubor_);
}

void TRozvodForm::ZobrazMistnosti(const std::string& vybrana) {
    const auto& mistnosti = rozvod_.Mistnosti();
    const auto i = std::find_if(mistnosti.begin(), mistnosti.end(),
                                [&](const MistnostRozvodu& m) { return m.Nazev == vybrana; });
    {
        const QSignalBlocker blok(MistnostiListBox);
        ZobrazPrehled(MistnostiListBox, prehled_.Mistnosti, prehled_.Prehled);
        VyberMistnost(
            vybrana.empty() || i == mistnosti.end() ? -1 : static_cast<int>(i - mistnosti.begin()));
    }
    ZobrazUseky();
    PovolTlacitka();
}

void TRozvodForm::ZobrazUseky() {
    UsekyListBox->clear();
    const int m = VybranaMistnost();
    if (m < 0 || m >= static_cast<int>(rozvod_.Mistnosti().size())) return;
    for (size_t u : rozvod_.Mistnosti()[static_cast<size_t>(m)].Useky) {
        auto* i = new QListWidgetItem(QString::fromStdString(NazevUseku(rozvod_.Useky()[u].Id)),
                                      UsekyListBox);
        if (rozvod_.ChybaCesty(u)) {
            i->setIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning));
            i->setForeground(BarvaPrekroceni);
            i->setText(i->text() + QStringLiteral(" – nelze spočítat"));
        } else {
            i->setText(i->text() + QStringLiteral(" – L(A) ") + Text(rozvod_.Konec(u)[LA]));
        }
    }
}

void TRozvodForm::PovolTlacitka() {
    ObnovitBtn->setEnabled(!soubor_.isEmpty());
    const bool mistnosti = !prehled_.Mistnosti.Mistnosti.empty();
    PdfBtn->setEnabled(mistnosti);
    CsvBtn->setEnabled(mistnosti);
}

bool TRozvodForm::ExportujPdf(const QString& soubor) {
    if (PrepsalByOtevreny(soubor, {soubor_})) return false;
    DrunVar var;
    var.parametry = dokument_.Var().parametry;
    var.Akce = rozvod_.Akce;
    const std::vector<std::string> text = TextProtokoluProjektu(
        var, prehled_.Mistnosti, prehled_.Prehled, DatumProtokolu().toStdString());
    const auto kresli = [&](QPagedPaintDevice& z) {
        QPainter p;
        if (!p.begin(&z)) return false;
        const bool ok = VykresliProtokol(p, z, text).Ok;
        return p.end() && ok;
    };
    QByteArray pdf;
    const bool ok = VytvorPdf(
        QStringLiteral("Přehled rozvodu – ") + QString::fromStdString(rozvod_.Akce), kresli, pdf);
    return OhlasExport(ok && ZapisAtomicky(soubor.toStdString(), pdf.toStdString()), soubor,
                       QStringLiteral("Přehled rozvodu"),
                       QStringLiteral("Přehled rozvodu je uložen v souboru"));
}

bool TRozvodForm::ExportujCsv(const QString& soubor) {
    if (PrepsalByOtevreny(soubor, {soubor_})) return false;
    return ZapisExport(soubor, TabulkaRozvodu(prehled_, true), QStringLiteral("Tabulku místností"),
                       QStringLiteral("Tabulka místností je uložena v souboru"));
}

void TRozvodForm::PdfBtnClick() {
    const QString s = SouborKUlozeni(this, QStringLiteral("Export přehledu rozvodu do PDF"),
                                     QStringLiteral("Dokumenty PDF (*.pdf)"), QStringLiteral("pdf"),
                                     QStringLiteral("rozvod.pdf"));
    if (!s.isEmpty()) ExportujPdf(s);
}

void TRozvodForm::CsvBtnClick() {
    const QString s = SouborKUlozeni(this, QStringLiteral("Export tabulky místností do CSV"),
                                     QStringLiteral("Soubory CSV (*.csv)"), QStringLiteral("csv"),
                                     QStringLiteral("rozvod.csv"));
    if (!s.isEmpty()) ExportujCsv(s);
}
