#pragma once

#include <QWidget>
#include <array>
#include <string>

#include "io/Projekt.h"

class QListWidget;
class QPushButton;
class QTableWidget;
class TDokument;
class TPozadavekForm;

// "Projekt": the rooms of a building, each with its paths and requirement,
// and at a glance the ones that fail. The path files are read again whenever
// the window is shown and on "Obnovit". Modeless.
class TProjektForm : public QWidget {
    Q_OBJECT
  public:
    TProjektForm(TDokument& dokument, QWidget* rodic);

    enum Sloupec {
        SloupecNazev,
        SloupecCest,
        SloupecLA,
        SloupecNR,
        SloupecNC,
        SloupecPozadavek,
        SloupecPasmo,
        SloupecRezerva,
        SloupecCesta,
        SloupecStav,
        PocetSloupcu
    };

    QTableWidget* MistnostiListBox; // a row per room, sorted by the worst margin
    QListWidget* CestyListBox;      // the selected room's paths
    QPushButton *NovyBtn, *OtevritBtn, *UlozitBtn, *UlozitJakoBtn, *PridatMistnostBtn,
        *PrejmenovatBtn, *OdebratMistnostBtn, *PozadavekBtn, *PridatCestyBtn, *OdebratCestuBtn,
        *ObnovitBtn, *PdfBtn, *ZpravaBtn, *CsvBtn;
    TPozadavekForm* PozadavekForm;

    const drun::Projekt& Projekt() const { return projekt_; }
    const drun::PrehledProjektu& Prehled() const { return prehled_; }
    const QString& Soubor() const { return soubor_; }
    bool Zmeneno() const { return zmeneno_; }
    // The room shown in the table's row, or -1.
    int MistnostRadku(int radek) const;
    // The row that shows the room, or -1.
    int RadekMistnosti(int mistnost) const;
    int VybranaMistnost() const;
    void VyberMistnost(int mistnost);

    // False when the user keeps unsaved changes (asked first).
    bool MuzeZahodit();

  public slots:
    void Zobraz();
    void NovyBtnClick();
    bool OtevriProjekt(const QString& soubor);
    void OtevritBtnClick();
    bool UlozProjekt(const QString& soubor);
    void UlozitBtnClick();
    void UlozitJakoBtnClick();
    // A name is refused (with its message) when empty or not one line.
    bool PridejMistnost(const QString& nazev);
    bool PrejmenujMistnost(int mistnost, const QString& nazev);
    void PridatMistnostBtnClick();
    void PrejmenovatBtnClick();
    void OdebratMistnostBtnClick();
    void PozadavekBtnClick();                     // the selected room's requirement only
    void PridejCesty(const QStringList& soubory); // to the selected room
    void PridatCestyBtnClick();
    void OdebratCestuBtnClick();
    // Reads every path file again, then evaluates every room.
    void Obnov();
    // The room's "Součet cest"; a path in the main window.
    void OtevriMistnost(int mistnost);
    void OtevriCestu(int mistnost, int cesta);
    bool ExportujPdf(const QString& soubor);
    // "Zpráva o projektu" as a PDF for the client.
    bool ExportujZpravu(const QString& soubor);
    bool ExportujCsv(const QString& soubor);
    void PdfBtnClick();
    void ZpravaBtnClick();
    void CsvBtnClick();

  signals:
    // A room's paths are to be summed under its requirement.
    void MistnostOtevrena(const QString& nazev, const std::vector<std::string>& soubory,
                          const drun::Spectrum& pozadavek);
    // A path file is to be opened in the main window.
    void CestaOtevrena(const QString& soubor);

  protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    // Evaluates the rooms again; files read before are not read again.
    void Prepocitej();
    void ZobrazMistnosti();
    void ZobrazCesty();
    void PovolTlacitka();
    void Zmena();
    void NastavTitulek();
    std::string SouborStd() const;

    TDokument& dokument_;
    drun::Projekt projekt_;
    drun::PrehledProjektu prehled_;
    QString soubor_;
    bool zmeneno_ = false;
    std::array<double, 9> pozadavek_{};
};

// The rooms' table as the project window shows it, for every overview in the
// project's form: sorted by the margin, a row per room, red where it fails.
QTableWidget* TabulkaMistnosti(QWidget* rodic);
void ZobrazPrehled(QTableWidget* t, const drun::Projekt& p, const drun::PrehledProjektu& pr);
// The room (its index in the overview) a row shows, or -1; the row of a room, or -1.
int MistnostRadku(const QTableWidget* t, int radek);
int RadekMistnosti(const QTableWidget* t, int mistnost);
int VybranaMistnost(const QTableWidget* t);
