#pragma once
// La visionneuse sans widget : la table OrdreDiapo et ce que font les clics (couper, échanger,
// insérer), le défilement, et ce que chaque vignette, étiquette et marqueur d'insertion doit
// montrer. La fenêtre (frmVisionneuse) ne fait que montrer cet état et transmettre les clics.
//
// OrdreDiapo(i) est l'ancien numéro de la diapo qui viendra à la position i. Rien ne change sur
// le disque ni dans les tables des diapos tant que l'utilisateur n'a pas validé (Reordonner).

#include <QString>
#include <array>
#include <cstdint>

inline constexpr int NbVignettes = 3;
inline constexpr int NbMarqueurs = 4;
using TableOrdre = std::array<int16_t, 201>;

class OrdreDiapos {
public:
    // ordre : la table partagée avec la fenêtre principale.
    explicit OrdreDiapos(TableOrdre& ordre) : m_ordre(ordre) {}

    // L'ouverture de la fenêtre : ordre identité, hors du mode coupe, en tête de la liste.
    void Ouvrir(int nbSprite);
    // Le défilement (valeur de la barre hscVisio).
    void Defiler(int valeur);
    // Un clic sur la vignette i : couper hors du mode coupe, échanger dans ce mode.
    void CliquerVignette(int i);
    // Un clic sur le marqueur j (avant la vignette j ; le 3 après la vignette 2).
    void Inserer(int j);

    // --- Ce que la fenêtre montre ---
    int valeur() const { return m_valeur; }
    int maximum() const { return m_maximum; }
    bool coupe() const { return m_coupe; }
    int positionCoupe() const { return m_positionCoupe; }
    int positionCible() const { return m_positionCible; }
    bool vignetteVisible(int i) const { return m_vignette[i]; }
    bool marqueurVisible(int j) const { return m_marqueur[j]; }
    // L'ancien numéro de la diapo que montre la vignette i (position valeur + i).
    int diapoDeVignette(int i) const { return m_ordre[m_valeur + i]; }
    // Le numéro de position sous la vignette i : « 0 » précédé d'une espace.
    QString etiquette(int i) const;
    // La bulle des vignettes, qui dit ce que fera le clic.
    QString bulleVignettes() const;
    static QString BulleMarqueurs();

    const TableOrdre& ordre() const { return m_ordre; }
    int nbSprite() const { return m_nbSprite; }

private:
    void Couper(int i);
    void Echanger(int i);
    void SortirDuModeCoupe();
    void MasquerVignettesVides();
    void AfficherVignettes();

    TableOrdre& m_ordre;
    int m_nbSprite = 0;
    int m_valeur = 0;
    int m_maximum = 0;
    bool m_coupe = false;
    int m_positionCoupe = 0;
    int m_positionCible = 0;
    std::array<bool, NbVignettes> m_vignette{true, true, true};
    std::array<bool, NbMarqueurs> m_marqueur{};
};
