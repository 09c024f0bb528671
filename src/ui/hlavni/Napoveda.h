#pragma once

#include <QDialog>
#include <QUrl>

class QPushButton;
class QTextBrowser;

// The program's help: Czech pages compiled into the program, shown in a
// modeless window that "Nápověda" and F1 open at the contents page.
class TNapovedaForm : public QDialog {
    Q_OBJECT
  public:
    explicit TNapovedaForm(QWidget* parent = nullptr);

    static QUrl Obsah(); // the contents page

    QTextBrowser* Stranka;
    QPushButton *ObsahBtn, *ZpetBtn, *VpredBtn, *ZavritBtn;

  public slots:
    // Shows the window at the contents page and brings it forward.
    void Otevri();
    // Shows the window at a page of the help ("soucet.html", "pomucky.html#graf").
    void OtevriStranku(const QString& stranka);
};
