#include "ui/dialogy/KuPotFrm.h"

#include "core/DrunVar.h"
#include "core/Matemat.h"
#include "models/HrPotrubi.h"
#include "models/KuPotrubi.h"
#include "ui/dialogy/MujEdit.h"

using namespace drun;

TKuPotrubiForm::TKuPotrubiForm(DrunVar& var, QWidget* parent)
    : TDruhForm(var, TypKuPotrubi, parent) {
    PrumerEdit = static_cast<TMDoubleEdit*>(Pole(0));
    DelkaEdit = static_cast<TMDoubleEdit*>(Pole(1));
    PrutokEdit = static_cast<TMDoubleEdit*>(Pole(2));
}

bool TKuPotrubiForm::PredKontrola() {
    return KontrolaZadani(RychlostKuPotrubi(PrumerEdit->Cislo(), PrutokEdit->Cislo()) <
                              MaxRychlostPotrubi,
                          ZpravaRychlostPotrubi());
}
