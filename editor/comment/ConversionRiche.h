#pragma once
// Les trois conversions du commentaire d'une diapo : l'éditeur mis en forme vers le HTML d'une
// ligne rangé dans Info (RichVersHTML), ce HTML vers l'éditeur (HTMLVersRich), et le HTML vers le
// texte d'une chaîne du script du diaporama (ChaineScript). Fonctions pures sur un QTextDocument,
// sans widget.

#include "ChaineScript.h"
#include "DocumentCommentaire.h"
#include "HTMLVersRich.h"
#include "RichVersHTML.h"
