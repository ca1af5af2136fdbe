#pragma once
// Le HTML d'Info vers l'éditeur mis en forme.

#include "BalisesCommentaire.h"

#include <QString>

class QTextDocument;

// Refait le document à partir du HTML. Au-delà de 50 balises d'une sorte, de 50 polices ou de
// 50 « <br> », le reste demeure en texte visible ; une balise mal formée est sautée. L'historique
// d'annulation du document est vidé : on n'annule pas le chargement d'une diapo.
void ConvertirHTMLVersRich(const QString& html, QTextDocument& document,
                           const TableBalises& ouvrantes = BalisesOuvrantesCommentaire,
                           const TableBalises& fermantes = BalisesFermantesCommentaire);
