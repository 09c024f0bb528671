#include "ui/dialogy/VybElFrm.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "core/DrunVar.h"
#include "ui/spolecne/Hlaseni.h"

using namespace drun;

TVyberTypForm::TVyberTypForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Přidat element - vyber typ"));
    setModal(false);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    auto* v = new QVBoxLayout(this);
    const std::array<std::tuple<int, const char*, const char*, const char*>, 9> tab{{
        {TypObecny, "ObecElemBtn", "Obecný element", "Zadáte útlum a vlastní drun"},
        {TypHrPotrubi, "HranPotrBtn", "Hranaté potrubí", ""},
        {TypKuPotrubi, "KulPotrBtn", "Kruhové potrubí", ""},
        {TypOblouk, "ObloukBtn", "Oblouk, koleno", ""},
        {TypOdbocka, "OdbockaBtn", "Odbočka, rozbočka", ""},
        {TypVyustka, "VyustkaBtn", "Vyústka, žaluzie", ""},
        {TypTlumic, "KTlumicBtn", "Kulisový tlumič drunu", ""},
        {TypVice, "ViceBtn", "Korekce na více zdrojů drunu", ""},
        {TypMistnost, "MistnostBtn", "Místnost", "Místnost (může být jen jedna)"},
    }};
    for (const auto& [typ, jmeno, text, hint] : tab) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QString::fromLatin1(jmeno));
        b->setAutoDefault(false);
        b->setMinimumWidth(220);
        if (*hint) NastavHint(b, QString::fromUtf8(hint));
        b->setEnabled(false); // until a dialog for the type is registered
        connect(b, &QPushButton::clicked, this, [this, t = typ] { emit TypVybran(t); });
        v->addWidget(b);
        tlacitka_[static_cast<size_t>(typ)] = b;
    }
    adjustSize();
    setFixedSize(sizeHint());
}

bool TVyberTypForm::event(QEvent* e) {
    return PredejHint(this, e) || QDialog::event(e);
}

void TVyberTypForm::PovolTyp(int typ, bool povolit) {
    if (QPushButton* b = Tlacitko(typ)) b->setEnabled(povolit);
}
