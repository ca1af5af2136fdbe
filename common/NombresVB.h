#pragma once
// Lecture des nombres à la manière des textes saisis : la valeur d'un texte est le nombre
// décimal qui le commence (0 quand il n'y en a pas) ; « arrondi » va au plus proche, une moitié
// allant au pair ; « plancher » va vers moins l'infini.

#include <QString>
#include <cstdint>

// « 12.5abc » -> 12.5 ; « abc » -> 0 ; « -3 » -> -3 ; « 1e3 » -> 1000 ; blancs de tête ignorés.
double ValeurTexte(const QString& texte);

// 2.5 -> 2, 3.5 -> 4, -2.5 -> -2 ; borné aux limites de int64_t.
int64_t ArrondiPair(double valeur);

// floor, borné aux limites de int64_t.
int64_t Plancher(double valeur);
