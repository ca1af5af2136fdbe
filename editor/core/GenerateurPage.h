#pragma once
// La page du diaporama (Nom.htm) et son script de données (Nom.js), faits ligne à ligne à partir
// des modèles « Nouveau.htm » et « Nouveau.js » du dossier du programme :
//   page   : lignes 1 à 9 copiées, ligne 10 remplacée par l'appel du script, la suite copiée ;
//   script : lignes 1 à 6 copiées, 7 à 10 remplacées par les données (RepImage, NBSprite, Info,
//            TypeImage), 11 et 12 copiées, 13 à 16 remplacées par l'affichage de la première
//            diapo, la suite copiée.

#include <QString>
#include <QStringList>
#include <array>

inline constexpr int LignesAvantScriptPage = 9;
inline constexpr int LignesModelePageMin = 11;
inline constexpr int LignesModeleScriptMin = 17;

struct DonneesPage {
    QString nomProjet;
    int nbSprite = 0;
    QString entete;
    const QString* infos = nullptr;      // commentaires HTML, déjà égalisés
    const QString* typesImage = nullptr; // au moins une entrée (la diapo 0)
};

// Ajoute des « <br> » aux commentaires pour qu'ils en aient tous autant ; rend ce nombre.
int EgaliserLignes(QString* infos, int nbSprite);

QStringList GenererLignesPage(const QStringList& modele, const QString& nomProjet);
QStringList GenererLignesScript(const QStringList& modele, const DonneesPage& donnees);
