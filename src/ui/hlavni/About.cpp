#include "ui/hlavni/About.h"

#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/DrunVar.h"

TAboutBox::TAboutBox(const drun::DrunVar& var, QWidget* parent) : QDialog(parent), var_(var) {
    setWindowTitle(QStringLiteral("O programu"));
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    auto* v = new QVBoxLayout(this);
    auto* nazev = new QLabel(QStringLiteral("<h1>DRUN</h1>"), this);
    nazev->setAlignment(Qt::AlignCenter);
    auto* titul = new QLabel(QStringLiteral("VÝPOČET DRUNU VE VZT ZAŘÍZENÍ"), this);
    titul->setAlignment(Qt::AlignCenter);
    auto* verze = new QLabel(QStringLiteral("Verze " DRUN_VERZE), this);
    verze->setAlignment(Qt::AlignCenter);
    SouboryLbl = new QLabel(this);
    SouboryLbl->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    v->addWidget(nazev);
    v->addWidget(titul);
    v->addWidget(verze);
    v->addSpacing(8);
    v->addWidget(SouboryLbl);
    v->addWidget(ok, 0, Qt::AlignCenter);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TAboutBox::showEvent(QShowEvent* e) {
    const auto cesta = [](const std::string& s) {
        return QDir::toNativeSeparators(QString::fromStdString(s));
    };
    SouboryLbl->setText(QStringLiteral("Konfigurační soubor: ") + cesta(var_.SouborCfg) +
                        QStringLiteral("\nData kulisových tlumičů: ") + cesta(var_.SouborTlumice) +
                        QStringLiteral("\nKatalog: ") +
                        QDir::toNativeSeparators(SouborKatalogu ? SouborKatalogu() : QString()) +
                        QStringLiteral("\nAutomatické uložení: ") + cesta(var_.SouborDat));
    layout()->activate(); // the window takes the size of the new text before it appears
    QDialog::showEvent(e);
}
