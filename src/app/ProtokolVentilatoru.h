#pragma once

struct Prikaz;

// drun-protokol --ventilator --prutok Q --tlak DP --otacky N --druh RR|T|AM
// [--pomer X] [--lopatek Z]: the fan's estimated sound power, a heading line
// and one line of the eight bands, their L(A) and L(W), tab-separated, on
// standard output. Returns the exit status.
int ProtokolVentilatoru(const Prikaz& p);
