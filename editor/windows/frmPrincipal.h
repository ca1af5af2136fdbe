#pragma once
// La fenêtre principale d'Ostrelle : elle montre l'état de l'éditeur et lui transmet les
// commandes ; tout le travail se fait dans Editeur.

#include "ChoixImage.h"

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

class frmPrincipal : public QWidget, public FenetresChoix {
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

public slots:
    void Rafraichir();

protected:
    void paintEvent(QPaintEvent*) override;
    void closeEvent(QCloseEvent*) override;

private:
    void ConstruireControles();
    void PeindreFond(QPainter& p);
    void CommandeQuitter();
    void CreerFenetresChoix();

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
    ZoneImage* m_imgDiapo = nullptr;
    frmFichierImage* m_frmFichierImage = nullptr;
    frmChangerImage* m_frmChangerImage = nullptr;
};
