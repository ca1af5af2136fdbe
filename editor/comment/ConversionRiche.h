#pragma once
// Les trois conversions du commentaire d'une diapo : l'éditeur mis en forme vers le HTML d'une
// ligne rangé dans Info, ce HTML vers l'éditeur, et le HTML vers le texte d'une chaîne du script
// du diaporama. Fonctions pures sur un QTextDocument, sans widget.

#include <QFont>
#include <QString>

#include <array>

class QTextDocument;

// Police du commentaire tant que rien d'autre n'est posé : « MS Sans Serif » 10 points. Le nom
// est gardé tel quel, même si le système ne l'a pas, puisque c'est lui qu'écrit le HTML.
QFont PoliceCommentaire();
// À appeler une fois sur le document de l'éditeur ; la fenêtre donne la même police au
// QTextEdit, qui sinon imposerait la sienne au document.
void PreparerDocumentCommentaire(QTextDocument& document);

// Le HTML du document : une ligne sans CR ni LF, qui finit toujours par « <br> » suivi des
// balises encore ouvertes.
QString ConvertirRichVersHTML(const QTextDocument& document);
// Même résultat, en relisant le format de chaque position par une sélection d'un caractère,
// comme l'algorithme le décrit. Beaucoup plus lent : sert de référence aux essais et aux mesures.
QString ConvertirRichVersHTMLParSelections(const QTextDocument& document);

// Les tables de balises des six styles : italique, souligné, gras, barré, exposant, indice.
using TableBalises = std::array<QString, 6>;
extern const TableBalises BalisesOuvrantesCommentaire;
extern const TableBalises BalisesFermantesCommentaire;

// Refait le document à partir du HTML. Au-delà de 50 balises d'une sorte, de 50 polices ou de
// 50 « <br> », le reste demeure en texte visible ; une balise mal formée est sautée. L'historique
// d'annulation du document est vidé : on n'annule pas le chargement d'une diapo.
void ConvertirHTMLVersRich(const QString& html, QTextDocument& document,
                           const TableBalises& ouvrantes = BalisesOuvrantesCommentaire,
                           const TableBalises& fermantes = BalisesFermantesCommentaire);

// Le contenu d'une chaîne JavaScript entre guillemets doubles : tout ce qui fermerait ou
// casserait la chaîne (guillemet, barre oblique inverse, fins de ligne, caractères de contrôle)
// est échappé ; avec barreEnSaut, « | » devient « <BR>&nbsp; ». Le script est un fichier à part :
// un « </script> » dans le texte n'y ferme rien.
QString ChaineScript(const QString& texte, bool barreEnSaut = false);

// Un commentaire dans le script : la chaîne, et « | » en saut de ligne. Le commentaire lui-même
// (dans Info et le fichier de projet) ne change pas.
QString TexteVersScript(const QString& texte);

// Efface du document la première occurrence de « motif » dans « texte », le texte de l'éditeur
// (un CR LF par saut de paragraphe) que l'appelant vient de lire. Le reste garde sa mise en
// forme. Rend vrai si quelque chose a été effacé.
bool SupprimerTexte(QTextDocument& document, const QString& texte, const QString& motif);
