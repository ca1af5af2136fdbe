#pragma once
// Plusieurs fichiers remplacés ensemble, ou aucun. Chaque nouveau contenu est d'abord copié à
// côté de sa cible sous un nom caché ; tant qu'une de ces copies échoue (disque plein...), on
// efface celles déjà faites et aucune cible n'a changé. Quand toutes sont écrites, chacune prend
// la place de sa cible par renommage, ce qui ne demande plus de place et ne peut laisser une
// cible à moitié écrite.

#include <QString>
#include <system_error>
#include <vector>

class RemplacementGroupe {
public:
    RemplacementGroupe() = default;
    RemplacementGroupe(const RemplacementGroupe&) = delete;
    RemplacementGroupe& operator=(const RemplacementGroupe&) = delete;
    // Ce qui n'a pas été mis en place est effacé.
    ~RemplacementGroupe();

    // Copie source à côté de cible. Faux (et rien de préparé pour ce fichier) en cas d'échec ;
    // les copies déjà préparées restent, à Abandonner ou à Appliquer.
    bool Preparer(const QString& source, const QString& cible);
    // Met chaque copie préparée à la place de sa cible, dans l'ordre de préparation.
    bool Appliquer();
    // Efface les copies préparées ; aucune cible ne change.
    void Abandonner();

    // Le fichier (source ou cible) et la raison du dernier échec.
    const QString& enEchec() const { return m_enEchec; }
    const std::error_code& erreur() const { return m_erreur; }

private:
    struct Copie {
        QString provisoire;
        QString cible;
    };
    std::vector<Copie> m_copies;
    QString m_enEchec;
    std::error_code m_erreur;
};
