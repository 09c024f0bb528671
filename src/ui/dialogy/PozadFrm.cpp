#include "ui/dialogy/PozadFrm.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/Cisla.h"
#include "core/DrunVar.h"
#include "tools/Pozadavek.h"
#include "ui/dialogy/MujEdit.h"
#include "ui/spolecne/Hlaseni.h"

using namespace drun;

TPozadavekForm::TPozadavekForm(DrunVar& var, QWidget* parent)
    : TPozadavekForm(var, var.Pozadavek, parent) {
    NaplnSpektrum(var_.Pozadavek, 0);
}

TPozadavekForm::TPozadavekForm(DrunVar& var, Spectrum& pozadavek, QWidget* parent)
    : TPlnenyDialog(QStringLiteral("Požadavek na konci sítě"), true, parent), var_(var),
      pozadavek_(pozadavek) {
    auto* v = new QVBoxLayout(this);
    auto* horni = new QHBoxLayout;
    auto* skupina = new QGroupBox(this);
    auto* sv = new QVBoxLayout(skupina);
    PozadRadioGroup = new QButtonGroup(this);
    auto* poOktavach = new QRadioButton(QStringLiteral("Po oktávách"), skupina);
    auto* nKrivky = new QRadioButton(QStringLiteral("N křivky"), skupina);
    auto* limit = new QRadioButton(QStringLiteral("Limit v dB(A)"), skupina);
    PozadRadioGroup->addButton(poOktavach, 0);
    PozadRadioGroup->addButton(nKrivky, 1);
    PozadRadioGroup->addButton(limit, 2);
    sv->addWidget(poOktavach);
    sv->addWidget(nKrivky);
    sv->addWidget(limit);
    horni->addWidget(skupina);
    auto* vyber = new QVBoxLayout;
    NkrivkyComboBox = new QComboBox(this);
    NkrivkyComboBox->addItem(QStringLiteral("---"));
    for (const std::string& nazev : NazvyKrivek())
        NkrivkyComboBox->addItem(QString::fromStdString(nazev));
    NkrivkyComboBox->setMaxVisibleItems(27);
    NkrivkyComboBox->setMinimumWidth(80);
    LimitLAEdit = new TMDoubleEdit(this);
    LimitLAEdit->setMaximumWidth(80);
    LimitLAEdit->Nazev = QStringLiteral("Limit");
    LimitLAEdit->NastavMeze(LimitLAMin, LimitLAMax);
    LimitLAEdit->setStatusTip(QStringLiteral("Limit hladiny A na konci sítě v dB(A), nejvýš jedno "
                                             "desetinné místo"));
    vyber->addStretch();
    vyber->addWidget(NkrivkyComboBox);
    vyber->addWidget(LimitLAEdit);
    horni->addLayout(vyber);
    horni->addStretch();
    v->addLayout(horni);

    auto* g = new QGridLayout;
    PridejZahlaviPasem(g, 0, 1);
    Hodn = PridejRadekPasem(g, 1, 1, QString(), this, QStringLiteral("Požadavek"));
    v->addLayout(g);

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    StornoBtn = new QPushButton(QStringLiteral("Storno"), this);
    NulujBtn = new QPushButton(QStringLiteral("Vynulovat"), this);
    OKBtn->setDefault(true);
    for (QPushButton* b : {OKBtn, StornoBtn, NulujBtn})
        b->setFocusPolicy(Qt::TabFocus);
    StornoBtn->setAutoDefault(false);
    NulujBtn->setAutoDefault(false);
    auto* h = new QHBoxLayout;
    h->addWidget(NulujBtn);
    h->addStretch();
    h->addWidget(OKBtn);
    h->addWidget(StornoBtn);
    v->addLayout(h);
    connect(OKBtn, &QPushButton::clicked, this, &TPozadavekForm::OKBtnClick);
    connect(StornoBtn, &QPushButton::clicked, this, &TPozadavekForm::StornoBtnClick);
    connect(NulujBtn, &QPushButton::clicked, this, &TPozadavekForm::NulujBtnClick);
    connect(PozadRadioGroup, &QButtonGroup::idClicked, this, &TPozadavekForm::PozadRadioGroupClick);
    connect(NkrivkyComboBox, &QComboBox::activated, this, &TPozadavekForm::NkrivkyComboBoxChange);
    connect(LimitLAEdit, &QLineEdit::textChanged, this, &TPozadavekForm::LimitLAEditChange);

    // FormCreate
    for (TMDoubleEdit* f : Hodn.pole)
        f->NastavMeze(var_.MinUroven, var_.MaxUroven);
    poOktavach->setChecked(true);
    PozadRadioGroupClick(0);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TPozadavekForm::FormShow() {
    // The requirement being edited: its curve chosen when it is one, else its levels.
    const int krivka = NkrivkyComboBox->findText(QString::fromStdString(TextPozadavku(pozadavek_)));
    PozadRadioGroupClick(krivka > 0 ? 1 : 0);
    if (krivka > 0) NkrivkyComboBox->setCurrentIndex(krivka);
    for (int i = 0; i < PocetPasem; ++i)
        Hodn.pole[i]->NastavCislo(pozadavek_[i]);
    // A limit is shown as the limit, so that OK keeps its L(A).
    if (const auto la = LimitLA(pozadavek_)) {
        PozadRadioGroupClick(2);
        LimitLAEdit->NastavCislo(*la, QString::fromStdString(FormatObecne(*la)));
    } else if (PozadRadioGroup->checkedId() == 2) {
        PozadRadioGroupClick(0);
    }
}

void TPozadavekForm::PozadRadioGroupClick(int index) {
    PozadRadioGroup->button(index)->setChecked(true);
    const bool krivky = index == 1;
    if (!krivky) NkrivkyComboBox->setCurrentIndex(0);
    NkrivkyComboBox->setEnabled(krivky);
    LimitLAEdit->setEnabled(index == 2);
    for (TMDoubleEdit* f : Hodn.pole)
        f->setEnabled(index == 0);
}

void TPozadavekForm::LimitLAEditChange(const QString& text) {
    const auto la = CtiDouble(text.toStdString());
    if (!la || *la < LimitLAMin || *la > LimitLAMax) return;
    const Spectrum s = PozadavekLA(*la);
    for (int i = 0; i < PocetPasem; ++i)
        Hodn.pole[i]->NastavCislo(s[i]);
}

void TPozadavekForm::NkrivkyComboBoxChange(int index) {
    NkrivkyComboBox->setCurrentIndex(index);
    if (index < 1) return;
    const auto k = CtiPozadavek(NkrivkyComboBox->itemText(index).toStdString());
    if (!k) return;
    for (int i = 0; i < PocetPasem; ++i)
        Hodn.pole[i]->NastavCislo((*k)[static_cast<size_t>(i)]);
}

void TPozadavekForm::NulujBtnClick() {
    PozadRadioGroupClick(0);
    for (TMDoubleEdit* f : Hodn.pole)
        f->NastavCislo(0, QStringLiteral("0"));
}

void TPozadavekForm::OKBtnClick() {
    if (!TMEdit::OverVse(this)) return;
    const Spectrum puvodni = pozadavek_;
    if (PozadRadioGroup->checkedId() == 2) {
        // An empty field holds 0, which is no limit.
        if (!PoleVMezich(this)) return;
        const Spectrum s = PozadavekLA(LimitLAEdit->Cislo());
        // The limit is written by its name, which holds one decimal.
        if (!LimitLA(s)) {
            hlaseni().Chyba(QStringLiteral("Limit v dB(A) se zadává nejvýš s jedním desetinným "
                                           "místem."));
            LimitLAEdit->setFocus();
            return;
        }
        pozadavek_ = s;
    } else {
        std::array<double, PocetPasem> p{};
        for (int i = 0; i < PocetPasem; ++i)
            p[static_cast<size_t>(i)] = Hodn.pole[i]->Cislo();
        NastavPozadavek(pozadavek_, p);
    }
    accept();
    // OK without a change changes nothing.
    if (pozadavek_ != puvodni) emit PozadavekZmenen();
}
