#include "ui/dialogy/ZZdrFrm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "core/Cisla.h"
#include "core/Druhy.h"
#include "core/DrunVar.h"
#include "core/DrunVyp.h"
#include "models/Zdroj.h"
#include "ui/dialogy/KatalogVyber.h"
#include "ui/dialogy/MujEdit.h"
#include "ui/dialogy/TextPole.h"
#include "ui/spolecne/Hlaseni.h"

using namespace drun;

TZadZdrojForm::TZadZdrojForm(DrunVar& var, QWidget* parent)
    : TPlnenyDialog(QStringLiteral("Zadání zdroje drunu"), true, parent), var_(var) {
    auto* v = new QVBoxLayout(this);
    auto* popis = new QHBoxLayout;
    popis->addWidget(new QLabel(QStringLiteral("Popis"), this));
    ZdrojPopisEdit = new QLineEdit(QStringLiteral("Zdroj drunu"), this);
    // Room for the description of an estimate with every parameter given.
    ZdrojPopisEdit->setMaxLength(100);
    PovolJen1250(ZdrojPopisEdit);
    popis->addWidget(ZdrojPopisEdit, 1);
    v->addLayout(popis);

    auto* g = new QGridLayout;
    PridejZahlaviPasem(g, 0, 1);
    Zdroj = PridejRadekPasem(g, 1, 1, QStringLiteral("Akustický výkon"), this);
    for (TMDoubleEdit* f : Zdroj.pole)
        f->NastavCislo(0, QStringLiteral("0"));
    v->addLayout(g);
    OdhadBtn = new QPushButton(QStringLiteral("Odhad z parametrů ventilátoru..."), this);
    OdhadBtn->setAutoDefault(false);
    connect(OdhadBtn, &QPushButton::clicked, this, &TZadZdrojForm::OdhadBtnClick);
    OdhadForm = new TOdhadVentilatoruForm(this);
    auto* odhad = new QHBoxLayout;
    odhad->addWidget(OdhadBtn);
    odhad->addStretch();
    v->addLayout(odhad);

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
    const auto e = PopisElementu(
        var_, false, [&z](DrunVar& v) { ZapisZdroj(v, z); }, [](DrunVar&) { return true; });
    accept();
    emit ZdrojZmenen(*e);
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

void TZadZdrojForm::OdhadBtnClick() {
    OdhadForm->UkazVykon();
    if (OdhadForm->exec() == QDialog::Accepted) PouzijOdhad(*OdhadForm);
}

void TZadZdrojForm::PouzijOdhad(const TOdhadVentilatoruForm& o) {
    // The default and an earlier estimate's description go without asking.
    const QString popis = ZdrojPopisEdit->text().trimmed();
    const bool napsany =
        !popis.isEmpty() && popis != QString::fromUtf8(NazevTypu(TypZdroj)) &&
        !popis.startsWith(QString::fromUtf8(ZacatekPopisuOdhadu.data(),
                                            static_cast<qsizetype>(ZacatekPopisuOdhadu.size())));
    if (!napsany || hlaseni().Potvrd(QStringLiteral("Nahradit popis zdroje „") + popis +
                                     QStringLiteral("“ popisem odhadu?")))
        ZdrojPopisEdit->setText(QString::fromStdString(o.Popis));
    for (int i = 0; i < PocetPasem; ++i)
        Zdroj.pole[i]->NastavCislo(std::round(o.Odhad.Pasma[i] * 10) / 10, 1);
}

TOdhadVentilatoruForm::TOdhadVentilatoruForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Odhad z parametrů ventilátoru"));
    auto* g = new QGridLayout;
    PrutokEdit = PridejPole(g, 0, 0, QStringLiteral("Průtok v m3/hod"), this);
    TlakEdit = PridejPole(g, 1, 0, QStringLiteral("Celkový tlak v Pa"), this);
    OtackyEdit = PridejPole(g, 2, 0, QStringLiteral("Otáčky za minutu"), this);
    DruhComboBox = new QComboBox(this);
    DruhComboBox->addItems({QStringLiteral("RR radiální s dozadu zahnutými lopatkami"),
                            QStringLiteral("T radiální s dopředu zahnutými lopatkami"),
                            QStringLiteral("AM axiální s rozváděcím kolem")});
    g->addWidget(new QLabel(QStringLiteral("Druh"), this), 3, 0);
    g->addWidget(DruhComboBox, 3, 1, 1, 2);
    PomerEdit = PridejPole(g, 4, 0, QStringLiteral("Poměr V/V_opt (nepovinný)"), this, 1,
                           QStringLiteral("Poměr V/V_opt"));
    LopatekEdit = new QLineEdit(this);
    LopatekEdit->setAlignment(Qt::AlignRight);
    // Its text goes into the source's description.
    PovolJen1250(LopatekEdit);
    UmistiPole(g, 5, 0, QStringLiteral("Počet lopatek (nepovinný)"), LopatekEdit);
    PrutokEdit->NastavMeze(VentPrutokMin, VentPrutokMax);
    TlakEdit->NastavMeze(VentTlakMin, VentTlakMax);
    OtackyEdit->NastavMeze(VentOtackyMin, VentOtackyMax);
    PomerEdit->NastavMeze(VentPomerMin, VentPomerMax);
    PomerEdit->NastavCislo(1, QStringLiteral("1"));
    VykonLbl = new QLabel(this);
    NastavHint(VykonLbl, QStringLiteral("Celkový akustický výkon ventilátoru podle odhadu"));
    g->addWidget(VykonLbl, 6, 0, 1, 3);
    for (TMDoubleEdit* f : {PrutokEdit, TlakEdit, OtackyEdit, PomerEdit})
        connect(f, &TMEdit::Prevzato, this, &TOdhadVentilatoruForm::UkazVykon);
    connect(LopatekEdit, &QLineEdit::editingFinished, this, &TOdhadVentilatoruForm::UkazVykon);
    connect(DruhComboBox, &QComboBox::currentIndexChanged, this, &TOdhadVentilatoruForm::UkazVykon);
    UkazVykon();
    auto* v = new QVBoxLayout(this);
    v->addLayout(g);
    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    StornoBtn = new QPushButton(QStringLiteral("Storno"), this);
    OKBtn->setDefault(true);
    StornoBtn->setAutoDefault(false);
    connect(OKBtn, &QPushButton::clicked, this, &TOdhadVentilatoruForm::OKBtnClick);
    connect(StornoBtn, &QPushButton::clicked, this, &QDialog::reject);
    auto* h = new QHBoxLayout;
    h->addStretch();
    h->addWidget(OKBtn);
    h->addWidget(StornoBtn);
    v->addLayout(h);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

VstupyVentilatoru TOdhadVentilatoruForm::Vstupy(QString& lopatek) const {
    VstupyVentilatoru v;
    v.Prutok = PrutokEdit->Cislo();
    v.Tlak = TlakEdit->Cislo();
    v.Otacky = OtackyEdit->Cislo();
    v.Pomer = PomerEdit->Cislo();
    v.Druh = static_cast<DruhVentilatoru>(DruhComboBox->currentIndex());
    lopatek = LopatekEdit->text().trimmed();
    if (!lopatek.isEmpty()) {
        v.Lopatek = CtiInt(lopatek.toStdString());
        if (!v.Lopatek) v.Lopatek = 0; // refused with the range
    }
    return v;
}

void TOdhadVentilatoruForm::UkazVykon() {
    QString lopatek;
    const VstupyVentilatoru v = Vstupy(lopatek);
    // As drun-protokol --ventilator gives it.
    VykonLbl->setText(QStringLiteral("Akustický výkon ventilátoru L(W) ") +
                      (ChybaVentilatoru(v).empty()
                           ? QString::fromStdString(FormatHodnota(OdhadniVentilator(v).LW)) +
                                 QStringLiteral(" dB")
                           : QStringLiteral("-")));
}

void TOdhadVentilatoruForm::OKBtnClick() {
    if (!TMEdit::OverVse(this)) return;
    QString lopatek;
    const VstupyVentilatoru v = Vstupy(lopatek);
    UkazVykon();
    // The fields hold the program's start values until typed: all are checked.
    if (const std::string chyba = ChybaVentilatoru(v); !chyba.empty()) {
        hlaseni().Chyba(QString::fromStdString(chyba));
        return;
    }
    Odhad = OdhadniVentilator(v);
    Popis = PopisOdhaduVentilatoru(
        v.Druh, PrutokEdit->text().trimmed().toStdString(),
        TlakEdit->text().trimmed().toStdString(), OtackyEdit->text().trimmed().toStdString(),
        // the default ratio goes without saying
        v.Pomer == 1 ? std::string() : PomerEdit->text().trimmed().toStdString(),
        lopatek.toStdString());
    accept();
}
