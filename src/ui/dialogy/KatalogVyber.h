#pragma once

#include <QDialog>
#include <QWidget>
#include <array>
#include <optional>

#include "io/Katalog.h"

class QHBoxLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;
class TKatalog;
struct RadekPasem;

// What the dialogs whose values a catalogue keeps (the source and the general
// element) need of it: the picker of an entry and the storing of one.

// The entries of one kind: a filter field, the names, and the chosen entry's
// values beside them.
class TKatalogSeznam : public QWidget {
    Q_OBJECT
  public:
    TKatalogSeznam(TKatalog& katalog, int druh, QWidget* parent = nullptr);

    QLineEdit* FiltrEdit;
    QListWidget* SeznamListBox;
    QTableWidget* HodnotyTabulka;

    // Fills the list again (the filter applies) and selects `vybrat` when listed.
    void Obnov(const QString& vybrat = {});
    // Name of the selected entry, empty when none is.
    QString Vybrany() const;
    const drun::PolozkaKatalogu* VybranaPolozka() const;
    int Druh() const { return druh_; }

  signals:
    void Potvrzen(); // double click or Enter on an entry

  private:
    void ZobrazHodnoty();
    TKatalog& katalog_;
    int druh_;
};

// "Z katalogu...": chooses an entry of one kind.
class TKatalogVyber : public QDialog {
    Q_OBJECT
  public:
    TKatalogVyber(TKatalog& katalog, int druh, QWidget* parent = nullptr);
    TKatalogSeznam* Seznam;
    QPushButton *OKBtn, *StornoBtn;

  public slots:
    void OKBtnClick();
};

// A name asked for in a small modal box, proposed `navrh`; nullopt when cancelled.
std::optional<QString> ZeptejSeNaNazev(QWidget* rodic, const QString& titulek,
                                       const QString& navrh);
// The entry chosen in the picker, nullopt when cancelled.
std::optional<drun::PolozkaKatalogu> VyberZKatalogu(TKatalog& katalog, int druh, QWidget* rodic);
// "Do katalogu...": asks for the name (proposed from the entry's), confirms
// replacing an entry of that name, stores. True when stored.
bool UlozDoKatalogu(TKatalog& katalog, int druh, drun::PolozkaKatalogu p, QWidget* rodic);

// "Z katalogu..." and "Do katalogu..." in a row, for the dialogs whose values a
// catalogue keeps (the source and the general element).
QHBoxLayout* TlacitkaKatalogu(QWidget* dialog, QPushButton*& z, QPushButton*& do_);
// Band fields filled from catalogue values as if typed (validated at OK).
void VlozPasma(const RadekPasem& r, const std::array<double, drun::PocetPasem>& h);
// The validated values of a row of band fields.
std::array<double, drun::PocetPasem> HodnotyPasem(const RadekPasem& r);
