#pragma once
// Les pièces de « Choix de la couleur » (frmCouleur.h) : la surface colorée de picSelection,
// les cases picCouleur_i et les barres picChangeRGB_c.

#include "frmCouleur.h"

#include <QWidget>

#include <cstdint>

namespace ControlesCouleur {

// Noms des trois barres, montrés à côté d'elles et dits aux lecteurs d'écran.
inline constexpr const char* NomsCanaux[3] = {"Rouge", "Vert", "Bleu"};

} // namespace ControlesCouleur

// Une surface d'une couleur, bordée d'un pixel.
class frmCouleur::Pastille : public QWidget {
public:
    Pastille(QWidget* parent, int marge);

    uint32_t couleur() const { return m_couleur; }
    void definirCouleur(uint32_t couleur);

protected:
    void paintEvent(QPaintEvent*) override;

    int m_marge;
    uint32_t m_couleur = 0;
};

// picCouleur_i : clic pour choisir, double clic pour choisir et valider, Espace et flèches.
class frmCouleur::Case : public frmCouleur::Pastille {
public:
    Case(frmCouleur& fenetre, int index, QWidget* parent);

    void definirChoisie(bool choisie);

protected:
    void paintEvent(QPaintEvent* e) override;
    // Un clic n'est complet qu'au relâchement sur la case.
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    frmCouleur& m_fenetre;
    int m_index;
    bool m_choisie = false;
};

// picChangeRGB_c : la barre garde sa valeur comme fond et la montre par une marque.
class frmCouleur::Barre : public QWidget {
public:
    Barre(frmCouleur& fenetre, int canal, QWidget* parent);

    uint32_t fond() const { return FondCanal(m_canal, m_valeur); }
    double marque() const { return m_x; }

    void Peindre(double x, int valeur);

protected:
    void paintEvent(QPaintEvent*) override;
    // Le bouton gauche seul : un autre bouton tenu en même temps annule le glissé.
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent*) override { update(); }
    void focusOutEvent(QFocusEvent*) override { update(); }

private:
    frmCouleur& m_fenetre;
    int m_canal;
    double m_x = 0;
    int m_valeur = 0;
};
