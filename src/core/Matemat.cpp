#include "Matemat.h"

#include <cmath>

namespace drun {

double Log10(double x) { return std::log(x) / std::log(10.0); }

double Mocnina10(double x) { return std::exp(x * std::log(10.0)); }

double Interpolace(double x1, double y1, double x2, double y2, double x) {
    if (x2 - x1 == 0.0) return y1;
    return y1 + (x - x1) * (y2 - y1) / (x2 - x1);
}

}  // namespace drun
