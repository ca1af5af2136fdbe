#pragma once
// Ce qui distingue le module de capture de Kestrane de celui d'Ostrelle, et les services dont
// il se sert (copie d'écran, conversion), remplaçables par les essais.

#include <QString>
#include <functional>

class CaptureEcran;
class Convertisseur;

enum class Programme { Kestrane, Ostrelle };

struct OptionsCapture {
    Programme programme = Programme::Kestrane;
    // Dossier des fichiers « Passage », « ScreenShot_n » et de l'aide.
    QString dossier;
    // Dossier de « libbmp2jpg.so » ; vide : celui du programme qui tourne (DossierBibliotheques :
    // le dossier des exécutables dans la construction, lib/ostrelle une fois installé).
    QString dossierBibliotheques;

    // Kestrane : la fin du programme, demandée par Quitter.
    std::function<void()> terminer;
    // Ostrelle : Quitter remontre la fenêtre de l'éditeur...
    std::function<void()> montrerEditeur;
    // ... et toute fermeture de la fenêtre des réglages lève IndCapture de l'éditeur.
    std::function<void()> leverIndCapture;

    // Services ; nuls, la fenêtre prend les vrais (X11, bibliothèque bmp2jpg).
    CaptureEcran* captureEcran = nullptr;
    Convertisseur* convertisseur = nullptr;

    // Kestrane dans le dossier du programme ; terminer quitte l'application.
    static OptionsCapture Kestrane(const QString& dossier);
    static OptionsCapture Ostrelle(const QString& dossier, std::function<void()> montrerEditeur,
                                   std::function<void()> leverIndCapture);

    bool ostrelle() const { return programme == Programme::Ostrelle; }

    // Les différences, au même endroit.
    QString nomFenetre() const;         // objectName : frmPrincipal ou frmReglage
    QString texteQuitter() const;       // première ligne de la question QUITTER
    QString qualiteInitiale() const;    // txtQualite au chargement
    int nbMaxCaptures() const;          // plafond de la renumérotation
    QString texteErreurFichier() const; // échec pendant la renumérotation
};
