#include "ui/dialogy/ObElFrm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/DrunVar.h"
#include "core/DrunVyp.h"
#include "models/Obecny.h"
#include "ui/dialogy/KatalogVyber.h"
#include "ui/dialogy/MujEdit.h"
#include "ui/dialogy/TextPole.h"

using namespace drun;

TObecElemForm::TObecElemForm(DrunVar& var, QWidget* parent)
    : TElementDialog(var, QStringLiteral("Obecný element"), parent) {
    auto* v = new QVBoxLayout(this);
    auto* popis = new QHBoxLayout;
    popis->addWidget(new QLabel(QStringLiteral("Popis elementu"), this));
    NazevEdit = new QLineEdit(this);
    PovolJen1250(NazevEdit);
    popis->addWidget(NazevEdit, 1);
    v->addLayout(popis);

    auto* g = new QGridLayout;
    PridejZahlaviPasem(g, 0, 1);
    Utl = PridejRadekPasem(g, 1, 1, QStringLiteral("Útlum elementu"), this);
    VlDrun = PridejRadekPasem(g, 2, 1, QStringLiteral("Vlastní drun elementu"), this);
    UtlNulujBtn = new QPushButton(QStringLiteral("Vynulovat"), this);
    VlDrunNulujBtn = new QPushButton(QStringLiteral("Vynulovat"), this);
    for (QPushButton* b : {UtlNulujBtn, VlDrunNulujBtn}) {
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::TabFocus);
    }
    g->addWidget(UtlNulujBtn, 1, 9);
    g->addWidget(VlDrunNulujBtn, 2, 9);
    v->addLayout(g);
    auto* dole = TlacitkaKatalogu(this, ZKataloguBtn, DoKataloguBtn);
    dole->addLayout(Tlacitka());
    v->addLayout(dole);
    connect(ZKataloguBtn, &QPushButton::clicked, this, &TObecElemForm::ZKataloguBtnClick);
    connect(DoKataloguBtn, &QPushButton::clicked, this, &TObecElemForm::DoKataloguBtnClick);
    connect(UtlNulujBtn, &QPushButton::clicked, this, &TObecElemForm::UtlNulujBtnClick);
    connect(VlDrunNulujBtn, &QPushButton::clicked, this, &TObecElemForm::VlDrunNulujBtnClick);
    for (int i = 0; i < PocetPasem; ++i) {
        Utl.pole[i]->NastavCislo(0, QStringLiteral("0"));
        VlDrun.pole[i]->NastavCislo(0, QStringLiteral("0"));
    }
    NastavMeze();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TObecElemForm::NastavMeze() {
    for (int i = 0; i < PocetPasem; ++i) {
        Utl.pole[i]->NastavMeze(var_.MinUroven, var_.MaxUroven);
        VlDrun.pole[i]->NastavMeze(var_.MinUroven, var_.MaxUroven);
    }
}

void TObecElemForm::FormShow() {
    const TElementSite& e = var_.cesta.Aktualni();
    if (e.Typ() == TypObecny) {
        NazevEdit->setText(QString::fromStdString(e.Popis));
        for (int i = 0; i < PocetPasem; ++i) {
            Utl.pole[i]->NastavCislo(e.Utlum[i]);
            VlDrun.pole[i]->NastavCislo(e.VlastniDrun[i]);
        }
    }
    NazevEdit->setFocus();
}

bool TObecElemForm::ZapisAVypocet() {
    ZadaniObecElementu z;
    z.Popis = NazevEdit->text().toStdString();
    for (int i = 0; i < PocetPasem; ++i) {
        z.Utlum[static_cast<size_t>(i)] = Utl.pole[i]->Cislo();
        z.VlastniDrun[static_cast<size_t>(i)] = VlDrun.pole[i]->Cislo();
    }
    return Zadej([&z](DrunVar& v) { ZapisObecElement(v, z); }, Vzdy<VypocetObecElementu>);
}

void TObecElemForm::UtlNulujBtnClick() {
    for (TMDoubleEdit* f : Utl.pole)
        f->NastavCislo(0, QStringLiteral("0"));
}

void TObecElemForm::VlDrunNulujBtnClick() {
    for (TMDoubleEdit* f : VlDrun.pole)
        f->NastavCislo(0, QStringLiteral("0"));
}

void TObecElemForm::ZKataloguBtnClick() {
    if (!Katalog) return;
    const auto p = VyberZKatalogu(*Katalog, KatalogElement, this);
    if (!p) return;
    NazevEdit->setText(QString::fromStdString(p->Nazev));
    VlozPasma(Utl, p->Utlum);
    VlozPasma(VlDrun, p->VlastniDrun);
}

void TObecElemForm::DoKataloguBtnClick() {
    if (!Katalog || !TMEdit::OverVse(this)) return;
    PolozkaKatalogu p;
    p.Nazev = NazevEdit->text().toStdString();
    p.Utlum = HodnotyPasem(Utl);
    p.VlastniDrun = HodnotyPasem(VlDrun);
    UlozDoKatalogu(*Katalog, KatalogElement, p, this);
}
