#pragma once

#include "ui/dialogy/ElemDialog.h"

class TMIntegerEdit;

// "Korekce na více drunů": n equal sources raise the level by 10 log n.
class TViceForm : public TElementDialog {
    Q_OBJECT
  public:
    TViceForm(drun::DrunVar& var, QWidget* parent = nullptr);

    TMIntegerEdit* PocetEdit;

  public slots:
    void FormShow() override;
    void NastavMeze();

  protected:
    bool PredKontrola() override;
    bool ZapisAVypocet() override;
};
