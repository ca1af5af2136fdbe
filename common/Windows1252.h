#pragma once
// Page de code Windows-1252 des fichiers texte du programme (projet, page, script, Passage).
// Un caractère que la page de code ne sait pas écrire est écrit en référence numérique HTML
// (« &#937; ») et relu comme ce caractère : rien n'est perdu ni changé en « ? », et le
// navigateur affiche la référence comme le caractère lui-même.

#include <QByteArray>
#include <QString>

QByteArray EncoderWindows1252(const QString& texte);

// Seules les références à des caractères hors de la page de code sont reconverties :
// un « &#65; » tapé par l'utilisateur reste tel quel. Un « &#937; » tapé tel quel, qui serait
// relu comme « Ω », s'écrit « &#38;#937; » : relire rend toujours le texte écrit.
QString DecoderWindows1252(const QByteArray& octets);
