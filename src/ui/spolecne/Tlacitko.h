#pragma once

#include <QObject>
#include <QPushButton>
#include <QString>

#include "ui/spolecne/Hlaseni.h"

// A push button of a window: its text, its "Short|Long" hint and the window's
// slot it calls.
template <class Okno, class Slot>
QPushButton* Tlacitko(Okno* okno, const QString& text, const QString& hint, Slot slot) {
    auto* b = new QPushButton(text, okno);
    NastavHint(b, hint);
    QObject::connect(b, &QPushButton::clicked, okno, slot);
    return b;
}
