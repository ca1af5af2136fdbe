#pragma once
// Ce que l'écriture et la lecture du RTF du presse-papiers se partagent : les bornes de ce que
// l'éditeur sait garder et la page de code des \'hh.

#include <QHash>
#include <QString>

namespace InterneRTF {

// Bornes de ce que l'éditeur sait garder : décalage en Integer, taille en demi-points.
inline constexpr int DecalageMin = -32768;
inline constexpr int DecalageMax = 32767;
inline constexpr int DemiPointsMax = 3276; // 1638 points, le plafond des traitements de texte

// Windows-1252 dans les deux sens, pour \'hh : la table vient de la bibliothèque commune.
struct PageDeCode {
    QString versUnicode;
    QHash<char16_t, int> versOctet; // seulement les octets 0x80 à 0xFF
};

const PageDeCode& Page();

} // namespace InterneRTF
