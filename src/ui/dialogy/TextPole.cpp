#include "ui/dialogy/TextPole.h"

#include <QLineEdit>
#include <QValidator>

#include "io/Kodovani.h"

namespace {

class Validator1250 : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return drun::JeRadekCp1250(input.toStdString()) ? Acceptable : Invalid;
    }
};

} // namespace

void PovolJen1250(QLineEdit* pole) {
    pole->setValidator(new Validator1250(pole));
}
