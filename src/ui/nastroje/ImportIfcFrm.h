#pragma once

#include <QDialog>
#include <vector>

#include "tools/GrafSite.h"
#include "tools/ImportIfc.h"

class QComboBox;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class TDokument;
class TMDoubleEdit;

// "Importovat z IFC": the source picked among the model's fans and units, the
// flows its terminals lack typed in, the import's report shown (and printed)
// before "Otevřít rozvod" makes the rozvod a new unsaved document.
class TImportIfcForm : public QDialog {
    Q_OBJECT
  public:
    TImportIfcForm(TDokument& dokument, drun::GrafSite model, const QString& soubor,
                   QWidget* parent = nullptr);

    QComboBox* ZdrojCombo;
    QTableWidget* KoncoveTab; // Koncový prvek, Místnost, Průtok
    QPlainTextEdit* ZpravaEdit;
    QPushButton *OKBtn, *TiskBtn, *StornoBtn;
    // The flow field of each terminal row; null where the model gives the flow.
    std::vector<TMDoubleEdit*> PrutokEdit;

    const drun::ImportIfc& Import() const { return import_; }
    // The report's lines as printed.
    std::vector<std::string> TextTisku() const;

  public slots:
    void FormShow();
    // The terminals of the chosen source and their flows.
    void ZdrojZmenen();
    // The import and its report from the fields as they are.
    void Prepocitej();
    // The rozvod opened as a new document, or the reason why not.
    void OKBtnClick();
    void TiskBtnClick();
    void StornoBtnClick() { reject(); }

  private:
    size_t Zdroj() const;

    TDokument& dokument_;
    drun::GrafSite model_;
    QString soubor_;
    std::vector<drun::ZdrojGrafu> zdroje_;
    drun::ImportIfc koncove_, import_;
};
