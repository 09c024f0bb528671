#pragma once

#include "ui/dialogy/ElemDialog.h"

// "Hranaté potrubí": a straight run of rectangular duct.
class THrPotrubiForm : public TElementDialog {
    Q_OBJECT
  public:
    THrPotrubiForm(drun::DrunVar& var, QWidget* parent = nullptr);

    TMDoubleEdit *RozmAEdit, *RozmBEdit, *DelkaEdit, *PrutokEdit;

  public slots:
    void FormShow() override;
    void NastavMeze();

  protected:
    bool PredKontrola() override;
    bool ZapisAVypocet() override;
};
