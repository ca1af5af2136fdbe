#include "DessinsCapture.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// Palette commune, pour que les boutons aillent ensemble.
const QColor Ardoise(0x37, 0x47, 0x4F);
const QColor ArdoiseClaire(0x60, 0x7D, 0x8B);
const QColor Verre(0x4F, 0xA3, 0xE0);
const QColor Rouge(0xC6, 0x28, 0x28);
const QColor Vert(0x2E, 0x7D, 0x32);
const QColor Or(0xF9, 0xA8, 0x25);
const QColor Papier(0xFA, 0xFA, 0xFA);

QPen Trait(const QColor& c, qreal epaisseur) {
    return QPen(c, epaisseur, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Tous les dessins sont faits sur une grille de 48 x 48.
void Appareil(QPainter& p) {
    p.setPen(Trait(Ardoise.darker(130), 1.5));
    p.setBrush(Ardoise);
    p.drawRoundedRect(QRectF(16, 9, 14, 7), 2, 2);
    p.drawRoundedRect(QRectF(5, 14, 38, 26), 5, 5);
    p.setBrush(Papier);
    p.drawEllipse(QPointF(24, 27), 10, 10);
    p.setBrush(Verre);
    p.setPen(Trait(Ardoise.darker(130), 1.2));
    p.drawEllipse(QPointF(24, 27), 6.8, 6.8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 180));
    p.drawEllipse(QPointF(21.5, 24.5), 2.2, 2.2);
    p.setBrush(Or);
    p.drawRoundedRect(QRectF(35, 17.5, 5, 3.2), 1, 1);
}

void Quitter(QPainter& p) {
    // Porte entrouverte et flèche de sortie.
    p.setPen(Trait(Ardoise, 2.5));
    p.setBrush(Qt::NoBrush);
    QPainterPath cadre;
    cadre.moveTo(26, 14);
    cadre.lineTo(26, 7);
    cadre.lineTo(8, 7);
    cadre.lineTo(8, 41);
    cadre.lineTo(26, 41);
    cadre.lineTo(26, 34);
    p.drawPath(cadre);
    p.setBrush(ArdoiseClaire);
    p.setPen(Trait(Ardoise, 1.5));
    p.drawPolygon(QPolygonF({{8, 7}, {20, 11}, {20, 44}, {8, 41}}));
    p.setPen(Trait(Rouge, 4));
    p.drawLine(QPointF(24, 24), QPointF(40, 24));
    p.setPen(Qt::NoPen);
    p.setBrush(Rouge);
    p.drawPolygon(QPolygonF({{44, 24}, {35, 16}, {35, 32}}));
}

void Corbeille(QPainter& p) {
    p.setPen(Trait(Ardoise, 1.5));
    p.setBrush(ArdoiseClaire);
    p.drawRoundedRect(QRectF(18, 5, 12, 5), 1.5, 1.5);
    p.drawRoundedRect(QRectF(8, 9, 32, 5), 2, 2);
    QPainterPath cuve;
    cuve.moveTo(11, 15);
    cuve.lineTo(37, 15);
    cuve.lineTo(34, 43);
    cuve.lineTo(14, 43);
    cuve.closeSubpath();
    p.setBrush(Papier);
    p.drawPath(cuve);
    p.setPen(Trait(Rouge, 2.2));
    for (qreal x : {18.0, 24.0, 30.0})
        p.drawLine(QPointF(x, 20), QPointF(x + (x - 24) * 0.08, 38));
}

// Petite photo : ciel, soleil, collines.
void Photo(QPainter& p, const QRectF& r) {
    p.setPen(Trait(Ardoise, 1.5));
    p.setBrush(QColor(0xBB, 0xDE, 0xFB));
    p.drawRoundedRect(r, 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(Or);
    p.drawEllipse(QPointF(r.left() + r.width() * 0.72, r.top() + r.height() * 0.3),
                  r.width() * 0.09, r.width() * 0.09);
    p.setBrush(Vert);
    p.drawPolygon(QPolygonF({{r.left() + 1, r.bottom() - 1},
                             {r.left() + r.width() * 0.35, r.top() + r.height() * 0.45},
                             {r.left() + r.width() * 0.6, r.top() + r.height() * 0.75},
                             {r.left() + r.width() * 0.78, r.top() + r.height() * 0.58},
                             {r.right() - 1, r.bottom() - 1}}));
}

void Visualiser(QPainter& p) {
    Photo(p, QRectF(4, 6, 32, 26));
    // Loupe.
    p.setPen(Trait(Ardoise, 4));
    p.drawLine(QPointF(36, 36), QPointF(44, 44));
    p.setPen(Trait(Ardoise, 2.5));
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QPointF(31, 31), 8, 8);
}

void Refaire(QPainter& p) {
    // Deux flèches en cercle autour d'une photo.
    p.setBrush(Qt::NoBrush);
    p.setPen(Trait(Vert, 3.5));
    const QRectF cercle(7, 7, 34, 34);
    p.drawArc(cercle, 20 * 16, 140 * 16);
    p.drawArc(cercle, 200 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(Vert);
    p.drawPolygon(QPolygonF({{6, 16}, {14, 25}, {2, 26}}));
    p.drawPolygon(QPolygonF({{42, 32}, {34, 23}, {46, 22}}));
    Photo(p, QRectF(15, 16, 18, 15));
}

void RetoucherBMP(QPainter& p) {
    Photo(p, QRectF(3, 4, 30, 24));
    // Pinceau en travers.
    p.setPen(Trait(QColor(0x8D, 0x6E, 0x63), 4));
    p.drawLine(QPointF(44, 20), QPointF(29, 35));
    p.setPen(Trait(Rouge, 5));
    p.drawLine(QPointF(28, 36), QPointF(25, 39));
    // Les trois lettres rappellent le format.
    QFont police(QStringLiteral("Sans"));
    police.setPixelSize(11);
    police.setBold(true);
    p.setFont(police);
    p.setPen(Ardoise);
    p.drawText(QRectF(2, 33, 26, 13), Qt::AlignCenter, QStringLiteral("BMP"));
}

} // namespace

QPixmap ImageCapture(Dessin dessin, int cote) {
    QPixmap image(cote, cote);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(cote / 48.0, cote / 48.0);
    switch (dessin) {
    case Dessin::Appareil:
        Appareil(p);
        break;
    case Dessin::Quitter:
        Quitter(p);
        break;
    case Dessin::Corbeille:
        Corbeille(p);
        break;
    case Dessin::Visualiser:
        Visualiser(p);
        break;
    case Dessin::Refaire:
        Refaire(p);
        break;
    case Dessin::RetoucherBMP:
        RetoucherBMP(p);
        break;
    }
    return image;
}

QIcon IconeCapture(Dessin dessin) {
    QIcon icone;
    for (int cote : {24, 32, 48, 64})
        icone.addPixmap(ImageCapture(dessin, cote));
    return icone;
}
