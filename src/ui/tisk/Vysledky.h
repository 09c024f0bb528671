#pragma once

#include <QString>

class QLocale;
class QMimeData;

namespace drun {
struct DrunVar;
}

// The result table for the clipboard, in the rows and columns of the CSV
// export: tab-separated text and an HTML table, numbers with one decimal and
// the locale's decimal separator, differences above 0 red as in the window.
QString VysledkyJakoText(const drun::DrunVar& var, const QLocale& jazyk);
QString VysledkyJakoHtml(const drun::DrunVar& var, const QLocale& jazyk);
// Both flavours at once, for QClipboard::setMimeData (which takes ownership).
QMimeData* VysledkyProSchranku(const drun::DrunVar& var, const QLocale& jazyk);
