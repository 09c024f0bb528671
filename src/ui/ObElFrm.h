#pragma once

#include "ui/ElemDialog.h"

class QLineEdit;

// "Obecný element": attenuation and self-noise typed band by band.
class TObecElemForm : public TElementDialog {
    Q_OBJECT
  public:
    TObecElemForm(drun::DrunVar& var, QWidget* parent = nullptr);

    QLineEdit* NazevEdit;
    RadekPasem Utl, VlDrun;
    QPushButton *UtlNulujBtn, *VlDrunNulujBtn;

  public slots:
    void FormShow() override;
    void NastavMeze();
    void UtlNulujBtnClick();
    void VlDrunNulujBtnClick();

  protected:
    bool ZapisAVypocet() override;
};
