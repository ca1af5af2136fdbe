#pragma once
// Fichiers de capture du dossier du programme : suppression par extension et renumérotation
// des JPEG sans trous.

#include <QString>
#include <functional>

// Les suppressions ne touchent que les numéros 1 à 100, dans les deux programmes.
inline constexpr int NbCapturesSupprimees = 100;

// Supprime "ScreenShot_" + n + extension pour n = 1..100 ; absent ou refusé : on passe.
void DetruireCaptures(const QString& dossier, const QString& extension);

// Recense les JPEG 1..nbMax lisibles, puis comble les trous en renommant les suivants vers
// les numéros libres, dans leur ordre. Chaque renommage refusé appelle surEchec et le travail
// continue comme s'il avait réussi. Rend le nombre de JPEG recensés.
int RenumeroterJPEG(const QString& dossier, int nbMax, const std::function<void()>& surEchec);

class QImage;

// Enregistre l'image en BMP Windows (24 bits, de bas en haut : ce que lit bmp2jpg).
bool EnregistrerBMP(const QImage& image, const QString& chemin);

// Texte de l'échec d'écriture d'une capture.
QString TexteEcritureImpossible(const QString& chemin);
