#pragma once
// La fenêtre des réglages de capture : fenêtre principale de Kestrane (frmPrincipal), fenêtre
// de capture d'Ostrelle (frmReglage). Taille de la zone, type de sortie et qualité JPEG,
// compteur, commandes ; elle possède le fichier « Passage » et lance chaque capture.

#include "ControlesReglage.h"
#include "EtatCapture.h"
#include "OptionsCapture.h"

#include <QDialog>
#include <QTimer>
#include <array>
#include <memory>

class CaptureEcran;
class Convertisseur;
class Dialogues;
class QAbstractButton;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class frmCapture;

class frmReglage : public QDialog, private ControlesReglage {
    Q_OBJECT
public:
    // Le chargement de la fenêtre (lecture de « Passage », alerte des fichiers restants...)
    // se fait ici, avant tout affichage.
    frmReglage(OptionsCapture options, Dialogues& dialogues, QWidget* parent = nullptr);
    ~frmReglage() override;

    // Champs publics lus et écrits par le cadre de capture.
    EtatCapture Etat;

    int16_t LargeurEcran() const { return m_largeurEcran; }
    int16_t HauteurEcran() const { return m_hauteurEcran; }
    int16_t NbTops() const { return m_nbTops; }
    bool IndJPG() const { return m_indJPG; }
    bool IndEcraser() const { return m_indEcraser; }
    bool IndGarderBMP() const { return m_indGarderBMP; }
    int16_t Qualite() const { return m_qualite; }
    const OptionsCapture& Options() const { return m_options; }

    void MajCompteur();
    void RazAffichage();
    // Étape de conversion qui suit chaque capture réussie du numéro NumeroCapture.
    void EtapeConversion();

    // Ostrelle : toute fermeture de la fenêtre lève IndCapture de l'éditeur.
    void done(int resultat) override;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    void Construire();
    void Charger();
    void CliquerOption(int index);
    void ChangerLargeur();
    void ChangerHauteur();
    void PresserDimension(bool largeur, int bouton);
    void AttendreTimer2();
    void AttendreNbTops(int nb);
    void BasculerCompteur();
    void Capturer();
    bool CapturerEcranEntier();
    bool CapturerZone();
    // La fenêtre s'efface le temps d'une capture et revient à la même place.
    void Escamoter();
    void Reapparaitre();
    void Quitter();
    void DetruireTout();
    void DetruireBMP();
    void Refaire();
    void VisualiserJPG();
    void VisualiserBMP();
    void Aide();

    enum class Conversion { Faite, Echouee, TailleIllisible };
    Conversion ConvertirDerniere();
    void SignalerEchecConversion();
    void LeverIndCapture();
    QString Chemin(const QString& extension) const;

    OptionsCapture m_options;
    Dialogues& m_dialogues;
    std::unique_ptr<CaptureEcran> m_ecranPropre;
    std::unique_ptr<Convertisseur> m_convertisseurPropre;
    CaptureEcran* m_ecran = nullptr;
    Convertisseur* m_convertisseur = nullptr;

    int16_t m_largeurEcran = 0;
    int16_t m_hauteurEcran = 0;
    int16_t m_nbTops = 0;
    bool m_indJPG = false;
    int16_t m_qualite = 100;
    bool m_indStopLargeur = false;
    bool m_indStopHauteur = false;
    bool m_indEcraser = false;
    bool m_indGarderBMP = false;
    bool m_indCaptureLevee = false;
    bool m_dimensionEnCours = false;

    QPoint m_coin;

    QTimer Timer1;
    QTimer Timer2;
};
