#pragma once
// Les vraies fenêtres de l'éditeur derrière la porte Fenetres : chacune est créée à son premier
// usage puis gardée (cachée entre deux usages), pour que ses listes gardent leur dossier.

#include "Fenetres.h"

#include <QPointer>

class Editeur;
class QWidget;
class frmChangerImage;
class frmCin;
class frmSauverSous;
class frmVisionneuse;
class frmChangerModele;
class frmFondEcran;
class frmCouleur;
class frmFichierImage;

class FenetresQt : public Fenetres {
public:
    // parent : la fenêtre principale, propriétaire des fenêtres créées.
    FenetresQt(Editeur& editeur, QWidget* parent);

    void MontrerAjout(const QString& titre, const QString& commentaire) override;
    void MontrerChangement() override;
    void MontrerCouleur() override;
    QColor CouleurChoisie() const override;
    void MontrerSauverSous() override;
    void MontrerOuvrir() override;
    void MontrerVisionneuse() override;
    void MontrerModele() override;
    void MontrerFondEcran() override;

    // Les fenêtres elles-mêmes (créées au besoin), pour la fenêtre principale et les essais.
    frmFichierImage* FichierImage();
    frmChangerImage* ChangerImage();
    frmCouleur* Couleur();
    frmSauverSous* SauverSous();
    frmCin* Cin();
    frmVisionneuse* Visionneuse();
    frmChangerModele* Modele();
    frmFondEcran* FondEcran();

private:
    void CreerFenetresChoix();

    Editeur& m_editeur;
    QWidget* m_parent;
    QPointer<frmFichierImage> m_frmFichierImage;
    QPointer<frmChangerImage> m_frmChangerImage;
    QPointer<frmCouleur> m_frmCouleur;
    QPointer<frmSauverSous> m_frmSauverSous;
    QPointer<frmCin> m_frmCin;
    QPointer<frmVisionneuse> m_frmVisionneuse;
    QPointer<frmChangerModele> m_frmChangerModele;
    QPointer<frmFondEcran> m_frmFondEcran;
};
