#pragma once
// L'éditeur mis en forme vers le HTML d'une ligne rangé dans Info.

#include <QString>

class QTextDocument;

// Le HTML du document : une ligne sans CR ni LF, qui finit toujours par « <br> » suivi des
// balises encore ouvertes.
QString ConvertirRichVersHTML(const QTextDocument& document);
// Même résultat, en relisant le format de chaque position par une sélection d'un caractère,
// comme l'algorithme le décrit. Beaucoup plus lent : sert de référence aux essais et aux mesures.
QString ConvertirRichVersHTMLParSelections(const QTextDocument& document);
