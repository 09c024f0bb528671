#include "ui/nastroje/AkTlakFrm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Cisla.h"
#include "ui/dialogy/MujEdit.h"
#include "ui/dialogy/TextHodnoty.h"

using namespace drun;

namespace {

const QString Nevim = QStringLiteral("nevím");
const QString Otazniky = QStringLiteral("???");

QLabel* VysledekLbl(QWidget* rodic, int sirka) {
    auto* l = new QLabel(rodic);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setFrameShape(QFrame::StyledPanel);
    l->setFrameShadow(QFrame::Sunken);
    l->setFixedWidth(sirka);
    return l;
}

} // namespace

TAkTlakForm::TAkTlakForm(DrunVar& var, QWidget* parent)
    : TPlnenyDialog(QStringLiteral("Převod akustického tlaku podle vzdálenosti"), false, parent),
      var_(var) {
    auto* v = new QVBoxLayout(this);

    auto* g = new QGridLayout;
    g->setHorizontalSpacing(4);
    PridejZahlaviPasem(g, 0, 1);
    auto* la = new QLabel(QStringLiteral("L(A)"), this);
    la->setAlignment(Qt::AlignCenter);
    g->addWidget(la, 0, 9);
    AkTlak1Hodn = PridejRadekPasem(g, 1, 1, QStringLiteral("Akustický tlak [dB]"), this);
    AkTlak1LALbl = VysledekLbl(this, 56);
    g->addWidget(AkTlak1LALbl, 1, 9);

    VseBtn = new QPushButton(QStringLiteral("Vše->"), this);
    VseBtn->setToolTip(QStringLiteral("Hodnotu pásma 63 Hz do všech pásem"));
    VseBtn->setFixedWidth(56); // keeps the 63 Hz column as wide as the others
    g->addWidget(VseBtn, 2, 1);

    auto* vzd = new QHBoxLayout;
    vzd->setSpacing(6);
    vzd->addWidget(new QLabel(QStringLiteral("Ve vzdálenosti"), this));
    Vzd1Edit = new TMDoubleEdit(this);
    Vzd2Edit = new TMDoubleEdit(this);
    Vzd1Edit->Nazev = QStringLiteral("První vzdálenost");
    Vzd2Edit->Nazev = QStringLiteral("Druhá vzdálenost");
    for (TMDoubleEdit* f : {Vzd1Edit, Vzd2Edit}) {
        f->setFixedWidth(56);
        f->setAlignment(Qt::AlignRight);
    }
    vzd->addWidget(Vzd1Edit);
    vzd->addWidget(new QLabel(QStringLiteral("m odpovídá  ve vzdálenosti"), this));
    vzd->addWidget(Vzd2Edit);
    vzd->addWidget(new QLabel(QStringLiteral("m"), this));
    vzd->addStretch();
    g->addLayout(vzd, 3, 0, 1, 10);

    g->addWidget(new QLabel(QStringLiteral("Akustickému tlaku [dB]"), this), 4, 0);
    for (int i = 0; i < PocetPasem; ++i) {
        AkTlak2Hodn[static_cast<size_t>(i)] = VysledekLbl(this, 56);
        g->addWidget(AkTlak2Hodn[static_cast<size_t>(i)], 4, i + 1);
    }
    AkTlak2LALbl = VysledekLbl(this, 56);
    g->addWidget(AkTlak2LALbl, 4, 9);
    v->addLayout(g);

    OKBtn = new QPushButton(QStringLiteral("Převeď"), this);
    StornoBtn = new QPushButton(QStringLiteral("Storno"), this);
    OKBtn->setDefault(true);
    // Clicking a button must not validate the field being left; the handlers do.
    for (QPushButton* b : {OKBtn, VseBtn, StornoBtn})
        b->setFocusPolicy(Qt::TabFocus);
    VseBtn->setAutoDefault(false);
    StornoBtn->setAutoDefault(false);
    auto* h = new QHBoxLayout;
    h->addStretch();
    h->addWidget(OKBtn);
    h->addWidget(StornoBtn);
    v->addLayout(h);

    connect(OKBtn, &QPushButton::clicked, this, &TAkTlakForm::OKBtnClick);
    connect(VseBtn, &QPushButton::clicked, this, &TAkTlakForm::VseBtnClick);
    connect(StornoBtn, &QPushButton::clicked, this, &TAkTlakForm::StornoBtnClick);
    for (int i = 0; i < PocetPasem; ++i)
        connect(AkTlak1Hodn.pole[i], &QLineEdit::textChanged, this,
                [this, i] { AkTlak1HodnEditChange(i); });
    connect(Vzd1Edit, &QLineEdit::textChanged, this, &TAkTlakForm::VzdEditChange);
    connect(Vzd2Edit, &QLineEdit::textChanged, this, &TAkTlakForm::VzdEditChange);

    // FormCreate
    for (TMDoubleEdit* f : AkTlak1Hodn.pole)
        f->NastavMeze(var_.MinUroven, var_.MaxUroven);
    Vzd1Edit->NastavMeze(MinVzdalenost, MaxVzdalenost);
    Vzd2Edit->NastavMeze(MinVzdalenost, MaxVzdalenost);
    for (int i = 0; i < PocetPasem; ++i)
        AkTlak1HodnEditChange(i);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TAkTlakForm::FormShow() {
    NactiZdroj(stav_, var_);
    for (int i = 0; i < PocetPasem; ++i)
        AkTlak1Hodn.pole[i]->NastavCislo(stav_.Vstup[i]);
    Vzd1Edit->NastavCislo(stav_.Vzd1);
    Vzd2Edit->NastavCislo(stav_.Vzd2);
    AkTlak1LALbl->setText(Text(stav_.Vstup[LA]));
    Preved();
    AkTlak1Hodn.pole[0]->setFocus();
}

void TAkTlakForm::OKBtnClick() {
    if (!TMEdit::OverVse(this)) return;
    Preved();
}

void TAkTlakForm::Preved() {
    std::array<double, PocetPasem> p{};
    for (int i = 0; i < PocetPasem; ++i)
        p[static_cast<size_t>(i)] = AkTlak1Hodn.pole[i]->Cislo();
    if (!PrevedAkTlak(stav_, p, Vzd1Edit->Cislo(), Vzd2Edit->Cislo())) return;
    for (int i = 0; i < PocetPasem; ++i)
        AkTlak2Hodn[static_cast<size_t>(i)]->setText(Text(stav_.Vystup[i]));
    AkTlak2LALbl->setText(Text(stav_.Vystup[LA]));
    AkTlak1LALbl->setText(Text(stav_.Vstup[LA]));
}

void TAkTlakForm::VseBtnClick() {
    // The 63 Hz value as typed, validated as leaving the field would.
    if (!AkTlak1Hodn.pole[0]->Over()) return;
    const double hodnota = AkTlak1Hodn.pole[0]->Cislo();
    NaplnSpektrum(stav_.Vstup, hodnota);
    for (int i = 1; i < PocetPasem; ++i) {
        AkTlak1Hodn.pole[i]->NastavCislo(hodnota);
        AkTlak1HodnEditChange(i); // also when the text happened to be the same
    }
    AkTlak1LALbl->setText(Text(stav_.Vstup[LA]));
}

void TAkTlakForm::AkTlak1HodnEditChange(int pasmo) {
    AkTlak1LALbl->setText(Nevim);
    AkTlak2LALbl->setText(Nevim);
    if (pasmo >= 0 && pasmo < PocetPasem)
        AkTlak2Hodn[static_cast<size_t>(pasmo)]->setText(Otazniky);
}

void TAkTlakForm::VzdEditChange() {
    AkTlak2LALbl->setText(Nevim);
}
