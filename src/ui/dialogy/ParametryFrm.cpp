#include "ui/dialogy/ParametryFrm.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "core/Konfigurace.h"
#include "ui/dialogy/MujEdit.h"
#include "ui/dialogy/TextPole.h"
#include "ui/spolecne/Hlaseni.h"
#include "ui/spolecne/Nastaveni.h"

using namespace drun;

TParametryForm::TParametryForm(DrunVar& var, QWidget* parent) : QDialog(parent), var_(var) {
    setWindowTitle(QStringLiteral("Parametry výpočtu"));
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    auto* v = new QVBoxLayout(this);
    auto* g = new QGridLayout;
    g->addWidget(new QLabel(QStringLiteral("Délka stránky na tiskárně"), this), 0, 0);
    DelkaStranyEdit = new TMIntegerEdit(this);
    DelkaStranyEdit->Nazev = QStringLiteral("Délka stránky");
    DelkaStranyEdit->NastavMeze(MinDelkaStranky, MaxDelkaStranky);
    DelkaStranyEdit->NastavCislo(60);
    DelkaStranyEdit->setMaximumWidth(60);
    g->addWidget(DelkaStranyEdit, 0, 1);
    AutoSaveBox = new QCheckBox(QStringLiteral("Automaticky ukládat zadání"), this);
    AutoSaveBox->setChecked(true);
    g->addWidget(AutoSaveBox, 1, 0, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("Zprávu zpracoval"), this), 2, 0);
    AutorEdit = new QLineEdit(this);
    AutorEdit->setMaxLength(100);
    // Like every name the program prints: one line, as a data file could hold it.
    PovolJen1250(AutorEdit);
    AutorEdit->setToolTip(QStringLiteral("Jméno na řádku „Zpracoval:“ zprávy o rozvodu a o "
                                         "projektu"));
    g->addWidget(AutorEdit, 2, 1);
    v->addLayout(g);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    ResetButton = new QPushButton(QStringLiteral("Reset"), this);
    SaveCfgButton = new QPushButton(QStringLiteral("Ulož"), this);
    StornoButon = new QPushButton(QStringLiteral("Storno"), this);
    OKButton->setDefault(true);
    for (QPushButton* b : {ResetButton, SaveCfgButton, StornoButon})
        b->setAutoDefault(false);
    connect(OKButton, &QPushButton::clicked, this, &TParametryForm::OKButtonClick);
    connect(ResetButton, &QPushButton::clicked, this, &TParametryForm::ResetButtonClick);
    connect(SaveCfgButton, &QPushButton::clicked, this, &TParametryForm::SaveCfgButtonClick);
    connect(StornoButon, &QPushButton::clicked, this, &TParametryForm::StornoButonClick);
    auto* h = new QHBoxLayout;
    for (QPushButton* b : {OKButton, ResetButton, SaveCfgButton, StornoButon})
        h->addWidget(b);
    v->addLayout(h);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TParametryForm::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!e->spontaneous()) FormShow();
}

void TParametryForm::Zobraz() {
    DelkaStranyEdit->NastavCislo(var_.parametry.DelkaStranky);
    AutoSaveBox->setChecked(var_.parametry.AutoUlozeni);
    AutorEdit->setText(AutorZpravy());
}

bool TParametryForm::Prevezmi() {
    if (!TMEdit::OverVse(this)) return false;
    var_.parametry.DelkaStranky = DelkaStranyEdit->Cislo();
    var_.parametry.AutoUlozeni = AutoSaveBox->isChecked();
    NastavAutoraZpravy(AutorEdit->text().simplified());
    return true;
}

void TParametryForm::FormShow() {
    zaloha_ = var_.parametry;
    Zobraz();
    DelkaStranyEdit->setFocus();
}

void TParametryForm::OKButtonClick() {
    if (Prevezmi()) accept();
}

void TParametryForm::ResetButtonClick() {
    ResetParametru(var_.parametry);
    Zobraz();
}

void TParametryForm::SaveCfgButtonClick() {
    if (!Prevezmi()) return;
    Ohlas(ZapisKonfiguraci(var_));
}

void TParametryForm::StornoButonClick() {
    var_.parametry = zaloha_;
    Zobraz();
    QDialog::reject();
}

void TParametryForm::reject() {
    StornoButonClick();
}
