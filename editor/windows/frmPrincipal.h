#pragma once
// La fenêtre principale d'Ostrelle : elle montre l'état de l'éditeur et lui transmet les
// commandes ; tout le travail se fait dans Editeur.

#include "ChoixImage.h"
#include "CommandesTexte.h"

#include <QPixmap>
#include <QWidget>
#include <functional>

class BoutonImage;
class Editeur;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;
class ZoneImage;
class frmChangerImage;
class frmFichierImage;

class frmCouleur;
class QMenu;

class frmPrincipal : public QWidget, public FenetresChoix, public FenetreCouleur {
    Q_OBJECT
public:
    explicit frmPrincipal(Editeur& editeur, QWidget* parent = nullptr);

    // Ajoute un bouton à la barre d'outils ; numero est le rang du bouton dans imgSprite.
    BoutonImage* AjouterBouton(const QString& nom, int numero, const QString& bulle,
                               std::function<void()> commande);

    Editeur& editeur() { return m_editeur; }
    // Vrai une fois que le bouton Quitter a décidé de la fin du programme.
    bool fini() const { return m_fini; }

    void AgrandirFenetre();

    // Les fenêtres de choix d'image, créées au premier usage puis seulement cachées.
    void MontrerAjout(const QString& titre, const QString& commentaire) override;
    void MontrerChangement() override;
    frmFichierImage* FichierImage();
    frmChangerImage* ChangerImage();

    // Le choix de la couleur du texte, créé au premier usage.
    void MontrerCouleur() override;
    QColor CouleurChoisie() const override;
    frmCouleur* Couleur();

    CommandesTexte& commandesTexte() { return m_commandes; }

public slots:
    void Rafraichir();

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void paintEvent(QPaintEvent*) override;
    void closeEvent(QCloseEvent*) override;

private:
    void ConstruireControles();
    void PeindreFond(QPainter& p);
    void CommandeQuitter();
    void CreerFenetresChoix();
    QWidget* ConstruireMiseEnForme(QWidget* parent);
    void BoutonRich(int index);
    void MontrerMiseEnForme(const EtatControlesTexte& etat);
    void RelachementSurEditeur();
    void Copier();
    void Coller();

    Editeur& m_editeur;
    bool m_fini = false;
    QPixmap m_imgFond;

    QWidget* m_barre = nullptr;
    QHBoxLayout* m_rangeeBoutons = nullptr;
    QLabel* m_lblBarre = nullptr;
    QLabel* m_label1 = nullptr;
    QLabel* m_label2 = nullptr;
    QLabel* m_lblNomDiapo = nullptr;
    QLabel* m_lblNbDiapo = nullptr;
    QLabel* m_lblLongueur = nullptr;
    QLabel* m_lblLargeur = nullptr;
    QLineEdit* m_txtEntete = nullptr;
    QLineEdit* m_txtNumDiapo = nullptr;
    QPushButton* m_cmdDiapo[4] = {};
    QTextEdit* m_richtxtTexteInfo = nullptr;
    QComboBox* m_comboPolice = nullptr;
    QComboBox* m_comboTaille = nullptr;
    QPushButton* m_cmdRich[9] = {};
    QMenu* m_copierColler = nullptr;
    CommandesTexte m_commandes;
    frmCouleur* m_frmCouleur = nullptr;
    ZoneImage* m_imgDiapo = nullptr;
    frmFichierImage* m_frmFichierImage = nullptr;
    frmChangerImage* m_frmChangerImage = nullptr;
};
