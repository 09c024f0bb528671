#include "ui/dialogy/VybElFrm.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "core/Druhy.h"
#include "ui/spolecne/Hlaseni.h"
#include "ui/spolecne/Nastaveni.h"

using namespace drun;

TVyberTypForm::TVyberTypForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Přidat element - vyber typ"));
    // While it is open the list cannot change under it.
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    auto* v = new QVBoxLayout(this);
    for (const DruhElementu& d : Druhy()) {
        const NabidkaDruhu& n = d.Nabidka;
        if (!*n.Text) continue; // the source is never added
        auto* b = new QPushButton(QString::fromUtf8(n.Text), this);
        b->setObjectName(QString::fromLatin1(n.Tlacitko));
        b->setAutoDefault(false);
        b->setMinimumWidth(220);
        if (*n.Tip) NastavHint(b, QString::fromUtf8(n.Tip));
        b->setEnabled(false); // until a dialog for the type is registered
        connect(b, &QPushButton::clicked, this, [this, t = int(d.Kod)] { emit TypVybran(t); });
        v->addWidget(b);
        tlacitka_[d.Kod] = b;
    }
    adjustSize();
    setFixedSize(sizeHint().expandedTo(QSize(SirkaProTitulek(this), 0)));
}

bool TVyberTypForm::event(QEvent* e) {
    return PredejHint(this, e) || QDialog::event(e);
}

void TVyberTypForm::PovolTyp(int typ, bool povolit) {
    if (QPushButton* b = Tlacitko(typ)) b->setEnabled(povolit);
}
