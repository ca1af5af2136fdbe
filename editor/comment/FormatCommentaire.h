#pragma once
// Ce que le document du commentaire garde pour chaque caractère en plus de Qt : le décalage
// vertical en twips (+40 exposant, -40 indice, toute autre valeur ni l'un ni l'autre), montré
// comme texte surélevé ou abaissé.

#include "NombresVB.h"
#include "UneLigne.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QStringList>
#include <QTextCharFormat>

#include <algorithm>
#include <climits>
#include <cstdint>

inline constexpr int ProprieteDecalage = QTextFormat::UserProperty + 1;

inline int Decalage(const QTextCharFormat& format) {
    return format.intProperty(ProprieteDecalage);
}

// Pose le décalage et son apparence. À fusionner (mergeCharFormat) : setCharFormat perdrait le
// reste de la mise en forme.
inline void PoserDecalage(QTextCharFormat& format, int twips) {
    format.setProperty(ProprieteDecalage, twips);
    format.setVerticalAlignment(twips > 0   ? QTextCharFormat::AlignSuperScript
                                : twips < 0 ? QTextCharFormat::AlignSubScript
                                            : QTextCharFormat::AlignNormal);
}

// Ce que le commentaire HTML retient d'un caractère. Une propriété absente du format vaut celle
// de la police par défaut du document, comme à l'affichage ; sans couleur posée, le texte est
// noir.
struct AttributsCommentaire {
    QString police;
    int taille = 0;       // en points entiers, arrondis au pair
    uint32_t couleur = 0; // rouge + 256 × vert + 65536 × bleu
    bool gras = false;
    bool italique = false;
    bool souligne = false;
    bool barre = false;
    int decalage = 0; // twips

    bool operator==(const AttributsCommentaire&) const = default;
};

// Lit un format sans l'accesseur fontFamily(), obsolète, qui avorte quand aucune famille n'est
// posée. Gras à partir de QFont::Bold, comme le bouton « g » qui pose Bold ou Normal : un
// demi-gras venu d'ailleurs n'est pas du gras.
inline AttributsCommentaire LireAttributs(const QTextCharFormat& format, const QFont& defaut) {
    AttributsCommentaire a;
    const QStringList familles = format.property(QTextFormat::FontFamilies).toStringList();
    if (!familles.isEmpty())
        a.police = familles.first();
    else if (format.hasProperty(QTextFormat::FontFamily))
        a.police = format.stringProperty(QTextFormat::FontFamily);
    else
        a.police = defaut.family();
    // Un saut de ligne dans un nom de police couperait la ligne du commentaire.
    a.police = SansControles(a.police);
    const double points = format.hasProperty(QTextFormat::FontPointSize)
                              ? format.doubleProperty(QTextFormat::FontPointSize)
                              : defaut.pointSizeF();
    a.taille = static_cast<int>(std::clamp<int64_t>(ArrondiPair(points), INT_MIN, INT_MAX));
    const QBrush pinceau = format.foreground();
    if (pinceau.style() != Qt::NoBrush) {
        const QColor c = pinceau.color();
        a.couleur = static_cast<uint32_t>(c.red()) | static_cast<uint32_t>(c.green()) << 8 |
                    static_cast<uint32_t>(c.blue()) << 16;
    }
    const int graisse =
        format.hasProperty(QTextFormat::FontWeight) ? format.fontWeight() : defaut.weight();
    a.gras = graisse >= QFont::Bold;
    a.italique =
        format.hasProperty(QTextFormat::FontItalic) ? format.fontItalic() : defaut.italic();
    a.souligne = format.hasProperty(QTextFormat::TextUnderlineStyle) ||
                         format.hasProperty(QTextFormat::FontUnderline)
                     ? format.fontUnderline()
                     : defaut.underline();
    a.barre = format.hasProperty(QTextFormat::FontStrikeOut) ? format.fontStrikeOut()
                                                             : defaut.strikeOut();
    a.decalage = Decalage(format);
    return a;
}
