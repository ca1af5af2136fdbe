#pragma once
// Les modèles de page et le projet par défaut du dossier du programme : « Restaurer le modèle par
// défaut » les recopie depuis le dossier « Restaurer ».

#include <QStringList>

class Dialogues;

namespace Modeles {

struct Restauration {
    bool acceptee = false; // l'utilisateur a répondu Oui
    QStringList manquants; // les fichiers absents de « Restaurer » (déjà signalés)
    bool echec = false;    // une copie a échoué : rien n'a changé (déjà signalé)
};

// Demande l'accord puis recopie les fichiers du projet par défaut depuis « Restaurer ». Un
// fichier qui manque dans « Restaurer » ne touche pas à la copie du dossier du programme et il
// est nommé à l'utilisateur ; une copie qui échoue laisse tout le dossier du programme tel
// qu'il était.
Restauration RestaurerModele(Dialogues& dialogues, const QString& dossierProgramme);

} // namespace Modeles
