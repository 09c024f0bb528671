#pragma once

#include <QDialog>
#include <functional>
#include <initializer_list>
#include <optional>

#include "core/DrunVar.h"

class QGridLayout;
class QLabel;
class QPushButton;
class TMDoubleEdit;

// A fixed-size dialog whose fields FormShow fills each time the program shows
// it; a window coming back from being minimised keeps what it holds.
class TPlnenyDialog : public QDialog {
    Q_OBJECT
  public:
    TPlnenyDialog(const QString& titulek, bool modalni, QWidget* parent);

    // What the window acts on, shown behind its title at each opening
    // ("místnost Zasedačka (úsek 2)"); nothing when it gives "".
    std::function<QString()> Kontext;

  public slots:
    virtual void FormShow() = 0;
    // Shows a modeless window, or brings it forward when it is already open.
    void Otevri();

  protected:
    void showEvent(QShowEvent* e) override;
    bool event(QEvent* e) override;

  private:
    QString titulek_;
};

// The common protocol of every element dialog: FormShow fills the fields,
// OK validates what is still pending, runs the pre-check, stores and computes
// the element on a copy of the current one (add mode: of a new one behind
// it), closes and hands the element on; whoever opened the dialog puts it
// into the calculation. The dialog itself changes nothing; Storno neither.
class TElementDialog : public TPlnenyDialog {
    Q_OBJECT
  public:
    TElementDialog(drun::DrunVar& var, const QString& titulek, QWidget* parent = nullptr);

    // Whether OK inserts a new element behind the current one or changes the
    // current one; each opening says which.
    void NastavPridat(bool pridat) { pridat_ = pridat; }
    bool Pridat() const { return pridat_; }

  public slots:
    void OKBtnClick();
    void StornoBtnClick();

  signals:
    // The element the dialog describes, to be added behind the current one
    // (Pridat) or to replace it.
    void ElementZadan(const drun::TElementSite& e);

  protected:
    // A check of the element's own (velocity and the like); shows its message.
    virtual bool PredKontrola() { return true; }
    // Store and compute the element (Zadej); false when computing failed (the
    // dialog has then shown why).
    virtual bool ZapisAVypocet() = 0;
    // The element zapis and vypocet make, kept for OK to hand on.
    bool Zadej(const std::function<void(drun::DrunVar&)>& zapis,
               const std::function<bool(drun::DrunVar&)>& vypocet);
    // The pre-check of an element that carries air: every field within its
    // limits (a value the program put there may not be), then `pripustne`
    // (the velocity and the like); otherwise `zprava` and false.
    bool KontrolaZadani(bool pripustne, const QString& zprava);

    // OK and Storno in a row, OK the default button.
    QLayout* Tlacitka();
    // Tab moves through `poradi` in this order.
    void PoradiTabulatoru(std::initializer_list<QWidget*> poradi);
    drun::DrunVar& var_;
    QPushButton* OKBtn;
    QPushButton* StornoBtn;

  private:
    bool pridat_ = false;
    std::optional<drun::TElementSite> prvek_;
};

// Puts `pole` at the dialogs' usual field width (a text field right aligned)
// into row `radek` of g behind its caption, which starts at column `sloupec`
// and spans `sirkaPopisku` columns; returns the caption. A number field's
// messages name it `nazev`, or its caption without the unit when that is "".
QLabel* UmistiPole(QGridLayout* g, int radek, int sloupec, const QString& popisek, QWidget* pole,
                   int sirkaPopisku = 1, const QString& nazev = {});
// A new number field placed as UmistiPole places it.
template <class Pole = TMDoubleEdit>
Pole* PridejPole(QGridLayout* g, int radek, int sloupec, const QString& popisek, QWidget* rodic,
                 int sirkaPopisku = 1, const QString& nazev = {}) {
    auto* f = new Pole(rodic);
    UmistiPole(g, radek, sloupec, popisek, f, sirkaPopisku, nazev);
    return f;
}

// A row of eight band fields under the band captions, for spectra entry.
struct RadekPasem {
    TMDoubleEdit* pole[8];
};
// Adds captions "63Hz" .. "8kHz" in row `radek` starting at column `sloupec`.
void PridejZahlaviPasem(QGridLayout* g, int radek, int sloupec);
// Messages name a band field by `nazevPole` (or the row's caption without the
// unit) and its band: "Útlum 63Hz".
RadekPasem PridejRadekPasem(QGridLayout* g, int radek, int sloupec, const QString& nazev,
                            QWidget* rodic, const QString& nazevPole = {});
// A value the program put into a field (a remembered input of another element
// type) may lie outside the field's limits: the first enabled such field below
// w gets the range message and the focus, and the result is false.
bool PoleVMezich(QWidget* w);
// Message of a refused air velocity in a duct or a fitting.
QString ZpravaRychlostPotrubi();
