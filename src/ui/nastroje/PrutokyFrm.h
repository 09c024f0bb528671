#pragma once

#include <QDialog>
#include <vector>

#include "tools/Prutoky.h"

class QLabel;
class QPushButton;
class QTableWidget;
class TDokument;
class TMDoubleEdit;

// "Průtoky podle místností": the flows of the document's rozvod carried up
// from its rooms. The rooms without an outlet get their flow typed here; every
// change is listed (and every element left as it was, with why) before
// "Použít" takes them as one step of the history.
class TPrutokyForm : public QDialog {
    Q_OBJECT
  public:
    explicit TPrutokyForm(TDokument& dokument, QWidget* parent = nullptr);

    QTableWidget* MistnostiTab; // rooms without an outlet and their flows
    QTableWidget* ZmenyTab;     // Úsek, Element, Typ, Vstup, Původní, Nový
    QLabel* SouhrnLbl;
    QPushButton *OKBtn, *StornoBtn;
    // The flow fields of MistnostiTab's rows.
    std::vector<TMDoubleEdit*> PrutokEdit;

    const drun::VysledekPrutoku& Vysledek() const { return vysledek_; }

  public slots:
    // The rooms of the document's rozvod and the changes they make.
    void FormShow();
    // The changes from the flows as the fields hold them.
    void Prepocitej();
    // The changes applied (one step), or the reason why not.
    void OKBtnClick();
    void StornoBtnClick() { reject(); }

  private:
    TDokument& dokument_;
    std::vector<std::string> mistnosti_;
    drun::VysledekPrutoku vysledek_;
};
