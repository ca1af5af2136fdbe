#pragma once
// Ce que fait la fenêtre « EnregistrerSous » (frmSauverSous), sans widget : la règle du nom, les
// noms réservés, le refus du dossier du programme, la question de la réécriture, la création
// d'un dossier. Le résultat passe par l'état de l'éditeur : NomEnr et RepEnr, vides sur toutes
// les sorties sauf un OK qui aboutit.

#include <QString>
#include <optional>

class Dialogues;
class Editeur;

namespace SauverSous {

// Le nom ne contient que des lettres non accentuées (A à Z, a à z) et « _ » ; un « .cin »
// final n'est pas examiné.
bool NomValide(const QString& nom);

// Le bouton OK. dossier : celui de la liste des fichiers ; nom : le texte de Text1. Rend vrai
// quand la fenêtre doit se fermer.
bool Valider(Editeur& e, const QString& dossier, const QString& nom);

// « Annuler », Échap, le cadre : rien n'est choisi.
void Annuler(Editeur& e);

// Le bouton droit sur la liste des dossiers : les questions, puis la création. Rend le dossier
// créé (où aller), ou rien.
std::optional<QString> CreerDossier(Dialogues& dialogues, const QString& dossierCourant);

} // namespace SauverSous
