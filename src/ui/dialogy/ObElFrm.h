#pragma once

#include "ui/dialogy/ElemDialog.h"

class QLineEdit;
class TKatalog;

// "Obecný element": attenuation and self-noise typed band by band.
class TObecElemForm : public TElementDialog {
    Q_OBJECT
  public:
    TObecElemForm(drun::DrunVar& var, QWidget* parent = nullptr);

    QLineEdit* NazevEdit;
    RadekPasem Utl, VlDrun;
    QPushButton *UtlNulujBtn, *VlDrunNulujBtn;
    QPushButton *ZKataloguBtn, *DoKataloguBtn;
    TKatalog* Katalog = nullptr; // set by the main window

  public slots:
    void FormShow() override;
    void NastavMeze();
    void UtlNulujBtnClick();
    void VlDrunNulujBtnClick();
    void ZKataloguBtnClick();
    void DoKataloguBtnClick();

  protected:
    bool ZapisAVypocet() override;
};
