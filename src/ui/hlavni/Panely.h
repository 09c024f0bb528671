#pragma once

#include <QStringList>
#include <QWidget>
#include <array>

class QFrame;
class QGridLayout;
class QLabel;

namespace drun {
struct TElementSite;
}

// Rows of the panels, nine values each (eight bands and L(A)).
enum class RadekPanelu {
    Zdroj,
    PredEl,
    Utlum,
    Mezisoucet,
    Vlastni,
    ZaEl,
    Vysledek,
    Pozadavek,
    Rozdil,
    Pocet
};

// Single labels of the panels.
enum class StitekPanelu { PopisZdroje, PopisElementu, NR, NC, RC, NazevPozadavku, Pocet };

// The read-out panels of the main window: the source, the element shown and
// the result with the requirement and the difference. They share one column
// grid, so the values of every row stand under each other.
class TPanelyHodnot : public QWidget {
    Q_OBJECT
  public:
    explicit TPanelyHodnot(QWidget* rodic = nullptr);

    // The source; with none entered (zero in every band) the ratings show "-".
    void ZobrazZdroj(const drun::TElementSite& zdroj);
    // `pred` is the element before it; the source has none.
    void ZobrazElement(const drun::TElementSite& e, const drun::TElementSite* pred);
    // The result with its ratings; the difference in red where the requirement is exceeded.
    // Without a requirement the difference is "-" and nothing is red.
    void ZobrazVysledek(const std::array<double, 9>& vysledek, const std::array<double, 9>& rozdil,
                        bool sPozadavkem = true);
    // The requirement with its name: a curve's own, "vlastní" for other levels.
    void ZobrazPozadavek(const std::array<double, 9>& pozadavek);

    // What is shown, read only.
    QStringList Texty(RadekPanelu r) const;
    const QLabel& Hodnota(RadekPanelu r, int pasmo) const;
    const QLabel& Stitek(StitekPanelu s) const;

  signals:
    void ZdrojKliknut();     // the source panel: its dialog
    void PozadavekKliknut(); // the result panel: the requirement's dialog

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    using Radek = std::array<QLabel*, 9>;
    const Radek& R(RadekPanelu r) const { return radky_[static_cast<size_t>(r)]; }
    void Zapis(RadekPanelu r, const std::array<double, 9>& s);
    void SrovnejSloupce();
    void ZobrazHodnoceni();

    std::array<Radek, static_cast<size_t>(RadekPanelu::Pocet)> radky_{};
    std::array<QLabel*, static_cast<size_t>(StitekPanelu::Pocet)> stitky_{};
    std::array<QGridLayout*, 3> mrizky_{}; // source, element, result
    QFrame* zdroj_ = nullptr;
    QFrame* vysledek_ = nullptr;
    std::array<double, 9> hodnoceny_{}; // the result the ratings are of
    bool bezZdroje_ = true;
};
