#include "ui/nastroje/RozvodFrm.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "core/DrunVar.h"
#include "core/Platforma.h"
#include "core/Soubory.h"
#include "io/Protokol.h"
#include "io/Zprava.h"
#include "tools/Pozadavek.h"
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
#include "ui/tisk/Zprava.h"

using namespace drun;

TRozvodForm::TRozvodForm(TDokument& dokument, QWidget* rodic)
    : QWidget(rodic, Qt::Window), dokument_(dokument) {
    MistnostiListBox = TabulkaMistnosti(this);
    ModelMistnosti(MistnostiListBox)->VyznacSouctyCest = true;
    NastavHint(MistnostiListBox,
               QStringLiteral("Místnosti rozvodu|Místnosti rozvodu se součtem jejich úseků "
                              "a požadavkem; dvojklik vybere v hlavním okně úsek, který "
                              "rozhoduje"));
    // A section's name is short: the state column stays in sight on a small screen.
    MistnostiListBox->setColumnWidth(TProjektForm::SloupecNazev, 150);
    MistnostiListBox->setColumnWidth(TProjektForm::SloupecPozadavek, 120);
    MistnostiListBox->setColumnWidth(TProjektForm::SloupecCesta, 140);
    connect(MistnostiListBox->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TRozvodForm::ZobrazUseky);
    connect(MistnostiListBox, &QTableView::doubleClicked, this,
            [this](const QModelIndex& i) { VyberMistnostVHlavnimOkne(MistnostRadku(i.row())); });

    UsekyListBox = new QListWidget(this);
    // Most rooms are fed once or twice: the rooms' table keeps the height.
    UsekyListBox->setMaximumHeight(5 * fontMetrics().height() + 10);
    NastavHint(UsekyListBox, QStringLiteral("Úseky vybrané místnosti|Úseky, které končí ve "
                                            "vybrané místnosti, s hladinou na konci cesty; "
                                            "dvojklik vybere úsek v hlavním okně"));
    connect(UsekyListBox, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* i) { VyberUsekVHlavnimOkne(i->data(Qt::UserRole).toInt()); });
    StavLbl = new QLabel(this);
    StavLbl->setWordWrap(true);

    AktualniBtn = Tlacitko(this, QStringLiteral("Aktuální rozvod"),
                           QStringLiteral("Zobrazí rozvod hlavního okna a sleduje jeho změny"),
                           &TRozvodForm::ZobrazDokument);
    OtevritBtn =
        Tlacitko(this, QStringLiteral("Otevřít rozvod..."),
                 QStringLiteral("Otevře uložený rozvod (*.DRR)"), &TRozvodForm::OtevritBtnClick);
    ObnovitBtn = Tlacitko(this, QStringLiteral("Obnovit"),
                          QStringLiteral("Znovu přečte soubor rozvodu, změněný mezitím jinde"),
                          &TRozvodForm::Obnov);
    PdfBtn = Tlacitko(this, QStringLiteral("Export do PDF..."),
                      QStringLiteral("Uloží přehled místností rozvodu a protokol každé "
                                     "místnosti jako dokument PDF"),
                      &TRozvodForm::PdfBtnClick);
    ZpravaBtn = Tlacitko(this, QStringLiteral("Zpráva do PDF…"),
                         QStringLiteral("Uloží zprávu o rozvodu pro klienta: souhrn místností, "
                                        "jejich spektra a grafy a tabulku elementů každé cesty"),
                         &TRozvodForm::ZpravaBtnClick);
    CsvBtn = Tlacitko(this, QStringLiteral("Export do CSV..."),
                      QStringLiteral("Uloží tabulku místností pro tabulkový procesor"),
                      &TRozvodForm::CsvBtnClick);

    auto* tlacitka = new QVBoxLayout;
    tlacitka->addWidget(AktualniBtn);
    tlacitka->addWidget(OtevritBtn);
    tlacitka->addWidget(ObnovitBtn);
    tlacitka->addSpacing(12);
    tlacitka->addWidget(PdfBtn);
    tlacitka->addWidget(ZpravaBtn);
    tlacitka->addWidget(CsvBtn);
    tlacitka->addStretch(1);
    auto* levy = new QVBoxLayout;
    levy->addWidget(MistnostiListBox, 1);
    levy->addWidget(new QLabel(QStringLiteral("Úseky vybrané místnosti:"), this));
    levy->addWidget(UsekyListBox);
    levy->addWidget(StavLbl);
    auto* vse = new QHBoxLayout(this);
    vse->setContentsMargins(6, 6, 6, 6);
    vse->addLayout(levy, 1);
    vse->addLayout(tlacitka);
    resize(1000, 560);
    setWindowTitle(QStringLiteral("Přehled rozvodu"));

    connect(&dokument_, &TDokument::Prepocitano, this, &TRozvodForm::Zastaralo);
    connect(&dokument_, &TDokument::StavZmenen, this, &TRozvodForm::SledujDokument);
    souborDokumentu_ = dokument_.Soubor();
    bylRozvod_ = dokument_.JeRozvod();
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
    ::VyberMistnost(MistnostiListBox, mistnost);
}

int TRozvodForm::UsekMistnosti(int mistnost) const {
    const auto& mistnosti = Sit().Mistnosti();
    if (mistnost < 0 || size_t(mistnost) >= mistnosti.size() ||
        size_t(mistnost) >= prehled_.Prehled.Mistnosti.size())
        return -1;
    const auto& useky = mistnosti[size_t(mistnost)].Useky;
    const std::string& cesta = prehled_.Prehled.Mistnosti[size_t(mistnost)].Cesta;
    for (size_t u : useky)
        if (NazevUseku(Sit().Useky()[u].Id) == cesta) return static_cast<int>(u);
    return static_cast<int>(useky.front());
}

void TRozvodForm::Zobraz() {
    show();
    raise();
    activateWindow();
}

void TRozvodForm::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    Dohon();
}

void TRozvodForm::ZobrazDokument() {
    soubor_.clear();
    NactiDokument();
}

void TRozvodForm::NactiDokument() {
    const std::string vybrana = NazevVybrane();
    if (dokument_.JeRozvod()) {
        sit_ = &dokument_.Rozvod();
        rozvod_ = drun::Rozvod();
    } else {
        // A plain calculation's room is checked against the main window's requirement.
        rozvod_ = dokument_.Rozvod();
        if (!rozvod_.Mistnosti().empty()) {
            std::vector<Usek> useky = rozvod_.Useky();
            const Spectrum& p = dokument_.Var().Pozadavek;
            useky.front().Pozadavek = MaPozadavek(p) ? TextPozadavku(p) : std::string();
            rozvod_.NastavUseky(std::move(useky));
        }
        sit_ = &rozvod_;
    }
    prehled_ = SpoctiPrehledRozvodu(*sit_);
    zastarale_ = false;
    ZobrazMistnosti(vybrana);
}

void TRozvodForm::Zastaralo() {
    SledujDokument();
    if (!ZobrazujeDokument()) return;
    zastarale_ = true;
    if (!isVisible() || naplanovano_) return;
    // One showing for all the announcements of one change.
    naplanovano_ = true;
    QTimer::singleShot(0, this, [this] {
        naplanovano_ = false;
        if (isVisible()) Dohon();
    });
}

void TRozvodForm::Dohon() {
    if (ZobrazujeDokument() && zastarale_) NactiDokument();
}

void TRozvodForm::SledujDokument() {
    const bool rozvod = dokument_.JeRozvod();
    const bool jiny = dokument_.Soubor() != souborDokumentu_ || (rozvod && !bylRozvod_);
    souborDokumentu_ = dokument_.Soubor();
    bylRozvod_ = rozvod;
    if (jiny && rozvod && !ZobrazujeDokument())
        ZobrazDokument();
    else if (ZobrazujeDokument())
        PopisStav(); // saved under another name
}

std::string TRozvodForm::NazevVybrane() const {
    // The overview shown: the calculation may have changed under it.
    const int m = VybranaMistnost();
    const auto& mistnosti = prehled_.Mistnosti.Mistnosti;
    return m >= 0 && size_t(m) < mistnosti.size() ? mistnosti[size_t(m)].Nazev : std::string();
}

bool TRozvodForm::Nacti(const QString& soubor) {
    drun::Rozvod r;
    const VysledekSouboru v = NactiRozvod(soubor.toStdString(), dokument_.Var().SouborTlumice, r);
    if (!v.Ok()) {
        hlaseni().Chyba(QString::fromStdString(v.Zprava));
        return false;
    }
    if (!v.Zprava.empty()) hlaseni().Informace(QString::fromStdString(v.Zprava));
    // The selected room stays selected by its name: the file may have changed its order.
    const std::string vybrana = NazevVybrane();
    rozvod_ = std::move(r);
    sit_ = &rozvod_;
    prehled_ = SpoctiPrehledRozvodu(rozvod_);
    soubor_ = QFileInfo(soubor).absoluteFilePath();
    ZobrazMistnosti(vybrana);
    return true;
}

bool TRozvodForm::OtevriRozvod(const QString& soubor) {
    if (dokument_.JeRozvod() && !dokument_.Soubor().isEmpty() &&
        TentyzSoubor(soubor.toStdString(), dokument_.Soubor().toStdString())) {
        ZobrazDokument();
        return true;
    }
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

bool TRozvodForm::VyberMistnostVHlavnimOkne(int mistnost) {
    Dohon();
    const int u = UsekMistnosti(mistnost);
    return u >= 0 && VyberUsekVHlavnimOkne(u);
}

bool TRozvodForm::VyberUsekVHlavnimOkne(int usek) {
    if (!ZobrazujeDokument()) {
        StavLbl->setText(QStringLiteral("Soubor ") + QFileInfo(soubor_).fileName() +
                         QStringLiteral(" není výpočet otevřený v hlavním okně: jeho úsek tam "
                                        "vybrat nelze. „Aktuální rozvod“ zobrazí rozvod "
                                        "hlavního okna."));
        return false;
    }
    Dohon();
    if (usek < 0 || size_t(usek) >= Sit().Useky().size()) return false;
    dokument_.VyberUsek(size_t(usek));
    if (QWidget* hlavni = parentWidget() ? parentWidget()->window() : nullptr) {
        hlavni->raise();
        hlavni->activateWindow();
    }
    return true;
}

void TRozvodForm::ZobrazMistnosti(const std::string& vybrana) {
    const auto& mistnosti = Sit().Mistnosti();
    int m = -1;
    for (size_t i = 0; i < mistnosti.size() && !vybrana.empty(); ++i)
        if (mistnosti[i].Nazev == vybrana) m = static_cast<int>(i);
    // The room whose path the main window shows, named in bold.
    const int zobrazena = ZobrazujeDokument() && dokument_.Usek() < Sit().Useky().size()
                              ? Sit().MistnostUseku(dokument_.Usek())
                              : -1;
    if (m < 0 && vybrana.empty()) m = zobrazena;
    {
        const QSignalBlocker blok(MistnostiListBox->selectionModel());
        ZobrazPrehled(MistnostiListBox, prehled_.Mistnosti, prehled_.Prehled);
        ModelMistnosti(MistnostiListBox)
            ->Zvyrazni(zobrazena, QStringLiteral("Cestu této místnosti ukazuje hlavní okno"));
        VyberMistnost(m);
        // The order may have changed: the selected room stays in sight.
        if (const int r = RadekMistnosti(m); r >= 0)
            MistnostiListBox->scrollTo(MistnostiListBox->model()->index(r, 0));
    }
    ZobrazUseky();
    PovolTlacitka();
    PopisStav();
}

void TRozvodForm::ZobrazUseky() {
    UsekyListBox->clear();
    const int m = VybranaMistnost();
    if (m < 0 || m >= static_cast<int>(Sit().Mistnosti().size())) return;
    for (size_t u : Sit().Mistnosti()[static_cast<size_t>(m)].Useky) {
        auto* i = new QListWidgetItem(QString::fromStdString(NazevUseku(Sit().Useky()[u].Id)),
                                      UsekyListBox);
        i->setData(Qt::UserRole, static_cast<int>(u));
        if (Sit().ChybaCesty(u)) {
            i->setIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning));
            i->setForeground(BarvaPrekroceni);
            i->setText(i->text() + QStringLiteral(" – nelze spočítat"));
        } else {
            i->setText(i->text() + QStringLiteral(" – L(A) ") + Text(Sit().Konec(u)[LA]));
        }
        if (ZobrazujeDokument() && u == dokument_.Usek()) {
            QFont f = i->font();
            f.setBold(true);
            i->setFont(f);
            i->setText(i->text() + QStringLiteral(" – v hlavním okně"));
        }
    }
}

void TRozvodForm::PovolTlacitka() {
    AktualniBtn->setEnabled(!ZobrazujeDokument());
    ObnovitBtn->setEnabled(!ZobrazujeDokument());
    const bool mistnosti = !prehled_.Mistnosti.Mistnosti.empty();
    PdfBtn->setEnabled(mistnosti);
    ZpravaBtn->setEnabled(mistnosti);
    CsvBtn->setEnabled(mistnosti);
}

void TRozvodForm::PopisStav() {
    const QString jmeno = ZobrazujeDokument() ? (dokument_.Soubor().isEmpty()
                                                     ? QStringLiteral("nový výpočet")
                                                     : QFileInfo(dokument_.Soubor()).fileName())
                                              : QFileInfo(soubor_).fileName();
    setWindowTitle(QStringLiteral("Přehled rozvodu – ") + jmeno);
    if (!ZobrazujeDokument())
        StavLbl->setText(QStringLiteral("Soubor ") + jmeno +
                         QStringLiteral(", jak byl přečten; „Obnovit“ ho přečte znovu, "
                                        "„Aktuální rozvod“ zobrazí rozvod hlavního okna."));
    else if (Sit().Mistnosti().empty())
        StavLbl->setText(QStringLiteral("Výpočet hlavního okna nemá místnost: žádná jeho cesta "
                                        "nekončí elementem Místnost."));
    else
        StavLbl->setText(QStringLiteral("Rozvod hlavního okna, se všemi jeho změnami. Dvojklik "
                                        "na místnost nebo úsek vybere jeho cestu v hlavním okně."));
}

bool TRozvodForm::ExportujPdf(const QString& soubor) {
    if (PrepsalByOtevreny(soubor, {soubor_, dokument_.Soubor()})) return false;
    Dohon();
    // Every room's protocol: some seconds for a large rozvod.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const DrunVar& var = dokument_.Var();
    const std::vector<std::string> text =
        TextProtokoluRozvodu(Sit(), prehled_, var, DatumProtokolu().toStdString());
    const auto kresli = [&](QPagedPaintDevice& z) {
        QPainter p;
        if (!p.begin(&z)) return false;
        const bool ok = VykresliProtokol(p, z, text, var.parametry.DelkaStranky).Ok;
        return p.end() && ok;
    };
    QByteArray pdf;
    const bool ok = VytvorPdf(
        QStringLiteral("Přehled rozvodu – ") + QString::fromStdString(Sit().Akce), kresli, pdf);
    const bool zapsano = ok && ZapisAtomicky(soubor.toStdString(), pdf.toStdString());
    QApplication::restoreOverrideCursor();
    return OhlasExport(zapsano, soubor, QStringLiteral("Přehled rozvodu"),
                       QStringLiteral("Přehled rozvodu je uložen v souboru"));
}

bool TRozvodForm::ExportujZpravu(const QString& soubor) {
    if (PrepsalByOtevreny(soubor, {soubor_, dokument_.Soubor()})) return false;
    Dohon();
    const QString jmeno = ZobrazujeDokument() ? dokument_.Soubor() : soubor_;
    return UlozZpravuOkna(
        ZpravaRozvodu(Sit(), prehled_,
                      jmeno.isEmpty() ? std::string("(neuložený výpočet)") : jmeno.toStdString(),
                      DatumProtokolu().toStdString()),
        soubor, QStringLiteral("Zprávu o rozvodu"),
        QStringLiteral("Zpráva o rozvodu je uložena v souboru"));
}

bool TRozvodForm::ExportujCsv(const QString& soubor) {
    if (PrepsalByOtevreny(soubor, {soubor_, dokument_.Soubor()})) return false;
    Dohon();
    return ZapisExport(soubor, TabulkaRozvodu(prehled_, true), QStringLiteral("Tabulku místností"),
                       QStringLiteral("Tabulka místností je uložena v souboru"));
}

void TRozvodForm::PdfBtnClick() {
    const QString s = SouborKUlozeni(this, QStringLiteral("Export přehledu rozvodu do PDF"),
                                     QStringLiteral("Dokumenty PDF (*.pdf)"), QStringLiteral("pdf"),
                                     QStringLiteral("rozvod.pdf"));
    if (!s.isEmpty()) ExportujPdf(s);
}

void TRozvodForm::ZpravaBtnClick() {
    const QString s = SouborKUlozeni(this, QStringLiteral("Zpráva o rozvodu do PDF"),
                                     QStringLiteral("Dokumenty PDF (*.pdf)"), QStringLiteral("pdf"),
                                     QStringLiteral("zprava-rozvod.pdf"));
    if (!s.isEmpty()) ExportujZpravu(s);
}

void TRozvodForm::CsvBtnClick() {
    const QString s = SouborKUlozeni(this, QStringLiteral("Export tabulky místností do CSV"),
                                     QStringLiteral("Soubory CSV (*.csv)"), QStringLiteral("csv"),
                                     QStringLiteral("rozvod.csv"));
    if (!s.isEmpty()) ExportujCsv(s);
}
