#pragma once

#include <QString>

#include "core/Cisla.h"

// A level in the one display format of the program (one decimal), for labels.
inline QString Text(double x) {
    return QString::fromStdString(drun::FormatHodnota(x));
}
