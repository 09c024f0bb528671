#include "ui/dialogy/ZZdrFrm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/DrunVar.h"
#include "models/Zdroj.h"
#include "ui/dialogy/KatalogVyber.h"
#include "ui/dialogy/MujEdit.h"
#include "ui/dialogy/TextPole.h"

using namespace drun;

TZadZdrojForm::TZadZdrojForm(DrunVar& var, QWidget* parent)
    : TPlnenyDialog(QStringLiteral("Zadání zdroje drunu"), true, parent), var_(var) {
    auto* v = new QVBoxLayout(this);
    auto* popis = new QHBoxLayout;
    popis->addWidget(new QLabel(QStringLiteral("Popis"), this));
    ZdrojPopisEdit = new QLineEdit(QStringLiteral("Zdroj drunu"), this);
    ZdrojPopisEdit->setMaxLength(60);
    PovolJen1250(ZdrojPopisEdit);
    popis->addWidget(ZdrojPopisEdit, 1);
    v->addLayout(popis);

    auto* g = new QGridLayout;
    PridejZahlaviPasem(g, 0, 1);
    Zdroj = PridejRadekPasem(g, 1, 1, QStringLiteral("Akustický výkon"), this);
    for (TMDoubleEdit* f : Zdroj.pole)
        f->NastavCislo(0, QStringLiteral("0"));
    v->addLayout(g);

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    StornoBtn = new QPushButton(QStringLiteral("Storno"), this);
    NulujBtn = new QPushButton(QStringLiteral("Vynulovat"), this);
    VseBtn = new QPushButton(QStringLiteral("Vše->"), this);
    OKBtn->setDefault(true);
    for (QPushButton* b : {OKBtn, StornoBtn, NulujBtn, VseBtn})
        b->setFocusPolicy(Qt::TabFocus);
    VseBtn->setAutoDefault(false);
    NulujBtn->setAutoDefault(false);
    StornoBtn->setAutoDefault(false);
    connect(OKBtn, &QPushButton::clicked, this, &TZadZdrojForm::OKBtnClick);
    connect(StornoBtn, &QPushButton::clicked, this, &TZadZdrojForm::StornoBtnClick);
    connect(NulujBtn, &QPushButton::clicked, this, &TZadZdrojForm::NulujBtnClick);
    connect(VseBtn, &QPushButton::clicked, this, &TZadZdrojForm::VseBtnClick);
    auto* h = TlacitkaKatalogu(this, ZKataloguBtn, DoKataloguBtn);
    connect(ZKataloguBtn, &QPushButton::clicked, this, &TZadZdrojForm::ZKataloguBtnClick);
    connect(DoKataloguBtn, &QPushButton::clicked, this, &TZadZdrojForm::DoKataloguBtnClick);
    h->addWidget(VseBtn);
    h->addWidget(NulujBtn);
    h->addStretch();
    h->addWidget(OKBtn);
    h->addWidget(StornoBtn);
    v->addLayout(h);

    // FormCreate
    NastavMezeZdroj();
    TElementSite& z = var_.cesta.Prvni();
    z.Utlum = z.Mezisoucet = z.VlastniDrun = z.ZaElementem = NulaSpektrum();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TZadZdrojForm::NastavMezeZdroj() {
    for (TMDoubleEdit* f : Zdroj.pole)
        f->NastavMeze(var_.MinUroven, var_.MaxUroven);
}

void TZadZdrojForm::FormShow() {
    const TElementSite& z = var_.cesta.Prvni();
    for (int i = 0; i < PocetPasem; ++i)
        Zdroj.pole[i]->NastavCislo(z.VlastniDrun[i]);
    ZdrojPopisEdit->setText(QString::fromStdString(z.Popis));
    ZdrojPopisEdit->setFocus();
}

void TZadZdrojForm::OKBtnClick() {
    if (!TMEdit::OverVse(this)) return;
    ZadaniZdroje z;
    z.Popis = ZdrojPopisEdit->text().toStdString();
    for (int i = 0; i < PocetPasem; ++i)
        z.Vykon[static_cast<size_t>(i)] = Zdroj.pole[i]->Cislo();
    ZapisZdroj(var_, z);
    accept();
    emit ZdrojZmenen();
}

void TZadZdrojForm::NulujBtnClick() {
    for (TMDoubleEdit* f : Zdroj.pole)
        f->NastavCislo(0, QStringLiteral("0"));
}

void TZadZdrojForm::VseBtnClick() {
    // The 63 Hz field may still hold typed text: take it as leaving it would.
    if (!Zdroj.pole[0]->Over()) return;
    const double v = Zdroj.pole[0]->Cislo();
    for (int i = 1; i < PocetPasem; ++i)
        Zdroj.pole[i]->NastavCislo(v);
}

void TZadZdrojForm::ZKataloguBtnClick() {
    if (!Katalog) return;
    const auto p = VyberZKatalogu(*Katalog, KatalogZdroj, this);
    if (!p) return;
    ZdrojPopisEdit->setText(QString::fromStdString(p->Nazev));
    VlozPasma(Zdroj, p->VlastniDrun);
}

void TZadZdrojForm::DoKataloguBtnClick() {
    if (!Katalog || !TMEdit::OverVse(this)) return;
    PolozkaKatalogu p;
    p.Nazev = ZdrojPopisEdit->text().toStdString();
    p.VlastniDrun = HodnotyPasem(Zdroj);
    UlozDoKatalogu(*Katalog, KatalogZdroj, p, this);
}
