#pragma once
// Dossiers fixes des programmes.
//
// Lancés depuis la construction (build/Ostrelle/), les programmes ont tout dans le dossier de
// leurs exécutables : bibliothèque, données, et c'est leur dossier de travail. Installés
// (cmake --install), les exécutables sont dans bin/, la bibliothèque de conversion dans
// lib/ostrelle/ et les données en lecture seule dans share/ostrelle/ ; chaque utilisateur
// travaille alors dans son propre dossier, « $XDG_DATA_HOME/Ostrelle » (~/.local/share/Ostrelle),
// partagé par Ostrelle et Kestrane et rempli depuis les données installées
// (DossierUtilisateur.h).

#include <QString>

// Où chaque chose se trouve pour des exécutables posés dans un dossier donné.
struct Emplacements {
    // Faux : le dossier des exécutables porte ses données et s'écrit (la construction).
    bool installe = false;
    // Le dossier de travail : données, « Passage », captures.
    QString programme;
    // Les données installées en lecture seule d'où le dossier de travail se remplit (vide hors
    // installation).
    QString donnees;
    // Le dossier de « libbmp2jpg.so ».
    QString bibliotheques;
};

// dossierUtilisateurs : le dossier des données de l'utilisateur (QStandardPaths
// GenericDataLocation, ~/.local/share) ; le dossier de travail d'un programme installé en est
// le sous-dossier « Ostrelle ».
Emplacements EmplacementsPour(const QString& dossierExecutables,
                              const QString& dossierUtilisateurs);

// Vrai quand le dossier porte les données des programmes (« Nouveau.htm » et « Restaurer ») et
// qu'on peut y écrire : il sert tel quel de dossier du programme.
bool DossierAutonome(const QString& dossier);

// Le dossier des exécutables du programme qui tourne.
QString DossierExecutables();

// Les emplacements du programme qui tourne.
Emplacements EmplacementsProgramme();

// Le dossier de travail et des données : celui des exécutables dans la construction, celui de
// l'utilisateur une fois installé.
QString DossierProgramme();

// Le dossier où le moteur de capture charge « libbmp2jpg.so » par son nom.
QString DossierBibliotheques();

// Le dossier de la copie de secours (« aaaa.cin »...), propre à l'utilisateur ; créé au besoin.
QString DossierSecours();
