#pragma once
// Les images des boutons de la barre d'outils, dessinées par le programme : l'image 2k est le
// bouton k relâché, l'image 2k + 1 le même bouton enfoncé (36 images, 0 à 35).

#include <QPixmap>

inline constexpr int NbImagesSprite = 36;
inline constexpr int TailleSprite = 44; // côté d'une image, en pixels logiques

QPixmap ImageSprite(int index);
