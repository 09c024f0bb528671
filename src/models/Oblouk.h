#pragma once

#include <string>

#include "core/DrunVar.h"

namespace drun {

// What the bend dialog hands over: sizes in mm as typed, and the texts the
// description is built from.
struct ZadaniOblouku {
    int Druh = 1;                            // 1 = with guide vanes, 2 = elbow without them
    double RozmA = 0, RozmB = 0, Radius = 0; // mm
    double Prutok = 0;                       // m3/h
    std::string TextA, TextB, TextRadius, TextPrutok;
};

// Store step: type, kind, description and the sizes in mm.
void ZapisOblouk(DrunVar& var, const ZadaniOblouku& z);
// Compute step: attenuation by kind and the smaller side, self-noise from
// ZvukTvarovky.
void VypocetOblouku(DrunVar& var);

// Flow-noise sound power (dB, never below 0) in band 1..8 of a fitting where
// air passes from a duct Ao x Bo carrying Qo into the computed duct Ac x Bc
// carrying Qc, with edge radius R. Sides and radius in m, flows in m3/h.
double ZvukTvarovky(int pasmo, double Ao, double Bo, double Qo, double Ac, double Bc, double Qc,
                    double R);

// Velocity-ratio class 1..22 of the normalised flow-noise table.
int TridaTvarovky(double pomerRychlosti);
// Normalised flow noise of class 1..22 at Strouhal number St, linear between
// grid points and held at the ends of the grid.
double HlukTvarovky(int trida, double St);

// The dialogs refuse air at this velocity or faster (RychlostVPrurezu).
constexpr double MaxRychlostTvarovky = 30;

} // namespace drun
