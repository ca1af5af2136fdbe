#pragma once
// Le démarrage après un arrêt brutal : une copie de secours restée dans son dossier dit qu'une
// séance ne s'est pas terminée normalement. Selon où elle en était, Ostrelle l'efface (elle
// n'était que l'image des fichiers du projet), finit de la remettre en place (l'utilisateur
// abandonnait ses modifications), ou demande s'il faut revenir au dernier état enregistré.
// Rien n'est effacé avant la réponse, et il ne reste ensuite aucune copie en attente.

class Editeur;

namespace Recuperation {

void AuDemarrage(Editeur& e);

} // namespace Recuperation
