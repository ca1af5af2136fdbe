#pragma once
// Images des boutons du module de capture, dessinées au pinceau : aucun fichier à livrer.

#include <QIcon>
#include <QPixmap>

enum class Dessin { Appareil, Quitter, Corbeille, Visualiser, Refaire, RetoucherBMP };

// Le dessin sur un carré de côté pixels (fond transparent).
QPixmap ImageCapture(Dessin dessin, int cote);

// Icône du dessin, en 32 et 64 pixels pour les écrans denses.
QIcon IconeCapture(Dessin dessin);
