#pragma once
// « Finaliser le diaporama » : le dossier du projet ne garde que ce dont le navigateur a besoin
// (la page, son script, les images...). Le fichier de projet part, le fond de cadre aussi quand
// la page ne s'en sert pas ; ensuite aucun projet n'est ouvert.
//
// La copie de secours du projet finalisé est abandonnée : la remettre (fermeture de la fenêtre,
// Nouveau, Quitter) ramènerait le fichier de projet effacé, et d'anciennes images par-dessus
// celles que la page montre.

class Editeur;

namespace Finaliser {

void FinaliserDiaporama(Editeur& e);

} // namespace Finaliser
