#include "Couleurs.h"

namespace {

int valeurHexa(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

} // namespace

QString CouleurVersHTML(uint32_t couleur) {
    static const char Chiffres[] = "0123456789ABCDEF";
    const uint32_t rouge = couleur & 0xFF;
    const uint32_t vert = (couleur >> 8) & 0xFF;
    const uint32_t bleu = (couleur >> 16) & 0xFF;
    const char16_t texte[7] = {u'#',
                               static_cast<char16_t>(Chiffres[rouge >> 4]),
                               static_cast<char16_t>(Chiffres[rouge & 0xF]),
                               static_cast<char16_t>(Chiffres[vert >> 4]),
                               static_cast<char16_t>(Chiffres[vert & 0xF]),
                               static_cast<char16_t>(Chiffres[bleu >> 4]),
                               static_cast<char16_t>(Chiffres[bleu & 0xF])};
    return QString(reinterpret_cast<const QChar*>(texte), 7);
}

// Lecture par paires RR, GG, BB. Au premier caractère non hexadécimal (ou à la fin du texte)
// la lecture s'arrête : la paire qui le contient et les suivantes valent 0. Un canal à moitié
// lu n'aurait aucun sens (« F » n'est ni 0x0F ni 0xF0).
uint32_t HTMLVersCouleur(const QString& sixChiffres) {
    uint32_t couleur = 0;
    for (int canal = 0; canal < 3; ++canal) {
        const qsizetype i = canal * 2;
        if (i + 1 >= sixChiffres.size())
            break;
        const int fort = valeurHexa(sixChiffres[i]);
        const int faible = valeurHexa(sixChiffres[i + 1]);
        if (fort < 0 || faible < 0)
            break;
        couleur |= static_cast<uint32_t>(fort * 16 + faible) << (8 * canal);
    }
    return couleur;
}
