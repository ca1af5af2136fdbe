#pragma once
// Fabrication de documents de commentaire pour les essais des conversions.

#include "ConversionRiche.h"
#include "FormatCommentaire.h"
#include "PositionsCommentaire.h"

#include <QList>
#include <QTextCursor>
#include <QTextDocument>

struct Morceau {
    QString texte; // « \n » : saut de paragraphe
    QTextCharFormat format = {};
};

// Ajoute les morceaux à la fin du document, chacun dans son format.
inline void Ajouter(QTextDocument& document, const QList<Morceau>& morceaux) {
    QTextCursor curseur(&document);
    curseur.movePosition(QTextCursor::End);
    for (const Morceau& m : morceaux)
        curseur.insertText(m.texte, m.format);
}

inline QTextCharFormat Gras(QTextCharFormat f = {}) {
    f.setFontWeight(QFont::Bold);
    return f;
}

inline QTextCharFormat Couleur(int r, int g, int b, QTextCharFormat f = {}) {
    f.setForeground(QColor(r, g, b));
    return f;
}

inline QTextCharFormat Taille(double points, QTextCharFormat f = {}) {
    f.setFontPointSize(points);
    return f;
}

inline QTextCharFormat Decale(int twips, QTextCharFormat f = {}) {
    PoserDecalage(f, twips);
    return f;
}

inline QString Police(const QString& nom = QStringLiteral("MS Sans Serif"),
                      const QString& taille = QStringLiteral("2"),
                      const QString& couleur = QStringLiteral("#000000")) {
    return QStringLiteral("<font face='%1' size='%2' color='%3'>").arg(nom, taille, couleur);
}

// Les attributs du caractère à la position p du texte de l'éditeur (CR LF par saut).
inline AttributsCommentaire AttributsA(QTextDocument& document, int p) {
    const PositionsCommentaire positions(document);
    QTextCursor c(&document);
    c.setPosition(positions.VersDocument(p, PositionsCommentaire::Milieu::Avant));
    c.setPosition(positions.VersDocument(p + 1, PositionsCommentaire::Milieu::Apres),
                  QTextCursor::KeepAnchor);
    return LireAttributs(c.charFormat(), document.defaultFont());
}

inline QString TexteEditeur(const QTextDocument& document) {
    return PositionsCommentaire(document).texte();
}

// Ce que le retour d'un document par son HTML doit redonner : le même texte, avec un saut à la
// fin, et pour chaque caractère les attributs que le HTML sait dire (un décalage autre que ±40
// n'en est pas un). Rend la première différence, vide s'il n'y en a pas.
inline QString DifferenceRetour(QTextDocument& depart, QTextDocument& retour) {
    const QString texte = TexteEditeur(depart);
    const QString attendu = texte.endsWith(QStringLiteral("\r\n")) ? texte : texte + "\r\n";
    if (TexteEditeur(retour) != attendu)
        return QStringLiteral("texte « %1 » au lieu de « %2 »").arg(TexteEditeur(retour), attendu);
    for (int p = 0; p < texte.size(); ++p) {
        if (texte[p] == u'\r' || texte[p] == u'\n')
            continue;
        AttributsCommentaire a = AttributsA(depart, p);
        if (a.decalage != 40 && a.decalage != -40)
            a.decalage = 0;
        if (!(a == AttributsA(retour, p)))
            return QStringLiteral("attributs différents à la position %1").arg(p);
    }
    return {};
}

// Un document neuf tel que l'éditeur le prépare, rempli depuis un HTML.
inline QString AllerRetour(const QString& html) {
    QTextDocument document;
    PreparerDocumentCommentaire(document);
    ConvertirHTMLVersRich(html, document);
    return ConvertirRichVersHTML(document);
}
