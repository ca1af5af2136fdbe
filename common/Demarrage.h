#pragma once
// Ce que font les deux programmes au démarrage, avant leur première fenêtre.

#include <QString>

class QCoreApplication;

// Nomme l'application, charge la traduction française de Qt (boutons « Oui », « Non »,
// « Annuler ») et fait du dossier du programme le dossier de travail : modèles, son, aide,
// « Passage » et captures y sont ouverts par leur simple nom. Rend ce dossier.
QString PreparerProgramme(QCoreApplication& application, const QString& nom);
