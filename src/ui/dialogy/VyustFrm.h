#pragma once

#include "ui/dialogy/ElemDialog.h"

class QButtonGroup;
class QGroupBox;

// "Vyústka, žaluzie": an air outlet or a weather louvre.
class TVyustkaForm : public TElementDialog {
    Q_OBJECT
  public:
    TVyustkaForm(drun::DrunVar& var, QWidget* parent = nullptr);

    TMDoubleEdit *RozmAEdit, *RozmBEdit, *PrutokEdit;
    // Radio groups; button ids are the item indexes (kind or position - 1).
    QGroupBox *DruhVyustkyRadioGroup, *UmisteniRadioGroup;
    QButtonGroup *DruhTlacitka, *UmisteniTlacitka;

  public slots:
    void FormShow() override;
    void NastavMeze();

  protected:
    bool PredKontrola() override;
    bool ZapisAVypocet() override;
};

QString ZpravaRychlostVyustky();
