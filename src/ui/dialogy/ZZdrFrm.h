#pragma once

#include <QDialog>

#include "ui/dialogy/ElemDialog.h"

#include <string>

#include "tools/Ventilator.h"

class QComboBox;
class QLineEdit;
class TKatalog;

// "Odhad z parametrů ventilátoru": a fan's flow, total pressure rise, speed,
// kind, and optionally V/V_opt and its blade count; OK estimates its sound
// power bands (Odhad) and the description that says so (Popis).
class TOdhadVentilatoruForm : public QDialog {
    Q_OBJECT
  public:
    explicit TOdhadVentilatoruForm(QWidget* parent = nullptr);

    TMDoubleEdit *PrutokEdit, *TlakEdit, *OtackyEdit, *PomerEdit;
    QComboBox* DruhComboBox; // RR, T, AM in this order
    QLineEdit* LopatekEdit;  // empty: not known
    QPushButton *OKBtn, *StornoBtn;

    drun::OdhadVentilatoru Odhad;
    std::string Popis;

  public slots:
    void OKBtnClick();
};

// "Zadání zdroje drunu": always edits element 1.
class TZadZdrojForm : public TPlnenyDialog {
    Q_OBJECT
  public:
    TZadZdrojForm(drun::DrunVar& var, QWidget* parent = nullptr);

    QLineEdit* ZdrojPopisEdit;
    RadekPasem Zdroj;
    QPushButton *OKBtn, *StornoBtn, *NulujBtn, *VseBtn;
    QPushButton *ZKataloguBtn, *DoKataloguBtn;
    QPushButton* OdhadBtn;       // "Odhad z parametrů ventilátoru..."
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
    // Asks for the fan's parameters and fills the bands and the description.
    void OdhadBtnClick();
    void PouzijOdhad(const TOdhadVentilatoruForm& o);

  signals:
    // The source the dialog describes, to replace the path's.
    void ZdrojZmenen(const drun::TElementSite& zdroj);

  private:
    drun::DrunVar& var_;
};
