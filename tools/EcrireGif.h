#pragma once
// Écriture de fichiers GIF89a : Qt sait les lire mais pas les écrire, or le projet par défaut
// et les essais ont besoin de diapositives GIF.

#include <QByteArray>
#include <QImage>
#include <QString>

// L'image telle que le GIF la contiendra : Format_Indexed8, 256 couleurs au plus. Une image
// d'au plus 256 couleurs garde ses couleurs exactes ; au-delà, palette par coupe médiane et
// couleur la plus proche, sans tramage (même source, même résultat). Un pixel d'opacité
// inférieure à 128 devient l'entrée transparente, placée en fin de palette.
QImage QuantifierGif(const QImage& image);

// Octets du fichier GIF ; vide pour une image nulle ou plus grande que 65535 pixels de côté.
QByteArray EncoderGif(const QImage& image);

// Écrit par un fichier temporaire renommé à la fin : un ancien fichier n'est jamais laissé
// à moitié écrit. Faux si l'image ne peut être encodée ou le fichier écrit.
bool EcrireGif(const QImage& image, const QString& chemin);
