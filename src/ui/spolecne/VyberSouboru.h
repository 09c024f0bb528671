#pragma once

#include <QString>

class QWidget;

// The standard save dialog, starting where file dialogs start (offering
// `jmeno` there when given): the name gets `pripona` when it has none, and a
// file that exists is replaced only after the user confirms it. Empty when
// nothing is to be written.
QString SouborKUlozeni(QWidget* rodic, const QString& titulek, const QString& filtr,
                       const QString& pripona, const QString& jmeno = {});
