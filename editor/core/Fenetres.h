#pragma once
// Les fenêtres que l'éditeur montre et attend (modales). L'éditeur n'en connaît que cette
// porte : elle est faite par la couche des fenêtres (FenetresQt, qui crée chaque fenêtre à son
// premier usage puis la garde) et remplacée dans les essais par un faux qui joue l'utilisateur.
//
// Chaque fenêtre rend son résultat par l'état de l'éditeur, comme elle l'a toujours fait :
// NbSprite augmenté, InsertTexte, InsertTypeImage ou « ABORT », SelectionCouleurTexte...

#include <QColor>
#include <QString>
#include <functional>

class Fenetres {
public:
    virtual ~Fenetres() = default;

    // « Ajouter une image » (frmFichierImage), avec son titre et le commentaire de départ.
    virtual void MontrerAjout(const QString& titre, const QString& commentaire) = 0;
    // « Changer une image » (frmChangerImage) de la diapo en cours.
    virtual void MontrerChangement() = 0;
    // « Choix de la couleur » (frmCouleur) ; la couleur est rendue dans SelectionCouleurTexte.
    virtual void MontrerCouleur() = 0;
    // La couleur de l'aperçu de cette fenêtre, reprise par la pastille cmdRich 8.
    virtual QColor CouleurChoisie() const = 0;
    // « EnregistrerSous » (frmSauverSous) ; le choix est rendu dans NomEnr et RepEnr.
    virtual void MontrerSauverSous() = 0;
    // « Ouvrir un projet » (frmCin) ; le choix est rendu dans NomProjet et RepertoireProjet.
    virtual void MontrerOuvrir() = 0;
    // « Visionneuse » (frmVisionneuse) ; l'ordre est rendu dans OrdreDiapo, la validation dans
    // IndChangementDiapo.
    virtual void MontrerVisionneuse() = 0;
    // « Modèle » (frmChangerModele) ; elle remplace elle-même le modèle de page.
    virtual void MontrerModele() = 0;
    // « Changer le fond d'écran » (frmFondEcran) ; la texture choisie est rendue dans NomFond
    // (vide : annulé).
    virtual void MontrerFondEcran() = 0;
    // La fenêtre de capture (frmReglage d'Ostrelle), qui lit sa taille dans « Passage ».
    // L'éditeur se cache ; la fenêtre se cache et revient à chaque capture, et peut donc rendre
    // la main avant d'être fermée : sa fermeture, par quelque moyen que ce soit, appelle
    // fermee, et son bouton Quitter remontre l'éditeur.
    virtual void MontrerCapture(std::function<void()> fermee) = 0;
    // La fenêtre des nouveautés (frmInfo).
    virtual void MontrerInfo() = 0;
};
