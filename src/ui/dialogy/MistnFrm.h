#pragma once

#include <array>
#include <functional>

#include "ui/dialogy/ElemDialog.h"

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QRadioButton;

// The gap between the room dialog's groups of fields and between its placement choices.
constexpr int MistnostMeziSkupinami = 24;

// "Místnost": the room at the end of the path; wall area, distance and the
// program-wide absorption and directivity tables.
class TMistnostForm : public TElementDialog {
    Q_OBJECT
  public:
    TMistnostForm(drun::DrunVar& var, QWidget* parent = nullptr);

    // Items of the placement radio group.
    enum Umisteni { VProstoru = 0, NaStene, VHrane, VRohu, Jinde };

    QLineEdit* PopisMistnEdit;
    TMDoubleEdit* PlochaStenEdit;
    TMDoubleEdit* VzdalenostEdit;
    RadekPasem SoucPohl, SmerSouc;
    QGroupBox* SmerSoucRadioGroup;
    std::array<QRadioButton*, 5> SmerSoucVolba{};

    // The description names the room. A new room of a rozvod is offered no
    // earlier room's name (NovaBezJmena true); PovolJmeno says whether the
    // name typed may be taken (false: OK stops, the dialog stays).
    std::function<bool()> NovaBezJmena;
    std::function<bool(const QString&)> PovolJmeno;

  public slots:
    void FormShow() override;
    void NastavMeze();
    void SmerSoucRadioGroupClick(int polozka);

  protected:
    bool PredKontrola() override;
    bool ZapisAVypocet() override;

  private:
    QButtonGroup* volby_;
};
