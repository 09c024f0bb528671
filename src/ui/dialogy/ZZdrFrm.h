#pragma once

#include <QDialog>

#include "ui/dialogy/ElemDialog.h"

class QLineEdit;
class TKatalog;

// "Zadání zdroje drunu": always edits element 1.
class TZadZdrojForm : public TPlnenyDialog {
    Q_OBJECT
  public:
    TZadZdrojForm(drun::DrunVar& var, QWidget* parent = nullptr);

    QLineEdit* ZdrojPopisEdit;
    RadekPasem Zdroj;
    QPushButton *OKBtn, *StornoBtn, *NulujBtn, *VseBtn;
    QPushButton *ZKataloguBtn, *DoKataloguBtn;
    TKatalog* Katalog = nullptr; // set by the main window

  public slots:
    void FormShow() override;
    void OKBtnClick();
    void StornoBtnClick() { reject(); }
    void NulujBtnClick();
    void VseBtnClick();
    void NastavMezeZdroj();
    void ZKataloguBtnClick();
    void DoKataloguBtnClick();

  signals:
    void ZdrojZmenen();

  private:
    drun::DrunVar& var_;
};
