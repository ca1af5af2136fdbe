#pragma once
// Les vraies fenêtres de l'éditeur derrière la porte Fenetres : chacune est créée à son premier
// usage puis gardée (cachée entre deux usages), pour que ses listes gardent leur dossier.

#include "Fenetres.h"

#include <QPointer>

class CaptureEcran;
class Convertisseur;
class Dialogues;
class Editeur;
class QWidget;
class frmReglage;
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
    void MontrerCapture(std::function<void()> fermee) override;
    void MontrerInfo() override;

    // Ce dont la fenêtre de capture se sert ; nuls, les vrais (copie de l'écran, bmp2jpg, boîtes
    // de message posées sur elle). Les essais y mettent leurs doublures.
    struct ServicesCapture {
        CaptureEcran* ecran = nullptr;
        Convertisseur* convertisseur = nullptr;
        Dialogues* dialogues = nullptr;
    };
    void definirServicesCapture(const ServicesCapture& services) { m_servicesCapture = services; }
    // La fenêtre de capture tant qu'elle est ouverte.
    frmReglage* Reglage() const;

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
    QPointer<frmReglage> m_frmReglage;
    ServicesCapture m_servicesCapture;
};
