#pragma once

struct Prikaz;

// drun-protokol --projekt PROJEKT.DRP [--csv]: every room of a project against
// its requirement, a line per room. Returns the exit status: 0 every room
// meets its requirement, 3 some room does not, 1 a file cannot be read, 2 bad
// options.
int ProtokolProjektu(const Prikaz& p);
