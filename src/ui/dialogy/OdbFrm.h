#pragma once

#include "ui/dialogy/ElemDialog.h"

// "Odbočka, rozbočka": a branch, seen from the direction the path follows.
class TOdbockaForm : public TElementDialog {
    Q_OBJECT
  public:
    TOdbockaForm(drun::DrunVar& var, QWidget* parent = nullptr);

    TMDoubleEdit *OdbA1Edit, *OdbB1Edit, *OdbA2Edit, *OdbB2Edit;
    TMDoubleEdit *OdbPrutokEdit, *CelkPrutokEdit, *RadiusEdit;

  public slots:
    void FormShow() override;
    void NastavMeze();

  protected:
    bool PredKontrola() override;
    bool ZapisAVypocet() override;
};
