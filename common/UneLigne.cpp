#include "UneLigne.h"

namespace {
bool EstSaut(QChar c) {
    return c == u'\r' || c == u'\n' || c == QChar(0x2028) || c == QChar(0x2029);
}

bool EstControle(QChar c) {
    return c.category() == QChar::Other_Control || c == QChar(0x2028) || c == QChar(0x2029);
}
} // namespace

bool TientSurUneLigne(QStringView texte) {
    for (const QChar c : texte)
        if (EstSaut(c) || c == u'\0')
            return false;
    return true;
}

QString SurUneLigne(const QString& texte, const QString& remplacement) {
    QString r;
    r.reserve(texte.size());
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const QChar c = texte[i];
        if (EstSaut(c)) {
            r += remplacement;
            // CR LF ne fait qu'un saut.
            if (c == u'\r' && i + 1 < texte.size() && texte[i + 1] == u'\n')
                ++i;
        } else if (c == u'\t' || !EstControle(c)) {
            r += c;
        }
    }
    return r;
}

QString SansControles(const QString& texte) {
    QString r;
    r.reserve(texte.size());
    for (const QChar c : texte)
        if (!EstControle(c))
            r += c;
    return r;
}
