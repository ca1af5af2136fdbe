#include "LectureRTF.h"

#include "FormatCommentaire.h"
#include "LecteurRTF.h"

#include <QFont>
#include <QTextCursor>

namespace {

using namespace InterneRTF;

QTextCharFormat FormatDe(const EtatLu& e, const std::map<int, QString>& polices,
                         const std::vector<QColor>& couleurs) {
    QTextCharFormat f;
    // Un numéro absent des tables retombe sur la mise en forme par défaut.
    if (const auto it = polices.find(e.police); it != polices.end() && !it->second.isEmpty())
        f.setFontFamilies({it->second});
    if (e.demiPoints > 0)
        f.setFontPointSize(e.demiPoints / 2.0);
    if (e.couleur >= 0 && static_cast<size_t>(e.couleur) < couleurs.size() &&
        couleurs[e.couleur].isValid())
        f.setForeground(couleurs[e.couleur]);
    if (e.gras)
        f.setFontWeight(QFont::Bold);
    if (e.italique)
        f.setFontItalic(true);
    if (e.souligne)
        f.setFontUnderline(true);
    if (e.barre)
        f.setFontStrikeOut(true);
    if (e.decalage != 0)
        PoserDecalage(f, e.decalage);
    return f;
}

} // namespace

bool EstRTF(const QString& texte) {
    qsizetype i = 0;
    while (i < texte.size() && (texte[i].isSpace() || texte[i] == QChar(0xFEFF)))
        ++i;
    return QStringView(texte).sliced(i).startsWith(u"{\\rtf");
}

bool LireRTF(const QString& rtf, QTextCursor& curseur) {
    if (curseur.isNull())
        return false;
    Lecteur lecteur(rtf);
    if (!lecteur.Lire())
        return false;
    curseur.beginEditBlock();
    curseur.removeSelectedText();
    for (const Morceau& m : lecteur.morceaux)
        curseur.insertText(m.texte, FormatDe(m.car, lecteur.polices, lecteur.couleurs));
    curseur.endEditBlock();
    return true;
}

void CollerTexte(const QString& texte, QTextCursor& curseur) {
    if (curseur.isNull())
        return;
    curseur.beginEditBlock();
    // Un passage à la ligne collé devient un paragraphe, comme dans un RTF.
    QString ligne = texte;
    ligne.replace(QChar(0x2028), QChar(0x2029));
    curseur.insertText(ligne);
    curseur.endEditBlock();
}

bool CollerContenu(const QString& texte, QTextCursor& curseur) {
    if (EstRTF(texte))
        return LireRTF(texte, curseur);
    CollerTexte(texte, curseur);
    return true;
}
