#pragma once
// Les textes qui tiennent sur une ligne d'un fichier texte (entête et commentaires du fichier
// de projet, noms de police) : ni retour chariot, ni saut de ligne, ni caractère nul, ni
// séparateur de ligne ou de paragraphe Unicode. Un tel caractère décalerait toutes les lignes
// suivantes à la relecture.

#include <QString>

// Le texte ne contient ni CR, ni LF, ni NUL, ni U+2028, ni U+2029.
bool TientSurUneLigne(QStringView texte);

// Chaque saut de ligne (CR LF, CR, LF, U+2028, U+2029) devient remplacement ; les autres
// caractères de contrôle (sauf la tabulation) disparaissent.
QString SurUneLigne(const QString& texte, const QString& remplacement);

// Sans aucun caractère de contrôle, tabulation comprise (noms de police).
QString SansControles(const QString& texte);
