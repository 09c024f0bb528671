#pragma once

#include <QWidget>

#include "ui/tisk/Grafy.h"

class QChartView;
class QComboBox;
class QPainter;
class QPushButton;
class TDokument;

// The result as pictures: the end-of-path spectrum against the requirement and
// its NR curve, and the level along the path in one band. Modeless; it follows
// every evaluation of the main window.
class TGrafForm : public QWidget, public TGrafy {
    Q_OBJECT
  public:
    TGrafForm(TDokument& dokument, QWidget* rodic);

    // Index of the band shown along the path: 0..7 bands, 8 L(A).
    int Pasmo() const;
    // The element whose point lies at most a few pixels from pos (a position
    // in the path chart's viewport), or 0.
    int ElementNaPozici(const QPoint& pos) const;
    // PNG or SVG by the name's extension; reports failures, true when written.
    bool UlozObrazek(const QString& soubor);
    // Draws both charts as they are shown, one above the other.
    void Vykresli(QPainter& p);
    QSize VelikostObrazku() const;

    QChartView *SpektrumView, *CestaView;
    QComboBox* PasmoComboBox;
    QPushButton* UlozitBtn;

  public slots:
    void Zobraz();
    // Redraws when visible; a hidden window redraws when it is shown.
    void Prekresli();
    void PrekresliHned();
    void PrekresliCestu();
    void ZvyrazniAktualni();
    // As a click on the element's line in the main window's list.
    void VyberElement(int n);
    void UlozitBtnClick();

  protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    void PrekresliSpektrum();
    double Hladina(int n) const;

    TDokument& dokument_;
    bool zastarale_ = true;
    bool umisteno_ = false;
};
