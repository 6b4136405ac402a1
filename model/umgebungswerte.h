#pragma once

class CUmgebung;

// What the models' clamps read from the environment, in one place.
int Tastenanzahl(const CUmgebung& u);
// A key index brought into the key table; without an environment the
// table's size is unknown and only the lower end applies.
void TasteBegrenzen(int& taste, const CUmgebung* u);
// Set count of the catalogue's first and second code table.
int Reizlistenanzahl(const CUmgebung& u);
int Reizlistenanzahl2(const CUmgebung& u);
// Stimulus count of a set in the first and second code table.
int Reizanzahl(const CUmgebung& u, int liste);
int Reizanzahl2(const CUmgebung& u, int liste);
