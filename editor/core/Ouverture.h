#pragma once
// « Ouvrir un diaporama existant » : le travail en cours réglé (enregistré ou abandonné), la
// fenêtre « Ouvrir un projet » (frmCin) rend un nom et un dossier, puis le projet est chargé.
// La fenêtre ne fait que rendre ce nom : lire le fichier de projet est l'affaire de Projet.

class Editeur;
class QString;

namespace Ouverture {

// Le bouton de la barre d'outils.
void Commande(Editeur& e);

// Le bouton OK de frmCin : dossier est celui de la liste des fichiers, fichier le nom choisi
// (vide quand rien n'est choisi).
void Valider(Editeur& e, const QString& dossier, const QString& fichier);
// « Annuler », Échap et le cadre.
void Annuler(Editeur& e);

} // namespace Ouverture
