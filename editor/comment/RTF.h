#pragma once
// Le presse-papiers de l'éditeur de commentaire : « Copier » y met la source RTF de la
// sélection comme texte brut, « Coller » la relit. Le copier-coller de Qt passe par le HTML et
// perd le décalage vertical (FormatCommentaire.h) : d'où ce petit RTF à nous.
//
// Ce qui voyage, caractère par caractère : police, taille (à la demi-point près), couleur,
// gras, italique, souligné, barré, décalage en twips (exact, même hors des demi-points),
// fins de paragraphe (\par), passages à la ligne U+2028 (\line), tabulations (\tab).
//
// Les positions sont celles du document Qt : une fin de paragraphe y compte pour une.

#include <QString>

class QTextCursor;
class QTextDocument;

// Le document RTF complet des caractères [debut, fin) du document (bornes remises dans
// l'ordre et dans le document). Les fins de paragraphe comprises dans l'intervalle deviennent
// \par, avec leur propre mise en forme.
QString EcrireRTF(const QTextDocument& document, int debut, int fin);

// Le RTF de la sélection du curseur (vide : un document RTF sans texte).
QString EcrireRTF(const QTextCursor& selection);

// Le texte commence-t-il, après des blancs, par « {\rtf » ? Sinon c'est du texte ordinaire.
bool EstRTF(const QString& texte);

// Remplace la sélection du curseur par le texte mis en forme que décrit le RTF, en une seule
// étape d'annulation ; le curseur finit après le texte collé. Rend false, sans toucher au
// document ni au curseur, quand le texte n'est pas du RTF ou n'est pas utilisable (accolades
// déséquilibrées, texte tronqué, groupes imbriqués trop profond, contenu après la fin...).
// Accepte aussi le RTF courant des autres programmes : ce qu'il ne connaît pas est ignoré.
bool LireRTF(const QString& rtf, QTextCursor& curseur);

// Remplace la sélection par le texte tel quel, dans la mise en forme courante du curseur.
void CollerTexte(const QString& texte, QTextCursor& curseur);

// Ce que fait « Coller » du texte du presse-papiers : du RTF est lu par LireRTF, autre chose
// est collé comme texte. Rend false seulement pour un RTF inutilisable (le document n'a alors
// pas changé : c'est à la fenêtre d'afficher son message).
bool CollerContenu(const QString& texte, QTextCursor& curseur);
