#pragma once
// Image qui ressemble à une capture d'écran : barres dégradées, fenêtres, texte de plusieurs
// tailles et couleurs, boutons, icônes lissées et une zone « photo ». Sert aux essais et à la
// mesure de bmp2jpg ; il faut une QGuiApplication pour le texte.

#include <QImage>

QImage EcranFactice(int largeur, int hauteur, quint32 graine = 1);
