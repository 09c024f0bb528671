#include "ui/hlavni/Napoveda.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

// The pages live in a static library; without this the linker would drop them.
static void NactiStranky() {
    Q_INIT_RESOURCE(napoveda);
}

QUrl TNapovedaForm::Obsah() {
    return QUrl(QStringLiteral("qrc:/napoveda/obsah.html"));
}

TNapovedaForm::TNapovedaForm(QWidget* parent) : QDialog(parent) {
    NactiStranky();
    setWindowTitle(QStringLiteral("DRUN - nápověda"));
    setModal(false);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMinMaxButtonsHint);
    auto* v = new QVBoxLayout(this);
    auto* lista = new QHBoxLayout;
    ObsahBtn = new QPushButton(QStringLiteral("Obsah"), this);
    ZpetBtn = new QPushButton(QStringLiteral("< Zpět"), this);
    VpredBtn = new QPushButton(QStringLiteral("Vpřed >"), this);
    ZavritBtn = new QPushButton(QStringLiteral("Zavřít"), this);
    for (QPushButton* b : {ObsahBtn, ZpetBtn, VpredBtn, ZavritBtn})
        b->setAutoDefault(false);
    lista->addWidget(ObsahBtn);
    lista->addWidget(ZpetBtn);
    lista->addWidget(VpredBtn);
    lista->addStretch();
    lista->addWidget(ZavritBtn);
    v->addLayout(lista);

    Stranka = new QTextBrowser(this);
    Stranka->setOpenLinks(true);
    Stranka->setOpenExternalLinks(false);
    Stranka->setSearchPaths({QStringLiteral(":/napoveda")});
    v->addWidget(Stranka, 1);

    connect(ObsahBtn, &QPushButton::clicked, this, [this] { Stranka->setSource(Obsah()); });
    connect(ZpetBtn, &QPushButton::clicked, Stranka, &QTextBrowser::backward);
    connect(VpredBtn, &QPushButton::clicked, Stranka, &QTextBrowser::forward);
    connect(ZavritBtn, &QPushButton::clicked, this, &QDialog::close);
    connect(Stranka, &QTextBrowser::backwardAvailable, ZpetBtn, &QPushButton::setEnabled);
    connect(Stranka, &QTextBrowser::forwardAvailable, VpredBtn, &QPushButton::setEnabled);
    ZpetBtn->setEnabled(false);
    VpredBtn->setEnabled(false);
    Stranka->setSource(Obsah());
    resize(680, 600);
}

void TNapovedaForm::Otevri() {
    OtevriStranku(Obsah().toString());
}

void TNapovedaForm::OtevriStranku(const QString& stranka) {
    const QUrl url(stranka);
    // Shown first: a section is scrolled to in the page as it is laid out on screen.
    show();
    raise();
    activateWindow();
    if (Stranka->source() != url) Stranka->setSource(url);
    if (url.hasFragment()) Stranka->scrollToAnchor(url.fragment());
}
