#pragma once

#include "ui/dialogy/ElemDialog.h"

class QButtonGroup;
class QGroupBox;
class QRadioButton;

// "Oblouk, koleno": a bend or elbow in a rectangular duct.
class TObloukForm : public TElementDialog {
    Q_OBJECT
  public:
    TObloukForm(drun::DrunVar& var, QWidget* parent = nullptr);

    TMDoubleEdit *RozmAEdit, *RozmBEdit, *RadiusEdit, *PrutokEdit;
    // "Typ": index 0 with guide vanes, index 1 without; the stored kind is index + 1.
    QGroupBox* DruhOblradioGroup;
    QButtonGroup* DruhObl;
    QRadioButton *SPlechyRadio, *BezPlechuRadio;
    int DruhIndex() const;
    void NastavDruhIndex(int index);

  public slots:
    void FormShow() override;
    void NastavMeze();

  protected:
    bool PredKontrola() override;
    bool ZapisAVypocet() override;
};
