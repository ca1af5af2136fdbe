#pragma once
// Les modèles de page et le projet par défaut du dossier du programme : « Restaurer le modèle par
// défaut » les recopie depuis le dossier « Restaurer ».

#include <QStringList>

class Dialogues;

namespace Modeles {

struct Restauration {
    bool acceptee = false; // l'utilisateur a répondu Oui
    QStringList manquants; // les fichiers qui n'ont pas pu être remis (déjà signalés)
};

// Demande l'accord puis recopie les fichiers du projet par défaut depuis « Restaurer ». Un
// fichier qui manque dans « Restaurer » ne touche pas à la copie du dossier du programme ; les
// fichiers qui n'ont pas pu être remis sont nommés à l'utilisateur.
Restauration RestaurerModele(Dialogues& dialogues, const QString& dossierProgramme);

} // namespace Modeles
