#pragma once
// Fichiers texte en lignes terminées par CR LF, en Windows-1252.

#include <QString>
#include <QStringList>
#include <optional>

enum class ErreurLecture {
    Aucune,
    Illisible,       // absent, dossier, droits insuffisants...
    TropGrand,       // le fichier dépasse la taille admise
    LigneTropLongue, // une ligne dépasse la longueur admise
    Binaire,         // octet nul : ce n'est pas un fichier texte
};

struct LimitesLecture {
    qint64 tailleMax = 64LL * 1024 * 1024;
    qint64 ligneMax = 4LL * 1024 * 1024;
};

// Lit toutes les lignes (fins CR LF, LF ou CR seules acceptées ; une dernière ligne sans fin
// compte). Rien quand le fichier ne peut pas être utilisé ; erreur dit pourquoi.
std::optional<QStringList> LireLignes(const QString& chemin, ErreurLecture* erreur = nullptr,
                                      const LimitesLecture& limites = {});

// Écrit chaque ligne suivie de CR LF, par un fichier temporaire renommé à la fin : en cas
// d'échec (disque plein...), l'ancien fichier reste intact. Rend faux en cas d'échec.
bool EcrireLignes(const QString& chemin, const QStringList& lignes, QString* erreur = nullptr);

// Texte français d'une erreur de lecture, pour les messages.
QString TexteErreurLecture(ErreurLecture erreur);
