#pragma once

#include <QDialog>
#include <array>

#include "core/DrunVar.h"
#include "ui/dialogy/ElemDialog.h"

class QButtonGroup;
class QLabel;
class QPushButton;

// "Převod": a typed spectrum as L(A), L(B) or L(C). A modeless tool; the
// typed levels and the chosen weighting stay for as long as the program runs.
class TPrevodForm : public TPlnenyDialog {
    Q_OBJECT
  public:
    explicit TPrevodForm(QWidget* parent = nullptr);

    RadekPasem Hodn; // the typed levels, 63 Hz .. 8 kHz
    QLabel* LxLbl;
    QLabel* VyslLxLbl;
    std::array<QLabel*, drun::PocetPasem> Kor{}; // corrections of the chosen weighting
    QButtonGroup* PrevodRadioGroup;              // 0 "L(A)", 1 "L(B)", 2 "L(C)"
    QPushButton *OKBtn, *StornoBtn;

  public slots:
    void FormShow() override;
    void PrevodRadioGroupClick(int index);
    void OKBtnClick();
    void StornoBtnClick() { reject(); }
    void HodnEditChange();

  private:
    // Checks the weighting's item, shows its corrections and converts.
    void ZvolVazeni(int index);
    void Preved(); // from the fields' accepted values

    int vazeni_ = 0;
};
