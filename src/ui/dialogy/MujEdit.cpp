#include "ui/dialogy/MujEdit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QRegularExpression>

#include "core/Cisla.h"
#include "ui/spolecne/Hlaseni.h"

namespace {

bool validujeSe = false; // a field is showing its message right now

// A parsed text becomes the value only when it is a number within the limits.
template <class T>
bool PrevezmiCislo(std::optional<T> v, const QString& nazev, T min, T max, T& cislo,
                   QString& chyba) {
    if (!v) {
        chyba = ZpravaNeniCislo();
        return false;
    }
    if (*v < min || *v > max) {
        chyba = ZpravaRozsah(nazev, min, max);
        return false;
    }
    cislo = *v;
    return true;
}

} // namespace

QString ZpravaNeniCislo() {
    return QStringLiteral("V poli není číslo!");
}

QString ZpravaRozsah(const QString& nazev, double min, double max) {
    const QString rozsah = QStringLiteral("číslo od ") +
                           QString::fromStdString(drun::FormatObecne(min)) +
                           QStringLiteral(" do ") +
                           QString::fromStdString(drun::FormatObecne(max)) + QStringLiteral(".");
    if (nazev.isEmpty()) return QStringLiteral("Zadejte ") + rozsah;
    return nazev + QStringLiteral(": zadejte ") + rozsah;
}

QString NazevZPopisku(const QString& popisek) {
    static const QRegularExpression jednotka(QStringLiteral(R"((\s+v\s+\S+|\s*\[[^\]]*\])$)"));
    QString n = QString(popisek).remove(QLatin1Char('&')).trimmed();
    if (n.endsWith(QLatin1Char(':'))) n.chop(1);
    return n.remove(jednotka).trimmed();
}

TMEdit::TMEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textEdited, this, [this] { neovereno_ = true; });
}

bool TMEdit::Over() {
    if (!neovereno_ || validujeSe) return !neovereno_;
    if (text().trimmed().isEmpty()) setText(QStringLiteral("0"));
    QString chyba;
    if (Prevezmi(text(), chyba)) {
        neovereno_ = false;
        emit Prevzato();
        return true;
    }
    validujeSe = true;
    hlaseni().Chyba(chyba);
    validujeSe = false;
    setFocus(Qt::OtherFocusReason);
    selectAll();
    return false;
}

bool TMEdit::OverVse(QWidget* w) {
    // The focused field first: that is the one the user was typing into.
    if (auto* f = qobject_cast<TMEdit*>(w->focusWidget()); f && w->isAncestorOf(f))
        if (!f->Over()) return false;
    const auto pole = w->findChildren<TMEdit*>();
    for (TMEdit* f : pole)
        if (f->isEnabled() && !f->Over()) return false;
    return true;
}

void TMEdit::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    // Switching windows (including to our own message box) is not leaving the field.
    if (e->reason() == Qt::ActiveWindowFocusReason || e->reason() == Qt::PopupFocusReason) return;
    if (validujeSe || HlaseniOtevreno()) return;
    Over();
}

TMDoubleEdit::TMDoubleEdit(QWidget* parent) : TMEdit(parent) {}

void TMDoubleEdit::NastavCislo(double v, int desetin) {
    NastavCislo(v, QString::fromStdString(drun::FormatCislo(v, desetin)));
}

void TMDoubleEdit::NastavCislo(double v, const QString& text) {
    cislo_ = v;
    setText(text);
    OznacNastaveno();
}

void TMDoubleEdit::keyPressEvent(QKeyEvent* e) {
    if (e->text() == QStringLiteral(",")) {
        QKeyEvent tecka(e->type(), Qt::Key_Period, e->modifiers(), QStringLiteral("."),
                        e->isAutoRepeat(), static_cast<ushort>(e->count()));
        QLineEdit::keyPressEvent(&tecka);
        return;
    }
    QLineEdit::keyPressEvent(e);
}

bool TMDoubleEdit::Prevezmi(const QString& text, QString& chyba) {
    return PrevezmiCislo(drun::CtiDouble(text.toStdString()), Nazev, Min, Max, cislo_, chyba);
}

TMIntegerEdit::TMIntegerEdit(QWidget* parent) : TMEdit(parent) {}

void TMIntegerEdit::NastavCislo(int v) {
    cislo_ = v;
    setText(QString::number(v));
    OznacNastaveno();
}

bool TMIntegerEdit::Prevezmi(const QString& text, QString& chyba) {
    return PrevezmiCislo(drun::CtiInt(text.toStdString()), Nazev, Min, Max, cislo_, chyba);
}
