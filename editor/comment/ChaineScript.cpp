#include "ChaineScript.h"

QString ChaineScript(const QString& texte, bool barreEnSaut) {
    QString script;
    script.reserve(texte.size() + texte.size() / 8 + 8);
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const char16_t c = texte[i].unicode();
        switch (c) {
        case u'|':
            script += barreEnSaut ? QStringView(u"<BR>&nbsp;") : QStringView(u"|");
            break;
        case u'"':
            script += u"\\\"";
            break;
        // Doublée : un commentaire finissant par « \ » mangeait le guillemet de fin de chaîne,
        // et « C:\dossier » perdait sa barre dans le navigateur.
        case u'\\':
            script += u"\\\\";
            break;
        default:
            // Une fin de ligne ou un caractère de contrôle couperait la chaîne littérale.
            if (c < 0x20 || c == 0x2028 || c == 0x2029) {
                static const char16_t Hexa[] = u"0123456789ABCDEF";
                const char16_t echappe[6] = {
                    u'\\',        u'u', Hexa[c >> 12], Hexa[(c >> 8) & 0xF], Hexa[(c >> 4) & 0xF],
                    Hexa[c & 0xF]};
                script += QStringView(echappe, 6);
            } else {
                script += QChar(c);
            }
        }
    }
    return script;
}

QString TexteVersScript(const QString& texte) {
    return ChaineScript(texte, true);
}
