#pragma once
// Ce que font les deux programmes au démarrage, avant leur première fenêtre.

#include <QString>
#include <optional>

class Dialogues;
class QCoreApplication;

// Nomme l'application, charge la traduction française de Qt (boutons « Oui », « Non »,
// « Annuler ») et fait du dossier du programme le dossier de travail : modèles, son, aide,
// « Passage » et captures y sont ouverts par leur simple nom. Un programme installé remplit ou
// met d'abord à jour le dossier de l'utilisateur depuis ses données (DossierUtilisateur.h).
// Rend ce dossier ; rien, après un message par dialogues, quand il ne peut pas servir : le
// programme doit alors s'arrêter.
std::optional<QString> PreparerProgramme(QCoreApplication& application, const QString& nom,
                                         Dialogues& dialogues);
