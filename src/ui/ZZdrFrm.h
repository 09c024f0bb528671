#pragma once

#include <QDialog>

#include "ui/ElemDialog.h"

class QLineEdit;

// "Zadání zdroje drunu": always edits element 1.
class TZadZdrojForm : public TPlnenyDialog {
    Q_OBJECT
  public:
    TZadZdrojForm(drun::DrunVar& var, QWidget* parent = nullptr);

    QLineEdit* ZdrojPopisEdit;
    RadekPasem Zdroj;
    QPushButton *OKBtn, *StornoBtn, *NulujBtn, *VseBtn;

  public slots:
    void FormShow() override;
    void OKBtnClick();
    void StornoBtnClick() { reject(); }
    void NulujBtnClick();
    void VseBtnClick();
    void NastavMezeZdroj();

  signals:
    void ZdrojZmenen();

  private:
    drun::DrunVar& var_;
};
