#pragma once

#include "ui/dialogy/DruhFrm.h"

// "Kruhové potrubí": a straight run of circular duct. The table builds it; it
// offers the remembered inputs and refuses too high a velocity.
class TKuPotrubiForm : public TDruhForm {
    Q_OBJECT
  public:
    TKuPotrubiForm(drun::DrunVar& var, QWidget* parent = nullptr);

    TMDoubleEdit *PrumerEdit, *DelkaEdit, *PrutokEdit;

  protected:
    bool PredKontrola() override;
};
