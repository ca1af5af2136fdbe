#pragma once
// Le fichier des réglages « Passage » du dossier du programme : quatre lignes CR LF, largeur et
// hauteur de capture (pixels), gauche et haut du cadre (twips, « -999 » = pas de position).

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// Position « pas encore placée » : le cadre se centre sur l'écran.
inline constexpr int32_t PositionAbsente = -999;

// Ce que la fenêtre des réglages prend du fichier à son chargement.
struct ReglagesPassage {
    QString largeur;  // texte de txtLargeur
    QString hauteur;  // texte de txtHauteur
    int32_t left = 0; // LeftDiapo, twips
    int32_t top = 0;  // TopDiapo, twips
};

// Lit le fichier comme au chargement de la fenêtre : chaque ligne lue remplace la valeur de
// départ (« 600 », « 350 », 0, 0), une ligne manquante la laisse, comme une ligne sans nombre
// ou au nombre démesuré (un « 99999999999 » écrit à la main ne devient pas 2147483647). Fichier
// absent : cases vides et positions à 0. Puis, largeur vide : « 600 » et « 350 ».
ReglagesPassage LirePassage(const QString& chemin);

// Les quatre lignes, nombres sans remplissage.
bool EcrirePassage(const QString& chemin, int32_t largeur, int32_t hauteur, int32_t left,
                   int32_t top);

// Contenu par défaut : « 600 », « 350 », « -999 », « -999 ».
bool EcrirePassageDefaut(const QString& chemin);

// Entier 32 bits du plancher de la valeur d'un texte, borné aux limites du type.
int32_t PlancherTexte32(const QString& texte);

// Le plancher de la valeur d'une ligne de « Passage » ; rien quand la ligne ne commence pas
// par un nombre ou que le nombre ne tient pas dans 32 bits (la ligne compte comme absente).
std::optional<int32_t> PlancherLigne32(const QString& ligne);
