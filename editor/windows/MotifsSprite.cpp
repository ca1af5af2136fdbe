#include "MotifsSprite.h"

#include "DessinSprite.h"

#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace DessinSprite {

namespace {

void Ouvrir(QPainter& p) {
    Forme(p, Polygone({{7, 33}, {7, 10.5}, {16, 10.5}, {19, 13.5}, {34, 13.5}, {34, 33}}),
          JauneFonce);
    Forme(p, Rect(QRectF(11, 16, 20, 12), 1.0), Papier);
    Forme(p, Polygone({{7, 33}, {11.5, 20}, {37.5, 20}, {34, 33}}), Jaune);
}

void Nouveau(QPainter& p) {
    Feuille(p, QRectF(9, 7, 21, 29));
    p.setPen(QPen(Papier, 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(Etoile(QPointF(30.5, 28.5), 9.0, 4.2));
    Forme(p, Etoile(QPointF(30.5, 28.5), 9.0, 4.2), Jaune);
}

void Enregistrer(QPainter& p) {
    Disquette(p, QRectF(9, 9, 26, 26));
}

void Navigateur(QPainter& p) {
    const QPointF c(20, 20);
    const qreal r = 12.5;
    Forme(p, Cercle(c, r), BleuClair);
    // Méridiens et parallèles, plus fins que le contour.
    p.setPen(QPen(Bleu, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r * 0.45, r);
    p.drawLine(QPointF(c.x(), c.y() - r), QPointF(c.x(), c.y() + r));
    p.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
    const qreal d = r * 0.55;
    const qreal demi = std::sqrt(r * r - d * d);
    p.drawLine(QPointF(c.x() - demi, c.y() - d), QPointF(c.x() + demi, c.y() - d));
    p.drawLine(QPointF(c.x() - demi, c.y() + d), QPointF(c.x() + demi, c.y() + d));
    p.setPen(PenContour());
    p.drawEllipse(c, r, r);

    Pastille(p, Vert);
    const QPointF o = CentrePastille;
    p.setPen(Qt::NoPen);
    p.setBrush(Papier);
    p.drawPolygon(
        QPolygonF({o + QPointF(-2.5, -4.2), o + QPointF(4.6, 0), o + QPointF(-2.5, 4.2)}));
}

void Aide(QPainter& p) {
    Forme(p, Cercle(QPointF(22, 22), 13.5), Bleu);
    Caractere(p, QStringLiteral("?"), QPointF(22, 22.3), 21, Papier);
}

void Info(QPainter& p) {
    Forme(p, Cercle(QPointF(22, 22), 13.5), Papier);
    p.setPen(QPen(Bleu, 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(22, 22), 11.6, 11.6);
    // Le « i » en formes simples : un point et une barre arrondie.
    p.setPen(Qt::NoPen);
    p.setBrush(Bleu);
    p.drawEllipse(QPointF(22, 15.2), 2.3, 2.3);
    p.drawRoundedRect(QRectF(20.0, 19.0, 4.0, 11.0), 1.5, 1.5);
}

void Quitter(QPainter& p) {
    // Embrasure sombre, porte ouverte vers nous, flèche qui sort.
    Forme(p, Rect(QRectF(8, 7, 17, 30), 1.0), Ardoise);
    Forme(p, Polygone({{8, 7}, {17, 9.5}, {17, 38.5}, {8, 37}}), Bois);
    p.setPen(Qt::NoPen);
    p.setBrush(Encre);
    p.drawEllipse(QPointF(14.5, 24.5), 1.2, 1.2);
    Forme(p,
          Polygone({{21, 19}, {28.5, 19}, {28.5, 14}, {37, 22}, {28.5, 30}, {28.5, 25}, {21, 25}}),
          Rouge);
}

void Supprimer(QPainter& p) {
    // Corbeille.
    Forme(p, Rect(QRectF(17, 6.5, 8, 4), 1.2), Gris);
    Forme(p, Polygone({{11.5, 13.5}, {30.5, 13.5}, {28.5, 37}, {13.5, 37}}), Gris);
    Forme(p, Rect(QRectF(9, 10, 24, 4.5), 1.5), GrisClair);
    for (qreal x : {17.0, 21.0, 25.0})
        Ligne(p, QPointF(x, 18.5), QPointF(x - (x - 21.0) * 0.08, 33.0), Encre, 1.3);
    Pastille(p, Rouge);
    SigneCroix(p, CentrePastille, 3.0);
}

void Ajouter(QPainter& p) {
    Photo(p, QRectF(6, 8, 27, 22));
    Pastille(p, Vert);
    SignePlus(p, CentrePastille, 3.8);
}

void Neutre(QPainter&) {}

void ChangerImage(QPainter& p) {
    Photo(p, QRectF(6, 8, 27, 22));
    Pastille(p, Bleu);
    // Deux demi-tours qui se suivent : l'image est remplacée.
    ArcFleche(p, CentrePastille, 4.2, 110, 150, Papier, 1.7);
    ArcFleche(p, CentrePastille, 4.2, 290, 150, Papier, 1.7);
}

void EnregistrerSous(QPainter& p) {
    Disquette(p, QRectF(7, 7, 24, 24));
    // Crayon en diagonale, pointe en bas à gauche.
    p.save();
    p.translate(30, 29.5);
    p.rotate(-45);
    // Liseré blanc pour le détacher de la disquette.
    p.setPen(QPen(Papier, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(Polygone({{-13, 0}, {-8, -3.2}, {10, -3.2}, {10, 3.2}, {-8, 3.2}}));
    Forme(p, Rect(QRectF(-8, -3.2, 14, 6.4), 0.5), Jaune);
    Forme(p, Rect(QRectF(6, -3.2, 4, 6.4), 1.0), QColor(0xF2, 0x9C, 0xB0));
    Forme(p, Polygone({{-8, -3.2}, {-13, 0}, {-8, 3.2}}), QColor(0xF5, 0xDE, 0xB8));
    p.setPen(Qt::NoPen);
    p.setBrush(Encre);
    p.drawPolygon(QPolygonF({QPointF(-13, 0), QPointF(-11.2, -1.15), QPointF(-11.2, 1.15)}));
    p.restore();
}

void Visualiser(QPainter& p) {
    Feuille(p, QRectF(8, 6, 21, 28));
    // Œil en amande par-dessus le coin bas.
    const QPointF c(28.5, 30);
    QPainterPath amande;
    amande.moveTo(c + QPointF(-10, 0));
    amande.quadTo(c + QPointF(0, -10), c + QPointF(10, 0));
    amande.quadTo(c + QPointF(0, 10), c + QPointF(-10, 0));
    amande.closeSubpath();
    p.setPen(QPen(Papier, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(amande);
    Forme(p, amande, Papier);
    Forme(p, Cercle(c, 3.9), Bleu);
    p.setPen(Qt::NoPen);
    p.setBrush(Encre);
    p.drawEllipse(c, 1.7, 1.7);
    p.setBrush(Papier);
    p.drawEllipse(c + QPointF(-1.3, -1.3), 0.9, 0.9);
}

void Restaurer(QPainter& p) {
    Feuille(p, QRectF(9, 7, 21, 29));
    Pastille(p, Orange);
    // Flèche de retour : trois quarts de tour dans le sens inverse des aiguilles.
    ArcFleche(p, CentrePastille, 3.9, -60, 250, Papier, 1.9);
}

void Fond(QPainter& p) {
    // Carreaux de texture derrière le rouleau.
    const QRectF tuile(6, 20, 18, 18);
    const qreal c = tuile.width() / 3;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            p.setBrush((i + j) % 2 == 0 ? Jaune : Orange);
            p.drawRect(QRectF(tuile.left() + i * c, tuile.top() + j * c, c, c));
        }
    p.setPen(PenContour());
    p.setBrush(Qt::NoBrush);
    p.drawRect(tuile);

    // Rouleau : manchon, bras coudé, poignée.
    p.setPen(PenContour(2.0));
    QPainterPath bras;
    bras.moveTo(35, 11);
    bras.lineTo(38, 11);
    bras.lineTo(38, 18.5);
    bras.lineTo(28, 18.5);
    bras.lineTo(28, 24);
    p.drawPath(bras);
    Forme(p, Rect(QRectF(12, 6, 24, 10), 3.0), Bleu);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawRoundedRect(QRectF(14, 8, 20, 2.5), 1.2, 1.2);
    Forme(p, Rect(QRectF(25.2, 23, 5.6, 15), 2.5), Ardoise);
}

void Capturer(QPainter& p) {
    Forme(p, Rect(QRectF(15, 10, 10, 6), 1.5), Ardoise);
    Forme(p, Rect(QRectF(6, 14, 32, 22), 4.0), Ardoise);
    Forme(p, Cercle(QPointF(22, 25), 8.0), Papier);
    Forme(p, Cercle(QPointF(22, 25), 5.5), Bleu);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawEllipse(QPointF(20.2, 23.2), 1.7, 1.7);
    Forme(p, Rect(QRectF(31, 17.5, 4, 2.6), 0.8), Jaune);
}

void Didacticiel(QPainter& p) {
    // Toque : calotte, plateau en losange, gland.
    QPainterPath calotte;
    calotte.moveTo(12, 20);
    calotte.lineTo(12, 29);
    calotte.quadTo(22, 35, 32, 29);
    calotte.lineTo(32, 20);
    calotte.closeSubpath();
    Forme(p, calotte, Ardoise);
    Forme(p, Polygone({{22, 8}, {38.5, 16}, {22, 24}, {5.5, 16}}), Encre.lighter(125));
    Ligne(p, QPointF(22, 16), QPointF(34, 19.5), Jaune, 1.6);
    Ligne(p, QPointF(34, 19.5), QPointF(34, 28.5), Jaune, 1.6);
    Forme(p, Rect(QRectF(32.2, 27.5, 3.6, 5.5), 1.2), Jaune);
    p.setPen(Qt::NoPen);
    p.setBrush(Jaune);
    p.drawEllipse(QPointF(22, 16), 1.6, 1.6);
}

void Visionneuse(QPainter& p) {
    const QRectF bande(5.5, 10, 33, 24);
    Forme(p, Rect(bande, 2.0), Ardoise);
    // Perforations en haut et en bas.
    p.setPen(Qt::NoPen);
    p.setBrush(GrisClair);
    for (qreal x = bande.left() + 2.5; x < bande.right() - 2; x += 4.5) {
        p.drawRoundedRect(QRectF(x, bande.top() + 1.5, 2.4, 2.2), 0.6, 0.6);
        p.drawRoundedRect(QRectF(x, bande.bottom() - 3.7, 2.4, 2.2), 0.6, 0.6);
    }
    // Trois vues.
    const QColor ciels[] = {BleuClair, QColor(0xFF, 0xD9, 0x8A), QColor(0xB8, 0xE6, 0xB0)};
    const QColor sols[] = {Vert, Orange, Bleu};
    const qreal l = 8.8, ecart = 1.25;
    const qreal marge = (bande.width() - 3 * l - 2 * ecart) / 2;
    for (int i = 0; i < 3; ++i) {
        const QRectF vue(bande.left() + marge + i * (l + ecart), bande.top() + 5.5, l, 13);
        p.setPen(Qt::NoPen);
        p.setBrush(ciels[i]);
        p.drawRect(vue);
        p.setBrush(sols[i]);
        p.drawPolygon(QPolygonF({vue.bottomLeft(), QPointF(vue.left(), vue.bottom() - 4),
                                 QPointF(vue.center().x(), vue.bottom() - 7),
                                 QPointF(vue.right(), vue.bottom() - 3), vue.bottomRight()}));
    }
}

} // namespace

constexpr Motif Motifs[NbImagesSprite / 2] = {
    Ouvrir,     Nouveau,   Enregistrer, Navigateur, Aide,         Info,
    Quitter,    Supprimer, Ajouter,     Neutre,     ChangerImage, EnregistrerSous,
    Visualiser, Restaurer, Fond,        Capturer,   Didacticiel,  Visionneuse,
};

} // namespace DessinSprite
