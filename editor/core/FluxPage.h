#pragma once
// Le chemin du projet jusqu'au navigateur : « Créer et visualiser dans le navigateur » écrit la
// page et le script à partir des modèles du dossier du programme (GenerateurPage) puis ouvre la
// page ; « Visualise un fichier HTML créé » ouvre la dernière page faite.

class Editeur;

namespace FluxPage {

void CreerHTML(Editeur& e);
void VoirHTML(Editeur& e);

} // namespace FluxPage
