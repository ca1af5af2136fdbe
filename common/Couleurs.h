#pragma once
// Codes couleur « #RRGGBB » et numéros de couleur rouge + 256 × vert + 65536 × bleu.

#include <QString>
#include <cstdint>

// 255 -> « #FF0000 ».
QString CouleurVersHTML(uint32_t couleur);

// Six chiffres hexadécimaux RRGGBB (sans « # ») -> numéro de couleur ; « FF0000 » -> 255.
// La lecture s'arrête au premier caractère qui n'est pas un chiffre hexadécimal.
uint32_t HTMLVersCouleur(const QString& sixChiffres);
