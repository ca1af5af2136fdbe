#pragma once
// Lecture des nombres à la manière des textes saisis : la valeur d'un texte est le nombre
// décimal qui le commence (0 quand il n'y en a pas) ; « arrondi » va au plus proche, une moitié
// allant au pair ; « plancher » va vers moins l'infini.

#include <QString>
#include <cstdint>
#include <optional>

// « 12.5abc » -> 12.5 ; « abc » -> 0 ; « -3 » -> -3 ; « 1e3 » -> 1000 ; blancs de tête ignorés.
double ValeurTexte(const QString& texte);

// La valeur du texte quand il commence bien par un nombre (« 12px » -> 12) ; rien pour « abc ».
std::optional<double> ValeurTexteSiNombre(const QString& texte);

// Le texte entier est-il un nombre (blancs autour admis) ? « 3 », « -2.5 », « 1e3 » oui ;
// « abc », « 3a », « 0x10 », « nan », « inf » et ce qui dépasse un double (« 1e400 ») non.
std::optional<double> NombreTexte(const QString& texte);

// Ce nombre arrondi à l'entier le plus proche (moitié au pair), s'il tient dans 32 bits.
std::optional<int32_t> EntierTexte(const QString& texte);

// 2.5 -> 2, 3.5 -> 4, -2.5 -> -2 ; borné aux limites de int64_t.
int64_t ArrondiPair(double valeur);

// floor, borné aux limites de int64_t.
int64_t Plancher(double valeur);
