#pragma once
// Le nouvel ordre des diapos, choisi dans la visionneuse, appliqué au projet : les images sont
// renumérotées dans le dossier, commentaires et types GIF/JPEG suivent leur diapo.
//
// Tout se fait par renommages (aucune copie, aucune place disque nécessaire), cycle par cycle de
// la permutation : la première image d'un cycle attend sous un nom provisoire « _temp_ »,
// chaque position prend l'image qu'elle attend, la dernière reprend la première. Aucun
// renommage ne remplace un fichier. Si l'un échoue, tous ceux déjà faits sont défaits dans
// l'ordre inverse : les images, les commentaires et les tables restent comme avant, et
// l'utilisateur est prévenu.

#include "OrdreDiapos.h"

class Editeur;

namespace Reordonner {

// Le bouton « Visionneuse de diapositives » : la fenêtre, puis l'ordre appliqué si elle a été
// validée.
void Commande(Editeur& e);
// Applique OrdreDiapo aux fichiers et aux tables ; faux (et rien de changé) en cas d'échec.
bool AppliquerOrdre(Editeur& e);

} // namespace Reordonner
