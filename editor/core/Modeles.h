#pragma once
// Les modèles de page et le projet par défaut du dossier du programme : « Restaurer le modèle par
// défaut » les recopie depuis le dossier « Restaurer ».

class Dialogues;
class QString;

namespace Modeles {

// Demande l'accord puis recopie les fichiers du projet par défaut ; vrai quand tout est revenu.
bool RestaurerModele(Dialogues& dialogues, const QString& dossierProgramme);

} // namespace Modeles
