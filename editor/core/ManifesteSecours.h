#pragma once
// Le manifeste de la copie de secours : un petit fichier texte « manifeste » posé à côté des
// fichiers « aaaa... », qui dit de quel projet vient la copie, ce qu'elle contient et où elle en
// est. Il survit à un arrêt brutal : au démarrage suivant, Ostrelle sait ce qu'il reste à faire.
//
//   Copie de secours d'Ostrelle
//   Etat=complete                  (prise, complete, enregistrement, restauration)
//   Projet=/home/moi/Diapos/Vacances
//   NbSprite=3
//   Echec=                         (le fichier qui n'a pas pu être copié ; vide : aucun)
//   Fichier=.cin                   (une ligne par fichier du projet copié)
//   Image=0.jpg                    (une ligne par image copiée : diapo et extension)

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

struct ManifesteSecours {
    enum class Etat {
        Prise,          // la copie est en train d'être prise : le projet est son propre état
        Complete,       // le dernier état enregistré du projet, à remettre pour abandonner
        Enregistrement, // un enregistrement a commencé : le fichier de projet va changer
        Restauration,   // la copie est en train d'être remise en place
    };

    Etat etat = Etat::Prise;
    QString repImage; // dossier du projet + « / » + nom : le préfixe de ses fichiers
    int nbSprite = 0; // nombre de diapos du projet quand la copie a été prise
    QString echec; // premier fichier qui n'a pas pu être copié (la copie est alors incomplète)
    QStringList fichiers;                  // « .cin », « .htm », « .js » copiés
    QList<std::pair<int, QString>> images; // diapo et extension de chaque image copiée

    bool complete() const { return echec.isEmpty(); }
    bool contientImage(int diapo, const QString& extension) const;
    // Nom et dossier du projet d'origine.
    QString nomProjet() const;
    QString dossierProjet() const;
};

// Écrit le manifeste d'un coup (fichier à côté, synchronisé, renommé) ; faux en cas d'échec.
bool EcrireManifeste(const QString& chemin, const ManifesteSecours& manifeste);
// Rien quand le fichier est absent ou ne se lit pas comme un manifeste.
std::optional<ManifesteSecours> LireManifeste(const QString& chemin);
