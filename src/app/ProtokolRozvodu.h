#pragma once

struct Prikaz;

// drun-protokol --rozvod ROZVOD.DRR [--csv]: every room of a rozvod against
// its requirement in the project's table, then "Chyba" and the number of rooms
// that could not be computed when there are some. Exit status as --projekt: 0
// every room meets its requirement, 3 some room does not, 1 the file cannot be
// read or a room cannot be computed, 2 bad options.
int ProtokolRozvodu(const Prikaz& p);
