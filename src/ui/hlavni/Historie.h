#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "tools/UpravyRozvodu.h"

class QAction;
class QUndoStack;

namespace drun {
struct DrunVar;
}

// What a step keeps: the whole rozvod (a plain calculation is its one
// section) and the section shown at it.
struct SnimekDokumentu {
    drun::SnimekRozvodu Rozvod;
    size_t Usek = 0;
};

// The calculation's history: every change of what the file holds is a step
// that can be undone and redone. It is also the one owner of "saved": the
// calculation is saved while the history stands where it was last written.
class THistorie : public QObject {
    Q_OBJECT
  public:
    using Snimek = std::shared_ptr<const SnimekDokumentu>;
    // Takes the document as it is now, sharing what did not change with `predchozi`.
    using Sejmuti = std::function<SnimekDokumentu(const SnimekDokumentu* predchozi)>;
    // Puts a step's calculation back on show; `aktualni` is the element shown at it.
    using Zobrazeni = std::function<void(const Snimek&, int aktualni)>;
    static constexpr int MaxKroku = 200;

    THistorie(drun::DrunVar& var, Sejmuti sejmi, Zobrazeni zobraz, QObject* parent = nullptr);
    ~THistorie() override;

    // A change is done and evaluated; aktualniPred is the element shown before
    // it. A change that leaves the calculation as it was is no step.
    bool Zaznamenej(const QString& text, int aktualniPred);
    void Zpet();
    void Znovu();
    // "Nový" and an opened file start here. A new calculation after unsaved
    // work stays unsaved; an opened file is saved.
    void Nova(bool ulozeno);
    // The calculation was written (or printed).
    void OznacUlozeno();
    bool Ulozeno() const;
    int PocetKroku() const;

    // The commands that undo and redo: enabled when there is a step, their
    // text naming it.
    void Pripoj(QAction* zpet, QAction* znovu);

  signals:
    void UlozenoZmeneno(bool ulozeno);

  private:
    class Krok;
    drun::DrunVar& var_;
    Sejmuti sejmi_;
    Zobrazeni zobraz_;
    QUndoStack* zasobnik_;
    QAction *zpet_ = nullptr, *znovu_ = nullptr;
    Snimek stav_; // the calculation as the history last saw it
};
