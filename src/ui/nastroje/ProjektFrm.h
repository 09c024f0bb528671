#pragma once

#include <QAbstractTableModel>
#include <QWidget>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "io/Projekt.h"

class QListWidget;
class QPushButton;
class QTableView;
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

    QTableView* MistnostiListBox; // a row per room, sorted by the worst margin
    QListWidget* CestyListBox;    // the selected room's paths
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

// The rooms of an overview as one table model that the project window and
// Přehled rozvodu both show: a row per room in the overview's order, the
// fields as the command line prints them (a room that cannot be computed
// with its message), the failing state and margin red. The view sorts it
// through a proxy by each column's number where it has one (RoleKlice),
// else by its text.
class TModelMistnosti : public QAbstractTableModel {
    Q_OBJECT
  public:
    static constexpr int RoleKlice = Qt::UserRole + 1;

    explicit TModelMistnosti(QObject* rodic = nullptr);
    void Nastav(const drun::Projekt& p, const drun::PrehledProjektu& pr);
    // The room whose name stands in bold with `tip`; -1 none. Nastav clears it.
    void Zvyrazni(int mistnost, const QString& tip);
    // A room fed by several sections of a rozvod is marked in its paths'
    // column: their levels are summed, which a name used twice may hide.
    bool VyznacSouctyCest = false;

    int rowCount(const QModelIndex& rodic = {}) const override;
    int columnCount(const QModelIndex& rodic = {}) const override;
    QVariant data(const QModelIndex& i, int role = Qt::DisplayRole) const override;
    QVariant headerData(int sekce, Qt::Orientation o, int role) const override;

  private:
    struct Radek {
        std::array<QString, TProjektForm::PocetSloupcu> Text;
        std::array<std::optional<double>, TProjektForm::PocetSloupcu> Klic;
        drun::StavMistnosti Stav = drun::StavMistnosti::Vyhovi;
        QString Tip;
    };
    std::vector<Radek> radky_;
    int zvyraznena_ = -1;
    QString tipZvyraznene_;
};

// The view of the rooms' table, sorted by the margin, and what both windows
// ask of it: the room (its index in the overview) a row shows or -1, the row
// of a room or -1, the selected room, selecting one (-1: none).
QTableView* TabulkaMistnosti(QWidget* rodic);
TModelMistnosti* ModelMistnosti(const QTableView* t);
void ZobrazPrehled(QTableView* t, const drun::Projekt& p, const drun::PrehledProjektu& pr);
int MistnostRadku(const QTableView* t, int radek);
int RadekMistnosti(const QTableView* t, int mistnost);
int VybranaMistnost(const QTableView* t);
void VyberMistnost(QTableView* t, int mistnost);
