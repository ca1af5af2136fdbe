#pragma once
// Ce que le module de capture demande à sa fenêtre : s'effacer le temps d'une capture et
// revenir, montrer le cadre de capture, se cacher et se fermer en quittant. frmReglage
// l'implémente ; les essais de la logique en ont une fausse.

#include <QString>

class CaptureEcran;
struct EtatCapture;

// Ce que rend le cadre de capture une fois fermé.
struct ResultatCadre {
    bool CaptureFaite = false;
    // Pourquoi la copie n'a pas pu se faire ; vide quand l'utilisateur a renoncé (Échap).
    QString echec;
};

class FenetreReglage {
public:
    virtual ~FenetreReglage() = default;

    // La fenêtre des réglages disparaît le temps d'une capture...
    virtual void Escamoter() = 0;
    // ... et revient à la même place, devant les autres fenêtres.
    virtual void Reapparaitre() = 0;

    // Montre le cadre de capture modalement et attend sa fermeture. Le cadre lit et écrit etat
    // (position, taille, Pic) et enregistre le BMP du numéro etat.NumeroCapture dans dossier.
    virtual ResultatCadre MontrerCadre(EtatCapture& etat, CaptureEcran& ecran,
                                       const QString& dossier) = 0;

    // Quitter : cacher la fenêtre (Ostrelle, avant de remontrer l'éditeur), puis la fermer.
    virtual void Cacher() = 0;
    virtual void Fermer() = 0;
};
