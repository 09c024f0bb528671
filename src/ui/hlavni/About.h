#pragma once

#include <QDialog>
#include <functional>

class QLabel;

namespace drun {
struct DrunVar;
}

class TAboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit TAboutBox(const drun::DrunVar& var, QWidget* parent = nullptr);
    // Where the configuration file and the silencer data are read from.
    QLabel* SouboryLbl;
    std::function<QString()> SouborKatalogu; // the catalogue the program works with

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    const drun::DrunVar& var_;
};
