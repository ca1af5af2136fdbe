#pragma once
// « Coller » dans l'éditeur de commentaire : du RTF (RTF.h) ou du texte ordinaire.

#include <QString>

class QTextCursor;

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
