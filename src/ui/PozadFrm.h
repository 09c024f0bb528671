#pragma once

#include <QDialog>

#include "ui/ElemDialog.h"

class QComboBox;
class QRadioButton;
class QButtonGroup;

// "Požadavek na konci sítě": per-octave limits or an N curve.
class TPozadavekForm : public TPlnenyDialog {
    Q_OBJECT
  public:
    TPozadavekForm(drun::DrunVar& var, QWidget* parent = nullptr);

    QButtonGroup* PozadRadioGroup; // 0 "Po oktávách", 1 "N křivky"
    QComboBox* NkrivkyComboBox;
    RadekPasem Hodn;
    QPushButton *OKBtn, *StornoBtn, *NulujBtn;

  public slots:
    void FormShow() override;
    void PozadRadioGroupClick(int index);
    void NkrivkyComboBoxChange(int index);
    void NulujBtnClick();
    void OKBtnClick();
    void StornoBtnClick() { reject(); }

  signals:
    void PozadavekZmenen();

  private:
    drun::DrunVar& var_;
};
