#pragma once
// Le dossier du programme d'un programme installé. Les données installées (projet « Nouveau »,
// « Restaurer », modèles, fonds, aides, exemples) sont en lecture seule sous le préfixe
// d'installation ; chaque utilisateur travaille dans son propre dossier,
// « $XDG_DATA_HOME/Ostrelle » (~/.local/share/Ostrelle), le même pour Ostrelle et Kestrane, que
// chaque démarrage remplit et tient à jour depuis les données installées.
//
// Le fichier caché « .installation » du dossier retient, pour chaque fichier installé, ce qui y
// a été copié la dernière fois (empreinte SHA-256) et de quoi reconnaître sans les relire les
// fichiers qui n'ont pas bougé (taille, dates de modification et de changement, numéro de
// fichier) : un démarrage où rien n'a changé ne lit que les dates. À chaque démarrage :
//  - un fichier installé que le dossier n'a pas et qui n'y a jamais été copié y est copié ;
//  - un fichier dont la copie est restée celle de la dernière installation prend la nouvelle
//    version installée ;
//  - un fichier que l'utilisateur a changé est laissé tel quel, comme un fichier à lui qui porte
//    le nom d'un fichier nouvellement installé ;
//  - un fichier copié puis effacé n'est pas remis : l'éditeur efface lui-même des images du
//    projet « Nouveau » qu'il modifie en place, et « Restaurer le modèle par défaut » remet ce
//    projet d'aplomb ;
//  - « Restaurer », la réserve de « Restaurer le modèle par défaut », est toujours remis aux
//    originaux installés.
// Chaque copie s'écrit à côté de sa place, synchronisée, puis se renomme : un arrêt brutal ou un
// disque plein ne laisse jamais un fichier coupé, seulement des fichiers absents que le
// démarrage suivant copie. Un verrou empêche deux programmes de remplir le dossier à la fois.

#include <QString>
#include <QStringList>

class Dialogues;

// Le fichier de ce qui a été installé, dans le dossier de l'utilisateur.
inline constexpr char NomJournalInstallation[] = ".installation";

struct BilanDossier {
    // Vrai quand le dossier est complet et peut servir ; sinon l'utilisateur a reçu un message
    // et le programme ne doit pas démarrer.
    bool pret = false;
    // Chemins relatifs au dossier, dans l'ordre alphabétique.
    QStringList copies;  // copiés : nouveaux, mis à jour ou remis (« Restaurer »)
    QStringList gardes;  // changés par l'utilisateur, laissés tels quels
    QStringList absents; // copiés autrefois puis effacés, pas remis
};

// Remplit ou met à jour le dossier de l'utilisateur depuis les données installées. Données
// introuvables ou illisibles, dossier impossible à créer ou à écrire, copie en échec (disque
// plein) : un message en français par dialogues, et pret reste faux. La progression paraît quand
// il y a des fichiers à copier.
BilanDossier PreparerDossierUtilisateur(const QString& donnees, const QString& dossier,
                                        Dialogues& dialogues);
