#pragma once

#include <QDialog>

#include "ui/dialogy/ElemDialog.h"

#include <string>

#include "tools/Ventilator.h"

class QComboBox;
class QLabel;
class QLineEdit;
class TKatalog;

// "Odhad z parametrů ventilátoru": a fan's flow, total pressure rise, speed,
// kind, and optionally V/V_opt and its blade count; its total sound power is
// shown as the values are given, and OK estimates its sound power bands
// (Odhad) and the description that says so (Popis). The fields keep their
// values for the next opening.
class TOdhadVentilatoruForm : public QDialog {
    Q_OBJECT
  public:
    explicit TOdhadVentilatoruForm(QWidget* parent = nullptr);

    TMDoubleEdit *PrutokEdit, *TlakEdit, *OtackyEdit, *PomerEdit;
    QComboBox* DruhComboBox; // RR, T, AM in this order
    QLineEdit* LopatekEdit;  // empty: not known
    QLabel* VykonLbl; // "Akustický výkon ventilátoru L(W) 97.3 dB", "… L(W) -" until it can be
    QPushButton *OKBtn, *StornoBtn;

    drun::OdhadVentilatoru Odhad;
    std::string Popis;

  public slots:
    void OKBtnClick();
    void UkazVykon();

  private:
    // The inputs as the fields hold them; `lopatek` the blade count's text.
    drun::VstupyVentilatoru Vstupy(QString& lopatek) const;
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
    QPushButton* OdhadBtn; // "Odhad z parametrů ventilátoru..."
    TOdhadVentilatoruForm* OdhadForm;
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
    // Asks for the fan's parameters and fills the bands and the description;
    // a description typed is replaced only when the user agrees.
    void OdhadBtnClick();
    void PouzijOdhad(const TOdhadVentilatoruForm& o);

  signals:
    // The source the dialog describes, to replace the path's.
    void ZdrojZmenen(const drun::TElementSite& zdroj);

  private:
    drun::DrunVar& var_;
};
