#pragma once
// « Enregistrer sous... » : l'état en cours devient un nouveau projet, sous le nom et dans le
// dossier choisis dans la fenêtre « EnregistrerSous » ; l'ancien projet revient à son dernier
// état enregistré. Le nouveau projet n'existe qu'entier : si un de ses fichiers ne peut pas être
// écrit (disque plein, droits), rien n'est remplacé et l'ancien projet reste ouvert tel quel.

class Editeur;

namespace EnregistrementSous {

// Le bouton de la barre d'outils : le commentaire et l'entête validés, puis EnregistrerSous.
void Commande(Editeur& e);
// Montre la fenêtre puis fait du projet en cours un nouveau projet.
void EnregistrerSous(Editeur& e);

} // namespace EnregistrementSous
