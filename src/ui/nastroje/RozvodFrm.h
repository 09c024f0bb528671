#pragma once

#include <QWidget>
#include <string>

#include "io/RozvodSoubor.h"
#include "tools/Rozvod.h"

class QListWidget;
class QPushButton;
class QTableWidget;
class TDokument;

// "Přehled rozvodu": the rooms of a rozvod file (*.DRR) in the project's
// table, each against its requirement, and the selected room's sections.
// The file is read again on "Obnovit". Modeless.
class TRozvodForm : public QWidget {
    Q_OBJECT
  public:
    TRozvodForm(TDokument& dokument, QWidget* rodic);

    QTableWidget* MistnostiListBox; // a row per room, sorted by the worst margin
    QListWidget* UsekyListBox;      // the selected room's sections
    QPushButton *OtevritBtn, *ObnovitBtn, *PdfBtn, *CsvBtn;

    const drun::Rozvod& Sit() const { return rozvod_; }
    const drun::PrehledRozvodu& Prehled() const { return prehled_; }
    const QString& Soubor() const { return soubor_; }
    // The room shown in the table's row (its index in the rozvod), or -1.
    int MistnostRadku(int radek) const;
    int RadekMistnosti(int mistnost) const;
    int VybranaMistnost() const;
    void VyberMistnost(int mistnost);

  public slots:
    void Zobraz();
    // A file that cannot be read is refused with its message; nothing changes.
    bool OtevriRozvod(const QString& soubor);
    void OtevritBtnClick();
    // Reads the open file again.
    bool Obnov();
    bool ExportujPdf(const QString& soubor);
    bool ExportujCsv(const QString& soubor);
    void PdfBtnClick();
    void CsvBtnClick();

  private:
    bool Nacti(const QString& soubor);
    void ZobrazMistnosti(const std::string& vybrana);
    void ZobrazUseky();
    void PovolTlacitka();

    TDokument& dokument_;
    drun::Rozvod rozvod_;
    drun::PrehledRozvodu prehled_;
    QString soubor_;
};
