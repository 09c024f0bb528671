#include "ui/nastroje/ImportIfcFrm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <map>

#include "core/Cisla.h"
#include "io/Ifc.h"
#include "tools/Rozvod.h"
#include "ui/dialogy/MujEdit.h"
#include "ui/hlavni/Dokument.h"
#include "ui/spolecne/Hlaseni.h"
#include "ui/tisk/Tisk.h"

using namespace drun;

TImportIfcForm::TImportIfcForm(TDokument& dokument, GrafSite model, const QString& soubor,
                               QWidget* parent)
    : QDialog(parent), dokument_(dokument), model_(std::move(model)), soubor_(soubor) {
    setWindowTitle(QStringLiteral("Importovat z IFC"));
    auto* v = new QVBoxLayout(this);
    auto* z = new QHBoxLayout;
    z->addWidget(new QLabel(QStringLiteral("Zdroj:"), this));
    ZdrojCombo = new QComboBox(this);
    z->addWidget(ZdrojCombo, 1);
    v->addLayout(z);
    v->addWidget(
        new QLabel(QStringLiteral("Koncové prvky (průtok v m3/hod, kde ho model nemá):"), this));
    KoncoveTab = new QTableWidget(0, 3, this);
    KoncoveTab->setHorizontalHeaderLabels(
        {QStringLiteral("Koncový prvek"), QStringLiteral("Místnost"), QStringLiteral("Průtok")});
    KoncoveTab->verticalHeader()->setVisible(false);
    KoncoveTab->setEditTriggers(QAbstractItemView::NoEditTriggers);
    KoncoveTab->horizontalHeader()->setStretchLastSection(true);
    v->addWidget(KoncoveTab, 1);
    v->addWidget(new QLabel(QStringLiteral("Zpráva o importu:"), this));
    ZpravaEdit = new QPlainTextEdit(this);
    ZpravaEdit->setReadOnly(true);
    ZpravaEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
    v->addWidget(ZpravaEdit, 2);
    auto* tl = new QHBoxLayout;
    TiskBtn = new QPushButton(QStringLiteral("Tisk..."), this);
    tl->addWidget(TiskBtn);
    tl->addStretch();
    OKBtn = new QPushButton(QStringLiteral("Otevřít rozvod"), this);
    StornoBtn = new QPushButton(QStringLiteral("Storno"), this);
    OKBtn->setDefault(true);
    tl->addWidget(OKBtn);
    tl->addWidget(StornoBtn);
    v->addLayout(tl);
    connect(ZdrojCombo, &QComboBox::currentIndexChanged, this, &TImportIfcForm::ZdrojZmenen);
    connect(OKBtn, &QPushButton::clicked, this, &TImportIfcForm::OKBtnClick);
    connect(TiskBtn, &QPushButton::clicked, this, &TImportIfcForm::TiskBtnClick);
    connect(StornoBtn, &QPushButton::clicked, this, &TImportIfcForm::StornoBtnClick);
    resize(760, 620);
}

size_t TImportIfcForm::Zdroj() const {
    const int i = ZdrojCombo->currentIndex();
    return i < 0 ? model_.Prvky.size() : zdroje_[size_t(i)].Prvek;
}

void TImportIfcForm::FormShow() {
    zdroje_ = ZdrojeGrafu(model_);
    const QSignalBlocker b(ZdrojCombo);
    ZdrojCombo->clear();
    for (const ZdrojGrafu& z : zdroje_)
        ZdrojCombo->addItem(QString::fromStdString(NazevPrvkuGrafu(model_, z.Prvek)) +
                            QStringLiteral(" – koncových prvků: %1").arg(z.Koncove.size()));
    // The first source that reaches a terminal.
    for (size_t i = 0; i < zdroje_.size(); ++i)
        if (!zdroje_[i].Koncove.empty()) {
            ZdrojCombo->setCurrentIndex(int(i));
            break;
        }
    ZdrojZmenen();
}

void TImportIfcForm::ZdrojZmenen() {
    KoncoveTab->setRowCount(0);
    PrutokEdit.clear();
    koncove_ = {};
    if (Zdroj() < model_.Prvky.size()) koncove_ = KoncoveGrafu(model_, Zdroj());
    for (const KoncovyPrvek& k : koncove_.Koncove) {
        const int r = KoncoveTab->rowCount();
        KoncoveTab->insertRow(r);
        KoncoveTab->setItem(
            r, 0, new QTableWidgetItem(QString::fromStdString(NazevPrvkuGrafu(model_, k.Prvek))));
        KoncoveTab->setItem(r, 1, new QTableWidgetItem(QString::fromStdString(k.Mistnost)));
        if (k.Prutok > 0) {
            KoncoveTab->setItem(
                r, 2,
                new QTableWidgetItem(QString::fromStdString(FormatCislo(k.Prutok, 0)) +
                                     QStringLiteral(" (z modelu)")));
            PrutokEdit.push_back(nullptr);
            continue;
        }
        auto* e = new TMDoubleEdit(KoncoveTab);
        e->Nazev = QStringLiteral("Průtok ") + QString::fromStdString(k.Mistnost);
        e->NastavMeze(VyustPrutokMin, VyustPrutokMax);
        connect(e, &QLineEdit::editingFinished, this, &TImportIfcForm::Prepocitej);
        KoncoveTab->setCellWidget(r, 2, e);
        PrutokEdit.push_back(e);
    }
    KoncoveTab->resizeColumnsToContents();
    Prepocitej();
}

void TImportIfcForm::Prepocitej() {
    if (Zdroj() >= model_.Prvky.size()) {
        import_ = {};
        ZpravaEdit->setPlainText(QStringLiteral("Model nemá ventilátor ani VZT jednotku."));
        return;
    }
    std::map<size_t, double> prutoky;
    for (size_t i = 0; i < PrutokEdit.size(); ++i)
        if (PrutokEdit[i] && PrutokEdit[i]->Cislo() >= VyustPrutokMin)
            prutoky[koncove_.Koncove[i].Prvek] = PrutokEdit[i]->Cislo();
    import_ = ImportujIfc(model_, Zdroj(), prutoky);
    ZpravaEdit->setPlainText(QString::fromStdString(TextImportu(model_, Zdroj(), import_)));
}

std::vector<std::string> TImportIfcForm::TextTisku() const {
    std::vector<std::string> radky{"DRUN – import z IFC: " + soubor_.toStdString(), ""};
    const std::string t = ZpravaEdit->toPlainText().toStdString();
    for (size_t i = 0; i < t.size();) {
        const size_t k = std::min(t.find('\n', i), t.size());
        radky.push_back(t.substr(i, k - i));
        i = k + 1;
    }
    return radky;
}

void TImportIfcForm::OKBtnClick() {
    if (!TMEdit::OverVse(this)) return;
    Prepocitej();
    if (Zdroj() >= model_.Prvky.size()) {
        hlaseni().Chyba(QStringLiteral("Model nemá ventilátor ani VZT jednotku."));
        return;
    }
    if (!import_.Chyba.empty()) {
        hlaseni().Chyba(QStringLiteral("Rozvod nelze sestavit: ") +
                        QString::fromStdString(import_.Chyba) + QStringLiteral("."));
        return;
    }
    Rozvod r;
    r.Akce = "Import z IFC";
    r.NastavUseky(import_.Useky);
    dokument_.NovyRozvod(std::move(r));
    accept();
}

void TImportIfcForm::TiskBtnClick() {
    QPrinter tiskarna(QPrinter::HighResolution);
    tiskarna.setDocName(QStringLiteral("DRUN – import z IFC"));
    QPrintDialog d(&tiskarna, this);
    if (d.exec() != QDialog::Accepted) return;
    if (!VykresliProtokol(tiskarna, TextTisku()).Ok)
        hlaseni().Chyba(QStringLiteral("Chyba při zápisu na tiskárnu!"));
}
