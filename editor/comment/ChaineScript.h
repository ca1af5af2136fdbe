#pragma once
// Le texte d'un commentaire dans une chaîne du script du diaporama.

#include <QString>

// Le contenu d'une chaîne JavaScript entre guillemets doubles : tout ce qui fermerait ou
// casserait la chaîne (guillemet, barre oblique inverse, fins de ligne, caractères de contrôle)
// est échappé ; avec barreEnSaut, « | » devient « <BR>&nbsp; ». Le script est un fichier à part :
// un « </script> » dans le texte n'y ferme rien.
QString ChaineScript(const QString& texte, bool barreEnSaut = false);

// Un commentaire dans le script : la chaîne, et « | » en saut de ligne. Le commentaire lui-même
// (dans Info et le fichier de projet) ne change pas.
QString TexteVersScript(const QString& texte);
