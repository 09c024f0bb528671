#pragma once

#include "ui/dialogy/DruhFrm.h"

class TMIntegerEdit;

// "Korekce na více drunů": n equal sources raise the level by 10 log n. The
// table builds it; it offers the last confirmed count.
class TViceForm : public TDruhForm {
    Q_OBJECT
  public:
    TViceForm(drun::DrunVar& var, QWidget* parent = nullptr);

    TMIntegerEdit* PocetEdit;
};
