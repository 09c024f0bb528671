#pragma once

#include "ui/dialogy/ElemDialog.h"

// "Kruhové potrubí": a straight run of circular duct.
class TKuPotrubiForm : public TElementDialog {
    Q_OBJECT
  public:
    TKuPotrubiForm(drun::DrunVar& var, QWidget* parent = nullptr);

    TMDoubleEdit *PrumerEdit, *DelkaEdit, *PrutokEdit;

  public slots:
    void FormShow() override;
    void NastavMeze();

  protected:
    bool PredKontrola() override;
    bool ZapisAVypocet() override;
};
