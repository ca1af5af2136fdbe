#pragma once
// « Capturer une image » : la fenêtre de capture s'ouvre à la taille de la diapo en cours, le
// cadre là où il a été laissé ; à sa fermeture, chaque capture JPEG devient une nouvelle diapo
// à la fin du diaporama, jusqu'à 200 diapos.

class Editeur;
class QString;

namespace Captures {

// La commande du bouton. Les captures sont les fichiers « ScreenShot_1.jpg »,
// « ScreenShot_2.jpg »... du dossier du programme, sans trou depuis 1.
void Commande(Editeur& e);

// Le fichier de la capture n (à partir de 1) dans le dossier du programme.
QString CheminCapture(const QString& dossierProgramme, int n);

} // namespace Captures
