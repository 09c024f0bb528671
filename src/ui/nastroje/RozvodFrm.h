#pragma once

#include <QWidget>
#include <string>

#include "io/RozvodSoubor.h"
#include "tools/Rozvod.h"

class QLabel;
class QListWidget;
class QPushButton;
class QTableView;
class TDokument;

// "Přehled rozvodu": the rooms of a rozvod in the project's table, each
// against its requirement, and the selected room's sections. It follows the
// main window's calculation: every change shows (the main window's
// requirement is a plain calculation's room's), and a double click chooses
// a room's or a section's path there. A rozvod file (*.DRR) chosen in the
// window is shown as read instead, again on "Obnovit", until "Aktuální
// rozvod" or the main window opening or becoming a rozvod brings the
// calculation back. Modeless.
class TRozvodForm : public QWidget {
    Q_OBJECT
  public:
    TRozvodForm(TDokument& dokument, QWidget* rodic);

    QTableView* MistnostiListBox; // a row per room, sorted by the worst margin
    QListWidget* UsekyListBox;    // the selected room's sections
    QLabel* StavLbl;              // what is shown, and why a double click did nothing
    QPushButton *AktualniBtn, *OtevritBtn, *ObnovitBtn, *PdfBtn, *ZpravaBtn, *CsvBtn;

    const drun::Rozvod& Sit() const { return *sit_; }
    const drun::PrehledRozvodu& Prehled() const { return prehled_; }
    // The file shown; empty while the main window's calculation is.
    const QString& Soubor() const { return soubor_; }
    bool ZobrazujeDokument() const { return soubor_.isEmpty(); }
    // The room shown in the table's row (its index in the rozvod), or -1.
    int MistnostRadku(int radek) const;
    int RadekMistnosti(int mistnost) const;
    int VybranaMistnost() const;
    void VyberMistnost(int mistnost);
    // The section a room's double click chooses: the loudest in its worst
    // band (the table's "Cesta"), else its first; -1 for no room.
    int UsekMistnosti(int mistnost) const;

  public slots:
    void Zobraz();
    // The main window's calculation, followed from now on.
    void ZobrazDokument();
    // A file that cannot be read is refused with its message; nothing
    // changes. The main window's own rozvod file shows the calculation.
    bool OtevriRozvod(const QString& soubor);
    void OtevritBtnClick();
    // Reads the open file again.
    bool Obnov();
    // The room's (UsekMistnosti) or the section's path shown in the main
    // window; false when the window shows a file, which says so.
    bool VyberMistnostVHlavnimOkne(int mistnost);
    bool VyberUsekVHlavnimOkne(int usek);
    bool ExportujPdf(const QString& soubor);
    // "Zpráva o rozvodu" as a PDF for the client.
    bool ExportujZpravu(const QString& soubor);
    bool ExportujCsv(const QString& soubor);
    void PdfBtnClick();
    void ZpravaBtnClick();
    void CsvBtnClick();

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    bool Nacti(const QString& soubor);
    // The calculation's rooms, evaluated as they are now.
    void NactiDokument();
    // The calculation changed: shown once for all the announcements of one
    // change, and only while the window is visible.
    void Zastaralo();
    void Dohon();
    // Another rozvod in the main window brings it back.
    void SledujDokument();
    std::string NazevVybrane() const;
    void ZobrazMistnosti(const std::string& vybrana);
    void ZobrazUseky();
    void PovolTlacitka();
    void PopisStav();

    TDokument& dokument_;
    drun::Rozvod rozvod_; // the file's, or a copy of a plain calculation's
    const drun::Rozvod* sit_ = &rozvod_;
    drun::PrehledRozvodu prehled_;
    QString soubor_;
    bool zastarale_ = true, naplanovano_ = false;
    // What the main window last was: another file or a new rozvod is followed.
    QString souborDokumentu_;
    bool bylRozvod_ = false;
};
