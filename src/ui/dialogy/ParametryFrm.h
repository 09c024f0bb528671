#pragma once

#include <QDialog>

#include "core/DrunVar.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class TMIntegerEdit;

// "Parametry výpočtu": the printer's page length and saving at exit, and the
// author line of reports (kept in the user's settings at OK).
class TParametryForm : public QDialog {
    Q_OBJECT
  public:
    TParametryForm(drun::DrunVar& var, QWidget* parent = nullptr);

    TMIntegerEdit* DelkaStranyEdit;
    QCheckBox* AutoSaveBox;
    QLineEdit* AutorEdit;
    QPushButton *OKButton, *ResetButton, *SaveCfgButton, *StornoButon;

  public slots:
    void FormShow();
    void OKButtonClick();
    void ResetButtonClick();
    void SaveCfgButtonClick();
    void StornoButonClick();
    void reject() override; // Esc and the close button act as "Storno"

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    void Zobraz();
    bool Prevezmi(); // fields into the working parameters; false if the field refuses

    drun::DrunVar& var_;
    drun::Parametry zaloha_; // as when the dialog was shown
};
