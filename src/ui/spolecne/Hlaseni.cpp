#include "ui/spolecne/Hlaseni.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

#include "core/Vysledek.h"

namespace {

Hlaseni* instalovane = nullptr;
int otevreno = 0;

struct Otevreno {
    Otevreno() { ++otevreno; }
    ~Otevreno() { --otevreno; }
};

QWidget* Rodic() {
    return QApplication::activeWindow();
}

} // namespace

void HlaseniOkna::Chyba(const QString& text) {
    QMessageBox::critical(Rodic(), QStringLiteral("Chyba"), text);
}

void HlaseniOkna::Informace(const QString& text) {
    QMessageBox::information(Rodic(), QStringLiteral("Informace"), text);
}

bool HlaseniOkna::Potvrd(const QString& text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Potvrzení"), text,
                    QMessageBox::Yes | QMessageBox::No, Rodic());
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Ano"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Ne"));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

Hlaseni::Volba HlaseniOkna::ZeptejUlozeni(const QString& text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Potvrzení"), text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, Rodic());
    box.button(QMessageBox::Save)->setText(QStringLiteral("Uložit"));
    box.button(QMessageBox::Discard)->setText(QStringLiteral("Neukládat"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Storno"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return Volba::Ulozit;
    case QMessageBox::Discard:
        return Volba::Neukladat;
    default:
        return Volba::Storno;
    }
}

std::optional<QString> Hlaseni::ZadejText(const QString& popisek, const QString& vychozi) {
    QInputDialog d(Rodic());
    d.setWindowTitle(QStringLiteral("DRUN"));
    d.setLabelText(popisek);
    d.setTextValue(vychozi);
    d.setOkButtonText(QStringLiteral("OK"));
    d.setCancelButtonText(QStringLiteral("Storno"));
    if (d.exec() != QDialog::Accepted) return std::nullopt;
    return d.textValue();
}

namespace {

// Wraps the installed implementation with the "box is open" counter.
class Pocitadlo : public Hlaseni {
  public:
    void Chyba(const QString& t) override {
        Otevreno o;
        Cil().Chyba(t);
    }
    void Informace(const QString& t) override {
        Otevreno o;
        Cil().Informace(t);
    }
    bool Potvrd(const QString& t) override {
        Otevreno o;
        return Cil().Potvrd(t);
    }
    Volba ZeptejUlozeni(const QString& t) override {
        Otevreno o;
        return Cil().ZeptejUlozeni(t);
    }
    std::optional<QString> ZadejText(const QString& p, const QString& v) override {
        Otevreno o;
        return Cil().ZadejText(p, v);
    }

  private:
    static Hlaseni& Cil() {
        static HlaseniOkna okna;
        return instalovane ? *instalovane : okna;
    }
};

} // namespace

Hlaseni& hlaseni() {
    static Pocitadlo p;
    return p;
}

void NastavHlaseni(Hlaseni* h) {
    instalovane = h;
}

bool HlaseniOtevreno() {
    return otevreno > 0;
}

void NastavHint(QWidget* w, const QString& hint) {
    const int bar = hint.indexOf(QLatin1Char('|'));
    w->setToolTip(bar < 0 ? hint : hint.left(bar));
    w->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
}

QString NazevSHvezdickou(const QString& nazev) {
    const QString hvezdicka = QStringLiteral("[*]");
    return QString(nazev).replace(hvezdicka, hvezdicka + hvezdicka) + hvezdicka;
}

bool PredejHint(QWidget* okno, QEvent* e) {
    if (e->type() != QEvent::StatusTip || !okno->parentWidget()) return false;
    QCoreApplication::sendEvent(okno->parentWidget()->window(), e);
    return true;
}

void Ohlas(const drun::VysledekSouboru& v) {
    if (v.Zprava.empty()) return;
    const QString text = QString::fromStdString(v.Zprava);
    if (v.Ok())
        hlaseni().Informace(text);
    else
        hlaseni().Chyba(text);
}
