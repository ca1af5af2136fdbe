#pragma once
// « Copier » de l'éditeur de commentaire : la sélection en RTF (ce qui voyage : RTF.h).

#include <QString>

class QTextCursor;
class QTextDocument;

// Le document RTF complet des caractères [debut, fin) du document (bornes remises dans
// l'ordre et dans le document). Les fins de paragraphe comprises dans l'intervalle deviennent
// \par, avec leur propre mise en forme.
QString EcrireRTF(const QTextDocument& document, int debut, int fin);

// Le RTF de la sélection du curseur (vide : un document RTF sans texte).
QString EcrireRTF(const QTextCursor& selection);
