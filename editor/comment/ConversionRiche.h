#pragma once
// Passage entre le commentaire HTML d'une diapo et le document de l'éditeur de commentaire.
//
// Pour l'instant l'éditeur montre le HTML tel quel, balises comprises, et le relit tel quel :
// c'est ici, et seulement ici, que viendra la conversion en texte mis en forme.

#include <QString>

class QTextDocument;

// Le document devient le contenu du HTML.
void RemplirDocument(const QString& html, QTextDocument& document);

// Le HTML d'une ligne que représente le document (aucun CR ni LF).
QString HTMLDuDocument(const QTextDocument& document);
