#include "ui/hlavni/Historie.h"

#include <QAction>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>
#include <algorithm>

#include "core/DrunVar.h"
#include "ui/hlavni/DrunMain.h"

using namespace drun;

TKrokVypoctu::TKrokVypoctu(THlavniForm& okno, const QString& text, Snimek pred, int aktualniPred,
                           Snimek po, int aktualniPo)
    : okno_(okno), pred_(std::move(pred)), po_(std::move(po)), aktualniPred_(aktualniPred),
      aktualniPo_(aktualniPo) {
    setText(text);
}

void TKrokVypoctu::undo() {
    okno_.ObnovKrok(pred_, aktualniPred_);
}

void TKrokVypoctu::redo() {
    if (hotovo_) {
        hotovo_ = false;
        return;
    }
    okno_.ObnovKrok(po_, aktualniPo_);
}

void THlavniForm::VytvorHistorii() {
    Historie = new QUndoStack(this);
    Historie->setUndoLimit(MaxKrokuHistorie);
    if (!UpravyMenu) {
        // Between "Soubor" and "Element".
        UpravyMenu = new QMenu(QStringLiteral("Úpravy"), this);
        menuBar()->insertMenu(menuBar()->actions().value(1), UpravyMenu);
    }
    QAction* prvni = UpravyMenu->actions().value(0);
    ZpetItem = new QAction(QStringLiteral("Zpět"), UpravyMenu);
    ZpetItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    ZpetItem->setStatusTip(QStringLiteral("Vrátí poslední změnu výpočtu"));
    ZnovuItem = new QAction(QStringLiteral("Znovu"), UpravyMenu);
    ZnovuItem->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    ZnovuItem->setStatusTip(QStringLiteral("Provede znovu vrácenou změnu"));
    UpravyMenu->insertAction(prvni, ZpetItem);
    UpravyMenu->insertAction(prvni, ZnovuItem);
    if (prvni) UpravyMenu->insertSeparator(prvni);
    ZpetItem->setEnabled(false);
    ZnovuItem->setEnabled(false);
    connect(ZpetItem, &QAction::triggered, this, &THlavniForm::ZpetItemClick);
    connect(ZnovuItem, &QAction::triggered, this, &THlavniForm::ZnovuItemClick);
    connect(Historie, &QUndoStack::canUndoChanged, ZpetItem, &QAction::setEnabled);
    connect(Historie, &QUndoStack::canRedoChanged, ZnovuItem, &QAction::setEnabled);
    connect(Historie, &QUndoStack::undoTextChanged, this, [this](const QString& t) {
        ZpetItem->setText(t.isEmpty() ? QStringLiteral("Zpět") : QStringLiteral("Zpět: ") + t);
    });
    connect(Historie, &QUndoStack::redoTextChanged, this, [this](const QString& t) {
        ZnovuItem->setText(t.isEmpty() ? QStringLiteral("Znovu") : QStringLiteral("Znovu: ") + t);
    });
    // Saved is where the history stood when the file was last written.
    auto ulozeno = [this] { var_.Ulozeno = Historie->isClean(); };
    connect(Historie, &QUndoStack::indexChanged, this, ulozeno);
    connect(Historie, &QUndoStack::cleanChanged, this, ulozeno);
    NovaHistorie();
}

void THlavniForm::NovaHistorie() {
    const bool ulozeno = var_.Ulozeno;
    Historie->clear();
    // A new calculation after unsaved work stays unsaved, as it always was.
    if (!ulozeno) Historie->resetClean();
    var_.Ulozeno = ulozeno;
    stav_ = std::make_shared<const SnimekVypoctu>(Sejmi(var_));
}

void THlavniForm::OznacUlozeno() {
    Historie->setClean();
    var_.Ulozeno = true;
}

int THlavniForm::ZobrazenyPrvek() const {
    const QModelIndex i = SeznamElemListBox->currentIndex();
    return i.isValid() ? i.row() + 1 : var_.cesta.AktualniCislo();
}

void THlavniForm::ZaznamenejKrok(const QString& text, int aktualniPred) {
    auto po = std::make_shared<const SnimekVypoctu>(Sejmi(var_, stav_.get()));
    auto* krok = new TKrokVypoctu(*this, text, stav_, aktualniPred, po, var_.cesta.AktualniCislo());
    stav_ = std::move(po);
    Historie->push(krok);
}

void THlavniForm::ObnovKrok(const std::shared_ptr<const SnimekVypoctu>& s, int aktualni) {
    const int od = PrvniZmena(var_.cesta, *s);
    Obnov(var_, *s, aktualni);
    stav_ = s;
    AkceEdit->setText(QString::fromStdString(var_.Akce));
    ZobrazZdroj();
    const int pocet = var_.cesta.Pocet();
    PrepocitejOd(std::clamp(od == 0 ? pocet : od, 1, pocet));
    // The element shown at that step, not the first one evaluated.
    var_.cesta.NajdiElement(aktualni);
    const QModelIndex i = Seznam->index(var_.cesta.AktualniCislo() - 1);
    SeznamElemListBox->setCurrentIndex(i);
    SeznamElemListBox->scrollTo(i);
    ZobrazVysledek();
}

void THlavniForm::PotvrdAkci() {
    if (AkceEdit->text().toStdString() != var_.Akce) AkceEditExit();
}

void THlavniForm::ZpetItemClick() {
    PotvrdAkci(); // text still being typed is a step of its own
    Historie->undo();
}

void THlavniForm::ZnovuItemClick() {
    PotvrdAkci();
    Historie->redo();
}
