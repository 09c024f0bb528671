#include "ui/hlavni/Historie.h"

#include <QAction>
#include <QUndoStack>

#include "core/DrunVar.h"

using namespace drun;

// One step: the calculation before and after it and the element shown at
// each. The step is already done when it is pushed.
class THistorie::Krok : public QUndoCommand {
  public:
    Krok(THistorie& h, const QString& text, Snimek pred, int aktualniPred, Snimek po,
         int aktualniPo)
        : h_(h), pred_(std::move(pred)), po_(std::move(po)), aktualniPred_(aktualniPred),
          aktualniPo_(aktualniPo) {
        setText(text);
    }
    void undo() override { Ukaz(pred_, aktualniPred_); }
    void redo() override {
        if (hotovo_) {
            hotovo_ = false;
            return;
        }
        Ukaz(po_, aktualniPo_);
    }

  private:
    void Ukaz(const Snimek& s, int aktualni) {
        h_.stav_ = s;
        h_.zobraz_(s, aktualni);
    }
    THistorie& h_;
    Snimek pred_, po_;
    int aktualniPred_, aktualniPo_;
    bool hotovo_ = true;
};

namespace {

bool Stejne(const SnimekDokumentu& a, const SnimekDokumentu& b) {
    // Unchanged sections are shared, so equal pointers are equal elements;
    // the section shown is no change of the file.
    return a.Rozvod == b.Rozvod;
}

QString TextKroku(const QString& zaklad, const QString& krok) {
    return krok.isEmpty() ? zaklad : zaklad + QStringLiteral(": ") + krok;
}

} // namespace

THistorie::THistorie(DrunVar& var, Sejmuti sejmi, Zobrazeni zobraz, QObject* parent)
    : QObject(parent), var_(var), sejmi_(std::move(sejmi)), zobraz_(std::move(zobraz)),
      zasobnik_(new QUndoStack(this)) {
    zasobnik_->setUndoLimit(MaxKroku);
    connect(zasobnik_, &QUndoStack::cleanChanged, this, &THistorie::UlozenoZmeneno);
    Nova(true);
}

THistorie::~THistorie() {
    // Its signals would reach the owner while it is being destroyed.
    zasobnik_->disconnect(this);
}

bool THistorie::Zaznamenej(const QString& text, int aktualniPred) {
    auto po = std::make_shared<const SnimekDokumentu>(sejmi_(stav_.get()));
    if (Stejne(*po, *stav_)) return false;
    // Undone, the step shows the section it was made in, where that section was.
    Snimek pred = stav_;
    if (po->Usek != stav_->Usek && po->Usek < po->Rozvod.Useky.size()) {
        const int id = po->Rozvod.Useky[po->Usek].Id;
        const auto& useky = stav_->Rozvod.Useky;
        for (size_t i = 0; i < useky.size(); ++i)
            if (useky[i].Id == id) {
                auto s = std::make_shared<SnimekDokumentu>(*stav_);
                s->Usek = i;
                pred = std::move(s);
            }
    }
    auto* krok = new Krok(*this, text, pred, aktualniPred, po, var_.cesta.AktualniCislo());
    stav_ = std::move(po);
    zasobnik_->push(krok);
    return true;
}

void THistorie::Pripoj(QAction* zpet, QAction* znovu) {
    zpet_ = zpet;
    znovu_ = znovu;
    connect(zasobnik_, &QUndoStack::canUndoChanged, zpet, &QAction::setEnabled);
    connect(zasobnik_, &QUndoStack::canRedoChanged, znovu, &QAction::setEnabled);
    connect(zasobnik_, &QUndoStack::undoTextChanged, zpet,
            [zpet](const QString& t) { zpet->setText(TextKroku(QStringLiteral("Zpět"), t)); });
    connect(zasobnik_, &QUndoStack::redoTextChanged, znovu,
            [znovu](const QString& t) { znovu->setText(TextKroku(QStringLiteral("Znovu"), t)); });
    Nova(Ulozeno());
}

void THistorie::Zpet() {
    zasobnik_->undo();
}

void THistorie::Znovu() {
    zasobnik_->redo();
}

void THistorie::Nova(bool ulozeno) {
    const bool bylo = Ulozeno();
    const QSignalBlocker ticho(zasobnik_);
    zasobnik_->clear();
    // No index of this history is the saved one.
    if (!ulozeno) zasobnik_->resetClean();
    stav_ = std::make_shared<const SnimekDokumentu>(sejmi_(nullptr));
    // The signals were held back: the commands learn of the empty history here.
    if (zpet_) {
        zpet_->setEnabled(false);
        zpet_->setText(QStringLiteral("Zpět"));
    }
    if (znovu_) {
        znovu_->setEnabled(false);
        znovu_->setText(QStringLiteral("Znovu"));
    }
    if (bylo != ulozeno) emit UlozenoZmeneno(ulozeno);
}

void THistorie::OznacUlozeno() {
    zasobnik_->setClean();
}

bool THistorie::Ulozeno() const {
    return zasobnik_->isClean();
}

int THistorie::PocetKroku() const {
    return zasobnik_->count();
}
