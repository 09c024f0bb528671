#pragma once

#include <vector>

#include "core/Vstupy.h"
#include "ui/dialogy/ElemDialog.h"

class QComboBox;

namespace drun {
struct DruhElementu;
}

// The dialog of a kind that needs nothing special, built from its row of the
// kinds' table: one field per input in the file's order with the row's caption,
// limits and decimals, an integer with choices as a list, a band row as eight
// fields; OK asks the kind's check and stores through the generic store step.
class TDruhForm : public TElementDialog {
    Q_OBJECT
  public:
    // `titulek` empty: the kind's type name.
    TDruhForm(drun::DrunVar& var, int kod, QWidget* parent = nullptr,
              const QString& titulek = QString());

    // The widget of input i (in the table's order, the description not
    // counted): a TMDoubleEdit, a TMIntegerEdit or a QComboBox; a band row's
    // first field (the others follow it in Pasma).
    QWidget* Pole(int i) const { return pole_[static_cast<size_t>(i)].Pole; }
    // A band row's eight fields.
    const RadekPasem& Pasma(int i) const { return pole_[static_cast<size_t>(i)].Pasma; }

  public slots:
    void FormShow() override;

  protected:
    // Every field within its limits, then the kind's check.
    bool PredKontrola() override;
    bool ZapisAVypocet() override;
    // The inputs as the fields hold them.
    drun::VstupyElementu Zadani() const;

  private:
    struct PoleVstupu {
        QWidget* Pole = nullptr;
        RadekPasem Pasma{};
    };
    const drun::DruhElementu& druh_;
    std::vector<PoleVstupu> pole_; // by the table's inputs after the description
};
