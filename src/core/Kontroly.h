#pragma once

#include <string>

#include "core/Vstupy.h"

// What a kind refuses beyond the ranges of its single values: the dialog's
// pre-check and the data-file reader alike (the kinds' table holds them).
namespace drun {

// Why the plenum is refused (an opening larger than its wall, an offset that
// puts the outlet beyond the wall), in Czech; empty when it fits. The limits
// themselves fit.
std::string ChybaKomory(const VstupyKomory& v);
// Largest offset that keeps both openings on a wall of size `stena`.
double MaxPosunKomory(double stena, double vstup, double vystup);

// The flow through a damper: its cross-section m2, the side across the blades m,
// the approach velocity m/s, the pressure-loss coefficient. Values outside the
// ranges (a damaged element) are taken at the nearest limit.
struct ProudeniKlapky {
    double s, d;
    double u, c;
};
ProudeniKlapky ProudeniKlapkou(const VstupyKlapky& v);
// The open fraction of the cross-section (blockage factor).
double BlokaceKlapky(const ProudeniKlapky& p, int listy);

// Why the damper is refused, in Czech; empty when its noise can be computed:
// a pressure-loss coefficient C <= 1 (the drop is less than the velocity
// pressure) or, for a single blade, one so large that the open fraction of the
// regression falls to 0 or below.
std::string ChybaKlapky(const VstupyKlapky& v);
// A silencer of a length and a splitter width its data file does not hold
// (whole metres, 100, 200 or 300 mm), in Czech; empty when it does.
std::string ChybaTlumice(const VstupyTlumic& v);

} // namespace drun
