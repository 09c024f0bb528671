#pragma once

#include <QDialog>
#include <array>

#include "ui/dialogy/ElemDialog.h"

class QComboBox;
class QRadioButton;
class QButtonGroup;

// "Požadavek na konci sítě": per-octave limits, an N or NC curve, or a limit in dB(A).
class TPozadavekForm : public TPlnenyDialog {
    Q_OBJECT
  public:
    // The calculation's requirement; creating the dialog sets it to zeros.
    TPozadavekForm(drun::DrunVar& var, QWidget* parent = nullptr);
    // The same dialog and rules for another requirement, which alone it edits.
    TPozadavekForm(drun::DrunVar& var, std::array<double, 9>& pozadavek, QWidget* parent);

    QButtonGroup* PozadRadioGroup; // 0 "Po oktávách", 1 "N křivky", 2 "Limit v dB(A)"
    QComboBox* NkrivkyComboBox;
    TMDoubleEdit* LimitLAEdit;
    RadekPasem Hodn;
    QPushButton *OKBtn, *StornoBtn, *NulujBtn;

  public slots:
    void FormShow() override;
    void PozadRadioGroupClick(int index);
    void NkrivkyComboBoxChange(int index);
    // The limit's bands shown as it is typed (nothing for a text that is no limit).
    void LimitLAEditChange(const QString& text);
    void NulujBtnClick();
    void OKBtnClick();
    void StornoBtnClick() { reject(); }

  signals:
    void PozadavekZmenen();

  private:
    drun::DrunVar& var_;
    std::array<double, 9>& pozadavek_;
};
