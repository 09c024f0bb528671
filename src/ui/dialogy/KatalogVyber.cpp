#include "ui/dialogy/KatalogVyber.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/Cisla.h"
#include "ui/dialogy/ElemDialog.h"
#include "ui/dialogy/MujEdit.h"
#include "ui/dialogy/TextPole.h"
#include "ui/nastroje/Katalog.h"
#include "ui/spolecne/Hlaseni.h"

using namespace drun;

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

TKatalogSeznam::TKatalogSeznam(TKatalog& katalog, int druh, QWidget* parent)
    : QWidget(parent), katalog_(katalog), druh_(druh) {
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    auto* filtr = new QHBoxLayout;
    filtr->addWidget(new QLabel(QStringLiteral("Hledat:"), this));
    FiltrEdit = new QLineEdit(this);
    FiltrEdit->setClearButtonEnabled(true);
    PovolJen1250(FiltrEdit); // names hold nothing else
    NastavHint(FiltrEdit, QStringLiteral("Zobrazí jen položky, jejichž název obsahuje tento text"));
    filtr->addWidget(FiltrEdit, 1);
    v->addLayout(filtr);
    SeznamListBox = new QListWidget(this);
    SeznamListBox->setMinimumHeight(180);
    v->addWidget(SeznamListBox, 1);

    const bool zdroj = druh == KatalogZdroj;
    HodnotyTabulka = new QTableWidget(zdroj ? 1 : 2, PocetPasem + 1, this);
    QStringList sloupce;
    for (const char* n : NazvyPasem)
        sloupce << QString::fromUtf8(n);
    sloupce << QStringLiteral("L(A)");
    HodnotyTabulka->setHorizontalHeaderLabels(sloupce);
    HodnotyTabulka->setVerticalHeaderLabels(
        zdroj ? QStringList{QStringLiteral("Akustický výkon")}
              : QStringList{QStringLiteral("Útlum"), QStringLiteral("Vlastní drun")});
    HodnotyTabulka->setEditTriggers(QAbstractItemView::NoEditTriggers);
    HodnotyTabulka->setSelectionMode(QAbstractItemView::NoSelection);
    HodnotyTabulka->setFocusPolicy(Qt::NoFocus);
    HodnotyTabulka->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    HodnotyTabulka->horizontalHeader()->setDefaultSectionSize(52);
    HodnotyTabulka->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    HodnotyTabulka->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    HodnotyTabulka->resizeColumnsToContents();
    int sirka = HodnotyTabulka->verticalHeader()->sizeHint().width() + 2;
    for (int i = 0; i <= PocetPasem; ++i) {
        HodnotyTabulka->setColumnWidth(i, 52);
        sirka += 52;
    }
    int vyska = HodnotyTabulka->horizontalHeader()->sizeHint().height() + 2;
    for (int r = 0; r < HodnotyTabulka->rowCount(); ++r)
        vyska += HodnotyTabulka->rowHeight(r);
    HodnotyTabulka->setFixedSize(sirka, vyska);
    v->addWidget(HodnotyTabulka);

    connect(FiltrEdit, &QLineEdit::textChanged, this, [this] { Obnov(Vybrany()); });
    connect(&katalog, &TKatalog::Zmenen, this, [this] { Obnov(Vybrany()); });
    connect(SeznamListBox, &QListWidget::currentRowChanged, this, [this] { ZobrazHodnoty(); });
    connect(SeznamListBox, &QListWidget::itemActivated, this, [this] { emit Potvrzen(); });
}

void TKatalogSeznam::Obnov(const QString& vybrat) {
    const QString filtr = FiltrEdit->text().trimmed();
    SeznamListBox->clear();
    for (const PolozkaKatalogu& p : katalog_.Polozky(druh_)) {
        const QString n = Q(p.Nazev);
        if (filtr.isEmpty() || n.contains(filtr, Qt::CaseInsensitive)) SeznamListBox->addItem(n);
    }
    const auto nalez = SeznamListBox->findItems(vybrat, Qt::MatchExactly);
    SeznamListBox->setCurrentRow(!vybrat.isEmpty() && !nalez.isEmpty()
                                     ? SeznamListBox->row(nalez.first())
                                     : (SeznamListBox->count() > 0 ? 0 : -1));
    ZobrazHodnoty();
}

QString TKatalogSeznam::Vybrany() const {
    const QListWidgetItem* i = SeznamListBox->currentItem();
    return i ? i->text() : QString();
}

const PolozkaKatalogu* TKatalogSeznam::VybranaPolozka() const {
    const QString n = Vybrany();
    return n.isEmpty() ? nullptr : katalog_.Najdi(druh_, n.toStdString());
}

void TKatalogSeznam::ZobrazHodnoty() {
    const PolozkaKatalogu* p = VybranaPolozka();
    for (int r = 0; r < HodnotyTabulka->rowCount(); ++r) {
        Spectrum s = NulaSpektrum();
        if (p) {
            const auto& h = (druh_ == KatalogElement && r == 0) ? p->Utlum : p->VlastniDrun;
            std::copy(h.begin(), h.end(), s.begin());
        }
        SpoctiLA(s);
        for (int i = 0; i <= PocetPasem; ++i) {
            auto* b =
                new QTableWidgetItem(p ? Q(FormatHodnota(s[static_cast<size_t>(i)])) : QString());
            b->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            HodnotyTabulka->setItem(r, i, b);
        }
    }
}

TKatalogVyber::TKatalogVyber(TKatalog& katalog, int druh, QWidget* parent) : QDialog(parent) {
    setWindowTitle(druh == KatalogZdroj ? QStringLiteral("Katalog - zdroje drunu")
                                        : QStringLiteral("Katalog - obecné elementy"));
    setModal(true);
    auto* v = new QVBoxLayout(this);
    Seznam = new TKatalogSeznam(katalog, druh, this);
    v->addWidget(Seznam);
    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    StornoBtn = new QPushButton(QStringLiteral("Storno"), this);
    OKBtn->setDefault(true);
    auto* h = new QHBoxLayout;
    h->addStretch();
    h->addWidget(OKBtn);
    h->addWidget(StornoBtn);
    v->addLayout(h);
    connect(OKBtn, &QPushButton::clicked, this, &TKatalogVyber::OKBtnClick);
    connect(StornoBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(Seznam, &TKatalogSeznam::Potvrzen, this, &TKatalogVyber::OKBtnClick);
    Seznam->Obnov();
    Seznam->FiltrEdit->setFocus();
}

void TKatalogVyber::OKBtnClick() {
    if (Seznam->VybranaPolozka()) accept();
}

std::optional<PolozkaKatalogu> VyberZKatalogu(TKatalog& katalog, int druh, QWidget* rodic) {
    katalog.Obnov();
    if (katalog.Polozky(druh).empty()) {
        hlaseni().Informace(druh == KatalogZdroj
                                ? QStringLiteral("V katalogu zatím není žádný zdroj drunu.")
                                : QStringLiteral("V katalogu zatím není žádný obecný element."));
        return std::nullopt;
    }
    TKatalogVyber d(katalog, druh, rodic);
    if (d.exec() != QDialog::Accepted) return std::nullopt;
    if (const PolozkaKatalogu* p = d.Seznam->VybranaPolozka()) return *p;
    return std::nullopt;
}

std::optional<QString> ZeptejSeNaNazev(QWidget* rodic, const QString& titulek,
                                       const QString& navrh) {
    QInputDialog d(rodic);
    d.setWindowTitle(titulek);
    d.setLabelText(QStringLiteral("Název položky:"));
    d.setTextValue(navrh);
    d.setOkButtonText(QStringLiteral("OK"));
    d.setCancelButtonText(QStringLiteral("Storno"));
    if (auto* e = d.findChild<QLineEdit*>()) PovolJen1250(e);
    if (d.exec() != QDialog::Accepted) return std::nullopt;
    return d.textValue();
}

bool UlozDoKatalogu(TKatalog& katalog, int druh, PolozkaKatalogu p, QWidget* rodic) {
    const auto nazev = ZeptejSeNaNazev(rodic, QStringLiteral("Do katalogu"), Q(p.Nazev));
    if (!nazev) return false;
    p.Nazev = UpravNazev(nazev->toStdString());
    if (katalog.Najdi(druh, p.Nazev) &&
        !hlaseni().Potvrd(
            QStringLiteral("Položka %1 už v katalogu je. Nahradit ji?").arg(Uvozovky(Q(p.Nazev)))))
        return false;
    return katalog.Uloz(druh, p);
}

QHBoxLayout* TlacitkaKatalogu(QWidget* dialog, QPushButton*& z, QPushButton*& do_) {
    z = new QPushButton(QStringLiteral("Z katalogu..."), dialog);
    do_ = new QPushButton(QStringLiteral("Do katalogu..."), dialog);
    NastavHint(z, QStringLiteral("Vyplní popis a hodnoty položkou z katalogu"));
    NastavHint(do_, QStringLiteral("Uloží popis a hodnoty do katalogu"));
    auto* h = new QHBoxLayout;
    for (QPushButton* b : {z, do_}) {
        b->setAutoDefault(false);
        // Clicking must not validate the field being left: the handlers decide.
        b->setFocusPolicy(Qt::TabFocus);
        h->addWidget(b);
    }
    return h;
}

void VlozPasma(const RadekPasem& r, const std::array<double, PocetPasem>& h) {
    for (size_t i = 0; i < PocetPasem; ++i)
        r.pole[i]->VlozText(QString::number(h[i], 'g', QLocale::FloatingPointShortest));
}

std::array<double, PocetPasem> HodnotyPasem(const RadekPasem& r) {
    std::array<double, PocetPasem> h{};
    for (size_t i = 0; i < PocetPasem; ++i)
        h[i] = r.pole[i]->Cislo();
    return h;
}
