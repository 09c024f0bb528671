#pragma once

#include <QDialog>
#include <array>

#include "core/Vstupy.h"

class QPushButton;

// The picker of a new element's type: modal, so that the place it adds at
// stays as it was opened; it stays open until an element is added.
class TVyberTypForm : public QDialog {
    Q_OBJECT
  public:
    explicit TVyberTypForm(QWidget* parent = nullptr);
    // Buttons by type code 2..10.
    QPushButton* Tlacitko(int typ) const { return tlacitka_[static_cast<size_t>(typ)]; }
    void PovolTyp(int typ, bool povolit);

  signals:
    void TypVybran(int typ);

  protected:
    bool event(QEvent* e) override;

  private:
    std::array<QPushButton*, drun::PocetTypu + 1> tlacitka_{}; // by type code
};
