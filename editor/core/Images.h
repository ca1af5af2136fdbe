#pragma once
// Lecture des images à la taille où elles sont montrées : une photo de 24 mégapixels n'est
// jamais décodée en entier pour un aperçu.

#include <QImage>
#include <QSize>
#include <QString>

// Ce qui distingue une version d'un fichier d'une autre sans le lire : numéro de fichier, taille
// et date de modification. Un fichier remplacé (même par une image de même nom) en change.
QString SignatureFichier(const QString& chemin);

// Taille réelle de l'image, lue dans son en-tête sans la décoder ; invalide si illisible.
QSize TailleImage(const QString& chemin);

// Taille affichée : la taille réelle, réduite en gardant les proportions quand elle dépasse
// la place disponible (jamais agrandie).
QSize TailleAjustee(QSize image, QSize place);

// Taille affichée en remplissant toute la place (aperçus étirés).
QImage LireImageEtiree(const QString& chemin, QSize place);

// Lit l'image décodée directement à sa taille ajustée ; image nulle si illisible.
QImage LireImageAjustee(const QString& chemin, QSize place);
