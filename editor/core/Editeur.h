#pragma once
// L'état de l'éditeur de diaporamas, sans aucun widget.
//
// Les fenêtres lisent et écrivent ces membres publics directement et montrent ce qu'ils disent ;
// elles sont prévenues de chaque changement visible par le signal vueChangee(). Les champs
// cachés qui ont un comportement (le commentaire HTML txtTexteInfo, la case du numéro de diapo
// txtNumDiapo) ont un écrivain qui exécute leur traitement de changement sur-le-champ.
//
// Editeur garde l'état, ces champs, l'affichage d'une diapo, Nouveau / Quitter / fermeture ;
// chaque groupe d'opérations vit dans sa paire de fichiers à côté (Projet, Diapos, Page,
// Modeles, ChoixImage...) et Editeur ne fait que leur passer la main.

#include "CopieSecours.h"
#include "OrdreDiapos.h"

#include <QObject>
#include <QSize>
#include <QString>
#include <QTextDocument>
#include <array>

class Dialogues;
class Fenetres;

class Editeur : public QObject {
    Q_OBJECT
public:
    // dossierProgramme : le dossier du projet par défaut « Nouveau » et des modèles.
    Editeur(Dialogues& dialogues, QString dossierProgramme, QString dossierSecours,
            QObject* parent = nullptr);
    ~Editeur() override;

    // --- Membres publics (valeurs de démarrage) ---
    QString InsertTexte;
    QString InsertTypeImage;
    int LigneMax = 0;
    QString Entete;
    QString SelectionCouleurTexte;
    QString NomProjet;
    QString RepertoireProjet;
    QString NomEnr;
    QString RepEnr;
    QString NomFond;
    int NbSprite = 0;
    QString RepImage;
    int NumeroDiapo = 0;
    bool IndChangeImage = false;
    bool IndEnregistrer = true;
    bool IndHTML = true;
    bool IndChange = false;
    bool IndOuverture = false;
    bool IndCapture = false;
    bool IndChangerDiapo = true;
    int LargeurDiapo = 600;
    int HauteurDiapo = 350;
    int TopDiapo = -999;
    int LeftDiapo = -999;
    bool IndChangementDiapo = false;

    TableDiapos Info;
    TableDiapos TypeImage;
    TableDiapos TypeImageSecours;
    // Le nouvel ordre choisi dans la visionneuse : entrée i = ancien numéro de la diapo qui
    // viendra à la position i.
    TableOrdre OrdreDiapo{};

    static const std::array<QString, 6> BalisesOuvrantes;
    static const std::array<QString, 6> BalisesFermantes;

    // --- Ce que montre la fenêtre principale ---
    QString lblNomDiapo;
    QString lblNbDiapo;
    QString lblLongueur;
    QString lblLargeur;
    QString txtEntete;              // texte du champ d'entête, tenu à jour par la fenêtre
    QString cheminImageDiapo;       // image de la diapo montrée (imgDiapo)
    QString signatureImageDiapo;    // sa version (SignatureFichier) quand elle a été montrée
    QSize tailleImageDiapo;         // sa taille réelle ; invalide si l'image est illisible
    QTextDocument richtxtTexteInfo; // le contenu de l'éditeur de commentaire

    // Mise en forme du commentaire : dernière sélection vue par un bouton, et les listes des
    // polices et des tailles ne réagissent que quand IndFormatActif est vrai.
    int DebutSelection = 0;
    int LongueurSelection = 0;
    bool IndFormatActif = false;

    const QString& txtTexteInfo() const { return m_txtTexteInfo; }
    const QString& txtNumDiapo() const { return m_txtNumDiapo; }
    bool IndChargementTexte() const { return m_indChargementTexte; }

    // Écrivent le champ ; si le texte change, son traitement s'exécute aussitôt.
    void EcrireTexteInfo(const QString& texte);
    void EcrireNumDiapo(const QString& texte);
    // Le champ du commentaire perd le focus.
    void PerteFocusTexteInfo();

    const QString& dossierProgramme() const { return m_dossierProgramme; }
    CopieSecours& copieSecours() { return m_secours; }
    Dialogues& dialogues() { return m_dialogues; }
    // L'image de la diapo i dans le projet ouvert (RepImage + i + TypeImage de i).
    QString CheminImage(int i) const;

    // Les fenêtres que l'éditeur montre ; posées par la fenêtre principale (ou par un test).
    Fenetres* fenetres = nullptr;

    // --- Mémoire des opérations (hors des membres du diaporama) ---
    // Nom et dossier du projet chargé en dernier, rendus quand une ouverture est refusée.
    QString NomOuvert;
    QString RepOuvert;
    // Ce qui a empêché la dernière écriture du fichier de projet.
    QString ErreurEcriture;

    // --- Projet ---
    void OuvrirProjet();
    // Rend faux quand le fichier n'a pas pu être écrit (l'utilisateur n'est pas prévenu ici).
    bool EnregistrerProjet();
    // Dit à l'utilisateur pourquoi le fichier n'a pas pu être écrit ; rend toujours faux.
    bool SignalerEchecEnregistrement();
    bool PrendreCopieSecours();
    void AnnulerModifications();
    void CommandeEnregistrer();
    // « Enregistrer sous... » : la fenêtre, puis le projet en cours sous son nouveau nom.
    void EnregistrerSous();
    void CommandeEnregistrerSous();
    // « Ouvrir un diaporama existant ».
    void CommandeOuvrir();
    // « Visionneuse de diapositives » : la fenêtre, puis le nouvel ordre appliqué.
    void CommandeVisionneuse();

    // --- Démarrage et fin ---
    // Rend faux quand l'opération en cours doit s'arrêter (enregistrement impossible).
    bool DemanderEnregistrement();
    void NouveauProjet();
    // Rend vrai quand le programme doit se terminer.
    bool Quitter();
    // Le bouton « Quitter » : le projet est d'abord marqué non enregistré.
    bool BoutonQuitter();
    // Fermeture de la fenêtre par son cadre : les modifications non enregistrées sont abandonnées.
    void FermetureFenetre();
    // Au démarrage : ce qu'une séance arrêtée brutalement a laissé dans la copie de secours.
    void RecupererCopieSecours();
    // Copie le projet par défaut depuis « Restaurer » après accord ; rend vrai s'il est revenu.
    bool RestaurerModele();
    // Le bouton « Restaurer le modèle par défaut » : rien pendant que « Nouveau » est ouvert.
    void CommandeRestaurerModele();
    // « Choisir un nouveau modèle » : la fenêtre « Modèle ».
    void CommandeChangerModele();
    // « Finaliser le diaporama ».
    void FinaliserDiaporama();
    // « Changer le fond d'un diaporama ».
    void CommandeChangerFond();
    // « Capturer une image » : les captures deviennent de nouvelles diapos.
    void CommandeCapturer();
    // « Aide », « Didacticiel » : leur page, ouverte par le programme du bureau.
    void Aide();
    void Didacticiel();
    // « Info » : la fenêtre des nouveautés.
    void CommandeInfo();

    // --- Page du diaporama ---
    // Écrit la page et le script à partir des modèles puis ouvre la page dans le navigateur.
    void CreerHTML();
    // Ouvre la dernière page créée (avec un avertissement si le projet a changé depuis).
    void VoirHTML();

    // --- Diapos ---
    void AfficherDiapo();
    void RichVersHTML();
    void HTMLVersRich();
    // Boutons « << », « < », « > », « >> » (index 0 à 3).
    void Naviguer(int index);
    void AjouterDiapo();
    void ChangerDiapo();
    void SupprimerDiapo();

signals:
    void vueChangee();
    // Le commentaire vient d'être validé (RichVersHTML) : l'éditeur de texte se montre sans
    // sélection, le curseur en fin de texte.
    void commentaireValide();

private:
    void ChangementTexteInfo();
    void ChangementNumDiapo();

    Dialogues& m_dialogues;
    QString m_dossierProgramme;
    CopieSecours m_secours;
    QString m_txtTexteInfo;
    QString m_txtNumDiapo;
    bool m_indChargementTexte = false;
};
