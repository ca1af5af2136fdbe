#pragma once
// Les opérations sur la liste des diapos : les boutons de navigation, l'ajout d'une diapo à la
// fin, le changement de l'image de la diapo en cours et sa suppression. Les images changent
// aussitôt dans le dossier du projet ; la copie de secours garde l'état enregistré.

class Editeur;

namespace Diapos {

// Boutons « << », « < », « > », « >> » (index 0 à 3).
void Naviguer(Editeur& e, int index);
void Ajouter(Editeur& e);
void Changer(Editeur& e);
void Supprimer(Editeur& e);

} // namespace Diapos
