#pragma once

#include <QDialog>

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

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    const drun::DrunVar& var_;
};
