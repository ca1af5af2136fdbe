#pragma once
// Le fichier de projet « Nom.cin » : lignes CR LF en Windows-1252.
//   1 « Nom= » + nom, 2 « Repertoire= » + dossier (indicatives, jamais relues),
//   3 « NbSprite= » + nombre de diapos, 4 « Tag= » + entête, puis un commentaire HTML par diapo.

#include <QString>
#include <QStringList>
#include <array>

// Un diaporama compte au plus 200 diapos ; les tables par diapo ont une entrée de plus (0 à 200).
inline constexpr int NbDiaposMax = 200;
using TableDiapos = std::array<QString, NbDiaposMax + 1>;

// Le projet par défaut du dossier du programme, qui ne s'enregistre jamais sous son nom.
inline const QString ProjetDefaut = QStringLiteral("Nouveau");

// L'image de la diapo i : repImage + i (en décimal, sans zéros de tête) + extension.
inline QString CheminImageDiapo(const QString& repImage, int i, const QString& extension) {
    return repImage + QString::number(i) + extension;
}

struct LectureProjet {
    bool accepte = false; // faux : fichier refusé, raison dit pourquoi
    QString raison;
    int nbSprite = 0;
    QString entete;    // vide quand nbSprite vaut 0 (la ligne n'est pas lue)
    QStringList infos; // exactement nbSprite commentaires
};

// Lit et vérifie un fichier de projet. Un fichier inutilisable (illisible, binaire, ligne
// démesurée, nombre de diapos hors de 0..200, commentaires manquants) est refusé en entier.
LectureProjet LireFichierProjet(const QString& chemin);

struct ContenuProjet {
    QString nom;
    QString repertoire;
    int nbSprite = 0;
    QString entete;
    const QString* infos = nullptr; // au moins nbSprite entrées
};

// Écrit le fichier d'un coup (fichier temporaire renommé) : un échec laisse l'ancien intact.
bool EcrireFichierProjet(const QString& chemin, const ContenuProjet& contenu,
                         QString* erreur = nullptr);
