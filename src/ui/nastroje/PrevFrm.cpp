#include "ui/nastroje/PrevFrm.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/Cisla.h"
#include "tools/Prevod.h"
#include "ui/dialogy/MujEdit.h"
#include "ui/dialogy/TextHodnoty.h"

using namespace drun;

TPrevodForm::TPrevodForm(QWidget* parent) : TPlnenyDialog(QStringLiteral("Převod"), false, parent) {
    auto* v = new QVBoxLayout(this);

    auto* g = new QGridLayout;
    g->setHorizontalSpacing(4);
    PridejZahlaviPasem(g, 0, 1);
    LxLbl = new QLabel(QStringLiteral("L(x)"), this);
    LxLbl->setAlignment(Qt::AlignCenter);
    QFont tucne = LxLbl->font();
    tucne.setBold(true);
    LxLbl->setFont(tucne);
    g->addWidget(LxLbl, 0, 9);
    Hodn = PridejRadekPasem(g, 1, 1, QStringLiteral("Zadej hodnoty "), this,
                            QStringLiteral("Hodnota"));
    VyslLxLbl = new QLabel(this);
    VyslLxLbl->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    VyslLxLbl->setFrameShape(QFrame::StyledPanel);
    VyslLxLbl->setFrameShadow(QFrame::Sunken);
    VyslLxLbl->setFixedWidth(56);
    VyslLxLbl->setFont(tucne);
    g->addWidget(VyslLxLbl, 1, 9);
    g->addWidget(new QLabel(QStringLiteral("Korekce váhového filtru"), this), 2, 0);
    for (int i = 0; i < PocetPasem; ++i) {
        auto* l = new QLabel(this);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setFixedWidth(56);
        g->addWidget(l, 2, i + 1);
        Kor[static_cast<size_t>(i)] = l;
    }
    v->addLayout(g);

    auto* spodek = new QHBoxLayout;
    auto* skupina = new QGroupBox(QStringLiteral("Převod na:"), this);
    auto* sh = new QHBoxLayout(skupina);
    PrevodRadioGroup = new QButtonGroup(this);
    for (int i = 0; i < PocetVazeni; ++i) {
        auto* r = new QRadioButton(QString::fromUtf8(NazevPrevodu(i)), skupina);
        // A click must not validate the field being left; the handler does.
        r->setFocusPolicy(Qt::TabFocus);
        PrevodRadioGroup->addButton(r, i);
        sh->addWidget(r);
    }
    spodek->addWidget(skupina);
    spodek->addStretch();
    OKBtn = new QPushButton(QStringLiteral("Převeď"), this);
    StornoBtn = new QPushButton(QStringLiteral("Storno"), this);
    OKBtn->setDefault(true);
    StornoBtn->setAutoDefault(false);
    for (QPushButton* b : {OKBtn, StornoBtn})
        b->setFocusPolicy(Qt::TabFocus);
    spodek->addWidget(OKBtn, 0, Qt::AlignBottom);
    spodek->addWidget(StornoBtn, 0, Qt::AlignBottom);
    v->addLayout(spodek);

    connect(OKBtn, &QPushButton::clicked, this, &TPrevodForm::OKBtnClick);
    connect(StornoBtn, &QPushButton::clicked, this, &TPrevodForm::StornoBtnClick);
    connect(PrevodRadioGroup, &QButtonGroup::idClicked, this, &TPrevodForm::PrevodRadioGroupClick);
    for (TMDoubleEdit* f : Hodn.pole)
        connect(f, &QLineEdit::textChanged, this, &TPrevodForm::HodnEditChange);

    // FormCreate
    for (TMDoubleEdit* f : Hodn.pole) {
        f->NastavMeze(MinHladinaPrevodu, MaxHladinaPrevodu);
        f->NastavCislo(0, QStringLiteral("0"));
    }
    // The result is named "L(x)" until the user picks a weighting.
    ZvolVazeni(VazeniA);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TPrevodForm::FormShow() {
    Hodn.pole[0]->setFocus();
}

void TPrevodForm::PrevodRadioGroupClick(int index) {
    if (index < 0 || index >= PocetVazeni) return;
    LxLbl->setText(QString::fromUtf8(NazevPrevodu(index)));
    ZvolVazeni(index);
}

void TPrevodForm::ZvolVazeni(int index) {
    vazeni_ = index;
    PrevodRadioGroup->button(index)->setChecked(true);
    const auto& vaha = VahaPrevodu(index);
    for (int i = 0; i < PocetPasem; ++i)
        Kor[static_cast<size_t>(i)]->setText(Text(vaha[i]));
    // A level still being typed is validated first; a refused one leaves "nevím".
    if (TMEdit::OverVse(this)) Preved();
}

void TPrevodForm::OKBtnClick() {
    if (!TMEdit::OverVse(this)) return;
    Preved();
}

void TPrevodForm::Preved() {
    std::array<double, PocetPasem> h{};
    for (int i = 0; i < PocetPasem; ++i)
        h[static_cast<size_t>(i)] = Hodn.pole[i]->Cislo();
    VyslLxLbl->setText(Text(PrevedNaLx(h, vazeni_)));
}

void TPrevodForm::HodnEditChange() {
    VyslLxLbl->setText(QStringLiteral("nevím"));
}
