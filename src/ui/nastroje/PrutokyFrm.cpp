#include "ui/nastroje/PrutokyFrm.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/Cisla.h"
#include "core/Druhy.h"
#include "ui/dialogy/ElemDialog.h"
#include "ui/dialogy/MujEdit.h"
#include "ui/hlavni/Dokument.h"
#include "ui/spolecne/Hlaseni.h"

using namespace drun;

namespace {

QTableWidget* Tabulka(QWidget* rodic, const QStringList& sloupce) {
    auto* t = new QTableWidget(0, int(sloupce.size()), rodic);
    t->setHorizontalHeaderLabels(sloupce);
    t->verticalHeader()->setVisible(false);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

void PridejRadek(QTableWidget* t, const QStringList& texty, bool cervene = false) {
    const int r = t->rowCount();
    t->insertRow(r);
    for (int s = 0; s < texty.size(); ++s) {
        auto* i = new QTableWidgetItem(texty[s]);
        if (cervene) i->setForeground(Qt::red);
        t->setItem(r, s, i);
    }
}

} // namespace

TPrutokyForm::TPrutokyForm(TDokument& dokument, QWidget* parent)
    : QDialog(parent), dokument_(dokument) {
    setWindowTitle(QStringLiteral("Průtoky podle místností"));
    auto* v = new QVBoxLayout(this);
    v->addWidget(new QLabel(QStringLiteral("Každý element s průtokem dostane součet průtoků "
                                           "místností, které napájí; průtok místnosti je průtok "
                                           "vyústky na konci její cesty."),
                            this));
    v->itemAt(0)->widget()->setProperty("wordWrap", true);
    v->addWidget(new QLabel(QStringLiteral("Místnosti bez vyústky (průtok v m3/hod):"), this));
    MistnostiTab = Tabulka(this, {QStringLiteral("Místnost"), QStringLiteral("Průtok")});
    MistnostiTab->setMaximumHeight(140);
    v->addWidget(MistnostiTab);
    v->addWidget(new QLabel(QStringLiteral("Změny:"), this));
    ZmenyTab =
        Tabulka(this, {QStringLiteral("Úsek"), QStringLiteral("Element"), QStringLiteral("Typ"),
                       QStringLiteral("Vstup"), QStringLiteral("Původní"), QStringLiteral("Nový"),
                       QStringLiteral("Poznámka")});
    v->addWidget(ZmenyTab);
    SouhrnLbl = new QLabel(this);
    v->addWidget(SouhrnLbl);
    auto* tl = new QHBoxLayout;
    tl->addStretch();
    OKBtn = new QPushButton(QStringLiteral("Použít"), this);
    StornoBtn = new QPushButton(QStringLiteral("Storno"), this);
    OKBtn->setDefault(true);
    tl->addWidget(OKBtn);
    tl->addWidget(StornoBtn);
    v->addLayout(tl);
    connect(OKBtn, &QPushButton::clicked, this, &TPrutokyForm::OKBtnClick);
    connect(StornoBtn, &QPushButton::clicked, this, &TPrutokyForm::StornoBtnClick);
    resize(720, 480);
}

void TPrutokyForm::FormShow() {
    const auto& useky = dokument_.Rozvod().Useky();
    mistnosti_ = MistnostiBezVyustky(useky);
    MistnostiTab->setRowCount(0);
    PrutokEdit.clear();
    for (const std::string& m : mistnosti_) {
        const int r = MistnostiTab->rowCount();
        MistnostiTab->insertRow(r);
        MistnostiTab->setItem(r, 0, new QTableWidgetItem(QString::fromStdString(m)));
        auto* e = new TMDoubleEdit(MistnostiTab);
        e->Nazev = QStringLiteral("Průtok místnosti ") + QString::fromStdString(m);
        e->NastavMeze(VyustPrutokMin, VyustPrutokMax);
        e->NastavCislo(NynejsiPrutokMistnosti(useky, m), 0);
        connect(e, &QLineEdit::editingFinished, this, &TPrutokyForm::Prepocitej);
        MistnostiTab->setCellWidget(r, 1, e);
        PrutokEdit.push_back(e);
    }
    Prepocitej();
}

void TPrutokyForm::Prepocitej() {
    std::map<std::string, double> zadane;
    for (size_t i = 0; i < mistnosti_.size(); ++i)
        if (PrutokEdit[i]->Cislo() >= VyustPrutokMin)
            zadane[mistnosti_[i]] = PrutokEdit[i]->Cislo();
    const auto& useky = dokument_.Rozvod().Useky();
    vysledek_ = PrutokyPodleMistnosti(useky, zadane, dokument_.Var().SouborTlumice);
    ZmenyTab->setRowCount(0);
    std::map<int, size_t> index;
    for (size_t i = 0; i < useky.size(); ++i)
        index[useky[i].Id] = i;
    const auto radek = [&](const ZmenaPrutoku& z) {
        const int typ = useky[index.at(z.Usek)].Prvky[size_t(z.Prvek - 1)].Typ();
        return QStringList{QString::number(z.Usek),
                           QString::number(z.Prvek),
                           QString::fromUtf8(NazevTypu(typ)),
                           QString::fromUtf8(z.Nazev.c_str()),
                           QString::fromStdString(FormatCislo(z.Puvodni, 1)),
                           QString::fromStdString(FormatCislo(z.Novy, 1))};
    };
    for (const ZmenaPrutoku& z : vysledek_.Zmeny)
        PridejRadek(ZmenyTab, radek(z));
    for (const NevyhoviPrutok& n : vysledek_.Nevyhovi)
        for (const ZmenaPrutoku& z : n.Prutoky)
            PridejRadek(ZmenyTab,
                        radek(z) << QStringLiteral("ponechán: ") + QString::fromStdString(n.Proc),
                        true);
    ZmenyTab->resizeColumnsToContents();
    QString s;
    if (!vysledek_.BezPrutoku.empty())
        s = QStringLiteral("Zadejte průtok místností bez vyústky.");
    else if (vysledek_.Zmeny.empty())
        s = QStringLiteral("Průtoky rozvodu odpovídají místnostem.");
    else
        s = QStringLiteral("Změn: %1").arg(vysledek_.Zmeny.size());
    if (!vysledek_.Nevyhovi.empty())
        s += QStringLiteral("  Ponechané elementy (průřez nevyhoví): %1")
                 .arg(vysledek_.Nevyhovi.size());
    SouhrnLbl->setText(s);
}

void TPrutokyForm::OKBtnClick() {
    if (!TMEdit::OverVse(this) || !PoleVMezich(this)) return;
    Prepocitej();
    if (!vysledek_.BezPrutoku.empty()) {
        hlaseni().Chyba(QStringLiteral("Místnost „%1“ nemá vyústku: zadejte její průtok.")
                            .arg(QString::fromStdString(vysledek_.BezPrutoku.front())));
        return;
    }
    // A step that changes nothing is not a step.
    if (!vysledek_.Zmeny.empty())
        dokument_.NahradUseky(vysledek_.Useky, QStringLiteral("Průtoky podle místností"));
    accept();
}
