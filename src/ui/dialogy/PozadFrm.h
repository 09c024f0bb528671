#pragma once

#include <QDialog>
#include <array>

#include "ui/dialogy/ElemDialog.h"

class QComboBox;
class QRadioButton;
class QButtonGroup;

// "Požadavek na konci sítě": per-octave limits or an N curve.
class TPozadavekForm : public TPlnenyDialog {
    Q_OBJECT
  public:
    // The calculation's requirement; creating the dialog sets it to zeros.
    TPozadavekForm(drun::DrunVar& var, QWidget* parent = nullptr);
    // The same dialog and rules for another requirement, which alone it edits.
    TPozadavekForm(drun::DrunVar& var, std::array<double, 9>& pozadavek, QWidget* parent);

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
    std::array<double, 9>& pozadavek_;
};
