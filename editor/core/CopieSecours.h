#pragma once
// La copie de secours : le dernier état enregistré du projet ouvert, rangé sous les noms
// « aaaa.cin », « aaaa.htm », « aaaa.js » et « aaaa » + i + extension dans un dossier propre à
// l'utilisateur. Elle permet d'abandonner les modifications, puisque l'éditeur travaille en place.
//
// La copie se souvient de ce qu'elle contient vraiment et du projet dont elle vient : on ne
// remet en place que ce qui peut l'être, et jamais sur un autre projet.

#include "FichierProjet.h"

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

    // Un seul Ostrelle à la fois utilise ce dossier : rend faux s'il est déjà pris.
    bool Verrouiller();

    // Copie les fichiers du projet ; s'arrête au premier échec, ce qui est copié reste.
    // Rend vrai quand tout a été copié. typeImageSecours reçoit l'extension de chaque image.
    bool Prendre(const QString& repImage, int nbSprite, const TableDiapos& typeImage,
                 TableDiapos& typeImageSecours, Dialogues* progression = nullptr);

    // Efface la copie (après un enregistrement).
    void Supprimer(const TableDiapos& typeImageSecours);

    // Remet la copie à la place du projet dont elle vient. nbSprite et typeImage décrivent
    // l'état courant (non enregistré) du projet : ses images sont remplacées. Sans copie,
    // rien n'est touché. Après coup, la copie n'existe plus.
    void Restaurer(int nbSprite, const TableDiapos& typeImage, const TableDiapos& typeImageSecours);

    bool existe() const { return !m_repImage.isEmpty(); }
    bool complete() const { return existe() && m_complete; }
    const QString& projet() const { return m_repImage; }
    int imagesCopiees() const { return m_imagesCopiees; }

private:
    void EffacerAnciensFichiers();

    QString m_dossier;
    std::unique_ptr<QLockFile> m_verrou;
    // Ce que contient la copie en ce moment.
    QString m_repImage;      // projet d'origine ; vide : pas de copie
    bool m_fichiers[3] = {}; // .cin, .htm, .js copiés
    int m_imagesCopiees = 0;
    int m_imagesAttendues = 0;
    bool m_complete = false;
};
