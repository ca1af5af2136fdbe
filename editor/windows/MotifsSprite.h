#pragma once
// Les dix-huit motifs des boutons de la barre, dans l'ordre des images (Sprites.h).

#include "Sprites.h"

class QPainter;

namespace DessinSprite {

using Motif = void (*)(QPainter&);
extern const Motif Motifs[NbImagesSprite / 2];

} // namespace DessinSprite
