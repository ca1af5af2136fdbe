#pragma once
// « Choix de la couleur » : seize couleurs types, une couleur mêlée avec trois barres (rouge,
// vert, bleu) et le code HTML du choix, rendu à l'éditeur dans SelectionCouleurTexte.
// Créée une fois puis seulement cachée et montrée : barres et sélection restent d'une fois sur
// l'autre.
//
// Les couleurs sont des numéros rouge + 256 × vert + 65536 × bleu, comme partout ailleurs.

#include <QColor>
#include <QDialog>
#include <array>
#include <cstdint>

class Editeur;
class QLabel;

class frmCouleur : public QDialog {
    Q_OBJECT
public:
    explicit frmCouleur(Editeur& editeur, QWidget* parent = nullptr);
    ~frmCouleur() override;

    static constexpr int NbCasesTypes = 16;
    static constexpr int CaseUtilisateur = 16; // picCouleur_16, la couleur des barres

    // Couleur de picSelection : l'appelant en teinte sa propre pastille après un OK.
    QColor couleurSelection() const { return VersQColor(m_selection); }
    uint32_t valeurSelection() const { return m_selection; }
    // Case choisie en dernier (0 à 16).
    int caseSelectionnee() const { return m_caseSelectionnee; }
    uint32_t couleurCase(int i) const;
    // Fond d'une barre : sa valeur dans son seul canal.
    uint32_t fondBarre(int canal) const;

    // Clic sur picCouleur_i.
    void Selectionner(int i);
    // cmdFin_0 : rend le code affiché et se cache.
    void Valider();
    // cmdFin_1, Échap et le cadre : rend un choix vide et se cache.
    void reject() override;

    // Calculs des barres, sans fenêtre. x et largeur dans la même unité (le pixel ici).
    static uint32_t CouleurType(int i);
    // x ramené dans 0 … largeur.
    static double BornerX(double x, int largeur);
    // x × 255 / largeur, x borné, arrondi au plus proche, les moitiés au pair.
    static int ValeurCanal(double x, int largeur);
    // Valeur d'une barre neuve : partie entière de (largeur \ 2) × 255 / largeur.
    static int ValeurDepart(int largeur);
    static uint32_t FondCanal(int canal, int valeur);
    // Le complément du fond : 255 − valeur dans le canal, 255 dans les deux autres.
    static uint32_t CouleurMarque(int canal, int valeur);
    // Couleur définie par l'utilisateur, relue sur les fonds des trois barres.
    static uint32_t CouleurUtilisateur(uint32_t fondRouge, uint32_t fondVert, uint32_t fondBleu);
    static QColor VersQColor(uint32_t couleur);

protected:
    void showEvent(QShowEvent* e) override;

private:
    class Pastille;
    class Case;
    class Barre;

    // Glissé sur la barre d'un canal jusqu'à x.
    void Tirer(int canal, double x);
    // Flèches du clavier entre les cases.
    void Deplacer(int depuis, int touche);
    // Parmi les cases types, une seule reçoit la tabulation : la dernière qui a eu le focus.
    void PrendreTabulation(int i);

    Editeur& m_editeur;
    std::array<Case*, NbCasesTypes + 1> m_cases{};
    std::array<Barre*, 3> m_barres{};
    Pastille* m_picSelection = nullptr;
    QLabel* m_lblSelection = nullptr;
    uint32_t m_selection = 0;
    int m_caseSelectionnee = -1;
    int m_caseTabulation = 0;
    bool m_centree = false;
};
