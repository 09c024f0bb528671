#pragma once

#include "ui/dialogy/ElemDialog.h"

class QComboBox;
class TMIntegerEdit;

// "Kulisový tlumič drunu": a splitter silencer looked up in the data file.
class TKTlumicForm : public TElementDialog {
    Q_OBJECT
  public:
    TKTlumicForm(drun::DrunVar& var, QWidget* parent = nullptr);

    TMDoubleEdit* RozmAEdit;
    TMDoubleEdit* RozmBEdit;
    TMIntegerEdit* DelkaEdit;
    TMDoubleEdit* prutokEdit;
    QComboBox* SirkaVlozekComboBox;
    TMIntegerEdit* PocetVlozekEdit;

  public slots:
    void FormShow() override;
    void NastavMeze();

  protected:
    bool PredKontrola() override;
    bool ZapisAVypocet() override;
};

QString ZpravaZadaniTlumice();
