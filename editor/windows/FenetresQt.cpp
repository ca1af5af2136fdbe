#include "FenetresQt.h"

#include "Dialogues.h"
#include "DialoguesQt.h"
#include "Editeur.h"
#include "Feuilles.h"
#include "OptionsCapture.h"
#include "frmChangerImage.h"
#include "frmChangerModele.h"
#include "frmCin.h"
#include "frmCouleur.h"
#include "frmFichierImage.h"
#include "frmFondEcran.h"
#include "frmInfo.h"
#include "frmReglage.h"
#include "frmSauverSous.h"
#include "frmVisionneuse.h"

#include <QGuiApplication>
#include <memory>

FenetresQt::FenetresQt(Editeur& editeur, QWidget* parent) : m_editeur(editeur), m_parent(parent) {}

// Les deux fenêtres de choix naissent ensemble, pour que chacune reprenne le dossier de l'autre.
void FenetresQt::CreerFenetresChoix() {
    if (m_frmFichierImage)
        return;
    m_frmFichierImage = new frmFichierImage(m_editeur, m_parent);
    m_frmChangerImage = new frmChangerImage(m_editeur, m_parent);
    m_frmFichierImage->definirJumelle(m_frmChangerImage);
    m_frmChangerImage->definirJumelle(m_frmFichierImage);
}

frmFichierImage* FenetresQt::FichierImage() {
    CreerFenetresChoix();
    return m_frmFichierImage;
}

frmChangerImage* FenetresQt::ChangerImage() {
    CreerFenetresChoix();
    return m_frmChangerImage;
}

frmCouleur* FenetresQt::Couleur() {
    if (!m_frmCouleur)
        m_frmCouleur = new frmCouleur(m_editeur, m_parent);
    return m_frmCouleur;
}

void FenetresQt::MontrerAjout(const QString& titre, const QString& commentaire) {
    FichierImage()->Preparer(titre, commentaire);
    m_editeur.dialogues().executerModal(*FichierImage());
}

void FenetresQt::MontrerChangement() {
    m_editeur.dialogues().executerModal(*ChangerImage());
}

void FenetresQt::MontrerCouleur() {
    m_editeur.dialogues().executerModal(*Couleur());
}

QColor FenetresQt::CouleurChoisie() const {
    return m_frmCouleur ? m_frmCouleur->couleurSelection() : QColor(255, 0, 0);
}

frmSauverSous* FenetresQt::SauverSous() {
    if (!m_frmSauverSous)
        m_frmSauverSous = new frmSauverSous(m_editeur, m_parent);
    return m_frmSauverSous;
}

frmCin* FenetresQt::Cin() {
    if (!m_frmCin)
        m_frmCin = new frmCin(m_editeur, m_parent);
    return m_frmCin;
}

void FenetresQt::MontrerSauverSous() {
    m_editeur.dialogues().executerModal(*SauverSous());
}

void FenetresQt::MontrerOuvrir() {
    m_editeur.dialogues().executerModal(*Cin());
}

frmVisionneuse* FenetresQt::Visionneuse() {
    if (!m_frmVisionneuse)
        m_frmVisionneuse = new frmVisionneuse(m_editeur, m_parent);
    return m_frmVisionneuse;
}

void FenetresQt::MontrerVisionneuse() {
    m_editeur.dialogues().executerModal(*Visionneuse());
}

frmChangerModele* FenetresQt::Modele() {
    if (!m_frmChangerModele)
        m_frmChangerModele = new frmChangerModele(m_editeur, m_parent);
    return m_frmChangerModele;
}

void FenetresQt::MontrerModele() {
    m_editeur.dialogues().executerModal(*Modele());
}

frmFondEcran* FenetresQt::FondEcran() {
    if (!m_frmFondEcran)
        m_frmFondEcran = new frmFondEcran(m_editeur, m_parent);
    return m_frmFondEcran;
}

void FenetresQt::MontrerFondEcran() {
    m_editeur.dialogues().executerModal(*FondEcran());
}

frmReglage* FenetresQt::Reglage() const {
    return m_frmReglage;
}

void FenetresQt::MontrerCapture(std::function<void()> fermee) {
    QWidget* editeur = m_parent ? m_parent->window() : nullptr;
    OptionsCapture options = OptionsCapture::Ostrelle(
        m_editeur.dossierProgramme(),
        [editeur] {
            if (editeur) {
                editeur->show();
                MettreDevant(*editeur);
            }
        },
        std::move(fermee));
    options.captureEcran = m_servicesCapture.ecran;
    options.convertisseur = m_servicesCapture.convertisseur;

    // Les boîtes de la capture se posent sur sa fenêtre : l'éditeur est caché.
    auto propres = std::make_shared<DialoguesQt>();
    Dialogues& dialogues = m_servicesCapture.dialogues ? *m_servicesCapture.dialogues : *propres;
    // La fenêtre se charge en se construisant : « Passage » lu, les captures d'avant effacées.
    auto* reglage = new frmReglage(std::move(options), dialogues);
    propres->definirParent(reglage);
    m_frmReglage = reglage;
    reglage->setWindowModality(Qt::ApplicationModal);

    // Fermée par son cadre, la fenêtre ne remontre pas l'éditeur : on le fait ici. Le
    // programme ne doit pas non plus s'arrêter parce qu'aucune fenêtre ne se voit plus.
    const bool quitterSeul = QGuiApplication::quitOnLastWindowClosed();
    QGuiApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(reglage, &QDialog::finished, reglage,
                     [reglage, editeur, propres, quitterSeul] {
                         if (editeur && !editeur->isVisible()) {
                             editeur->show();
                             MettreDevant(*editeur);
                         }
                         QGuiApplication::setQuitOnLastWindowClosed(quitterSeul);
                         reglage->deleteLater();
                     });

    // Montrée sans exec() : elle se cache à chaque capture, ce qui finirait un exec().
    if (editeur)
        editeur->hide();
    reglage->show();
}

void FenetresQt::MontrerInfo() {
    frmInfo info(m_editeur.dossierProgramme(), m_parent);
    m_editeur.dialogues().executerModal(info);
}
