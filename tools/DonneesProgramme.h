#pragma once
// Fichiers fabriqués à la construction pour le dossier du programme : la diapositive et le
// fichier du projet par défaut, les fonds et les textures. Tout est tiré de graines fixes :
// deux constructions donnent les mêmes octets.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

// Première diapositive du projet « Nouveau » : un paysage de 600 x 400 titré « Ostrelle ».
QImage DessinerDiapoAccueil();

// Textures raccordables bord à bord (le bord droit continue le bord gauche, le bas le haut).
QImage DessinerPapier(int cote = 128); // fond clair du projet et de la fenêtre
QImage DessinerLin(int cote = 128);
QImage DessinerMarbre(int cote = 128);
QImage DessinerBois(int cote = 256);    // fond de cadre du modèle « Image.htm »
QImage DessinerArdoise(int cote = 256); // gris bleu, feuilletée
QImage DessinerFeutre(int cote = 256);  // vert tendre, fibres en tous sens
QImage DessinerLiege(int cote = 256);   // granules agglomérés
QImage DessinerSable(int cote = 128);   // grain fin et chaud
QImage DessinerToile(int cote = 128);   // armure toile, fils de 8 points ; côté multiple de 16

// « Nouveau.cin » : lignes CR LF en Windows-1252.
QByteArray ProjetParDefaut();

// Fichiers écrits par EcrireDonnees, chemins relatifs au dossier de sortie.
QStringList FichiersFabriques();

// Écrit tous les fichiers de FichiersFabriques() sous dossier (créé au besoin). Faux au
// premier échec, avec le fichier fautif dans erreur.
bool EcrireDonnees(const QString& dossier, QString* erreur = nullptr);
