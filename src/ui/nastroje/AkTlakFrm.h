#pragma once

#include <QDialog>
#include <array>

#include "tools/AkTlak.h"
#include "ui/dialogy/ElemDialog.h"

class QLabel;
class QPushButton;

// "Převod akustického tlaku podle vzdálenosti": a modeless tool beside the
// main window. It starts from the source's spectrum at every opening and
// keeps the distances for as long as the program runs.
class TAkTlakForm : public TPlnenyDialog {
    Q_OBJECT
  public:
    TAkTlakForm(drun::DrunVar& var, QWidget* parent = nullptr);

    RadekPasem AkTlak1Hodn; // input levels, 63 Hz .. 8 kHz
    QLabel* AkTlak1LALbl;
    TMDoubleEdit *Vzd1Edit, *Vzd2Edit;
    std::array<QLabel*, drun::PocetPasem> AkTlak2Hodn{}; // output levels
    QLabel* AkTlak2LALbl;
    QPushButton *OKBtn, *VseBtn, *StornoBtn;

    const drun::AkTlakStav& Stav() const { return stav_; }

  public slots:
    void FormShow() override;
    void OKBtnClick();
    void VseBtnClick();
    void StornoBtnClick() { reject(); }
    void AkTlak1HodnEditChange(int pasmo);
    void VzdEditChange();

  private:
    void Preved(); // from the fields' accepted values

    drun::DrunVar& var_;
    drun::AkTlakStav stav_;
};
