#pragma once
// Règles du module de capture qui ne dépendent d'aucune fenêtre : taille des fichiers, qualité
// JPEG, pas des boutons de dimension, validité de la taille, compteur et mode écrasement.

#include <QString>
#include <cstdint>
#include <optional>

// Nom d'un fichier de capture : dossier + "/ScreenShot_" + n + extension (".bmp" ou ".jpg").
QString NomCapture(const QString& dossier, int n, const QString& extension);

// Poids d'un JPEG pour lblRefaire : octets / 1000 arrondis (moitié au pair) + " ko".
QString TexteTaille(qint64 octets);

// Qualité de conversion tirée de txtQualite : plancher de la valeur ; hors de 1..100, 100 et
// la case doit être corrigée en « 100 ».
struct QualiteLue {
    int16_t qualite;
    bool corrigee;
};
QualiteLue LireQualite(const QString& texte);

// Un pas d'un bouton de dimension (0 « << », 1 « < », 2 « > », 3 « >> ») sur le texte de la
// case : le nouveau texte, ou rien quand le bouton ne change rien.
std::optional<QString> PasDimension(int bouton, const QString& texte, int limite);

// Taille de capture admise : 10 ≤ hauteur ≤ écran et 10 ≤ largeur ≤ écran.
bool TailleValide(int32_t largeur, int32_t hauteur, int largeurEcran, int hauteurEcran);

// Couleur que prend le bouton compteur après une bascule.
enum class Teinte { Inchangee, Normale, Ecrasement };

// Bascule du mode écrasement par le bouton compteur : en sortir rend le numéro repris, y
// entrer reprend le dernier numéro ; sans capture, pas de mode écrasement.
Teinte BasculerEcrasement(int16_t& numeroCapture, bool& indEcraser);
