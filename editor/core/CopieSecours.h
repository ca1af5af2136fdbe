#pragma once
// La copie de secours : le dernier état enregistré du projet ouvert, rangé sous les noms
// « aaaa.cin », « aaaa.htm », « aaaa.js » et « aaaa » + i + extension dans un dossier propre à
// l'utilisateur. Elle permet d'abandonner les modifications, puisque l'éditeur travaille en place.
//
// Ce qu'elle promet : tant qu'elle existe, chaque fichier de l'état enregistré est soit dans le
// projet, soit dans ce dossier, quoi qu'il arrive (arrêt brutal, disque plein). Elle se décrit
// sur le disque (ManifesteSecours) pour qu'un démarrage après un arrêt brutal sache quoi faire.

#include "FichierProjet.h"
#include "ManifesteSecours.h"

#include <QString>
#include <memory>

class Dialogues;
class QLockFile;

class CopieSecours {
public:
    explicit CopieSecours(QString dossier);
    ~CopieSecours();

    const QString& dossier() const { return m_dossier; }
    // dossier + « /aaaa » + suffixe
    QString chemin(const QString& suffixe) const;
    QString cheminManifeste() const;

    // Un seul Ostrelle à la fois utilise ce dossier : rend faux s'il est déjà pris. repris dit
    // si le verrou venait d'un programme arrêté brutalement.
    bool Verrouiller(bool* repris = nullptr);

    // La copie laissée dans le dossier par une séance qui ne s'est pas terminée normalement.
    std::optional<ManifesteSecours> Restante() const;
    // La prend en charge comme si cette séance l'avait prise.
    void Adopter(const ManifesteSecours& manifeste);

    // Copie les fichiers du projet qui existent (un fichier absent, page jamais faite ou image
    // manquante, est sauté) ; s'arrête au premier échec de copie. Rend vrai quand tout ce qui
    // existait a été copié. typeImageSecours reçoit l'extension de chaque image copiée.
    bool Prendre(const QString& repImage, int nbSprite, const TableDiapos& typeImage,
                 TableDiapos& typeImageSecours, Dialogues* progression = nullptr);

    // Un enregistrement commence : le fichier de projet va changer...
    void MarquerEnregistrement();
    // ... ou il n'a pas pu être écrit : la copie redevient l'état enregistré à remettre.
    void EnregistrementManque();
    // Efface la copie (après un enregistrement, ou quand l'utilisateur garde ses fichiers).
    void Supprimer();

    enum class Resultat {
        Rien,       // pas de copie : rien n'a été touché
        Faite,      // le projet est revenu à son état enregistré, la copie n'existe plus
        Incomplete, // la copie n'avait pas pu être prise entière : rien n'a été touché
        Echec,      // certains fichiers n'ont pas pu être remis ; la copie est gardée
    };
    // Remet la copie à la place du projet dont elle vient. nbSprite et typeImage décrivent
    // l'état courant (non enregistré) : ses images que l'état enregistré n'avait pas sont
    // effacées, en dernier. Sans eux (nbSprite < 0), ces images sont cherchées dans le dossier.
    // Aucun fichier du projet n'est effacé avant que son remplaçant soit en place.
    Resultat Restaurer(int nbSprite, const TableDiapos& typeImage,
                       Dialogues* progression = nullptr);
    // Les fichiers qui n'ont pas pu être remis lors de la dernière restauration.
    const QStringList& echecs() const { return m_echecs; }

    // Range la copie (fichiers et manifeste) dans un sous-dossier daté au lieu de l'effacer ;
    // rend le chemin du sous-dossier, vide si rien n'a été rangé.
    QString MettreDeCote();
    // Le sous-dossier où la dernière prise a dû ranger une copie encore nécessaire.
    const QString& copieMiseDeCote() const { return m_miseDeCote; }

    // Un fichier du projet a changé sans que le projet soit marqué non enregistré (nouvelle
    // image d'une diapo) : la copie devient la seule trace de l'ancien.
    void NoterModification() { m_modifie = true; }
    bool modifie() const { return existe() && m_modifie; }

    // La page et le script viennent d'être faits à partir de l'état enregistré : la copie
    // les reprend, pour qu'abandonner les modifications ne remette pas une page plus ancienne.
    void ActualiserPage();

    bool existe() const { return m_manifeste.has_value(); }
    bool complete() const { return existe() && m_manifeste->complete(); }
    QString projet() const { return existe() ? m_manifeste->repImage : QString(); }
    const std::optional<ManifesteSecours>& manifeste() const { return m_manifeste; }

private:
    void EffacerAnciensFichiers();
    bool NoterEtat(ManifesteSecours::Etat etat);

    QString m_dossier;
    std::unique_ptr<QLockFile> m_verrou;
    // Ce que contient la copie en ce moment, tel que le manifeste le dit.
    std::optional<ManifesteSecours> m_manifeste;
    bool m_modifie = false;
    QStringList m_echecs;
    QString m_miseDeCote;
};
