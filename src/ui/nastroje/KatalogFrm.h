#pragma once

#include <QDialog>
#include <QWidget>

#include "io/Katalog.h"
#include "ui/dialogy/KatalogVyber.h"

class QPushButton;
class QTabWidget;
class TKatalog;

// Nastavení → "Katalog": both kinds, rename, delete, CSV import and export.
class TKatalogForm : public QDialog {
    Q_OBJECT
  public:
    explicit TKatalogForm(TKatalog& katalog, QWidget* parent = nullptr);

    QTabWidget* DruhyTab;
    TKatalogSeznam* Seznamy[drun::PocetDruhuKatalogu];
    QPushButton *PrejmenovatBtn, *VypustitBtn, *ImportBtn, *ExportBtn, *ZavritBtn;

    TKatalogSeznam* Aktivni() const;
    // The file-dialog-free halves of import and export; messages say how it went.
    void Importuj(const QString& soubor);
    bool Exportuj(const QString& soubor);

  public slots:
    void FormShow();
    void PrejmenovatBtnClick();
    void VypustitBtnClick();
    void ImportBtnClick();
    void ExportBtnClick();

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    TKatalog& katalog_;
};
