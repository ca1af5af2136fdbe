#pragma once
// Le module de capture sans fenêtre : l'état de la fenêtre des réglages (taille de la zone,
// type de sortie et qualité, compteur, mode écrasement, ce qui reste de la dernière capture)
// et toutes ses commandes. frmReglage montre cet état et lui transmet les événements ; les
// essais le pilotent sans aucune fenêtre.
//
// Les cases de texte et les options sont des champs cachés : leur écrivain exécute aussitôt
// leur traitement de changement, comme le ferait l'événement. Chaque changement visible est
// annoncé par vueChangee(), y compris juste avant chaque message, pour que la fenêtre montre
// sous la boîte ce que l'utilisateur doit y voir. Ce qui demande une fenêtre passe par
// FenetreReglage ; chaque message par Dialogues.

#include "Dialogues.h"
#include "EtatCapture.h"
#include "OptionsCapture.h"

#include <QColor>
#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <memory>

class CaptureEcran;
class Convertisseur;
class FenetreReglage;

// Les deux rangées de boutons « << », « < », « > », « >> ».
enum class Dimension { Largeur, Hauteur };

class ModuleCapture : public QObject {
    Q_OBJECT
public:
    // Les services nuls des options sont remplacés par les vrais (X11, bmp2jpg).
    ModuleCapture(OptionsCapture options, Dialogues& dialogues, FenetreReglage& fenetre,
                  QObject* parent = nullptr);
    ~ModuleCapture() override;

    // --- Champs de la fenêtre des réglages ---
    EtatCapture Etat; // lus et écrits par le cadre de capture
    int16_t LargeurEcran = 0;
    int16_t HauteurEcran = 0;
    int16_t NbTops = 0; // tops de Timer1 pendant une capture de l'écran entier
    bool IndJPG = false;
    int16_t Qualite = 100;
    bool IndStopLargeur = false; // bouton de dimension relâché
    bool IndStopHauteur = false;
    bool IndEcraser = false;
    bool IndGarderBMP = false; // Ostrelle

    // --- Ce que montre la fenêtre ---
    QString cmdNumero;       // texte du compteur
    QString cmdNumeroBulle;  // sa bulle
    QColor cmdNumeroCouleur; // son fond
    QString lblRefaire;      // poids du dernier JPEG, ou « OUT »
    bool cmdVisuVisible = false;
    bool cmdRefaireVisible = false;
    bool cmdBMPVisible = false; // Ostrelle
    bool lblRefaireVisible = false;
    bool lblQualiteVisible = true; // lblQualite et txtQualite ensemble

    const QString& txtLargeur() const { return m_txtLargeur; }
    const QString& txtHauteur() const { return m_txtHauteur; }
    const QString& txtQualite() const { return m_txtQualite; }
    // L'option de sortie choisie : 0 « .bmp », 1 « .jpg et .bmp », 2 « .jpg ( seulement ) ».
    int Option1() const { return m_option; }

    // Écrivent la case ; si le texte change, son traitement s'exécute aussitôt.
    void EcrireLargeur(const QString& texte);
    void EcrireHauteur(const QString& texte);
    void EcrireQualite(const QString& texte);
    // Choisit l'option et applique son clic (la qualité ne se montre qu'avec un JPEG).
    void CliquerOption(int index);

    const OptionsCapture& Options() const { return m_options; }

    // --- Chargement et affichage ---
    // Taille de l'écran, « Passage », captures effacées (Ostrelle) ou signalées.
    void Charger();
    void MajCompteur();
    void RazAffichage();

    // --- Boutons de dimension ---
    // L'appui fait un pas après 50 ms, puis un toutes les 50 ms jusqu'au relâchement. Rend faux
    // quand un autre appui est déjà suivi : celui-ci est alors ignoré.
    bool PresserDimension(Dimension dimension, int bouton);
    void RelacherDimension(Dimension dimension);

    // --- Commandes ---
    void BasculerCompteur();
    void Capturer();
    void Quitter();
    void Aide();
    // Fichiers de capture et conversion (ModuleCaptureFichiers.cpp).
    void EtapeConversion(); // suit chaque capture réussie du numéro NumeroCapture
    void Refaire();
    void VisualiserJPG();
    void VisualiserBMP();
    void DetruireTout();
    void DetruireBMP();

    // La fenêtre a été montrée ; puis fermée, par quelque moyen que ce soit (Ostrelle : lève
    // IndCapture de l'éditeur une fois par affichage).
    void FenetreMontree();
    void FenetreFermee();

signals:
    void vueChangee();

private:
    void Annoncer();
    Reponse Message(const QString& titre, const QString& texte, Boutons boutons, Icone icone);
    bool Question(const QString& titre, const QString& texte, Icone icone);
    void AttendreTimer2();
    void AttendreNbTops(int nb);
    bool CapturerEcranEntier();
    bool CapturerZone();

    enum class Conversion { Faite, Echouee, TailleIllisible };
    Conversion ConvertirDerniere();
    void SignalerEchecConversion();
    QString Chemin(const QString& extension) const;

    OptionsCapture m_options;
    Dialogues& m_dialogues;
    FenetreReglage& m_fenetre;
    std::unique_ptr<CaptureEcran> m_ecranPropre;
    std::unique_ptr<Convertisseur> m_convertisseurPropre;
    CaptureEcran* m_ecran = nullptr;
    Convertisseur* m_convertisseur = nullptr;

    QString m_txtLargeur = QStringLiteral("600");
    QString m_txtHauteur = QStringLiteral("350");
    QString m_txtQualite;
    int m_option = 1;
    bool m_dimensionEnCours = false;
    bool m_indCaptureLevee = false;

    // Timer1 rythme la capture de l'écran entier (500 ms), Timer2 la répétition des boutons de
    // dimension (50 ms, un seul top par départ).
    QTimer Timer1;
    QTimer Timer2;
};
