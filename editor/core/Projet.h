#pragma once
// Le projet ouvert et ses fichiers : l'ouverture, l'enregistrement, la copie de secours prise
// et remise en place, et la commande Enregistrer de la barre d'outils.

#include <QString>

class Editeur;

namespace Projet {

// Charge le projet nommé par NomProjet et RepertoireProjet.
void Ouvrir(Editeur& e);
// Écrit le fichier de projet puis efface la copie de secours ; faux si l'écriture a échoué.
bool Enregistrer(Editeur& e);
// Dit à l'utilisateur pourquoi le fichier n'a pas pu être écrit ; rend toujours faux.
bool SignalerEchecEnregistrement(Editeur& e);
bool PrendreCopieSecours(Editeur& e);
void AnnulerModifications(Editeur& e);
// Le bouton « Enregistrer ».
void CommandeEnregistrer(Editeur& e);

} // namespace Projet
