#include "ui/dialogy/ViceFrm.h"

#include "core/DrunVar.h"
#include "ui/dialogy/MujEdit.h"

using namespace drun;

TViceForm::TViceForm(DrunVar& var, QWidget* parent)
    : TDruhForm(var, TypVice, parent, QStringLiteral("Korekce na více drunů")) {
    PocetEdit = static_cast<TMIntegerEdit*>(Pole(0));
}
