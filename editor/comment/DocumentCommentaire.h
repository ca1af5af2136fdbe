#pragma once
// Le document de l'éditeur de commentaire : sa police de départ et l'effacement d'un morceau de
// texte compté comme l'éditeur le compte.

#include <QFont>
#include <QString>

class QTextDocument;

// Police du commentaire tant que rien d'autre n'est posé : « MS Sans Serif » 10 points. Le nom
// est gardé tel quel, même si le système ne l'a pas, puisque c'est lui qu'écrit le HTML.
QFont PoliceCommentaire();
// À appeler une fois sur le document de l'éditeur ; la fenêtre donne la même police au
// QTextEdit, qui sinon imposerait la sienne au document.
void PreparerDocumentCommentaire(QTextDocument& document);

// Efface du document la première occurrence de « motif » dans « texte », le texte de l'éditeur
// (un CR LF par saut de paragraphe) que l'appelant vient de lire. Le reste garde sa mise en
// forme. Rend vrai si quelque chose a été effacé.
bool SupprimerTexte(QTextDocument& document, const QString& texte, const QString& motif);
