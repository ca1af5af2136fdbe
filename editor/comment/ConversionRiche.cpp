#include "ConversionRiche.h"

#include <QTextDocument>

void RemplirDocument(const QString& html, QTextDocument& document) {
    document.setPlainText(html);
}

QString HTMLDuDocument(const QTextDocument& document) {
    // Un passage à la ligne tapé dans l'éditeur devient le saut de ligne du HTML.
    QString texte = document.toPlainText();
    texte.replace(QChar(0x2029), QStringLiteral("<br>"));
    texte.replace(QStringLiteral("\r\n"), QStringLiteral("<br>"));
    texte.replace(QChar('\n'), QStringLiteral("<br>"));
    texte.replace(QChar('\r'), QStringLiteral("<br>"));
    return texte;
}
