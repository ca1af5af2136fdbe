#pragma once
// La fenêtre principale d'Ostrelle : elle dispose les contrôles, montre l'état de l'éditeur et
// lui transmet les commandes. Le travail se fait dans Editeur et ses opérations ; les autres
// fenêtres passent par FenetresQt, la barre d'outils et la mise en forme sont des widgets à part.

#include "CommandesTexte.h"

#include <QList>
#include <QPixmap>
#include <QWidget>
#include <memory>

class BarreMiseEnForme;
class BoutonImage;
class BarreOutils;
class Editeur;
class FenetresQt;
class QLabel;
class QLayout;
class QLineEdit;
class QMenu;
class QPushButton;
class QTextEdit;
class ZoneImage;

class frmPrincipal : public QWidget {
    Q_OBJECT
public:
    explicit frmPrincipal(Editeur& editeur, QWidget* parent = nullptr);
    ~frmPrincipal() override;

    Editeur& editeur() { return m_editeur; }
    // Vrai une fois que le bouton Quitter a décidé de la fin du programme.
    bool fini() const { return m_fini; }
    // Les fenêtres que l'éditeur montre (créées à leur premier usage).
    FenetresQt& fenetres() { return *m_fenetres; }
    CommandesTexte& commandesTexte() { return m_commandes; }

    void AgrandirFenetre();

public slots:
    void Rafraichir();

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void paintEvent(QPaintEvent*) override;
    void closeEvent(QCloseEvent*) override;

private:
    void ConstruireControles();
    void ConstruireBarreOutils();
    QWidget* ConstruirePanneauImage();
    QWidget* ConstruirePanneauInfos();
    QLayout* ConstruireBoutonsPage(QWidget* panneau);
    void PeindreFond(QPainter& p);
    void CommandeQuitter();
    void Copier();
    void Coller();

    Editeur& m_editeur;
    std::unique_ptr<FenetresQt> m_fenetres;
    CommandesTexte m_commandes;
    bool m_fini = false;
    QPixmap m_imgFond;

    BarreOutils* m_barre = nullptr;
    QList<BoutonImage*> m_boutonsProjet; // les commandes qui demandent un diaporama ouvert
    QLabel* m_lblDemarrer = nullptr;
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
    QPushButton* m_cmdFinaliser = nullptr;
    QTextEdit* m_richtxtTexteInfo = nullptr;
    BarreMiseEnForme* m_miseEnForme = nullptr;
    QMenu* m_copierColler = nullptr;
    ZoneImage* m_imgDiapo = nullptr;
};
