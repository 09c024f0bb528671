#include "ui/About.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("O programu"));
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    auto* v = new QVBoxLayout(this);
    auto* nazev = new QLabel(QStringLiteral("<h1>DRUN</h1>"), this);
    nazev->setAlignment(Qt::AlignCenter);
    auto* titul = new QLabel(QStringLiteral("VÝPOČET DRUNU VE VZT ZAŘÍZENÍ"), this);
    titul->setAlignment(Qt::AlignCenter);
    auto* verze = new QLabel(QStringLiteral("Verze 3.010"), this);
    verze->setAlignment(Qt::AlignCenter);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    v->addWidget(nazev);
    v->addWidget(titul);
    v->addWidget(verze);
    v->addWidget(ok, 0, Qt::AlignCenter);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}
